// SPDX-License-Identifier: GPL-3.0-or-later
// The game's random numbers: rand(), never seeded, as it always drew them,
// but counted, so that a replay can take the sequence up where its match did.
#ifndef VORLEN_HASARD_H
#define VORLEN_HASARD_H

namespace hasard {

// The next number of rand().
int tirer();

// How many numbers were drawn since the program started, or since placer().
unsigned long long tirages();

// Draws `n` numbers for nothing: those a replay does not need, as the help
// page's capsules draw theirs.
void passer(unsigned long long n);

// Starts the sequence again as an unseeded program finds it, then draws `n`.
void placer(unsigned long long n);

} // namespace hasard

#endif
