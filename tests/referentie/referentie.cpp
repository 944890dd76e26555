#include "referentie/referentie.h"

#include <array>
#include <utility>
#include <vector>

namespace sudoku::referentie {

// ---- placing ----

void ReferentieForm::WisUitzTabel() {
    for (int d = 1; d <= 9; ++d)
        for (lus_rij = 1; lus_rij <= 9; lus_rij = plus(lus_rij, 1))
            for (lus_kol = 1; lus_kol <= 9; lus_kol = plus(lus_kol, 1))
                uitz_tabel(d, lus_rij, lus_kol) = " ";
}

void ReferentieForm::PlaatsGetal(int rijNr, int kolNr, const String& getal) {
    veld(rijNr, kolNr) = getal;
    TelGetal(getal);
    ToonOplossing(getal);
    ToonGevondenGetal(rijNr, kolNr);
}

// ---- look-ups ----

void ReferentieForm::ZoekInLijn(const String& getal, const Boolean& richting, int lijn,
                                Boolean& gevonden, Integer& positie) {
    gelijkaan = false;
    positie = 0;
    gevonden = false;
    pos = 1;
    while (pos <= 9 && !gevonden) {
        const String cel = richting ? String(veld(pos, lijn)) : String(veld(lijn, pos));
        if (getal == cel) gelijkaan = true;
        if (gelijkaan) {
            gevonden = true;
            positie = pos;
        }
        pos = plus(pos, 1);
    }
}

void ReferentieForm::ZoekInBlok(const String& getal, const Boolean& richting, int rijNr, int kolNr,
                                Boolean& gevonden) {
    gevonden = false;
    if (rijNr < 1 || rijNr > 9 || kolNr < 1 || kolNr > 9) return;
    // The two other lines of the block that holds line p, lower-numbered first.
    auto andere = [](int p, int& a, int& b) {
        switch ((p - 1) % 3) {
            case 0: a = p + 1, b = p + 2; break;
            case 1: a = p - 1, b = p + 1; break;
            default: a = p - 2, b = p - 1; break;
        }
    };
    auto blokLijnen = [](int p, int lijnen[3]) {
        const int begin = ((p - 1) / 3) * 3 + 1;
        for (int i = 0; i < 3; ++i) lijnen[i] = begin + i;
    };
    int a, b, drie[3];
    if (richting) {
        andere(rijNr, a, b);
        blokLijnen(kolNr, drie);
        for (int r : {a, b})
            for (int k : drie)
                if (String(veld(r, k)) == getal) gevonden = true;
    } else {
        andere(kolNr, a, b);
        blokLijnen(rijNr, drie);
        for (int k : {a, b})
            for (int r : drie)
                if (String(veld(r, k)) == getal) gevonden = true;
    }
}

void ReferentieForm::ZoekInUitzTabel(const String& getal, int rijNr, int kolNr, Boolean& gevonden) {
    gevonden = false;
    const auto& tabel = uitz_tabel;
    if (String(tabel(cijfer(getal), rijNr, kolNr)) == getal) gevonden = true;
}

// ---- cell module and candidate strings ----

void ReferentieForm::ModuleCel(Integer& rijArg, Integer& kolArg) {
    if (vink(Vink::Module)) controls().zetOpmerk(" Module CEL ");
    if (String(veld(rijArg, kolArg)) != " ") return;
    int uitgesloten = 0;
    String laatsteKandidaat;
    Integer treffer = 0;
    GEV = false;
    for (int n = 1; n <= 9; ++n) {
        MOG = getalTekst(n);
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
        locatie = getalTekst(kolArg);
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
    if (CONTROL_UITZ) controls().zetOpmerk(" Module CEL mbv uitzondering tabel ");
    if (CONTROL_NAKED) {
        if (ctrl_NKD == 2) controls().zetOpmerk(" Module CEL --> Naked Pair ");
        if (ctrl_NKD == 3) controls().zetOpmerk(" Module CEL --> Naked Triple ");
        if (ctrl_NKD == 4) controls().zetOpmerk(" Module CEL --> Naked Triple *3pairs* ");
    }
    PlaatsGetal(rijArg, kolArg, MOG);
    uitz_gedaan = 0;
    WisUitzTabel();
    CONTROL_UITZ = false;
    CONTROL_NAKED = false;
}

void ReferentieForm::BepaalCelKandidaten(Integer& rijArg, Integer& kolArg) {
    if (String(veld(rijArg, kolArg)) != " ") return;
    int uitgesloten = 0, behouden = 0;
    Integer positie = 0;
    GEV = false;
    for (int n = 1; n <= 9; ++n) {
        MOG = getalTekst(n);
        baan = rijArg;
        HORIZON = false;
        ZoekInLijn(MOG, HORIZON, baan, GEV, positie);
        if (!GEV) {
            baan = kolArg;
            HORIZON = true;
            ZoekInLijn(MOG, HORIZON, baan, GEV, positie);
        }
        if (!GEV) {
            locatie = getalTekst(kolArg);
            HORIZON = true;
            ZoekInBlok(MOG, HORIZON, rijArg, getalVan(locatie), GEV);
        }
        if (!GEV) ZoekInUitzTabel(MOG, rijArg, kolArg, GEV);
        if (GEV) {
            ++uitgesloten;
        } else {
            ++behouden;
            kandidaat_lijst(behouden) = MOG;
        }
    }
    if (uitgesloten == 7) kandidaten(rijArg, kolArg) = kandidaat_lijst(1) + kandidaat_lijst(2);
    if (uitgesloten == 6)
        kandidaten(rijArg, kolArg) = kandidaat_lijst(1) + kandidaat_lijst(2) + kandidaat_lijst(3);
    if (uitgesloten == 5)
        kandidaten(rijArg, kolArg) =
            kandidaat_lijst(1) + kandidaat_lijst(2) + kandidaat_lijst(3) + kandidaat_lijst(4);
}

// ---- line, block, block-line and trial modules, and the driver ----
// The line module: a number missing from a row or column that has one possible cell
// left there is placed; in the exception stage, a number whose possible cells all lie
// in one block segment is ruled out for the rest of that block.

void ReferentieForm::ModuleLijnen(Boolean& richting, Integer& rijArg, Integer& kolArg) {
    if (vink(Vink::Module))
        controls().zetOpmerk(richting ? " Module LIJNEN Horizontaal "
                                      : " Module LIJNEN Verticaal ");

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
                zetGetalTekst(MOG, n);
                for (int k = 1; k <= 9; ++k) leeg(k, 2) = 0;
                EOT = false;
                GEV = false;

                for (int k = 1; k <= 9 && !EOT; ++k) {
                    zetGetalTekst(locatie, leeg(k, 1));
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
                        controls().zetOpmerk(richting ? " Module LIJNEN Horizontaal mbv uitz tabel "
                                                      : " Module LIJNEN Verticaal mbv uitz tabel ");
                        if (CONTROL_NAKED) {
                            switch (ctrl_NKD) {
                                case 2:
                                    controls().zetOpmerk(
                                        richting ? " Module LIJNEN Horizontaal Naked Pair "
                                                 : " Module LIJNEN Verticaal Naked Pair ");
                                    break;
                                case 3:
                                    controls().zetOpmerk(
                                        richting ? " Module LIJNEN Horizontaal Naked Triple "
                                                 : " Module LIJNEN Verticaal Naked Triple ");
                                    break;
                                case 4:
                                    controls().zetOpmerk(
                                        richting ? " Module LIJNEN Horizontaal Naked Triple 3pairs "
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
                        if (laatste - 1 == midden && midden - 1 == eerste && segmentBegin(eerste))
                            leg();
                    }
                }
            }
            lus_rij = plus(lus_rij, 1);
        }
    }
}

void ReferentieForm::VulUitzBlok(const String& getal, const Boolean& richting, int rijNr,
                                 int kolNr) {
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

// The block module: a number missing from a 3x3 block that has one possible cell left
// there is placed; in the exception stage, a number whose two possible cells share a
// row or column is ruled out for the rest of that row or column.

void ReferentieForm::ModuleBlokken(Integer& rijArg, Integer& kolArg) {
    if (vink(Vink::Module)) controls().zetOpmerk(" Module BLOKKEN ");

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
                zetGetalTekst(MOG, n);
                for (int j = 1; j <= 9; ++j) leeg(j, 2) = 0;
                EOT = false;
                GEV = false;

                // The block needs no test of its own: n is missing from it.
                for (int j = 1; j <= 9 && !EOT; ++j) {
                    zetGetalTekst(locatie, leeg(j, 1));
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
                    if (CONTROL_UITZ) controls().zetOpmerk(" Module BLOKKEN mbv uitz tabel ");
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

void ReferentieForm::VulUitzLijn(const String& getal, const Boolean& richting, int lijn,
                                 int laatste, const Boolean& split) {
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

// The block-line module: a number that stands in two lines of a band must go into the
// third line, inside the one block of the band that lacks it. A segment that must take
// the number but has no empty cell left means the board is contradictory; while a guess
// is in force that undoes the guess.

void ReferentieForm::ModuleBlokLijnen(Boolean& gevonden, String& getal, Integer& rijArg,
                                      Integer& kolArg, Boolean& richting) {
    const int cijferWaarde = cijfer(getal);
    if (cijferWaarde == 0 || aantal(cijferWaarde) == 9) return;

    if (vink(Vink::Module))
        controls().zetOpmerk(richting ? " Module BLOKLIJNEN Horizontaal "
                                      : " Module BLOKLIJNEN Verticaal ");

    // The band argument walks to the missing line; it goes back on leaving.
    Integer& bandArg = richting ? rijArg : kolArg;
    Integer& kruisArg = richting ? kolArg : rijArg;
    const Integer bandBegin = bandArg;
    auto cel = [&](int lijn, int p) -> const String& {
        return richting ? veld(lijn, p) : veld(p, lijn);
    };

    // Undoing a failed guess: back to the board saved before it, with the other
    // option in the guessed cell.
    auto herstelMislukteGok = [&] {
        herstel_MOG = getal;
        for (int d = 1; d <= 9; ++d) aantal(d) = 0;
        for (lus_kol = 1; lus_kol <= 9; lus_kol = plus(lus_kol, 1))
            for (lus_rij = 1; lus_rij <= 9; lus_rij = plus(lus_rij, 1)) {
                veld(lus_rij, lus_kol) = veld_bewaard(lus_rij, lus_kol);
                if (!isLeeg(veld(lus_rij, lus_kol))) TelGetal(veld(lus_rij, lus_kol));
            }
        for (int i = 1; i <= 9; ++i) controls().zetOplos(i, " ");
        for (lus_kol = 1; lus_kol <= 9; lus_kol = plus(lus_kol, 1))
            for (lus_rij = 1; lus_rij <= 9; lus_rij = plus(lus_rij, 1))
                controls().zetCelTekst(lus_rij, lus_kol, veld(lus_rij, lus_kol));
        for (int d = 1; d <= 9; ++d) ToonOplossing(d);

        posUPR = static_cast<Integer>(up1.size() >= 1 ? cijfer(up1.substr(0, 1)) : 0);
        posUPK = static_cast<Integer>(up1.size() >= 2 ? cijfer(up1.substr(1, 1)) : 0);
        // A guessed cell always has a position; without one there is nothing to place.
        if (posUPR != 0 && posUPK != 0) {
            veld(posUPR, posUPK) = uitprobeeroptie2;
            TelGetal(uitprobeeroptie2);
        }
        getal = uitprobeeroptie2;
        rijArg = posUPR;
        kolArg = posUPK;

        uitz_gedaan = 0;
        WisUitzTabel();
        CONTROL_UITZ = false;
        CONTROL_NAKED = false;
        PROBEERUIT = false;
    };

    pos = 1;
    aglb = 0;
    teller = 1;
    blokl_gevonden.vul(0);
    blokl_leeg.vul(0);
    while (teller <= 3) {
        const int lijn = bandBegin + teller - 1;
        pos = 1;  // every line is walked from its first position
        while (pos <= 9 && cel(lijn, pos) != getal) pos = plus(pos, 1);
        if (pos <= 9) {
            blokl_gevonden(teller) = pos;
            aglb = plus(aglb, 1);
        }
        teller = plus(teller, 1);
    }
    if (aglb != 2) {
        bandArg = bandBegin;
        return;
    }

    // The line without the number, and the two with it in band order.
    int m = 1;
    for (int stappen = 0; blokl_gevonden(m) != 0 && stappen < 2; ++stappen) {
        ++m;
        bandArg = plus(bandArg, 1);
    }
    const int a = (m == 1) ? 2 : 1;
    const int b = (m == 3) ? 2 : 3;
    const int g1 = blokl_gevonden(a);
    const int g2 = blokl_gevonden(b);
    if (g1 > 3 && g1 < 7)
        tzcl = g2 > 3 ? 1 : 7;
    else if (g1 >= 7)
        tzcl = g2 > 3 ? 1 : 4;
    else
        tzcl = g2 < 7 ? 7 : 4;

    agvm = 0;
    for (pos = 1; pos <= 3; pos = plus(pos, 1)) {
        if (isLeeg(cel(bandArg, tzcl + pos - 1))) {
            agvm = plus(agvm, 1);
            blokl_leeg(agvm) = pos;
        }
    }

    blokl_segment.vul(0);
    int enkelePositie = 0;
    if (agvm == 3) {
        herhaal = 3;
        blokl_segment(1, 1) = tzcl;
        blokl_segment(2, 1) = plus(tzcl, 1);
        blokl_segment(3, 1) = plus(tzcl, 2);
    } else if (agvm == 2) {
        herhaal = 2;
        if (blokl_leeg(1) == 2) {
            blokl_segment(1, 1) = plus(tzcl, 1);
            blokl_segment(2, 1) = plus(tzcl, 2);
        } else if (blokl_leeg(2) == 3) {
            blokl_segment(1, 1) = tzcl;
            blokl_segment(2, 1) = plus(tzcl, 2);
        } else {
            blokl_segment(1, 1) = tzcl;
            blokl_segment(2, 1) = plus(tzcl, 1);
        }
    } else {
        herhaal = 0;
        enkelePositie = blokl_leeg(1) == 3 ? tzcl + 2 : blokl_leeg(1) == 2 ? tzcl + 1 : tzcl;
        GEVMOG = true;
    }

    // Which candidate cells lie in a crossing line that lacks the number?
    agfalse = 0;
    for (H = 1; H <= herhaal; H = plus(H, 1)) {
        baan = blokl_segment(H, 1);
        ZoekInLijn(getal, richting, baan, GEV, blokl_segment(H, 2));
        if (!GEV) agfalse = plus(agfalse, 1);
    }
    if (agfalse != 1 && !GEVMOG) {
        bandArg = bandBegin;
        return;
    }

    GEV = false;
    while (herhaal >= 1 && !GEV) {
        if (blokl_segment(herhaal, 2) == 0)
            GEV = true;
        else
            herhaal = plus(herhaal, -1);
    }

    // The single empty cell's crossing line, walked with a counter of its own so that no
    // field changes: when it holds the number already, the segment is as full as one
    // without an empty cell.
    bool kruisHeeftGetal = false;
    if (agvm == 1)
        for (int p = 1; p <= 9; ++p)
            if ((richting ? veld(p, enkelePositie) : veld(enkelePositie, p)) == getal)
                kruisHeeftGetal = true;

    bool melden = true;
    if (agvm == 1 && !kruisHeeftGetal) {
        kruisArg = static_cast<Integer>(enkelePositie);
        veld(rijArg, kolArg) = getal;
        TelGetal(getal);
    } else if (herhaal != 0) {
        kruisArg = blokl_segment(herhaal, 1);
        veld(rijArg, kolArg) = getal;
        TelGetal(getal);
    } else {
        // The number has nowhere to go in its segment.
        if (PROBEERUIT) {
            herstelMislukteGok();
        } else {
            // No guess to undo: no cell was placed, so none is reported; the counter
            // above 99 tells the driver to stop.
            uitz_gedaan = 100;
            melden = false;
        }
        controls().zetOpmerk(" Fout hersteld na mislukte gok ");
        if (PROBEERUIT_ONTHOUDEN) {
            getal = herstel_MOG;
            PROBEERUIT_ONTHOUDEN = false;
        }
    }

    if (melden) {
        ToonOplossing(getal);
        ToonGevondenGetal(rijArg, kolArg);
    }
    gevonden = true;
    GEVMOG = false;
    bandArg = bandBegin;
}

// Trial: when nothing else helps, guess the smaller missing digit in a block with two
// empty cells. The board is saved first, so that the block-line module can undo the
// guess and place the other digit when the board turns contradictory.

void ReferentieForm::ModuleUitproberen() {
    if (vink(Vink::Module)) controls().zetOpmerk(" Module Uitproberen ");
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
        PlaatsGetal(posUPR, posUPK, uitprobeeroptie1);
        uitz_gedaan = 0;
        WisUitzTabel();
        CONTROL_UITZ = false;
        CONTROL_NAKED = false;
    }
}

void ReferentieForm::ZoekUitprobeerBlok(Integer& rijArg, Integer& kolArg) {
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

// "Start": runs the modules pass after pass, escalates when a pass places nothing,
// and reports the outcome in Opmerk.

namespace {

// A complete board is only a solution when no row, column or block holds a digit twice.
bool geldigIngevuld(const Bord& veld) {
    for (int eenheid = 0; eenheid < 27; ++eenheid) {
        bool gezien[10] = {};
        for (int j = 0; j < 9; ++j) {
            int r, k;
            if (eenheid < 9) {
                r = eenheid + 1, k = j + 1;
            } else if (eenheid < 18) {
                r = j + 1, k = eenheid - 9 + 1;
            } else {
                const int blok = eenheid - 18;
                r = (blok / 3) * 3 + j / 3 + 1, k = (blok % 3) * 3 + j % 3 + 1;
            }
            const int d = cijfer(veld(r, k));
            if (d == 0 || gezien[d]) return false;
            gezien[d] = true;
        }
    }
    return true;
}

}  // namespace

void ReferentieForm::StartCommand_Click() {
    controls().zetKnopEnabled(Knop::Start, false);
    controls().zetKnopEnabled(Knop::Herstart, true);
    for (int i = 1; i <= 9; ++i)
        for (int k = 1; k <= 9; ++k) controls().zetCelKleur(i, k, KLEUR_GRIJS);
    KOMPLEET = false;
    NWGETAL = true;
    CONTROL_UITZ = false;
    CONTROL_NAKED = false;
    uitz_gedaan = 0;

    bool leegVak = false;
    for (int i = 1; i <= 9; ++i)
        for (int k = 1; k <= 9; ++k)
            if (cijfer(veld(i, k)) == 0) leegVak = true;
    if (!leegVak) {
        KOMPLEET = true;
        controls().zetOpmerk(geldigIngevuld(veld) ? " Sudoku succesvol ingevuld! "
                                                  : " Sudoku ingevuld, maar niet geldig ");
        return;
    }

    auto celSweep = [&] {
        rij = 1;
        for (int i = 0; i < 9; ++i) {
            kol = 1;
            for (int k = 0; k < 9; ++k) {
                ModuleCel(rij, kol);
                kol = plus(kol, 1);
            }
            rij = plus(rij, 1);
        }
    };

    // The block-line phase. A contradiction without a guess to undo leaves the counter
    // above 99 and the board unchanged; it would be met again in every sweep, so it
    // ends the solve. Answers whether the solve goes on.
    auto blokLijnFase = [&]() -> bool {
        MOG.assign(1, '0');  // assign(1, ch) keeps GCC 12 from a false -Wrestrict alarm
        for (int beurt = 1; beurt <= 9; ++beurt) {
            // The module may put another digit into MOG when it undoes a guess.
            MOG = getalTekst(getalVan(MOG) + 1);
            GEVBLOKL = true;
            while (GEVBLOKL) {
                GEVBLOKL = false;
                HORIZON = true;
                rij = 1;
                for (int band = 0; band < 3 && !GEVBLOKL; ++band) {
                    ModuleBlokLijnen(GEVBLOKL, MOG, rij, kol, HORIZON);
                    if (uitz_gedaan > 99) return false;
                    rij = plus(rij, 3);
                }
                kol = 1;
                HORIZON = false;
                for (int band = 0; band < 3 && !GEVBLOKL; ++band) {
                    ModuleBlokLijnen(GEVBLOKL, MOG, rij, kol, HORIZON);
                    if (uitz_gedaan > 99) return false;
                    kol = plus(kol, 3);
                }
            }
        }
        return true;
    };

    passen = 0;
    while (!KOMPLEET && (NWGETAL || uitz_gedaan <= 99)) {
        if (++passen > MAX_PASSEN) {
            // Cannot happen (see MAX_PASSEN); should it ever, the solve still ends.
            controls().zetOpmerk("Jammer niet genoeg kennis om de reeks op te lossen");
            break;
        }
        NWGETAL = false;

        if (!blokLijnFase()) {
            controls().zetOpmerk("Jammer niet genoeg kennis om de reeks op te lossen");
            break;
        }

        for (int i = 1; i <= 9; ++i) {
            HORIZON = true;
            rij = static_cast<Integer>(i);
            ModuleLijnen(HORIZON, rij, kol);
        }
        for (H = 1; H <= 9; H = plus(H, 1)) {
            kol = H;
            HORIZON = false;
            ModuleLijnen(HORIZON, rij, kol);
        }

        rij = 1;
        for (int i = 0; i < 3; ++i) {
            kol = 1;
            for (int k = 0; k < 3; ++k) {
                ModuleBlokken(rij, kol);
                kol = plus(kol, 3);
            }
            rij = plus(rij, 3);
        }

        celSweep();

        if (uitz_gedaan > 50) CONTROL_NAKED = true;

        if (CONTROL_NAKED) {
            kandidaten.vul("");
            lus_n = 1;
            rij = 1;
            while (lus_n <= 9) {
                kol = 1;
                for (int k = 0; k < 9; ++k) {
                    BepaalCelKandidaten(rij, kol);
                    kol = plus(kol, 1);
                }
                rij = plus(rij, 1);
                lus_n = plus(lus_n, 1);
            }

            ModuleNakedPair();
            rij = 1;
            ctrl_NKD = 2;
            celSweep();
            if (!NWGETAL) {
                ModuleNakedTriple();
                rij = 1;
                ctrl_NKD = 3;
                celSweep();
                if (!NWGETAL) {
                    ModuleNakedTriple3Pairs();
                    rij = 1;
                    ctrl_NKD = 4;
                    celSweep();
                }
            }
        }

        if (uitz_gedaan > 90 && controls().vinkWaarde(Vink::Uitproberen) == 1) ModuleUitproberen();

        if (KOMPLEET) {
            if (!geldigIngevuld(veld))
                controls().zetOpmerk(" Sudoku ingevuld, maar niet geldig ");
            else if (PROBEERUIT_OOIT)
                controls().zetOpmerk(" Sudoku succesvol ingevuld! (na een gok) ");
            else
                controls().zetOpmerk(" Sudoku succesvol ingevuld! ");
        } else if (NWGETAL) {
            if (CONTROL_UITZ) {
                CONTROL_UITZ = false;
                CONTROL_NAKED = false;
            }
        } else if (uitz_gedaan > 99) {
            controls().zetOpmerk("Jammer niet genoeg kennis om de reeks op te lossen");
        } else {
            uitz_gedaan = plus(uitz_gedaan, 10);
            CONTROL_UITZ = true;
        }
    }

    if (!KOMPLEET) {
        const std::string oordeel = NWGETAL_OOIT
                                        ? "Jammer niet genoeg kennis om de reeks op te lossen"
                                        : "Jammer, waarschijnlijk is de invoer niet kompleet";
        if (controls().opmerk() != oordeel) controls().zetOpmerk(oordeel);
    }
}

// ---- naked-set modules ----

namespace {
struct Paar {
    String kandidaat;  // the shared candidate string
    String positie1;   // row digit, column digit
    String positie2;
};

// One character of a text as a text, "" past its end.
String letter(const String& s, std::size_t i) { return i < s.size() ? s.substr(i, 1) : String(); }
}  // namespace

void ReferentieForm::ModuleNakedPair() {
    if (vink(Vink::Module)) controls().zetOpmerk(" Module Naked Pair ");

    // Every two cells with equal candidate strings, whatever their length or
    // place; the act step sorts out which of them matter. The list grows with
    // what is found, so a board full of equal strings cannot overrun it.
    std::vector<Paar> paren;
    for (int p1 = 1; p1 <= 81; ++p1) {
        int r1, k1;
        PosNaarRijKol(p1, r1, k1);
        const String s1 = kandidaten(r1, k1);
        if (s1 == "") continue;
        for (int p2 = p1 + 1; p2 <= 81; ++p2) {
            int r2, k2;
            PosNaarRijKol(p2, r2, k2);
            const String& s2 = kandidaten(r2, k2);
            if (s2 != "" && s2 == s1)
                paren.push_back(
                    {s1, getalTekst(r1) + getalTekst(k1), getalTekst(r2) + getalTekst(k2)});
        }
    }

    std::vector<String> cijfers(10);
    for (const Paar& paar : paren) {
        std::size_t j = 1;
        while (letter(paar.kandidaat, j - 1) != "") {
            if (j >= cijfers.size()) cijfers.resize(j + 1);
            cijfers[j] = letter(paar.kandidaat, j - 1);
            ++j;
        }
        const String ra = letter(paar.positie1, 0), ka = letter(paar.positie1, 1);
        const String rb = letter(paar.positie2, 0), kb = letter(paar.positie2, 1);
        // only a pair of two-digit strings is a naked pair
        if (j != 3) continue;
        if (ra == rb) {
            for (std::size_t d = 1; d <= 2 && cijfers[d] != ""; ++d) {
                HORIZON = false;
                ZetUitzPaarLijn(cijfers[d], HORIZON, getalVan(ra), getalVan(ka), getalVan(kb));
            }
        }
        if (ka == kb) {
            for (std::size_t d = 1; d <= 2 && cijfers[d] != ""; ++d) {
                HORIZON = true;
                ZetUitzPaarLijn(cijfers[d], HORIZON, getalVan(ka), getalVan(ra), getalVan(rb));
            }
        }
    }
}

namespace {

struct Partner {
    String kandidaat = " ";
    String positie = " ";
    String eenheid = " ";  // "B" block, "R" row, "K" column, " " unused
};

struct Resultaat {
    String drietal;  // the triple cell's three candidates
    String positie;  // the triple cell
    std::array<Partner, 5> partners;
};

// The two partner positions kept per unit while a result row is judged.
struct Plekken {
    String plek1;
    String plek2;
};

void bewaarPlek(Plekken& p, int teller, const String& positie) {
    if (teller == 2)
        p.plek2 = positie;
    else
        p.plek1 = positie;
}
}  // namespace

void ReferentieForm::ModuleNakedTriple() {
    if (vink(Vink::Module)) controls().zetOpmerk(" Module Naked Triple ");

    struct Drietal {
        String kandidaat;
        String positie;
    };
    std::vector<Drietal> drietallen;
    for (int n = 1; n <= 81; ++n) {
        int r, k;
        PosNaarRijKol(n, r, k);
        if (kandidaten(r, k).size() == 3)
            drietallen.push_back({kandidaten(r, k), getalTekst(r) + getalTekst(k)});
    }

    // Sized to what is found, so no board can overrun the result or unit tables.
    std::vector<Resultaat> resultaten;
    for (const Drietal& dt : drietallen) {
        const String& s = dt.kandidaat;
        const String& pT = dt.positie;
        const String rT = letter(pT, 0), kT = letter(pT, 1);
        const String p12 = letter(s, 0) + letter(s, 1);
        const String p13 = letter(s, 0) + letter(s, 2);
        const String p23 = letter(s, 1) + letter(s, 2);

        // At most the 20 cells that share a unit with the triple cell are recorded.
        std::vector<Partner> partners;

        // Records the cell under its first shared unit: block before row before column.
        auto neemOp = [&](int r2, int k2) {
            const String tr = getalTekst(r2), tk = getalTekst(k2);
            String eenheid;
            ZelfdeBlok(tr, tk, rT, kT, GEV);
            if (GEV) {
                eenheid = "B";
            } else {
                ZelfdeRij(tr, tk, rT, kT, GEV);
                if (GEV) {
                    eenheid = "R";
                } else {
                    ZelfdeKolom(tr, tk, rT, kT, GEV);
                    if (GEV) eenheid = "K";
                }
            }
            if (eenheid != "") partners.push_back({kandidaten(r2, k2), tr + tk, eenheid});
        };
        auto paarScan = [&](int n, const String& paar) {
            int r2, k2;
            PosNaarRijKol(n, r2, k2);
            const String& s2 = kandidaten(r2, k2);
            if (s2.size() == 2 && s2 == paar) neemOp(r2, k2);
        };

        for (int n = 1; n <= 81; ++n) paarScan(n, p12);
        for (int n = 1; n <= 81; ++n) paarScan(n, p13);
        // this scan counts on the form's row counter, which it leaves at 82
        for (lus_rij = 1; lus_rij <= 81; ++lus_rij) paarScan(lus_rij, p23);
        for (int n = 1; n <= 81; ++n) {
            int r2, k2;
            PosNaarRijKol(n, r2, k2);
            const String& s2 = kandidaten(r2, k2);
            if (s2.size() == 3 && s2 == s && getalTekst(r2) + getalTekst(k2) != pT) neemOp(r2, k2);
        }

        if (partners.size() >= 2) {
            Resultaat res{s, pT, {}};
            // the first five partners are kept, unused slots stay " "
            for (std::size_t i = 0; i < 5 && i < partners.size(); ++i)
                res.partners[i] = partners[i];
            resultaten.push_back(res);
        }
    }

    std::vector<Plekken> blokPlek(resultaten.size()), rijPlek(resultaten.size()),
        kolPlek(resultaten.size());
    for (int ronde = 1; ronde <= 2; ++ronde) {
        for (std::size_t t = 0; t < resultaten.size(); ++t) {
            const Resultaat& res = resultaten[t];
            const String cijfers[3] = {letter(res.drietal, 0), letter(res.drietal, 1),
                                       letter(res.drietal, 2)};
            int cB = 0, cR = 0, cK = 0;
            for (const Partner& p : res.partners) {
                if (p.eenheid == "B") {
                    bewaarPlek(blokPlek[t], ++cB, p.positie);
                } else if (p.eenheid == "R") {
                    bewaarPlek(rijPlek[t], ++cR, p.positie);
                } else if (p.eenheid == "K") {
                    bewaarPlek(kolPlek[t], ++cK, p.positie);
                }
            }
            // A unit acts only with exactly two partners in it.
            if (cB == 2)
                for (const String& d : cijfers)
                    ZetUitzTripleBlok(d, res.positie, blokPlek[t].plek1, blokPlek[t].plek2);
            if (cR == 2)
                for (const String& d : cijfers)
                    ZetUitzTripleRij(d, res.positie, rijPlek[t].plek1, rijPlek[t].plek2);
            if (cK == 2)
                for (const String& d : cijfers)
                    ZetUitzTripleKolom(d, res.positie, kolPlek[t].plek1, kolPlek[t].plek2);
        }
        if (ronde == 1) {
            // Block partners that also share the triple cell's row or column count
            // for that line in the second round (the fifth slot is left as it is).
            for (Resultaat& res : resultaten) {
                const String rT = letter(res.positie, 0), kT = letter(res.positie, 1);
                for (std::size_t i = 0; i < 4; ++i) {
                    Partner& p = res.partners[i];
                    if (p.eenheid != "B") continue;
                    const String r2 = letter(p.positie, 0), k2 = letter(p.positie, 1);
                    ZelfdeRij(r2, k2, rT, kT, GEV);
                    if (GEV) {
                        p.eenheid = "R";
                    } else {
                        ZelfdeKolom(r2, k2, rT, kT, GEV);
                        if (GEV) p.eenheid = "K";
                    }
                }
            }
        }
    }
}

namespace {}  // namespace

void ReferentieForm::ModuleNakedTriple3Pairs() {
    if (vink(Vink::Module)) controls().zetOpmerk(" Module Naked Triple *3pairs* ");

    for (int p1 = 1; p1 <= 81; ++p1) {
        int r1, k1;
        PosNaarRijKol(p1, r1, k1);
        const String s1 = kandidaten(r1, k1);
        if (s1 == "" || s1.size() != 2) continue;
        const String a1 = letter(s1, 0), b1 = letter(s1, 1);
        const String pos1 = getalTekst(r1) + getalTekst(k1);

        for (int p2 = p1 + 1; p2 <= 81; ++p2) {
            int r2, k2;
            PosNaarRijKol(p2, r2, k2);
            const String s2 = kandidaten(r2, k2);
            if (s2 == "" || s2.size() != 2) continue;
            const String a2 = letter(s2, 0), b2 = letter(s2, 1);
            const String pos2 = getalTekst(r2) + getalTekst(k2);

            if (a1 != a2 && a1 != b2 && b1 != a2 && b1 != b2) continue;  // nothing shared
            String gedeeld, ander1, ander2;
            if (a1 == a2) {
                gedeeld = a1, ander1 = b1, ander2 = b2;
            } else if (b1 == a2) {
                gedeeld = a2, ander1 = a1, ander2 = b2;
            } else if (a1 == b2) {
                gedeeld = b2, ander1 = a2, ander2 = b1;
            } else {
                gedeeld = b2, ander1 = a1, ander2 = a2;
            }
            if (ander2 < ander1) std::swap(ander1, ander2);
            const String cijfers[3] = {gedeeld, ander1, ander2};
            // Two equal pairs give a doubled digit here, which no candidate string is.
            const String derdePaar = ander1 + ander2;

            for (int p3 = p2 + 1; p3 <= 81; ++p3) {
                int r3, k3;
                PosNaarRijKol(p3, r3, k3);
                const String& s3 = kandidaten(r3, k3);
                if (s3 == "" || s3.size() != 2 || s3 != derdePaar) continue;
                const String pos3 = getalTekst(r3) + getalTekst(k3);
                if (r2 == r1 && r3 == r1)
                    for (const String& d : cijfers) ZetUitzTripleRij(d, pos1, pos2, pos3);
                if (k2 == k1 && k3 == k1)
                    for (const String& d : cijfers) ZetUitzTripleKolom(d, pos1, pos2, pos3);
            }
        }
    }
}

}  // namespace sudoku::referentie
