"""Private 32-bit Wine prefixes that reach no host file outside the test.

A pristine prefix is made once (wineboot takes about 10 s) and kept below
the build folder; every test gets its own copy (cp -a takes about 1.5 s),
so no test sees what another one left in the registry or on C:.

Wine links more than Z: to the host: the user folders under
drive_c/users/<name> point into $HOME. Both are cut: dosdevices keeps only
c: and the drives a test maps, and every link under drive_c that leaves the
prefix becomes an empty folder. Wine's processes also get a HOME of the
test's own, so nothing they make lands in the real one.
"""

import fcntl
import os
import re
import shutil
import subprocess
import time

from . import processes, reaper

# Raise when the preparation of the pristine prefix changes, so old copies are remade.
PRISTINE_FORMAT = 1

# Registry keys the program and its tests use.
RECORD_KEY = r"HKLM\SOFTWARE\Ostrel\Durirezo Orvanne"
UNINSTALL_KEY = r"HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Durirezo Orvanne"
SIMULATOR_KEY = r"HKLM\SOFTWARE\Microsoft\Games\Flight Simulator\6.0"

# Wine's reg.exe writes to a pipe in the prefix's OEM code page.
REG_OUTPUT_ENCODING = "cp437"
REG_VALUE_LINE = re.compile(r"^ {4}(.*?) {4}(REG_[A-Z_]+) {4}(.*)$")


def wine_version():
    return subprocess.run(["wine", "--version"], capture_output=True, text=True,
                          timeout=30).stdout.strip()


def base_env(prefix_dir, home_dir):
    """The environment of every Wine process: only what Wine needs, no DISPLAY."""
    env = {
        "PATH": os.environ.get("PATH", "/usr/bin:/bin"),
        "HOME": home_dir,
        "USER": os.environ.get("USER", "root"),
        "LOGNAME": os.environ.get("LOGNAME", os.environ.get("USER", "root")),
        "LANG": "C.UTF-8",
        "WINEARCH": "win32",
        "WINEPREFIX": prefix_dir,
        "WINEDEBUG": os.environ.get("TOLMARIN_E2E_WINEDEBUG", "-all"),
        # No Mono or Gecko download prompts, no menu entries or desktop files.
        "WINEDLLOVERRIDES": "mscoree,mshtml=;winemenubuilder.exe=d",
    }
    return env


def inside(path, folder):
    path = os.path.realpath(path)
    folder = os.path.realpath(folder)
    return path == folder or path.startswith(folder + os.sep)


def cut_host_links(prefix_dir):
    """Removes every way out of the prefix that Wine set up by itself."""
    dosdevices = os.path.join(prefix_dir, "dosdevices")
    for entry in os.listdir(dosdevices):
        if entry != "c:":
            os.unlink(os.path.join(dosdevices, entry))
    drive_c = os.path.join(prefix_dir, "drive_c")
    for folder, dirs, files in os.walk(drive_c):
        for name in dirs + files:
            path = os.path.join(folder, name)
            if os.path.islink(path) and not inside(path, prefix_dir):
                os.unlink(path)
                os.mkdir(path)


def host_links(prefix_dir, allowed):
    """Links of the prefix that lead outside it and outside the allowed folders.

    Serial and parallel port links (com1, lpt1) that Wine adds on its own are
    devices, not files, and are not counted.
    """
    found = []
    dosdevices = os.path.join(prefix_dir, "dosdevices")
    if not os.path.isdir(dosdevices):
        return found
    for entry in os.listdir(dosdevices):
        path = os.path.join(dosdevices, entry)
        if re.fullmatch(r"(com|lpt)\d+", entry) and os.readlink(path).startswith("/dev/"):
            continue
        if not inside(path, prefix_dir) and not any(inside(path, a) for a in allowed):
            found.append(f"{path} -> {os.path.realpath(path)}")
    for folder, dirs, files in os.walk(os.path.join(prefix_dir, "drive_c")):
        for name in dirs + files:
            path = os.path.join(folder, name)
            if os.path.islink(path) and not inside(path, prefix_dir):
                found.append(f"{path} -> {os.path.realpath(path)}")
    return found


