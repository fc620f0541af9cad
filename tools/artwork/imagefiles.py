"""Palettes and the two file formats the program loads: 8-bit BMP files and
icon files with 4-bit and 8-bit images. Readers are here too, for checks."""

import struct

# 96 dots per inch, the screen the layout is drawn for.
PIXELS_PER_METRE = 3780


# ---------------------------------------------------------------- palette

def quantize(pixels, colours, keep=()):
    """Chooses a palette of at most `colours` entries for pixels (a list of
    (r, g, b) ints) and returns (palette, indexes). Colours listed in keep
    that occur in the picture get an exact entry of their own (all but 16
    entries at most, in the order given). The rest is
    split by median cut; each colour maps to the mean of its box."""
    hist = {}
    for p in pixels:
        hist[p] = hist.get(p, 0) + 1
    if len(hist) <= colours:
        palette = sorted(hist)
        lookup = {c: i for i, c in enumerate(palette)}
        return palette, [lookup[p] for p in pixels]

    exact = []
    for c in keep:
        if c in hist and c not in exact and len(exact) < colours - 16:
            exact.append(c)
    rest = [(c, n) for c, n in sorted(hist.items()) if c not in exact]
    boxes = _median_cut(rest, colours - len(exact))
    palette = list(exact)
    lookup = {c: i for i, c in enumerate(exact)}
    for box in boxes:
        total = sum(n for _, n in box)
        mean = tuple(int(sum(c[k] * n for c, n in box) / total + 0.5) for k in range(3))
        index = len(palette)
        palette.append(mean)
        for c, _ in box:
            lookup[c] = index
    return palette, [lookup[p] for p in pixels]


def _box_measure(box):
    lo = [255, 255, 255]
    hi = [0, 0, 0]
    count = 0
    for c, n in box:
        count += n
        for k in range(3):
            if c[k] < lo[k]:
                lo[k] = c[k]
            if c[k] > hi[k]:
                hi[k] = c[k]
    # green weighs most for the eye, blue least
    ranges = [(hi[0] - lo[0]) * 3, (hi[1] - lo[1]) * 4, (hi[2] - lo[2]) * 2]
    axis = max(range(3), key=lambda k: (ranges[k], -k))
    return ranges[axis], axis, count


def _median_cut(colours, n):
    boxes = [colours]
    while len(boxes) < n:
        best, best_score, best_axis = -1, -1.0, 0
        for i, box in enumerate(boxes):
            if len(box) < 2:
                continue
            spread, axis, count = _box_measure(box)
            score = spread * count ** 0.5
            if score > best_score:
                best, best_score, best_axis = i, score, axis
        if best < 0:
            break
        box = sorted(boxes[best], key=lambda cn: (cn[0][best_axis], cn[0]))
        total = sum(n for _, n in box)
        run, cut = 0, 1
        for j, (_, count) in enumerate(box):
            run += count
            if run * 2 >= total:
                cut = j + 1
                break
        cut = min(max(cut, 1), len(box) - 1)
        boxes[best:best + 1] = [box[:cut], box[cut:]]
    return boxes


# ---------------------------------------------------------------- BMP

def _rows_bottom_up(width, height, indexes, bits):
    """Packs palette indexes (top row first) as DIB rows: bottom row first,
    each row padded to a multiple of 4 bytes."""
    out = bytearray()
    per_byte = 8 // bits
    row_bytes = ((width * bits + 31) // 32) * 4
    for y in range(height - 1, -1, -1):
        row = indexes[y * width:(y + 1) * width]
        packed = bytearray(row_bytes)
        for x, v in enumerate(row):
            if bits == 8:
                packed[x] = v
            else:
                shift = 8 - bits * (x % per_byte + 1)
                packed[x // per_byte] |= v << shift
        out += packed
    return bytes(out)


def _palette_bytes(palette, entries):
    out = bytearray()
    for i in range(entries):
        r, g, b = palette[i] if i < len(palette) else (0, 0, 0)
        out += bytes((b, g, r, 0))
    return bytes(out)


def _info_header(width, height, bits, image_size, entries):
    return struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, 0, image_size,
                       PIXELS_PER_METRE, PIXELS_PER_METRE, entries, 0)


def bmp8(width, height, palette, indexes):
    """An uncompressed 8-bit BMP file with a full 256-entry palette."""
    if len(palette) > 256:
        raise ValueError("palette of %d colours" % len(palette))
    pixels = _rows_bottom_up(width, height, indexes, 8)
    head = _info_header(width, height, 8, len(pixels), 256) + _palette_bytes(palette, 256)
    offset = 14 + len(head)
    return struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset) + head + pixels


