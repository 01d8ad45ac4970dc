#!/usr/bin/env python3
"""Opening logos: the studio, the audio credit, the team and the game title.

Writes Assets/Logos/*.png (neon-tube artwork on transparent backgrounds, drawn with the stroke
font below) and the four prefabs Data/Logos/{Logo,FmodLogo,TeamLogo,GameLogo}.json that show them
screen-fixed and centred, starting fully transparent (the logo screens fade them in and out).

Deterministic: same inputs, same bytes.
"""
import json
import math
import os

import numpy as np
from PIL import Image, ImageDraw, ImageFilter

from png import save_png

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
IMAGE_DIR = os.path.join(ROOT, "Assets", "Logos")
PREFAB_DIR = os.path.join(ROOT, "Data", "Logos")

# The reference screen the logos are laid out for; on other sizes they scale with the screen.
SCREEN_W, SCREEN_H = 1920, 1080
SUPERSAMPLE = 2

# Palette shared with the cyber-city art: magenta and cyan neon, violet haze, foundry amber.
MAGENTA = (255, 70, 205)
CYAN = (70, 228, 255)
VIOLET = (150, 96, 255)
AMBER = (255, 160, 60)
WHITE = (255, 255, 255)

# A stroke font on a 4 x 6 grid (x right, y down): each glyph is a list of polylines.
GLYPHS = {
    "A": [[(0, 6), (0, 2), (2, 0), (4, 2), (4, 6)], [(0, 3.6), (4, 3.6)]],
    "B": [[(0, 0), (0, 6), (3, 6), (4, 5), (4, 4), (3, 3), (0, 3)], [(0, 0), (3, 0), (4, 1), (4, 2), (3, 3)]],
    "C": [[(4, 1), (3, 0), (1, 0), (0, 1), (0, 5), (1, 6), (3, 6), (4, 5)]],
    "D": [[(0, 0), (0, 6), (2.6, 6), (4, 4.6), (4, 1.4), (2.6, 0), (0, 0)]],
    "E": [[(4, 0), (0, 0), (0, 6), (4, 6)], [(0, 3), (3, 3)]],
    "F": [[(4, 0), (0, 0), (0, 6)], [(0, 3), (3, 3)]],
    "G": [[(4, 1), (3, 0), (1, 0), (0, 1), (0, 5), (1, 6), (3, 6), (4, 5), (4, 3.2), (2.2, 3.2)]],
    "H": [[(0, 0), (0, 6)], [(4, 0), (4, 6)], [(0, 3), (4, 3)]],
    "I": [[(1, 0), (3, 0)], [(2, 0), (2, 6)], [(1, 6), (3, 6)]],
    "J": [[(4, 0), (4, 5), (3, 6), (1, 6), (0, 5)]],
    "K": [[(0, 0), (0, 6)], [(4, 0), (1, 3), (0, 3)], [(1, 3), (4, 6)]],
    "L": [[(0, 0), (0, 6), (4, 6)]],
    "M": [[(0, 6), (0, 0), (2, 3), (4, 0), (4, 6)]],
    "N": [[(0, 6), (0, 0), (4, 6), (4, 0)]],
    "O": [[(1, 0), (3, 0), (4, 1), (4, 5), (3, 6), (1, 6), (0, 5), (0, 1), (1, 0)]],
    "P": [[(0, 6), (0, 0), (3, 0), (4, 1), (4, 2), (3, 3), (0, 3)]],
    "Q": [[(1, 0), (3, 0), (4, 1), (4, 5), (3, 6), (1, 6), (0, 5), (0, 1), (1, 0)], [(2.6, 4.6), (4, 6.2)]],
    "R": [[(0, 6), (0, 0), (3, 0), (4, 1), (4, 2), (3, 3), (0, 3)], [(2, 3), (4, 6)]],
    "S": [[(4, 1), (3, 0), (1, 0), (0, 1), (0, 2), (1, 3), (3, 3), (4, 4), (4, 5), (3, 6), (1, 6), (0, 5)]],
    "T": [[(0, 0), (4, 0)], [(2, 0), (2, 6)]],
    "U": [[(0, 0), (0, 5), (1, 6), (3, 6), (4, 5), (4, 0)]],
    "V": [[(0, 0), (2, 6), (4, 0)]],
    "W": [[(0, 0), (0.9, 6), (2, 2.6), (3.1, 6), (4, 0)]],
    "X": [[(0, 0), (4, 6)], [(4, 0), (0, 6)]],
    "Y": [[(0, 0), (2, 3), (4, 0)], [(2, 3), (2, 6)]],
    "Z": [[(0, 0), (4, 0), (0, 6), (4, 6)]],
    "-": [[(1, 3), (3, 3)]],
    ".": [[(2, 5.7), (2, 6)]],
    "+": [[(2, 1.5), (2, 4.5)], [(0.5, 3), (3.5, 3)]],
    " ": [],
}


