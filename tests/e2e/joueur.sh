#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Plays the real game as a player would: the menu, a key rebinding, both kinds
# of match, the credits, "Quitter"; then listens to a match through SDL's disk
# audio driver, ends the game by signals from each screen, and starts it with
# no display and with no font.
# Usage: joueur.sh VORLEN_BINARY RUNTIME_DIR
set -u
jeu=$1
donnees=$2
travail=$(mktemp -d)
# The player's own files stay out of the real home.
export XDG_DATA_HOME="$travail/donnees" XDG_CONFIG_HOME="$travail/config"
artefacts=${ARTEFACTS:-$(dirname "$jeu")/e2e-artefacts}
mkdir -p "$artefacts"
echecs=0
pid=

trap '[ -n "$pid" ] && kill -9 "$pid" 2>/dev/null; rm -rf "$travail"' EXIT

echouer() {
    echo "ECHEC: $*"
    echecs=$((echecs + 1))
    [ -f "$travail/ecran.png" ] && cp "$travail/ecran.png" "$artefacts/echec-$echecs.png"
}

# Takes a screenshot of the window, kept as $1.png among the artefacts.
ecran() {
    import -window "$fenetre" "$travail/ecran.png"
    cp "$travail/ecran.png" "$artefacts/$1.png"
}

# True when some pixel of the rectangle columns $1..$2, rows $3..$4 of the
# last screenshot passes the fx test $5 (r, g, b from 0 to 1).
present() {
    [ "$(convert "$travail/ecran.png" -crop "$(($2 - $1 + 1))x$(($4 - $3 + 1))+$1+$3" +repage \
        -fx "$5" -format '%[fx:maxima]' info:)" != "0" ]
}

blanc='r>0.9&&g>0.9&&b>0.9'
bleu='b>0.9&&r<0.1&&g<0.1'
vert='g>0.12&&g>4*r&&g>4*b'
rouge='r>0.12&&r>4*g&&r>4*b'

# Presses each key in turn, as a player would, leaving the menu time to follow.
touches() {
    for touche in "$@"; do
        xdotool key --window "$fenetre" "$touche"
        sleep 0.3
    done
}

# Starts the game in the background, with the environment variables given as
# arguments; sets pid and fenetre.
demarrer() {
    env "$@" "$jeu" >"$travail/sortie.txt" 2>"$travail/erreurs.txt" &
    pid=$!
    fenetre=$(timeout 10 xdotool search --sync --onlyvisible --name '^Vorlen$' | head -n 1)
    [ -n "$fenetre" ] || { echouer "no window titled Vorlen within 10 s"; cat "$travail/erreurs.txt"; exit 1; }
    sleep 1
    xdotool windowfocus --sync "$fenetre"
}

# After the command "$2"... (a key on "Quitter", a signal) the game, on screen $1, must end
# with status 0 within a second.
quitter() {
    local lieu=$1 debut statut
    shift
    debut=$(date +%s%N)
    "$@"
    for _ in $(seq 1 40); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.05
    done
    kill -0 "$pid" 2>/dev/null && echouer "$lieu: $1 did not end the program within 2 s" &&
        kill -9 "$pid"
    wait "$pid"
    statut=$?
    pid=
    [ "$statut" -eq 0 ] || echouer "$lieu: after $1 the program ended with status $statut"
    [ $((($(date +%s%N) - debut) / 1000000)) -le 1000 ] || echouer "$lieu: $1 took over 1 s to end it"
}

# Rows of menu item $1 (0 first): its letters stand on the line 31 pixels
# below the one before, starting 209 pixels above the window's bottom.
ligneHaut() { echo $((365 + 31 * $1)); }
ligneBas() { echo $((391 + 31 * $1)); }

cp -r "$donnees" "$travail/jeu"
cd "$travail/jeu" || exit 1

# --- The menu.
demarrer
[ "$(xdotool getwindowname "$fenetre")" = "Vorlen" ] || echouer "window title is not Vorlen"
ecran menu
present 120 680 30 330 'r>0.6&&g<0.4' && present 120 680 30 330 'g>0.6&&r<0.5' ||
    echouer "the title image is missing"
present 310 600 "$(ligneHaut 0)" "$(ligneBas 0)" "$blanc" || echouer "Nouvelle Partie is not highlighted"
present 310 600 "$(ligneHaut 1)" "$(ligneBas 1)" "$bleu" || echouer "Options is not shown in blue"
present 310 600 "$(ligneHaut 4)" "$(ligneBas 4)" "$bleu" || echouer "Quitter is not shown"

# --- Options, Controles: player 1's action goes to D.
touches Down Return Return Down Down
ecran controles
present 560 760 "$(ligneHaut 2)" "$(ligneBas 2)" "$blanc" || echouer "J1 action <ESPACE> is not shown"
touches Return
ecran saisie
present 310 560 "$(ligneHaut 2)" "$(ligneBas 2)" "$vert" || echouer "the waiting item is not green"
touches d
ecran controles-d
present 560 760 "$(ligneHaut 2)" "$(ligneBas 2)" "$blanc" && echouer "the label does not show <d>"

