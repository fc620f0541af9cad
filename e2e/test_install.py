"""Installing from the install page: the copy into the demo simulator, the
scenery list, the record and the uninstall entry; then every season and the
start of the simulator from the season page. Also a declined installation,
the refusals before the question, and a copy that fails half-way."""

import datetime
import hashlib
import os
import subprocess
import time
import unittest

from harness import RECORD_KEY, UNINSTALL_KEY, TolmarinTestCase
from harness.package import load_demo_module

PRODUCT = "Durirezo Orvanne"
SIMULATOR_FOLDER = "C:\\FS95"
SCENERY_FOLDER = SIMULATOR_FOLDER + "\\Orvanne"
LAUNCHER_TITLE = PRODUCT + " FS Launcher"
FOLDER_DIALOG_TITLE = "Choose Flight Simulator directory"

# Client pixel of a point of the background picture: picSfondo sits at (2, 1)
# in the window and has a 2-pixel sunken border.
BACKGROUND_X, BACKGROUND_Y = 2 + 2, 1 + 2
INSTALL_AIRCRAFT = (180, 230)
NO_SPACE = (180, 127)
SEASON_AIRCRAFT = (80, 160)
# A point of each season's area that no other season picture covers.
SEASON_POINTS = {1: (220, 110), 2: (265, 110), 3: (296, 110), 4: (330, 110)}
SEASON_FOLDERS = {1: "WINTER", 2: "SPRING", 3: "SUMMER", 4: "FALL"}
SEASON_MESSAGES = {1: 10, 2: 7, 3: 8, 4: 9}

# Where the install puts each package folder, below the simulator folder.
TARGETS = {"SCENERY": "Orvanne\\SCENERY", "TEXTURE": "Orvanne\\TEXTURE", "SC_BGL": "Orvanne",
           "MOD": "PILOTS", "VID": "VIDEOS", "ADV": "ADV", "WAV_WPP": "ADV\\WAV"}


def load_simulator_generator(source_dir):
    """demo/make_demo_simulator.py as a module."""
    return load_demo_module("make_demo_simulator", source_dir)


def season_of(day):
    """The season the program picks for a date (key = month * 31 + day)."""
    key = day.month * 31 + day.day
    if 114 <= key < 207:
        return 2
    if 207 <= key < 300:
        return 3
    if 300 <= key < 393:
        return 4
    return 1


def sha1(path):
    with open(path, "rb") as f:
        return hashlib.sha1(f.read()).hexdigest()


def tree(folder):
    """{relative path: sha1} of every file below a host folder (folders as None)."""
    found = {}
    for root, dirs, files in os.walk(folder):
        for name in dirs:
            found[os.path.relpath(os.path.join(root, name), folder)] = None
        for name in files:
            found[os.path.relpath(os.path.join(root, name), folder)] = sha1(os.path.join(root, name))
    return found


