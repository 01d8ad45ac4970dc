#!/usr/bin/env python3
"""Finds the test course's ground edge in a screenshot: the longest horizontal run of its unlit
cyan (40, 240, 255, with paler joints), which only the walkable tops draw that long. Gaps of a
few pixels (a raindrop in front) do not break a run. Prints "row left right" of the longest run
at least 400 pixels long (left is 0 when it reaches the screen edge); exits 1 if none."""
import sys

import numpy as np
from PIL import Image

pixels = np.asarray(Image.open(sys.argv[1]).convert("RGB")).astype(int)
r, g, b = pixels[:, :, 0], pixels[:, :, 1], pixels[:, :, 2]
cyan = (g >= 215) & (b >= 230) & (r <= 225)
# Close gaps up to 8 pixels along each row.
for shift in range(1, 9):
    cyan[:, :-shift] |= cyan[:, shift:] & np.roll(cyan, shift, axis=1)[:, :-shift]
best = (0, -1, 0, 0)  # length, row, left, right
for row in range(cyan.shape[0]):
    line = cyan[row]
    if line.sum() < 400:
        continue
    # Runs of True: starts and ends from the changes along the row.
    padded = np.concatenate([[False], line, [False]])
    changes = np.flatnonzero(padded[1:] != padded[:-1])
    for start, end in zip(changes[::2], changes[1::2]):
        if end - start > best[0]:
            best = (end - start, row, start, end)
if best[0] < 400:
    sys.exit(1)
print(best[1], best[2], best[3])
