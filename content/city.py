"""What the cyber-city generators share: the palette and where generated files go.

Not a generator itself (content/build runs only gen_*.py); generators import it.
"""
import json
import os

from png import save_png

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..")

# The city palette: night violet, haze magenta, neon cyan and pink, sodium amber.
NIGHT = (14, 8, 34)
HAZE = (120, 30, 110)
CYAN = (40, 240, 255)
PINK = (255, 50, 190)
AMBER = (255, 170, 60)
STEEL = (36, 34, 60)


def out(path):
    """The absolute path of a repository-relative output file, its folder created."""
    full = os.path.join(ROOT, path)
    os.makedirs(os.path.dirname(full), exist_ok=True)
    return full


def write_json(path, value, indent=2):
    """Writes a repository-relative JSON file with a final newline."""
    with open(out(path), "w", encoding="utf-8", newline="\n") as f:
        json.dump(value, f, indent=indent)
        f.write("\n")


def save(image, path):
    """Saves an image to a repository-relative path (rows unfiltered: see png.py)."""
    save_png(image, out(path))
    return path
