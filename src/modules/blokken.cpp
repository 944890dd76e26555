// The block module: a number missing from a 3x3 block that has one possible cell left
// there is placed; in the exception stage, a number whose two possible cells share a
// row or column is ruled out for the rest of that row or column.
#include "board/sudoku_form.h"

namespace sudoku {

void SudokuForm::ModuleBlokken(Integer& rijArg, Integer& kolArg) {
    toonBanner(Techniek::Blokken);

    // Block index k (1..9, row by row) as row and column offsets.
    auto rijOffset = [](int k) { return (k - 1) / 3; };
    auto kolOffset = [](int k) { return (k - 1) % 3; };

    // Working fields in locals (MOG and HORIZON written on a find or recording), look-ups
    // as bit tests: see "The fast core" in docs/ontwerp.md.
    bool opnieuw = true;
    while (opnieuw) {
        opnieuw = false;
        const int boven = rijArg;
        const int links = kolArg;
        if (boven < 1 || boven > 7 || links < 1 || links > 7) return;  // blocks of the board only

        // Every pass surveys the block afresh, so an earlier placement is seen at once.
        unsigned inBlok = 0;
        for (int k = 1; k <= 9; ++k)
            inBlok |= cijferBit(veld.celTeken(boven + rijOffset(k), links + kolOffset(k)));
        // For each number, the block indexes where it may still go: n is ruled out for
        // an empty cell when it stands in the cell's row or column or, in the exception
        // stage, when the table rules it out. The block itself needs no test: n is
        // missing from it. Nothing of this changes within a pass (see the line module).
        unsigned plekken[10] = {};
        bool leegGezien = false;
        for (int k = 1; k <= 9; ++k) {
            const int r = boven + rijOffset(k), c = links + kolOffset(k);
            if (veld.celTeken(r, c) != ' ') continue;
            leegGezien = true;
            unsigned uit = inBlok | veld.rijBits(r) | veld.kolBits(c);
            if (CONTROL_UITZ) uit |= uitz_tabel.bits(r, c);
            for (unsigned mag = ~uit & 0x3FEu; mag != 0; mag &= mag - 1)
                plekken[__builtin_ctz(mag)] |= 1u << k;
        }
        if (!leegGezien) break;

        for (int n = 1; n <= 9; ++n) {
            if (inBlok >> n & 1u) continue;
            const unsigned m = plekken[n];  // the possible block indexes
            if (m == 0) continue;
            if ((m & (m - 1)) == 0) {  // one possible cell: place n there
                const int laatste = hoogsteBit(m);
                const int r = boven + rijOffset(laatste), c = links + kolOffset(laatste);
                zetGetalTekst(MOG, n);
                Techniek techniek = Techniek::Blokken;
                if (CONTROL_UITZ) toonTechniek(techniek = Techniek::BlokkenUitz);
                zetReden(techniek, Eenheid::blokVan(boven, links));
                if (uitleg()) {
                    // Every other empty cell, by the first test that rules n out there.
                    Bewijs& b = reden_.bewijs;
                    b.soort = Bewijs::Soort::Eenheid;
                    for (int k = 1; k <= 9; ++k) {
                        const int rr = boven + rijOffset(k), cc = links + kolOffset(k);
                        if (k == laatste || veld.celTeken(rr, cc) != ' ') continue;
                        int door = eersteInRij(n, rr);
                        if (door == 0) door = eersteInKolom(n, cc);
                        b.voegToe({celNummer(rr, cc), n, door, 0});
                    }
                    b.enigeLegeVak = b.aantal == 0;
                }
                PlaatsGetal(r, c, MOG);
                opnieuw = true;
                if (CONTROL_UITZ) {
                    // Not SluitUitzFaseAf, on purpose: unlike every other placing module
                    // this one leaves CONTROL_NAKED as it is, so a placement here during
                    // the naked stage keeps that stage running in the passes that follow,
                    // until another module's placement ends it. The solves depend on it.
                    uitz_gedaan = 0;
                    WisUitzTabel();
                    opnieuw = false;
                    CONTROL_UITZ = false;
                }
                break;
            }
            if (CONTROL_UITZ && aantalBits(m) == 2) {
                // The pair (vorige, laatste): same row, adjacent or with a gap, or
                // same column, adjacent or with a gap.
                const int laatste = hoogsteBit(m);
                const int vorige = hoogsteBit(m & ~(1u << laatste));
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
                    zetGetalTekst(MOG, n);
                    VulUitzLijn(MOG, HORIZON, lijn, laatsteArg, SPLIT);
                    if (uitleg()) {
                        // The cause: n's two places in the block, on one line.
                        std::bitset<81> oorzaak;
                        for (int k : {vorige, laatste})
                            oorzaak.set(static_cast<std::size_t>(
                                celNummer(boven + rijOffset(k), links + kolOffset(k)) - 1));
                        meldUitsluiting(Uitsluiting::Soort::BlokInLijn, n, oorzaak,
                                        Eenheid::blokVan(boven, links), Techniek::BlokkenUitz);
                    }
                    uitz_gedaan = plus(uitz_gedaan, 1);
                    uitzMOG = MOG;
                }
            }
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
        if (d != 0 && isLeeg(veld(r, c))) {
            noteerUit(d, r, c);
            uitz_tabel(d, r, c) = getal;
        }
    }
}

}  // namespace sudoku
