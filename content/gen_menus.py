#!/usr/bin/env python3
"""Menus: every screen around the levels, in the neon style of the logos.

Writes the artwork under Assets/Menus/ (backgrounds, panels, buttons with their hover variants,
the cursor, the loading bar, the win screen's stars, the credits roll; the win screen shows its figures on the
HUD's digits), the menu sounds
(Assets/SFX/Menus/ButtonPush.wav, ButtonHover.wav, Assets/SFX/Victory.mp3) and the prefabs the
screens create (Data/*.json, Data/Entities/..., Data/PauseMenu/...).

Menu entities live in normalised device coordinates (-1..1, y up) and are drawn screen-fixed;
sizes below are pixels on the 1920 x 1080 reference screen. A button reacts only in the middle
half of its height, so every button picture keeps its plate inside that band and lets the glow
spill into the rest.

The controls pages show the player's real bindings, keys and gamepad side by side: the first prefab
under Data/ with both a "KeyboardInput" and a "PlayerBehavior" component is read; without one, the
default bindings below.

Deterministic: same inputs, same bytes.
"""
import glob
import json
import math
import os
import sys

import numpy as np
from PIL import Image

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import gen_audio as sound  # noqa: E402
import gen_logos as logos  # noqa: E402
from png import save_png  # noqa: E402
from gen_logos import AMBER, CYAN, MAGENTA, VIOLET, WHITE  # noqa: E402

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
ART = "Assets/Menus/"
SCREEN_W, SCREEN_H = 1920, 1080
NIGHT = (14, 8, 30)
DEEP = (30, 12, 58)

# Glyphs the logo font lacks, on the same 4 x 6 grid.
logos.GLYPHS.update({
    "0": [[(1, 0), (3, 0), (4, 1), (4, 5), (3, 6), (1, 6), (0, 5), (0, 1), (1, 0)], [(3.6, 0.8), (0.4, 5.2)]],
    "1": [[(0.8, 1.4), (2.2, 0), (2.2, 6)], [(0.8, 6), (3.6, 6)]],
    "2": [[(0, 1), (1, 0), (3, 0), (4, 1), (4, 2.4), (0, 6), (4, 6)]],
    "3": [[(0, 0.6), (1, 0), (3, 0), (4, 1), (4, 2), (3, 3), (1.4, 3)], [(3, 3), (4, 4), (4, 5), (3, 6), (1, 6), (0, 5.4)]],
    "4": [[(3, 6), (3, 0), (0, 4), (4, 4)]],
    "5": [[(4, 0), (0.4, 0), (0, 3), (3, 2.6), (4, 3.6), (4, 5), (3, 6), (1, 6), (0, 5.2)]],
    "6": [[(3.6, 0.4), (2.4, 0), (1, 0), (0, 1.4), (0, 5), (1, 6), (3, 6), (4, 5), (4, 3.6), (3, 2.8), (1, 2.8), (0, 3.8)]],
    "7": [[(0, 0), (4, 0), (1.4, 6)], [(1, 3), (3.4, 3)]],
    "8": [[(1, 0), (3, 0), (4, 1), (4, 2), (3, 3), (1, 3), (0, 2), (0, 1), (1, 0)],
          [(1, 3), (3, 3), (4, 4), (4, 5), (3, 6), (1, 6), (0, 5), (0, 4), (1, 3)]],
    "9": [[(0.4, 5.6), (1.6, 6), (3, 6), (4, 4.6), (4, 1), (3, 0), (1, 0), (0, 1), (0, 2.4), (1, 3.2), (3, 3.2), (4, 2.2)]],
    "?": [[(0, 1), (1, 0), (3, 0), (4, 1), (4, 2), (2, 3.4), (2, 4.3)], [(2, 5.7), (2, 6)]],
    "!": [[(2, 0), (2, 4.2)], [(2, 5.7), (2, 6)]],
    ":": [[(2, 1.7), (2, 2)], [(2, 5.7), (2, 6)]],
    "'": [[(2, 0), (1.6, 1.6)]],
    ",": [[(2, 5.4), (1.4, 6.8)]],
    "/": [[(4, 0), (0, 6)]],
    "(": [[(2.6, 0), (1.4, 1.4), (1.4, 4.6), (2.6, 6)]],
    ")": [[(1.4, 0), (2.6, 1.4), (2.6, 4.6), (1.4, 6)]],
    "&": [[(4, 6), (0.6, 2), (0.6, 0.8), (1.4, 0), (2.4, 0), (3, 0.8), (3, 1.6), (0, 4), (0, 5.2), (1, 6), (2.2, 6), (4, 3.6)]],
    "<": [[(4, 0.6), (0, 3), (4, 5.4)]],
    ">": [[(0, 0.6), (4, 3), (0, 5.4)]],
    "^": [[(0, 3), (2, 0.6), (4, 3)], [(2, 0.6), (2, 6)]],
    "V_": [[(0, 3), (2, 5.4), (4, 3)], [(2, 5.4), (2, 0)]],
    "=": [[(0.6, 2), (3.4, 2)], [(0.6, 4), (3.4, 4)]],
    "|": [[(2, -0.6), (2, 6.6)]],
})
DOWN_ARROW, LEFT_ARROW, RIGHT_ARROW = "\u2193", "\u2190", "\u2192"
logos.GLYPHS[DOWN_ARROW] = logos.GLYPHS.pop("V_")
logos.GLYPHS[LEFT_ARROW] = [[(2.2, 1.2), (0, 3), (2.2, 4.8)], [(0, 3), (4, 3)]]
logos.GLYPHS[RIGHT_ARROW] = [[(1.8, 1.2), (4, 3), (1.8, 4.8)], [(0, 3), (4, 3)]]


class canvas:
    """A logo canvas at a chosen supersampling (large pictures are drawn at 1x)."""

    def __init__(self, width, height, supersample=2, edge_fade=True):
        self.supersample = supersample
        self.edge_fade = edge_fade
        logos.SUPERSAMPLE = supersample
        self.c = logos.Canvas(width, height)

    def save(self, path):
        """Saves the picture; unless it fills the screen, its glow fades out over the last few pixels
        of each edge instead of ending in a visible box."""
        c = self.c
        if self.edge_fade:
            n = 10.0 * self.supersample

            def ramp(size):
                d = np.minimum(np.arange(size), np.arange(size)[::-1]) / n
                d = np.clip(d, 0.0, 1.0)
                return d * d * (3 - 2 * d)
            mask = np.outer(ramp(c.h), ramp(c.w))
            c.alpha = c.alpha * mask
            c.rgb = c.rgb * mask[..., None]
        logos.SUPERSAMPLE = self.supersample
        c.save(path)

    def __getattr__(self, name):
        method = getattr(self.c, name)
        if not callable(method):
            return method

        def call(*args, **kwargs):
            # The logo canvas reads its supersampling from a module global.
            logos.SUPERSAMPLE = self.supersample
            return method(*args, **kwargs)
        return call


