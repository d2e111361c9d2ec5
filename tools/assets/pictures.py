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


def draw_train(zoom=1):
    c = Canvas(TRAIN_W, TRAIN_H, HILL, zoom=zoom)
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
    c.rect(cx0 + 1, cy0 + 9, cx1, cy0 + 11.5, LOCO_BODY)
    # Gold bands round the boiler.
    for bx in (453, 464):
        c.rect(bx, 30.6, bx + 2, LOCO_BOTTOM, (255, 196, 40))
    # Lamp at the front.
    c.circle(lx1 - 4.5, 40, 3.4, (255, 236, 120))
    c.circle(lx1 - 5.1, 39.4, 1.3, WHITE)
    # Chassis, and a yellow cowcatcher at the front.
    c.rect(lx0, 62, lx1 + 1, 65, (60, 60, 74))
    c.polygon([(lx1 - 9, 62), (lx1 + 1, 62), (lx1 + 1, 72.5), (lx1 - 1, 72.5)], (120, 80, 20))
    c.polygon([(lx1 - 8, 62.8), (lx1 + 0.3, 62.8), (lx1 + 0.3, 71.3), (lx1 - 1.5, 71.3)], (255, 200, 40))
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


def draw_monkey_sprite(zoom=1):
    """Mask (black head on white) and picture (head on black) of the seated monkey. The head's
    colours are drawn on its outline colour, so that edge pixels blend into the outline."""
    colours = Canvas(MONKEY_W, MONKEY_H, FUR_DARK, zoom=zoom)
    monkey_head(colours, 0, 0)
    shape = Canvas(MONKEY_W, MONKEY_H, 0, mode="L", zoom=zoom)
    monkey_head(shape, 0, 0, silhouette=255)
    colours, shape = colours.result(), shape.result()
    mask = Image.new("RGB", shape.size, WHITE)
    pic = Image.new("RGB", shape.size, (0, 0, 0))
    for y in range(shape.height):
        for x in range(shape.width):
            if shape.getpixel((x, y)) >= 128:
                mask.putpixel((x, y), (0, 0, 0))
                pic.putpixel((x, y), colours.getpixel((x, y)))
    return mask, pic


def draw_monkey_group(zoom=1):
    c = Canvas(50, 42, NAVY, zoom=zoom)
    # Red collar: shoulders of a little shirt with a round collar and a yellow button.
    c.rect(8, 30, 42, 44, (210, 30, 40), radius=8)
    c.ellipse(12, 27, 38, 37, (235, 50, 55))
    c.circle(25, 38.5, 1.8, (255, 214, 64))
    monkey_head(c, 5, 1, 1.0)
    return c.result()


# ---------------------------------------------------------------------------------------------
def draw_life_marker(zoom=1):
    c = Canvas(16, 16, MARKER_SKY, zoom=zoom)
    c.circle(8, 8, 7.0, (200, 44, 124))
    c.circle(8, 8, 6.1, (240, 90, 160))
    c.circle(7.3, 7.3, 4.8, (255, 128, 188))
    c.circle(6.5, 6.3, 2.9, (255, 170, 212))
    c.circle(5.7, 5.3, 1.4, WHITE)
    return c.result()


def draw_smoke(zoom=1):
    """Two puffs: a fresh, dense one on the right (towards the chimney, which is to the lower
    right of the cloud) and an older, bigger and thinner one that has drifted back and up."""
    w, h, k = 60, 30, 8 * zoom
    puffs = [  # balls (x, y, r), opacity
        ([(8, 19, 4.2), (13.5, 14, 7.2), (21.5, 10.5, 8.0), (27.5, 16.5, 6.2), (17, 19.5, 6.0)], 0.88),
        ([(37.5, 18.5, 5.5), (44.5, 15.5, 7.5), (51.5, 19.5, 5.6), (46, 22.5, 5.2), (40.5, 23, 4.4)], 1.0),
    ]
    # Keep the outermost pixels plain green, so the cloud has no visible box.
    frame = Image.new("L", (w * k, h * k), 0)
    ImageDraw.Draw(frame).rectangle([k, k, (w - 1) * k - 1, (h - 1) * k - 1], fill=255)
    img = Image.new("RGB", frame.size, HILL)
    for balls, opacity in puffs:
        shape = Image.new("L", frame.size, 0)
        lit = Image.new("L", frame.size, 0)
        d, dl = ImageDraw.Draw(shape), ImageDraw.Draw(lit)
        for x, y, r in balls:
            d.ellipse([(x - r) * k, (y - r) * k, (x + r) * k, (y + r) * k], fill=255)
            # The upper left of every ball catches the light.
            dl.ellipse([(x - r * 0.95) * k, (y - r * 0.98) * k, (x + r * 0.55) * k, (y + r * 0.45) * k],
                       fill=255)
        shape = shape.filter(ImageFilter.GaussianBlur(k * 0.45))
        lit = ImageChops.multiply(lit.filter(ImageFilter.GaussianBlur(k * 1.2)), shape)
        shape = ImageChops.multiply(shape, frame).point(lambda v: round(v * opacity))
        body = Image.new("RGB", frame.size, (196, 204, 214))
        body.paste(Image.new("RGB", frame.size, (250, 251, 252)), (0, 0), lit)
        img.paste(body, (0, 0), shape)
    return img.resize((w * zoom, h * zoom), Image.Resampling.BOX)


