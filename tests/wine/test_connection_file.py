"""The real executable under Wine: the connection file for every profile, and
the report that ends a launch whose file cannot be written."""

import os
import re
import sys
import unittest

from profiles import PROFILES, expected_file, host
from wine_harness import main, session

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "build"))
from check_executable import PE  # noqa: E402


def text_section(exe):
    """(start, end) of the executable's code as offsets from its load
    address."""
    for name, rva, size, _ in PE(exe).sections:
        if name == b".text":
            return rva, rva + size
    raise AssertionError("no .text section")


class ConnectionFile(unittest.TestCase):
    def test_every_profile_writes_its_file(self):
        for key, caption, alias, letter, port in PROFILES:
            with self.subTest(key=key):
                r = session().run(key + "$ivanov$secret$.exe")
                self.assertEqual(r.exit_code, 0)
                self.assertEqual(r.boxes, [])
                self.assertEqual(list(r.desktop), [caption + ".rdp"])
                self.assertEqual(r.desktop[caption + ".rdp"],
                                 expected_file(alias, host(letter), port))

    def test_an_existing_larger_file_is_replaced(self):
        s = session()
        s.clear_desktop()
        path = os.path.join(s.desktop_dir(), "КАЛВОРА 8.rdp")
        with open(path, "wb") as f:
            f.write(b"old content\r\n" * 1000)
        r = s.run("KALVORA_8$ivanov$secret$.exe", clear_desktop=False)
        self.assertEqual(r.exit_code, 0)
        self.assertEqual(r.desktop["КАЛВОРА 8.rdp"],
                         expected_file("KALVORA8", host("A"), "3395"))


class UnhandledErrorReport(unittest.TestCase):
    def run_with_folder_in_the_way(self, launch_name):
        s = session()
        s.clear_desktop()
        os.mkdir(os.path.join(s.desktop_dir(), "КАЛВОРА 8.rdp"))
        return s.run(launch_name, clear_desktop=False)

    def check_report(self, r, module):
        self.assertEqual(r.exit_code, 1)
        self.assertEqual(len(r.boxes), 1, r.boxes)
        box = r.boxes[0]
        self.assertEqual((box.api, box.caption, box.style),
                         ("MessageBoxA", b"Application Error", 0x2010))
        m = re.fullmatch(rb"Exception EInOutError in module (.*) at ([0-9A-F]{8})\."
                         rb"\r\nFile access denied\.\r\n", box.text, re.S)
        self.assertTrue(m, "report text %r" % box.text)
        self.assertEqual(m.group(1), module)
        start, end = text_section(session().exe)
        self.assertTrue(start <= int(m.group(2), 16) < end,
                        "address %s is not in the code" % m.group(2))
        self.assertEqual(r.window_titles, ["Application Error"])

    def test_a_folder_in_the_files_place_ends_in_the_report(self):
        r = self.run_with_folder_in_the_way("KALVORA_8$ivanov$secret$.exe")
        self.check_report(r, b"KALVORA_8$ivanov$secret$.exe")
        # The credentials were stored before; the client never starts.
        self.assertEqual([x.name for x in r.standins], ["cmdkey.exe", "cmdkey.exe"])

    def test_the_report_names_the_module_in_windows_1251(self):
        name = "KALVORA_8$Иванов$пароль$.exe"
        r = self.run_with_folder_in_the_way(name)
        self.check_report(r, name.encode("cp1251"))


if __name__ == "__main__":
    main()
