#!/usr/bin/env bash
# Plays the real game as a player would: start it, look at the screen, move
# the paddle, leave with Escape; then start it with no display and with no
# font. Usage: joueur.sh VORLEN_BINARY RUNTIME_DIR
set -u
jeu=$1
donnees=$2
travail=$(mktemp -d)
artefacts=${ARTEFACTS:-$(dirname "$jeu")/e2e-artefacts}
mkdir -p "$artefacts"
echecs=0
pid=

finir() {
    [ -n "$pid" ] && kill -9 "$pid" 2>/dev/null
    rm -rf "$travail"
}
trap finir EXIT

echouer() {
    echo "ECHEC: $*"
    echecs=$((echecs + 1))
    [ -f "$travail/ecran.png" ] && cp "$travail/ecran.png" "$artefacts/echec-$echecs.png"
}

# r,g,b of the screen pixel at column $1, row $2 of the last screenshot.
pixel() {
    convert "$travail/ecran.png" -format "%[fx:int(255*p{$1,$2}.r)],%[fx:int(255*p{$1,$2}.g)],%[fx:int(255*p{$1,$2}.b)]" info:
}

ecran() { import -window root "$travail/ecran.png"; }

# True when the pixel at ($1, $2) is green: the green clearly above red and blue.
vert() {
    IFS=, read -r r g b <<<"$(pixel "$1" "$2")"
    [ "$g" -gt 30 ] && [ "$g" -gt $((4 * r)) ] && [ "$g" -gt $((4 * b)) ]
}

cp -r "$donnees" "$travail/jeu"
cd "$travail/jeu" || exit 1

# --- A match, as a player sees it.
"$jeu" >"$travail/sortie.txt" 2>"$travail/erreurs.txt" &
pid=$!
fenetre=$(timeout 10 xdotool search --sync --name '^Vorlen$' | head -n 1)
if [ -z "$fenetre" ]; then
    echouer "no window titled Vorlen within 10 s"
    cat "$travail/erreurs.txt"
    exit 1
fi
[ "$(xdotool getwindowname "$fenetre")" = "Vorlen" ] || echouer "window title is not Vorlen"
sleep 1
ecran
cp "$travail/ecran.png" "$artefacts/partie.png"
[ "$(pixel 700 60)" = "204,204,0" ] && [ "$(pixel 700 160)" = "204,204,0" ] ||
    echouer "the panel's frames are missing: $(pixel 700 60) $(pixel 700 160)"
IFS=, read -r r g b <<<"$(pixel 325 40)"
[ "$r" -gt 200 ] && [ "$g" -gt 200 ] && [ "$b" -lt 80 ] || echouer "no yellow top border at row 40"
vert 325 560 || echouer "player 1's paddle is not at the centre of row 560: $(pixel 325 560)"

xdotool windowfocus --sync "$fenetre"
xdotool keydown --window "$fenetre" Right
sleep 0.6
xdotool keyup --window "$fenetre" Right
sleep 0.2
ecran
vert 325 560 && echouer "the right arrow did not move the paddle"
vert 536 560 || echouer "the paddle did not reach the right wall: $(pixel 536 560)"

debut=$(date +%s%N)
xdotool key --window "$fenetre" Escape
for _ in $(seq 1 40); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.05
done
if kill -0 "$pid" 2>/dev/null; then
    echouer "Escape did not end the program within 2 s"
else
    wait "$pid"
    statut=$?
    pid=
    ms=$((($(date +%s%N) - debut) / 1000000))
    [ "$statut" -eq 0 ] || echouer "Escape ended the program with status $statut"
    [ "$ms" -le 1000 ] || echouer "Escape took $ms ms to end the program"
fi

# --- One clear line and status 1 when the game cannot run.
# $1: what is expected in the line; the rest: the command.
une_ligne_et_1() {
    local attendu=$1
    shift
    timeout 10 "$@" >/dev/null 2>"$travail/erreur.txt"
    local statut=$?
    [ "$statut" -eq 1 ] || echouer "$* ended with status $statut, not 1"
    [ "$(wc -l <"$travail/erreur.txt")" -eq 1 ] ||
        echouer "$* wrote $(wc -l <"$travail/erreur.txt") lines on standard error"
    grep -q -- "$attendu" "$travail/erreur.txt" ||
        echouer "$*: '$attendu' not in: $(cat "$travail/erreur.txt")"
}
une_ligne_et_1 xvfb-run env -u DISPLAY "$jeu"
rm AXAXAX.TTF
une_ligne_et_1 AXAXAX.TTF "$jeu"

echo "$echecs failed"
[ "$echecs" -eq 0 ]
