#!/usr/bin/env python3
"""The rules of tools/make_pack.py, on small word lists written here."""

import sys
import tempfile
import unicodedata
import unittest
from pathlib import Path

ROOT = Path(__file__).resolve().parents[2]
sys.dont_write_bytecode = True     # nothing written into the source tree
sys.path.insert(0, str(ROOT / "tools"))
import make_pack  # noqa: E402

# A German list with one entry of each kind the rules name, in the order a
# list would give them. Nouns come capitalised; Gärten makes Garten a noun,
# Hamburger is no plural of Hamburg.
GERMAN_WORDS = """\
Garten Gärten Gartens Tisch Tische Tischen Hamburg Hamburger Hamburgs
Straße Straßen ABC GmbH Kfz-Steuer Autos' 3D Café e
laufen läuft gelaufen schreiben Schreibtisch tanzen tanzte Tanz Tänze
reisen Reisen reise reiste klein kleiner kleinste Eisen Eisenbahn Eisenbahnen
"""
# What the list above gives: lower case, sorted by code point.
GERMAN_DICTIONARY = sorted("""
    garten gärten gartens tisch tische tischen hamburg hamburger hamburgs straße
    straßen laufen läuft gelaufen schreiben schreibtisch tanzen tanzte tanz tänze
    reisen reise reiste klein kleiner kleinste eisen eisenbahn eisenbahnen""".split())
GERMAN_STEMS = """\
14
Garten/S
Tisch/EP
Hamburg/S
laufen/DIX
schreiben/DIX
Schreibtisch/EP
tanzen/DIX
Tanz/EP
reisen/DIX
klein/AC
Eisenbahn/N
kleinst/o
kaputt/n
Straße/N
"""
GERMAN_AFF = "SET UTF-8\nONLYINCOMPOUND o\nNOSUGGEST n\n"


def read(path):
    return path.read_bytes().decode("utf-8").split("\r\n")[:-1]


class Rules(unittest.TestCase):
    def test_which_entries_become_words(self):
        cases = [  # language, entry, word or the reason it is left out
            ("de", "Haus", "haus"), ("de", "Straße", "straße"),
            ("de", "ABC", "abbreviation"), ("de", "GmbH", "capital inside"),
            ("de", "Kfz-Steuer", "hyphen"), ("de", "3D", "digits"),
            ("de", "Café", "not in the alphabet"), ("de", "e", "one letter"),
            ("fr", "Paris", "name"), ("fr", "aujourd'hui", "apostrophe"),
            ("fr", "peut-être", "hyphen"), ("fr", "été", "été"),
            ("fr", "vingt et un", "not in the alphabet"),
            ("pl", "żółw", "żółw"), ("pl", "xero", "not in the alphabet"),
            ("uk", "м'ясо", "apostrophe"), ("uk", "мʼясо", "apostrophe"),
            ("uk", "Київ", "name"), ("uk", "їжак", "їжак"), ("uk", "ООН", "abbreviation"),
            ("sv", "  ö-bo ", "hyphen"), ("sv", "öga", "öga"),
        ]
        for code, entry, expected in cases:
            with self.subTest(code=code, entry=entry):
                word, reason = make_pack.Admit(make_pack.LANGUAGES[code])(entry)
                self.assertEqual(word or reason, expected)

    def test_cap_keeps_stems_then_the_shortest_forms(self):
        words = {"ab", "abc", "abcdef", "abcdefgh", "zz", "xyz", "stemmed"}
        cases = [(7, sorted(words)),
                 (4, ["ab", "abcdefgh", "stemmed", "zz"]),
                 (3, ["ab", "abcdefgh", "stemmed"]),
                 (1, ["stemmed"])]
        for limit, expected in cases:
            with self.subTest(limit=limit):
                self.assertEqual(make_pack.cap_dictionary(
                    words, {"stemmed", "abcdefgh", "nothere"}, limit), expected)

    def test_lists_not_in_utf8_are_read_in_their_own_encoding(self):
        with tempfile.TemporaryDirectory() as tmp:
            cases = [("sv", "öga\nsjö\nåsna\n".encode("latin-1"), {"öga", "sjö", "åsna"}),
                     ("pl", "żółw\n".encode("iso8859-2"), {"żółw"}),
                     # A byte-order mark, and letters decomposed: NFC letters.
                     ("fr", b"\xef\xbb\xbf" + unicodedata.normalize("NFD", "été\r\nnoël\r\n")
                      .encode("utf-8"), {"été", "noël"})]
            for code, data, expected in cases:
                with self.subTest(code=code):
                    path = Path(tmp) / code
                    path.write_bytes(data)
                    lang = make_pack.LANGUAGES[code]
                    words, _ = make_pack.read_words(path, lang, make_pack.Admit(lang))
                    self.assertEqual(words, expected)


