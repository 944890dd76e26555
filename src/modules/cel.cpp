// The cell module: an empty cell where eight of the nine digits are ruled out gets
// the ninth.
#include "board/sudoku_form.h"

namespace sudoku {

void SudokuForm::ModuleCel(Integer& rijArg, Integer& kolArg) {
    if (vink(Vink::Module)) ui_.zetOpmerk(" Module CEL ");
    if (veld(rijArg, kolArg) != " ") return;

    int uitgesloten = 0;
    String laatsteKandidaat;
    Integer treffer = 0;  // hit position of the line look-ups, not used here
    GEV = false;
    for (int n = 1; n <= 9; ++n) {
        MOG = cijferTekst(n);
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
        locatie = tekst(kolArg);
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
    veld(rijArg, kolArg) = MOG;
    TelGetal(MOG);
    ToonOplossing(MOG);
    ToonGevondenGetal(rijArg, kolArg);
    uitz_gedaan = 0;
    WisUitzTabel();
    CONTROL_UITZ = false;
    CONTROL_NAKED = false;
}

}  // namespace sudoku
