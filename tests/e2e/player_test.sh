#!/usr/bin/env bash
# The test course as a player meets it, on the real binary started with --level 6:
#   1. the course appears at once (no logos): the long cyan edge of the ground is on screen;
#   2. holding Right runs the player right: the ground's left end scrolls away to the left;
#   3. the run ends against the step; Space with Right held jumps onto it: the player's trace
#      reports a landing on the step's top.
# The camera follows the player, so its run is seen through the world moving behind it.
#   player_test.sh <velkor binary> <xvfb state dir> <output dir for screenshots and logs>
# Runs from the repository root (the game reads Data/ and Assets/ from there).
set -euo pipefail
game=$1 state=$2 out=$3
here=$(cd "$(dirname "$0")" && pwd)
if [ -z "${DISPLAY:-}" ]; then export DISPLAY=":$(cat "$state/display")"; fi
mkdir -p "$out"
rm -f "$out"/*.png "$out/game.log"
export ALSOFT_DRIVERS=null VELKOR_TRACE=1

source "$here/../support/game_window.sh"
pid=""
fail() {
    echo "FAIL: $*"
    [ -f "$out/game.log" ] && grep -v 'Loading image\|Image loaded' "$out/game.log" | tail -n 30
    [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
    exit 1
}
hold() {  # key seconds: held like a finger holds it, long enough for slow frames to see it
    xdotool keydown "$1"
    sleep "$2"
    xdotool keyup "$1"
}
edge() {  # screenshot name -> "row left right" of the longest run of the ground's cyan edge
    import -window root "$out/$1.png"
    /usr/bin/python3 "$here/ground_edge.py" "$out/$1.png"
}
settled() {  # screenshot name: the edge once the following camera has come to rest (frames are slow)
    local last="" now=""
    for i in $(seq 40); do
        now=$(edge "$1") || now=""
        if [ -n "$now" ] && [ -n "$last" ]; then
            read -r r0 l0 _ <<<"$last"
            read -r r1 l1 _ <<<"$now"
            if [ $(((r1 - r0) * (r1 - r0) + (l1 - l0) * (l1 - l0))) -le 9 ]; then
                echo "$now"
                return 0
            fi
        fi
        last=$now
        sleep 0.5
    done
    return 1
}

"$game" --level 6 >"$out/game.log" 2>&1 &
pid=$!
window=$(game_window "$pid") || fail "$window"
xdotool mousemove 960 540
focus_window "$window"
for _ in $(seq 50); do
    grep -q "Level switch from -1 to 6" "$out/game.log" && break
    sleep 0.1
done
grep -q "Level switch from -1 to 6" "$out/game.log" || fail "the game did not start in the test level"
grep -q "Level switch from -1 to 0" "$out/game.log" && fail "the logos ran"

now=$(settled start) || fail "no ground edge at rest on screen at the start"
read -r row0 left0 right0 <<<"$now"
echo "start: ground edge at row $row0, from x $left0 to $right0"

hold Right 6  # to the step, which stops the run
now=$(settled ran_right) || fail "no ground edge at rest after running"
read -r row1 left1 right1 <<<"$now"
echo "after running right: ground edge at row $row1, from x $left1 to $right1"
[ "$row1" -ge $((row0 - 20)) ] && [ "$row1" -le $((row0 + 20)) ] || fail "the view moved up or down while running on flat ground"
[ $((left0 - left1)) -ge 300 ] || fail "the ground's left end did not scroll away (player did not move right)"

# Against the step now (it stops the run). Jump onto it with Space and Right held: the player's
# trace names every landing and where it happened; one on the step's top (10, plus the player's
# half height 0.7) over it (its ends are 11 and 16) is the jump we want. Once seen, let go.
xdotool keydown Right
sleep 0.3
xdotool keydown space
landed=""
for _ in $(seq 100); do
    landed=$(grep -E '^Player: Airborne -> Idle at ' "$out/game.log" |
        awk '{ x = $6 + 0; y = $7 + 0; if (x > 10.6 && x < 16.4 && y > 10.6 && y < 10.8) { print; exit } }')
    [ -n "$landed" ] && break
    sleep 0.1
done
xdotool keyup space
xdotool keyup Right
[ -n "$landed" ] || fail "the player never landed on the step"
echo "$landed"
now=$(settled on_step) || fail "no ground edge at rest after the jump"
read -r row2 left2 right2 <<<"$now"
echo "after the jump: ground edge at row $row2, from x $left2 to $right2"

quit_game
echo "PASS"
