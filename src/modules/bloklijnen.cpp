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

    const Techniek techniek = richting ? Techniek::BlokLijnenH : Techniek::BlokLijnenV;
    toonBanner(techniek);

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
        ui_.gokOngedaan();
        herstel_MOG = getal;
        for (int d = 1; d <= 9; ++d) aantal(d) = 0;
        for (lus_kol = 1; lus_kol <= 9; lus_kol = plus(lus_kol, 1))
            for (lus_rij = 1; lus_rij <= 9; lus_rij = plus(lus_rij, 1)) {
                veld(lus_rij, lus_kol) = veld_bewaard(lus_rij, lus_kol);
                if (!isLeeg(veld(lus_rij, lus_kol))) TelGetal(veld(lus_rij, lus_kol));
            }
        ToonBord();

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

        SluitUitzFaseAf();
        PROBEERUIT = false;
    };

    // Working values in locals, look-ups as bit tests: see "The fast core" in docs/ontwerp.md.
    const unsigned bit = 1u << cijferWaarde;
    auto lijnBits = [&](int lijn) { return richting ? veld.rijBits(lijn) : veld.kolBits(lijn); };
    auto kruisBits = [&](int p) { return richting ? veld.kolBits(p) : veld.rijBits(p); };
    if (bandBegin < 1 || bandBegin > 7) return;  // the driver passes bands of the board only
    int metGetal = 0;
    for (int i = 0; i < 3; ++i) metGetal += (lijnBits(bandBegin + i) & bit) != 0;
    if (metGetal != 2) return;

    // The line without the number, and the two with it in band order.
    const int m = (lijnBits(bandBegin) & bit) == 0       ? 1
                  : (lijnBits(bandBegin + 1) & bit) == 0 ? 2
                                                         : 3;
    bandArg = plus(bandArg, m - 1);
    const int a = (m == 1) ? 2 : 1;
    const int b = (m == 3) ? 2 : 3;
    // The first position at which a line of the band holds the number.
    const char c = static_cast<char>('0' + cijferWaarde);
    auto eerstePositie = [&](int i) {
        const int lijn = bandBegin + i - 1;
        int p = 1;
        while ((richting ? veld.celTeken(lijn, p) : veld.celTeken(p, lijn)) != c) ++p;
        return p;
    };
    const int g1 = eerstePositie(a);
    const int g2 = eerstePositie(b);
    int begin;  // first position of the segment
    if (g1 > 3 && g1 < 7)
        begin = g2 > 3 ? 1 : 7;
    else if (g1 >= 7)
        begin = g2 > 3 ? 1 : 4;
    else
        begin = g2 < 7 ? 7 : 4;

    // The segment's empty cells, by offset 1..3.
    int leegOffset[3] = {0, 0, 0};
    int leegAantal = 0;
    for (int o = 1; o <= 3; ++o)
        if (isLeeg(cel(bandArg, begin + o - 1))) leegOffset[leegAantal++] = o;

    int kandidaat[3] = {0, 0, 0};  // candidate positions along the missing line
    int aantalKandidaten;
    int enkelePositie = 0;
    if (leegAantal == 3) {
        aantalKandidaten = 3;
        kandidaat[0] = begin, kandidaat[1] = begin + 1, kandidaat[2] = begin + 2;
    } else if (leegAantal == 2) {
        aantalKandidaten = 2;
        if (leegOffset[0] == 2)
            kandidaat[0] = begin + 1, kandidaat[1] = begin + 2;
        else if (leegOffset[1] == 3)
            kandidaat[0] = begin, kandidaat[1] = begin + 2;
        else
            kandidaat[0] = begin, kandidaat[1] = begin + 1;
    } else {
        aantalKandidaten = 0;
        enkelePositie = leegOffset[0] == 3 ? begin + 2 : leegOffset[0] == 2 ? begin + 1 : begin;
        GEVMOG = true;
    }

    // Which candidate cells lie in a crossing line that lacks the number? The chosen one
    // is the last of them in segment order.
    int zonder = 0, gekozen = 0;
    for (int h = 1; h <= aantalKandidaten; ++h) {
        if ((kruisBits(kandidaat[h - 1]) & bit) == 0) {
            ++zonder;
            gekozen = h;
        }
    }
    if (zonder != 1 && !GEVMOG) {
        bandArg = bandBegin;
        return;
    }

    // A single empty cell whose crossing line already holds the number (only after a wrong
    // guess, or on a board without a solution) leaves the number nowhere to go, as a full
    // segment does; placing it would put it twice in that line.
    const bool enkeleBezet = leegAantal == 1 && (kruisBits(enkelePositie) & bit) != 0;

    bool melden = true;
    // The band and the block of its segment force the number.
    const int segmentBlok =
        richting ? Eenheid::blokNummer(bandBegin, begin) : Eenheid::blokNummer(begin, bandBegin);
    zetReden(techniek,
             {richting ? Eenheid::Soort::Band : Eenheid::Soort::Stapel, bandBegin, segmentBlok});
    if (uitleg() && ((leegAantal == 1 && !enkeleBezet) || gekozen != 0)) {
        // The band's two cells with the number, then each other candidate of the segment
        // by the cell of its crossing line that holds the number.
        Bewijs& bw = reden_.bewijs;
        bw.soort = Bewijs::Soort::Band;
        auto celOp = [&](int lijn, int p) {
            return richting ? celNummer(lijn, p) : celNummer(p, lijn);
        };
        bw.band = {celOp(bandBegin + a - 1, g1), celOp(bandBegin + b - 1, g2)};
        bw.enigeLegeVak = leegAantal == 1;
        for (int h = 1; h <= aantalKandidaten && leegAantal != 1; ++h) {
            if (h == gekozen) continue;
            const int p = kandidaat[h - 1];
            const int door =
                richting ? eersteInKolom(cijferWaarde, p) : eersteInRij(cijferWaarde, p);
            bw.voegToe({celOp(bandArg, p), cijferWaarde, door, 0});
        }
    }
    if (leegAantal == 1 && !enkeleBezet) {
        kruisArg = static_cast<Integer>(enkelePositie);
        veld(rijArg, kolArg) = getal;
        TelGetal(getal);
    } else if (gekozen != 0) {
        kruisArg = static_cast<Integer>(kandidaat[gekozen - 1]);
        veld(rijArg, kolArg) = getal;
        TelGetal(getal);
    } else {
        // The number has nowhere to go in its segment.
        if (PROBEERUIT) {
            // What ended the guess, as the board shows it before the undo: the segment's
            // block lacks the number and every empty cell of it sees one.
            Bewijs tegenspraak;
            if (uitleg()) {
                tegenspraak.soort = Bewijs::Soort::Herstel;
                tegenspraak.tegenspraakCijfer = cijferWaarde;
                tegenspraak.tegenspraakBlok = segmentBlok;
                const int boven = (segmentBlok - 1) / 3 * 3 + 1;
                const int links = (segmentBlok - 1) % 3 * 3 + 1;
                for (int r = boven; r < boven + 3; ++r)
                    for (int k = links; k < links + 3; ++k) {
                        if (veld.celTeken(r, k) != ' ') continue;
                        int door = eersteInRij(cijferWaarde, r);
                        if (door == 0) door = eersteInKolom(cijferWaarde, k);
                        tegenspraak.voegToe({celNummer(r, k), cijferWaarde, door, 0});
                    }
            }
            herstelMislukteGok();
            // With the guess undone, the guessed cell's block can only take the other option.
            zetReden(Techniek::FoutHersteld, Eenheid::blokVan(rijArg, kolArg));
            if (uitleg()) {
                reden_.bewijs = tegenspraak;
                reden_.bewijs.opties = {cijfer(uitprobeeroptie2), 0};
            }
        } else {
            // No guess to undo: no cell was placed, so none is reported; the counter
            // above 99 tells the driver to stop.
            uitz_gedaan = 100;
            melden = false;
        }
        toonTechniek(Techniek::FoutHersteld);
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
