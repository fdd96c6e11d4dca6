#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package, made and tested as a packager does, in a throw-away root of a Debian
# release rather than in this machine's own system, which it leaves as it found it.
# The root holds what the build, lintian and the package's tests need; it is made once with
# mmdebstrap and kept as a tarball in DIR/racines, under a name that changes with that list.
# In a copy of it, dpkg-buildpackage builds the package from a clean copy of the tree (no
# build folder, nothing ignored by git), then lintian checks the source and the binary
# packages, where any error or warning fails. The packages and lintian's report land in
# DIR/RELEASE. RELEASE is a Debian code name, this machine's own unless given.
#   tools/paquet.sh construire DIR [RELEASE]   build it and check it
#   tools/paquet.sh tester DIR [RELEASE]       the same, then its autopkgtest in another copy
set -euo pipefail

racine=$(cd "$(dirname "$0")/.." && pwd)
action=${1:-}
case "$action" in
construire | tester) ;;
*)
    echo "usage: $0 construire|tester DIR [RELEASE]" >&2
    exit 2
    ;;
esac
mkdir -p "${2:?usage: $0 construire|tester DIR [RELEASE]}"
cache=$(cd "$2" && pwd)/racines
distribution=${3:-$(. /etc/os-release && echo "$VERSION_CODENAME")}
sortie=$(cd "$2" && pwd)/$distribution
version=$(dpkg-parsechangelog -l "$racine/debian/changelog" -S Version)
paquet=vorlen_${version}_$(dpkg --print-architecture)
# The copy of the root the package is built in: on the build folder's disk, as large as the root.
chantier=$sortie/chantier
trap 'en_root rm -rf --one-file-system "$chantier"' EXIT

en_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}
echec() {
    echo "ECHEC: $*"
    exit 1
}

# The field named $2 of the control file $1, in every paragraph, one package name a line:
# versions, architectures and build profiles dropped, "@" (the package under test) left out.
champ() {
    awk -v champ="$2" '
        tolower($0) ~ "^" tolower(champ) ":" { dedans = 1; sub(/^[^:]*:/, ""); print; next }
        /^[^ \t]/ { dedans = 0 }
        dedans { print }' "$1" |
        tr ',' '\n' | sed -e 's/[[(<].*//' -e 's/[[:space:]]//g' | grep -v -x -e '' -e '@'
}

# What the root holds: the build's tools and dependencies (debhelper-compat is debhelper's),
# lintian, apt-ftparchive for autopkgtest's own archive of the package, and what the
# package's tests need.
paquets_racine() {
    {
        echo build-essential apt-utils lintian
        champ "$racine/debian/control" Build-Depends
        champ "$racine/debian/tests/control" Depends
    } | tr ' ' '\n' | sed 's/^debhelper-compat$/debhelper/' | sort -u | paste -s -d ,
}

# Sets tarball to the root of the release, made when missing. A root made for another list
# of packages is removed: it is not what the package and its tests now need.
preparer_racine() {
    local liste cle partiel
    liste=$(paquets_racine)
    cle=$(printf '%s %s' "$distribution" "$liste" | sha256sum | cut -c 1-12)
    tarball=$cache/$distribution-$cle.tar
    [ -f "$tarball" ] && return
    mkdir -p "$cache"
    rm -f "$cache/$distribution"-*.tar
    echo "== mmdebstrap $distribution, made once (log: $sortie/racine.log)"
    # The package lists stay, so that apt in the root can still resolve what a test asks for.
    # mmdebstrap tells a tarball by its name's ending.
    partiel=$cache/partiel-$distribution-$$.tar
    if ! en_root mmdebstrap --variant=apt --skip=cleanup/apt/lists --include="$liste" \
        "$distribution" "$partiel" >"$sortie/racine.log" 2>&1; then
        en_root rm -f "$partiel"
        tail -n 20 "$sortie/racine.log"
        echec "mmdebstrap could not make a $distribution root"
    fi
    mv "$partiel" "$tarball"
}

