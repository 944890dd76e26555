#include "cli/spoor_controls.h"

namespace sudoku::cli {

void SpoorControls::geplaatst(int rij, int kol, const std::string& getal) {
    if (spoor_ != nullptr) *spoor_ << "place " << rij << ' ' << kol << ' ' << getal << '\n';
}

void SpoorControls::zetOpmerk(const std::string& tekst) {
    if (tekst == opmerk_) return;  // the line already shows it: nothing changes on screen
    opmerk_ = tekst;
    HeadlessControls::zetOpmerk(tekst);
    if (spoor_ != nullptr) *spoor_ << "status \"" << tekst << "\"\n";
}

}  // namespace sudoku::cli
