#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# How soon a player sees the menu: the times, from the game's start, of its
# first pictures handed to the display (the first swap is a cleared frame, the
# second the menu), median of 7 starts. Debian's lbreakout2 cannot be measured
# so: it is setgid games, and the loader then preloads nothing into it.
#   bench/demarrage.sh     from the worktree, after building vorlen and the benchmarks
# Each start has a throw-away home and a fresh window on a 1920x1080 screen.
set -euo pipefail
essais=7
. "$(dirname "$0")/images.sh"

# One start of the command "$@" in the current folder: the milliseconds from
# the start to each of its first pictures, on one line.
unDemarrage() {
    local maison images debut pid
    maison=$(mktemp -d)
    images="$maison/images"
    debut=$(date +%s%3N)
    env HOME="$maison" XDG_CONFIG_HOME="$maison/config" XDG_DATA_HOME="$maison/data" \
        VORLEN_IMAGES="$images" LD_PRELOAD="$cale" "$@" >/dev/null 2>&1 &
    pid=$!
    for _ in $(seq 300); do
        [ "$(cat "$images" 2>/dev/null | wc -l)" -ge 2 ] && break
        sleep 0.05
    done
    kill -KILL "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    awk -v debut="$debut" '{ printf "%d ", $1 - debut }' "$images" 2>/dev/null
    echo
    rm -rf "$maison"
}

# The median of column $1 of the lines on standard input.
mediane() {
    awk -v c="$1" 'NF >= c { print $c }' | sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'
}

cd "$racine/build/data"
for _ in $(seq "$essais"); do unDemarrage ../vorlen; done >../demarrage.txt
for image in 1 2; do
    printf 'picture %d: %4d ms after the start (median of %d starts)\n' "$image" \
        "$(mediane "$image" <../demarrage.txt)" "$essais"
done
