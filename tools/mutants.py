#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Plants faults in the game's sources one at a time and reports which the tests catch.

A test suite is as strong as the faults it catches. Each mutant changes one spot of one
file: a comparison turned, a logical or arithmetic operator swapped, a whole number off
by one, a truth value flipped or a call dropped. It is built and tested in a copy of the
tree of its own (build/mutants/), as the unprivileged user nobody when run as root, so
that a mutant writing where it should not cannot reach the machine's files. A mutant that
does not build is not counted; a test that fails or runs out of time catches it.

Usage: tools/mutants.py [--nombre 60] [--graine 1] [--version REV] [--depuis K]
                        [--survivants [--de REV]] [--tests REGEX] [FILE...]
The files default to the rules, the level files, the player's files, the mappings
between screen and canvas, the editor and the menus. The tree is the one checked out,
or the commit REV. The report, one line a mutant, is build/mutants/rapport.txt; the last
lines say how many were caught, file by file. A campaign is long: one stopped after K
mutants goes on with the same REV and seed and --depuis K, adding to its report. Once
tests are added, --survivants tries again only the mutants the report says survived, on
the tree given (found by the line they make where the report's version REV of their file,
given by --de, had it), and updates their lines. A survivor shown equivalent (no input can tell
it from the original) is marked so by hand: its line starts "equivalent" instead of
"survit", and it is neither tried again nor counted among the mutants to catch.
"""

import argparse
import difflib
import os
import random
import re
import shutil
import subprocess
import sys

RACINE = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
DOSSIER = os.path.join(RACINE, "build", "mutants")
ARBRE = os.path.join(DOSSIER, "arbre")
CONSTRUCTION = os.path.join(DOSSIER, "construction")

FICHIERS = [
    "projet/jeu/partie.cpp", "projet/jeu/balle.cpp", "projet/jeu/batte.cpp",
    "projet/jeu/bonus.cpp", "projet/jeu/joueur.cpp", "projet/jeu/commandes.cpp",
    "projet/jeu/typesparties.cpp", "projet/niveaux/lecture.cpp",
    "projet/niveaux/niveau.cpp", "projet/niveaux/verification.cpp",
    "projet/niveaux/recueil.cpp", "projet/profil/fichiers.cpp", "projet/profil/scores.cpp",
    "projet/profil/settings.cpp", "projet/systeme/toile.cpp", "projet/ecrans/editeur.cpp",
    "projet/ecrans/menu.cpp", "projet/rendu/boucle.cpp",
]
# What every mutant is tested against: the unit and window suites and the real game
# played end to end; not their second run on sdl12-compat, nor the sanitised build, the
# fuzzers or the package, which take long and catch other kinds of fault.
TESTS = "."
EXCLUS = "^(compat\\.|asan_|fuzz_|paquet_|sons_|images_|sdl12compat|e2e_ecran_compat)"

# (kind, pattern, replacement) applied to one match at a time.
OPERATEURS = [
    # Operators stand between spaces in our formatting; templates and casts do not.
    ("comparaison", r"(?<= )<=(?= )", "<"),
    ("comparaison", r"(?<= )>=(?= )", ">"),
    ("comparaison", r"(?<= )<(?= )", "<="),
    ("comparaison", r"(?<= )>(?= )", ">="),
    ("egalite", r"==", "!="),
    ("egalite", r"!=", "=="),
    ("logique", r"&&", "||"),
    ("logique", r"\|\|", "&&"),
    ("arithmetique", r"(?<= )\+(?= )", "-"),
    ("arithmetique", r"(?<= )-(?= )", "+"),
    ("borne", r"(?<![\w.])\d+(?![\w.])", None),
    ("verite", r"\btrue\b", "false"),
    ("verite", r"\bfalse\b", "true"),
]
APPEL = re.compile(r"^(\s*)(?!return\b|delete\b|throw\b)[A-Za-z_][\w:.\->]*\(.*\);\s*$")


# What the pictures are made of: OpenGL's calls and the rows of vertex tables. The
# reference frames (bench/references.sh) guard them, not the tests.
DESSIN = re.compile(r"\bgl[A-Z]\w*\(|^\s*\{+\s*-?[\d.]")


def lignes_de_code(texte):
    """The numbers and texts of the lines a fault can be planted in: no comment, no
    preprocessor line, no string that a player reads, no drawing."""
    for numero, ligne in enumerate(texte.split("\n")):
        propre = ligne.strip()
        if (not propre or propre.startswith(("//", "#", "*", "/*")) or '"' in ligne
                or DESSIN.search(ligne)):
            continue
        yield numero, ligne.split("//")[0]


def sites(fichier):
    texte = open(os.path.join(ARBRE, fichier), encoding="utf-8").read()
    trouves = []
    for numero, ligne in lignes_de_code(texte):
        for genre, motif, remplacement in OPERATEURS:
            for m in re.finditer(motif, ligne):
                nouveau = str(int(m.group()) + 1) if remplacement is None else remplacement
                trouves.append((fichier, numero, m.start(), m.end(), nouveau, genre))
        if APPEL.match(ligne):
            trouves.append((fichier, numero, 0, len(ligne), APPEL.match(ligne).group(1) + ";", "appel"))
    return trouves


def tirer(fichiers, nombre, graine):
    """Draws the mutants, spread over the files in turn so that each gets its share."""
    hasard = random.Random(graine)
    par_fichier = [sites(f) for f in fichiers]
    for liste in par_fichier:
        hasard.shuffle(liste)
    tires = []
    while len(tires) < nombre and any(par_fichier):
        for liste in par_fichier:
            if liste and len(tires) < nombre:
                tires.append(liste.pop())
    return tires


def en_nobody(commande):
    return ["runuser", "-u", "nobody", "--"] + commande if os.geteuid() == 0 else commande


def executer(commande, limite=None):
    environnement = dict(os.environ, HOME=DOSSIER, SDL_AUDIODRIVER="dummy")
    try:
        return subprocess.run(en_nobody(commande), cwd=DOSSIER, env=environnement, timeout=limite,
                              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL).returncode
    except subprocess.TimeoutExpired:
        return -1


def copier_arbre(version):
    """The files git follows, as checked out or as the commit `version` holds them."""
    shutil.rmtree(DOSSIER, ignore_errors=True)
    os.makedirs(ARBRE)
    if version:
        archive = subprocess.run(["git", "-C", RACINE, "archive", version], check=True,
                                 capture_output=True).stdout
        subprocess.run(["tar", "-x", "-C", ARBRE], input=archive, check=True)
        return
    suivis = subprocess.run(["git", "-C", RACINE, "ls-files", "-z"], check=True,
                            capture_output=True).stdout.decode().split("\0")
    for fichier in filter(None, suivis):
        if os.path.isfile(os.path.join(RACINE, fichier)):
            os.makedirs(os.path.dirname(os.path.join(ARBRE, fichier)), exist_ok=True)
            shutil.copy2(os.path.join(RACINE, fichier), os.path.join(ARBRE, fichier))


def preparer():
    """The copy's build, owned by whoever runs the tests."""
    if os.geteuid() == 0:
        subprocess.run(["chown", "-R", "nobody:nogroup", DOSSIER], check=True)
    if executer(["cmake", "-S", ARBRE, "-B", CONSTRUCTION, "-DCMAKE_BUILD_TYPE=RelWithDebInfo",
                 "-DVORLEN_BENCHMARKS=OFF"]) != 0 or construire() != 0:
        sys.exit("mutants: the tree as it is does not build")


