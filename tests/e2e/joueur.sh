#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Plays the real game as a player would: the menu, a newcomer's first steps (the
# help, a match left with Escape and resumed after a restart), a key rebinding,
# both kinds of match, the credits, "Quitter"; a level made in the editor, tried, then
# played from the player's own levels; then listens to a match through SDL's disk
# audio driver, ends the game by signals from each screen, by the loss of its
# display and meets a file size limit, each time with the work kept, and starts
# it with no display and with no font.
# Usage: joueur.sh VORLEN_BINARY RUNTIME_DIR SDL12_COMPAT_LIBRARY_DIR
set -u
jeu=$1
donnees=$2
bibliothequeCompat=$3
. "$(dirname "$0")/attente.sh"
travail=$(mktemp -d)
image="$travail/ecran.png"
# The player's own files stay out of the real home.
export XDG_DATA_HOME="$travail/donnees" XDG_CONFIG_HOME="$travail/config"
artefacts=${ARTEFACTS:-$(dirname "$jeu")/e2e-artefacts}
mkdir -p "$artefacts"
echecs=0
pid=
serveur=

trap '[ -n "$pid" ] && kill -9 "$pid" 2>/dev/null; [ -n "$serveur" ] && kill "$serveur"; rm -rf "$travail"' EXIT

echouer() {
    echo "ECHEC: $*"
    echecs=$((echecs + 1))
    [ -f "$travail/ecran.png" ] && cp "$travail/ecran.png" "$artefacts/echec-$echecs.png"
}

# Takes a screenshot of the window, kept as $1.png among the artefacts. Once the
# window is gone, import waits for ever.
ecran() {
    timeout "$LIMITE" import -window "$fenetre" "$travail/ecran.png" 2>/dev/null &&
        cp "$travail/ecran.png" "$artefacts/$1.png"
}

# Screenshot $1 taken, the command "$2"... holds on it.
vu() {
    ecran "$1" && shift && "$@"
}

# Takes screenshots as $1 until the command "$3"... holds on one; fails with
# the message $2 when it has not within the limit.
attendreEcran() {
    local nom=$1 message=$2
    shift 2
    jusqua vu "$nom" "$@" || echouer "$message (not on screen within $LIMITE s)"
}

# Presses each key in turn, as a player would: the game queues them, and
# what follows waits for the screen they lead to.
touches() {
    xdotool key --window "$fenetre" "$@"
}

# Starts the game in the background, with the environment variables given as
# arguments; sets pid and fenetre.
demarrer() {
    env "$@" "$jeu" >"$travail/sortie.txt" 2>"$travail/erreurs.txt" &
    pid=$!
    attendreFenetre "$pid" || {
        echouer "${lieu:-start}: no window titled Vorlen, visible and focused, within $LIMITE s, on display $DISPLAY"
        cat "$travail/erreurs.txt"
        exit 1
    }
}

# After the command "$3"... (a key on "Quitter", a signal, the display killed) the game, on
# screen $1, must end with status $2.
terminer() {
    local lieu=$1 attendu=$2 statut
    shift 2
    "$@"
    jusqua fini "$pid" || { echouer "$lieu: $1 did not end the program within $LIMITE s"; kill -9 "$pid"; }
    wait "$pid"
    statut=$?
    pid=
    [ "$statut" -eq "$attendu" ] || echouer "$lieu: after $1 the program ended with status $statut"
}
quitter() { terminer "$1" 0 "${@:2}"; }

# Rows of menu item $1 (0 first): its letters stand on the line 31 pixels
# below the one before, starting 209 pixels above the window's bottom.
ligneHaut() { echo $((365 + 31 * $1)); }
ligneBas() { echo $((391 + 31 * $1)); }
# The same with a match kept: "Reprendre la partie" stands first, and the list of
# eight starts 20 pixels higher; $1 still counts from "Nouvelle Partie" (-1: the
# match to resume).
ligneHautGardee() { echo $((376 + 31 * $1)); }
ligneBasGardee() { echo $((402 + 31 * $1)); }
partieGardee="$XDG_DATA_HOME/vorlen/partie.txt"

cp -r "$donnees" "$travail/jeu"
cd "$travail/jeu" || exit 1

