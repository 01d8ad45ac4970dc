#!/usr/bin/env python3
"""The HUD, the goals' effects and their sounds.

Images (Assets/Images/HUD/, Assets/Images/Effects/, Assets/Images/Goals/):
    digits.png            ten seven-segment glyphs 0-9 in one row (64 x 128 each): the digit sheet
    timer_bar.png         the timer's fill; timer_bg.png its empty frame (same size)
    timer_flash.png       the warning lamp of the last 30 seconds
    collectibles_bar.png  the thin line lit once every required item is taken
    panel.png             the dark glass plate the HUD sits on
    gem.png               the collectable (also the counter's icon); orb.png the flying pickup
    checkpoint.png        a beacon post, two frames: amber (still to reach), green (reached)
    goal.png              the goal's arch, two frames: magenta (still to reach), gold (reached)
    hazard.png            an electric barrier
    burst_*.png           effect sheets: rings and sparks, one row of frames each

The HUD elements are drawn white-on-dark and tinted neon pink by the HUD system every frame, so
their art stays in greys; the effects carry the level palette's own colours.

Prefabs (Data/): the HUD elements, the counter icon, the five effects, checkpoint, collectable and
blinking hazard, and the level sounds table Data/Audio/LevelSounds.json.
Sounds (Assets/SFX/Level/): Collectable, CheckpointReached, Hazard, Respawn, Win.

Deterministic: no randomness without a fixed seed, so running it twice writes the same bytes.
"""
import math
import os
import sys

import numpy as np
from PIL import Image, ImageDraw, ImageFilter

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from gen_audio import RATE, fade, seconds, write_wav  # noqa: E402
from city import save, write_json  # noqa: E402

SCREEN_W, SCREEN_H = 1920, 1080

CYAN = (70, 228, 255)
MAGENTA = (255, 70, 205)
GREEN = (90, 255, 150)
AMBER = (255, 170, 60)
GOLD = (255, 214, 90)
WHITE = (255, 255, 255)


def glow(layer, radius, strength=1.0):
    """A neon tube: the sharp shape over a blurred copy of itself."""
    halo = layer.filter(ImageFilter.GaussianBlur(radius))
    if strength != 1.0:
        alpha = halo.getchannel("A").point(lambda a: min(255, int(a * strength)))
        halo.putalpha(alpha)
    return Image.alpha_composite(halo, layer)


# Seven segments on a 64 x 128 cell: a, b, c, d, e, f, g as (x0, y0, x1, y1) strokes.
SEGMENTS = {
    "a": ((16, 14), (48, 14)), "b": ((50, 17), (50, 61)), "c": ((50, 67), (50, 111)),
    "d": ((16, 114), (48, 114)), "e": ((14, 67), (14, 111)), "f": ((14, 17), (14, 61)),
    "g": ((16, 64), (48, 64)),
}
DIGIT_SEGMENTS = ["abcdef", "bc", "abdeg", "abcdg", "bcfg", "acdfg", "acdefg", "abc", "abcdefg", "abcdfg"]


def digit_sheet():
    cell_w, cell_h, s = 64, 128, 4
    sheet = Image.new("RGBA", (cell_w * 10, cell_h), (0, 0, 0, 0))
    for digit, lit in enumerate(DIGIT_SEGMENTS):
        big = Image.new("RGBA", (cell_w * s, cell_h * s), (0, 0, 0, 0))
        draw = ImageDraw.Draw(big)
        for name, ((x0, y0), (x1, y1)) in SEGMENTS.items():
            on = name in lit
            # Unlit segments stay as faint ghosts, like a real display.
            colour = (255, 255, 255, 255) if on else (255, 255, 255, 34)
            draw.line([(x0 * s, y0 * s), (x1 * s, y1 * s)], fill=colour, width=10 * s)
            for x, y in ((x0, y0), (x1, y1)):
                r = 5 * s
                draw.ellipse([x * s - r, y * s - r, x * s + r, y * s + r], fill=colour)
        cell = big.resize((cell_w, cell_h), Image.LANCZOS)
        sheet.alpha_composite(glow(cell, 3, 1.4), (digit * cell_w, 0))
    return sheet