class GermanPack(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.tmp = tempfile.TemporaryDirectory()
        tmp = Path(cls.tmp.name)
        (tmp / "ngerman").write_text(GERMAN_WORDS.replace(" ", "\n"), encoding="utf-8")
        (tmp / "de_DE.dic").write_text(GERMAN_STEMS, encoding="utf-8")
        (tmp / "de_DE.aff").write_text(GERMAN_AFF, encoding="utf-8")
        (tmp / "copyright").write_text("Copyright: 1999 Someone\nLicense: GPL-2+\n")
        cls.build = staticmethod(lambda out, limit=make_pack.MAX_WORDS: make_pack.build(
            "de", tmp / "ngerman", tmp / "de_DE.dic", {"igerman98": tmp / "copyright"},
            tmp / out, limit, crossword_min_words=1))
        cls.report = cls.build("de")
        cls.pack = tmp / "de"

    @classmethod
    def tearDownClass(cls):
        cls.tmp.cleanup()

    def test_every_file_is_crlf_utf8_nfc_text(self):
        names = sorted(p.name for p in self.pack.iterdir())
        self.assertEqual(names, sorted([
            "dictionary.dic", "anagrams1.dic", "crossword1.dic", "anagrams1_used.dat",
            "crossword1_used.dat", "anagrams.hi", "crosswords.hi", "mixnmatch.hi",
            "worddrop.hi", "letters.dat", "language.dat", "LICENSE.igerman98"]))
        for name in names:
            with self.subTest(name=name):
                data = (self.pack / name).read_bytes()
                self.assertFalse(data.startswith(b"\xef\xbb\xbf"))
                self.assertTrue(data.endswith(b"\r\n"))
                self.assertEqual(data.count(b"\n"), data.count(b"\r\n"))
                text = data.decode("utf-8")
                self.assertEqual(text, unicodedata.normalize("NFC", text))

    def test_dictionary_and_records(self):
        words = read(self.pack / "dictionary.dic")
        self.assertEqual(words[-1], "999")
        self.assertEqual(words[:-1], sorted(words[:-1]))
        self.assertEqual(words[:-1], GERMAN_DICTIONARY)
        for name in ("anagrams1_used.dat", "crossword1_used.dat"):
            self.assertEqual(read(self.pack / name), ["False"] * 1001)
        for name in ("anagrams.hi", "crosswords.hi", "mixnmatch.hi", "worddrop.hi"):
            self.assertEqual((self.pack / name).read_bytes(),
                             (ROOT / "data" / "anagrams.hi").read_bytes())
        self.assertEqual(read(self.pack / "language.dat"), ['"Deutsch"'])
        licence = (self.pack / "LICENSE.igerman98").read_bytes().decode("utf-8")
        self.assertIn("Copyright: 1999 Someone\r\nLicense: GPL-2+\r\n", licence)

    def test_lists_come_from_well_known_stems_never_names(self):
        # Out: Hamburg (a name: no plural), kleinst (only in compounds), kaputt
        # (never suggested), Schreibtisch (too long), Tanz (too short).
        self.assertEqual(sorted(read(self.pack / "anagrams1.dic")),
                         ["garten", "klein", "laufen", "reisen", "straße", "tanzen", "tisch"])
        crosswords = read(self.pack / "crossword1.dic")
        self.assertEqual(sorted("".join(sorted(s)) for s in crosswords),
                         sorted("".join(sorted(w)) for w in ("eisenbahn", "schreiben")))
        self.assertFalse({"eisenbahn", "schreiben"} & set(crosswords))

    def test_letters_weights_and_vowels(self):
        lines = read(self.pack / "letters.dat")
        self.assertEqual([line.split(",")[0] for line in lines],
                         [f'"{c}"' for c in "aäbcdefghijklmnoöpqrsßtuüvwxyz"])
        text = "".join(read(self.pack / "dictionary.dic")[:-1])
        for line in lines:
            letter, weight, vowel = line.split(",")
            letter = letter.strip('"')
            with self.subTest(letter=letter):
                self.assertEqual(int(weight), max(1, text.count(letter)))
                self.assertEqual(vowel, "True" if letter in "aeiouyäöü" else "False")

    def test_same_lists_same_bytes_and_the_cap(self):
        again = self.build("again")
        self.assertEqual(again["anagrams"], self.report["anagrams"])
        for name in ("dictionary.dic", "anagrams1.dic", "crossword1.dic", "letters.dat"):
            with self.subTest(name=name):
                self.assertEqual((self.pack / name).read_bytes(),
                                 (self.pack.parent / "again" / name).read_bytes())
        self.build("capped", limit=14)
        # The twelve stems that are words, then the two shortest other forms
        # (of five letters: eisen, läuft, reise, tänze).
        self.assertEqual(read(self.pack.parent / "capped" / "dictionary.dic"), sorted(
            "garten tisch hamburg straße laufen schreiben schreibtisch tanzen tanz reisen "
            "klein eisenbahn eisen läuft".split()) + ["999"])


if __name__ == "__main__":
    unittest.main()
