#include "cli/spoor_controls.h"

#include "cli/uitleg_uitvoer.h"

namespace sudoku::cli {

void SpoorControls::geplaatst(int rij, int kol, const std::string& getal, const Reden& reden) {
    if (spoor_ != nullptr) *spoor_ << "place " << rij << ' ' << kol << ' ' << getal << '\n';
    if (pad_ == nullptr) return;
    pad_->geplaatst(rij, kol, getal, reden);
    schrijfLaatste();
}

void SpoorControls::gokOngedaan() {
    if (pad_ == nullptr) return;
    pad_->gokOngedaan();
    schrijfLaatste();
}

void SpoorControls::uitsluitingGemaakt(const Uitsluiting& u) {
    if (pad_ == nullptr) return;
    pad_->uitsluitingGemaakt(u);
    schrijfLaatste();
}

void SpoorControls::tabelGewist() {
    if (pad_ == nullptr) return;
    pad_->tabelGewist();
    schrijfLaatste();
}

void SpoorControls::schrijfLaatste() {
    if (stappen_ == nullptr) return;
    if (wilUitleg())
        schrijfUitleg(*stappen_, *pad_, pad_->verloop().size() - 1);
    else
        *stappen_ << pad_->regel(pad_->gebeurtenissen().size() - 1) << '\n';
}

void SpoorControls::zetOpmerk(const std::string& tekst) {
    if (tekst == opmerk_) return;  // the line already shows it: nothing changes on screen
    opmerk_ = tekst;
    HeadlessControls::zetOpmerk(tekst);
    if (spoor_ != nullptr) *spoor_ << "status \"" << tekst << "\"\n";
}

}  // namespace sudoku::cli
