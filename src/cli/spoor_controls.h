// Headless controls that can also report, line by line, what a solve shows: every number
// the placing step puts up and every change of the status line, and, for the solution path,
// every step with its reason and every failed guess undone.
#pragma once

#include <ostream>
#include <string>

#include "form/headless_controls.h"
#include "form/teksten.h"
#include "uitleg/oplospad.h"

namespace sudoku::cli {

class SpoorControls : public HeadlessControls {
public:
    // With `spoor` null no events are reported. With `pad` set the solution path is
    // recorded, and with `stappen` also set each of its lines goes there as it happens.
    explicit SpoorControls(std::ostream* spoor = nullptr, Oplospad* pad = nullptr,
                           std::ostream* stappen = nullptr)
        : spoor_(spoor), pad_(pad), stappen_(pad != nullptr ? stappen : nullptr) {}

    void geplaatst(int rij, int kol, const std::string& getal, const Reden& reden) override;
    void gokOngedaan() override;
    void uitsluitingGemaakt(const Uitsluiting& u) override;
    void tabelGewist() override;
    // --uitleg: the steps come with their sentence and proof, the exclusions and emptied
    // tables among them.
    void zetUitleg(bool aan) { wilUitleg_ = aan && pad_ != nullptr; }
    void zetOpmerk(const std::string& tekst) override;

    // What the status line shows, without the copy that opmerk() makes.
    const std::string& opmerkTekst() const { return opmerk_; }

private:
    void schrijfLaatste();

    std::ostream* spoor_;
    Oplospad* pad_;
    std::ostream* stappen_;
    std::string opmerk_ = teksten::RASTAVO;  // mirrors the status line as it stands at creation
};

}  // namespace sudoku::cli
