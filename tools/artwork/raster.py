"""A small raster toolkit for drawing the artwork in plain Python.

Shapes are rasterised into masks of SS x SS sub-samples per pixel, which
gives antialiased edges and exact unions (two shapes sharing an edge leave
no seam). A Canvas holds floating-point RGB and paints a mask with a colour
or with a colour function of the pixel position.

Only +, -, *, / and sqrt are used on floats (no libm trigonometry), so the
output is the same on every IEEE-754 machine and every Python 3.
"""

PI = 3.141592653589793
SS = 4  # sub-samples per pixel along each axis; coverage() relies on 4

_ONES = b"\x01" * 65536
_ZEROS = bytes(65536)


def cos_sin(degrees):
    """cos and sin of an angle in degrees, by Taylor series."""
    a = degrees * PI / 180.0
    while a > PI:
        a -= 2.0 * PI
    while a < -PI:
        a += 2.0 * PI
    term, c = 1.0, 1.0
    for n in range(1, 20):
        term *= -a * a / ((2 * n - 1) * (2 * n))
        c += term
    term, s = a, a
    for n in range(1, 20):
        term *= -a * a / ((2 * n) * (2 * n + 1))
        s += term
    return c, s


def clamp(v, lo=0.0, hi=1.0):
    return lo if v < lo else hi if v > hi else v


def mix(c1, c2, t):
    """Colour between c1 (t = 0) and c2 (t = 1)."""
    return (c1[0] + (c2[0] - c1[0]) * t,
            c1[1] + (c2[1] - c1[1]) * t,
            c1[2] + (c2[2] - c1[2]) * t)


def scale(c, f):
    return (c[0] * f, c[1] * f, c[2] * f)


def smoothstep(e0, e1, x):
    t = clamp((x - e0) / (e1 - e0))
    return t * t * (3.0 - 2.0 * t)


def gradient(stops, t):
    """Colour at t along [(t0, colour0), (t1, colour1), ...], t ascending."""
    if t <= stops[0][0]:
        return stops[0][1]
    for (t0, c0), (t1, c1) in zip(stops, stops[1:]):
        if t <= t1:
            return mix(c0, c1, (t - t0) / (t1 - t0))
    return stops[-1][1]


# ---------------------------------------------------------------- noise

def hash01(ix, iy, seed):
    """A well-mixed value in [0, 1) for integer lattice point (ix, iy)."""
    h = (ix * 374761393 + iy * 668265263 + seed * 2246822519) & 0xFFFFFFFF
    h = ((h ^ (h >> 13)) * 1274126177) & 0xFFFFFFFF
    h = ((h ^ (h >> 16)) * 2246822519) & 0xFFFFFFFF
    h ^= h >> 15
    return h / 4294967296.0


