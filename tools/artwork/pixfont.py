"""A 5 x 7 pixel font (with two descender rows) and a 3 x 5 one for the
smallest icon, drawn as scalable cells into raster masks.

Each glyph is a list of rows, "X" for a lit cell. Glyphs are proportional:
the empty columns at either side are trimmed when the glyph is set."""

CAP_ROWS = 7  # rows from the top of a capital to the baseline

_GLYPHS = {
    "A": [".XXX.", "X...X", "X...X", "XXXXX", "X...X", "X...X", "X...X"],
    "B": ["XXXX.", "X...X", "X...X", "XXXX.", "X...X", "X...X", "XXXX."],
    "C": [".XXX.", "X...X", "X....", "X....", "X....", "X...X", ".XXX."],
    "D": ["XXXX.", "X...X", "X...X", "X...X", "X...X", "X...X", "XXXX."],
    "E": ["XXXXX", "X....", "X....", "XXXX.", "X....", "X....", "XXXXX"],
    "F": ["XXXXX", "X....", "X....", "XXXX.", "X....", "X....", "X...."],
    "G": [".XXX.", "X...X", "X....", "X.XXX", "X...X", "X...X", ".XXXX"],
    "H": ["X...X", "X...X", "X...X", "XXXXX", "X...X", "X...X", "X...X"],
    "I": ["XXX", ".X.", ".X.", ".X.", ".X.", ".X.", "XXX"],
    "J": ["..XXX", "...X.", "...X.", "...X.", "...X.", "X..X.", ".XX.."],
    "K": ["X...X", "X..X.", "X.X..", "XX...", "X.X..", "X..X.", "X...X"],
    "L": ["X....", "X....", "X....", "X....", "X....", "X....", "XXXXX"],
    "M": ["X...X", "XX.XX", "X.X.X", "X.X.X", "X...X", "X...X", "X...X"],
    "N": ["X...X", "X...X", "XX..X", "X.X.X", "X..XX", "X...X", "X...X"],
    "O": [".XXX.", "X...X", "X...X", "X...X", "X...X", "X...X", ".XXX."],
    "P": ["XXXX.", "X...X", "X...X", "XXXX.", "X....", "X....", "X...."],
    "Q": [".XXX.", "X...X", "X...X", "X...X", "X.X.X", "X..X.", ".XX.X"],
    "R": ["XXXX.", "X...X", "X...X", "XXXX.", "X.X..", "X..X.", "X...X"],
    "S": [".XXXX", "X....", "X....", ".XXX.", "....X", "....X", "XXXX."],
    "T": ["XXXXX", "..X..", "..X..", "..X..", "..X..", "..X..", "..X.."],
    "U": ["X...X", "X...X", "X...X", "X...X", "X...X", "X...X", ".XXX."],
    "V": ["X...X", "X...X", "X...X", "X...X", "X...X", ".X.X.", "..X.."],
    "W": ["X...X", "X...X", "X...X", "X.X.X", "X.X.X", "X.X.X", ".X.X."],
    "X": ["X...X", "X...X", ".X.X.", "..X..", ".X.X.", "X...X", "X...X"],
    "Y": ["X...X", "X...X", ".X.X.", "..X..", "..X..", "..X..", "..X.."],
    "Z": ["XXXXX", "....X", "...X.", "..X..", ".X...", "X....", "XXXXX"],
    "a": [".....", ".....", ".XXX.", "....X", ".XXXX", "X...X", ".XXXX"],
    "b": ["X....", "X....", "X.XX.", "XX..X", "X...X", "X...X", "XXXX."],
    "c": [".....", ".....", ".XXX.", "X....", "X....", "X...X", ".XXX."],
    "d": ["....X", "....X", ".XX.X", "X..XX", "X...X", "X...X", ".XXXX"],
    "e": [".....", ".....", ".XXX.", "X...X", "XXXXX", "X....", ".XXX."],
    "f": ["..XX", ".X..", ".X..", "XXX.", ".X..", ".X..", ".X.."],
    "g": [".....", ".....", ".XXXX", "X...X", "X...X", "X...X", ".XXXX", "....X", ".XXX."],
    "h": ["X....", "X....", "X.XX.", "XX..X", "X...X", "X...X", "X...X"],
    "i": [".X.", "...", "XX.", ".X.", ".X.", ".X.", "XXX"],
    "j": ["...X", "....", "..XX", "...X", "...X", "...X", "...X", "X..X", ".XX."],
    "k": ["X...", "X...", "X..X", "X.X.", "XX..", "X.X.", "X..X"],
    "l": ["XX.", ".X.", ".X.", ".X.", ".X.", ".X.", "XXX"],
    "m": [".....", ".....", "XX.X.", "X.X.X", "X.X.X", "X...X", "X...X"],
    "n": [".....", ".....", "X.XX.", "XX..X", "X...X", "X...X", "X...X"],
    "o": [".....", ".....", ".XXX.", "X...X", "X...X", "X...X", ".XXX."],
    "p": [".....", ".....", "XXXX.", "X...X", "X...X", "X...X", "XXXX.", "X....", "X...."],
    "q": [".....", ".....", ".XXXX", "X...X", "X...X", "X...X", ".XXXX", "....X", "....X"],
    "r": [".....", ".....", "X.XX.", "XX..X", "X....", "X....", "X...."],
    "s": [".....", ".....", ".XXXX", "X....", ".XXX.", "....X", "XXXX."],
    "t": [".X..", ".X..", "XXX.", ".X..", ".X..", ".X.X", "..X."],
    "u": [".....", ".....", "X...X", "X...X", "X...X", "X..XX", ".XX.X"],
    "v": [".....", ".....", "X...X", "X...X", "X...X", ".X.X.", "..X.."],
    "w": [".....", ".....", "X...X", "X...X", "X.X.X", "X.X.X", ".X.X."],
    "x": [".....", ".....", "X...X", ".X.X.", "..X..", ".X.X.", "X...X"],
    "y": [".....", ".....", "X...X", "X...X", "X...X", "X...X", ".XXXX", "....X", ".XXX."],
    "z": [".....", ".....", "XXXXX", "...X.", "..X..", ".X...", "XXXXX"],
    "0": [".XXX.", "X...X", "X..XX", "X.X.X", "XX..X", "X...X", ".XXX."],
    "1": ["..X..", ".XX..", "..X..", "..X..", "..X..", "..X..", ".XXX."],
    "2": [".XXX.", "X...X", "....X", "...X.", "..X..", ".X...", "XXXXX"],
    "3": ["XXXXX", "...X.", "..X..", "...X.", "....X", "X...X", ".XXX."],
    "4": ["...X.", "..XX.", ".X.X.", "X..X.", "XXXXX", "...X.", "...X."],
    "5": ["XXXXX", "X....", "XXXX.", "....X", "....X", "X...X", ".XXX."],
    "6": ["..XX.", ".X...", "X....", "XXXX.", "X...X", "X...X", ".XXX."],
    "7": ["XXXXX", "....X", "...X.", "..X..", ".X...", ".X...", ".X..."],
    "8": [".XXX.", "X...X", "X...X", ".XXX.", "X...X", "X...X", ".XXX."],
    "9": [".XXX.", "X...X", "X...X", ".XXXX", "....X", "...X.", ".XX.."],
    ".": ["..", "..", "..", "..", "..", "XX", "XX"],
    ",": ["..", "..", "..", "..", "..", "XX", ".X", "X."],
    ":": ["..", "XX", "XX", "..", "XX", "XX", ".."],
    "-": ["....", "....", "....", "XXXX", "....", "....", "...."],
    "(": ["..X", ".X.", "X..", "X..", "X..", ".X.", "..X"],
    ")": ["X..", ".X.", "..X", "..X", "..X", ".X.", "X.."],
    "&": [".XX..", "X..X.", "X.X..", ".X...", "X.X.X", "X..X.", ".XX.X"],
    "'": ["X", "X", "X", ".", ".", ".", "."],
    "/": ["....X", "...X.", "...X.", "..X..", ".X...", ".X...", "X...."],
    "!": ["X", "X", "X", "X", "X", ".", "X"],
}

