// SPDX-License-Identifier: GPL-3.0-or-later
// The gamepads plugged in at start, open for the whole run. SDL 1.2 sees no
// pad come or go afterwards: whether one is still plugged in is asked of the
// system's list of input devices.
#ifndef VORLEN_MANETTES_H
#define VORLEN_MANETTES_H

#include <SDL.h>

#include <iosfwd>
#include <string>
#include <vector>

class Manettes {
public:
    // Opens every gamepad SDL finds.
    Manettes();
    ~Manettes();
    Manettes(const Manettes&) = delete;
    Manettes& operator=(const Manettes&) = delete;

    int nombre() const { return static_cast<int>(ouvertes.size()); }

private:
    std::vector<SDL_Joystick*> ouvertes;
};

// Where Linux lists its input devices, each with its name and handlers.
constexpr const char* listeAppareilsLinux = "/proc/bus/input/devices";

// The names of the joysticks in a list of input devices laid out as Linux's.
std::vector<std::string> manettesListees(std::istream& liste);

#endif
