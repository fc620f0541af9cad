"""Uninstalling: from the trash can, from the system's list of removable
programs, after the scenery folder is already gone, and with a record whose
scenery folder is empty.

The installed state is made here the way the install leaves it (files copied
from the package, the record and the uninstall entry written, our entry put
into the simulator's list), so these scenarios do not depend on the install.
"""

import hashlib
import os
import shutil
import struct
import time
import unittest

from harness import RECORD_KEY, UNINSTALL_KEY, TolmarinTestCase
from harness.package import load_demo_module

PRODUCT = "Durirezo Orvanne"
OUR_TITLE = "Durirezo Orvanne V1.00"
SIMULATOR_FOLDER = "C:\\FS95"
SCENERY_FOLDER = SIMULATOR_FOLDER + "\\Orvanne"
PACKAGE_FOLDER = "D:\\"

# Client pixels of the trash can and the install page's aircraft: picSfondo
# sits at (2, 1) with a 2-pixel border.
TRASH_CAN = (2 + 2 + 342, 1 + 2 + 402)
INSTALL_AIRCRAFT = (2 + 2 + 180, 1 + 2 + 230)

# Where the install puts each package folder: below the scenery folder or the simulator's.
SCENERY_TARGETS = {"SCENERY": "SCENERY", "TEXTURE": "TEXTURE", "WINTER": "TEXTURE", "SC_BGL": ""}
SIMULATOR_TARGETS = {"MOD": "PILOTS", "VID": "VIDEOS", "ADV": "ADV", "WAV_WPP": "ADV\\WAV"}

# The simulator's own files, some named like ours but in another folder.
SIMULATOR_OWN = ("FLTSIM95.EXE", "PILOTS\\CESSNA.STN", "VIDEOS\\INTRO.VID",
                 "VIDEOS\\ORVANNE1.STN", "ADV\\LESSON1.APL", "ADV\\WAV\\ORVTOUR.APL",
                 "scenery\\munich.bgl")
OTHER_AREAS = [(10, 1, "C:\\FS95\\SCENERY\\*.bgl", "Default Scenery"),
               (20, 2, "D:\\ADDON\\LAKES\\*.bgl", "Lakes")]


def load_simulator_generator(source_dir):
    """demo/make_demo_simulator.py as a module."""
    return load_demo_module("make_demo_simulator", source_dir)


# The simulator's scenery list, written and read here independently of the program.

def z(text):
    return text.encode("cp1252") + b"\0"


def write_list(areas, text1="C:\\FS95\\SCENERY", text2="World", values=(1, 500), texts=("kept",),
               records=((1, 65535, 2, 3, "first", "record"),)):
    body = {1: z(text1), 2: z(text2),
            3: b"".join(struct.pack("<H", v) for v in values) + b"\0\0",
            6: b"".join(b"\1" + z(t) for t in texts) + b"\0",
            4: b"".join(bytes([1, v1, v2]) + z(p) + z(t) for v1, v2, p, t in areas) + b"\0",
            5: b"".join(bytes([1, a]) + struct.pack("<H", b) + bytes([c, d]) + z(e) + z(f)
                        for a, b, c, d, e, f in records) + b"\0"}
    offsets, position, data = {}, 36, b""
    for section in (1, 2, 3, 6, 4, 5):
        offsets[section] = position
        position += len(body[section])
        data += body[section]
    header = struct.pack("<8H", position, 0x1234, *(offsets[s] for s in range(1, 7)))
    return header + b"\0" * 16 + struct.pack("<HH", 118, 0) + data


