// SPDX-License-Identifier: GPL-3.0-or-later
#include "systeme/hasard.h"

#include <cstdlib>

namespace hasard {

namespace {
unsigned long long compte = 0;
} // namespace

int tirer() {
    ++compte;
    return std::rand();
}

unsigned long long tirages() {
    return compte;
}

void passer(unsigned long long n) {
    for (unsigned long long k = 0; k < n; ++k) {
        tirer();
    }
}

void placer(unsigned long long n) {
    // An unseeded rand() is seeded with 1.
    std::srand(1);
    compte = 0;
    passer(n);
}

} // namespace hasard
