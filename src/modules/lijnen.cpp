// The line module: a number missing from a row or column that has one possible cell
// left there is placed; in the exception stage, a number whose possible cells all lie
// in one block segment is ruled out for the rest of that block.
#include "board/sudoku_form.h"

namespace sudoku {

void SudokuForm::ModuleLijnen(Boolean& richting, Integer& rijArg, Integer& kolArg) {
    if (vink(Vink::Module))
        ui_.zetOpmerk(richting ? " Module LIJNEN Horizontaal " : " Module LIJNEN Verticaal ");

    // The cell at position p of the line: a column of row `rijArg`, or a row of column `kolArg`.
    auto celRij = [&](int p) { return richting ? static_cast<int>(rijArg) : p; };
    auto celKol = [&](int p) { return richting ? p : static_cast<int>(kolArg); };

    GEENLEGEPLEK = false;
    GEVELEMENT = true;
    int laatste = 0, midden = 0, eerste = 0;
    Integer treffer = 0;
    while (GEVELEMENT) {
        GEVELEMENT = false;
        plaats.vul(0);
        leeg.vul(0);

        // Every pass surveys the line afresh, so an earlier placement is seen at once.
        int leegAantal = 0;
        for (int p = 1; p <= 9; ++p) {
            const String& cel = veld(celRij(p), celKol(p));
            if (isLeeg(cel)) {
                ++leegAantal;
                leeg(leegAantal, 1) = static_cast<Integer>(p);
            } else if (int d = cijfer(cel); d != 0) {
                plaats(d) = static_cast<Integer>(p);
            }
        }
        if (leegAantal == 0) GEENLEGEPLEK = true;

        lus_rij = 1;
        while (lus_rij <= 9 && !GEENLEGEPLEK) {
            const int n = lus_rij;
            if (plaats(n) == 0) {
                zetTekst(MOG, n);
                for (int k = 1; k <= 9; ++k) leeg(k, 2) = 0;
                EOT = false;
                GEV = false;

                for (int k = 1; k <= 9 && !EOT; ++k) {
                    zetTekst(locatie, leeg(k, 1));
                    const int p = getalVan(locatie);
                    if (p == 0) {
                        EOT = true;
                        continue;
                    }
                    const int r = celRij(p), c = celKol(p);
                    ZoekInBlok(MOG, richting, r, c, GEV);
                    if (!GEV) ZoekInLijn(MOG, richting, p, GEV, treffer);
                    if (!GEV && CONTROL_UITZ) ZoekInUitzTabel(MOG, r, c, GEV);
                    if (GEV) leeg(k, 2) = 1;
                }

                int uitgesloten = 0;
                for (int k = 1; k <= leegAantal; ++k) {
                    if (leeg(k, 2) == 1) {
                        ++uitgesloten;
                    } else {
                        eerste = midden;
                        midden = laatste;
                        laatste = leeg(k, 1);
                    }
                }

                if (uitgesloten == leegAantal - 1) {
                    const int r = celRij(laatste), c = celKol(laatste);
                    if (CONTROL_UITZ) {
                        ui_.zetOpmerk(richting ? " Module LIJNEN Horizontaal mbv uitz tabel "
                                               : " Module LIJNEN Verticaal mbv uitz tabel ");
                        if (CONTROL_NAKED) {
                            switch (ctrl_NKD) {
                                case 2:
                                    ui_.zetOpmerk(richting ? " Module LIJNEN Horizontaal Naked Pair "
                                                           : " Module LIJNEN Verticaal Naked Pair ");
                                    break;
                                case 3:
                                    ui_.zetOpmerk(richting ? " Module LIJNEN Horizontaal Naked Triple "
                                                           : " Module LIJNEN Verticaal Naked Triple ");
                                    break;
                                case 4:
                                    ui_.zetOpmerk(richting
                                                      ? " Module LIJNEN Horizontaal Naked Triple 3pairs "
                                                      : " Module LIJNEN Verticaal Naked Triple 3pairs ");
                                    break;
                                default: break;
                            }
                        }
                    }
                    PlaatsGetal(r, c, MOG);
                    // Start a new pass with number 1 on the updated line.
                    GEVELEMENT = true;
                    lus_rij = 9;
                    if (CONTROL_UITZ) {
                        // In the exception stage one placement per call is enough.
                        uitz_gedaan = 0;
                        WisUitzTabel();
                        GEVELEMENT = false;
                        CONTROL_UITZ = false;
                        CONTROL_NAKED = false;
                    }
                } else if (CONTROL_UITZ) {
                    const int over = leegAantal - uitgesloten;
                    auto leg = [&] {
                        VulUitzBlok(MOG, richting, celRij(laatste), celKol(laatste));
                        uitz_gedaan = plus(uitz_gedaan, 1);
                        uitzMOG = MOG;
                    };
                    auto segmentBegin = [](int p) { return p == 1 || p == 4 || p == 7; };
                    if (over == 2) {
                        if (laatste - 1 == midden && midden != 3 && midden != 6) leg();
                        if (laatste - 2 == midden && segmentBegin(midden)) leg();
                    }
                    if (over == 3) {
                        if (laatste - 1 == midden && midden - 1 == eerste && segmentBegin(eerste)) leg();
                    }
                }
            }
            lus_rij = plus(lus_rij, 1);
        }
    }
}

void SudokuForm::VulUitzBlok(const String& getal, const Boolean& richting, int rijNr, int kolNr) {
    const int d = cijfer(getal);
    if (d == 0 || rijNr < 1 || rijNr > 9 || kolNr < 1 || kolNr > 9) return;
    const int rb = ((rijNr - 1) / 3) * 3 + 1;
    const int kb = ((kolNr - 1) / 3) * 3 + 1;
    if (richting) {
        // the block's two other rows, across its three columns
        for (int r = rb; r < rb + 3; ++r) {
            if (r == rijNr) continue;
            for (int k = kb; k < kb + 3; ++k)
                if (isLeeg(veld(r, k))) uitz_tabel(d, r, k) = getal;
        }
    } else {
        // the block's two other columns, down its three rows
        for (int k = kb; k < kb + 3; ++k) {
            if (k == kolNr) continue;
            for (int r = rb; r < rb + 3; ++r)
                if (isLeeg(veld(r, k))) uitz_tabel(d, r, k) = getal;
        }
    }
}

}  // namespace sudoku
