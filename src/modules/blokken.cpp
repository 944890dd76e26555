// The block module: a number missing from a 3x3 block that has one possible cell left
// there is placed; in the exception stage, a number whose two possible cells share a
// row or column is ruled out for the rest of that row or column.
#include "board/sudoku_form.h"

namespace sudoku {

void SudokuForm::ModuleBlokken(Integer& rijArg, Integer& kolArg) {
    if (vink(Vink::Module)) ui_.zetOpmerk(" Module BLOKKEN ");

    // Block index k (1..9, row by row) as row and column offsets.
    auto rijOffset = [](int k) { return (k - 1) / 3; };
    auto kolOffset = [](int k) { return (k - 1) % 3; };

    GEENLEGEPLEK = false;
    GEVELEMENT = true;
    int laatste = 0, vorige = 0;
    Integer treffer = 0;
    while (GEVELEMENT) {
        GEVELEMENT = false;
        plaats.vul(0);
        leeg.vul(0);
        const int boven = rijArg;
        const int links = kolArg;

        // Every pass surveys the block afresh, so an earlier placement is seen at once.
        int leegAantal = 0;
        for (int k = 1; k <= 9; ++k) {
            const String& cel = veld(boven + rijOffset(k), links + kolOffset(k));
            if (isLeeg(cel)) {
                ++leegAantal;
                leeg(leegAantal, 1) = static_cast<Integer>(k);
            } else if (int d = cijfer(cel); d != 0) {
                plaats(d) = static_cast<Integer>(k);
            }
        }
        if (leegAantal == 0) GEENLEGEPLEK = true;

        lus_rij = 1;
        while (lus_rij <= 9 && !GEENLEGEPLEK) {
            const int n = lus_rij;
            if (plaats(n) == 0) {
                zetTekst(MOG, n);
                for (int j = 1; j <= 9; ++j) leeg(j, 2) = 0;
                EOT = false;
                GEV = false;

                // The block needs no test of its own: n is missing from it.
                for (int j = 1; j <= 9 && !EOT; ++j) {
                    zetTekst(locatie, leeg(j, 1));
                    const int k = getalVan(locatie);
                    if (k == 0) {
                        EOT = true;
                        continue;
                    }
                    const int r = boven + rijOffset(k), c = links + kolOffset(k);
                    HORIZON = false;
                    baan = static_cast<Integer>(r);
                    ZoekInLijn(MOG, HORIZON, baan, GEV, treffer);
                    if (!GEV) {
                        baan = static_cast<Integer>(c);
                        HORIZON = true;
                        ZoekInLijn(MOG, HORIZON, baan, GEV, treffer);
                    }
                    if (!GEV && CONTROL_UITZ) ZoekInUitzTabel(MOG, r, c, GEV);
                    if (GEV) leeg(j, 2) = 1;
                }

                int uitgesloten = 0;
                for (int j = 1; j <= leegAantal; ++j) {
                    if (leeg(j, 2) == 1) {
                        ++uitgesloten;
                    } else {
                        vorige = laatste;
                        laatste = leeg(j, 1);
                    }
                }

                if (uitgesloten == leegAantal - 1) {
                    const int r = boven + rijOffset(laatste), c = links + kolOffset(laatste);
                    if (CONTROL_UITZ) ui_.zetOpmerk(" Module BLOKKEN mbv uitz tabel ");
                    PlaatsGetal(r, c, MOG);
                    GEVELEMENT = true;
                    lus_rij = 9;
                    if (CONTROL_UITZ) {
                        uitz_gedaan = 0;
                        WisUitzTabel();
                        GEVELEMENT = false;
                        CONTROL_UITZ = false;
                    }
                } else if (CONTROL_UITZ && leegAantal - uitgesloten == 2) {
                    // The pair (vorige, laatste): same row, adjacent or with a gap, or
                    // same column, adjacent or with a gap.
                    bool leggen = true;
                    int lijn = 0, laatsteArg = 0;
                    if (laatste - 1 == vorige && vorige != 3 && vorige != 6) {
                        HORIZON = false;
                        SPLIT = false;
                        uitzrij = static_cast<Integer>(rijOffset(laatste));
                        lijn = boven + rijOffset(laatste);
                        laatsteArg = links + kolOffset(laatste);
                    } else if (laatste - 2 == vorige && vorige != 2 && vorige != 3 && vorige != 5 &&
                               vorige != 6) {
                        HORIZON = false;
                        SPLIT = true;
                        uitzrij = static_cast<Integer>(rijOffset(laatste));
                        lijn = boven + rijOffset(laatste);
                        laatsteArg = links + 2;
                    } else if (laatste - 3 == vorige) {
                        HORIZON = true;
                        SPLIT = false;
                        uitzkol = static_cast<Integer>(kolOffset(laatste));
                        lijn = links + kolOffset(laatste);
                        laatsteArg = boven + rijOffset(laatste);
                    } else if (laatste - 6 == vorige) {
                        HORIZON = true;
                        SPLIT = true;
                        uitzkol = static_cast<Integer>(kolOffset(laatste));
                        lijn = links + kolOffset(laatste);
                        laatsteArg = boven + 2;
                    } else {
                        leggen = false;
                    }
                    if (leggen) {
                        VulUitzLijn(MOG, HORIZON, lijn, laatsteArg, SPLIT);
                        uitz_gedaan = plus(uitz_gedaan, 1);
                        uitzMOG = MOG;
                    }
                }
            }
            lus_rij = plus(lus_rij, 1);
        }
    }
}

void SudokuForm::VulUitzLijn(const String& getal, const Boolean& richting, int lijn, int laatste,
                             const Boolean& split) {
    const int d = cijfer(getal);
    const int andere = split ? laatste - 2 : laatste - 1;  // the pair's other cell
    for (pos = 1; pos <= 9; pos = plus(pos, 1)) {
        if (pos == laatste || pos == andere) {
            uitzMOG = getal;
            continue;
        }
        const int r = richting ? static_cast<int>(pos) : lijn;
        const int c = richting ? lijn : static_cast<int>(pos);
        if (d != 0 && isLeeg(veld(r, c))) uitz_tabel(d, r, c) = getal;
    }
}

}  // namespace sudoku
