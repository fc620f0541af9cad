"""Where the programs under test and the work folders are.

Values come from the environment (set by CMake's add_test, or by run.py's
options) and fall back to the layout of the win32 preset.
"""

import os
from dataclasses import dataclass

SOURCE_DIR_DEFAULT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))


@dataclass(frozen=True)
class Config:
    exe: str          # tolmarin.exe of the build
    winhelper: str    # winhelper.exe of the build
    build_dir: str    # the cross build folder
    source_dir: str   # the repository

    @property
    def work_dir(self):
        """Everything the end-to-end tests make lives below this folder."""
        return os.path.join(self.build_dir, "e2e", "work")

    @classmethod
    def from_environment(cls, environ=os.environ):
        source = os.path.abspath(environ.get("TOLMARIN_SOURCE_DIR", SOURCE_DIR_DEFAULT))
        build = os.path.abspath(environ.get("TOLMARIN_BUILD_DIR", os.path.join(source, "build", "win32")))
        return cls(
            exe=os.path.abspath(environ.get("TOLMARIN_EXE", os.path.join(build, "src", "tolmarin.exe"))),
            winhelper=os.path.abspath(environ.get("TOLMARIN_WINHELPER",
                                                  os.path.join(build, "e2e", "winhelper.exe"))),
            build_dir=build,
            source_dir=source,
        )

    def require(self, *names):
        """Fails with a clear message when a program the test needs is missing."""
        for name in names:
            path = getattr(self, name)
            if not os.path.isfile(path):
                raise FileNotFoundError(f"{name} not found at {path}: build the win32 preset first")
