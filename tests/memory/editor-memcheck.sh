#!/usr/bin/env bash
# Setwright's model under valgrind memcheck: one session of opening a set,
# editing it, adding pictures and saving (the editor_memory_session test).
# Fails on any invalid access or any leak of the program's own memory.
#
# Usage: tests/memory/editor-memcheck.sh <build dir>   (a build with QV_TESTS)
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
build="${1:?build dir}"
cmake --build "$build" --target editor_memory_session -j2 >/dev/null
log="$(mktemp)"
trap 'rm -f "$log"' EXIT
status=0
valgrind --error-exitcode=1 --leak-check=full --errors-for-leak-kinds=definite,indirect \
  --suppressions="$here/valgrind.supp" --log-file="$log" \
  "$build/bin/editor_memory_session" >/dev/null || status=$?
grep -E "ERROR SUMMARY|definitely lost|indirectly lost|possibly lost|still reachable|All heap blocks" "$log" | sed 's/^==[0-9]*== *//'
[ "$status" -eq 0 ] || tail -60 "$log"
exit "$status"
