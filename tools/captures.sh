#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Takes the README's pictures of the help page, of the two lightings, of the
# high-score table, of the level editor and of the attract mode's demo, playing the real
# game under Xvfb with a sample table.
# Usage: xvfb-run -a -s "-screen 0 1024x768x24 -noreset" tools/captures.sh build/vorlen build/data docs
set -eu
. "$(dirname "$0")/pixels.sh"
jeu=$(realpath "$1")
donnees=$2
sortie=$(realpath "$3")
travail=$(mktemp -d)
trap 'kill "$pid" 2>/dev/null; rm -rf "$travail"' EXIT
mkdir -p "$travail/donnees/vorlen"
cat >"$travail/donnees/vorlen/scores.txt" <<'FIN'
[1 joueur]
1520 4 2026-11-28 Alice
980 3 2026-12-02 Bob Martin
610 2 2026-12-05 Zoe
240 1 2026-12-06 Yann
[2 joueurs cooperatif]
2040 5 2026-12-01 Alice / Bob Martin
1310 3 2026-12-04 Zoe / Yann
FIN
cp -r "$donnees" "$travail/jeu"
cd "$travail/jeu"
XDG_DATA_HOME="$travail/donnees" XDG_CONFIG_HOME="$travail/config" SDL_AUDIODRIVER=dummy "$jeu" >/dev/null 2>&1 &
pid=$!
fenetre=$(timeout 10 xdotool search --sync --onlyvisible --name '^Vorlen$' | head -n 1)
sleep 1
xdotool windowfocus --sync "$fenetre"
touches() {
    for touche in "$@"; do
        xdotool key --window "$fenetre" "$touche"
        sleep 0.3
    done
}
gameOver() {
    import -window "$fenetre" "$travail/ecran.png"
    pixelTrouve "$travail/ecran.png" 150x30+240+480 'r>0.8&&g<0.2'
}

# The help page, as F1 opens it from the menu.
touches F1
sleep 0.5
import -window "$fenetre" "$sortie/aide.png"
touches space

# A ball in flight in each lighting.
touches Return Return Return Return space
sleep 1.2
import -window "$fenetre" "$sortie/eclairage-classique.png"
# Escape keeps the match; the menu offers it first, and it comes back paused.
touches Escape Down Return Down Down Down Return Down Down Down Down Return Up Up Return p
sleep 1.2
import -window "$fenetre" "$sortie/eclairage-vif.png"
# Miss every ball until the match is lost, then enter the table.
for _ in $(seq 1 20); do
    gameOver && break
    touches space
    xdotool keydown --window "$fenetre" Left
    sleep 1.4
    xdotool keyup --window "$fenetre" Left
    sleep 4
done
touches x
sleep 0.6 # the name entry takes no key in its first half second
for _ in $(seq 1 12); do touches BackSpace; done
xdotool type --window "$fenetre" --delay 150 "Camille"
touches Return
sleep 0.5
import -window "$fenetre" "$sortie/meilleurs-scores.png"

# A level in the making: four rows dragged across with the mouse, a brick
# walled in by unbreakable ones, crossed out by the editor's check.
cellule() {
    awk -v i="$1" -v j="$2" \
        'BEGIN { printf "%d %d", 325 * (1 + 0.0185577 * (-34.5 + 4.6 * i)), 300 * (1 - 0.0247436 * (3 + 2.4 * j)) }'
}
touches Return Down Down Down Return
for rangee in "9 0" "8 8" "7 6" "6 4"; do
    read -r j points <<<"$rangee"
    touches "$points"
    xdotool mousemove --window "$fenetre" $(cellule 1 "$j") mousedown 1
    for i in $(seq 2 14); do
        xdotool mousemove --window "$fenetre" $(cellule "$i" "$j")
        sleep 0.05
    done
    xdotool mouseup 1
done
touches minus
for mur in "6 2" "8 2" "7 1" "7 3" "0 9" "15 9"; do
    xdotool mousemove --window "$fenetre" $(cellule $mur) click 1
    sleep 0.1
done
touches 2
xdotool mousemove --window "$fenetre" $(cellule 7 2) click 1
xdotool mousemove --window "$fenetre" $(cellule 11 4)
sleep 0.5
import -window "$fenetre" "$sortie/editeur.png"
touches Escape Down Down Return

# The main menu left alone: the attract mode plays the game's demo.
touches Escape
sleep 39
import -window "$fenetre" "$sortie/demo.png"
