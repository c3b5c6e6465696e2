#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Setwright in the pseudo language (every text accented and 40% longer), in a
# real X window with a window manager, at 100%, 150% and 200% scale: its
# window, each menu opened with a real click, the Go to Question and Open
# Question Set dialogs, the About and statistics boxes and the new-set dialog. Fails on any text left in English or
# cut off, read through the program's widget dump; leaves stills in the
# output folder. Then --help in the pseudo language.
# Usage: setwright_pseudo.sh <Setwright> <translations folder> <output folder> [LANGUAGE]
# With another LANGUAGE ("pl") only what is cut off counts (its words are
# plain letters too), and the stills are named after it.
# Exit 77 (skipped) when Xvfb, xdotool, openbox or ImageMagick is missing.
set -euo pipefail

program=$1
translations=$2
out=$3
code=${4:-qps}
here="$(cd "$(dirname "$0")" && pwd)"
for tool in Xvfb xdotool xwininfo import openbox; do
  command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done
mkdir -p "$out"
# The File menu's import entry, found by its first word as the language
# writes it.
import_word='Îɱþöŕţ'
if [ "$code" != qps ]; then
  import_word=$(/usr/bin/python3 -c '
import sys, xml.etree.ElementTree as tree
for message in tree.parse(sys.argv[1]).iter("message"):
    if message.findtext("source") == "&Import Questions\u2026":
        print(message.findtext("translation").replace("&", "").split()[0])
' "$here/../../../editor/ui/translations/setwright_$code.ts")
fi
work=$(mktemp -d)
xvfb_pid=""
wm_pid=""
pid=""
cleanup() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
  [ -n "$wm_pid" ] && kill "$wm_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAILED: $*" >&2; exit 1; }
failures=0

mkdir -p "$work/product" "$work/config/Quizvale"
cp "$program" "$work/product/Setwright"
cp -r "$translations" "$work/product/translations"
[ -f "$work/product/translations/setwright_$code.qm" ] || fail "no setwright_$code.qm in $translations"

# A set of the user's in Greek, so that no English word on screen is the user's.
name="Δοκιμή"
sets="$work/product/Resources/QuestionSets"
mkdir -p "$sets/$name"
{
  printf '\xef\xbb\xbf3\r\n'
  for i in 1 2 3; do
    printf '\r\nΕρώτηση %d;\r\nΑλφα\r\nΒήτα\r\nΓάμμα\r\nΔέλτα\r\n1\r\n%d\r\n0\r\n' "$i" "$i"
  done
} >"$sets/$name/$name.txt"
# Questions to import, in Greek; the header names the columns.
csv="42.csv"
printf 'question,a,b,c,d,correct\r\nΠοιο είναι κόκκινο;,Ουρανός,Φωτιά,Χιόνι,Χόρτο,B\r\n' >"$work/$csv"
printf '[Previous Question Set]\r\nName=%s\r\n' "$name" >"$work/config/Quizvale/Setwright.INI"

exec 3<> <(:)
Xvfb -displayfd 3 -screen 0 2560x1600x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
read -r -t 10 display <&3 || fail "Xvfb did not start"
export DISPLAY=":$display"
export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" QT_QPA_PLATFORM=xcb
export LC_ALL=C.UTF-8 LANGUAGE=$code
printf '<?xml version="1.0"?>\n<openbox_config xmlns="http://openbox.org/3.4/rc"/>\n' >"$work/openbox.xml"
openbox --config-file "$work/openbox.xml" >"$work/wm.log" 2>&1 &
wm_pid=$!
sleep 1

dump="$work/dump.jsonl"
# A fresh dump, written after the last action.
fresh_dump() {
  rm -f "$dump"
  for _ in $(seq 40); do [ -s "$dump" ] && return 0; sleep 0.05; done
  fail "Setwright wrote no widget dump"
}
# Checks the texts on screen now; `what` names the moment.
check_screen() {
  sleep 0.3
  fresh_dump
  local only=()
  [ "$code" = qps ] || only=(--cut-only)
  if ! /usr/bin/python3 "$here/pseudo_check.py" "${only[@]}" "$dump" "$1" "$name" "$csv"; then
    failures=$((failures + 1))
  fi
}
# A window besides the main one is on screen (the dialog just opened).
expect_dialog() {
  /usr/bin/python3 -c '
import json, sys
titles = {json.loads(raw)["window"] for raw in open(sys.argv[1], encoding="utf-8")}
sys.exit(0 if any(sys.argv[2] not in t for t in titles) else 1)
' "$dump" "$name" || { echo "$1: no dialog came up"; failures=$((failures + 1)); }
}
# The screen position of the text dumped for widget `name` (or of the entry
# with the text given), "x y".
where() {
  /usr/bin/python3 -c '
import json, sys
for raw in open(sys.argv[1], encoding="utf-8"):
    r = json.loads(raw)
    if r["name"] == sys.argv[2] or r["text"] == sys.argv[2]:
        print(r["x"], r["y"]); break
' "$dump" "$1"
}
where_text() { # the first entry whose text holds the words given: "x y"
  /usr/bin/python3 -c '
import json, sys
for raw in open(sys.argv[1], encoding="utf-8"):
    r = json.loads(raw)
    if sys.argv[2] in r["text"]:
        print(r["x"], r["y"]); break
' "$dump" "$1"
}
menus() {
  /usr/bin/python3 -c '
import json, sys
for raw in open(sys.argv[1], encoding="utf-8"):
    r = json.loads(raw)
    if r["kind"] == "menu":
        print(r["x"], r["y"])
' "$dump"
}
entries() { # the entries of the open menu, "x y" each
  /usr/bin/python3 -c '
import json, sys
for raw in open(sys.argv[1], encoding="utf-8"):
    r = json.loads(raw)
    if r["kind"] == "menu entry":
        print(r["x"], r["y"])
' "$dump"
}
click_at() { xdotool mousemove --sync "$1" "$2" click 1; sleep 0.4; }
keys() { xdotool key --delay 80 "$@"; sleep 0.3; }
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
box() { # the window of that title once shown
  timeout 10 xdotool search --sync --onlyvisible --name "$1" | tail -1 || fail "no window '$1'"
}

