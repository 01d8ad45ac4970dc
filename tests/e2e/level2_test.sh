#!/usr/bin/env bash
# The second level played through by its input scripts (tests/e2e/level2/*.txt) on the real binary,
# at the fixed step, on a small X screen of its own (cheap frames):
#   1. to_the_goal.txt reaches the goal and the win screen; the run it recorded replays to the same
#      state every frame (state hashes), and its inputs alone (--inputs-only) still finish the level;
#   2. every_collectable.txt takes all twelve collectables (the counter ends at 13, three stars) and
#      wins;
#   3. out_of_time.txt stands still until the timer runs out: the lose screen, no win.
# The scripts are inputs only, so a change of the player's tuning or of the map shows here as the
# run that no longer finishes.
#   level2_test.sh <velkor binary> <output dir>
set -euo pipefail
game=$1 out=$2
scripts=$(dirname "$0")/level2
source "$(dirname "$0")/../support/game_window.sh"
fresh_output "$out"
export ALSOFT_DRIVERS=null VELKOR_TRACE=1
fail_logs="$out/*.log"
own_display 640x360

# play <name> <expected level switch> [more options]: the script's run, recorded; fails unless it
# ends with status 0 and the log shows the switch.
play() {
    local name=$1 switch=$2
    shift 2
    run_game "$out/$name.log" --script "$scripts/$name.txt" --fast --record "$out/$name.rec" "$@" ||
        fail "$name ended with status $?"
    grep -q "Level switch from 8 to $switch" "$out/$name.log" || fail "$name never switched from the level to $switch"
}

play to_the_goal 9 --shot 8190:"$out/win.png"
grep -q "Level switch from 8 to 10" "$out/to_the_goal.log" && fail "to_the_goal ran out of time"
run_game "$out/goal_replay.log" --replay "$out/to_the_goal.rec" --fast || fail "the goal run's exact replay ended with status $?"
run_game "$out/goal_inputs.log" --replay "$out/to_the_goal.rec" --inputs-only --fast ||
    fail "the goal run's inputs ended with status $?"
grep -q "Level switch from 8 to 9" "$out/goal_inputs.log" || fail "the goal run's inputs no longer reach the goal"

play every_collectable 9
grep -q "Collected 13" "$out/every_collectable.log" || fail "every_collectable missed a collectable: $(grep -c Collected "$out/every_collectable.log") taken"

play out_of_time 10
grep -q "Level switch from 8 to 9" "$out/out_of_time.log" && fail "out_of_time reached the goal"
echo "PASS"
