#!/usr/bin/env python3
"""The second level: an underground foundry in falling ash, as a Tiled map with its art.

Writes
  Assets/Images/Foundry/FoundryTiles.png        8 x 4 cells of 64 px: iron, firebrick, girders, seams
  Assets/Images/Foundry/Props/*.png             furnace, crucible, chain, barrel, gear, anvil
  Assets/Images/Foundry/*.png                   platforms, molten pool, backdrop strips, ash flake
  Data/Tiled/Tilesets/FoundryTiles.json         sprite-sheet tileset (drawn tiles; no colliders)
  Data/Tiled/Tilesets/FoundryProps.json         collection tileset; furnaces and crucibles carry their light
  Data/Tiled/Templates/Foundry*.json            the recurring pieces: platforms, solid ground, molten
                                                pool, arc gate, checkpoint, collectable, goal, player
  Data/Tiled/Prefabs/Foundry*.json              the map's own prefabs
  Data/Tiled/Level2.json                        the level
  Data/BackgroundLevel2.json                    the foundry behind the course, in parallax
  Data/Particles/particlesAsh.json              ash falling over the screen

How the map is built: the tile layers only draw; what the player stands on is the "Solids" object
layer (plain rectangles from the FoundrySolid template), so a long floor is one collider instead of
a row of cells with seams. Moving platforms carry their velocity and "Move_Period" as object
properties ("/Physics/Velocity/0", "/Collision/Move_Period/0", ...), so a designer changes a
platform's path in Tiled. The arc gates blink on the theme's beat (gen_foundry_sound.BEAT).

Reachability, from the player's measured tuning (content/gen_player.py): a run of 6 units/s, a full
jump 2.6 high and 4.3 long, a dash of 2.5. Required gaps stay at or under 3.4 for a jump and 5 for a
jump and a dash, required heights at or under 2.2; the camera (zoom 1.4, 26.9 x 15.1 units) shows
each landing from the take-off. Falling below height 5 kills, so every floor is above it.

Deterministic: fixed seeds, no timestamps. Properties are written sorted by name, as Tiled writes them.
"""
import functools
import math
import os
import sys

import numpy as np
from PIL import Image, ImageDraw, ImageFilter

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import city  # noqa: E402
from city import save  # noqa: E402
from gen_foundry_sound import BEAT  # noqa: E402

# The foundry palette: soot, iron, rust, firebrick, and the glow of hot metal.
SOOT = (20, 15, 15)
IRON = (58, 52, 52)
IRON_HI = (104, 94, 88)
RUST = (122, 60, 30)
BRICK = (86, 38, 28)
EMBER = (255, 108, 28)
MOLTEN = (255, 178, 64)
HOT = (255, 236, 180)
HAZARD_RED = (255, 60, 80)  # the game's hazard colour, kept on the molten pools' crackle

CELL = 64
COLUMNS, ROWS = 8, 4
IMAGES = "Assets/Images/Foundry"
PREFABS = "Data/Tiled/Prefabs"
TEMPLATES = "Data/Tiled/Templates"

write_json = functools.partial(city.write_json, indent=1)


def to_image(arr, alpha=None):
    rgb = np.clip(arr, 0, 255).astype(np.uint8)
    a = np.full(rgb.shape[:2] + (1,), 255, np.uint8) if alpha is None else np.clip(alpha, 0, 255).astype(np.uint8)
    return Image.fromarray(np.concatenate([rgb, a], axis=2), "RGBA")


def grain(rng, base, w=CELL, h=CELL, amount=7.0):
    return np.ones((h, w, 3)) * np.array(base, float) + rng.uniform(-amount, amount, (h, w, 1))


def seam(img, y0, y1, colour=EMBER, falloff=6):
    """A glowing horizontal seam with a soft halo, the foundry's neon."""
    h = img.shape[0]
    c = np.array(colour, float)
    for y in range(max(0, y0 - falloff), min(h, y1 + falloff)):
        a = 1.0 if y0 <= y < y1 else 0.6 * (1.0 - (y0 - y if y < y0 else y - y1 + 1) / (falloff + 1)) ** 2
        img[y, :, :] = img[y, :, :] * (1 - a) + c * a
    return img


