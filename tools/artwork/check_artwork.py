#!/usr/bin/env python3
"""Checks the artwork: run as  python3 tools/artwork/check_artwork.py

- The generator reproduces the committed pictures in src/resources byte for
  byte, and two runs of --backgrounds give the same bytes.
- Every picture has the size, depth and layout the program loads.
- Each highlight picture matches the page background under it, apart from
  its yellow frame or glow, and does light up; the season label's place
  on the season page is dark enough for white text.
"""

import os
import subprocess
import sys
import tempfile
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

import imagefiles  # noqa: E402
import make_artwork  # noqa: E402

ROOT = os.path.dirname(os.path.dirname(HERE))
RESOURCES = os.path.join(ROOT, "src", "resources")
GENERATOR = os.path.join(HERE, "make_artwork.py")

# How far the glow of a lit area may reach beyond its yellow pixels.
NEAR = 4


def _run(*args):
    subprocess.run([sys.executable, GENERATOR] + list(args), check=True)


class Generated:
    """One run of the generator into a temporary folder, shared by the tests."""
    folder = None

    @classmethod
    def get(cls):
        if cls.folder is None:
            cls._temp = tempfile.TemporaryDirectory()
            cls.folder = cls._temp.name
            _run("--resources", os.path.join(cls.folder, "res"),
                 "--backgrounds", os.path.join(cls.folder, "bg"))
        return cls.folder


def _read(path):
    with open(path, "rb") as f:
        return f.read()


def _bmp(path):
    w, h, bits, palette, indexes = imagefiles.read_bmp(_read(path))
    return w, h, [palette[i] for i in indexes]


def _is_yellow(c):
    return c[0] > 200 and c[1] > 150 and c[2] < 90


class Reproducible(unittest.TestCase):
    def test_committed_resources_are_what_the_generator_draws(self):
        res = os.path.join(Generated.get(), "res")
        names = sorted(os.listdir(res))
        expected = sorted(list(make_artwork.PICTURES) + [make_artwork.CREDITS, make_artwork.ICON])
        self.assertEqual(names, expected)
        for name in names:
            with self.subTest(name=name):
                committed = os.path.join(RESOURCES, name)
                self.assertTrue(os.path.exists(committed), "not committed: " + name)
                self.assertEqual(_read(committed), _read(os.path.join(res, name)),
                                 name + " differs: run make_artwork.py --resources src/resources")

    def test_backgrounds_are_the_same_on_a_second_run(self):
        first = os.path.join(Generated.get(), "bg")
        self.assertEqual(sorted(os.listdir(first)), ["inst_off.bmp", "seas_off.bmp"])
        with tempfile.TemporaryDirectory() as second:
            _run("--backgrounds", second)
            for name in ("inst_off.bmp", "seas_off.bmp"):
                with self.subTest(name=name):
                    self.assertEqual(_read(os.path.join(first, name)), _read(os.path.join(second, name)))

    def test_no_option_is_refused(self):
        done = subprocess.run([sys.executable, GENERATOR], capture_output=True)
        self.assertNotEqual(done.returncode, 0)


class Formats(unittest.TestCase):
    def _check_bmp(self, path, width, height):
        data = _read(path)
        w, h, bits, palette, indexes = imagefiles.read_bmp(data)
        self.assertEqual((w, h, bits), (width, height, 8))
        self.assertEqual(len(palette), 256)
        row = (width + 3) // 4 * 4
        self.assertEqual(len(data), 14 + 40 + 1024 + row * height)
        # bottom-up rows: a positive height, and the padding bytes are zero
        self.assertGreater(int.from_bytes(data[22:26], "little", signed=True), 0)
        for r in range(height):
            start = 1078 + r * row + width
            self.assertEqual(data[start:1078 + (r + 1) * row], bytes(row - width))

    def test_every_bitmap_has_its_size_and_eight_bits_with_a_full_palette(self):
        folder = Generated.get()
        for name, (_, _, _, w, h) in make_artwork.PICTURES.items():
            with self.subTest(name=name):
                self._check_bmp(os.path.join(folder, "res", name), w, h)
        with self.subTest(name="credits"):
            self._check_bmp(os.path.join(folder, "res", make_artwork.CREDITS), 361, 446)
        for name in ("inst_off.bmp", "seas_off.bmp"):
            with self.subTest(name=name):
                self._check_bmp(os.path.join(folder, "bg", name), 361, 446)

    def test_icon_holds_four_images_in_16_and_256_colours(self):
        data = _read(os.path.join(Generated.get(), "res", make_artwork.ICON))
        self.assertEqual(len(data), 8422)
        images = imagefiles.read_ico(data)
        self.assertEqual([(w, h, bits) for w, h, bits, _, _ in images],
                         [(32, 32, 4), (32, 32, 8), (48, 48, 4), (48, 48, 8)])
        for w, h, bits, palette, indexes in images:
            with self.subTest(size=w, bits=bits):
                self.assertLessEqual(max(indexes), (1 << bits) - 1)
                colours = {palette[i] for i in indexes}
                self.assertIn((255, 255, 255), colours, "the white lettering is missing")
                self.assertGreater(len(colours), 8, "hardly a picture")


