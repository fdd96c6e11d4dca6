# SPDX-License-Identifier: GPL-3.0-or-later
# What the end-to-end scripts share: waits, which poll their condition up to a
# generous limit, never for a fixed time (these machines are shared and busy),
# and what a screenshot shows. Sourced; the limit is LIMITE seconds (30 unless
# set), the screenshot the file $image.
LIMITE=${LIMITE:-30}
# The game speaks the player's language: the screens these scripts read are the
# French ones, whatever the locale of the machine running them.
unset LANGUAGE LC_ALL LC_MESSAGES
export LANG=C.UTF-8

# Runs the command "$@" until it succeeds, ten times a second; false once
# LIMITE seconds have passed without success.
jusqua() {
    local fin=$((SECONDS + LIMITE))
    until "$@"; do
        [ "$SECONDS" -lt "$fin" ] || return 1
        sleep 0.1
    done
}

# True when the window $1 has the keyboard; asks for it otherwise.
focalisee() {
    [ "$(xdotool getwindowfocus 2>/dev/null)" = "$1" ] && return 0
    xdotool windowfocus "$1" 2>/dev/null
    return 1
}

# The pointer rests in the screen's bottom-right corner, off the window and
# every menu item, as a player's mouse left aside while the keys play.
poserSouris() {
    local taille
    taille=$(xdotool getdisplaygeometry)
    xdotool mousemove $((${taille% *} - 1)) $((${taille#* } - 1))
}

# Sets fenetre to the game's window once it is shown and holds the keyboard;
# false when the limit passed, or at once when the process $1, if given, ended
# first. The library may name a first window before the video mode replaces it:
# the window is looked for again until one holds.
attendreFenetre() {
    poserSouris
    fenetre=
    jusqua fenetreFocalisee "${1:-}" && [ -n "$fenetre" ]
}
fenetreFocalisee() {
    [ -n "$1" ] && fini "$1" && fenetre= && return 0
    [ -n "$fenetre" ] && focalisee "$fenetre" && return 0
    fenetre=$(xdotool search --onlyvisible --name '^Vorlen$' 2>/dev/null | tail -n 1)
    return 1
}

# True once the process $1 has ended.
fini() {
    ! kill -0 "$1" 2>/dev/null
}

. "$(dirname "${BASH_SOURCE[0]}")/../../tools/pixels.sh"

# True when some pixel of the screenshot's rectangle columns $1..$2, rows
# $3..$4 passes the test $5 (r, g, b from 0 to 1); absent is true only when
# the screenshot was read and none does.
present() { pixelTrouve "$image" "$(($2 - $1 + 1))x$(($4 - $3 + 1))+$1+$3" "$5"; }
absent() {
    local statut=0
    present "$@" || statut=$?
    [ "$statut" -eq 1 ]
}
# True when that rectangle is black throughout.
noir() { absent "$1" "$2" "$3" "$4" 'r+g+b>0'; }

blanc='r>0.9&&g>0.9&&b>0.9'
bleu='b>0.9&&r<0.1&&g<0.1'
vert='g>0.12&&g>4*r&&g>4*b'
rouge='r>0.12&&r>4*g&&r>4*b'
jaune='r>0.7&&g>0.7&&b<0.2'