# --- The menu.
demarrer
[ "$(xdotool getwindowname "$fenetre")" = "Vorlen" ] || echouer "window title is not Vorlen"
attendreEcran menu "Nouvelle Partie is not highlighted" \
    present 310 600 "$(ligneHaut 0)" "$(ligneBas 0)" "$blanc"
present 120 680 30 330 'r>0.6&&g<0.4' && present 120 680 30 330 'g>0.6&&r<0.5' ||
    echouer "the title image is missing"
present 310 600 "$(ligneHaut 1)" "$(ligneBas 1)" "$bleu" || echouer "Options is not shown in blue"
present 310 600 "$(ligneHaut 6)" "$(ligneBas 6)" "$bleu" || echouer "Quitter is not shown"

# --- A newcomer: F1 shows the help; the first match says how to launch; a match
# paused and left with Escape is kept, offered first after a restart, and comes
# back paused, as it was left.
enAide() {
    present 355 445 15 50 "$rouge" && present 45 80 96 116 'r>0.6&&g>0.6&&b>0.6' &&
        present 45 80 300 320 'r>0.6&&g>0.6&&b<0.3'
}
touches F1
attendreEcran aide "F1 does not show the help's capsules" enAide
touches space
attendreEcran menu-apres-aide "the help did not go back to the menu" \
    present 310 600 "$(ligneHaut 0)" "$(ligneBas 0)" "$blanc"
astuce() { present 90 560 472 495 'r>0.8&&g>0.8&&b>0.8'; }
touches Return Return Return Return
attendreEcran astuce "the first match does not say how to launch" astuce
touches space
attendreEcran astuce-lancee "the hint stays after the launch" absent 90 560 472 495 'r>0.8&&g>0.8&&b>0.8'
touches p Escape
attendreEcran menu-partie-gardee "the menu does not offer to resume the match left" eval \
    'present 310 680 "$(ligneHautGardee -1)" "$(ligneBasGardee -1)" "$bleu" &&
     present 310 600 "$(ligneHautGardee 0)" "$(ligneBasGardee 0)" "$blanc"'
laissee=$(cat "$partieGardee")
grep -q "^niveau 1$" <<<"$laissee" && grep -q "^balle 1 " <<<"$laissee" ||
    echouer "the match left is not in its file: $laissee"
quitter "menu, partie gardee" xdotool key --window "$fenetre" Down Down Down Down Down Down Return
demarrer
attendreEcran reprendre "after a restart, resuming is not offered first" \
    present 310 680 "$(ligneHautGardee -1)" "$(ligneBasGardee -1)" "$blanc"
touches Return
attendreEcran reprise "the match resumed is not shown paused" eval \
    'present 222 430 245 290 "$blanc" && present 700 700 60 60 "r>0.79&&r<0.81&&g>0.79&&b<0.01"'
touches Escape
attendreEcran menu-reprise-gardee "Escape did not lead back to the menu" \
    present 310 600 "$(ligneHautGardee 0)" "$(ligneBasGardee 0)" "$blanc"
[ "$(cat "$partieGardee")" = "$laissee" ] ||
    echouer "the match resumed is not the match left: $(diff <(echo "$laissee") "$partieGardee")"
# What follows starts from a menu with no match kept.
quitter "menu, reprise" xdotool key --window "$fenetre" Down Down Down Down Down Down Return
rm "$partieGardee"
demarrer
attendreEcran menu-neuf "Nouvelle Partie is not highlighted" \
    present 310 600 "$(ligneHaut 0)" "$(ligneBas 0)" "$blanc"

# --- Options, Controles: player 1's action goes to D.
touches Down Return Return Down Down
attendreEcran controles "J1 action <ESPACE> is not shown" \
    present 560 760 "$(ligneHaut 2)" "$(ligneBas 2)" "$blanc"
touches Return
attendreEcran saisie "the waiting item is not green" \
    present 310 560 "$(ligneHaut 2)" "$(ligneBas 2)" "$vert"
touches d
# Highlighted again, and short: "J1 action <d>".
dCourt() {
    present 310 550 "$(ligneHaut 2)" "$(ligneBas 2)" "$blanc" &&
        absent 560 760 "$(ligneHaut 2)" "$(ligneBas 2)" "$blanc"
}
attendreEcran controles-d "the label does not show <d>" dCourt

