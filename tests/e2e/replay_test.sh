#!/usr/bin/env bash
# Record and replay through the real binary, on a private small X screen (cheap frames):
#   1. a run of the test level (--level 6) at the fixed step, with Right, Space and Alt+F4 held
#      like a player holds them, is recorded and ends with status 0;
#   2. it replays fast, and at real speed, to the same per-frame state (status 0), the real-speed
#      replay taking the recorded time, and both give the same image of the same frame;
#   3. with the first Right press removed from the file, the replay stops at that very frame with
#      status 3 and says what differs;
#   4. input scripts drive the real binary (keys in the test level, the pointer and a click in the
#      main menu), and the runs they record replay exactly;
#   5. missing, truncated, corrupt and wrong-version files are refused with one line and status 2,
#      before any window opens; with no screen at all the game says what to try (status -1);
#   6. a scripted run ended by SIGTERM mid-way says so (status 1) and leaves a finished recording
#      that replays exactly, and a file
#      whose end is missing replays every complete frame, then names its last frame (status 4).
#   replay_test.sh <velkor binary> <output dir> <recording_edit binary>
set -euo pipefail
game=$1 out=$2 edit=$3
source "$(dirname "$0")/../support/game_window.sh"
fresh_output "$out"
export VELKOR_AUDIO_OUTPUT=null VELKOR_TRACE=1
fail_logs="$out/*.log"
own_display 640x360

# 1. Record.
start_game "$out/record.log" --level 6 --fixed-step --record "$out/run.rec"
# Keys only once the level runs: a press and its release in the one long frame that loads it would
# be one frame's news, and the edit below needs the press in a frame of its own.
await "Level switch from -1 to 6"
sleep 0.5
hold Right 0.6
sleep 0.3
hold space 0.3
sleep 0.3
hold Left 0.4
sleep 0.3
quit_game

summary=$("$edit" summary "$out/run.rec")
echo "$summary" | head -n 12
read -r _ frames _ fixed _ level <<<"$(echo "$summary" | head -n1)"
[ "$fixed" = 1 ] && [ "$level" = 6 ] || fail "the recording does not say fixed step and level 6: $(echo "$summary" | head -n1)"
for key in 262 32 263; do
    echo "$summary" | grep -q "key $key action 1" || fail "no press of key $key was recorded"
done
last=$((frames - 1))

# 2. Replay, fast and at real speed, with a shot of the same frame.
mid=$((frames / 2))
start=$(date +%s.%N)
run_game "$out/fast.log" --replay "$out/run.rec" --fast --shot "$mid:$out/fast.png" --shot "$last:$out/last.png" ||
    fail "fast replay ended with status $?"
fast=$(awk -v s="$start" -v n="$(date +%s.%N)" 'BEGIN { print n - s }')
start=$(date +%s.%N)
run_game "$out/paced.log" --replay "$out/run.rec" --shot "$mid:$out/paced.png" ||
    fail "real-speed replay ended with status $?"
paced=$(awk -v s="$start" -v n="$(date +%s.%N)" 'BEGIN { print n - s }')
echo "$frames frames: fast replay ${fast} s, real-speed replay ${paced} s (recorded $(awk -v f="$frames" 'BEGIN { print f / 60 }') s)"
awk -v p="$paced" -v f="$frames" 'BEGIN { exit !(p >= 0.95 * f / 60) }' || fail "the real-speed replay ran faster than real time"
[ -s "$out/fast.png" ] && [ -s "$out/last.png" ] || fail "no shot was written"
cmp -s "$out/fast.png" "$out/paced.png" || fail "two replays gave different images of frame $mid"
identify "$out/fast.png" | grep -q "640x360" || fail "the shot is not the window's size: $(identify "$out/fast.png")"

# 3. One key changed: the first Right press removed.
frame=$("$edit" drop-press "$out/run.rec" "$out/edited.rec" 262)
status=0
run_game "$out/edited.log" --replay "$out/edited.rec" --fast || status=$?
cat "$out/edited.log" | grep "replay" || true
[ "$status" -eq 3 ] || fail "the edited replay ended with status $status, not 3"
grep -q "replay diverged at frame $frame: the key table differs" "$out/edited.log" ||
    fail "the change at frame $frame was not reported there"

