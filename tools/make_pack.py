#!/usr/bin/env python3
"""Build a Quarn word pack for one language from a plain word list.

A pack is a folder named by the language's code holding the same files as
data/ does for English (dictionary, Anagrams and Crossword lists, empty
records and tables), plus letters.dat (the alphabet with each letter's weight
and whether it is a vowel), language.dat (the language's own name) and the
copyright file of every Debian source the pack was built from.

    python3 tools/make_pack.py de --out build/packs/de
    python3 tools/make_pack.py de --words /usr/share/dict/ngerman \\
        --stems /usr/share/hunspell/de_DE.dic \\
        --license igerman98=/usr/share/doc/wngerman/copyright --out build/packs/de
    python3 tools/make_pack.py --languages      # every language it knows
    python3 tools/make_pack.py --installed      # codes and sources found here
    python3 tools/make_pack.py --built-using    # Debian sources of those packs

Without --words and --stems the Debian files of the language table below are
used; without --license the copyright files of the Debian packages that own
the two files are found with dpkg. Deterministic: sorted inputs, the same
SplitMix64 shuffle as tools/make_data.py, a fixed seed per language.
"""

import argparse
import bisect
import os
import re
import shutil
import subprocess
import sys
import time
import unicodedata
from collections import Counter
from dataclasses import dataclass
from pathlib import Path

# The English data's generator and letter-set helpers, so that a pack is
# drawn and scrambled exactly as the English lists are.
# So are the shapes of the files, the lengths of the Anagrams words and
# Crossword sets, the least a Crossword set must build (the game needs 10
# distinct words; English insists on twice that, and so does every pack at
# the least) and the seed.
from make_data import (ANAGRAM_LENGTHS, CROSSWORD_LENGTHS, CROSSWORD_MIN_WORDS, END_MARKER, HIGH_SCORE_PLACES,
                       LIST_LINES, SEED, USED_LINES, Prng, count_buildable, scramble)


@dataclass(frozen=True)
class Language:
    name: str              # the language's own name, as the menu shows it
    alphabet: str          # every letter, lower case, in the language's order
    vowels: str
    words: str             # the Debian word list
    stems: str             # the Debian hunspell dictionary
    nouns_capitalised: bool = False
    # What a list that is not UTF-8 is written in (Debian's wswedish is
    # Latin-1); hunspell dictionaries say theirs in the .aff file.
    legacy_encoding: str = "latin-1"


# The alphabets are the languages' own, accented letters placed after their
# base letter; a word with any other character is left out.
LANGUAGES = {
    "de": Language("Deutsch", "aäbcdefghijklmnoöpqrsßtuüvwxyz", "aeiouyäöü",
                   "/usr/share/dict/ngerman", "/usr/share/hunspell/de_DE.dic",
                   nouns_capitalised=True),
    "fr": Language("Français", "aàâæbcçdeéèêëfghiîïjklmnoôœpqrstuùûüvwxyÿz",
                   "aàâæeéèêëiîïoôœuùûüyÿ",
                   "/usr/share/dict/french", "/usr/share/hunspell/fr.dic"),
    "es": Language("Español", "aábcdeéfghiíjklmnñoópqrstuúüvwxyz", "aáeéiíoóuúü",
                   "/usr/share/dict/spanish", "/usr/share/hunspell/es_ES.dic"),
    "it": Language("Italiano", "aàbcdeèéfghiìjklmnoòpqrstuùvwxyz", "aàeèéiìoòuù",
                   "/usr/share/dict/italian", "/usr/share/hunspell/it_IT.dic"),
    "pt": Language("Português", "aáâãàbcçdeéêfghiíjklmnoóôõpqrstuúvwxyz",
                   "aáâãàeéêiíoóôõuú",
                   "/usr/share/dict/portuguese", "/usr/share/hunspell/pt_PT.dic"),
    "nl": Language("Nederlands", "aáàâäbcdeéèêëfghiíìîïjklmnoóòôöpqrstuúùûüvwxyz",
                   "aáàâäeéèêëiíìîïoóòôöuúùûüy",
                   "/usr/share/dict/dutch", "/usr/share/hunspell/nl.dic"),
    "sv": Language("Svenska", "abcdeéfghijklmnopqrstuvwxyzåäö", "aeéiouyåäö",
                   "/usr/share/dict/swedish", "/usr/share/hunspell/sv_SE.dic"),
    "da": Language("Dansk", "abcdeéfghijklmnopqrstuvwxyzæøå", "aeéiouyæøå",
                   "/usr/share/dict/danish", "/usr/share/hunspell/da_DK.dic"),
    "pl": Language("Polski", "aąbcćdeęfghijklłmnńoóprsśtuwyzźż", "aąeęioóuy",
                   "/usr/share/dict/polish", "/usr/share/hunspell/pl_PL.dic",
                   legacy_encoding="iso8859-2"),
    "uk": Language("Українська", "абвгґдеєжзиіїйклмнопрстуфхцчшщьюя", "аеєиіїоуюя",
                   "/usr/share/dict/ukrainian", "/usr/share/hunspell/uk_UA.dic",
                   legacy_encoding="koi8-u"),
    "bg": Language("Български", "абвгдежзийклмнопрстуфхцчшщъьюя", "аеиоуъюя",
                   "/usr/share/dict/bulgarian", "/usr/share/hunspell/bg_BG.dic",
                   legacy_encoding="cp1251"),
}