def out(relative):
    path = os.path.join(ROOT, relative)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    return path


def rounded(x0, y0, x1, y1, r, segments=10):
    """Closed polyline of a rounded rectangle."""
    pts = []
    for cx, cy, start in ((x1 - r, y0 + r, -90), (x1 - r, y1 - r, 0), (x0 + r, y1 - r, 90), (x0 + r, y0 + r, 180)):
        for i in range(segments + 1):
            a = math.radians(start + 90 * i / segments)
            pts.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    pts.append(pts[0])
    return pts


def fit_height(text, width, height, tracking=0.45):
    """The largest letter height up to `height` at which text fits `width`."""
    return min(height, height * width / max(1.0, logos.text_width(text, height, tracking)))


def label(c, text, cx, cy, height, colour, width=None, tracking=0.45, glow=0.8, max_width=None):
    if max_width:
        height = fit_height(text, max_width, height, tracking)
    c.neon(logos.centred_text(text, cx, cy - height / 2, height, tracking), colour,
           width=width or max(2.0, height * 0.1), glow=glow)


def left_label(c, text, x, cy, height, colour, tracking=0.45, glow=0.7):
    c.neon(logos.text_strokes(text, x, cy - height / 2, height, tracking), colour, width=max(2.0, height * 0.09), glow=glow)


def right_label(c, text, x, cy, height, colour, tracking=0.45, glow=0.7):
    left_label(c, text, x - logos.text_width(text, height, tracking), cy, height, colour, tracking, glow)


def plate(c, x0, y0, x1, y1, colour, fill_top, fill_bottom, fill_opacity=0.85, radius=None, width=4.0, glow=0.8):
    r = radius if radius is not None else min(26, (y1 - y0) / 2)
    outline = rounded(x0, y0, x1, y1, r)
    c.gradient_fill(c.polygon_mask(outline), fill_top, fill_bottom, y0, y1, opacity=fill_opacity)
    c.neon([outline], colour, width=width, glow=glow)


# Pictures -------------------------------------------------------------------------------------

def button_art(path, w, h, text, colour, hover, icon=None):
    """A text button: a dark plate with a neon rim in the middle band; the hover variant glows
    brighter, with a lit plate and white letters."""
    c = canvas(w, h)
    band = h * 0.25
    x0, x1, y0, y1 = w * 0.06, w * 0.94, h / 2 - band * 1.05, h / 2 + band * 1.05
    if hover:
        lit = tuple(int(0.45 * v) for v in colour)
        plate(c, x0, y0, x1, y1, WHITE, lit, DEEP, 0.95, width=4.5, glow=1.2)
        text_colour = WHITE
    else:
        plate(c, x0, y0, x1, y1, colour, (34, 20, 70), (12, 8, 28), 0.85, width=3.5, glow=0.7)
        text_colour = tuple(int(0.55 * v + 0.45 * 255) for v in colour)
    text_x = w / 2
    if icon:
        # The word in the middle; both ends are left for what an indicator draws over them.
        if callable(icon):
            icon(c, x0 + (y1 - y0) * 0.75, h / 2, (y1 - y0) * 0.32, WHITE if hover else colour)
        text_x = x0 + (x1 - x0) * 0.4
    letter = (y1 - y0) * 0.5
    label(c, text, text_x, h / 2, letter, text_colour, max_width=(x1 - x0) * (0.4 if icon else 0.84),
          glow=1.0 if hover else 0.7)
    c.save(out(path))


def speaker_icon(c, cx, cy, r, colour, state=None):
    """A speaker; "on" adds its sound waves, "off" strikes it through."""
    body = [(cx - r, cy - r * 0.4), (cx - r * 0.4, cy - r * 0.4), (cx + r * 0.3, cy - r), (cx + r * 0.3, cy + r),
            (cx - r * 0.4, cy + r * 0.4), (cx - r, cy + r * 0.4), (cx - r, cy - r * 0.4)]
    c.neon([body], colour, width=3.0, glow=0.8)
    if state == "on":
        waves = [[(cx + r * (0.3 + k) * math.cos(a), cy + r * (0.3 + k) * math.sin(a))
                  for a in np.linspace(-0.8, 0.8, 9)] for k in (0.45, 0.85)]
        c.neon(waves, colour, width=3.0, glow=0.8)
    elif state == "off":
        c.neon([[(cx - r * 1.25, cy + r * 1.15), (cx + r * 1.35, cy - r * 1.15)]], MAGENTA, width=4.5, glow=1.1)


def state_art(path, w, h, text, colour, state):
    """An indicator that sits over the volume button: the speaker in its state on the button's left
    end, where the plate leaves room for it, and its word on the right end."""
    c = canvas(w, h)
    band = h * 0.25
    x0, x1 = w * 0.06, w * 0.94
    y0, y1 = h / 2 - band * 1.05, h / 2 + band * 1.05
    speaker_icon(c, x0 + (y1 - y0) * 0.75, h / 2, (y1 - y0) * 0.32, colour, state)
    label(c, text, x1 - h * 0.55, h / 2, h * 0.2, colour, glow=1.1)
    c.neon([[(x1 - h * 1.0, h * 0.32), (x1 - h * 1.0, h * 0.68)]], colour, width=2.5, glow=0.6)
    c.save(out(path))


