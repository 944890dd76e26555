// The three look-ups every technique asks about one digit.
#include "board/sudoku_form.h"

namespace sudoku {

namespace {
// The first line of the block that holds line p (1, 4 or 7).
inline int blokBegin(int p) { return ((p - 1) / 3) * 3 + 1; }
}  // namespace

void SudokuForm::ZoekInLijn(const String& getal, const Boolean& richting, int lijn,
                            Boolean& gevonden, Integer& positie) {
    gelijkaan = false;
    positie = 0;
    gevonden = false;
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
                if (veld(r, k) == getal) gevonden = true;
        }
    } else {
        // the block's two other columns, lower first, down its three rows
        for (int k = kb; k < kb + 3; ++k) {
            if (k == kolNr) continue;
            for (int r = rb; r < rb + 3; ++r)
                if (veld(r, k) == getal) gevonden = true;
        }
    }
}

void SudokuForm::ZoekInUitzTabel(const String& getal, int rijNr, int kolNr, Boolean& gevonden) {
    gevonden = false;
    if (uitz_tabel(cijfer(getal), rijNr, kolNr) == getal) gevonden = true;
}

}  // namespace sudoku
