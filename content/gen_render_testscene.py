#!/usr/bin/env python3
"""Rendering test scene: a rainy neon street under a layered cyber-city skyline.

Writes the images under Assets/Images/TestScene/ and the entity group Data/TestScene/render_scene.json
that tools (the scene viewer, the scene benchmark) load. Deterministic: fixed seeds, no timestamps.
"""
import json
import math

import numpy as np
from PIL import Image, ImageDraw, ImageFilter

from city import AMBER, CYAN, HAZE, NIGHT, PINK, STEEL, out, save_png

IMAGES = "Assets/Images/TestScene"
SCENE = "Data/TestScene/render_scene.json"


def save(image, name):
    path = f"{IMAGES}/{name}"
    save_png(image, out(path))
    return path


def sky():
    """Vertical gradient from deep night to a magenta haze at the horizon, with faint stars."""
    w, h = 16, 256
    t = np.linspace(0.0, 1.0, h)[:, None]
    top = np.array(NIGHT, float)
    low = np.array(HAZE, float)
    rows = top + (low - top) * (t ** 2.2)
    img = np.repeat(rows[:, None, :], w, axis=1).reshape(h, w, 3)
    return Image.fromarray(img.clip(0, 255).astype(np.uint8), "RGB")


def skyline(seed, w, h, base, window, lit_share, min_h, max_h, neon=False):
    """A horizontally tileable band of building silhouettes with lit windows (RGBA)."""
    rng = np.random.RandomState(seed)
    img = Image.new("RGBA", (w, h), (0, 0, 0, 0))
    d = ImageDraw.Draw(img)
    x = 0
    while x < w:
        bw = int(rng.randint(40, 110))
        bh = int(rng.randint(int(h * min_h), int(h * max_h)))
        top = h - bh
        shade = tuple(int(c * rng.uniform(0.8, 1.15)) for c in base)
        # Draw twice, shifted by the width, so the band wraps seamlessly.
        for off in (0, -w):
            d.rectangle([x + off, top, x + off + bw - 3, h], fill=shade + (255,))
            if rng.rand() < 0.35:  # antenna
                d.line([x + off + bw // 2, top - 18, x + off + bw // 2, top], fill=shade + (255,), width=2)
        for wy in range(top + 8, h - 6, 9):
            for wx in range(x + 6, x + bw - 8, 8):
                if rng.rand() < lit_share:
                    c = window if rng.rand() < 0.8 else AMBER
                    for off in (0, -w):
                        d.rectangle([wx + off, wy, wx + off + 3, wy + 4], fill=c + (255,))
        if neon and rng.rand() < 0.5:
            c = CYAN if rng.rand() < 0.5 else PINK
            sy = top + int(rng.randint(10, max(11, bh // 2)))
            for off in (0, -w):
                d.rectangle([x + off + 4, sy, x + off + bw - 8, sy + 5], fill=c + (255,))
        x += bw
    # A soft glow around lit windows and signs: blur the bright parts and add them back.
    arr = np.asarray(img).astype(float)
    bright = Image.fromarray((arr[:, :, :3] * (arr[:, :, :3].max(axis=2, keepdims=True) > 150)).astype(np.uint8))
    glow = np.asarray(bright.filter(ImageFilter.GaussianBlur(3))).astype(float)
    arr[:, :, :3] = np.clip(arr[:, :, :3] + glow * 0.8, 0, 255)
    arr[:, :, 3] = np.maximum(arr[:, :, 3], glow.max(axis=2) * 0.9)
    return Image.fromarray(arr.astype(np.uint8), "RGBA")


def street_tiles():
    """Metal deck plates with a neon safety strip on the top edge; 64 x 64, tiles horizontally."""
    rng = np.random.RandomState(7)
    img = Image.new("RGB", (64, 64), STEEL)
    d = ImageDraw.Draw(img)
    d.rectangle([0, 0, 63, 5], fill=(20, 180, 210))
    d.rectangle([0, 6, 63, 8], fill=(10, 60, 80))
    d.line([0, 63, 63, 63], fill=(18, 16, 34))
    d.line([63, 9, 63, 63], fill=(18, 16, 34))
    for _ in range(40):
        x, y = rng.randint(2, 62), rng.randint(12, 62)
        d.point((x, y), fill=(52, 50, 84))
    for bx in (6, 57):
        d.ellipse([bx - 2, 30, bx + 2, 34], fill=(70, 68, 100))
    return img


def storefront():
    """Shop fronts: shutters, a lit window and panel seams; 256 x 184, tiles horizontally."""
    img = Image.new("RGB", (256, 184), (30, 24, 52))
    d = ImageDraw.Draw(img)
    for x in range(0, 256, 64):
        d.line([x, 0, x, 184], fill=(20, 16, 38), width=2)
    # Shutter
    d.rectangle([10, 70, 118, 184], fill=(50, 46, 72))
    for y in range(72, 184, 6):
        d.line([10, y, 118, y], fill=(38, 34, 58))
    # Lit window with a warm interior
    d.rectangle([140, 60, 240, 150], fill=(60, 40, 70))
    d.rectangle([146, 66, 234, 144], fill=(150, 90, 120))
    d.rectangle([146, 120, 234, 144], fill=(110, 60, 100))
    d.line([190, 66, 190, 144], fill=(60, 40, 70), width=3)
    # Awning strip
    d.rectangle([0, 40, 255, 52], fill=(90, 20, 80))
    for x in range(0, 256, 16):
        d.rectangle([x, 40, x + 7, 52], fill=(130, 30, 110))
    return img


SEGMENTS = {  # neon glyphs on a 4 x 6 grid
    "O": [(0, 0, 4, 0), (4, 0, 4, 6), (4, 6, 0, 6), (0, 6, 0, 0)],
    "P": [(0, 6, 0, 0), (0, 0, 4, 0), (4, 0, 4, 3), (4, 3, 0, 3)],
    "E": [(4, 0, 0, 0), (0, 0, 0, 6), (0, 6, 4, 6), (0, 3, 3, 3)],
    "N": [(0, 6, 0, 0), (0, 0, 4, 6), (4, 6, 4, 0)],
    "2": [(0, 0, 4, 0), (4, 0, 4, 3), (4, 3, 0, 3), (0, 3, 0, 6), (0, 6, 4, 6)],
    "4": [(0, 0, 0, 3), (0, 3, 4, 3), (4, 0, 4, 6)],
    "/": [(0, 6, 4, 0)],
    "7": [(0, 0, 4, 0), (4, 0, 2, 6)],
}


def neon_text(d, text, x, y, scale, color, width, skip=()):
    for i, ch in enumerate(text):
        if i in skip:
            continue
        for (x0, y0, x1, y1) in SEGMENTS[ch]:
            d.line([x + (i * 6 + x0) * scale, y + y0 * scale, x + (i * 6 + x1) * scale, y + y1 * scale],
                   fill=color, width=width)


def neon_frame(text, color, frame_color, skip=(), dim=1.0):
    w, h = 192, 80
    glow = Image.new("RGB", (w, h), (0, 0, 0))
    d = ImageDraw.Draw(glow)
    c = tuple(int(v * dim) for v in color)
    fc = tuple(int(v * dim) for v in frame_color)
    d.rounded_rectangle([6, 6, w - 7, h - 7], radius=12, outline=fc, width=4)
    scale = 8
    text_w = (len(text) * 6 - 2) * scale
    neon_text(d, text, (w - text_w) // 2, (h - 6 * scale) // 2, scale, c, 5, skip)
    halo = glow.filter(ImageFilter.GaussianBlur(6))
    core = glow.filter(ImageFilter.GaussianBlur(1))
    arr = np.asarray(halo).astype(float) * 1.6 + np.asarray(core).astype(float)
    # White-hot centre lines, like real tubes.
    tube = np.asarray(glow).astype(float)
    arr += (tube.max(axis=2, keepdims=True) > 0) * 90
    rgb = np.clip(arr, 0, 255)
    alpha = np.clip(rgb.max(axis=2) * 1.4 + 70, 0, 255)  # a dark backing plate
    base = np.array([18, 10, 30], float)
    a = rgb.max(axis=2, keepdims=True) / 255.0
    rgb = base * (1 - a) + rgb * a
    return np.dstack([rgb, alpha]).astype(np.uint8)


def neon_sheet(text, color, frame_color):
    """Four cells in a row: on, on, flickering, on in the other colour."""
    frames = [
        neon_frame(text, color, frame_color),
        neon_frame(text, color, frame_color, dim=0.92),
        neon_frame(text, color, frame_color, skip=(1,), dim=0.7),
        neon_frame(text, frame_color, color),
    ]
    return Image.fromarray(np.concatenate(frames, axis=1), "RGBA")


def soft_dot(size=64, power=2.0):
    y, x = np.mgrid[0:size, 0:size]
    r = np.hypot(x - (size - 1) / 2, y - (size - 1) / 2) / (size / 2)
    a = np.clip(1 - r, 0, 1) ** power
    rgba = np.dstack([np.full_like(a, 255), np.full_like(a, 255), np.full_like(a, 255), a * 255])
    return Image.fromarray(rgba.astype(np.uint8), "RGBA")


def rain_streak():
    """A soft vertical streak filling its cell, brighter towards the falling end."""
    w, h = 16, 64
    y, x = np.mgrid[0:h, 0:w]
    across = np.exp(-((x - (w - 1) / 2) / 2.2) ** 2)
    along = np.clip(y / (h - 1), 0, 1) ** 1.5
    a = across * along * 255
    rgba = np.dstack([np.full_like(a, 255), np.full_like(a, 255), np.full_like(a, 255), a])
    return Image.fromarray(rgba.astype(np.uint8), "RGBA")


def crate():
    img = Image.new("RGB", (64, 64), (58, 44, 70))
    d = ImageDraw.Draw(img)
    d.rectangle([0, 0, 63, 63], outline=(30, 22, 40), width=4)
    d.line([4, 4, 59, 59], fill=(42, 32, 54), width=5)
    d.rectangle([20, 26, 43, 37], fill=(255, 190, 40))
    d.rectangle([22, 28, 41, 35], fill=(30, 22, 40))
    return img


def underpass():
    """The dark structure under the deck: girders and a dim cyan service light."""
    img = Image.new("RGB", (128, 64), (16, 12, 30))
    d = ImageDraw.Draw(img)
    d.rectangle([0, 0, 127, 6], fill=(26, 22, 46))
    for x in (0, 64):
        d.line([x, 6, x + 64, 64], fill=(28, 24, 50), width=4)
        d.line([x + 64, 6, x, 64], fill=(28, 24, 50), width=4)
    d.rectangle([60, 8, 68, 11], fill=(30, 120, 140))
    return img


def moon():
    """A hazy pink moon with a wide halo."""
    size = 256
    y, x = np.mgrid[0:size, 0:size]
    r = np.hypot(x - (size - 1) / 2, y - (size - 1) / 2) / (size / 2)
    disc = np.clip((0.36 - r) * 40, 0, 1)
    halo = np.clip(1 - r, 0, 1) ** 3 * 0.55
    a = np.clip(disc + halo, 0, 1)
    shade = 0.85 + 0.15 * np.clip((x - y) / size, -1, 1)
    rgb = np.dstack([255 * shade, 200 * shade, 235 * shade])
    return Image.fromarray(np.dstack([rgb, a * 255]).astype(np.uint8), "RGBA")


def car_light():
    """A flying car seen from afar: a bright head with a fading light trail."""
    w, h = 64, 16
    y, x = np.mgrid[0:h, 0:w]
    across = np.exp(-((y - (h - 1) / 2) / 2.5) ** 2)
    trail = np.clip(x / (w - 1), 0, 1) ** 2.5
    head = np.exp(-(((x - (w - 6)) / 4.0) ** 2 + ((y - (h - 1) / 2) / 3.0) ** 2))
    a = np.clip(across * trail * 0.8 + head, 0, 1) * 255
    rgba = np.dstack([np.full_like(a, 255), np.full_like(a, 255), np.full_like(a, 255), a])
    return Image.fromarray(rgba.astype(np.uint8), "RGBA")


def entity(transform, graphics, **more):
    e = {"Transform": transform, "Graphics": graphics}
    e.update(more)
    return e


def build():
    paths = {
        "sky": save(sky(), "sky.png"),
        "far": save(skyline(11, 1024, 360, (34, 22, 70), (90, 70, 160), 0.10, 0.35, 0.9), "skyline_far.png"),
        "mid": save(skyline(23, 1024, 420, (22, 14, 46), CYAN, 0.16, 0.3, 0.8, neon=True), "skyline_mid.png"),
        "near": save(skyline(37, 1024, 480, (12, 8, 26), PINK, 0.08, 0.25, 0.55, neon=True), "skyline_near.png"),
        "street": save(street_tiles(), "street.png"),
        "store": save(storefront(), "storefront.png"),
        "open": save(neon_sheet("OPEN", PINK, CYAN), "neon_open.png"),
        "open247": save(neon_sheet("24/7", CYAN, PINK), "neon_247.png"),
        "glow": save(soft_dot(), "glow.png"),
        "rain": save(rain_streak(), "rain.png"),
        "crate": save(crate(), "crate.png"),
        "under": save(underpass(), "underpass.png"),
        "moon": save(moon(), "moon.png"),
        "car": save(car_light(), "car_light.png"),
    }

    scene = {}

    def backdrop(name, layer, texture, ratio, scale_y=2.0, y=0.0):
        scene[name] = {
            "Transform": {"Translation": [0, y], "Scale": [2, scale_y]},
            "Graphics": {"Locked": True, "Layer": layer, "Texture": texture},
            "Parallax": {"InverseRatio": [ratio, 0], "PositionOffset": [0, 0], "Size": [1, 1]},
        }

    # Screen-fixed backdrops, scrolling slower the farther they are.
    backdrop("Sky", "Parallax7", paths["sky"], 0)
    scene["Moon"] = {"Transform": {"Translation": [0.55, 0.62], "Scale": [0.3, 0.533]},
                     "Graphics": {"Locked": True, "Layer": "Parallax6", "Texture": paths["moon"],
                                  "Color": [1, 1, 1, 0.9]}}
    backdrop("SkylineFar", "Parallax5", paths["far"], 60, 1.3, 0.15)
    backdrop("SkylineMid", "Parallax3", paths["mid"], 35, 1.4, 0.0)
    backdrop("SkylineNear", "Parallax1", paths["near"], 20, 1.2, -0.2)

    scene["Street"] = entity({"Translation": [0, -4.05], "Scale": [40, 1.3]},
                             {"Texture": paths["street"], "Mesh": {"UVSize": [30, 1]}})
    scene["Underpass"] = entity({"Translation": [0, -5.5], "Scale": [40, 1.6]},
                                {"Texture": paths["under"], "Mesh": {"UVSize": [10, 1]}})
    scene["Storefronts"] = entity({"Translation": [0, -1.6], "Scale": [40, 3.6]},
                                  {"Texture": paths["store"], "Layer": "Background", "Mesh": {"UVSize": [8, 1]}})
    for i, (x, y) in enumerate([(-2.2, -2.95), (-1.3, -2.95), (-1.75, -2.1), (5.8, -2.95)]):
        scene[f"Crate{i}"] = entity({"Translation": [x, y], "Scale": [0.9, 0.9]}, {"Texture": paths["crate"]})

    signs = [("SignOpen", paths["open"], -5.2, -0.75, 0.35), ("Sign247", paths["open247"], 3.6, 0.2, 0.5)]
    for name, texture, x, y, seconds in signs:
        scene[name] = entity({"Translation": [x, y], "Scale": [2.9, 1.2]},
                             {"Texture": texture, "DoLight": False,
                              "Mesh": {"SpriteSheet": {"Dim": [4, 1], "Sprite": [0, 0]}}},
                             SpriteSheet={"Dimensions": [4, 1], "NumSprites": 4, "PlayAnim": True,
                                          "SecondsPerFrame": seconds, "TimeVector": [1.6, 0.08, 0.12, 1.2]})

    # Street lamps: a pole, a glowing head and the light itself.
    lamps = [(-7.5, CYAN), (-0.2, AMBER), (7.2, PINK)]
    for i, (x, color) in enumerate(lamps):
        rgb = [round(c / 255, 3) for c in color]
        scene[f"LampPole{i}"] = entity({"Translation": [x, -1.9], "Scale": [0.12, 3.0]},
                                       {"SolidColor": [24, 22, 44, 255]})
        scene[f"LampArm{i}"] = entity({"Translation": [x + 0.3, -0.45], "Scale": [0.7, 0.1]},
                                      {"SolidColor": [24, 22, 44, 255]})
        scene[f"LampHead{i}"] = entity({"Translation": [x + 0.6, -0.55], "Scale": [0.9, 0.9]},
                                       {"Texture": paths["glow"], "DoLight": False, "Layer": "Foreground",
                                        "Color": rgb + [0.95]})
        scene[f"LampLight{i}"] = {"Transform": {"Translation": [x + 0.6, -0.6]},
                                  "Light": {"InnerRadius": 0.2, "OuterRadius": 4.2, "Strength": 1.1, "Color": rgb}}
        scene[f"LampCone{i}"] = {"Transform": {"Translation": [x + 0.6, -0.6]},
                                 "Light": {"InnerRadius": 0.5, "OuterRadius": 5.0, "Strength": 0.9, "Color": rgb,
                                           "IsSpotlight": True, "MinAngle": 245, "MaxAngle": 295}}
    # Neon signs spill their colour on the wall.
    scene["SignSpillOpen"] = {"Transform": {"Translation": [-5.2, -0.75]},
                              "Light": {"InnerRadius": 0.3, "OuterRadius": 3.0, "Strength": 0.7,
                                        "Color": [round(c / 255, 3) for c in PINK]}}
    scene["SignSpill247"] = {"Transform": {"Translation": [3.6, 0.2]},
                             "Light": {"InnerRadius": 0.3, "OuterRadius": 2.6, "Strength": 0.6,
                                       "Color": [round(c / 255, 3) for c in CYAN]}}

    # Rain, screen-fixed: with "Locked" the particle space is clip space scaled by the emitter's
    # Scale, so x spans -10..10 and y -4..4 across the screen and each quad is about 10 x 34 pixels.
    # Drops are emitted on a wide arc above the top edge and fall outwards, nearly straight down.
    scene["Rain"] = entity({"Translation": [0, 0], "Scale": [0.1, 0.25]},
                           {"Texture": paths["rain"], "Locked": True, "Layer": "Foreground",
                            "Color": [0.7, 0.85, 1.0, 0.5]},
                           Particles={"NumberOfParticles": 5, "Burst": True, "TimePerParticle": 0.016,
                                      "LifeTime": 1.1, "SecondsTillFade": 1.1, "PositionOffset": 38,
                                      "AngleStart": -math.pi / 2 - 0.3, "AngleEnd": -math.pi / 2 + 0.3,
                                      "Speed": [12, 16], "Acceleration": [0, -2], "Position": [0, 44],
                                      "Color": [1, 1, 1, 1]})
    # Flying cars crossing between the skyline layers. Locked, so a particle position times the
    # Scale is its clip-space position, and a quad covers Scale x Scale of clip space (about 50 x 8
    # pixels for the near lane).
    lanes = [("CarsEast", 0.23, 0.12, 4.6, 0.0, [1.0, 0.72, 0.35, 1.0], "Parallax4"),
             ("CarsWest", 0.2, 0.1, 4.0, math.pi, [0.45, 0.95, 1.0, 1.0], "Parallax2")]
    for name, sx, sy, lane_y, angle, tint, layer in lanes:
        start = -1.05 / sx if angle == 0.0 else 1.05 / sx
        scene[name] = entity({"Translation": [0, 0], "Scale": [sx, sy]},
                             {"Texture": paths["car"], "Locked": True, "Layer": layer, "Color": tint},
                             Particles={"NumberOfParticles": 4, "Burst": True, "TimePerParticle": 2.5,
                                        "Timer": 2.5, "LifeTime": 14, "SecondsTillFade": 14,
                                        "PositionOffset": 0, "AngleStart": angle, "AngleEnd": angle,
                                        "Speed": [0.6, 3.2], "Position": [start, lane_y],
                                        "Color": [1, 1, 1, 1]})
    # Warm haze rising from a street grate, lit by the lamps like everything else in the street.
    scene["Steam"] = entity({"Translation": [0, 0], "Scale": [1, 1]},
                            {"Texture": paths["glow"], "Layer": "Default", "Color": [1.0, 0.75, 0.9, 0.14]},
                            Particles={"NumberOfParticles": 1, "TimePerParticle": 0.06, "LifeTime": 2.6,
                                       "SecondsTillFade": 2.6, "PositionOffset": 0.1,
                                       "AngleStart": math.pi / 2 - 0.45, "AngleEnd": math.pi / 2 + 0.45,
                                       "Speed": [0.5, 1.1], "Acceleration": [0.3, 0.4], "Position": [1.6, -3.3],
                                       "Color": [1, 1, 1, 1]})

    with open(out(SCENE), "w") as f:
        json.dump(scene, f, indent=1, sort_keys=False)
        f.write("\n")


if __name__ == "__main__":
    build()
