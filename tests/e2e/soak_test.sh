#!/usr/bin/env bash
# The soak run, the short form: three short rounds of the menus and the first level (scripts/soak
# --short); every arrival at the main menu must come back to the figures of the round before.
#   soak_test.sh <velkor binary> <output dir>
set -euo pipefail
game=$1 out=$2
source "$(dirname "$0")/../support/game_window.sh"
fresh_output "$out"
own_display 640x360
scripts/soak --game "$game" --short --frames 4000 --out "$out"
