#!/usr/bin/env bash
# The opening of the game as a player sees and hears it, on the real binary:
#   1. the first logo fades in and out (screenshots of the screen's centre: visible, and at
#      least one shot caught part-way through a fade), with the menu music playing;
#   2. Escape skips to the main menu (level 3): its buttons show;
#   3. Alt+F4 ends the game with exit status 0.
#   boot_test.sh <velkor binary> <output dir for screenshots and logs>
# Runs from the repository root (the game reads Data/ and Assets/ from there).
set -euo pipefail
game=$1 out=$2
source "$(dirname "$0")/../support/game_window.sh"
fresh_output "$out"
record_mix "$out/mix.wav"
export VELKOR_TRACE=1
use_fixture_display

# Mean brightness (0..1) of the middle of the screen, where the logos are.
brightness() {
    convert "$1" -gravity center -crop 50%x50%+0+0 +repage -colorspace Gray -format '%[fx:mean]' info:
}
# True when $1 < $2 * $3.
below() { awk -v v="$1" -v m="$2" -v f="$3" 'BEGIN { exit !(v < m * f) }'; }

xdotool mousemove 960 540
start_game "$out/game.log"
await "Level switch from -1 to 0"

# The first logo fades in over a second of game time, holds, and fades out by 3.7 s; the second
# one follows from 4 s, and the logos end at 8 s. The shots follow what the screen shows rather
# than the clock (frames and screenshots are slow on a busy machine): from the level's start until
# a shot after the brightest one has fallen below 85 % of it, the first logo on its way out.
shots=0 peak=0 levels=()
while :; do
    shots=$((shots + 1))
    shot="$out/logo_$(printf %02d $shots).png"
    import -window root "$shot"
    level=$(brightness "$shot")
    levels+=("$level")
    grep -q "Level switch from 0 to 1" "$out/game.log" && fail "the logos ended before the test could skip them"
    if below "$peak" "$level" 1; then
        peak=$level
    elif awk -v p="$peak" 'BEGIN { exit !(p > 0.02) }' && below "$level" "$peak" 0.85; then
        break
    fi
    [ "$shots" -lt 60 ] || fail "the first logo never faded out (centre brightness: ${levels[*]})"
done
echo "centre brightness during the first logo ($shots shots): ${levels[*]}"
partial=$(printf '%s\n' "${levels[@]}" | awk -v m="$peak" '$1 > 0.15 * m && $1 < 0.85 * m { p++ } END { print p + 0 }')
[ "$partial" -ge 1 ] || fail "no shot caught the logo fading"

# Escape: straight to the main menu, the logo gone; held until the game has seen it.
xdotool keydown Escape
await "Level switch from 0 to 3" 0 5
xdotool keyup Escape
grep -q "Level switch from 0 to 1" "$out/game.log" && fail "the logo ran its course instead of being skipped"
# The main menu's buttons stand left of where the logo was: lit once the menu's first frames are
# drawn (slow under the sanitizers), dark during the logo.
column() {
    convert "$1" -crop 12%x30%+19%+35% +repage -colorspace Gray -format '%[fx:mean]' info:
}
during=$(column "$shot")
for _ in $(seq 30); do
    import -window root "$out/after_escape.png"
    after=$(column "$out/after_escape.png")
    awk -v a="$after" -v d="$during" 'BEGIN { exit !(a > d + 0.05) }' && break
    sleep 0.5
done
echo "menu column brightness after Escape: $after (during the logo $during)"
awk -v a="$after" -v d="$during" 'BEGIN { exit !(a > d + 0.05) }' || fail "no main menu after Escape"

# Alt+F4 quits, with status 0.
quit_game

# The menu music was heard: the recorded mix is not silent.
python3 - "$out/mix.wav" <<'PY' || fail "no music in the recorded mix"
import math, struct, sys
data = open(sys.argv[1], "rb").read()
pos, fmt, samples = 12, None, b""
while pos + 8 <= len(data):
    tag, size = data[pos:pos + 4], struct.unpack("<I", data[pos + 4:pos + 8])[0]
    body = data[pos + 8:pos + 8 + size]
    if tag == b"fmt ":
        fmt = struct.unpack("<HHIIHH", body[:16])
    elif tag == b"data":
        samples = body
    pos += 8 + size + (size & 1)
bits = fmt[5]
if bits == 32:
    values = struct.unpack("<%df" % (len(samples) // 4), samples[: len(samples) // 4 * 4])
    scale = 1.0
else:
    values = struct.unpack("<%dh" % (len(samples) // 2), samples[: len(samples) // 2 * 2])
    scale = 32768.0
rms = math.sqrt(sum(v * v for v in values) / max(1, len(values))) / scale
print("recorded mix: %.1f s, rms %.4f" % (len(values) / fmt[1] / fmt[2], rms))
sys.exit(0 if rms > 0.01 else 1)
PY
echo "PASS"
