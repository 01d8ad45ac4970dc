#!/usr/bin/env python3
"""Tiled content: a neon cyber-city sprite-sheet tileset, a collection tileset of street props, platform
templates, their prefabs and a small test map, all files that Tiled 1.8 opens.

Writes
  Assets/Images/Tiled/CityTiles.png           8 x 4 cells of 64 px (sprite-sheet tileset image)
  Assets/Images/Tiled/Props/*.png             single images of the collection tileset
  Assets/Images/Tiled/{Platform,...}.png      platform art named by the prefabs
  Data/Tiled/Tilesets/CityTiles.json          sprite-sheet tileset
  Data/Tiled/Tilesets/CityProps.json          collection tileset
  Data/Tiled/Templates/*.json                 platform templates: the game's platform prefabs in this art
  Data/Tiled/Prefabs/*.json                   the map's own prefabs (ground tiles, scenery, sky)
  Data/Tiled/TestMap.json                     a 40 x 12 street with a gap, platforms and props

Paths: the map's tileset and template references are relative to Data/Tiled/ (where the map lives);
images are relative to the tileset file, which lives one folder deeper, so they start with "../../../"
and the game drops those 9 characters. Properties are written sorted by name, as Tiled writes them.
Deterministic: fixed seeds, no timestamps.
"""
import functools

import numpy as np
from PIL import Image, ImageDraw

import city
from city import AMBER, CYAN, HAZE, NIGHT, PINK, STEEL, out, save

CELL = 64
COLUMNS, ROWS = 8, 4

ASPHALT = (28, 26, 44)
BRICK = (58, 30, 62)

IMAGES = "Assets/Images/Tiled"
PREFABS = "Data/Tiled/Prefabs"


# The map files keep the one-space indentation they were first written with.
write_json = functools.partial(city.write_json, indent=1)


def noise(rng, w, h, amount):
    return rng.uniform(-amount, amount, (h, w, 1))


def shade(base, rng, w=CELL, h=CELL, amount=6.0):
    """A flat colour with a little grain so large areas do not look like plastic."""
    img = np.ones((h, w, 3)) * np.array(base, float) + noise(rng, w, h, amount)
    return img


def glow_line(img, y0, y1, colour, falloff=5):
    """A horizontal neon tube between rows y0 and y1 with a soft halo above and below."""
    h = img.shape[0]
    c = np.array(colour, float)
    for y in range(max(0, y0 - falloff), min(h, y1 + falloff)):
        if y0 <= y < y1:
            a = 1.0
        else:
            d = (y0 - y) if y < y0 else (y - y1 + 1)
            a = 0.55 * (1.0 - d / (falloff + 1)) ** 2
        img[y, :, :] = img[y, :, :] * (1 - a) + c * a
    return img


def to_image(arr, alpha=None):
    """RGBA from a float RGB array and an optional 0-255 alpha array (opaque without)."""
    rgb = arr.clip(0, 255).astype(np.uint8)
    a = np.full(rgb.shape[:2] + (1,), 255, np.uint8) if alpha is None else alpha.clip(0, 255).astype(np.uint8)
    return Image.fromarray(np.concatenate([rgb, a], axis=2), "RGBA")


# ---- sprite-sheet cells -----------------------------------------------------------------------------

def street_top(rng):
    img = shade(ASPHALT, rng)
    glow_line(img, 0, 3, CYAN)
    img[10:12, :, :] = np.array(STEEL, float) * 1.4
    return img


def street_fill(rng):
    img = shade(ASPHALT, rng, amount=8)
    for x in range(4, CELL, 16):  # drain slots
        img[40:44, x:x + 8, :] *= 0.55
    return img


def concrete(rng):
    img = shade(STEEL, rng, amount=7)
    img[:2, :, :] *= 1.5
    img[:, :2, :] *= 1.3
    img[-2:, :, :] *= 0.6
    img[:, -2:, :] *= 0.7
    return img


def grate(rng):
    img = shade(STEEL, rng)
    for x in range(0, CELL, 8):
        img[:, x:x + 2, :] = np.array(NIGHT, float)
    glow_line(img, 0, 2, PINK, falloff=3)
    return img


def brick(rng):
    img = shade(BRICK, rng, amount=5)
    for row, y in enumerate(range(0, CELL, 16)):
        img[y:y + 2, :, :] *= 0.55
        offset = 0 if row % 2 == 0 else 16
        for x in range(offset, CELL, 32):
            img[y:y + 16, x:x + 2, :] *= 0.55
    return img


