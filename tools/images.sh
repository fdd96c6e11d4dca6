#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Draws the game's three images into data/: the title art vorlen.jpg and the two badges SDL.jpg
# and OpenGL_logo.jpg. Each is drawn at the shape the menu shows it, then squeezed to sides that
# are powers of two, which OpenGL 1.x and GLU's mipmap builder take without rescaling.
# Needs: imagemagick (convert) and fonts-dejavu-core, whose DejaVu Sans Bold is the only font used.
#
# Every run writes the same bytes: nothing random is drawn, -strip drops the dates and profiles
# ImageMagick would stamp, and the JPEG settings are all given.
set -euo pipefail

cd "$(dirname "$0")/.."

readonly SORTIE=data
readonly POLICE=/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf
readonly QUALITE=92

# Brick colours by hit points, 1 to 10, as the game draws them; then the unbreakable grey.
readonly COULEURS=("rgb(225,70,148)" "rgb(210,90,146)" "rgb(195,110,144)" "rgb(180,130,142)"
    "rgb(165,150,140)" "rgb(150,170,138)" "rgb(135,190,136)" "rgb(120,210,134)"
    "rgb(105,230,132)" "rgb(90,250,130)")
readonly GRIS="rgb(200,200,200)"
readonly JAUNE="rgb(200,200,0)"
readonly JAUNE_LUMINEUX="rgb(255,255,60)" # the yellow ball with its glow added, as the game lights it
readonly VIOLET="rgb(100,100,255)"
readonly VERT_BATTE="rgb(0,255,10)"

# Title art
readonly LARGEUR=1024
readonly HAUTEUR=548
readonly HAUTEUR_TEXTURE=512
readonly TAILLE_TITRE=250
readonly PROFONDEUR=16 # depth of the title's extrusion, px
readonly BRIQUE_L=60   # bricks of the band under the title
readonly BRIQUE_H=28
readonly JOINT=4
readonly MOTIF_L=52    # bricks filling the letters
readonly MOTIF_H=26
readonly JOINT_MOTIF=3
readonly MARGE_TITRE=70 # from the image's sides to the title's first and last letters, about
readonly HAUT_TITRE=40  # from the image's top to the title's
readonly BANDE_Y=314   # top of the band of bricks
readonly BATTE_X=458   # top-left corner of the paddle
readonly BATTE_Y=456
readonly BATTE_L=220
readonly BATTE_H=30
readonly BALLE_D=40    # diameter of the balls, and their centres
readonly BALLE_JAUNE_X=548
readonly BALLE_JAUNE_Y=414
readonly BALLE_VIOLETTE_X=852
readonly BALLE_VIOLETTE_Y=418

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
mkdir -p "$SORTIE"

# Writes a JPEG the same way for every image: no metadata, full colour resolution, baseline.
ecrire_jpeg() {
    convert "$1" -background black -alpha remove -alpha off -colorspace sRGB -type TrueColor \
        -strip -interlace none -sampling-factor 1x1 -quality "$QUALITE" "$SORTIE/$2"
}

# Light of a bevelled block W x H with corner radius R and bevel B: white over the top and left
# edges, black over the bottom and right ones, a soft sheen on the face, cut to the rounded shape.
relief() {
    local l=$1 h=$2 r=$3 b=$4 sortie=$5
    convert -size "${l}x${h}" xc:none \
        -fill 'rgba(255,255,255,0.55)' \
        -draw "polygon 0,0 $l,0 $((l - b)),$b $b,$b $b,$((h - b)) 0,$h" \
        -fill 'rgba(0,0,0,0.45)' \
        -draw "polygon $l,0 $l,$h 0,$h $b,$((h - b)) $((l - b)),$((h - b)) $((l - b)),$b" \
        \( -size "$((l - 2 * b))x$((h - 2 * b))" 'gradient:#ffffff48-#ffffff00' \) \
        -geometry "+$b+$b" -composite \
        \( -size "${l}x${h}" xc:none -fill white \
        -draw "roundrectangle 0,0 $((l - 1)),$((h - 1)) $r,$r" \) \
        -compose DstIn -composite "$sortie"
}

# One bevelled block of COLOUR, W x H, over the light RELIEF of the same size.
bloc() {
    local couleur=$1 l=$2 h=$3 r=$4 relief=$5 sortie=$6
    convert -size "${l}x${h}" xc:none -fill "$couleur" \
        -draw "roundrectangle 0,0 $((l - 1)),$((h - 1)) $r,$r" \
        "$relief" -compose Over -composite "$sortie"
}

