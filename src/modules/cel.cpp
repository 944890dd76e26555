// The cell module: an empty cell where eight of the nine digits are ruled out gets
// the ninth.
#include <bit>

#include "board/sudoku_form.h"

namespace sudoku {

void SudokuForm::ModuleCel(Integer& rijArg, Integer& kolArg) {
    toonBanner(Techniek::Cel);
    if (!isLeeg(veld(rijArg, kolArg))) return;
    // The driver passes cells of the board only.
    if (rijArg < 1 || rijArg > 9 || kolArg < 1 || kolArg > 9) return;

    // A digit is ruled out when its row, its column or its block holds it, or, in the
    // exception stage, when the exception table does. The look-ups' side effects stay
    // out of the fields: see "The fast core" in docs/ontwerp.md.
    unsigned uit = veld.rijBits(rijArg) | veld.kolBits(kolArg) | veld.blokBits(rijArg, kolArg);
    if (CONTROL_UITZ) uit |= uitz_tabel.bits(rijArg, kolArg);
    const unsigned over = ~uit & 0x3FEu;
    if (aantalBits(over) != 1) return;  // eight ruled out, one survives

    zetGetalTekst(MOG, std::countr_zero(over));
    // The reason is the text the module leaves showing: the stage's, the naked one last.
    Techniek techniek = Techniek::Cel;
    if (CONTROL_UITZ) toonTechniek(techniek = *techniekIn(Techniek::Cel, Fase::Uitz));
    if (const auto naked = nakedNu()) toonTechniek(techniek = *techniekIn(Techniek::Cel, *naked));
    zetReden(techniek, Eenheid::cel(rijArg, kolArg));
    if (uitleg()) {
        // Each other digit, by the first test that rules it out: row, column, block, table.
        Bewijs& b = reden_.bewijs;
        b.soort = Bewijs::Soort::Cel;
        const int geplaatst = std::countr_zero(over);
        for (int e = 1; e <= 9; ++e) {
            if (e == geplaatst) continue;
            int door = eersteInRij(e, rijArg);
            if (door == 0) door = eersteInKolom(e, kolArg);
            if (door == 0) door = eersteInBlok(e, rijArg, kolArg);
            b.voegToe({celNummer(rijArg, kolArg), e, door, 0});
        }
    }
    PlaatsGetal(rijArg, kolArg, MOG);
    SluitUitzFaseAf();
}

}  // namespace sudoku
