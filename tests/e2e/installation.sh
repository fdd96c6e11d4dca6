#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a temporary prefix, moves the prefix as a whole, runs the packagers'
# validators on what was installed, then plays from another folder, as a player who installed
# the game would. Usage: installation.sh BUILD_DIR
set -u
construction=$1
. "$(dirname "$0")/attente.sh"
t=$(mktemp -d)
artefacts=$construction/e2e-artefacts
mkdir -p "$artefacts" "$t/partout"
echecs=0
pid=
trap '[ -n "$pid" ] && { kill -9 "$pid"; wait "$pid"; } 2>/dev/null; rm -rf "$t"' EXIT
echouer() { echo "ECHEC: $*"; echecs=$((echecs + 1)); }
# The player's own files stay out of the real home.
export XDG_CONFIG_HOME="$t/config" XDG_DATA_HOME="$t/donnees"

cmake --install "$construction" --prefix "$t/avant" >/dev/null || echouer "cmake --install failed"
mv "$t/avant" "$t/prefixe" && p=$t/prefixe && cd "$t/partout"

desktop-file-validate "$p/share/applications/vorlen.desktop" || echouer "desktop entry"
appstreamcli validate --no-net "$p/share/metainfo/vorlen.metainfo.xml" >"$t/as.txt"
grep '^E:' "$t/as.txt" && echouer "AppStream metadata"
for page in man6 fr/man6; do
    LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$p/share/man/$page/vorlen.6" 2>&1 >/dev/null |
        grep . && echouer "manual page warnings in $page"
done
# The catalogue found from the moved program: English where the locale asks for it only.
LANG=en_US.UTF-8 "$p/bin/vorlen" --help |
    grep -q "^A brick-breaking game" || echouer "no English help from the installed catalogue"
for locale in C fr_FR.UTF-8; do
    LANG=$locale "$p/bin/vorlen" --help |
        grep -q "^Casse-briques en trois dimensions" || echouer "no French help with LANG=$locale"
done
for taille in 48x48 128x128 256x256; do
    [ "$(taillePng "$p/share/icons/hicolor/$taille/apps/vorlen.png")" = "$taille" ] ||
        echouer "icon of $taille"
done
"$p/bin/vorlen" --verifier "$p/share/vorlen/niveaux.lvl" >/dev/null || echouer "shipped levels"

# Grey bricks everywhere but one: the level file given on the command line is the one played.
{ echo "[1]"; for k in $(seq 1 159); do echo -n "-1 "; done; echo 1; } >gris.lvl
"$p/bin/vorlen" --niveaux gris.lvl >"$t/sortie.txt" 2>&1 &
pid=$!
attendreFenetre || { echouer "no window, visible and focused, within $LIMITE s: $(cat "$t/sortie.txt")"; exit 1; }
# SDL 1.2 sets the icon in WM_HINTS, sdl12-compat in _NET_WM_ICON.
xprop -id "$fenetre" WM_HINTS _NET_WM_ICON |
    grep -q -e 'bitmap id # to use for icon' -e '^_NET_WM_ICON(CARDINAL)' || echouer "no window icon"
# "Nouvelle Partie", "1 joueur", "Normal": the file given is played without asking for a set.
xdotool key --window "$fenetre" Return Return Return
# The cell of column 8, row 5: a neutral grey brick, lit.
image=$artefacts/installe.png
briqueGrise() { import -window "$fenetre" "$image" 2>/dev/null && present 363 363 196 196 'abs(r-b)<0.03&&g>0.08'; }
jusqua briqueGrise || echouer "the level of gris.lvl is not on screen within $LIMITE s"
# The pixel reader says no as well as yes with this machine's ImageMagick, and neither off
# the picture: a predicate that cannot fail tests nothing.
{ absent 363 363 196 196 'r+g+b>2.9' && ! absent 363 363 196 196 'g>0.08' &&
    ! present 5000 5000 0 0 'r>=0' && ! absent 5000 5000 0 0 'r>=0'; } || echouer "pixel reader"

# No font anywhere: one line naming every folder tried, status 1.
mkdir -p "$t/seul/bin" && cp "$p/bin/vorlen" "$t/seul/bin/"
VORLEN_DONNEES=$t/env timeout "$LIMITE" "$t/seul/bin/vorlen" --donnees "$t/opt" >/dev/null 2>"$t/err.txt"
[ $? -eq 1 ] || echouer "status without a font"
grep -qF "dossiers essayes: $t/opt, $t/env, $t/seul/share/vorlen, $t/partout" "$t/err.txt" &&
    [ "$(wc -l <"$t/err.txt")" = 1 ] || echouer "font line: $(cat "$t/err.txt")"

echo "$echecs failed"
[ "$echecs" -eq 0 ]
