#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The desktop entries and AppStream metadata carry their translations.
#
#   desktop-translations.sh merge SOURCE_DIR BUILD_DIR
#       every catalogue of packaging/po filled with a marked copy of the
#       English texts, merged by msgfmt as the build merges them: each language
#       gets its Name, GenericName and Comment in both entries and its name and
#       summary in both metadata files, and the results stay valid
#   desktop-translations.sh built SOURCE_DIR BUILD_DIR
#       the files the build made (and an install copies) carry each language's
#       names: passes once the catalogues are translated
set -euo pipefail
mode=$1
source=$2
build=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
languages=$(grep -v '^#' "$source/packaging/po/LINGUAS" | tr -s ' \n' ' ')

if [ "$mode" = merge ]; then
  mkdir -p "$work/po" "$work/out"
  cp "$source/packaging/po/LINGUAS" "$work/po/"
  for code in $languages; do
    msgen "$source/packaging/po/$code.po" |
      msgfilter -o "$work/po/$code.po" sed -e "s/^/<$code> /" 2>/dev/null
  done
  for entry in "$source"/packaging/*.desktop.in; do
    name=$(basename "$entry" .in)
    msgfmt --desktop "--template=$entry" -d "$work/po" -o "$work/out/$name.in"
    sed 's#@QV_PRODUCT_FOLDER@#/usr/lib/Quizvale#g' "$work/out/$name.in" >"$work/out/$name"
  done
  for metainfo in "$build"/packaging/*.metainfo.xml; do
    msgfmt --xml "--template=$metainfo" -d "$work/po" -o "$work/out/$(basename "$metainfo")"
  done
  out="$work/out"
else
  out="$build/packaging/translated"
  for entry in "$out"/*.desktop.in; do
    sed 's#@QV_PRODUCT_FOLDER@#/usr/lib/Quizvale#g' "$entry" >"$work/$(basename "$entry" .in)"
  done
  cp "$out"/*.metainfo.xml "$work/"
  out="$work"
fi

count=0
for entry in "$out"/*.desktop; do
  count=$((count + 1))
  for code in $languages; do
    for key in Name GenericName Comment; do
      value=$(sed -n "s/^$key\[$code\]=//p" "$entry")
      [ -n "$value" ] || fail "$(basename "$entry"): no $key[$code]"
      if [ "$mode" = merge ] && [ "${value#<$code> }" = "$value" ]; then
        fail "$(basename "$entry"): $key[$code] is '$value'"
      fi
    done
  done
  desktop-file-validate "$entry" || fail "$(basename "$entry") is not valid"
done
for metainfo in "$out"/*.metainfo.xml; do
  count=$((count + 1))
  for code in $languages; do
    for tag in name summary; do
      grep -q "<$tag xml:lang=\"$code\">" "$metainfo" || fail "$(basename "$metainfo"): no <$tag> in $code"
    done
    grep -q "<p xml:lang=\"$code\">" "$metainfo" || fail "$(basename "$metainfo"): no description in $code"
  done
  appstreamcli validate --no-net "$metainfo" >"$work/validate.log" 2>&1 ||
    { cat "$work/validate.log"; fail "$(basename "$metainfo") is not valid"; }
done
[ "$count" = 4 ] || fail "found $count files, not the 2 entries and 2 metadata files"
[ "$failures" = 0 ] || { echo "$failures fault(s)"; exit 1; }
echo "ok: the entries and metadata carry every language ($languages)"
