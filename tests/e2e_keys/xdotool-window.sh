#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The real Showfloor in a window on a virtual X display of its own, played as
# a person would with xdotool: absolute pointer motion and clicks, keys, and
# typed names, from the title into a game and out through the quit question.
# The window is 1280 x 1000, so the game's 1024 x 768 screen is scaled by 1.25
# with bars above and below: where the pointer lands tests the mapping from
# the window into the screen.
#
# Usage: xdotool-window.sh PRODUCT_FOLDER [SCREENSHOT_FOLDER]
# Exit 77 (skipped) when Xvfb, xdotool or ImageMagick's import is missing.
set -euo pipefail

product=$1
shots=${2:-${QV_E2E_SHOTS:-}}
for tool in Xvfb xdotool import; do
  command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done

work=$(mktemp -d "${TMPDIR:-/tmp}/qv-xdotool-window.XXXXXX")
xvfb_pid=""
game_pid=""
finish() {
  local status=$?
  [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  if [ "$status" -eq 0 ]; then rm -rf "$work"; else echo "kept $work"; fi
}
trap finish EXIT

fail() { echo "FAILED: $*"; exit 1; }

cp -r "$product" "$work/product"
rm -f "$work/product/Resources/Config.txt" "$work/product/Resources"/QState*.bin

# A display number of its own, so parallel runs never meet.
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
exec 3>&-
for _ in $(seq 100); do
  [ -s "$work/display" ] && break
  sleep 0.1
done
[ -s "$work/display" ] || fail "Xvfb did not start"
export DISPLAY=":$(head -n1 "$work/display")"

# The test suites export SDL_VIDEODRIVER=dummy for their headless runs; this
# one needs the real X11 window.
(cd "$work/product" && exec env -u SDL_VIDEODRIVER SDL_AUDIODRIVER=dummy XDG_CONFIG_HOME="$work/config" \
  XDG_DATA_HOME="$work/data" ./Showfloor -windowed -width:1280 -height:1000 -startx:0 -starty:0) \
  >"$work/game.log" 2>&1 &
game_pid=$!
window=$(timeout 30 xdotool search --sync --name '^Game$' | head -n1) || fail "no game window"

# Screen units to display pixels: scale 1.25, bars of 20 pixels above.
at() { echo "$(($1 * 5 / 4)) $((20 + $2 * 5 / 4))"; }
shot() {
  [ -n "$shots" ] || return 0
  mkdir -p "$shots"
  import -window root -crop 1280x1000+0+0 "$shots/$1.png"
}
saved() { LC_ALL=C grep -c -a -P "$1" "$work/product/Resources/Config.txt" >/dev/null 2>&1; }
alive() { kill -0 "$game_pid" 2>/dev/null || fail "the game ended early: $(cat "$work/game.log")"; }

# Each poll takes at most one typed character, and a key pressed twice
# between two polls counts once: keys go at a human pace.
press() {
  for key in "$@"; do
    xdotool key "$key"
    sleep 0.6
  done
}
typed() { xdotool type --delay 500 "$1"; sleep 0.4; }

sleep 3
alive
xdotool windowfocus --sync "$window" || true
# Into the window; the pointer goes where xdotool puts it.
xdotool mousemove 5 5
sleep 0.3
xdotool mousemove $(at 512 650)
sleep 1
shot 1-title-new-game-under-pointer
xdotool click 1
sleep 1.5
shot 2-player-count

# Keys: Up twice reaches the up button, Return presses it, Tab twice OK.
press Up Up Return
shot 3-two-players
press Tab Tab Return
sleep 1.5

# The names: the first typed and confirmed with Return, the second typed
# and confirmed with a click on OK.
press BackSpace BackSpace BackSpace BackSpace BackSpace BackSpace BackSpace BackSpace BackSpace
typed Xdo
press Return
sleep 1
press BackSpace BackSpace BackSpace BackSpace BackSpace BackSpace BackSpace BackSpace BackSpace
typed Tap9
shot 4-second-name
xdotool mousemove $(at 400 690)
sleep 0.3
xdotool mousemove $(at 512 690)
sleep 0.3
xdotool click 1
sleep 2
alive
saved 'X\x00d\x00o\x00' || fail "the first name was not saved"
saved 'T\x00a\x00p\x009\x00' || fail "the second name was not saved"

# The game: the host's welcome, then the question comes up.
sleep 8
shot 5-game
alive

# Escape asks; y quits and the game ends by itself.
xdotool key Escape
sleep 1.5
shot 6-quit-question
xdotool key y
for _ in $(seq 100); do
  kill -0 "$game_pid" 2>/dev/null || break
  sleep 0.1
done
if kill -0 "$game_pid" 2>/dev/null; then fail "y did not quit"; fi
status=0
wait "$game_pid" || status=$?
game_pid=""
[ "$status" -eq 0 ] || fail "exit code $status: $(cat "$work/game.log")"
echo "passed"
