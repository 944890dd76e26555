// The line module: a number missing from a row or column that has one possible cell
// left there is placed; in the exception stage, a number whose possible cells all lie
// in one block segment is ruled out for the rest of that block.
#include "board/sudoku_form.h"

namespace sudoku {

void SudokuForm::ModuleLijnen(Boolean& richting, Integer& rijArg, Integer& kolArg) {
    const Techniek basis = richting ? Techniek::LijnenH : Techniek::LijnenV;
    toonBanner(basis);

    const int lijn = richting ? rijArg : kolArg;
    if (lijn < 1 || lijn > 9) return;  // the driver passes lines of the board only
    // The cell at position p of the line: a column of row `lijn`, or a row of column `lijn`.
    auto celRij = [&](int p) { return richting ? lijn : p; };
    auto celKol = [&](int p) { return richting ? p : lijn; };
    // The line that crosses this one at position p: its digits as bits.
    auto kruisBits = [&](int p) { return richting ? veld.kolBits(p) : veld.rijBits(p); };

    // Working fields in locals (MOG written on a find or recording), look-ups as bit
    // tests: see "The fast core" in docs/ontwerp.md.
    bool opnieuw = true;
    while (opnieuw) {
        opnieuw = false;
        // Every pass surveys the line afresh, so an earlier placement is seen at once.
        // For each number, the positions where it may still go: n is ruled out for an
        // empty cell when it stands in the cell's block (outside this line, as n is
        // missing from the line), in the crossing line, or, in the exception stage,
        // when the table rules it out. Nothing of this changes within a pass: a
        // placement ends the pass, and a recording only touches its own number.
        const unsigned inLijn = richting ? veld.rijBits(lijn) : veld.kolBits(lijn);
        unsigned plekken[10] = {};
        bool leegGezien = false;
        for (int p = 1; p <= 9; ++p) {
            const int r = celRij(p), c = celKol(p);
            if (veld.celTeken(r, c) != ' ') continue;
            leegGezien = true;
            unsigned uit = inLijn | veld.blokBits(r, c) | kruisBits(p);
            if (CONTROL_UITZ) uit |= uitz_tabel.bits(r, c);
            for (unsigned mag = ~uit & 0x3FEu; mag != 0; mag &= mag - 1)
                plekken[__builtin_ctz(mag)] |= 1u << p;
        }
        if (!leegGezien) break;

        for (int n = 1; n <= 9; ++n) {
            if (inLijn >> n & 1u) continue;
            const unsigned m = plekken[n];  // the possible positions
            if (m == 0) continue;
            if ((m & (m - 1)) == 0) {  // one possible position: place n there
                const int laatste = hoogsteBit(m);
                const int r = celRij(laatste), c = celKol(laatste);
                zetGetalTekst(MOG, n);
                // The reason is the text the module leaves showing, or its banner.
                Techniek techniek = basis;
                if (CONTROL_UITZ) {
                    toonTechniek(techniek = *techniekIn(basis, Fase::Uitz));
                    if (const auto naked = nakedNu())
                        toonTechniek(techniek = *techniekIn(basis, *naked));
                }
                zetReden(techniek, richting ? Eenheid::rij(lijn) : Eenheid::kolom(lijn));
                if (uitleg()) {
                    // Every other empty cell, by the first test that rules n out there.
                    Bewijs& b = reden_.bewijs;
                    b.soort = Bewijs::Soort::Eenheid;
                    for (int p = 1; p <= 9; ++p) {
                        const int rr = celRij(p), cc = celKol(p);
                        if (p == laatste || veld.celTeken(rr, cc) != ' ') continue;
                        int door = eersteInBlok(n, rr, cc);
                        if (door == 0) door = richting ? eersteInKolom(n, cc) : eersteInRij(n, rr);
                        b.voegToe({celNummer(rr, cc), n, door, 0});
                    }
                    b.enigeLegeVak = b.aantal == 0;
                }
                PlaatsGetal(r, c, MOG);
                // Start a new pass with number 1 on the updated line.
                opnieuw = true;
                if (CONTROL_UITZ) {
                    // In the exception stage one placement per call is enough.
                    SluitUitzFaseAf();
                    opnieuw = false;
                }
                break;
            }
            if (CONTROL_UITZ) {
                // Two or three possible positions in one block segment: the last three
                // in line order decide.
                const int over = aantalBits(m);
                if (over > 3) continue;
                const int laatste = hoogsteBit(m);
                const unsigned m2 = m & ~(1u << laatste);
                const int midden = hoogsteBit(m2);
                const unsigned m3 = m2 & ~(1u << midden);
                const int eerste = m3 ? hoogsteBit(m3) : 0;
                auto leg = [&] {
                    zetGetalTekst(MOG, n);
                    VulUitzBlok(MOG, richting, celRij(laatste), celKol(laatste));
                    if (uitleg()) {
                        // The cause: n's places in the line, all in one block.
                        std::bitset<81> oorzaak;
                        for (unsigned b = m; b != 0; b &= b - 1) {
                            const int p = __builtin_ctz(b);
                            oorzaak.set(
                                static_cast<std::size_t>(celNummer(celRij(p), celKol(p)) - 1));
                        }
                        // As the module would name a placement now: the exception stage,
                        // or the naked variant that ran last.
                        meldUitsluiting(Uitsluiting::Soort::LijnInBlok, n, oorzaak,
                                        richting ? Eenheid::rij(lijn) : Eenheid::kolom(lijn),
                                        *techniekIn(basis, nakedNu().value_or(Fase::Uitz)));
                    }
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
                if (isLeeg(veld(r, k))) {
                    noteerUit(d, r, k);
                    uitz_tabel(d, r, k) = getal;
                }
        }
    } else {
        // the block's two other columns, down its three rows
        for (int k = kb; k < kb + 3; ++k) {
            if (k == kolNr) continue;
            for (int r = rb; r < rb + 3; ++r)
                if (isLeeg(veld(r, k))) {
                    noteerUit(d, r, k);
                    uitz_tabel(d, r, k) = getal;
                }
        }
    }
}

}  // namespace sudoku
