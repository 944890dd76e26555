// Booking and showing a placed number: count, completed-digit row, grid, flags.
#include "board/sudoku_form.h"
#include "board/teksten.h"

namespace sudoku {

SudokuForm::SudokuForm(Controls& controls)
    : testcasePad1(standaardPad1()), testcasePad2(standaardPad2()), ui_(controls) {}

void SudokuForm::TelGetal(const String& getal) {
    if (getal == "") return;
    // Only "1".."9" is counted; any other text leaves the counts alone.
    int d = cijfer(getal);
    if (d != 0) aantal(d) = plus(aantal(d), 1);
}

void SudokuForm::ToonOplossing(int getal) {
    for (int k = 1; k <= 9; ++k)
        if (getal == k && aantal(k) == 9) ui_.zetOplos(k, getalTekst(k));
}

void SudokuForm::ToonOplossing(const String& getal) { ToonOplossing(cijfer(getal)); }

void SudokuForm::ToonGevondenGetal(int rijNr, int kolNr) {
    // A row or column outside the board selects no cell box.
    const bool box = rijNr >= 1 && rijNr <= 9 && kolNr >= 1 && kolNr <= 9;
    if (box) {
        ui_.zetCelTekst(rijNr, kolNr, veld(rijNr, kolNr));
        ui_.zetCelKleur(rijNr, kolNr, KLEUR_ROOD);
        reden_.onderGok = PROBEERUIT;
        ui_.geplaatst(rijNr, kolNr, veld(rijNr, kolNr), reden_);
    }
    if (vink(Vink::Tussenstap)) {
        if (box)
            ui_.meldStap(teksten::STAP_TITEL, teksten::stapTekst(rijNr, kolNr), rijNr, kolNr,
                         reden_);
        else
            ui_.meldingsvenster(teksten::STAP_TITEL, teksten::stapTekst(rijNr, kolNr));
    }
    if (box) {
        ui_.zetCelTekst(rijNr, kolNr, veld(rijNr, kolNr));
        ui_.zetCelKleur(rijNr, kolNr, KLEUR_VENSTERTEKST);
    }
    NWGETAL = true;
    NWGETAL_OOIT = true;
    bool alleNegen = true;
    for (int d = 1; d <= 9; ++d)
        if (aantal(d) != 9) alleNegen = false;
    if (alleNegen) KOMPLEET = true;
}

void SudokuForm::PlaatsGetal(int rijNr, int kolNr, const String& getal) {
    veld(rijNr, kolNr) = getal;
    TelGetal(getal);
    ToonOplossing(getal);
    ToonGevondenGetal(rijNr, kolNr);
}

void SudokuForm::ToonBord() {
    for (int d = 1; d <= 9; ++d) ui_.zetOplos(d, " ");
    for (lus_kol = 1; lus_kol <= 9; lus_kol = plus(lus_kol, 1))
        for (lus_rij = 1; lus_rij <= 9; lus_rij = plus(lus_rij, 1))
            ui_.zetCelTekst(lus_rij, lus_kol, veld(lus_rij, lus_kol));
    for (int d = 1; d <= 9; ++d) ToonOplossing(d);
}

void SudokuForm::SluitUitzFaseAf() {
    uitz_gedaan = 0;
    WisUitzTabel();
    CONTROL_UITZ = false;
    CONTROL_NAKED = false;
}

void SudokuForm::WisUitzTabel() {
    // The loops over digit, row and column leave both counters at 10, which also ends
    // any caller's loop on them.
    if (uitz_tabel.gewijzigd()) {
        const bool melden = uitleg() && uitz_tabel.heeftInhoud();
        uitz_tabel.wis();
        uitz_tabel.markeerOngewijzigd();
        if (melden) ui_.tabelGewist();
    }
    lus_rij = 10;
    lus_kol = 10;
}

}  // namespace sudoku
