"""The pictures of the game: scene, train, monkey sprite and group, smoke, life marker, buttons."""

import math
import random

from PIL import Image, ImageChops, ImageDraw, ImageFilter

from common import (BUTTON_NAVY, GROUND, HILL, MARKER_SKY, NAVY, SKY, Canvas, lerp, save_png,
                    shade)

WHITE = (255, 255, 255)

# ---------------------------------------------------------------------------------------------
# Train layout (pixel columns and rows of the train picture, inclusive). The game's seat table
# and its locomotive threshold (x 400) point at these places.
TRAIN_W, TRAIN_H = 480, 77
CARRIAGES = [(3, 130), (137, 264), (271, 398)]
CARRIAGE_TOP, CARRIAGE_BOTTOM = 14, 66
CARRIAGE_WINDOWS = [(9, 42), (50, 82), (93, 122)]      # of the first carriage; +134 per carriage
WINDOW_TOP, WINDOW_BOTTOM = 22, 58
LOCO = (406, 475)
LOCO_TOP, LOCO_BOTTOM = 19, 64
LOCO_WINDOW = (417, 448, 29, 57)
CHIMNEY = (460, 470, 4, 17)
WHEEL_BOTTOM = 76

SEAT_X = [414, 358, 316, 275, 225, 183, 140, 90, 48, 7]
SEAT_Y = [24, 23, 26, 26, 23, 26, 26, 23, 26, 26]

MONKEY_W, MONKEY_H = 40, 34

# Palette of the train.
CAR_BODY = (120, 198, 250)
CAR_DARK = (30, 96, 178)
CAR_ROOF = (62, 138, 222)
STRIPE = (255, 214, 64)
LOCO_BODY = (228, 52, 48)
LOCO_DARK = (140, 22, 28)
LOCO_ROOF = (60, 62, 84)
WHEEL = (48, 50, 62)
WHEEL_RIM = (112, 116, 130)
HUB = (255, 206, 40)
CHIMNEY_COL = (54, 56, 70)


def wheel(c, cx, hub=HUB):
    cy, r = WHEEL_BOTTOM + 1 - 7.5, 7.5
    c.circle(cx, cy, r, WHEEL)
    c.circle(cx, cy, r - 1.6, WHEEL_RIM)
    c.circle(cx, cy, r - 3.0, WHEEL)
    c.circle(cx, cy, 2.4, hub)


def window(c, x0, x1, y0, y1, frame):
    """A white window covering columns x0..x1 and rows y0..y1, framed just outside."""
    c.rect(x0 - 1, y0 - 1, x1 + 2, y1 + 2, frame, radius=4)
    c.rect(x0, y0, x1 + 1, y1 + 1, WHITE, radius=3)