def text_strokes(text, x, y, height, tracking=0.45):
    """Polylines of text whose top-left is (x, y), letters height pixels tall."""
    unit = height / 6.0
    lines = []
    pen = x
    for ch in text:
        for line in GLYPHS[ch]:
            lines.append([(pen + gx * unit, y + gy * unit) for gx, gy in line])
        pen += (4 + tracking * 4) * unit
    return lines


def text_width(text, height, tracking=0.45):
    unit = height / 6.0
    return len(text) * (4 + tracking * 4) * unit - tracking * 4 * unit


def centred_text(text, cx, y, height, tracking=0.45):
    return text_strokes(text, cx - text_width(text, height, tracking) / 2, y, height, tracking)


class Canvas:
    """A transparent picture built from glowing strokes and soft fills, drawn supersampled."""

    def __init__(self, width, height):
        self.width, self.height = width, height
        self.w, self.h = width * SUPERSAMPLE, height * SUPERSAMPLE
        self.rgb = np.zeros((self.h, self.w, 3), np.float64)  # premultiplied colour
        self.alpha = np.zeros((self.h, self.w), np.float64)

    def _mask(self):
        return Image.new("L", (self.w, self.h), 0)

    def _composite(self, colour, cover):
        """Lays colour with coverage cover (0..1 array) over what is there."""
        c = np.asarray(colour, np.float64) / 255.0
        self.rgb = self.rgb * (1 - cover[..., None]) + c * cover[..., None]
        self.alpha = self.alpha * (1 - cover) + cover

    def stroke_mask(self, lines, width):
        mask = self._mask()
        draw = ImageDraw.Draw(mask)
        s = SUPERSAMPLE
        w = max(1, int(round(width * s)))
        for line in lines:
            pts = [(px * s, py * s) for px, py in line]
            if len(pts) > 1:
                draw.line(pts, fill=255, width=w, joint="curve")
            r = w / 2.0
            for px, py in (pts[0], pts[-1]):
                draw.ellipse([px - r, py - r, px + r, py + r], fill=255)
        return mask

    def polygon_mask(self, points):
        mask = self._mask()
        s = SUPERSAMPLE
        ImageDraw.Draw(mask).polygon([(px * s, py * s) for px, py in points], fill=255)
        return mask

    def neon(self, lines, colour, width=6.0, glow=1.0, core=WHITE, clip=None):
        """A neon tube: a wide faint halo, a tighter glow in colour, a bright core. With clip (a
        mask), only what lies inside it is drawn."""
        mask = self.stroke_mask(lines, width)
        s = SUPERSAMPLE
        keep = 1.0 if clip is None else np.asarray(clip, np.float64) / 255.0
        for radius, strength in ((width * 5.0, 0.55 * glow), (width * 1.6, 0.9 * glow)):
            halo = np.asarray(mask.filter(ImageFilter.GaussianBlur(radius * s)), np.float64) / 255.0
            self._composite(colour, np.clip(halo * strength * 1.6, 0, 1) * keep)
        body = np.asarray(mask, np.float64) / 255.0
        self._composite(colour, body * keep)
        inner = np.asarray(self.stroke_mask(lines, width * 0.42).filter(ImageFilter.GaussianBlur(0.6 * s)),
                           np.float64) / 255.0
        mix = tuple(0.35 * a + 0.65 * b for a, b in zip(colour, core))
        self._composite(mix, inner * keep)

    def fill(self, mask, colour, opacity=1.0, blur=0.0):
        if blur:
            mask = mask.filter(ImageFilter.GaussianBlur(blur * SUPERSAMPLE))
        self._composite(colour, np.asarray(mask, np.float64) / 255.0 * opacity)

    def gradient_fill(self, mask, top, bottom, y0, y1, opacity=1.0):
        """Fills mask with a vertical gradient from colour top at y0 to bottom at y1."""
        cover = np.asarray(mask, np.float64) / 255.0 * opacity
        ys = (np.arange(self.h, dtype=np.float64) / SUPERSAMPLE - y0) / max(1e-6, y1 - y0)
        t = np.clip(ys, 0, 1)[:, None, None]
        colour = (np.asarray(top, np.float64) * (1 - t) + np.asarray(bottom, np.float64) * t) / 255.0
        self.rgb = self.rgb * (1 - cover[..., None]) + colour * cover[..., None]
        self.alpha = self.alpha * (1 - cover) + cover

    def save(self, path):
        alpha = np.clip(self.alpha, 0, 1)
        rgb = np.where(alpha[..., None] > 1e-6, self.rgb / np.maximum(alpha[..., None], 1e-6), 0)
        data = np.dstack([np.clip(rgb, 0, 1) * 255.0, alpha * 255.0])
        big = Image.fromarray(np.round(data).astype(np.uint8), "RGBA")
        image = big.resize((self.width, self.height), Image.LANCZOS)
        save_png(image, path)


