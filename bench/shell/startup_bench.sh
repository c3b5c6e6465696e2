#!/usr/bin/env bash
# Times Showfloor from start to its first presented frame, as a whole-program
# run that ends after that frame (-quitafterframe 1 ends after the second, so
# the figure includes one more frame and the shutdown: it is an upper bound).
# Headless: SDL's dummy video and audio drivers, the software renderer.
#
# Usage: startup_bench.sh <Showfloor> [runs] [limit-ms]
# Prints every run and the median; fails when the median exceeds the limit.
set -euo pipefail
program="$1"
runs="${2:-20}"
limit="${3:-300}"

export SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy SDL_RENDER_DRIVER=software
unset DISPLAY WAYLAND_DISPLAY
# The framework's own settings go to a throwaway folder.
XDG_CONFIG_HOME="$(mktemp -d)"
export XDG_CONFIG_HOME
trap 'rm -rf "$XDG_CONFIG_HOME"' EXIT

# One run first, so that the libraries are in the page cache for all of them.
"$program" -windowed -quitafterframe 1 -noerrormsgboxes >/dev/null 2>&1

times=()
for ((i = 0; i < runs; i++)); do
  start=$(date +%s%N)
  "$program" -windowed -quitafterframe 1 -noerrormsgboxes >/dev/null 2>&1
  end=$(date +%s%N)
  times+=($(((end - start) / 1000)))
done

sorted=($(printf '%s\n' "${times[@]}" | sort -n))
count=${#sorted[@]}
if ((count % 2 == 1)); then
  median=${sorted[$((count / 2))]}
else
  median=$(((sorted[count / 2 - 1] + sorted[count / 2]) / 2))
fi
printf 'runs (us): %s\n' "${times[*]}"
printf 'Showfloor start-up to first presented frame: median %d.%03d ms over %d runs (min %d.%03d, max %d.%03d)\n' \
  $((median / 1000)) $((median % 1000)) "$count" \
  $((sorted[0] / 1000)) $((sorted[0] % 1000)) \
  $((sorted[count - 1] / 1000)) $((sorted[count - 1] % 1000))
if ((median > limit * 1000)); then
  echo "over the limit of ${limit} ms"
  exit 1
fi
