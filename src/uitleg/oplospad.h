// The solution path of one solve, as the controls hear it: every placement with its reason
// and every failed guess undone, numbered as the user sees them, with what a report needs
// (the count per technique, the number of guesses, the level) and the board after any step.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "uitleg/reden.h"

namespace sudoku {

struct Gebeurtenis {
    enum class Soort : std::uint8_t { Stap, GokOngedaan };
    Soort soort = Soort::Stap;
    // Stap: its number, from 1. GokOngedaan: the step whose board comes back, the last one
    // before the guess (0: the board as the solve began).
    int stap = 0;
    int rij = 0, kol = 0;  // Stap: the cell and the digit placed there
    char getal = '.';
    Reden reden;
};

class Oplospad {
public:
    // A new path for a solve of `bord` (81 characters, '.' or any non-digit for empty).
    void begin(std::string bord);

    // What the controls hear.
    void geplaatst(int rij, int kol, const std::string& getal, const Reden& reden);
    void gokOngedaan();

    const std::vector<Gebeurtenis>& gebeurtenissen() const { return gebeurtenissen_; }
    const std::string& beginBord() const { return begin_; }
    int stappen() const { return stappen_; }
    int gokken() const { return aantal(Techniek::Uitproberen); }
    int aantal(Techniek t) const { return perTechniek_[static_cast<std::size_t>(t)]; }
    // The highest stage any placement needed; Onopgelost unless the solve came out solved.
    Niveau niveau(bool opgelost) const;

    // Event i as one line of text: "stap 3: ..." or "gok ongedaan: terug naar stap 2".
    std::string regel(std::size_t i) const;
    // The board (81 characters, '.' for empty) right after event i.
    std::string bordNa(std::size_t i) const;

private:
    std::string begin_ = std::string(81, '.');
    std::vector<Gebeurtenis> gebeurtenissen_;
    std::array<int, AANTAL_TECHNIEKEN> perTechniek_{};
    int stappen_ = 0;
    int gokStap_ = 0;  // the step of the latest guess; only that one can be undone
    Niveau hoogste_ = Niveau::Basis;
};

}  // namespace sudoku
