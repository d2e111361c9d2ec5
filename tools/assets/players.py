"""The players' pictures: eight friendly animal faces, each on a round badge of its own colour,
transparent around the badge. Drawn at 1x to 5x like the game's other pictures."""

import math

from common import Canvas, save_png, shade
from pictures import ZOOMS

SIZE = 48  # in design pixels; the badge fills the picture
WHITE = (255, 255, 255)
INK = (44, 30, 24)
CHEEK = (255, 150, 160)
PINK = (255, 176, 196)


def badge(c, colour):
    c.circle(24, 24, 23.6, shade(colour, 0.85))
    c.circle(24, 24, 22.4, colour)
    c.circle(20, 18, 14, shade(colour, 1.25))


def tilted_ellipse(c, cx, cy, rx, ry, angle, fill):
    turn = math.radians(angle)
    points = []
    for i in range(32):
        a = i * 2 * math.pi / 32
        x, y = rx * math.cos(a), ry * math.sin(a)
        points.append((cx + x * math.cos(turn) - y * math.sin(turn), cy + x * math.sin(turn) + y * math.cos(turn)))
    c.polygon(points, fill)


def eyes(c, y=24.5, apart=5.6, size=2.2, cx=24):
    for x in (cx - apart, cx + apart):
        c.ellipse(x - size, y - size * 1.25, x + size, y + size * 1.25, INK)
        c.circle(x - size * 0.35, y - size * 0.5, size * 0.42, WHITE)


def cheeks(c, y=30, apart=9.5, cx=24):
    for x in (cx - apart, cx + apart):
        c.ellipse(x - 2.6, y - 1.6, x + 2.6, y + 1.6, CHEEK)


def smile(c, y=29.5, width=3.4, cx=24, colour=INK):
    c.arc(cx - width, y - width * 0.9, cx, y + width * 0.6, 20, 160, colour, 0.9)
    c.arc(cx, y - width * 0.9, cx + width, y + width * 0.6, 20, 160, colour, 0.9)


def cat(c):
    fur, dark = (250, 168, 72), (214, 118, 36)
    for side in (-1, 1):
        c.polygon([(24 + side * 15, 20), (24 + side * 13, 6.5), (24 + side * 4, 14)], fur)
        c.polygon([(24 + side * 12.8, 17), (24 + side * 12, 9.5), (24 + side * 7, 14)], PINK)
    c.ellipse(8.5, 12, 39.5, 40, fur)
    for dx in (-3.5, 0, 3.5):
        c.rect(24 + dx - 0.8, 12.5, 24 + dx + 0.8, 17.5 - abs(dx) * 0.4, dark, radius=0.8)
    c.ellipse(16, 26, 32, 37, (255, 226, 180))
    eyes(c, y=24, apart=6)
    c.polygon([(22.2, 28.4), (25.8, 28.4), (24, 30.4)], (236, 96, 120))
    smile(c, y=31.6, width=2.8)
    for side in (-1, 1):
        for dy in (-1.2, 1.4):
            c.line([(24 + side * 7.5, 31 + dy * 0.6), (24 + side * 15.5, 30 + dy * 1.6)], shade(dark, 0.7), 0.55)
    cheeks(c, y=31.5, apart=10.5)


def dog(c):
    fur, ear = (222, 176, 116), (140, 88, 48)
    c.ellipse(9.5, 11, 38.5, 40, fur)
    for side in (-1, 1):
        c.ellipse(24 + side * 15.5 - 5, 11, 24 + side * 15.5 + 5, 31, ear)
    c.ellipse(27, 17, 35, 26, (250, 236, 210))
    c.ellipse(16, 27, 32, 38.5, (250, 236, 210))
    eyes(c, y=23.5, apart=6)
    c.ellipse(20.6, 27.4, 27.4, 31.6, INK)
    c.circle(22.6, 28.4, 0.9, WHITE)
    c.line([(24, 31.4), (24, 33.2)], INK, 0.8)
    c.ellipse(22, 33.4, 26, 38.2, (240, 100, 110))
    smile(c, y=33.6, width=3.0)
    cheeks(c, y=31, apart=10.5)


def rabbit(c):
    fur = (252, 250, 248)
    for side in (-1, 1):
        c.ellipse(24 + side * 6 - 4.2, 1.8, 24 + side * 6 + 4.2, 24, fur)
        c.ellipse(24 + side * 6 - 2.2, 4.5, 24 + side * 6 + 2.2, 21, PINK)
    c.ellipse(10, 16, 38, 42, fur)
    eyes(c, y=27.5, apart=6)
    c.ellipse(22, 31, 26, 33.6, (240, 110, 140))
    c.line([(24, 33.4), (24, 35)], INK, 0.7)
    smile(c, y=35.2, width=2.6)
    cheeks(c, y=33, apart=9.5)


