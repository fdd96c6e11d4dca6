#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Reference frames of the game's screens, rendered and compared.
#   bench/references.sh rendre DOSSIER           renders the set into DOSSIER (PNG)
#   bench/references.sh comparer AVANT APRES     compares two sets, frame by frame
# Run from the worktree after building vorlen_references; rendering opens a
# window, so it runs under xvfb-run when there is no display.
set -euo pipefail
racine="$(cd "$(dirname "$0")/.." && pwd)"
outil="$racine/build/bench/vorlen_references"

case "${1:-}" in
rendre)
    [ $# -eq 2 ] || { echo "usage: $0 rendre DOSSIER" >&2; exit 2; }
    mkdir -p "$2"
    dossier="$(cd "$2" && pwd)"
    brut="$(mktemp -d)"
    trap 'rm -rf "$brut"' EXIT
    if [ -z "${DISPLAY:-}" ]; then
        lancer=(xvfb-run -a -s "-screen 0 1024x768x24")
    else
        lancer=()
    fi
    (cd "$racine/build/data" && SDL_AUDIODRIVER=dummy "${lancer[@]}" "$outil" rendre "$brut")
    for ppm in "$brut"/*.ppm; do
        convert "$ppm" "$dossier/$(basename "$ppm" .ppm).png"
    done
    ls "$dossier"
    ;;
comparer)
    [ $# -eq 3 ] || { echo "usage: $0 comparer AVANT APRES" >&2; exit 2; }
    "$outil" comparer "$2" "$3"
    ;;
*)
    echo "usage: $0 rendre DOSSIER | comparer AVANT APRES" >&2
    exit 2
    ;;
esac
