#!/bin/bash
# SPDX-License-Identifier: MIT
# install-check.sh <build folder> <qv_resources_probe>
#
# Installs the built product into a temporary prefix and checks the installed
# tree: its layout and menu entries, Showfloor running headless for a few
# frames, Porchlight finding the game from another folder (asked only to say
# what it would start), a read-only product folder sending the game's saves to
# the per-user Resources, and the Debian package made by cpack.

set -u
build="$1"
probe="$2"

work="$(mktemp -d /tmp/qv-install-check.XXXXXX)"
chmod 755 "$work"
trap 'rm -rf "$work"' EXIT

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}
check() {
    local what="$1"
    shift
    if "$@"; then
        echo "ok: $what"
    else
        fail "$what"
    fi
}

prefix="$work/prefix"
product="$prefix/lib/Quizvale"

echo "== cmake --install $build --prefix $prefix"
if ! cmake --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1; then
    cat "$work/install.log" >&2
    fail "cmake --install"
    exit 1
fi

echo "== layout"
for program in Showfloor Setwright Porchlight DirectX/install-runtime.sh; do
    check "$program is an executable file" test -f "$product/$program" -a -x "$product/$program"
done
check "Resources holds the art" test -s "$product/Resources/icon.png"
check "Resources holds the Default question set" \
    test -d "$product/Resources/QuestionSets/Default"
check "no saved configuration is shipped" test ! -e "$product/Resources/Config.txt"
for code in de es fr pl ru; do
    check "the game's $code catalogue installed" test -s "$product/locale/$code/LC_MESSAGES/showfloor.mo"
done
check "the pseudo language stays in the build tree" test ! -e "$product/locale/qps"
check "icon installed" test -s "$prefix/share/icons/hicolor/256x256/apps/quizvale.png"
check "quizvale command leads to Porchlight" \
    test "$(readlink -f "$prefix/bin/quizvale")" = "$(readlink -f "$product/Porchlight")"
check "setwright command leads to Setwright" \
    test "$(readlink -f "$prefix/bin/setwright")" = "$(readlink -f "$product/Setwright")"
for entry in quizvale quizvale-setwright; do
    check "$entry.desktop installed" test -f "$prefix/share/applications/$entry.desktop"
done
check "launcher entry starts Porchlight from the product folder" \
    grep -qxF "Exec=\"$product/Porchlight\"" "$prefix/share/applications/quizvale.desktop"
check "editor entry starts Setwright from the product folder" \
    grep -qxF "Exec=\"$product/Setwright\"" "$prefix/share/applications/quizvale-setwright.desktop"
for page in man6/quizvale.6 man6/showfloor.6 man1/setwright.1; do
    check "manual page $page installed" test -s "$prefix/share/man/$page"
done
for component in quizvale setwright; do
    metainfo="$prefix/share/metainfo/org.quizvale.$component.metainfo.xml"
    check "AppStream metadata for $component installed" test -s "$metainfo"
    if command -v appstreamcli >/dev/null; then
        check "AppStream metadata for $component is valid" \
            appstreamcli validate --no-net --explain "$metainfo"
    fi
done
if command -v desktop-file-validate >/dev/null; then
    for entry in quizvale quizvale-setwright; do
        check "$entry.desktop is valid" \
            desktop-file-validate "$prefix/share/applications/$entry.desktop"
    done
fi
check "runtime installer is valid sh" sh -n "$product/DirectX/install-runtime.sh"
check "runtime installer names the packages it installs" \
    sh -c "sh '$product/DirectX/install-runtime.sh' --print | grep -q 'apt-get install -y libsdl2-2.0-0 libsdl2-image-2.0-0 libsdl2-ttf-2.0-0 libsdl2-mixer-2.0-0 fontconfig fonts-liberation2 fonts-dejavu-core fonts-noto-core fonts-noto-cjk libharfbuzz0b libfribidi0 libfreetype6'"
check "Porchlight does not load SDL" sh -c "! ldd '$product/Porchlight' | grep -qi sdl"

headless() {
    env SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy SDL_RENDER_DRIVER=software "$@"
}

echo "== installed Showfloor, five frames, from another folder"
mkdir -p "$work/home/config" "$work/home/data"
(cd / && XDG_CONFIG_HOME="$work/home/config" XDG_DATA_HOME="$work/home/data" \
    headless timeout 120 "$product/Showfloor" -windowed -quitafterframe 5 -noerrormsgboxes)
status=$?
check "Showfloor ends with exit code 0 (was $status)" test "$status" = 0
# Exit code 0 also ends a run that never reached its frames; the automation
# mode says how far it got.
state="$(cd / && printf 'frames 5\ndump\nquit\n' | XDG_CONFIG_HOME="$work/home/config" \
    XDG_DATA_HOME="$work/home/data" headless timeout 120 "$product/Showfloor" -windowed \
    -automation -noerrormsgboxes)"
check "Showfloor ran its frames on the title screen" \
    sh -c "echo '$state' | grep -q '\"frame\": 5, .*\"screen\": \"Title\"'"

echo "== installed Porchlight through its command, from another folder"
output="$(cd "$work" && XDG_CONFIG_HOME="$work/home/config" \
    "$prefix/bin/quizvale" --dry-run 2>"$work/porchlight.err")"