def draw_train():
    c = Canvas(TRAIN_W, TRAIN_H, HILL)
    # Carriages: wheels behind the body, then the body with roof, stripe and windows.
    for i, (x0, x1) in enumerate(CARRIAGES):
        for cx in (x0 + 24, x0 + 104):
            wheel(c, cx)
        c.framed_rect(x0, CARRIAGE_TOP, x1 + 1, CARRIAGE_BOTTOM + 1, CAR_BODY, CAR_DARK, 1.2, radius=6)
        c.rect(x0 + 1.2, CARRIAGE_TOP + 1.2, x1 - 0.2, CARRIAGE_TOP + 6, CAR_ROOF, radius=5)
        c.rect(x0 + 1.2, CARRIAGE_TOP + 4, x1 - 0.2, CARRIAGE_TOP + 6, CAR_ROOF)
        c.rect(x0 + 1.2, 60, x1 - 0.2, 63, STRIPE)
        c.rect(x0 + 1.2, 63, x1 - 0.2, 65.8, CAR_DARK)
        for wx0, wx1 in CARRIAGE_WINDOWS:
            window(c, wx0 + 134 * i, wx1 + 134 * i, WINDOW_TOP, WINDOW_BOTTOM, CAR_DARK)
    # Couplings between the carriages (the gap before the locomotive stays open).
    for gx in (131, 265):
        c.rect(gx - 2, 55, gx + 8, 59, WHEEL)

    # Locomotive: wheels with their rod, cab with roof and window, boiler, chimney, lamp.
    lx0, lx1 = LOCO
    for cx in (lx0 + 18, lx0 + 52):
        wheel(c, cx, hub=HUB)
    c.line([(lx0 + 18, 69.5), (lx0 + 52, 69.5)], (190, 190, 200), 2)
    # Boiler (front part, lower) and cab (rear part, taller).
    c.framed_rect(lx0 + 38, 30, lx1 + 1, LOCO_BOTTOM + 1, LOCO_BODY, LOCO_DARK, 1.2, radius=7)
    c.rect(lx0 + 39, 52, lx1 - 0.5, 56, STRIPE)
    c.framed_rect(lx0, 23, lx0 + 46, LOCO_BOTTOM + 1, LOCO_BODY, LOCO_DARK, 1.2, radius=3)
    c.rect(lx0 + 1.2, 52, lx0 + 44.8, 56, STRIPE)
    # Chimney with a wide cap, sitting on the boiler.
    cx0, cx1, cy0, cy1 = CHIMNEY
    c.rect(cx0 + 1, cy1, cx1, 31, CHIMNEY_COL)
    c.rect(cx0, cy0 + 4, cx1 + 1, cy1 + 1, CHIMNEY_COL)
    c.rect(cx0 - 1.5, cy0, cx1 + 2.5, cy0 + 5, CHIMNEY_COL, radius=1.5)
    c.rect(cx0 - 0.5, cy0 + 1, cx1 + 1.5, cy0 + 2, (110, 112, 130))
    # Cab roof.
    c.rect(lx0, LOCO_TOP, lx0 + 48, LOCO_TOP + 6, LOCO_ROOF, radius=2.5)
    # Lamp at the front.
    c.circle(lx1 - 3, 38, 3.2, (255, 236, 120))
    c.circle(lx1 - 3.6, 37.4, 1.2, WHITE)
    # Chassis and buffer.
    c.rect(lx0, 62, lx1 + 1, 65, (60, 60, 74))
    window(c, LOCO_WINDOW[0], LOCO_WINDOW[1], LOCO_WINDOW[2], LOCO_WINDOW[3], LOCO_DARK)
    return c.result()


# ---------------------------------------------------------------------------------------------
# The monkey head: drawn once as an antialiased RGBA picture at any scale.
FUR = (160, 98, 46)
FUR_DARK = (92, 52, 20)
FACE = (252, 220, 178)
CHEEK = (255, 150, 150)
EYE = (40, 24, 16)


def monkey_head(c, ox, oy, k=1.0, silhouette=None):
    """Draws a smiling monkey head into the 40 x 34 box at (ox, oy), scaled by k. With a
    silhouette colour, draws only the outline shape in that colour."""
    def p(x, y):
        return ox + x * k, oy + y * k

    def circ(x, y, r, col):
        cx, cy = p(x, y)
        c.circle(cx, cy, r * k, col)

    def ell(x0, y0, x1, y1, col):
        a, b = p(x0, y0)
        e, f = p(x1, y1)
        c.ellipse(a, b, e, f, col)

    # Outline silhouette, then fur: ears and head.
    for x in (5.2, 34.8):
        circ(x, 17, 5.2, silhouette or FUR_DARK)
    ell(4.8, 0.3, 35.2, 33.7, silhouette or FUR_DARK)
    if silhouette:
        return
    for x in (5.2, 34.8):
        circ(x, 17, 4.0, FUR)
        circ(x, 17, 2.4, FACE)
    ell(6.0, 1.5, 34.0, 32.5, FUR)
    # A tuft of hair on top.
    ell(16.5, 0.8, 23.5, 6.0, FUR)
    # Face: two eye patches and a wide muzzle.
    circ(15.2, 14.5, 6.6, FACE)
    circ(24.8, 14.5, 6.6, FACE)
    ell(9.0, 16.0, 31.0, 31.0, FACE)
    # Cheeks.
    ell(9.6, 21.5, 14.4, 25.0, CHEEK)
    ell(25.6, 21.5, 30.4, 25.0, CHEEK)
    # Eyes with a sparkle.
    ell(13.2, 11.5, 17.6, 17.5, EYE)
    ell(22.4, 11.5, 26.8, 17.5, EYE)
    circ(14.6, 13.3, 0.9, WHITE)
    circ(23.8, 13.3, 0.9, WHITE)
    # Nose and a smile.
    circ(18.9, 20.0, 0.8, FUR_DARK)
    circ(21.1, 20.0, 0.8, FUR_DARK)
    a, b = p(14.0, 18.5)
    e, f = p(26.0, 28.0)
    c.arc(a, b, e, f, 20, 160, FUR_DARK, 1.3 * k)


