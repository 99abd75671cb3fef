#!/usr/bin/env python3
"""Fails when a catalogue in translations/ lacks a text the program shows.

Reads the sources afresh with lupdate into copies of the catalogues (the
committed ones are left as they are), then checks every message of every
catalogue:
  - it is translated and not marked unfinished;
  - it fills in the same places (%1, %2 ...) as the English;
  - a menu title keeps one shortcut letter (&);
  - the core's words are in the context "quarn", where the windows look them
    up (lupdate names the context after the class around a text).

Usage: check-translations.py LUPDATE [SOURCE_DIR]
       check-translations.py --file CATALOGUE.ts   (that file alone, as it stands)
"""
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET
from pathlib import Path

LUPDATE_OPTIONS = ["-no-obsolete", "-locations", "relative",
                   "-tr-function-alias", "QT_TR_NOOP+=say,QT_TR_NOOP+=Text,QT_TR_NOOP+=QUARN_TEXT"]
PLACE = re.compile(r"%[1-9]")
# A shortcut letter: & before a letter, not an HTML entity such as &gt;.
MNEMONIC = re.compile(r"&(?![A-Za-z]+;|#[0-9]+;)(?=\w)")


def problems_of(catalogue: Path) -> list[str]:
    found = []
    for context in ET.parse(catalogue).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            source = message.findtext("source") or ""
            translation = message.find("translation")
            text = translation.text if translation is not None else None
            where = f"{catalogue.name}: {name}: {source!r}"
            locations = [loc.get("filename", "") for loc in message.iter("location")]
            if any("src/core/" in loc for loc in locations) and name != "quarn":
                found.append(f"{where}: the core's words must be outside classes (context {name})")
            if translation is None or translation.get("type") in ("unfinished", "vanished", "obsolete") or not text:
                found.append(f"{where}: not translated")
                continue
            if sorted(set(PLACE.findall(source))) != sorted(set(PLACE.findall(text))):
                found.append(f"{where}: {text!r} does not fill in the same places")
            if len(MNEMONIC.findall(source)) == 1 and len(MNEMONIC.findall(text.replace("&&", ""))) != 1:
                found.append(f"{where}: {text!r} needs one shortcut letter (&)")
    return found


def main() -> int:
    if len(sys.argv) < 2:
        print(__doc__)
        return 2
    if sys.argv[1] == "--file" and len(sys.argv) == 3:
        problems = problems_of(Path(sys.argv[2]))
        for problem in problems:
            print(problem)
        print(f"{len(problems)} problem(s)")
        return 1 if problems else 0
    lupdate = sys.argv[1]
    source_dir = Path(sys.argv[2] if len(sys.argv) > 2 else Path(__file__).resolve().parent.parent)
    catalogues = sorted((source_dir / "translations").glob("quarn_*.ts"))
    if not catalogues:
        print("no catalogues in translations/")
        return 1
    problems = []
    with tempfile.TemporaryDirectory() as scratch:
        copies = []
        for catalogue in catalogues:
            copy = Path(scratch) / catalogue.name
            shutil.copy(catalogue, copy)
            copies.append(copy)
        sources = [str(source_dir / "src")]
        result = subprocess.run([lupdate, *LUPDATE_OPTIONS, *sources, "-ts", *map(str, copies)],
                                capture_output=True, text=True)
        if result.returncode != 0:
            print(result.stdout + result.stderr)
            return 1
        for copy in copies:
            problems += problems_of(copy)
    for problem in problems:
        print(problem)
    print(f"{len(catalogues)} catalogues, {len(problems)} problem(s)")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
