#!/usr/bin/env python3
"""The first level's look and sound, apart from its map: the neon city at night in the rain.

Writes
  Assets/Images/City/*.png                          skyline bands, haze, moon, signs, cars, rain, robot, prompts
  Data/BackgroundTest.json                          the parallax city behind the course (an entity group)
  Data/Particles/particlesCar_Layer{1,2,2_02,3,4}.json   flying traffic on four depths
  Data/Particles/particlesRain.json                 rain over the view
  Data/Entities/Tutorial/RobotTutorial.json         the greeting robot (an animated sprite sheet)
  Data/Entities/Tutorial/Tutorial_{Movement,Jump,Dash}.json   the prompts, hidden until the level shows them
  Data/Audio/Level1Sounds.json                      the level's sound table
  Assets/SFX/Level/TimerLight.wav, TimerHeavy.wav   the timer's two warnings (seamless loops)
  Assets/SFX/Level/RobotGreeting.wav                the robot's spoken greeting (espeak-ng, then sox)

The prompts show the keys bound in Data/Entities/Player.json ("KeyboardInput"), so rebinding a key and
running content/build redraws them. The level theme is content/gen_city_music.py's.

Depth, back to front: the clear colour is the sky's top; a haze band and the moon; four skyline bands
that scroll slower the farther they are; flying traffic between them; signs and their light in the
street's own plane. Every band is screen-fixed and only as tall as it has to be: on a machine without a
GPU the cost of a frame is the pixels its planes cover.

Deterministic: fixed seeds, no clocks; espeak-ng and sox are run without dither.
"""
import json
import math
import os
import subprocess
import sys
import tempfile

import numpy as np
from PIL import Image, ImageDraw, ImageFilter

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import city  # noqa: E402
import gen_audio as sound  # noqa: E402
import gen_menus as menus  # noqa: E402
import gen_render_testscene as scene  # noqa: E402
from city import AMBER, CYAN, PINK, out, save, write_json  # noqa: E402

IMAGES = "Assets/Images/City"
TUTORIAL = "Data/Entities/Tutorial"
PARTICLES = "Data/Particles"
PLAYER = "Data/Entities/Player.json"
MAP = "Data/Tiled/Level1.json"

# The level's palette: the city's neon, pushed back (darker, greyer) for everything behind the course.
VIOLET_NIGHT = (10, 6, 24)
SMOG = (96, 40, 104)
FAR = (30, 24, 56)
MID = (20, 15, 40)
NEAR = (12, 9, 24)
RED = (255, 60, 70)
WHITE = (255, 255, 255)
POST = (26, 22, 44)

# Where the course is, in world units: the map (read when it exists) runs from 0 to its width, COURSE_END
# without it, with its street top at STREET_Y and its pits open down to the fall-death height,
# PIT_BOTTOM. The level's own layout fixes the tutorial spots below.
COURSE_END = 200.0
STREET_Y = 8.0
PIT_BOTTOM = 4.0
SIGN_STEP = 18.0
FIRST_SIGN = 24.0  # past the tutorial, so its prompts stand clear
ROBOT_SPOT = (5.5, STREET_Y + 0.8)
PROMPT_SPOTS = {"Movement": (8.0, STREET_Y + 3.4), "Jump": (16.0, STREET_Y + 3.4), "Dash": (46.0, STREET_Y + 3.4)}


def rgb(colour, scale=1.0):
    return [round(c * scale / 255, 3) for c in colour]


def dim(colour, amount):
    return tuple(int(c * amount) for c in colour)


def muted(colour, amount):
    """The colour pulled towards grey by amount (0..1): signs behind the course must not compete with it."""
    grey = sum(colour) / 3
    return tuple(int(c + (grey - c) * amount) for c in colour)


# Pictures -------------------------------------------------------------------------------------

def haze(w, h):
    """The sky above the horizon: transparent at the top (the clear colour shows), smog violet low down."""
    t = np.linspace(0.0, 1.0, h)
    alpha = np.clip(t, 0, 1) ** 0.6
    colour = np.array(VIOLET_NIGHT, float)[None, :] * (1 - t[:, None] ** 2) + np.array(SMOG, float)[None, :] * t[:, None] ** 2
    img = np.zeros((h, w, 4), np.uint8)
    img[..., :3] = np.clip(colour, 0, 255)[:, None, :].astype(np.uint8)
    img[..., 3] = (alpha * 255)[:, None].astype(np.uint8)
    return Image.fromarray(img, "RGBA")


