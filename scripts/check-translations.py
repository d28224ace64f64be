#!/usr/bin/env python3
"""Fails unless every translation of translations/ is complete and matches the sources.

  check-translations.py LUPDATE SOURCE_FOLDER TS_FILE...

Each .ts file is copied to a temporary folder and brought up to date from the sources with
lupdate, as the build's update_translations target would do. The check fails, naming the
texts, when a text of the sources is missing from a file, when a file holds a text the
sources no longer have, and when a translation is unfinished or empty, drops or adds a
placeholder (%1, %n...) or loses the accelerator (&) of its source. It prints how many texts
each file holds.
"""
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET
from pathlib import Path

PLACEHOLDER = re.compile(r"%(?:L?\d+|n)")
# An accelerator, not an HTML entity ("&oacute;", "&#161;") nor a written "&&".
ACCELERATOR = re.compile(r"(?<!&)&(?![A-Za-z]+;|#\d+;|&)\w")


def messages(path):
    for context in ET.parse(path).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            yield name, message


def key(name, message):
    return (name, message.findtext("source"), message.findtext("comment") or "")


def translations(message):
    translation = message.find("translation")
    if translation is None:
        return None, []
    forms = translation.findall("numerusform")
    texts = [f.text or "" for f in forms] if forms else [translation.text or ""]
    return translation.get("type"), texts


def problems(path, committed):
    found = []
    for name, message in messages(path):
        source = message.findtext("source") or ""
        where = f"{name}: {source!r}"
        kind, texts = translations(message)
        if key(name, message) not in committed:
            found.append(f"not in the file yet: {where}")
            continue
        if kind in ("unfinished", "vanished", "obsolete") or not all(texts):
            found.append(f"not translated: {where}")
            continue
        wanted = sorted(PLACEHOLDER.findall(source))
        for text in texts:
            if message.get("numerus") != "yes" and sorted(PLACEHOLDER.findall(text)) != wanted:
                found.append(f"placeholders differ: {where} -> {text!r}")
            if bool(ACCELERATOR.search(source)) != bool(ACCELERATOR.search(text)):
                found.append(f"accelerator differs: {where} -> {text!r}")
    return found


def main():
    if len(sys.argv) < 4:
        print(__doc__.strip().splitlines()[2].strip(), file=sys.stderr)
        return 2
    lupdate, sources, files = sys.argv[1], sys.argv[2], [Path(f) for f in sys.argv[3:]]
    failed = False
    with tempfile.TemporaryDirectory() as folder:
        for ts in files:
            copy = Path(folder) / ts.name
            shutil.copyfile(ts, copy)
            committed = {key(n, m) for n, m in messages(ts)}
            run = subprocess.run(
                [lupdate, "-silent", "-source-language", "es", "-no-obsolete", "-locations",
                 "none", "-I", sources, sources, "-ts", str(copy)],
                capture_output=True, text=True)
            if run.returncode != 0:
                print(f"{ts.name}: lupdate failed:\n{run.stdout}{run.stderr}")
                failed = True
                continue
            current = {key(n, m) for n, m in messages(copy)}
            found = problems(copy, committed)
            found += [f"no longer in the sources: {k[0]}: {k[1]!r}" for k in committed - current]
            if found:
                failed = True
                print(f"{ts.name}: {len(found)} problems (update with the build's target "
                      "update_translations, then translate):")
                for line in found:
                    print("  " + line)
            else:
                print(f"{ts.name}: {len(current)} texts, all translated")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