def construire():
    return executer(["cmake", "--build", CONSTRUCTION, "-j", str(os.cpu_count()), "--target",
                     "vorlen", "donnees", "vorlen_tests", "vorlen_tests_fenetre"])


def tester(tests, exclus):
    return executer(["xvfb-run", "-a", "-s", "-screen 0 1024x768x24 -noreset", "ctest",
                     "--test-dir", CONSTRUCTION, "--stop-on-failure", "-R", tests, "-E", exclus],
                    limite=1800)


def essayer(site, tests, exclus):
    fichier, numero, debut, fin, nouveau, genre = site
    chemin = os.path.join(ARBRE, fichier)
    original = open(chemin, encoding="utf-8").read()
    lignes = original.split("\n")
    lignes[numero] = lignes[numero][:debut] + nouveau + lignes[numero][fin:]
    open(chemin, "w", encoding="utf-8").write("\n".join(lignes))
    try:
        if construire() != 0:
            return "non construit", lignes[numero].strip()
        issue = "attrape" if tester(tests, exclus) != 0 else "survit"
        return issue, lignes[numero].strip()
    finally:
        open(chemin, "w", encoding="utf-8").write(original)


def main():
    arguments = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    arguments.add_argument("--nombre", type=int, default=60)
    arguments.add_argument("--graine", type=int, default=1)
    arguments.add_argument("--version", default="")
    arguments.add_argument("--depuis", type=int, default=0)
    arguments.add_argument("--tests", default=TESTS)
    arguments.add_argument("--exclus", default=EXCLUS)
    arguments.add_argument("fichiers", nargs="*", default=FICHIERS)
    arguments.add_argument("--survivants", action="store_true")
    arguments.add_argument("--de", default="")
    options = arguments.parse_args()
    chemin_rapport = os.path.join(DOSSIER, "rapport.txt")
    anciennes = []
    if (options.depuis or options.survivants) and os.path.exists(chemin_rapport):
        anciennes = [l for l in open(chemin_rapport, encoding="utf-8") if l[:1] in "anse"]
    copier_arbre(options.version)
    preparer()
    with open(chemin_rapport, "w", encoding="utf-8") as rapport:
        def noter(ligne):
            print(ligne, flush=True)
            rapport.write(ligne + "\n")
            rapport.flush()

        if options.survivants:
            for ancienne in anciennes:
                site = (retrouver(ancienne, options.de) if ancienne.startswith("survit")
                        else None)
                if site is None:
                    rapport.write(ancienne)
                else:
                    noter(decrire(site, *essayer(site, options.tests, options.exclus)))
        else:
            rapport.writelines(anciennes[:options.depuis])
            for site in tirer(options.fichiers, options.nombre, options.graine)[options.depuis:]:
                noter(decrire(site, *essayer(site, options.tests, options.exclus)))
    bilan(chemin_rapport)