def read_bmp(data):
    """(width, height, bits, palette, indexes top row first) of a BMP file."""
    magic, size, _, _, offset = struct.unpack_from("<2sIHHI", data, 0)
    if magic != b"BM" or size != len(data):
        raise ValueError("not a BMP file or wrong size field")
    (hsize, width, height, planes, bits, compression, image_size, _, _, used,
     _) = struct.unpack_from("<IiiHHIIiiII", data, 14)
    if hsize != 40 or planes != 1 or compression != 0:
        raise ValueError("not an uncompressed BITMAPINFOHEADER file")
    entries = used or (1 << bits)
    palette = _read_palette(data, 54, entries)
    indexes = _read_rows(data, offset, width, height, bits)
    return width, height, bits, palette, indexes


def _read_palette(data, at, entries):
    return [(data[at + 4 * i + 2], data[at + 4 * i + 1], data[at + 4 * i]) for i in range(entries)]


def _read_rows(data, at, width, height, bits):
    row_bytes = ((width * bits + 31) // 32) * 4
    per_byte = 8 // bits
    mask = (1 << bits) - 1
    rows = []
    for r in range(height):
        start = at + r * row_bytes
        row = []
        for x in range(width):
            byte = data[start + x // per_byte]
            row.append((byte >> (8 - bits * (x % per_byte + 1))) & mask)
        rows.append(row)
    rows.reverse()
    return [v for row in rows for v in row]


# ---------------------------------------------------------------- ICO

def ico(images):
    """An icon file of images (width, height, bits, palette, indexes), each
    stored as a DIB of doubled height with an all-opaque AND mask."""
    blobs = []
    for width, height, bits, palette, indexes in images:
        entries = 1 << bits
        if len(palette) > entries:
            raise ValueError("palette of %d colours for %d bits" % (len(palette), bits))
        xor = _rows_bottom_up(width, height, indexes, bits)
        and_mask = _rows_bottom_up(width, height, [0] * (width * height), 1)
        head = _info_header(width, 2 * height, bits, len(xor) + len(and_mask), 0)
        blobs.append((width, height, bits, head + _palette_bytes(palette, entries) + xor + and_mask))
    out = bytearray(struct.pack("<HHH", 0, 1, len(blobs)))
    offset = 6 + 16 * len(blobs)
    for width, height, bits, blob in blobs:
        count = 16 if bits == 4 else 0
        out += struct.pack("<BBBBHHII", width, height, count, 0, 1, bits, len(blob), offset)
        offset += len(blob)
    for *_, blob in blobs:
        out += blob
    return bytes(out)


def read_ico(data):
    """The images of an icon file as (width, height, bits, palette, indexes)."""
    reserved, kind, count = struct.unpack_from("<HHH", data, 0)
    if reserved != 0 or kind != 1:
        raise ValueError("not an icon file")
    images = []
    for i in range(count):
        w, h, colours, _, planes, bits, size, offset = struct.unpack_from("<BBBBHHII", data, 6 + 16 * i)
        hsize, dw, dh, dplanes, dbits = struct.unpack_from("<IiiHH", data, offset)
        if hsize != 40 or dw != w or dh != 2 * h or dbits != bits or offset + size > len(data):
            raise ValueError("icon image %d does not match its directory entry" % i)
        entries = 1 << bits
        palette = _read_palette(data, offset + 40, entries)
        indexes = _read_rows(data, offset + 40 + 4 * entries, w, h, bits)
        images.append((w, h, bits, palette, indexes))
    return images
