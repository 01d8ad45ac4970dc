#!/usr/bin/env bash
# The game as a player starts it: the window opens full screen at the screen's size, frames are
# presented, and closing the window ends the game with status 0.
#   game_window_test.sh <velkor binary> <output dir> <close_window helper>
set -euo pipefail
game=$1 out=$2 close=$3
source "$(dirname "$0")/../support/game_window.sh"
fresh_output "$out"
export VELKOR_AUDIO_OUTPUT=null
use_fixture_display

start_game "$out/game.log"
sleep 1
screen=$(xdotool getdisplaygeometry)
geometry=$(xdotool getwindowgeometry "$window" | awk '/Geometry/ {print $2}')
echo "screen $screen, window $geometry"
[ "$geometry" = "${screen/ /x}" ] || fail "the window is not full screen"
kill -0 "$pid" 2>/dev/null || fail "the game ended by itself"

"$close" "$window"
await_exit "the window was closed"
echo "PASS"
