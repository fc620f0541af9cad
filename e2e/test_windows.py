"""The windows: both pages, selecting areas, the credits window, the language
and folder dialogs, and the layout at another screen resolution."""

import subprocess
import time
import unittest

from harness import LANGUAGE_DIALOG_TITLE, RIGHT, TolmarinTestCase

SIMULATOR_FOLDER = "C:\\FS95"
FOLDER_DIALOG_TITLE = "Choose Flight Simulator directory"

# Client pixel of a point of the background picture: picSfondo sits at (2, 1)
# in the window and has a 2-pixel sunken border.
BACKGROUND_X, BACKGROUND_Y = 2 + 2, 1 + 2

# Points inside the painted areas, in background pixels.
INSTALL_AIRCRAFT = (180, 230)
INSTALL_LOGO = (180, 25)
SEASON_WINTER_ONLY = (220, 110)
SEASON_SPRING_AND_SUMMER = (280, 110)
SEASON_TRASH_CAN = (342, 402)
SEASON_AIRCRAFT = (80, 160)
BARE_BACKGROUND = (30, 420)


class WindowsTest(TolmarinTestCase):
    def setUp(self):
        super().setUp()
        self.c_folder(SIMULATOR_FOLDER)

    def package(self, languages=None):
        """The demo package on D:, with the page backgrounds."""
        if languages:
            self.make_package("d", languages=languages)
        else:
            self.make_package("d")

    def press(self, window, point, button=1):
        self.desktop.click(window, BACKGROUND_X + point[0], BACKGROUND_Y + point[1], button)

    def wait_closed(self, title, timeout=10):
        deadline = time.monotonic() + timeout
        while self.desktop.find_windows(title):
            self.assertLess(time.monotonic(), deadline, f"{title!r} still shown")
            time.sleep(0.1)

    def start(self, language=0):
        """Starts on the install page (or the season page, given a record)."""
        process = self.start_tolmarin("/INSTALLDIRD:\\")
        title = self.messages(0)[6]
        return process, self.wait_main_window(title, process, language=language)

    def test_install_page_selection_and_credits(self):
        self.package()
        english = self.messages(0)
        self.set_simulator_folder(SIMULATOR_FOLDER)
        process, window = self.start()
        self.desktop.screenshot(f"{self.test_dir}/install-page.png", window)

        self.press(window, INSTALL_AIRCRAFT, RIGHT)  # any button selects
        self.desktop.wait_title(window, english[30])
        self.desktop.screenshot(f"{self.test_dir}/install-aircraft-selected.png", window)
        self.press(window, BARE_BACKGROUND)
        self.desktop.wait_title(window, english[6])

        self.press(window, INSTALL_LOGO)
        self.desktop.wait_title(window, english[29])
        self.press(window, INSTALL_LOGO)  # the shown logo: its click opens the credits
        credits = self.desktop.wait_window(english[1], process=process)
        self.desktop.screenshot(f"{self.test_dir}/credits.png", credits)
        self.desktop.close(english[1])
        self.wait_closed(english[1])
        self.desktop.wait_window(english[29], process=process)
        self.close_tolmarin(process, english[29])

    def test_season_page_selection(self):
        self.package()
        english = self.messages(0)
        self.set_simulator_folder(SIMULATOR_FOLDER)
        self.write_record(InstalledTo=SIMULATOR_FOLDER + "\\Orvanne", Season="3", Language="0",
                          Fs6InstalledTo=SIMULATOR_FOLDER)
        process = self.start_tolmarin("/INSTALLDIRD:\\")
        window = self.desktop.wait_window(english[22] + " " + english[8], process=process)
        self.desktop.screenshot(f"{self.test_dir}/season-page-summer.png", window)

        # Spring and summer overlap here: the shown summer picture takes the
        # press, and its click offers to install summer again.
        self.press(window, SEASON_SPRING_AND_SUMMER)
        question = self.desktop.answer_message_box(english[24], "&No", process=process)
        self.assertEqual(question, english[25] + " " + english[8] + " ?")
        self.desktop.wait_title(window, english[22] + " " + english[8])
        self.press(window, SEASON_WINTER_ONLY)
        self.desktop.wait_title(window, english[22] + " " + english[10])
        self.press(window, SEASON_TRASH_CAN)
        self.desktop.wait_title(window, english[27])
        self.press(window, SEASON_AIRCRAFT)
        self.desktop.wait_title(window, english[28])
        self.desktop.screenshot(f"{self.test_dir}/season-page-selected.png", window)
        self.press(window, BARE_BACKGROUND)
        self.desktop.wait_title(window, english[6])
        self.desktop.screenshot(f"{self.test_dir}/season-page-background.png", window)
        self.close_tolmarin(process, english[6])

    def test_language_dialog_offers_the_files_found_and_the_choice_holds(self):
        self.package(languages=("eng", "deu", "spa"))
        self.set_simulator_folder(SIMULATOR_FOLDER)
        process = self.start_tolmarin("/INSTALLDIRD:\\")
        dialog = self.desktop.wait_dialog(LANGUAGE_DIALOG_TITLE, process=process)
        shown = [c["text"] for c in dialog["children"] if c["class"].lower() == "button" and c["visible"]]
        self.assertEqual(shown, [self.language_name("eng"), self.language_name("deu"),
                                 self.language_name("spa")])
        self.desktop.screenshot(f"{self.test_dir}/language-dialog.png")
        self.desktop.press_button(LANGUAGE_DIALOG_TITLE, self.language_name("deu"))

        # The caption stays in language 0 until the next press sets it anew.
        window = self.desktop.wait_window(self.messages(0)[6], process=process)
        german = self.messages("deu")
        self.press(window, INSTALL_AIRCRAFT)
        self.desktop.wait_title(window, german[30])
        self.press(window, BARE_BACKGROUND)
        self.desktop.wait_title(window, german[6])
        self.close_tolmarin(process, german[6])

    def test_folder_dialog_without_the_simulators_value(self):
        self.package()
        english = self.messages(0)
        process = self.start_tolmarin("/INSTALLDIRD:\\")
        answer = {LANGUAGE_DIALOG_TITLE: lambda d: d.press_button(LANGUAGE_DIALOG_TITLE,
                                                                  self.language_name(0))}
        self.desktop.wait_window(FOLDER_DIALOG_TITLE, process=process, answer=answer)
        dialog = self.desktop.wait_dialog(FOLDER_DIALOG_TITLE)
        self.desktop.screenshot(f"{self.test_dir}/folder-dialog.png")
        buttons = [c["text"] for c in dialog["children"] if c["class"].lower() == "button"]
        self.assertEqual(buttons, ["&OK", "&Cancel"])
        self.desktop.press_button(FOLDER_DIALOG_TITLE, "&Cancel")
        text = self.desktop.answer_message_box(english[4], "OK", process=process)
        self.assertEqual(text, english[5] + " ")
        self.desktop.wait_window(english[6], process=process)
        self.close_tolmarin(process, english[6])

        # Enter presses OK, the default button: the open folder is taken and
        # nothing is said.
        process = self.start_tolmarin("/INSTALLDIRD:\\")
        dialog_window = self.desktop.wait_window(FOLDER_DIALOG_TITLE, process=process, answer=answer)
        self.xserver.xdotool("key", "--window", str(dialog_window), "Return")
        with self.desktop.watch() as watcher:
            self.desktop.wait_window(english[6], process=process)
        self.assertNotIn(english[4], [e["title"] for e in watcher.shown()])
        self.close_tolmarin(process, english[6])

    def test_layout_keeps_its_pixels_at_120_dpi(self):
        self.package()
        self.set_simulator_folder(SIMULATOR_FOLDER)
        process, window = self.start()
        self.press(window, INSTALL_AIRCRAFT)
        self.desktop.wait_title(window, self.messages(0)[30])
        at96 = f"{self.test_dir}/at-96-dpi.png"
        self.desktop.screenshot(at96, window)
        self.close_tolmarin(process, self.messages(0)[30])

        self.wine.run(["reg", "add", "HKCU\\Control Panel\\Desktop", "/v", "LogPixels",
                       "/t", "REG_DWORD", "/d", "120", "/f"])
        self.wine.shutdown()
        process, window = self.start()
        self.press(window, INSTALL_AIRCRAFT)
        self.desktop.wait_title(window, self.messages(0)[30])
        at120 = f"{self.test_dir}/at-120-dpi.png"
        self.desktop.screenshot(at120, window)
        self.close_tolmarin(process, self.messages(0)[30])

        # The picture box and everything in it is the same picture, pixel for
        # pixel. The box itself is not moved: it sits at 30 and 15 twips,
        # which is (2, 1) at 15 twips per pixel and (3, 1) at 12.
        crops = []
        for shot, left in ((at96, 2), (at120, 3)):
            crop = shot.replace(".png", "-box.png")
            subprocess.run(["convert", shot, "-crop", f"365x450+{left}+1", "+repage", crop], check=True)
            crops.append(crop)
        result = subprocess.run(["compare", "-metric", "AE", *crops, "null:"],
                                capture_output=True, text=True)
        self.assertEqual(result.stderr.strip(), "0", "pixels that differ at 120 DPI")


if __name__ == "__main__":
    unittest.main()
