// Typing a puzzle in: "Invoer" empties the board, "Bevestig" takes the boxes over.
#include "form/invoer.h"

#include "board/sudoku_form.h"
#include "form/teksten.h"

namespace sudoku {

namespace {
std::string zonderSpaties(const std::string& s) {
    const auto b = s.find_first_not_of(' ');
    if (b == std::string::npos) return "";
    const auto e = s.find_last_not_of(' ');
    return s.substr(b, e - b + 1);
}

// An empty text, "0" and "." all mean an empty cell.
bool leegTeken(const std::string& t) { return t.empty() || t == "0" || t == "."; }
}  // namespace

char vakTeken(const std::string& tekst) {
    const std::string t = zonderSpaties(tekst);
    if (leegTeken(t)) return '.';
    return cijfer(t) != 0 ? t[0] : '\0';
}

void SudokuForm::InvoerCommand_Click() {
    for (int i = 1; i <= 9; ++i)
        for (int k = 1; k <= 9; ++k) ui_.zetCelKleur(i, k, KLEUR_VENSTERTEKST);
    ui_.zetKnopVisible(Knop::Start, false);
    ui_.zetKnopVisible(Knop::Herstart, false);
    for (int d = 1; d <= 9; ++d) aantal(d) = 0;
    for (lus_rij = 1; lus_rij <= 9; lus_rij = plus(lus_rij, 1))
        for (lus_kol = 1; lus_kol <= 9; lus_kol = plus(lus_kol, 1)) {
            veld(lus_rij, lus_kol) = " ";
            ui_.zetCelTekst(lus_rij, lus_kol, " ");
        }
    for (lus_n = 1; lus_n <= 9; lus_n = plus(lus_n, 1)) ui_.zetOplos(lus_n, " ");
    ui_.zetOpmerk(teksten::VUL_IN);
    ui_.zetKnopEnabled(Knop::Invoer, false);
    ui_.zetKnopEnabled(Knop::Bevestig, true);
    // A typed puzzle starts without an earlier solve's history: stale exclusions
    // would spoil its candidates and stale flags its verdict.
    PROBEERUIT_OOIT = false;
    NWGETAL_OOIT = false;
    WisUitzTabel();
}

void SudokuForm::BevInvoerCommand_Click() {
    // Check every box before anything is taken over.
    for (int r = 1; r <= 9; ++r)
        for (int k = 1; k <= 9; ++k) {
            if (vakTeken(ui_.celTekst(r, k)) == '\0') {
                ui_.zetOpmerk(teksten::ongeldigeInvoer(r, k));
                ui_.focusCel(r, k);
                return;
            }
        }

    ui_.zetKnopEnabled(Knop::Invoer, true);
    ui_.zetKnopEnabled(Knop::Start, true);
    for (lus_rij = 1; lus_rij <= 9; lus_rij = plus(lus_rij, 1))
        for (lus_kol = 1; lus_kol <= 9; lus_kol = plus(lus_kol, 1)) {
            const std::string t = ui_.celTekst(lus_rij, lus_kol);
            if (t == " " || t == "  ") {
                veld(lus_rij, lus_kol) = " ";
            } else {
                const std::string getrimd = zonderSpaties(t);
                if (leegTeken(getrimd)) {
                    veld(lus_rij, lus_kol) = " ";
                } else {
                    veld(lus_rij, lus_kol) = getrimd;
                    MOG = getrimd;
                    TelGetal(MOG);
                }
            }
        }
    for (int d = 1; d <= 9; ++d) ToonOplossing(d);
    ui_.zetKnopVisible(Knop::Start, true);
    ui_.zetKnopVisible(Knop::Herstart, true);
    ui_.zetKnopEnabled(Knop::Bevestig, false);
    ui_.zetOpmerk(teksten::DRUK_OP_START);
}

}  // namespace sudoku
