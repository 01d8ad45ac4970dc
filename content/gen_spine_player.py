#!/usr/bin/env python3
"""The player character: a small neon-lit runner as a skeleton in the Spine 3.8 JSON format.

Writes
  Assets/Animations/Player/player.png    the atlas page (every body part, drawn here)
  Assets/Animations/Player/player.atlas  the texture atlas (libGDX text format)
  Assets/Animations/Player/player.json   the skeleton: bones, slots, skin, seven animations
  Data/Animations/Player.json            mix durations and aliases for the game

The skeleton is 200 units tall, feet at -100 and head top near +100, so the entity's Transform
centres it on the collider. Motion is computed, not hand-keyed: legs are posed by two-bone IK
from foot paths, so planted feet stay planted and the run's contact phase moves the foot back at
exactly the player's top speed.

Deterministic: same inputs, same bytes.
"""
import json
import math
import os

import numpy as np
from PIL import Image, ImageDraw, ImageFilter

from png import save_png

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
ASSET_DIR = os.path.join(ROOT, "Assets", "Animations", "Player")
DATA_DIR = os.path.join(ROOT, "Data", "Animations")

HEIGHT = 200.0          # skeleton units from the soles to the top of the helmet
PX = 2                  # texture pixels per skeleton unit
SS = 4                  # supersampling when drawing parts

# Gameplay numbers the motion is fitted to (the player prefab's Speed and Transform scale).
RUN_SPEED = 6.0         # world units per second
WORLD_HEIGHT = 1.4      # the player is drawn 1.4 world units tall
UNITS_PER_WORLD = HEIGHT / WORLD_HEIGHT

# Palette: gunmetal suit with white highlights, cyan visor and piping, amber scarf. Warm and cold
# accents both, so the runner reads against the violet-cyan city and the orange foundry alike.
SUIT = (78, 88, 132)
SUIT_LIGHT = (142, 158, 214)
SUIT_DARK = (40, 44, 74)
WHITE = (236, 244, 255)
CYAN = (60, 236, 255)
AMBER = (255, 168, 52)
AMBER_LIGHT = (255, 214, 120)
SOLE = (210, 220, 236)


# --- Drawing -------------------------------------------------------------------------------------

def canvas(w, h):
    """A supersampled transparent canvas for a part w x h skeleton units."""
    img = Image.new("RGBA", (int(w * PX * SS), int(h * PX * SS)), (0, 0, 0, 0))
    return img, ImageDraw.Draw(img)


def s(v):
    """Skeleton units to supersampled pixels."""
    return v * PX * SS