status=$?
check "Porchlight ends with exit code 0 (was $status)" test "$status" = 0
check "Porchlight starts the installed game in its folder (said: $output)" \
    test "$output" = "start $product/Showfloor in $product"
check "Porchlight records the product folder" \
    grep -qxF "Path=$product" "$work/home/config/Quizvale/Quizvale.ini"
output="$(cd "$work" && XDG_CONFIG_HOME=/proc/quizvale-nowhere \
    "$product/Porchlight" --dry-run 2>/dev/null)"
check "a settings store that cannot be written changes nothing (said: $output)" \
    test "$output" = "start $product/Showfloor in $product"

echo "== read-only product folder"
user_data_check() {
    local data="$1"
    local chosen="$2"
    check "saves go to the per-user Resources (chose $chosen)" \
        test "$chosen" = "$data/Quizvale/Resources"
    check "the configuration was written there" test -s "$data/Quizvale/Resources/Config.txt"
    check "the shipped Resources stay untouched" test ! -e "$product/Resources/Config.txt"
    check "the per-user Resources hold the shipped question sets" \
        test -d "$data/Quizvale/Resources/QuestionSets/Default"
    check "the per-user Resources hold the shipped art" \
        cmp -s "$product/Resources/icon.png" "$data/Quizvale/Resources/icon.png"
}
if [ "$(id -u)" = 0 ] && command -v runuser >/dev/null 2>&1 && id nobody >/dev/null 2>&1; then
    # Root may write anywhere, so the product folder is made read-only by
    # running as a user that does not own it.
    mkdir -p "$work/nobody/config" "$work/nobody/data"
    chown -R nobody "$work/nobody"
    as_nobody() {
        runuser -u nobody -- env XDG_CONFIG_HOME="$work/nobody/config" \
            XDG_DATA_HOME="$work/nobody/data" "$@"
    }
    (cd / && as_nobody env SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy \
        SDL_RENDER_DRIVER=software timeout 120 \
        "$product/Showfloor" -windowed -quitafterframe 5 -noerrormsgboxes)
    status=$?
    check "Showfloor runs from a read-only product folder (exit $status)" test "$status" = 0
    chosen="$(as_nobody "$probe" "$product/Resources" "$work/nobody/data")"
    check "the game's configuration writer succeeds" test $? = 0
    user_data_check "$work/nobody/data" "$chosen"
else
    chosen="$("$probe" "$product/Resources" "$work/home/data" --read-only)"
    check "the game's configuration writer succeeds" test $? = 0
    user_data_check "$work/home/data" "$chosen"
fi

echo "== cpack -G DEB"
if ! (cd "$work" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/pkg") \
    >"$work/cpack.log" 2>&1; then
    cat "$work/cpack.log" >&2
    fail "cpack"
else
    deb="$(ls "$work"/pkg/quizvale_*.deb 2>/dev/null | head -n 1)"
    check "a quizvale .deb was made" test -n "$deb"
    if [ -n "$deb" ]; then
        dpkg-deb -c "$deb" | awk '{print $6}' >"$work/contents"
        for path in ./usr/lib/Quizvale/Showfloor ./usr/lib/Quizvale/Setwright \
            ./usr/lib/Quizvale/Porchlight ./usr/lib/Quizvale/DirectX/install-runtime.sh \
            ./usr/lib/Quizvale/Resources/icon.png ./usr/lib/Quizvale/Resources/QuestionSets/ \
            ./usr/share/applications/quizvale.desktop \
            ./usr/share/applications/quizvale-setwright.desktop \
            ./usr/share/icons/hicolor/256x256/apps/quizvale.png ./usr/bin/quizvale \
            ./usr/bin/setwright ./usr/lib/Quizvale/locale/de/LC_MESSAGES/showfloor.mo \
            ./usr/lib/Quizvale/locale/ru/LC_MESSAGES/showfloor.mo; do
            check "package holds $path" grep -qxF "$path" "$work/contents"
        done
        check "package leaves the pseudo language out" \
            sh -c "! grep -q '/locale/qps/' '$work/contents'"
        check "package is named quizvale" test "$(dpkg-deb -f "$deb" Package)" = quizvale
        depends="$(dpkg-deb -f "$deb" Depends)"
        for package in libsdl2-2.0-0 libsdl2-image-2.0-0 libsdl2-ttf-2.0-0 libsdl2-mixer-2.0-0 \
            fontconfig fonts-liberation2 fonts-dejavu-core fonts-noto-core fonts-noto-cjk \
            libharfbuzz0b libfribidi0 libfreetype6 libcivetweb1 libqrencode4 libqt6widgets6 libjpeg62-turbo libpng16-16 libtiff6; do
            check "package depends on $package" \
                sh -c "echo '$depends' | tr ',' '\n' | sed 's/^ *//' | grep -qx '$package'"
        done
        check "packaged launcher entry starts /usr/lib/Quizvale/Porchlight" \
            sh -c "dpkg-deb --fsys-tarfile '$deb' | tar -xO ./usr/share/applications/quizvale.desktop | grep -qxF 'Exec=\"/usr/lib/Quizvale/Porchlight\"'"
    fi
fi

if [ "$failures" != 0 ]; then
    echo "$failures check(s) failed" >&2
    exit 1
fi
echo "all install checks passed"
