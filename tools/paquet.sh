#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package, made as a packager makes it: built with dpkg-buildpackage from a clean
# copy of the tree (no build folder, nothing ignored by git), then checked by lintian, where
# any error or warning fails. The package and lintian's report land in DIR.
#   tools/paquet.sh construire [DIR]   build and check it (DIR: the current folder)
#   tools/paquet.sh tester DIR         the same, then install it and run its autopkgtest
set -euo pipefail

racine=$(cd "$(dirname "$0")/.." && pwd)
action=${1:-}
sortie=${2:-.}
case "$action" in
construire | tester) ;;
*)
    echo "usage: $0 construire [DIR] | tester DIR" >&2
    exit 2
    ;;
esac
mkdir -p "$sortie"
sortie=$(cd "$sortie" && pwd)
version=$(dpkg-parsechangelog -l "$racine/debian/changelog" -S Version)
paquet=vorlen_${version}_$(dpkg --print-architecture)
t=$(mktemp -d)
trap 'rm -rf "$t"' EXIT

en_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# The tree as git sees it, edits included: tracked files still present and new files not ignored.
copier_arbre() {
    local fichier
    mkdir "$t/vorlen-$version"
    git -C "$racine" ls-files -z --cached --others --exclude-standard |
        while IFS= read -r -d '' fichier; do
            [ -e "$racine/$fichier" ] && printf '%s\0' "$fichier"
        done |
        tar -C "$racine" --null -T - -cf - | tar -C "$t/vorlen-$version" -xf -
}

construire() {
    echo "== dpkg-buildpackage -us -uc -b (log: $sortie/construction.log)"
    if ! (cd "$t/vorlen-$version" &&
        DEB_BUILD_OPTIONS="parallel=$(nproc) ${DEB_BUILD_OPTIONS:-}" \
            dpkg-buildpackage -us -uc -b) >"$sortie/construction.log" 2>&1; then
        tail -n 40 "$sortie/construction.log"
        echo "ECHEC: dpkg-buildpackage failed, see $sortie/construction.log"
        exit 1
    fi
    rm -f "$sortie"/vorlen_*.deb "$sortie"/vorlen-dbgsym_*.deb
    cp "$t"/*.deb "$t/$paquet.changes" "$t/$paquet.buildinfo" "$sortie/"
}

# Every tag, informational ones and overrides included, so the report shows what was let pass.
verifier_lintian() {
    echo "== lintian"
    local statut=0
    lintian --fail-on error,warning --display-info --show-overrides \
        "$sortie/$paquet.changes" >"$sortie/lintian.txt" 2>&1 || statut=$?
    cat "$sortie/lintian.txt"
    [ "$statut" -eq 0 ] || { echo "ECHEC: lintian found errors or warnings"; exit 1; }
}

installer() {
    echo "== apt-get install $paquet.deb"
    en_root env DEBIAN_FRONTEND=noninteractive apt-get install -y --reinstall \
        "$sortie/$paquet.deb" >"$sortie/installation.log" 2>&1 ||
        { cat "$sortie/installation.log"; echo "ECHEC: the package did not install"; exit 1; }
    [ "$(dpkg-query -W -f '${Version} ${Status}' vorlen)" = "$version install ok installed" ] ||
        { echo "ECHEC: vorlen $version is not the version installed"; exit 1; }
}

# The tests of debian/tests, against the package just installed, on this machine.
autopkgtest_paquet() {
    echo "== autopkgtest (log: $sortie/autopkgtest/log)"
    rm -rf "$sortie/autopkgtest"
    local statut=0
    en_root autopkgtest --output-dir "$sortie/autopkgtest" "$sortie/$paquet.deb" \
        "$t/vorlen-$version" -- null >"$sortie/autopkgtest.txt" 2>&1 || statut=$?
    cat "$sortie/autopkgtest/summary" 2>/dev/null || tail -n 40 "$sortie/autopkgtest.txt"
    [ "$statut" -eq 0 ] || { echo "ECHEC: autopkgtest ended with status $statut"; exit 1; }
}

copier_arbre
construire
verifier_lintian
if [ "$action" = tester ]; then
    installer
    autopkgtest_paquet
fi
echo "== $sortie/$paquet.deb"