def window(rng, lit):
    img = brick(rng)
    inner = (np.array(AMBER if lit else NIGHT, float) * (0.9 if lit else 1.0))
    img[12:52, 14:50, :] = np.array(STEEL, float) * 0.8
    img[16:48, 18:46, :] = inner + noise(rng, 28, 32, 10 if lit else 3)
    img[16:48, 31:33, :] = np.array(STEEL, float) * 0.8
    if lit:
        img[16:22, 18:46, :] = img[16:22, 18:46, :] * 0.6 + np.array(PINK, float) * 0.4
    return img


def pipe(rng):
    img = brick(rng)
    img[:, 26:38, :] = np.array((70, 72, 96), float)
    img[:, 28:30, :] *= 1.6
    img[20:26, 22:42, :] = np.array(STEEL, float) * 1.3
    return img


def cap(rng, side):
    img = shade(STEEL, rng)
    glow_line(img, 0, 3, CYAN)
    a = np.zeros((CELL, CELL, 1))
    a[:, :, 0] = 1.0
    if side == "left":
        img[:, :6, :] = np.array(CYAN, float) * 0.7
    elif side == "right":
        img[:, -6:, :] = np.array(CYAN, float) * 0.7
    img[-8:, :, :] *= 0.6
    return img


def neon_strip(rng, colour):
    """A free-standing tube: its halo fades into transparency, so the facade shows around it."""
    weight = np.zeros((CELL, CELL, 3))
    glow_line(weight, 28, 36, (255, 255, 255), falloff=12)
    rgb = np.ones((CELL, CELL, 3)) * np.array(colour, float)
    rgb[30:34, :, :] = rgb[30:34, :, :] * 0.5 + 127.5  # the hot core
    return rgb, weight[:, :, :1]


def hazard(rng):
    img = shade(NIGHT, rng)
    for x in range(-CELL, CELL, 16):
        for y in range(CELL):
            xs = x + y
            if 0 <= xs < CELL:
                img[y, xs:min(CELL, xs + 8), :] = np.array(AMBER, float)
    return img


def vent(rng):
    img = concrete(rng)
    for y in range(14, 50, 6):
        img[y:y + 3, 10:54, :] = np.array(NIGHT, float)
    return img


def panel(rng, colour):
    img = concrete(rng)
    img[8:56, 8:56, :] = np.array(NIGHT, float) + noise(rng, 48, 48, 4)
    glow_line(img[8:56, 8:56, :], 4, 6, colour, falloff=2)
    for y in range(18, 50, 10):
        img[y:y + 3, 14:14 + int(rng.randint(12, 36)), :] = np.array(colour, float) * 0.8
    return img