class PagesMatchHighlights(unittest.TestCase):
    """Shown over its page, a highlight picture must look like its area
    lighting up: the same picture where it is not lit, and yellow added."""

    @classmethod
    def setUpClass(cls):
        folder = Generated.get()
        cls.pages = {page: _bmp(os.path.join(folder, "bg", name))
                     for name, page in make_artwork.BACKGROUNDS.items()}

    def _under(self, page, x, y, w, h):
        pw, _, pixels = self.pages[page]
        return [pixels[(y + j) * pw + x + i] for j in range(h) for i in range(w)]

    def _covered_by_earlier_strip(self, name, px, py):
        """True where a strip earlier in the row lies over this one on the page."""
        for _, other_name in make_artwork.SEASON_STRIPS:
            if other_name == name:
                return False
            _, x, y, w, h = make_artwork.PICTURES[other_name]
            if x <= px < x + w + 2 and y <= py < y + h + 2:  # with its shadow
                return True
        return False

    def _differences(self, name, dx=0, dy=0):
        """Pixels of the picture (placed dx, dy off its place) that differ
        from the page and lie farther than NEAR pixels from any of its yellow
        ones; the parts of a season strip that lie under an earlier strip
        on the page do not count. Returns (count, pixels compared)."""
        page, x, y, w, h = make_artwork.PICTURES[name]
        pw, ph, pic = _bmp(os.path.join(Generated.get(), "res", name))
        self.assertEqual((pw, ph), (w, h))
        x, y = x + dx, y + dy
        yellow = [(i, j) for j in range(h) for i in range(w) if _is_yellow(pic[j * w + i])]
        near = set()
        for i, j in yellow:
            for v in range(-NEAR, NEAR + 1):
                for u in range(-NEAR, NEAR + 1):
                    near.add((i + u, j + v))
        strip = name in dict((n, s) for s, n in make_artwork.SEASON_STRIPS)
        page_w, page_h, page_pixels = self.pages[page]
        count = compared = 0
        for j in range(h):
            for i in range(w):
                if (i, j) in near or not (0 <= x + i < page_w and 0 <= y + j < page_h):
                    continue
                if strip and self._covered_by_earlier_strip(name, x + i, y + j):
                    continue
                compared += 1
                if pic[j * w + i] != page_pixels[(y + j) * page_w + x + i]:
                    count += 1
        return count, compared

    def test_each_picture_equals_the_page_beneath_it_away_from_its_yellow(self):
        for name in make_artwork.PICTURES:
            with self.subTest(name=name):
                count, compared = self._differences(name)
                self.assertGreater(compared, 0)
                self.assertEqual(count, 0, "%s differs from its page in %d pixels" % (name, count))

    def test_a_picture_off_its_place_by_two_pixels_would_show(self):
        # guards the test above: the pictures carry enough detail of their
        # own for a misplaced cut-out to differ from the page
        for name in make_artwork.PICTURES:
            for dx, dy in ((2, 0), (-2, 0), (0, 2), (0, -2)):
                with self.subTest(name=name, dx=dx, dy=dy):
                    count, compared = self._differences(name, dx, dy)
                    self.assertGreater(count, 10)

    def test_each_picture_adds_yellow_to_its_area(self):
        folder = Generated.get()
        for name, (page, x, y, w, h) in make_artwork.PICTURES.items():
            with self.subTest(name=name):
                _, _, pic = _bmp(os.path.join(folder, "res", name))
                under = self._under(page, x, y, w, h)
                added = sum(1 for p, u in zip(pic, under) if _is_yellow(p) and not _is_yellow(u))
                self.assertGreater(added, (w + h) * 1.5, name + " hardly lights up")

    def test_season_strips_are_framed_all_round(self):
        folder = Generated.get()
        for season, name in make_artwork.SEASON_STRIPS:
            with self.subTest(name=name):
                w, h, pic = _bmp(os.path.join(folder, "res", name))
                edge = [pic[i] for i in range(w)] + [pic[(h - 1) * w + i] for i in range(w)] + \
                    [pic[j * w] for j in range(h)] + [pic[j * w + w - 1] for j in range(h)]
                self.assertTrue(all(_is_yellow(c) for c in edge))

    def test_season_label_place_is_dark_enough_for_white_text(self):
        x, y, w, h = make_artwork.SEASON_LABEL
        pixels = self._under("season", x, y, w, h)

        def luminance(c):
            def lin(v):
                v /= 255.0
                return v / 12.92 if v <= 0.04045 else ((v + 0.055) / 1.055) ** 2.4
            return 0.2126 * lin(c[0]) + 0.7152 * lin(c[1]) + 0.0722 * lin(c[2])

        brightest = max(luminance(c) for c in pixels)
        # contrast of white on the brightest pixel, as for readable text
        self.assertGreaterEqual(1.05 / (brightest + 0.05), 4.5)


if __name__ == "__main__":
    unittest.main(verbosity=2)
