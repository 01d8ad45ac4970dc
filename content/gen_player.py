#!/usr/bin/env python3
"""The player, the platforms and the test course (level 6), with their art and sounds.

Writes
    Data/Entities/Player.json                  the player prefab: tuning, key bindings, sounds
    Data/Entities/Platform.json                solid ground (one unit; maps scale it)
    Data/Entities/MovingPlatform.json          a hover pad that carries the player
    Data/Entities/FallingPlatform.json         a panel that drops a moment after it is stood on
    Data/Entities/DustVFX.json                 the landing puff
    Data/Entities/Victory/WinObject.json       the test course's goal
    Data/Entities/Hazards/Hazard.json          the test course's hazard
    Data/Particles/particles.json              rain over the test course
    Data/testLevel.json                        the test course, an entity group
    Data/Audio/testLevelSounds.json            its level sounds (the level set's, and the falling platform's)
    Assets/Images/Player/*.png, Assets/Images/Platforms/*.png
    Assets/SFX/Player/*.wav, Assets/SFX/Level/*.wav

Art follows the neon city: night violet steel, cyan and pink neon, amber warnings. Sounds are short,
soft-edged and distinct. Deterministic: fixed seeds, no timestamps.

The tuning in PLAYER is measured by tests/gameplay/player_feel_test.cpp; the course geometry in
COURSE is laid out around it (see the comments there).
"""
import json
import os
import sys

import numpy as np
from PIL import Image, ImageDraw, ImageFilter

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from city import AMBER, CYAN, NIGHT, PINK, STEEL, out, save, write_json  # noqa: E402
from gen_audio import RATE, fade, seconds, write_wav  # noqa: E402

STEEL_LIGHT = (62, 58, 96)
RED = (255, 60, 80)

# GLFW key codes.
KEY_SPACE, KEY_A, KEY_D, KEY_W, KEY_X = 32, 65, 68, 87, 88
KEY_RIGHT, KEY_LEFT, KEY_UP = 262, 263, 265
KEY_LEFT_SHIFT, KEY_RIGHT_SHIFT = 340, 344
# Gamepad 1's entries of the input table (gameplay/input.hpp): 357 + GLFW gamepad button, then the
# left stick's directions.
PAD_SOUTH, PAD_WEST, PAD_LEFT_BUMPER, PAD_RIGHT_BUMPER = 357, 359, 361, 362
PAD_RIGHT, PAD_LEFT = 369, 371
STICK_LEFT, STICK_RIGHT = 372, 373
# Read at start-up through glfwUpdateGamepadMappings: GLFW's built-in mappings cover the common
# gamepads, and a player whose gamepad is not among them adds its line here.
GAMEPAD_MAPPINGS_HEADER = """# Extra gamepad mappings, read when the game starts.
# One gamepad per line, in SDL's game controller format:
#   GUID,name,a:b0,b:b1,x:b2,y:b3,back:b6,start:b7,leftshoulder:b4,rightshoulder:b5,dpup:h0.1,...,platform:Windows,
# Lines starting with # are ignored. GLFW's built-in mappings already cover the common gamepads.
"""

GRAVITY = -40.0
# Measured feel (tests/gameplay/player_feel_test.cpp): a run of about 6 units/s reached in 0.1 s, a
# stop within 0.2 s, a full jump 2.6 units high and 4.3 units long, a short hop about 0.3 units, a
# dash of 2.5 units in 1/6 s, 0.1 s of coyote time. The speed cap applies after each frame's
# motion, so the body travels at Speed plus one frame of acceleration: 5.2 caps the run at an
# effective 6.2 units/s on the ground and 6.0 in the air.
# A jump leaves the ground at once (SkipWindup), yet its animation still opens with the wind-up's
# crouch and push; JumpWindupScalar 3 plays those in 0.08 s, a squash and stretch at take-off
# instead of a crouch in mid-air. With SkipWindup it changes nothing else.
PLAYER = {
    "Acceleration": 60.0,
    "Speed": 5.2,
    "TurnSpeed": 2.5,
    "AirControl": 0.8,
    "JumpForce": 14.5,
    "DashDistance": 2.5,
    "DashSpeed": 15.0,
    "JumpWindupScalar": 3.0,
    "JumpWindupSlowdown": 1.0,
    "CoyoteTime": 0.1,
    "SlowRate": 45.0,
    "SkipWindup": True,
}


