#!/usr/bin/env python3
"""The first level's map: a street course through the neon city that teaches one move at a time.

Writes
  Data/Tiled/Level1.json                    the map (Tiled 1.8: external tilesets, platform templates)
  Data/Tiled/Prefabs/StreetLamp.json        a street prop that glows (the lamps and signs of the map)

Units: one map cell (64 px) is one world unit; the street's top is at y = 8, three rows above the
fall-death height (y = 5), so every gap in the street is a drop that costs a life.

Reachability, from the player prefab's tuning and what the feel tests measure: top run speed 6.2 u/s,
a held jump rises 2.6 and carries 4.5 at full run, a tap rises under 0.5, the dash covers 2.5 in the
air, coyote time 0.1 s. Every required gap is at most 3.5 (3 when it also rises 1, 2 when it rises 2),
every required rise at most 2 (77 % of the full jump), a dash gap at most 5 (jump and dash together
reach 6.8). Each landing is within 8 units ahead of its take-off, so the 19.2 x 10.8 view shows it
before the jump.

The course, left to right (x):
  0-22    run: the robot greets, the movement prompt; a low step to hop and a gem over it
  22-25   jump: a shallow ditch with a floor (falling in costs nothing but the climb out)
  30-40   held jump: a ledge 2 high, a gem on it
  44-47   late jump: the street ends at a lip; a gap taken from the very edge
  48-60   dash on the flat (the dash prompt); 60-65 a gap that needs the jump and the dash
  78-86   a falling platform over a drop
  92      first checkpoint; 96-108 a moving platform to ride over a drop
  112-120 a blinking hazard under a low ceiling: wait for it to go off
  126-180 falling platform, ledge, hazard and a dash gap together
  186     second checkpoint; up onto the rooftops (a gem on a platform above them, off the way on)
  226-242 a chain of three falling platforms: no time to stand
  253-282 hazards under gantries, one and then two in a row, off together
  282-293 a moving platform; 297 the third checkpoint
  305-348 a dash gap, a climb, a drop, a falling platform left with a jump and a dash
  348-371 a hazard, a moving platform left with a jump and a dash (a gem on a platform above the roof)
  392-420 down to the street and the goal at 410
Deterministic; run by content/build.
"""
import gen_tiled
from gen_tiled import CELL, NEON_CYAN, NEON_PINK, PREFABS, Objects, layer, prop, props, \
    write_json, write_map

# The sheet's second street, fill, concrete and grate cells: the same art as the solid ones, but only
# drawn. The street collides through one wide block per stretch instead of a block per cell, which
# keeps a fast fall from ending between two cells and is a fraction of the collision work.
STREET_TOP, STREET_FILL, CONCRETE, GRATE = 31, 22, 20, 21

W, H = 420, 18
STREET = 8  # the street's top
MAX_TIME = 115  # seconds: the finishing replay takes 82 (+40 %); a first careful run with a death or two fits

PLAYER = "Data/Entities/Player.json"
CHECKPOINT = "Data/Entities/CheckPoint.json"
COLLECTABLE = "Data/Entities/Collectable.json"
BLINKING = "Data/Entities/Hazards/BlinkingHazard.json"
GOAL = "Data/Entities/Victory/WinObject.json"
LAMP = f"{PREFABS}/StreetLamp.json"
SOLID = f"{PREFABS}/Solid.json"
SCENERY = f"{PREFABS}/Scenery.json"

# Solid ground: (from x, to x, top). Everything below a top down to y = 5 is filled; tops above the
# street are buildings, drawn as facades with a neon strip under the roof.
GROUND = [(0, 22, 8), (22, 25, 6), (25, 44, 8), (47, 60, 8), (65, 78, 8), (86, 96, 8), (108, 132, 8),
          (140, 146, 8), (160, 175, 8), (180, 196, 8),
          # Up onto the rooftops: a 2 rise over 2, a 1 rise over 3, a 2 drop over 3.
          (198, 206, 10), (209, 216, 11), (219, 226, 9),
          # After a chain of falling platforms; then two roofs with blinking hazards under gantries.
          (242, 250, 10), (253, 270, 10), (273, 282, 10),
          # After the second moving platform: the last checkpoint, a dash gap, a 2 climb, a 1 drop over 3.
          (293, 305, 10), (310, 318, 10), (318, 326, 12), (329, 338, 11),
          # A dash off a falling platform, a hazard, the third moving platform and a dash off it.
          (348, 358, 10), (371, 386, 10),
          # Down to the street and the goal.
          (392, W, 8)]
# Raised blocks standing on the street: (from x, to x, top).
LEDGES = [(12, 14, 9), (30, 40, 10), (148, 160, 10)]
# Low ceilings over the blinking hazards, so they cannot be jumped: (from x, to x, bottom).
CEILINGS = [(112, 120, 11), (163, 169, 11), (257, 263, 13), (275, 281, 13), (351, 356, 13)]
WALLS = [(0, STREET, H)]  # (x, from y, to y): the start's back wall

