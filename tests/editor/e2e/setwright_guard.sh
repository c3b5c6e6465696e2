#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Setwright in real X windows with a window manager, driven by real key
# presses, where work used to be lost: a set whose last question is deleted
# and then typed into, a new set left with Exit and No, two windows on one
# set, a file changed behind a window's back, a prize chosen by typing
# "500". Then stills of the window and a dialog at 100% and 200% scale.
# Usage: setwright_guard.sh <Setwright> <output folder>
# Exit 77 (skipped) when Xvfb, xdotool or ImageMagick is missing.
set -euo pipefail

program=$1
out=$2
for tool in Xvfb xdotool xwininfo import convert; do
  command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done
mkdir -p "$out"
work=$(mktemp -d)
xvfb_pid=""
wm_pid=""
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  [ -n "$wm_pid" ] && kill "$wm_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAILED: $*" >&2; exit 1; }

mkdir -p "$work/product" "$work/config/Quizvale"
cp "$program" "$work/product/Setwright"
sets="$work/product/Resources/QuestionSets"
profile="$work/config/Quizvale/Setwright.INI"

write_set() { # name count
  local name=$1 count=$2
  mkdir -p "$sets/$name"
  {
    printf '%d\r\n' "$count"
    for ((i = 1; i <= count; i++)); do
      printf '\r\nQuestion %d of %s?\r\nA%d\r\nB%d\r\nC%d\r\nD%d\r\n1\r\n%d\r\n0\r\n' \
        "$i" "$name" "$i" "$i" "$i" "$i" $(( (i - 1) % 15 + 1 ))
    done
  } >"$sets/$name/$name.txt"
}
remember() { printf '[Previous Question Set]\r\nName=%s\r\n' "$1" >"$profile"; }
# Every file under the sets folder with its checksum, hidden ones included.
listing() { (cd "$sets" && find . -print0 | sort -z | xargs -0 -I{} sh -c 'printf "%s " "{}"; [ -f "{}" ] && md5sum <"{}" || echo folder'); }
line() { sed -n "$2p" "$1" | tr -d '\r'; } # file, 1-based line number

exec 3<> <(:)
Xvfb -displayfd 3 -screen 0 2560x1600x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
read -r -t 10 display <&3 || fail "Xvfb did not start"
export DISPLAY=":$display"
export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" QT_QPA_PLATFORM=xcb
command -v openbox >/dev/null || { echo "skipped: openbox is not installed"; exit 77; }
printf '<?xml version="1.0"?>\n<openbox_config xmlns="http://openbox.org/3.4/rc"/>\n' >"$work/openbox.xml"
openbox --config-file "$work/openbox.xml" >"$work/wm.log" 2>&1 &
wm_pid=$!
sleep 1