def circle(cx, cy, r, segments=64, start=0.0, end=2 * math.pi):
    return [(cx + r * math.cos(start + (end - start) * i / segments),
             cy + r * math.sin(start + (end - start) * i / segments)) for i in range(segments + 1)]


def studio_logo(path):
    """Deepgrid Studio: a neon horizon grid inside a hexagon, the name beneath."""
    c = Canvas(1024, 640)
    cx, cy, r = 512, 250, 170
    hexagon = [(cx + r * math.cos(math.radians(90 + 60 * i)), cy - r * math.sin(math.radians(90 + 60 * i)))
               for i in range(7)]
    inner = [(cx + (r - 14) * math.cos(math.radians(90 + 60 * i)), cy - (r - 14) * math.sin(math.radians(90 + 60 * i)))
             for i in range(7)]
    inside = c.polygon_mask(inner)
    c.gradient_fill(inside, (40, 10, 70), (10, 30, 60), cy - r, cy + r, opacity=0.85)
    # A setting sun cut by horizontal bands.
    sun = c.polygon_mask(circle(cx, cy + 10, 82, 96, math.pi, 2 * math.pi))
    c.gradient_fill(sun, (255, 220, 90), (255, 60, 170), cy - 72, cy + 10)
    for i, band in enumerate((cy - 18, cy - 4, cy + 6)):
        c.fill(c.polygon_mask([(cx - 90, band), (cx + 90, band), (cx + 90, band + 3 + i), (cx - 90, band + 3 + i)]),
               (28, 12, 56))
    # The grid floor: converging lines and rows spaced towards the horizon.
    horizon, floor = cy + 12, cy + r
    grid = []
    for k in range(-7, 8):
        grid.append([(cx + k * 14, horizon), (cx + k * 60, floor)])
    for j in range(1, 7):
        y = horizon + (floor - horizon) * (j / 6.0) ** 1.7
        grid.append([(cx - r, y), (cx + r, y)])
    c.neon(grid, CYAN, width=2.2, glow=0.55, clip=inside)
    c.neon([hexagon], MAGENTA, width=7.0)
    c.neon(centred_text("DEEPGRID", cx, 462, 72), CYAN, width=7.0)
    c.neon(centred_text("STUDIO", cx, 566, 30, tracking=1.2), VIOLET, width=3.6, glow=0.8)
    c.save(path)
    return c


def audio_credit(path):
    """The audio credit: a waveform over the names of the sound libraries the game plays through."""
    c = Canvas(1024, 640)
    cx = 512
    c.neon(centred_text("SOUND POWERED BY", cx, 120, 30, tracking=0.9), VIOLET, width=3.4, glow=0.8)
    wave = []
    for i in range(401):
        x = 192 + 640 * i / 400
        u = (i / 400) * 2 - 1
        envelope = math.exp(-3.2 * u * u)
        y = 270 - 62 * envelope * math.sin(i / 400 * math.pi * 14) * (0.7 + 0.3 * math.cos(i / 400 * math.pi * 5))
        wave.append((x, y))
    c.neon([wave], MAGENTA, width=4.5)
    c.neon([[(150, 270), (192, 270)], [(832, 270), (874, 270)]], MAGENTA, width=4.5, glow=0.7)
    c.neon(centred_text("MINIAUDIO", cx, 372, 62), CYAN, width=6.5)
    c.neon(centred_text("+ STB VORBIS", cx, 476, 40, tracking=0.7), CYAN, width=4.6, glow=0.8)
    c.save(path)
    return c


