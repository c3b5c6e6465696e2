#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Setwright in a real X window, a set named in Greek: the caption shows the
# name; Greek, Polish and Cyrillic pasted from another program with Ctrl+V,
# and cut and pasted between fields, are kept without a "Characters Left
# Out" box; Save writes the set as UTF-8 after its byte-order mark.
# (The letters come through the clipboard: xdotool types a letter that the
# keyboard map lacks by rebinding a spare key, which a window can read after
# the binding has moved on.)
# Usage: setwright_any_script.sh <Setwright> <output folder>
set -euo pipefail

program=$1
out=$2
for tool in Xvfb xdotool xclip xwininfo import; do
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

mkdir -p "$work/product" "$work/config/Quizvale"
cp "$program" "$work/product/Setwright"
name='Ελληνικά'
set_folder="$work/product/Resources/QuestionSets/$name"
set_file="$set_folder/$name.txt"
mkdir -p "$set_folder"
# Two questions in plain letters: a Windows-1252 set, as every set before.
printf '2\r\n\r\nFirst?\r\na\r\nb\r\nc\r\nd\r\n1\r\n1\r\n0\r\n\r\nSecond?\r\na\r\nb\r\nc\r\nd\r\n2\r\n2\r\n0\r\n' \
  > "$set_file"
printf '[Previous Question Set]\r\nName=%s\r\n' "$name" > "$work/config/Quizvale/Setwright.INI"

exec 3<> <(:)
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
read -r -t 10 display <&3 || fail "Xvfb did not start"
export DISPLAY=":$display"
export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data"
export QT_QPA_PLATFORM=xcb LANG=C.UTF-8
if command -v openbox >/dev/null; then
  openbox --config-file /dev/null >"$work/wm.log" 2>&1 &
  wm_pid=$!
  sleep 1
fi

"$work/product/Setwright" >>"$work/setwright.log" 2>&1 &
editor_pid=$!
window=$(xdotool search --sync --name 'Quizvale Setwright' | head -1)
xdotool windowmove --sync "$window" 20 80
xdotool windowfocus --sync "$window"
sleep 0.5

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
# Another program offers the text on the clipboard; Ctrl+V pastes it.
paste_text() {
  printf '%s' "$1" | xclip -selection clipboard 2>/dev/null &
  local offer=$!
  sleep 0.3
  keys ctrl+v
  kill "$offer" 2>/dev/null || true
}
shot() {
  local x y rx ry w h
  read -r x y rx ry w h < <(xwininfo -id "$window" | awk -F: '
    /Absolute upper-left X/ { x = $2 } /Absolute upper-left Y/ { y = $2 }
    /Relative upper-left X/ { rx = $2 } /Relative upper-left Y/ { ry = $2 }
    /Width/ { w = $2 } /Height/ { h = $2 }
    END { print x, y, rx, ry, w, h }')
  import -window root -crop "$((w + 2 * rx))x$((h + ry + rx))+$((x - rx))+$((y - ry))" +repage \
    "$out/$1.png"
}
no_left_out_box() {
  if xdotool search --name 'Characters Left Out' >/dev/null 2>&1; then
    shot setwright-any-script-refused
    fail "a Characters Left Out box was shown for text a set can hold"
  fi
}

expect_title "$name - Quizvale Setwright"

# The question shown is the last one; the cursor is in its question field.
keys ctrl+a
xdotool type --delay 60 'Q: '
paste_text 'Ποια πόλη; Αθήνα'
expect_title "$name* - Quizvale Setwright"
# Answer A: pasted, then cut, pasted back, and pasted again into answer B.
keys Tab ctrl+a
paste_text 'Łódź'
keys ctrl+a ctrl+x ctrl+v Tab ctrl+a ctrl+v
keys Tab ctrl+a
paste_text 'Юлия'
sleep 0.5
no_left_out_box
shot setwright-any-script
keys ctrl+s
expect_title "$name - Quizvale Setwright"
no_left_out_box

[ "$(head -c 3 "$set_file" | od -An -tx1 | tr -d ' \n')" = efbbbf ] ||
  fail "the saved set does not start with the UTF-8 byte-order mark"
lines=$(tail -c +4 "$set_file" | tr -d '\r')
want=$'2\n\nFirst?\na\nb\nc\nd\n1\n1\n0\n\nQ: Ποια πόλη; Αθήνα\nŁódź\nŁódź\nЮлия\nd\n2\n2\n0'
[ "$lines" = "$want" ] || fail "the saved set holds: $lines"

# Open Question Set lists the set under its Greek name.
keys ctrl+o
sleep 0.5
shot setwright-any-script-open-set
keys Escape
xdotool windowfocus --sync "$window"
sleep 0.3
expect_title "$name - Quizvale Setwright"

keys Escape
for _ in $(seq 50); do kill -0 "$editor_pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$editor_pid" 2>/dev/null && fail "Setwright did not close"
editor_pid=""
grep -q "Name=$name" "$work/config/Quizvale/Setwright.INI" || fail "the profile lost the set's name"
echo "Setwright in any script: every check passed"
