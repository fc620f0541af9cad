"""The harness itself, against winhelper's stand-in window and message box.

If these fail, a failing scenario says nothing about the program.
"""

import os
import unittest

from harness import LEFT, RIGHT, WineTestCase
from harness.xserver import pixel

STAND_IN_TITLE = "Stand-in – Été window"  # non-ASCII on purpose: titles go through UTF-8


class IsolationTest(WineTestCase):
    def test_only_the_tests_folders_are_reachable(self):
        mapped = self.folder("mapped", drive="e")
        with open(os.path.join(mapped, "marker.txt"), "w") as f:
            f.write("x")

        result = self.wine.run(["cmd", "/c", "if exist Z:\\ (echo z-present) else (echo z-absent)"
                                " & if exist E:\\marker.txt (echo e-present)"])
        output = result.stdout.decode("ascii", "replace")
        self.assertIn("z-absent", output)
        self.assertIn("e-present", output)
        self.assertEqual(self.wine.host_links(), [])
        self.assertFalse(os.path.lexists(os.path.join(self.wine.path, "dosdevices", "z:")))

    def test_program_starts_in_the_folder_asked_for(self):
        for cwd, expected in ((self.folder("start", drive="e"), "E:\\"),
                              (self.c_folder("C:\\FS95"), "C:\\FS95")):
            with self.subTest(expected=expected):
                process = self.wine.start([self.config.winhelper, "cwd"], cwd=cwd, read_lines=True)
                self.assertEqual(process.wait_line(lambda line: isinstance(line, str), 30), expected)
                process.wait(30)


class WindowTest(WineTestCase):
    def start_stand_in(self, width=300, height=200):
        process = self.wine.start([self.config.winhelper, "window", STAND_IN_TITLE, str(width), str(height)],
                                  read_lines=True, name="stand-in")
        window = self.desktop.wait_window(STAND_IN_TITLE, timeout=30, process=process)
        return process, window

    def test_presses_arrive_at_client_coordinates(self):
        process, window = self.start_stand_in()
        self.assertEqual(self.desktop.window_title(window), STAND_IN_TITLE)

        presses = [(LEFT, 150, 120, "left"), (RIGHT, 0, 0, "right"), (LEFT, 299, 199, "left")]
        for button, x, y, _ in presses:
            self.desktop.click(window, x, y, button)
        for _, x, y, name in presses:
            process.wait_line(lambda line, x=x, y=y, name=name: isinstance(line, dict)
                              and line == {"event": "press", "button": name, "x": x, "y": y}, 10)

        # A button of a normal window, clicked by its text without the "&".
        self.desktop.press_button(STAND_IN_TITLE, "Press")
        process.wait_line(lambda line: isinstance(line, dict) and line.get("event") == "command"
                          and line.get("id") == 101, 10)

        self.desktop.close(STAND_IN_TITLE)
        self.assertEqual(process.wait(15), 0)

    def test_message_box_is_read_exactly_and_answered(self):
        text = "First line\rSecond line – à é ü"
        process = self.wine.start([self.config.winhelper, "msgbox", "52", "Question", text],
                                  read_lines=True, name="msgbox")
        box = self.desktop.wait_message_box("Question", process=process)
        self.assertEqual(box["text"], text)
        self.assertEqual(box["buttons"], ["Yes", "No"])

        self.assertEqual(self.desktop.answer_message_box("Question", "No"), text)
        answer = process.wait_line(lambda line: isinstance(line, dict) and line.get("event") == "answer", 10)
        self.assertEqual(answer["code"], 7)

    def test_watcher_sees_windows_come_and_go(self):
        with self.desktop.watch() as watcher:
            process, _ = self.start_stand_in()
            self.desktop.close(STAND_IN_TITLE)
            process.wait(15)
        shown = [e["title"] for e in watcher.shown(exe="winhelper.exe")]
        self.assertIn(STAND_IN_TITLE, shown)
        self.assertIn(STAND_IN_TITLE, [e["title"] for e in watcher.events if e["event"] == "destroyed"])

    def test_screenshot_shows_the_window(self):
        self.start_stand_in()
        left, top, right, bottom = self.desktop.find_dialog(STAND_IN_TITLE)["client"]
        path = self.desktop.screenshot(os.path.join(self.test_dir, "stand-in.png"))
        # The client area is painted white on Xvfb's black screen.
        self.assertEqual(pixel(path, (left + right) // 2, (top + bottom) // 2), (255, 255, 255))
        self.assertEqual(pixel(path, left - 5, top), (0, 0, 0))


class RegistryTest(WineTestCase):
    def test_values_are_written_read_and_deleted(self):
        key = r"HKLM\SOFTWARE\Ostrel\Harness Check"
        cases = {"Plain": "C:\\FS95\\Orvanne", "Spaces": "D:\\a folder\\", "Accents": "C:\\Été",
                 "Empty": ""}
        for name, data in cases.items():
            self.wine.reg_add(key, name, data)
        values = self.wine.reg_values(key)
        self.assertEqual({name: values[name] for name in cases}, {n: ("REG_SZ", d) for n, d in cases.items()})
        self.assertIsNone(self.wine.reg_query(key, "Missing"))

        self.wine.reg_delete(key, "Plain")
        self.assertIsNone(self.wine.reg_query(key, "Plain"))
        self.wine.reg_delete(key)
        self.assertIsNone(self.wine.reg_values(key))


if __name__ == "__main__":
    unittest.main()
