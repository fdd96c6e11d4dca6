#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The picture at any size, and the pointer on it, as a player sees them, each
# case on an X server of its own size: a small screen, full screen and back,
# a window resized (and so reopened), the real mouse.
# Usage: ecran.sh VORLEN_BINARY RUNTIME_DIR [SDL_LIBRARY_DIR]
# With SDL_LIBRARY_DIR, the game runs on the SDL 1.2 found there
# (sdl12-compat) instead of the one it was built with.
set -u
. "$(dirname "$0")/attente.sh"
jeu=$1 donnees=$2 bibliotheque=${3:-}

# One case, on its own X server: "$1" is the screen's size, the rest the case.
if [ "${ECRAN_CAS:-}" = "" ]; then
    travail=$(mktemp -d)
    trap 'rm -rf "$travail"' EXIT
    artefacts=$(dirname "$jeu")/e2e-artefacts/ecran${bibliotheque:+-compat}
    mkdir -p "$artefacts"
    echecs=0
    for taille_cas in 640x480:petit_ecran 640x480:gestionnaire 1024x768:aller_retour \
        1920x1080:plein_ecran 1920x1080:redimensionnee 1024x768:souris; do
        ECRAN_CAS=1 TRAVAIL="$travail" ARTEFACTS="$artefacts" xvfb-run -a \
            -s "-screen 0 ${taille_cas%:*}x24 -noreset" "$0" "$jeu" "$donnees" "$bibliotheque" \
            "${taille_cas#*:}" || echecs=$((echecs + 1))
    done
    [ "$echecs" -eq 0 ] && echo "ecran: every case passed" || echo "ecran: $echecs case(s) failed"
    exit "$echecs"
fi

shift 3
cas=$1
export XDG_CONFIG_HOME="$TRAVAIL/$cas/config" XDG_DATA_HOME="$TRAVAIL/$cas/donnees" SDL_AUDIODRIVER=dummy
[ -n "$bibliotheque" ] && export LD_LIBRARY_PATH="$bibliotheque"
image="$TRAVAIL/$cas.png"
pid=
trap '[ -n "$pid" ] && kill -9 "$pid" 2>/dev/null' EXIT

echouer() {
    echo "ECHEC ($cas${bibliotheque:+, sdl12-compat}): $*"
    [ -f "$image" ] && cp "$image" "$ARTEFACTS/echec-$cas.png"
    exit 1
}

# Takes a screenshot of $cible (the window, or the whole screen: root); true
# when every check "$@" (each a command line, as one word) holds on it, else
# $verification names the first that failed.
verifie() {
    import -window "$cible" "$image"
    for verification in "$@"; do
        eval "$verification" || return 1
    done
}
attendre_image() {
    jusqua verifie "$@" || echouer "after $LIMITE s, still not true: $verification"
}

demarrer() {
    (cd "$donnees" && exec "$jeu" "$@") >"$TRAVAIL/sortie.txt" 2>"$TRAVAIL/erreurs.txt" &
    pid=$!
    attendreFenetre || { cat "$TRAVAIL/erreurs.txt"; echouer "no window shown and focused"; }
    cible=$fenetre
}

touche() { xdotool key --window "$fenetre" "$1"; }
position() { xdotool getwindowgeometry "$fenetre" | sed -n 's/.*Position: \([0-9,]*\).*/\1/p'; }
lancer_gestionnaire() {
    openbox >/dev/null 2>&1 &
    gestionnaire=$!
    jusqua eval 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q window' || echouer "no openbox"
}
taille_fenetre() { xdotool getwindowgeometry "$fenetre" | sed -n 's/.*Geometry: //p'; }
finir() { kill "$pid"; wait "$pid"; pid=; }

# As present or absent ($1), for the canvas's columns $2..$3, rows $4..$5
# (from the top) and test $6, drawn at scale $7 with the picture's corner at ($8, $9).
dans_toile() {
    local predicat=$1
    shift
    $predicat $(awk "BEGIN { printf \"%d %d %d %d\", $7 + $1 * $6, $7 + $2 * $6, \
        $8 + $3 * $6, $8 + $4 * $6 }") "$5"
}