class InstallTest(TolmarinTestCase):
    def setUp(self):
        # Runs after the harness has stopped the prefix: a mounted drive is
        # released only once Wine lets go of it.
        self._mounts = []
        self.addCleanup(self._unmount)
        super().setUp()
        self.make_package("d")
        self.english = self.messages(0)
        self.simulator = load_simulator_generator(self.config.source_dir)
        self.fltsim95 = os.path.join(self.config.build_dir, "demo", "fltsim95.exe")
        if not os.path.isfile(self.fltsim95):
            raise FileNotFoundError(f"fltsim95.exe not found at {self.fltsim95}: build the win32 preset")

    def _unmount(self):
        for folder in reversed(self._mounts):
            subprocess.run(["umount", folder], check=False)

    # The simulator.

    def make_simulator(self, windows_folder=SIMULATOR_FOLDER, host_folder=None):
        """The demo simulator with the stand-in program, and its registry value."""
        folder = host_folder or self.c_folder(windows_folder)
        self.simulator.make_simulator(folder, self.fltsim95, windows_folder)
        self.set_simulator_folder(windows_folder)
        with open(os.path.join(folder, "scenery", "world.vis"), "rb") as f:
            self.list_before = f.read()
        return folder

    def small_drive(self, letter, megabytes=50):
        """A folder on a tmpfs of its own, mapped as a drive: too small for the package."""
        if os.geteuid() != 0:
            self.skipTest("mounting a small tmpfs drive needs root")
        folder = os.path.join(self.test_dir, "files", "small")
        os.makedirs(folder)
        subprocess.run(["mount", "-t", "tmpfs", "-o", f"size={megabytes}m", "tmpfs", folder], check=True)
        self._mounts.append(folder)
        self.wine.map_drive(letter, folder)
        return folder

    def host(self, windows_path):
        return self.wine.host_path(windows_path)

    # Driving the program.

    def start(self):
        process = self.start_tolmarin("/INSTALLDIRD:\\")
        return process, self.wait_main_window(self.english[6], process)

    def press(self, window, point):
        self.desktop.click(window, BACKGROUND_X + point[0], BACKGROUND_Y + point[1])

    def select_and_click(self, window, point, title):
        """A press selects the area (its title shows); a second press clicks the shown picture."""
        self.press(window, point)
        self.desktop.wait_title(window, title)
        self.press(window, point)

    def message_box(self, title, process):
        # winhelper can list a box in the instant it turns visible without its
        # controls (it tests the visibility twice); the next look has them.
        for _ in range(20):
            try:
                return self.desktop.wait_message_box(title, process=process)
            except KeyError:
                time.sleep(0.1)
        return self.desktop.wait_message_box(title, process=process)

    def box(self, title, process, buttons):
        box = self.message_box(title, process)
        self.assertEqual(box["buttons"], buttons, box["text"])
        return box

    def answer(self, box, button, timeout=15):
        """Answers a box and waits until it is destroyed, not only hidden.

        A box without an owner (one shown after a dialog was hidden) is hidden
        at once but only destroyed, and its call returned, up to seconds later
        under Wine; a press meanwhile would reach a window that has not yet
        reacted to the answer.
        """
        self.desktop.press_button(box["hwnd"], button)
        deadline = time.monotonic() + timeout
        while any(w["hwnd"] == box["hwnd"] for w in self.desktop.list_windows()):
            self.assertLess(time.monotonic(), deadline, f"the box {box['title']!r} is still there")
            time.sleep(0.1)

    def answer_box(self, title, process, button="OK"):
        """Waits for a box with this title, answers it; its text."""
        box = self.message_box(title, process)
        self.answer(box, button)
        return box["text"]

    def confirmation(self, folder):
        m = self.english
        return f"{m[14]}  {m[15]}\r{folder}\r( 85{m[16]} )?"

    # What the install leaves.

    def assert_installed(self, season):
        for source, target in TARGETS.items():
            for name in sorted(os.listdir(os.path.join(self.package_dir, source))):
                copied = self.host(f"{SIMULATOR_FOLDER}\\{target}\\{name}")
                self.assertEqual(sha1(copied), sha1(os.path.join(self.package_dir, source, name)), copied)
        self.assert_season_textures(season)

        with open(os.path.join(self.package_dir, "mun_ptc.bin"), "rb") as f:
            patch = f.read()
        with open(self.host(SIMULATOR_FOLDER + "\\scenery\\munich.bgl"), "rb") as f:
            munich = f.read()
        original = self.simulator.munich_bytes()
        self.assertEqual(munich[:len(patch)], patch)
        self.assertEqual(munich[len(patch):], original[len(patch):], "the rest of munich.bgl changed")

        with open(self.host(SIMULATOR_FOLDER + "\\scenery\\world.vis"), "rb") as f:
            after = self.simulator.parse_world_vis(f.read())
        before = self.simulator.parse_world_vis(self.list_before)
        ours = (30, 1, SCENERY_FOLDER + "\\*.bgl", PRODUCT + " V1.00")
        self.assertEqual(after, dict(before, areas=[ours] + before["areas"]))

        # cmd's "date /t" writes today in the same short format, after a word or two.
        short_date = self.wine.run(["cmd", "/c", "date", "/t"]).stdout.decode("cp437").split()[-1]
        self.assertEqual(self.wine.reg_values(RECORD_KEY), {
            "InstalledTo": ("REG_SZ", SCENERY_FOLDER),
            "Fs6InstalledTo": ("REG_SZ", SIMULATOR_FOLDER),
            "Season": ("REG_SZ", str(season)),
            "Date": ("REG_SZ", short_date),
            "Version": ("REG_SZ", "V1.00"),
            "InstalledFrom": ("REG_SZ", "D:\\"),
            "Language": ("REG_SZ", "0"),
        })
        self.assertEqual(self.wine.reg_values(UNINSTALL_KEY), {
            "DisplayName": ("REG_SZ", PRODUCT),
            "UninstallString": ("REG_SZ", '"D:\\tolmarin.exe" /UNINSTALL /INSTALLDIRD:\\'),
        })
        self.assertIn(PRODUCT, self.wine.uninstaller_list())

    def assert_season_textures(self, season):
        folder = SEASON_FOLDERS[season]
        for name in sorted(os.listdir(os.path.join(self.package_dir, folder))):
            self.assertEqual(sha1(self.host(f"{SCENERY_FOLDER}\\TEXTURE\\{name}")),
                             sha1(os.path.join(self.package_dir, folder, name)), f"{folder}\\{name}")

    def assert_nothing_recorded(self):
        self.assertIsNone(self.wine.reg_values(RECORD_KEY))
        self.assertIsNone(self.wine.reg_values(UNINSTALL_KEY))
        self.assertNotIn(PRODUCT, self.wine.uninstaller_list())
        with open(self.host(SIMULATOR_FOLDER + "\\scenery\\world.vis"), "rb") as f:
            self.assertEqual(f.read(), self.list_before)

    # Scenarios.

    def test_install_then_every_season_then_the_simulator(self):
        self.make_simulator()
        m = self.english
        process, window = self.start()
        self.desktop.screenshot(f"{self.test_dir}/install-page.png", window)

        self.select_and_click(window, INSTALL_AIRCRAFT, m[30])
        question = self.box(m[14], process, ["Yes", "No"])
        self.assertEqual(question["text"], self.confirmation(SCENERY_FOLDER))
        self.desktop.screenshot(f"{self.test_dir}/confirmation.png")
        self.answer(question, "Yes")

        today = season_of(datetime.date.today())
        done = self.box(m[14], process, ["OK"])
        self.assertEqual(done["text"], f"{m[17]} {SCENERY_FOLDER}\r{m[18]} : {m[SEASON_MESSAGES[today]]}")
        self.desktop.screenshot(f"{self.test_dir}/completed.png")
        self.answer(done, "OK")
        self.desktop.wait_title(window, f"{m[22]} {m[SEASON_MESSAGES[today]]}")
        self.desktop.screenshot(f"{self.test_dir}/season-page.png", window)
        self.assert_installed(today)

        for season in (2, 3, 4, 1):
            with self.subTest(season=SEASON_FOLDERS[season]):
                name = m[SEASON_MESSAGES[season]]
                self.select_and_click(window, SEASON_POINTS[season], f"{m[22]} {name}")
                question = self.box(m[24], process, ["Yes", "No"])
                self.assertEqual(question["text"], f"{m[25]} {name} ?")
                self.answer(question, "Yes")
                done = self.box(m[24], process, ["OK"])
                self.assertEqual(done["text"], m[26])
                self.answer(done, "OK")
                self.assert_season_textures(season)
                self.assertEqual(self.wine.reg_query(RECORD_KEY, "Season"), str(season))

        started = self.host(SIMULATOR_FOLDER + "\\fltsim95.started")
        self.select_and_click(window, SEASON_AIRCRAFT, m[28])
        question = self.box(LAUNCHER_TITLE, process, ["Yes", "No"])
        self.assertEqual(question["text"], m[28] + " ? ")
        self.answer(question, "No")
        time.sleep(2)
        self.assertFalse(os.path.exists(started), "No started the simulator")

        self.press(window, SEASON_AIRCRAFT)  # the picture is still shown: this is its click
        self.answer(self.box(LAUNCHER_TITLE, process, ["Yes", "No"]), "Yes")
        deadline = time.monotonic() + 30
        while not os.path.exists(started):
            self.assertLess(time.monotonic(), deadline, "the simulator was not started")
            time.sleep(0.2)
        time.sleep(0.5)
        with open(started, "rb") as f:
            record = f.read().decode("cp1252")
        self.assertIn("command line: \"C:\\FS95\\fltsim95.exe\"", record)
        self.assertIn("show: 1\r\n", record, "not started in a normal window")
        self.assertIn("current folder: C:\\FS95\r\n", record, "not started in its own folder")
        self.assertTrue(process.running(), "the launcher ended with the start")
        self.close_tolmarin(process, m[28])

    def test_no_space_another_folder_then_no_restores_the_default(self):
        small = self.small_drive("f")
        self.make_simulator("F:\\FS95", os.path.join(small, "FS95"))
        m = self.english
        process, window = self.start()
        self.desktop.screenshot(f"{self.test_dir}/no-space.png", window)
        refusal_text = f"{m[12]} F:\\FS95\\Orvanne\r{m[13]}"

        self.select_and_click(window, INSTALL_AIRCRAFT, m[30])
        self.assertEqual(self.answer_box(m[14], process), refusal_text)

        # The indicator: a folder on the package's drive, which has room.
        self.press(window, NO_SPACE)
        self.desktop.wait_dialog(m[20], process=process)
        self.desktop.press_button(m[20], "&OK")
        self.press(window, INSTALL_AIRCRAFT)  # still shown: this is its click
        question = self.box(m[14], process, ["Yes", "No"])
        self.assertEqual(question["text"], self.confirmation("D:\\Orvanne"))
        self.answer(question, "No")

        # The refresh put the default back, and with it the missing space; it
        # also hid the aircraft, so it takes two presses again.
        self.select_and_click(window, INSTALL_AIRCRAFT, m[30])
        self.assertEqual(self.answer_box(m[14], process), refusal_text)
        self.close_tolmarin(process, m[30])
        self.assertFalse(os.path.exists(os.path.join(self.package_dir, "Orvanne")))
        self.assertFalse(os.path.exists(os.path.join(small, "FS95", "Orvanne")))
        self.assertIsNone(self.wine.reg_values(RECORD_KEY))

    def test_refusals_without_a_simulator_or_its_scenery_list(self):
        m = self.english
        # No simulator value and the folder dialog cancelled: the install ends the program.
        process = self.start_tolmarin("/INSTALLDIRD:\\")
        self.desktop.wait_window(FOLDER_DIALOG_TITLE, process=process, answer={
            "LANGUAGE SELECTION": lambda d: d.press_button("LANGUAGE SELECTION", self.language_name(0))})
        self.desktop.press_button(FOLDER_DIALOG_TITLE, "&Cancel")
        self.assertEqual(self.answer_box(m[4], process), m[5] + " ")
        window = self.desktop.wait_window(m[6], process=process)
        self.select_and_click(window, INSTALL_AIRCRAFT, m[30])
        self.assertEqual(self.answer_box(m[14], process), m[19])
        self.assertEqual(process.wait(30), 0)

        # A simulator folder without its scenery list: told, and the program stays.
        empty = "C:\\EMPTYSIM"
        self.c_folder(empty)
        self.set_simulator_folder(empty)
        process, window = self.start()
        self.select_and_click(window, INSTALL_AIRCRAFT, m[30])
        self.assertEqual(self.answer_box(m[14], process), f"{m[5]} {empty}")
        time.sleep(1)
        self.assertTrue(process.running())
        self.close_tolmarin(process, m[30])
        self.assertEqual(tree(self.host(empty)), {})
        self.assertIsNone(self.wine.reg_values(RECORD_KEY))

    def test_a_missing_simulator_folder_stops_the_copy_and_nothing_is_recorded(self):
        folder = self.make_simulator()
        os.rmdir(os.path.join(folder, "PILOTS"))
        m = self.english
        process, window = self.start()
        self.select_and_click(window, INSTALL_AIRCRAFT, m[30])
        self.answer(self.box(m[14], process, ["Yes", "No"]), "Yes")
        # The Disk Error dialog, retried twice, then the stop.
        for attempt in range(3):
            error = self.box("Disk Error", process, ["OK"])
            self.assertEqual(error["text"], "Path doesn't exist")
            if attempt == 0:
                self.desktop.screenshot(f"{self.test_dir}/disk-error.png")
            self.answer(error, "OK")
        stop = self.box(m[14], process, ["OK"])
        # The first name of the MOD list, in the order the file system lists it.
        self.assertRegex(stop["text"], r"^The installation is incomplete: copying D:\\MOD\\(\S+) to "
                                       r"C:\\FS95\\PILOTS\\\1: the folder does not exist\.\r")
        self.desktop.screenshot(f"{self.test_dir}/incomplete.png")
        self.answer(stop, "OK")
        self.desktop.wait_title(window, m[6])
        self.assert_nothing_recorded()
        self.close_tolmarin(process, m[6])


if __name__ == "__main__":
    unittest.main()
