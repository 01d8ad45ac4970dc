#!/usr/bin/env bash
# The game as a player starts it: the window opens full screen at the screen's size, frames are
# presented, and closing the window ends the game with status 0.
#   game_window_test.sh <velkor binary> <close_window helper> <xvfb state dir>
set -euo pipefail
game=$1 close=$2 state=$3
if [ -z "${DISPLAY:-}" ]; then export DISPLAY=":$(cat "$state/display")"; fi
out=$(mktemp)
trap 'rm -f "$out"' EXIT

"$game" >"$out" 2>&1 &
pid=$!
window=""
for _ in $(seq 100); do
    # By process: the integration tests' windows carry the same title.
    window=$(xdotool search --all --pid "$pid" --name '^Codename VELKOR$' 2>/dev/null | head -n1 || true)
    [ -n "$window" ] && break
    sleep 0.1
done
[ -n "$window" ] || { echo "no game window"; kill "$pid"; exit 1; }
sleep 1
screen=$(xdotool getdisplaygeometry)
geometry=$(xdotool getwindowgeometry "$window" | awk '/Geometry/ {print $2}')
echo "screen $screen, window $geometry"
[ "$geometry" = "${screen/ /x}" ] || { echo "window is not full screen"; kill "$pid"; exit 1; }
kill -0 "$pid" || { echo "game ended by itself"; cat "$out"; exit 1; }

"$close" "$window"
for _ in $(seq 100); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
if kill -0 "$pid" 2>/dev/null; then echo "game still running after close"; kill "$pid"; exit 1; fi
wait "$pid" && status=0 || status=$?
cat "$out"
echo "exit status $status"
[ "$status" -eq 0 ]