def panel_art(path, w, h, title, colour=CYAN, lines=(), title_size=56, body_size=30, body_top=None,
              columns=None, supersample=2):
    """A translucent panel with a title and, optionally, rows of text (pairs become two columns, triples
    three: `columns` is then the pair of x positions where the second and the third column start)."""
    c = canvas(w, h, supersample)
    plate(c, 14, 14, w - 14, h - 14, colour, (26, 14, 56), (8, 6, 20), 0.88, radius=34, width=4.5, glow=0.9)
    if title:
        label(c, title, w / 2, 30 + title_size, title_size, colour, tracking=0.5, max_width=w - 120)
        c.neon([[(w * 0.18, 60 + title_size * 1.7), (w * 0.82, 60 + title_size * 1.7)]], VIOLET, width=2.4, glow=0.6)
    y = body_top if body_top is not None else 90 + title_size * 2.2
    for row in lines:
        if isinstance(row, (tuple, list)) and len(row) == 3:
            key, value, extra = row
            split, third = columns
            right_label(c, key, split - 20, y, body_size, WHITE, glow=0.5)
            left_label(c, value, split + 20, y, body_size, colour, glow=0.7)
            left_label(c, extra, third, y, body_size, VIOLET if key else colour, glow=0.7)
        elif isinstance(row, (tuple, list)):
            key, value = row
            split = columns or w * 0.46
            right_label(c, key, split - 20, y, body_size, WHITE if colour != AMBER else (255, 230, 200), glow=0.5)
            left_label(c, value, split + 20, y, body_size, colour, glow=0.7)
        elif row:
            label(c, row, w / 2, y, body_size, WHITE, glow=0.5)
        y += body_size * 2.1
    c.save(out(path))
    return c


