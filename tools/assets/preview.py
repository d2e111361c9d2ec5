"""assets/preview.png: every picture placed as the game window shows it in play, with the
monkeys painted onto the train by AND (mask) then XOR (picture), as the game paints them."""

from PIL import Image

from common import NAVY, asset_path, save_png
from pictures import SEAT_X, SEAT_Y


def load(name):
    return Image.open(asset_path("pictures", name)).convert("RGB")


def seat_monkeys(train, mask, pic):
    out = train.copy()
    for x0, y0 in zip(SEAT_X, SEAT_Y):
        for y in range(mask.height):
            for x in range(mask.width):
                d = out.getpixel((x0 + x, y0 + y))
                m, p = mask.getpixel((x, y)), pic.getpixel((x, y))
                out.putpixel((x0 + x, y0 + y), tuple((dv & mv) ^ pv for dv, mv, pv in zip(d, m, p)))
    return out


def build():
    window = Image.new("RGB", (694, 438), NAVY)
    scene = Image.new("RGB", (601, 441), NAVY)
    scene.paste(load("scene.png"), (0, 0))
    scene.paste(seat_monkeys(load("train.png"), load("monkey-mask.png"), load("monkey.png")), (30, 253))
    scene.paste(load("smoke.png"), (420, 216))
    for x in (200, 224, 248, 272, 296):
        scene.paste(load("life-marker.png"), (x, 0))
    window.paste(scene, (0, 0))
    window.paste(load("monkey-group.png"), (616, 40))
    window.paste(load("button-start.png"), (624, 152))
    window.paste(load("button-sound.png"), (624, 200))
    window.paste(load("button-help.png"), (624, 248))
    save_png(window, "preview.png")
