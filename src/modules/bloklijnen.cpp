// The block-line module: a number that stands in two lines of a band must go into the
// third line, inside the one block of the band that lacks it. A segment that must take
// the number but has no empty cell left means the board is contradictory; while a guess
// is in force that undoes the guess.
#include "board/sudoku_form.h"

namespace sudoku {

void SudokuForm::ModuleBlokLijnen(Boolean& gevonden, String& getal, Integer& rijArg,
                                  Integer& kolArg, Boolean& richting) {
    const int cijferWaarde = cijfer(getal);
    if (cijferWaarde == 0 || aantal(cijferWaarde) == 9) return;

    if (vink(Vink::Module))
        ui_.zetOpmerk(richting ? " Module BLOKLIJNEN Horizontaal " : " Module BLOKLIJNEN Verticaal ");

    // The band argument walks to the missing line; it goes back on leaving.
    Integer& bandArg = richting ? rijArg : kolArg;
    Integer& kruisArg = richting ? kolArg : rijArg;
    const Integer bandBegin = bandArg;
    auto cel = [&](int lijn, int p) -> const String& { return richting ? veld(lijn, p) : veld(p, lijn); };

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
        for (int i = 1; i <= 9; ++i) ui_.zetOplos(i, " ");
        for (lus_kol = 1; lus_kol <= 9; lus_kol = plus(lus_kol, 1))
            for (lus_rij = 1; lus_rij <= 9; lus_rij = plus(lus_rij, 1))
                ui_.zetCelTekst(lus_rij, lus_kol, veld(lus_rij, lus_kol));
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
        const char c = getal[0];  // a digit: checked on entry
        const bool opBord = lijn >= 1 && lijn <= 9;
        while (pos <= 9 && (!opBord || (richting ? veld.teken(lijn, pos) : veld.teken(pos, lijn)) != c))
            pos = plus(pos, 1);
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

    bool melden = true;
    if (agvm == 1) {
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
        ui_.zetOpmerk(" Fout hersteld na mislukte gok ");
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

}  // namespace sudoku
