# SPDX-License-Identifier: GPL-3.0-or-later
# Reading a screenshot's pixels without parsing ImageMagick's text output, whose form
# changed between its versions 6 and 7 (Debian 12 and 13) and once turned a test that
# could not match into one that always did. The PNG's own header gives its size,
# ImageMagick writes the rectangle's raw bytes, which are the same in both versions, od
# turns them into numbers and awk tests them. Sourced by sh or bash.

# Status 0 when some pixel of the rectangle $2 (WxH+X+Y) of the PNG image $1 passes the
# test $3, an awk expression over r, g and b from 0 to 1 where abs() is at hand; 1 when
# none does; 2 when the image cannot be read or the rectangle is not wholly inside it,
# so that a missing screenshot or a misplaced rectangle is taken neither for "shown"
# nor for "not shown".
pixelTrouve() {
    local hauteur=${2#*x}
    dansImage "$1" "$2" || return 2
    convert "$1" -crop "$2" +repage -depth 8 rgb:- 2>/dev/null | od -An -v -tu1 -w3 |
        awk -v attendus=$((${2%%x*} * ${hauteur%%+*})) "
             function abs(x) { return x < 0 ? -x : x }
             { r = \$1 / 255; g = \$2 / 255; b = \$3 / 255 }
             $3 { trouve = 1; exit }
             END { if (trouve) exit 0; exit NR == attendus ? 1 : 2 }"
}

# Prints the PNG image $1's size as WxH: its header's bytes 16 to 23 are the width and
# the height, two big-endian numbers. Prints nothing when $1 is not a PNG image.
taillePng() {
    od -An -v -tu1 -N24 "$1" 2>/dev/null | awk '
        { for (i = 1; i <= NF; i++) o[n++] = $i }
        END {
            if (n < 24 || o[1] != 80 || o[2] != 78 || o[3] != 71) exit 1
            printf "%dx%d\n", ((o[16] * 256 + o[17]) * 256 + o[18]) * 256 + o[19],
                ((o[20] * 256 + o[21]) * 256 + o[22]) * 256 + o[23]
        }'
}

# True when the rectangle $2 (WxH+X+Y) lies wholly inside the PNG image $1.
dansImage() {
    taillePng "$1" | awk -F '[x+]' -v r="$2" '
        { split(r, c, /[x+]/); ok = c[1] > 0 && c[2] > 0 && c[3] + c[1] <= $1 && c[4] + c[2] <= $2 }
        END { exit !ok }'
}
