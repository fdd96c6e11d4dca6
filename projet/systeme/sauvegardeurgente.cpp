// SPDX-License-Identifier: GPL-3.0-or-later
#include "systeme/sauvegardeurgente.h"

#include <X11/Xlib.h>

#include <cstdio>
#include <utility>
#include <unistd.h>

namespace {

// Xlib's default handler would exit() and run the static destructors, which
// talk to the dead display; _exit() leaves without them.
int affichagePerdu(Display* affichage) {
    const std::string faits = SauvegardeUrgente::toutSauver();
    std::fprintf(stderr, "Vorlen: affichage perdu (connexion au serveur X %s rompue)%s\n",
                 DisplayString(affichage), faits.empty() ? "; rien à enregistrer" : faits.c_str());
    _exit(1);
}

} // namespace

const SauvegardeUrgente* SauvegardeUrgente::derniere = nullptr;

void SauvegardeUrgente::surveillerAffichage() {
    XSetIOErrorHandler(affichagePerdu);
}

std::string SauvegardeUrgente::toutSauver() {
    std::string faits;
    for (const SauvegardeUrgente* s = derniere; s != nullptr; s = s->precedente) {
        if (const std::string fait = s->sauver(); !fait.empty()) {
            faits += "; " + fait;
        }
    }
    return faits;
}

SauvegardeUrgente::SauvegardeUrgente(Sauver sauver)
    : sauver(std::move(sauver)), precedente(derniere) {
    derniere = this;
}

// Screens end in the reverse order they started, so the newest goes first.
SauvegardeUrgente::~SauvegardeUrgente() {
    derniere = precedente;
}
