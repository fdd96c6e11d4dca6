#!/usr/bin/env bash
# SIGTERM and SIGINT end the game from every screen, cleanly and promptly.
# Usage: signaux.sh VORLEN_BINARY RUNTIME_DIR
set -u
jeu=$(realpath "$1")
cd "$2" || exit 1
echecs=0
# Screen reached by the keys, then the signal: the game must leave with status 0 within 1 s.
for cas in "menu::TERM" "match:Return Return:TERM" "capture:Down Return Return Return:INT" \
    "credits:Down Down Return:TERM"; do
    IFS=: read -r ecran touches signal <<<"$cas"
    "$jeu" >/dev/null 2>&1 &
    pid=$!
    fenetre=$(timeout 10 xdotool search --sync --name '^Vorlen$' | head -n 1)
    sleep 1
    xdotool windowfocus --sync "$fenetre"
    for touche in $touches; do
        xdotool key --window "$fenetre" "$touche"
        sleep 0.3
    done
    kill -"$signal" "$pid"
    for _ in $(seq 20); do kill -0 "$pid" 2>/dev/null || break; sleep 0.05; done
    if kill -0 "$pid" 2>/dev/null; then
        echo "ECHEC: SIG$signal in the $ecran left the game running"
        kill -9 "$pid"
    fi
    wait "$pid" || { echo "ECHEC: SIG$signal in the $ecran: status $?"; echecs=$((echecs + 1)); }
done
[ "$echecs" -eq 0 ]
