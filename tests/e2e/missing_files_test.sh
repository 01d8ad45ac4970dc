#!/usr/bin/env bash
# Every file missing in turn, the short form: a few screens (by the day's rotation), each started
# with one of the files it reads removed or replaced by garbage (scripts/missing_files): the game
# plays on, says which file, and still shows what it could load. The full sweep is the script run
# without --sample.
#   missing_files_test.sh <velkor binary> <output dir>
set -euo pipefail
game=$1 out=$2
source "$(dirname "$0")/../support/game_window.sh"
fresh_output "$out"
own_display 640x360
scripts/missing_files --game "$game" --out "$out" --sample 1 --screen-count 2
