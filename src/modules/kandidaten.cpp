// Candidate strings: the digits that remain for an empty cell, kept when two, three
// or four of them remain, for the naked-set modules.
#include "board/sudoku_form.h"

namespace sudoku {

void SudokuForm::BepaalCelKandidaten(Integer& rijArg, Integer& kolArg) {
    if (!isLeeg(veld(rijArg, kolArg))) return;
    int uitgesloten = 0;
    int behouden = 0;
    Integer positie = 0;
    GEV = false;
    for (int n = 1; n <= 9; ++n) {
        zetTekst(MOG, n);
        // row, column, block outside the row, then the exception table; the first
        // test that finds the digit rules it out
        baan = rijArg;
        HORIZON = false;
        ZoekInLijn(MOG, HORIZON, baan, GEV, positie);
        if (!GEV) {
            baan = kolArg;
            HORIZON = true;
            ZoekInLijn(MOG, HORIZON, baan, GEV, positie);
        }
        if (!GEV) {
            zetTekst(locatie, kolArg);
            HORIZON = true;
            ZoekInBlok(MOG, HORIZON, rijArg, getalVan(locatie), GEV);
        }
        // Unlike the cell module, the table is always consulted here.
        if (!GEV) ZoekInUitzTabel(MOG, rijArg, kolArg, GEV);
        if (GEV) {
            ++uitgesloten;
        } else {
            ++behouden;
            kandidaat_lijst(behouden) = MOG;
        }
    }
    switch (uitgesloten) {
        case 7:
            kandidaten(rijArg, kolArg) = kandidaat_lijst(1) + kandidaat_lijst(2);
            break;
        case 6:
            kandidaten(rijArg, kolArg) = kandidaat_lijst(1) + kandidaat_lijst(2) + kandidaat_lijst(3);
            break;
        case 5:
            kandidaten(rijArg, kolArg) = kandidaat_lijst(1) + kandidaat_lijst(2) +
                                         kandidaat_lijst(3) + kandidaat_lijst(4);
            break;
        default:
            // one digit, none, or five or more: no candidate string
            break;
    }
}

}  // namespace sudoku
