#!/bin/bash
# SPDX-License-Identifier: MIT
# runtime-installer-check.sh <install-runtime.sh>
#
# Runs the runtime installer as an ordinary user without a terminal, the way
# Porchlight starts it, with stand-ins for the terminal emulator, pkexec and
# sudo that only note how they were called. Nothing is installed.

set -u
installer="$1"

work="$(mktemp -d /tmp/qv-installer-check.XXXXXX)"
chmod 755 "$work"
trap 'rm -rf "$work"' EXIT

run_as=()
if [ "$(id -u)" = 0 ]; then
    # As root the installer would install at once; run it as a user instead.
    if ! command -v runuser >/dev/null 2>&1 || ! id nobody >/dev/null 2>&1; then
        echo "skipped: running as root without runuser and the user nobody"
        exit 77
    fi
    run_as=(runuser -u nobody --)
    chown nobody "$work"
fi

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

# Only the tools the installer needs, so that no real terminal, pkexec or
# sudo on this machine is found.
tools="$work/tools"
mkdir -p "$tools"
for tool in sh id cat env; do
    ln -s "$(command -v "$tool")" "$tools/$tool"
done
# fake <folder> <name> <exit code>
fake() {
    mkdir -p "$1"
    printf '#!/bin/sh\necho "%s $*" >> "%s/calls"\nexit %s\n' "$2" "$work" "$3" >"$1/$2"
    chmod 755 "$1/$2"
}
# scenario <stub folder> <installer arguments...>: runs without a terminal.
scenario() {
    local stubs="$1"
    shift
    rm -f "$work/calls"
    "${run_as[@]}" env -i PATH="$stubs:$tools" sh "$installer" "$@" \
        </dev/null >"$work/out" 2>"$work/err"
    status=$?
    calls="$(cat "$work/calls" 2>/dev/null)"
}

packages="libsdl2-2.0-0 libsdl2-image-2.0-0 libsdl2-ttf-2.0-0 libsdl2-mixer-2.0-0 fontconfig fonts-liberation2 fonts-dejavu-core fonts-noto-core fonts-noto-cjk libharfbuzz0b libfribidi0 libfreetype6 libcivetweb1 libqrencode4"
command="apt-get update && apt-get install -y $packages"

fake "$work/terminal" x-terminal-emulator 0
fake "$work/terminal" pkexec 0
scenario "$work/terminal"
check "a terminal window is opened for the installer (called: $calls)" \
    test "$calls" = "x-terminal-emulator -e sh $installer --in-terminal"
check "handing over to the terminal succeeds (status $status)" test "$status" = 0

fake "$work/desktop" pkexec 0
scenario "$work/desktop"
check "without a terminal pkexec installs the packages (called: $calls)" \
    test "$calls" = "pkexec env DEBIAN_FRONTEND=noninteractive sh -c $command"
check "it says what it does" grep -q "apt-get install -y $packages" "$work/err"
check "it reports success (status $status)" test "$status" = 0

mkdir -p "$work/bare"
scenario "$work/bare"
check "with no way to become root it fails (status $status)" test "$status" = 1
check "and tells the user the command to run" grep -qF "  $command" "$work/err"

fake "$work/sudo" sudo 0
scenario "$work/sudo" --in-terminal
check "in its terminal window it installs through sudo (called: $calls)" \
    test "$calls" = "sudo sh -c $command"
check "and says the runtime is installed" grep -q "The runtime is installed" "$work/out"

fake "$work/sudofails" sudo 3
scenario "$work/sudofails" --in-terminal
check "a failed installation passes its status on (status $status)" test "$status" = 3
check "and says it did not finish" grep -q "did not finish (status 3)" "$work/out"

scenario "$work/bare" --print
check "--print only explains (status $status, called: $calls)" \
    test "$status" = 0 -a -z "$calls"

if [ "$failures" != 0 ]; then
    echo "$failures check(s) failed" >&2
    exit 1
fi
echo "all runtime installer checks passed"