# --- Back to the main menu, then a one-player match.
touches Down Down Down Down Down Return Down Down Down Down Down Down Down Return Up Return Return Return Return
cadresPanneau() {
    present 700 700 60 60 'r>0.79&&r<0.81&&g>0.79&&g<0.81&&b<0.01'
}
attendreEcran partie "the panel's frames are missing" cadresPanneau
present 325 325 560 560 "$vert" || echouer "player 1's paddle is not at the centre of row 560"
balleTenue='r>0.5&&g>0.5&&b<0.3'
present 320 330 545 555 "$balleTenue" || echouer "no ball held on the paddle"
touches d
attendreEcran balle-lancee "D did not launch the ball" absent 320 330 545 555 "$balleTenue"
xdotool keydown --window "$fenetre" Right
attendreEcran batte-a-droite "the right arrow did not take the paddle to the wall" \
    present 536 536 560 560 "$vert"
xdotool keyup --window "$fenetre" Right

# Escape leaves a match, which reads every key already queued: the keys for
# the menu wait for it, with item $1 (the game type's) highlighted below the
# match kept.
quitterPartie() {
    touches Escape
    attendreEcran "menu-apres-partie-$1" "Escape did not lead back to the menu" \
        present 310 600 "$(ligneHautGardee "$1")" "$(ligneBasGardee "$1")" "$blanc"
}

# --- Escape: back to the menu, then a co-operative match.
quitterPartie 0
touches Return Down Return Return Return
attendreEcran cooperatif "no red paddle centred on row 545" present 325 325 545 545 "$rouge"
present 325 325 560 560 "$vert" || echouer "no green paddle centred on row 560"
absent 325 325 540 549 "$vert" || echouer "the red paddle is not above the green one"

# --- The credits, any key back, then Quitter.
quitterPartie 1
touches Down Down Down Return
titreCredits='g>0.9&&b>0.9&&r>0.6&&r<0.9'
attendreEcran credits "the credits' heading is missing" present 270 620 70 95 "$titreCredits"
touches space
attendreEcran menu-apres-credits "back from the credits, Credits is not highlighted" \
    present 310 600 "$(ligneHautGardee 4)" "$(ligneBasGardee 4)" "$blanc"
touches Down Down
quitter menu xdotool key --window "$fenetre" Return
rm "$partieGardee"

# --- The editor: a small level made with the mouse and the keys, tried, saved
# on the way out, then played from the player's own levels.
enEditeur() { present 655 745 12 35 "$jaune"; }
# The window pixel at the centre of cell ($1, $2) of the one-player grid.
cellule() {
    awk -v i="$1" -v j="$2" \
        'BEGIN { printf "%d %d", 325 * (1 + 0.0185577 * (-34.5 + 4.6 * i)), 300 * (1 - 0.0247436 * (3 + 2.4 * j)) }'
}
cliquer() {
    xdotool mousemove --window "$fenetre" $(cellule "$1" "$2") click "$3"
}
# A brick of the level shown at cell ($1, $2), lit as the match lights it.
brique() {
    local c l
    read -r c l <<<"$(cellule "$1" "$2")"
    present $((c - 4)) $((c + 4)) $((l - 2)) $((l + 2)) 'r>0.08&&r>g&&r>=b'
}
# A level file of one level: the cells "i:j:points" given, the others empty.
grille() {
    awk -v cellules="$*" 'BEGIN { n = split(cellules, c, " "); for (k = 1; k <= n; k++) {
        split(c[k], p, ":"); v[p[1], p[2]] = p[3] }
        print "[1]"; for (j = 9; j >= 0; j--) { for (i = 0; i < 16; i++) {
        printf (i ? " %2d" : "%2d"), v[i, j] } print "" } }'
}
niveauxDuJoueur="$XDG_DATA_HOME/vorlen/niveaux/niveaux.lvl"
demarrer
touches Down Down Down Return
attendreEcran editeur "the editor is not shown" enEditeur
for i in 6 7 8 9; do cliquer "$i" 5 1; done
cliquer 6 5 3
touches 3 Right Down Return
attendreEcran editeur-niveau "the level painted is not shown" brique 7 4
touches e
attendreEcran essai "trying the level shows no match of it" eval 'cadresPanneau && brique 8 5'
brique 6 5 && echouer "the erased cell is shown in the trial"
touches Escape
attendreEcran editeur-apres-essai "the trial did not come back to the editor" enEditeur
touches Escape
attendreEcran menu-apres-editeur "leaving the editor did not lead back to the menu" \
    present 310 600 "$(ligneHaut 3)" "$(ligneBas 3)" "$blanc"
