#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Unpacks Debian 13's sdl12-compat (SDL 1.2 over SDL 2, the only SDL 1.2 Debian 13 ships)
# into DIR, beside the system's SDL and never in its place, and checks that the game GAME
# loads it there: the tests then run the game on it through LD_LIBRARY_PATH, whatever this
# machine's release. It runs over this machine's SDL 2: Debian 13's needs a newer C library
# than Debian 12's. The package comes through an apt of its own in DIR, from the mirror this
# machine's apt uses. Debian 13's libsdl1.2-compat holds only links: the library is in
# libsdl1.2debian, and its name for the loader is a link that ldconfig makes on install,
# made here too.
# Usage: sdl12compat.sh DIR GAME
set -euo pipefail
dossier=$1
jeu=$2
distribution=trixie
bibliotheques=$dossier/usr/lib/$(dpkg-architecture -q DEB_HOST_MULTIARCH)

deballer() {
    # The Debian mirror of this machine's own release.
    local miroir apt paquets
    . /etc/os-release
    miroir=$(apt-get indextargets --format '$(REPO_URI) $(RELEASE)' |
        awk -v r="$VERSION_CODENAME" '$2 == r { print $1; exit }')
    [ -n "$miroir" ] || { echo "sdl12compat: no Debian mirror of $VERSION_CODENAME in apt's sources" >&2; exit 1; }
    apt=$dossier/apt
    mkdir -p "$apt/listes/partial" "$apt/archives/partial"
    echo "deb [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] $miroir $distribution main" \
        >"$apt/sources.list"
    local options=(-qq -o "Dir::State::Lists=$apt/listes" -o "Dir::Cache::Archives=$apt/archives"
        -o "Dir::Cache::pkgcache=" -o "Dir::Cache::srcpkgcache="
        -o "Dir::Etc::SourceList=$apt/sources.list" -o "Dir::Etc::SourceParts=/dev/null"
        -o "Dir::Etc::Preferences=/dev/null" -o "Dir::Etc::PreferencesParts=/dev/null"
        -o "Debug::NoLocking=true" -o "APT::Sandbox::User=$(id -un)")
    apt-get "${options[@]}" update ||
        { echo "sdl12compat: cannot read $distribution's package lists from $miroir" >&2; exit 1; }
    paquets=$(mktemp -d)
    (cd "$paquets" && apt-get "${options[@]}" download libsdl1.2debian) ||
        { echo "sdl12compat: cannot download $distribution's libsdl1.2debian" >&2; exit 1; }
    dpkg -x "$paquets"/libsdl1.2debian_*.deb "$dossier"
    rm -rf "$paquets"
    ldconfig -n "$bibliotheques"
}

[ -e "$bibliotheques/libSDL-1.2.so.0" ] || deballer
LD_LIBRARY_PATH=$bibliotheques ldd "$jeu" | grep -F "libSDL-1.2.so.0 => $bibliotheques/" ||
    { echo "sdl12compat: $jeu does not load the SDL 1.2 unpacked in $bibliotheques" >&2; exit 1; }
ls "$bibliotheques"/libSDL-1.2.so.1.*
