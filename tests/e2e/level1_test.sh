#!/usr/bin/env bash
# The first level played through by its input scripts (tests/e2e/level1/*.txt) on the real binary,
# at the fixed step, on a small X screen of its own (cheap frames):
#   1. to_the_goal.txt reaches the goal and the win screen without dying; the run it recorded
#      replays to the same state every frame (state hashes), and its inputs alone (--inputs-only)
#      still finish the level;
#   2. the same run with every jump and dash pressed 3 frames late still finishes (no jump on the
#      way is pixel-perfect);
#   3. every_collectable.txt takes all twelve gems (the counter ends at 13, three stars) and wins;
#   4. out_of_time.txt stands still: the lose screen comes once the 115 s have run out, not before.
# The scripts are inputs only, so a change of the player's tuning or of the map shows here as the
# run that no longer gets through.
#   level1_test.sh <velkor binary> <output dir> <recording_edit binary>
# Runs from the repository root.
set -euo pipefail
game=$1 out=$2 recording_edit=$3
here=$(cd "$(dirname "$0")" && pwd)
scripts=$here/level1
source "$here/../support/game_window.sh"
fresh_output "$out"
# Frames are not looked at here: the lowest render scale keeps the runs cheap.
export VELKOR_AUDIO_OUTPUT=null VELKOR_TRACE=1 VELKOR_RENDER_SCALE=0.25
fail_logs="$out/*.log"
own_display 640x360

# play <name> <script> <expected level switch> [more options]: the script's run, recorded; fails
# unless it ends with status 0 and the log shows the switch.
play() {
    local name=$1 script=$2 switch=$3
    shift 3
    run_game "$out/$name.log" --script "$script" --fast --record "$out/$name.rec" "$@" ||
        fail "$name ended with status $?"
    grep -q "^Level switch from 7 to $switch" "$out/$name.log" || fail "$name never switched from the level to $switch"
}

# 1. To the goal: ten gems on the way (the counter starts at 1), no death, the win screen.
play to_the_goal "$scripts/to_the_goal.txt" 9
grep -q "^Goal reached" "$out/to_the_goal.log" || fail "the goal run did not reach the goal"
died "$out/to_the_goal.log" && fail "the goal run died on the way"
grep -q "^Collected 11" "$out/to_the_goal.log" || fail "the goal run missed a gem on the way: $(grep '^Collected' "$out/to_the_goal.log" | tail -1)"
run_game "$out/goal_replay.log" --replay "$out/to_the_goal.rec" --fast || fail "the goal run's exact replay ended with status $?"
run_game "$out/goal_inputs.log" --replay "$out/to_the_goal.rec" --inputs-only --fast ||
    fail "the goal run's inputs ended with status $?"
grep -q "^Level switch from 7 to 9" "$out/goal_inputs.log" || fail "the goal run's inputs no longer reach the goal"

# 2. Every jump and dash 3 frames late.
awk '$1 == "hold" && $2 == "W" { print $1, $2, $3 + 3, $4 + 3; next } $1 == "press" { print $1, $2, $3 + 3; next } { print }' \
    "$scripts/to_the_goal.txt" >"$out/late.txt"
play late "$out/late.txt" 9
died "$out/late.log" && fail "with the jumps 3 frames late the run dies on the way"

# 3. Every gem: three stars.
play every_collectable "$scripts/every_collectable.txt" 9
grep -q "^Collected 13" "$out/every_collectable.log" ||
    fail "every_collectable missed a gem: $(grep '^Collected' "$out/every_collectable.log" | tail -1)"

# 4. Out of time: the level's last frame is the one after its 115 s (6900 frames at 60 a second).
play out_of_time "$scripts/out_of_time.txt" 10
grep -q "^Level switch from 7 to 9" "$out/out_of_time.log" && fail "out_of_time reached the goal"
last=$("$recording_edit" track "$out/out_of_time.rec" | awk '$2 == 7 { last = $1 } END { print last }')
[ "$last" -ge 6895 ] && [ "$last" -le 6910 ] || fail "the level ended at frame $last, not when its 115 s ran out"
echo "PASS"
