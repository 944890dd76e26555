// The three look-ups every technique asks about one digit.
#include "board/sudoku_form.h"

namespace sudoku {

namespace {
// The first line of the block that holds line p (1, 4 or 7).
inline int blokBegin(int p) { return ((p - 1) / 3) * 3 + 1; }

// String equality, quick for the one-character cell values that fill the board.
inline bool gelijk(const String& a, const String& b) {
    return a.size() == b.size() && (a.size() != 1 ? a == b : a[0] == b[0]);
}
}  // namespace

void SudokuForm::ZoekInLijn(const String& getal, const Boolean& richting, int lijn,
                            Boolean& gevonden, Integer& positie) {
    gelijkaan = false;
    positie = 0;
    gevonden = false;
    if (getal.size() == 1 && lijn >= 1 && lijn <= 9) {
        // The usual case, a one-character digit: compare characters and leave `pos`,
        // `gelijkaan` and the answers as the walk below would.
        const char c = getal[0];
        for (int p = 1; p <= 9; ++p) {
            const String& cel = richting ? veld(p, lijn) : veld(lijn, p);
            if (cel.size() == 1 && cel[0] == c) {
                gelijkaan = true;
                gevonden = true;
                positie = static_cast<Integer>(p);
                pos = static_cast<Integer>(p + 1);
                return;
            }
        }
        pos = 10;
        return;
    }
    pos = 1;
    while (pos <= 9 && !gevonden) {
        const String& cel = richting ? veld(pos, lijn) : veld(lijn, pos);
        if (getal == cel) gelijkaan = true;
        if (gelijkaan) {
            gevonden = true;
            positie = pos;
        }
        pos = plus(pos, 1);
    }
}

void SudokuForm::ZoekInBlok(const String& getal, const Boolean& richting, int rijNr, int kolNr,
                            Boolean& gevonden) {
    gevonden = false;
    if (rijNr < 1 || rijNr > 9 || kolNr < 1 || kolNr > 9) return;
    const int rb = blokBegin(rijNr);
    const int kb = blokBegin(kolNr);
    if (richting) {
        // the block's two other rows, lower first, across its three columns
        for (int r = rb; r < rb + 3; ++r) {
            if (r == rijNr) continue;
            for (int k = kb; k < kb + 3; ++k)
                if (gelijk(veld(r, k), getal)) gevonden = true;
        }
    } else {
        // the block's two other columns, lower first, down its three rows
        for (int k = kb; k < kb + 3; ++k) {
            if (k == kolNr) continue;
            for (int r = rb; r < rb + 3; ++r)
                if (gelijk(veld(r, k), getal)) gevonden = true;
        }
    }
}

void SudokuForm::ZoekInUitzTabel(const String& getal, int rijNr, int kolNr, Boolean& gevonden) {
    gevonden = false;
    if (uitz_tabel(cijfer(getal), rijNr, kolNr) == getal) gevonden = true;
}

}  // namespace sudoku
