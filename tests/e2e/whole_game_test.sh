#!/usr/bin/env bash
# The whole game in one run of the real binary, mouse and keyboard alone, at the fixed step: the
# logos play out, the main menu's "play" and the city are clicked, the first level is finished, the
# win screen's "next level" is clicked, the foundry is finished with every collectable, the win
# screen's "main menu" is clicked, then "exit" and "yes", and the game ends by itself with status 0.
# The levels are played by their own finishing scripts, moved to the frames where each level starts
# (offset_script.py), so a re-authored route is played here as it stands. Shots on the way: both win
# screens show their stars (three for the foundry), and the foundry is drawn warm where the city is
# cold.
#   whole_game_test.sh <velkor binary> <output dir> <recording_edit binary>
# Runs from the repository root.
set -euo pipefail
game=$1 out=$2 recording_edit=$3
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../support/game_window.sh"
fresh_output "$out"
export VELKOR_AUDIO_OUTPUT=null VELKOR_TRACE=1
fail_logs="$out/*.log"
own_display 640x360

# Window pixels of the buttons on a 640 x 360 window (the menus place them in screen halves).
play="122 130" city="432 176" next_level="493 270" win_main_menu="147 270" exit_game="122 274" yes="381 202"
# The logos hand over to the main menu in frame 841; a level begins 92 frames after the click that
# chose it (the loading screen's bar fills at the fixed step).
menu=841 loading=92

first_click=$((menu + 70))
first_level=$((first_click + 60 + loading))
script="$out/whole_game.txt"
{
    echo "window 640 360"
    echo "cursor $((first_click - 10)) $play"
    echo "mouse 0 $first_click $((first_click + 6))"
    echo "cursor $((first_click + 50)) $city"
    echo "mouse 0 $((first_click + 60)) $((first_click + 66))"
} >"$script"
/usr/bin/python3 "$here/offset_script.py" "$here/level1/to_the_goal.txt" $first_level >>"$script"
first_end=$(awk '/^# ends/ { print $3 }' "$script" | tail -n1)
second_click=$((first_end + 100))
second_level=$((second_click + loading))
{
    echo "cursor $((second_click - 40)) $next_level"
    echo "mouse 0 $second_click $((second_click + 6))"
} >>"$script"
/usr/bin/python3 "$here/offset_script.py" "$here/level2/every_collectable.txt" $second_level >>"$script"
second_end=$(awk '/^# ends/ { print $3 }' "$script" | tail -n1)
back=$((second_end + 100))
{
    echo "cursor $((back - 40)) $win_main_menu"
    echo "mouse 0 $back $((back + 6))"
    echo "cursor $((back + 90)) $exit_game"
    echo "mouse 0 $((back + 100)) $((back + 106))"
    echo "cursor $((back + 150)) $yes"
    echo "mouse 0 $((back + 160)) $((back + 166))"
    echo "frames $((back + 400))"
} >>"$script"

first_win=$((first_end + 60)) second_win=$((second_end + 60))
run_game "$out/whole_game.log" --script "$script" --fast --record "$out/whole_game.rec" \
    --shot $((first_level + 600)):"$out/city.png" --shot $first_win:"$out/first_win.png" \
    --shot $((second_level + 600)):"$out/foundry.png" --shot $second_win:"$out/second_win.png" ||
    fail "the whole game ended with status $?"

expect_in_order "$out/whole_game.log" \
    "Level switch from 2 to 3" \
    "--------------- MainMenuPlayGame ---------------" \
    "--------------- CyberCity ---------------" \
    "Level switch from 5 to 7" \
    "Goal reached" \
    "Level switch from 7 to 9" \
    "---------------  WinScreenNextLevel ---------------" \
    "Level switch from 5 to 8" \
    "Collected 13" \
    "Goal reached" \
    "Level switch from 8 to 9" \
    "---------------  WinScreenMainMenu ---------------" \
    "Level switch from 9 to 3" \
    "--------------- MainMenuExitGame ---------------" \
    "--------------- MenuExitGame(Yes) ---------------"
died "$out/whole_game.log" && fail "the run died on the way"
# The game ended on the "yes", not at the end of the script.
frames=$("$recording_edit" summary "$out/whole_game.rec" | awk '/^frames/ { print $2 }')
[ "$frames" -lt $((back + 400)) ] || fail "the game was still running when the script ended ($frames frames)"

/usr/bin/python3 - "$out" <<'EOF' || fail "the shots are not what a player should see"
import sys

import numpy as np
from PIL import Image

out = sys.argv[1]


def pixels(name):
    return np.asarray(Image.open(f"{out}/{name}.png").convert("RGB")).astype(int)


def stars(name):
    """How many of the three stars are filled (orange) rather than outlined."""
    p = pixels(name)
    filled = 0
    for cx in (275, 320, 365):
        box = p[118:150, cx - 15:cx + 15]
        orange = (box[:, :, 0] > 200) & (box[:, :, 1] > 110) & (box[:, :, 1] < 210) & (box[:, :, 2] < 110)
        filled += orange.sum() > 60
    return filled


ok = True
for name, least in (("first_win", 1), ("second_win", 3)):
    n = stars(name)
    print(f"{name}: {n} stars filled")
    if n < least:
        print(f"FAIL: {name} shows {n} stars, expected at least {least}")
        ok = False
for name, warm in (("city", False), ("foundry", True)):
    r, _, b = pixels(name).reshape(-1, 3).mean(axis=0)
    print(f"{name}: mean red {r:.1f}, blue {b:.1f}")
    if (r > b * 1.2) != warm:
        print(f"FAIL: {name} is drawn {'cold' if warm else 'warm'}")
        ok = False
sys.exit(0 if ok else 1)
EOF
echo "PASS"