# --- Back to the main menu, then a one-player match.
touches Down Down Down Down Down Return Down Down Down Down Down Return Up Return Return
ecran partie
[ "$(convert "$travail/ecran.png" -format '%[pixel:p{700,60}]' info:)" = "srgb(204,204,0)" ] ||
    echouer "the panel's frames are missing"
present 325 325 560 560 "$vert" || echouer "player 1's paddle is not at the centre of row 560"
present 320 330 545 555 'r>0.5&&g>0.5&&b<0.3' || echouer "no ball held on the paddle"
touches d
sleep 0.5
ecran balle-lancee
present 320 330 545 555 'r>0.5&&g>0.5&&b<0.3' && echouer "D did not launch the ball"
xdotool keydown --window "$fenetre" Right
sleep 0.8
xdotool keyup --window "$fenetre" Right
sleep 0.2
ecran batte-a-droite
present 536 536 560 560 "$vert" || echouer "the right arrow did not take the paddle to the wall"

# --- Escape: back to the menu, then a co-operative match.
touches Escape Return Down Return
sleep 0.5
ecran cooperatif
present 325 325 560 560 "$vert" || echouer "no green paddle centred on row 560"
present 325 325 545 545 "$rouge" || echouer "no red paddle centred on row 545"
present 325 325 540 549 "$vert" && echouer "the red paddle is not above the green one"

# --- The credits, any key back, then Quitter.
touches Escape Down Down Return
ecran credits
present 270 620 70 95 'g>0.9&&b>0.9&&r>0.6&&r<0.9' || echouer "the credits' heading is missing"
touches space
ecran menu-apres-credits
present 310 600 "$(ligneHaut 3)" "$(ligneBas 3)" "$blanc" || echouer "back from the credits, Credits is not highlighted"
touches Down
quitter menu xdotool key --window "$fenetre" Return

# --- What a player hears, through SDL's disk audio driver, with one sound and the icon missing.
mv sounds/court.wav "$travail/court.wav"
mv vorlen.png "$travail/vorlen.png"
demarrer SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$travail/son.raw"
[ "$(grep -c "icône vorlen.png illisible" "$travail/erreurs.txt")" -eq 1 ] ||
    echouer "not one line for the missing icon: $(cat "$travail/erreurs.txt")"
rapport=$(sed -n '/===== Fichiers son =====/,/===== Fin des fichiers son =====/p' "$travail/sortie.txt")
charges=$(printf 'sounds/%s loaded\n' high.wav medium.wav low.wav gunshot2.wav Ricochet4.wav \
    die.wav verre1.ogg verre2.ogg verre3.ogg pickup.wav viesupp.wav grand.ogg)
attendu="===== Fichiers son =====
$charges
(WW)sounds/court.wav not found
===== Fin des fichiers son ====="
[ "$rapport" = "$attendu" ] || echouer "sound report: $rapport"
# Silence is all zero bytes.
sonore() { [ "$(tr -d '\000' <"$travail/son.raw" | wc -c)" -gt 0 ]; }
touches Return Return
sleep 1
sonore && echouer "sound before the ball was launched"
# D, player 1's action since the rebinding above: the game remembers it.
touches d
sleep 4
sonore || echouer "no sound after the ball's first bounces"
touches Escape Down Down Down Down
quitter menu xdotool key --window "$fenetre" Return
mv "$travail/court.wav" sounds/court.wav
mv "$travail/vorlen.png" vorlen.png

# --- SIGTERM and SIGINT end the game from every screen.
for cas in "menu::TERM" "match:Return Return:TERM" "capture:Down Return Return Return:INT" \
    "credits:Down Down Down Return:TERM"; do
    IFS=: read -r lieu suite signal <<<"$cas"
    demarrer
    touches $suite
    quitter "$lieu" kill -"$signal" "$pid"
done

# --- One clear line and status 1 when the game cannot run.
# $1: what is expected in the line; the rest: the command.
une_ligne_et_1() {
    local attendu=$1 statut
    shift
    timeout 10 "$@" >/dev/null 2>"$travail/erreur.txt"
    statut=$?
    [ "$statut" -eq 1 ] || echouer "$* ended with status $statut, not 1"
    [ "$(wc -l <"$travail/erreur.txt")" -eq 1 ] ||
        echouer "$* wrote $(wc -l <"$travail/erreur.txt") lines on standard error: $(head -c 600 "$travail/erreur.txt")"
    grep -q -- "$attendu" "$travail/erreur.txt" ||
        echouer "$*: '$attendu' not in: $(cat "$travail/erreur.txt")"
}
une_ligne_et_1 xvfb-run env -u DISPLAY "$jeu"
rm AXAXAX.TTF
une_ligne_et_1 AXAXAX.TTF "$jeu"

echo "$echecs failed"
[ "$echecs" -eq 0 ]