def searchlights(sky, beams):
    """Pale searchlight beams fanning up from below the horizon into the haze, wrapping like the band.
    beams: (x of the foot in pixels, lean in radians, half-width in radians)."""
    arr = np.asarray(sky).astype(float) / 255.0
    h, w = arr.shape[:2]
    y, x = np.mgrid[0:h, 0:w]
    up = (h + 40 - y).astype(float)  # the feet stand below the band
    cover = np.zeros((h, w))
    for foot, lean, spread in beams:
        for off in (-w, 0, w):
            angle = np.arctan2(x - (foot + off), up)
            cover = np.maximum(cover, np.exp(-((angle - lean) / spread) ** 2) * np.clip(y / h, 0, 1) ** 1.2)
    cover *= 0.22
    colour = np.array([0.72, 0.76, 1.0])
    arr[..., :3] = arr[..., :3] * (1 - cover[..., None]) + colour * cover[..., None]
    arr[..., 3] = arr[..., 3] + cover * (1 - arr[..., 3])
    return Image.fromarray(np.round(arr * 255).astype(np.uint8), "RGBA")


def blimp(w=1024, h=96, stretch=1.875):
    """One airship with a glowing advertising screen, on an otherwise empty band that tiles. The band
    is drawn stretched sideways by stretch (1920 screen pixels for 1024 texels), so the ship is drawn
    that much narrower here."""
    s = 4
    img = Image.new("RGBA", (w * s, h * s), (0, 0, 0, 0))
    d = ImageDraw.Draw(img)
    cx, cy = 620 * s, 48 * s

    def box(x0, y0, x1, y1):
        return [cx + x0 * s / stretch, cy + y0 * s, cx + x1 * s / stretch, cy + y1 * s]

    def pts(*points):
        return [(cx + px * s / stretch, cy + py * s) for px, py in points]

    hull = (34, 30, 56, 255)
    d.ellipse(box(-120, -24, 120, 24), fill=hull)
    d.polygon(pts((-105, 0), (-138, -22), (-128, 0)), fill=hull)
    d.polygon(pts((-105, 0), (-138, 20), (-128, 0)), fill=hull)
    d.rounded_rectangle(box(-22, 20, 26, 29), radius=3 * s, fill=(24, 22, 40, 255))
    # The screen: a dim pink-to-cyan gradient with pale bars, as if an advert were running.
    x0, y0, x1, y1 = box(-70, -12, 70, 11)
    left, right = dim(muted(PINK, 0.4), 0.6), dim(muted(CYAN, 0.4), 0.6)
    for i in range(int(x0), int(x1), s):
        t = (i - x0) / (x1 - x0)
        c = tuple(int(a * (1 - t) + b * t) for a, b in zip(left, right))
        d.line([(i, y0), (i, y1)], fill=c + (255,), width=s)
    for k, length in enumerate((100, 64, 84)):
        bar = box(-54, -7 + 7 * k, -54 + length, -6 + 7 * k)
        d.rectangle(bar, fill=(170, 160, 200, 255))
    for nx, colour in ((-118, RED), (118, (120, 255, 140))):
        d.ellipse(box(nx - 3, -3, nx + 3, 3), fill=colour + (255,))
    small = img.resize((w, h), Image.LANCZOS)
    arr = np.asarray(small).astype(float)
    bright = arr[:, :, :3] * (arr[:, :, :3].max(axis=2, keepdims=True) > 100)
    halo = np.asarray(Image.fromarray(bright.astype(np.uint8)).filter(ImageFilter.GaussianBlur(3))).astype(float)
    arr[:, :, :3] = np.clip(arr[:, :, :3] + halo * 0.4, 0, 255)
    arr[:, :, 3] = np.maximum(arr[:, :, 3], np.clip(halo.max(axis=2) * 0.8, 0, 255))
    return Image.fromarray(arr.astype(np.uint8), "RGBA")


