#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Showfloor under valgrind memcheck: one game, then two games in one run, of
# three players from the title to the results and back (see
# showfloor-memcheck.py). Takes a few minutes per run.
#
# Usage: tests/memory/showfloor-memcheck.sh <build dir>   (not a sanitizer build)
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
build="${1:?build dir}"
cmake --build "$build" --target Showfloor resources -j2 >/dev/null
exec python3 "$here/showfloor-memcheck.py" "$build/product" 1 2
