#!/usr/bin/env bash
# The opening of the game as a player sees and hears it, on the real binary:
#   1. the first logo fades in and out (screenshots of the screen's centre: visible, and at
#      least one shot caught part-way through a fade), with the menu music playing;
#   2. Escape skips to the main menu (level 3): the logo is gone;
#   3. Alt+F4 ends the game with exit status 0.
#   boot_test.sh <velkor binary> <xvfb state dir> <output dir for screenshots and logs>
# Runs from the repository root (the game reads Data/ and Assets/ from there).
set -euo pipefail
game=$1 state=$2 out=$3
if [ -z "${DISPLAY:-}" ]; then export DISPLAY=":$(cat "$state/display")"; fi
mkdir -p "$out"
rm -f "$out"/*.png "$out/game.log" "$out/mix.wav"

# Record what is mixed: OpenAL Soft's wave back end writes it to a file.
printf '[general]\ndrivers=wave\n[wave]\nfile=%s\n' "$out/mix.wav" >"$out/alsoft.conf"
export ALSOFT_CONF="$out/alsoft.conf" ALSOFT_DRIVERS=wave VELKOR_TRACE=1

source "$(dirname "$0")/../support/game_window.sh"
pid=""
fail() {
    echo "FAIL: $*"
    [ -f "$out/game.log" ] && tail -n 40 "$out/game.log"
    [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
    exit 1
}

# Mean brightness (0..1) of the middle of the screen, where the logos are.
brightness() {
    convert "$1" -gravity center -crop 50%x50%+0+0 +repage -colorspace Gray -format '%[fx:mean]' info:
}

"$game" >"$out/game.log" 2>&1 &
pid=$!
window=$(game_window "$pid") || fail "$window"
xdotool mousemove 960 540
focus_window "$window"

# The first logo lasts about four seconds: shoot it through its fade-in, hold and fade-out (the
# shots are measured afterwards, so that Escape still comes during the first logo).
start=$(date +%s.%N)
shots=0
while awk -v s="$start" -v n="$(date +%s.%N)" 'BEGIN { exit !(n - s < 3.6) }'; do
    shots=$((shots + 1))
    import -window root "$out/logo_$(printf %02d $shots).png"
done
kill -0 "$pid" 2>/dev/null || fail "the game ended during the logo"
grep -q "Level switch from 0 to 1" "$out/game.log" && fail "the first logo ended before the test could skip it"

# Escape: straight to the main menu, the logo gone. Held like a finger holds it: a press and a
# release within one frame's event poll are never seen, and frames are slow on a busy machine.
xdotool keydown Escape
sleep 0.3
xdotool keyup Escape
for _ in $(seq 30); do
    grep -q "Level switch from 0 to 3" "$out/game.log" && break
    sleep 0.1
done
grep -q "Level switch from 0 to 3" "$out/game.log" || fail "Escape did not lead to the main menu"
grep -q "Level switch from 0 to 1" "$out/game.log" && fail "the logo ran its course instead of being skipped"

levels=()
for shot in "$out"/logo_*.png; do levels+=("$(brightness "$shot")"); done
echo "centre brightness during the first logo ($shots shots): ${levels[*]}"
read -r peak partial <<<"$(printf '%s\n' "${levels[@]}" | awk '
    { v[NR] = $1; if ($1 > max) max = $1 }
    END { p = 0; for (i = 1; i <= NR; i++) if (v[i] > 0.15 * max && v[i] < 0.85 * max) p++; print max, p }')"
awk -v m="$peak" 'BEGIN { exit !(m > 0.02) }' || fail "the logo never became visible (peak $peak)"
[ "$partial" -ge 1 ] || fail "no shot caught the logo fading"
grep -q "Level switch from -1 to 0" "$out/game.log" || fail "the game did not start at the logo"
sleep 0.3
import -window root "$out/after_escape.png"
after=$(brightness "$out/after_escape.png")
echo "centre brightness after Escape: $after (logo peak $peak)"
awk -v a="$after" -v m="$peak" 'BEGIN { exit !(a < 0.2 * m) }' || fail "the logo is still on screen after Escape"

# Alt+F4 quits, with status 0.
quit_game

# The menu music was heard: the recorded mix is not silent.
python3 - "$out/mix.wav" <<'EOF' || fail "no music in the recorded mix"
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
EOF
echo "PASS"
