#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# File > Import Questions… and Export Questions… in a real X window on a
# display of its own, driven with real key presses: the preview, Import, one
# Undo taking the whole import back, Redo, Save, and the export. Leaves
# screenshots in the output folder.
# Usage: import_dialog_keys.sh <Setwright> <output folder>
set -euo pipefail

program=$1
out=$2
for tool in Xvfb xdotool import convert; do
  command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done
mkdir -p "$out"
work=$(mktemp -d)
xvfb_pid=""
editor_pid=""
cleanup() {
  [ -n "$editor_pid" ] && kill "$editor_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAILED: $*" >&2; exit 1; }

mkdir -p "$work/product/Resources/QuestionSets/Night" "$work/config/Quizvale" "$work/in/pictures"
cp "$program" "$work/product/Setwright"
set_file="$work/product/Resources/QuestionSets/Night/Night.txt"
printf '2\r\n\r\nOld one?\r\na\r\nb\r\nc\r\nd\r\n1\r\n1\r\n0\r\n\r\nOld two?\r\na\r\nb\r\nc\r\nd\r\n2\r\n2\r\n0\r\n' \
  > "$set_file"
printf '[Previous Question Set]\r\nName=Night\r\n' > "$work/config/Quizvale/Setwright.INI"
convert -size 800x400 xc:'rgb(30,140,220)' "$work/in/pictures/sky.png"
printf 'question,a,b,c,d,correct,rung,picture\r\n%s\r\n%s\r\n%s\r\n%s\r\n' \
  'Which colour is the sky?,Green,Blue,Red,Grey,B,3,pictures/sky.png' \
  '"How many legs, in all, has a spider?",Six,Eight,Ten,Four,Eight,easy,' \
  'Which is the odd one out?,Cat,Dog,Cat,Cow,A,,' \
  'Which is a fruit?,Leek,Apple,Kale,Bean,2,hard,' > "$work/in/round.csv"

exec 3<> <(:)
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
read -r -t 10 display <&3 || fail "Xvfb did not start"
export DISPLAY=":$display"
export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" QT_QPA_PLATFORM=xcb

"$work/product/Setwright" >"$work/setwright.log" 2>&1 &
editor_pid=$!
window=$(xdotool search --sync --name 'Quizvale Setwright' | head -1)
caption() { xdotool getwindowname "$window"; }
# Without a window manager nothing gives the focus back after a dialog.
keys() { xdotool windowfocus --sync "$window" 2>/dev/null || true; xdotool key --delay 80 "$@"; }
wait_for() { # window name
  for _ in $(seq 50); do
    xdotool search --name "$1" >/dev/null 2>&1 && return 0
    sleep 0.2
  done
  fail "no window \"$1\""
}
shot() { sleep 0.5; import -window root "$out/$1.png"; }

[ "$(caption)" = "Night - Quizvale Setwright" ] || fail "opened as \"$(caption)\""
keys alt+f i
wait_for '^Import Questions$'
sleep 0.5
xdotool type --delay 20 "$work/in/round.csv"
xdotool key Return
sleep 1.5
shot import-preview
[ "$(wc -l < "$set_file")" -eq 19 ] || fail "the preview changed the set"
xdotool key Return
sleep 1
[ "$(caption)" = "Night* - Quizvale Setwright" ] || fail "after the import: \"$(caption)\""
shot imported
keys ctrl+z
sleep 0.5
[ "$(caption)" = "Night - Quizvale Setwright" ] || fail "one Undo left \"$(caption)\""
keys ctrl+y ctrl+s
sleep 1.5
head -c 3 "$set_file" | grep -q '^5' || fail "the saved set does not hold 5 questions"
grep -q 'How many legs, in all, has a spider?' "$set_file" || fail "the quoted question is missing"
[ -s "$work/product/Resources/QuestionSets/Night/pic_for_q_3.jpg" ] || fail "the picture is missing"

keys alt+f e
wait_for '^Export Questions$'
sleep 0.5
xdotool type --delay 20 "$work/night-export"
xdotool key Return
wait_for '^Questions Exported$'
shot exported
xdotool key Return
[ "$(head -c 3 "$work/night-export.csv" | od -An -tx1 | tr -d ' ')" = "efbbbf" ] ||
  fail "the export has no byte-order mark"
[ "$(grep -c $'\r$' "$work/night-export.csv")" -eq 6 ] || fail "the export does not hold 5 rows"
grep -q '^Which colour is the sky?,Green,Blue,Red,Grey,B,3,night-export-pictures/question-3.jpg' \
  "$work/night-export.csv" || fail "the picture row is wrong"

# A spreadsheet whose header names no known column: the preview asks which
# column holds what (its first guess fits this file), and Alt+H lets the
# question the set has already come in again.
printf 'Frage,Eins,Zwei,Drei,Vier,Richtig\r\n%s\r\n%s\r\n' \
  'Old one?,a,b,c,d,1' 'Wie viel ist 2+2?,3,4,5,6,2' > "$work/in/fragen.csv"
keys alt+f i
wait_for '^Import Questions$'
sleep 0.5
xdotool type --delay 20 "$work/in/fragen.csv"
xdotool key Return
sleep 1.5
xdotool key --delay 80 alt+h
sleep 0.5
shot import-columns
xdotool key Return
sleep 1
keys ctrl+s
sleep 1.5
head -c 3 "$set_file" | grep -q '^7' || fail "the chosen columns did not bring both questions in"
grep -q 'Wie viel ist 2+2?' "$set_file" || fail "the question of the chosen columns is missing"

keys Escape
for _ in $(seq 25); do kill -0 "$editor_pid" 2>/dev/null || break; sleep 0.2; done
kill -0 "$editor_pid" 2>/dev/null && fail "Escape did not end the program"
editor_pid=""
echo "import dialog: passed"