[ "$(cat "$niveauxDuJoueur")" = "$(grille 7:5:1 8:5:1 9:5:1 7:4:3)" ] ||
    echouer "the level file is not the level made: $(cat "$niveauxDuJoueur")"
touches Up Up Up Return Return Return
# The level sets' heading is shorter than every other menu's.
enNiveaux() { present 300 420 300 335 "$rouge" && absent 450 620 300 335 "$rouge"; }
attendreEcran niveaux "the level sets are not offered" enNiveaux
# Past the game's own file, Jardins and Remparts.
touches Down Down Down Return
attendreEcran mes-niveaux "the match does not play the level made" eval 'cadresPanneau && brique 7 4'
brique 2 8 && echouer "the match shows the game's level 1, not the player's"
quitterPartie 0
quitter menu xdotool key --window "$fenetre" Down Down Down Down Down Down Return
# The matches below play the game's levels without being asked, and none is kept.
rm "$niveauxDuJoueur" "$partieGardee"

# --- What a player hears, through SDL's disk audio driver, with one sound and the icon missing.
mv sounds/court.wav "$travail/court.wav"
mv vorlen.png "$travail/vorlen.png"
demarrer SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$travail/son.raw"
jusqua grep -q "===== Fin des fichiers son =====" "$travail/sortie.txt"
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
touches Return Return Return Return
attendreEcran partie-sonore "no ball held on the paddle" present 320 330 545 555 "$balleTenue"
sonore && echouer "sound before the ball was launched"
# D, player 1's action since the rebinding above: the game remembers it.
touches d
jusqua sonore || echouer "no sound within $LIMITE s of the ball's launch"
quitterPartie 0
touches Down Down Down Down Down Down
quitter menu xdotool key --window "$fenetre" Return
rm "$partieGardee"
mv "$travail/court.wav" sounds/court.wav
mv "$travail/vorlen.png" vorlen.png

# --- SIGTERM, SIGINT and SIGHUP end the game from every screen, once it is there.
enMenu() { present 310 600 "$(ligneHaut 0)" "$(ligneBas 0)" "$blanc"; }
enMatch() { present 320 330 545 555 "$balleTenue"; }
enCapture() { present 310 560 "$(ligneHaut 0)" "$(ligneBas 0)" "$vert"; }
enCredits() { present 270 620 70 95 "$titreCredits"; }
for cas in "menu::TERM:enMenu" "match:Return Return Return Return:TERM:enMatch" \
    "capture:Down Return Return Return:INT:enCapture" "credits:Down Down Down Down Return:HUP:enCredits"; do
    IFS=: read -r lieu suite signal ecranAttendu <<<"$cas"
    rm -f "$partieGardee"
    demarrer
    [ -z "$suite" ] || touches $suite
    attendreEcran "signal-$lieu" "$lieu: the screen is not reached" "$ecranAttendu"
    quitter "$lieu" kill -"$signal" "$pid"
    # The match the signal ended is kept.
    [ "$lieu" != match ] || grep -q "^balle 1 " "$partieGardee" 2>/dev/null ||
        echouer "the match TERM ended is not kept"
done

