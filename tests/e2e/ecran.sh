#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The picture at any size, and the pointer on it, as a player sees them, each
# case on an X server of its own size: a 640x480 screen shows the whole
# window and a whole match; full screen on a 1920x1080 screen fills its
# height, centred between black bars, and F11 brings the window back; a
# window the player resizes follows, and opens at that size next time; the
# real mouse clicks through the menu, then drives the paddle and launches.
# Usage: ecran.sh VORLEN_BINARY RUNTIME_DIR [SDL_LIBRARY_DIR]
# With SDL_LIBRARY_DIR, the game runs on the SDL 1.2 found there
# (sdl12-compat) instead of the one it was built with.
set -u
ici=$(cd "$(dirname "$0")" && pwd)
. "$ici/attente.sh"
jeu=$1
donnees=$2
bibliotheque=${3:-}

# One case, on its own X server: "$1" is the screen's size, the rest the case.
if [ "${ECRAN_CAS:-}" = "" ]; then
    travail=$(mktemp -d)
    trap 'rm -rf "$travail"' EXIT
    artefacts=$(dirname "$jeu")/e2e-artefacts/ecran${bibliotheque:+-compat}
    mkdir -p "$artefacts"
    echecs=0
    lancer() {
        local taille=$1
        shift
        ECRAN_CAS=1 TRAVAIL="$travail" ARTEFACTS="$artefacts" \
            xvfb-run -a -s "-screen 0 ${taille}x24 -noreset" "$0" "$jeu" "$donnees" \
            "$bibliotheque" "$@" || echecs=$((echecs + 1))
    }
    lancer 640x480 petit_ecran
    lancer 1920x1080 plein_ecran
    lancer 1920x1080 redimensionnee
    lancer 1920x1080 rouverte
    lancer 1024x768 souris
    [ "$echecs" -eq 0 ] && echo "ecran: every case passed" || echo "ecran: $echecs case(s) failed"
    exit "$echecs"
fi

shift 3
cas=$1
export XDG_CONFIG_HOME="$TRAVAIL/$cas/config" XDG_DATA_HOME="$TRAVAIL/$cas/donnees"
export SDL_AUDIODRIVER=dummy
[ -n "$bibliotheque" ] && export LD_LIBRARY_PATH="$bibliotheque"
image="$TRAVAIL/$cas.png"
pid=
trap '[ -n "$pid" ] && kill -9 "$pid" 2>/dev/null' EXIT

echouer() {
    echo "ECHEC ($cas${bibliotheque:+, sdl12-compat}): $*"
    [ -f "$image" ] && cp "$image" "$ARTEFACTS/echec-$cas.png"
    exit 1
}

# Takes screenshots of $cible (the window, or the whole screen: root) until
# every check "$@" (each a command line, as one word) holds, or 30 s have
# passed; says which failed.
attendre_image() {
    local limite=$((SECONDS + 30)) verification
    while :; do
        import -window "$cible" "$image"
        local toutes=1
        for verification in "$@"; do
            eval "$verification" || { toutes=0; break; }
        done
        [ "$toutes" -eq 1 ] && return 0
        [ "$SECONDS" -ge "$limite" ] && echouer "after 30 s, still not true: $verification"
        sleep 0.2
    done
}

demarrer() {
    (cd "$donnees" && exec "$jeu" "$@") >"$TRAVAIL/sortie.txt" 2>"$TRAVAIL/erreurs.txt" &
    pid=$!
    attendreFenetre || { cat "$TRAVAIL/erreurs.txt"; echouer "no window shown and focused"; }
    cible=$fenetre
}

touche() {
    xdotool key --window "$fenetre" "$1"
}

taille_fenetre() {
    xdotool getwindowgeometry "$fenetre" | sed -n 's/.*Geometry: //p'
}

finir() {
    kill "$pid"
    wait "$pid"
    pid=
}

balle='r>0.4&&g>0.4&&b<0.1'

# Where a canvas pixel (column $1, row $2 from the top) lands at scale $3 with
# the picture's corner at ($4, $5): sets x and y.
placer() {
    x=$(awk "BEGIN { printf \"%d\", $4 + $1 * $3 }")
    y=$(awk "BEGIN { printf \"%d\", $5 + $2 * $3 }")
}

