#!/usr/bin/env python3
"""A test character that uses every kind of rig a Spine 3.8 export can carry.

Writes
  Assets/Animations/Showcase/showcase.png    the atlas page
  Assets/Animations/Showcase/showcase.atlas  the texture atlas
  Assets/Animations/Showcase/showcase.json   the skeleton
  Data/Animations/Showcase.json              mix durations

A patrol sentry, 200 units tall with its soles at -100: legs planted by two-bone IK (the walk keys
only where the feet go), a rifle held by a transform constraint on the hand, a scarf of three
bones on a path that flutters by deform keys, a chevron visor whose scan line is clipped by a
concave mask, and "footstep" events on the walk's contact frames. Not in any level: the tests,
the skeleton viewer and the benchmarks use it.

Deterministic: same inputs, same bytes.
"""
import math
import os
import sys

from PIL import Image, ImageDraw

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from city import AMBER, CYAN, PINK, STEEL, save, write_json  # noqa: E402

ASSETS = "Assets/Animations/Showcase"
PLATE = (96, 104, 150)
PLATE_LIGHT = (160, 170, 220)
DARK = (20, 18, 36)

# name: (width, height) in skeleton units; one texture pixel per unit.
REGIONS = {
    "torso": (40, 76), "head": (36, 42), "visor": (30, 16), "glow": (40, 6), "thigh": (16, 52),
    "shin": (14, 52), "foot": (28, 10), "arm": (12, 46), "rifle": (50, 14), "scarf": (22, 10),
}