def downsample(image, factor):
    """Draw big, shrink with a good filter: smooth edges without a blur pass."""
    return image.resize((image.width // factor, image.height // factor), Image.LANCZOS)


def glow(image, radius, strength=1.0):
    """Adds a blurred copy of the image under itself: a neon halo."""
    halo = image.filter(ImageFilter.GaussianBlur(radius))
    arr = np.asarray(halo).astype(float)
    arr[:, :, 3] *= strength
    base = Image.fromarray(arr.clip(0, 255).astype(np.uint8), "RGBA")
    base.alpha_composite(image)
    return base


# ---------------------------------------------------------------------------------------------
# Images


def wall_tile():
    """One unit of building wall: dark panels with a faint grid and rare lit windows."""
    img = Image.new("RGBA", (64, 64), STEEL + (255,))
    d = ImageDraw.Draw(img)
    d.rectangle([0, 0, 63, 63], outline=(28, 26, 48, 255), width=2)
    d.line([(0, 32), (63, 32)], fill=(30, 28, 52, 255), width=1)
    d.line([(32, 0), (32, 63)], fill=(30, 28, 52, 255), width=1)
    for x, y, c in ((8, 8, (70, 60, 120)), (40, 40, (60, 52, 104)), (44, 10, (52, 46, 92))):
        d.rectangle([x, y, x + 10, y + 12], fill=c + (255,))
    d.rectangle([10, 44, 18, 52], fill=(120, 40, 110, 255))
    return img


def trim_tile():
    """The lit edge along the top of walkable ground: a cyan strip with a soft glow below."""
    w, h = 64, 16
    arr = np.zeros((h, w, 4), float)
    for y in range(h):
        if y < 4:
            arr[y, :, :3] = CYAN
            arr[y, :, 3] = 255
        else:
            falloff = np.exp(-(y - 3) / 3.0)
            arr[y, :, :3] = CYAN
            arr[y, :, 3] = 170 * falloff
    arr[0:4, ::16, :3] = (220, 255, 255)  # light joints every quarter unit
    return Image.fromarray(arr.clip(0, 255).astype(np.uint8), "RGBA")


def pad(body, edge, stripes=None, seed=0):
    """A 1 x 0.5 unit platform tile: a body with a glowing top edge, optional warning stripes."""
    img = Image.new("RGBA", (64, 32), (0, 0, 0, 0))
    d = ImageDraw.Draw(img)
    d.rectangle([0, 3, 63, 27], fill=body + (255,))
    d.rectangle([0, 0, 63, 3], fill=edge + (255,))
    d.line([(0, 27), (63, 27)], fill=tuple(int(c * 0.6) for c in edge) + (255,), width=2)
    if stripes:
        for x in range(-32, 64, 16):
            d.polygon([(x, 26), (x + 8, 26), (x + 20, 6), (x + 12, 6)], fill=stripes + (255,))
        rng = np.random.RandomState(seed)
        for _ in range(3):  # cracks
            x = int(rng.randint(6, 58))
            d.line([(x, 6), (x + int(rng.randint(-6, 7)), 16), (x + int(rng.randint(-6, 7)), 25)],
                   fill=NIGHT + (255,), width=1)
    for x in (6, 57):
        d.ellipse([x - 2, 13, x + 2, 17], fill=tuple(int(c * 0.8) for c in edge) + (255,))
    # Underglow for the hover pad.
    return img


def hover_pad():
    img = pad((70, 30, 90), PINK)
    d = ImageDraw.Draw(img)
    for x in (12, 32, 52):
        d.rectangle([x - 5, 27, x + 5, 31], fill=PINK + (200,))
    return img


def hazard_sheet():
    """Four frames of a crackling electric barrier (red and pink arcs between two emitters)."""
    frames = []
    rng = np.random.RandomState(7)
    for f in range(4):
        img = Image.new("RGBA", (64 * 4, 32 * 4), (0, 0, 0, 0))
        d = ImageDraw.Draw(img)
        d.rectangle([0, 100, 40, 127], fill=STEEL_LIGHT + (255,))
        d.rectangle([216, 100, 255, 127], fill=STEEL_LIGHT + (255,))
        d.rectangle([0, 96, 40, 100], fill=RED + (255,))
        d.rectangle([216, 96, 255, 100], fill=RED + (255,))
        for arc in range(3):
            pts = [(36, 100 - arc * 6)]
            for x in range(56, 216, 20):
                pts.append((x, int(64 + rng.randint(-34, 34))))
            pts.append((220, 100 - arc * 6))
            d.line(pts, fill=(PINK if arc == 1 else RED) + (255,), width=5 if arc == 0 else 3)
        frames.append(glow(downsample(img, 4), 2.0, 0.9))
    sheet = Image.new("RGBA", (64 * 4, 32), (0, 0, 0, 0))
    for i, frame in enumerate(frames):
        sheet.paste(frame, (64 * i, 0))
    return sheet


def puff_sheet():
    """Four frames of a dust puff growing and fading, drawn to the right of its origin."""
    sheet = Image.new("RGBA", (64 * 4, 32), (0, 0, 0, 0))
    rng = np.random.RandomState(3)
    blobs = [(rng.uniform(-0.6, 0.6), rng.uniform(-0.2, 0.5), rng.uniform(0.5, 1.0)) for _ in range(7)]
    for f in range(4):
        grow = 0.45 + 0.2 * f
        alpha = [210, 170, 110, 50][f]
        frame = Image.new("RGBA", (64 * 4, 32 * 4), (0, 0, 0, 0))
        d = ImageDraw.Draw(frame)
        for bx, by, br in blobs:
            cx = 128 + bx * 90 * grow
            cy = 100 - by * 40 * grow
            r = br * 52 * grow + 10
            d.ellipse([cx - r, cy - r, cx + r, cy + r], fill=(190, 180, 215, alpha))
        frame = frame.filter(ImageFilter.GaussianBlur(4))
        sheet.paste(downsample(frame, 4), (64 * f, 0))
    return sheet


# ---------------------------------------------------------------------------------------------
# Sounds


def noise(n, seed):
    return np.random.RandomState(seed).uniform(-1.0, 1.0, n)


def lowpass(signal, alpha):
    """One-pole low-pass: alpha near 0 is dark, near 1 is bright."""
    out_ = np.empty_like(signal)
    acc = 0.0
    for i, v in enumerate(signal):
        acc += alpha * (v - acc)
        out_[i] = acc
    return out_


def sweep(f0, f1, duration, shape=1.0):
    t = seconds(duration)
    f = f0 + (f1 - f0) * (t / duration) ** shape
    return np.sin(2 * np.pi * np.cumsum(f) / RATE), t


def jump_sound():
    tone, t = sweep(330.0, 760.0, 0.14, 0.7)
    air = lowpass(noise(len(t), 11), 0.25)
    env = np.exp(-t * 14.0)
    return fade(0.42 * tone * env + 0.12 * air * env)


def dash_sound():
    t = seconds(0.22)
    whoosh = lowpass(noise(len(t), 12), 0.35)
    env = np.sin(np.pi * np.clip(t / 0.22, 0, 1)) ** 1.5
    tone, _ = sweep(900.0, 260.0, 0.22, 0.6)
    return fade(0.5 * whoosh * env + 0.16 * tone * env)


def land_sound():
    thump, t = sweep(140.0, 55.0, 0.12)
    grit = lowpass(noise(len(t), 13), 0.5) * np.exp(-t * 60.0)
    return fade(0.55 * thump * np.exp(-t * 28.0) + 0.2 * grit)


def footstep_loop():
    """Two soft steps in exactly 0.5 s (a stride at top speed), looping without a seam."""
    loop = np.zeros(int(0.5 * RATE))
    for k, start in enumerate((0.02, 0.27)):
        thump, t = sweep(190.0 - 20 * k, 90.0, 0.07)
        tap = 0.3 * thump * np.exp(-t * 55.0) + 0.12 * lowpass(noise(len(t), 20 + k), 0.45) * np.exp(-t * 80.0)
        i = int(start * RATE)
        loop[i:i + len(tap)] += fade(tap, 0.002)
    return loop


def falling_sound():
    t = seconds(0.7)
    rumble = lowpass(noise(len(t), 40), 0.03) * 6.0
    creak, _ = sweep(240.0, 180.0, 0.7)
    env = np.minimum(1.0, t / 0.05) * np.exp(-t * 3.0)
    return fade(np.clip(0.45 * rumble * env + 0.1 * creak * env * (1 + np.sin(2 * np.pi * 9 * t)), -0.9, 0.9))


# ---------------------------------------------------------------------------------------------
# Prefabs and the course

IMG = "Assets/Images/Player"
ANIM = "Assets/Animations/Player"
PLAT = "Assets/Images/Platforms"
SFX = "Assets/SFX/Player"
LEVEL_SFX = "Assets/SFX/Level"
TEST_SCENE = "Assets/Images/TestScene"  # the city backdrop the rendering work drew

GROUND_TOP = 8.0  # every walkable surface stays well above the fall-death height (5)
PIT_TOP = 6.0


def collider(tag, size=(1.0, 1.0), resolution=None):
    c = {"ColliderType": "Rectangle", "Collider": {"Size_Offset": list(size), "Pos_Offset": [0, 0]},
         "ColliderTag": tag}
    if resolution:
        c["Resolution"] = resolution
    return c


def player_prefab(x, y):
    return {
        # The skeleton is drawn one unit tall times the scale, centred on the entity with its feet at
        # the bottom edge; the Animation system gives the entity its Graphics and texture. The
        # collider's offsets are relative to the scale: 0.43 x 1.4 keeps the body 0.6 wide.
        "Transform": {"Translation": [x, y], "Scale": [1.4, 1.4]},
        "Animation": {"Atlas": f"{ANIM}/player.atlas", "Json": f"{ANIM}/player.json",
                      "Data": "Data/Animations/Player.json"},
        "Physics": {"Acceleration": [0, GRAVITY]},
        "Collision": collider("Player", (0.43, 1.0), "Player"),
        "PlayerBehavior": PLAYER,
        "KeyboardInput": {"Left": [KEY_LEFT, KEY_A, PAD_LEFT, STICK_LEFT],
                          "Right": [KEY_RIGHT, KEY_D, PAD_RIGHT, STICK_RIGHT],
                          "Jump": [KEY_SPACE, KEY_UP, KEY_W, PAD_SOUTH],
                          "Dash": [KEY_LEFT_SHIFT, KEY_RIGHT_SHIFT, KEY_X, PAD_WEST, PAD_LEFT_BUMPER, PAD_RIGHT_BUMPER]},
        "CameraFollow": {"Offset": [1.5, 2.0], "LERP": 4.0},
        "Light": {"InnerRadius": 0.3, "OuterRadius": 2.6, "Strength": 0.45, "Color": [0.157, 0.941, 1.0]},
        "Audio": {"Files": [
            {"Name": "Jump", "Filepath": f"{SFX}/Jump.wav"},
            {"Name": "Dash", "Filepath": f"{SFX}/Dash.wav"},
            {"Name": "Land", "Filepath": f"{SFX}/Land.wav"},
            {"Name": "Footstep", "Filepath": f"{SFX}/Footstep.wav", "Loop": True},
        ]},
    }


def block(x0, x1, y0, y1, tag="Platform"):
    """A solid rectangle from (x0, y0) to (x1, y1): an invisible collider and its drawn rows.

    Textures repeat across (the renderer wraps only horizontally), so the wall is drawn one
    unit-high row at a time, top down, the last row squeezed to what is left.
    """
    w, h = x1 - x0, y1 - y0
    solid = {
        "Transform": {"Translation": [(x0 + x1) / 2, (y0 + y1) / 2], "Scale": [w, h]},
        "Physics": {},
        "Collision": collider(tag),
    }
    rows = []
    top = y1
    while top > y0 + 1e-6:
        rh = min(1.0, top - y0)
        rows.append({
            "Transform": {"Translation": [(x0 + x1) / 2, top - rh / 2], "Scale": [w, rh]},
            "Graphics": {"Texture": f"{PLAT}/wall.png", "Mesh": {"UVSize": [w, 1]}},
        })
        top -= rh
    return solid, rows


def trim(x0, x1, top):
    """The glowing edge on walkable ground (drawing only)."""
    return {
        "Transform": {"Translation": [(x0 + x1) / 2, top - 0.125], "Scale": [x1 - x0, 0.25]},
        "Graphics": {"Texture": f"{PLAT}/trim.png", "DoLight": False, "Mesh": {"UVSize": [x1 - x0, 1]}},
    }


def platform_prefab():
    return {
        "Transform": {"Scale": [1, 1]},
        "Graphics": {"Texture": f"{PLAT}/wall.png"},
        "Physics": {},
        "Collision": collider("Platform"),
    }


def moving_prefab(x=0.0, y=0.0, width=3.0, velocity=(2.0, 0.0), period=(3.0, 0.0)):
    c = collider("MovingPlatform", resolution="MovingPlatform")
    c["Move_Period"] = list(period)
    return {
        "Transform": {"Translation": [x, y], "Scale": [width, 0.5]},
        "Graphics": {"Texture": f"{PLAT}/moving.png", "Mesh": {"UVSize": [width, 1]}},
        "Physics": {"Velocity": list(velocity)},
        "Collision": c,
    }


def falling_prefab(x=0.0, y=0.0, width=2.0):
    return {
        "Transform": {"Translation": [x, y], "Scale": [width, 0.5]},
        "Graphics": {"Texture": f"{PLAT}/falling.png", "Mesh": {"UVSize": [width, 1]}},
        "Physics": {},
        "Collision": collider("FallingPlatform", resolution="FalRec"),
    }


def light(x, y, color, outer=6.0, strength=0.8):
    return {"Transform": {"Translation": [x, y]},
            "Light": {"InnerRadius": 0.4, "OuterRadius": outer, "Strength": strength, "Color": color}}


def backdrop():
    """The rainy city behind the course: sky, moon and three skyline planes drifting at their depths."""
    def plane(texture, translation, scale, layer, ratio, color=None):
        g = {"Locked": True, "Layer": layer, "Texture": f"{TEST_SCENE}/{texture}"}
        if color:
            g["Color"] = color
        e = {"Transform": {"Translation": translation, "Scale": scale}, "Graphics": g}
        if ratio is not None:
            e["Parallax"] = {"InverseRatio": ratio, "PositionOffset": [0, 0], "Size": [1, 1]}
        return e
    return {
        "Sky": plane("sky.png", [0, 0], [2, 2], "Parallax7", [0, 0]),
        "Moon": plane("moon.png", [0.55, 0.62], [0.3, 0.533], "Parallax6", None, [1, 1, 1, 0.9]),
        "SkylineFar": plane("skyline_far.png", [0, 0.15], [2, 1.3], "Parallax5", [60, 0]),
        "SkylineMid": plane("skyline_mid.png", [0, 0.0], [2, 1.4], "Parallax3", [35, 0]),
        "SkylineNear": plane("skyline_near.png", [0, -0.2], [2, 1.2], "Parallax1", [20, 0]),
    }


# The course, left to right. Full jump: 2.6 up, 4.3 across at top speed; dash: 2.5 across.
START = (3.0, GROUND_TOP + 0.75)
COURSE = [
    # name, x0, x1, y0, y1
    ("LeftWall", -1.0, 0.0, 5.0, 19.0),
    ("GroundA", 0.0, 11.0, 6.0, GROUND_TOP),
    ("Step", 11.0, 16.0, 6.0, GROUND_TOP + 2.0),  # a wall to stop against, 2 high: jump onto it
    ("Pit1Floor", 16.0, 19.0, 5.0, PIT_TOP),  # a first 3-unit gap, down from the step
    ("GroundB", 19.0, 25.0, 6.0, GROUND_TOP),
    # The coyote ledge: 4.5 units to the far side takes a jump from the very edge; the 0.1 s of
    # grace after running off is what makes it fair.
    ("Pit2Floor", 25.0, 29.5, 5.0, PIT_TOP),
    ("GroundC", 29.5, 34.0, 6.0, GROUND_TOP),
    ("Pit3Floor", 34.0, 46.0, 5.0, PIT_TOP),  # under the moving platform
    ("GroundD", 46.0, 52.0, 6.0, GROUND_TOP),
    ("Pit4Floor", 52.0, 62.0, 5.0, PIT_TOP),  # under the falling platforms
    ("GroundE", 62.0, 68.0, 6.0, GROUND_TOP),
    # The high ledge: 2.3 up and 4 across from the edge. A jump alone is 0.5 short; a dash at the
    # top of the jump carries the player over.
    ("Pit5Floor", 68.0, 72.0, 5.0, PIT_TOP),
    ("HighLedge", 72.0, 84.0, 5.0, GROUND_TOP + 2.3),
    ("RightWall", 84.0, 85.0, 5.0, 19.0),
]
WALKABLE = {"GroundA", "Step", "GroundB", "GroundC", "GroundD", "GroundE", "HighLedge"}


def course():
    group = dict(backdrop())
    for name, x0, x1, y0, y1 in COURSE:
        solid, rows = block(x0, x1, y0, y1)
        for i, row in enumerate(rows):
            group[f"{name}Row{i}"] = row
        group[name] = solid
        if name in WALKABLE:
            group[name + "Trim"] = trim(x0, x1, y1)
    group["MovingPlatform"] = moving_prefab(36.5, GROUND_TOP - 0.25)
    group["FallingPlatform1"] = falling_prefab(55.0, GROUND_TOP + 0.25)
    group["FallingPlatform2"] = falling_prefab(59.0, GROUND_TOP + 0.25)
    for i, (x, color) in enumerate([(6, [0.157, 0.941, 1.0]), (22, [1.0, 0.196, 0.745]), (31, [1.0, 0.667, 0.235]),
                                    (40, [0.157, 0.941, 1.0]), (57, [1.0, 0.667, 0.235]),
                                    (70, [1.0, 0.196, 0.745]), (80, [0.353, 1.0, 0.706])]):
        group[f"Lamp{i}"] = light(x, GROUND_TOP + 4.5, color)
    group.update(goals())
    # The player last, so it draws over the course.
    group["Player"] = player_prefab(*START)
    return group


def goals():
    """The course's checkpoint, blinking hazard and collectables, from the prefabs gen_hud.py wrote.

    The first item lies on the way to the checkpoint, just right of the start; the blinking hazard
    guards the left wall behind the start, so a player who turns back left after the checkpoint
    meets it and comes back at the checkpoint. Nothing of it stands in the way to the step.
    """
    def at(path, x, y):
        with open(out(path)) as f:
            prefab = json.load(f)
        prefab["Transform"]["Translation"] = [x, y]
        return prefab
    return {
        "Collectable1": at("Data/Entities/Collectable.json", 5.0, GROUND_TOP + 0.7),
        "Collectable2": at("Data/Entities/Collectable.json", 13.5, GROUND_TOP + 2.8),
        "Collectable3": at("Data/Entities/Collectable.json", 77.0, GROUND_TOP + 3.1),
        "CheckPoint": at("Data/Entities/CheckPoint.json", 7.5, GROUND_TOP + 1.0),
        "BlinkingHazard": at("Data/Entities/Hazards/BlinkingHazard.json", 0.8, GROUND_TOP + 1.0),
    }


def main():
    save(wall_tile(), f"{PLAT}/wall.png")
    save(trim_tile(), f"{PLAT}/trim.png")
    save(hover_pad(), f"{PLAT}/moving.png")
    save(pad((56, 40, 40), AMBER, stripes=(60, 48, 30), seed=5), f"{PLAT}/falling.png")
    save(hazard_sheet(), f"{PLAT}/hazard.png")
    save(puff_sheet(), f"{IMG}/dust.png")

    write_wav(f"{SFX}/Jump.wav", jump_sound())
    write_wav(f"{SFX}/Dash.wav", dash_sound())
    write_wav(f"{SFX}/Land.wav", land_sound())
    write_wav(f"{SFX}/Footstep.wav", footstep_loop())
    write_wav(f"{LEVEL_SFX}/FallingPlatform.wav", falling_sound())

    write_json("Data/Entities/Player.json", player_prefab(0.0, 0.0))
    with open(out("Data/gamecontrollerdb.txt"), "w", encoding="utf-8", newline="\n") as f:
        f.write(GAMEPAD_MAPPINGS_HEADER)
    write_json("Data/Entities/Platform.json", platform_prefab())
    write_json("Data/Entities/MovingPlatform.json", moving_prefab())
    write_json("Data/Entities/FallingPlatform.json", falling_prefab())
    write_json("Data/Entities/DustVFX.json", {
        "Transform": {"Translation": [0.35, -0.55], "Scale": [0.8, 0.4]},
        "Graphics": {"Texture": f"{IMG}/dust.png", "DoLight": False,
                     "Mesh": {"SpriteSheet": {"Dim": [4, 1], "Sprite": [0, 0]}}},
        "SpriteSheet": {"Dimensions": [4, 1], "NumSprites": 4, "PlayAnim": True, "SecondsPerFrame": 0.125},
    })
    write_json("Data/Entities/Victory/WinObject.json", {
        "Transform": {"Translation": [81.0, GROUND_TOP + 2.3 + 1.0], "Scale": [1.0, 2.0]},
        # The goal's arch from gen_hud.py: frame 0 still to reach, frame 1 reached.
        "Graphics": {"Texture": "Assets/Images/Goals/goal.png", "DoLight": False},
        "SpriteSheet": {"Dimensions": [2, 1], "NumSprites": 2, "Index": 0, "PlayAnim": False},
        "Physics": {},
        "Collision": collider("Win", (0.8, 1.0)),
        "Light": {"InnerRadius": 0.5, "OuterRadius": 4.0, "Strength": 0.9, "Color": [1.0, 0.3, 0.8]},
    })
    write_json("Data/Entities/Hazards/Hazard.json", {
        "Transform": {"Translation": [21.5, GROUND_TOP + 0.25], "Scale": [1.2, 0.5]},
        "Graphics": {"Texture": f"{PLAT}/hazard.png", "DoLight": False,
                     "Mesh": {"SpriteSheet": {"Dim": [4, 1], "Sprite": [0, 0]}}},
        "SpriteSheet": {"Dimensions": [4, 1], "NumSprites": 4, "PlayAnim": True, "SecondsPerFrame": 0.07},
        "Physics": {},
        "Collision": collider("Hazard", (0.8, 0.8)),
        "Light": {"InnerRadius": 0.2, "OuterRadius": 2.2, "Strength": 0.8, "Color": [1.0, 0.235, 0.314]},
    })
    write_json("Data/Particles/particles.json", {
        "Transform": {"Translation": [0, 0], "Scale": [0.1, 0.25]},
        "Graphics": {"Texture": f"{TEST_SCENE}/rain.png", "Locked": True, "Layer": "Foreground",
                     "Color": [0.7, 0.85, 1.0, 0.45]},
        "Particles": {"NumberOfParticles": 4, "Burst": True, "TimePerParticle": 0.016, "LifeTime": 1.1,
                      "SecondsTillFade": 1.1, "PositionOffset": 38, "AngleStart": -1.8707963267948966,
                      "AngleEnd": -1.2707963267948965, "Speed": [12, 16], "Acceleration": [0, -2],
                      "Position": [0, 44], "Color": [1, 1, 1, 1]},
    })
    write_json("Data/testLevel.json", course())
    # The playable levels' sounds (content/gen_hud.py) and the falling platform's.
    write_json("Data/Audio/testLevelSounds.json", {"Files": [
        {"Name": name, "Filepath": f"{LEVEL_SFX}/{name}.wav"}
        for name in ("Collectable", "CheckpointReached", "Hazard", "Respawn", "Win", "FallingPlatform")
    ]})


if __name__ == "__main__":
    main()