def read_list(data):
    """Every part of a list the program must carry through, by its own offsets."""
    header2 = struct.unpack_from("<H", data, 2)[0]
    offsets = dict(zip(range(1, 7), struct.unpack_from("<6H", data, 4)))
    at = 0

    def byte():
        nonlocal at
        at += 1
        return data[at - 1]

    def word():
        nonlocal at
        at += 2
        return struct.unpack_from("<H", data, at - 2)[0]

    def text():
        nonlocal at
        end = data.index(b"\0", at)
        value, at = data[at:end].decode("cp1252"), end + 1
        return value

    def entries(section, read):
        nonlocal at
        at, found = offsets[section], []
        while byte() == 1:
            found.append(read())
        return found

    at = offsets[1]
    text1 = text()
    at = offsets[2]
    text2 = text()
    at, values = offsets[3], []
    while (value := word()) != 0:
        values.append(value)
    return {"header2": header2, "text1": text1, "text2": text2, "values": values,
            "texts": entries(6, text),
            "areas": entries(4, lambda: (byte(), byte(), text(), text())),
            "records": entries(5, lambda: (byte(), word(), byte(), byte(), text(), text()))}


def tree(folder):
    """{relative path: sha1} of every file below a host folder (folders as None)."""
    found = {}
    for root, dirs, files in os.walk(folder):
        for name in dirs:
            found[os.path.relpath(os.path.join(root, name), folder)] = None
        for name in files:
            path = os.path.join(root, name)
            with open(path, "rb") as f:
                found[os.path.relpath(path, folder)] = hashlib.sha1(f.read()).hexdigest()
    return found


