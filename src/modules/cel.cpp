// The cell module: an empty cell where eight of the nine digits are ruled out gets
// the ninth.
#include "board/sudoku_form.h"

namespace sudoku {

void SudokuForm::ModuleCel(Integer& rijArg, Integer& kolArg) {
    if (vink(Vink::Module)) ui_.zetOpmerk(" Module CEL ");
    if (!isLeeg(veld(rijArg, kolArg))) return;

    int uitgesloten = 0;
    String laatsteKandidaat;
    Integer treffer = 0;  // hit position of the line look-ups, not used here
    GEV = false;
    // Digits 1..8 only add to the count, so they are decided at once from the digits
    // the row, column and block hold; digit 9 goes through the look-ups, which leaves
    // MOG, baan, HORIZON, locatie, GEV and the look-ups' own fields as the last test sets them.
    int eerste = 1;
    if (rijArg >= 1 && rijArg <= 9 && kolArg >= 1 && kolArg <= 9) {
        unsigned rijKolom = 0, blok = 0;
        const int rb = ((rijArg - 1) / 3) * 3 + 1, kb = ((kolArg - 1) / 3) * 3 + 1;
        for (int i = 1; i <= 9; ++i) {
            rijKolom |= cijferBit(veld.teken(rijArg, i)) | cijferBit(veld.teken(i, kolArg));
            blok |= cijferBit(veld.teken(rb + (i - 1) / 3, kb + (i - 1) % 3));
        }
        const unsigned aanwezig = rijKolom | blok;
        // A digit that passes the row and column tests reaches the block test, which
        // writes `locatie`.
        if ((~rijKolom & 0x1FEu) != 0) zetTekst(locatie, kolArg);
        const auto& tabel = uitz_tabel;
        for (int n = 1; n <= 8; ++n) {
            const bool uit = (aanwezig >> n & 1u) ||
                             (CONTROL_UITZ && gelijk(tabel(n, rijArg, kolArg), cijferTekst(n)));
            if (uit)
                ++uitgesloten;
            else
                laatsteKandidaat = cijferTekst(n);
        }
        eerste = 9;
    }
    for (int n = eerste; n <= 9; ++n) {
        zetTekst(MOG, n);
        baan = rijArg;
        HORIZON = false;
        ZoekInLijn(MOG, HORIZON, baan, GEV, treffer);
        if (GEV) {
            ++uitgesloten;
            continue;
        }
        baan = kolArg;
        HORIZON = true;
        ZoekInLijn(MOG, HORIZON, baan, GEV, treffer);
        if (GEV) {
            ++uitgesloten;
            continue;
        }
        // The cell's own row was searched above; the block's two other rows remain.
        zetTekst(locatie, kolArg);
        HORIZON = true;
        ZoekInBlok(MOG, HORIZON, rijArg, getalVan(locatie), GEV);
        if (GEV) {
            ++uitgesloten;
            continue;
        }
        if (CONTROL_UITZ) {
            ZoekInUitzTabel(MOG, rijArg, kolArg, GEV);
            if (GEV) {
                ++uitgesloten;
                continue;
            }
        }
        laatsteKandidaat = MOG;
    }

    if (uitgesloten != 8) return;

    MOG = laatsteKandidaat;
    if (CONTROL_UITZ) ui_.zetOpmerk(" Module CEL mbv uitzondering tabel ");
    if (CONTROL_NAKED) {
        switch (ctrl_NKD) {
            case 2: ui_.zetOpmerk(" Module CEL --> Naked Pair "); break;
            case 3: ui_.zetOpmerk(" Module CEL --> Naked Triple "); break;
            case 4: ui_.zetOpmerk(" Module CEL --> Naked Triple *3pairs* "); break;
            default: break;
        }
    }
    PlaatsGetal(rijArg, kolArg, MOG);
    uitz_gedaan = 0;
    WisUitzTabel();
    CONTROL_UITZ = false;
    CONTROL_NAKED = false;
}

}  // namespace sudoku
