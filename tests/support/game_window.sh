# Shell helpers for tests that drive the real game window with xdotool (source this file).

# Prints the id of the visible game window of process $1, waiting up to 10 s for it; on failure
# prints why and returns 1:  window=$(game_window "$pid") || fail "$window"
game_window() {
    local pid=$1 window=""
    for _ in $(seq 100); do
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
# have left the server without any focus. Expects the test's `fail` function.
focus_window() {
    local window=$1
    for _ in $(seq 20); do
        xdotool windowfocus --sync "$window" 2>/dev/null || true
        [ "$(xdotool getwindowfocus 2>/dev/null)" = "$window" ] && return 0
        sleep 0.1
    done
    fail "the game window does not get the keyboard focus"
}

# Quits the game of process $pid with Alt+F4, held like a finger holds it, and checks that it ends
# with status 0 within 10 s; clears pid. Expects the test's `fail` function.
quit_game() {
    xdotool keydown alt+F4
    sleep 0.3
    xdotool keyup alt+F4
    for _ in $(seq 100); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    kill -0 "$pid" 2>/dev/null && fail "the game is still running after Alt+F4"
    local status=0
    wait "$pid" || status=$?
    pid=""
    echo "exit status $status"
    [ "$status" -eq 0 ] || fail "exit status $status"
}
