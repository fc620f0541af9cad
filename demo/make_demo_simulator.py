#!/usr/bin/env python3
"""Writes a small, deterministic simulator folder for the demo and the tests.

    make_demo_simulator.py OUT_DIR [--program FLTSIM95_EXE] [--windows-folder C:\\FS95]

The folder holds what the program works on in the simulator: its scenery
list "scenery\\world.vis" (several areas, records and texts, in the list's
binary layout), the scenery file "scenery\\munich.bgl" that the package
patches, and the folders PILOTS, VIDEOS, ADV and ADV\\WAV that receive the
package's files. With --program the stand-in fltsim95.exe is copied in.
--windows-folder is the folder as the simulator sees itself, used in the
paths the list names.

Nothing is written outside OUT_DIR, and nothing in it is deleted. OUT_DIR
must be new, empty, or an earlier demo simulator; the files of known names
are replaced whole (written beside and renamed), never half-way, which
also resets a list and a scenery file changed by an installation.
"""

import argparse
import hashlib
import os
import shutil
import struct
import sys

LIST_PATH = ("scenery", "world.vis")
MUNICH_PATH = ("scenery", "munich.bgl")
MUNICH_SIZE = 3 * 4096 + 517
FOLDERS = ("scenery", "PILOTS", "VIDEOS", "ADV", os.path.join("ADV", "WAV"))
PROGRAM_NAME = "fltsim95.exe"

HEADER_SIZE = 36
HEADER_WORD_32 = 118
MAX_FILE_LENGTH = 65535


class SimulatorError(Exception):
    """A folder that cannot be written as asked; the text says why."""


def scenery_list(windows_folder):
    """The list's contents: what a simulator with a few add-ons might hold."""
    scenery = windows_folder + "\\SCENERY"
    return {
        "header_value2": 0x0203,
        "text1": scenery,
        "text2": "World",
        "values": [1, 12, 500],
        "texts": ["Default", "Add-ons", "Europe"],
        "areas": [
            (10, 1, scenery + "\\*.bgl", "Default Scenery"),
            (20, 1, scenery + "\\EUROPE\\*.bgl", "Europe"),
            (25, 2, windows_folder + "\\ADDONS\\ALPS\\*.bgl", "Alpine Airfields"),
            (25, 1, windows_folder + "\\ADDONS\\LAKES\\*.bgl", "Northern Lakes"),
            (40, 0, "", "Disabled Area"),
        ],
        "records": [
            (1, 1000, 0, 1, "Harbour", "North"),
            (2, 65535, 3, 0, "Valley", "South"),
            (255, 0, 255, 255, "", "\xe9t\xe9"),
        ],
    }


def ztext(text):
    return text.encode("cp1252") + b"\0"


def world_vis_bytes(contents):
    """The list file: 36-byte header, then sections 1, 2, 3, 6, 4, 5."""
    offsets = {}
    body = bytearray()

    def begin(section):
        offsets[section] = HEADER_SIZE + len(body)

    begin(1)
    body += ztext(contents["text1"])
    begin(2)
    body += ztext(contents["text2"])
    begin(3)
    for value in contents["values"]:
        body += struct.pack("<H", value)
    body += struct.pack("<H", 0)
    begin(6)
    for text in contents["texts"]:
        body += b"\1" + ztext(text)
    body += b"\0"
    begin(4)
    for value1, value2, path, title in contents["areas"]:
        body += b"\1" + bytes([value1, value2]) + ztext(path) + ztext(title)
    body += b"\0"
    begin(5)
    for value1, value2, value3, value4, text1, text2 in contents["records"]:
        body += b"\1" + bytes([value1]) + struct.pack("<H", value2) + bytes([value3, value4])
        body += ztext(text1) + ztext(text2)
    body += b"\0"

    length = HEADER_SIZE + len(body)
    if length > MAX_FILE_LENGTH:
        raise SimulatorError(f"the scenery list would be {length} bytes, more than {MAX_FILE_LENGTH}")
    header = struct.pack("<8H", length, contents["header_value2"], *(offsets[n] for n in range(1, 7)))
    header += bytes(16) + struct.pack("<HH", HEADER_WORD_32, 0)
    return bytes(header + body)


