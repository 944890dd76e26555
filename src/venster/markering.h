// How the window marks a step on a board, in the main window and in the report alike: the
// tint of its unit and the frame of the cells that prove it (which cells: uitleg/verslag_lijst.h).
// The colours follow the palette, light or dark, and keep the text readable.
#pragma once

#include <QColor>

#include <bitset>

class QPalette;

namespace sudoku {

// What a board shows of one step: its cell (0..80, -1 for none), the cells of its unit,
// tinted, and the cells that prove it, framed.
struct Markering {
    int cel = -1;
    std::bitset<81> eenheid;
    std::bitset<81> bewijs;
    bool operator==(const Markering&) const = default;
};

// The contrast of two colours as readability guidelines measure it: 1 (none) to 21.
double contrastVan(const QColor& a, const QColor& b);

// The background of the cells of a step's unit: the base colour moved towards the highlight
// (or, where the highlight lies too close to the base, towards the text colour) just far
// enough to stand 1.4:1 apart from the base, so that text on it stays readable.
QColor markeerKleur(const QPalette& palet);
// The frame around the cells that prove a step: the highlight, or the text colour where the
// highlight would not stand out against both the base and the tint.
QColor bewijsRandKleur(const QPalette& palet);

}  // namespace sudoku
