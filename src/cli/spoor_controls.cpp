#include "cli/spoor_controls.h"

namespace sudoku::cli {

void SpoorControls::zetCelKleur(int rij, int kol, Kleur kleur) {
    HeadlessControls::zetCelKleur(rij, kol, kleur);
    // Red is given only by the placing step, right after it has put the number's text
    // into the box, so the box's text now is the number it shows.
    if (spoor_ != nullptr && kleur == KLEUR_ROOD && rij >= 1 && rij <= 9 && kol >= 1 && kol <= 9)
        *spoor_ << "place " << rij << ' ' << kol << ' ' << celTekst(rij, kol) << '\n';
}

void SpoorControls::zetOpmerk(const std::string& tekst) {
    if (tekst == opmerk_) return;  // the line already shows it: nothing changes on screen
    opmerk_ = tekst;
    HeadlessControls::zetOpmerk(tekst);
    if (spoor_ != nullptr) *spoor_ << "status \"" << tekst << "\"\n";
}

}  // namespace sudoku::cli