def decrire(site, issue, mutee):
    fichier, numero, debut, fin, nouveau, genre = site
    return f"{issue:13} {fichier}:{numero + 1} {genre}: {mutee or '(call dropped)'}"


def retrouver(ligne, version_rapport):
    """The site of the tree now copied that plants the mutant a report's line describes,
    found by the line it makes rather than by its number, which the code added since may
    have moved: where the report's version of the file stood that line, as a diff of the
    two versions follows it; None if no line makes it any more."""
    lieu, description = ligne[13:].strip().split(" ", 1)
    fichier, numero = lieu.rsplit(":", 1)
    genre, mutee = description.split(": ", 1)
    if not os.path.exists(os.path.join(ARBRE, fichier)):
        return None
    lignes = open(os.path.join(ARBRE, fichier), encoding="utf-8").read().split("\n")
    candidats = [site for site in sites(fichier) if site[5] == genre and
                 (lignes[site[1]][:site[2]] + site[4] + lignes[site[1]][site[3]:]).strip() ==
                 mutee.strip()]
    attendue = int(numero) - 1
    if version_rapport:
        avant = subprocess.run(["git", "-C", RACINE, "show", f"{version_rapport}:{fichier}"],
                               check=True, capture_output=True, text=True).stdout.split("\n")
        for bloc in difflib.SequenceMatcher(None, avant, lignes, autojunk=False).get_matching_blocks():
            if bloc.a <= attendue < bloc.a + bloc.size:
                attendue += bloc.b - bloc.a
                break
    return min(candidats, key=lambda site: abs(site[1] - attendue), default=None)


def bilan(chemin_rapport):
    """How many of the report's mutants were caught, file by file and in all."""
    par_fichier = {}
    equivalents = 0
    for ligne in open(chemin_rapport, encoding="utf-8"):
        issue, reste = ligne[:13].strip(), ligne[13:].strip()
        equivalents += issue == "equivalent"
        if issue in ("attrape", "survit"):
            par_fichier.setdefault(reste.split(":")[0], []).append(issue)
    with open(chemin_rapport, "a", encoding="utf-8") as rapport:
        for fichier, issues in par_fichier.items():
            rapport.write(f"{fichier}: {issues.count('attrape')} caught of {len(issues)}\n")
        tous = [i for issues in par_fichier.values() for i in issues]
        total = (f"caught {tous.count('attrape')} of {len(tous)} built mutants "
                 f"that are not equivalent ({equivalents} equivalent)")
        rapport.write(total + "\n")
        print(total)


if __name__ == "__main__":
    main()