# Runs the shell command $1 in the copy of the root, with a private /proc and /dev and a
# plain environment; the options after it are chroot's (--userspec).
dans_chantier() {
    local commande=$1
    shift
    en_root unshare --mount --pid --fork --kill-child sh -c '
        mount -t proc proc "$1/proc" && mount --rbind /dev "$1/dev" && shift &&
        exec env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/tmp LANG=C.UTF-8 chroot "$@"' \
        sh "$chantier" "$@" "$chantier" sh -c "$commande"
}

# The tree as git sees it, edits included: tracked files still present and new files not
# ignored, into the copy of the root.
copier_arbre() {
    local fichier destination=$chantier/construction/vorlen-$version
    en_root mkdir -p "$destination"
    git -C "$racine" ls-files -z --cached --others --exclude-standard |
        while IFS= read -r -d '' fichier; do
            [ -e "$racine/$fichier" ] && printf '%s\0' "$fichier"
        done |
        tar -C "$racine" --null -T - -cf - | en_root tar -C "$destination" -xf -
}

construire() {
    echo "== dpkg-buildpackage -us -uc on $distribution (log: $sortie/construction.log)"
    en_root rm -rf --one-file-system "$chantier" && en_root mkdir -p "$chantier"
    en_root tar -C "$chantier" -xf "$tarball"
    copier_arbre
    dans_chantier "cd /construction/vorlen-$version &&
        DEB_BUILD_OPTIONS='parallel=$(nproc) ${DEB_BUILD_OPTIONS:-}' dpkg-buildpackage -us -uc" \
        >"$sortie/construction.log" 2>&1 ||
        { tail -n 40 "$sortie/construction.log"; echec "dpkg-buildpackage failed, see $sortie/construction.log"; }
    rm -f "$sortie"/vorlen[_-]*
    find "$chantier/construction" -maxdepth 1 -type f -name 'vorlen[_-]*' -exec cp -t "$sortie" {} +
}

# Every tag, informational ones and overrides included, so the report shows what was let
# pass; run as nobody, as lintian asks.
verifier_lintian() {
    echo "== lintian on $distribution"
    local statut=0
    dans_chantier "cd /construction && lintian --fail-on error,warning --display-info \
        --show-overrides $paquet.changes" --userspec=nobody:nogroup >"$sortie/lintian.txt" 2>&1 ||
        statut=$?
    cat "$sortie/lintian.txt"
    [ "$statut" -eq 0 ] || echec "lintian found errors or warnings on $distribution"
}

# The tests of debian/tests, against the package just built, in a fresh copy of the root
# that autopkgtest unpacks for itself and removes. Its unshare backend maps the root's ids to
# root's subordinate ids, which root has none of as a rule: then a private mount namespace
# lends it a range, without touching the machine's own files.
autopkgtest_paquet() {
    echo "== autopkgtest on $distribution (log: $sortie/autopkgtest/log)"
    en_root rm -rf "$sortie/autopkgtest"
    local statut=0
    en_root unshare --mount sh -c '
        if ! grep -q "^root:" /etc/subuid || ! grep -q "^root:" /etc/subgid; then
            echo "root:1000000:65536" >"$1/ids"
            mount --bind "$1/ids" /etc/subuid && mount --bind "$1/ids" /etc/subgid
        fi
        shift
        exec "$@"' sh "$sortie" \
        autopkgtest --output-dir "$sortie/autopkgtest" "$sortie/$paquet.deb" \
        "$sortie/vorlen_$version.dsc" -- unshare --release "$distribution" --tarball "$tarball" \
        >"$sortie/autopkgtest.txt" 2>&1 || statut=$?
    cat "$sortie/autopkgtest/summary" 2>/dev/null || tail -n 40 "$sortie/autopkgtest.txt"
    [ "$statut" -eq 0 ] || echec "autopkgtest on $distribution ended with status $statut"
}

mkdir -p "$sortie"
preparer_racine
construire
verifier_lintian
[ "$action" = tester ] && autopkgtest_paquet
echo "== $sortie/$paquet.deb"
