#!/usr/bin/env bash
# ctest fixture for integration tests: starts a private Xvfb when DISPLAY is unset and stops it.
#   xvfb.sh start <state-dir>   writes the display number to <state-dir>/display
#   xvfb.sh stop  <state-dir>
# Xvfb chooses a free display itself (-displayfd), so parallel builds never collide.
set -euo pipefail
action=${1:?start or stop}
state=${2:?state directory}
mkdir -p "$state"

case "$action" in
start)
    rm -f "$state/display" "$state/pid"
    if [ -n "${DISPLAY:-}" ]; then
        echo "DISPLAY=$DISPLAY is set; using it"
        exit 0
    fi
    # Detached from ctest's pipes, or ctest would wait for the server to exit.
    setsid Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp \
        3>"$state/display" </dev/null >"$state/xvfb.log" 2>&1 &
    echo $! >"$state/pid"
    for _ in $(seq 100); do
        if [ -s "$state/display" ]; then
            echo "Xvfb on :$(cat "$state/display")"
            exit 0
        fi
        sleep 0.1
    done
    echo "Xvfb did not start:" >&2
    cat "$state/xvfb.log" >&2 || true
    exit 1
    ;;
stop)
    if [ -s "$state/pid" ]; then
        pid=$(cat "$state/pid")
        kill "$pid" 2>/dev/null || true
        for _ in $(seq 50); do
            kill -0 "$pid" 2>/dev/null || break
            sleep 0.1
        done
    fi
    rm -f "$state/display" "$state/pid"
    ;;
*)
    echo "usage: $0 start|stop <state-dir>" >&2
    exit 2
    ;;
esac
