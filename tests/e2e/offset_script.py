#!/usr/bin/env python3
"""Moves an input script's events later, so one level's run can be played inside a longer one.

    offset_script.py SCRIPT FRAMES

Prints SCRIPT's key, mouse, cursor, pad and stick lines with every frame number moved FRAMES later
and drops its "level", "window" and "frames" lines (the longer run has its own); comments and blank lines go.
The last line printed is a comment "# ends N": the moved script's "frames" value (or, without one, its
last event), so that the caller knows when the level's part is over.
"""
import sys

# The frame fields of each event, by position after the keyword.
FRAME_FIELDS = {"hold": (1, 2), "press": (1,), "mouse": (1, 2), "cursor": (0,), "pad": (1, 2), "stick": (2, 3),
                "gamepad": (1,)}


def shift(text, offset):
    out, end = [], 0
    for number, raw in enumerate(text.splitlines(), 1):
        line = raw.split("#", 1)[0].split()
        if not line:
            continue
        word, args = line[0], line[1:]
        if word == "frames":
            end = int(args[0]) + offset
            continue
        if word in ("level", "window"):
            continue
        if word not in FRAME_FIELDS:
            raise ValueError(f"line {number}: unknown line '{raw.strip()}'")
        for i in FRAME_FIELDS[word]:
            args[i] = str(int(args[i]) + offset)
            end = max(end, int(args[i]))
        out.append(" ".join([word] + args))
    out.append(f"# ends {end}")
    return "\n".join(out) + "\n"


def main():
    if len(sys.argv) != 3:
        sys.exit("usage: offset_script.py SCRIPT FRAMES")
    with open(sys.argv[1], encoding="utf-8") as f:
        text = f.read()
    try:
        sys.stdout.write(shift(text, int(sys.argv[2])))
    except ValueError as e:
        sys.exit(f"{sys.argv[1]}: {e}")


if __name__ == "__main__":
    main()
