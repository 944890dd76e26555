// Naked triple made of three two-candidate cells (12, 23, 13) in one row or column:
// the three digits are ruled out for the line's other empty cells.
#include <algorithm>
#include <utility>

#include "board/sudoku_form.h"

namespace sudoku {

void SudokuForm::ModuleNakedTriple3Pairs() {
    toonBanner(Techniek::NakedTriple3Pairs);

    // Only cells with two candidates take part; they are taken in cell-number order.
    int paarCel[81];
    const int aantal2 = PaarCellen(paarCel);
    auto positie = [](int r, int k) { return getalTekst(r) + getalTekst(k); };

    for (int i1 = 0; i1 < aantal2; ++i1) {
        int r1, k1;
        PosNaarRijKol(paarCel[i1], r1, k1);
        const String& s1 = kandidaten.binnen(r1, k1);
        const char a1 = s1[0], b1 = s1[1];

        for (int i2 = i1 + 1; i2 < aantal2; ++i2) {
            int r2, k2;
            PosNaarRijKol(paarCel[i2], r2, k2);
            const String& s2 = kandidaten.binnen(r2, k2);
            const char a2 = s2[0], b2 = s2[1];

            if (a1 != a2 && a1 != b2 && b1 != a2 && b1 != b2) continue;  // nothing shared
            char gedeeld, ander1, ander2;
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
            // Two equal pairs give a doubled digit here, which no candidate string is.

            for (int i3 = i2 + 1; i3 < aantal2; ++i3) {
                int r3, k3;
                PosNaarRijKol(paarCel[i3], r3, k3);
                const String& s3 = kandidaten.binnen(r3, k3);
                if (s3[0] != ander1 || s3[1] != ander2) continue;
                const bool inRij = r2 == r1 && r3 == r1, inKolom = k2 == k1 && k3 == k1;
                if (!inRij && !inKolom) continue;
                const String pos1 = positie(r1, k1), pos2 = positie(r2, k2), pos3 = positie(r3, k3);
                const String cijfers[3] = {String(1, gedeeld), String(1, ander1),
                                           String(1, ander2)};
                // What each recording newly ruled out, with the three cells as its cause.
                auto meld = [&](const String& d, const Eenheid& eenheid) {
                    if (!uitleg()) return;
                    std::bitset<81> drietal;
                    for (int c : {celNummer(r1, k1), celNummer(r2, k2), celNummer(r3, k3)})
                        drietal.set(static_cast<std::size_t>(c - 1));
                    std::array<int, 3> set = {gedeeld - '0', ander1 - '0', ander2 - '0'};
                    std::sort(set.begin(), set.end());
                    meldUitsluiting(Uitsluiting::Soort::Drietal, cijfer(d), drietal, eenheid,
                                    Techniek::NakedTriple3Pairs, set);
                };
                if (inRij)
                    for (const String& d : cijfers) {
                        ZetUitzTripleRij(d, pos1, pos2, pos3);
                        meld(d, Eenheid::rij(r1));
                    }
                if (inKolom)
                    for (const String& d : cijfers) {
                        ZetUitzTripleKolom(d, pos1, pos2, pos3);
                        meld(d, Eenheid::kolom(k1));
                    }
            }
        }
    }
}

}  // namespace sudoku