def band(seed, w, h, body, window_colours, lit, widths, heights, neon=(), spires=0.0, glow=2.0, sky=None):
    """A horizontally tileable band of towers (RGBA), bodies fully opaque down to the bottom edge so
    that whatever stands behind them is hidden, not shaded. The sky above them is transparent, or the
    picture sky when given: the pixels are drawn anyway, so a haze there costs nothing.

    widths and heights are pixel ranges; neon is a list of colours for signs and roof lines."""
    rng = np.random.RandomState(seed)
    img = sky.copy() if sky is not None else Image.new("RGBA", (w, h), (0, 0, 0, 0))
    d = ImageDraw.Draw(img)

    # Everything is drawn at x and x - w so that the band wraps without a seam.
    def rect(box, fill):
        for off in (0, -w):
            d.rectangle([box[0] + off, box[1], box[2] + off, box[3]], fill=fill)

    def poly(points, fill):
        for off in (0, -w):
            d.polygon([(px + off, py) for px, py in points], fill=fill)

    lights = []
    x = 0
    while x < w:
        bw = int(rng.randint(*widths))
        bh = int(rng.randint(*heights))
        top = h - bh
        shade = tuple(int(np.clip(c * rng.uniform(0.8, 1.2), 0, 255)) for c in body) + (255,)
        rect([x, top, x + bw - 2, h], shade)
        # A stepped crown or a spire on some towers.
        kind = rng.rand()
        if kind < 0.3:
            inset = bw // 4
            rect([x + inset, top - bh // 8, x + bw - 2 - inset, top], shade)
            top_crown = top - bh // 8
        elif kind < 0.3 + spires:
            cx = x + bw // 2
            poly([(cx - 3, top), (cx + 3, top), (cx, top - int(bh * 0.35))], shade)
            lights.append((cx, top - int(bh * 0.35), RED))
            top_crown = top
        else:
            top_crown = top
        if rng.rand() < 0.4:
            lights.append((x + int(rng.randint(4, max(5, bw - 6))), top_crown - 2, RED))
        # Windows: a grid of small lit cells, some floors dark.
        step_x, step_y = int(rng.choice([5, 6, 8])), int(rng.choice([6, 7, 9]))
        for wy in range(top + 5, h - 3, step_y):
            if rng.rand() < 0.25:
                continue
            for wx in range(x + 3, x + bw - 5, step_x):
                if rng.rand() < lit:
                    c = window_colours[int(rng.randint(len(window_colours)))]
                    rect([wx, wy, wx + max(1, step_x // 2 - 1), wy + max(1, step_y // 2 - 1)], c + (255,))
        if neon and rng.rand() < 0.55:
            c = neon[int(rng.randint(len(neon)))]
            if rng.rand() < 0.5:  # a horizontal band sign
                sy = top + int(rng.randint(6, max(7, bh // 3)))
                rect([x + 3, sy, x + bw - 6, sy + 3], c + (255,))
            else:  # a vertical blade sign on the tower's side
                sx = x + (2 if rng.rand() < 0.5 else bw - 8)
                sy = top + int(rng.randint(8, max(9, bh // 3)))
                rect([sx, sy, sx + 4, sy + min(bh // 2, 60)], c + (255,))
        x += bw
    for lx, ly, c in lights:
        rect([lx - 1, ly - 1, lx + 1, ly + 1], c + (255,))
    # Lit parts bleed a little light into the rain around them.
    arr = np.asarray(img).astype(float)
    bright = arr[:, :, :3] * (arr[:, :, :3].max(axis=2, keepdims=True) > 120)
    halo = np.asarray(Image.fromarray(bright.astype(np.uint8)).filter(ImageFilter.GaussianBlur(glow))).astype(float)
    arr[:, :, :3] = np.clip(arr[:, :, :3] + halo * 0.7, 0, 255)
    arr[:, :, 3] = np.maximum(arr[:, :, 3], np.clip(halo.max(axis=2) * 1.2, 0, 255))
    return Image.fromarray(arr.astype(np.uint8), "RGBA")


def neon_sign_sheet(text, colour, rim, w=320, h=112):
    """A street sign in neon tubes: three cells (lit, lit a little dimmer, one letter out) in a row."""
    cells = []
    for dim, skip in ((1.0, None), (0.85, None), (0.75, 1)):
        c = menus.canvas(w, h, 1)
        plate_colour = tuple(int(v * dim) for v in rim)
        menus.plate(c, 10, 10, w - 10, h - 10, plate_colour, (24, 10, 40), (10, 6, 20), 0.9, radius=16,
                    width=3.0, glow=0.6 * dim)
        shown = "".join(ch if i != skip else " " for i, ch in enumerate(text))
        menus.label(c, shown, w / 2, h / 2, h * 0.42, tuple(int(v * dim) for v in colour), max_width=w - 50,
                    glow=0.9 * dim)
        with tempfile.TemporaryDirectory() as tmp:
            path = os.path.join(tmp, "cell.png")
            c.save(path)
            cells.append(np.asarray(Image.open(path).convert("RGBA")))
    return Image.fromarray(np.concatenate(cells, axis=1), "RGBA")


def car(flip):
    """A flying car's lights: a bright head and a trail behind it (head on the right unless flip)."""
    img = scene.car_light()
    return img.transpose(Image.FLIP_LEFT_RIGHT) if flip else img


# The robot: a small hovering helper with a visor, drawn at 4x and reduced.
ROBOT_CELL = 128
ROBOT_FRAMES = 8


def robot_frame(i):
    s = 4
    size = ROBOT_CELL * s
    img = Image.new("RGBA", (size, size), (0, 0, 0, 0))
    d = ImageDraw.Draw(img)
    phase = 2 * math.pi * i / ROBOT_FRAMES
    bob = math.sin(phase) * 3 * s
    cx = size / 2
    body_top, body_bottom = 58 * s + bob, 100 * s + bob
    steel, dark, rim = (70, 72, 110), (34, 32, 60), (140, 150, 200)
    # Thruster glow under it.
    glow = Image.new("RGBA", (size, size), (0, 0, 0, 0))
    gd = ImageDraw.Draw(glow)
    flame = 10 + 4 * (i % 2)
    gd.ellipse([cx - 14 * s, body_bottom - 2 * s, cx + 14 * s, body_bottom + (flame + 8) * s], fill=CYAN + (200,))
    glow = glow.filter(ImageFilter.GaussianBlur(6 * s))
    img.alpha_composite(glow)
    d.polygon([(cx - 9 * s, body_bottom), (cx + 9 * s, body_bottom), (cx + 5 * s, body_bottom + flame * s),
               (cx - 5 * s, body_bottom + flame * s)], fill=(200, 250, 255, 255))
    # Body and a chest light.
    d.rounded_rectangle([cx - 24 * s, body_top, cx + 24 * s, body_bottom], radius=10 * s, fill=steel, outline=rim,
                        width=2 * s)
    d.rounded_rectangle([cx - 10 * s, body_top + 12 * s, cx + 10 * s, body_top + 22 * s], radius=3 * s,
                        fill=PINK if i % 4 < 2 else AMBER)
    # Arms: the left one rests, the right one waves.
    d.line([(cx - 24 * s, body_top + 10 * s), (cx - 34 * s, body_top + 30 * s)], fill=rim, width=5 * s)
    wave = math.radians(-50 + 35 * math.sin(phase * 2))
    shoulder = (cx + 24 * s, body_top + 10 * s)
    hand = (shoulder[0] + 26 * s * math.cos(wave), shoulder[1] + 26 * s * math.sin(wave))
    d.line([shoulder, hand], fill=rim, width=5 * s)
    d.ellipse([hand[0] - 5 * s, hand[1] - 5 * s, hand[0] + 5 * s, hand[1] + 5 * s], fill=rim)
    # Head with a visor and two eyes that blink on the last frame.
    head_top, head_bottom = 20 * s + bob, 54 * s + bob
    d.rounded_rectangle([cx - 28 * s, head_top, cx + 28 * s, head_bottom], radius=12 * s, fill=steel, outline=rim,
                        width=2 * s)
    d.rounded_rectangle([cx - 22 * s, head_top + 8 * s, cx + 22 * s, head_bottom - 8 * s], radius=8 * s, fill=dark)
    for ex in (-10, 10):
        if i == ROBOT_FRAMES - 1:
            d.line([(cx + (ex - 5) * s, head_top + 17 * s), (cx + (ex + 5) * s, head_top + 17 * s)], fill=CYAN,
                   width=2 * s)
        else:
            d.ellipse([cx + (ex - 5) * s, head_top + 12 * s, cx + (ex + 5) * s, head_top + 22 * s], fill=CYAN)
    # Antenna with a blinking tip.
    d.line([(cx, head_top), (cx, head_top - 12 * s)], fill=rim, width=2 * s)
    tip = PINK if i % 2 == 0 else (120, 40, 90)
    d.ellipse([cx - 4 * s, head_top - 18 * s, cx + 4 * s, head_top - 10 * s], fill=tip)
    small = img.resize((ROBOT_CELL, ROBOT_CELL), Image.LANCZOS)
    # The eyes and the tip glow.
    arr = np.asarray(small).astype(float)
    bright = arr[:, :, :3] * (arr[:, :, :3].max(axis=2, keepdims=True) > 200)
    halo = np.asarray(Image.fromarray(bright.astype(np.uint8)).filter(ImageFilter.GaussianBlur(3))).astype(float)
    arr[:, :, :3] = np.clip(arr[:, :, :3] + halo * 0.6, 0, 255)
    arr[:, :, 3] = np.maximum(arr[:, :, 3], np.clip(halo.max(axis=2) * 1.1, 0, 255))
    return arr.astype(np.uint8)


def robot_sheet():
    """ROBOT_FRAMES cells, four to a row."""
    frames = [robot_frame(i) for i in range(ROBOT_FRAMES)]
    rows = [np.concatenate(frames[r * 4:(r + 1) * 4], axis=1) for r in range(ROBOT_FRAMES // 4)]
    return Image.fromarray(np.concatenate(rows, axis=0), "RGBA")


# Prompts ---------------------------------------------------------------------------------------

def bindings():
    """The player prefab's bindings by action; the defaults when the prefab or its keys are missing."""
    try:
        with open(os.path.join(city.ROOT, PLAYER), encoding="utf-8") as f:
            keys = json.load(f).get("KeyboardInput", {})
    except (OSError, ValueError, AttributeError):
        keys = {}
    result = {}
    for action, default in menus.DEFAULT_BINDINGS.items():
        codes = keys.get(action, default)
        codes = codes if isinstance(codes, list) else [codes]
        names = []
        for code in codes:
            # Keys only: the gamepad's entries (357 on) have no keycap to draw.
            if isinstance(code, int) and code < menus.FIRST_PAD_ENTRY and menus.key_name(code) not in names:
                names.append(menus.key_name(code))  # both shift keys read as one
        result[action] = names
    return result


def keycap(c, text, cx, cy, height, colour):
    """One key: a dark rounded cap with the key's name; wide enough for the name."""
    letter = height * 0.42
    w = max(height, menus.logos.text_width(text, letter) + height * 0.6)
    menus.plate(c, cx - w / 2, cy - height / 2, cx + w / 2, cy + height / 2, colour, (40, 30, 80), (14, 10, 30), 0.92,
                radius=height * 0.2, width=3.0, glow=0.7)
    menus.label(c, text, cx, cy, letter, WHITE, glow=0.5)
    return w


def keycap_row(c, groups, cy, height, colour, w):
    """Rows of keys: each group's keys side by side, groups split by a slash, the whole row centred."""
    letter = height * 0.42
    gap, slash = height * 0.18, height * 0.7
    widths = [[max(height, menus.logos.text_width(k, letter) + height * 0.6) for k in g] for g in groups]
    total = sum(sum(ws) + gap * (len(ws) - 1) for ws in widths) + slash * (len(groups) - 1)
    x = (w - total) / 2
    for n, (group, ws) in enumerate(zip(groups, widths)):
        if n:
            menus.label(c, "/", x + slash / 2, cy, letter, colour, glow=0.5)
            x += slash
        for key, kw in zip(group, ws):
            keycap(c, key, x + kw / 2, cy, height, colour)
            x += kw + gap
        x -= gap


PROMPT_W, PROMPT_H = 440, 220


def prompt_art(path, title, groups, hint, colour):
    c = menus.canvas(PROMPT_W, PROMPT_H)
    menus.plate(c, 12, 12, PROMPT_W - 12, PROMPT_H - 12, colour, (22, 12, 48), (8, 6, 20), 0.82, radius=24,
                width=3.5, glow=0.8)
    menus.label(c, title, PROMPT_W / 2, 48, 30, colour, tracking=0.6, glow=1.0)
    keycap_row(c, groups, 118, 58, colour, PROMPT_W)
    if hint:
        menus.label(c, hint, PROMPT_W / 2, 182, 17, WHITE, glow=0.4, max_width=PROMPT_W - 60)
    c.save(out(path))
    return path


def prompts():
    keys = bindings()
    # Pair each left key with the right key in the same place of its list (A with D, arrow with arrow).
    left, right = keys["Left"], keys["Right"]
    pairs = [[l, r] for l, r in zip(left, right)] + [[k] for k in left[len(right):] + right[len(left):]]
    specs = {
        "Movement": ("MOVE", pairs, "RUN LEFT AND RIGHT", CYAN),
        "Jump": ("JUMP", [[k] for k in keys["Jump"]], "HOLD TO JUMP HIGHER", PINK),
        "Dash": ("DASH", [[k] for k in keys["Dash"]], "IN MID-AIR: ONCE PER JUMP", AMBER),
    }
    for name, (title, groups, hint, colour) in specs.items():
        texture = prompt_art(f"{IMAGES}/Prompt{name}.png", title, groups or [["-"]], hint, colour)
        x, y = PROMPT_SPOTS[name]
        write_json(f"{TUTORIAL}/Tutorial_{name}.json", {
            "Transform": {"Translation": [x, y], "Scale": [4.4, 2.2]},
            "Graphics": {"Texture": texture, "Layer": "Foreground", "DoLight": False, "Renderable": False},
        })


def robot():
    texture = save(robot_sheet(), f"{IMAGES}/Robot.png")
    x, y = ROBOT_SPOT
    write_json(f"{TUTORIAL}/RobotTutorial.json", {
        "Transform": {"Translation": [x, y], "Scale": [1.6, 1.6]},
        "Graphics": {"Texture": texture, "Layer": "Default", "DoLight": False,
                     "Mesh": {"SpriteSheet": {"Dim": [4, 2], "Sprite": [0, 0]}}},
        "SpriteSheet": {"Dimensions": [4, 2], "NumSprites": ROBOT_FRAMES, "PlayAnim": True, "SecondsPerFrame": 0.11},
    })


# Background ------------------------------------------------------------------------------------

def locked_band(texture, layer, bottom, top, ratio, tint=(1.0, 1.0, 1.0, 1.0)):
    """A screen-fixed band from clip-space y bottom to top, scrolling one texture width every ratio
    world units of camera travel (0: fixed)."""
    return {
        "Transform": {"Translation": [0, round((bottom + top) / 2, 4)], "Scale": [2, round(top - bottom, 4)]},
        "Graphics": {"Locked": True, "Layer": layer, "Texture": texture, "Color": list(tint)},
        "Parallax": {"InverseRatio": [ratio, 0], "PositionOffset": [0, 0], "Size": [1, 1]},
    }


def map_blocks():
    """The course's width and the x ranges where a sign must not stand (walls and low ceilings above the
    street, checkpoints, the goal), read from the first level's map; none, and COURSE_END, while there
    is no map."""
    try:
        with open(os.path.join(city.ROOT, MAP), encoding="utf-8") as f:
            level = json.load(f)
        width, height, cell = level["width"], level["height"], level["tilewidth"]
        blocks = []
        solids = [o for group in level["layers"] if group.get("name") == "Solids" for o in group.get("objects", [])]
        for o in solids:
            top = height - o["y"] / cell  # Tiled counts y down from the map's top
            if top > STREET_Y + 3:  # taller than a ledge: a wall or a ceiling hanging over the street
                blocks.append((o["x"] / cell, (o["x"] + o.get("width", 0)) / cell))
        # A pylon behind a checkpoint or the goal would read as part of it.
        for group in level["layers"]:
            for o in group.get("objects", []):
                if o.get("name") in ("CheckPoint", "Goal"):
                    blocks.append((o["x"] / cell, (o["x"] + o.get("width", 0)) / cell))
        return float(width), blocks
    except (OSError, ValueError, KeyError, TypeError):
        return COURSE_END, []


def sign_spots(half_width=1.8, margin=1.0, closest=10.0):
    """Every SIGN_STEP units from FIRST_SIGN to the course's end; a sign that would stand where the map
    says it must not moves just before the obstacle if that keeps it clear of the previous sign,
    else on past the obstacle."""
    end, blocks = map_blocks()

    def hits(x):
        return [b for b in blocks if x + half_width + margin > b[0] and x - half_width - margin < b[1]]

    spots, x = [], FIRST_SIGN
    while x < end - half_width:
        hit = hits(x)
        if hit:
            before = min(b[0] for b in hit) - half_width - margin
            if (not spots or before >= spots[-1] + closest) and not hits(before):
                x = before
            else:
                x = max(b[1] for b in hit) + half_width + margin
                continue
        spots.append(round(x, 2))
        x += SIGN_STEP
    return spots


SIGNS = [("NOODLES", PINK, CYAN), ("HOTEL", CYAN, PINK), ("OPEN 24/7", AMBER, PINK), ("ARCADE", PINK, AMBER),
         ("RAMEN", AMBER, CYAN), ("CYBER BAR", CYAN, PINK)]


def background():
    paths = {
        "moon": save(scene.moon(), f"{IMAGES}/Moon.png"),
        "ultra": save(band(101, 1024, 256, (22, 18, 44), [(60, 50, 110)], 0.05, (18, 60), (40, 150), spires=0.25,
                           glow=1.2, sky=searchlights(haze(1024, 256), [(180, 0.32, 0.035), (560, -0.22, 0.03),
                                                                           (850, 0.12, 0.03)])),
                      f"{IMAGES}/SkylineUltra.png"),
        "blimp": save(blimp(), f"{IMAGES}/Blimp.png"),
        "far": save(band(202, 1024, 200, FAR, [(90, 80, 150), (130, 100, 90)], 0.09, (30, 80), (60, 190),
                         neon=[muted(CYAN, 0.5), muted(PINK, 0.5)], spires=0.2), f"{IMAGES}/SkylineFar.png"),
        "mid": save(band(303, 1024, 224, MID, [muted(CYAN, 0.35), muted(AMBER, 0.4)], 0.12, (40, 110), (70, 210),
                         neon=[muted(CYAN, 0.3), muted(PINK, 0.3), muted(AMBER, 0.3)]), f"{IMAGES}/SkylineMid.png"),
        "near": save(band(404, 1024, 200, NEAR, [muted(PINK, 0.5), muted(AMBER, 0.5), (80, 70, 120)], 0.08, (60, 150),
                          (90, 190), neon=[dim(muted(PINK, 0.45), 0.7), dim(muted(CYAN, 0.45), 0.7)], glow=3.0), f"{IMAGES}/SkylineNear.png"),
    }
    group = {}
    # Clip-space bands, each only as tall as what shows of it: every band's towers are at least tall
    # enough to cover the bottom of the band behind it, the nearest reaches the screen's bottom (the
    # camera may rise above the street), and the farthest carries the haze of the sky, which fades into
    # the black of the clear colour.
    group["Moon"] = {"Transform": {"Translation": [0.8, 0.78], "Scale": [0.2, 0.355]},
                     "Graphics": {"Locked": True, "Layer": "Parallax7", "Texture": paths["moon"],
                                  "Color": [0.85, 0.8, 0.9, 0.75]}}
    group["SkylineUltra"] = locked_band(paths["ultra"], "Parallax6", -0.2, 0.6, 420, (0.8, 0.8, 0.9, 1.0))
    # An airship drifting over the far city; its band is mostly empty and narrow.
    group["Blimp"] = locked_band(paths["blimp"], "Parallax6", 0.4, 0.58, 300)
    group["SkylineFar"] = locked_band(paths["far"], "Parallax5", -0.4, 0.15, 210)
    group["SkylineMid"] = locked_band(paths["mid"], "Parallax3", -0.6, 0.02, 110)
    group["SkylineNear"] = locked_band(paths["near"], "Parallax1", -1.0, -0.2, 55)

    # Signs on pylons behind the street, in world space so they pass at the street's pace, every
    # SIGN_STEP units along the course; each spills its colour through a light.
    sheets = {}
    for text, colour, rim in SIGNS:
        sheets[text] = save(neon_sign_sheet(text, colour, rim), f"{IMAGES}/Sign{''.join(ch for ch in text if ch.isalnum())}.png")
    spots = sign_spots()
    for n, x in enumerate(spots):
        text, colour, rim = SIGNS[n % len(SIGNS)]
        y = STREET_Y + 5.0 + (0.8 if n % 2 else 0.0)
        # A pylon from below the street to the sign, so the sign stands rather than floats, also over a pit.
        post_top = y - 0.5
        group[f"SignPost{n}"] = {
            "Transform": {"Translation": [x, round((PIT_BOTTOM + post_top) / 2, 3)],
                          "Scale": [0.2, round(post_top - PIT_BOTTOM, 3)]},
            "Graphics": {"SolidColor": list(POST) + [255], "Layer": "Background"},
        }
        group[f"Sign{n}"] = {
            "Transform": {"Translation": [x, y], "Scale": [3.2, 1.12]},
            "Graphics": {"Texture": sheets[text], "Layer": "Background", "DoLight": False,
                         "Mesh": {"SpriteSheet": {"Dim": [3, 1], "Sprite": [0, 0]}}},
            "SpriteSheet": {"Dimensions": [3, 1], "NumSprites": 3, "PlayAnim": True, "SecondsPerFrame": 0.1,
                            "TimeVector": [2.2 + 0.3 * (n % 3), 0.07, 0.09]},
            "Light": {"InnerRadius": 0.5, "OuterRadius": 7.0, "Strength": 0.9, "Color": rgb(colour)},
        }
    # Street-level glow halfway between the signs, alternating cyan and amber.
    glows = [FIRST_SIGN - SIGN_STEP / 2] + [(a + b) / 2 for a, b in zip(spots, spots[1:])]
    for m, x in enumerate(glows):
        group[f"StreetGlow{m}"] = {"Transform": {"Translation": [x, STREET_Y + 1.5]},
                                   "Light": {"InnerRadius": 0.3, "OuterRadius": 5.0, "Strength": 0.6,
                                             "Color": rgb((CYAN, AMBER)[m % 2])}}
    write_json("Data/BackgroundTest.json", group)


# Particles -------------------------------------------------------------------------------------

def emitter(path, texture, layer, scale, tint, particles):
    write_json(path, {
        "Transform": {"Translation": [0, 0], "Scale": list(scale)},
        "Graphics": {"Texture": texture, "Locked": True, "Layer": layer, "DoLight": False, "Color": list(tint)},
        "Particles": particles,
    })


def traffic():
    """Four lanes of flying cars. The emitters are screen-fixed: a particle at (x, y) is drawn at clip
    position (x * sx, y * sy) as a quad sx * sx by sy * sy of clip space, so smaller scales read as farther.
    Each lane enters just outside one edge and lives long enough for its slowest car to cross."""
    east = save(car(False), f"{IMAGES}/CarEast.png")
    west = save(car(True), f"{IMAGES}/CarWest.png")
    # name, layer, scale, clip y, heading east?, speed range in clip units per second, seconds between cars, tint
    lanes = [
        ("particlesCar_Layer1", "Parallax5", (0.16, 0.12), 0.3, True, (0.05, 0.09), 1.6, (0.7, 0.62, 0.8, 0.85)),
        ("particlesCar_Layer2", "Parallax4", (0.2, 0.14), 0.4, False, (0.09, 0.15), 2.2, (1.0, 0.42, 0.5, 0.95)),
        ("particlesCar_Layer2_02", "Parallax4", (0.2, 0.14), 0.22, True, (0.1, 0.16), 2.6, (1.0, 0.85, 0.55, 0.95)),
        ("particlesCar_Layer3", "Parallax2", (0.26, 0.17), 0.52, False, (0.18, 0.28), 3.4, (0.5, 0.95, 1.0, 1.0)),
        ("particlesCar_Layer4", "Parallax1", (0.32, 0.2), 0.68, True, (0.32, 0.48), 5.0, (1.0, 0.75, 0.95, 1.0)),
    ]
    for name, layer, (sx, sy), y, eastward, (slow, fast), every, tint in lanes:
        start = -(1.0 + sx * sx) / sx if eastward else (1.0 + sx * sx) / sx
        angle = 0.0 if eastward else math.pi
        life = (2.0 + 2 * sx * sx) / slow
        emitter(f"{PARTICLES}/{name}.json", east if eastward else west, layer, (sx, sy), tint, {
            "NumberOfParticles": 1, "Burst": True, "TimePerParticle": every, "Timer": every * 0.8,
            "LifeTime": round(life, 2), "SecondsTillFade": round(life, 2), "PositionOffset": 0,
            "AngleStart": angle - 0.015, "AngleEnd": angle + 0.015,
            "Speed": [round(slow / sx, 3), round(fast / sx, 3)], "Position": [round(start, 3), round(y / sy, 3)],
            "Color": [1, 1, 1, 1]})


def rain():
    """Rain over the whole view, screen-fixed so it follows the camera. Drops start on an arc above the
    top edge and fall nearly straight down, leaning a little with the wind; each is about 8 x 30 pixels."""
    texture = save(scene.rain_streak(), f"{IMAGES}/Rain.png")
    emitter(f"{PARTICLES}/particlesRain.json", texture, "Foreground", (0.09, 0.24), (0.62, 0.78, 1.0, 0.4), {
        "NumberOfParticles": 5, "Burst": True, "TimePerParticle": 0.016, "LifeTime": 1.2, "SecondsTillFade": 1.2,
        "PositionOffset": 42, "AngleStart": -math.pi / 2 - 0.32, "AngleEnd": -math.pi / 2 + 0.28,
        "Speed": [11, 15], "Acceleration": [-0.6, -2], "Position": [0.5, 46], "Color": [1, 1, 1, 1]})


# Sound -----------------------------------------------------------------------------------------

LEVEL_SFX = "Assets/SFX/Level"


def tick(freq, length, decay, level):
    t = sound.seconds(length)
    body = np.sin(2 * np.pi * freq * t) + 0.5 * np.sin(2 * np.pi * freq * 2.7 * t)
    return level * body * np.exp(-t / decay)


def place(out_signal, at, part):
    i = int(round(at * sound.RATE))
    n = min(len(part), len(out_signal) - i)
    out_signal[i:i + n] += part[:n]


def timer_light():
    """A clock: tick, tock, once a second. Both decay long before the loop ends, so the seam is silent."""
    loop = np.zeros(int(sound.RATE * 1.0))
    place(loop, 0.0, tick(2600.0, 0.06, 0.008, 0.5))
    place(loop, 0.5, tick(1900.0, 0.06, 0.008, 0.4))
    return loop


def timer_heavy():
    """Urgent: a tick and a two-tone alarm beep every half second."""
    loop = np.zeros(int(sound.RATE * 0.5))
    place(loop, 0.0, tick(2600.0, 0.05, 0.006, 0.45))
    for at, freq in ((0.1, 1320.0), (0.2, 990.0)):
        t = sound.seconds(0.08)
        square = np.sign(np.sin(2 * np.pi * freq * t)) * 0.6 + 0.4 * np.sin(2 * np.pi * freq * t)
        place(loop, at, sound.fade(0.32 * square * np.exp(-t / 0.05), 0.004))
    return loop


GREETING = "Hello, runner. Welcome to the city. Move, jump, and dash your way to the goal. Beat the clock!"


def robot_voice():
    """espeak-ng says the greeting; sox makes it a machine (ring-modulated, a little crushed, a short
    metallic echo). Quiet on purpose: the level plays it at 2.5 times its volume."""
    path = out(f"{LEVEL_SFX}/RobotGreeting.wav")
    with tempfile.TemporaryDirectory() as tmp:
        raw = os.path.join(tmp, "raw.wav")
        subprocess.run(["espeak-ng", "-v", "en-us+m3", "-s", "150", "-p", "35", "-w", raw, GREETING], check=True)
        subprocess.run(["sox", "-D", raw, "-r", str(sound.RATE), "-b", "16", "-c", "1", path,
                        "highpass", "180", "overdrive", "6", "tremolo", "55", "60", "flanger", "0", "1", "0", "60",
                        "0.5", "sine", "25", "lin", "echo", "0.8", "0.7", "18", "0.35",
                        "pad", "0.1", "0.2", "gain", "-n", "-9"], check=True)


def sounds():
    sound.write_wav(f"{LEVEL_SFX}/TimerLight.wav", timer_light())
    sound.write_wav(f"{LEVEL_SFX}/TimerHeavy.wav", timer_heavy())
    robot_voice()
    files = [
        {"Name": "BGM", "Filepath": "Assets/Music/Level1.mp3", "Stream": True, "Loop": True},
        {"Name": "TimerLight", "Filepath": f"{LEVEL_SFX}/TimerLight.wav", "Loop": True},
        {"Name": "TimerHeavy", "Filepath": f"{LEVEL_SFX}/TimerHeavy.wav", "Loop": True},
        {"Name": "RobotTutorialVoiceover", "Filepath": f"{LEVEL_SFX}/RobotGreeting.wav"},
    ]
    # Everything the course plays by name, as the test course names it.
    with open(os.path.join(city.ROOT, "Data/Audio/testLevelSounds.json"), encoding="utf-8") as f:
        files += json.load(f)["Files"]
    write_json("Data/Audio/Level1Sounds.json", {"Files": files})


def main():
    background()
    traffic()
    rain()
    robot()
    prompts()
    sounds()


if __name__ == "__main__":
    main()
