// SPDX-License-Identifier: GPL-3.0-or-later
// The sounds the rules ask for. The rules only queue them; the match plays a
// frame's queue once its rules are done, so the rules run and are tested
// without a sound device.
#ifndef VORLEN_SONS_H
#define VORLEN_SONS_H

#include <vector>

enum class Effet {
    impactBrique,
    brisureBrique,
    destructionJoueur,
    renvoiBatte,
    tirJoueur,
    ricochet,
    impactMur,
    capsule,
    vieSupp,
    plusGrand,
    plusCourt,
};

struct Son {
    Effet effet;
    // Which glass breaks, for a broken brick: drawn when the brick broke, so
    // that the random draws come in the rules' own order.
    int verre;
};

using FileSons = std::vector<Son>;

#endif
