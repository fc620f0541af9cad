#!/usr/bin/env python3
"""Times the install of two generated packages under Wine against baselines
measured in the same run.

    install_bench.py [--build-dir build/win32] [--repeat N] [--keep]

Packages: one of about 85 MB in large files, one of 5,000 small files. For
each, the same files (the content lists and today's season) are copied
three ways, on the same disks:

  cp        plain cp on the host, one "cp -r" per folder
  CopyFileA a bare CopyFileA loop under the same Wine prefix (copy_loop.exe)
  tolmarin  tolmarin.exe's install

For the two copies under Wine the time is the span of the copied files'
change times, the copy alone ("copying"); for tolmarin the whole install is
timed too, from the Yes to the completion message ("install": it adds the
patch, the list, the registry and the closing of the question). The ratios
to both baselines are printed, each the median of --repeat runs. This is a measurement to read, not a test:
it passes or fails nothing.

Everything is made below <build>/bench/run (the Wine prefix has no drive
that reaches the host's root) and removed at the end unless --keep.
"""

import argparse
import datetime
import os
import re
import shutil
import statistics
import subprocess
import sys
import time

HERE = os.path.dirname(os.path.abspath(__file__))
SOURCE_DIR = os.path.dirname(HERE)
sys.path.insert(0, os.path.join(SOURCE_DIR, "e2e"))

from harness import package, reaper  # noqa: E402
from harness.desktop import Desktop  # noqa: E402
from harness.prefix import RECORD_KEY, SIMULATOR_KEY, UNINSTALL_KEY, WinePrefix, inside  # noqa: E402
from harness.xserver import XServer  # noqa: E402

SIMULATOR = "C:\\FS95"
LANGUAGE_DIALOG_TITLE = "LANGUAGE SELECTION"
# Client pixel of a point of the install page's aircraft (background at (4, 3)).
INSTALL_AIRCRAFT = (4 + 180, 3 + 230)
# Package folder -> target below the simulator folder, as the install copies them.
TARGETS = {"SCENERY": "Orvanne\\SCENERY", "TEXTURE": "Orvanne\\TEXTURE", "MOD": "PILOTS",
           "VID": "VIDEOS", "ADV": "ADV", "WAV_WPP": "ADV\\WAV", "SC_BGL": "Orvanne"}
SEASON_FOLDERS = {1: "WINTER", 2: "SPRING", 3: "SUMMER", 4: "FALL"}
SEASON_NAMES = {1: 10, 2: 7, 3: 8, 4: 9}  # message numbers


def load(name):
    return package.load_demo_module(name, SOURCE_DIR)


def season_today():
    today = datetime.date.today()
    key = today.month * 31 + today.day
    return 2 if 114 <= key < 207 else 3 if 207 <= key < 300 else 4 if 300 <= key < 393 else 1


def add_files(folder, count, size, prefix):
    os.makedirs(folder, exist_ok=True)
    for i in range(count):
        with open(os.path.join(folder, f"{prefix}{i:05d}.DAT"), "wb") as f:
            f.write(os.urandom(size))


def large_package(folder):
    """About 85 MB: the demo package and 1,000,000-byte files in six folders."""
    for name, count in (("SCENERY", 30), ("TEXTURE", 30), ("VID", 12), ("MOD", 5), ("ADV", 2),
                        ("SC_BGL", 3)):
        add_files(os.path.join(folder, name), count, 1_000_000, "BIG")


def small_package(folder):
    """5,000 files of 2 KB beside the demo package's own."""
    add_files(os.path.join(folder, "SCENERY"), 2500, 2048, "S")
    add_files(os.path.join(folder, "TEXTURE"), 2500, 2048, "T")


def copied_folders(package_dir):
    """(package folder, target below the simulator) for everything the install copies."""
    pairs = [(name, target) for name, target in TARGETS.items()]
    pairs.append((SEASON_FOLDERS[season_today()], "Orvanne\\TEXTURE"))
    return pairs


def change_span(folders):
    """Seconds from the first to the last change of the files in these folders.

    A copy keeps the source's modification time, but the change time (ctime)
    of each new file is when it was written or had its attributes set; the
    span is the copy itself, without starting the program or closing a box.
    """
    times = [entry.stat().st_ctime_ns for folder in set(folders) for entry in os.scandir(folder)
             if entry.is_file()]
    return (max(times) - min(times)) / 1e9