# A lit sphere of COLOUR and diameter D: shaded away from a light at the top left, with a
# small highlight.
sphere() {
    local couleur=$1 d=$2 sortie=$3
    local lumiere=$((d * 35 / 100)) reflet=$((d / 9))
    convert \( -size "$((2 * d))x$((2 * d))" 'radial-gradient:gray(100%)-gray(30%)' \
        -crop "${d}x${d}+$((d - lumiere))+$((d - lumiere))" +repage \) \
        \( -size "${d}x${d}" xc:"$couleur" \) -compose Multiply -composite \
        \( -size "${d}x${d}" xc:black -fill white \
        -draw "circle $lumiere,$lumiere $((lumiere + reflet)),$lumiere" -blur "0x$reflet" \) \
        -compose Screen -composite \
        \( -size "${d}x${d}" xc:black -fill white -draw "circle $((d / 2)),$((d / 2)) $((d / 2)),0" \) \
        -alpha off -compose CopyOpacity -composite "$sortie"
}

# A glowing ball: the sphere of diameter D over a soft halo of its colour, on a square 3D wide.
balle() {
    local couleur=$1 d=$2 sortie=$3
    local c=$((3 * d)) m=$((3 * d / 2))
    sphere "$couleur" "$d" "$tmp/sphere.png"
    convert -size "${c}x${c}" xc:none -fill "$couleur" -draw "circle $m,$m $((m + d * 3 / 4)),$m" \
        -blur "0x$((d / 3))" \
        \( -size "${c}x${c}" xc:none -fill white -draw "circle $m,$m $((m + d * 5 / 8)),$m" \
        -blur "0x$((d / 5))" -channel A -evaluate multiply 0.5 +channel \) -compose Over -composite \
        "$tmp/sphere.png" -geometry "+$d+$d" -compose Over -composite "$sortie"
}

# The trail of a ball: N halos of COLOUR from (X1,Y1) to (X2,Y2), growing and brightening
# towards the ball, the last one nearly of diameter D.
trainee() {
    local couleur=$1 x1=$2 y1=$3 x2=$4 y2=$5 n=$6 d=$7 sortie=$8
    local dessin=() k
    for ((k = 0; k < n; k++)); do
        local x=$((x1 + (x2 - x1) * k / n)) y=$((y1 + (y2 - y1) * k / n))
        local r=$((d * (k + 2) / (2 * n + 2)))
        local opacite=$((15 + 55 * k / n))
        dessin+=(-fill "$couleur" -draw "fill-opacity 0.$(printf '%02d' "$opacite") circle $x,$y $((x + r)),$y")
    done
    convert -size "${LARGEUR}x${HAUTEUR}" xc:none "${dessin[@]}" -blur 0x6 "$sortie"
}

# Index in COULEURS of the brick whose centre is at X on a width W: pink-red left, green right.
teinte() {
    local x=$1 l=$2 i
    i=$((x * 10 / l))
    ((i < 0)) && i=0
    ((i > 9)) && i=9
    echo "$i"
}

# The wall that fills the letters: rows of staggered bricks, their colour running left to right.
mur_lettres() {
    local sortie=$1 dessin=() ligne x y decalage i
    relief "$MOTIF_L" "$MOTIF_H" 5 5 "$tmp/relief_motif.png"
    for i in "${!COULEURS[@]}"; do
        bloc "${COULEURS[$i]}" "$MOTIF_L" "$MOTIF_H" 5 "$tmp/relief_motif.png" "$tmp/motif_$i.png"
    done
    for ((ligne = 0; ligne * (MOTIF_H + JOINT_MOTIF) < HAUTEUR; ligne++)); do
        y=$((ligne * (MOTIF_H + JOINT_MOTIF)))
        decalage=$(((ligne % 2) * (MOTIF_L + JOINT_MOTIF) / 2))
        for ((x = -decalage; x < LARGEUR; x += MOTIF_L + JOINT_MOTIF)); do
            i=$(teinte $((x + MOTIF_L / 2 - MARGE_TITRE)) $((LARGEUR - 2 * MARGE_TITRE)))
            dessin+=("$tmp/motif_$i.png"
                -geometry "$(printf '%+d%+d' "$x" "$y")" -composite)
        done
    done
    convert -size "${LARGEUR}x${HAUTEUR}" xc:'rgb(40,20,50)' "${dessin[@]}" "$sortie"
}

