// Headless controls that can also report, line by line, what a solve shows:
// every number the placing step puts up and every change of the status line.
#pragma once

#include <ostream>
#include <string>

#include "ui/headless_controls.h"
#include "ui/teksten.h"

namespace sudoku::cli {

class SpoorControls : public HeadlessControls {
public:
    // With `spoor` null nothing is reported and the controls behave as HeadlessControls.
    explicit SpoorControls(std::ostream* spoor = nullptr) : spoor_(spoor) {}

    void geplaatst(int rij, int kol, const std::string& getal) override;
    void zetOpmerk(const std::string& tekst) override;

    // What the status line shows, without the copy that opmerk() makes.
    const std::string& opmerkTekst() const { return opmerk_; }

private:
    std::ostream* spoor_;
    std::string opmerk_ = teksten::RASTAVO;  // mirrors the status line as it stands at creation
};

}  // namespace sudoku::cli
