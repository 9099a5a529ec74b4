"""Copies made by make_copies, run for real: every one launches with the
user name and password of its row.

Environment as for the other Wine tests, plus MAKE_COPIES (the native tool;
the test is skipped when the native preset has not been built)."""

import os
import subprocess
import sys
import tempfile
import unittest

from profiles import host
from wine_harness import SKIP, main, session

TOOL = os.environ.get("MAKE_COPIES", "")

ROWS = [  # key, user, password as in the CSV, host letter
    ("KALVORA_8", "ivanov", "Secret-2026", "A"),
    ("KALVORA_TRV_Online", "Иван Петров", "пароль, с запятой", "C"),
    ("KALVORA_LOM_VY", "Ёлкин", "p'q;r=s", "B"),
]


def csv_field(value):
    return '"%s"' % value.replace('"', '""') if any(c in value for c in ',"') else value


class CopiesLaunch(unittest.TestCase):
    def test_every_copy_launches_with_its_row(self):
        with tempfile.TemporaryDirectory() as tmp:
            csv = os.path.join(tmp, "users.csv")
            with open(csv, "w", encoding="utf-8") as f:
                f.write("key,user,password\n")
                for key, user, password, _ in ROWS:
                    f.write(",".join(map(csv_field, (key, user, password))) + "\n")
            out = os.path.join(tmp, "copies")
            made = subprocess.run([TOOL, session().exe, csv, out], capture_output=True,
                                  text=True)
            self.assertEqual(made.returncode, 0, made.stderr)
            names = sorted(os.listdir(out))
            self.assertEqual(len(names), len(ROWS))
            for key, user, password, letter in ROWS:
                name = "%s$%s$%s$.exe" % (key, user, password)
                with self.subTest(name=name):
                    self.assertIn(name, names)
                    r = session().run(name, source=os.path.join(out, name))
                    self.assertEqual(r.exit_code, 0)
                    self.assertEqual(r.boxes, [], "the launcher refused its name")
                    store = r.standins[1].parameters
                    quote = (lambda v: '"%s"' % v if " " in v else v)
                    self.assertEqual(store, (" /generic:termsrv/%s /user:%s /pass:%s" % (
                        host(letter), quote(user), quote(password))).encode("cp1251"))


if __name__ == "__main__":
    if not os.access(TOOL, os.X_OK):
        print("SKIP: make_copies is not built (build the native preset first): %r" % TOOL)
        sys.exit(SKIP)
    main()
