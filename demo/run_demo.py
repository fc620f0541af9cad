#!/usr/bin/env python3
"""Shows tolmarin.exe running on the demo package, and takes a screenshot.

    run_demo.py --build-dir build/win32 --out build/demo

Writes OUT/package (the demo package with the exe in it), makes the private
Wine prefix OUT/prefix (D: is the package, S: holds the demo simulator
OUT/simulator/FS95, no other host folder is reachable), starts "tolmarin.exe /INSTALLDIRD:\\" on the user's display when
DISPLAY is set and answers, else on a private Xvfb, saves OUT/screenshot.png
once the main window shows, prints its path and closes the program.
"""

import argparse
import os
import shutil
import sys
import time

HERE = os.path.dirname(os.path.abspath(__file__))
SOURCE_DIR = os.path.dirname(HERE)
sys.path.insert(0, os.path.join(SOURCE_DIR, "e2e"))

from harness import LANGUAGE_DIALOG_TITLE, SIMULATOR_KEY, Desktop, WinePrefix  # noqa: E402
from harness import package, reaper  # noqa: E402
from harness.config import Config  # noqa: E402
from harness.prefix import inside, stop_wineserver  # noqa: E402
from harness.xserver import XServer, display_reachable  # noqa: E402

# The demo simulator (make_demo_simulator.py with the stand-in fltsim95.exe)
# on a drive of its own; its registry value names it, so the program finds it.
SIMULATOR_DRIVE = "s"
SIMULATOR_FOLDER = "S:\\FS95"


def fresh_folder(path, out_dir):
    """Empties one of the demo's own folders below out_dir."""
    if not inside(path, out_dir):
        raise RuntimeError(f"{path} is outside {out_dir}")
    if os.path.exists(path):
        shutil.rmtree(path)


def make_simulator(folder, program):
    """demo/make_demo_simulator.py's folder, with the stand-in program in it."""
    module = package.load_demo_module("make_demo_simulator", os.path.dirname(HERE))
    module.make_simulator(folder, program, SIMULATOR_FOLDER)


def main(argv=None):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--build-dir", required=True, help="the win32 build folder")
    parser.add_argument("--out", required=True, help="the demo's folder (package, prefix, screenshot)")
    parser.add_argument("--language", type=int, default=0, help="language to answer the language question with")
    args = parser.parse_args(argv)

    os.environ["TOLMARIN_BUILD_DIR"] = os.path.abspath(args.build_dir)
    config = Config.from_environment()
    config.require("exe", "winhelper")
    out = os.path.abspath(args.out)
    os.makedirs(out, exist_ok=True)
    reaper.install_signal_handlers()

    package_dir = os.path.join(out, "package")
    os.makedirs(package_dir, exist_ok=True)
    package.make_package(package_dir, config.exe, config.source_dir, work_dir=config.work_dir)

    # The prefix is made afresh each time, so the demo starts from a clean registry.
    stop_wineserver(os.path.join(out, "prefix"), os.path.join(out, "home"))
    for folder in ("prefix", "home", "logs", "simulator"):
        fresh_folder(os.path.join(out, folder), out)
    simulator_drive = os.path.join(out, "simulator")
    fltsim95 = os.path.join(config.build_dir, "demo", "fltsim95.exe")
    if not os.path.isfile(fltsim95):
        raise SystemExit(f"demo: {fltsim95} is missing: build the win32 preset's fltsim95 target")
    make_simulator(os.path.join(simulator_drive, "FS95"), fltsim95)

    display = os.environ.get("DISPLAY")
    if display and display_reachable(display):
        xserver = XServer.existing(display)
        print(f"demo: showing the program on your display {display}")
    else:
        xserver = XServer(os.path.join(out, "xvfb.log")).start()
        print(f"demo: no reachable display; using a private Xvfb on {xserver.display}")

    wine = WinePrefix.create(out, config.work_dir, config.winhelper, xserver.env())
    try:
        wine.map_drive("d", package_dir)
        wine.map_drive(SIMULATOR_DRIVE, simulator_drive)
        wine.reg_add(SIMULATOR_KEY, "InstalledTo", SIMULATOR_FOLDER)

        desktop = Desktop(wine, xserver, config.winhelper)
        title = package.language_messages(package_dir, 0)[6]
        language = package.language_name(package_dir, args.language)
        process = wine.start(["D:\\tolmarin.exe", "/INSTALLDIRD:\\"], cwd=package_dir, name="tolmarin")
        window = desktop.wait_window(
            title, timeout=60, process=process,
            answer={LANGUAGE_DIALOG_TITLE: lambda d: d.press_button(LANGUAGE_DIALOG_TITLE, language)})
        time.sleep(1)  # let the picture paint
        screenshot = os.path.join(out, "screenshot.png")
        desktop.screenshot(screenshot, window=None if xserver.private else window)
        print(screenshot)
        desktop.close(title)
        process.wait(30)
    finally:
        wine.shutdown()
        xserver.stop()
    return 0


if __name__ == "__main__":
    sys.exit(main())
