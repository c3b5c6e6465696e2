#!/bin/bash
# SPDX-License-Identifier: MIT
# command-line-check.sh <product folder> <version>
#
# --help and --version of every program answer on standard output with exit
# code 0 and without a display (no DISPLAY, no WAYLAND_DISPLAY, no offscreen
# platform), and Porchlight's options do what its help says.

set -u
product="$1"
version="$2"
work="$(mktemp -d /tmp/qv-command-line.XXXXXX)"
trap 'rm -rf "$work"' EXIT

failures=0
check() {
    local what="$1"
    shift
    if "$@"; then
        echo "ok: $what"
    else
        echo "FAIL: $what" >&2
        failures=$((failures + 1))
    fi
}

bare() {
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u SDL_VIDEODRIVER \
        XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" timeout 20 "$@"
}

for program in Showfloor Setwright Porchlight; do
    bare "$product/$program" --help >"$work/out" 2>"$work/err"
    status=$?
    check "$program --help ends with 0 (was $status)" test "$status" = 0
    check "$program --help prints its usage first" \
        grep -q "^Usage: $program " <(head -n 1 "$work/out")
    check "$program --help lists --version" grep -q '^  --version ' "$work/out"
    check "$program --help writes nothing to standard error" test ! -s "$work/err"

    bare "$product/$program" --version >"$work/out" 2>"$work/err"
    status=$?
    check "$program --version ends with 0 (was $status)" test "$status" = 0
    check "$program --version names the version" \
        test "$(head -n 1 "$work/out")" = "$program (Quizvale) $version"
    check "$program --version writes nothing to standard error" test ! -s "$work/err"
    # Another switch before it does not stop the answer.
    bare "$product/$program" -windowed --version >"$work/out" 2>/dev/null
    check "$program answers --version after another argument" \
        grep -q "^$program (Quizvale) " "$work/out"
done

check "nothing was written to the user's folders" test ! -e "$work/config" -a ! -e "$work/data"

output="$(cd "$work" && bare "$product/Porchlight" --dry-run 2>/dev/null)"
check "Porchlight --dry-run says what it would start (said: $output)" \
    test "$output" = "start $product/Showfloor in $product"

bare "$product/Porchlight" --no-such-option >"$work/out" 2>"$work/err"
status=$?
check "Porchlight refuses an unknown option with 2 (was $status)" test "$status" = 2
check "Porchlight names the unknown option" grep -q -- '--no-such-option' "$work/err"
check "Porchlight starts nothing on an unknown option" test ! -s "$work/out"

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed" >&2
    exit 1
fi
