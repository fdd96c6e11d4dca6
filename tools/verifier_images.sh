#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks the three images the menu loads: readable, JPEG, and sized in powers of two, which
# OpenGL 1.x and GLU's mipmap builder take as they are. One line per fault; exit status 1 if there is any.
# Usage: verifier_images.sh [DIRECTORY]   (default: data beside this script's parent)
# Needs: imagemagick (identify).
set -uo pipefail

readonly REPERTOIRE=${1:-"$(dirname "$0")/../data"}
readonly FICHIERS=(vorlen.jpg SDL.jpg OpenGL_logo.jpg)

defauts=0

# Reports one fault.
defaut() {
    echo "$1: $2"
    defauts=$((defauts + 1))
}

# True when N is a power of two.
puissance_de_deux() {
    local n=$1
    ((n > 0 && (n & (n - 1)) == 0))
}

# Checks one file.
verifier() {
    local nom=$1 fichier="$REPERTOIRE/$1" infos format largeur hauteur
    if [[ ! -r $fichier ]]; then
        defaut "$nom" "absent de $REPERTOIRE"
        return
    fi
    if ! infos=$(identify -format '%m %w %h\n' "$fichier" 2>/dev/null); then
        defaut "$nom" "illisible par identify"
        return
    fi
    read -r format largeur hauteur <<<"$infos"
    [[ $format == JPEG ]] || defaut "$nom" "format $format, JPEG attendu"
    puissance_de_deux "$largeur" || defaut "$nom" "largeur $largeur, pas une puissance de deux"
    puissance_de_deux "$hauteur" || defaut "$nom" "hauteur $hauteur, pas une puissance de deux"
}

for nom in "${FICHIERS[@]}"; do
    verifier "$nom"
done
((defauts == 0)) || exit 1
