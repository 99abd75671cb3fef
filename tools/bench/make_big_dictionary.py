#!/usr/bin/env python3
"""Writes a dictionary of 500,000 items (the end marker included): the shipped
words, then distinct made-up words of 5 to 12 letters, then 999. The same
recipe as the scan benchmark's, for the measurements of the whole program.

Usage: make_big_dictionary.py OUT [de-uk]
With de-uk the made-up words are spelt by turns in German and Ukrainian
letters, as UTF-8."""
import random
import sys
from pathlib import Path

root = Path(__file__).resolve().parents[2]
words = []
for line in (root / "data" / "dictionary.dic").read_text(encoding="utf-8").splitlines():
    if line == "999":
        break
    words.append(line)
seen = set(words)
rng = random.Random(500000)
english = "abcdefghijklmnopqrstuvwxyz"
german = english + "äöüß"
ukrainian = "абвгґдеєжзиіїйклмнопрстуфхцчшщьюя"
mixed = len(sys.argv) > 2 and sys.argv[2] == "de-uk"
made = 0
while len(words) < 499999:
    letters = (ukrainian if made % 2 else german) if mixed else english
    made += 1
    w = "".join(rng.choice(letters) for _ in range(rng.randint(5, 12)))
    if w not in seen:
        seen.add(w)
        words.append(w)
words.append("999")
Path(sys.argv[1]).write_bytes("".join(w + "\r\n" for w in words).encode("utf-8"))
