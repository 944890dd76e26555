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
    if (getal.size() == 1 && lijn >= 1 && lijn <= 9) {
        // The usual case, a one-character digit: compare characters and leave `pos`,
        // `gelijkaan` and the answers as the walk below would.
        const char c = getal[0];
        for (int p = 1; p <= 9; ++p) {
            if ((richting ? veld.celTeken(p, lijn) : veld.celTeken(lijn, p)) == c) {
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
    const char c = getal.size() == 1 ? getal[0] : '\0';
    auto staatEr = [&](int r, int k) {
        return c != '\0' ? veld.celTeken(r, k) == c : veld.binnen(r, k) == getal;
    };
    // Direction True: the block's two other rows across its three columns; False: its
    // two other columns down its three rows. A hit ends the search: the other cells
    // cannot change the answer.
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j) {
            const int r = richting ? rb + i : rb + j;
            const int k = richting ? kb + j : kb + i;
            if ((richting ? r == rijNr : k == kolNr)) break;
            if (staatEr(r, k)) {
                gevonden = true;
                return;
            }
        }
    }
}

void SudokuForm::ZoekInUitzTabel(const String& getal, int rijNr, int kolNr, Boolean& gevonden) {
    gevonden = false;
    const int d = cijfer(getal);
    if (d != 0 && rijNr >= 1 && rijNr <= 9 && kolNr >= 1 && kolNr <= 9) {
        gevonden = uitz_tabel.uitgesloten(d, rijNr, kolNr);
        return;
    }
    const auto& tabel = uitz_tabel;  // reading leaves the table's clean mark alone
    if (tabel(d, rijNr, kolNr) == getal) gevonden = true;
}

}  // namespace sudoku