def value_noise(x, y, seed):
    """Smoothly interpolated lattice noise in [0, 1)."""
    ix = int(x // 1)
    iy = int(y // 1)
    fx = x - ix
    fy = y - iy
    sx = fx * fx * (3.0 - 2.0 * fx)
    sy = fy * fy * (3.0 - 2.0 * fy)
    a = hash01(ix, iy, seed)
    b = hash01(ix + 1, iy, seed)
    c = hash01(ix, iy + 1, seed)
    d = hash01(ix + 1, iy + 1, seed)
    top = a + (b - a) * sx
    bottom = c + (d - c) * sx
    return top + (bottom - top) * sy


def fbm(x, y, seed, octaves=4, gain=0.5):
    """Fractal sum of value noise, normalised to [0, 1)."""
    total, amp, norm = 0.0, 1.0, 0.0
    for o in range(octaves):
        total += amp * value_noise(x, y, seed + 101 * o)
        norm += amp
        amp *= gain
        x *= 2.0
        y *= 2.0
    return total / norm


def noise1(x, seed, octaves=4):
    """One-dimensional fractal noise in [0, 1), for ridge lines."""
    return fbm(x, 0.5, seed, octaves)


# ---------------------------------------------------------------- masks

class Mask:
    """Coverage of shapes over the pixel rectangle (x0, y0, w, h), in page
    coordinates. Each pixel holds SS x SS sub-samples at the sub-cell
    centres; a shape covers a sample when the sample's centre lies inside."""

    def __init__(self, x0, y0, w, h):
        self.x0, self.y0 = int(x0), int(y0)
        self.w, self.h = max(0, int(w)), max(0, int(h))
        self.sw = self.w * SS
        self.rows = [bytearray(self.sw) for _ in range(self.h * SS)]

    # Every shape is a list of horizontal spans per sub-sample row.
    def _spans(self, y_top, y_bottom, spans_at, value):
        first = max(0, int((y_top - self.y0) * SS - 0.5) - 1)
        last = min(self.h * SS - 1, int((y_bottom - self.y0) * SS + 0.5) + 1)
        fill = _ONES if value else _ZEROS
        for r in range(first, last + 1):
            yc = self.y0 + (r + 0.5) / SS
            if yc < y_top or yc >= y_bottom:
                continue
            row = self.rows[r]
            for xa, xb in spans_at(yc):
                i0 = _ceil((xa - self.x0) * SS - 0.5)
                i1 = _ceil((xb - self.x0) * SS - 0.5)
                if i0 < 0:
                    i0 = 0
                if i1 > self.sw:
                    i1 = self.sw
                if i1 > i0:
                    row[i0:i1] = fill[:i1 - i0]

    def polygon(self, points, value=1):
        """Fills a polygon by the non-zero winding rule."""
        n = len(points)
        edges = []
        for i in range(n):
            (xa, ya), (xb, yb) = points[i], points[(i + 1) % n]
            if ya != yb:
                edges.append((xa, ya, xb, yb))
        if not edges:
            return self

        def spans_at(yc):
            hits = []
            for xa, ya, xb, yb in edges:
                if ya <= yc < yb:
                    hits.append((xa + (yc - ya) * (xb - xa) / (yb - ya), 1))
                elif yb <= yc < ya:
                    hits.append((xa + (yc - ya) * (xb - xa) / (yb - ya), -1))
            hits.sort()
            out, wind, start = [], 0, 0.0
            for x, d in hits:
                if wind == 0:
                    start = x
                wind += d
                if wind == 0:
                    out.append((start, x))
            return out

        ys = [p[1] for p in points]
        self._spans(min(ys), max(ys), spans_at, value)
        return self

    def ellipse(self, cx, cy, rx, ry, value=1):
        def spans_at(yc):
            d = (yc - cy) / ry
            q = 1.0 - d * d
            if q <= 0.0:
                return ()
            half = rx * q ** 0.5
            return ((cx - half, cx + half),)

        self._spans(cy - ry, cy + ry, spans_at, value)
        return self

    def circle(self, cx, cy, r, value=1):
        return self.ellipse(cx, cy, r, r, value)

    def rect(self, x, y, w, h, value=1):
        self._spans(y, y + h, lambda yc: ((x, x + w),), value)
        return self

    def ring(self, cx, cy, r_outer, r_inner):
        return self.circle(cx, cy, r_outer).circle(cx, cy, r_inner, 0)

    def segment(self, x0, y0, x1, y1, width, caps=True, value=1):
        """A straight stroke of the given width, optionally with round caps."""
        dx, dy = x1 - x0, y1 - y0
        length = (dx * dx + dy * dy) ** 0.5
        if length > 0.0:
            nx, ny = -dy / length * width / 2.0, dx / length * width / 2.0
            self.polygon([(x0 + nx, y0 + ny), (x1 + nx, y1 + ny),
                          (x1 - nx, y1 - ny), (x0 - nx, y0 - ny)], value)
        if caps:
            self.circle(x0, y0, width / 2.0, value)
            self.circle(x1, y1, width / 2.0, value)
        return self

    def polyline(self, points, width, closed=False, value=1):
        pts = list(points) + ([points[0]] if closed else [])
        for (xa, ya), (xb, yb) in zip(pts, pts[1:]):
            self.segment(xa, ya, xb, yb, width, True, value)
        return self

    def rounded_rect(self, x, y, w, h, r, value=1):
        r = min(r, w / 2.0, h / 2.0)

        def spans_at(yc):
            if yc < y + r:
                d = (y + r - yc) / r
            elif yc > y + h - r:
                d = (yc - (y + h - r)) / r
            else:
                return ((x, x + w),)
            inset = r - r * max(0.0, 1.0 - d * d) ** 0.5
            return ((x + inset, x + w - inset),)

        self._spans(y, y + h, spans_at, value)
        return self

    def coverage(self):
        """Per-pixel coverage, 0 to 16 (SS * SS), row by row."""
        out = []
        w = self.w
        for py in range(self.h):
            r = py * SS
            a = memoryview(self.rows[r]).cast("I")
            b = memoryview(self.rows[r + 1]).cast("I")
            c = memoryview(self.rows[r + 2]).cast("I")
            d = memoryview(self.rows[r + 3]).cast("I")
            out.extend([(a[i] | (b[i] << 1) | (c[i] << 2) | (d[i] << 3)).bit_count()
                        for i in range(w)])
        return out


def _ceil(v):
    i = int(v)
    return i + 1 if v > i else i


# ---------------------------------------------------------------- canvas

class Canvas:
    """Floating-point RGB pixels over the page rectangle (x0, y0, w, h).
    Drawing uses page coordinates, so the same scene code can render the
    whole page or only the part under one picture."""

    def __init__(self, w, h, colour=(0.0, 0.0, 0.0), x0=0, y0=0):
        self.x0, self.y0, self.w, self.h = x0, y0, w, h
        n = w * h
        self.r = [float(colour[0])] * n
        self.g = [float(colour[1])] * n
        self.b = [float(colour[2])] * n

    def mask(self):
        return Mask(self.x0, self.y0, self.w, self.h)

    def fill(self, fn):
        """Sets every pixel to fn(x, y), with x and y the pixel's page position."""
        i = 0
        for y in range(self.y0, self.y0 + self.h):
            for x in range(self.x0, self.x0 + self.w):
                c = fn(x, y)
                self.r[i], self.g[i], self.b[i] = c[0], c[1], c[2]
                i += 1

    def paint(self, mask, colour, opacity=1.0):
        """Blends colour (a tuple or fn(x, y) -> tuple) where mask covers."""
        self.paint_coverage(mask.x0, mask.y0, mask.w, mask.h,
                            mask.coverage(), colour, opacity / (SS * SS))

    def paint_coverage(self, mx, my, mw, mh, cov, colour, unit=1.0):
        fn = colour if callable(colour) else None
        cr = cg = cb = 0.0
        if fn is None:
            cr, cg, cb = colour
        r, g, b = self.r, self.g, self.b
        for py in range(mh):
            y = my + py
            cy = y - self.y0
            if cy < 0 or cy >= self.h:
                continue
            base = py * mw
            for px in range(mw):
                c = cov[base + px]
                if not c:
                    continue
                x = mx + px
                cx = x - self.x0
                if cx < 0 or cx >= self.w:
                    continue
                a = c * unit
                if fn is not None:
                    cr, cg, cb = fn(x, y)
                i = cy * self.w + cx
                if a >= 1.0:
                    r[i], g[i], b[i] = cr, cg, cb
                else:
                    r[i] += (cr - r[i]) * a
                    g[i] += (cg - g[i]) * a
                    b[i] += (cb - b[i]) * a

    def adjust(self, mask, fn):
        """Replaces each covered pixel's colour c by a blend towards fn(x, y, c)."""
        cov = mask.coverage()
        for py in range(mask.h):
            y = mask.y0 + py
            cy = y - self.y0
            if cy < 0 or cy >= self.h:
                continue
            for px in range(mask.w):
                c = cov[py * mask.w + px]
                if not c:
                    continue
                x = mask.x0 + px
                cx = x - self.x0
                if cx < 0 or cx >= self.w:
                    continue
                i = cy * self.w + cx
                old = (self.r[i], self.g[i], self.b[i])
                new = fn(x, y, old)
                a = c / (SS * SS)
                self.r[i] = old[0] + (new[0] - old[0]) * a
                self.g[i] = old[1] + (new[1] - old[1]) * a
                self.b[i] = old[2] + (new[2] - old[2]) * a

    def pixels(self):
        """The pixels as (r, g, b) tuples of ints 0..255, row by row, top first."""
        out = []
        for i in range(self.w * self.h):
            out.append((_byte(self.r[i]), _byte(self.g[i]), _byte(self.b[i])))
        return out


def _byte(v):
    i = int(v + 0.5)
    return 0 if i < 0 else 255 if i > 255 else i


# ---------------------------------------------------------------- glow

def distance_outside(cov, w, h, full):
    """Approximate distance (in pixels) from each pixel to the nearest pixel
    whose coverage is at least half of full; 0 inside. Two-pass chamfer."""
    big = 1e9
    diag = 2.0 ** 0.5
    half = full / 2.0
    d = [0.0 if c >= half else big for c in cov]
    for y in range(h):
        for x in range(w):
            i = y * w + x
            v = d[i]
            if v == 0.0:
                continue
            if x > 0 and d[i - 1] + 1.0 < v:
                v = d[i - 1] + 1.0
            if y > 0:
                j = i - w
                if d[j] + 1.0 < v:
                    v = d[j] + 1.0
                if x > 0 and d[j - 1] + diag < v:
                    v = d[j - 1] + diag
                if x < w - 1 and d[j + 1] + diag < v:
                    v = d[j + 1] + diag
            d[i] = v
    for y in range(h - 1, -1, -1):
        for x in range(w - 1, -1, -1):
            i = y * w + x
            v = d[i]
            if v == 0.0:
                continue
            if x < w - 1 and d[i + 1] + 1.0 < v:
                v = d[i + 1] + 1.0
            if y < h - 1:
                j = i + w
                if d[j] + 1.0 < v:
                    v = d[j] + 1.0
                if x < w - 1 and d[j + 1] + diag < v:
                    v = d[j + 1] + diag
                if x > 0 and d[j - 1] + diag < v:
                    v = d[j - 1] + diag
            d[i] = v
    return d


def halo(canvas, mask, colour, inner, outer, strength=1.0):
    """Paints a halo of colour around the shapes of mask: full strength up to
    inner pixels from the shapes, fading out at outer pixels. It covers the
    shapes too; draw them afterwards."""
    full = SS * SS
    cov = mask.coverage()
    dist = distance_outside(cov, mask.w, mask.h, full)
    alpha = []
    for c, dd in zip(cov, dist):
        if dd <= inner:
            a = 1.0
        elif dd >= outer:
            a = 0.0
        else:
            t = (outer - dd) / (outer - inner)
            a = t * t * (3.0 - 2.0 * t)
        alpha.append(a * strength)
    canvas.paint_coverage(mask.x0, mask.y0, mask.w, mask.h, alpha, colour, 1.0)
