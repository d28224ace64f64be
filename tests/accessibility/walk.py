#!/usr/bin/python3
"""Every window of the program as a screen reader meets it on the accessibility bus.

Drives tarvel-script --interactive (the path to it is the first argument): opens every window
of the catalogue, shows each of its tabs in turn, and at each stop reads the window through
AT-SPI, as Orca would. It requires that every control that can take the focus has a name,
that no two of them in view share one, that every table can be read cell by cell, and that
every edit's text can be read. Prints what it found and its counts (with TARVEL_WALK_VERBOSE
set, every control's role and name too); exits 1 on a fault.
"""

import os
import subprocess
import sys
import time

import pyatspi

FAULTS = []
VERBOSE = bool(os.environ.get("TARVEL_WALK_VERBOSE"))
TOTALS = {"windows": 0, "views": 0, "focusable": 0, "tables": 0, "cells": 0, "edits": 0,
          "links": 0}


class Driver:
    def __init__(self, program):
        env = dict(os.environ)
        env["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1"
        env.setdefault("QT_QPA_PLATFORM", "xcb")
        self.process = subprocess.Popen([program, "--interactive"], stdin=subprocess.PIPE,
                                        stdout=subprocess.PIPE, text=True, env=env)
        self.serial = 0

    def run(self, line):
        """Runs one command; returns the lines it printed."""
        self.serial += 1
        marker = "@done %d" % self.serial
        self.process.stdin.write(line + "\n" + "echo " + marker + "\n")
        self.process.stdin.flush()
        printed = []
        while True:
            out = self.process.stdout.readline()
            if not out:
                raise SystemExit("tarvel-script ended during: " + line)
            out = out.rstrip("\n")
            if out == marker:
                return printed
            if out.startswith("error:"):
                raise SystemExit("tarvel-script: %s (after: %s)" % (out, line))
            printed.append(out)

    def value(self, line, key):
        for out in self.run(line):
            if out.startswith(key + " ="):
                return out[len(key) + 2:].strip()
        raise SystemExit("no '%s' from: %s" % (key, line))

    def close(self):
        self.process.stdin.close()
        self.process.wait(timeout=30)


def find_application(pid):
    deadline = time.time() + 20
    while time.time() < deadline:
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            try:
                if app is not None and app.get_process_id() == pid:
                    return app
            except Exception:
                pass
        time.sleep(0.2)
    raise SystemExit("the program did not appear on the accessibility bus")


def find_window(app, caption):
    deadline = time.time() + 10
    while time.time() < deadline:
        for window in app:
            try:
                states = window.getState()
                if window.name.strip() == caption.strip() and states.contains(pyatspi.STATE_SHOWING):
                    return window
            except Exception:
                pass
        time.sleep(0.1)
    raise SystemExit("no window '%s' on the accessibility bus" % caption)


def shown(node):
    states = node.getState()
    return states.contains(pyatspi.STATE_SHOWING) and states.contains(pyatspi.STATE_VISIBLE)


def read_table(table_node, where):
    table = table_node.queryTable()
    rows, cols = table.nRows, table.nColumns
    texts = 0
    for r in range(rows):
        for c in range(cols):
            cell = table.getAccessibleAt(r, c)
            if cell is None:
                FAULTS.append("%s: table '%s' has no cell at %d,%d" % (where, table_node.name, r, c))
                continue
            TOTALS["cells"] += 1
            if cell.name:
                texts += 1
    if rows * cols == 0 or texts == 0:
        FAULTS.append("%s: table '%s' reads empty (%d x %d)" % (where, table_node.name, rows, cols))
    TOTALS["tables"] += 1
    return rows, cols


def walk(window, where):
    """Checks one view of a window; returns its focusable controls."""
    focusable = []
    edits = 0
    stack = [window]
    while stack:
        node = stack.pop()
        if node is None or not shown(node):
            continue
        role = node.getRole()
        states = node.getState()
        if role == pyatspi.ROLE_TABLE:
            read_table(node, where)
        if (states.contains(pyatspi.STATE_FOCUSABLE) and states.contains(pyatspi.STATE_ENABLED)
                and role not in (pyatspi.ROLE_TABLE_CELL, pyatspi.ROLE_LIST_ITEM,
                                 pyatspi.ROLE_TABLE_COLUMN_HEADER, pyatspi.ROLE_TABLE_ROW_HEADER)):
            focusable.append(node)
            if VERBOSE:
                print("    %-14s %s" % (node.getRoleName(), node.name))
            if not node.name.strip():
                FAULTS.append("%s: a focusable %s has no name" % (where, node.getRoleName()))
            if role == pyatspi.ROLE_LINK:
                TOTALS["links"] += 1
        if role in (pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY, pyatspi.ROLE_PASSWORD_TEXT):
            try:
                text = node.queryText()
                content = text.getText(0, -1)
                if len(content) != text.characterCount:
                    raise ValueError("length")
                edits += 1
            except Exception as error:
                FAULTS.append("%s: the text of '%s' cannot be read (%s)" % (where, node.name, error))
        # The cells of a table and the items of a list are read above, not walked.
        if role in (pyatspi.ROLE_TABLE, pyatspi.ROLE_LIST, pyatspi.ROLE_LIST_BOX):
            continue
        stack.extend(reversed([child for child in node]))
    names = {}
    for node in focusable:
        # A tab list is named by its current tab, a tab control by its page; a drop-down's
        # edit by the drop-down.
        if node.getRole() in (pyatspi.ROLE_PAGE_TAB, pyatspi.ROLE_PAGE_TAB_LIST,
                              pyatspi.ROLE_FILLER):
            continue
        if node.parent is not None and node.parent.getRole() == pyatspi.ROLE_COMBO_BOX:
            continue
        names.setdefault(node.name, []).append(node.getRoleName())
    for name, roles in names.items():
        if name and len(roles) > 1:
            FAULTS.append("%s: %d controls share the name '%s' (%s)"
                          % (where, len(roles), name, ", ".join(roles)))
    TOTALS["focusable"] += len(focusable)
    TOTALS["edits"] += edits
    TOTALS["views"] += 1
    print("  %-45s %3d focusable, %2d edits" % (where, len(focusable), edits))
    return focusable


def main():
    driver = Driver(sys.argv[1])
    app = find_application(driver.process.pid)
    main_caption = driver.value("window", "window")
    walk(find_window(app, main_caption), "main window")
    TOTALS["windows"] += 1
    for item in driver.value("catalogue", "catalogue").split():
        driver.run("open " + item)
        caption = driver.value("window", "window")
        window = find_window(app, caption)
        TOTALS["windows"] += 1
        walk(window, caption)
        tabs = driver.value("tabs", "tabs")
        for tab in [t for t in tabs.split(" | ") if t]:
            driver.run("tab " + tab)
            time.sleep(0.05)
            walk(window, caption + " / " + tab)
        driver.run("close")
    # The main window's own dialogs.
    for item in ("Preferencias1",):
        driver.run("open " + item)
        caption = driver.value("window", "window")
        TOTALS["windows"] += 1
        walk(find_window(app, caption), caption)
        driver.run("close")
    driver.close()
    print("accessibility bus: %(windows)d windows, %(views)d views, %(focusable)d focusable "
          "controls named, %(links)d links, %(tables)d tables with %(cells)d cells read, "
          "%(edits)d edits read" % TOTALS)
    for fault in FAULTS:
        print("FAULT " + fault)
    print("%d faults" % len(FAULTS))
    return 1 if FAULTS else 0


if __name__ == "__main__":
    sys.exit(main())