def panda(c):
    black, fur = (40, 40, 48), (252, 252, 250)
    for side in (-1, 1):
        c.circle(24 + side * 11.5, 13.5, 5.6, black)
    c.ellipse(8.5, 12, 39.5, 41, fur)
    for side in (-1, 1):
        tilted_ellipse(c, 24 + side * 6.6, 25.2, 3.8, 5.0, side * -30, black)
        c.circle(24 + side * 6.4, 24.6, 2.6, WHITE)
    eyes(c, y=24.6, apart=6.4, size=1.7)
    c.ellipse(21.6, 30, 26.4, 33.2, black)
    smile(c, y=34.6, width=2.6)
    cheeks(c, y=32, apart=11)


def pig(c):
    skin, dark = (255, 182, 196), (226, 120, 146)
    for side in (-1, 1):
        c.polygon([(24 + side * 15.5, 10), (24 + side * 14, 21), (24 + side * 6, 15)], dark)
        c.polygon([(24 + side * 14.2, 12.5), (24 + side * 13, 19), (24 + side * 8.2, 15.5)], skin)
    c.ellipse(8.5, 12.5, 39.5, 40.5, skin)
    eyes(c, y=23, apart=7)
    c.ellipse(17.5, 27, 30.5, 35.5, dark)
    c.ellipse(18.3, 27.6, 29.7, 34.8, (255, 206, 216))
    for side in (-1, 1):
        c.ellipse(24 + side * 2.6 - 1.2, 29.2, 24 + side * 2.6 + 1.2, 33.2, shade(dark, 0.7))
    smile(c, y=37.6, width=2.4)
    cheeks(c, y=30.5, apart=11.5)


def frog(c):
    green, dark = (118, 204, 84), (60, 150, 52)
    for side in (-1, 1):
        c.circle(24 + side * 8.5, 15, 6.6, green)
    c.ellipse(7.5, 16, 40.5, 40, green)
    # The eyes sit on bumps above the head.
    for side in (-1, 1):
        c.circle(24 + side * 8.5, 14.6, 4.6, WHITE)
        c.circle(24 + side * 8.5, 15.2, 2.6, INK)
        c.circle(24 + side * 8.5 - 0.9, 14.2, 0.9, WHITE)
    c.arc(14, 21, 34, 35, 25, 155, dark, 1.3)
    for side in (-1, 1):
        c.circle(24 + side * 2, 25, 0.7, dark)
    cheeks(c, y=31, apart=11.5)


def chick(c):
    yellow, orange = (255, 216, 60), (250, 140, 30)
    c.ellipse(19, 5, 25, 13, yellow)
    c.ellipse(23, 6.5, 29, 13.5, yellow)
    c.circle(24, 27, 15.5, yellow)
    for side in (-1, 1):
        c.ellipse(24 + side * 15 - 3.5, 27, 24 + side * 15 + 3.5, 37, shade(yellow, 0.9))
    eyes(c, y=24, apart=6)
    c.polygon([(20, 28.6), (28, 28.6), (24, 33.8)], orange)
    c.polygon([(20, 28.6), (28, 28.6), (24, 30.2)], shade(orange, 1.2))
    cheeks(c, y=30.5, apart=9.5)


def lion(c):
    mane, fur, dark = (214, 120, 40), (252, 204, 96), (160, 84, 24)
    for i in range(14):
        a = i * 2 * math.pi / 14
        c.circle(24 + 14.5 * math.cos(a), 25 + 14.5 * math.sin(a), 5.6, mane)
    c.circle(24, 25, 15, mane)
    for side in (-1, 1):
        c.circle(24 + side * 9.5, 14.5, 3.8, fur)
        c.circle(24 + side * 9.5, 14.5, 2.0, dark)
    c.circle(24, 26, 12, fur)
    c.ellipse(17.5, 28, 30.5, 37, (255, 232, 180))
    eyes(c, y=23.5, apart=5.2, size=1.9)
    c.polygon([(21.4, 28.2), (26.6, 28.2), (24, 31.2)], shade(dark, 0.8))
    c.line([(24, 31), (24, 32.4)], INK, 0.7)
    smile(c, y=32.6, width=2.6)
    cheeks(c, y=31, apart=8.8)


# In the order the game offers them; the names are the pictures' file names.
ANIMALS = [
    ("cat", (176, 216, 255), cat),
    ("dog", (196, 236, 168), dog),
    ("rabbit", (255, 206, 226), rabbit),
    ("panda", (184, 228, 156), panda),
    ("pig", (255, 236, 160), pig),
    ("frog", (222, 204, 255), frog),
    ("chick", (172, 222, 250), chick),
    ("lion", (255, 228, 196), lion),
]


def draw_player(face, colour, zoom=1):
    c = Canvas(SIZE, SIZE, (0, 0, 0, 0), mode="RGBA", zoom=zoom)
    badge(c, colour)
    face(c)
    return c.result()


def build():
    for zoom in ZOOMS:
        folder = ("pictures",) if zoom == 1 else ("pictures", f"{zoom}x")
        for name, colour, face in ANIMALS:
            save_png(draw_player(face, colour, zoom), *folder, f"player-{name}.png")