class UninstallTest(TolmarinTestCase):
    def setUp(self):
        super().setUp()
        self.make_package("d")
        self.english = self.messages(0)
        self.title = self.english[27]

    # The installed state.

    def host(self, windows_path):
        return self.wine.host_path(windows_path)

    def install_by_hand(self, installed_to=SCENERY_FOLDER):
        """Copies the package and writes the registry as the install would."""
        self.c_folder(SIMULATOR_FOLDER)
        self.set_simulator_folder(SIMULATOR_FOLDER)
        self.ours = []  # what the uninstall must remove from the simulator's folders
        self.sounds = []
        self.own = [SIMULATOR_FOLDER + "\\" + name for name in SIMULATOR_OWN]
        for path in self.own:
            self.write(path, b"the simulator's own " + path.encode())
        for source, target in SIMULATOR_TARGETS.items():
            for name in self.package_files(source):
                path = f"{SIMULATOR_FOLDER}\\{target}\\{name}"
                self.copy(source, name, path)
                (self.sounds if source == "WAV_WPP" else self.ours).append(path)
        for source, target in SCENERY_TARGETS.items():
            for name in self.package_files(source):
                self.copy(source, name, "\\".join(p for p in (SCENERY_FOLDER, target, name) if p))
        self.list_before = write_list([OTHER_AREAS[0], (30, 1, SCENERY_FOLDER + "\\*.bgl", OUR_TITLE),
                                       OTHER_AREAS[1]])
        self.write(SIMULATOR_FOLDER + "\\scenery\\world.vis", self.list_before)
        self.list_after = dict(read_list(self.list_before), areas=OTHER_AREAS)

        self.write_record(InstalledTo=installed_to, Fs6InstalledTo=SIMULATOR_FOLDER, Season="3",
                          Date="15/07/2026", Version="V1.00", InstalledFrom=PACKAGE_FOLDER,
                          Language="0")
        self.wine.reg_add(UNINSTALL_KEY, "DisplayName", PRODUCT)
        self.wine.reg_add(UNINSTALL_KEY, "UninstallString",
                          f'"{PACKAGE_FOLDER}tolmarin.exe" /UNINSTALL /INSTALLDIR{PACKAGE_FOLDER}')
        self.assertTrue(self.ours and self.sounds)

    def package_files(self, folder):
        return sorted(os.listdir(os.path.join(self.package_dir, folder)))

    def copy(self, source, name, windows_path):
        target = self.host(windows_path)
        os.makedirs(os.path.dirname(target), exist_ok=True)
        shutil.copyfile(os.path.join(self.package_dir, source, name), target)

    def write(self, windows_path, data):
        path = self.host(windows_path)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "wb") as f:
            f.write(data)

    def exists(self, windows_path):
        return os.path.lexists(self.host(windows_path))

    # Driving the program.

    def season_page(self):
        process = self.start_tolmarin("/INSTALLDIRD:\\")
        window = self.desktop.wait_window(self.english[22] + " " + self.english[8], process=process)
        return process, window

    def click_trash_can(self, process, window):
        """A press shows the trash can; a click on the shown picture asks the question."""
        self.desktop.click(window, *TRASH_CAN)
        self.desktop.wait_title(window, self.title)
        self.desktop.click(window, *TRASH_CAN)

    def wait_box(self, question, process=None, timeout=30):
        """The message box titled message 27: the question, or the box after it.

        The main window carries the same title once the trash can is selected,
        so boxes are told apart by their class.
        """
        deadline = time.monotonic() + timeout
        while True:
            for w in self.desktop.list_windows():
                if (w["visible"] and w["title"] == self.title and w["class"] == "#32770"
                        and (w.get("text") == self.title + " ?") == question):
                    w["buttons"] = [c["text"].replace("&", "") for c in w["children"]
                                    if c["class"].lower() == "button" and c["visible"]]
                    return w
            if process is not None and not process.running():
                raise AssertionError(f"tolmarin ended (code {process.returncode}) before the box")
            self.assertLess(time.monotonic(), deadline, "no message box titled message 27")
            time.sleep(0.1)

    def answer_question(self, answer, process=None):
        box = self.wait_box(True, process)
        self.assertEqual(box["buttons"], ["Yes", "No"])
        self.desktop.press_button(box["hwnd"], answer)
        deadline = time.monotonic() + 15
        while any(w["hwnd"] == box["hwnd"] and w["visible"] for w in self.desktop.list_windows()):
            self.assertLess(time.monotonic(), deadline, "the question is still shown")
            time.sleep(0.1)

    def final_message(self, shot, process=None):
        """Waits for the box after the question, keeps its picture, answers OK; its text."""
        box = self.wait_box(False, process)
        self.desktop.screenshot(f"{self.test_dir}/{shot}.png")
        self.assertEqual(box["buttons"], ["OK"])
        self.desktop.press_button(box["hwnd"], "OK")
        return box["text"]

    def wait_program_gone(self, timeout=30):
        """No window of tolmarin.exe is left, shown or not."""
        deadline = time.monotonic() + timeout
        while [w for w in self.desktop.list_windows() if w.get("exe", "").lower() == "tolmarin.exe"]:
            self.assertLess(time.monotonic(), deadline, "tolmarin.exe still has windows")
            time.sleep(0.2)

    # What must be true afterwards.

    def assert_uninstalled(self):
        self.assertFalse(self.exists(SCENERY_FOLDER), "the scenery folder is still there")
        for path in self.ours:
            self.assertFalse(self.exists(path), path)
        for path in self.sounds:
            self.assertTrue(self.exists(path), f"the sound file {path} went too")
        for path in self.own:
            self.assertTrue(self.exists(path), path)
        self.assertIsNone(self.wine.reg_values(RECORD_KEY))
        self.assertIsNone(self.wine.reg_values(UNINSTALL_KEY))
        self.assertNotIn(PRODUCT, self.wine.uninstaller_list())
        with open(self.host(SIMULATOR_FOLDER + "\\scenery\\world.vis"), "rb") as f:
            self.assertEqual(read_list(f.read()), self.list_after)

    # Scenarios.

    def test_trash_can_yes_removes_everything_and_ends(self):
        self.install_by_hand()
        process, window = self.season_page()
        self.desktop.screenshot(f"{self.test_dir}/season-page.png", window)
        self.click_trash_can(process, window)
        self.desktop.screenshot(f"{self.test_dir}/question.png")
        self.answer_question("Yes", process)
        self.assertEqual(self.final_message("completed", process), self.english[32])
        self.assertEqual(process.wait(30), 0)
        self.assert_uninstalled()

    def test_trash_can_no_changes_nothing(self):
        self.install_by_hand()
        files_before = tree(self.host(SIMULATOR_FOLDER)), tree(self.package_dir)
        record_before = self.wine.reg_values(RECORD_KEY)
        entry_before = self.wine.reg_values(UNINSTALL_KEY)
        process, window = self.season_page()
        self.click_trash_can(process, window)
        self.answer_question("No", process)
        time.sleep(1)
        self.assertTrue(process.running(), "a No ended the program")
        self.assertEqual((tree(self.host(SIMULATOR_FOLDER)), tree(self.package_dir)), files_before)
        self.assertEqual(self.wine.reg_values(RECORD_KEY), record_before)
        self.assertEqual(self.wine.reg_values(UNINSTALL_KEY), entry_before)
        self.close_tolmarin(process, self.title)

    def uninstall_from_system_list(self, shot):
        self.assertIn(PRODUCT, self.wine.uninstaller_list())
        # The system starts the uninstall string in a folder of its own (here C:\).
        with self.desktop.watch() as watcher:
            uninstaller = self.wine.start(["uninstaller", "--remove", PRODUCT], name="uninstaller")
            self.answer_question("Yes")
            self.assertEqual(self.final_message(shot), self.english[32])
            self.wait_program_gone()
            uninstaller.wait(60)
        self.assertEqual([e for e in watcher.shown(exe="tolmarin.exe") if e["title"] != self.title],
                         [], "the main window or another window was shown")

    def test_system_list_of_removable_programs(self):
        self.install_by_hand()
        self.uninstall_from_system_list("completed-from-system-list")
        self.assert_uninstalled()

    def test_real_install_then_system_list(self):
        """Installed through the program itself, removed through the system's list."""
        simulator = self.c_folder(SIMULATOR_FOLDER)
        load_simulator_generator(self.config.source_dir).make_simulator(simulator)
        self.set_simulator_folder(SIMULATOR_FOLDER)
        self.own = [self.wine.windows_path(os.path.join(root, name))
                    for root, _, names in os.walk(simulator) for name in names]
        with open(self.host(SIMULATOR_FOLDER + "\\scenery\\world.vis"), "rb") as f:
            self.list_after = read_list(f.read())
        self.ours = [f"{SIMULATOR_FOLDER}\\{SIMULATOR_TARGETS[source]}\\{name}"
                     for source in ("MOD", "VID", "ADV") for name in self.package_files(source)]
        self.sounds = [f"{SIMULATOR_FOLDER}\\ADV\\WAV\\{name}" for name in self.package_files("WAV_WPP")]

        process = self.start_tolmarin("/INSTALLDIRD:\\")
        window = self.wait_main_window(self.english[6], process, language=0)
        self.desktop.click(window, *INSTALL_AIRCRAFT)
        self.desktop.wait_title(window, self.english[30])
        self.desktop.click(window, *INSTALL_AIRCRAFT)
        self.desktop.answer_message_box(self.english[14], "Yes", process=process)
        done = self.desktop.answer_message_box(self.english[14], "OK", timeout=120, process=process)
        self.assertTrue(done.startswith(self.english[17] + " " + SCENERY_FOLDER), done)
        self.assertEqual(self.wine.reg_query(UNINSTALL_KEY, "UninstallString"),
                         '"D:\\tolmarin.exe" /UNINSTALL /INSTALLDIRD:\\')
        for path in self.ours + self.sounds:
            self.assertTrue(self.exists(path), f"the install did not put {path} in place")
        self.desktop.close(self.main_window_handle())
        self.assertEqual(process.wait(15), 0)

        self.uninstall_from_system_list("completed-after-real-install")
        self.assert_uninstalled()

    def main_window_handle(self):
        for w in self.desktop.list_windows():
            if w["visible"] and w.get("exe", "").lower() == "tolmarin.exe" and w["class"] != "#32770":
                return w["hwnd"]
        self.fail("no main window")

    def test_already_deleted_scenery_folder(self):
        self.install_by_hand()
        shutil.rmtree(self.host(SCENERY_FOLDER))
        process = self.start_tolmarin("/UNINSTALL", "/INSTALLDIRD:\\", cwd=self.c_folder("C:\\"))
        self.answer_question("Yes", process)
        self.assertEqual(self.final_message("completed-without-folder", process), self.english[32])
        self.assertEqual(process.wait(30), 0)
        self.assert_uninstalled()

    def test_read_only_file_is_named_and_the_rest_goes(self):
        self.install_by_hand()
        kept = self.ours[0]
        self.wine.run(["attrib", "+r", kept])
        process = self.start_tolmarin("/UNINSTALL", "/INSTALLDIRD:\\", cwd=self.c_folder("C:\\"))
        self.answer_question("Yes", process)
        text = self.final_message("read-only-report", process)
        self.assertIn(f"\rFile {kept} was not deleted: it is read-only or access to it is denied.\r",
                      text)
        self.assertNotIn(self.english[32], text)
        self.assertEqual(process.wait(30), 0)
        self.assertTrue(self.exists(kept))
        self.ours.remove(kept)
        self.assert_uninstalled()

    def test_empty_installed_to_deletes_nothing_outside(self):
        self.install_by_hand(installed_to="")
        self.assertEqual(self.wine.reg_query(RECORD_KEY, "InstalledTo"), "")
        started_in = self.folder("start", drive="e")
        # A canary in the root of every drive and in the SCENERY and TEXTURE
        # folders there; the package itself lies in D:'s root.
        for letter in self.wine.drives:
            for name in ("CANARY.TXT", "SCENERY\\CANARY.BGL", "TEXTURE\\CANARY.R8"):
                self.write(f"{letter.upper()}:\\{name}", b"canary")
        kept = {letter: tree(folder) for letter, folder in self.wine.drives.items()}

        process = self.start_tolmarin("/UNINSTALL", "/INSTALLDIRD:\\", cwd=started_in)
        self.answer_question("Yes", process)
        text = self.final_message("empty-folder-report", process)
        self.assertIn('\rThe scenery folder "" is not a folder below a drive root, so nothing in it '
                      'was deleted.\r', text)
        self.assertEqual(process.wait(30), 0)

        # Only our files in the simulator's folders went.
        ours = {os.path.relpath(self.host(p), self.wine.drives["c"]) for p in self.ours}
        for letter, folder in self.wine.drives.items():
            expected = {p: h for p, h in kept[letter].items() if letter != "c" or p not in ours}
            now = tree(folder)
            if letter == "c":
                # The list is rewritten (checked below). Wine changes its own
                # files below C:\windows and C:\users meanwhile.
                list_path = os.path.relpath(self.host(SIMULATOR_FOLDER + "\\scenery\\world.vis"), folder)
                expected.pop(list_path)
                now.pop(list_path)
                expected = {p: h for p, h in expected.items() if p.startswith("FS95") or "CANARY" in p}
                now = {p: h for p, h in now.items() if p.startswith("FS95") or "CANARY" in p}
            self.assertEqual(now, expected, f"drive {letter}:")
        with open(self.host(SIMULATOR_FOLDER + "\\scenery\\world.vis"), "rb") as f:
            self.assertEqual(read_list(f.read()), self.list_after)
        self.assertTrue(self.exists(SCENERY_FOLDER), "the real scenery folder was not named")
        self.assertIsNone(self.wine.reg_values(RECORD_KEY))
        self.assertIsNone(self.wine.reg_values(UNINSTALL_KEY))


if __name__ == "__main__":
    unittest.main()