for scale in 1 1.5 2; do
  QT_SCALE_FACTOR=$scale QV_WIDGET_DUMP="$dump" "$work/product/Setwright" >>"$work/setwright.log" 2>&1 &
  pid=$!
  # A search can trip over a window going away while it looks: ask again.
  window=""
  for _ in $(seq 40); do
    window=$(xdotool search --all --onlyvisible --pid "$pid" --name "$name" 2>/dev/null | head -1) || true
    [ -n "$window" ] && break
    sleep 0.5
  done
  [ -n "$window" ] || fail "no Setwright window: $(cat "$work/setwright.log")"
  xdotool windowmove --sync "$window" 40 60 || true
  xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus --sync "$window"
  check_screen "window at $scale"
  shot "setwright-$code-scale-$scale" "$window"

  # Each menu, opened with a click on its title. Menus and the dialogs that
  # size themselves to their texts are looked at once, at 100%.
  mapfile -t titles < <(menus)
  [ "${#titles[@]}" -ge 4 ] || fail "the menu bar shows ${#titles[@]} menus"
  [ "$scale" = 1 ] || titles=()
  for i in "${!titles[@]}"; do
    read -r x y <<<"${titles[$i]}"
    click_at "$x" "$y"
    check_screen "menu $((i + 1)) at $scale"
    keys Escape
  done

  keys ctrl+g
  check_screen "Go to Question at $scale"
  expect_dialog "Go to Question at $scale"
  keys Escape

  if [ "$scale" = 1 ]; then
    keys ctrl+o
    check_screen "Open Question Set at $scale"
    expect_dialog "Open Question Set at $scale"
    keys Escape

    # The About box: the last entry of the last menu.
    read -r x y <<<"${titles[-1]}"
    click_at "$x" "$y"
    fresh_dump
    read -r x y < <(entries | tail -1)
    click_at "$x" "$y"
    check_screen "About at $scale"
    expect_dialog "About at $scale"
    keys Return

    # File > Import Questions…: the file named in Qt's file dialog, then the
    # preview of what it would add.
    read -r x y <<<"${titles[0]}"
    click_at "$x" "$y"
    fresh_dump
    read -r x y < <(where_text "$import_word")
    click_at "$x" "$y"
    sleep 0.5
    xdotool type --delay 20 "$work/$csv"
    keys Return
    sleep 1
    check_screen "import preview at $scale"
    grep -q '"name":"importSummary"' "$dump" || {
      echo "import preview at $scale: no preview came up"
      failures=$((failures + 1))
    }
    shot "setwright-$code-import" "$(xdotool getactivewindow)"
    keys Escape
  fi

  fresh_dump
  read -r x y < <(where questionStats)
  click_at "$x" "$y"
  check_screen "statistics at $scale"
  expect_dialog "statistics at $scale"
  [ "$scale" = 1 ] && shot "setwright-$code-message" "$(xdotool getactivewindow)"
  keys Return

  fresh_dump
  read -r x y < <(where newQuestionSet)
  click_at "$x" "$y"
  check_screen "new set at $scale"
  expect_dialog "new set at $scale"
  keys Escape
  sleep 0.5
  # Without a set of its own the program ends; otherwise it is ended here.
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  pid=""
done

[ "$code" = qps ] || {
  [ "$failures" = 0 ] || fail "$failures screen(s) with cut-off texts"
  echo "ok: every text of Setwright fits in $code at 100%, 150% and 200%"
  exit 0
}

# --help in the pseudo language needs no display.
help=$(env -u DISPLAY "$work/product/Setwright" --help)
printf '%s\n' "$help" | grep -q '^\[Ûšåĝé: ~*\] Setwright' || {
  echo "--help: the usage line is not in the pseudo language: $(printf '%s\n' "$help" | head -1)"
  failures=$((failures + 1))
}
for line in "print this help and exit" "Options:" "make the set NAME"; do
  if printf '%s\n' "$help" | grep -qF "$line"; then
    echo "--help: '$line' is in English"
    failures=$((failures + 1))
  fi
done

[ "$failures" = 0 ] || fail "$failures screen(s) with English or cut-off texts"
echo "ok: every text of Setwright is translated and fits at 100%, 150% and 200%"
