// Candidate strings: the digits that remain for an empty cell, kept when two, three
// or four of them remain, for the naked-set modules.
#include <bit>

#include "board/sudoku_form.h"

namespace sudoku {

void SudokuForm::BepaalCelKandidaten(Integer& rijArg, Integer& kolArg) {
    if (!isLeeg(veld(rijArg, kolArg))) return;
    if (rijArg < 1 || rijArg > 9 || kolArg < 1 || kolArg > 9) return;  // cells of the board only
    // Ruled out by the row, the column, the block or (unlike the cell module, always)
    // the exception table. The look-ups' side effects and `kandidaat_lijst` stay out of
    // the fields: see "The fast core" in docs/ontwerp.md.
    const unsigned uit = veld.rijBits(rijArg) | veld.kolBits(kolArg) |
                         veld.blokBits(rijArg, kolArg) | uitz_tabel.bits(rijArg, kolArg);
    unsigned over = ~uit & 0x3FEu;
    const int aantalOver = aantalBits(over);
    if (aantalOver < 2 || aantalOver > 4) return;  // one digit, none, or five or more
    char tekens[4];
    int n = 0;
    for (; over != 0; over &= over - 1)
        tekens[n++] = static_cast<char>('0' + std::countr_zero(over));
    kandidaten(rijArg, kolArg).assign(tekens, static_cast<std::size_t>(n));
}

}  // namespace sudoku
