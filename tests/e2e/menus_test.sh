#!/usr/bin/env bash
# The menus as a player uses them, on the real binary, with real mouse clicks on real buttons:
#   1. logo -> Escape -> main menu -> controls, credits (and back), options;
#   2. in the options, each window mode; after each change the options screen is still drawn over
#      the whole window (the BACK button sits where the window's size puts it) and a click on BACK,
#      aimed in the window's own pixels, still lands on it;
#   3. play -> CYBER CITY -> the loading bar fills -> the level slot;
#   4. the win screen on its own: NEXT LEVEL -> loading -> the second level's slot;
#   5. main menu -> exit -> yes ends the game with status 0.
#   menus_test.sh <velkor binary> <output dir for screenshots and logs>
# Runs its own Xvfb with a screen larger than the windowed mode (2560 x 1440), so that the three
# window modes differ in size. Runs from the repository root. Pointing and clicking: point and click
# in tests/support/game_window.sh.
set -euo pipefail
game=$1 out=$2
source "$(dirname "$0")/../support/game_window.sh"
fresh_output "$out"
export VELKOR_AUDIO_OUTPUT=null VELKOR_TRACE=1
own_display 2560x1440 -br

# launch <name> [--level N]: the game with its log in <name>.log; without a level, through the
# first logo to the main menu.
launch() {
    local name=$1
    shift
    start_game "$out/$name.log" "$@"
    if [ $# -gt 0 ]; then
        await "Level switch from -1 to $2"
        await_drawn "level_$2"
        return
    fi
    await "Level switch from -1 to 0"
    # Keys and buttons are held until the game has seen them: frames may be slow (sanitizers, load).
    xdotool keydown Escape
    await "Level switch from 0 to 3"
    xdotool keyup Escape
    await_drawn main_menu
}

# The BACK button of the options (NDC 0, -0.74; 360 x 120 on a 1920 x 1080 screen) is drawn where
# the window's current size puts it, and not where another size would.
check_back_button() {
    read -r w h <<<"$(geometry)"
    local bx=$((w / 2 - w * 60 / 1920)) by=$((h * 87 / 100 - h * 12 / 1080)) bw=$((w * 120 / 1920)) bh=$((h * 24 / 1080))
    local inside=0
    for _ in $(seq 30); do
        shot "$1"
        inside=$(brightness "$out/$1.png" "$bx" "$by" "$bw" "$bh")
        awk -v v="$inside" 'BEGIN { exit !(v > 0.12) }' && break
        sleep 0.5
    done
    echo "$1: window ${w}x${h}, brightness on BACK $inside"
    awk -v v="$inside" 'BEGIN { exit !(v > 0.12) }' || fail "$1: the BACK button is not drawn where the ${w}x${h} window puts it"
    if [ "$w" -lt 2560 ]; then
        local outside
        outside=$(brightness "$out/$1.png" "$w" 0 $((2560 - w)) 1440)
        awk -v v="$outside" 'BEGIN { exit !(v < 0.01) }' || fail "$1: the game draws outside its ${w}x${h} window"
    fi
}

launch first
read -r w h <<<"$(geometry)"
[ "$w" = 2560 ] && [ "$h" = 1440 ] || fail "the game does not start full screen (${w}x${h})"

click -0.62 -0.12 "--------------- MainMenuControls ---------------"
shot controls
click -0.62 0.28 "--------------- MainMenuPlayGame ---------------"
shot play_panel
click -0.62 -0.52 "--------------- MainMenuExitGame ---------------"
shot exit_panel
click 0.51 -0.12 "--------------- MenuExitGame(No) ---------------"

click -0.62 -0.32 "--------------- MainMenuCredits ---------------"
await "Level switch from 3 to 11"
sleep 1.5
await_drawn credits
click 0.72 -0.84 "---------------  CreditMainMenu ---------------"
await "Level switch from 11 to 3"

# Options and the window modes.
modes=("0.02|--------------- Resize Window 1920x1080 ---------------|windowed"
       "-0.2|--------------- Resize Window 1600x900 ---------------|fullscreen"
       "-0.42|--------------- Resize Window 1280x1024 ---------------|borderless")
for entry in "${modes[@]}"; do
    IFS='|' read -r y line name <<<"$entry"
    sleep 0.3
    entered=$(grep -cF -- "Level switch from 3 to 4" "$log" || true)
    click -0.62 0.08 "--------------- MainMenuOptionsButton ---------------"
    await "Level switch from 3 to 4" "$entered"
    [ "$name" = windowed ] && await_drawn options
    before=$(grep -cF -- "Level switch from 4 to 3" "$log" || true)
    click 0.12 "$y" "$line"
    sleep 1.0
    check_back_button "options_$name"
    click 0.0 -0.74 "--------------- BackToMainMenu ---------------"
    await "Level switch from 4 to 3" "$before"
done
read -r w h <<<"$(geometry)"
echo "after borderless: ${w}x${h}"
[ "$w" = 2560 ] || fail "borderless does not cover the screen"

# Play: the level buttons, the loading bar, the level slot.
click -0.62 0.28 "--------------- MainMenuPlayGame ---------------"
# The bar runs from x -0.4927 to 0.4573 at y -0.2 (0.08 tall) and fills in 1.5 s: some shot must catch
# it part-way, its left end lit and its right end still dark. Only the bar's row is grabbed, from the
# moment the loading screen starts until it hands over, by a loop started before the click: a whole
# screenshot and its analysis take longer than the bar on a busy machine.
bar_y=$((1440 * 60 / 100 - 20))
(
    until grep -qF "Level switch from 3 to 5" "$log"; do sleep 0.02; done
    for i in $(seq 40); do
        import -window root -crop "2560x40+0+$bar_y" +repage "$out/bar_$i.miff"
        grep -qF "Level switch from 5 to" "$log" && break
    done
) &
grabber=$!
click 0.35 0.02 "--------------- CyberCity ---------------"
await "Level switch from 3 to 5"
await "Level switch from 5 to 7"
wait "$grabber"
filling=""
for i in $(seq 40); do
    [ -f "$out/bar_$i.miff" ] || break
    left=$(brightness "$out/bar_$i.miff" $((2560 * 2537 / 10000 + 10)) 0 60 40)
    right=$(brightness "$out/bar_$i.miff" $((2560 * 7286 / 10000 - 50)) 0 40 40)
    if awk -v l="$left" -v r="$right" 'BEGIN { exit !(l > 0.3 && r < 0.2) }'; then
        filling="left $left, right $right (grab $i)"
        convert "$out/bar_$i.miff" "$out/loading_part.png"
        break
    fi
done
rm -f "$out"/bar_*.miff
echo "loading bar: ${filling:-never caught part-way}"
[ -n "$filling" ] || fail "the loading bar is not filling"
stop_game

# The win screen (started on its own, over no level): NEXT LEVEL leads through the loading screen
# to the other level.
launch win --level 9
sleep 1.0
shot win_screen
click 0.54 -0.5 "---------------  WinScreenNextLevel ---------------"
await "Level switch from 9 to 5"
await "Level switch from 5 to 8"
stop_game

# Last run: exit -> yes ends the game with status 0.
launch second
click -0.62 -0.52 "--------------- MainMenuExitGame ---------------"
click 0.19 -0.12 "--------------- MenuExitGame(Yes) ---------------"
await_exit "Yes"
echo "PASS"
