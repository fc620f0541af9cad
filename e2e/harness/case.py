"""The base class of the end-to-end scenarios.

One Xvfb per test class; one fresh Wine prefix per test, copied from the
pristine one, with only the test's own folders as drives. Everything a test
makes is below <build>/e2e/work/runs/<module>.<class>/<test>/: the prefix,
the drives' folders (files/), the logs and a final screenshot. A test's
folder is emptied when it starts again; its prefix is removed when it
passes and kept for a look when it fails.
"""

import json
import os
import shutil
import unittest

from . import package
from .config import Config
from .desktop import Desktop
from .prefix import RECORD_KEY, SIMULATOR_KEY, WinePrefix, inside, stop_wineserver
from .xserver import XServer

LANGUAGE_DIALOG_TITLE = "LANGUAGE SELECTION"


class WineTestCase(unittest.TestCase):
    """Xvfb, a private prefix and the window helpers; no program of ours yet."""

    needs = ("winhelper",)

    @classmethod
    def setUpClass(cls):
        cls.config = Config.from_environment()
        cls.config.require(*cls.needs)
        cls.class_dir = os.path.join(cls.config.work_dir, "runs", f"{cls.__module__}.{cls.__name__}")
        os.makedirs(cls.class_dir, exist_ok=True)
        cls.xserver = XServer(os.path.join(cls.class_dir, "xvfb.log")).start()
        cls.addClassCleanup(cls.xserver.stop)

    def setUp(self):
        self.test_dir = os.path.join(self.class_dir, self._testMethodName)
        self._remove_test_dir()
        self.wine = WinePrefix.create(self.test_dir, self.config.work_dir, self.config.winhelper,
                                      self.xserver.env())
        self.addCleanup(self._finish)
        self.desktop = Desktop(self.wine, self.xserver, self.config.winhelper)

    def _remove_test_dir(self):
        if not os.path.exists(self.test_dir):
            return
        if not inside(self.test_dir, self.config.work_dir):
            raise RuntimeError(f"{self.test_dir} is outside {self.config.work_dir}")
        # A wineserver left by a run that was killed would keep the old prefix busy.
        stop_wineserver(os.path.join(self.test_dir, "prefix"), os.path.join(self.test_dir, "home"))
        shutil.rmtree(self.test_dir)

    def _finish(self):
        try:
            self.desktop.screenshot(os.path.join(self.test_dir, "final.png"))
            with open(os.path.join(self.wine.logs, "windows.json"), "w") as f:
                json.dump(self.desktop.list_windows(), f, indent=1, ensure_ascii=False)
        except Exception as error:  # the record is a help, not part of the test
            print(f"harness: could not record the final state: {error}")
        self.wine.shutdown()
        leaks = self.wine.host_links()
        if self._passed() and not os.environ.get("TOLMARIN_E2E_KEEP"):
            self.wine.remove()
        self.assertEqual(leaks, [], "the prefix reaches host folders outside the test")

    def _passed(self):
        outcome = getattr(self, "_outcome", None)
        return bool(getattr(outcome, "success", False))

    # Folders and drives.

    def folder(self, name, drive=None):
        """A new folder of the test (below files/), mapped as a drive when given."""
        path = os.path.join(self.test_dir, "files", name)
        os.makedirs(path)
        if drive:
            self.wine.map_drive(drive, path)
        return path

    def c_folder(self, windows_path):
        """A folder on the prefix's C: drive, made if missing; its host path."""
        path = self.wine.host_path(windows_path)
        os.makedirs(path, exist_ok=True)
        return path


class TolmarinTestCase(WineTestCase):
    """Adds the package folder and tolmarin.exe to WineTestCase."""

    needs = ("winhelper", "exe")

    def make_package(self, drive="d", languages=package.LANGUAGE_CODES):
        """The demo package with tolmarin.exe in it, mapped as a drive; its host path."""
        self.package_dir = self.folder("package")
        package.make_package(self.package_dir, self.config.exe, self.config.source_dir, languages,
                             work_dir=self.config.work_dir)
        self.wine.map_drive(drive, self.package_dir)
        return self.package_dir

    def messages(self, language=0):
        """{number: text} of a language (index or code) as the package's file holds it."""
        return package.language_messages(self.package_dir, language)

    def language_name(self, language=0):
        return package.language_name(self.package_dir, language)

    def start_tolmarin(self, *args, cwd=None):
        """Starts the package's tolmarin.exe; cwd (a host folder on a drive) defaults to the package."""
        exe = self.wine.windows_path(os.path.join(self.package_dir, "tolmarin.exe"))
        return self.wine.start([exe, *args], cwd=cwd or self.package_dir, name="tolmarin")

    def wait_main_window(self, title, process, language=0, timeout=30):
        """Waits for the main window's title, answering the language question on the way."""
        name = self.language_name(language)
        return self.desktop.wait_window(
            title, timeout=timeout, process=process,
            answer={LANGUAGE_DIALOG_TITLE: lambda desktop: desktop.press_button(LANGUAGE_DIALOG_TITLE, name)})

    def close_tolmarin(self, process, window_title, timeout=15):
        """Closes the program through its main window, as the close box does."""
        self.desktop.close(window_title)
        return process.wait(timeout)

    # Registry.

    def set_simulator_folder(self, windows_path):
        """The simulator's own registry value, so the program finds it without asking."""
        self.wine.reg_add(SIMULATOR_KEY, "InstalledTo", windows_path)

    def write_record(self, **values):
        """Values of the installation record, as REG_SZ (InstalledTo="C:\\FS95\\Orvanne", ...)."""
        for name, data in values.items():
            self.wine.reg_add(RECORD_KEY, name, data)
