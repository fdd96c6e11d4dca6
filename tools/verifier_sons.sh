#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks the thirteen sound effects the game loads: present, short, not clipped, not silent,
# starting at once and without a click at either end. One line per fault; exit status 1 if there is any.
# Usage: verifier_sons.sh [DIRECTORY]   (default: data/sounds beside this script's parent)
# Needs: sox and libsox-fmt-all (to read the OGG files).
set -uo pipefail

readonly REPERTOIRE=${1:-"$(dirname "$0")/../data/sounds"}
readonly FICHIERS=(high.wav medium.wav low.wav gunshot2.wav Ricochet4.wav die.wav
    verre1.ogg verre2.ogg verre3.ogg pickup.wav viesupp.wav grand.ogg court.wav)
readonly DUREE_MAX=1.0         # s
readonly DUREE_MAX_MORT=2.0    # s, the paddle's explosion
readonly CRETE_MAX=-0.5        # dBFS
readonly BORD=0.005            # s, window at each end
readonly BORD_RMS_MAX=-30      # dBFS
readonly RMS_MIN=-40           # dBFS over the whole file
readonly DEPART=0.010          # s: the game plays a sound at its event, so it must start by then
readonly DEPART_CRETE_MIN=-30  # dBFS, peak within that time

defauts=0

# Reports one fault.
defaut() {
    echo "$1: $2"
    defauts=$((defauts + 1))
}

# Prints the value of one line of `sox stats` (its first column) for FILE and trim arguments.
mesure() {
    local fichier=$1 ligne=$2
    shift 2
    sox "$fichier" -n "$@" stats 2>&1 | awk -v ligne="$ligne" \
        'index($0, ligne) == 1 { print $(split(ligne, mots, " ") + 1); exit }'
}

# True when A < B, where A may be sox's "-inf".
inferieur() {
    awk -v a="$1" -v b="$2" 'BEGIN { exit !(a == "-inf" || (a != "" && a + 0 < b + 0)) }'
}

# Checks one file against every limit.
verifier() {
    local nom=$1 fichier="$REPERTOIRE/$1"
    if [[ ! -r $fichier ]]; then
        defaut "$nom" "absent de $REPERTOIRE"
        return
    fi
    local duree crete rms debut fin depart limite=$DUREE_MAX
    [[ $nom == die.wav ]] && limite=$DUREE_MAX_MORT
    duree=$(mesure "$fichier" "Length s")
    crete=$(mesure "$fichier" "Pk lev dB")
    rms=$(mesure "$fichier" "RMS lev dB")
    debut=$(mesure "$fichier" "RMS lev dB" trim 0 "$BORD")
    fin=$(mesure "$fichier" "RMS lev dB" trim "-$BORD")
    depart=$(mesure "$fichier" "Pk lev dB" trim 0 "$DEPART")
    if [[ -z $duree || -z $crete || -z $rms ]]; then
        defaut "$nom" "illisible par sox"
        return
    fi
    inferieur "$duree" "$limite" || defaut "$nom" "dure $duree s, limite $limite s"
    inferieur "$crete" "$CRETE_MAX" || defaut "$nom" "crête à $crete dBFS, limite $CRETE_MAX dBFS"
    inferieur "$rms" "$RMS_MIN" && defaut "$nom" "silencieux ($rms dBFS RMS)"
    inferieur "$debut" "$BORD_RMS_MAX" ||
        defaut "$nom" "début non silencieux ($debut dBFS RMS sur $BORD s): clic à l'attaque"
    inferieur "$fin" "$BORD_RMS_MAX" ||
        defaut "$nom" "fin non silencieuse ($fin dBFS RMS sur $BORD s): clic à la fin"
    inferieur "$depart" "$DEPART_CRETE_MIN" &&
        defaut "$nom" "démarre trop tard (crête $depart dBFS sur les premières $DEPART s)"
}

for nom in "${FICHIERS[@]}"; do
    verifier "$nom"
done
((defauts == 0)) || exit 1
