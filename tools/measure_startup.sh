#!/usr/bin/env bash
# How long the game takes from being started to the title frame on its window: runs the real
# program RUNS times (default 30, after one warm-up run) under QT_QPA_PLATFORM=offscreen with
# TOMARUK_QUIT_AT_TITLE=1, which ends it right after the title frame has been painted, and
# prints the median, mean, 90th percentile, minimum and maximum of the wall times. Each time runs
# from just before the process is started to its exit (so it includes loading the program and
# Qt, and the exit itself, which _Exit makes close to nothing).
#
#   tools/measure_startup.sh [path/to/tomaruk] [RUNS]
#
# A fresh HOME is used, so no option file of the user is read.
set -euo pipefail
game=$(realpath "${1:-build/tomaruk}")
runs=${2:-30}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export LC_ALL=C HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" QT_QPA_PLATFORM=offscreen TOMARUK_QUIT_AT_TITLE=1
mkdir -p "$HOME"

"$game" --seed 1 >/dev/null 2>&1 || { echo "measure_startup: $game did not start" >&2; exit 1; }
for ((i = 0; i < runs; ++i)); do
  t0=$EPOCHREALTIME
  "$game" --seed 1 >/dev/null 2>&1
  t1=$EPOCHREALTIME
  echo "$t0 $t1"
done | awk '{ print ($2 - $1) * 1000 }' | sort -n | awk '
  { t[NR] = $1; sum += $1 }
  END {
    p90 = t[int((NR * 9 + 9) / 10)]
    printf "start-up to the title frame, %d runs: median %.1f ms, mean %.1f ms, p90 %.1f ms, min %.1f ms, max %.1f ms\n",
           NR, (NR % 2 ? t[(NR + 1) / 2] : (t[NR / 2] + t[NR / 2 + 1]) / 2), sum / NR, p90, t[1], t[NR]
  }'