# A match at scale $1, corner ($2, $3): the field's top border (canvas row
# 40, columns 83 to 566), player 1's box in the panel (its left rule at
# column 650, rows 60 to 160) and the green paddle (rows 555 to 564 around
# column 325) all where the scale puts them.
match_en_place() {
    local e=$1 ox=$2 oy=$3 x0 y0 x1 y1
    placer 100 38 "$e" "$ox" "$oy"; x0=$x; y0=$y
    placer 550 42 "$e" "$ox" "$oy"; x1=$x; y1=$y
    present "$x0" "$x1" "$y0" "$y1" "$jaune" || return 1
    placer 648 70 "$e" "$ox" "$oy"; x0=$x; y0=$y
    placer 652 150 "$e" "$ox" "$oy"; x1=$x; y1=$y
    present "$x0" "$x1" "$y0" "$y1" "$jaune" || return 1
    placer 305 553 "$e" "$ox" "$oy"; x0=$x; y0=$y
    placer 345 566 "$e" "$ox" "$oy"; x1=$x; y1=$y
    present "$x0" "$x1" "$y0" "$y1" "$vert"
}

# From the main menu to a one-player match at scale $1, corner ($2, $3): the
# second Return waits for the game types, which have no fourth item.
lancer_match() {
    local x0 y0 x1 y1
    placer 310 465 "$1" "$2" "$3"; x0=$x; y0=$y
    placer 600 490 "$1" "$2" "$3"; x1=$x; y1=$y
    touche Return
    attendre_image "! present $x0 $x1 $y0 $y1 '$bleu'"
    touche Return
    attendre_image "match_en_place $1 $2 $3"
}

case "$cas" in
petit_ecran)
    # The 800x600 window does not fit: it opens at 640x480, the whole picture.
    demarrer
    [ "$(taille_fenetre)" = "640x480" ] || echouer "window of $(taille_fenetre), not 640x480"
    lancer_match 0.8 0 0
    ;;
plein_ecran)
    # Full screen keeps the screen's resolution: the picture at 1.8 times,
    # 1440 pixels wide, between two black bars of 240.
    demarrer --plein-ecran
    cible=root
    lancer_match 1.8 240 0
    attendre_image "noir 0 235 0 1079" "noir 1684 1919 0 1079" \
        "present 390 1260 1070 1079 '$jaune'"
    touche F11
    cible=$fenetre
    attendre_image "[ \"\$(taille_fenetre)\" = 800x600 ]" "match_en_place 1 0 0"
    grep -q '^plein_ecran = non' "$XDG_CONFIG_HOME/vorlen/vorlen.ini" ||
        echouer "the window's return is not remembered"
    ;;
redimensionnee)
    # The player drags the window to 1000x750: the picture follows at 1.25.
    demarrer
    xdotool windowsize "$fenetre" 1000 750
    attendre_image "[ \"\$(taille_fenetre)\" = 1000x750 ]"
    lancer_match 1.25 0 0
    grep -q '^largeur = 1000' "$XDG_CONFIG_HOME/vorlen/vorlen.ini" &&
        grep -q '^hauteur = 750' "$XDG_CONFIG_HOME/vorlen/vorlen.ini" ||
        echouer "the new size is not remembered"
    ;;
rouverte)
    # The size left at the last run comes back, here from the file; a size
    # larger than the screen is brought within it, in proportion.
    mkdir -p "$XDG_CONFIG_HOME/vorlen"
    printf '[fenetre]\nlargeur = 1000\nhauteur = 750\n' >"$XDG_CONFIG_HOME/vorlen/vorlen.ini"
    demarrer
    [ "$(taille_fenetre)" = "1000x750" ] || echouer "window of $(taille_fenetre), not 1000x750"
    finir
    printf '[fenetre]\nlargeur = 3000\nhauteur = 1500\n' >"$XDG_CONFIG_HOME/vorlen/vorlen.ini"
    demarrer
    [ "$(taille_fenetre)" = "1920x960" ] || echouer "window of $(taille_fenetre), not 1920x960"
    ;;
souris)
    demarrer
    # "Nouvelle Partie", then "1 joueur", at the same place.
    xdotool mousemove --window "$fenetre" 330 380 click 1
    attendre_image "present 300 600 360 400 '$blanc'"
    xdotool click 1
    attendre_image "match_en_place 1 0 0"
    # 120 pixels right: the paddle, centred on column 325, follows by as much.
    xdotool mousemove_relative 120 0
    attendre_image "present 430 460 556 563 '$vert'" "! present 300 350 556 563 '$vert'"
    xdotool click 1
    attendre_image "present 100 550 100 530 '$balle'"
    ;;
esac
finir
exit 0