# The program reads at most 500,000 dictionary items, the end marker included.
MAX_WORDS = 499_999
MIN_WORD_LETTERS = 2

# Lists are drawn at random from this many of the best-known candidates: three
# times what a list holds, so a list is not simply the top of the ranking.
WELL_KNOWN_POOL = 3 * LIST_LINES
# A stem that starts or ends more than this many others is already as well
# known as a word gets; past it the count only measures how productive a
# suffix is ("-logia", "-owski").
FAMILY_CAP = 50
APOSTROPHES = "'’ʼ`´"
HYPHENS = "-‐‑‒–—"


def language_seed(code):
    return SEED ^ int.from_bytes(code.encode("utf-8"), "big")


# --- reading ----------------------------------------------------------------

def decode(data, encoding, sure=False):
    """NFC text: UTF-8 when the bytes are UTF-8 (unless the encoding is
    sure, as a hunspell .aff says it), else the given encoding."""
    if data.startswith(b"\xef\xbb\xbf"):
        data = data[3:]
    text = None
    if not sure:
        try:
            text = data.decode("utf-8")
        except UnicodeDecodeError:
            pass
    if text is None:
        text = data.decode(encoding)
    return unicodedata.normalize("NFC", text)


def read_lines(path, encoding, sure=False):
    return decode(Path(path).read_bytes(), encoding, sure).splitlines()


class Admit:
    """Turns a list entry into a word of the language, or says why not."""

    def __init__(self, lang):
        self.lang = lang
        self.letters = re.compile("[" + re.escape(lang.alphabet) + "]+")
        self.marks = re.compile(r"(\d)|([" + re.escape(APOSTROPHES) + "])|(["
                                + re.escape(HYPHENS) + "])")

    def __call__(self, entry):
        """(word, None) for a word, (None, reason) for anything else."""
        entry = entry.strip()
        if self.letters.fullmatch(entry):      # the common case: a plain word
            return (entry, None) if len(entry) >= MIN_WORD_LETTERS else (None, "one letter")
        if not entry:
            return None, "empty"
        mark = self.marks.search(entry)
        if mark:
            return None, ("digits", "apostrophe", "hyphen")[mark.lastindex - 1]
        if entry.isupper():
            return None, "abbreviation"
        rest = entry[1:]
        if rest != rest.lower():
            return None, "capital inside"
        if entry[0].isupper() and not self.lang.nouns_capitalised:
            return None, "name"
        word = entry.lower()
        if not self.letters.fullmatch(word):
            return None, "not in the alphabet"
        if len(word) < MIN_WORD_LETTERS:
            return None, "one letter"
        return word, None


def read_words(path, lang, admit):
    """The admitted words of a list, and how many entries each reason dropped."""
    words = set()
    dropped = Counter()
    for entry in read_lines(path, lang.legacy_encoding):
        word, reason = admit(entry)
        if word is None:
            if reason != "empty":
                dropped[reason] += 1
        else:
            words.add(word)
    return words, dropped


@dataclass
class Stem:
    word: str          # as written in the dictionary (capital kept)
    flags: frozenset