def parse_world_vis(data):
    """The contents of a list file, in the form scenery_list() gives, read by
    each section's own offset: what a test compares after the program wrote it."""
    header_value2 = struct.unpack_from("<H", data, 2)[0]
    offsets = dict(zip(range(1, 7), struct.unpack_from("<6H", data, 4)))
    at = 0

    def take(size):
        nonlocal at
        at += size
        return data[at - size:at]

    def text():
        nonlocal at
        end = data.index(b"\0", at)
        value, at = data[at:end].decode("cp1252"), end + 1
        return value

    def entries(section, read):
        nonlocal at
        at, found = offsets[section], []
        while take(1) == b"\1":
            found.append(read())
        return found

    def word():
        return struct.unpack("<H", take(2))[0]

    def byte():
        return take(1)[0]

    at = offsets[1]
    text1 = text()
    at = offsets[2]
    text2 = text()
    at, values = offsets[3], []
    while (value := word()) != 0:
        values.append(value)
    return {
        "header_value2": header_value2, "text1": text1, "text2": text2, "values": values,
        "texts": entries(6, text),
        "areas": entries(4, lambda: (byte(), byte(), text(), text())),
        "records": entries(5, lambda: (byte(), word(), byte(), byte(), text(), text())),
    }


def munich_bytes():
    """The simulator's own scenery file, as the patch finds it."""
    out = bytearray()
    counter = 0
    while len(out) < MUNICH_SIZE:
        out += hashlib.sha256(f"munich.bgl/{counter}".encode("ascii")).digest()
        counter += 1
    return bytes(out[:MUNICH_SIZE])


def write_file(path, data):
    """Writes data to path whole: into a temporary name beside it, then renamed."""
    if os.path.isdir(path):
        raise SimulatorError(f"{path} is a folder; a file of that name was to be written")
    temporary = os.path.join(os.path.dirname(path), "." + os.path.basename(path) + ".tmp")
    with open(temporary, "wb") as f:
        f.write(data)
    os.replace(temporary, path)


def make_folder(path):
    if os.path.exists(path) and not os.path.isdir(path):
        raise SimulatorError(f"{path} exists and is not a folder")
    os.makedirs(path, exist_ok=True)


def looks_like_simulator(out_dir):
    names = set(os.listdir(out_dir))
    return not names or "scenery" in names or PROGRAM_NAME in names


def make_simulator(out_dir, program=None, windows_folder="C:\\FS95"):
    """Writes the whole simulator folder into out_dir (made if missing)."""
    if os.path.exists(out_dir):
        if not os.path.isdir(out_dir):
            raise SimulatorError(f"{out_dir} exists and is not a folder")
        if not looks_like_simulator(out_dir):
            raise SimulatorError(f"{out_dir} is neither empty nor a demo simulator; "
                                 "choose a new or empty folder")
    if program is not None and not os.path.isfile(program):
        raise SimulatorError(f"{program} is not a file")
    make_folder(out_dir)
    for folder in FOLDERS:
        make_folder(os.path.join(out_dir, folder))
    write_file(os.path.join(out_dir, *LIST_PATH), world_vis_bytes(scenery_list(windows_folder)))
    write_file(os.path.join(out_dir, *MUNICH_PATH), munich_bytes())
    if program is not None:
        temporary = os.path.join(out_dir, "." + PROGRAM_NAME + ".tmp")
        shutil.copyfile(program, temporary)
        os.replace(temporary, os.path.join(out_dir, PROGRAM_NAME))


def main(argv=None):
    parser = argparse.ArgumentParser(description="Write the demo simulator folder.")
    parser.add_argument("out_dir", metavar="OUT_DIR", help="the simulator folder to write")
    parser.add_argument("--program", help="the stand-in fltsim95.exe to copy in")
    parser.add_argument("--windows-folder", default="C:\\FS95",
                        help="the folder's Windows path, for the paths in the list (default C:\\FS95)")
    args = parser.parse_args(argv)
    try:
        make_simulator(args.out_dir, args.program, args.windows_folder)
    except (SimulatorError, OSError) as error:
        print(f"make_demo_simulator: {error}", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
