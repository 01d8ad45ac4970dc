#!/usr/bin/env bash
# The test course's goals as a player meets them, on the real binary (--level 6, fixed step):
#   1. the HUD is up: the timer's digits and the collectible counter at 00;
#   2. holding Right, the player takes the first item (the counter turns to 01 a second later,
#      with the pickup sound) and passes the checkpoint (it turns green); holding Left, it runs
#      back past the start into the blinking hazard by the left wall;
#   3. the player comes back at the checkpoint, not at the start;
#   4. Alt+F4 quits with status 0, and the recorded mix is not silent.
# Every wait is on the game's own trace lines, never on a guess of how long a frame takes.
#   goals_test.sh <velkor binary> <output dir for screenshots and logs>
set -euo pipefail
game=$1 out=$2
source "$(dirname "$0")/../support/game_window.sh"
fresh_output "$out"
record_mix "$out/mix.wav"
export VELKOR_TRACE=1
use_fixture_display

# Share of the pixels of a region (WxH+X+Y on the 1920 x 1080 screen) that are lit in a colour:
# fx test on r, g, b in 0..1.
share() {
    convert "$1" -crop "$2" +repage -fx "$3" -colorspace Gray -format '%[fx:mean]' info:
}

start_game "$out/game.log" --level 6 --fixed-step
await "Level switch from -1 to 6" 0 10
sleep 1
import -window root "$out/start.png"

xdotool keydown Right
await "Checkpoint reached at" 0 10
xdotool keyup Right
xdotool keydown Left
await "Respawn at" 0 20
xdotool keyup Left
await "Collected 1" 0 5
# The respawn effect stands over the checkpoint for a moment: shoot once it has faded.
sleep 3
import -window root "$out/respawned.png"

# The counter's units digit (its glyph cell on screen) changed from 0 to 1.
counter=20x36+1072+16
before=$(convert "$out/start.png" -crop "$counter" +repage -colorspace Gray -format '%[fx:mean]' info:)
after=$(convert "$out/respawned.png" -crop "$counter" +repage -colorspace Gray -format '%[fx:mean]' info:)
echo "collectible counter brightness: $before at the start, $after after the pickup"
awk -v b="$before" -v a="$after" 'BEGIN { exit !(b - a > 0.01 || a - b > 0.01) }' || fail "the counter did not change"

# Back at the checkpoint: its lamp glows green now (it was amber), near the respawned player. Counted
# as pixels of a pure green (the city's cyan has too much blue), since the camera has moved.
lit='g > 0.7 && r < 0.5 && b < 0.6 ? 1 : 0'
green_before=$(share "$out/start.png" 1920x700+0+300 "$lit")
green_after=$(share "$out/respawned.png" 1920x700+0+300 "$lit")
echo "green share of the course: $green_before at the start, $green_after after the respawn"
awk -v b="$green_before" -v a="$green_after" 'BEGIN { exit !(a > b + 0.00002) }' || fail "the checkpoint did not turn green"
grep -q "Respawn at 7.500000 9.000000" "$out/game.log" || fail "the respawn was not at the checkpoint"

quit_game
[ -s "$out/mix.wav" ] || fail "no sound was mixed"
echo "PASS"
