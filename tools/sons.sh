#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Synthesises the game's thirteen sound effects into data/sounds/.
# Needs: sox and libsox-fmt-all (Debian packages; the latter brings the Ogg Vorbis writer).
#
# Every run writes the same bytes: -R gives sox the same random sequence each time (the noise
# and the Ogg stream serial number come from it) and -D leaves out dithering.
set -euo pipefail

cd "$(dirname "$0")/.."

readonly SORTIE=data/sounds
readonly TAUX=44100
readonly CRETE_WAV=-1     # dBFS after normalising
readonly CRETE_OGG=-2     # Vorbis rings a little above its input's peak
readonly QUALITE_OGG=5
readonly ATTAQUE=0.003    # fade-in of every file, s
readonly EXTINCTION=0.02  # fade-out of every file, s
readonly MARGE=0.005      # silence at both ends, s: the sound still starts before 10 ms
readonly FIN_COUCHE=0.004 # fade-out of every layer, s

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
mkdir -p "$SORTIE"

# Synthesises one layer NAME from a synth description ("LENGTH WAVE [FREQUENCY]") and sox effects,
# normalised to -6 dBFS so that layers mix by weight. Full-scale synthesis leaves filters no
# headroom, hence the cut before them; a layer cut short ends in a ramp, not a click.
couche() {
    local nom=$1 forme=$2
    shift 2
    # shellcheck disable=SC2086 # the description is meant to split into synth's words
    sox -D -R -n -r "$TAUX" -c 1 "$tmp/$nom.sox" synth $forme gain -12 "$@" \
        fade q 0 -0 "$FIN_COUCHE" gain -n -6
}

# Prints the value of an arithmetic EXPRESSION.
calcul() {
    awk "BEGIN { print $1 }"
}

