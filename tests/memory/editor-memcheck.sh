#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Setwright under valgrind memcheck: its model's session of opening a set,
# editing it, adding pictures and saving (editor_memory_session), then the
# real dialogs driven offscreen (qv_editor_ui_tests: typing, the buttons, the
# picture file dialog, adding and removing pictures, the new-set dialog).
# Fails on any invalid access or any definite or indirect leak; what Qt's
# own threads hold at exit shows as "possibly lost" and is reported only.
#
# Usage: tests/memory/editor-memcheck.sh <build dir>   (a build with QV_TESTS)
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
build="${1:?build dir}"
programs=(editor_memory_session)
if [ -f "$build/build.ninja" ] && grep -q "qv_editor_ui_tests" "$build/build.ninja"; then
  programs+=(qv_editor_ui_tests)
fi
cmake --build "$build" --target "${programs[@]}" -j2 >/dev/null
log="$(mktemp)"
trap 'rm -f "$log"' EXIT
export QT_QPA_PLATFORM=offscreen
status=0
for program in "${programs[@]}"; do
  echo "== $program"
  run=0
  valgrind --error-exitcode=1 --leak-check=full --errors-for-leak-kinds=definite,indirect \
    --suppressions="$here/valgrind.supp" --log-file="$log" \
    "$build/bin/$program" >/dev/null 2>&1 || run=$?
  grep -E "ERROR SUMMARY|definitely lost|indirectly lost|possibly lost|still reachable|All heap blocks" "$log" | sed 's/^==[0-9]*== *//'
  if [ "$run" -ne 0 ]; then
    tail -60 "$log"
    status=1
  fi
done
exit "$status"