def tree_size(folder, names):
    files = size = 0
    for name in names:
        for entry in os.scandir(os.path.join(folder, name)):
            if entry.is_file():
                files += 1
                size += entry.stat().st_size
    return files, size


class Bench:
    def __init__(self, build_dir, keep):
        self.build = os.path.abspath(build_dir)
        self.exe = os.path.join(self.build, "src", "tolmarin.exe")
        self.winhelper = os.path.join(self.build, "e2e", "winhelper.exe")
        self.loop = os.path.join(self.build, "bench", "copy_loop.exe")
        self.fltsim95 = os.path.join(self.build, "demo", "fltsim95.exe")
        for path in (self.exe, self.winhelper, self.loop, self.fltsim95):
            if not os.path.isfile(path):
                raise SystemExit(f"install_bench: {path} is missing: build the win32 preset first")
        self.root = os.path.join(self.build, "bench", "run")
        self.e2e_work = os.path.join(self.build, "e2e", "work")  # the shared pristine prefix
        self.keep = keep
        self.simulator = load("make_demo_simulator")

    def __enter__(self):
        if os.path.exists(self.root):
            self.remove(self.root)
        os.makedirs(self.root)
        self.xserver = XServer(os.path.join(self.root, "xvfb.log")).start()
        self.wine = WinePrefix.create(os.path.join(self.root, "wine"), self.e2e_work, self.winhelper,
                                      self.xserver.env())
        self.desktop = Desktop(self.wine, self.xserver, self.winhelper)
        return self

    def __exit__(self, *exc):
        self.wine.shutdown()
        self.xserver.stop()
        if not self.keep:
            self.remove(self.root)
        return False

    def remove(self, folder):
        if not inside(folder, self.build):
            raise RuntimeError(f"{folder} is outside {self.build}")
        shutil.rmtree(folder)

    def host(self, windows_path):
        return self.wine.host_path(windows_path)

    def fresh(self, windows_path):
        """An empty folder at a path on the prefix's C: (removed first if there)."""
        path = self.host(windows_path)
        if os.path.exists(path):
            self.remove(path)
        os.makedirs(path)
        return path

    # The three ways to copy.

    def time_cp(self, package_dir, pairs):
        target = os.path.join(self.root, "cp-target")
        if os.path.exists(target):
            self.remove(target)
        started = time.perf_counter()
        for source, to in pairs:
            destination = os.path.join(target, to.replace("\\", "/"))
            os.makedirs(destination, exist_ok=True)
            subprocess.run(["cp", "-r", os.path.join(package_dir, source) + "/.", destination], check=True)
        return time.perf_counter() - started

    def time_copy_loop(self, drive, pairs):
        self.fresh("C:\\LOOP")
        args = []
        for source, to in pairs:
            os.makedirs(self.host(f"C:\\LOOP\\{to}"), exist_ok=True)
            args += [f"{drive}:\\{source}", f"C:\\LOOP\\{to}"]
        result = self.wine.run([self.loop, *args], timeout=600)
        match = re.search(r"(\d+) files ([0-9.]+) ms", result.stdout.decode("ascii", "replace"))
        if not match:
            raise RuntimeError(f"copy_loop said: {result.stdout!r} {result.stderr!r}")
        return change_span([self.host(f"C:\\LOOP\\{to}") for _, to in pairs]), int(match.group(1))

    def time_install(self, drive, package_dir, pairs):
        messages = package.language_messages(package_dir, 0)
        self.wine.reg_delete(RECORD_KEY)
        self.wine.reg_delete(UNINSTALL_KEY)
        self.simulator.make_simulator(self.fresh(SIMULATOR), self.fltsim95, SIMULATOR)
        self.wine.reg_add(SIMULATOR_KEY, "InstalledTo", SIMULATOR)

        exe = self.wine.windows_path(os.path.join(package_dir, "tolmarin.exe"))
        process = self.wine.start([exe, f"/INSTALLDIR{drive}:\\"], cwd=package_dir, name="tolmarin")
        name = package.language_name(package_dir, 0)
        window = self.desktop.wait_window(messages[6], process=process, answer={
            LANGUAGE_DIALOG_TITLE: lambda d: d.press_button(LANGUAGE_DIALOG_TITLE, name)})
        self.desktop.click(window, *INSTALL_AIRCRAFT)
        self.desktop.wait_title(window, messages[30])
        self.desktop.click(window, *INSTALL_AIRCRAFT)
        question = self.desktop.wait_window(messages[14], process=process)

        # Both ends are seen from the host (xdotool), not from inside Wine,
        # so that nothing else runs in the prefix while it copies.
        started = time.perf_counter()
        self.xserver.xdotool("key", "--window", str(question), "y")
        while not [w for w in self.desktop.find_windows(messages[14]) if w != question]:
            if not process.running():
                raise RuntimeError("tolmarin ended during the install")
            time.sleep(0.01)
        elapsed = time.perf_counter() - started
        box = self.desktop.wait_message_box(messages[14], process=process)
        if not box["text"].startswith(messages[17]):
            raise RuntimeError(f"the install did not complete: {box['text']!r}")
        self.desktop.press_button(box["hwnd"], "OK")
        season_page = messages[22] + " " + messages[SEASON_NAMES[season_today()]]
        self.desktop.wait_title(window, season_page)
        self.desktop.close(season_page)
        process.wait(30)
        copied = [self.host(f"{SIMULATOR}\\{to}") for _, to in pairs]
        return elapsed, change_span(copied)

    # One package.

    def run_case(self, label, drive, fill, repeat):
        package_dir = os.path.join(self.root, f"package-{label}")
        package.make_package(package_dir, self.exe, SOURCE_DIR, ("eng",), work_dir=self.e2e_work)
        fill(package_dir)
        self.wine.map_drive(drive, package_dir)
        pairs = copied_folders(package_dir)
        files, size = tree_size(package_dir, [source for source, _ in pairs])
        self.time_cp(package_dir, pairs)  # reads every file once, so all runs find them cached

        cp, loop, install, copy_phase = [], [], [], []
        for _ in range(repeat):
            cp.append(self.time_cp(package_dir, pairs))
            seconds, looped = self.time_copy_loop(drive, pairs)
            loop.append(seconds)
            whole, copying = self.time_install(drive, package_dir, pairs)
            install.append(whole)
            copy_phase.append(copying)
        if looped != files:
            raise RuntimeError(f"copy_loop copied {looped} files, not {files}")
        return {"case": label, "files": files, "megabytes": size / 1e6, "cp": statistics.median(cp),
                "loop": statistics.median(loop), "install": statistics.median(install),
                "copying": statistics.median(copy_phase)}


