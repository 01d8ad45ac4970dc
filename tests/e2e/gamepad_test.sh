#!/usr/bin/env bash
# The game with a gamepad alone: from the main menu through the first level to the win screen and
# back to the main menu, every input a gamepad entry (d-pad, south, west), at the fixed step.
# The level part is the first level's finishing script with its keys turned into the buttons the
# player's bindings name next to them, so the two routes cannot drift apart. The run it records
# must replay exactly: gamepad entries are stored like keys.
#   gamepad_test.sh <velkor binary> <output dir>
# Runs from the repository root.
set -euo pipefail
game=$1 out=$2
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../support/game_window.sh"
fresh_output "$out"
export VELKOR_AUDIO_OUTPUT=null VELKOR_TRACE=1
fail_logs="$out/*.log"
own_display 640x360

# The main menu: the first press shows the highlight on "play", south opens the level choice,
# south again takes its first entry, the city. The loading screen hands over to the level in the
# script's frame 162 (a script that starts in the level has it at frame 0).
menu="$here/gamepad/to_the_first_level.txt"
level_start=162
{
    grep -v '^frames' "$menu"
    awk -v o=$level_start '
        function button(key) {
            if (key == "D" || key == "Right") return "DpadRight"
            if (key == "A" || key == "Left") return "DpadLeft"
            if (key == "W" || key == "Space" || key == "Up") return "South"
            if (key == "LeftShift" || key == "X") return "West"
            printf "the finishing script uses %s, which has no gamepad button here\n", key > "/dev/stderr"
            exit 1
        }
        $1 == "hold" { print "pad", button($2), $3 + o, $4 + o; next }
        $1 == "press" { print "pad", button($2), $3 + o, $3 + o + 6; next }
        $1 == "frames" { end = $2 + o; next }
        END {
            # The win screen: show the highlight (on "play again"), step left to "main menu", press it.
            print "pad DpadDown", end + 100, end + 106
            print "pad DpadLeft", end + 120, end + 126
            print "pad South", end + 140, end + 146
            print "frames", end + 200
        }' "$here/level1/to_the_goal.txt"
} >"$out/gamepad.txt"
grep -Eq '^(hold|press|mouse|cursor) ' "$out/gamepad.txt" && fail "the run is not gamepad-only: $(grep -E '^(hold|press|mouse|cursor) ' "$out/gamepad.txt" | head -1)"

run_game "$out/gamepad.log" --script "$out/gamepad.txt" --fast --record "$out/gamepad.rec" || fail "gamepad run: status $?"
expect_in_order "$out/gamepad.log" \
    "--------------- MainMenuPlayGame ---------------" \
    "--------------- CyberCity ---------------" \
    "Level switch from 5 to 7" \
    "Goal reached" \
    "Level switch from 7 to 9" \
    "---------------  WinScreenMainMenu ---------------" \
    "Level switch from 9 to 3"
died "$out/gamepad.log" && fail "the gamepad run died on the way"
run_game "$out/gamepad_replay.log" --replay "$out/gamepad.rec" --fast || fail "the gamepad run did not replay exactly: status $?"
echo "PASS"
