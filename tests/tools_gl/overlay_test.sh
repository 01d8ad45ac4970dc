#!/usr/bin/env bash
# The developer overlay in the real game, as a developer uses it:
#   1. the game starts in the test level; F1 shows the overlay at the top left (screenshots);
#   2. the shown overlay leaves the keys to the game: holding Right, then Space (a run and a jump)
#      neither walks its focus along the level buttons nor presses "11";
#   3. a click on the overlay's level button "4" switches to the options level;
#   4. the overlay is dragged by its title bar to the middle of the screen (docking it into the
#      dock space over the game is ImGuiHostGL's test);
#   5. F1 hides the overlay again; Alt+F4 ends the game with status 0.
#   overlay_test.sh <velkor binary> <output dir>
set -euo pipefail
game=$1 out=$2
source "$(dirname "$0")/../support/game_window.sh"
fresh_output "$out"
export VELKOR_AUDIO_OUTPUT=null VELKOR_TRACE=1
use_fixture_display

tap() { hold "$1" 0.3; sleep 0.5; }
# Mean brightness (0..1) of the overlay's corner of the screen.
corner() { convert "$1" -crop 400x200+20+20 +repage -colorspace Gray -format '%[fx:mean]' info:; }

xdotool mousemove 960 540
start_game "$out/game.log" --level 6
await "Level switch from -1 to 6"
sleep 1
import -window root "$out/hidden.png"

tap F1
import -window root "$out/shown.png"
hidden=$(corner "$out/hidden.png") shown=$(corner "$out/shown.png")
echo "overlay corner brightness: hidden $hidden, shown $shown"
awk -v h="$hidden" -v s="$shown" 'BEGIN { d = s - h; if (d < 0) d = -d; exit !(d > 0.02) }' || fail "F1 showed no overlay"

hold Right 1
tap space
sleep 1
! grep -q "Level switch from 6 to" "$out/game.log" || fail "keys meant for the game switched the level"

# A drag by the title bar takes it away from its corner.
xdotool mousemove 120 24
sleep 0.3
xdotool mousedown 1
for x in 300 500 700 850 912; do xdotool mousemove "$x" $((24 + (x - 120) * 516 / 792)); sleep 0.15; done
sleep 0.4
xdotool mouseup 1
sleep 0.6
import -window root "$out/dragged.png"
left=$(corner "$out/dragged.png")
echo "its corner after the drag: $left"
awk -v s="$shown" -v l="$left" 'BEGIN { d = s - l; if (d < 0) d = -d; exit !(d > 0.02) }' || fail "the overlay did not follow the drag"
# Back to its corner, where the level buttons are expected.
xdotool mousemove 912 540
sleep 0.3
xdotool mousedown 1
for x in 850 700 500 300 120; do xdotool mousemove "$x" $((24 + (x - 120) * 516 / 792)); sleep 0.15; done
sleep 0.4
xdotool mouseup 1
sleep 0.6

# The level buttons are the first row of the overlay: button i is centred at (38 + 36 i, 70).
xdotool mousemove 182 70
sleep 0.4
xdotool mousedown 1
sleep 0.3
xdotool mouseup 1
await "Level switch from 6 to 4" 0 5
import -window root "$out/switched.png"


tap F1
import -window root "$out/hidden_again.png"
again=$(corner "$out/hidden_again.png")
shown_now=$(corner "$out/switched.png")
echo "after the switch: shown $shown_now, hidden again $again"
awk -v a="$again" -v s="$shown_now" 'BEGIN { d = s - a; if (d < 0) d = -d; exit !(d > 0.02) }' || fail "F1 did not hide the overlay"

quit_game
echo "PASS"
