// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen holds unsaved, saved all the same when the display goes away
// under the game (the X server killed, the session gone). Xlib then ends the
// process from inside whatever call met the broken connection; our handler
// runs the saves registered at that moment, says so in one line, and ends
// the process before anything else talks to the dead display.
#ifndef VORLEN_SAUVEGARDEURGENTE_H
#define VORLEN_SAUVEGARDEURGENTE_H

#include <functional>
#include <string>

class SauvegardeUrgente {
public:
    // Saves what is waiting and says what it did in a few words ("niveaux
    // enregistrés dans ..."); empty when nothing was waiting. It runs with
    // the display gone: no SDL, OpenGL or X call.
    using Sauver = std::function<std::string()>;

    // Takes the display's loss over from SDL's handler and Xlib's, which end
    // the process with nothing saved: call it once the window is open, as SDL
    // sets its own when video starts.
    static void surveillerAffichage();
    // Runs every registered save, the newest first; gives what they did,
    // each part after "; ".
    static std::string toutSauver();

    // Registered for as long as it lives; registrations nest, as screens
    // run from one another.
    explicit SauvegardeUrgente(Sauver sauver);
    ~SauvegardeUrgente();
    SauvegardeUrgente(const SauvegardeUrgente&) = delete;
    SauvegardeUrgente& operator=(const SauvegardeUrgente&) = delete;

private:
    // The newest registration; each one links to the one before it.
    static const SauvegardeUrgente* derniere;

    const Sauver sauver;
    const SauvegardeUrgente* const precedente;
};

#endif
