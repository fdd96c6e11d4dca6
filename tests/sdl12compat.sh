#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Unpacks Debian's sdl12-compat (SDL 1.2 over SDL 2, the only SDL 1.2 that
# Debian 13 ships) into DIR, beside the system's SDL and never in its place:
# the tests then run the game on it through LD_LIBRARY_PATH.
# Usage: sdl12compat.sh DIR
set -euo pipefail
dossier=$1
if [ -n "$(find "$dossier" -name libSDL-1.2.so.0 2>/dev/null)" ]; then
    exit 0
fi
paquet=$(mktemp -d)
trap 'rm -rf "$paquet"' EXIT
(cd "$paquet" && apt-get download libsdl1.2-compat) ||
    { echo "sdl12compat: cannot download libsdl1.2-compat (run apt-get update?)" >&2; exit 1; }
mkdir -p "$dossier"
dpkg -x "$paquet"/libsdl1.2-compat_*.deb "$dossier"
find "$dossier" -name libSDL-1.2.so.0
