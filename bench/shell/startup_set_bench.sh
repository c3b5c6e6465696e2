#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Showfloor's start-up to its first presented frame (as startup_bench.sh
# times it) with a question set in one script chosen: the fonts open, before
# that frame, every fallback face the set's texts need.
#
# Usage: startup_set_bench.sh <Showfloor> <latin|greek|arabic|japanese> [runs] [limit-ms] [switches...]
# A throwaway product folder holds a copy of the program, links to the
# product's pictures and sounds, and a real QuestionSets folder with the one
# set (UTF-8 after a byte-order mark), chosen in its configuration.
set -euo pipefail
program="$1"
script="$2"
shift 2
here="$(cd "$(dirname "$0")" && pwd)"
product="$(cd "$(dirname "$program")" && pwd)"

case "$script" in
latin)
  question='Which of these rivers flows through the most countries on its way to the sea?'
  answers=('The Danube' 'The Rhine' 'The Volga' 'The Loire')
  ;;
greek)
  question='Ποιος ποταμός διασχίζει τις περισσότερες χώρες μέχρι να φτάσει στη θάλασσα;'
  answers=('Ο Δούναβης' 'Ο Ρήνος' 'Ο Βόλγας' 'Ο Λίγηρας')
  ;;
arabic)
  question='أي من هذه الأنهار يمر بأكبر عدد من الدول في طريقه إلى البحر؟ 2026'
  answers=('نهر الدانوب' 'نهر الراين' 'نهر الفولغا' 'نهر اللوار')
  ;;
japanese)
  question='海に注ぐまでに最も多くの国を流れる川はどれですか？'
  answers=('ドナウ川' 'ライン川' 'ヴォルガ川' 'ロワール川')
  ;;
*)
  echo "startup_set_bench.sh: unknown script $script" >&2
  exit 2
  ;;
esac

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/Resources/QuestionSets/Bench"
cp "$product/Showfloor" "$work/Showfloor"
for entry in "$product/Resources"/*; do
  name="$(basename "$entry")"
  case "$name" in
  QuestionSets | Config.txt | QState*) ;;
  *) ln -s "$entry" "$work/Resources/$name" ;;
  esac
done

# Thirty questions, two a rung.
{
  printf '\xEF\xBB\xBF30\r\n'
  for rung in $(seq 1 15); do
    for _ in 1 2; do
      printf '\r\n%s %d\r\n' "$question" "$rung"
      printf '%s\r\n' "${answers[@]}"
      printf '1\r\n%d\r\n0\r\n' "$rung"
    done
  done
} >"$work/Resources/QuestionSets/Bench/Bench.txt"

# The configuration: sound and voice on, the set "Bench", one player.
le32() { printf "\\x$(printf %02x $(($1 & 255)))\\x$(printf %02x $((($1 >> 8) & 255)))\\x00\\x00"; }
stored() {
  le32 "${#1}"
  local i
  for ((i = 0; i < ${#1}; i++)); do printf '%s\x00' "${1:i:1}"; done
}
{
  printf '\x01\x01'
  stored Bench
  le32 1
  stored Ann
} >"$work/Resources/Config.txt"

status=0
bash "$here/startup_bench.sh" "$work/Showfloor" "$@" || status=$?
exit "$status"
