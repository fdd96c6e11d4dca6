#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Vorlen on a fresh Debian 12 or 13 machine: installs what is missing, builds in
# build/, then plays the game or runs every test.
#   ./vorlen.sh jouer     play
#   ./vorlen.sh tester    run every test
set -euo pipefail
cd "$(dirname "$0")"

PAQUETS=(
    # the game
    libsdl1.2-dev libsdl-image1.2-dev libsdl-mixer1.2-dev libfreetype-dev
    libgl-dev libglu1-mesa-dev libgl1-mesa-dri fonts-dejavu-extra libinih-dev libx11-dev zlib1g-dev
    # building and testing; gettext compiles the translations, libclang-rt-dev is the
    # fuzzer's runtime for the release's clang
    build-essential cmake pkgconf gettext libgtest-dev libbenchmark-dev xvfb xauth xdotool imagemagick
    clang libclang-rt-dev
    # the window tests again on Debian 13's sdl12-compat (unpacked by the tests) over SDL 2
    libsdl2-2.0-0
    # checking what is installed: desktop entry, AppStream metadata, manual page, window icon
    desktop-file-utils appstream man-db x11-utils
    # a window manager, for the window a small screen leaves once it has its frame, and
    # keyboard layouts, for a name typed with é
    openbox x11-xkb-utils
    # checking the committed sound effects
    sox libsox-fmt-all
    # the Debian package, built from the tree as git sees it and tested in throw-away roots
    # of Debian 12 and 13
    git mmdebstrap autopkgtest uidmap
)

en_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

installer() {
    local manquants=()
    for paquet in "${PAQUETS[@]}"; do
        dpkg-query -W -f='${Status}' "$paquet" 2>/dev/null | grep -q "install ok installed" ||
            manquants+=("$paquet")
    done
    if [ "${#manquants[@]}" -gt 0 ]; then
        # Another apt at work (an upgrade running in the background) is waited for.
        en_root apt-get -o DPkg::Lock::Timeout=600 update
        en_root env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=600 install -y \
            --no-install-recommends "${manquants[@]}"
    fi
}

construire() {
    cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
    cmake --build build -j "$(nproc)"
}

case "${1:-}" in
jouer)
    installer
    construire
    cd build/data
    exec ../vorlen
    ;;
tester)
    installer
    construire
    cd build
    # One window at a time: the tests read what the screen shows. An X server
    # resets when its last client leaves, and a window opened during that reset
    # fails ("Couldn't open X11 display"): the tests open one after another.
    SDL_AUDIODRIVER=dummy xvfb-run -a -s "-screen 0 1024x768x24 -noreset" \
        ctest --output-on-failure --no-tests=error
    ;;
*)
    echo "usage: $0 jouer|tester" >&2
    exit 2
    ;;
esac
