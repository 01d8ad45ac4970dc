# Shell helpers for tests that drive the real game binary and its window with xdotool (source
# this file). Every script that starts the game does so through start_game, so that the launch,
# the window, the focus and the clean-up behave the same everywhere.
#
# Variables the helpers share with the script:
#   game  the velkor binary (set by the script)
#   pid   the running game, empty when none; window  its X window
#   log   the running game's log (start_game sets it); fail shows its end

pid=""
window=""
log=""
xvfb_pid=""

# Nothing outlives the test: the game and a private X server end with the script.
game_cleanup() {
    [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
}
trap game_cleanup EXIT

# fail <why>: says why, shows the end of the game's log (without the loading chatter) and ends the
# test. fail_logs names other logs to show instead (a glob is fine).
fail() {
    echo "FAIL: $*"
    local file
    for file in ${fail_logs:-$log}; do
        [ -f "$file" ] || continue
        echo "--- $file"
        grep -v '^Loading image\|^Image loaded\|^Reading JSON' "$file" | tail -n 30
    done
    exit 1
}

# fresh_output <dir>: an empty output directory, so that no shot or log of an earlier run is taken
# for this run's.
fresh_output() {
    rm -rf "$1"
    mkdir -p "$1"
}

# Points DISPLAY at the ctest fixture's X server (its state directory in $VELKOR_XVFB_STATE)
# unless the developer has a display of their own.
use_fixture_display() {
    [ -n "${DISPLAY:-}" ] && return 0
    [ -s "${VELKOR_XVFB_STATE:-}/display" ] || fail "no display: the Xvfb fixture did not start"
    export DISPLAY=":$(cat "$VELKOR_XVFB_STATE/display")"
}

# own_display <W>x<H> [Xvfb options]: a private X server of that size for this script alone (no
# other window can take the focus or be caught in a screenshot); it ends with the script.
own_display() {
    local size=$1 file
    shift
    file=$(mktemp)
    Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp "$@" 3>"$file" </dev/null >/dev/null 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 100); do [ -s "$file" ] && break; sleep 0.1; done
    [ -s "$file" ] || { rm -f "$file"; fail "Xvfb did not start"; }
    export DISPLAY=":$(cat "$file")"
    rm -f "$file"
}

# record_mix <wav file>: the game mixes its sound into that file instead of a sound card.
record_mix() {
    rm -f "$1"
    export VELKOR_AUDIO_OUTPUT="$1"
}

# Prints the id of the visible game window of process $1, waiting up to 30 s for it (a sanitizer
# build on a busy machine starts slowly); on failure prints why and returns 1.
game_window() {
    local pid=$1 window=""
    for _ in $(seq 300); do
        window=$(xdotool search --all --onlyvisible --pid "$pid" --name '^Codename VELKOR$' 2>/dev/null | head -n1 || true)
        [ -n "$window" ] && { echo "$window"; return 0; }
        kill -0 "$pid" 2>/dev/null || { echo "the game ended before its window appeared"; return 1; }
        sleep 0.1
    done
    echo "no game window"
    return 1
}

# Gives window $1 the keyboard focus. Real key events go to the focused window (events sent to a
# window directly are marked synthetic and ignored), and a window closed by an earlier test may
# have left the server without any focus.
focus_window() {
    local window=$1
    for _ in $(seq 50); do
        xdotool windowfocus --sync "$window" 2>/dev/null || true
        [ "$(xdotool getwindowfocus 2>/dev/null)" = "$window" ] && return 0
        sleep 0.1
    done
    fail "the game window does not get the keyboard focus"
}

# start_game <log file> [game options...]: starts the game, waits for its window and gives it the
# keyboard focus; sets pid, window and log. A busy X server now and then refuses the first GL
# window (the game then says "Failed to create GLFW window" and exits at once): that start is
# tried again, up to three times; any other failure fails the test.
start_game() {
    log=$1
    shift
    local attempt found
    for attempt in 1 2 3; do
        "$game" "$@" >"$log" 2>&1 &
        pid=$!
        if found=$(game_window "$pid"); then
            window=$found
            focus_window "$window"
            return 0
        fi
        grep -q "Failed to create GLFW window" "$log" || fail "$found"
        wait "$pid" 2>/dev/null || true
        pid=""
        echo "the X server refused the game's window (start $attempt); trying again"
        sleep 1
    done
    fail "no game window after three starts"
}

# run_game <log file> [game options...]: runs the game to its end (scripted runs, replays) and
# returns its exit status; a start whose window the X server refused is tried again, as above.
run_game() {
    local file=$1 status=0 attempt
    shift
    for attempt in 1 2 3; do
        status=0
        "$game" "$@" >"$file" 2>&1 || status=$?
        if [ "$status" -eq 0 ] || ! grep -q "Failed to create GLFW window" "$file"; then return "$status"; fi
        echo "the X server refused the game's window (run $attempt); trying again"
        sleep 1
    done
    return "$status"
}

