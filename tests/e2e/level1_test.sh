#!/usr/bin/env bash
# The first level played through its input scripts (fixed step, inputs only, so a change of the
# player's tuning or of the map shows as the run that no longer gets through), on a small X screen
# of its own:
#   1. the finishing run reaches the goal with every gem and ends in the win screen; the run it
#      records replays to the same per-frame states;
#   2. the same run with every jump and dash pressed 3 frames late still finishes (no jump on it is
#      pixel-perfect);
#   3. standing still, time runs out into the lose screen, not before the level's 55 s.
#   level1_test.sh <velkor binary> <output dir>
# Runs from the repository root.
set -euo pipefail
game=$1 out=$2
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../support/game_window.sh"
fresh_output "$out"
export ALSOFT_DRIVERS=null VELKOR_TRACE=1
fail_logs="$out/*.log"
own_display 640x360

# 1. To the goal, every gem (the counter starts at 1: 11 gems make 12).
run_game "$out/finish.log" --script "$here/level1/finish.txt" --fast --record "$out/finish.rec" ||
    fail "finishing run: status $?"
grep -q "^Goal reached" "$out/finish.log" || fail "the finishing run did not reach the goal"
grep -q "^Collected 12" "$out/finish.log" || fail "the finishing run missed a gem: $(grep '^Collected' "$out/finish.log" | tail -1)"
grep -q "^Level switch from 7 to 9" "$out/finish.log" || fail "no win screen after the goal"
grep -q "^PlayerDead" "$out/finish.log" && fail "the finishing run died on the way"
run_game "$out/finish_replay.log" --replay "$out/finish.rec" --fast || fail "the finishing run did not replay exactly: status $?"

# 2. Every jump and dash 3 frames late.
awk '$1 == "hold" && $2 == "W" { print $1, $2, $3 + 3, $4 + 3; next } $1 == "press" { print $1, $2, $3 + 3; next } { print }' \
    "$here/level1/finish.txt" >"$out/late.txt"
run_game "$out/late.log" --script "$out/late.txt" --fast || fail "late run: status $?"
grep -q "^Level switch from 7 to 9" "$out/late.log" || fail "with the jumps 3 frames late the run does not finish"

# 3. Out of time: no lose screen at 54 s, the lose screen by 56 s.
printf 'level 7\nframes 3240\n' >"$out/early.txt"
printf 'level 7\nframes 3360\n' >"$out/wait.txt"
run_game "$out/early.log" --script "$out/early.txt" --fast || fail "waiting run: status $?"
grep -q "^Level switch from 7 to 10" "$out/early.log" && fail "the lose screen came before the time was up"
run_game "$out/wait.log" --script "$out/wait.txt" --fast || fail "waiting run: status $?"
grep -q "^Level switch from 7 to 10" "$out/wait.log" || fail "no lose screen when the time ran out"
echo "PASS"