def hunspell_settings(dic_path, fallback):
    """What the .aff beside a .dic says: its encoding, its kind of flags, the
    flags that mark entries as no words of their own, and the affix classes
    that can leave a stem as it is (so a NEEDAFFIX stem is still a word)."""
    aff = Path(dic_path).with_suffix(".aff")
    settings = {"SET": None, "FLAG": "char", "marks": {}, "plain": set()}
    if not aff.exists():
        return settings
    raw = aff.read_bytes()
    for line in raw.splitlines():
        parts = line.split()
        if len(parts) >= 2 and parts[0] in (b"SET", b"FLAG"):
            settings[parts[0].decode("ascii")] = parts[1].decode("ascii", "replace")
    text = decode(raw, python_encoding(settings["SET"] or fallback),
                  settings["SET"] is not None)
    empty_rules = []
    for line in text.splitlines():
        parts = line.split()
        if len(parts) >= 2 and parts[0] in (
                "NEEDAFFIX", "PSEUDOROOT", "ONLYINCOMPOUND", "FORBIDDENWORD",
                "NOSUGGEST", "SUBSTANDARD"):
            mark = "NEEDAFFIX" if parts[0] == "PSEUDOROOT" else parts[0]
            settings["marks"][mark] = parts[1]
        # SFX flag strip add condition: nothing stripped and nothing added
        # gives the stem itself, unless only inside compounds.
        elif len(parts) >= 5 and parts[0] in ("SFX", "PFX") and \
                parts[2] == "0" and parts[3].split("/")[0] == "0":
            empty_rules.append((parts[1], parts[3].partition("/")[2]))
    compound_only = settings["marks"].get("ONLYINCOMPOUND")
    settings["plain"] = {flag for flag, then in empty_rules
                         if compound_only not in split_flags(then, settings["FLAG"])}
    return settings


def python_encoding(name):
    name = name.lower().removeprefix("microsoft-")
    name = name.replace("iso8859", "iso8859-").replace("--", "-")
    try:
        "".encode(name)
        return name
    except LookupError:
        return "latin-1"


def split_flags(text, flag_type):
    if not text:
        return frozenset()
    if flag_type == "long":
        return frozenset(text[i:i + 2] for i in range(0, len(text), 2))
    if flag_type == "num":
        return frozenset(f for f in text.split(",") if f)
    return frozenset(text)


LEMMA_FIELD = re.compile(r"(?:^|\s)st:(\S+)|\[\$([^$\]]+)\$")


def read_stems(path, lang):
    """The entries of a hunspell .dic that are words in their own right.

    Left out: the count on the first line; entries marked as only parts of
    compounds, as forbidden, or as not to be suggested (where the
    dictionaries put crude and offensive words); entries that need an affix
    which none of their affix classes can leave empty. Flags are kept: an
    entry without any is a single form, not the head of a paradigm.
    """
    settings = hunspell_settings(path, lang.legacy_encoding)
    sure = settings["SET"] is not None
    encoding = python_encoding(settings["SET"] or lang.legacy_encoding)
    marks = settings["marks"]
    never = {marks[k] for k in ("ONLYINCOMPOUND", "FORBIDDENWORD", "NOSUGGEST",
                                "SUBSTANDARD") if k in marks}
    need_affix = marks.get("NEEDAFFIX")
    stems = []
    for line in read_lines(path, encoding, sure)[1:]:
        fields = line.split()
        if not fields or line.startswith(("#", "\t")):
            continue
        word, _, flags = fields[0].replace("\\/", "\0").partition("/")
        word = word.replace("\0", "/")
        flags = split_flags(flags, settings["FLAG"])
        if not word or flags & never:
            continue
        if need_affix in flags and not (flags & settings["plain"]):
            continue
        # An entry that names another word as its lemma is one of its forms.
        lemma = LEMMA_FIELD.search(line[len(fields[0]):])
        if lemma and (lemma.group(1) or lemma.group(2)) != word:
            flags = frozenset()
        stems.append(Stem(word, flags))
    return stems


# --- choosing words ---------------------------------------------------------

