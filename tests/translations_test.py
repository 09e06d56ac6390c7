#!/usr/bin/env python3
"""Every text of the windows has its English translation.

lupdate, run with the project's options over the sources into a copy of the repository's .ts,
must find no text the file lacks and none it has that the sources no longer use, and no entry may
be left unfinished: a new text without a translation fails here.

Usage: translations_test.py LUPDATE SOURCE_ROOT TS_FILE FOLDER... -- LUPDATE_OPTION...
"""
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET
from pathlib import Path


def entries(ts_file):
    """(context, source, comment) of every message, and those not finished."""
    root = ET.parse(ts_file).getroot()
    found, unfinished = set(), []
    for context in root.iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            key = (name, message.findtext("source"), message.findtext("comment") or "")
            found.add(key)
            translation = message.find("translation")
            kind = translation.get("type") if translation is not None else "missing"
            text = "".join(translation.itertext()) if translation is not None else ""
            numerus = message.get("numerus") == "yes"
            if kind in ("unfinished", "missing", "vanished", "obsolete") or (
                    not numerus and not text.strip()):
                unfinished.append(key)
    return found, unfinished


def main():
    lupdate, root, ts_file = sys.argv[1], Path(sys.argv[2]), Path(sys.argv[3])
    rest = sys.argv[4:]
    split = rest.index("--")
    folders, options = rest[:split], rest[split + 1:]
    failed = False
    with tempfile.TemporaryDirectory() as work:
        copy = Path(work) / ts_file.name
        shutil.copyfile(ts_file, copy)
        subprocess.run([lupdate, "-silent", *[str(root / f) for f in folders], *options,
                        "-ts", str(copy)], check=True)
        in_repository, _ = entries(ts_file)
        from_sources, unfinished = entries(copy)
    for context, source, _ in sorted(from_sources - in_repository):
        print(f"FAIL: not in {ts_file.name} (run the ovrelan_ui_lupdate target): "
              f"{context}: {source!r}")
        failed = True
    for context, source, _ in sorted(in_repository - from_sources):
        print(f"FAIL: {ts_file.name} has a text the sources no longer use: {context}: {source!r}")
        failed = True
    for context, source, _ in unfinished:
        print(f"FAIL: no translation: {context}: {source!r}")
        failed = True
    print(f"{len(from_sources)} texts, {len(unfinished)} unfinished")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
