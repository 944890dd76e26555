#include "form/headless_controls.h"

#include "form/teksten.h"

namespace sudoku {

HeadlessControls::HeadlessControls() {
    // The window as it stands at creation, before Form_Load.
    for (int r = 1; r <= 9; ++r)
        for (int k = 1; k <= 9; ++k) {
            cellen_[r][k] = "1";
            kleuren_[r][k] = KLEUR_VENSTERTEKST;
        }
    for (int i = 1; i <= 9; ++i) oplos_[i] = std::to_string(i);
    opmerk_ = teksten::RASTAVO;
    enabled_ = {true, false, true, false};
    visible_ = {true, true, true, true};
}

void HeadlessControls::zetCelTekst(int rij, int kol, const std::string& tekst) {
    if (geldig(rij) && geldig(kol)) cellen_[rij][kol] = tekst.substr(0, 2);
}

std::string HeadlessControls::celTekst(int rij, int kol) const {
    return geldig(rij) && geldig(kol) ? cellen_[rij][kol] : std::string();
}

void HeadlessControls::zetCelKleur(int rij, int kol, Kleur kleur) {
    if (geldig(rij) && geldig(kol)) kleuren_[rij][kol] = kleur;
}

Kleur HeadlessControls::celKleur(int rij, int kol) const {
    return geldig(rij) && geldig(kol) ? kleuren_[rij][kol] : 0;
}

Kleur HeadlessControls::kleurBijMelding(int rij, int kol) const {
    return geldig(rij) && geldig(kol) ? kleurenBijMelding_[rij][kol] : 0;
}

void HeadlessControls::focusCel(int rij, int kol) {
    focusRij_ = rij;
    focusKol_ = kol;
}

void HeadlessControls::zetOplos(int i, const std::string& tekst) {
    if (geldig(i)) oplos_[i] = tekst;
}

std::string HeadlessControls::oplos(int i) const { return geldig(i) ? oplos_[i] : std::string(); }

void HeadlessControls::zetOpmerk(const std::string& tekst) { opmerk_ = tekst; }

void HeadlessControls::zetKnopEnabled(Knop knop, bool aan) {
    enabled_[static_cast<int>(knop)] = aan;
}

void HeadlessControls::zetKnopVisible(Knop knop, bool zichtbaar) {
    visible_[static_cast<int>(knop)] = zichtbaar;
}

void HeadlessControls::meldingsvenster(const std::string& titel, const std::string& tekst) {
    meldingen_.push_back({titel, tekst});
    bijMelding_ = cellen_;
    kleurenBijMelding_ = kleuren_;
}

}  // namespace sudoku