def main(argv=None):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--build-dir", default=os.path.join(SOURCE_DIR, "build", "win32"))
    parser.add_argument("--repeat", type=int, default=1, help="runs of each measurement (median)")
    parser.add_argument("--keep", action="store_true", help="keep <build>/bench/run afterwards")
    args = parser.parse_args(argv)
    reaper.install_signal_handlers()

    with Bench(args.build_dir, args.keep) as bench:
        results = [bench.run_case("85MB", "d", large_package, args.repeat),
                   bench.run_case("5000-files", "e", small_package, args.repeat)]

    # "copying" is the span of the copied files' change times (the copy alone);
    # "install" runs from the Yes to the completion message.
    print(f"{'package':<11} {'files':>6} {'MB':>5} {'cp s':>6} {'CopyFileA s':>11} {'copying s':>9}"
          f" {'install s':>9}   ratios: copying/CopyFileA copying/cp install/CopyFileA install/cp")
    for r in results:
        print(f"{r['case']:<11} {r['files']:>6} {r['megabytes']:>5.1f} {r['cp']:>6.3f} {r['loop']:>11.3f}"
              f" {r['copying']:>9.3f} {r['install']:>9.3f}   {r['copying'] / r['loop']:>24.2f}"
              f" {r['copying'] / r['cp']:>10.1f} {r['install'] / r['loop']:>18.2f}"
              f" {r['install'] / r['cp']:>10.1f}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