# --- What is not saved yet reaches its file first, whatever ends the game.
# The editor, its first cell painted, not saved.
peindre() {
    touches Down Down Down Return
    attendreEcran editeur "the editor is not shown" enEditeur
    touches Return
    attendreEcran editeur-peint "the cell painted is not shown" brique 0 9
}
peint() { [ "$(cat "$niveauxDuJoueur" 2>/dev/null)" = "$(grille "$@" 0:9:1)" ]; }
# A one-player match on one row of bricks, lost with the paddle left at the wall, up to
# the name entry of its score, the first of an empty table; Zoé-42 is typed there. D, player
# 1's action since the rebinding above, launches each ball, then leaves the lost match.
enSaisieNom() { present 230 560 105 135 "$rouge" && present 219 221 272 306 "$jaune"; }
lancerVersSaisie() { touches d && vu saisie-nom enSaisieNom; }
effacerNom() { touches $(printf 'BackSpace %.0s' $(seq 12)) && vu nom-efface absent 232 330 276 299 "$blanc"; }
nommer() {
    mkdir -p "${niveauxDuJoueur%/*}" && grille $(seq -f '%g:0:10' 0 15) >"$niveauxDuJoueur"
    touches Return Return Return
    attendreEcran niveaux-rangee "the level sets are not offered" enNiveaux
    touches Down Down Down Return
    attendreEcran rangee "the row of bricks is not played" enMatch
    touches d
    xdotool keydown --window "$fenetre" Left
    attendreEcran batte-au-mur "the paddle did not reach the wall" present 86 90 558 562 "$vert"
    xdotool keyup --window "$fenetre" Left
    LIMITE=$((4 * LIMITE)) jusqua lancerVersSaisie || echouer "the match was not lost up to the name entry"
    # The entry takes no key in its first half second: erased once it listens.
    jusqua effacerNom || echouer "the name offered was not erased"
    # On a French keyboard é has a key of its own, which xdotool then need not remap.
    setxkbmap -layout fr
    touches Z o eacute minus 4 2
    # Its six characters, the cursor past them: a signal sent sooner finds fewer typed.
    # The game reads the keys with the layout of the moment they are read: the French
    # one stays until then ("4" is a shifted key there, "$" on the US layout).
    attendreEcran nom-tape "the name typed is not shown" eval \
        'present 310 345 276 299 "$blanc" && present 364 374 305 307 "$blanc"'
    setxkbmap -layout us
}
nomme() { grep -Eq '^[1-9][0-9]* 1 [0-9-]+ Zoé-42$' "$XDG_DATA_HOME/vorlen/scores.txt" 2>/dev/null; }
# Each end, on each library (compat: sdl12-compat) where it is cheap: a signal, status 0;
# the display lost (X: an X server of the test's own, killed), status 1 and one line.
affichageDuTest=$DISPLAY
for cas in "peindre:peint:HUP:" "peindre:peint:INT:" "peindre:peint:TERM:" "peindre:peint:X:" \
    "peindre:peint:HUP:compat" "peindre:peint:INT:compat" "peindre:peint:TERM:compat" \
    "peindre:peint:X:compat" "nommer:nomme:HUP:" "nommer:nomme:INT:compat" "nommer:nomme:TERM:" \
    "nommer:nomme:X:"; do
    IFS=: read -r travailler garde fin compat <<<"$cas"
    lieu="$travailler, $fin${compat:+, sdl12-compat}"
    rm -rf "$XDG_DATA_HOME" "$travail/affichage"
    if [ "$fin" = X ]; then
        # Without -noreset, the server resets each time its last client leaves (a
        # screenshot, a key), and a window opened meanwhile fails.
        Xvfb -displayfd 3 -noreset -screen 0 1024x768x24 -nolisten tcp 3>"$travail/affichage" 2>/dev/null &
        serveur=$!
        jusqua test -s "$travail/affichage" || echouer "$lieu: no X server of our own"
        export DISPLAY=:$(cat "$travail/affichage")
        jusqua xdotool getdisplaygeometry >/dev/null || echouer "$lieu: our X server does not answer"
    fi
    demarrer ${compat:+LD_LIBRARY_PATH=$bibliothequeCompat}
    $travailler
    if [ "$fin" = X ]; then
        terminer "$lieu" 1 kill "$serveur"
        wait "$serveur"
        serveur=
        export DISPLAY=$affichageDuTest
        [ "$(wc -l <"$travail/erreurs.txt")" -eq 1 ] &&
            grep -q "^Vorlen: affichage perdu (.*); .* enregistré" "$travail/erreurs.txt" ||
            echouer "$lieu: not one line saying what was saved: $(cat "$travail/erreurs.txt")"
    else
        quitter "$lieu" kill -"$fin" "$pid"
    fi
    $garde || echouer "$lieu: the work is not in its file: $(cat "$XDG_DATA_HOME"/vorlen/* 2>&1)"
done

