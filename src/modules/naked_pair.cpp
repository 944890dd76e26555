// Naked pair: two empty cells of one row or column with the same two candidates
// rule those two digits out for the line's other empty cells, through the
// exception table. The cell sweep that follows turns that into placements.
#include "board/sudoku_form.h"

namespace sudoku {

void SudokuForm::PosNaarRijKol(int n, int& rijUit, int& kolUit) {
    rijUit = (n - 1) / 9 + 1;
    kolUit = n - 9 * (rijUit - 1);
}

int SudokuForm::PaarCellen(int (&paarCel)[81]) const {
    int n = 0;
    for (int p = 1; p <= 81; ++p) {
        int r, k;
        PosNaarRijKol(p, r, k);
        if (kandidaten.binnen(r, k).size() == 2) paarCel[n++] = p;
    }
    return n;
}

void SudokuForm::ModuleNakedPair() {
    toonBanner(Techniek::NakedPair);

    // Every two cells with the same candidate string, in cell-number order; only a
    // two-digit string shared by two cells of one row or one column acts. Acting writes
    // only the exception table, so the pairs are acted on as they are found, in the
    // order in which they would have been collected.
    int paarCel[81];
    const int aantal2 = PaarCellen(paarCel);
    for (int i = 0; i < aantal2; ++i) {
        int r1, k1;
        PosNaarRijKol(paarCel[i], r1, k1);
        const String& s1 = kandidaten.binnen(r1, k1);
        for (int j = i + 1; j < aantal2; ++j) {
            int r2, k2;
            PosNaarRijKol(paarCel[j], r2, k2);
            const String& s2 = kandidaten.binnen(r2, k2);
            if (s2[0] != s1[0] || s2[1] != s1[1]) continue;
            const String cijfers[2] = {s1.substr(0, 1), s1.substr(1, 1)};
            // What each recording newly ruled out, with the pair as its cause.
            auto meld = [&](const String& d, const Eenheid& eenheid) {
                if (!uitleg()) return;
                std::bitset<81> paar;
                paar.set(static_cast<std::size_t>(celNummer(r1, k1) - 1));
                paar.set(static_cast<std::size_t>(celNummer(r2, k2) - 1));
                meldUitsluiting(Uitsluiting::Soort::Paar, cijfer(d), paar, eenheid,
                                Techniek::NakedPair, {cijfer(cijfers[0]), cijfer(cijfers[1]), 0});
            };
            if (r1 == r2) {
                for (const String& d : cijfers) {
                    HORIZON = false;
                    ZetUitzPaarLijn(d, HORIZON, r1, k1, k2);
                    meld(d, Eenheid::rij(r1));
                }
            }
            if (k1 == k2) {
                for (const String& d : cijfers) {
                    HORIZON = true;
                    ZetUitzPaarLijn(d, HORIZON, k1, r1, r2);
                    meld(d, Eenheid::kolom(k1));
                }
            }
        }
    }
}

void SudokuForm::ZetUitzPaarLijn(const String& getal, const Boolean& horizontaal, int lijn,
                                 int uitz1, int uitz2) {
    // A digit or line that is not 1..9 has no entry in the table.
    const int d = cijfer(getal);
    const bool geldig = d != 0 && lijn >= 1 && lijn <= 9;
    for (pos = 1; pos <= 9; ++pos) {
        if (pos == uitz1 || pos == uitz2) {
            uitzMOG = getal;  // the pair's own cells keep the digit
        } else if (!geldig) {
            continue;
        } else if (horizontaal) {
            if (isLeeg(veld(pos, lijn))) {
                noteerUit(d, pos, lijn);
                uitz_tabel(d, pos, lijn) = getal;
            }
        } else {
            if (isLeeg(veld(lijn, pos))) {
                noteerUit(d, lijn, pos);
                uitz_tabel(d, lijn, pos) = getal;
            }
        }
    }
}

}  // namespace sudoku