# await <text> [count] [seconds]: waits (15 s unless told) until the game's log holds the text
# more than count (0) times. The game's own trace lines say when it has done something, however
# slow its frames are.
await() {
    local text=$1 count=${2:-0} seconds=${3:-15}
    for _ in $(seq $((seconds * 10))); do
        [ "$(grep -cF -- "$text" "$log" || true)" -gt "$count" ] && return 0
        kill -0 "$pid" 2>/dev/null || fail "the game ended while waiting for: $text"
        sleep 0.1
    done
    fail "no '$text' within $seconds s"
}

# hold <key> <seconds>: a key held like a finger holds it (a press and a release within one
# frame's event poll are never seen, and frames are slow on a busy machine).
hold() {
    xdotool keydown "$1"
    sleep "$2"
    xdotool keyup "$1"
}

# stop_game: ends the game of pid without asking (the test has seen what it came for).
stop_game() {
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    pid=""
}

# await_exit <what ended it>: the game of pid ends by itself within 20 s, with status 0; clears pid.
await_exit() {
    for _ in $(seq 200); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    kill -0 "$pid" 2>/dev/null && fail "the game is still running after $1"
    local status=0
    wait "$pid" || status=$?
    pid=""
    echo "exit status $status"
    [ "$status" -eq 0 ] || fail "exit status $status after $1"
}

# Quits the game of pid with Alt+F4 and checks that it ends with status 0.
quit_game() {
    hold alt+F4 0.3
    await_exit "Alt+F4"
}

# ---- screens and menus by mouse (they use out, window and log) ----------------------------------

shot() { import -window root "$out/$1.png"; }

# Mean brightness (0..1) of a screenshot, or of a region of it: brightness <png> [x y w h].
brightness() {
    if [ $# -ge 5 ]; then
        convert "$1" -crop "$4x$5+$2+$3" +repage -colorspace Gray -format '%[fx:mean]' info:
    else
        convert "$1" -colorspace Gray -format '%[fx:mean]' info:
    fi
}

# await_drawn <shot name>: waits (up to 30 s) until the screen is not black and keeps that shot.
await_drawn() {
    for _ in $(seq 60); do
        shot "$1"
        awk -v v="$(brightness "$out/$1.png")" 'BEGIN { exit !(v > 0.03) }' && return 0
        sleep 0.5
    done
    fail "$1 stays black"
}

# Window geometry: width height.
geometry() {
    xdotool getwindowgeometry --shell "$window" | awk -F= '/^WIDTH/ { w = $2 } /^HEIGHT/ { h = $2 } END { print w, h }'
}

# point <ndc x> <ndc y>: puts the game's pointer on a point of a menu. The game captures the pointer
# (GLFW's disabled cursor), which turns every motion into a move relative to the window's centre:
# a large move up and left first pins the game's pointer to the top-left corner (the game clamps it
# there); relative moves that add up to the target then place it, each counting in full whether or
# not the game has re-centred the pointer since the last.
point() {
    read -r w h <<<"$(geometry)"
    for _ in 1 2 3; do
        xdotool mousemove_relative -- -4000 -4000
        sleep 0.12
    done
    local tx ty
    tx=$(awk -v x="$1" -v w="$w" 'BEGIN { printf "%d", (x + 1) * w / 2 }')
    ty=$(awk -v y="$2" -v h="$h" 'BEGIN { printf "%d", (1 - y) * h / 2 }')
    for _ in 1 2 3 4 5 6 7 8; do
        xdotool mousemove_relative -- $((tx / 8)) $((ty / 8))
        sleep 0.06
    done
    xdotool mousemove_relative -- $((tx % 8)) $((ty % 8))
    sleep 0.3
}

# click <ndc x> <ndc y> <line expected in the log>: the button is held until the game has said it
# saw the click (frames may be slow under sanitizers or load).
click() {
    local seen
    seen=$(grep -cF -- "$3" "$log" || true)
    point "$1" "$2"
    xdotool mousedown 1
    await "$3" "$seen"
    xdotool mouseup 1
    sleep 0.3
}

# expect_in_order <log> <line>...: fails unless the log holds each whole line, each after the one
# before it (a run's milestones in the order a player meets them).
expect_in_order() {
    local log=$1 line previous=0 at
    shift
    for line in "$@"; do
        at=$(grep -n -F -x -- "$line" "$log" | cut -d: -f1 | awk -v p=$previous '$1 > p { print; exit }')
        [ -n "$at" ] || fail "not seen after line $previous of $log: $line"
        previous=$at
    done
}

# died <log>: true when the run's log shows the player dying: a fall prints "PlayerDead", a hazard
# only the state change (VELKOR_TRACE=1), so both are looked for.
died() {
    grep -Eq -- '^PlayerDead|-> (HazardDeath|FallDeath) ' "$1"
}
