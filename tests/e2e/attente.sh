# SPDX-License-Identifier: GPL-3.0-or-later
# Waiting in the end-to-end scripts, which run on shared, busy machines: every
# wait polls its condition up to a generous limit, never for a fixed time.
# Sourced; the limit is LIMITE seconds (30 unless set).
LIMITE=${LIMITE:-30}

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

# Sets fenetre to the game's window once it is mapped, viewable and holds the
# keyboard; false, with fenetre possibly empty, when the limit passed.
attendreFenetre() {
    poserSouris
    fenetre=$(timeout "$LIMITE" xdotool search --sync --onlyvisible --name '^Vorlen$' | head -n 1)
    [ -n "$fenetre" ] && jusqua focalisee "$fenetre"
}

# True once the process $1 has ended.
fini() {
    ! kill -0 "$1" 2>/dev/null
}
