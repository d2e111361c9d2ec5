"""Shared helpers of the asset generator: colours, antialiased drawing, deterministic files."""

import os
import struct
import zlib

from PIL import Image, ImageDraw

# Colours that the game and the other pictures depend on.
SKY = (180, 227, 253)
MARKER_SKY = (179, 227, 253)
HILL = (1, 176, 59)
GROUND = (200, 165, 111)
NAVY = (0, 0, 128)
BUTTON_NAVY = (0, 1, 128)

ROOT = os.path.normpath(os.path.join(os.path.dirname(__file__), "..", ".."))
ASSETS = os.path.join(ROOT, "assets")


def asset_path(*parts):
    return os.path.join(ASSETS, *parts)


def write_if_changed(path, data):
    """Writes bytes only when they differ, so that an unchanged asset keeps its file untouched."""
    try:
        with open(path, "rb") as f:
            if f.read() == data:
                return False
    except FileNotFoundError:
        pass
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(data)
    return True


PNG_COLOUR_TYPES = {"RGB": 2, "RGBA": 6}


def png_chunk(kind, data):
    return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))


def png_bytes(img):
    """PNG without any metadata chunk: the same pixels always give the same bytes.

    Every row is stored unfiltered: the files grow a little, but the game
    decodes them several times faster at start-up (undoing the Paeth filter
    was most of the work)."""
    width, height = img.size
    channels = len(img.mode)
    pixels = img.tobytes()
    stride = width * channels
    rows = b"".join(b"\0" + pixels[y * stride:(y + 1) * stride] for y in range(height))
    header = struct.pack(">IIBBBBB", width, height, 8, PNG_COLOUR_TYPES[img.mode], 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + png_chunk(b"IHDR", header) + png_chunk(b"IDAT", zlib.compress(rows, 9))
            + png_chunk(b"IEND", b""))


def save_png(img, *parts):
    write_if_changed(asset_path(*parts), png_bytes(img))


def lerp(a, b, t):
    return tuple(round(x + (y - x) * t) for x, y in zip(a, b))


def shade(c, f):
    """f < 1 darkens, f > 1 lightens towards white."""
    if f <= 1:
        return tuple(round(x * f) for x in c)
    return lerp(c, (255, 255, 255), f - 1)


def supersampling(scale, zoom):
    """Samples per output pixel along each axis for a picture drawn zoom times larger: a
    zoomed picture needs fewer to look as smooth, and stays small enough to draw."""
    return scale if zoom == 1 else max(2, scale // zoom)


class Canvas:
    """Draws in the picture's own pixel coordinates on a picture S times larger, then
    shrinks it with an area filter: every shape comes out antialiased, while edges that
    lie on whole pixel coordinates stay sharp. Rectangles take edge coordinates: the
    rectangle (9, 22, 43, 59) covers the pixel columns 9 to 42 and rows 22 to 58.
    With a zoom, the same drawing comes out zoom times larger, for screens with more
    pixels to the design's pixel."""

    def __init__(self, width, height, background, scale=8, mode="RGB", zoom=1):
        self.w, self.h, self.zoom = width, height, zoom
        self.s = supersampling(scale, zoom) * zoom
        self.img = Image.new(mode, (width * self.s, height * self.s), background)
        self.d = ImageDraw.Draw(self.img)

    def _box(self, x0, y0, x1, y1):
        s = self.s
        return [round(x0 * s), round(y0 * s), round(x1 * s) - 1, round(y1 * s) - 1]

    def _pts(self, pts):
        return [(round(x * self.s), round(y * self.s)) for x, y in pts]

    def rect(self, x0, y0, x1, y1, fill, radius=0):
        if radius:
            self.d.rounded_rectangle(self._box(x0, y0, x1, y1), round(radius * self.s), fill=fill)
        else:
            self.d.rectangle(self._box(x0, y0, x1, y1), fill=fill)

    def framed_rect(self, x0, y0, x1, y1, fill, outline, width=1.0, radius=0):
        self.rect(x0, y0, x1, y1, outline, radius)
        self.rect(x0 + width, y0 + width, x1 - width, y1 - width, fill, max(0, radius - width))

    def ellipse(self, x0, y0, x1, y1, fill):
        self.d.ellipse(self._box(x0, y0, x1, y1), fill=fill)

    def circle(self, cx, cy, r, fill):
        self.ellipse(cx - r, cy - r, cx + r, cy + r, fill)

    def ring(self, cx, cy, r, fill, outline, width=1.0):
        self.circle(cx, cy, r, outline)
        self.circle(cx, cy, r - width, fill)

    def polygon(self, pts, fill):
        self.d.polygon(self._pts(pts), fill=fill)

    def line(self, pts, fill, width):
        self.d.line(self._pts(pts), fill=fill, width=max(1, round(width * self.s)), joint="curve")
        r = width / 2
        for x, y in (pts[0], pts[-1]):
            self.circle(x, y, r, fill)

    def arc(self, x0, y0, x1, y1, start, end, fill, width):
        self.d.arc(self._box(x0, y0, x1, y1), start, end, fill=fill, width=max(1, round(width * self.s)))

    def paste(self, picture, x, y):
        """Pastes a picture drawn at this canvas's scale (an RGBA image) at (x, y)."""
        self.img.alpha_composite(picture, (round(x * self.s), round(y * self.s))) if self.img.mode == "RGBA" \
            else self.img.paste(picture, (round(x * self.s), round(y * self.s)), picture)

    def result(self):
        return self.img.resize((self.w * self.zoom, self.h * self.zoom), Image.Resampling.BOX)
