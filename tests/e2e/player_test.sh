#!/usr/bin/env bash
# The test course as a player meets it, on the real binary started with --level 6:
#   1. the course appears at once (no logos): the long cyan edge of the ground is on screen;
#   2. holding Right runs the player right: the ground's left end scrolls away to the left;
#   3. the run ends against the step; Space with Right held jumps onto it: the player's trace
#      reports a landing on the step's top.
# The camera follows the player, so its run is seen through the world moving behind it.
#   4. the player is its skeleton and follows its states: an input script (fixed step, so every
#      frame is the same in every run) is shot standing, running right and running left, once as
#      shipped and once with a copy of the data whose player has no skeleton. The pixels that differ
#      are the player's own: a figure standing on the ground edge, whose run pose is not its
#      standing pose, and whose run to the left is the mirror image of its run to the right.
#   player_test.sh <velkor binary> <output dir for screenshots and logs>
# Runs from the repository root (the game reads Data/ and Assets/ from there).
set -euo pipefail
game=$1 out=$2
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../support/game_window.sh"
fresh_output "$out"
export VELKOR_AUDIO_OUTPUT=null VELKOR_TRACE=1
use_fixture_display

edge() {  # screenshot name -> "row left right" of the longest run of the ground's cyan edge
    import -window root "$out/$1.png"
    /usr/bin/python3 "$here/ground_edge.py" "$out/$1.png"
}
settled() {  # screenshot name: the edge once the following camera has come to rest (frames are slow)
    local last="" now=""
    for i in $(seq 40); do
        now=$(edge "$1") || now=""
        if [ -n "$now" ] && [ -n "$last" ]; then
            read -r r0 l0 _ <<<"$last"
            read -r r1 l1 _ <<<"$now"
            if [ $(((r1 - r0) * (r1 - r0) + (l1 - l0) * (l1 - l0))) -le 9 ]; then
                echo "$now"
                return 0
            fi
        fi
        last=$now
        sleep 0.5
    done
    return 1
}

xdotool mousemove 960 540
start_game "$out/game.log" --level 6
await "Level switch from -1 to 6" 0 5
grep -q "Level switch from -1 to 0" "$out/game.log" && fail "the logos ran"

now=$(settled start) || fail "no ground edge at rest on screen at the start"
read -r row0 left0 right0 <<<"$now"
echo "start: ground edge at row $row0, from x $left0 to $right0"

hold Right 6  # to the step, which stops the run
now=$(settled ran_right) || fail "no ground edge at rest after running"
read -r row1 left1 right1 <<<"$now"
echo "after running right: ground edge at row $row1, from x $left1 to $right1"
[ "$row1" -ge $((row0 - 20)) ] && [ "$row1" -le $((row0 + 20)) ] || fail "the view moved up or down while running on flat ground"
[ $((left0 - left1)) -ge 300 ] || fail "the ground's left end did not scroll away (player did not move right)"

# Against the step now (it stops the run). Jump onto it with Space and Right held: the player's
# trace names every landing and where it happened; one on the step's top (10, plus the player's
# half height 0.7) over it (its ends are 11 and 16) is the jump we want. Once seen, let go.
xdotool keydown Right
sleep 0.3
xdotool keydown space
landed=""
for _ in $(seq 100); do
    landed=$(grep -E '^Player: Airborne -> Idle at ' "$out/game.log" |
        awk '{ x = $6 + 0; y = $7 + 0; if (x > 10.6 && x < 16.4 && y > 10.6 && y < 10.8) { print; exit } }')
    [ -n "$landed" ] && break
    sleep 0.1
done
xdotool keyup space
xdotool keyup Right
[ -n "$landed" ] || fail "the player never landed on the step"
echo "$landed"
now=$(settled on_step) || fail "no ground edge at rest after the jump"
read -r row2 left2 right2 <<<"$now"
echo "after the jump: ground edge at row $row2, from x $left2 to $right2"

quit_game

# 4. The skeleton, standing, running right (two frames a tenth of a second apart) and running left.
printf 'level 6\nhold Right 60 100\nhold Left 110 146\nframes 150\n' >"$out/pose.txt"
shots() {  # suffix: the four shots of the script
    run_game "$out/pose$1.log" --script "$out/pose.txt" --fast --shot "58:$out/idle$1.png" --shot "92:$out/right$1.png" \
        --shot "98:$out/stride$1.png" --shot "142:$out/left$1.png" || fail "scripted run$1: status $?"
}
shots ""
rm -rf "$out/bare" && mkdir -p "$out/bare"
cp -r Data "$out/bare/Data" && ln -s "$PWD/Assets" "$out/bare/Assets"
/usr/bin/python3 -c 'import json, sys; p = sys.argv[1]; d = json.load(open(p)); del d["Player"]["Animation"]; json.dump(d, open(p, "w"))' \
    "$out/bare/Data/testLevel.json"
game=$(realpath "$game")
(cd "$out/bare" && shots _bare)
ground=$(/usr/bin/python3 "$here/ground_edge.py" "$out/idle.png") || fail "no ground edge in the standing shot"
/usr/bin/python3 - "$out" ${ground%% *} <<'PY' || fail "the player's skeleton does not look right"
import sys
import numpy as np
from PIL import Image
out, ground = sys.argv[1], int(sys.argv[2])

def player(name):
    """The player's pixels (where the shot with the skeleton differs from the one without), cut
    to 150 x 120 around them, feet at the bottom; and the bottom row on the screen."""
    a, b = (np.asarray(Image.open(f"{out}/{name}{s}.png").convert("RGB")).astype(int) for s in ("", "_bare"))
    mask = np.abs(a - b).max(axis=2) > 24
    ys, xs = np.nonzero(mask)
    assert len(ys) > 1000, f"{name}: the player is not drawn ({len(ys)} pixels)"
    height, width = ys.max() - ys.min() + 1, xs.max() - xs.min() + 1
    print(f"{name}: {len(ys)} pixels, {width} x {height}, feet at row {ys.max()}")
    assert 100 <= height <= 160 and width < height, f"{name}: not a standing figure 1.4 units tall"
    cx = int(round(xs.mean()))
    return np.pad(mask, 150)[ys.max() + 1:ys.max() + 151, cx + 90:cx + 210], ys.max()

def overlap(a, b):
    return (a & b).sum() / (a | b).sum()

idle, feet = player("idle")
right, _ = player("right")
stride, _ = player("stride")
left, _ = player("left")
assert abs(feet - ground) <= 4, f"standing feet at row {feet}, the ground's edge at {ground}"
print(f"overlaps: standing/running {overlap(idle, right):.2f}, two running frames {overlap(right, stride):.2f}, "
      f"right/left {overlap(right, left):.2f}, right/mirrored left {overlap(right, left[:, ::-1]):.2f}")
assert overlap(idle, right) < 0.8, "the run looks like the stand"
assert overlap(right, stride) < 0.9, "the run does not move its limbs"
assert overlap(right, left[:, ::-1]) > overlap(right, left) + 0.2, "running left does not face left"
PY
echo "PASS"
