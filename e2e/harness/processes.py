"""Processes the harness starts, each stopped by its own id."""

import json
import subprocess
import tempfile
import threading
import time

from . import reaper


class Process:
    """One started process. Output goes to a log file, or is read line by line.

    With read_lines, every stdout line is kept in .lines (parsed as JSON when
    it is JSON), so a test can wait for a line without the pipe filling up.
    """

    def __init__(self, args, env, cwd, log_path, read_lines=False, name=None):
        self.name = name or args[0]
        self.args = list(args)
        self.log_path = log_path
        self.lines = []
        self._condition = threading.Condition()
        self._log = open(log_path, "ab")
        self._popen = subprocess.Popen(
            args, env=env, cwd=cwd, stdin=subprocess.DEVNULL,
            stdout=subprocess.PIPE if read_lines else self._log, stderr=self._log)
        self.pid = self._popen.pid
        self._reaper_key = reaper.register(self.kill)
        self._reader = None
        if read_lines:
            self._reader = threading.Thread(target=self._read, daemon=True)
            self._reader.start()

    def _read(self):
        for raw in self._popen.stdout:
            text = raw.decode("utf-8", "replace").rstrip("\r\n")
            try:
                item = json.loads(text)
            except ValueError:
                item = text
            with self._condition:
                self.lines.append(item)
                self._condition.notify_all()
        with self._condition:
            self._condition.notify_all()

    def wait_line(self, predicate, timeout):
        """Returns the first line for which predicate is true; fails after timeout."""
        deadline = time.monotonic() + timeout
        with self._condition:
            seen = 0
            while True:
                for item in self.lines[seen:]:
                    if predicate(item):
                        return item
                seen = len(self.lines)
                remaining = deadline - time.monotonic()
                if remaining <= 0:
                    raise TimeoutError(f"{self.name}: no expected output line within {timeout} s; "
                                       f"got {self.lines!r}")
                if self._popen.poll() is not None and (self._reader is None or not self._reader.is_alive()):
                    raise RuntimeError(f"{self.name} ended (code {self._popen.returncode}) before "
                                       f"the expected output line; got {self.lines!r}")
                self._condition.wait(min(remaining, 0.2))

    @property
    def returncode(self):
        return self._popen.poll()

    def running(self):
        return self._popen.poll() is None

    def wait(self, timeout):
        """The exit code; raises TimeoutError while it still runs after timeout."""
        try:
            code = self._popen.wait(timeout)
        except subprocess.TimeoutExpired:
            raise TimeoutError(f"{self.name} still runs after {timeout} s") from None
        self._finish()
        return code

    def kill(self):
        """Kills exactly this process (by its id) if it still runs."""
        if self._popen.poll() is None:
            self._popen.kill()
            try:
                self._popen.wait(10)
            except subprocess.TimeoutExpired:
                pass
        self._finish()

    def _finish(self):
        reaper.forget(self._reaper_key)
        if self._reader is not None:
            self._reader.join(5)
        if not self._log.closed:
            self._log.close()

    def log_text(self):
        with open(self.log_path, "rb") as f:
            return f.read().decode("utf-8", "replace")


def run(args, env, cwd, timeout, check=True):
    """Runs a short command to its end and returns its CompletedProcess.

    Output goes through temporary files, not pipes: the first Wine program of
    a prefix starts Wine's own services, which inherit its output handles and
    outlive it, so reading a pipe to its end would wait for them.
    """
    with tempfile.TemporaryFile() as out, tempfile.TemporaryFile() as err:
        popen = subprocess.Popen(args, env=env, cwd=cwd, stdin=subprocess.DEVNULL, stdout=out, stderr=err)
        try:
            code = popen.wait(timeout)
        except subprocess.TimeoutExpired:
            popen.kill()
            popen.wait()
            raise TimeoutError(f"{' '.join(args)} did not end within {timeout} s") from None
        out.seek(0)
        err.seek(0)
        completed = subprocess.CompletedProcess(args, code, out.read(), err.read())
    if check and completed.returncode != 0:
        raise RuntimeError(f"{' '.join(args)} failed with code {completed.returncode}: "
                           f"{completed.stderr.decode('utf-8', 'replace').strip()}")
    return completed
