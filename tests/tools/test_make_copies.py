"""make_copies end to end: the copies and their names for a good file, and
nothing at all written for a file with any bad row.

Environment: MAKE_COPIES (the tool), LAUNCHER_HOST_A .. LAUNCHER_HOST_E."""

import os
import subprocess
import tempfile
import unittest

TOOL = os.environ["MAKE_COPIES"]
EXE = b"MZ" + bytes(range(256)) * 4  # stands in for launcher.exe


class MakeCopies(unittest.TestCase):
    def setUp(self):
        self.tmp = tempfile.TemporaryDirectory()
        self.exe = os.path.join(self.tmp.name, "launcher.exe")
        with open(self.exe, "wb") as f:
            f.write(EXE)
        self.out = os.path.join(self.tmp.name, "out")

    def tearDown(self):
        self.tmp.cleanup()

    def run_tool(self, csv, *flags):
        path = os.path.join(self.tmp.name, "users.csv")
        with open(path, "wb") as f:
            f.write(csv.encode("utf-8"))
        return subprocess.run([TOOL, *flags, self.exe, path, self.out],
                              capture_output=True, text=True)

    def written(self):
        return sorted(os.listdir(self.out)) if os.path.isdir(self.out) else []

    def test_good_rows_names_and_report(self):
        r = self.run_tool('Key,User,Password\r\n'
                          'KALVORA_8,ivanov,Secret-1\r\n'
                          'KALVORA_TRV,Иван Петров,"пароль, с запятой"\n'
                          'KALVORA_JV_Online,Пётр,p w\n')
        self.assertEqual(r.returncode, 0, r.stderr)
        self.assertEqual(self.written(), sorted([
            "KALVORA_8$ivanov$Secret-1$.exe",
            "KALVORA_JV_Online$Пётр$p w$.exe",
            "KALVORA_TRV$Иван Петров$пароль, с запятой$.exe"]))
        for name in self.written():
            with open(os.path.join(self.out, name), "rb") as f:
                self.assertEqual(f.read(), EXE, name)
        self.assertIn("KALVORA_8$ivanov$Secret-1$.exe: КАЛВОРА 8, %s:3395, user ivanov"
                      % os.environ["LAUNCHER_HOST_A"], r.stdout)
        self.assertIn("КАЛВОРА ЙЖ Онлайн, %s:3397, user Пётр" % os.environ["LAUNCHER_HOST_E"],
                      r.stdout)
        self.assertIn("wrote 3 copies", r.stdout)

    def test_any_bad_row_means_nothing_is_written(self):
        r = self.run_tool('key,user,password\n'
                          'KALVORA_8,ivanov,ok\n'
                          'KALVORA_9,petrov,ok\n'
                          'KALVORA_8,sidorov,bad$\n'
                          'KALVORA_8,"p""q",x\n'
                          'KALVORA_8,José,x\n')
        self.assertEqual(r.returncode, 1)
        self.assertEqual(self.written(), [])
        for expected in ["line 3: unknown profile key 'KALVORA_9'",
                         "line 4: the password holds '$'",
                         "line 5: the user name holds '\"'",
                         "line 6: the user name holds 'é' (U+00E9)",
                         "nothing written: 4 problems"]:
            self.assertIn(expected, r.stderr)

    def test_repeats_and_existing_copies_need_overwrite(self):
        self.assertEqual(self.run_tool("KALVORA_8,ivanov,a\n").returncode, 0)
        r = self.run_tool("KALVORA_8,ivanov,a\n")
        self.assertEqual(r.returncode, 1)
        self.assertIn("exists in", r.stderr)
        r = self.run_tool("KALVORA_8,petrov,a\nKALVORA_8,PETROV,a\n")
        self.assertEqual(r.returncode, 1)
        self.assertIn("line 2: repeats line 1", r.stderr)
        self.assertEqual(self.written(), ["KALVORA_8$ivanov$a$.exe"])
        r = self.run_tool("KALVORA_8,ivanov,a\nKALVORA_8,ivanov,a\n", "--overwrite")
        self.assertEqual(r.returncode, 0, r.stderr)
        self.assertEqual(self.written(), ["KALVORA_8$ivanov$a$.exe"])

    def test_usage_and_unreadable_input(self):
        self.assertEqual(subprocess.run([TOOL], capture_output=True).returncode, 2)
        r = self.run_tool("")
        self.assertEqual(r.returncode, 1)
        self.assertIn("no users", r.stderr)
        with open(self.exe, "wb") as f:
            f.write(b"not an executable")
        r = self.run_tool("KALVORA_8,ivanov,a\n")
        self.assertEqual(r.returncode, 1)
        self.assertEqual(self.written(), [])


if __name__ == "__main__":
    unittest.main(verbosity=2)
