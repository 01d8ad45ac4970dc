#!/usr/bin/env bash
# The first level as a player reaches and leaves it, with real keys and clicks on the real binary:
#   1. logo -> Escape -> main menu -> PLAY -> CYBER CITY -> loading -> the first level: the city's
#      neon on screen and the HUD (timer and gem counter) drawn at the top;
#   2. a few seconds of play with the keys: run to the low step, jump onto it, take the gem over it;
#   3. Escape opens the pause menu (drawn over the level), RESUME closes it and play goes on;
#   4. Escape again, EXIT, MAIN MENU: back in the main menu, which looks as it did at the start.
#   level1_pause_test.sh <velkor binary> <output dir for screenshots and logs>
# Runs from the repository root, on a 1280 x 720 X screen of its own (the game fills it).
set -euo pipefail
game=$1 out=$2
source "$(dirname "$0")/../support/game_window.sh"
fresh_output "$out"
export VELKOR_AUDIO_OUTPUT=null VELKOR_TRACE=1
own_display 1280x720 -br

# Share (0..1) of the pixels of a region WxH+X+Y lit in a colour (an fx test on r, g, b in 0..1).
share() {
    convert "$1" -crop "$2" +repage -fx "$3" -colorspace Gray -format '%[fx:mean]' info:
}
pink='r > 0.6 && b > 0.45 && g < 0.45 ? 1 : 0'
cyan='g > 0.6 && b > 0.7 && r < 0.45 ? 1 : 0'
more() { awk -v a="$1" -v b="$2" 'BEGIN { exit !(a > b) }'; }
pause_opened() { grep -cF "Data/PauseMenu/PauseMenu.json" "$log" || true; }
# Where the pause menu's RESUME button is drawn (x y w h on the screen).
resume=(140 200 300 110)
resume_seen() { brightness "$out/$1.png" "${resume[@]}"; }
# await_region <shot> <brightness> up|down: shoots until RESUME's place is clearly brighter (up) or
# darker (down) than the given brightness, for up to 15 s (frames are slow on a busy machine).
await_region() {
    for _ in $(seq 30); do
        shot "$1"
        awk -v v="$(resume_seen "$1")" -v b="$2" -v d="$3" \
            'BEGIN { exit !(d == "up" ? v > b + 0.05 : v < b - 0.05) }' && return 0
        sleep 0.5
    done
    return 1
}

start_game "$out/game.log"
await "Level switch from -1 to 0"
xdotool keydown Escape
await "Level switch from 0 to 3"
xdotool keyup Escape
await_drawn main_menu_before

# 1. Into the first level by clicking the level choice.
click -0.62 0.28 "--------------- MainMenuPlayGame ---------------"
click 0.35 0.02 "--------------- CyberCity ---------------"
await "Level switch from 3 to 5"
await "Level switch from 5 to 7" 0 60
sleep 1.5
await_drawn level
# The street and its lamps and signs glow in the city's pink and cyan; the HUD's box at the top
# centre carries the timer and the counter in pink, the sky either side of it none.
neon=$(awk -v p="$(share "$out/level.png" 1280x720+0+0 "$pink")" -v c="$(share "$out/level.png" 1280x720+0+0 "$cyan")" \
    'BEGIN { print p + c }')
hud=$(share "$out/level.png" 240x40+520+5 "$pink")
sky=$(share "$out/level.png" 240x40+100+5 "$pink")
echo "level: neon share $neon, HUD pink $hud (sky beside it $sky)"
more "$neon" 0.004 || fail "the first level does not show the city's neon colours"
more "$hud" 0.008 || fail "no HUD at the top of the screen"
more "$hud" "$(awk -v s="$sky" 'BEGIN { print s * 5 }')" || fail "the HUD does not stand out from the sky"

# 2. Play: run right until the low step stops the player, then jump onto it through the gem.
xdotool keydown d
sleep 2.5
hold w 0.5
xdotool keyup d
await "Collected 2" 0 10

# 3. Pause and resume.
opened=$(pause_opened)
hold Escape 0.3
await "Data/PauseMenu/PauseMenu.json" "$opened"
before=$(brightness "$out/level.png" "${resume[@]}")
await_region paused "$before" up || fail "the pause menu is not drawn (RESUME's place: $before in play, $(resume_seen paused) paused)"
menu=$(resume_seen paused)
click -0.55 0.3 "--------------- PauseMenuResumeGame ---------------"
await_region resumed "$menu" down || fail "the pause menu stays after RESUME (RESUME's place: $(resume_seen resumed))"
echo "RESUME's place: brightness $before in play, $menu paused, $(resume_seen resumed) resumed"
grep -q "Level switch from 7 to" "$log" && fail "the level was left while paused"

# 4. Escape, EXIT, MAIN MENU.
opened=$(pause_opened)
hold Escape 0.3
await "Data/PauseMenu/PauseMenu.json" "$opened"
await_region paused_again "$before" up || fail "the pause menu is not drawn the second time"
click -0.55 -0.5 "--------------- PauseMenuExitGame ---------------"
click 0.35 -0.26 "--------------- BackToMainMenu ---------------"
await "Level switch from 7 to 3"
sleep 1.5
await_drawn main_menu_after
was=$(brightness "$out/main_menu_before.png")
now=$(brightness "$out/main_menu_after.png")
echo "main menu brightness: $was at the start, $now after the level"
awk -v a="$was" -v b="$now" 'BEGIN { d = a - b; exit !(d < 0.03 && d > -0.03) }' || fail "the main menu does not look as it did"
quit_game
echo "PASS"