def draw_button(symbol, zoom=1):
    c = Canvas(50, 35, BUTTON_NAVY, zoom=zoom)
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
def shifted(mask, dx, dy):
    out = Image.new("L", mask.size, 0)
    out.paste(mask, (round(dx), round(dy)))
    return out


def draw_scene(zoom=1):
    w, h = 600, 450
    c = Canvas(w, h, SKY, scale=4, zoom=zoom)
    k = c.s
    rng = random.Random(102)
    size = c.img.size

    # Masks of the hills extend M pixels beyond each side of the picture, so that the slopes
    # of hills that run off the picture do not end in a seam at its edge.
    M = 60 * k

    def paint(mask, col):
        c.img.paste(col, (0, 0), mask.crop((M, M, M + size[0], M + size[1])))

    def ellipse_mask(x0, y0, x1, y1):
        m = Image.new("L", (size[0] + 2 * M, size[1] + 2 * M), 0)
        ImageDraw.Draw(m).ellipse([x0 * k + M, y0 * k + M, x1 * k - 1 + M, y1 * k - 1 + M], fill=255)
        return m

    # Sky: a clear blue at the top, a little paler towards the horizon.
    for y in range(40, 220):
        c.rect(0, y, w, y + 1, lerp(SKY, (222, 244, 255), ((y - 40) / 180) ** 1.3))

    # A smiling sun in the upper right, and clouds away from the life markers (top centre).
    sx, sy = 540, 58
    for i in range(12):
        ang = i * math.pi / 6 + math.pi / 12
        c.line([(sx + 34 * math.cos(ang), sy + 34 * math.sin(ang)),
                (sx + 44 * math.cos(ang), sy + 44 * math.sin(ang))], (255, 206, 60), 4)
    c.circle(sx, sy, 28, (255, 200, 40))
    c.circle(sx - 2, sy - 2, 25, (255, 222, 70))
    c.arc(sx - 15, sy - 12, sx - 3, sy + 0, 200, 340, (200, 110, 20), 2.2)
    c.arc(sx + 3, sy - 12, sx + 15, sy + 0, 200, 340, (200, 110, 20), 2.2)
    c.arc(sx - 12, sy - 6, sx + 12, sy + 15, 20, 160, (200, 110, 20), 2.6)
    c.circle(sx - 16, sy + 7, 4, (255, 170, 90))
    c.circle(sx + 16, sy + 7, 4, (255, 170, 90))

    def cloud(cx, cy, s):
        shade_col = (226, 236, 246)
        for dx, dy, r in ((-24, 6, 11), (-9, -4, 15), (9, -8, 17), (25, 3, 12), (3, 7, 13), (-14, 8, 10)):
            c.circle(cx + dx * s, cy + dy * s + 1.5 * s, r * s, shade_col)
        for dx, dy, r in ((-24, 6, 11), (-9, -4, 15), (9, -8, 17), (25, 3, 12), (3, 7, 13), (-14, 8, 10)):
            c.circle(cx + dx * s - 0.6 * s, cy + dy * s - 0.8 * s, (r - 1.4) * s, WHITE)
        c.rect(cx - 26 * s, cy + 6 * s, cx + 28 * s, cy + 17 * s, shade_col, radius=5.5 * s)
        c.rect(cx - 25 * s, cy + 5 * s, cx + 27 * s, cy + 15.5 * s, WHITE, radius=5 * s)

    cloud(178, 78, 1.0)
    cloud(392, 52, 1.2)
    cloud(282, 132, 0.75)

    # Far hills, pale with distance.
    for x0, y0, x1 in ((-120, 128, 260), (150, 146, 470), (350, 118, 720)):
        paint(ellipse_mask(x0, y0, x1, y0 + 260), (132, 212, 134))
    # Near hills: the sun (upper right) lights their right slopes; the left slopes lie in shade.
    for x0, y0, x1 in ((-170, 150, 200), (130, 162, 400), (340, 142, 760)):
        m = ellipse_mask(x0, y0, x1, y0 + 230)
        paint(m, HILL)
        paint(ImageChops.subtract(m, shifted(m, -26 * k, 10 * k)), (64, 202, 84))
        paint(ImageChops.subtract(m, shifted(m, 22 * k, 8 * k)), (0, 146, 50))
        paint(ImageChops.subtract(m, shifted(m, 0, 3 * k)), (120, 220, 120))
    # The meadow in front, plain hill green wherever the train and its smoke pass.
    meadow = ellipse_mask(-900, 194, 1500, 1200)
    paint(meadow, (118, 212, 110))
    paint(shifted(meadow, 0, 2 * k), HILL)
    c.rect(0, 246, w, 330, HILL)

    # Trees and flowers in the meadow, where neither train nor smoke passes over them.
    def tree(x, base, s):
        c.rect(x - 3 * s, base - 16 * s, x + 3 * s, base, (140, 92, 48), radius=1.5 * s)
        for dx, dy, r, col in ((0, -28, 14, (0, 128, 44)), (-7, -22, 10, (0, 128, 44)),
                               (8, -21, 10, (0, 128, 44)), (-2, -30, 11, (30, 160, 60)),
                               (-5, -33, 5, (90, 196, 96))):
            c.circle(x + dx * s, base + dy * s, r * s, col)
        for dx, dy in ((-6, -25), (6, -28), (1, -20)):
            c.circle(x + dx * s, base + dy * s, 1.8 * s, (236, 60, 60))

    tree(66, 236, 1.0)
    tree(300, 224, 0.8)
    spots = []
    while len(spots) < 34:
        x, y = rng.uniform(6, 594), rng.uniform(208, 246)
        if x > 404 and y > 211:
            continue
        if any(abs(x - u) < 12 and abs(y - v) < 8 for u, v in spots):
            continue
        if abs(x - 66) < 18 and y < 240 or abs(x - 300) < 15 and y < 228:
            continue
        spots.append((x, y))
    for i, (x, y) in enumerate(spots):
        if i % 3 == 2:   # a tuft of grass
            for dx, tip in ((-2.2, -5.5), (0, -7), (2.2, -5.5)):
                c.line([(x + dx * 0.4, y), (x + dx, y + tip)], (0, 140, 48), 1.1)
            continue
        col = ((255, 255, 255), (255, 226, 60), (255, 140, 196))[i % 3]
        c.line([(x, y), (x, y + 4)], (0, 130, 44), 0.9)
        for a in range(5):
            ang = a * 2 * math.pi / 5 - math.pi / 2
            c.circle(x + 1.7 * math.cos(ang), y + 1.7 * math.sin(ang), 1.3, col)
        c.circle(x, y, 1.0, (250, 170, 30))

    # Railway: the rail on a grey bed with sleepers.
    c.rect(0, 330, w, 343, (156, 156, 162))
    for _ in range(260):
        x, y = rng.uniform(0, w), rng.uniform(336, 342)
        c.circle(x, y, rng.uniform(0.5, 1.0), rng.choice([(128, 128, 136), (184, 184, 190)]))
    for x in range(-6, w, 24):
        c.rect(x, 335, x + 14, 342, (118, 100, 86), radius=1)
        c.rect(x, 335, x + 14, 336.5, (140, 122, 106))
    c.rect(0, 330, w, 331, (232, 234, 240))
    c.rect(0, 331, w, 334, (178, 180, 192))
    c.rect(0, 334, w, 335, (96, 96, 108))
    c.rect(0, 342, w, 343, (120, 112, 100))

    # Ground with pebbles.
    c.rect(0, 343, w, h, GROUND)
    pebbles = []
    while len(pebbles) < 90:
        x, y = rng.uniform(4, w - 4), rng.uniform(350, 446)
        if any(abs(x - u) < 14 and abs(y - v) < 8 for u, v in pebbles):
            continue
        pebbles.append((x, y))
    for x, y in pebbles:
        rx = rng.uniform(2.2, 5.5)
        ry = rx * rng.uniform(0.55, 0.75)
        base = rng.choice([(168, 132, 86), (156, 120, 78), (176, 142, 96)])
        c.ellipse(x - rx, y - ry + 1, x + rx, y + ry + 1, (184, 148, 98))
        c.ellipse(x - rx, y - ry, x + rx, y + ry, base)
        c.ellipse(x - rx * 0.55, y - ry * 0.75, x + rx * 0.15, y - ry * 0.1, shade(base, 1.2))
    return c.result()


# The game picks the variant nearest above the scale it draws at: up to a 4K screen
# in full screen, about five times the design.
ZOOMS = (1, 2, 3, 4, 5)


def build():
    for zoom in ZOOMS:
        folder = ("pictures",) if zoom == 1 else ("pictures", f"{zoom}x")
        save_png(draw_life_marker(zoom), *folder, "life-marker.png")
        save_png(draw_scene(zoom), *folder, "scene.png")
        save_png(draw_monkey_group(zoom), *folder, "monkey-group.png")
        mask, pic = draw_monkey_sprite(zoom)
        save_png(mask, *folder, "monkey-mask.png")
        save_png(pic, *folder, "monkey.png")
        save_png(draw_smoke(zoom), *folder, "smoke.png")
        save_png(draw_train(zoom), *folder, "train.png")
        for symbol in ("start", "help", "sound"):
            save_png(draw_button(symbol, zoom), *folder, f"button-{symbol}.png")