def bar(width, height, filled):
    s = 4
    big = Image.new("RGBA", (width * s, height * s), (0, 0, 0, 0))
    draw = ImageDraw.Draw(big)
    inset = 3 * s
    if filled:
        # Bright core fading to a softer edge, with a light stripe along the top.
        for y in range(inset, height * s - inset):
            t = abs((y - height * s / 2) / (height * s / 2 - inset))
            v = int(255 - 80 * t * t)
            draw.line([(inset, y), (width * s - inset, y)], fill=(v, v, v, 255))
        draw.line([(inset, inset + s), (width * s - inset, inset + s)], fill=(255, 255, 255, 255), width=s)
    else:
        draw.rounded_rectangle([s, s, width * s - s, height * s - s], radius=6 * s, fill=(40, 40, 48, 200),
                               outline=(200, 200, 210, 255), width=2 * s)
    return big.resize((width, height), Image.LANCZOS)


def lamp(size):
    s = 4
    big = Image.new("RGBA", (size * s, size * s), (0, 0, 0, 0))
    draw = ImageDraw.Draw(big)
    c = size * s / 2
    for i, r in enumerate(np.linspace(size * s * 0.46, size * s * 0.12, 12)):
        t = i / 11
        colour = (255, int(90 + 150 * t), int(70 + 170 * t), int(120 + 135 * t))
        draw.ellipse([c - r, c - r, c + r, c + r], fill=colour)
    draw.ellipse([c - size * s * 0.46, c - size * s * 0.46, c + size * s * 0.46, c + size * s * 0.46],
                 outline=(255, 255, 255, 255), width=2 * s)
    return big.resize((size, size), Image.LANCZOS)


def thin_line(width, height):
    image = Image.new("RGBA", (width, height), (0, 0, 0, 0))
    px = image.load()
    for x in range(width):
        fade_out = min(1.0, (width - x) / (width * 0.3))
        for y in range(height):
            t = 1.0 - abs((y - (height - 1) / 2) / (height / 2))
            px[x, y] = (255, 255, 255, int(255 * t * fade_out))
    return image


def panel(width, height):
    s = 2
    big = Image.new("RGBA", (width * s, height * s), (0, 0, 0, 0))
    draw = ImageDraw.Draw(big)
    cut = 18 * s
    w, h = width * s - 1, height * s - 1
    shape = [(cut, 0), (w - cut, 0), (w, cut), (w, h), (0, h), (0, cut)]
    draw.polygon(shape, fill=(12, 10, 30, 190))
    draw.line(shape + [shape[0]], fill=CYAN + (255,), width=2 * s)
    layer = big.resize((width, height), Image.LANCZOS)
    return glow(layer, 4, 1.2)


def gem(size, colour):
    s = 4
    big = Image.new("RGBA", (size * s, size * s), (0, 0, 0, 0))
    draw = ImageDraw.Draw(big)
    c, r = size * s / 2, size * s * 0.36
    outline = [(c, c - r), (c + r * 0.8, c - r * 0.2), (c, c + r), (c - r * 0.8, c - r * 0.2)]
    draw.polygon(outline, fill=colour + (235,))
    draw.polygon([(c, c - r), (c + r * 0.8, c - r * 0.2), (c, c - r * 0.05), (c - r * 0.8, c - r * 0.2)],
                 fill=(255, 255, 255, 200))
    draw.line(outline + [outline[0]], fill=WHITE + (255,), width=2 * s)
    return glow(big.resize((size, size), Image.LANCZOS), size * 0.08, 1.6)


def orb(size):
    image = Image.new("RGBA", (size, size), (0, 0, 0, 0))
    px = image.load()
    c = (size - 1) / 2
    for y in range(size):
        for x in range(size):
            d = math.hypot(x - c, y - c) / (size / 2)
            a = max(0.0, 1.0 - d) ** 1.6
            core = max(0.0, 1.0 - d * 3.0)
            rgb = tuple(int(min(255, ch * (1 - core) + 255 * core)) for ch in CYAN)
            px[x, y] = rgb + (int(255 * a),)
    return image


def two_state_sheet(size, colours, draw_frame, radius, gain):
    """Two frames side by side, one a colour (still to reach, reached): each drawn by draw_frame(draw,
    w, h, s, colour) at s = 4 times its size, scaled down and glowed."""
    w, h = size // 2, size
    sheet = Image.new("RGBA", (size, size), (0, 0, 0, 0))
    for frame, colour in enumerate(colours):
        s = 4
        big = Image.new("RGBA", (w * s, h * s), (0, 0, 0, 0))
        draw_frame(ImageDraw.Draw(big), w, h, s, colour)
        layer = glow(big.resize((w, h), Image.LANCZOS), radius, gain)
        sheet.alpha_composite(layer, (frame * w, 0))
    return sheet