def cap_dictionary(words, stems, limit):
    """At most limit words: the stems first, then the shortest other forms
    (ties in code point order)."""
    if len(words) <= limit:
        return sorted(words)
    kept = []
    for group in (words & stems, words - stems):
        by_length = {}
        for word in group:
            by_length.setdefault(len(word), []).append(word)
        for length in sorted(by_length):
            room = limit - len(kept)
            if room <= 0:
                break
            bucket = by_length[length]
            kept += bucket if len(bucket) <= room else sorted(bucket)[:room]
    return sorted(kept)


def umlauted(word):
    """The German plural umlaut of the last a, o, u or au of a word."""
    for i in range(len(word) - 1, -1, -1):
        if word[i] in "aou":
            if word[i] == "u" and i > 0 and word[i - 1] == "a":
                return word[:i - 1] + "äu" + word[i + 1:]
            return word[:i] + {"a": "ä", "o": "ö", "u": "ü"}[word[i]] + word[i + 1:]
    return None


def looks_like_noun(word, dictionary):
    """A capitalised German stem is a noun, not a name, when the word list
    also has a plural of it: with -e, -en, -n, -nen, or umlauted (Gärten,
    Häuser, Äpfeln). Towns and first names have none ("Hamburger" is no
    plural of Hamburg, so a plain -er does not count)."""
    if any(word + ending in dictionary for ending in ("e", "en", "n", "nen")):
        return True
    changed = umlauted(word)
    return changed is not None and any(
        changed + ending in dictionary for ending in ("", "e", "er", "en", "ern", "n"))


def known_lemmas(stems, dictionary, words, lang, admit):
    """Stems with affixes of their own (a whole paradigm, so a real headword)
    that are also dictionary words and not names: the words a player is
    likeliest to know. A German noun's plural is looked for among all the
    list's words, kept or not."""
    lemmas = set()
    for stem in stems:
        if not stem.flags:
            continue
        word, _ = admit(stem.word)
        if word is None or word not in dictionary:
            continue
        if stem.word[0].isupper() and not (lang.nouns_capitalised
                                           and looks_like_noun(word, words)):
            continue
        lemmas.add(word)
    return lemmas


def family_sizes(candidates, lemmas, vowels):
    """How many headwords start with a candidate's root or end with the
    candidate: common words build many compounds and derivatives (Haus,
    Rathaus, Hausarbeit; pisać, napisać, opisać), rare ones few."""
    ordered = sorted(lemmas)
    reversed_ = sorted(w[::-1] for w in lemmas)

    def count_prefix(items, prefix):
        lo = bisect.bisect_left(items, prefix)
        hi = bisect.bisect_left(items, prefix + "\U0010FFFF")
        return hi - lo

    sizes = {}
    for word in candidates:
        root = word
        while len(root) > 4 and root[-1] in vowels:
            root = root[:-1]
        sizes[word] = (min(FAMILY_CAP, count_prefix(ordered, root))
                       + min(FAMILY_CAP, count_prefix(reversed_, word[::-1])))
    return sizes


def rank_well_known(candidates, lemmas, lang, rng):
    """Candidates, best known first; ties in a shuffled order, not A to Z."""
    pool = sorted(candidates)
    rng.shuffle(pool)
    sizes = family_sizes(pool, lemmas, set(lang.vowels))
    return sorted(pool, key=lambda w: -sizes[w])


def build_anagrams(lemmas, lang, rng):
    candidates = [w for w in lemmas if len(w) in ANAGRAM_LENGTHS]
    pool = rank_well_known(candidates, lemmas, lang, rng)[:WELL_KNOWN_POOL]
    rng.shuffle(pool)
    return pool[:LIST_LINES]