# The word "Vorlen": a brick wall cut to the letters, bevelled at their edges, standing on a
# dark extrusion. Also leaves in halo.png the cold glow to lay under it.
titre() {
    local sortie=$1 k extrusion=()
    local texte=(-font "$POLICE" -pointsize "$TAILLE_TITRE" -gravity north)
    local y=$HAUT_TITRE
    convert -size "${LARGEUR}x${HAUTEUR}" xc:black "${texte[@]}" -fill white \
        -annotate "+0+$y" Vorlen "$tmp/masque.png"
    for ((k = PROFONDEUR; k >= 1; k--)); do
        local g=$((18 + 40 * (PROFONDEUR - k) / PROFONDEUR))
        extrusion+=(-fill "rgb($((g + 10)),$((g / 2)),$((g + 30)))"
            -annotate "+$((k * 2 / 3))+$((y + k))" Vorlen)
    done
    convert -size "${LARGEUR}x${HAUTEUR}" xc:none "${texte[@]}" "${extrusion[@]}" "$tmp/extrusion.png"
    mur_lettres "$tmp/mur.png"
    convert "$tmp/mur.png" \
        \( "$tmp/masque.png" -blur 0x5 -shade 135x35 -auto-level \
        -function polynomial 3.5,-5.05,2.05,0.25 \) -compose Overlay -composite \
        "$tmp/masque.png" -alpha off -compose CopyOpacity -composite "$tmp/lettres.png"
    convert "$tmp/masque.png" -morphology Dilate Disk:4 -blur 0x22 \
        -fill 'rgb(90,110,255)' -tint 100 -evaluate multiply 0.8 "$tmp/halo.png"
    convert "$tmp/extrusion.png" \
        \( "$tmp/masque.png" -morphology EdgeOut Disk:2 -alpha copy -fill 'rgb(255,240,250)' \
        -colorize 100 -channel A -evaluate multiply 0.9 +channel \) -compose Over -composite \
        "$tmp/lettres.png" -compose Over -composite "$sortie"
}

# The band of bricks under the title, two rows wide, grey unbreakable ones at both ends, a few
# knocked out where the ball went through.
bande() {
    local sortie=$1 dessin=() ligne col x y i
    relief "$BRIQUE_L" "$BRIQUE_H" 5 6 "$tmp/relief_brique.png"
    for i in "${!COULEURS[@]}"; do
        bloc "${COULEURS[$i]}" "$BRIQUE_L" "$BRIQUE_H" 5 "$tmp/relief_brique.png" "$tmp/brique_$i.png"
    done
    bloc "$GRIS" "$BRIQUE_L" "$BRIQUE_H" 5 "$tmp/relief_brique.png" "$tmp/brique_gris.png"
    local absentes=" 0:6 0:7 1:7 1:12 "
    for ligne in 0 1; do
        for ((col = 0; col < 16; col++)); do
            [[ $absentes == *" $ligne:$col "* ]] && continue
            x=$((col * (BRIQUE_L + JOINT) + JOINT / 2))
            y=$((ligne * (BRIQUE_H + JOINT)))
            if ((col == 0 || col == 15)); then
                i=gris
            else
                i=$(((col - 1) * 10 / 14 + (1 - ligne)))
                ((i > 9)) && i=9
            fi
            dessin+=("$tmp/brique_$i.png" -geometry "+$x+$y" -composite)
        done
    done
    convert -size "${LARGEUR}x$((2 * BRIQUE_H + JOINT))" xc:none "${dessin[@]}" "$sortie"
}

# Fragments of the knocked-out bricks, flat spinning chips of any colour, as the game throws
# them: "x,y angle half-width half-height colour" each.
readonly ECLATS=("418,370 25 9 5 rgb(230,120,40)" "470,380 -40 6 4 rgb(80,200,230)"
    "446,396 70 8 3 rgb(240,220,90)" "492,366 -15 5 5 rgb(200,60,200)"
    "396,404 50 6 3 rgb(120,240,120)" "522,388 10 7 4 rgb(250,250,250)")

# The chips, each a rectangle with a lit edge, on a transparent canvas of the title's size.
eclats() {
    local sortie=$1 dessin=() eclat centre angle l h couleur
    for eclat in "${ECLATS[@]}"; do
        read -r centre angle l h couleur <<<"$eclat"
        dessin+=(-fill "$couleur" -stroke 'rgba(255,255,255,0.6)' -strokewidth 1
            -draw "translate $centre rotate $angle rectangle -$l,-$h $l,$h")
    done
    convert -size "${LARGEUR}x${HAUTEUR}" xc:none "${dessin[@]}" "$sortie"
}

