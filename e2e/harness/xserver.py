"""A private Xvfb server, or the user's display."""

import os
import re
import subprocess
import time

from . import processes, reaper

SCREEN = "1024x768x24"


def display_in_use(number):
    """True unless display number is free. A lock left by a server that is gone
    does not count: Xvfb takes such a display over."""
    try:
        with open(f"/tmp/.X{number}-lock") as f:
            pid = int(f.read().strip())
    except FileNotFoundError:
        return os.path.exists(f"/tmp/.X11-unix/X{number}")
    except (OSError, ValueError):
        return True
    try:
        os.kill(pid, 0)
    except ProcessLookupError:
        return False
    except PermissionError:
        pass
    return True


def stop_server(popen):
    """Ends an Xvfb so that it removes its socket and lock; kills it if it hangs."""
    if popen.poll() is None:
        popen.terminate()
        try:
            popen.wait(10)
        except subprocess.TimeoutExpired:
            popen.kill()
            popen.wait()


def display_reachable(display, timeout=5):
    """True when an X server answers on display."""
    env = dict(os.environ, DISPLAY=display)
    try:
        result = subprocess.run(["xdotool", "getdisplaygeometry"], env=env, capture_output=True,
                                timeout=timeout, stdin=subprocess.DEVNULL)
    except (subprocess.TimeoutExpired, OSError):
        return False
    return result.returncode == 0


class XServer:
    """Xvfb on a display number nobody uses. DISPLAY is given only to the
    processes the harness starts; the harness's own environment is left alone."""

    def __init__(self, log_path, first_display=90, last_display=299):
        self.log_path = log_path
        self.display = None
        self._process = None
        self._range = range(first_display, last_display + 1)
        self._authority = None  # a private Xvfb needs none

    @classmethod
    def existing(cls, display):
        """The user's display: used as it is, never stopped."""
        server = cls(log_path=os.devnull)
        server.display = display
        server._authority = os.environ.get("XAUTHORITY")
        return server

    @property
    def private(self):
        """True for an Xvfb the harness started (and will stop)."""
        return self._process is not None

    def start(self, timeout=15):
        for number in self._range:
            if display_in_use(number):
                continue
            log = open(self.log_path, "ab")
            popen = subprocess.Popen(
                ["Xvfb", f":{number}", "-screen", "0", SCREEN, "-nolisten", "tcp", "-noreset", "-br"],
                stdin=subprocess.DEVNULL, stdout=log, stderr=log)
            log.close()
            key = reaper.register(lambda p=popen: stop_server(p))
            deadline = time.monotonic() + timeout
            while time.monotonic() < deadline:
                if popen.poll() is not None:
                    break  # another server took the number first; try the next one
                if os.path.exists(f"/tmp/.X11-unix/X{number}") and display_reachable(f":{number}"):
                    self._process = popen
                    self._reaper_key = key
                    self.display = f":{number}"
                    return self
                time.sleep(0.05)
            stop_server(popen)
            reaper.forget(key)
        raise RuntimeError(f"could not start Xvfb on any display {self._range.start}..{self._range.stop - 1}; "
                           f"see {self.log_path}")

    def stop(self):
        if self._process is not None:
            stop_server(self._process)
            reaper.forget(self._reaper_key)
            self._process = None

    def env(self):
        """What the harness adds to the environment of X clients it starts."""
        env = {"DISPLAY": self.display, "LANG": "C.UTF-8"}
        if self._authority:
            env["XAUTHORITY"] = self._authority
        return env

    def xdotool(self, *args, timeout=10, check=True):
        env = dict(os.environ, **self.env())
        env.pop("LC_ALL", None)
        return processes.run(["xdotool", *args], env=env, cwd="/", timeout=timeout, check=check)

    def screenshot(self, path, window=None):
        """The whole screen (or one X window) as a PNG."""
        env = dict(os.environ, **self.env())
        target = str(window) if window is not None else "root"
        processes.run(["import", "-display", self.display, "-window", target, path],
                      env=env, cwd="/", timeout=30)
        return path


def pixel(path, x, y):
    """The (red, green, blue) of one pixel of a picture file, 0 to 255 each."""
    result = processes.run(["convert", path, "-crop", f"1x1+{x}+{y}", "-depth", "8", "txt:-"],
                           env=os.environ.copy(), cwd="/", timeout=30)
    match = re.search(r"#([0-9A-Fa-f]{6})", result.stdout.decode("ascii", "replace"))
    if not match:
        raise ValueError(f"no pixel at {x},{y} in {path}")
    value = match.group(1)
    return tuple(int(value[i:i + 2], 16) for i in (0, 2, 4))