def ensure_pristine(work_dir):
    """The path of the pristine prefix below work_dir, made first if needed.

    A lock file keeps two test processes from making it at the same time; the
    stamp, written last, names the Wine version and the preparation format,
    so a half-made or outdated prefix is made again.
    """
    os.makedirs(work_dir, exist_ok=True)
    pristine = os.path.join(work_dir, "pristine-prefix")
    stamp_path = os.path.join(pristine, "tolmarin-e2e-stamp")
    stamp = f"{wine_version()} format {PRISTINE_FORMAT}\n"
    with open(os.path.join(work_dir, "pristine.lock"), "w") as lock:
        fcntl.flock(lock, fcntl.LOCK_EX)
        try:
            with open(stamp_path) as f:
                if f.read() == stamp:
                    return pristine
        except OSError:
            pass
        building = os.path.join(work_dir, "pristine-prefix.new")
        home = os.path.join(work_dir, "pristine-home")
        for old in (building, home):
            if os.path.exists(old):
                stop_wineserver(old, home)
                shutil.rmtree(old)
        os.makedirs(home)
        env = base_env(building, home)
        started = time.monotonic()
        processes.run(["wineboot", "-i"], env=env, cwd=work_dir, timeout=300)
        processes.run(["wineserver", "-w"], env=env, cwd=work_dir, timeout=120)
        cut_host_links(building)
        with open(os.path.join(building, "tolmarin-e2e-stamp"), "w") as f:
            f.write(stamp)
        if os.path.exists(pristine):
            shutil.rmtree(pristine)
        os.rename(building, pristine)
        shutil.rmtree(home)
        print(f"harness: made the pristine Wine prefix in {time.monotonic() - started:.1f} s")
        return pristine


def stop_wineserver(prefix_dir, home_dir):
    """Ends the wineserver of one private prefix, and with it its processes."""
    if not os.path.isdir(prefix_dir):
        return
    env = base_env(prefix_dir, home_dir)
    processes.run(["wineserver", "-k"], env=env, cwd="/", timeout=30, check=False)
    processes.run(["wineserver", "-w"], env=env, cwd="/", timeout=60, check=False)


