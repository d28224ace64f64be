#!/usr/bin/python3
"""Reads an edit of a running Tarvel as a screen reader would, through the accessibility bus.

  read_edit.py PID WINDOW EDIT [EXPECTED]

Finds the program of that process, its shown window of that title and the edit of that name in
it, and prints the edit's text. With EXPECTED it waits (10 s at most) for that text, and exits 1
if it never comes: a window fills its edits as the keys typed into it arrive.
"""

import sys
import time

import pyatspi

from walk import find_application, find_window, shown


def find_edit(window, name):
    stack = [window]
    while stack:
        node = stack.pop()
        if node is None or not shown(node):
            continue
        if node.getRole() in (pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY) and node.name == name:
            return node
        stack.extend(child for child in node)
    raise SystemExit("no edit '%s' in the window" % name)


def main(pid, caption, name, expected=None):
    edit = find_edit(find_window(find_application(int(pid)), caption), name)
    deadline = time.time() + 10
    while True:
        text = edit.queryText().getText(0, -1)
        if expected is None or text == expected or time.time() > deadline:
            break
        time.sleep(0.1)
    print("%s: '%s'" % (name, text))
    return 0 if expected is None or text == expected else 1


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
