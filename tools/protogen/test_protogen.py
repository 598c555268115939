#!/usr/bin/env python3
"""Checks that protogen refuses catalogues that would break the protocol."""

import os
import subprocess
import sys
import tempfile
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
PROTOGEN = os.path.join(HERE, "protogen.py")

GOOD = """record pair_t : Two numbers.
    i32 a : First.
    i32 b : Second.
envelope 200 game i32 table : Game packets.
packet 1 hello_t C : Hello.
    i32 version : Version.
packet 200.1 act_t C : An action.
    pair_t pair : The pair.
packet 200.32 acted_t S : An answer.
    list<pair_t> pairs : Pairs.
"""


def run(text):
    with tempfile.TemporaryDirectory() as tmp:
        path = os.path.join(tmp, "packets.catalogue")
        with open(path, "w", encoding="utf-8") as f:
            f.write(text)
        return subprocess.run([sys.executable, PROTOGEN, path, "--out", os.path.join(tmp, "out")],
                              capture_output=True, text=True)


class Refusals(unittest.TestCase):
    def refused(self, text, message):
        result = run(text)
        self.assertNotEqual(result.returncode, 0, result.stdout)
        self.assertIn(message, result.stderr)

    def test_good_catalogue(self):
        self.assertEqual(run(GOOD).returncode, 0)

    def test_repeated_class_id(self):
        self.refused(GOOD + "packet 1 again_t S : Again.\n", "used twice")

    def test_repeated_inner_id(self):
        self.refused(GOOD + "packet 200.32 again_t S : Again.\n", "used twice")

    def test_inner_id_against_direction(self):
        self.refused(GOOD + "packet 200.2 wrong_t S : Wrong.\n", "inner ids 1-31")

    def test_class_out_of_range(self):
        self.refused(GOOD + "packet 212 far_t S : Far.\n", "out of 0-211")

    def test_envelope_class_without_inner_id(self):
        self.refused(GOOD + "packet 200 bare_t S : Bare.\n", "is an envelope")

    def test_unknown_type(self):
        self.refused(GOOD + "packet 2 odd_t S : Odd.\n    u16 x : No such type.\n", "unknown type")

    def test_record_used_before_declared(self):
        self.refused("packet 2 early_t S : Early.\n    later_t x : X.\nrecord later_t : Later.\n    i32 y : Y.\n",
                     "unknown type")

    def test_field_shadowing_envelope_key(self):
        self.refused(GOOD + "packet 200.33 shadow_t S : Shadow.\n    i32 table : Again.\n", "shadows")

    def test_reserved_field_name(self):
        self.refused(GOOD + "packet 3 kw_t S : Keyword.\n    i32 class : Class.\n", "not allowed")

    def test_name_without_suffix(self):
        self.refused(GOOD + "packet 3 plain S : Plain.\n", "end in _t")


if __name__ == "__main__":
    unittest.main()
