"""The real executable under Wine: launch names that may not go on, and the
ones that may (which go on to write the connection file)."""

import unittest

from wine_harness import INFO_CAPTION, INVALID_NAME_TEXT, main, session


class InvalidLaunchNames(unittest.TestCase):
    # (file name on disk, folder, why it is refused)
    CASES = [
        ("launcher.exe", "launch", "no $ at all"),
        ("KALVORA_8$ivanov$secret.exe", "launch", "password not closed by $"),
        ("KALVORA_8$$secret$.exe", "launch", "empty user name"),
        ("KALVORA_8$ivanov$$.exe", "launch", "empty password"),
        ("kalvora_8$ivanov$secret$.exe", "launch", "key in another letter case"),
        ("KALVORA8$ivanov$secret$.exe", "launch", "an alias is no key"),
        ("$ivanov$secret$.exe", "launch", "empty key"),
        ("KALVORA_8.exe", "KALVORA_8$ivanov$secret$", "$ only in the folder"),
    ]

    def test_refused_names_show_the_message_and_do_nothing(self):
        for name, folder, why in self.CASES:
            with self.subTest(name=name, why=why):
                r = session().run(name, folder=folder)
                self.assertEqual(r.exit_code, 0)
                self.assertEqual(len(r.boxes), 1, "boxes: %r" % r.boxes)
                box = r.boxes[0]
                self.assertEqual(box.api, "MessageBoxExA")
                self.assertEqual(box.text, INVALID_NAME_TEXT)
                self.assertEqual(box.caption, INFO_CAPTION)
                self.assertEqual((box.style, box.language), (0x40, 1251))
                self.assertEqual(r.window_titles, ["Удаленное подключение"])
                self.assertEqual(r.standins, [], "nothing may be started")
                self.assertEqual(r.desktop, {}, "nothing may be written")


class ValidLaunchNames(unittest.TestCase):
    # (file name on disk, folder, user name and password cmdkey must get)
    CASES = [
        ("KALVORA_8_$ivanov$secret$.exe", "launch", b"/user:ivanov /pass:secret"),
        ("KALVORA_8$ivanov$secret$ (1).exe", "launch", b"/user:ivanov /pass:secret"),
        ("KALVORA_8$ivanov$secret$x$y.exe", "launch", b"/user:ivanov /pass:secret"),
        ("KALVORA_8$u$p$.exe", "a$b$c$", b"/user:u /pass:p"),
        # An executable path of 265 characters, beyond MAX_PATH.
        ("KALVORA_8$u$p$.exe", "/".join(["d" * 60] * 4), b"/user:u /pass:p"),
        ("KALVORA_JV$Пётр$Ёж-2026$.exe", "Загрузки",
         "/user:Пётр /pass:Ёж-2026".encode("cp1251")),
    ]

    def test_accepted_names_go_on_with_their_fields(self):
        for name, folder, credentials in self.CASES:
            with self.subTest(name=name, folder=folder):
                r = session().run(name, folder=folder)
                self.assertEqual(r.exit_code, 0)
                self.assertEqual(r.boxes, [])
                self.assertEqual(len(r.standins), 3, r.standins)
                self.assertTrue(r.standins[1].parameters.endswith(b" " + credentials),
                                r.standins[1].parameters)


if __name__ == "__main__":
    main()