def beacon(size):
    """The checkpoint: a lamp on a post, amber while still to reach, green once reached."""
    def frame(draw, w, h, s, colour):
        cx = w * s / 2
        draw.rectangle([cx - 5 * s, h * s * 0.3, cx + 5 * s, h * s], fill=(60, 64, 90, 255))
        draw.rectangle([cx - 16 * s, h * s - 10 * s, cx + 16 * s, h * s], fill=(80, 86, 120, 255))
        r = 14 * s
        cy = h * s * 0.22
        draw.ellipse([cx - r, cy - r, cx + r, cy + r], fill=colour + (255,))
        draw.ellipse([cx - r * 0.45, cy - r * 0.6, cx + r * 0.2, cy - r * 0.05], fill=(255, 255, 255, 220))
    return two_state_sheet(size, (AMBER, GREEN), frame, 5, 1.5)


def gate(size):
    """The goal: a neon arch, magenta while still to reach, gold once reached."""
    def frame(draw, w, h, s, colour):
        x0, x1, top, bottom = 14 * s, w * s - 14 * s, 20 * s, h * s - 6 * s
        draw.rounded_rectangle([x0, top, x1, bottom], radius=(x1 - x0) // 2, fill=colour + (60,),
                               outline=colour + (255,), width=7 * s)
        draw.rounded_rectangle([x0 + 16 * s, top + 16 * s, x1 - 16 * s, bottom - 8 * s], radius=(x1 - x0) // 2 - 16 * s,
                               outline=WHITE + (200,), width=2 * s)
        draw.rectangle([x0 - 6 * s, bottom - 6 * s, x1 + 6 * s, bottom + 6 * s], fill=(80, 86, 120, 255))
    return two_state_sheet(size, (MAGENTA, GOLD), frame, 6, 1.6)


def barrier(width, height):
    rng = np.random.default_rng(9)
    s = 2
    big = Image.new("RGBA", (width * s, height * s), (0, 0, 0, 0))
    draw = ImageDraw.Draw(big)
    draw.rectangle([0, height * s - 12 * s, width * s, height * s], fill=(70, 40, 60, 255))
    draw.rectangle([0, 0, width * s, 8 * s], fill=(70, 40, 60, 255))
    for bolt in range(3):
        points = []
        for i in range(9):
            y = 8 * s + (height * s - 20 * s) * i / 8
            x = width * s * (0.2 + 0.3 * bolt) + rng.uniform(-10, 10) * s
            points.append((x, y))
        draw.line(points, fill=(255, 120, 220, 255), width=3 * s)
        draw.line(points, fill=(255, 255, 255, 255), width=s)
    return glow(big.resize((width, height), Image.LANCZOS), 4, 1.6)


def burst_sheet(frames, cell, colour, sparks, seed):
    """Expanding ring with sparks thrown outwards over a first flash, fading over the frames."""
    rng = np.random.default_rng(seed)
    angles = rng.uniform(0, 2 * math.pi, sparks)
    speeds = rng.uniform(0.55, 1.0, sparks)
    sheet = Image.new("RGBA", (cell * frames, cell), (0, 0, 0, 0))
    s = 2
    for f in range(frames):
        t = (f + 1) / frames
        big = Image.new("RGBA", (cell * s, cell * s), (0, 0, 0, 0))
        draw = ImageDraw.Draw(big)
        c = cell * s / 2
        alpha = int(255 * (1 - t) ** 0.7)
        flash = max(0.0, 1.0 - 2.5 * t)
        if flash > 0:
            r = c * 0.5 * (0.4 + t)
            draw.ellipse([c - r, c - r, c + r, c + r], fill=colour + (int(200 * flash),))
        r = c * 0.9 * (t ** 0.6)
        draw.ellipse([c - r, c - r, c + r, c + r], outline=colour + (alpha,), width=max(1, int(6 * s * (1 - t) + s)))
        for i, (a, v) in enumerate(zip(angles, speeds)):
            d0, d1 = c * 0.85 * v * t * 0.6, c * 0.85 * v * t
            spark = WHITE if i % 2 else colour
            draw.line([(c + math.cos(a) * d0, c + math.sin(a) * d0), (c + math.cos(a) * d1, c + math.sin(a) * d1)],
                      fill=spark + (alpha,), width=3 * s)
        layer = glow(big.resize((cell, cell), Image.LANCZOS), 3, 1.5)
        sheet.alpha_composite(layer, (f * cell, 0))
    return sheet


