// SPDX-License-Identifier: GPL-3.0-or-later
#include "systeme/signaux.h"

#include <csignal>

namespace {

volatile std::sig_atomic_t finRecue = 0;
bool abandonne = false;

void noterFin(int /*signal*/) {
    finRecue = 1;
}

} // namespace

namespace signaux {

void installer() {
    struct sigaction action = {};
    action.sa_handler = noterFin;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
    // Started under nohup, the game was asked to outlive its terminal.
    struct sigaction avant = {};
    sigaction(SIGHUP, nullptr, &avant);
    if (avant.sa_handler != SIG_IGN) {
        sigaction(SIGHUP, &action, nullptr);
    }
    std::signal(SIGXFSZ, SIG_IGN);
}

bool finDemandee() {
    return finRecue != 0 || abandonne;
}

void abandonner() {
    abandonne = true;
}

int statutDeSortie() {
    return abandonne ? 1 : 0;
}

} // namespace signaux