# Starts Setwright and sets $pid; extra words go into its environment.
launch() {
  env "$@" "$work/product/Setwright" >>"$work/setwright.log" 2>&1 &
  pid=$!
  pids+=("$pid")
}
# Its window once shown: sets $window.
find_window() {
  window=$(timeout 20 xdotool search --all --sync --onlyvisible --pid "$pid" --name 'Quizvale Setwright' |
    head -1) || fail "no Setwright window: $(cat "$work/setwright.log")"
  xdotool windowmove --sync "$window" 40 60 || true
  activate "$window"
}
activate() {
  xdotool windowactivate --sync "$1" 2>/dev/null || xdotool windowfocus --sync "$1"
  sleep 0.6
}
start() {
  launch "$@"
  find_window
}
title() { xdotool getwindowname "$1"; }
expect_title() { # window caption
  for _ in $(seq 50); do
    [ "$(title "$1")" = "$2" ] && return 0
    sleep 0.1
  done
  fail "the caption is '$(title "$1")', not '$2'"
}
keys() { xdotool key --delay 80 "$@"; sleep 0.4; }
typed() { xdotool type --delay 60 "$1"; sleep 0.4; }
# A box of that title comes up: its window id.
box() {
  local id
  id=$(timeout 10 xdotool search --sync --onlyvisible --name "^$1\$" | head -1) || fail "no box '$1'"
  sleep 0.3
  echo "$id"
}
gone() { # pid: the program ends by itself
  for _ in $(seq 80); do kill -0 "$1" 2>/dev/null || return 0; sleep 0.1; done
  fail "Setwright $1 did not close"
}
shot() { # name window: the window with its frame
  local x y rx ry w h
  read -r x y rx ry w h < <(xwininfo -id "$2" | awk -F: '
    /Absolute upper-left X/ { x = $2 } /Absolute upper-left Y/ { y = $2 }
    /Relative upper-left X/ { rx = $2 } /Relative upper-left Y/ { ry = $2 }
    /Width/ { w = $2 } /Height/ { h = $2 }
    END { print x, y, rx, ry, w, h }')
  import -window root -crop "$((w + 2 * rx))x$((h + ry + rx))+$((x - rx))+$((y - ry))" +repage \
    "$out/$1.png"
}

# 1. The only question deleted, then typed into: nothing goes to a question
# that is not there, and New Question is the way in. The first key typed at
# start-up adds to the question instead of replacing it.
write_set One 1
remember One
start
expect_title "$window" "One - Quizvale Setwright"
typed '!'
keys ctrl+s
expect_title "$window" "One - Quizvale Setwright"
[ "$(line "$sets/One/One.txt" 3)" = "Question 1 of One?!" ] || fail "the first key replaced the question"
keys ctrl+shift+Delete
typed 'Typed text'
shot guard-no-questions "$window"
keys ctrl+s
[ "$(line "$sets/One/One.txt" 1)" = 0 ] || fail "the set should hold no question"
keys ctrl+n
typed 'Typed text'
keys ctrl+s
expect_title "$window" "One - Quizvale Setwright"
[ "$(line "$sets/One/One.txt" 1)" = 1 ] || fail "the new question was not saved"
[ "$(line "$sets/One/One.txt" 3)" = "Typed text" ] || fail "the typed text was lost: $(cat "$sets/One/One.txt")"
keys Escape
gone "$pid"

# 2. New Question Set, then Exit and No: the sets folder and the profile
# are exactly as they were.
write_set Trip 6
remember Trip
before=$(listing)
start
expect_title "$window" "Trip - Quizvale Setwright"
keys alt+f n
named=$(box "New Set of Questions")
typed 'Fresh'
keys Return
expect_title "$window" "Fresh* - Quizvale Setwright"
keys Escape
box "Unsaved Changes" >/dev/null
keys alt+n
gone "$pid"
[ "$(listing)" = "$before" ] || fail "Exit, No changed the sets folder: $(diff <(echo "$before") <(listing))"
grep -q '^Name=Trip' "$profile" || fail "the profile no longer names Trip"

# 3. Two windows on one set: the second says who holds it and opens it
# read-only; nothing it does reaches the file.
start
a=$window a_pid=$pid
expect_title "$a" "Trip - Quizvale Setwright"
launch
b_pid=$pid
inuse=$(box "Question Set In Use")
activate "$inuse"
shot guard-set-in-use "$inuse"
keys Return
find_window
b=$window
expect_title "$b" "Trip (read-only) - Quizvale Setwright"
saved=$(md5sum <"$sets/Trip/Trip.txt")
keys ctrl+shift+Delete ctrl+s
[ "$(md5sum <"$sets/Trip/Trip.txt")" = "$saved" ] || fail "the read-only window changed the set"
expect_title "$b" "Trip (read-only) - Quizvale Setwright"
keys Escape
gone "$b_pid"

# The first window types on; another program rewrites the file meanwhile.
activate "$a"
sleep 0.4
typed ' edited'
sed -i 's/^Question 1 of Trip?/Question 1 changed elsewhere?/' "$sets/Trip/Trip.txt"
theirs=$(md5sum <"$sets/Trip/Trip.txt")
keys ctrl+s
changed=$(box "Question Set Changed")
shot guard-changed-outside "$changed"
keys Escape
[ "$(md5sum <"$sets/Trip/Trip.txt")" = "$theirs" ] || fail "Cancel overwrote the file"
expect_title "$a" "Trip* - Quizvale Setwright"
keys ctrl+s
box "Question Set Changed" >/dev/null
keys Return
expect_title "$a" "Trip - Quizvale Setwright"
[ "$(line "$sets/Trip/Trip.txt" 48)" = "Question 6 of Trip? edited" ] || fail "Overwrite did not save this window's set"

# 4. A prize chosen by typing "500" in the value list: one step of Undo.
keys Tab Tab Tab Tab Tab Tab
typed '500'
expect_title "$a" "Trip* - Quizvale Setwright"
keys ctrl+s
[ "$(line "$sets/Trip/Trip.txt" 54)" = 4 ] || fail "typing 500 did not choose the prize 500"
keys shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab
typed 'C'
keys ctrl+z
expect_title "$a" "Trip - Quizvale Setwright"
keys Escape
gone "$a_pid"
[ ! -e "$sets/.Trip.lock" ] || fail "the lock file outlived the window"

# 5. Stills: the window and the new-set dialog at 100% and 200% scale.
write_set Still 12
sed -i '$ s/^0\r$/1\r/' "$sets/Still/Still.txt" # question 12 has a picture
convert -size 420x240 gradient:'#2a6fb0-#f3c64a' -fill white -draw 'circle 300,90 330,120' \
  "$sets/Still/pic_for_q_12.jpg"
remember Still
for scale in 1 2; do
  start QT_SCALE_FACTOR=$scale
  shot "setwright-scale-$scale" "$window"
  keys alt+f n
  named=$(box "New Set of Questions")
  typed 'Evening quiz'
  shot "setwright-new-set-scale-$scale" "$named"
  keys Escape
  keys Escape
  gone "$pid"
done
echo "Setwright's guards driven with keys: every check passed"