# The smallest icon has room for 3 x 5 capitals only.
_TINY = {
    "A": [".X.", "X.X", "XXX", "X.X", "X.X"],
    "E": ["XXX", "X..", "XX.", "X..", "XXX"],
    "N": ["X..X", "XX.X", "X.XX", "X..X", "X..X"],
    "O": ["XXX", "X.X", "X.X", "X.X", "XXX"],
    "R": ["XX.", "X.X", "XX.", "X.X", "X.X"],
    "V": ["X.X", "X.X", "X.X", "X.X", ".X."],
}

SPACE_WIDTH = 3


class Font:
    def __init__(self, glyphs, cap_rows):
        self.glyphs = glyphs
        self.cap_rows = cap_rows

    def glyph(self, ch):
        rows = self.glyphs.get(ch)
        if rows is None:
            raise KeyError("no glyph for %r" % ch)
        return rows

    def advance(self, ch):
        """Width in cells of ch, including the one-cell gap after it."""
        if ch == " ":
            return SPACE_WIDTH
        return len(self.glyph(ch)[0]) + 1

    def width(self, text, cell_w=1.0):
        """Width of text in pixels at cells of cell_w, without the last gap."""
        if not text:
            return 0.0
        return (sum(self.advance(ch) for ch in text) - 1) * cell_w

    def draw(self, mask, text, x, y, cell_w, cell_h=None, slant=0.0, bold=0.0, value=1):
        """Sets text into mask with its top-left at (x, y). cell_w and cell_h
        are a cell's size in pixels; slant shifts each cell right by that
        fraction of its height above the baseline (an italic look); bold
        widens every lit cell by that many pixels."""
        if cell_h is None:
            cell_h = cell_w
        baseline = y + self.cap_rows * cell_h
        pen = x
        for ch in text:
            if ch != " ":
                for r, row in enumerate(self.glyph(ch)):
                    top = y + r * cell_h
                    bottom = top + cell_h
                    c = 0
                    while c < len(row):
                        if row[c] != "X":
                            c += 1
                            continue
                        start = c
                        while c < len(row) and row[c] == "X":
                            c += 1
                        left = pen + start * cell_w
                        right = pen + c * cell_w + bold
                        st = slant * (baseline - top)
                        sb = slant * (baseline - bottom)
                        mask.polygon([(left + st, top), (right + st, top),
                                      (right + sb, bottom), (left + sb, bottom)], value)
            pen += self.advance(ch) * cell_w
        return mask


REGULAR = Font(_GLYPHS, CAP_ROWS)
TINY = Font(_TINY, 5)