def rivets(img, ys, step=16, colour=IRON_HI):
    for y in ys:
        for x in range(step // 2, img.shape[1], step):
            img[y - 1:y + 2, x - 1:x + 2, :] = np.array(colour, float)
            img[y + 2, x - 1:x + 2, :] *= 0.5
    return img


def rust_streaks(img, rng, count=3):
    for _ in range(count):
        x, y, length = rng.randint(2, CELL - 4), rng.randint(0, CELL // 2), rng.randint(10, 40)
        img[y:y + length, x:x + 2, :] = img[y:y + length, x:x + 2, :] * 0.5 + np.array(RUST, float) * 0.5
    return img


# ---- sprite-sheet cells -----------------------------------------------------------------------------

def plate_top(rng, cap=None):
    img = rivets(rust_streaks(grain(rng, IRON), rng), (14, 50))
    seam(img, 0, 3, MOLTEN)
    img[4:6, :, :] *= 0.55
    if cap == "left":
        img[:, :4, :] = img[:, :4, :] * 0.4 + np.array(EMBER, float) * 0.6
    elif cap == "right":
        img[:, -4:, :] = img[:, -4:, :] * 0.4 + np.array(EMBER, float) * 0.6
    return img


def plate(rng, dark=1.0):
    img = rivets(rust_streaks(grain(rng, IRON), rng, 2), (8, 40)) * dark
    img[:, :2, :] *= 1.25
    img[:, -2:, :] *= 0.6
    return img


def girder(rng):
    img = grain(rng, SOOT, amount=3)
    img[4:14, :, :] = np.array(IRON_HI, float)
    img[50:60, :, :] = np.array(IRON_HI, float) * 0.8
    img[14:50, 26:38, :] = np.array(IRON, float)
    for x in range(0, CELL, 32):  # cross bracing
        for y in range(14, 50):
            xs = x + (y - 14) * 32 // 36
            img[y, max(0, xs - 2):xs + 2, :] = np.array(IRON, float) * 1.1
    seam(img, 3, 4, EMBER, falloff=2)
    return img


def brick(rng, glow=False):
    """Back-wall firebrick: darker than anything the player stands on."""
    img = grain(rng, tuple(int(c * 0.6) for c in BRICK), amount=4)
    mortar = np.array(EMBER if glow else SOOT, float)
    for row, y in enumerate(range(0, CELL, 16)):
        img[y:y + 2, :, :] = img[y:y + 2, :, :] * 0.3 + mortar * 0.7
        for x in range(0 if row % 2 == 0 else 16, CELL, 32):
            img[y:y + 16, x:x + 2, :] = img[y:y + 16, x:x + 2, :] * 0.3 + mortar * 0.7
    return img


def grate(rng):
    img = grain(rng, SOOT, amount=3)
    for x in range(0, CELL, 8):
        img[:, x:x + 3, :] = np.array(IRON, float)
    img[:4, :, :] = np.array(IRON_HI, float)
    return img


def warning(rng):
    img = grain(rng, SOOT, amount=3)
    for y in range(CELL):
        for x0 in range(-CELL, CELL, 16):
            xs = x0 + y
            if 0 <= xs < CELL:
                img[y, xs:min(CELL, xs + 8), :] = np.array(MOLTEN, float) * 0.9
    return img


def pipe(rng, vertical):
    img = grain(rng, SOOT, amount=3)
    band = img[:, 22:42, :] if vertical else img[22:42, :, :]
    band[...] = np.array(RUST, float) * 0.55
    if vertical:
        img[:, 24:28, :] *= 1.7
        img[28:34, 18:46, :] = np.array(IRON_HI, float)
    else:
        img[24:28, :, :] *= 1.7
        img[18:46, 28:34, :] = np.array(IRON_HI, float)
    return img


def chain(rng):
    """A free-hanging chain: transparent around the links."""
    rgb = np.ones((CELL, CELL, 3)) * np.array(IRON_HI, float)
    alpha = np.zeros((CELL, CELL, 1))
    img = Image.new("L", (CELL, CELL), 0)
    d = ImageDraw.Draw(img)
    for y in range(-8, CELL, 16):
        if (y // 16) % 2 == 0:
            d.ellipse((24, y, 40, y + 20), outline=255, width=4)
        else:
            d.rectangle((30, y, 34, y + 20), fill=255)
    alpha[:, :, 0] = np.asarray(img, float)
    return rgb, alpha


def vent(rng):
    img = plate(rng)
    for y in range(14, 52, 8):
        img[y:y + 4, 10:54, :] = np.array(SOOT, float)
        img[y + 4:y + 5, 10:54, :] = np.array(EMBER, float) * 0.6
    return img


def seam_panel(rng):
    img = plate(rng, 0.85)
    seam(img, 30, 34, MOLTEN, falloff=10)
    img[30:34, :, :] = np.array(HOT, float)
    return img


def sheet():
    rng = np.random.RandomState(21)
    cells = [
        plate_top(rng), plate(rng), plate(rng, 0.7), girder(rng), brick(rng), brick(rng, True), grate(rng), warning(rng),
        pipe(rng, True), pipe(rng, False), chain(rng), vent(rng), seam_panel(rng), rust_streaks(plate(rng), rng, 8),
        plate_top(rng, "left"), plate_top(rng, "right"),
        plate_top(rng), plate(rng), plate(rng, 0.7), girder(rng), brick(rng), brick(rng, True), grate(rng), vent(rng),
        plate(rng), plate(rng, 0.7), brick(rng), seam_panel(rng), plate(rng), brick(rng), plate(rng, 0.7), plate_top(rng),
    ]
    assert len(cells) == COLUMNS * ROWS
    image = Image.new("RGBA", (COLUMNS * CELL, ROWS * CELL))
    for i, cell in enumerate(cells):
        tile = to_image(*cell) if isinstance(cell, tuple) else to_image(cell)
        image.paste(tile, ((i % COLUMNS) * CELL, (i // COLUMNS) * CELL))
    return image


PLATE_TOP, PLATE, PLATE_DARK, GIRDER, BRICK_ID, BRICK_GLOW, GRATE, WARNING = range(8)
PIPE_V, PIPE_H, CHAIN, VENT, SEAM, RUST_PLATE, TOP_LEFT, TOP_RIGHT = range(8, 16)
GLOWING = (SEAM, BRICK_GLOW, 27, 21)  # cells that shine by themselves: unlit


# ---- collection images ------------------------------------------------------------------------------

def rgba(w, h):
    return Image.new("RGBA", (w, h), (0, 0, 0, 0))


def halo(img, radius, colour, strength=0.8):
    """A soft glow of the image's bright parts behind it."""
    arr = np.asarray(img, float)
    bright = (arr[:, :, :3].sum(axis=2) > 520).astype(float) * arr[:, :, 3] / 255.0
    glow = Image.fromarray((bright * 255).astype(np.uint8), "L").filter(ImageFilter.GaussianBlur(radius))
    g = np.asarray(glow, float)[:, :, None] / 255.0 * strength
    base = np.zeros_like(arr)
    base[:, :, :3] = np.array(colour, float)
    base[:, :, 3:] = np.clip(g * 255 * 2, 0, 255)
    out = Image.fromarray(base.astype(np.uint8), "RGBA")
    out.alpha_composite(img)
    return out


def furnace():
    img = rgba(192, 192)
    d = ImageDraw.Draw(img)
    d.polygon([(20, 191), (36, 40), (156, 40), (172, 191)], fill=BRICK + (255,))
    for y in range(52, 190, 14):
        d.line((30, y, 162, y), fill=SOOT + (255,), width=2)
    d.rectangle((60, 0, 132, 44), fill=IRON + (255,))
    d.rectangle((56, 36, 136, 46), fill=IRON_HI + (255,))
    d.rounded_rectangle((58, 104, 134, 184), 30, fill=EMBER + (255,))
    d.rounded_rectangle((70, 118, 122, 184), 22, fill=MOLTEN + (255,))
    d.rounded_rectangle((84, 134, 108, 184), 12, fill=HOT + (255,))
    return halo(img, 10, EMBER)


def crucible():
    img = rgba(128, 128)
    d = ImageDraw.Draw(img)
    d.line((64, 0, 64, 30), fill=IRON_HI + (255,), width=4)
    d.arc((20, 10, 108, 70), 180, 360, fill=IRON_HI + (255,), width=4)
    d.polygon([(20, 40), (108, 40), (96, 112), (32, 112)], fill=IRON + (255,))
    d.ellipse((22, 32, 106, 52), fill=MOLTEN + (255,))
    d.ellipse((40, 36, 88, 48), fill=HOT + (255,))
    return halo(img, 8, EMBER)


def chain_prop():
    img = rgba(32, 256)
    d = ImageDraw.Draw(img)
    for y in range(0, 240, 16):
        if (y // 16) % 2 == 0:
            d.ellipse((8, y, 24, y + 20), outline=IRON_HI + (255,), width=3)
        else:
            d.rectangle((14, y, 18, y + 20), fill=IRON_HI + (255,))
    d.arc((4, 226, 28, 254), 0, 270, fill=IRON_HI + (255,), width=5)
    return img


def barrel():
    img = rgba(64, 96)
    d = ImageDraw.Draw(img)
    d.rounded_rectangle((4, 4, 60, 95), 10, fill=RUST + (255,), outline=IRON_HI + (255,), width=3)
    for y in (22, 50, 78):
        d.line((6, y, 58, y), fill=IRON + (255,), width=4)
    d.rectangle((18, 36, 46, 60), fill=SOOT + (255,))
    d.polygon([(32, 40), (40, 56), (24, 56)], fill=MOLTEN + (255,))
    return img


def gear():
    img = rgba(128, 128)
    d = ImageDraw.Draw(img)
    for k in range(12):
        a = 2 * math.pi * k / 12
        x, y = 64 + 52 * math.cos(a), 64 + 52 * math.sin(a)
        d.ellipse((x - 10, y - 10, x + 10, y + 10), fill=IRON + (255,))
    d.ellipse((16, 16, 112, 112), fill=IRON + (255,), outline=IRON_HI + (255,), width=3)
    d.ellipse((48, 48, 80, 80), fill=SOOT + (255,), outline=RUST + (255,), width=4)
    return img


def anvil():
    img = rgba(96, 64)
    d = ImageDraw.Draw(img)
    d.polygon([(0, 8), (72, 8), (96, 0), (92, 20), (64, 24), (56, 40), (70, 63), (18, 63), (32, 40), (24, 24), (4, 22)],
              fill=IRON + (255,))
    d.line((2, 8, 72, 8), fill=IRON_HI + (255,), width=3)
    return img


PROPS = [("Furnace", furnace), ("Crucible", crucible), ("Chain", chain_prop), ("Barrel", barrel), ("Gear", gear),
         ("Anvil", anvil)]
# Props that glow carry a warm light in their prefab: (inner, outer radius, strength, colour).
PROP_LIGHTS = {"Furnace": (0.6, 7.0, 1.2, [1.0, 0.45, 0.12]), "Crucible": (0.3, 4.0, 0.9, [1.0, 0.62, 0.2])}


# ---- platforms, pools, strips --------------------------------------------------------------------------

def platform_art(width, kind):
    w, h = width * CELL, CELL // 2
    rng = np.random.RandomState(width * 7 + len(kind))
    arr = grain(rng, IRON if kind != "falling" else RUST, w, h)
    seam(arr, 0, 3, {"moving": (120, 200, 255), "falling": MOLTEN, "ledge": EMBER}[kind], falloff=3)
    arr[-5:, :, :] *= 0.45
    for x in range(0, w, CELL // 2):
        arr[6:-6, x:x + 2, :] *= 0.55
    img = to_image(arr)
    d = ImageDraw.Draw(img)
    if kind == "moving":  # a hoist cart: its lamps blink cold against the warm foundry
        for x in range(12, w, 48):
            d.ellipse((x, 12, x + 8, 20), fill=(150, 230, 255, 255))
    elif kind == "falling":  # cracked and sagging
        for x in range(20, w, 44):
            d.line((x, 4, x + 8, 16, x + 2, 28), fill=SOOT + (255,), width=3)
    return img


def molten_pool():
    """Molten metal under the game's red hazard crackle: one cell that repeats along a pit."""
    w, h = CELL, CELL // 2
    rng = np.random.RandomState(5)
    arr = np.zeros((h, w, 3))
    for y in range(h):
        t = y / (h - 1)
        arr[y, :, :] = np.array(HOT, float) * (1 - t) ** 2 + np.array(MOLTEN, float) * 2 * t * (1 - t) + \
            np.array(EMBER, float) * t * t
    arr += rng.uniform(-10, 10, (h, w, 1))
    img = to_image(arr)
    d = ImageDraw.Draw(img)
    pts = [(0, 6)] + [(x, 2 + (x * 7) % 9) for x in range(8, w, 8)] + [(w, 6)]
    d.line(pts, fill=HAZARD_RED + (255,), width=3)
    return img


def strip(width, height, draw, seed):
    img = Image.new("RGBA", (width, height), (0, 0, 0, 0))
    draw(ImageDraw.Draw(img), np.random.RandomState(seed), width, height)
    return img


def draw_far_furnaces(d, rng, w, h):
    """Distant furnace stacks, dark against their own glow, on a soot gradient."""
    for y in range(h):
        t = y / h
        c = tuple(int(SOOT[k] * (1 - t) + (60, 22, 12)[k] * t) for k in range(3))
        d.line((0, y, w, y), fill=c + (255,))
    x = 0
    while x < w:
        sw = int(rng.randint(60, 120))
        top = int(rng.randint(int(h * 0.15), int(h * 0.55)))
        d.rectangle((x, top, x + sw, h), fill=(34, 22, 20, 255))
        d.rectangle((x + sw // 3, top - int(h * 0.12), x + 2 * sw // 3, top), fill=(30, 20, 18, 255))
        mouth = int(h * 0.72)
        d.rounded_rectangle((x + sw // 4, mouth, x + 3 * sw // 4, h - 6), 10, fill=(200, 80, 24, 255))
        d.rounded_rectangle((x + sw // 3, mouth + 12, x + 2 * sw // 3, h - 6), 8, fill=(255, 160, 60, 255))
        x += sw + int(rng.randint(20, 60))


def draw_chains(d, rng, w, h):
    for x in range(20, w, 96):
        length = int(rng.randint(h // 3, h - 10))
        for y in range(0, length, 14):
            if (y // 14) % 2 == 0:
                d.ellipse((x - 6, y, x + 6, y + 16), outline=(70, 60, 58, 255), width=3)
            else:
                d.rectangle((x - 2, y, x + 2, y + 16), fill=(70, 60, 58, 255))
        d.arc((x - 12, length - 6, x + 12, length + 18), 0, 270, fill=(90, 76, 70, 255), width=4)


def draw_girders(d, rng, w, h):
    """Near girders and pipes across the top of the hall."""
    d.rectangle((0, 8, w, 30), fill=(44, 38, 38, 255))
    d.rectangle((0, 28, w, 32), fill=(120, 56, 24, 255))
    for x in range(0, w, 64):
        d.line((x, 30, x + 40, h - 10), fill=(44, 38, 38, 255), width=6)
        d.line((x + 64, 30, x + 24, h - 10), fill=(44, 38, 38, 255), width=6)
    d.rectangle((0, h - 14, w, h), fill=(52, 44, 42, 255))


def draw_glow_floor(d, rng, w, h):
    """Rivers of molten metal far below the catwalks."""
    for y in range(h):
        t = y / h
        a = int(255 * min(1.0, t * 1.6))
        d.line((0, y, w, y), fill=(int(90 + 120 * t), int(30 + 60 * t), 10, a))
    for _ in range(18):
        x, y = int(rng.randint(0, w)), int(rng.randint(h // 2, h))
        d.line((x, y, x + int(rng.randint(30, 90)), y), fill=(255, 200, 90, 255), width=2)


def ash_flake():
    img = rgba(16, 16)
    d = ImageDraw.Draw(img)
    d.ellipse((3, 3, 13, 13), fill=(255, 255, 255, 255))
    return img.filter(ImageFilter.GaussianBlur(1.5))


# ---- prefabs, tilesets, templates ---------------------------------------------------------------------

def prop(name, kind, value):
    return {"name": name, "type": kind, "value": value}


def props(*items):
    return sorted(items, key=lambda p: p["name"])


def collider(tag, size=(1.0, 1.0)):
    return {"ColliderType": "Rectangle", "Collider": {"Size_Offset": list(size), "Pos_Offset": [0, 0]}, "ColliderTag": tag}


def prefabs():
    write_json(f"{PREFABS}/FoundryTile.json", {"Transform": {}, "Graphics": {"Layer": "Background"}})
    write_json(f"{PREFABS}/FoundrySolid.json", {"Transform": {}, "Physics": {}, "Collision": collider("Platform")})
    write_json(f"{PREFABS}/FoundryProp.json", {"Transform": {}, "Graphics": {"Layer": "Background"}})
    for name, (inner, outer, strength, colour) in PROP_LIGHTS.items():
        write_json(f"{PREFABS}/Foundry{name}.json", {
            "Transform": {}, "Graphics": {"Layer": "Background", "DoLight": False},
            "Light": {"InnerRadius": inner, "OuterRadius": outer, "Strength": strength, "Color": colour}})
    write_json(f"{PREFABS}/MoltenPool.json", {
        "Transform": {"Scale": [1.0, 0.5]},
        "Graphics": {"Texture": f"{IMAGES}/MoltenPool.png", "Layer": "Foreground", "DoLight": False,
                     "Mesh": {"UVSize": [1.0, 1.0]}},
        "Physics": {}, "Collision": collider("Hazard", (1.0, 0.7)),
        "Light": {"InnerRadius": 0.5, "OuterRadius": 5.0, "Strength": 1.0, "Color": [1.0, 0.5, 0.15]}})


def tilesets():
    image = save(sheet(), f"{IMAGES}/FoundryTiles.png")
    fore = prop("/Graphics/Layer", "string", "Foreground")
    tiles = []
    for i in range(COLUMNS * ROWS):
        items = []
        if i in GLOWING:
            items.append(prop("/Graphics/DoLight", "bool", False))
        if i == CHAIN:
            items.append(prop("/Graphics/Layer", "string", "Default"))
        if items:
            tiles.append({"id": i, "properties": props(*items)})
    del fore
    write_json("Data/Tiled/Tilesets/FoundryTiles.json", {
        "columns": COLUMNS, "image": "../../../" + image, "imageheight": ROWS * CELL, "imagewidth": COLUMNS * CELL,
        "margin": 0, "name": "FoundryTiles", "properties": [prop("Source", "string", f"{PREFABS}/FoundryTile.json")],
        "spacing": 0, "tilecount": COLUMNS * ROWS, "tiledversion": "1.8.2", "tileheight": CELL, "tiles": tiles,
        "tilewidth": CELL, "type": "tileset", "version": "1.8"})

    entries = []
    for i, (name, draw) in enumerate(PROPS):
        img = draw()
        path = save(img, f"{IMAGES}/Props/{name}.png")
        source = f"{PREFABS}/Foundry{name}.json" if name in PROP_LIGHTS else f"{PREFABS}/FoundryProp.json"
        entries.append({"id": i, "image": "../../../" + path, "imageheight": img.height, "imagewidth": img.width,
                        "properties": [prop("Source", "string", source)]})
    write_json("Data/Tiled/Tilesets/FoundryProps.json", {
        "columns": 0, "grid": {"height": 1, "orientation": "orthogonal", "width": 1}, "margin": 0,
        "name": "FoundryProps", "spacing": 0, "tilecount": len(entries), "tiledversion": "1.8.2", "tileheight": 256,
        "tiles": entries, "tilewidth": 192, "type": "tileset", "version": "1.8"})


ARC_ON, ARC_OFF = 2 * BEAT, 2 * BEAT  # an arc gate is up for two beats and down for two


def template(name, width, height, *items):
    write_json(f"{TEMPLATES}/{name}.json", {
        "object": {"height": height, "id": 1, "name": name, "properties": props(*items), "rotation": 0, "type": "",
                   "visible": True, "width": width},
        "type": "template"})
    return f"Templates/{name}.json"


def templates():
    t = {}
    for kind, width in (("moving", 3), ("falling", 2), ("ledge", 3)):
        save(platform_art(width, kind), f"{IMAGES}/{kind.capitalize()}Platform.png")
    fore = prop("/Graphics/Layer", "string", "Foreground")
    uv = (prop("/Graphics/Mesh/UVSize/0", "float", 1.0), prop("/Graphics/Mesh/UVSize/1", "float", 1.0))
    t["moving"] = template(
        "FoundryMovingPlatform", 3 * CELL, CELL // 2, prop("Source", "string", "Data/Entities/MovingPlatform.json"),
        prop("/Graphics/Texture", "string", f"{IMAGES}/MovingPlatform.png"), fore, *uv,
        prop("/Physics/Velocity/0", "float", 2.0), prop("/Physics/Velocity/1", "float", 0.0),
        prop("/Collision/Move_Period/0", "float", 4.0), prop("/Collision/Move_Period/1", "float", 0.0))
    t["falling"] = template(
        "FoundryFallingPlatform", 2 * CELL, CELL // 2, prop("Source", "string", "Data/Entities/FallingPlatform.json"),
        prop("/Graphics/Texture", "string", f"{IMAGES}/FallingPlatform.png"), fore, *uv)
    t["ledge"] = template(
        "FoundryLedge", 3 * CELL, CELL // 2, prop("Source", "string", "Data/Entities/Platform.json"),
        prop("/Graphics/Texture", "string", f"{IMAGES}/LedgePlatform.png"), fore, *uv)
    t["solid"] = template("FoundrySolid", CELL, CELL, prop("Source", "string", f"{PREFABS}/FoundrySolid.json"))
    save(molten_pool(), f"{IMAGES}/MoltenPool.png")
    t["pool"] = template("FoundryMoltenPool", CELL, CELL // 2, prop("Source", "string", f"{PREFABS}/MoltenPool.json"))
    t["arc"] = template(
        "FoundryArcGate", CELL, 3 * CELL, prop("Source", "string", "Data/Entities/Hazards/BlinkingHazard.json"),
        prop("/OnOffHazard/OnTime", "float", ARC_ON), prop("/OnOffHazard/OffTime", "float", ARC_OFF),
        prop("/OnOffHazard/On", "bool", True))
    t["checkpoint"] = template("FoundryCheckpoint", CELL, 2 * CELL, prop("Source", "string", "Data/Entities/CheckPoint.json"))
    t["collectable"] = template("FoundryCollectable", 51.2, 51.2, prop("Source", "string", "Data/Entities/Collectable.json"))
    t["goal"] = template("FoundryGoal", CELL, 2 * CELL, prop("Source", "string", "Data/Entities/Victory/WinObject.json"))
    t["player"] = template("FoundryPlayer", 89.6, 89.6, prop("Source", "string", "Data/Entities/Player.json"))
    return t


# ---- the course ----------------------------------------------------------------------------------------

W, H = 415, 34  # tiles; world y = H - (pixel y) / 64
GROUND = 8.0    # the usual floor height; the kill height is 5

# Solid ground: (left, right, top). Everything below a top down to y 4 is iron.
SOLIDS = [
    (-1, 0, 22),            # the back wall behind the start
    (0, 14, GROUND),        # the yard
    (17, 30, GROUND),       # after the first gap
    (22, 25, 10),           # a block to jump onto
    (43, 53, GROUND),       # between the first pit and the lift
    (53, 66, 15.5),         # the high gallery, reached by the lift
    (66, 74, GROUND),
    (87, 132, GROUND),      # the arc-gate hall and the yard before the drop
    (157.0, 174, 8.5),      # after the dash
    (165, 167, 10),         # a crate step
    (187.5, 203, 9),        # the last hall before the relay
    (225.6, 248, 10.5),     # after the relay: the beat corridor, broken by molten gaps
    (250, 255, 10.5),
    (257, 268, 10.5),
    (289.2, 300, 12.0),     # after the second dash, at the foot of the lift shaft
    (303.5, 311, 19.5),     # the upper landing
    (322, 326, 19.5),       # after the high crossing
    (335, 355, 24.5),       # the loft: the last beat corridor, broken by molten gaps
    (357, 362, 24.5),
    (364, 372, 24.5),
    (386, 390, 25.5),       # after the last grates
    (401, 414, 25.5),       # the goal
    (414, 415, 34),         # the far wall
]
# The corridors' gaps, whole cells so that the floor's iron shows them: (left, right, floor). Each is a
# trough one unit down holding molten metal.
GAPS = [(248, 250, 10.5), (255, 257, 10.5), (355, 357, 24.5), (362, 364, 24.5)]
SOLIDS += [(left, right, floor - 1.0) for left, right, floor in GAPS]
CEILINGS = [(100, 124, 10.6, 13.0)]  # (left, right, bottom, top): the arc hall's low roof
# Molten pits: (left, right, surface).
POOLS = [(30, 43, 6.2), (74, 87, 6.2), (149, 157.0, 6.2), (174, 187.5, 6.7), (203, 225.6, 6.7), (268, 289.2, 6.7), (311, 322, 6.7), (326, 335, 6.7), (372, 386, 6.7),
         (390, 401, 6.7)]
POOLS += [(left, right, floor - 0.5) for left, right, floor in GAPS]
# Moving platforms: (centre x, top y, velocity, Move_Period). They start moving at level start, from
# where a player steps on: each reaches a hair over the ledge at both ends of its run. Hoists that
# hand the player to each other share a period, so they keep meeting at the same place.
MOVERS = [
    ((31.4, GROUND), (2.0, 0.0), (5.0, 0.0)),      # across the first molten pit and back
    ((51.5, GROUND + 0.25), (0.0, 1.5), (0.0, 4.0)),  # the lift up to the gallery
    ((75.4, GROUND), (2.0, 1.0), (5.0, 1.5)),      # over the second pit, bobbing on its own beat
    ((175.4, 8.5), (2.0, 0.0), (4.0, 0.0)),        # over the pit before the relay
    ((204.4, 9.0), (2.0, 0.0), (4.0, 0.0)),        # the relay: out over the wide pit ...
    ((224.0, 10.5), (-2.0, 0.0), (4.0, 0.0)),      # ... to meet the higher one coming back
    ((301.4, 12.25), (0.0, 1.5), (0.0, 4.0)),      # the lift shaft
    ((312.4, 19.5), (2.0, 0.75), (4.0, 2.0)),      # the high crossing, bobbing
    ((327.4, 19.75), (0.0, 1.0), (0.0, 4.0)),      # the last pair of lifts, one up while the other ...
    ((332.4, 23.75), (0.0, -1.0), (0.0, 4.0)),     # ... comes down
    ((391.4, 25.5), (2.0, 0.0), (4.0, 0.0)),       # the last ride, to the goal
]
FALLERS = [(134.5, GROUND), (139.0, 8.5), (143.5, GROUND), (148.0, 8.75), (151.5, 8.5),
           (270.5, 10.5), (275.0, 11.0), (279.5, 11.5), (284.0, 12.0),
           (374.5, 24.5), (379.0, 25.0), (383.5, 25.5)]  # (centre x, top y)
# Arc gates: (x, floor y, starts on). Neighbours alternate, so one drops as the next rises; in the
# corridor they stand a half cycle's run apart, so a runner meets each at the same point of its beat.
CORRIDOR = 6.1 * 2 * BEAT  # a run is 6.2 units/s on the floor, 6 in the air
ARCS = [(104, GROUND, True), (109, GROUND, False), (114, GROUND, True), (119, GROUND, False),
        (192, 9, True), (197, 9, False)] + \
    [(238.0 + i * CORRIDOR, 10.5, i % 2 == 0) for i in range(4)] + [(345.0 + i * CORRIDOR, 24.5, i % 2 == 0) for i in range(4)]
CHECKPOINTS = [(94, GROUND), (163, 8.5), (229, 10.5), (306, 19.5)]
COLLECTABLES = [(1.5, 9.0), (37.0, 11.5), (60.0, 16.4), (81.0, 12.0), (141.3, 11.0), (155.0, 10.8),
                (180.0, 11.2), (214.4, 12.2), (241.6, 12.6), (287.5, 14.6), (322.0, 22.4), (400.6, 28.3)]
PLAYER = (4.0, GROUND + 0.7)
GOAL = (408.0, 26.5)
MAX_TIME = 173  # the finishing replay's clean run (133 s, every collectable) plus about 30 %

# Scenery: (prop, left x, floor y) for tile objects; lights come with furnaces and crucibles.
SCENERY = [("Furnace", 6, GROUND), ("Barrel", 11, GROUND), ("Anvil", 19, GROUND), ("Chain", 36, 14), ("Crucible", 36, 18),
           ("Furnace", 46, GROUND), ("Gear", 57, 17.5), ("Barrel", 62, 15.5), ("Furnace", 68, GROUND),
           ("Chain", 80, 15), ("Crucible", 84, 19), ("Furnace", 89, GROUND), ("Barrel", 98, GROUND),
           ("Anvil", 125, GROUND), ("Furnace", 129, GROUND), ("Chain", 141, 16), ("Crucible", 145, 20),
           ("Furnace", 160, 8.5), ("Barrel", 170, 8.5), ("Chain", 181, 16), ("Furnace", 189, 9),
           ("Gear", 199, 14), ("Chain", 209, 17), ("Crucible", 213, 21), ("Chain", 219, 18), ("Furnace", 230, 10.5),
           ("Barrel", 262, 10.5), ("Chain", 273, 19), ("Crucible", 281, 23), ("Furnace", 292, 12.0),
           ("Anvil", 297, 12.0), ("Gear", 305, 24), ("Barrel", 308, 19.5), ("Chain", 316, 27),
           ("Crucible", 329, 29), ("Furnace", 337, 24.5), ("Chain", 359, 32), ("Barrel", 368, 24.5),
           ("Crucible", 380, 32), ("Gear", 393, 31), ("Furnace", 404, 25.5), ("Anvil", 411, 25.5)]


class MapObjects:
    def __init__(self):
        self.next_id = 1

    def obj(self, **fields):
        o = {"id": self.next_id, "name": "", "rotation": 0, "type": "", "visible": True}
        o.update(fields)
        self.next_id += 1
        return dict(sorted(o.items()))

    def rect(self, left, bottom, width, height, **fields):
        """An object by its world rectangle (Tiled measures from the top-left, y down, in pixels)."""
        return self.obj(x=round(left * CELL, 3), y=round((H - bottom - height) * CELL, 3), width=round(width * CELL, 3),
                        height=round(height * CELL, 3), **fields)

    def centred(self, cx, cy, width, height, **fields):
        return self.rect(cx - width / 2, cy - height / 2, width, height, **fields)


def tile_layers():
    back = [0] * (W * H)
    front = [0] * (W * H)
    rng = np.random.RandomState(2)

    def put(layer, col, y_top, cell):
        """Cell whose top edge is at world y_top."""
        row = H - int(round(y_top))
        if 0 <= col < W and 0 <= row < H:
            layer[row * W + col] = cell + 1

    # The hall's back wall: firebrick pillars with glowing seams, a pipe run between them, and the
    # foundry's depths showing through the gaps (a full wall would cost a lit full-screen plane).
    for col in range(W):
        pillar = col % 14 < 3
        base = 5 if col < 226 else 8 if col < 296 else 14 if col < 335 else 19  # the wall climbs with the course
        for y in range(base, base + 15):
            if pillar:
                kind = PIPE_V if col % 14 == 1 and y > base + 10 else BRICK_GLOW if rng.rand() < 0.08 else \
                    SEAM if rng.rand() < 0.05 else BRICK_ID
            elif y == base + 9:
                kind = PIPE_H
            else:
                continue
            put(back, col, y + 1, kind)
    # Iron under every solid and roof, its top cells seamed.
    for left, right, top in SOLIDS:
        for col in range(max(0, int(left)), min(W, int(math.ceil(right)))):
            y = int(math.ceil(top))
            first = True
            while y > 5:
                if first:
                    cell = TOP_LEFT if col == int(left) and left > 0 else TOP_RIGHT if col == int(math.ceil(right)) - 1 \
                        and right < W else PLATE_TOP
                else:
                    cell = PLATE if y > top - 3 else PLATE_DARK
                put(front, col, y, cell)
                first = False
                y -= 1
    for left, right, bottom, top in CEILINGS:
        for col in range(left, right):
            for y in range(int(math.ceil(bottom)) + 1, int(top) + 1):
                put(front, col, y, GIRDER if y == int(math.ceil(bottom)) + 1 else PLATE_DARK)
            put(front, col, int(top) + 1, WARNING if col % 4 == 0 else GRATE)
    return back, front


def level_map(t):
    m = MapObjects()
    first_prop = 1 + COLUMNS * ROWS
    names = [name for name, _ in PROPS]
    sizes = {name: draw().size for name, draw in PROPS}

    solids = [m.rect(left, 4.0 if top > 5 else top - 1, right - left, top - (4.0 if top > 5 else top - 1),
                     template=t["solid"], name="Ground") for left, right, top in SOLIDS]
    solids += [m.rect(left, bottom, right - left, top - bottom, template=t["solid"], name="Roof")
               for left, right, bottom, top in CEILINGS]

    hazards = [m.rect(left, surface - 0.5, right - left, 0.5, template=t["pool"], name="MoltenPool",
                      properties=props(prop("/Graphics/Mesh/UVSize/0", "float", float(right - left))))
               for left, right, surface in POOLS]
    hazards += [m.centred(x, floor + 1.5, 1.0, 3.0, template=t["arc"], name="ArcGate",
                          **({} if on else {"properties": props(prop("/OnOffHazard/On", "bool", False))}))
                for x, floor, on in ARCS]

    platforms = []
    for (cx, top), velocity, period in MOVERS:
        platforms.append(m.centred(cx, top - 0.25, 3.0, 0.5, template=t["moving"], name="Hoist", properties=props(
            prop("/Physics/Velocity/0", "float", velocity[0]), prop("/Physics/Velocity/1", "float", velocity[1]),
            prop("/Collision/Move_Period/0", "float", period[0]),
            prop("/Collision/Move_Period/1", "float", period[1]))))
    platforms += [m.centred(cx, top - 0.25, 2.0, 0.5, template=t["falling"], name="Grate") for cx, top in FALLERS]

    pieces = [m.centred(x, floor + 1.0, 1.0, 2.0, template=t["checkpoint"], name=f"Checkpoint{i + 1}")
              for i, (x, floor) in enumerate(CHECKPOINTS)]
    pieces += [m.centred(x, y, 0.8, 0.8, template=t["collectable"], name="Collectable") for x, y in COLLECTABLES]
    pieces.append(m.centred(GOAL[0], GOAL[1], 1.0, 2.0, template=t["goal"], name="Goal"))

    player = [m.centred(PLAYER[0], PLAYER[1], 1.4, 1.4, template=t["player"], name="Player")]

    scenery = []
    for name, left, floor in SCENERY:
        w, h = sizes[name]
        # A tile object's own "Source" is what makes it an entity (its tile's is used up by the tile).
        source = f"{PREFABS}/Foundry{name}.json" if name in PROP_LIGHTS else f"{PREFABS}/FoundryProp.json"
        scenery.append(m.obj(gid=first_prop + names.index(name), x=left * CELL, y=round((H - floor) * CELL, 3),
                             width=w, height=h, name=name, properties=[prop("Source", "string", source)]))

    back, front = tile_layers()

    def layer(lid, name, kind, **fields):
        base = {"id": lid, "name": name, "opacity": 1, "type": kind, "visible": True, "x": 0, "y": 0}
        base.update(fields)
        return dict(sorted(base.items()))

    layers = [
        layer(1, "BackWall", "tilelayer", width=W, height=H, data=back),
        layer(2, "Scenery", "objectgroup", draworder="topdown", objects=scenery),
        layer(3, "Iron", "tilelayer", width=W, height=H, data=front),
        layer(4, "Solids", "objectgroup", draworder="topdown", objects=solids),
        layer(5, "Hazards", "objectgroup", draworder="topdown", objects=hazards),
        layer(6, "Platforms", "objectgroup", draworder="topdown", objects=platforms),
        layer(7, "Pieces", "objectgroup", draworder="topdown", objects=pieces),
        layer(8, "Player", "objectgroup", draworder="topdown", objects=player),
    ]
    write_json("Data/Tiled/Level2.json", {
        "compressionlevel": -1, "height": H, "infinite": False, "layers": layers, "nextlayerid": len(layers) + 1,
        "nextobjectid": m.next_id, "orientation": "orthogonal",
        "properties": props(prop("Audio", "string", "Data/Audio/Level2Sounds.json"),
                            prop("CollectiblesRequred", "int", len(COLLECTABLES)),
                            prop("FallDelayTime", "float", 0.6), prop("MaxTime", "int", MAX_TIME)),
        "renderorder": "right-down", "tiledversion": "1.8.2", "tileheight": CELL,
        "tilesets": [{"firstgid": 1, "source": "Tilesets/FoundryTiles.json"},
                     {"firstgid": first_prop, "source": "Tilesets/FoundryProps.json"}],
        "tilewidth": CELL, "type": "map", "version": "1.8", "width": W})


# ---- backdrop and ash ------------------------------------------------------------------------------

def background():
    """Locked planes behind the course: one full-screen gradient-free plane is avoided (the clear colour
    is the dark), then three narrow strips that repeat sideways and scroll at their own depth."""
    far = save(strip(1024, 256, draw_far_furnaces, 3), f"{IMAGES}/FarFurnaces.png")
    chains = save(strip(768, 256, draw_chains, 4), f"{IMAGES}/Chains.png")
    girders = save(strip(512, 96, draw_girders, 5), f"{IMAGES}/Girders.png")
    glow = save(strip(512, 64, draw_glow_floor, 6), f"{IMAGES}/GlowFloor.png")

    def plane(texture, y, height, layer, ratio, repeats, colour=(1.0, 1.0, 1.0, 1.0)):
        return {"Transform": {"Translation": [0, y], "Scale": [2, height]},
                "Graphics": {"Locked": True, "Layer": layer, "Texture": texture, "Color": list(colour),
                             "Mesh": {"UVSize": [repeats, 1]}},
                "Parallax": {"InverseRatio": [ratio, 0], "PositionOffset": [0, 0], "Size": [1, 1]}}
    city.write_json("Data/BackgroundLevel2.json", {
        "FarFurnaces": plane(far, -0.25, 0.9, "Parallax6", 90, 2, (0.8, 0.7, 0.7, 1.0)),
        "GlowFloor": plane(glow, -0.93, 0.14, "Parallax5", 60, 3, (0.8, 0.7, 0.7, 1.0)),
        "Chains": plane(chains, 0.55, 0.9, "Parallax3", 45, 3, (0.9, 0.85, 0.85, 1.0)),
        "Girders": plane(girders, 0.9, 0.22, "Parallax2", 30, 4),
    })


def ash():
    flake = save(ash_flake(), f"{IMAGES}/AshFlake.png")
    # Screen-fixed: flakes are born on an arc just above the top edge (a circle of radius 29 about a
    # centre 30 halves up) and drift down and sideways through the view, whatever the camera does.
    spread = math.asin(1.15 / 29.0)
    city.write_json("Data/Particles/particlesAsh.json", {
        "Transform": {"Translation": [0, 0], "Scale": [0.012, 0.021]},
        "Graphics": {"Texture": flake, "Locked": True, "Layer": "Foreground", "DoLight": False,
                     "Color": [0.85, 0.72, 0.64, 0.7]},
        "Particles": {"NumberOfParticles": 2, "Burst": True, "TimePerParticle": 0.06, "LifeTime": 9.0,
                      "SecondsTillFade": 9.0, "PositionOffset": 29.0, "AngleStart": -math.pi / 2 - spread,
                      "AngleEnd": -math.pi / 2 + spread, "Speed": [0.12, 0.3], "Acceleration": [0.06, -0.03],
                      "Position": [0, 30.0], "Color": [1, 0.8, 0.6, 1]}})


def main():
    prefabs()
    tilesets()
    t = templates()
    level_map(t)
    background()
    ash()


if __name__ == "__main__":
    main()