class WinePrefix:
    """One test's prefix: drives, programs and registry.

    root holds the prefix, the HOME Wine gets and the logs. Drives map
    folders the test made; C: is the prefix's own drive_c.
    """

    def __init__(self, root, display_env=None):
        self.root = root
        self.path = os.path.join(root, "prefix")
        self.home = os.path.join(root, "home")
        self.logs = os.path.join(root, "logs")
        self.display_env = dict(display_env or {})
        self.drives = {"c": os.path.join(self.path, "drive_c")}
        self._processes = []
        self._server_key = None

    @classmethod
    def create(cls, root, work_dir, winhelper, display_env=None):
        """A fresh copy of the pristine prefix in root/prefix (which must not exist yet)."""
        pristine = ensure_pristine(work_dir)
        prefix = cls(root, display_env)
        if os.path.lexists(prefix.path):
            raise FileExistsError(f"{prefix.path} exists; a new prefix needs a new folder")
        for folder in (root, prefix.home, prefix.logs):
            os.makedirs(folder, exist_ok=True)
        processes.run(["cp", "-a", pristine, prefix.path], env=os.environ.copy(), cwd="/", timeout=300)
        cut_host_links(prefix.path)
        prefix._start_server()
        prefix._start_session(winhelper)
        return prefix

    def _start_server(self):
        # A persistent wineserver keeps each wine call short (no server start
        # per call); shutdown() ends it.
        # The server puts itself in the background; it must not hold our pipes.
        subprocess.run(["wineserver", "-p"], env=self.env(), cwd="/", stdin=subprocess.DEVNULL,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=30, check=True)
        self._server_key = reaper.register(lambda: stop_wineserver(self.path, self.home))

    def _start_session(self, winhelper):
        # While one program of ours runs, Wine's services stay up: later
        # programs start in a fraction of the time, and the services are
        # not started by (and tied to the output pipes of) a test's program.
        self.start([winhelper, "idle"], name="session-keeper")
        self.run([winhelper, "cwd"], timeout=120)

    def env(self, extra=None):
        env = base_env(self.path, self.home)
        env.update(self.display_env)
        env.update(extra or {})
        return env

    # Drives and paths.

    def map_drive(self, letter, host_dir):
        """Maps a folder the test made as a drive (d, e, ...)."""
        letter = letter.lower()
        if not re.fullmatch(r"[d-y]", letter):
            raise ValueError(f"drive letter {letter!r}: use d to y (c is the prefix's own)")
        if letter in self.drives:
            raise ValueError(f"drive {letter}: is already mapped to {self.drives[letter]}")
        if not os.path.isdir(host_dir):
            raise FileNotFoundError(f"{host_dir} is not a folder")
        host_dir = os.path.realpath(host_dir)
        os.symlink(host_dir, os.path.join(self.path, "dosdevices", letter + ":"))
        self.drives[letter] = host_dir

    def windows_path(self, host_path):
        """The Windows path of a host path on a mapped drive."""
        real = os.path.realpath(host_path)
        for letter, folder in sorted(self.drives.items(), key=lambda item: -len(item[1])):
            folder = os.path.realpath(folder)
            if inside(real, folder):
                rest = os.path.relpath(real, folder)
                return f"{letter.upper()}:\\" + ("" if rest == "." else rest.replace("/", "\\"))
        raise ValueError(f"{host_path} is on no mapped drive")

    def host_path(self, windows_path):
        """The host path of a Windows path on a mapped drive (letter case kept as given)."""
        match = re.fullmatch(r"([A-Za-z]):\\?(.*)", windows_path)
        if not match or match.group(1).lower() not in self.drives:
            raise ValueError(f"{windows_path} is on no mapped drive")
        rest = match.group(2).replace("\\", "/")
        return os.path.join(self.drives[match.group(1).lower()], rest) if rest else self.drives[match.group(1).lower()]

    def host_links(self):
        """Ways out of the test's folders; empty unless something is wrong."""
        return host_links(self.path, [self.root])

    # Programs.

    def start(self, args, cwd=None, name=None, read_lines=False, extra_env=None):
        """Starts `wine args...` without waiting; cwd is a host folder on a mapped drive."""
        cwd = cwd or self.drives["c"]
        self.windows_path(cwd)  # raises when Wine could not start there
        name = name or os.path.basename(args[0].replace("\\", "/"))
        log = os.path.join(self.logs, f"{name}.{len(self._processes) + 1}.log")
        process = processes.Process(["wine", *args], env=self.env(extra_env), cwd=cwd,
                                    log_path=log, read_lines=read_lines, name=name)
        self._processes.append(process)
        return process

    def run(self, args, cwd=None, timeout=60, check=True):
        """Runs `wine args...` to its end; returns its CompletedProcess."""
        return processes.run(["wine", *args], env=self.env(), cwd=cwd or self.drives["c"],
                             timeout=timeout, check=check)

    # Registry, through Wine's reg.exe.

    def reg_add(self, key, name, data, kind="REG_SZ"):
        self.run(["reg", "add", key, "/v", name, "/t", kind, "/d", data, "/f"])

    def reg_delete(self, key, name=None):
        """Deletes a value, or the whole key with name None; a missing one is no error."""
        args = ["reg", "delete", key] + (["/v", name] if name is not None else []) + ["/f"]
        self.run(args, check=False)

    def reg_values(self, key):
        """All values of a key as {name: (type, data)}; None when the key is missing."""
        result = self.run(["reg", "query", key], check=False)
        if result.returncode != 0:
            return None
        values = {}
        for line in result.stdout.decode(REG_OUTPUT_ENCODING).splitlines():
            match = REG_VALUE_LINE.match(line)
            if match:
                values[match.group(1)] = (match.group(2), match.group(3))
        return values

    def reg_query(self, key, name):
        """The data of one value as text; None when the key or value is missing."""
        values = self.reg_values(key)
        if values is None or name not in values:
            return None
        return values[name][1]

    def uninstaller_list(self):
        """The system's list of removable programs, one display name per line."""
        result = self.run(["uninstaller", "--list"], check=False)
        lines = result.stdout.decode(REG_OUTPUT_ENCODING, "replace").splitlines()
        return [line.split("|||", 1)[-1].strip() for line in lines if line.strip()]

    # End.

    def shutdown(self):
        """Kills the processes this prefix started, by id, then its own wineserver."""
        for process in self._processes:
            process.kill()
        stop_wineserver(self.path, self.home)
        if self._server_key is not None:
            reaper.forget(self._server_key)
            self._server_key = None

    def remove(self):
        """Removes the prefix copy (the logs stay). Links are removed, never followed."""
        if os.path.exists(self.path):
            shutil.rmtree(self.path)
