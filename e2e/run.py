#!/usr/bin/env python3
"""Runs end-to-end scenario modules.

    run.py [--exe EXE] [--winhelper EXE] [--build-dir DIR] [--source-dir DIR] MODULE... [-k PATTERN]

CMake's add_test passes the programs of the build; by hand the defaults are
those of the win32 preset (build/win32). Environment: TOLMARIN_E2E_KEEP=1
keeps every test's prefix, TOLMARIN_E2E_WINEDEBUG sets WINEDEBUG.
"""

import argparse
import os
import sys
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

from harness import reaper  # noqa: E402


def main(argv=None):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--exe", help="tolmarin.exe")
    parser.add_argument("--winhelper", help="winhelper.exe")
    parser.add_argument("--build-dir", help="the cross build folder")
    parser.add_argument("--source-dir", help="the repository")
    parser.add_argument("-k", dest="patterns", action="append", default=[],
                        help="run only tests matching this pattern (as unittest -k)")
    parser.add_argument("-v", "--verbose", action="store_true")
    parser.add_argument("modules", nargs="+", metavar="MODULE", help="scenario modules, e.g. test_startup")
    args = parser.parse_args(argv)

    for option, variable in (("exe", "TOLMARIN_EXE"), ("winhelper", "TOLMARIN_WINHELPER"),
                             ("build_dir", "TOLMARIN_BUILD_DIR"), ("source_dir", "TOLMARIN_SOURCE_DIR")):
        value = getattr(args, option)
        if value:
            os.environ[variable] = os.path.abspath(value)

    reaper.install_signal_handlers()
    loader = unittest.TestLoader()
    loader.testNamePatterns = [p if "*" in p else f"*{p}*" for p in args.patterns] or None
    modules = [m[:-3] if m.endswith(".py") else m for m in args.modules]
    suite = loader.loadTestsFromNames(modules)
    result = unittest.TextTestRunner(verbosity=2 if args.verbose else 1).run(suite)
    return 0 if result.wasSuccessful() and result.testsRun > 0 else 1


if __name__ == "__main__":
    sys.exit(main())
