// The user's choices for this run: the six game keys, full screen, volume,
// lighting.
// Nothing is saved: every run starts from the defaults.
#ifndef VORLEN_SETTINGS_H
#define VORLEN_SETTINGS_H

#include <string>

class Settings {
public:
    static constexpr int nbCommandes = 3;

    Settings();

    void initSettings();
    // Player 1 or 2, command 0 left, 1 right, 2 action.
    int getAssignedKey(int nJoueur, int nCommande) const;
    // Refuses a key already bound to any command of either player.
    bool assignKey(int keynum, int nJoueur, int nCommande);
    bool getPleinEcranState() const { return pleinEcran; }
    void switchStatePleinEcran() { pleinEcran = !pleinEcran; }
    // "vif" lights the field so objects show close to their full colour;
    // "classique", the default, keeps its dim look.
    bool getEclairageVif() const { return eclairageVif; }
    void setEclairageVif(bool vif) { eclairageVif = vif; }
    // The name the controls menu shows for a key code.
    static std::string getKeyByCode(int keynum);

private:
    int controlj1[nbCommandes];
    int controlj2[nbCommandes];
    bool pleinEcran;
    int volume;
    bool eclairageVif;
};

extern Settings currentSettings;

#endif