FALLING = [(82, 8), (136, 9), (229.5, 9), (234, 10), (238.5, 10), (342, 11), (389, 9)]  # (centre x, top)
# (centre x at the start, top, x velocity, period of each reversal)
MOVING = [(98.5, 8, 2.0, 4.0), (283.5, 10, 2.0, 4.0), (359.5, 10, 2.0, 3.0)]
PLATFORMS = [(212.5, 13), (378, 12)]  # static platforms (centre x, top), each holding a gem off the way on
HAZARDS = [(116, 8), (166, 8), (260, 10), (277, 10), (279, 10), (353, 10)]  # blinking hazards: (x, floor)
CHECKPOINTS = [(92, 8), (186, 8), (297, 10)]
GOAL_X = 410
START = (3.0, STREET + 0.75)
COLLECTABLES = [(13, 10.6), (35, 11.2), (62.5, 11.0), (103.5, 9.1), (136, 11.2), (177.5, 11.0),
                (212.5, 14.2), (234, 11.8), (266, 11.0), (288, 10.9), (308.2, 13.2), (378, 13.2)]
LAMPS = [(9, NEON_CYAN, 8), (27, NEON_PINK, 8), (52, NEON_CYAN, 8), (70, NEON_PINK, 8), (90, NEON_CYAN, 8),
         (110, NEON_PINK, 8), (124, NEON_CYAN, 8), (143, NEON_PINK, 8), (172, NEON_CYAN, 8), (190, NEON_PINK, 8),
         (202, NEON_CYAN, 10), (245, NEON_PINK, 10), (268, NEON_CYAN, 10), (301, NEON_PINK, 10), (335, NEON_CYAN, 11),
         (383, NEON_PINK, 10), (398, NEON_CYAN, 8), (416, NEON_PINK, 8)]
LAMP_COLOURS = {NEON_CYAN: [0.16, 0.94, 1.0], NEON_PINK: [1.0, 0.2, 0.75]}
# Rooftop dressing (prop, left x, floor): billboards and signs the player passes in front of.
DRESSING = [("Billboard", 199.5, 10), ("Crate", 222, 9), ("Vending", 247, 10), ("Billboard", 264.5, 10),
            ("Crate", 303, 10), ("Vending", 312, 10), ("Billboard", 331.5, 11), ("Vending", 374, 10),
            ("Billboard", 400, 8), ("Vending", 406.5, 8), ("Crate", 414, 8)]
# Facade cells of the sheet that are drawn only: lit and dark windows, brick; and the neon strips.
FACADE = [29, 23, 24, 19, 30, 5, 6, 18]
STRIPS = [11, 12, 28]

def cells(x0, x1):
    return range(int(x0), int(round(x1)))


def tile_layer():
    data = [0] * (W * H)

    def put(col, y_bottom, cell):
        row = H - 1 - int(y_bottom)
        if 0 <= col < W and 0 <= row < H:
            data[row * W + col] = cell + 1  # the sheet's firstgid is 1

    for n, (x0, x1, top) in enumerate(GROUND):
        for col in cells(x0, x1):
            for y in range(5, int(top)):
                if y == int(top) - 1:
                    put(col, y, STREET_TOP)
                elif top <= STREET:
                    put(col, y, STREET_FILL)
                elif y == int(top) - 2:
                    put(col, y, STRIPS[n % len(STRIPS)])
                else:
                    put(col, y, FACADE[(col * 7 + y * 3 + n) % len(FACADE)])
    for x0, x1, top in LEDGES:
        for col in cells(x0, x1):
            for y in range(STREET, int(round(top + 0.49))):
                put(col, y, CONCRETE)
            put(col, int(round(top + 0.49)) - 1, STREET_TOP)
    for x0, x1, bottom in CEILINGS:
        for col in cells(x0, x1):
            for y in range(int(bottom), H):
                put(col, y, GRATE)
    for x, y0, y1 in WALLS:
        for y in range(y0, y1):
            put(x, y, CONCRETE)
    return data


def rect(obj, source, centre, size, **extra):
    """An object by its centre and size in world units (Tiled's origin: top-left, y down)."""
    (cx, cy), (w, h) = centre, size
    fields = dict(x=round((cx - w / 2) * CELL, 2), y=round((H - cy - h / 2) * CELL, 2), width=round(w * CELL, 2),
                  height=round(h * CELL, 2))
    fields.update(extra)
    if source:
        fields["properties"] = props(prop("Source", "string", source), *fields.get("properties", []))
    return obj(**fields)


