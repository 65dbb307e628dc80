#!/usr/bin/env python3
"""Which Bible text a release carries: `plancompile --modules` lists the installed Bible texts with their own
configuration's language, version and copyright, and scripts/release-text.sh picks a Korean module before the
King James Version, or the one asked for. The modules are configurations in a folder of the test's own
(SWORD_PATH, and a HOME without ~/.sword); listing reads no module data.

Usage: release_text_test.py PLANCOMPILE
"""

import os
import subprocess
import sys
import tempfile
import unittest
from pathlib import Path

sys.dont_write_bytecode = True
ROOT = Path(__file__).resolve().parents[2]
PLANCOMPILE = None

KJV = b"[engKJV2006eb]\nAbbreviation=KJV\nDescription=King James Version\nModDrv=zText\nLang=en\nVersion=14.3\n" \
      b"DataPath=./modules/texts/ztext/engKJV2006eb/\nCopyright=PUBLIC DOMAIN\nDistributionLicense=Public Domain\n"
KOREAN = "[KorTest]\nDescription=시험 한글 성경\nModDrv=zText\nLang=ko\nVersion=1.2\nEncoding=UTF-8\n" \
         "DataPath=./modules/texts/ztext/kortest/\nShortCopyright=시험 성서공회\n" \
         "DistributionLicense=Copyrighted; Permission to distribute granted to CrossWire\n".encode("utf-8")
OTHER_KOREAN = b"[AKor]\nDescription=A\nModDrv=zText\nLang=ko-KR\nDataPath=./modules/texts/ztext/akor/\n"
# No Encoding line: the configuration is Latin-1; a tab inside a value must not split the columns.
LATIN = b"[Latin]\nDescription=Bible de la Soci\xe9t\xe9\tbiblique\nModDrv=zText\nLang=fr\n" \
        b"DataPath=./modules/texts/ztext/latin/\n"
DICTIONARY = b"[Words]\nDescription=Not a Bible\nModDrv=RawLD\nLang=ko\nDataPath=./modules/lexdict/rawld/words/words\n"


def run(command, confs, **env):
    with tempfile.TemporaryDirectory() as folder:
        (Path(folder) / "mods.d").mkdir()
        for name, text in confs.items():
            (Path(folder) / "mods.d" / (name + ".conf")).write_bytes(text)
        environment = {k: v for k, v in os.environ.items() if k != "VESPERAL_RELEASE_TEXT"}
        environment.update(SWORD_PATH=folder, HOME=folder, **env)
        done = subprocess.run(command, capture_output=True, env=environment, cwd=folder)
        return done.returncode, done.stdout.decode("utf-8"), done.stderr.decode("utf-8")


class Catalog(unittest.TestCase):
    def test_lists_bible_texts_by_name_with_their_own_information(self):
        code, out, err = run([PLANCOMPILE, "--modules"],
                             {"kjv": KJV, "kor": KOREAN, "latin": LATIN, "words": DICTIONARY})
        self.assertEqual((0, ""), (code, err))
        self.assertEqual([
            "KorTest\t\tko\t1.2\t시험 한글 성경\t시험 성서공회\tCopyrighted; Permission to distribute granted to CrossWire",
            "Latin\t\tfr\t\tBible de la Société biblique\t\t",
            "engKJV2006eb\tKJV\ten\t14.3\tKing James Version\tPUBLIC DOMAIN\tPublic Domain",
        ], out.splitlines())


class Choice(unittest.TestCase):
    def test_release_text(self):
        cases = [
            ("a Korean module comes first", {"kjv": KJV, "kor": KOREAN}, None, "KorTest"),
            ("Korean modules in name order", {"kor": KOREAN, "akor": OTHER_KOREAN}, None, "AKor"),
            ("else the King James Version", {"kjv": KJV, "latin": LATIN, "words": DICTIONARY}, None, "engKJV2006eb"),
            ("asked by abbreviation", {"kjv": KJV, "kor": KOREAN}, "kjv", "engKJV2006eb"),
            ("asked by name", {"kjv": KJV, "latin": LATIN}, "LATIN", "Latin"),
        ]
        for what, confs, asked, chosen in cases:
            with self.subTest(what):
                env = {"VESPERAL_RELEASE_TEXT": asked} if asked else {}
                code, out, err = run([str(ROOT / "scripts" / "release-text.sh"), PLANCOMPILE], confs, **env)
                self.assertEqual((0, ""), (code, err))
                self.assertEqual(chosen, out.split("\t")[0])
                self.assertEqual(7, len(out.rstrip("\n").split("\t")), "the whole catalog line")

    def test_missing_text_is_named(self):
        cases = [
            ("no module at all", {"words": DICTIONARY}, None, "scripts/setup.sh installs sword-text-kjv"),
            ("an unknown module asked for", {"kjv": KJV}, "KorRV", "no Bible module named 'KorRV'"),
        ]
        for what, confs, asked, message in cases:
            with self.subTest(what):
                env = {"VESPERAL_RELEASE_TEXT": asked} if asked else {}
                code, out, err = run([str(ROOT / "scripts" / "release-text.sh"), PLANCOMPILE], confs, **env)
                self.assertEqual((1, ""), (code, out))
                self.assertIn(message, err)


if __name__ == "__main__":
    PLANCOMPILE = os.path.abspath(sys.argv.pop(1))
    unittest.main()