def finish(img, size=None):
    """Down-samples (to `size` units when given, stretching the drawing) and bleeds edge colours
    into transparent pixels, so linear filtering never pulls in black at silhouette edges."""
    w, h = (img.size[0] // SS, img.size[1] // SS) if size is None else (int(size[0] * PX), int(size[1] * PX))
    small = img.resize((w, h), Image.LANCZOS)
    a = np.asarray(small).astype(np.float32)
    rgb, alpha = a[..., :3], a[..., 3:4]
    weight = alpha / 255.0
    acc, wsum = rgb * weight, weight.copy()
    for _ in range(3):
        blur_acc = np.zeros_like(acc)
        blur_w = np.zeros_like(wsum)
        for dy in (-1, 0, 1):
            for dx in (-1, 0, 1):
                blur_acc += np.roll(np.roll(acc, dy, 0), dx, 1)
                blur_w += np.roll(np.roll(wsum, dy, 0), dx, 1)
        acc = np.where(wsum > 0, acc, blur_acc)
        wsum = np.where(wsum > 0, wsum, blur_w)
    filled = np.where(wsum > 0, acc / np.maximum(wsum, 1e-6), 0)
    out = np.concatenate([np.where(alpha > 0, rgb, filled), alpha], axis=-1)
    return Image.fromarray(np.clip(out + 0.5, 0, 255).astype(np.uint8), "RGBA")


def capsule(d, box, fill, outline=None, width=0):
    x0, y0, x1, y1 = box
    r = min(x1 - x0, y1 - y0) / 2
    d.rounded_rectangle(box, radius=r, fill=fill, outline=outline, width=width)


def glow(img, box_draw, color, radius):
    """Draws a blurred copy of a shape under the image: neon bloom."""
    layer = Image.new("RGBA", img.size, (0, 0, 0, 0))
    box_draw(ImageDraw.Draw(layer), color)
    layer = layer.filter(ImageFilter.GaussianBlur(radius))
    return Image.alpha_composite(layer, img)


def part_head():
    w, h = 56, 52
    img, d = canvas(w, h)
    # Helmet: a rounded dome, darker at the back, a white rim light on top.
    d.ellipse((s(4), s(3), s(52), s(50)), fill=SUIT_DARK + (255,))
    d.ellipse((s(6), s(4), s(51), s(47)), fill=SUIT + (255,))
    d.arc((s(9), s(6), s(47), s(40)), 200, 300, fill=WHITE + (255,), width=int(s(2.2)))
    # Visor: a cyan band facing forward (+x), with a bright core.
    d.rounded_rectangle((s(22), s(18), s(55), s(33)), radius=s(7), fill=(20, 40, 60, 255))
    d.rounded_rectangle((s(25), s(21), s(54), s(30)), radius=s(4.5), fill=CYAN + (255,))
    d.rounded_rectangle((s(33), s(23), s(51), s(26)), radius=s(1.5), fill=WHITE + (255,))
    # Ear light and antenna.
    d.ellipse((s(13), s(22), s(21), s(30)), fill=AMBER + (255,))
    d.line((s(14), s(8), s(8), s(0.5)), fill=SUIT_LIGHT + (255,), width=int(s(2)))
    d.ellipse((s(5.5), s(0), s(10.5), s(4.5)), fill=AMBER_LIGHT + (255,))
    img = glow(img, lambda g, c: g.rounded_rectangle((s(24), s(19), s(55), s(32)), radius=s(6), fill=c),
               CYAN + (150,), s(2.5))
    return img


def part_torso():
    w, h = 46, 62
    img, d = canvas(w, h)
    # Jacket: broad shoulders narrowing to the waist.
    d.polygon([(s(4), s(12)), (s(12), s(3)), (s(36), s(3)), (s(43), s(12)), (s(39), s(58)), (s(8), s(58))],
              fill=SUIT + (255,))
    d.polygon([(s(4), s(12)), (s(12), s(3)), (s(16), s(3)), (s(12), s(58)), (s(8), s(58))], fill=SUIT_DARK + (255,))
    d.polygon([(s(30), s(3)), (s(36), s(3)), (s(43), s(12)), (s(39), s(58)), (s(35), s(58))], fill=SUIT_LIGHT + (255,))
    # Collar and cyan zip line; amber chevron on the chest.
    d.rounded_rectangle((s(14), s(0), s(34), s(8)), radius=s(3), fill=SUIT_DARK + (255,))
    d.line((s(29), s(8), s(27), s(57)), fill=CYAN + (255,), width=int(s(2.2)))
    d.line((s(30), s(20), s(38), s(26), s(30), s(32)), fill=AMBER + (255,), width=int(s(2.5)), joint="curve")
    # Hem.
    d.rectangle((s(8), s(54), s(39), s(59)), fill=SUIT_DARK + (255,))
    img = glow(img, lambda g, c: g.line((s(29), s(8), s(27), s(57)), fill=c, width=int(s(3))), CYAN + (170,), s(2))
    return img


def part_pelvis():
    w, h = 40, 24
    img, d = canvas(w, h)
    d.rounded_rectangle((s(3), s(3), s(37), s(23)), radius=s(6), fill=SUIT_DARK + (255,))
    d.rectangle((s(3), s(4), s(37), s(9)), fill=(22, 22, 36, 255))
    d.rounded_rectangle((s(23), s(3.5), s(31), s(9.5)), radius=s(1.5), fill=CYAN + (255,))
    return img


def part_limb(w, h, stripe, pad=None, band=None, glove=False, boot=False):
    """An upright limb segment, joint ends rounded, light side at the front (+x)."""
    img, d = canvas(w, h)
    capsule(d, (s(1), s(1), s(w - 1), s(h - 1)), SUIT + (255,))
    capsule(d, (s(w * 0.55), s(2), s(w - 2), s(h - 2)), SUIT_LIGHT + (255,))
    capsule(d, (s(1), s(1), s(w * 0.45), s(h - 1)), SUIT_DARK + (255,))
    capsule(d, (s(w * 0.3), s(1.5), s(w * 0.8), s(h - 1.5)), SUIT + (255,))
    if stripe:
        d.line((s(w * 0.72), s(w * 0.5), s(w * 0.72), s(h - w * 0.5)), fill=CYAN + (255,), width=int(s(1.6)))
    if pad:
        d.rounded_rectangle((s(2), s(pad[0]), s(w - 2), s(pad[1])), radius=s(3), fill=SUIT_LIGHT + (255,))
    if band:
        d.rectangle((s(1.5), s(band[0]), s(w - 1.5), s(band[1])), fill=AMBER + (255,))
    if glove:
        d.ellipse((s(0), s(h - w - 1), s(w), s(h)), fill=(26, 26, 40, 255))
        d.ellipse((s(w * 0.45), s(h - w * 0.8), s(w * 0.9), s(h - w * 0.35)), fill=CYAN + (255,))
    if boot:
        d.rounded_rectangle((s(0.5), s(h - 12), s(w - 0.5), s(h - 0.5)), radius=s(4), fill=(26, 26, 40, 255))
    return img


def part_foot():
    w, h = 36, 15
    img, d = canvas(w, h)
    # Sneaker, toe to the right: dark upper, white sole, cyan glow strip.
    d.rounded_rectangle((s(1), s(1), s(33), s(12)), radius=s(5), fill=(30, 30, 46, 255))
    d.pieslice((s(18), s(1), s(36), s(19)), 180, 360, fill=(30, 30, 46, 255))
    d.rounded_rectangle((s(0), s(10), s(36), s(15)), radius=s(2.5), fill=SOLE + (255,))
    d.line((s(4), s(9), s(32), s(9)), fill=CYAN + (255,), width=int(s(1.6)))
    img = glow(img, lambda g, c: g.line((s(4), s(9), s(32), s(9)), fill=c, width=int(s(2.5))), CYAN + (160,), s(1.6))
    return img


def part_scarf():
    w, h = 30, 12
    img, d = canvas(w, h)
    # A ribbon tapering towards its free end (+x).
    d.polygon([(s(0), s(1)), (s(30), s(4)), (s(28), s(9)), (s(0), s(11))], fill=AMBER + (255,))
    d.line((s(0), s(2.2), s(29), s(4.6)), fill=AMBER_LIGHT + (255,), width=int(s(1.4)))
    return img


def part_trail():
    w, h = 150, 60
    img = Image.new("RGBA", (int(w * PX), int(h * PX)), (0, 0, 0, 0))
    a = np.zeros((int(h * PX), int(w * PX), 4), np.float32)
    xs = np.linspace(0.0, 1.0, a.shape[1])[None, :]
    ys = np.linspace(-1.0, 1.0, a.shape[0])[:, None]
    # Speed streaks: bright near the body (+x end), fading out behind; the widest streak at the middle.
    alpha = np.zeros_like(ys * xs)
    for center, thickness, strength in ((0.0, 0.32, 1.0), (-0.55, 0.08, 0.7), (0.5, 0.1, 0.75), (0.8, 0.05, 0.5)):
        alpha = np.maximum(alpha, strength * np.exp(-((ys - center) / thickness) ** 2) * xs ** 1.6)
    a[..., 0] = 60 + 170 * alpha
    a[..., 1] = 236
    a[..., 2] = 255
    a[..., 3] = 255 * np.clip(alpha * 0.85, 0, 1)
    img = Image.fromarray(a.astype(np.uint8), "RGBA")
    return img


def part_spark():
    w = h = 30
    img, d = canvas(w, h)
    c = s(15)
    for angle, length in ((0, 15), (90, 15), (45, 8), (135, 8)):
        dx, dy = math.cos(math.radians(angle)) * s(length), math.sin(math.radians(angle)) * s(length)
        d.polygon([(c - dx, c - dy), (c + dy * 0.12, c - dx * 0.12), (c + dx, c + dy), (c - dy * 0.12, c + dx * 0.12)],
                  fill=WHITE + (255,))
    img = glow(img, lambda g, col: g.ellipse((c - s(7), c - s(7), c + s(7), c + s(7)), fill=col), CYAN + (200,), s(3))
    return img


# --- The skeleton ---------------------------------------------------------------------------------

# name, parent, x, y (in the parent's space), local rotation, length
BONES = [
    ("root", None, 0, -100, 0, 0),
    ("hip", "root", 0, 92, 0, 10),
    ("torso", "hip", 0, 0, 90, 54),
    ("head", "torso", 54, 0, 0, 50),
    ("scarf1", "torso", 54, 4, 125, 24),
    ("scarf2", "scarf1", 24, 0, -10, 24),
    ("armB_up", "torso", 46, 3, -180, 28),
    ("armB_lo", "armB_up", 28, 0, 0, 26),
    ("thighB", "hip", -2, -3, -90, 42),
    ("shinB", "thighB", 42, 0, 0, 40),
    ("footB", "shinB", 40, 0, 90, 12),
    ("thighF", "hip", 2, -3, -90, 42),
    ("shinF", "thighF", 42, 0, 0, 40),
    ("footF", "shinF", 40, 0, 90, 12),
    ("armF_up", "torso", 46, -3, -180, 28),
    ("armF_lo", "armF_up", 28, 0, 0, 26),
    ("fx", "armF_lo", 30, 0, 0, 0),
]
BONE = {b[0]: b for b in BONES}
THIGH, SHIN = 42.0, 40.0

# Slots back to front: slot, bone, region, world centre of the part in the setup pose (or None
# for parts laid along their bone), tint.
DIM = "9fa6b8ff"      # far limbs sit back in the dark
SLOTS = [
    ("trail", "hip", None, None, "ffffffff"),
    ("scarf2", "scarf2", "scarf", "along", "e0e0e0ff"),
    ("scarf1", "scarf1", "scarf", "along", "ffffffff"),
    ("armB_up", "armB_up", "upperarm", None, DIM),
    ("armB_lo", "armB_lo", "forearm", None, DIM),
    ("thighB", "thighB", "thigh", None, DIM),
    ("shinB", "shinB", "shin", None, DIM),
    ("footB", "footB", "foot", None, DIM),
    ("pelvis", "hip", "pelvis", None, "ffffffff"),
    ("torso", "torso", "torso", None, "ffffffff"),
    ("thighF", "thighF", "thigh", None, "ffffffff"),
    ("shinF", "shinF", "shin", None, "ffffffff"),
    ("footF", "footF", "foot", None, "ffffffff"),
    ("head", "head", "head", None, "ffffffff"),
    ("armF_up", "armF_up", "upperarm", None, "ffffffff"),
    ("armF_lo", "armF_lo", "forearm", None, "ffffffff"),
    ("fx", "fx", None, None, "ffffffff"),
]
SETUP_ATTACHMENT = {"trail": None, "fx": None}

# Each part is drawn in its own units and then stretched to its size on the skeleton: chunky
# limbs and a big helmet keep the silhouette readable at 140 pixels tall.
REGIONS = {
    "head": (part_head, (66, 60)), "torso": (part_torso, (54, 64)), "pelvis": (part_pelvis, (46, 28)),
    "thigh": (lambda: part_limb(21, 50, stripe=True), (27, 52)),
    "shin": (lambda: part_limb(18, 48, stripe=False, pad=(3, 13), boot=True), (23, 50)),
    "upperarm": (lambda: part_limb(16, 34, stripe=False, band=(12, 16)), (21, 36)),
    "forearm": (lambda: part_limb(15, 40, stripe=True, glove=True), (20, 42)),
    "foot": (part_foot, (42, 17)), "scarf": (part_scarf, (40, 15)),
    "trail": (part_trail, None), "spark": (part_spark, None),
}


def world_setup():
    """World position and angle of every bone in the setup pose (root frame: feet at y = 0)."""
    out = {}
    for name, parent, x, y, rot, _ in BONES:
        if parent is None:
            out[name] = (0.0, 0.0, rot)
            continue
        px, py, pr = out[parent]
        c, sn = math.cos(math.radians(pr)), math.sin(math.radians(pr))
        out[name] = (px + c * x - sn * y, py + sn * x + c * y, pr + rot)
    return out


def part_centres():
    """Setup-pose world centres of the parts (units, feet at 0)."""
    return {
        "head": (5, 174), "torso": (0, 121), "pelvis": (0, 90),
        "thighB": (-2, 68), "thighF": (2, 68), "shinB": (-2, 27), "shinF": (2, 27),
        "footB": (6, 8.5), "footF": (10, 8.5),
        "armB_up": (-3, 124), "armF_up": (3, 124), "armB_lo": (-3, 91), "armF_lo": (3, 91),
    }


def attachment_for(slot, bone, region, size, setup):
    """Places an upright part at its world centre, or lays a part along its bone."""
    w, h = size
    bx, by, br = setup[bone]
    if region in ("scarf",):
        return {"x": round(w / 2 - 2, 2), "y": 0, "width": w, "height": h}
    if region == "trail":
        return {"x": -62, "y": 20, "width": w, "height": h}
    if region == "spark":
        return {"width": w, "height": h}
    cx, cy = part_centres()[slot]
    c, sn = math.cos(math.radians(-br)), math.sin(math.radians(-br))
    dx, dy = cx - bx, cy - by
    return {"x": round(c * dx - sn * dy, 3), "y": round(sn * dx + c * dy, 3), "rotation": round(-br, 3),
            "width": w, "height": h}


# --- Poses and animations ----------------------------------------------------------------------

def ik(hip, ankle, thigh_len=THIGH, shin_len=SHIN):
    """World angles (thigh, shin) that put the ankle at `ankle`, knee forward (+x)."""
    dx, dy = ankle[0] - hip[0], ankle[1] - hip[1]
    d = min(math.hypot(dx, dy), thigh_len + shin_len - 0.01)
    base = math.degrees(math.atan2(dy, dx))
    cos_a = (thigh_len ** 2 + d ** 2 - shin_len ** 2) / (2 * thigh_len * d)
    a = math.degrees(math.acos(max(-1.0, min(1.0, cos_a))))
    thigh = base + a
    kx = hip[0] + thigh_len * math.cos(math.radians(thigh))
    ky = hip[1] + thigh_len * math.sin(math.radians(thigh))
    shin = math.degrees(math.atan2(ankle[1] - ky, ankle[0] - kx))
    return thigh, shin


def pose(**kw):
    """A pose in world angles (degrees) plus hip offset and scale. Unset parts stand."""
    p = {
        "hip": (0.0, 0.0), "hip_rot": 0.0, "hip_scale": (1.0, 1.0),
        "torso": 88.0, "head": 91.0, "scarf1": 215.0, "scarf2": 235.0,
        "armF_up": -96.0, "armF_lo": -80.0, "armB_up": -84.0, "armB_lo": -72.0,
        "footF": 0.0, "footB": 0.0, "fx_scale": 1.0,
    }
    p.update(kw)
    hip_y = 92 + p["hip"][1] - 3
    for leg, ax in (("F", 6.0), ("B", -6.0)):
        if "thigh" + leg not in p:
            ankle = p.get("ankle" + leg, (ax, 7.0))
            p["thigh" + leg], p["shin" + leg] = ik((p["hip"][0] + (2 if leg == "F" else -2), hip_y), ankle)
    return p


def locals_of(p):
    """Local rotations (absolute) of every posed bone."""
    hr = p["hip_rot"]
    return {
        "hip": hr,
        "torso": p["torso"] - hr,
        "head": p["head"] - p["torso"],
        "scarf1": p["scarf1"] - p["torso"],
        "scarf2": p["scarf2"] - p["scarf1"],
        "armF_up": p["armF_up"] - p["torso"], "armF_lo": p["armF_lo"] - p["armF_up"],
        "armB_up": p["armB_up"] - p["torso"], "armB_lo": p["armB_lo"] - p["armB_up"],
        "thighF": p["thighF"] - hr, "shinF": p["shinF"] - p["thighF"], "footF": p["footF"] - p["shinF"],
        "thighB": p["thighB"] - hr, "shinB": p["shinB"] - p["thighB"], "footB": p["footB"] - p["shinB"],
    }


def wrap(a):
    return (a + 180.0) % 360.0 - 180.0


def curve_keys(key, curve):
    if curve == "stepped":
        key["curve"] = "stepped"
    elif curve is not None:
        key["curve"], key["c2"], key["c3"], key["c4"] = curve
    return key


EASE = (0.25, 0.0, 0.75, 1.0)
EASE_OUT = (0.1, 0.6, 0.4, 1.0)
EASE_IN = (0.5, 0.0, 0.9, 0.4)


def animate(frames, extra_slots=None):
    """frames: [(time, pose, curve to the next key)]. Returns the animation's JSON."""
    setup = {b[0]: b[4] for b in BONES}
    bones = {}
    previous = {}
    for time, p, curve in frames:
        loc = locals_of(p)
        for bone, angle in loc.items():
            delta = wrap(angle - setup[bone])
            # Keep consecutive keys within half a turn so interpolation takes the intended way.
            if bone in previous:
                while delta - previous[bone] > 180:
                    delta -= 360
                while delta - previous[bone] < -180:
                    delta += 360
            previous[bone] = delta
            key = curve_keys({"time": round(time, 4), "angle": round(delta, 3)}, curve)
            bones.setdefault(bone, {}).setdefault("rotate", []).append(key)
        hx, hy = p["hip"]
        bones.setdefault("hip", {}).setdefault("translate", []).append(
            curve_keys({"time": round(time, 4), "x": round(hx, 3), "y": round(hy, 3)}, curve))
        sx, sy = p["hip_scale"]
        bones["hip"].setdefault("scale", []).append(
            curve_keys({"time": round(time, 4), "x": round(sx, 4), "y": round(sy, 4)}, curve))
        bones.setdefault("fx", {}).setdefault("scale", []).append(
            curve_keys({"time": round(time, 4), "x": p["fx_scale"], "y": p["fx_scale"]}, curve))
    # Drop timelines that never move: smaller files, less work per frame.
    for bone in list(bones):
        for kind in list(bones[bone]):
            keys = bones[bone][kind]
            values = {tuple(v for k, v in key.items() if k not in ("time", "curve", "c2", "c3", "c4")) for key in keys}
            unit = {(0.0,)} if kind == "rotate" else ({(1.0, 1.0), (1, 1)} if kind == "scale" else {(0.0, 0.0), (0, 0)})
            if values <= unit or (len(values) == 1 and kind != "rotate" and values <= unit):
                del bones[bone][kind]
        if not bones[bone]:
            del bones[bone]
    out = {"bones": bones}
    if extra_slots:
        out["slots"] = extra_slots
    return out


def stand(**kw):
    """Ready stance: feet apart, knees a little bent."""
    kw.setdefault("hip", (0.0, -3.0))
    kw.setdefault("ankleF", (9.0, 7.0))
    kw.setdefault("ankleB", (-8.0, 7.0))
    return pose(**kw)


def idle():
    a = stand()
    b = stand(hip=(0.0, -5.5), torso=86.0, head=93.0, armF_up=-99.0, armF_lo=-84.0, armB_up=-81.0, armB_lo=-68.0,
              scarf1=208.0, scarf2=222.0)
    return animate([(0.0, a, EASE), (1.0, b, EASE), (2.0, a, None)])


def run():
    """Two steps in 0.5 s. In contact the ankle slides back at exactly RUN_SPEED, so the foot holds
    still on the ground; in the swing it kicks up behind and reaches forward for the next step."""
    cycle = 0.5
    foot_speed = RUN_SPEED * UNITS_PER_WORLD
    sweep = 37.0
    contact = 2 * sweep / foot_speed / cycle  # fraction of the cycle one foot is down
    samples = 30
    frames = []

    swing_time = (1.0 - contact) * cycle
    edge = 0.08  # parts of the swing at each end where the foot still moves with the ground
    edge_travel = foot_speed * edge * swing_time

    def foot(phase):
        phase %= 1.0
        if phase < contact:
            t = phase * cycle
            return (sweep - foot_speed * t, 7.0), 0.0
        s_ = (phase - contact) / (1.0 - contact)
        if s_ < edge:  # toe-off: the heel lifts while the ball of the foot still pushes
            u = s_ / edge
            return (-sweep - edge_travel * u, 7.0 + 3.0 * u), -32.0 * u
        if s_ > 1.0 - edge:  # touchdown: the foot paws back at ground speed as it comes down
            u = (s_ - (1.0 - edge)) / edge
            return (sweep + edge_travel * (1.0 - u), 10.0 - 3.0 * u), 4.0 * (1.0 - u)
        u = (s_ - edge) / (1.0 - 2 * edge)
        x0, x1 = -sweep - edge_travel, sweep + edge_travel
        x = x0 + (x1 - x0) * (1 - math.cos(math.pi * u)) / 2
        y = 10.0 + 43.0 * math.sin(math.pi * u ** 0.75) * (1 - 0.35 * u)
        return (x, y), -32.0 * (1 - u) + 4.0 * u

    for i in range(samples + 1):
        phase = i / samples
        bob = math.cos(4 * math.pi * (phase - contact / 2))
        hip_y = -11.5 - 3.5 * bob
        (af, ff) = foot(phase)
        (ab, fb) = foot(phase + 0.5)
        swing = math.cos(2 * math.pi * phase)
        p = pose(hip=(0.0, hip_y), torso=77.0 + 2.0 * bob, head=86.0,
                 ankleF=af, ankleB=ab, footF=ff, footB=fb,
                 armF_up=-90.0 - 52.0 * swing, armF_lo=-90.0 - 52.0 * swing + 100.0,
                 armB_up=-90.0 + 52.0 * swing, armB_lo=-90.0 + 52.0 * swing + 100.0,
                 scarf1=176.0 + 7.0 * math.sin(4 * math.pi * phase),
                 scarf2=172.0 + 12.0 * math.sin(4 * math.pi * phase - 1.3))
        frames.append((phase * cycle, p, None))
    return animate(frames)


def crouch_pose(depth, **kw):
    return pose(hip=(0.0, -depth), **kw)


RISE = dict(torso=88.0, head=92.0, thighF=-35.0, shinF=-112.0, footF=-25.0, thighB=-105.0, shinB=-128.0, footB=-40.0,
            armF_up=25.0, armF_lo=75.0, armB_up=160.0, armB_lo=185.0, scarf1=235.0, scarf2=250.0)


def jump_idle():
    """The wind-up's 0.2333 s: a crouch that loads the legs, then the push; then the rising tuck."""
    start = stand()
    crouch = crouch_pose(15.0, torso=70.0, head=80.0, armF_up=-150.0, armF_lo=-125.0, armB_up=-140.0, armB_lo=-110.0,
                         scarf1=215.0, scarf2=205.0)
    push = pose(hip=(0.0, 4.0), torso=86.0, head=92.0, thighF=-88.0, shinF=-92.0, footF=-45.0,
                thighB=-96.0, shinB=-98.0, footB=-50.0, armF_up=55.0, armF_lo=85.0, armB_up=35.0, armB_lo=70.0,
                scarf1=240.0, scarf2=255.0)
    rise = pose(**RISE)
    return animate([(0.0, start, EASE_OUT), (0.1, crouch, EASE_IN), (0.2333, push, EASE_OUT), (0.4, rise, None)])


def jump_apex():
    rise = pose(**RISE)
    tuck = pose(torso=84.0, head=90.0, thighF=-25.0, shinF=-118.0, footF=-20.0, thighB=-60.0, shinB=-140.0, footB=-35.0,
                armF_up=5.0, armF_lo=40.0, armB_up=170.0, armB_lo=150.0, scarf1=175.0, scarf2=165.0)
    fall = pose(torso=90.0, head=95.0, thighF=-72.0, shinF=-96.0, footF=-12.0, thighB=-108.0, shinB=-100.0,
                footB=-18.0, armF_up=40.0, armF_lo=75.0, armB_up=135.0, armB_lo=115.0, scarf1=130.0, scarf2=115.0)
    return animate([(0.0, rise, EASE), (0.15, tuck, EASE), (0.35, fall, None)])


def dash():
    """Stretched flat along the dash, the speed trail behind."""
    lunge = dict(torso=48.0, head=38.0, thighF=232.0, shinF=205.0, footF=190.0, thighB=218.0, shinB=196.0, footB=182.0,
                 armF_up=205.0, armF_lo=196.0, armB_up=215.0, armB_lo=204.0, scarf1=183.0, scarf2=180.0)
    a = pose(hip=(0.0, 6.0), hip_scale=(1.25, 0.82), **lunge)
    b = pose(hip=(0.0, 6.0), hip_scale=(1.38, 0.76), **lunge)
    c = pose(hip=(0.0, 6.0), hip_scale=(1.2, 0.88), **lunge)
    d = pose(hip=(0.0, 4.0), hip_scale=(1.08, 0.95), **dict(lunge, torso=60.0, head=55.0))
    slots = {"trail": {"attachment": [{"time": 0, "name": "trail"}, {"time": 0.2, "name": None}],
                       "color": [{"time": 0, "color": "ffffffff"}, {"time": 0.2, "color": "5a7080ff"}]}}
    return animate([(0.0, a, EASE_OUT), (0.03, b, EASE), (0.15, c, EASE), (0.2, d, None)], slots)


def dead():
    """Hit, crumple, glitch, de-res: the body flashes red, twitches, and squashes to a line."""
    start = stand()
    hit = pose(hip=(0.0, 5.0), torso=118.0, head=145.0, armF_up=110.0, armF_lo=135.0, armB_up=65.0, armB_lo=45.0,
               thighF=-60.0, shinF=-100.0, thighB=-118.0, shinB=-82.0, footF=-20.0, footB=-30.0,
               scarf1=260.0, scarf2=280.0)
    crumple = pose(hip=(0.0, -28.0), hip_rot=-8.0, torso=150.0, head=172.0, armF_up=-55.0, armF_lo=-35.0,
                   armB_up=-130.0, armB_lo=-100.0, thighF=-15.0, shinF=-112.0, thighB=-40.0, shinB=-135.0,
                   footF=-10.0, footB=-20.0, scarf1=300.0, scarf2=320.0)
    twitch_a = dict(crumple, hip_scale=(1.2, 0.8))
    twitch_b = dict(crumple, hip_scale=(0.9, 1.1), hip=(3.0, -28.0))
    gone = dict(crumple, hip_scale=(1.7, 0.04), hip=(0.0, -40.0))
    colors = [(0.0, "ffffffff"), (0.08, "ff5060ff"), (0.35, "c02040ff"), (0.6, "8a2a8aff"), (0.9, "301040ff")]
    slots = {}
    for slot in [sl[0] for sl in SLOTS if sl[0] not in ("trail", "fx")]:
        slots[slot] = {"color": [{"time": t, "color": c} for t, c in colors]}
    return animate([(0.0, start, EASE_OUT), (0.08, hit, EASE), (0.35, crumple, "stepped"), (0.55, twitch_a, "stepped"),
                    (0.62, twitch_b, "stepped"), (0.68, crumple, EASE_IN), (0.9, gone, None)], slots)


def finish_anim():
    """A small victory: dip, a hop with a fist pump, land, and hold the fist up while it sparks."""
    start = stand()
    dip = crouch_pose(11.0, torso=80.0, head=86.0, armF_up=-130.0, armF_lo=-110.0, armB_up=-120.0, armB_lo=-100.0)
    hop = pose(hip=(0.0, 22.0), torso=93.0, head=102.0, thighF=-60.0, shinF=-105.0, footF=-25.0,
               thighB=-100.0, shinB=-125.0, footB=-35.0, armF_up=22.0, armF_lo=70.0, armB_up=-135.0, armB_lo=-115.0,
               scarf1=245.0, scarf2=255.0, fx_scale=1.5)
    land = crouch_pose(7.0, torso=86.0, head=96.0, armF_up=8.0, armF_lo=52.0, armB_up=-120.0, armB_lo=-100.0,
                       fx_scale=0.9)
    hold = pose(torso=90.0, head=98.0, armF_up=12.0, armF_lo=60.0, armB_up=-105.0, armB_lo=-95.0,
                scarf1=210.0, scarf2=220.0, fx_scale=1.15)
    hold2 = dict(hold, armF_up=20.0, armF_lo=72.0, scarf1=198.0, scarf2=186.0, fx_scale=0.85)
    slots = {"fx": {"attachment": [{"time": 0, "name": None}, {"time": 0.3, "name": "spark"}]},
             "head": {"color": [{"time": 0.75, "color": "ffffffff"}, {"time": 0.9, "color": "b8e0ffff"},
                                {"time": 1.05, "color": "ffffffff"}, {"time": 1.2, "color": "b8e0ffff"},
                                {"time": 1.3, "color": "ffffffff"}]}}
    return animate([(0.0, start, EASE_OUT), (0.12, dip, EASE_OUT), (0.35, hop, EASE_IN), (0.52, land, EASE_OUT),
                    (0.75, hold, EASE), (1.0, hold2, EASE), (1.3, hold, None)], slots)


# --- Atlas packing and output ----------------------------------------------------------------------

def pack(images, page_w=512, pad=2):
    """Shelf packing, tallest first; returns placements and the page height (a power of two)."""
    order = sorted(images, key=lambda n: (-images[n].size[1], n))
    x = y = shelf = 0
    places = {}
    for name in order:
        w, h = images[name].size
        if x + w + pad > page_w:
            x, y, shelf = 0, y + shelf + pad, 0
        places[name] = (x + pad, y + pad)
        x += w + pad
        shelf = max(shelf, h)
    height = 1
    while height < y + shelf + 2 * pad:
        height *= 2
    return places, height


def main():
    os.makedirs(ASSET_DIR, exist_ok=True)
    os.makedirs(DATA_DIR, exist_ok=True)
    images = {}
    for name, (draw, size) in sorted(REGIONS.items()):
        img = draw()
        images[name] = img if img.size[0] == 0 or name == "trail" else finish(img, size)
    places, page_h = pack(images)
    page_w = 512
    page = Image.new("RGBA", (page_w, page_h), (0, 0, 0, 0))
    for name, (x, y) in places.items():
        page.paste(images[name], (x, y))
    save_png(page, os.path.join(ASSET_DIR, "player.png"))

    lines = ["", "player.png", f"size: {page_w},{page_h}", "format: RGBA8888", "filter: Linear,Linear", "repeat: none"]
    for name in sorted(places):
        w, h = images[name].size
        x, y = places[name]
        lines += [name, "  rotate: false", f"  xy: {x}, {y}", f"  size: {w}, {h}", f"  orig: {w}, {h}",
                  "  offset: 0, 0", "  index: -1"]
    with open(os.path.join(ASSET_DIR, "player.atlas"), "w", newline="\n") as f:
        f.write("\n".join(lines) + "\n")

    setup = world_setup()
    bones = []
    for name, parent, x, y, rot, length in BONES:
        bone = {"name": name}
        if parent:
            bone["parent"] = parent
        if length:
            bone["length"] = length
        if x:
            bone["x"] = x
        if y:
            bone["y"] = y
        if rot:
            bone["rotation"] = rot
        bones.append(bone)
    slots, skin = [], {}
    for slot, bone, region, placement, color in SLOTS:
        entry = {"name": slot, "bone": bone}
        if color != "ffffffff":
            entry["color"] = color
        attachments = {}
        if region:
            size = tuple(v / PX for v in images[region].size)
            attachments[region] = attachment_for(slot, bone, region, size, setup)
            entry["attachment"] = region
        if slot == "trail":
            size = tuple(v / PX for v in images["trail"].size)
            attachments["trail"] = attachment_for(slot, bone, "trail", size, setup)
        if slot == "fx":
            size = tuple(v / PX for v in images["spark"].size)
            attachments["spark"] = attachment_for(slot, bone, "spark", size, setup)
        if attachments:
            skin[slot] = attachments
        slots.append(entry)
    skeleton = {
        "skeleton": {"hash": "velkor-runner-1", "spine": "3.8.75", "x": -40, "y": -100, "width": 80, "height": HEIGHT,
                     "images": "./", "audio": ""},
        "bones": bones,
        "slots": slots,
        "skins": [{"name": "default", "attachments": skin}],
        "animations": {
            "idle": idle(),
            "run": run(),
            "jump/jump_idle": jump_idle(),
            "jump/jump_apex": jump_apex(),
            "dash": dash(),
            "dead": dead(),
            "finish": finish_anim(),
        },
    }
    with open(os.path.join(ASSET_DIR, "player.json"), "w", newline="\n") as f:
        json.dump(skeleton, f, indent=1, sort_keys=False)
        f.write("\n")

    mixes = [["idle", "run", 0.12], ["run", "idle", 0.15],
             ["idle", "jump/jump_idle", 0.05], ["run", "jump/jump_idle", 0.05],
             ["jump/jump_idle", "jump/jump_apex", 0.18], ["jump/jump_apex", "idle", 0.08], ["jump/jump_apex", "run", 0.08],
             ["jump/jump_idle", "idle", 0.08], ["jump/jump_idle", "run", 0.08],
             ["dash", "jump/jump_apex", 0.12], ["dash", "jump/jump_idle", 0.12]]
    for start in ("idle", "run", "jump/jump_idle", "jump/jump_apex"):
        mixes.append([start, "dash", 0.03])
    for end in ("dead", "finish"):
        for start in ("idle", "run", "jump/jump_idle", "jump/jump_apex", "dash"):
            mixes.append([start, end, 0.05 if end == "dead" else 0.12])
    data = {"DefaultMix": 0.1, "Mixes": mixes,
            "AnimationAliases": {"jump": "jump/jump_idle", "apex": "jump/jump_apex", "win": "finish"}}
    with open(os.path.join(DATA_DIR, "Player.json"), "w", newline="\n") as f:
        json.dump(data, f, indent=1)
        f.write("\n")


if __name__ == "__main__":
    main()