def main():
    write_json(LAMP, {"Transform": {}, "Graphics": {"Layer": "Default"},
                      "Light": {"InnerRadius": 0.6, "OuterRadius": 5.0, "Strength": 0.9, "Color": [1.0, 0.67, 0.25]}})

    write_json(SOLID, {"Transform": {}, "Physics": {}, "Collision": gen_tiled.collider("Platform")})

    obj = Objects()
    solids = [rect(obj, SOLID, ((x0 + x1) / 2, (5 + top) / 2), (x1 - x0, top - 5), name="Street")
              for x0, x1, top in GROUND]
    solids += [rect(obj, SOLID, ((x0 + x1) / 2, (STREET + top) / 2), (x1 - x0, top - STREET), name="Ledge")
               for x0, x1, top in LEDGES]
    solids += [rect(obj, SOLID, ((x0 + x1) / 2, (bottom + H) / 2), (x1 - x0, H - bottom), name="Ceiling")
               for x0, x1, bottom in CEILINGS]
    solids += [rect(obj, SOLID, (x + 0.5, (y0 + y1) / 2), (1, y1 - y0), name="Wall") for x, y0, y1 in WALLS]
    platforms = []
    for x, top in FALLING:
        platforms.append(rect(obj, None, (x, top - 0.25), (2, 0.5), name="FallingPlatform",
                              template="Templates/FallingPlatform.json"))
    for x, top in PLATFORMS:
        platforms.append(rect(obj, None, (x, top - 0.25), (3, 0.5), name="Platform", template="Templates/Platform.json"))
    for x, top, speed, period in MOVING:
        platforms.append(rect(obj, None, (x, top - 0.25), (3, 0.5), name="MovingPlatform",
                              template="Templates/MovingPlatform.json",
                              properties=props(prop("/Collision/Move_Period/0", "float", period),
                                               prop("/Collision/Move_Period/1", "float", 0.0),
                                               prop("/Physics/Velocity/0", "float", speed))))

    goals = [rect(obj, CHECKPOINT, (x, floor + 1), (1, 2), name="CheckPoint") for x, floor in CHECKPOINTS]
    goals += [rect(obj, COLLECTABLE, c, (0.8, 0.8), name="Collectable") for c in COLLECTABLES]
    goals.append(rect(obj, GOAL, (GOAL_X, STREET + 1), (1, 2), name="Goal"))
    hazards = [rect(obj, BLINKING, (x, floor + 1), (1, 2), name="BlinkingHazard") for x, floor in HAZARDS]

    # Street lamps: the props tileset's lamp (a tile object, origin bottom-left), lit in the colour
    # of the neon strip above them.
    names = [name for name, _ in gen_tiled.PROPS]
    lamp_gid = gen_tiled.FIRST_PROP + names.index("Lamp")
    lamps = []
    for x, colour, floor in LAMPS:
        lamps.append(obj(gid=lamp_gid, name="Lamp", x=round((x - 0.25) * CELL), y=(H - floor) * CELL, width=32,
                         height=128, properties=props(
                             prop("Source", "string", LAMP),
                             prop("/Light/Color/0", "float", LAMP_COLOURS[colour][0]),
                             prop("/Light/Color/1", "float", LAMP_COLOURS[colour][1]),
                             prop("/Light/Color/2", "float", LAMP_COLOURS[colour][2]))))
    sizes = {name: draw().size for name, draw in gen_tiled.PROPS}
    scenery = props(prop("Source", "string", SCENERY))
    dressing = [obj(gid=gen_tiled.FIRST_PROP + names.index(name), name=name, x=round(x * CELL), y=(H - floor) * CELL,
                    width=sizes[name][0], height=sizes[name][1], properties=scenery) for name, x, floor in DRESSING]
    player = [rect(obj, PLAYER, START, (1.4, 1.4), name="Player")]

    layers = [
        layer(1, "Street", "tilelayer", width=W, height=H, data=tile_layer()),
        layer(2, "Solids", "objectgroup", draworder="topdown", objects=solids),
        layer(3, "Dressing", "objectgroup", draworder="topdown", objects=dressing),
        layer(4, "Lamps", "objectgroup", draworder="topdown", objects=lamps),
        layer(5, "Platforms", "objectgroup", draworder="topdown", objects=platforms),
        layer(6, "Hazards", "objectgroup", draworder="topdown", objects=hazards),
        layer(7, "Goals", "objectgroup", draworder="topdown", objects=goals),
        layer(8, "Start", "objectgroup", draworder="topdown", objects=player),
    ]
    write_map("Data/Tiled/Level1.json", W, H, layers, obj.next_id, props(
        prop("Audio", "string", "Data/Audio/Level1Sounds.json"), prop("CollectiblesRequred", "int", len(COLLECTABLES)),
        prop("FallDelayTime", "float", 0.5), prop("MaxTime", "int", MAX_TIME)))


if __name__ == "__main__":
    main()