def beam_sheet(frames, cell, colour):
    """A column of light that drops onto the spot and thins out: the player arriving."""
    sheet = Image.new("RGBA", (cell * frames, cell), (0, 0, 0, 0))
    for f in range(frames):
        t = (f + 1) / frames
        image = Image.new("RGBA", (cell, cell), (0, 0, 0, 0))
        draw = ImageDraw.Draw(image)
        c = cell / 2
        alpha = int(255 * (1 - t) ** 0.6)
        half = cell * 0.16 * (1 - t) + 2
        bottom = cell * min(0.7, 0.4 + 2 * t)  # about the player's feet at the effect's scale
        draw.rectangle([c - half, 0, c + half, bottom], fill=colour + (alpha,))
        draw.rectangle([c - half * 0.35, 0, c + half * 0.35, bottom], fill=WHITE + (alpha,))
        rx, ry = cell * 0.45 * t ** 0.5, cell * 0.1 * t ** 0.5
        draw.ellipse([c - rx, bottom - ry, c + rx, bottom + ry], outline=colour + (alpha,), width=3)
        sheet.alpha_composite(glow(image, 4, 1.4), (f * cell, 0))
    return sheet


# --- prefabs -------------------------------------------------------------------------------------

def screen(texture, layer="UI"):
    return {"Locked": True, "DoLight": False, "Texture": texture, "Layer": layer}


def hud_element(kind, texture, dims=None):
    prefab = {"Transform": {"Translation": [0.0, 0.9], "Scale": [0.1, 0.1]}, "Graphics": screen(texture)}
    if dims:
        prefab["SpriteSheet"] = {"Dimensions": dims, "Index": 0, "PlayAnim": False}
    prefab["HUD"] = {"Type": kind}
    return prefab


def effect(texture, frames, seconds_per_frame, translation, scale, layer, locked=False):
    graphics = {"Texture": texture, "Layer": layer, "DoLight": False}
    if locked:
        graphics["Locked"] = True
    return {
        "Transform": {"Translation": translation, "Scale": scale},
        "Graphics": graphics,
        "SpriteSheet": {"Dimensions": [frames, 1], "NumSprites": frames, "Index": 0, "PlayAnim": True,
                        "SecondsPerFrame": seconds_per_frame},
    }


def mover(tag, size):
    """Collider data every goal needs: a rectangle and a Physics body (colliders are movers)."""
    return {
        "Physics": {"Acceleration": [0.0, 0.0], "Velocity": [0.0, 0.0]},
        "Collision": {"ColliderType": "Rectangle", "Collider": {"Size_Offset": size, "Pos_Offset": [0.0, 0.0]},
                      "ColliderTag": tag},
    }


def pixels_to_screen(px_w, px_h):
    return [px_w / (SCREEN_W / 2), px_h / (SCREEN_H / 2)]


def write_images():
    save(digit_sheet(), "Assets/Images/HUD/digits.png")
    save(bar(256, 32, True), "Assets/Images/HUD/timer_bar.png")
    save(bar(256, 32, False), "Assets/Images/HUD/timer_bg.png")
    save(lamp(64), "Assets/Images/HUD/timer_flash.png")
    save(thin_line(64, 8), "Assets/Images/HUD/collectibles_bar.png")
    save(panel(720, 128), "Assets/Images/HUD/panel.png")
    save(gem(96, CYAN), "Assets/Images/Goals/gem.png")
    save(orb(64), "Assets/Images/Effects/orb.png")
    save(beacon(256), "Assets/Images/Goals/checkpoint.png")
    save(gate(256), "Assets/Images/Goals/goal.png")
    save(barrier(128, 256), "Assets/Images/Goals/hazard.png")
    save(burst_sheet(6, 192, GREEN, 14, 1), "Assets/Images/Effects/burst_checkpoint.png")
    save(burst_sheet(8, 256, GOLD, 24, 2), "Assets/Images/Effects/burst_win.png")
    save(burst_sheet(8, 128, CYAN, 10, 3), "Assets/Images/Effects/burst_pickup.png")
    save(burst_sheet(6, 128, MAGENTA, 10, 4), "Assets/Images/Effects/burst_counter.png")
    save(beam_sheet(8, 192, CYAN), "Assets/Images/Effects/burst_respawn.png")


