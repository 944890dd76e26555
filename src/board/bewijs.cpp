// What the explanations need of the board: where a digit stands, and the report of what a
// recording procedure newly ruled out.
#include "board/sudoku_form.h"

namespace sudoku {

int SudokuForm::eersteInRij(int d, int r) const {
    const char c = static_cast<char>('0' + d);
    for (int k = 1; k <= 9; ++k)
        if (veld.celTeken(r, k) == c) return celNummer(r, k);
    return 0;
}

int SudokuForm::eersteInKolom(int d, int k) const {
    const char c = static_cast<char>('0' + d);
    for (int r = 1; r <= 9; ++r)
        if (veld.celTeken(r, k) == c) return celNummer(r, k);
    return 0;
}

int SudokuForm::eersteInBlok(int d, int r, int k) const {
    const char c = static_cast<char>('0' + d);
    const int boven = (r - 1) / 3 * 3 + 1, links = (k - 1) / 3 * 3 + 1;
    for (int i = boven; i < boven + 3; ++i)
        for (int j = links; j < links + 3; ++j)
            if (veld.celTeken(i, j) == c) return celNummer(i, j);
    return 0;
}

void SudokuForm::meldUitsluiting(Uitsluiting::Soort soort, int d, const std::bitset<81>& oorzaak,
                                 const Eenheid& eenheid, Techniek techniek,
                                 std::array<int, 3> set) {
    if (nieuwUit_.none()) return;  // nothing changed: nothing to tell
    Uitsluiting u;
    u.soort = soort;
    u.cijfer = d;
    u.cellen = nieuwUit_;
    u.oorzaak = oorzaak;
    u.set = set;
    u.techniek = techniek;
    u.eenheid = eenheid;
    nieuwUit_.reset();
    ui_.uitsluitingGemaakt(u);
}

}  // namespace sudoku
