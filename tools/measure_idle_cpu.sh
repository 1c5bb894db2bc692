#!/usr/bin/env bash
# How much CPU the game and the X server use while the game only waits: on the
# title screen and while the game waits for the player's move. Runs the real
# window under a private Xvfb and reads utime + stime from /proc over a window
# of SECONDS seconds (default 20) in each state.
#
#   tools/measure_idle_cpu.sh [path/to/tomaruk] [SECONDS]
#
# With SHOTS=dir set, the screen of each state is saved there (ImageMagick's import).
# Needs Xvfb and xdotool (apt-get install xvfb xdotool).
set -euo pipefail
game=${1:-build/tomaruk}
seconds=${2:-20}
game=$(realpath "$game")
work=$(mktemp -d)
trap 'kill "$gpid" "$xpid" 2>/dev/null || true; wait 2>/dev/null || true; rm -rf "$work"' EXIT

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
xpid=$!
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$work/display")"

# A fresh home and a copy of the game, so no option file of the user is read or written.
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config"
mkdir -p "$HOME" "$work/bin"
cp "$game" "$work/bin/tomaruk"
"$work/bin/tomaruk" --seed 7 2>/dev/null &
gpid=$!

ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }
hz=$(getconf CLK_TCK)
# Prints the share of one core that each process used over the next $seconds seconds.
measure() {
  local g0 x0 t0 g1 x1 t1
  g0=$(ticks "$gpid") x0=$(ticks "$xpid") t0=$(date +%s.%N)
  sleep "$seconds"
  g1=$(ticks "$gpid") x1=$(ticks "$xpid") t1=$(date +%s.%N)
  awk -v g=$((g1 - g0)) -v x=$((x1 - x0)) -v hz="$hz" -v t0="$t0" -v t1="$t1" -v what="$1" \
    'BEGIN { s = t1 - t0; printf "%-22s game %5.2f %%   X server %5.2f %%   (%.1f s)\n", what, 100 * g / hz / s, 100 * x / hz / s, s }'
}

window=""
for _ in $(seq 100); do
  window=$(xdotool search --name '^Tomaruk$' 2>/dev/null | head -1) && [ -n "$window" ] && break
  sleep 0.1
done
[ -n "$window" ] || { echo "the game's window did not appear" >&2; exit 1; }
sleep 3
shot() { if [ -n "${SHOTS:-}" ]; then import -window root "$SHOTS/$1.png"; fi; }
measure "title screen"
shot title

# Start a game, then let the computer players move until it is the player's turn.
xdotool mousemove --window "$window" 300 200 click 1
sleep 15
xdotool mousemove --window "$window" 60 300
sleep 1
measure "waiting for a move"
shot waiting
