#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# What the whole process costs a player's machine: CPU time over 20 s of the
# menu left idle and over 20 s of a one-player match, and peak memory, for
# Vorlen and, in the same run, for Debian's lbreakout2 (the peer a Linux player
# would pick instead).
#   bench/processus.sh [LxH...]   from the worktree, after building vorlen
# Vorlen is measured in a window of each size given (800x600 when none is),
# on a 1920x1080 screen; LP_NUM_THREADS, when set, reaches the renderer.
# Resident memory is split by what holds it, once in the match. With AVANT set
# to another worktree, its build is measured too, in the same run, as "before".
# It opens its own Xvfb when there is no display; keys and clicks go through
# xdotool. Each game runs with a throw-away home, so no player's files are read.
# Needs the Debian packages lbreakout2 and time besides the test command's.
set -euo pipefail
racine="$(cd "$(dirname "$0")/.." && pwd)"
duree=20

if [ -z "${DISPLAY:-}" ]; then
    # A server number of its own: other sessions start and stop theirs meanwhile.
    # No reset between the games measured one after the other.
    exec xvfb-run -a -n $((400 + RANDOM % 500)) -s "-screen 0 1920x1080x24 -noreset" "$0" "$@"
fi
export SDL_AUDIODRIVER=dummy
tic=$(getconf CLK_TCK)

# CPU time used so far by process $1, in clock ticks (user plus system).
ticks() {
    sed 's/^.*) //' "/proc/$1/stat" | awk '{ print $12 + $13 }'
}

# The share of one core process $1 uses over the next $duree seconds, while
# the command "$2" (run in the background) plays.
mesurer() {
    local pid=$1 joueur=$2 avant apres
    avant=$(ticks "$pid")
    bash -c "$joueur" &
    local pj=$!
    sleep "$duree"
    apres=$(ticks "$pid")
    kill "$pj" 2>/dev/null || true
    wait "$pj" 2>/dev/null || true
    awk -v t=$((apres - avant)) -v hz="$tic" -v d="$duree" \
        'BEGIN { printf "%5.2f CPU-s  %5.1f %% of a core", t / hz, 100 * t / hz / d }'
}

# The window of class or name "$2" ($1 is --class or --name), waited for at
# most 60 s; the game's log $3 is shown when it never comes.
fenetre() {
    timeout 60 xdotool search --sync --onlyvisible "$1" "$2" | head -1 && return
    echo "processus.sh: no $2 window; its output:" >&2
    tail -5 "$3" >&2
    return 1
}

# Gives window $1 the keyboard once it is mapped (refused until then).
focaliser() {
    for _ in $(seq 120); do
        xdotool windowfocus "$1" 2>/dev/null && return
        sleep 0.5
    done
    echo "processus.sh: window $1 never took the focus" >&2
    return 1
}

# The process that /usr/bin/time runs, once it has started.
enfant() {
    local p
    for _ in $(seq 50); do
        p=$(pgrep -P "$1" || true)
        [ -n "$p" ] && { echo "$p"; return; }
        sleep 0.1
    done
    return 1
}

# Ends the game of pid $1, started by the time process $2, asking first.
terminer() {
    for _ in 1 2 3 4 5; do
        kill -TERM "$1" 2>/dev/null || break
        sleep 1
    done
    kill -KILL "$1" 2>/dev/null || true
    wait "$2" 2>/dev/null || true
}

peakRss() {
    awk '/Maximum resident set size/ { printf "%d MB", $NF / 1024 }' "$1"
}