def skyline(c, w, h, base, heights, top_colour, bottom_colour, window_colour, seed, opacity=1.0):
    rng = np.random.RandomState(seed)
    x = -10.0
    shape = [(x, h)]
    windows = []
    width = (w + 20) / len(heights)
    for n, hgt in enumerate(heights):
        top = base - hgt
        shape += [(x, top), (x + width * 0.86, top), (x + width * 0.86, base - hgt * 0.6), (x + width, base - hgt * 0.6)]
        for row in range(int(hgt // 26) - 1):
            for col in range(3):
                if rng.rand() < 0.33:
                    wx, wy = x + width * (0.16 + 0.25 * col), top + 16 + row * 26
                    windows.append([(wx, wy), (wx + width * 0.12, wy)])
        x += width
    shape += [(w + 10, h)]
    c.gradient_fill(c.polygon_mask(shape), top_colour, bottom_colour, base - max(heights), h, opacity=opacity)
    c.neon(windows, window_colour, width=2.0, glow=0.3)


def city_background(path, title=True, heading=None, labels=(), veil=0.0):
    """Full-screen night city: sky, two skyline rows, a horizon grid; the title or a heading."""
    w, h = SCREEN_W, SCREEN_H
    c = canvas(w, h, 1, edge_fade=False)
    full = c.polygon_mask([(0, 0), (w, 0), (w, h), (0, h)])
    c.gradient_fill(full, (8, 4, 22), (52, 16, 78), 0, h * 0.72)
    # A haze band over the horizon and a sun behind the towers.
    sun = c.polygon_mask(logos.circle(w * 0.68, h * 0.60, 210, 96, math.pi, 2 * math.pi))
    c.gradient_fill(sun, (255, 200, 90), (255, 50, 160), h * 0.60 - 210, h * 0.60, opacity=0.75)
    skyline(c, w, h, h * 0.70, [160, 260, 200, 320, 240, 380, 210, 290, 170, 350, 230, 300, 190, 270, 340, 220],
            (60, 30, 110), (24, 12, 48), VIOLET, 3, opacity=0.9)
    skyline(c, w, h, h * 0.76, [110, 180, 140, 230, 120, 200, 160, 250, 130, 190, 150, 220, 170, 120],
            (30, 14, 60), (12, 6, 26), CYAN, 7)
    floor = c.polygon_mask([(0, h * 0.76), (w, h * 0.76), (w, h), (0, h)])
    c.gradient_fill(floor, (20, 8, 40), (6, 2, 14), h * 0.76, h)
    grid = [[(w / 2 + k * 40, h * 0.76), (w / 2 + k * 210, h)] for k in range(-12, 13)]
    grid += [[(0, h * 0.76 + (h * 0.24) * (j / 7.0) ** 1.8), (w, h * 0.76 + (h * 0.24) * (j / 7.0) ** 1.8)]
             for j in range(1, 8)]
    c.neon(grid, MAGENTA, width=1.8, glow=0.35)
    if veil:
        c.fill(full, NIGHT, opacity=veil)
    if title:
        left_label(c, "CODENAME", 140, 150, 40, CYAN, tracking=1.3)
        left_label(c, "VELKOR", 132, 250, 120, MAGENTA, tracking=0.35, glow=1.0)
    if heading:
        label(c, heading, w / 2, 150, 86, CYAN, tracking=0.5, glow=1.0)
    for text, x, y, size, colour in labels:
        right_label(c, text, x, y, size, colour)
    c.save(out(path))


def loading_background(path):
    w, h = SCREEN_W, SCREEN_H
    c = canvas(w, h, 1, edge_fade=False)
    full = c.polygon_mask([(0, 0), (w, 0), (w, h), (0, h)])
    c.gradient_fill(full, (6, 3, 16), (30, 10, 50), 0, h)
    label(c, "LOADING", w / 2, 470, 90, CYAN, tracking=0.6, glow=1.0)
    # The frame around the bar: the bar runs from x -0.4927 to 0.4573 at y -0.2, 0.08 tall.
    x0, x1 = (1 - 0.4927) * w / 2, (1 + 0.4573) * w / 2
    yc, half = (1 + 0.2) * h / 2, 0.04 * h / 2
    c.neon([rounded(x0 - 14, yc - half - 14, x1 + 14, yc + half + 14, 16)], MAGENTA, width=4.0)
    label(c, "GET READY", w / 2, yc + 110, 30, VIOLET, tracking=1.2, glow=0.7)
    c.save(out(path))


def bar_art(path):
    w, h = 512, 32
    img = np.zeros((h, w, 4), np.uint8)
    t = np.linspace(0, 1, w)[None, :, None]
    left, right = np.array(CYAN, float), np.array(MAGENTA, float)
    colour = left * (1 - t) + right * t
    rows = 1.0 - 0.35 * np.abs(np.linspace(-1, 1, h))[:, None, None]
    img[..., :3] = np.clip(colour * rows + 40, 0, 255).astype(np.uint8)
    img[..., 3] = 255
    save_png(Image.fromarray(img, "RGBA"), out(path))


def cursor_art(path):
    c = canvas(48, 48)
    arrow = [(6, 4), (6, 38), (15, 29), (22, 44), (28, 41), (21, 26), (34, 26), (6, 4)]
    c.fill(c.polygon_mask(arrow), (30, 14, 60), opacity=0.9)
    c.neon([arrow], CYAN, width=2.6, glow=0.9)
    c.save(out(path))


def star(cx, cy, r, inner=0.45):
    return [(cx + (r if i % 2 == 0 else r * inner) * math.sin(math.pi * i / 5),
             cy - (r if i % 2 == 0 else r * inner) * math.cos(math.pi * i / 5)) for i in range(11)]


def stars_art(path, cw, ch, keep):
    """4 x 4 cells: 0 three empty stars; 1-5 fill the first, 6-10 the second, 11-15 the third.
    Each cell is drawn cw wide and stored as its middle `keep` columns: beside the outer stars
    the glow has faded below 1 % there."""
    cut = (cw - keep) // 2
    sheet = Image.new("RGBA", (keep * 4, ch * 4))
    centres = [(cw * 0.22, ch * 0.56, ch * 0.3), (cw * 0.5, ch * 0.48, ch * 0.38), (cw * 0.78, ch * 0.56, ch * 0.3)]
    for frame in range(16):
        c = canvas(cw, ch)
        for i, (cx, cy, r) in enumerate(centres):
            fill = min(1.0, max(0.0, (frame - 5 * i) / 5.0))
            outline = star(cx, cy, r)
            if fill > 0:
                grow = star(cx, cy, r * (0.35 + 0.65 * fill))
                c.gradient_fill(c.polygon_mask(grow), (255, 240, 140), (255, 120, 60), cy - r, cy + r,
                                opacity=0.4 + 0.6 * fill)
            c.neon([outline], AMBER if fill >= 1 else VIOLET, width=3.5 * cw / 480, glow=0.9 if fill >= 1 else 0.5)
        tmp = out(ART + "_stars_cell.png")
        c.save(tmp)
        cell = Image.open(tmp).convert("RGBA")
        cell.load()
        os.remove(tmp)
        faint = cell.getchannel("A").point(lambda a: 255 if a > 2 else 0).getbbox()
        assert faint is None or (faint[0] >= cut and faint[2] <= cut + keep), faint
        sheet.paste(cell.crop((cut, 0, cut + keep, ch)), ((frame % 4) * keep, (frame // 4) * ch))
    save_png(sheet, out(path))


CREDITS = [
    ("title", "CODENAME VELKOR"),
    ("small", "A NEON PLATFORMER"),
    ("head", "TEAM RIVET"),
    ("pair", "ENGINE AND TOOLS", "TEAM RIVET"),
    ("pair", "GAMEPLAY", "TEAM RIVET"),
    ("pair", "LEVEL DESIGN", "TEAM RIVET"),
    ("pair", "ART, MUSIC AND SOUND", "TEAM RIVET"),
    ("pair", "PUBLISHED BY", "DEEPGRID STUDIO"),
    ("head", "THE LEVELS"),
    ("pair", "CYBER CITY", "A NEON CITY IN THE RAIN"),
    ("pair", "UNDERGROUND", "A FOUNDRY IN FALLING ASH"),
    ("head", "BUILT WITH"),
    ("pair", "GLFW", "ZLIB LICENSE"),
    ("pair", "GLAD", "MIT LICENSE"),
    ("pair", "OPENGL 3.3", "KHRONOS"),
    ("pair", "DEAR IMGUI", "MIT LICENSE"),
    ("pair", "RAPIDJSON", "MIT LICENSE"),
    ("pair", "GLM", "MIT LICENSE"),
    ("pair", "STB IMAGE, STB VORBIS", "PUBLIC DOMAIN / MIT"),
    ("pair", "MINIAUDIO", "PUBLIC DOMAIN / MIT-0"),
    ("pair", "LIBSNDFILE (CONTENT TOOLS)", "LGPL 2.1"),
    ("pair", "LAME (CONTENT TOOLS)", "LGPL 2"),
    ("pair", "GOOGLETEST", "BSD 3-CLAUSE"),
    ("pair", "GOOGLE BENCHMARK", "APACHE 2.0"),
    ("pair", "SPINE 3.8 FORMAT", "OUR OWN RUNTIME"),
    ("head", "MADE ON"),
    ("pair", "DEBIAN", "FREE SOFTWARE"),
    ("pair", "PYTHON, NUMPY, PILLOW", "CONTENT GENERATORS"),
    ("pair", "FLUIDSYNTH", "MUSIC RENDERING, LGPL 2.1"),
    ("pair", "FLUID R3 GM SOUNDFONT", "MIT LICENSE"),
    ("pair", "TILED", "LEVEL EDITOR"),
]

# The roll as it is shown, in pixels of the 1920 x 1080 reference screen. The credits screen moves it
# from y -6.11 to 6 (screen halves) and then leaves: at that moment the strip's centre is 6 halves
# (3240 px) above the screen's centre, so the closing card, drawn 3240 px below the strip's centre,
# stands composed in the middle of the screen when the roll ends. The strip is tall enough that its
# first line is already on screen when the roll starts.
CREDITS_W, CREDITS_H = 1200, 7560
CREDITS_SCALE = 0.6  # image pixels per screen pixel: the glow survives the stretch, the memory does not grow
CREDITS_CARD_H = 760
CREDITS_CARD_Y = CREDITS_H / 2 + 6 * SCREEN_H / 2  # the card's centre, from the strip's top


def credits_rows():
    """(kind, texts, height in screen px) for every entry, before spacing."""
    sizes = {"title": 96, "small": 34, "head": 58, "pair": 34}
    return [(entry[0], entry[1:], sizes[entry[0]]) for entry in CREDITS]


def credits_art(path):
    """The credits roll: a tall transparent strip with the names, evenly spread so the screen is never
    empty, and the closing card at its foot. Every line is fitted to the strip's width, so no line is
    ever cut at an edge."""
    s = CREDITS_SCALE
    w, h = int(CREDITS_W * s), int(CREDITS_H * s)
    c = canvas(w, h, 1)
    usable = w * 0.9
    rows = credits_rows()
    # Sections open with a fixed gap; the pairs share the rest of the strip above the card, so the
    # names are spread evenly instead of leaving empty screens between sections.
    top, bottom = 70.0, CREDITS_CARD_Y - CREDITS_CARD_H / 2 - 560.0
    section_gap = 260.0
    pitch = {kind: size * 1.7 for kind, _, size in rows}
    fixed = sum(pitch[kind] + (section_gap if kind == "head" else 0) for kind, _, _ in rows if kind != "pair")
    pairs = sum(1 for kind, _, _ in rows if kind == "pair")
    pitch["pair"] = max(34 * 2.6, (bottom - top - fixed) / max(1, pairs))
    y = top
    for kind, texts, size in rows:
        if kind == "head":
            y += section_gap
        if kind == "title":
            label(c, texts[0], w / 2, y * s, size * s, MAGENTA, tracking=0.4, glow=1.0, max_width=usable)
        elif kind == "small":
            label(c, texts[0], w / 2, y * s, size * s, VIOLET, tracking=1.0, max_width=usable)
        elif kind == "head":
            label(c, texts[0], w / 2, y * s, size * s, CYAN, tracking=0.6, glow=1.0, max_width=usable)
        else:
            # A pair: the role, and the name in amber below it.
            label(c, texts[0], w / 2, y * s, size * s, WHITE, glow=0.4, max_width=usable)
            label(c, texts[1], w / 2, (y + size * 1.5) * s, size * 0.9 * s, AMBER, glow=0.6, max_width=usable)
        y += pitch[kind]
    assert y < bottom + 1, "the credits run into their closing card"
    credits_card(c, w / 2, CREDITS_CARD_Y * s, usable, CREDITS_CARD_H * s, s)
    c.save(out(path))


def credits_card(c, cx, cy, width, height, s):
    """The closing card: framed title, the thanks, and the city and the foundry the player crossed."""
    x0, x1, y0, y1 = cx - width / 2, cx + width / 2, cy - height / 2, cy + height / 2
    plate(c, x0, y0, x1, y1, MAGENTA, (26, 14, 56), (8, 6, 20), 0.8, radius=34 * s, width=4.5 * s, glow=1.0)
    label(c, "CODENAME", cx, y0 + 130 * s, 40 * s, CYAN, tracking=1.3, max_width=width * 0.8)
    label(c, "VELKOR", cx, y0 + 260 * s, 130 * s, MAGENTA, tracking=0.35, glow=1.0, max_width=width * 0.8)
    c.neon([[(x0 + width * 0.2, y0 + 360 * s), (x1 - width * 0.2, y0 + 360 * s)]], VIOLET, width=2.4 * s, glow=0.6)
    label(c, "THANK YOU FOR PLAYING", cx, y0 + 450 * s, 46 * s, WHITE, glow=0.7, max_width=width * 0.8)
    # A skyline on the left in the city's cyan and furnace mouths on the right in the foundry's amber.
    base = y1 - 90 * s
    towers = []
    for i, hgt in enumerate((90, 150, 110, 190, 130)):
        tx = x0 + width * 0.08 + i * 52 * s
        towers.append([(tx, base), (tx, base - hgt * s), (tx + 40 * s, base - hgt * s), (tx + 40 * s, base)])
    c.neon(towers, CYAN, width=3.0 * s, glow=0.8)
    mouths = []
    for i in range(3):
        fx = x1 - width * 0.08 - (i + 1) * 92 * s
        mouths.append(rounded(fx, base - 120 * s, fx + 72 * s, base, 30 * s, 6))
    c.neon(mouths, AMBER, width=3.5 * s, glow=1.1)
    c.neon([[(x0 + width * 0.06, base), (x1 - width * 0.06, base)]], VIOLET, width=2.4 * s, glow=0.6)


# Key names for the controls pages ----------------------------------------------------------------

KEY_NAMES = {32: "SPACE", 256: "ESC", 257: "ENTER", 258: "TAB", 262: RIGHT_ARROW, 263: LEFT_ARROW, 264: DOWN_ARROW, 265: "^",
             340: "SHIFT", 344: "SHIFT", 341: "CTRL", 345: "CTRL", 342: "ALT", 346: "ALT",
             349: "LEFT CLICK", 350: "RIGHT CLICK"}
# Gamepad 1's entries of the input table (gameplay/input.hpp): 357 + GLFW gamepad button, then the left
# stick's four directions. Both d-pad directions of a move read "D-PAD", both stick ones "STICK".
PAD_NAMES = {357: "A", 358: "B", 359: "X", 360: "Y", 361: "LB", 362: "RB", 363: "BACK", 364: "START",
             365: "GUIDE", 366: "L3", 367: "R3", 368: "D-PAD", 369: "D-PAD", 370: "D-PAD", 371: "D-PAD",
             372: "STICK", 373: "STICK", 374: "STICK", 375: "STICK"}
FIRST_PAD_ENTRY = 357
DEFAULT_BINDINGS = {"Left": [263, 65, 371, 372], "Right": [262, 68, 369, 373], "Jump": [32, 265, 87, 357],
                    "Dash": [340, 344, 88, 359, 361, 362]}


def key_name(code):
    if 65 <= code <= 90 or 48 <= code <= 57:
        return chr(code)
    if 290 <= code <= 314:
        return "F%d" % (code - 289)
    return KEY_NAMES.get(code, "KEY %d" % code)


def player_bindings():
    for path in sorted(glob.glob(os.path.join(ROOT, "Data", "**", "*.json"), recursive=True)):
        try:
            with open(path, encoding="utf-8") as f:
                doc = json.load(f)
        except (ValueError, OSError):
            continue
        if isinstance(doc, dict) and "KeyboardInput" in doc and "PlayerBehavior" in doc:
            keys = doc["KeyboardInput"]
            return {k: (v if isinstance(v, list) else [v]) for k, v in keys.items() if k in DEFAULT_BINDINGS}
    return DEFAULT_BINDINGS


def control_lines():
    """Rows of (action, keys, gamepad), under a heading row."""
    keys = player_bindings()

    def names(action, pad):
        # Left and right modifier keys read as one key.
        shown = []
        for k in keys.get(action, []):
            if not isinstance(k, int) or (k >= FIRST_PAD_ENTRY) != pad:
                continue
            name = PAD_NAMES.get(k, "BUTTON %d" % (k - FIRST_PAD_ENTRY)) if pad else key_name(k)
            if name not in shown:
                shown.append(name)
        return " / ".join(shown) or "-"
    moves = [(label, names(action, False), names(action, True))
             for label, action in (("MOVE LEFT", "Left"), ("MOVE RIGHT", "Right"), ("JUMP", "Jump"), ("DASH", "Dash"))]
    return [("", "KEYBOARD", "GAMEPAD")] + moves + [
        ("PAUSE", "ESC", "START"), ("MENUS", "ARROWS / ENTER", "D-PAD / A"), ("BACK", "ESC", "B"),
        ("FULL SCREEN", "F11", "-"), ("QUIT", "ALT + F4", "-")]


CONTROLS_W, CONTROLS_H = 1000, 780
CONTROLS_COLUMNS = (310, 650)  # where the keys and the gamepad columns start


def controls_panel(path, controls):
    panel_art(path, CONTROLS_W, CONTROLS_H, "CONTROLS", CYAN, controls, title_size=50, body_size=22,
              columns=CONTROLS_COLUMNS)


# Prefabs -------------------------------------------------------------------------------------

def scale_of(w, h):
    return [round(2.0 * w / SCREEN_W, 5), round(2.0 * h / SCREEN_H, 5)]


def sprite(texture, x, y, w, h, layer="UI", alpha=1.0, visible=True):
    graphics = {"Locked": True, "DoLight": False, "Texture": texture, "Color": [1.0, 1.0, 1.0, alpha], "Layer": layer}
    if not visible:
        graphics["Renderable"] = False
    return {"Transform": {"Translation": [x, y], "Scale": scale_of(w, h)}, "Graphics": graphics}


BUTTON_SOUNDS = {"Files": [{"Name": "ButtonPush", "Filepath": "Assets/SFX/Menus/ButtonPush.wav"},
                           {"Name": "ButtonHover", "Filepath": "Assets/SFX/Menus/ButtonHover.wav"}]}


def button(name, texture, x, y, w, h, alter=None, alpha=1.0, visible=True):
    doc = sprite(texture, x, y, w, h, "UI", alpha, visible)
    doc["Button"] = {"Name": name, "Size": scale_of(w, h)}
    if alter:
        doc["Button"]["AlterTexture"] = alter
    doc["Audio"] = BUTTON_SOUNDS
    return doc


def write(relative, doc):
    with open(out(relative), "w", encoding="utf-8") as f:
        json.dump(doc, f, indent=4)
        f.write("\n")


def text_button(prefab, name, text, x, y, w, h, colour=CYAN, swap=True, alpha=1.0, visible=True, art=None, icon=None):
    """Writes a button's pictures (normal, and hover when it swaps) and its prefab."""
    art = art or ART + "Buttons/" + name
    button_art(art + ".png", w, h, text, colour, False, icon)
    alter = None
    if swap:
        button_art(art + "Hover.png", w, h, text, colour, True, icon)
        alter = art + "Hover.png"
    write(prefab, button(name, art + ".png", x, y, w, h, alter, alpha, visible))


# Sounds --------------------------------------------------------------------------------------

def menu_sounds():
    t = sound.seconds(0.07)
    sweep = 2 * np.pi * np.cumsum(np.linspace(1500.0, 2100.0, len(t))) / sound.RATE
    hover = 0.28 * np.sin(sweep) * np.exp(-t * 45.0)
    sound.write_wav("Assets/SFX/Menus/ButtonHover.wav", sound.fade(hover, 0.002))

    t = sound.seconds(0.22)
    body = sum(a * np.sin(2 * np.pi * f * t) for f, a in ((523.25, 0.35), (784.0, 0.25), (1046.5, 0.15)))
    thump = 0.5 * np.sin(2 * np.pi * 2 * np.cumsum(np.linspace(180.0, 60.0, len(t))) / sound.RATE / 2)
    rng = np.random.RandomState(11)
    click = rng.uniform(-1, 1, len(t)) * np.exp(-t * 400.0) * 0.3
    push = (body * np.exp(-t * 18.0) + thump * np.exp(-t * 30.0) + click) * 0.8
    sound.write_wav("Assets/SFX/Menus/ButtonPush.wav", sound.fade(push, 0.002))

    # Victory: a rising arpeggio over a held chord, with a sparkle on top.
    total = 2.8
    t = sound.seconds(total)
    left, right = np.zeros(len(t)), np.zeros(len(t))
    notes = [523.25, 659.25, 783.99, 1046.5, 1318.5]
    for i, f in enumerate(notes):
        start = 0.11 * i
        tt = np.clip(t - start, 0, None)
        env = (t >= start) * np.exp(-tt * (3.0 if i == len(notes) - 1 else 6.0))
        tone = np.sin(2 * np.pi * f * tt) + 0.3 * np.sin(2 * np.pi * 2 * f * tt) + 0.12 * np.sign(np.sin(2 * np.pi * f * tt))
        pan = i / (len(notes) - 1)
        left += 0.22 * tone * env * (1.1 - pan * 0.5)
        right += 0.22 * tone * env * (0.6 + pan * 0.5)
    chord_start = 0.55
    tt = np.clip(t - chord_start, 0, None)
    swell = (t >= chord_start) * np.minimum(1.0, tt / 0.15) * np.exp(-tt * 1.1)
    for f in (261.63, 329.63, 392.0, 523.25):
        pad = np.sin(2 * np.pi * f * tt) + 0.4 * np.sin(2 * np.pi * f * 1.003 * tt)
        left += 0.09 * pad * swell
        right += 0.09 * pad * swell
    sparkle = np.sin(2 * np.pi * 2093.0 * tt) * np.exp(-tt * 5.0) * (t >= chord_start) * 0.08
    stereo = np.stack([left + sparkle, right + sparkle], axis=1)
    stereo /= max(1e-9, np.max(np.abs(stereo))) / 0.8
    sound.write_mp3("Assets/SFX/Victory.mp3", sound.fade(stereo, 0.01))


# Screens -------------------------------------------------------------------------------------

def main_menu(controls):
    city_background(ART + "MainMenu.png")
    background = sprite(ART + "MainMenu.png", 0.0, 0.0, SCREEN_W, SCREEN_H, "Background")
    background["Audio"] = {"Files": [{"Name": "MenuMusic", "Filepath": "Assets/Music/MenuCut.mp3", "Stream": True,
                                      "Loop": True}]}
    write("Data/MainMenu.json", background)
    d = "Data/Entities/Buttons/MainMenu/"
    x, w, h = -0.62, 480, 120
    for file, name, text, y in (("PlayGameButton", "MainMenuPlayGame", "PLAY", 0.28),
                                ("OptionsGameButton", "MainMenuOptions", "OPTIONS", 0.08),
                                ("ControlsGameButton", "MainMenuControls", "CONTROLS", -0.12),
                                ("CreditsGameButton", "MainMenuCredits", "CREDITS", -0.32),
                                ("ExitGameButton", "MainMenuExitGame", "EXIT", -0.52)):
        text_button(d + file + ".json", name, text, x, y, w, h)

    panel_art(ART + "PlayMenu.png", 900, 640, "CHOOSE A LEVEL", MAGENTA, title_size=50)
    write("Data/PlayMenu.json", sprite(ART + "PlayMenu.png", 0.35, 0.0, 900, 640, "Foreground", visible=False))
    text_button(d + "CyberCityButton.json", "CyberCity", "1  CYBER CITY", 0.35, 0.02, 680, 160, CYAN, visible=False)
    text_button(d + "UndergroundButton.json", "Underground", "2  UNDERGROUND", 0.35, -0.28, 680, 160, AMBER,
                visible=False)

    panel_art(ART + "ExitMenu.png", 820, 440, "QUIT THE GAME?", MAGENTA, title_size=50)
    write("Data/ExitMenu.json", sprite(ART + "ExitMenu.png", 0.35, 0.0, 820, 440, "Foreground", visible=False))
    text_button(d + "YesButton.json", "MainMenuYes", "YES", 0.19, -0.12, 280, 120, MAGENTA, swap=False, visible=False)
    text_button(d + "NoButton.json", "MainMenuNo", "NO", 0.51, -0.12, 280, 120, CYAN, swap=False, visible=False)

    controls_panel(ART + "Controls.png", controls)
    write("Data/ControlsScreen.json",
          sprite(ART + "Controls.png", 0.35, 0.0, CONTROLS_W, CONTROLS_H, "Foreground", visible=False))

    cursor_art(ART + "Cursor.png")
    write("Data/Entities/cursor.json", sprite(ART + "Cursor.png", 0.0, 0.0, 48, 48, "Cursor"))


def options_menu():
    city_background(ART + "Options.png", title=False, heading="OPTIONS", veil=0.55,
                    labels=(("AUDIO", 700, 1080 * (1 - 0.35) / 2, 40, VIOLET),
                            ("DISPLAY", 700, 1080 * (1 + 0.2) / 2, 40, VIOLET)))
    write("Data/OptionsMenu.json", sprite(ART + "Options.png", 0.0, 0.0, SCREEN_W, SCREEN_H, "Background"))
    d = "Data/Entities/Buttons/Option/"
    x = 0.12
    text_button(d + "BackToMainButton.json", "BackToMain", "BACK", 0.0, -0.74, 360, 120, MAGENTA, swap=False)
    volume_art(d + "VolumeButton.json", "Volume", ART + "Buttons/Volume", x, 0.35)
    for file, name, text, y in (("WindowSize0", "WindowSize0", "WINDOWED", 0.02),
                                ("WindowSize1", "WindowSize1", "FULL SCREEN", -0.2),
                                ("WindowSize2", "WindowSize2", "BORDERLESS", -0.42)):
        text_button(d + file + ".json", name, text, x, y, 520, 120, swap=False)


def volume_art(prefab, name, art, x, y, w=540, h=140):
    """The sound switch: a plate with "SOUND", and the "On" and "Off" indicators over it that show the
    state with their own speaker (sounding, or struck through) and word, hovered or not."""
    button_art(art + ".png", w, h, "SOUND", VIOLET, False, icon=True)
    button_art(art + "Hover.png", w, h, "SOUND", VIOLET, True, icon=True)
    write(prefab, button(name, art + ".png", x, y, w, h, art + "Hover.png"))
    folder = os.path.dirname(prefab) + "/"
    state_art(ART + "Buttons/SoundOn.png", w, h, "ON", CYAN, "on")
    state_art(ART + "Buttons/SoundOff.png", w, h, "OFF", MAGENTA, "off")
    for file, label_name, picture in (("On.json", "On", "SoundOn"), ("Off.json", "Off", "SoundOff")):
        doc = sprite(ART + "Buttons/" + picture + ".png", x, y, w, h, "UI", visible=False)
        doc["Button"] = {"Name": label_name, "Size": scale_of(w, h)}
        doc["Audio"] = BUTTON_SOUNDS
        write(folder + file, doc)


def credits_screen():
    credits_art(ART + "Credits.png")
    write("Data/Credits.json", sprite(ART + "Credits.png", 0.0, -6.11, CREDITS_W, CREDITS_H, "Foreground"))
    text_button("Data/Entities/Buttons/Credits/MainMenuButton.json", "CreditsMainMenu", "MAIN MENU", 0.72, -0.84,
                380, 120, MAGENTA, swap=False)


def loading_screen():
    loading_background(ART + "Loading.png")
    write("Data/LoadScreen.json", sprite(ART + "Loading.png", 0.0, 0.0, SCREEN_W, SCREEN_H, "Background"))
    bar_art(ART + "LoadingBar.png")
    bar = sprite(ART + "LoadingBar.png", -0.4927, -0.2, 0, 0, "UI", visible=False)
    bar["Transform"]["Scale"] = [0.0, 0.08]
    write("Data/LoadScreenBar.json", bar)


def win_screen():
    w, h = 1240, 820
    c = panel_art(ART + "WinPanel.png", w, h, "LEVEL COMPLETE", CYAN, title_size=60)
    # Labels beside the digits: their rows sit at y -0.19 and -0.05, their left edge at x -0.025.
    px = lambda nx: (nx + 1) * SCREEN_W / 2 - (SCREEN_W - w) / 2
    py = lambda ny: (1 - ny) * SCREEN_H / 2 - (SCREEN_H - h) / 2
    right_label(c, "COLLECTED", px(-0.07), py(-0.05), 34, WHITE)
    right_label(c, "TIME TAKEN", px(-0.07), py(-0.19), 34, WHITE)
    left_label(c, "SEC", px(0.11), py(-0.19), 26, VIOLET)
    c.save(out(ART + "WinPanel.png"))
    # Stored at three quarters of its size on screen, like the stars below: the win screen's images
    # come on top of everything the level has loaded, and glowing strokes stay readable magnified.
    panel = Image.open(out(ART + "WinPanel.png"))
    save_png(panel.resize((w * 3 // 4, h * 3 // 4), Image.LANCZOS), out(ART + "WinPanel.png"))
    write("Data/WinScreen.json", sprite(ART + "WinPanel.png", 0.0, 0.0, w, h, "UI", alpha=0.0))

    # The sheet's cells are drawn at three quarters of their size on screen (soft glowing shapes lose
    # nothing): its sixteen cells were the largest image the win screen adds to the level's.
    # Only the middle 408 of each cell's 480 columns hold the stars; the rest was stored empty.
    cw, ch, keep = 480, 160, 408
    stars_art(ART + "Stars.png", cw * 3 // 4, ch * 3 // 4, keep * 3 // 4)
    stars = sprite(ART + "Stars.png", 0.0, 0.26, keep, ch, "UI")
    stars["Graphics"]["Mesh"] = {"SpriteSheet": {"Dim": [4, 4], "Sprite": [0, 0]}}
    stars["SpriteSheet"] = {"Dimensions": [4, 4], "NumSprites": 16, "PlayAnim": True, "SecondsPerFrame": 0.08}
    write("Data/WinScreenStars.json", stars)

    d = "Data/Entities/Buttons/WinScreen/"
    for file, name, text, x in (("MainMenuButton", "WinScreenMainMenu", "MAIN MENU", -0.54),
                                ("PlayAgainButton", "WinScreenPlayAgain", "PLAY AGAIN", -0.18),
                                ("CreditsButton", "WinScreenCredits", "CREDITS", 0.18),
                                ("NextLevelButton", "WinScreenNextLevel", "NEXT LEVEL", 0.54)):
        text_button(d + file + ".json", name, text, x, -0.5, 340, 110, MAGENTA if x > 0.5 else CYAN, swap=False)



def lose_screen():
    w, h = 1000, 560
    panel_art(ART + "LosePanel.png", w, h, "TIME'S UP", MAGENTA, ["THE CITY WAITS FOR NO ONE"], title_size=70,
              body_size=28, body_top=260)
    write("Data/LoseScreen.json", sprite(ART + "LosePanel.png", 0.0, 0.0, w, h, "UI", alpha=0.0))
    d = "Data/Entities/Buttons/LoseScreen/"
    text_button(d + "MainMenuButton.json", "LoseScreenMainMenu", "MAIN MENU", -0.2, -0.26, 360, 120, CYAN,
                swap=False, alpha=0.0)
    text_button(d + "PlayAgainButton.json", "LoseScreenPlayAgain", "PLAY AGAIN", 0.2, -0.26, 360, 120, MAGENTA,
                swap=False, alpha=0.0)


def pause_menu(controls):
    w, h = SCREEN_W, SCREEN_H
    c = canvas(w, h, 1, edge_fade=False)
    c.fill(c.polygon_mask([(0, 0), (w, 0), (w, h), (0, h)]), NIGHT, opacity=0.62)
    cx, cy = (1 - 0.55) * w / 2, h / 2
    plate(c, cx - 280, cy - 420, cx + 280, cy + 420, CYAN, (26, 14, 56), (8, 6, 20), 0.9, radius=34, width=4.5)
    label(c, "PAUSED", cx, cy - 330, 64, CYAN, tracking=0.5, glow=1.0)
    c.save(out(ART + "Pause/Main.png"))
    p = "Data/PauseMenu/"
    write(p + "PauseMenu.json", sprite(ART + "Pause/Main.png", 0.0, 0.0, w, h, "UI", visible=False))

    pw, ph, px = 860, 800, 0.35
    options = panel_art(ART + "Pause/Options.png", pw, ph, "OPTIONS", CYAN, title_size=50)
    label(options, "DISPLAY", pw / 2, 194, 30, VIOLET, tracking=1.0)
    label(options, "AUDIO", pw / 2, 562, 30, VIOLET, tracking=1.0)
    options.save(out(ART + "Pause/Options.png"))
    write(p + "PauseMenuOptions.json", sprite(ART + "Pause/Options.png", px, 0.0, pw, ph, "UI", visible=False))
    controls_panel(ART + "Pause/Controls.png", controls)
    write(p + "PauseMenuControls.json", sprite(ART + "Pause/Controls.png", px, 0.0, CONTROLS_W, CONTROLS_H, "UI",
                                               visible=False))
    # The same roll, narrowed to the panel with its proportions kept.
    write(p + "PauseMenuCredits.json", sprite(ART + "Credits.png", px, -6.11, pw, round(pw * CREDITS_H / CREDITS_W),
                                              "UI", visible=False))
    panel_art(ART + "Pause/Exit.png", pw, ph, "QUIT THE GAME?", MAGENTA, ["UNSAVED PROGRESS IN THIS LEVEL IS LOST"],
              title_size=50, body_size=22, body_top=240)
    write(p + "PauseMenuExit.json", sprite(ART + "Pause/Exit.png", px, 0.0, pw, ph, "UI", visible=False))

    d = "Data/Entities/Buttons/PauseMenu/"
    for file, name, text, y in (("ResumeGameButton", "PauseResume", "RESUME", 0.3),
                                ("OptionsGameButton", "PauseOptions", "OPTIONS", 0.1),
                                ("ControlsGameButton", "PauseControls", "CONTROLS", -0.1),
                                ("CreditsGameButton", "PauseCredits", "CREDITS", -0.3),
                                ("ExitGameButton", "PauseExit", "EXIT", -0.5)):
        text_button(d + "Menu/" + file + ".json", name, text, -0.55, y, 440, 120, swap=False, visible=False,
                    art=ART + "Buttons/" + name)
    text_button(d + "Exit/YesButton.json", "PauseYes", "YES", 0.19, 0.02, 280, 120, MAGENTA, swap=False,
                visible=False)
    text_button(d + "Exit/NoButton.json", "PauseNo", "NO", 0.51, 0.02, 280, 120, CYAN, swap=False, visible=False)
    text_button(d + "Exit/MainMenuButton.json", "PauseMainMenu", "MAIN MENU", px, -0.26, 440, 120, CYAN, swap=False,
                visible=False)
    for file, name, text, y in (("WindowSize0Button", "PauseWindowSize0", "WINDOWED", 0.26),
                                ("WindowSize1Button", "PauseWindowSize1", "FULL SCREEN", 0.06),
                                ("WindowSize2Button", "PauseWindowSize2", "BORDERLESS", -0.14)):
        text_button(d + "Options/" + file + ".json", name, text, px, y, 520, 120, swap=False, visible=False)
    pause_volume(d + "Options/", px, -0.44)


def pause_volume(folder, x, y, w=540, h=140):
    art = ART + "Buttons/Volume"
    doc = button("PauseVolume", art + ".png", x, y, w, h, art + "Hover.png", visible=False)
    write(folder + "VolumeButton.json", doc)
    for file, name, picture in (("On.json", "PauseOn", "SoundOn"), ("Off.json", "PauseOff", "SoundOff")):
        doc = sprite(ART + "Buttons/" + picture + ".png", x, y, w, h, "UI", visible=False)
        doc["Button"] = {"Name": name, "Size": scale_of(w, h)}
        doc["Audio"] = BUTTON_SOUNDS
        write(folder + file, doc)


def main():
    only = set(sys.argv[1:])
    controls = control_lines()
    steps = [("sounds", menu_sounds), ("main", lambda: main_menu(controls)), ("options", options_menu),
             ("credits", credits_screen), ("loading", loading_screen), ("win", win_screen), ("lose", lose_screen),
             ("pause", lambda: pause_menu(controls))]
    for name, step in steps:
        if not only or name in only:
            step()


if __name__ == "__main__":
    main()
