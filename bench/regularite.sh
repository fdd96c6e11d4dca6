#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# How regular a match's frames are: every buffer swap of a 60-second
# one-player match at 800x600 (or full screen), then the share of frame
# intervals within 16 +- 2 ms, and their median and 99th percentile. A player
# feels an irregular frame before a slow one. The ball is launched three times, in the
# first 15 s only: a key pressed once the match is lost would leave it for the
# name entry, whose frames are not the match's.
#   bench/regularite.sh [plein]    from the worktree, after building vorlen and the benchmarks
# With "plein", the match is played full screen, at the 1920x1080 screen's size.
set -euo pipefail
duree=60
. "$(dirname "$0")/images.sh"
maison=$(mktemp -d)
trap 'kill -KILL "$pid" 2>/dev/null; wait "$pid" 2>/dev/null; rm -rf "$maison"' EXIT
images="$maison/images"
if [ "${1:-}" = plein ]; then
    mkdir -p "$maison/config/vorlen"
    printf '[options]\nplein_ecran = oui\n' >"$maison/config/vorlen/vorlen.ini"
fi
cd "$racine/build/data"
env HOME="$maison" XDG_CONFIG_HOME="$maison/config" XDG_DATA_HOME="$maison/data" \
    VORLEN_IMAGES="$images" VORLEN_NB_IMAGES=1000000 LD_PRELOAD="$cale" ../vorlen \
    >"$maison/log" 2>&1 &
pid=$!
fenetre=$(timeout 60 xdotool search --sync --onlyvisible --name '^Vorlen$' | head -1)
for _ in $(seq 120); do xdotool windowfocus "$fenetre" 2>/dev/null && break; sleep 0.5; done
# "Nouvelle Partie", "1 joueur", "Normal", "Niveaux du jeu"; in a one-player match of
# an earlier version, the Returns left over are player 2's action, which does nothing.
for _ in 1 2 3 4; do
    xdotool key --window "$fenetre" Return
    sleep 0.3
done
sleep 1
debut=$(date +%s%3N)
for _ in 1 2 3; do
    xdotool key --window "$fenetre" space
    sleep 7
done
sleep $((duree - 21))
# The intervals between the swaps of the match's minute, sorted.
awk -v debut="$debut" '$1 >= debut { if (avant) print $1 - avant; avant = $1 }' "$images" |
    sort -n | awk -v d="$duree" '{ v[NR] = $1; if ($1 >= 14 && $1 <= 18) dans++ }
        END { printf "%d frames in %d s: %.1f %% within 16 +- 2 ms, median %.1f ms, p99 %.1f ms, longest %.1f ms\n",
                     NR, d, 100 * dans / NR, v[int(NR / 2)], v[int(NR * 0.99)], v[NR] }'