# Mixes NAME from WEIGHT LAYER pairs; weights summing to 2 at most cannot clip.
melange() {
    local nom=$1
    shift
    local entrees=()
    while (($#)); do
        entrees+=(-v "$1" "$tmp/$2.sox")
        shift 2
    done
    sox -D -R -m "${entrees[@]}" "$tmp/$nom.sox" gain -n -6
}

# A burst of band-passed noise: NAME START LENGTH BAND SEED. It decays by 100 dB over its length;
# SEED picks where in the one repeatable noise stream it is cut, so bursts differ.
eclat() {
    couche "$1" "$(calcul "$5 + $3") whitenoise" trim "$5" "$3" \
        sinc "$4" fade l 0 -0 "$3" pad "$2"
}

# A struck sine partial: NAME START FREQUENCY LENGTH DECAY, DECAY being the time to fall 100 dB.
partiel() {
    couche "$1" "$5 sine $3" fade q 0.001 fade l 0 -0 "$5" trim 0 "$4" pad "$2"
}

# Gives layer NAME its final form as FILE: no DC (brown noise drifts), ends faded and framed by
# silence, peak below clipping.
finir() {
    local nom=$1 fichier=$2
    local format=(-b 16) crete=$CRETE_WAV
    if [[ $fichier == *.ogg ]]; then
        format=(-C "$QUALITE_OGG")
        crete=$CRETE_OGG
    fi
    sox -D -R "$tmp/$nom.sox" -r "$TAUX" -c 1 "${format[@]}" "$SORTIE/$fichier" highpass 20 \
        fade q "$ATTAQUE" -0 "$EXTINCTION" pad "$MARGE" "$MARGE" gain -n "$crete"
}

# Brick hit: a dry wooden clack, two inharmonic partials over a click of noise.
son_medium() {
    partiel med_a 0 1250/1080 0.09 0.12
    partiel med_b 0 1930 0.06 0.06
    eclat med_c 0 0.015 1500-6000 0.11
    melange medium 1.0 med_a 0.45 med_b 0.5 med_c
    finir medium medium.wav
}

# Bounce off a wall or a paddle: a short low thud falling in pitch.
son_low() {
    couche low_a "0.3 sine 150/55" fade l 0 -0 0.3 trim 0 0.16
    couche low_b "0.05 brownnoise" trim 0.03 0.02 lowpass 900 fade l 0 -0 0.02
    melange low 1.0 low_a 0.45 low_b
    finir low low.wav
}

# A higher short click.
son_high() {
    partiel high_a 0 2600/2250 0.06 0.06
    eclat high_b 0 0.012 4000-12000 0.17
    melange high 1.0 high_a 0.5 high_b
    finir high high.wav
}

# The cannon: a sharp crack of noise over a low body, with a little room.
son_gunshot() {
    eclat tir_a 0 0.18 700-9000 0.05
    couche tir_b "0.4 brownnoise" lowpass 400 fade l 0 -0 0.4
    couche tir_c "0.3 sine 110/45" fade l 0 -0 0.3 trim 0 0.2
    melange tir 1.0 tir_a 0.6 tir_b 0.4 tir_c
    sox -D -R "$tmp/tir.sox" "$tmp/tir_salle.sox" pad 0 0.05 reverb 25 50 20
    finir tir_salle gunshot2.wav
}

# A shot glancing off: a click, then a whistle sliding down ("pew-iiiuu"); two detuned voices
# beat against each other for a metallic whine.
son_ricochet() {
    eclat rico_a 0 0.008 2000-12000 0.23
    couche rico_b "0.55 sine 3400/900" fade t 0.004 -0 0.5
    couche rico_c "0.55 sine 3470/925" fade t 0.004 -0 0.5
    melange ricochet 0.6 rico_a 0.8 rico_b 0.5 rico_c
    finir ricochet Ricochet4.wav
}

# The paddle explodes: a crack, a long low rumble dying away, debris and a deep boom.
son_die() {
    eclat mort_a 0 0.12 40-3000 0.31
    couche mort_b "3 brownnoise" lowpass 250 fade l 0 -0 3 trim 0.5 1.4 fade q 0.01
    eclat mort_c 0.01 0.8 300-2000 0.47
    couche mort_d "1 sine 70/30" fade l 0 -0 1 trim 0 0.6
    melange mort 0.5 mort_a 0.7 mort_b 0.35 mort_c 0.45 mort_d
    finir mort die.wav
}

# Breaking glass: noise bursts through a high band-pass, then a few short high tinkles.
# Arguments: VARIANT, then START:LENGTH:BAND:SEED for each burst, "--",
# then START:FREQUENCY for each tinkle.
son_verre() {
    local variante=$1
    shift
    local poids=() n=0 debut longueur bande graine frequence
    while [[ $1 != -- ]]; do
        IFS=: read -r debut longueur bande graine <<<"$1"
        n=$((n + 1))
        eclat "verre${variante}_$n" "$debut" "$longueur" "$bande" "$graine"
        poids+=(0.5 "verre${variante}_$n")
        shift
    done
    shift
    while (($#)); do
        IFS=: read -r debut frequence <<<"$1"
        n=$((n + 1))
        partiel "verre${variante}_$n" "$debut" "$frequence" 0.12 0.2
        poids+=(0.22 "verre${variante}_$n")
        shift
    done
    melange "verre$variante" "${poids[@]}"
    finir "verre$variante" "verre$variante.ogg"
}

# Extra life: four rising bell notes (C, E, G, C), each a fundamental with the inharmonic
# partials of a struck bar, which die faster than it does.
son_viesupp() {
    local debuts=(0 0.09 0.18 0.27) frequences=(1046.5 1318.5 1568 2093) i f
    local notes=()
    for i in 0 1 2 3; do
        f=${frequences[$i]}
        partiel "vie_${i}a" "${debuts[$i]}" "$f" 0.5 0.9
        partiel "vie_${i}b" "${debuts[$i]}" "$(calcul "$f * 2.76")" 0.3 0.3
        partiel "vie_${i}c" "${debuts[$i]}" "$(calcul "$f * 5.40")" 0.15 0.15
        melange "vie_$i" 1.0 "vie_${i}a" 0.35 "vie_${i}b" 0.15 "vie_${i}c"
        notes+=(0.5 "vie_$i")
    done
    melange vie "${notes[@]}"
    finir vie viesupp.wav
}

# Paddle grows or shrinks: a sweep FROM/TO with a fifth above it and a quick wobble.
balayage() {
    local nom=$1 de=$2 a=$3
    couche "${nom}_a" "0.5 sine $de/$a" fade q 0.01 -0 0.12
    couche "${nom}_b" "0.5 sine $(calcul "$de * 1.5")/$(calcul "$a * 1.5")" \
        fade q 0.01 -0 0.12
    melange "$nom" 1.0 "${nom}_a" 0.35 "${nom}_b"
    sox -D -R "$tmp/$nom.sox" "$tmp/${nom}_t.sox" tremolo 16 35
}

son_grand() {
    balayage grand 220 880
    finir grand_t grand.ogg
}

son_court() {
    balayage court 880 220
    finir court_t court.wav
}

# Capsule caught: two quick rising tones (B then E), triangle waves, whose harmonics fall fast
# enough not to fold back audibly.
son_pickup() {
    couche pick_a "0.07 triangle 988" fade q 0.002 -0 0.004
    couche pick_b "0.3 triangle 1319" fade q 0.002 fade l 0 -0 0.3 trim 0 0.16
    sox -D -R "$tmp/pick_a.sox" "$tmp/pick_b.sox" "$tmp/pick.sox"
    finir pick pickup.wav
}

son_high
son_medium
son_low
son_gunshot
son_ricochet
son_die
son_verre 1 0:0.06:4000-11000:0.02 0.035:0.04:5000-12000:0.13 0.09:0.05:3500-9000:0.29 \
    0.16:0.03:6000-13000:0.41 -- 0.05:3520 0.11:4699 0.2:5920 0.28:3951
son_verre 2 0:0.08:3000-10000:0.07 0.06:0.03:6000-14000:0.33 0.12:0.04:4500-11000:0.51 \
    -- 0.03:4186 0.09:5588 0.14:3136 0.23:6645 0.33:4978
son_verre 3 0:0.04:5000-13000:0.61 0.025:0.07:3500-9500:0.19 0.1:0.03:4000-12000:0.77 \
    0.2:0.05:5500-12000:0.89 0.27:0.02:7000-14000:0.97 -- 0.06:2960 0.15:3729 0.31:5274
son_pickup
son_viesupp
son_grand
son_court
