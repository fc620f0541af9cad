"""End-to-end harness: tolmarin.exe under Wine on a private Xvfb.

    from harness import TolmarinTestCase

    class MyScenario(TolmarinTestCase):
        def test_it(self):
            self.make_package()                      # D:\ holds the package
            process = self.start_tolmarin("/INSTALLDIRD:\\")
            window = self.wait_main_window(self.messages(0)[6], process)
"""

from .case import LANGUAGE_DIALOG_TITLE, TolmarinTestCase, WineTestCase
from .desktop import LEFT, MIDDLE, RIGHT, Desktop
from .prefix import RECORD_KEY, SIMULATOR_KEY, UNINSTALL_KEY, WinePrefix

__all__ = ["LANGUAGE_DIALOG_TITLE", "TolmarinTestCase", "WineTestCase", "LEFT", "MIDDLE", "RIGHT",
           "Desktop", "RECORD_KEY", "SIMULATOR_KEY", "UNINSTALL_KEY", "WinePrefix"]
