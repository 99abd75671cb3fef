#!/usr/bin/env python3
"""Generate Quarn's shipped word lists and empty records into data/.

Reads the SCOWL word lists installed by the Debian package `scowl` and writes
every file in data/ from scratch.  Re-running it on the same SCOWL release
gives byte-identical output: inputs are sorted and all shuffling uses a small
PRNG defined here with a fixed seed, so no Python version change can alter it.

Usage: python3 tools/make_data.py [--scowl DIR] [--out DIR]
"""

import argparse
import re
import sys
from collections import Counter
from pathlib import Path

SCOWL_DIR = Path("/usr/share/dict/scowl")
SCOWL_COPYRIGHT = Path("/usr/share/doc/scowl/copyright")
OUT_DIR = Path(__file__).resolve().parent.parent / "data"

# SCOWL size 40 is where the lists stop being words most players know; 50
# already brings in "abaft" and "asseverate".
DICTIONARY_SIZES = (10, 20, 35, 40)
# Target words must be instantly recognisable once found, so they come only
# from the two most common sizes.
COMMON_SIZES = (10, 20)
CATEGORIES = ("english-words", "american-words")

# The game loader stops reading the dictionary at this line.
END_MARKER = "999"
# The program never draws the last entry of a list, so each list carries one
# spare entry after the playable ones.
LIST_LINES = 1000
USED_LINES = 1001
HIGH_SCORE_PLACES = 10

ANAGRAM_LENGTHS = range(5, 9)
CROSSWORD_LENGTHS = range(7, 11)
# The game needs at least 10 distinct words from a set to fill the board; the
# pool is large enough to insist on twice that and skip the thin sets.
CROSSWORD_MIN_WORDS = 20

SEED = 0x51A7_2024

# SCOWL lists every letter's plural and the odd abbreviation-like entry among
# the two-letter words; a casual player only knows these.
TWO_LETTER_WORDS = frozenset("""
    ad ah am an as at ax be by do eh ex go ha he hi ho id if in is it
    ma me my no of oh on or ow ox pa pi so to uh um up us we yo
""".split())

# SCOWL does not flag offensive words, so slurs and crude words are dropped by
# hand.  Words with a common innocent meaning (ass, cock, screw...) stay.
EXCLUDED = frozenset("""
    asshole assholes bastard bastards bitch bitched bitches bitchier
    bitchiest bitching bitchy clit clits cocksucker cocksuckers coon coons
    cunt cunts dick dicks dyke dykes fag fags faggot faggots fagot fagots
    fuck fucked fucker fuckers fucking fucks gook gooks gyp gypped gypping
    gyps kike kikes nigga niggas niggaz nigger niggers piss pissed pisses
    pissing porn porno redskin redskins retard retards shit shits shittier
    shittiest shitting shitty slut sluts sluttish spastic spastics spic spics
    squaw squaws tits turd turds twat twats wank wanked wanker wankers wanking
    wanks wetback wetbacks whore whorehouse whorehouses whores
""".split())

WORD_RE = re.compile(r"[a-z]+")


class Prng:
    """SplitMix64: tiny, well mixed, and written out here in full."""

    MASK = (1 << 64) - 1

    def __init__(self, seed):
        self.state = seed & self.MASK

    def next64(self):
        self.state = (self.state + 0x9E3779B97F4A7C15) & self.MASK
        z = self.state
        z = ((z ^ (z >> 30)) * 0xBF58476D1CE4E5B9) & self.MASK
        z = ((z ^ (z >> 27)) * 0x94D049BB133111EB) & self.MASK
        return z ^ (z >> 31)

    def below(self, n):
        # Rejection sampling keeps every value equally likely.
        limit = (1 << 64) - ((1 << 64) % n)
        while True:
            r = self.next64()
            if r < limit:
                return r % n

    def shuffle(self, items):
        for i in range(len(items) - 1, 0, -1):
            j = self.below(i + 1)
            items[i], items[j] = items[j], items[i]


def read_scowl(scowl_dir, sizes):
    words = set()
    for category in CATEGORIES:
        for size in sizes:
            path = scowl_dir / f"{category}.{size}"
            text = path.read_text(encoding="utf-8")
            # Anything but plain a-z (capitals, apostrophes, accents) is a
            # proper noun, possessive or loan spelling the board cannot show.
            words.update(w for w in text.split() if WORD_RE.fullmatch(w))
    return words


def build_dictionary(scowl_dir):
    words = read_scowl(scowl_dir, DICTIONARY_SIZES)
    words = {w for w in words
             if len(w) > 2 or w in TWO_LETTER_WORDS}
    return sorted(words - EXCLUDED)


