"""The package folder a test runs the program from, and its language texts."""

import importlib.util
import os
import re
import shutil
import subprocess
import sys

from .config import SOURCE_DIR_DEFAULT

LANGUAGE_CODES = ("eng", "ita", "fre", "deu", "dut", "spa", "por")
MESSAGE_LINE = re.compile(r"^([1-9][0-9]*) (.*)$")


def load_demo_module(name, source_dir=SOURCE_DIR_DEFAULT):
    """One of the demo's generators (demo/<name>.py) as a module."""
    path = os.path.join(source_dir, "demo", f"{name}.py")
    module_spec = importlib.util.spec_from_file_location(name, path)
    module = importlib.util.module_from_spec(module_spec)
    module_spec.loader.exec_module(module)
    return module


def load_generator(source_dir=SOURCE_DIR_DEFAULT):
    """demo/make_demo_package.py as a module."""
    return load_demo_module("make_demo_package", source_dir)


BACKGROUNDS = ("inst_off.bmp", "seas_off.bmp")


def backgrounds(work_dir, source_dir=SOURCE_DIR_DEFAULT):
    """The two page backgrounds, drawn once into work_dir (it takes seconds) and reused."""
    folder = os.path.join(work_dir, "backgrounds")
    if not all(os.path.isfile(os.path.join(folder, name)) for name in BACKGROUNDS):
        os.makedirs(folder, exist_ok=True)
        generator = os.path.join(source_dir, "tools", "artwork", "make_artwork.py")
        subprocess.run([sys.executable, generator, "--backgrounds", folder], check=True)
    return folder


def make_package(folder, exe, source_dir=SOURCE_DIR_DEFAULT, languages=LANGUAGE_CODES, work_dir=None):
    """Writes the demo package into folder and puts the program beside its files.

    With work_dir, the page backgrounds are added too (drawn once there)."""
    load_generator(source_dir).make_package(folder, languages)
    shutil.copy2(exe, os.path.join(folder, "tolmarin.exe"))
    if work_dir is not None:
        drawn = backgrounds(work_dir, source_dir)
        for name in BACKGROUNDS:
            shutil.copy2(os.path.join(drawn, name), os.path.join(folder, name))
    return folder


def read_language_file(path):
    """The message texts of one of the demo's language files, {number: text}.

    The demo's files are plain: one "<number> <text>" line per message. This
    reads them independently of the program, so a test compares what the
    program shows with what the file says.
    """
    with open(path, "rb") as f:
        text = f.read().decode("cp1252")
    messages = {}
    for line in text.split("\r\n"):
        match = MESSAGE_LINE.match(line)
        if match:
            messages[int(match.group(1))] = match.group(2).strip(" ")
    return messages


def language_messages(package_dir, language):
    """Messages of a language given by index (0 to 6) or code ("eng")."""
    code = LANGUAGE_CODES[language] if isinstance(language, int) else language
    return read_language_file(os.path.join(package_dir, f"tolmarin.{code}"))


def language_name(package_dir, language):
    """The display name a language file gives itself ("LanguageName = ...")."""
    code = LANGUAGE_CODES[language] if isinstance(language, int) else language
    with open(os.path.join(package_dir, f"tolmarin.{code}"), "rb") as f:
        for line in f.read().decode("cp1252").split("\r\n"):
            if "languagename" in line.lower():
                return line.split("=", 1)[-1].strip(" ")
    return ""
