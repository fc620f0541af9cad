"""Windows of one Wine session on one X display: find, read, press, answer.

Window titles and mouse presses go through xdotool: without a window
manager an X window is exactly a Win32 window's client area, so the
coordinates sent are client coordinates. Message boxes and dialogs are read
and answered with winhelper.exe, which runs in the same prefix and sees
every window of the session, with the exact texts of their controls.
"""

import json
import re
import time

POLL_SECONDS = 0.1
MESSAGE_BOX_CLASS = "#32770"
LEFT, MIDDLE, RIGHT = 1, 2, 3


def ere_escape(text):
    """text as a POSIX extended regular expression that matches it literally."""
    return re.sub(r"([.\[\](){}*+?|^$\\])", r"\\\1", text)


class Desktop:
    def __init__(self, prefix, xserver, winhelper):
        self.prefix = prefix
        self.xserver = xserver
        self.winhelper = winhelper

    # X windows, by title.

    def find_windows(self, title=None, pid=None):
        """X ids of the visible windows with exactly this title (and unix pid)."""
        args = ["search", "--onlyvisible"]
        if pid is not None:
            args += ["--pid", str(pid)]
        args += ["--name", "^" + ere_escape(title) + "$" if title is not None else ""]
        result = self.xserver.xdotool(*args, check=False)
        ids = [int(line) for line in result.stdout.split()]
        if title is None:
            return ids
        # xdotool matches a regular expression; keep exact matches only.
        return [i for i in ids if self.window_title(i) == title]

    def window_title(self, window):
        result = self.xserver.xdotool("getwindowname", str(window), check=False)
        return result.stdout.decode("utf-8", "replace").rstrip("\n") if result.returncode == 0 else None

    def visible_titles(self, pid=None):
        return [self.window_title(i) for i in self.find_windows(pid=pid)]

    def wait_window(self, title, timeout=30, process=None, answer=None):
        """Waits until a visible window has this exact title; returns its X id.

        process: fail at once when this Process ends first. answer: a dict of
        dialog titles to callables, each called once when that dialog shows on
        the way (a language question, a folder dialog).
        """
        answer = dict(answer or {})
        deadline = time.monotonic() + timeout
        while True:
            found = self.find_windows(title)
            if found:
                return found[0]
            for dialog in list(answer):
                if self.find_windows(dialog):
                    answer.pop(dialog)(self)
            if process is not None and not process.running():
                raise AssertionError(f"{process.name} ended (code {process.returncode}) before a "
                                     f"window {title!r} appeared; visible: {self.visible_titles()!r}")
            if time.monotonic() > deadline:
                raise AssertionError(f"no window {title!r} within {timeout} s; visible: "
                                     f"{self.visible_titles()!r}")
            time.sleep(POLL_SECONDS)

    def wait_title(self, window, expected, timeout=10):
        """Waits until the X window's title is expected; returns it."""
        deadline = time.monotonic() + timeout
        while True:
            title = self.window_title(window)
            if title == expected:
                return title
            if time.monotonic() > deadline:
                raise AssertionError(f"title is {title!r}, not {expected!r}, after {timeout} s")
            time.sleep(POLL_SECONDS)

    def click(self, window, x, y, button=LEFT):
        """Presses and releases a mouse button at client coordinates of a window."""
        self.xserver.xdotool("mousemove", "--window", str(window), str(x), str(y),
                             "click", str(button))

    def move(self, window, x, y):
        self.xserver.xdotool("mousemove", "--window", str(window), str(x), str(y))

    def screenshot(self, path, window=None):
        return self.xserver.screenshot(path, window)

    # Win32 windows, through winhelper.

    def _helper(self, *args, check=True):
        return self.prefix.run([self.winhelper, *args], timeout=30, check=check)

    def list_windows(self):
        """Every top-level window of the session, as winhelper describes it."""
        return json.loads(self._helper("list").stdout.decode("utf-8"))

    def find_dialog(self, title):
        """The visible top-level window with this title, with its controls; or None."""
        for window in self.list_windows():
            if window["visible"] and window["title"] == title:
                return window
        return None

    def wait_dialog(self, title, timeout=30, process=None):
        deadline = time.monotonic() + timeout
        while True:
            dialog = self.find_dialog(title)
            if dialog is not None:
                return dialog
            if process is not None and not process.running():
                raise AssertionError(f"{process.name} ended (code {process.returncode}) before "
                                     f"a dialog {title!r} appeared")
            if time.monotonic() > deadline:
                shown = [w["title"] for w in self.list_windows() if w["visible"]]
                raise AssertionError(f"no dialog {title!r} within {timeout} s; visible: {shown!r}")
            time.sleep(POLL_SECONDS)

    def wait_message_box(self, title, timeout=30, process=None):
        """Waits for a message box; returns {'text', 'buttons', 'hwnd', ...}."""
        box = self.wait_dialog(title, timeout, process)
        if box["class"] != MESSAGE_BOX_CLASS:
            raise AssertionError(f"window {title!r} is a {box['class']}, not a message box")
        box["buttons"] = [c["text"].replace("&", "") for c in box["children"]
                          if c["class"].lower() == "button" and c["visible"]]
        return box

    def press_button(self, window, button):
        """Clicks a button of a window (handle or exact title) by its text or id."""
        self._helper("click", str(window), str(button))

    def answer_message_box(self, title, button, timeout=30, process=None):
        """Waits for a message box, answers it with a button; returns its text."""
        box = self.wait_message_box(title, timeout, process)
        self.press_button(box["hwnd"], button)
        self._wait_gone(box["hwnd"], timeout)
        return box["text"]

    def _wait_gone(self, hwnd, timeout):
        deadline = time.monotonic() + timeout
        while any(w["hwnd"] == hwnd and w["visible"] for w in self.list_windows()):
            if time.monotonic() > deadline:
                raise AssertionError(f"window {hwnd} still shown {timeout} s after it was answered")
            time.sleep(POLL_SECONDS)

    def close(self, window):
        """Asks a window (handle or exact title) to close, as its close box does."""
        self._helper("close", str(window))

    def watch(self, interval_ms=10):
        """A Watcher that records windows shown, retitled, hidden and destroyed."""
        return Watcher(self, interval_ms)


class Watcher:
    """winhelper watch, running while a test does something.

        with desktop.watch() as watcher:
            ...
        watcher.events  # dicts: event, ms, hwnd, exe, class, title, ...
    """

    def __init__(self, desktop, interval_ms):
        self._desktop = desktop
        self._interval_ms = interval_ms
        self._process = None
        self.events = []

    def __enter__(self):
        self._process = self._desktop.prefix.start(
            [self._desktop.winhelper, "watch", str(self._interval_ms)], name="winhelper-watch",
            read_lines=True)
        self._process.wait_line(lambda line: isinstance(line, dict) and line.get("event") == "ready", 30)
        return self

    def __exit__(self, *exc):
        self.stop()
        return False

    def stop(self):
        if self._process is not None:
            # One more poll interval so that the last changes are seen.
            time.sleep(max(self._interval_ms, 10) * 3 / 1000)
            self._process.kill()
            self.events = [line for line in self._process.lines
                           if isinstance(line, dict) and line.get("event") != "ready"]
            self._process = None

    def shown(self, exe=None):
        """Windows shown while watching; exe filters by program file name."""
        return [e for e in self.events if e["event"] == "shown"
                and (exe is None or e.get("exe", "").lower() in (exe.lower(), ""))]