# A match at scale $1, corner ($2, $3): the field's top border (canvas row
# 40), player 1's box in the panel (its left rule at column 650) and the
# green paddle (rows 555 to 564 around column 325) where the scale puts them.
match_en_place() {
    dans_toile present 100 550 38 42 "$jaune" "$@" &&
        dans_toile present 648 652 70 150 "$jaune" "$@" &&
        dans_toile present 305 345 553 566 "$vert" "$@"
}

# From the main menu to a one-player match at scale $1, corner ($2, $3): the
# second Return waits for the game types, which have no fourth item, the third
# for the difficulties, which have; the last plays the game's own levels.
lancer_match() {
    touche Return
    attendre_image "dans_toile absent 310 600 465 490 '$bleu' $*"
    touche Return
    attendre_image "dans_toile present 310 600 465 490 '$bleu' $*"
    touche Return
    touche Return
    attendre_image "match_en_place $*"
}

case "$cas" in
petit_ecran)
    # The 800x600 window does not fit: it opens at 640x480, the whole picture.
    demarrer
    [ "$(taille_fenetre)" = "640x480" ] || echouer "window of $(taille_fenetre), not 640x480"
    lancer_match 0.8 0 0
    ;;
gestionnaire)
    # A window manager takes its title bar and borders off a window as large as the
    # screen: the picture fits what is left, the version in the corner whole.
    lancer_gestionnaire
    demarrer
    read -r l h <<<"$(taille_fenetre | tr x ' ')"
    [ "$l" -lt 640 ] || [ "$h" -lt 480 ] || echouer "the window manager left ${l}x$h whole"
    e=$(awk "BEGIN { e = $l / 800; if ($h / 600 < e) e = $h / 600; print e }")
    attendre_image "dans_toile present 745 795 582 597 '$blanc' $e \
        $(awk "BEGIN { print ($l - 800 * $e) / 2, ($h - 600 * $e) / 2 }")"
    finir
    kill "$gestionnaire"
    ;;
aller_retour)
    # Full screen and back in a match played with the mouse: the window comes back where
    # the player had put it, and the paddle follows the mouse's next moves, no leap.
    lancer_gestionnaire
    demarrer
    initiale=$(position)
    xdotool windowmove "$fenetre" 150 80
    jusqua eval '[ "$(position)" != "$initiale" ]' || echouer "the window was not moved"
    avant=$(position)
    xdotool mousemove --window "$fenetre" 400 300
    lancer_match 1 0 0
    touche F11
    attendre_image "[ \"\$(taille_fenetre)\" = 1024x768 ]"
    touche F11
    attendre_image "[ \"\$(taille_fenetre)\" = 800x600 ]" "[ \"\$(position)\" = '$avant' ]"
    xdotool mousemove_relative 60 0
    xdotool mousemove_relative 60 0
    attendre_image "present 380 420 556 563 '$vert'" "absent 240 320 556 563 '$vert'"
    finir
    kill "$gestionnaire"
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
    # The player drags the window to 1000x750: the picture follows at 1.25,
    # and the next run opens at that size.
    demarrer
    xdotool windowsize "$fenetre" 1000 750
    attendre_image "[ \"\$(taille_fenetre)\" = 1000x750 ]"
    lancer_match 1.25 0 0
    finir
    demarrer
    [ "$(taille_fenetre)" = "1000x750" ] || echouer "window of $(taille_fenetre), not 1000x750"
    ;;
souris)
    demarrer
    # "Nouvelle Partie", "1 joueur" at the same place, "Normal" one line below,
    # then "Niveaux du jeu" on the first line again.
    xdotool mousemove --window "$fenetre" 330 380 click 1
    attendre_image "present 300 600 360 400 '$blanc'" "absent 310 600 465 490 '$bleu'"
    xdotool click 1
    attendre_image "present 310 600 465 490 '$bleu'"
    xdotool mousemove --window "$fenetre" 330 411 click 1
    xdotool mousemove --window "$fenetre" 330 380 click 1
    attendre_image "match_en_place 1 0 0"
    # 120 pixels right: the paddle, centred on column 325, follows by as much.
    xdotool mousemove_relative 120 0
    attendre_image "present 430 460 556 563 '$vert'" "absent 300 350 556 563 '$vert'"
    xdotool click 1
    attendre_image "present 100 550 100 530 'r>0.4&&g>0.4&&b<0.1'" # the ball
    ;;
esac
finir
exit 0