# What process $1's resident memory is made of, in MB: the OpenGL renderer's
# libraries (Mesa and the LLVM it compiles with), the rest of the libraries,
# the image shared with the X server, and the heap and anonymous memory, where
# textures and the picture's buffers are.
composition() {
    awk '/^[0-9a-f]+-[0-9a-f]+ / {
             nom = $6
             if (nom ~ /LLVM|_dri\.so|libGL|libglapi|libgallium|libz3|libdrm|libEGL/) groupe = "renderer"
             else if (nom ~ /SYSV/) groupe = "shared image"
             else if (nom == "" || nom ~ /^\[/) groupe = "heap and anonymous"
             else groupe = "other libraries"
         }
         /^Rss:/ { kb[groupe] += $2 }
         END {
             printf "renderer %d MB, other libraries %d MB, shared image %d MB, heap and anonymous %d MB",
                 kb["renderer"] / 1024, kb["other libraries"] / 1024, kb["shared image"] / 1024,
                 kb["heap and anonymous"] / 1024
         }' "/proc/$1/smaps"
}

# Vorlen of the worktree $2, named $3, in a window of size $1 (LxH), as the
# settings file would keep it.
mesurerVorlen() {
    local maison temps pt pid fen nom=$3
    maison=$(mktemp -d)
    temps=$(mktemp)
    mkdir -p "$maison/config/vorlen"
    printf '[fenetre]\nlargeur = %s\nhauteur = %s\n' "${1%x*}" "${1#*x}" \
        >"$maison/config/vorlen/vorlen.ini"
    (cd "$2/build/data" &&
        exec env HOME="$maison" XDG_CONFIG_HOME="$maison/config" XDG_DATA_HOME="$maison/data" \
            /usr/bin/time -v -o "$temps" ../vorlen >"$maison/log" 2>&1) &
    pt=$!
    pid=$(enfant "$pt")
    fen=$(fenetre --name Vorlen "$maison/log")
    focaliser "$fen"
    sleep 3
    echo "$nom $1"
    echo "$nom     menu idle:    $(mesurer "$pid" "true")"
    # "Nouvelle Partie", "1 joueur", "Normal", "Niveaux du jeu"; in a one-player match of
    # an earlier version, the Returns left over are player 2's action, which does nothing.
    for _ in 1 2 3 4; do
        xdotool key --window "$fen" Return
        sleep 0.3
    done
    sleep 1
    # The ball is launched again after each loss; the presses stop before the
    # match could be lost, as a key on "Game Over" would leave it.
    echo "$nom     match:        $(mesurer "$pid" "for k in \$(seq 10); do xdotool key --window $fen space; sleep 1; done")"
    echo "$nom     in the match: $(composition "$pid")"
    xdotool key --window "$fen" Escape
    terminer "$pid" "$pt"
    echo "$nom     peak RSS:     $(peakRss "$temps")"
    rm -rf "$maison" "$temps"
}

mesurerLbreakout2() {
    local maison temps pt pid fen
    maison=$(mktemp -d)
    temps=$(mktemp)
    HOME=$maison /usr/bin/time -v -o "$temps" /usr/games/lbreakout2 >"$maison/log" 2>&1 &
    pt=$!
    pid=$(enfant "$pt")
    fen=$(fenetre --class lbreakout2 "$maison/log")
    focaliser "$fen"
    sleep 3
    echo "lbreakout2 menu idle:    $(mesurer "$pid" "true")"
    # "Local Game", then "Start Original Set"; the fire key launches the ball.
    xdotool mousemove 181 270 click 1
    sleep 1
    xdotool mousemove 181 279 click 1
    sleep 2
    echo "lbreakout2 match:        $(mesurer "$pid" "for k in \$(seq $duree); do xdotool key space; sleep 1; done")"
    echo "lbreakout2 in the match: $(composition "$pid")"
    terminer "$pid" "$pt"
    echo "lbreakout2 peak RSS:     $(peakRss "$temps")"
    rm -rf "$maison" "$temps"
}

for taille in "${@:-800x600}"; do
    mesurerVorlen "$taille" "$racine" vorlen
    [ -z "${AVANT:-}" ] || mesurerVorlen "$taille" "$(cd "$AVANT" && pwd)" before
done
mesurerLbreakout2
