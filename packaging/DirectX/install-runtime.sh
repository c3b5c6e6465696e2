#!/bin/sh
# SPDX-License-Identifier: MIT
# Quizvale runtime installer: installs the Debian packages that the game,
# Showfloor, needs in order to run. Porchlight starts it when the game's
# graphics library cannot be found; it can also be run by hand:
#
#   sh install-runtime.sh           install (asks for the administrator's password)
#   sh install-runtime.sh --print   only say what would be done
#
# Started without a terminal (from the launcher or a file manager) it opens a
# terminal window when one is available, so that apt-get's progress can be
# seen; otherwise it asks for the administrator's password through pkexec.

PACKAGES="libsdl2-2.0-0 libsdl2-image-2.0-0 libsdl2-ttf-2.0-0 libsdl2-mixer-2.0-0 fontconfig fonts-liberation2 fonts-dejavu-core fonts-noto-core fonts-noto-cjk libharfbuzz0b libfribidi0 libfreetype6 libcivetweb1 libqrencode4"
COMMAND="apt-get update && apt-get install -y $PACKAGES"

explain() {
    cat <<TEXT
Quizvale runtime installer

The Quizvale game needs these Debian packages:
  SDL 2 graphics, images, fonts and sound:
    libsdl2-2.0-0 libsdl2-image-2.0-0 libsdl2-ttf-2.0-0 libsdl2-mixer-2.0-0
  fonts, and the text shaping that draws every script with them:
    fontconfig fonts-liberation2 fonts-dejavu-core fonts-noto-core fonts-noto-cjk
    libharfbuzz0b libfribidi0 libfreetype6
  playing from phones (the page server and its QR code):
    libcivetweb1 libqrencode4

This installer runs, as the administrator (root):
  apt-get update
  apt-get install -y $PACKAGES

Nothing else on the system is changed.
TEXT
}

have() {
    command -v "$1" >/dev/null 2>&1
}

# Runs the installation as root with whatever this system offers for that.
install_as_root() {
    if [ "$(id -u)" = 0 ]; then
        sh -c "$COMMAND"
    elif have sudo; then
        sudo sh -c "$COMMAND"
    elif have pkexec; then
        pkexec env DEBIAN_FRONTEND=noninteractive sh -c "$COMMAND"
    else
        echo "Neither sudo nor pkexec is available: please run as root:" >&2
        echo "  $COMMAND" >&2
        return 1
    fi
}

report() {
    if [ "$1" = 0 ]; then
        echo
        echo "The runtime is installed. Start Quizvale again to play."
    else
        echo
        echo "The installation did not finish (status $1). You can run it by hand as root:"
        echo "  $COMMAND"
    fi
}

case "${1:-}" in
--print)
    explain
    exit 0
    ;;
--in-terminal)
    # Opened in a terminal window by this script: keep the window open until
    # the user has read the outcome.
    explain
    echo
    install_as_root
    status=$?
    report "$status"
    echo
    printf 'Press Enter to close this window. '
    read -r _ || true
    exit "$status"
    ;;
esac

if [ -t 0 ] && [ -t 1 ]; then
    explain
    echo
    install_as_root
    status=$?
    report "$status"
    exit "$status"
fi

# No terminal: open one, or fall back to the desktop's password prompt.
self="$0"
case "$self" in
/*) ;;
*) self="$(pwd)/$self" ;;
esac
for terminal in x-terminal-emulator xterm; do
    if have "$terminal"; then
        exec "$terminal" -e sh "$self" --in-terminal
    fi
done

explain >&2
if [ "$(id -u)" = 0 ]; then
    install_as_root >&2
    status=$?
    report "$status" >&2
    exit "$status"
fi
if have pkexec; then
    pkexec env DEBIAN_FRONTEND=noninteractive sh -c "$COMMAND"
    status=$?
    report "$status" >&2
    exit "$status"
fi
echo "No terminal and no pkexec: please run as root:" >&2
echo "  $COMMAND" >&2
exit 1
