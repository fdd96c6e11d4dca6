// A real OpenGL window for the tests that draw, opened once per test run.
#ifndef VORLEN_TESTS_FENETRE_H
#define VORLEN_TESTS_FENETRE_H

#include <algorithm>
#include <string>
#include <vector>

struct Pixel {
    int r;
    int v;
    int b;
};

// The rectangle of lit pixels found in a capture; empty when none is lit.
struct Cadre {
    int col0 = 1 << 30;
    int col1 = -1;
    int lig0 = 1 << 30;
    int lig1 = -1;
    bool vide() const { return col1 < 0; }
};

// What the window shows after the last swap, read once.
class Capture {
public:
    static constexpr int largeur = 800;
    static constexpr int hauteur = 600;

    Capture();
    // The pixel at `colonne`, `ligne` counted from the window's top.
    Pixel at(int colonne, int ligne) const;
    // Whether some pixel of the rectangle (inclusive, rows from the top) passes `teste`.
    template <typename Test> bool unPixelDans(int c0, int c1, int l0, int l1, Test teste) const {
        for (int l = l0; l <= l1; ++l) {
            for (int c = c0; c <= c1; ++c) {
                if (teste(at(c, l))) {
                    return true;
                }
            }
        }
        return false;
    }
    // The extent, within the rectangle, of the pixels that pass `teste`.
    template <typename Test> Cadre cadreDans(int c0, int c1, int l0, int l1, Test teste) const {
        Cadre cadre;
        for (int l = l0; l <= l1; ++l) {
            for (int c = c0; c <= c1; ++c) {
                if (teste(at(c, l))) {
                    cadre = {std::min(cadre.col0, c), std::max(cadre.col1, c),
                             std::min(cadre.lig0, l), std::max(cadre.lig1, l)};
                }
            }
        }
        return cadre;
    }
    // Saves the capture as a PPM picture, for a failing test to leave behind.
    void sauver(const std::string& nom) const;

private:
    std::vector<unsigned char> rgb;
};

#endif