# Under nohup, the game outlives its terminal: a second step on screen after the first
# proves it read the signal and went on.
rm -rf "$XDG_DATA_HOME"
trap '' HUP
demarrer
trap - HUP
peindre
kill -HUP "$pid"
for i in 1 2; do
    touches Right Return
    attendreEcran "nohup-$i" "nohup: HUP ended the game" brique "$i" 9
done
quitter "editeur, nohup" kill -TERM "$pid"
peint 1:9:1 2:9:1 || echouer "nohup: the level file is not the level made: $(cat "$niveauxDuJoueur")"

# --- A save past the file size limit fails, says so, and the game goes on: three
# levels take more than 1024 bytes.
rm -rf "$XDG_DATA_HOME"
demarrer
prlimit --pid "$pid" --fsize=1024
touches Down Down Down Return
attendreEcran editeur-limite "the editor is not shown" enEditeur
touches n n Escape
jusqua grep -q "niveaux non enregistres (.*File too large)" "$travail/erreurs.txt" ||
    echouer "file size limit: the failed save is not told: $(cat "$travail/erreurs.txt")"
quitter "editeur, taille limitee" kill -TERM "$pid"
# The game ends: its last line no longer says the levels stay in the editor.
tail -n 1 "$travail/erreurs.txt" | grep -q "ces changements sont perdus" ||
    echouer "file size limit: after SIGTERM the last line is: $(tail -n 1 "$travail/erreurs.txt")"

# --- The player's language: English from the locale; French chosen in the options at
# once, and remembered over the locale at the next start. "New Game" ends where
# "Nouvelle Partie" is still written.
premierItem() {
    present 310 480 "$(ligneHaut 0)" "$(ligneBas 0)" "$1" || return 1
    if [ "$2" = francais ]; then
        present 525 555 "$(ligneHaut 0)" "$(ligneBas 0)" "$1"
    else
        absent 515 600 "$(ligneHaut 0)" "$(ligneBas 0)" "$1"
    fi
}
rm -rf "$XDG_CONFIG_HOME"
demarrer LANG=en_US.UTF-8
attendreEcran menu-anglais "the menu is not in English with LANG=en_US.UTF-8" premierItem "$blanc" anglais
# Options, its "Language: system" made "Francais", then back.
touches Down Return Down Down Down Down Down Return Down Down Return
attendreEcran menu-francais "choosing Francais did not show the menu in French" premierItem "$bleu" francais
grep -q "^langue = francais$" "$XDG_CONFIG_HOME/vorlen/vorlen.ini" ||
    echouer "the language chosen is not remembered: $(cat "$XDG_CONFIG_HOME/vorlen/vorlen.ini")"
quitter "menu, francais choisi" kill -TERM "$pid"
demarrer LANG=en_US.UTF-8
attendreEcran menu-francais-retenu "the French chosen does not outlast the English locale" \
    premierItem "$blanc" francais
quitter "menu, francais retenu" kill -TERM "$pid"

# --- One clear line and status 1 when the game cannot run.
# $1: what is expected in the line; the rest: the command.
une_ligne_et_1() {
    local attendu=$1 statut
    shift
    timeout "$LIMITE" "$@" >/dev/null 2>"$travail/erreur.txt"
    statut=$?
    [ "$statut" -eq 1 ] || echouer "$* ended with status $statut, not 1"
    [ "$(wc -l <"$travail/erreur.txt")" -eq 1 ] ||
        echouer "$* wrote $(wc -l <"$travail/erreur.txt") lines on standard error: $(head -c 600 "$travail/erreur.txt")"
    grep -q -- "$attendu" "$travail/erreur.txt" ||
        echouer "$*: '$attendu' not in: $(cat "$travail/erreur.txt")"
}
une_ligne_et_1 xvfb-run env -u DISPLAY "$jeu"
# Debian 13's SDL 1.2 (sdl12-compat) reports video started on a second try
# that failed like the first: the same line there.
une_ligne_et_1 "impossible d'initialiser l'affichage" \
    env -u DISPLAY LD_LIBRARY_PATH="$bibliothequeCompat" "$jeu"
rm AXAXAX.TTF
une_ligne_et_1 AXAXAX.TTF "$jeu"

echo "$echecs failed"
[ "$echecs" -eq 0 ]
