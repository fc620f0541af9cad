"""Stops whatever the harness started if the run ends early.

Every process, Wine prefix and X server the harness starts is registered
here and unregistered when it is stopped normally. When the run is killed
(ctest's timeout sends SIGTERM) or exits with something still registered,
reap() stops exactly those, by process id and by private prefix.
"""

import atexit
import os
import signal
import sys
import threading

_lock = threading.Lock()
_stoppers = {}
_next_key = 0


def register(stopper):
    """Remembers a callable that stops one thing; returns a key for forget()."""
    global _next_key
    with _lock:
        _next_key += 1
        _stoppers[_next_key] = stopper
        return _next_key


def forget(key):
    with _lock:
        _stoppers.pop(key, None)


def reap():
    """Runs the stoppers, newest first; one that fails does not stop the others."""
    with _lock:
        stoppers = [_stoppers[key] for key in sorted(_stoppers, reverse=True)]
        _stoppers.clear()
    for stopper in stoppers:
        try:
            stopper()
        except Exception as error:  # a stopper of a thing already gone
            print(f"harness: cleanup step failed: {error}", file=sys.stderr)


def kill_pid(pid):
    try:
        os.kill(pid, signal.SIGKILL)
    except ProcessLookupError:
        pass


def install_signal_handlers():
    def on_signal(number, _frame):
        reap()
        sys.exit(128 + number)

    for number in (signal.SIGTERM, signal.SIGINT, signal.SIGHUP):
        signal.signal(number, on_signal)


atexit.register(reap)

__all__ = ["register", "forget", "reap", "kill_pid", "install_signal_handlers"]