def draw_monkey_sprite():
    """Mask (black head on white) and picture (head on black) of the seated monkey. The head's
    colours are drawn on its outline colour, so that edge pixels blend into the outline."""
    colours = Canvas(MONKEY_W, MONKEY_H, FUR_DARK)
    monkey_head(colours, 0, 0)
    shape = Canvas(MONKEY_W, MONKEY_H, 0, mode="L")
    monkey_head(shape, 0, 0, silhouette=255)
    colours, shape = colours.result(), shape.result()
    mask = Image.new("RGB", (MONKEY_W, MONKEY_H), WHITE)
    pic = Image.new("RGB", (MONKEY_W, MONKEY_H), (0, 0, 0))
    for y in range(MONKEY_H):
        for x in range(MONKEY_W):
            if shape.getpixel((x, y)) >= 128:
                mask.putpixel((x, y), (0, 0, 0))
                pic.putpixel((x, y), colours.getpixel((x, y)))
    return mask, pic


def draw_monkey_group():
    c = Canvas(50, 42, NAVY)
    # Red collar: shoulders of a little shirt with a round collar and a yellow button.
    c.rect(8, 30, 42, 44, (210, 30, 40), radius=8)
    c.ellipse(12, 27, 38, 37, (235, 50, 55))
    c.circle(25, 38.5, 1.8, (255, 214, 64))
    monkey_head(c, 5, 1, 1.0)
    return c.result()


# ---------------------------------------------------------------------------------------------
def draw_life_marker():
    s = 16
    c = Canvas(s, s, MARKER_SKY)
    c.circle(8, 8, 7.3, (196, 40, 120))
    c.circle(8, 8, 6.4, (240, 90, 160))
    c.circle(7.2, 7.2, 5.0, (255, 128, 188))
    c.circle(6.4, 6.2, 3.0, (255, 170, 212))
    c.circle(5.6, 5.2, 1.5, WHITE)
    return c.result()


def draw_smoke():
    w, h, k = 60, 30, 8
    img = Image.new("RGB", (w * k, h * k), HILL)
    layer = Image.new("L", (w * k, h * k), 0)
    shadow = Image.new("L", (w * k, h * k), 0)
    d, ds = ImageDraw.Draw(layer), ImageDraw.Draw(shadow)
    # Two puffs: a small one that has drifted back (left) and a bigger fresh one (right).
    puffs = [
        [(13, 19, 6.5), (19, 15, 7.5), (24, 20, 5.5), (8.5, 21, 4.5)],
        [(37, 16, 9), (46, 11, 8.5), (52, 17, 6.5), (43, 20, 7.5), (31, 20, 6)],
    ]
    for puff in puffs:
        for x, y, r in puff:
            d.ellipse([(x - r) * k, (y - r) * k, (x + r) * k, (y + r) * k], fill=255)
            ds.ellipse([(x - r + 1.6) * k, (y - r + 2.2) * k, (x + r + 0.4) * k, (y + r + 0.6) * k], fill=255)
    layer = layer.filter(ImageFilter.GaussianBlur(k * 0.6))
    body = Image.new("RGB", img.size, (214, 222, 232))
    light = Image.new("RGB", img.size, WHITE)
    # Lighter on the upper left: a white layer over the grey, offset up-left.
    hi = ImageChops.offset(layer, -int(1.5 * k), -int(2 * k))
    hi = ImageChops.multiply(hi, layer)
    body.paste(light, (0, 0), hi)
    img.paste(body, (0, 0), layer)
    return img.resize((w, h), Image.Resampling.BOX)


def draw_button(symbol):
    c = Canvas(50, 35, BUTTON_NAVY)
    c.ellipse(1, 1.5, 49, 34, (70, 150, 90))
    c.ellipse(2, 2, 48, 32.5, (200, 244, 196))
    c.ellipse(6, 4, 44, 15, (228, 252, 224))
    blue = (20, 80, 210)
    if symbol == "start":
        c.polygon([(19, 9), (19, 26), (33.5, 17.5)], blue)
    elif symbol == "help":
        c.arc(18.5, 5.5, 31.5, 18.5, 180, 410, blue, 3.2)
        c.line([(27.6, 16.7), (25, 19.5), (25, 22.2)], blue, 3.2)
        c.circle(25, 27.2, 2.1, blue)
    elif symbol == "sound":
        c.rect(13, 14, 18.5, 22, blue, radius=1)
        c.polygon([(17.5, 14), (25, 8.5), (25, 27.5), (17.5, 22)], blue)
        c.arc(22, 11.5, 31, 24.5, -50, 50, blue, 2.2)
        c.arc(22, 7, 37, 29, -50, 50, blue, 2.2)
    return c.result()


