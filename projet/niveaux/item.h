// SPDX-License-Identifier: GPL-3.0-or-later
// Shared geometry of the playing field: vectors, the base of every object
// on it, collision boxes and the spin matrices of tumbling objects.
#ifndef VORLEN_ITEM_H
#define VORLEN_ITEM_H

// A position, velocity or surface normal. `norme` is only a cache for the
// owner's use (the ball keeps its speed there): no operation computes it.
class Vecteur {
public:
    float X;
    float Y;
    float Z;
    float norme;

    Vecteur();
    Vecteur(float x, float y, float z);
    Vecteur(const Vecteur& v);
    // Copies the coordinates only: the target keeps its own cached length.
    Vecteur& operator=(const Vecteur& v);
    Vecteur operator+(const Vecteur& v) const;
    Vecteur operator-(const Vecteur& v) const;
    // This vector reflected on a surface of normal `n`, in the X-Y plane.
    Vecteur operator*(const Vecteur& n) const;
};

// Extents of an axis-aligned box centred on its owner's position.
struct BoiteCollision {
    float lX;
    float lY;
    float lZ;
};

// An 8-bit RGB colour, as handed to glColor3ub.
struct Couleur {
    unsigned char r;
    unsigned char v;
    unsigned char b;
};

// A flat face of a solid: its integer normal, then its corners wound
// counter-clockwise seen from outside (a triangle leaves the fourth unused).
struct Face {
    int normale[3];
    int nbSommets;
    float sommets[4][3];

    // Sends the normal and the corners, inside the caller's glBegin/glEnd.
    void emettre() const;
    // The same, every corner moved by (dx, dy, dz).
    void emettre(float dx, float dy, float dz) const;
};

// A 4x4 matrix in OpenGL's column-major order, for the spin of capsules
// and debris; computed here so those objects need no GL context.
struct Matrice {
    float m[16];

    static Matrice identite();
    // The matrix glRotatef(degres, x, y, z) would multiply by.
    static Matrice rotation(float degres, float x, float y, float z);
    // A random spin of 0 to 29/3 degrees per frame about (v, u, 1), drawing
    // u, v and the angle from rand() in that order.
    static Matrice rotationAleatoire();

    Matrice operator*(const Matrice& droite) const;
    // Applies `spin` in this orientation's own frame and removes the
    // rounding drift, so that the result stays a rotation for ever.
    void tourner(const Matrice& spin);
};

// A spin about a fixed axis, `degres` per frame: after n frames the object
// has turned n times that angle about the same axis, so its orientation needs
// no product of matrices frame after frame.
struct Spin {
    float degres;
    float axe[3];

    // 0 to 29/3 degrees per frame about (v, u, 1), drawing u, v and the
    // angle from rand() in that order.
    static Spin aleatoire();
    // The matrix of a turn by `angle` degrees about the axis.
    Matrice orientation(float angle) const;
};

// Base of every object drawn on the field.
class Item {
public:
    Item(float X, float Y);
    explicit Item(Vecteur pos);
    Item(const Item& autre) = default;
    Item& operator=(const Item& autre) = default;
    virtual ~Item() {}

    // The position itself, so callers may move the object through it.
    Vecteur* getPosition() { return &position; }
    const Vecteur* getPosition() const { return &position; }

    virtual void afficher() = 0;

protected:
    Vecteur position;
};

#endif