def write_prefabs():
    digits = "Assets/Images/HUD/digits.png"
    write_json("Data/Entities/TimerDigit.json", hud_element("TimerDigit0", digits, [10, 1]))
    write_json("Data/Entities/TimerDigit1.json", hud_element("TimerDigit1", digits, [10, 1]))
    write_json("Data/Entities/TimerDigit2.json", hud_element("TimerDigit2", digits, [10, 1]))
    write_json("Data/Entities/CollectibleDigit.json", hud_element("CollectibleDigit0", digits, [10, 1]))
    write_json("Data/Entities/CollectibleDigit1.json", hud_element("CollectibleDigit1", digits, [10, 1]))
    write_json("Data/Entities/HUD/TimerBar.json", hud_element("TimerBar", "Assets/Images/HUD/timer_bar.png"))
    bg = hud_element("TimerBG", "Assets/Images/HUD/timer_bg.png")
    bg["Graphics"]["Layer"] = "Foreground"  # under the bar, which is in "UI"
    write_json("Data/Entities/HUD/TimerBG.json", bg)
    write_json("Data/Entities/HUD/TimerFlash.json", hud_element("TimerFlash", "Assets/Images/HUD/timer_flash.png"))
    write_json("Data/Entities/HUD/CollectiblesBar.json",
               hud_element("CollectiblesBar", "Assets/Images/HUD/collectibles_bar.png"))

    # The plate behind the timer and the counter: 360 x 64 pixels at the top centre.
    plate = {"Transform": {"Translation": [0.0, 1.0 - 37 / (SCREEN_H / 2)], "Scale": pixels_to_screen(360, 64)},
             "Graphics": screen("Assets/Images/HUD/panel.png", "Foreground")}
    plate["Graphics"]["Color"] = [1.0, 1.0, 1.0, 0.9]
    write_json("Data/Entities/HUD.json", plate)
    # The counter's icon, right of the collectible digits.
    icon = {"Transform": {"Translation": [(1112 - SCREEN_W / 2) / (SCREEN_W / 2), 1.0 - 34 / (SCREEN_H / 2)],
                          "Scale": pixels_to_screen(30, 30)},
            "Graphics": screen("Assets/Images/Goals/gem.png")}
    write_json("Data/TotalCollectibles.json", icon)

    write_json("Data/Entities/CheckpointVFX.json",
               effect("Assets/Images/Effects/burst_checkpoint.png", 6, 0.1, [0.0, 0.0], [3.0, 3.0], "Foreground"))
    write_json("Data/Entities/Victory/WinVFX.json",
               effect("Assets/Images/Effects/burst_win.png", 8, 0.12, [0.0, 0.0], [5.0, 5.0], "Foreground"))
    write_json("Data/Entities/CollectableVFX.json",
               effect("Assets/Images/Effects/burst_pickup.png", 8, 0.125, [0.0, 0.0], [2.0, 2.0], "Foreground"))
    write_json("Data/Entities/RespawnVFX.json",
               effect("Assets/Images/Effects/burst_respawn.png", 8, 0.125, [0.0, 0.0], [3.0, 3.0], "Foreground"))
    # Screen-fixed: the flying pickup and the flash at the counter it flies to.
    write_json("Data/Entities/CollectableCollectedEffect.json",
               {"Transform": {"Translation": [0.0, 0.0], "Scale": pixels_to_screen(56, 56)},
                "Graphics": screen("Assets/Images/Effects/orb.png")})
    write_json("Data/Entities/CollectableHUDVFX.json",
               effect("Assets/Images/Effects/burst_counter.png", 6, 0.2, [0.085, 0.95], pixels_to_screen(90, 90), "UI",
                      locked=True))

    checkpoint = {
        "Transform": {"Translation": [0.0, 0.0], "Scale": [1.0, 2.0]},
        "Graphics": {"Texture": "Assets/Images/Goals/checkpoint.png", "Layer": "Default"},
        "SpriteSheet": {"Dimensions": [2, 1], "NumSprites": 2, "Index": 0, "PlayAnim": False},
        "Light": {"InnerRadius": 0.5, "OuterRadius": 4.0, "Strength": 1.2, "Color": [1.0, 1.0, 1.0]},
    }
    checkpoint.update(mover("CheckPoint", [1.0, 1.0]))
    write_json("Data/Entities/CheckPoint.json", checkpoint)
    collectable = {
        "Transform": {"Translation": [0.0, 0.0], "Scale": [0.8, 0.8]},
        "Graphics": {"Texture": "Assets/Images/Goals/gem.png", "Layer": "Default", "DoLight": False},
        "Light": {"InnerRadius": 0.2, "OuterRadius": 2.5, "Strength": 1.0, "Color": [0.3, 0.9, 1.0]},
    }
    collectable.update(mover("Collectable", [0.7, 0.7]))
    write_json("Data/Entities/Collectable.json", collectable)
    hazard = {
        "Transform": {"Translation": [0.0, 0.0], "Scale": [1.0, 2.0]},
        "Graphics": {"Texture": "Assets/Images/Goals/hazard.png", "Layer": "Default", "DoLight": False},
        "OnOffHazard": {"On": True, "OnTime": 2.0, "OffTime": 1.0},
    }
    hazard.update(mover("Hazard", [0.6, 0.9]))
    write_json("Data/Entities/Hazards/BlinkingHazard.json", hazard)


