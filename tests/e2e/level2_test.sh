#!/usr/bin/env bash
# The second level played through by its input scripts (tests/e2e/level2/*.txt) on the real binary,
# at the fixed step, on a small X screen of its own (cheap frames):
#   1. every_collectable.txt reaches the goal taking all twelve collectables (the counter ends at
#      13, three stars) and ends in the win screen, without a death; a script is played as a
#      recording's inputs alone (as --inputs-only plays one), so this is the inputs-only run;
#   2. the run it recorded replays to the same state every frame (state hashes);
#   3. the same run with every jump 3 frames late, and the steering that starts with it, still
#      reaches the goal without a death (no jump on the way is pixel-perfect; a gem may be missed);
#   4. out_of_time.txt stands still until the timer runs out: the lose screen, no win.
# The scripts are inputs only, so a change of the player's tuning or of the map shows here as the
# run that no longer finishes. Each run is more than two minutes of play, so there are no more.
#   level2_test.sh <velkor binary> <output dir>
set -euo pipefail
game=$1 out=$2
scripts=$(dirname "$0")/level2
source "$(dirname "$0")/../support/game_window.sh"
fresh_output "$out"
# Frames are not judged here (the win screen's shot is kept for people): the lowest render scale
# keeps the runs cheap.
export VELKOR_AUDIO_OUTPUT=null VELKOR_TRACE=1 VELKOR_RENDER_SCALE=0.25
fail_logs="$out/*.log"
own_display 640x360

# play <name> <expected level switch> [more options]: the script's run, recorded; fails unless it
# ends with status 0 and the log shows the switch.
play() {
    local name=$1 switch=$2
    shift 2
    run_game "$out/$name.log" --script "${script:-$scripts/$name.txt}" --fast --record "$out/$name.rec" "$@" ||
        fail "$name ended with status $?"
    grep -q "Level switch from 8 to $switch" "$out/$name.log" || fail "$name never switched from the level to $switch"
}

play every_collectable 9 --shot 8190:"$out/win.png"
grep -q "Collected 13" "$out/every_collectable.log" || fail "every_collectable missed a collectable: $(grep -c Collected "$out/every_collectable.log") taken"
died "$out/every_collectable.log" && fail "every_collectable died on the way"
run_game "$out/replay.log" --replay "$out/every_collectable.rec" --fast || fail "the run's exact replay ended with status $?"
grep -q "Level switch from 8 to 9" "$out/replay.log" || fail "the run's exact replay did not reach the goal"

# A jump pressed late is steered late too: the hold of a direction key that starts on a jump's frame
# moves with it, so the player leaves a moving hoist where the timely run did.
awk 'FNR == NR { if ($1 == "hold" && $2 == "Space") jump[$3] = 1; next }
     $1 == "hold" && ($2 == "Space" || jump[$3]) { print $1, $2, $3 + 3, $4 + 3; next }
     $1 == "press" { print $1, $2, $3 + 3; next } { print }' \
    "$scripts/every_collectable.txt" "$scripts/every_collectable.txt" >"$out/late.txt"
script=$out/late.txt play late 9
died "$out/late.log" && fail "with the jumps 3 frames late the run dies on the way"

play out_of_time 10
grep -q "Level switch from 8 to 9" "$out/out_of_time.log" && fail "out_of_time reached the goal"
echo "PASS"