def sheet():
    rng = np.random.RandomState(8)
    cells = [
        street_top(rng), street_fill(rng), concrete(rng), grate(rng),
        brick(rng), window(rng, True), window(rng, False), pipe(rng),
        cap(rng, "left"), cap(rng, "mid"), cap(rng, "right"), neon_strip(rng, PINK),
        neon_strip(rng, CYAN), hazard(rng), vent(rng), panel(rng, CYAN),
        panel(rng, PINK), panel(rng, AMBER), brick(rng), window(rng, True),
        concrete(rng), grate(rng), street_fill(rng), window(rng, False),
        brick(rng), pipe(rng), vent(rng), concrete(rng),
        neon_strip(rng, AMBER), window(rng, True), brick(rng), street_top(rng),
    ]
    assert len(cells) == COLUMNS * ROWS
    image = Image.new("RGBA", (COLUMNS * CELL, ROWS * CELL))
    for i, cell in enumerate(cells):
        image.paste(to_image(*cell) if isinstance(cell, tuple) else to_image(cell), ((i % COLUMNS) * CELL, (i // COLUMNS) * CELL))
    return image


# Cell ids of the sheet, as the map uses them.
STREET_TOP, STREET_FILL, CONCRETE, GRATE, BRICK_ID, WINDOW_LIT, WINDOW_DARK, PIPE = range(8)
CAP_LEFT, CAP_MID, CAP_RIGHT, NEON_PINK, NEON_CYAN, HAZARD, VENT, PANEL_CYAN = range(8, 16)


# ---- collection images ------------------------------------------------------------------------------

def rgba(w, h):
    return Image.new("RGBA", (w, h), (0, 0, 0, 0))


def neon_sign():
    img = rgba(128, 64)
    d = ImageDraw.Draw(img)
    d.rounded_rectangle((2, 2, 125, 61), 10, fill=NIGHT + (235,), outline=PINK + (255,), width=4)
    d.rounded_rectangle((9, 9, 118, 54), 6, outline=CYAN + (200,), width=2)
    # Three glyph-like bars: readable as a sign without naming anything.
    for i, x in enumerate((22, 52, 82)):
        colour = (PINK, CYAN, AMBER)[i]
        d.rectangle((x, 20, x + 20, 24), fill=colour + (255,))
        d.rectangle((x + 8, 24, x + 12, 44), fill=colour + (255,))
    return img


def lamp():
    img = rgba(32, 128)
    d = ImageDraw.Draw(img)
    d.rectangle((14, 18, 17, 127), fill=STEEL + (255,))
    d.rectangle((10, 120, 21, 127), fill=STEEL + (255,))
    d.rectangle((4, 10, 27, 18), fill=(60, 58, 90, 255))
    d.ellipse((6, 4, 25, 16), fill=AMBER + (255,))
    return img


def crate():
    img = rgba(64, 64)
    d = ImageDraw.Draw(img)
    d.rectangle((0, 0, 63, 63), fill=(52, 44, 70, 255), outline=CYAN + (255,), width=3)
    d.line((4, 4, 59, 59), fill=(80, 70, 110, 255), width=5)
    d.line((4, 59, 59, 4), fill=(80, 70, 110, 255), width=5)
    d.rectangle((22, 24, 41, 39), fill=AMBER + (255,))
    return img


def vending():
    img = rgba(64, 128)
    d = ImageDraw.Draw(img)
    d.rectangle((0, 0, 63, 127), fill=(30, 26, 52, 255), outline=PINK + (255,), width=3)
    d.rectangle((6, 8, 40, 90), fill=CYAN + (90,), outline=CYAN + (255,), width=2)
    for y in range(14, 86, 14):
        d.line((8, y, 38, y), fill=CYAN + (255,), width=2)
    d.rectangle((46, 20, 57, 40), fill=AMBER + (255,))
    d.rectangle((10, 100, 54, 116), fill=NIGHT + (255,))
    return img


def billboard():
    img = rgba(192, 128)
    d = ImageDraw.Draw(img)
    d.rectangle((92, 96, 99, 127), fill=STEEL + (255,))
    d.rectangle((0, 0, 191, 96), fill=NIGHT + (240,), outline=CYAN + (255,), width=4)
    for i in range(8):  # a gradient face
        c = tuple(int(PINK[k] * (1 - i / 8) + HAZE[k] * (i / 8)) for k in range(3))
        d.rectangle((8, 8 + i * 10, 183, 18 + i * 10), fill=c + (255,))
    d.ellipse((120, 20, 170, 70), fill=AMBER + (255,))
    d.rectangle((20, 60, 100, 68), fill=CYAN + (255,))
    return img


PROPS = [("NeonSign", neon_sign), ("Lamp", lamp), ("Crate", crate), ("Vending", vending), ("Billboard", billboard)]


def platform_art(width_cells, colour, name, cracked=False):
    w, h = width_cells * CELL, CELL // 2
    rng = np.random.RandomState(len(name))
    arr = shade(STEEL, rng, w, h)
    glow_line(arr, 0, 3, colour)
    arr[-4:, :, :] *= 0.5
    for x in range(0, w, CELL):
        arr[6:-6, x:x + 2, :] *= 0.6
    img = to_image(arr)
    if cracked:
        d = ImageDraw.Draw(img)
        for x in range(30, w, 50):
            d.line((x, 5, x + 8, 16, x + 2, 27), fill=NIGHT + (255,), width=2)
    return img


# ---- JSON ------------------------------------------------------------------------------------------

def prop(name, kind, value):
    return {"name": name, "type": kind, "value": value}


def props(*items):
    return sorted(items, key=lambda p: p["name"])


def collider(tag, resolution=None, extra=None):
    c = {"ColliderType": "Rectangle", "Collider": {"Size_Offset": [1, 1], "Pos_Offset": [0, 0]}, "ColliderTag": tag}
    if resolution:
        c["Resolution"] = resolution
    if extra:
        c.update(extra)
    return c


def prefabs():
    ground = {"Transform": {}, "Graphics": {}, "Physics": {}, "Collision": collider("Platform")}
    scenery = {"Transform": {}, "Graphics": {"Layer": "Default"}}
    beam = {"Transform": {}, "Graphics": {"Texture": f"{IMAGES}/Beam.png", "Layer": "Default", "DoLight": False}}
    skyline = {"Transform": {"Translation": [20, 6], "Scale": [40, 12]},
               "Graphics": {"Texture": "Assets/Images/TestScene/sky.png", "Layer": "Parallax7"}}
    files = {"Ground": ground, "Scenery": scenery, "Beam": beam, "Skyline": skyline}
    for name, data in files.items():
        write_json(f"{PREFABS}/{name}.json", data)


def tilesets():
    image = save(sheet(), f"{IMAGES}/CityTiles.png")
    # Tile writes every sheet cell to the background layer; the street stands in front of it.
    ground = props(prop("Source", "string", f"{PREFABS}/Ground.json"), prop("/Graphics/Layer", "string", "Foreground"))
    solid = [STREET_TOP, STREET_FILL, CONCRETE, GRATE, CAP_LEFT, CAP_MID, CAP_RIGHT]
    tiles = [{"id": i, "properties": ground} for i in solid]
    # The neon strips glow: unlit and drawn over the facade.
    for i in (NEON_PINK, NEON_CYAN):
        tiles.append({"id": i, "properties": props(prop("/Graphics/DoLight", "bool", False),
                                                   prop("/Graphics/Layer", "string", "Default"))})
    tiles.sort(key=lambda t: t["id"])
    write_json("Data/Tiled/Tilesets/CityTiles.json", {
        "columns": COLUMNS, "image": "../../../" + image, "imageheight": ROWS * CELL, "imagewidth": COLUMNS * CELL,
        "margin": 0, "name": "CityTiles", "spacing": 0, "tilecount": COLUMNS * ROWS, "tiledversion": "1.8.2",
        "tileheight": CELL, "tiles": tiles, "tilewidth": CELL, "type": "tileset", "version": "1.8"})

    entries = []
    for i, (name, draw) in enumerate(PROPS):
        img = draw()
        path = save(img, f"{IMAGES}/Props/{name}.png")
        entries.append({"id": i, "image": "../../../" + path, "imageheight": img.height, "imagewidth": img.width})
    write_json("Data/Tiled/Tilesets/CityProps.json", {
        "columns": 0, "grid": {"height": 1, "orientation": "orthogonal", "width": 1}, "margin": 0, "name": "CityProps",
        "spacing": 0, "tilecount": len(entries), "tiledversion": "1.8.2", "tileheight": 128, "tiles": entries,
        "tilewidth": 192, "type": "tileset", "version": "1.8"})


def templates():
    for name, cells in (("Platform", 3), ("MovingPlatform", 2), ("FallingPlatform", 2)):
        save(platform_art(cells, {"Platform": CYAN, "MovingPlatform": PINK, "FallingPlatform": AMBER}[name], name,
                          cracked=name == "FallingPlatform"), f"{IMAGES}/{name}.png")
        # The game's platform prefabs, dressed in this map's art: one image for the whole platform.
        write_json(f"Data/Tiled/Templates/{name}.json", {
            "object": {"height": CELL // 2, "id": 1, "name": name, "properties": props(
                prop("Source", "string", f"Data/Entities/{name}.json"),
                prop("/Graphics/Texture", "string", f"{IMAGES}/{name}.png"),
                prop("/Graphics/Layer", "string", "Foreground"),
                prop("/Graphics/Mesh/UVSize/0", "float", 1.0), prop("/Graphics/Mesh/UVSize/1", "float", 1.0)),
                "rotation": 0, "type": "", "visible": True, "width": cells * CELL},
            "type": "template"})
    beam = Image.new("RGBA", (256, 16), (0, 0, 0, 0))
    d = ImageDraw.Draw(beam)
    d.rectangle((0, 4, 255, 11), fill=PINK + (255,))
    d.rectangle((0, 6, 255, 9), fill=(255, 200, 240, 255))
    save(beam, f"{IMAGES}/Beam.png")


# ---- maps --------------------------------------------------------------------------------------------

FIRST_PROP = 1 + COLUMNS * ROWS  # firstgid of the props tileset in every city map


class Objects:
    """Makes map objects with ids in creation order, keys sorted as Tiled writes them."""

    def __init__(self):
        self.next_id = 1

    def __call__(self, **fields):
        o = {"id": self.next_id, "name": "", "rotation": 0, "type": "", "visible": True}
        o.update(fields)
        self.next_id += 1
        return dict(sorted(o.items()))


def layer(lid, name, kind, **fields):
    base = {"id": lid, "name": name, "opacity": 1, "type": kind, "visible": True, "x": 0, "y": 0}
    base.update(fields)
    return dict(sorted(base.items()))


def write_map(path, width, height, layers, next_object_id, properties):
    """A city map: the tile sheet and the props as external tilesets, 64 px cells."""
    write_json(path, {
        "compressionlevel": -1, "height": height, "infinite": False, "layers": layers,
        "nextlayerid": len(layers) + 1, "nextobjectid": next_object_id, "orientation": "orthogonal",
        "properties": properties, "renderorder": "right-down", "tiledversion": "1.8.2", "tileheight": CELL,
        "tilesets": [{"firstgid": 1, "source": "Tilesets/CityTiles.json"},
                     {"firstgid": FIRST_PROP, "source": "Tilesets/CityProps.json"}],
        "tilewidth": CELL, "type": "map", "version": "1.8", "width": width})


W, H = 40, 12
GAP = range(14, 17)


def tile_layers():
    background = [0] * (W * H)
    ground = [0] * (W * H)

    def put(layer, col, row, cell):
        layer[row * W + col] = cell + 1  # the sheet's firstgid is 1

    rng = np.random.RandomState(40)
    # Facades: three buildings with windows and pipes behind the street.
    for x0, x1, top in ((2, 9, 3), (18, 27, 2), (30, 38, 4)):
        for col in range(x0, x1):
            for row in range(top, 10):
                cell = [BRICK_ID, WINDOW_LIT, WINDOW_DARK][int(rng.randint(0, 3))] if (col - x0) % 3 != 2 else PIPE
                put(background, col, row, cell)
        for col in range(x0, x1):
            put(background, col, top, NEON_PINK if x0 % 2 == 0 else NEON_CYAN)
    # Street with a gap, walls at both ends, a ledge for coyote jumps and a high ledge.
    for col in range(W):
        if col in GAP:
            continue
        put(ground, col, 10, STREET_TOP)
        put(ground, col, 11, STREET_FILL)
    for row in range(4, 10):
        put(ground, 0, row, CONCRETE)
        put(ground, W - 1, row, CONCRETE)
    for col, cell in ((9, CAP_LEFT), (10, CAP_MID), (11, CAP_RIGHT)):
        put(ground, col, 7, cell)
    for col in range(32, 36):
        put(ground, col, 3, GRATE)
    return background, ground


def test_map():
    background, ground = tile_layers()
    obj = Objects()

    platforms = [
        # Instances carry their own size: the game centres an object by its own size only.
        obj(template="Templates/Platform.json", x=20 * CELL, y=7 * CELL, width=3 * CELL, height=CELL // 2),
        obj(template="Templates/Platform.json", x=24 * CELL, y=5 * CELL, width=4 * CELL, height=CELL // 2),
        obj(template="Templates/MovingPlatform.json", x=14 * CELL, y=9 * CELL, width=2 * CELL, height=CELL // 2,
            properties=props(prop("/Physics/Velocity/0", "float", 1.0))),
        obj(template="Templates/FallingPlatform.json", x=29 * CELL, y=int(6.5 * CELL), width=2 * CELL, height=CELL // 2),
        obj(name="Beam", x=4 * CELL, y=2 * CELL, width=256, height=16, rotation=30,
            properties=props(prop("Source", "string", f"{PREFABS}/Beam.json"))),
    ]
    scenery = props(prop("Source", "string", f"{PREFABS}/Scenery.json"))
    first_prop = FIRST_PROP
    placements = [("Lamp", 6, 10), ("NeonSign", 12, 4), ("Crate", 18, 10), ("Vending", 22, 10), ("Billboard", 32, 3),
                  ("Lamp", 37, 10)]
    names = [name for name, _ in PROPS]
    sizes = {name: draw().size for name, draw in PROPS}
    street = [obj(gid=first_prop + names.index(name), x=col * CELL, y=row * CELL, width=sizes[name][0],
                  height=sizes[name][1], name=name, properties=scenery) for name, col, row in placements]

    layers = [
        layer(1, "Skyline", "imagelayer", image="", properties=props(prop("Source", "string", f"{PREFABS}/Skyline.json"))),
        layer(2, "Facades", "tilelayer", width=W, height=H, data=background),
        layer(3, "Street", "tilelayer", width=W, height=H, data=ground),
        layer(4, "Props", "objectgroup", draworder="topdown", objects=street),
        layer(5, "Platforms", "objectgroup", draworder="topdown", objects=platforms),
    ]
    write_map("Data/Tiled/TestMap.json", W, H, layers, obj.next_id,
              props(prop("FallDelayTime", "float", 0.5), prop("MaxTime", "int", 120)))


def main():
    tilesets()
    templates()
    prefabs()
    test_map()


if __name__ == "__main__":
    main()