# Title art: dark sky, the title, the band of bricks, the paddle and the balls in play. The menu
# prints its heading just under the image, so the bottom tenth stays dark.
image_titre() {
    local fond=$tmp/fond.png r=$((BALLE_D * 3 / 2))
    convert -size "${LARGEUR}x${HAUTEUR}" 'gradient:rgb(0,0,6)-rgb(10,22,90)' "$fond"
    titre "$tmp/titre.png"
    bande "$tmp/bande.png"
    relief "$BATTE_L" "$BATTE_H" 8 7 "$tmp/relief_batte.png"
    bloc "$VERT_BATTE" "$BATTE_L" "$BATTE_H" 8 "$tmp/relief_batte.png" "$tmp/batte.png"
    balle "$JAUNE_LUMINEUX" "$BALLE_D" "$tmp/balle_jaune.png"
    balle "$VIOLET" "$BALLE_D" "$tmp/balle_violette.png"
    trainee "$JAUNE" 470 322 "$((BALLE_JAUNE_X - 8))" "$((BALLE_JAUNE_Y - 6))" 10 30 \
        "$tmp/trainee_jaune.png"
    trainee "$VIOLET" 1010 300 "$((BALLE_VIOLETTE_X + 10))" "$((BALLE_VIOLETTE_Y - 10))" 12 30 \
        "$tmp/trainee_violette.png"
    eclats "$tmp/eclats.png"
    convert "$fond" \
        "$tmp/halo.png" -compose Screen -composite \
        "$tmp/bande.png" -geometry "+0+$BANDE_Y" -compose Over -composite \
        "$tmp/titre.png" -geometry +0+0 -compose Over -composite \
        \( -size "$((BATTE_L + 80))x$((BATTE_H + 56))" xc:none -fill 'rgba(0,255,10,0.35)' \
        -draw "roundrectangle 40,28 $((BATTE_L + 40)),$((BATTE_H + 28)) 10,10" -blur 0x10 \) \
        -geometry "+$((BATTE_X - 40))+$((BATTE_Y - 28))" -compose Screen -composite \
        "$tmp/batte.png" -geometry "+$BATTE_X+$BATTE_Y" -compose Over -composite \
        "$tmp/eclats.png" -geometry +0+0 -compose Over -composite \
        "$tmp/trainee_jaune.png" -geometry +0+0 -compose Screen -composite \
        "$tmp/trainee_violette.png" -geometry +0+0 -compose Screen -composite \
        "$tmp/balle_jaune.png" -geometry "+$((BALLE_JAUNE_X - r))+$((BALLE_JAUNE_Y - r))" \
        -compose Over -composite \
        "$tmp/balle_violette.png" -geometry "+$((BALLE_VIOLETTE_X - r))+$((BALLE_VIOLETTE_Y - r))" \
        -compose Over -composite \
        -write "$tmp/titre_entier.png" \
        -filter Lanczos -resize "${LARGEUR}x${HAUTEUR_TEXTURE}!" "$tmp/vorlen.png"
    ecrire_jpeg "$tmp/vorlen.png" vorlen.jpg
}

# A badge plate W x H: a face running from TOP to BOTTOM colour under a bevelled rim.
plaque() {
    local haut=$1 bas=$2 l=$3 h=$4 r=$5 b=$6 sortie=$7
    relief "$l" "$h" "$r" "$b" "$tmp/relief_plaque.png"
    convert -size "${l}x${h}" "gradient:$haut-$bas" \
        \( -size "${l}x${h}" xc:black -fill white \
        -draw "roundrectangle 0,0 $((l - 1)),$((h - 1)) $r,$r" \) \
        -alpha off -compose CopyOpacity -composite \
        "$tmp/relief_plaque.png" -compose Over -composite "$sortie"
}

# Writes onto IMAGE the TEXT in COLOUR at pointsize P, centred then moved by OFFSET (+X+Y),
# over a soft dark shadow so it stands off the plate.
inscrire() {
    local image=$1 mots=$2 couleur=$3 p=$4 decalage=$5
    local police=(-font "$POLICE" -pointsize "$p" -gravity center)
    convert "$image" \
        \( +clone -alpha transparent "${police[@]}" -fill 'rgba(0,0,0,0.8)' \
        -annotate "$decalage" "$mots" -blur "0x$((p / 14 + 1))" -roll "+$((p / 16 + 1))+$((p / 16 + 1))" \) \
        -compose Over -composite \
        "${police[@]}" -fill "$couleur" -annotate "$decalage" "$mots" "$image"
}

