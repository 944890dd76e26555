// Controls without a window: keeps what the core did to each control so that tests
// and the command-line program can read it back.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "board/controls.h"

namespace sudoku {

class HeadlessControls : public Controls {
public:
    struct Melding {
        std::string titel;
        std::string tekst;
    };

    HeadlessControls();

    void zetCelTekst(int rij, int kol, const std::string& tekst) override;
    std::string celTekst(int rij, int kol) const override;
    void zetCelKleur(int rij, int kol, Kleur kleur) override;
    void focusCel(int rij, int kol) override;
    void zetOplos(int i, const std::string& tekst) override;
    void zetOpmerk(const std::string& tekst) override;
    std::string opmerk() const override { return opmerk_; }
    void zetKnopEnabled(Knop knop, bool aan) override;
    void zetKnopVisible(Knop knop, bool zichtbaar) override;
    int vinkWaarde(Vink vink) const override { return vinken_[static_cast<int>(vink)]; }
    void meldingsvenster(const std::string& titel, const std::string& tekst) override;
    void geplaatst(int, int, const std::string&, const Reden& reden) override {
        laatsteReden_ = reden;
    }
    void gokOngedaan() override { ++gokkenOngedaan_; }

    // Read-back and setting, for tests and the command line.
    Kleur celKleur(int rij, int kol) const;
    std::string oplos(int i) const;
    bool knopEnabled(Knop knop) const { return enabled_[static_cast<int>(knop)]; }
    bool knopVisible(Knop knop) const { return visible_[static_cast<int>(knop)]; }
    void zetVink(Vink vink, int waarde) { vinken_[static_cast<int>(vink)] = waarde; }
    const std::vector<Melding>& meldingen() const { return meldingen_; }
    int focusRij() const { return focusRij_; }
    int focusKol() const { return focusKol_; }
    // Cell texts as they stood while the last message box was open.
    const std::array<std::array<std::string, 10>, 10>& celTekstenBijMelding() const {
        return bijMelding_;
    }
    Kleur kleurBijMelding(int rij, int kol) const;
    // The reason of the latest placement, and how many guesses were undone.
    const Reden& laatsteReden() const { return laatsteReden_; }
    int gokkenOngedaan() const { return gokkenOngedaan_; }

private:
    static bool geldig(int i) { return i >= 1 && i <= 9; }

    std::array<std::array<std::string, 10>, 10> cellen_{};
    std::array<std::array<Kleur, 10>, 10> kleuren_{};
    std::array<std::array<std::string, 10>, 10> bijMelding_{};
    std::array<std::array<Kleur, 10>, 10> kleurenBijMelding_{};
    std::array<std::string, 10> oplos_{};
    std::string opmerk_;
    std::array<bool, 4> enabled_{};
    std::array<bool, 4> visible_{};
    std::array<int, 3> vinken_{};
    std::vector<Melding> meldingen_;
    Reden laatsteReden_;
    int gokkenOngedaan_ = 0;
    int focusRij_ = 0;
    int focusKol_ = 0;
};

}  // namespace sudoku
