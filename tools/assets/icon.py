"""The application icon: two stacked lime-green blocks and a tilted pink block on the upper
right, on a transparent background. One description gives the SVG, the PNGs and the Windows
icon."""

import struct

from PIL import Image, ImageDraw

from common import write_if_changed, png_bytes, asset_path

LIME, LIME_DARK, LIME_LIGHT = (132, 222, 36), (58, 140, 16), (196, 246, 120)
PINK, PINK_DARK, PINK_LIGHT = (255, 112, 180), (196, 36, 112), (255, 186, 222)

# Blocks in a 32 x 32 design: centre, size, rotation (degrees, clockwise), colours.
BLOCKS = [
    dict(cx=12.0, cy=24.0, w=20.0, h=12.0, angle=0, fill=LIME, stroke=LIME_DARK, light=LIME_LIGHT),
    dict(cx=11.0, cy=12.5, w=14.0, h=11.0, angle=0, fill=LIME, stroke=LIME_DARK, light=LIME_LIGHT),
    dict(cx=24.0, cy=10.5, w=11.0, h=11.0, angle=20, fill=PINK, stroke=PINK_DARK, light=PINK_LIGHT),
]
STROKE = 1.5
RADIUS = 1.8


def hexcol(c):
    return "#%02x%02x%02x" % c


def svg():
    parts = ['<svg xmlns="http://www.w3.org/2000/svg" width="32" height="32" viewBox="0 0 32 32">']
    for b in BLOCKS:
        w, h = b["w"], b["h"]
        parts.append(f'  <g transform="translate({b["cx"]:g} {b["cy"]:g}) rotate({b["angle"]:g})">')
        parts.append(f'    <rect x="{-w / 2 + STROKE / 2:g}" y="{-h / 2 + STROKE / 2:g}" '
                     f'width="{w - STROKE:g}" height="{h - STROKE:g}" rx="{RADIUS - STROKE / 2:g}" '
                     f'fill="{hexcol(b["fill"])}" stroke="{hexcol(b["stroke"])}" stroke-width="{STROKE:g}"/>')
        parts.append(f'    <rect x="{-w / 2 + STROKE + 1:g}" y="{-h / 2 + STROKE + 0.8:g}" '
                     f'width="{w - 2 * STROKE - 2:g}" height="2" rx="1" fill="{hexcol(b["light"])}"/>')
        parts.append('  </g>')
    parts.append('</svg>')
    return ("\n".join(parts) + "\n").encode()


def render(size):
    k = 16 if size <= 64 else 4
    s = size / 32 * k
    img = Image.new("RGBA", (size * k, size * k), (0, 0, 0, 0))
    for b in BLOCKS:
        layer = Image.new("RGBA", img.size, (0, 0, 0, 0))
        d = ImageDraw.Draw(layer)
        x0, y0 = (b["cx"] - b["w"] / 2) * s, (b["cy"] - b["h"] / 2) * s
        x1, y1 = (b["cx"] + b["w"] / 2) * s, (b["cy"] + b["h"] / 2) * s
        d.rounded_rectangle([x0, y0, x1 - 1, y1 - 1], RADIUS * s, fill=b["stroke"] + (255,))
        st = STROKE * s
        d.rounded_rectangle([x0 + st, y0 + st, x1 - st - 1, y1 - st - 1], (RADIUS - STROKE) * s,
                            fill=b["fill"] + (255,))
        hx0, hy0 = x0 + (STROKE + 1) * s, y0 + (STROKE + 0.8) * s
        d.rounded_rectangle([hx0, hy0, x1 - (STROKE + 1) * s - 1, hy0 + 2 * s - 1], s, fill=b["light"] + (255,))
        if b["angle"]:
            layer = layer.rotate(-b["angle"], Image.Resampling.BICUBIC, center=(b["cx"] * s, b["cy"] * s))
        img.alpha_composite(layer)
    return img.resize((size, size), Image.Resampling.BOX)


def ico(img):
    """A Windows icon file holding one image: 24-bit colour, bottom-up, with a 1-bit mask
    that is set where the picture is transparent."""
    width, height = img.size
    colour, mask = bytearray(), bytearray()
    for y in reversed(range(height)):
        bits = 0
        for x in range(width):
            r, g, b, a = img.getpixel((x, y))
            opaque = a >= 128
            colour += bytes((b, g, r)) if opaque else b"\0\0\0"
            bits = bits << 1 | (not opaque)
        mask += bits.to_bytes(width // 8, "big").ljust((width + 31) // 32 * 4, b"\0")
    header = struct.pack("<IiiHHIIiiII", 40, width, 2 * height, 1, 24, 0, len(colour) + len(mask), 0, 0, 0, 0)
    image = header + colour + mask
    directory = struct.pack("<HHH", 0, 1, 1) + struct.pack("<BBBBHHII", width, height, 0, 0, 1, 24, len(image), 22)
    return directory + image


def build():
    write_if_changed(asset_path("icon", "kobu.svg"), svg())
    write_if_changed(asset_path("icon", "kobu.png"), png_bytes(render(32)))
    write_if_changed(asset_path("icon", "kobu.ico"), ico(render(32)))
    write_if_changed(asset_path("icon", "kobu-256.png"), png_bytes(render(256)))
