"""The real executable under Wine, end to end: credentials, connection file,
client, each started hidden and awaited, with the exact command lines."""

import os
import unittest

from profiles import host
from wine_harness import INFO_CAPTION, main, session

HOLD_MS = 700


def quoted_file(caption):
    return (b'"' + session().desktop_windows_path() + b"\\" + caption.encode("cp1251") +
            b'.rdp"')


class LaunchSequence(unittest.TestCase):
    def test_credentials_then_file_then_client_each_awaited(self):
        r = session().run("KALVORA_8$ivanov$secret$.exe", hold_ms=HOLD_MS)
        self.assertEqual(r.exit_code, 0)
        self.assertEqual(r.boxes, [])
        self.assertEqual(r.window_titles, [], "a started tool showed a window")
        a = host("A").encode()
        self.assertEqual(
            [(x.name, x.parameters) for x in r.standins],
            [("cmdkey.exe", b" /delete:termsrv/" + a),
             ("cmdkey.exe", b" /generic:termsrv/" + a + b" /user:ivanov /pass:secret"),
             ("mstsc.exe", quoted_file("КАЛВОРА 8"))])
        for earlier, later in zip(r.standins, r.standins[1:]):
            self.assertGreaterEqual(later.start_ms, earlier.end_ms,
                                    "%s started before %s had ended" % (later.name, earlier.name))
        self.assertGreaterEqual(r.ended_ms, r.standins[-1].end_ms,
                                "the launcher ended before the client")
        for run in r.standins:
            self.assertEqual(run.show, 0, "%s not started hidden" % run.name)
            self.assertFalse(run.console_visible, "%s showed a console" % run.name)
            self.assertEqual(run.cwd.lower(), "c:\\launch", "%s working folder" % run.name)
        self.assertIn("КАЛВОРА 8.rdp", r.desktop)

    def test_blanks_and_cyrillic_in_credentials(self):
        cases = [
            ("KALVORA_TRV$Иван Петров$пароль$.exe", "B",
             ' /user:"Иван Петров" /pass:пароль'),
            ("KALVORA_TRV_Online$u$a b -x c$.exe", "C", ' /user:u /pass:"a b -x c"'),
            ("KALVORA_JV_Online$Ivanov$p@ss,w;rd$ (2).exe", "E",
             " /user:Ivanov /pass:p@ss,w;rd"),
        ]
        for name, letter, tail in cases:
            with self.subTest(name=name):
                r = session().run(name)
                self.assertEqual(r.exit_code, 0)
                h = host(letter).encode()
                store = [x.parameters for x in r.standins if x.name == "cmdkey.exe"][1]
                self.assertEqual(store, b" /generic:termsrv/" + h + tail.encode("cp1251"))

    def test_old_windows_shows_the_credentials_and_runs_no_cmdkey(self):
        r = session().run("KALVORA_8$Иванов$секрет$.exe", version="winxp")
        self.assertEqual(r.exit_code, 0)
        self.assertEqual(len(r.boxes), 1, r.boxes)
        box = r.boxes[0]
        self.assertEqual((box.api, box.caption, box.style, box.language),
                         ("MessageBoxExA", INFO_CAPTION, 0x40, 1251))
        self.assertEqual(box.text, "Для подключения используйте имя пользователя - "
                                   "Иванов и пароль секрет".encode("cp1251"))
        self.assertEqual([x.name for x in r.standins], ["mstsc.exe"])
        self.assertIn("КАЛВОРА 8.rdp", r.desktop)

    def test_a_desktop_folder_with_blanks_reaches_the_client_as_one_argument(self):
        s = session()
        folder = os.path.join(s.prefix, "drive_c", "Рабочий стол пользователя")
        os.makedirs(folder, exist_ok=True)
        s.set_desktop_folder("C:\\Рабочий стол пользователя")
        try:
            r = s.run("KALVORA_JV_Free$u$p$.exe")
        finally:
            s.set_desktop_folder(None)
        self.assertEqual(r.exit_code, 0)
        self.assertEqual(r.standins[-1].parameters,
                         '"C:\\Рабочий стол пользователя\\КАЛВОРА ЙЖ Онлайн.rdp"'.encode("cp1251"))
        self.assertEqual(os.listdir(folder), ["КАЛВОРА ЙЖ Онлайн.rdp"])

    def test_a_missing_client_still_ends_with_exit_code_0(self):
        r = session().run("KALVORA_LOM_QV$u$p$.exe", path_tools=False)
        self.assertEqual(r.exit_code, 0)
        self.assertEqual(r.standins, [])
        self.assertEqual(r.boxes, [], "the launcher showed a box of its own")
        self.assertIn("КАЛВОРА ЛОМ ЙЖ.rdp", r.desktop)

    def test_a_client_ending_with_code_259_is_seen_as_ended(self):
        r = session().run("KALVORA_8$u$p$.exe", hold_ms=300, standin_exit=259,
                          timeout=30)
        self.assertEqual(r.exit_code, 0)
        self.assertEqual(len(r.standins), 3)


if __name__ == "__main__":
    main()