def build_crosswords(lemmas, dictionary, lang, rng, min_words=None):
    """Scrambled letter sets of well-known 7-10 letter words, one per letter
    multiset (anagram pairs would be the same puzzle), each building many
    distinct dictionary words.

    English asks for 20, which keeps 95 % of its sets. Languages differ in
    how many words a set builds (a Polish set builds twice what a German one
    does), so a pack keeps the same 95 %: a set must build as many words as
    the twentieth part of its language's best-known sets does, and never
    fewer than 20 (min_words, when given, replaces the rule).
    """
    signatures = Counter("".join(sorted(w)) for w in dictionary
                         if len(w) <= max(CROSSWORD_LENGTHS))
    candidates = [w for w in lemmas if len(w) in CROSSWORD_LENGTHS]
    seen = set()
    ranked = []
    for word in rank_well_known(candidates, lemmas, lang, rng):
        key = "".join(sorted(word))
        if key not in seen:
            seen.add(key)
            ranked.append((word, key))
    counts = {}

    def buildable(key):
        if key not in counts:
            counts[key] = count_buildable(key, signatures)
        return counts[key]

    if min_words is None:
        head = sorted(buildable(key) for _, key in ranked[:WELL_KNOWN_POOL])
        min_words = max(CROSSWORD_MIN_WORDS, head[len(head) // 20] if head else 0)
    pool = []
    for word, key in ranked:
        if buildable(key) >= min_words:
            pool.append(word)
            if len(pool) == WELL_KNOWN_POOL:
                break
    rng.shuffle(pool)
    return [scramble(w, rng) for w in pool[:LIST_LINES]], min_words


def letter_weights(dictionary, lang):
    counts = Counter()
    for word in dictionary:
        counts.update(word)
    return [(letter, max(1, counts[letter]), letter in lang.vowels)
            for letter in lang.alphabet]


# --- licences and Debian ----------------------------------------------------

def dpkg_owner(path):
    """(binary package, source package, source version) owning a file."""
    real = os.path.realpath(path)
    try:
        out = subprocess.run(["dpkg-query", "-S", real], check=True,
                             capture_output=True, text=True).stdout
        binary = out.split(":", 1)[0].strip().split(",")[0].strip()
        fields = subprocess.run(
            ["dpkg-query", "-W", "-f", "${source:Package} ${source:Version}", binary],
            check=True, capture_output=True, text=True).stdout.split()
    except (OSError, subprocess.CalledProcessError, IndexError):
        return None
    if len(fields) != 2:
        return None
    return binary, fields[0], fields[1]


def debian_licences(paths):
    """{source package: its copyright file} for the packages owning paths."""
    licences = {}
    for path in paths:
        owner = dpkg_owner(path)
        if owner is None:
            sys.exit(f"{path}: no Debian package owns it; name its licence with --license")
        binary, source, _ = owner
        licences.setdefault(source, Path("/usr/share/doc") / binary / "copyright")
    return licences


def licence_lines(source, copyright_path, sources):
    notice = decode(Path(copyright_path).read_bytes(), "latin-1").splitlines()
    return [f"The word lists in this folder (dictionary.dic, anagrams1.dic,",
            f"crossword1.dic, letters.dat) were derived by tools/make_pack.py",
            f"from {' and '.join(sources)}.",
            f"The copyright file of the Debian source {source} follows.",
            "",
            *notice]


# --- writing ----------------------------------------------------------------

def write_lines(path, lines):
    # The game reads its files as CR LF text, whatever platform it runs on.
    text = "".join(line + "\r\n" for line in lines)
    path.write_bytes(unicodedata.normalize("NFC", text).encode("utf-8"))


def write_pack(out, lang, dictionary, anagrams, crosswords, licences):
    """Writes the pack beside its final place and then moves it there, so a
    failed run never leaves half a pack (nor files of an older one)."""
    out = Path(out)
    out.parent.mkdir(parents=True, exist_ok=True)
    staging = out.with_name(out.name + ".partial")
    if staging.exists():
        shutil.rmtree(staging)
    staging.mkdir()
    write_lines(staging / "dictionary.dic", dictionary + [END_MARKER])
    write_lines(staging / "anagrams1.dic", anagrams)
    write_lines(staging / "crossword1.dic", crosswords)
    for name in ("anagrams1_used.dat", "crossword1_used.dat"):
        write_lines(staging / name, ["False"] * USED_LINES)
    for name in ("anagrams.hi", "crosswords.hi", "mixnmatch.hi", "worddrop.hi"):
        write_lines(staging / name, ['""', "0", '""'] * HIGH_SCORE_PLACES)
    write_lines(staging / "letters.dat",
                [f'"{letter}",{weight},{vowel}'
                 for letter, weight, vowel in letter_weights(dictionary, lang)])
    write_lines(staging / "language.dat", [f'"{lang.name}"'])
    sources = sorted(licences)
    for source, path in sorted(licences.items()):
        write_lines(staging / f"LICENSE.{source}", licence_lines(source, path, sources))
    if out.exists():
        shutil.rmtree(out)
    staging.rename(out)


def build(code, words_path, stems_path, licences, out, max_words=MAX_WORDS,
          crossword_min_words=None):
    lang = LANGUAGES[code]
    rng = Prng(language_seed(code))
    admit = Admit(lang)
    words, dropped = read_words(words_path, lang, admit)
    stems = read_stems(stems_path, lang)
    stem_words = {w for w in (admit(s.word)[0] for s in stems) if w}
    dictionary = cap_dictionary(words, stem_words, max_words)
    dictionary_set = set(dictionary)
    lemmas = known_lemmas(stems, dictionary_set, words, lang, admit)
    anagrams = build_anagrams(lemmas, lang, rng)
    crosswords, min_words = build_crosswords(lemmas, dictionary_set, lang, rng,
                                             crossword_min_words)
    if len(anagrams) < 2 or len(crosswords) < 2:
        sys.exit(f"{code}: word pool too small for a playable list plus its spare")
    write_pack(out, lang, dictionary, anagrams, crosswords, licences)
    return {"words": len(words), "dictionary": len(dictionary), "dropped": dropped,
            "lemmas": len(lemmas), "anagrams": anagrams, "crosswords": crosswords,
            "crossword_min_words": min_words}


def installed():
    return [code for code, lang in LANGUAGES.items()
            if Path(lang.words).exists() and Path(lang.stems).exists()]


def parse_licence(text):
    name, sep, path = text.partition("=")
    if not sep or not name or not path:
        raise argparse.ArgumentTypeError("expected NAME=FILE")
    return name, Path(path)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("language", nargs="?", choices=sorted(LANGUAGES))
    parser.add_argument("--words", help="the word list (default: the Debian list)")
    parser.add_argument("--stems", help="the hunspell .dic (default: the Debian one)")
    parser.add_argument("--license", action="append", type=parse_licence, default=[],
                        metavar="SOURCE=FILE",
                        help="a source's copyright file, written as LICENSE.SOURCE "
                             "(default: found with dpkg); may be repeated")
    parser.add_argument("--out", type=Path, help="the pack folder to write")
    parser.add_argument("--max-words", type=int, default=MAX_WORDS,
                        help=f"most dictionary words (default {MAX_WORDS:,}, "
                             "which with the end marker is all the program reads)")
    parser.add_argument("--languages", action="store_true",
                        help="print the code of every language the tool knows, and stop")
    parser.add_argument("--installed", action="store_true",
                        help="print 'code word-list stems' for every language "
                             "whose Debian files are installed, and stop")
    parser.add_argument("--built-using", action="store_true",
                        help="print the Debian sources of every installed "
                             "language as a Built-Using value, and stop")
    args = parser.parse_args()

    if args.languages:
        print(" ".join(LANGUAGES))
        return
    if args.installed:
        for code in installed():
            print(code, LANGUAGES[code].words, LANGUAGES[code].stems)
        return
    if args.built_using:
        sources = set()
        for code in installed():
            for path in (LANGUAGES[code].words, LANGUAGES[code].stems):
                owner = dpkg_owner(path)
                if owner:
                    sources.add(f"{owner[1]} (= {owner[2]})")
        print(", ".join(sorted(sources)))
        return
    if not args.language or not args.out:
        parser.error("give a language and --out")
    if args.max_words < 2:
        parser.error("--max-words must be at least 2")

    lang = LANGUAGES[args.language]
    words_path = args.words or lang.words
    stems_path = args.stems or lang.stems
    licences = dict(args.license) or debian_licences([words_path, stems_path])

    started = time.monotonic()
    report = build(args.language, words_path, stems_path, licences, args.out,
                   args.max_words)
    seconds = time.monotonic() - started
    size = (args.out / "dictionary.dic").stat().st_size
    dropped = ", ".join(f"{reason} {n:,}" for reason, n in sorted(report["dropped"].items()))
    print(f"{args.language}: {report['dictionary']:,} words of {report['words']:,} "
          f"admitted ({size:,} bytes), {report['lemmas']:,} well-known headwords, "
          f"{len(report['anagrams'])} Anagrams words, "
          f"{len(report['crosswords'])} Crossword sets (each building "
          f"{report['crossword_min_words']}+ words), {seconds:.1f} s; "
          f"left out: {dropped}")


if __name__ == "__main__":
    main()