def is_inflection(word, dictionary):
    """True for plain plurals and -ed/-ing forms of another dictionary word.

    Such a target feels like a cheat ("tables" once "table" is known) and
    crowds out more interesting words.
    """
    stems = []
    if word.endswith("ies"):
        stems.append(word[:-3] + "y")
    if word.endswith("es"):
        stems.append(word[:-2])
    if word.endswith("s") and not word.endswith("ss"):
        stems.append(word[:-1])
    if word.endswith("ied"):
        stems.append(word[:-3] + "y")
    if word.endswith("ed"):
        stems += [word[:-2], word[:-1]]
        if len(word) > 4 and word[-3] == word[-4]:
            stems.append(word[:-3])
    if word.endswith("ing"):
        stems += [word[:-3], word[:-3] + "e"]
        if len(word) > 5 and word[-4] == word[-5]:
            stems.append(word[:-4])
    return any(len(s) >= 2 and s in dictionary for s in stems)


def build_anagrams(common, dictionary, rng):
    pool = sorted(w for w in common
                  if len(w) in ANAGRAM_LENGTHS and w in dictionary
                  and not is_inflection(w, dictionary))
    rng.shuffle(pool)
    return pool[:LIST_LINES]


def count_buildable(letters, signatures):
    """Distinct dictionary words (2+ letters) made from a sub-multiset."""
    counts = sorted(Counter(letters).items())
    total = 0

    def walk(index, prefix):
        nonlocal total
        if index == len(counts):
            if len(prefix) >= 2:
                total += signatures.get("".join(prefix), 0)
            return
        letter, available = counts[index]
        for k in range(available + 1):
            walk(index + 1, prefix + [letter] * k)

    walk(0, [])
    return total


def scramble(word, rng):
    letters = list(word)
    for _ in range(8):
        rng.shuffle(letters)
        if "".join(letters) != word:
            break
    return "".join(letters)


def build_crosswords(common, dictionary, rng):
    signatures = Counter("".join(sorted(w)) for w in dictionary)
    # One entry per letter multiset: anagram pairs would be the same puzzle.
    by_signature = {}
    for w in sorted(common):
        if len(w) in CROSSWORD_LENGTHS and w in dictionary:
            by_signature.setdefault("".join(sorted(w)), w)
    pool = sorted(w for key, w in by_signature.items()
                  if count_buildable(key, signatures) >= CROSSWORD_MIN_WORDS)
    rng.shuffle(pool)
    return [scramble(w, rng) for w in pool[:LIST_LINES]]


def write_lines(path, lines):
    # The game reads its files as CR LF text, whatever platform it runs on.
    path.write_bytes("".join(line + "\r\n" for line in lines).encode("ascii"))


def licence_lines(copyright_path):
    notice = copyright_path.read_text(encoding="utf-8").splitlines()
    return ["The word lists in this directory (dictionary.dic, anagrams1.dic,",
            "crossword1.dic) were derived from SCOWL by tools/make_data.py.",
            "The SCOWL copyright and licence notice follows.",
            "",
            *notice]


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--scowl", type=Path, default=SCOWL_DIR)
    parser.add_argument("--copyright", type=Path, default=SCOWL_COPYRIGHT)
    parser.add_argument("--out", type=Path, default=OUT_DIR)
    args = parser.parse_args()

    rng = Prng(SEED)
    dictionary = build_dictionary(args.scowl)
    dictionary_set = set(dictionary)
    common = read_scowl(args.scowl, COMMON_SIZES)
    anagrams = build_anagrams(common, dictionary_set, rng)
    crosswords = build_crosswords(common, dictionary_set, rng)
    if len(anagrams) < 2 or len(crosswords) < 2:
        sys.exit("word pool too small for a playable list plus its spare")

    out = args.out
    out.mkdir(parents=True, exist_ok=True)
    write_lines(out / "dictionary.dic", dictionary + [END_MARKER])
    write_lines(out / "anagrams1.dic", anagrams)
    write_lines(out / "crossword1.dic", crosswords)
    for name in ("anagrams1_used.dat", "crossword1_used.dat"):
        write_lines(out / name, ["False"] * USED_LINES)
    for name in ("anagrams.hi", "crosswords.hi", "mixnmatch.hi", "worddrop.hi"):
        write_lines(out / name, ['""', "0", '""'] * HIGH_SCORE_PLACES)
    write_lines(out / "LICENSE.scowl", licence_lines(args.copyright))
    # Keep git from rewriting the CR LF line ends on any checkout.
    write_lines(out / ".gitattributes", ["* -text"])

    print(f"dictionary.dic  {len(dictionary)} words + end marker")
    print(f"anagrams1.dic   {len(anagrams)} words (last is the spare)")
    print(f"crossword1.dic  {len(crosswords)} letter sets (last is the spare)")


if __name__ == "__main__":
    main()
