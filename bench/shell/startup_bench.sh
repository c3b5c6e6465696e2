#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Times Showfloor from start to its first presented frame, as a whole-program
# run that ends after that frame (-quitafterframe 1 ends after the second, so
# the figure includes one more frame and the shutdown: it is an upper bound).
# Headless: SDL's dummy video and audio drivers, the software renderer.
#
# Usage: startup_bench.sh <Showfloor> [runs] [limit-ms] [switches...]
# Prints every run and the median; fails when the median exceeds the limit.
# Further switches go to Showfloor: -width:1920 -height:1080 times a wide
# window, with its sharper glyphs and twice-sized pictures.
set -euo pipefail
program="$1"
runs="${2:-20}"
limit="${3:-300}"
shift $(($# < 3 ? $# : 3))
switches=("$@")

export SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy SDL_RENDER_DRIVER=software
unset DISPLAY WAYLAND_DISPLAY
# The framework's own settings go to a throwaway folder.
XDG_CONFIG_HOME="$(mktemp -d)"
export XDG_CONFIG_HOME
trap 'rm -rf "$XDG_CONFIG_HOME"' EXIT

# One run first, so that the libraries are in the page cache for all of them.
"$program" -windowed -quitafterframe 1 -noerrormsgboxes "${switches[@]}" >/dev/null 2>&1

# Wall-clock time is what a user waits; the processor time (user + system)
# says how much of it is the program's own work when the machine is busy.
TIMEFORMAT='%R %U %S'
times=()
cpu=()
for ((i = 0; i < runs; i++)); do
  measured=$({ time "$program" -windowed -quitafterframe 1 -noerrormsgboxes "${switches[@]}" >/dev/null 2>&1; } 2>&1)
  read -r real user sys <<<"$measured"
  times+=($(awk -v r="$real" 'BEGIN { printf "%d", r * 1000000 }'))
  cpu+=($(awk -v u="$user" -v s="$sys" 'BEGIN { printf "%d", (u + s) * 1000000 }'))
done

median_of() {
  local sorted
  sorted=($(printf '%s\n' "$@" | sort -n))
  local count=${#sorted[@]}
  if ((count % 2 == 1)); then
    echo "${sorted[$((count / 2))]}"
  else
    echo $(((sorted[count / 2 - 1] + sorted[count / 2]) / 2))
  fi
}
ms() { printf '%d.%03d' $(($1 / 1000)) $(($1 % 1000)); }

sorted=($(printf '%s\n' "${times[@]}" | sort -n))
count=${#sorted[@]}
median=$(median_of "${times[@]}")
cpuMedian=$(median_of "${cpu[@]}")
printf 'runs (us): %s\n' "${times[*]}"
printf 'Showfloor start-up to first presented frame: median %s ms over %d runs (min %s, max %s); processor time median %s ms; load average %s\n' \
  "$(ms "$median")" "$count" "$(ms "${sorted[0]}")" "$(ms "${sorted[count - 1]}")" \
  "$(ms "$cpuMedian")" "$(cut -d' ' -f1 /proc/loadavg)"
if ((median > limit * 1000)); then
  echo "over the limit of ${limit} ms"
  exit 1
fi