# Badge for SDL: a warm amber plate with the name and its long form, shown at 4:3.
logo_sdl() {
    local image=$tmp/sdl.png
    plaque 'rgb(250,170,50)' 'rgb(170,60,10)' 480 360 40 22 "$image"
    inscrire "$image" SDL white 190 +0-34
    convert "$image" -fill 'rgba(60,20,0,0.55)' -draw 'roundrectangle 36,264 444,322 14,14' "$image"
    inscrire "$image" 'Simple DirectMedia Layer' 'rgb(255,240,200)' 26 +0+113
    convert "$image" -filter Lanczos -resize '128x64!' "$image"
    ecrire_jpeg "$image" SDL.jpg
}

# Badge for OpenGL: a slate plate with the name over a row of the game's bricks.
logo_opengl() {
    local image=$tmp/opengl.png dessin=() k l=64 h=22
    plaque 'rgb(70,84,110)' 'rgb(22,26,44)' 512 256 36 20 "$image"
    inscrire "$image" OpenGL white 100 +0-24
    relief "$l" "$h" 5 5 "$tmp/relief_badge.png"
    for k in 0 1 2 3 4; do
        local couleur=${COULEURS[$((k * 9 / 4))]}
        ((k == 2)) && couleur=$GRIS
        bloc "$couleur" "$l" "$h" 5 "$tmp/relief_badge.png" "$tmp/badge_$k.png"
        dessin+=("$tmp/badge_$k.png" -geometry "+$((86 + k * (l + 8)))+188" -composite)
    done
    convert "$image" "${dessin[@]}" -filter Lanczos -resize '256x128!' "$image"
    ecrire_jpeg "$image" OpenGL_logo.jpg
}

image_titre
logo_sdl
logo_opengl

# The desktop icons, square, cut from the title art: its brick V, the yellow ball and the paddle,
# each faded at its edges onto the art's own night-blue, in a rounded tile.
readonly ICONES=installation/icones
readonly ICONE_COTE=256
readonly ICONE_TAILLES=(48 128 256)
readonly ICONE_V="196x204+52+80"      # the V in the title art, and where it goes on the tile
readonly ICONE_V_TAILLE="168x175+44+10"
readonly ICONE_BALLE="64x64+516+382"
readonly ICONE_BALLE_TAILLE="48x48+150+166"
readonly ICONE_BATTE="236x44+450+449"
readonly ICONE_BATTE_TAILLE="150x28+53+214"

# Cuts the piece GEOMETRY of the title art as drawn, before its squeeze to a power of two, scales it to SIZE (WxH) and fades its edges over
# RADIUS pixels, into OUTPUT.
piece_titre() {
    local geometrie=$1 taille=$2 rayon=$3 sortie=$4
    convert "$tmp/titre_entier.png" -crop "$geometrie" +repage -filter Lanczos -resize "$taille!" \
        -alpha set -virtual-pixel transparent -channel A -blur "0x$rayon" -level 50%,100% \
        +channel "$sortie"
}

icones() {
    local c=$ICONE_COTE taille
    piece_titre "$ICONE_V" "${ICONE_V_TAILLE%%+*}" 10 "$tmp/icone_v.png"
    piece_titre "$ICONE_BALLE" "${ICONE_BALLE_TAILLE%%+*}" 8 "$tmp/icone_balle.png"
    piece_titre "$ICONE_BATTE" "${ICONE_BATTE_TAILLE%%+*}" 2 "$tmp/icone_batte.png"
    convert -size "${c}x${c}" 'gradient:rgb(0,2,14)-rgb(11,21,90)' \
        \( -size "${c}x${c}" xc:black -fill white \
        -draw "roundrectangle 0,0 $((c - 1)),$((c - 1)) 40,40" \) \
        -alpha off -compose CopyOpacity -composite -compose Over \
        "$tmp/icone_v.png" -geometry "+${ICONE_V_TAILLE#*+}" -composite \
        "$tmp/icone_balle.png" -geometry "+${ICONE_BALLE_TAILLE#*+}" -composite \
        "$tmp/icone_batte.png" -geometry "+${ICONE_BATTE_TAILLE#*+}" -composite \
        "$tmp/icone.png"
    mkdir -p "$ICONES"
    for taille in "${ICONE_TAILLES[@]}"; do
        convert "$tmp/icone.png" -filter Lanczos -resize "${taille}x${taille}" -strip \
            -define png:exclude-chunks=date,time "$ICONES/vorlen-$taille.png"
    done
}

icones