def team_logo(path):
    """Team Rivet: a hex bolt emblem and the team's name, presenting."""
    c = Canvas(1024, 640)
    cx, cy = 512, 230
    outer = [(cx + 118 * math.cos(math.radians(30 + 60 * i)), cy + 118 * math.sin(math.radians(30 + 60 * i)))
             for i in range(7)]
    c.gradient_fill(c.polygon_mask(outer), (70, 40, 20), (25, 14, 10), cy - 118, cy + 118, opacity=0.9)
    c.neon([outer], AMBER, width=7.0)
    c.neon([circle(cx, cy, 58, 72)], AMBER, width=5.0, glow=0.8)
    c.neon([[(cx - 34, cy - 34), (cx + 34, cy + 34)], [(cx + 34, cy - 34), (cx - 34, cy + 34)]], MAGENTA,
           width=5.0, glow=0.9)
    c.neon(centred_text("TEAM RIVET", cx, 404, 66), AMBER, width=6.5)
    c.neon(centred_text("PRESENTS", cx, 520, 28, tracking=1.4), VIOLET, width=3.4, glow=0.8)
    c.save(path)
    return c


def game_logo(path):
    """The title: CODENAME over VELKOR, with a skyline and a horizon line."""
    c = Canvas(1280, 640)
    cx = 640
    # A low skyline silhouette behind the title, fading upwards.
    skyline = [(140, 430)]
    x = 140
    heights = [60, 110, 80, 170, 130, 220, 150, 95, 260, 180, 120, 200, 90, 150, 240, 130, 75, 190, 110, 60]
    width = (1140 - 140) / len(heights)
    for h in heights:
        skyline += [(x, 430 - h), (x + width * 0.82, 430 - h), (x + width * 0.82, 430 - h * 0.55),
                    (x + width, 430 - h * 0.55)]
        x += width
    skyline += [(1140, 430)]
    c.gradient_fill(c.polygon_mask(skyline), (70, 30, 120), (20, 10, 40), 170, 430, opacity=0.75)
    windows = []
    x = 140
    for n, h in enumerate(heights):
        for row in range(int(h // 32)):
            if (n * 7 + row * 3) % 5 in (0, 2):
                wx, wy = x + width * 0.3, 430 - h + 18 + row * 30
                windows.append([(wx, wy), (wx + width * 0.25, wy)])
        x += width
    c.neon(windows, CYAN, width=2.4, glow=0.35)
    c.neon(centred_text("CODENAME", cx, 150, 40, tracking=1.3), CYAN, width=4.6, glow=0.9)
    c.neon(centred_text("VELKOR", cx, 232, 150, tracking=0.35), MAGENTA, width=12.0)
    c.neon([[(150, 440), (1130, 440)]], VIOLET, width=3.0, glow=0.8)
    c.neon(centred_text("A NEON PLATFORMER", cx, 478, 26, tracking=1.2), VIOLET, width=3.0, glow=0.7)
    c.save(path)
    return c


def prefab(image, width_px, height_px):
    """A screen-fixed, unlit, initially invisible picture of the given on-screen size."""
    return {
        "Transform": {
            "Translation": [0.0, 0.0],
            "Scale": [round(2.0 * width_px / SCREEN_W, 5), round(2.0 * height_px / SCREEN_H, 5)],
        },
        "Graphics": {
            "Locked": True,
            "DoLight": False,
            "Texture": image,
            "Color": [1.0, 1.0, 1.0, 0.0],
            "Layer": "UI",
        },
    }


def main():
    os.makedirs(IMAGE_DIR, exist_ok=True)
    os.makedirs(PREFAB_DIR, exist_ok=True)
    logos = [
        ("Logo", "Studio.png", studio_logo, 0.95),
        ("FmodLogo", "AudioCredit.png", audio_credit, 0.95),
        ("TeamLogo", "Team.png", team_logo, 0.95),
        ("GameLogo", "Title.png", game_logo, 1.2),
    ]
    for name, image, draw, zoom in logos:
        canvas = draw(os.path.join(IMAGE_DIR, image))
        # Shown at its own pixel size times zoom on the reference screen.
        doc = prefab("Assets/Logos/" + image, canvas.width * zoom, canvas.height * zoom)
        with open(os.path.join(PREFAB_DIR, name + ".json"), "w", encoding="utf-8") as out:
            json.dump(doc, out, indent=4)
            out.write("\n")


if __name__ == "__main__":
    main()