# 4. A scripted run (no key timing at all) drives the game through its real callbacks; the run it
#    records replays exactly.
printf 'level 6\nhold Right 10 40\npress Space 45\nframes 60\n' >"$out/walk.txt"
run_game "$out/script.log" --script "$out/walk.txt" --fast --record "$out/walk.rec" || fail "scripted run: status $?"
"$edit" summary "$out/walk.rec" | grep -q "frame 10 key 262 action 1" || fail "the scripted press is not in the run's recording"
run_game "$out/walk_replay.log" --replay "$out/walk.rec" --fast || fail "the scripted run did not replay exactly: status $?"
# The pointer too: a script moves it onto the main menu's OPTIONS button and clicks.
printf 'level 3\nwindow 640 360\ncursor 5 120 165\nmouse 0 10 14\nframes 40\n' >"$out/menu.txt"
run_game "$out/menu.log" --script "$out/menu.txt" --fast --record "$out/menu.rec" || fail "scripted menu run: status $?"
grep -q -- "--------------- MainMenuOptionsButton ---------------" "$out/menu.log" || fail "the scripted click missed OPTIONS"
run_game "$out/menu_replay.log" --replay "$out/menu.rec" --fast || fail "the menu run did not replay exactly: status $?"

# 5. Bad files: one line, status 2, no window.
python3 - "$out/run.rec" "$out" <<'PY'
import sys
data = open(sys.argv[1], "rb").read()
out = sys.argv[2]
open(out + "/truncated.rec", "wb").write(data[:20])
flipped = bytearray(data); flipped[len(data) // 2] ^= 0x40
open(out + "/corrupt.rec", "wb").write(bytes(flipped))
newer = bytearray(data); newer[8] = 9
open(out + "/newer.rec", "wb").write(bytes(newer))
open(out + "/other.rec", "wb").write(b"hello, world\n")
PY
refuse() {
    local file=$1 says=$2 status=0
    "$game" --replay "$file" >"$out/refused.log" 2>&1 || status=$?
    [ "$status" -eq 2 ] || fail "$file: status $status, not 2"
    [ "$(wc -l <"$out/refused.log")" -eq 1 ] || fail "$file: more than one line: $(cat "$out/refused.log")"
    grep -q "$says" "$out/refused.log" || fail "$file: '$(cat "$out/refused.log")' does not say '$says'"
    grep -q "Loading image" "$out/refused.log" && fail "$file: the game started anyway"
    echo "refused: $(cat "$out/refused.log")"
}
refuse "$out/missing.rec" "cannot open the file"
refuse "$out/truncated.rec" "truncated inside its header"
refuse "$out/corrupt.rec" "checksum"
refuse "$out/newer.rec" "format version 9; this build reads versions 1 to 2"
refuse "$out/other.rec" "not a VELKOR recording"

# No screen to open the window on: the game says so, with what to try, and ends with status -1.
status=0
DISPLAY=:no-such-screen "$game" --level 6 >"$out/no_screen.log" 2>&1 || status=$?
[ "$status" = 255 ] || fail "without a screen the game ended with status $status, not 255"
grep -qx "Failed to create GLFW window" "$out/no_screen.log" || fail "without a screen: no 'Failed to create GLFW window' line"
grep -q "^The game needs a screen and an OpenGL 3.3 core profile driver (.*:no-such-screen.*). Update the graphics driver" \
  "$out/no_screen.log" || fail "without a screen: no line saying why and what to try"

# 6. Killed mid-run.
printf 'level 6\nhold Right 30 400\nframes 100000\n' >"$out/long.txt"
start_game "$out/killed.log" --script "$out/long.txt" --record "$out/killed.rec"
await "Level switch from -1 to 6"
sleep 1.5
kill -TERM "$pid"
status=0
wait "$pid" || status=$?
pid=""
# A scripted run is a replay, and a replay stopped before its end says so with status 1.
[ "$status" -eq 1 ] || fail "the run ended by SIGTERM exited with status $status, not 1"
grep -q "interrupted by a signal" "$out/killed.log" || fail "the run ended by SIGTERM did not say so"
read -r _ frames _ <<<"$("$edit" summary "$out/killed.rec" | head -n1)"
[ "$frames" -gt 2 ] || fail "the killed run recorded only $frames frames"
run_game "$out/killed_replay.log" --replay "$out/killed.rec" --fast || fail "the killed run did not replay exactly: status $?"
python3 -c 'import sys; d = open(sys.argv[1], "rb").read(); open(sys.argv[2], "wb").write(d[: len(d) - 12 - 30])' \
    "$out/killed.rec" "$out/cut.rec"
status=0
run_game "$out/cut_replay.log" --replay "$out/cut.rec" --fast || status=$?
[ "$status" -eq 4 ] || fail "the cut recording's replay ended with status $status, not 4: $(grep replay "$out/cut_replay.log")"
grep -q "replay ended after frame $((frames - 2)): the recording was cut off there" "$out/cut_replay.log" ||
    fail "the cut replay did not name frame $((frames - 2)): $(grep replay "$out/cut_replay.log")"
echo "killed after $frames frames: replayed exactly; cut inside frame $((frames - 1)): played to frame $((frames - 2))"
echo "PASS"
