#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Records the replays that guard the rules (tests/rejeux/), a one-player and a
# co-operative match, and the attract mode's demo (data/demo.rejeu), a longer
# co-operative one: real matches of the game under Xvfb, their keys played by
# xdotool, each kept as the game keeps the last match. Recording them again is
# a deliberate step, for a change of the rules or of the game's version: the
# tests then replay the new ones.
# Usage: xvfb-run -a -s "-screen 0 1024x768x24 -noreset" tools/enregistrer_rejeux.sh build/vorlen build/data
set -eu
jeu=$(realpath "$1")
donnees=$2
racine=$(realpath "$(dirname "$0")/..")
travail=$(mktemp -d)
trap 'kill "$pid" 2>/dev/null; rm -rf "$travail"' EXIT
cp -r "$donnees" "$travail/jeu"
cd "$travail/jeu"

# Keys held for a while, as a player's fingers: gauche droite action.
jouer() {
    local gauche=$1 droite=$2 action=$3 tour
    for tour in $(seq 1 6); do
        xdotool key "$action"
        xdotool keydown "$gauche"
        sleep 0.$((3 + tour % 4))
        xdotool keyup "$gauche"
        xdotool key "$action"
        xdotool keydown "$droite"
        sleep 0.$((4 + tour % 3))
        xdotool keyup "$droite"
    done
}

# enregistrer FICHIER TOURS PAUSES TOUCHES...: the menu walked with TOUCHES, a match played
# for TOURS rounds, paused and resumed after each when PAUSES is oui, left with Escape.
enregistrer() {
    local fichier=$1 tours=$2 pauses=$3 touche
    shift 3
    rm -rf "$travail/donnees"
    XDG_DATA_HOME="$travail/donnees" XDG_CONFIG_HOME="$travail/config" SDL_AUDIODRIVER=dummy \
        "$jeu" >/dev/null 2>&1 &
    pid=$!
    fenetre=$(timeout 10 xdotool search --sync --onlyvisible --name '^Vorlen$' | head -n 1)
    sleep 1
    xdotool windowfocus --sync "$fenetre"
    for touche in "$@"; do
        xdotool key "$touche"
        sleep 0.5
    done
    local doigts
    for _ in $(seq 1 "$tours"); do
        jouer Left Right space &
        doigts=$!
        jouer a z w
        wait "$doigts"
        if [ "$pauses" = oui ]; then
            xdotool key p
            sleep 0.3
            xdotool key p
        fi
    done
    xdotool key Escape
    # The match is kept as it ends; the main menu takes no Escape, a signal ends the game.
    timeout 30 sh -c "until [ -s '$travail/donnees/vorlen/dernier-match.rejeu' ]; do sleep 0.2; done"
    kill "$pid"
    wait "$pid" || true
    cp "$travail/donnees/vorlen/dernier-match.rejeu" "$racine/$fichier"
    echo "$fichier: $(wc -c <"$racine/$fichier") octets"
}

enregistrer tests/rejeux/un-joueur.rejeu 10 oui Return Return Return Return Return
enregistrer tests/rejeux/cooperatif.rejeu 10 oui Return Down Return Return Return Return
enregistrer data/demo.rejeu 20 non Return Down Return Return Return Return