def draw_region(name, w, h):
    img = Image.new("RGBA", (w * 4, h * 4), (0, 0, 0, 0))
    d = ImageDraw.Draw(img)
    W, H = w * 4 - 1, h * 4 - 1
    if name == "glow":
        d.rectangle((0, 4, W, H - 4), fill=CYAN + (255,))
    elif name == "visor":
        d.rounded_rectangle((0, 0, W, H), radius=12, fill=DARK + (255,), outline=CYAN + (255,), width=4)
    elif name == "scarf":
        d.polygon([(0, 0), (W, 6), (W, H - 6), (0, H)], fill=PINK + (255,), outline=(120, 20, 90, 255))
    elif name == "rifle":
        d.rectangle((0, 12, W, H - 12), fill=STEEL + (255,), outline=PLATE_LIGHT + (255,), width=4)
        d.rectangle((W - 40, 20, W - 8, H - 20), fill=AMBER + (255,))
    else:
        d.rounded_rectangle((0, 0, W, H), radius=min(W, H) // 4, fill=PLATE + (255,), outline=DARK + (255,), width=6)
        d.line((10, 10, 10, H - 10), fill=PLATE_LIGHT + (255,), width=6)
    return img.resize((w, h), Image.LANCZOS)


def atlas():
    images = {name: draw_region(name, w, h) for name, (w, h) in REGIONS.items()}
    page = Image.new("RGBA", (256, 128), (0, 0, 0, 0))
    lines = ["", "showcase.png", "size: 256,128", "format: RGBA8888", "filter: Linear,Linear", "repeat: none"]
    x, y, shelf = 2, 2, 0
    for name in sorted(images, key=lambda n: (-REGIONS[n][1], n)):
        w, h = REGIONS[name]
        if x + w + 2 > 256:
            x, y, shelf = 2, y + shelf + 2, 0
        page.paste(images[name], (x, y))
        lines += [name, "  rotate: false", f"  xy: {x}, {y}", f"  size: {w}, {h}", f"  orig: {w}, {h}",
                  "  offset: 0, 0", "  index: -1"]
        x += w + 2
        shelf = max(shelf, h)
    save(page, f"{ASSETS}/showcase.png")
    with open(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", ASSETS, "showcase.atlas"), "w",
              newline="\n") as f:
        f.write("\n".join(lines) + "\n")


# --- Skeleton ----------------------------------------------------------------------------------------

# (name, parent, x, y, rotation, length); rotations are local, degrees.
BONES = [
    ("root", None, 0, 0, 0, 0),
    ("hip", "root", 0, -10, 0, 0),
    ("torso", "hip", 0, 0, 90, 70),
    ("head", "torso", 72, 0, 0, 40),
    ("scan", "head", 20, 0, 0, 0),
    ("arm", "torso", 62, 0, -150, 42),
    ("hand", "arm", 42, 0, 0, 0),
    ("thigh_back", "hip", -6, 0, -90, 45),
    ("shin_back", "thigh_back", 45, 0, 0, 45),
    ("thigh_front", "hip", 6, 0, -90, 45),
    ("shin_front", "thigh_front", 45, 0, 0, 45),
    ("foot_back", "root", -8, -95, 0, 0),
    ("foot_front", "root", 14, -95, 0, 0),
    ("rifle", "root", 0, 0, 0, 50),
    ("scarf1", "root", 0, 0, 0, 18),
    ("scarf2", "root", 0, 0, 0, 18),
    ("scarf3", "root", 0, 0, 0, 18),
]


def world():
    """Setup-pose world origin and angle of every bone (every scale is 1)."""
    out = {}
    for name, parent, x, y, rot, _ in BONES:
        if parent is None:
            out[name] = (x, y, rot)
            continue
        px, py, pr = out[parent]
        c, s = math.cos(math.radians(pr)), math.sin(math.radians(pr))
        out[name] = (px + c * x - s * y, py + s * x + c * y, pr + rot)
    return out


def local_point(bone, wx, wy, setup):
    bx, by, br = setup[bone]
    c, s = math.cos(math.radians(-br)), math.sin(math.radians(-br))
    dx, dy = wx - bx, wy - by
    return round(c * dx - s * dy, 3), round(s * dx + c * dy, 3)


def region(bone, name, wx, wy, angle, setup):
    """A region centred on world (wx, wy), turned `angle` degrees in the world."""
    x, y = local_point(bone, wx, wy, setup)
    w, h = REGIONS[name]
    return {"x": x, "y": y, "rotation": round(angle - setup[bone][2], 3), "width": w, "height": h}


def skeleton():
    setup = world()
    skin = {
        "leg_back_thigh": {"thigh": region("thigh_back", "thigh", *along(setup, "thigh_back", 22), 0, setup)},
        "leg_back_shin": {"shin": region("shin_back", "shin", *along(setup, "shin_back", 22), 0, setup)},
        "leg_back_foot": {"foot": region("foot_back", "foot", setup["foot_back"][0] + 6, -96, 0, setup)},
        "torso": {"torso": region("torso", "torso", 0, 24, 0, setup)},
        "head": {"head": region("head", "head", 2, 84, 0, setup)},
        "visor": {"visor": region("head", "visor", 8, 88, 0, setup)},
        "glow": {"glow": region("scan", "glow", 8, setup["scan"][1], 0, setup)},
        "leg_front_thigh": {"thigh": region("thigh_front", "thigh", *along(setup, "thigh_front", 22), 0, setup)},
        "leg_front_shin": {"shin": region("shin_front", "shin", *along(setup, "shin_front", 22), 0, setup)},
        "leg_front_foot": {"foot": region("foot_front", "foot", setup["foot_front"][0] + 6, -96, 0, setup)},
        "arm": {"arm": region("arm", "arm", *along(setup, "arm", 21), setup["arm"][2] + 90, setup)},
        "rifle": {"rifle": {"x": 22, "y": 0, "width": 50, "height": 14}},
    }
    for i in (1, 2, 3):
        skin[f"scarf{i}"] = {"scarf": {"x": 9, "y": 0, "width": 22, "height": 10}}
    # The chevron visor mask: a band that dips to a point in the middle (concave at its top).
    chevron = [(-8, 82), (24, 82), (24, 96), (8, 90), (-8, 96)]
    mask = []
    for wx, wy in chevron:
        mask += local_point("head", wx, wy, setup)
    skin["visor_mask"] = {"mask": {"type": "clipping", "end": "glow", "vertexCount": len(chevron), "vertices": mask,
                                   "color": "ce3a3aff"}}
    # The scarf's path: from the back of the neck, trailing behind and down. Three vertices, each
    # an in-handle, the point and an out-handle.
    path = [(-4, 64), (-10, 62), (-16, 60), (-26, 56), (-34, 52), (-42, 48), (-50, 46), (-58, 42), (-66, 38)]
    rail = []
    for wx, wy in path:
        rail += local_point("torso", wx, wy, setup)
    skin["scarf_path"] = {"scarf_path": {"type": "path", "vertexCount": 9, "vertices": rail,
                                         "lengths": [28.7, 57.4, 86.1], "color": "ff7f00ff"}}

    slots = [("scarf_path", "torso", "scarf_path"), ("leg_back_thigh", "thigh_back", "thigh"),
             ("leg_back_shin", "shin_back", "shin"), ("leg_back_foot", "foot_back", "foot"),
             ("scarf3", "scarf3", "scarf"), ("scarf2", "scarf2", "scarf"), ("scarf1", "scarf1", "scarf"),
             ("torso", "torso", "torso"), ("head", "head", "head"), ("visor_mask", "head", "mask"),
             ("visor", "head", "visor"), ("glow", "scan", "glow"), ("leg_front_thigh", "thigh_front", "thigh"),
             ("leg_front_shin", "shin_front", "shin"), ("leg_front_foot", "foot_front", "foot"),
             ("rifle", "rifle", "rifle"), ("arm", "arm", "arm")]
    bones = []
    for name, parent, x, y, rot, length in BONES:
        bone = {"name": name}
        for key, value in (("parent", parent), ("length", length), ("x", x), ("y", y), ("rotation", rot)):
            if value:
                bone[key] = value
        bones.append(bone)
    back_tint = "b4b4c8ff"
    return {
        "skeleton": {"hash": "velkor-sentry-1", "spine": "3.8.75", "x": -70, "y": -100, "width": 140, "height": 200,
                     "images": "./", "audio": ""},
        "bones": bones,
        "slots": [dict({"name": n, "bone": b, "attachment": a}, **({"color": back_tint} if "back" in n else {}))
                  for n, b, a in slots],
        "ik": [
            {"name": "leg_back", "order": 0, "bones": ["thigh_back", "shin_back"], "target": "foot_back",
             "bendPositive": False, "softness": 2},
            {"name": "leg_front", "order": 1, "bones": ["thigh_front", "shin_front"], "target": "foot_front",
             "bendPositive": False, "softness": 2},
        ],
        "transform": [{"name": "grip", "order": 2, "bones": ["rifle"], "target": "hand", "rotation": 60,
                       "x": 2, "y": -4, "scaleMix": 0, "shearMix": 0}],
        "path": [{"name": "scarf", "order": 3, "bones": ["scarf1", "scarf2", "scarf3"], "target": "scarf_path",
                  "rotateMode": "chain", "spacing": 1}],
        "skins": [{"name": "default", "attachments": skin}],
        "events": {"footstep": {"int": 0, "float": 1, "string": ""}},
        "animations": {"idle": idle(), "walk": walk(), "aim": aim()},
    }


def along(setup, bone, distance):
    x, y, r = setup[bone]
    return x + math.cos(math.radians(r)) * distance, y + math.sin(math.radians(r)) * distance


def scan_keys(period):
    return [{"time": 0, "x": -8, "curve": 0.25, "c2": 0, "c3": 0.75, "c4": 1},
            {"time": period / 2, "x": 8, "curve": 0.25, "c2": 0, "c3": 0.75, "c4": 1},
            {"time": period, "x": -8}]


def flutter(period, amount):
    """Deform keys that ripple the scarf's path up and down."""
    keys = []
    for i, t in enumerate((0, period / 2, period)):
        sign = 1 if i % 2 == 0 else -1
        verts = []
        for v in range(9):
            verts += [0, round(sign * amount * (v / 8) ** 1.5, 3)]
        keys.append({"time": t, "vertices": verts})
    return keys


def idle():
    return {
        "bones": {"hip": {"translate": [{"time": 0, "y": 0}, {"time": 1, "y": -3}, {"time": 2, "y": 0}]},
                  "scan": {"translate": scan_keys(2)}},
        "deform": {"default": {"scarf_path": {"scarf_path": flutter(2, 4)}}},
    }


def walk():
    # Feet move back along the ground during their stance half and lift forward in the swing.
    def foot(phase, home):
        keys = []
        for i in range(9):
            t = i / 8
            p = (t + phase) % 1
            if p < 0.5:
                x, y = home + 22 - 88 * p, -95
            else:
                q = (p - 0.5) * 2
                x, y = home - 22 + 44 * q, -95 + 14 * math.sin(math.pi * q)
            keys.append({"time": round(t, 4), "x": round(x - home, 3), "y": round(y + 95, 3)})
        return keys
    return {
        "bones": {
            "foot_front": {"translate": foot(0.0, 14)},
            "foot_back": {"translate": foot(0.5, -8)},
            "hip": {"translate": [{"time": t, "y": y} for t, y in ((0, -4), (0.25, 0), (0.5, -4), (0.75, 0), (1, -4))]},
            "arm": {"rotate": [{"time": 0, "angle": 12}, {"time": 0.5, "angle": -12}, {"time": 1, "angle": 12}]},
            "scan": {"translate": scan_keys(1)},
        },
        "deform": {"default": {"scarf_path": {"scarf_path": flutter(0.5, 7)}}},
        "path": {"scarf": {"spacing": [{"time": 0, "spacing": 1}, {"time": 0.5, "spacing": 3}, {"time": 1, "spacing": 1}]}},
        "events": [{"time": 0, "name": "footstep", "string": "front"},
                   {"time": 0.5, "name": "footstep", "string": "back", "int": 1}],
    }


def aim():
    return {
        "bones": {"arm": {"rotate": [{"time": 0, "angle": 0}, {"time": 0.3, "angle": 80}]},
                  "scan": {"translate": [{"time": 0, "x": 0}]}},
        "transform": {"grip": [{"time": 0, "rotateMix": 1, "translateMix": 1, "scaleMix": 0, "shearMix": 0},
                               {"time": 0.3, "rotateMix": 0.5, "translateMix": 1, "scaleMix": 0, "shearMix": 0}]},
        "ik": {"leg_front": [{"time": 0, "mix": 1, "bendPositive": False}, {"time": 0.3, "mix": 0.6, "bendPositive": False}]},
        "path": {"scarf": {"mix": [{"time": 0, "rotateMix": 1, "translateMix": 1}],
                           "position": [{"time": 0, "position": 0}, {"time": 0.3, "position": 0.05}]}},
    }


def main():
    atlas()
    write_json(f"{ASSETS}/showcase.json", skeleton(), indent=1)
    write_json("Data/Animations/Showcase.json", {"DefaultMix": 0.15, "Mixes": [["walk", "aim", 0.1]]})


if __name__ == "__main__":
    main()
