#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Setwright in a real X window on a display of its own, driven with real key
# presses: open a set, move with the keys, type, undo, delete, save, discard
# a change, the File menu and Open Question Set. Leaves screenshots in the
# output folder. Usage: setwright_keys.sh <Setwright> <output folder>
set -euo pipefail

program=$1
out=$2
for tool in Xvfb xdotool xwininfo import convert; do
  command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done
mkdir -p "$out"
work=$(mktemp -d)
xvfb_pid=""
editor_pid=""
wm_pid=""
cleanup() {
  [ -n "$editor_pid" ] && kill "$editor_pid" 2>/dev/null || true
  [ -n "$wm_pid" ] && kill "$wm_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

fail() { echo "FAILED: $*" >&2; exit 1; }

# The program reads and writes the Resources folder beside its own file.
mkdir -p "$work/product" "$work/config/Quizvale"
cp "$program" "$work/product/Setwright"
sets="$work/product/Resources/QuestionSets"

# A set of twelve questions with pictures on questions 2, 5 and 9.
write_set() { # name count [picture questions...]
  local name=$1 count=$2; shift 2
  local folder="$sets/$name" flags=" $* "
  mkdir -p "$folder"
  {
    printf '%d\r\n' "$count"
    for ((i = 1; i <= count; i++)); do
      local flag=0
      [[ "$flags" == *" $i "* ]] && flag=1
      printf '\r\nQuestion %d of %s?\r\nA%d\r\nB%d\r\nC%d\r\nD%d\r\n1\r\n%d\r\n%d\r\n' \
        "$i" "$name" "$i" "$i" "$i" "$i" $(( (i - 1) % 15 + 1 )) "$flag"
    done
  } > "$folder/$name.txt"
  for q in "$@"; do
    convert -size 240x120 "xc:rgb($((q * 25)),90,$((250 - q * 20)))" "$folder/pic_for_q_$q.jpg"
  done
}
write_set Trip 12 2 5 9
write_set Other 3
printf '[Previous Question Set]\r\nName=Trip\r\n' > "$work/config/Quizvale/Setwright.INI"
sum() { md5sum < "$1" | cut -d' ' -f1; }
pic5=$(sum "$sets/Trip/pic_for_q_5.jpg")
pic9=$(sum "$sets/Trip/pic_for_q_9.jpg")

# A display of our own: Xvfb names a free one.
exec 3<> <(:)
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
read -r -t 10 display <&3 || fail "Xvfb did not start"
export DISPLAY=":$display"
export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data"
unset QT_QPA_PLATFORM
export QT_QPA_PLATFORM=xcb
# A window manager, where one is installed, draws the caption in the
# screenshots; the checks read the caption from the window either way.
if [ -z "${SETWRIGHT_E2E_NO_WM:-}" ] && command -v openbox >/dev/null; then
  openbox --config-file /dev/null >"$work/wm.log" 2>&1 &
  wm_pid=$!
  sleep 1
fi

start_editor() {
  "$work/product/Setwright" >>"$work/setwright.log" 2>&1 &
  editor_pid=$!
  window=$(xdotool search --sync --name 'Quizvale Setwright' | head -1)
  xdotool windowmove --sync "$window" 20 80
  eval "$(xdotool getwindowgeometry --shell "$window")"
  xdotool mousemove $((X + WIDTH - 40)) $((Y + HEIGHT - 60))
  xdotool windowfocus --sync "$window"
  sleep 0.5
}
start_editor
title() { xdotool getwindowname "$window"; }
expect_title() {
  local want=$1
  for _ in $(seq 50); do
    [ "$(title)" = "$want" ] && return 0
    sleep 0.1
  done
  fail "the caption is '$(title)', not '$want'"
}
keys() { xdotool key --delay 60 "$@"; sleep 0.3; }
# A closed dialog leaves the X focus nowhere when no window manager hands it
# back to the window below, as a desktop's does.
refocus() { xdotool windowfocus --sync "$window"; sleep 0.2; }
shot() { # name: the window with its frame, and any menu or dialog over it
  local x y rx ry w h
  read -r x y rx ry w h < <(xwininfo -id "$window" | awk -F: '
    /Absolute upper-left X/ { x = $2 } /Absolute upper-left Y/ { y = $2 }
    /Relative upper-left X/ { rx = $2 } /Relative upper-left Y/ { ry = $2 }
    /Width/ { w = $2 } /Height/ { h = $2 }
    END { print x, y, rx, ry, w, h }')
  import -window root -crop "$((w + 2 * rx))x$((h + ry + rx))+$((x - rx))+$((y - ry))" +repage \
    "$out/$1.png"
}

expect_title "Trip - Quizvale Setwright"
shot setwright-open

# The cursor starts in the question field: typing marks the set changed.
keys ctrl+Home Next
xdotool type --delay 40 'Edited '
expect_title "Trip* - Quizvale Setwright"
shot setwright-changed
keys ctrl+z
expect_title "Trip - Quizvale Setwright"

# Question 2 (with a picture) deleted and saved: the pictures follow.
keys ctrl+shift+Delete
expect_title "Trip* - Quizvale Setwright"
keys ctrl+s
expect_title "Trip - Quizvale Setwright"
[ "$(head -1 "$sets/Trip/Trip.txt" | tr -d '\r')" = 11 ] || fail "the saved set does not hold 11 questions"
[ "$(sum "$sets/Trip/pic_for_q_4.jpg")" = "$pic5" ] || fail "question 4 lacks question 5's picture"
[ "$(sum "$sets/Trip/pic_for_q_8.jpg")" = "$pic9" ] || fail "question 8 lacks question 9's picture"
[ ! -e "$sets/Trip/pic_for_q_9.jpg" ] || fail "a picture beyond the set is left"
saved=$(sum "$sets/Trip/Trip.txt")

# The File menu, then Open Question Set.
keys alt+f
sleep 0.3
shot setwright-menu
keys Escape Escape alt+e
sleep 0.3
shot setwright-edit-menu
keys Escape Escape
keys ctrl+o
sleep 0.5
shot setwright-open-set
keys Escape
expect_title "Trip - Quizvale Setwright"
refocus

# Undo brings question 2 back with its picture; a move; then Exit and No
# leave the folder exactly as saved.
keys ctrl+z
expect_title "Trip* - Quizvale Setwright"
keys ctrl+shift+Down Next Prior ctrl+g
sleep 0.3
keys ctrl+a 7 Return
refocus
keys Escape
sleep 0.5
keys alt+n
for _ in $(seq 50); do kill -0 "$editor_pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$editor_pid" 2>/dev/null && fail "Setwright did not close after Exit, No"
editor_pid=""
[ "$(sum "$sets/Trip/Trip.txt")" = "$saved" ] || fail "No changed the set file"
[ ! -e "$sets/Trip/pic_for_q_2.jpg" ] || fail "No brought back question 2's picture"
ls -A "$sets" | grep -q '^\.' && fail "the editor left hidden files beside the sets: $(ls -A "$sets")"

# Started again: Open Question Set opens the other set.
start_editor
expect_title "Trip - Quizvale Setwright"
keys ctrl+o
sleep 0.3
keys Home Return
expect_title "Other - Quizvale Setwright"
refocus
shot setwright-other
keys Escape
for _ in $(seq 50); do kill -0 "$editor_pid" 2>/dev/null || break; sleep 0.1; done
editor_pid=""
grep -q 'Name=Other' "$work/config/Quizvale/Setwright.INI" || fail "the profile does not name the set opened"
echo "Setwright driven with keys: every check passed"