# ---------------------------------------------------------------------------------------------
def draw_scene():
    w, h, k = 600, 450, 4
    c = Canvas(w, h, SKY, scale=k)
    rng = random.Random(102)

    # Sun and clouds (away from the life markers at the top centre).
    c.circle(548, 52, 30, (255, 236, 150))
    c.circle(548, 52, 24, (255, 214, 64))
    for cx, cy, s in ((150, 92, 1.0), (405, 62, 1.25), (520, 140, 0.8)):
        for dx, dy, r in ((-22, 4, 12), (-8, -6, 16), (10, -3, 14), (24, 5, 10), (0, 6, 13)):
            c.circle(cx + dx * s, cy + dy * s, r * s, WHITE)

    # Hills with a lit slope on the left and a shaded slope on the right.
    def hill_mask(cx, top, rx, bottom=260):
        m = Image.new("L", c.img.size, 0)
        ImageDraw.Draw(m).ellipse([(cx - rx) * k, top * k, (cx + rx) * k, (top + 2 * (bottom - top)) * k], fill=255)
        return m

    def paint(mask, col):
        c.img.paste(col, (0, 0), mask)

    far = [(80, 138, 150), (300, 150, 170), (520, 128, 150)]
    for cx, top, rx in far:
        paint(hill_mask(cx, top, rx), (112, 204, 120))
    near = [(-10, 160, 150), (230, 168, 170), (470, 150, 180)]
    for cx, top, rx in near:
        m = hill_mask(cx, top, rx)
        paint(m, HILL)
        lit = ImageChops.subtract(m, ImageChops.offset(m, int(9 * k), int(7 * k)))
        paint(lit, (86, 206, 96))
        dark = ImageChops.subtract(m, ImageChops.offset(m, int(-12 * k), int(4 * k)))
        paint(dark, (0, 142, 48))
    # The meadow in front, plain hill green wherever the train and the smoke pass.
    c.rect(0, 212, w, 330, HILL)
    meadow = Image.new("L", c.img.size, 0)
    ImageDraw.Draw(meadow).ellipse([-200 * k, 196 * k, 800 * k, 600 * k], fill=255)
    paint(meadow, HILL)

    # Flowers in the meadow where nothing passes over them.
    for _ in range(26):
        x = rng.uniform(4, 404)
        y = rng.uniform(214, 248)
        col = rng.choice([(255, 255, 255), (255, 230, 70), (255, 150, 200)])
        for a in range(5):
            ang = a * 2 * math.pi / 5
            c.circle(x + 1.6 * math.cos(ang), y + 1.6 * math.sin(ang), 1.2, col)
        c.circle(x, y, 0.9, (250, 180, 40))

    # Railway: rail on top of a grey bed with sleepers.
    c.rect(0, 330, w, 343, (150, 150, 156))
    for x in range(-6, w, 24):
        c.rect(x, 335, x + 14, 342, (112, 96, 84))
    c.rect(0, 330, w, 331, (228, 230, 236))
    c.rect(0, 331, w, 334, (176, 178, 188))
    c.rect(0, 334, w, 335, (100, 100, 110))

    # Ground with pebbles.
    c.rect(0, 343, w, h, GROUND)
    for _ in range(120):
        x, y = rng.uniform(0, w), rng.uniform(348, 446)
        rx, ry = rng.uniform(2, 6), rng.uniform(1.5, 3.5)
        base = rng.choice([(170, 135, 88), (156, 122, 80), (182, 148, 100)])
        c.ellipse(x - rx, y - ry, x + rx, y + ry, base)
        c.ellipse(x - rx * 0.6, y - ry * 0.8, x + rx * 0.2, y - ry * 0.1, shade(base, 1.18))
    return c.result()


def build():
    save_png(draw_life_marker(), "pictures", "life-marker.png")
    save_png(draw_scene(), "pictures", "scene.png")
    save_png(draw_monkey_group(), "pictures", "monkey-group.png")
    mask, pic = draw_monkey_sprite()
    save_png(mask, "pictures", "monkey-mask.png")
    save_png(pic, "pictures", "monkey.png")
    save_png(draw_smoke(), "pictures", "smoke.png")
    save_png(draw_train(), "pictures", "train.png")
    save_png(draw_button("start"), "pictures", "button-start.png")
    save_png(draw_button("help"), "pictures", "button-help.png")
    save_png(draw_button("sound"), "pictures", "button-sound.png")
