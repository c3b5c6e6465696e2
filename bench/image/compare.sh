#!/bin/sh
# SPDX-License-Identifier: MIT
# Times a whole import of a 4000 x 3000 photograph-like JPEG down to the
# picture box, ours against ImageMagick's sampling resize, interleaved in one
# run so that both see the same machine load. Prints both medians and the
# ratio ours / ImageMagick.
#
#   bench/image/compare.sh [BUILD_DIR] [RUNS]
set -eu
build=${1:-"$(dirname "$0")/../../build-imgbench"}
runs=${2:-15}
cli="$build/bin/qv_image_import"
[ -x "$cli" ] || { echo "build qv_image_import first (cmake -DQV_BENCH=ON)" >&2; exit 1; }
command -v convert >/dev/null || { echo "ImageMagick's convert is missing" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$cli" --photo "$work/photo.jpg"

now() { date +%s%N; }
ours="$work/ours.txt"
theirs="$work/theirs.txt"
i=0
while [ "$i" -lt "$runs" ]; do
    t0=$(now)
    convert "$work/photo.jpg" -sample 680x275 -quality 90 "$work/magick.jpg"
    t1=$(now)
    "$cli" "$work/photo.jpg" "$work/ours.jpg"
    t2=$(now)
    echo $(( (t1 - t0) / 1000 )) >> "$theirs"
    echo $(( (t2 - t1) / 1000 )) >> "$ours"
    i=$((i + 1))
done

median() { sort -n "$1" | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
m_ours=$(median "$ours")
m_theirs=$(median "$theirs")
echo "photo: $(identify -format '%wx%h, %b' "$work/photo.jpg")"
echo "ImageMagick: $(identify -format '%wx%h' "$work/magick.jpg"), median $(awk -v t="$m_theirs" 'BEGIN { printf "%.1f", t / 1000 }') ms over $runs runs"
echo "ours:        $(identify -format '%wx%h' "$work/ours.jpg"), median $(awk -v t="$m_ours" 'BEGIN { printf "%.1f", t / 1000 }') ms over $runs runs"
echo "ratio ours / ImageMagick: $(awk -v a="$m_ours" -v b="$m_theirs" 'BEGIN { printf "%.3f", a / b }')"