# --- sounds --------------------------------------------------------------------------------------

def tone(freq, duration, decay, harmonics=(1.0, 0.3, 0.1)):
    t = seconds(duration)
    wave = sum(a * np.sin(2 * np.pi * freq * (i + 1) * t) for i, a in enumerate(harmonics))
    return wave / sum(harmonics) * np.exp(-t * decay)


def sequence(notes, step, tail, decay):
    """Notes started `step` seconds apart, each ringing out over `tail` seconds."""
    total = step * (len(notes) - 1) + tail
    out = np.zeros(int(round(total * RATE)))
    for i, freq in enumerate(notes):
        start = int(round(i * step * RATE))
        note = tone(freq, tail, decay)
        out[start:start + len(note)] += note
    return out


def lowpass(signal, cutoff):
    alpha = 1.0 - math.exp(-2 * math.pi * cutoff / RATE)
    out = np.empty_like(signal)
    acc = 0.0
    for i, x in enumerate(signal):
        acc += alpha * (x - acc)
        out[i] = acc
    return out


def normalise(signal, peak):
    return signal * (peak / np.max(np.abs(signal)))


def write_sounds():
    # A bright two-note chime: short enough to repeat quickly, pitched up by the game per item.
    write_wav("Assets/SFX/Level/Collectable.wav",
              fade(normalise(sequence([1318.5, 1975.5], 0.07, 0.28, 14.0), 0.5)))
    # A rising major arpeggio.
    write_wav("Assets/SFX/Level/CheckpointReached.wav",
              fade(normalise(sequence([523.25, 659.25, 783.99, 1046.5], 0.09, 0.45, 6.0), 0.5)))
    # A falling, softened buzz: unmistakable, not piercing.
    t = seconds(0.35)
    freq = 240.0 * np.exp(-t * 4.0) + 60.0
    phase = 2 * np.pi * np.cumsum(freq) / RATE
    buzz = np.tanh(2.5 * np.sin(phase)) * np.exp(-t * 6.0)
    write_wav("Assets/SFX/Level/Hazard.wav", fade(normalise(lowpass(buzz, 1400.0), 0.5), 0.004))
    # An upward sweep with a shimmer on top.
    t = seconds(0.55)
    freq = 220.0 * np.exp(t * 2.6)
    phase = 2 * np.pi * np.cumsum(freq) / RATE
    envelope = np.sin(np.pi * t / t[-1]) ** 0.8
    sweep = (np.sin(phase) + 0.25 * np.sin(2 * phase)) * envelope * (1.0 + 0.2 * np.sin(2 * np.pi * 24 * t))
    write_wav("Assets/SFX/Level/Respawn.wav", fade(normalise(sweep, 0.45)))
    # A short fanfare: two rising notes into a held major chord.
    lead = sequence([523.25, 659.25, 783.99], 0.12, 0.4, 5.0)
    t = seconds(1.0)
    chord = sum(np.sin(2 * np.pi * f * t) for f in (523.25, 659.25, 783.99, 1046.5)) * np.exp(-t * 2.2) / 4
    win = np.zeros(int(round((0.36 + 1.0) * RATE)))
    win[:len(lead)] += lead
    start = int(round(0.36 * RATE))
    win[start:start + len(chord)] += chord
    write_wav("Assets/SFX/Level/Win.wav", fade(normalise(win, 0.5)))

    files = [{"Name": name, "Filepath": f"Assets/SFX/Level/{name}.wav"}
             for name in ("Collectable", "CheckpointReached", "Hazard", "Respawn", "Win")]
    write_json("Data/Audio/LevelSounds.json", {"Files": files})


def main():
    write_images()
    write_prefabs()
    write_sounds()


if __name__ == "__main__":
    main()
