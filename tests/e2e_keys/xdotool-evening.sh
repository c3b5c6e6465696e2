#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# An evening of three players on the real Showfloor, full screen on a
# 1920 x 1080 virtual X display of its own under a window manager, played as a
# family would with xdotool: real key presses, pointer motion and clicks.
# The count is set with the mouse, the names are typed (one with a space),
# the first turns are won with the Joker (by key and by click), then one
# player takes her 100, one answers wrong by key and one by click, and the
# results name the winner. The game is read only from its window: a turn
# has begun when answer A's text is on its plate.
#
# Usage: xdotool-evening.sh PRODUCT_FOLDER [SCREENSHOT_FOLDER]
# Exit 77 (skipped) when Xvfb, openbox, xdotool or ImageMagick is missing.
set -euo pipefail

product=$1
shots=${2:-${QV_E2E_SHOTS:-}}
for tool in Xvfb openbox xdotool import convert; do
  command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done

work=$(mktemp -d "${TMPDIR:-/tmp}/qv-xdotool-evening.XXXXXX")
pids=()
game_pid=""
finish() {
  local status=$?
  [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null || true
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  if [ "$status" -eq 0 ]; then rm -rf "$work"; else echo "kept $work"; fi
}
trap finish EXIT

fail() { echo "FAILED: $*"; shot failed || true; exit 1; }

cp -r "$product" "$work/product"
rm -f "$work/product/Resources/Config.txt" "$work/product/Resources"/QState*.bin

# A set whose outcomes the players can count on: the Joker answers the first
# rung's questions right, and the second rung's have no correct answer, so
# every answer there is wrong.
set_dir="$work/product/Resources/QuestionSets/Evening"
mkdir -p "$set_dir"
{
  printf '19\r\n'
  for rung in 1 1 1 2 2 2 3 4 5 6 7 8 9 10 11 12 13 14 15; do
    correct=1
    [ "$rung" = 2 ] && correct=5
    printf '\r\nWhich answer is first on rung %s?\r\nFirst\r\nSecond\r\nThird\r\nFourth\r\n%s\r\n%s\r\n0\r\n' \
      "$rung" "$correct" "$rung"
  done
} >"$set_dir/Evening.txt"
# The set chosen, sound on, and last time's one player: a byte for each
# switch, the set's name, the count and the name.
stored() {
  local text=$1
  printf "\\x$(printf %02x "${#text}")\\x00\\x00\\x00"
  printf '%s' "$text" | iconv -f ASCII -t UTF-16LE
}
{ printf '\x01\x01'; stored Evening; printf '\x01\x00\x00\x00'; stored Nan; } \
  >"$work/product/Resources/Config.txt"

# A display number of its own, so parallel runs never meet.
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
pids+=($!)
exec 3>&-
for _ in $(seq 100); do
  [ -s "$work/display" ] && break
  sleep 0.1
done
[ -s "$work/display" ] || fail "Xvfb did not start"
export DISPLAY=":$(head -n1 "$work/display")"
HOME="$work" openbox --sm-disable >"$work/openbox.log" 2>&1 &
pids+=($!)
sleep 1

# The test suites export SDL_VIDEODRIVER=dummy for their headless runs; this
# one needs the real X11 window: full screen, as on a television. Each
# frame moves the game on by 0.3 s, so that an evening of six turns fits in
# about a minute on a slow machine; what it shows is the same.
(cd "$work/product" && exec env -u SDL_VIDEODRIVER SDL_AUDIODRIVER=dummy XDG_CONFIG_HOME="$work/config" \
  XDG_DATA_HOME="$work/data" ./Showfloor -constantframetime:0.3) >"$work/game.log" 2>&1 &
game_pid=$!
window=$(timeout 30 xdotool search --sync --name '^Game$' | head -n1) || fail "no game window"
xdotool windowfocus --sync "$window" || true
sleep 1
read -r left top < <(xdotool getwindowgeometry --shell "$window" |
  awk -F= '/^X=/{x=$2} /^Y=/{y=$2} END{print x, y}')

# Screen units to display pixels: the 4:3 screen is 1440 x 1080 in the middle
# of the 1920-wide window, with the backdrop in the bars beside it.
at() { echo "$((left + 240 + $1 * 45 / 32)) $((top + $2 * 45 / 32))"; }
point() { xdotool mousemove $(at "$1" "$2"); sleep 0.2; }
click() { point "$1" "$2"; xdotool click 1; sleep 0.4; }
shot() {
  [ -n "$shots" ] || return 0
  mkdir -p "$shots"
  import -window root -crop "1920x1080+$left+$top" "$shots/$1.png"
}
alive() { kill -0 "$game_pid" 2>/dev/null || fail "the game ended early: $(cat "$work/game.log")"; }
press() {
  for key in "$@"; do
    xdotool key --window "$window" "$key"
    sleep 0.3
  done
}
# How busy a rectangle of the display is (its grey levels' deviation, in
# thousandths): a plate with text on it is busy, an empty one flat.
busy() {
  import -window root -crop "$3x$4+$((left + $1))+$((top + $2))" png:- 2>/dev/null |
    convert - -colorspace Gray -format '%[fx:int(1000*standard_deviation)]' info:
}
# The start of the question's text (left of where the results panel stands
# on the next screen), and answer D's (the last answer written
# out).
question_text() { busy 395 801 225 36; }
answer_text() { busy 903 996 240 30; }
# Waits until a question and its answers are shown, or (with "gone") until
# the question has gone, between two turns. A player's game that has ended
# waits for its end button, clicked now and then (there is no button there
# otherwise). The answers and help buttons take presses once the last answer
# has stood for 1.5 s of game time: five frames, which a loaded machine
# drawing 1920 x 1080 in software may take two seconds to draw, so a shown
# question is given that long before the test presses anything.
wait_answers() {
  local want=$1
  for step in $(seq 240); do
    alive
    local q a
    q=$(question_text)
    a=$(answer_text)
    if [ "$want" = shown ] && [ "$q" -gt 60 ] && [ "$a" -gt 60 ]; then
      sleep 2.5
      return 0
    fi
    if [ "$want" = gone ] && [ "$q" -lt 20 ]; then return 0; fi
    if [ $((step % 6)) -eq 0 ]; then click 399 480; fi
    sleep 0.2
  done
  fail "the question was not $want"
}
saved() { LC_ALL=C grep -c -a -P "$1" "$work/product/Resources/Config.txt" >/dev/null 2>&1; }

alive
# The title: a new game with the mouse; three players counted with the up
# button; OK.
point 600 650
click 512 650
sleep 1.5
click 512 454
click 512 454
sleep 0.5
click 512 690
sleep 1.5
# The names: typed, the first over last time's name (the first key replaces
# it) with a space and confirmed with Return, the second cleared with
# Backspace and confirmed with a click on OK, the third with Return again.
typed() { xdotool type --delay 120 "$1"; sleep 0.5; }
typed "Aunt May"
press Return
sleep 1.2
press BackSpace BackSpace BackSpace BackSpace BackSpace BackSpace BackSpace BackSpace BackSpace
typed "Bo"
click 512 690
sleep 1.2
press BackSpace BackSpace BackSpace BackSpace BackSpace BackSpace BackSpace BackSpace BackSpace
typed "Cy"
press Return
sleep 2
alive
saved '\x03\x00\x00\x00\x08\x00\x00\x00A\x00u\x00n\x00t\x00 \x00M\x00a\x00y\x00\x02\x00\x00\x00B\x00o\x00\x02\x00\x00\x00C\x00y\x00$' ||
  fail "the three names were not saved as typed: $(od -c "$work/product/Resources/Config.txt")"

# The first round: each player wins the first rung with the Joker.
point 900 100
wait_answers shown
shot 1-turn-start
press j
wait_answers gone
wait_answers shown
click 763 69
wait_answers gone
wait_answers shown
press j
wait_answers gone

# The second round: Aunt May takes her 100 with a click, Bo answers B by
# key, Cy clicks answer C: both wrong, as nothing on this rung is right.
wait_answers shown
shot 2-ladder
click 659 69
wait_answers gone
wait_answers shown
press b
wait_answers gone
wait_answers shown
click 209 719
# The results, once Cy's game has ended and every line has typed itself
# out: the question's place then shows the backdrop.
wait_answers gone
sleep 5
shot 3-results
alive

# OK back to the title, then Escape asks and y quits.
click 512 690
sleep 3
press Escape
sleep 1.5
press y
for _ in $(seq 100); do
  kill -0 "$game_pid" 2>/dev/null || break
  sleep 0.1
done
if kill -0 "$game_pid" 2>/dev/null; then fail "y did not quit"; fi
status=0
wait "$game_pid" || status=$?
game_pid=""
[ "$status" -eq 0 ] || fail "exit code $status: $(cat "$work/game.log")"
# Six turns were played: three questions of the first rung and three of the
# second were asked.
used=$(od -An -v -tu1 -j4 "$work/product/Resources/QStateEvening.bin" | tr -s ' ' '\n' | grep -c '^1$')
[ "$used" -eq 6 ] || fail "$used questions marked as asked, not 6"
echo "passed"
