#!/usr/bin/env bash
# The player's settings on the real game: a rebound pause key and the volume
# saved as they change and read at the next start, the eight lines of
# Controls inside the window, F11, and a corrupt settings file.
# Usage: reglages.sh VORLEN_BINARY RUNTIME_DIR
set -u
jeu=$1
travail=$(mktemp -d)
export XDG_CONFIG_HOME="$travail/config"
ini="$XDG_CONFIG_HOME/vorlen/vorlen.ini"
artefacts=${ARTEFACTS:-$(dirname "$jeu")/e2e-artefacts}
mkdir -p "$artefacts"
echecs=0
pid=
trap '[ -n "$pid" ] && kill -9 "$pid" 2>/dev/null; rm -rf "$travail"' EXIT

echouer() {
    echo "ECHEC: $*"
    echecs=$((echecs + 1))
    [ -f "$travail/ecran.png" ] && cp "$travail/ecran.png" "$artefacts/reglages-echec-$echecs.png"
}
demarrer() {
    "$jeu" >/dev/null 2>"$travail/erreurs.txt" &
    pid=$!
    fenetre=$(timeout 10 xdotool search --sync --name '^Vorlen$' | head -n 1)
    [ -n "$fenetre" ] || { echouer "no window titled Vorlen" && exit 1; }
    sleep 1
    xdotool windowfocus --sync "$fenetre"
}
touches() {
    for touche in "$@"; do
        xdotool key --window "$fenetre" "$touche"
        sleep 0.3
    done
}
quitter() {
    touches "$@"
    timeout 5 tail --pid="$pid" -f /dev/null || echouer "the game did not quit"
    pid=
}
# The screen, whole, kept as reglages-$1.png.
ecran() {
    import -window root "$travail/ecran.png"
    cp "$travail/ecran.png" "$artefacts/reglages-$1.png"
}
# "width height column row", on the screen, of the pixels of the rectangle
# $1 x $2 at column $3, row $4 that pass the fx test $5; nothing when none do.
boite() {
    local w h x y
    read -r w h x y <<<"$(convert "$travail/ecran.png" -crop "$1x$2+$3+$4" +repage -fx "$5" \
        -format '%@' info: 2>/dev/null | tr 'x+' '  ')"
    [ "${w:-0}" -gt 0 ] && echo "$w $h $((x + $3)) $((y + $4))"
}
blanc='r>0.9&&g>0.9&&b>0.9'

cp -r "$2" "$travail/jeu"
cd "$travail/jeu" || exit 1

# Options, Controles: Pause on X; back to Options, the volume down two steps.
demarrer
touches Down Return Return Down Down Down Down Down Down Return x Down
ecran controles
# "retour", the eighth line, highlighted: low on the window, whole (24 rows
# from its t to its baseline), not cut by the window's bottom edge.
read -r _ h _ y <<<"$(boite 300 268 310 500 "$blanc")"
[ "${y:-0}" -ge 560 ] && [ "${h:-0}" -ge 20 ] && [ $((y + h - 1)) -le 595 ] ||
    echouer "the last Controls line stands on rows ${y:-none} to $((${y:-0} + ${h:-0} - 1))"
touches Return Down Down Left Left
grep -qx "pause = x" "$ini" || echouer "the pause key is not saved: $(cat "$ini")"
grep -qx "volume = 8" "$ini" || echouer "the volume is not saved: $(cat "$ini")"

# F11: the menu, whole, centred on black; the choice saved; F11 again.
touches F11
sleep 0.5
ecran plein-ecran
# The picture's left edge and bottom row: 800x600 centred on 1024x768.
read -r w h x y <<<"$(boite 1024 768 0 0 'r>0.3')"
[ "${x:-}" = 112 ] && [ $((y + h - 1)) = 683 ] ||
    echouer "full screen does not centre the picture: $w x $h at $x, $y"
grep -qx "plein_ecran = oui" "$ini" || echouer "full screen is not saved"
touches F11
quitter Down Return Down Down Return

# The next start reads the file: X pauses a match, "Pause" over the field.
demarrer
touches Return Return
sleep 0.5
touches x
ecran pause
[ -n "$(boite 200 50 230 240 "$blanc")" ] || echouer "X did not pause the match"
quitter Escape Down Down Down Return
[ -s "$travail/erreurs.txt" ] && echouer "a clean file gave: $(cat "$travail/erreurs.txt")"

# A corrupt file: one line naming it, the defaults, the file untouched.
printf '[touches]\npause = ?\n' >"$ini"
cp "$ini" "$travail/avant.ini"
demarrer
touches Return Return
sleep 0.5
touches p
ecran pause-defaut
[ -n "$(boite 200 50 230 240 "$blanc")" ] || echouer "P, the default, did not pause"
quitter Escape Down Down Down Return
[ "$(wc -l <"$travail/erreurs.txt")" -eq 1 ] && grep -q "$ini: pause = ?" "$travail/erreurs.txt" ||
    echouer "not one line naming the file: $(cat "$travail/erreurs.txt")"
cmp -s "$ini" "$travail/avant.ini" || echouer "the corrupt file was rewritten"

echo "$echecs failed"
[ "$echecs" -eq 0 ]
