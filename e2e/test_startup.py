"""Start-up: where the program finds its package, and the first title it shows."""

import unittest

from harness import LANGUAGE_DIALOG_TITLE, TolmarinTestCase

SIMULATOR_FOLDER = "C:\\FS95"


class StartupTest(TolmarinTestCase):
    def setUp(self):
        super().setUp()
        self.make_package("d")
        # The simulator's own value: the install page then finds it without a folder dialog.
        self.c_folder(SIMULATOR_FOLDER)
        self.set_simulator_folder(SIMULATOR_FOLDER)

    def test_without_a_package_folder_it_ends_and_shows_nothing(self):
        empty = self.folder("empty", drive="e")
        for where, cwd in (("an empty drive", empty), ("the prefix's C:", self.c_folder("C:\\"))):
            with self.subTest(started_in=where):
                with self.desktop.watch() as watcher:
                    process = self.start_tolmarin(cwd=cwd)
                    process.wait(timeout=30)
                self.assertEqual(watcher.shown(exe="tolmarin.exe"), [])

    def test_package_folder_from_the_switch_or_the_current_folder(self):
        title = self.messages(0)[6]
        empty = self.folder("empty", drive="e")
        cases = (
            ("switch, started elsewhere", ["/INSTALLDIRD:\\"], empty),
            ("switch in lower case", ["/installdirD:\\"], self.c_folder("C:\\")),
            ("no switch, started in the package", [], self.package_dir),
        )
        for name, args, cwd in cases:
            with self.subTest(name):
                process = self.start_tolmarin(*args, cwd=cwd)
                window = self.wait_main_window(title, process, language=0)
                self.assertEqual(self.desktop.window_title(window), title)
                self.close_tolmarin(process, title)

    def test_installation_record_sets_language_and_season(self):
        self.write_record(InstalledTo=SIMULATOR_FOLDER + "\\Orvanne", Season="3", Language="1")
        italian = self.messages("ita")
        title = italian[22] + " " + italian[8]

        with self.desktop.watch() as watcher:
            process = self.start_tolmarin("/INSTALLDIRD:\\", cwd=self.folder("elsewhere", drive="e"))
            self.desktop.wait_window(title, process=process)
            self.desktop.screenshot(f"{self.test_dir}/season-page.png")
            self.close_tolmarin(process, title)

        # With a record the language comes from it: no language question.
        self.assertNotIn(LANGUAGE_DIALOG_TITLE, [e["title"] for e in watcher.shown()])


if __name__ == "__main__":
    unittest.main()
