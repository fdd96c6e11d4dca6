#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The layers hold: no file of projet/ includes a folder above its own, nor its
# neighbour on the same step, but for the exceptions the README's layout
# section names; an exception that no longer happens is a README to mend.
set -euo pipefail
racine="$(cd "$(dirname "$0")/.." && pwd)"

rang() {
    case "$1" in
    systeme) echo 0 ;;
    profil) echo 1 ;;
    niveaux) echo 2 ;;
    rendu | son) echo 3 ;;
    jeu) echo 4 ;;
    ecrans) echo 5 ;;
    main) echo 6 ;;
    *) echo -1 ;;
    esac
}

# A file's or an include's folder; the entry's files stand at the top.
couche() {
    case "$1" in
    */*) echo "${1%%/*}" ;;
    *) echo main ;;
    esac
}

mapfile -t permises < <(sed -n 's/^ *- `\([^`]*\)` includes `\([^`]*\)`.*/\1 -> \2/p' \
    "$racine/README.md")
if [ ${#permises[@]} -eq 0 ]; then
    echo "couches: the README names no exception; its list moved?" >&2
    exit 1
fi
declare -A permise=() vues=()
for lien in "${permises[@]}"; do
    permise[$lien]=1
done
fautes=0
cd "$racine/projet"
while IFS= read -r fichier; do
    ici="$(couche "$fichier")"
    while IFS= read -r inclus; do
        la="$(couche "$inclus")"
        if [ "$(rang "$la")" -lt 0 ]; then
            echo "couches: $fichier includes $inclus, in no layer" >&2
            fautes=$((fautes + 1))
            continue
        fi
        if [ "$(rang "$la")" -lt "$(rang "$ici")" ] || [ "$la" = "$ici" ]; then
            continue
        fi
        lien="$fichier -> $inclus"
        if [ -n "${permise[$lien]:-}" ]; then
            vues[$lien]=1
        else
            echo "couches: $lien runs against the layers" >&2
            fautes=$((fautes + 1))
        fi
    done < <(sed -n 's/^#include "\([^"]*\)".*/\1/p' "$fichier")
done < <(find . -name '*.h' -o -name '*.cpp' | sed 's|^\./||' | sort)
for lien in "${permises[@]}"; do
    if [ -z "${vues[$lien]:-}" ]; then
        echo "couches: the README allows $lien, which no longer happens" >&2
        fautes=$((fautes + 1))
    fi
done
echo "couches: ${#permises[@]} exceptions named, $fautes faults"
[ "$fautes" -eq 0 ]
