#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The translations and the texts they translate: what a player reads is marked
# _("...") or N_("...") in the sources, in French as written, and the shipped
# level sets' names and titles are their files' "nom" and "titre" values.
#   tools/catalogue.sh extraire FICHIER.pot [VERSION]
#       writes the template translators start from
#   tools/catalogue.sh verifier
#       fails, naming the text, where a catalogue lacks a text the sources
#       show, keeps one they no longer show, leaves one untranslated or fuzzy,
#       or where po/vorlen.pot is not the template the sources make
set -euo pipefail
racine=$(cd "$(dirname "$0")/.." && pwd)

extraire() {
    local sortie=$1 version=${2:-}
    cd "$racine"
    find projet -name '*.cpp' -o -name '*.h' | LC_ALL=C sort |
        xargs xgettext --language=C++ --from-code=UTF-8 --keyword=_ --keyword=N_ \
            --add-comments=TRANSLATORS: --package-name=Vorlen --package-version="$version" \
            --msgid-bugs-address="the Vorlen issue tracker" --sort-by-file -o "$sortie"
    # The shipped sets' names and titles, beside their level files; authors are names.
    xgettext --language=Desktop --from-code=UTF-8 -k -knom -ktitre --join-existing \
        --sort-by-file -o "$sortie" data/niveaux.ini $(LC_ALL=C ls data/series/*.ini)
}

# The same texts in both, translated or not, each way round.
memes_textes() {
    msgcmp --use-untranslated "$1" "$2" && msgcmp --use-untranslated "$2" "$1"
}

verifier() {
    local fautes=0
    provisoire=$(mktemp -d)
    trap 'rm -rf "$provisoire"' EXIT
    extraire "$provisoire/vorlen.pot"
    if ! memes_textes "$racine/po/vorlen.pot" "$provisoire/vorlen.pot"; then
        echo "po/vorlen.pot is stale: make pot writes it again from the sources" >&2
        fautes=1
    fi
    local langue po
    while read -r langue; do
        po=$racine/po/$langue.po
        if ! memes_textes "$po" "$provisoire/vorlen.pot"; then
            echo "$po: not the sources' texts (msgmerge -U $po po/vorlen.pot, then translate)" >&2
            fautes=1
        fi
        for sorte in --untranslated --only-fuzzy; do
            if [ -n "$(msgattrib "$sorte" --no-obsolete "$po")" ]; then
                echo "$po: entries $sorte:" >&2
                msgattrib "$sorte" --no-obsolete "$po" >&2
                fautes=1
            fi
        done
        msgfmt --check -o /dev/null "$po" || fautes=1
    done < <(grep -v '^#' "$racine/po/LINGUAS")
    [ "$fautes" -eq 0 ] && echo "catalogues: every text translated, none stale"
    return "$fautes"
}

case "${1:-}" in
extraire) extraire "${2:?FICHIER.pot}" "${3:-}" ;;
verifier) verifier ;;
*)
    echo "usage: $0 extraire FICHIER.pot [VERSION] | verifier" >&2
    exit 2
    ;;
esac
