// Trial: when nothing else helps, guess the smaller missing digit in a block with two
// empty cells. The board is saved first, so that the block-line module can undo the
// guess and place the other digit when the board turns contradictory.
#include "board/sudoku_form.h"

namespace sudoku {

void SudokuForm::ModuleUitproberen() {
    toonBanner(Techniek::Uitproberen);
    PROBEERUIT = false;
    PROBEERUIT_ONTHOUDEN = false;

    for (lus_kol = 1; lus_kol <= 9; ++lus_kol)
        for (lus_rij = 1; lus_rij <= 9; ++lus_rij)
            veld_bewaard(lus_rij, lus_kol) = veld(lus_rij, lus_kol);

    UP = 0;
    for (rij = 1; rij <= 7; rij = plus(rij, 3))
        for (kol = 1; kol <= 7; kol = plus(kol, 3)) ZoekUitprobeerBlok(rij, kol);

    // Each option overwrites the one before: the last qualifying block is tried.
    for (int i = 1; i <= UP; ++i) {
        up1 = uitprobeer_lijst(i, 1);
        up2 = uitprobeer_lijst(i, 2);
        uitprobeeroptie1 = uitprobeer_lijst(i, 3);
        uitprobeeroptie2 = uitprobeer_lijst(i, 4);
        posUPR = static_cast<Integer>(cijfer(up1.substr(0, 1)));
        posUPK = static_cast<Integer>(cijfer(up1.size() > 1 ? up1.substr(1, 1) : String()));
        PROBEERUIT = true;
        PROBEERUIT_ONTHOUDEN = true;
        PROBEERUIT_OOIT = true;
    }

    if (PROBEERUIT) {
        // The guess is made in a block with two empty cells: that block is its unit.
        zetReden(Techniek::Uitproberen, Eenheid::blokVan(posUPR, posUPK));
        if (uitleg()) {
            reden_.bewijs.soort = Bewijs::Soort::Gok;
            reden_.bewijs.opties = {cijfer(uitprobeeroptie1), cijfer(uitprobeeroptie2)};
            // Whether every technique of the pass, up the whole ladder, came up empty.
            reden_.bewijs.ladderLeeg = !NWGETAL;
        }
        PlaatsGetal(posUPR, posUPK, uitprobeeroptie1);
        SluitUitzFaseAf();
    }
}

void SudokuForm::ZoekUitprobeerBlok(Integer& rijArg, Integer& kolArg) {
    plaats.vul(0);
    int legeCellen = 0;
    String vorige, laatste;
    for (int index = 1; index <= 9; ++index) {
        const int r = rijArg + (index - 1) / 3;
        const int k = kolArg + (index - 1) % 3;
        const String& cel = veld(r, k);
        if (isLeeg(cel)) {
            ++legeCellen;
            vorige = laatste;
            laatste = getalTekst(r) + getalTekst(k);
        } else if (cijfer(cel) != 0) {
            plaats(cijfer(cel)) = static_cast<Integer>(index);
        }
    }
    if (legeCellen != 2) return;

    UP = plus(UP, 1);
    String kleiner, groter;
    for (int d = 1; d <= 9; ++d) {
        if (plaats(d) == 0) {
            kleiner = groter;
            groter = getalTekst(d);
        }
    }
    uitprobeer_lijst(UP, 1) = vorige;
    uitprobeer_lijst(UP, 2) = laatste;
    uitprobeer_lijst(UP, 3) = kleiner;
    uitprobeer_lijst(UP, 4) = groter;
}

}  // namespace sudoku
