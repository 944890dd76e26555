// The solution path of one solve, as the controls hear it: every placement with its reason
// and every failed guess undone, numbered as the user sees them, with what a report needs
// (the count per technique, the number of guesses, the level) and the board after any step.
#pragma once

#include <array>
#include <bitset>
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "board/reden.h"
#include "uitleg/potlood.h"

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
    // GokOngedaan: how many exclusions were made up to the step it returns to; the strikes
    // of the later ones are given back.
    std::size_t uitsluitingenBlijven = 0;
};

// Everything the path heard, in order: steps and undone guesses (index into
// gebeurtenissen()), exclusions (index into uitsluitingen()) and the table emptied.
struct Verloop {
    enum class Soort : std::uint8_t { Gebeurtenis, Uitsluiting, TabelGewist };
    Soort soort = Soort::Gebeurtenis;
    std::size_t index = 0;
    std::size_t gebeurtenissenVoor = 0;  // how many steps and undone guesses came before it
};

// The digits ruled out per cell: bit celNummer - 1 of entry d - 1.
using Uitgesloten = std::array<std::bitset<81>, 9>;

// The contradiction that ended a guess, as the repair after it shows it: on `bord`, the board
// just before the undo, digit `cijfer` has no place left in block `blok`, which lacks it.
struct Tegenspraak {
    int cijfer = 0;
    int blok = 0;
    std::bitset<81> legeCellen;  // the block's empty cells
    std::bitset<81> zienCellen;  // for each of them a cell holding the digit that sees it
    std::string bord;
};

class Oplospad {
public:
    // A new path for a solve of `bord` (81 characters, '.' or any non-digit for empty).
    void begin(std::string bord);

    // What the controls hear.
    void geplaatst(int rij, int kol, const std::string& getal, const Reden& reden);
    void gokOngedaan();
    void uitsluitingGemaakt(const Uitsluiting& u);
    void tabelGewist();

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

    // The explanation. Exclusions are numbered from 1 in the order made: exclusion n is
    // uitsluitingen()[n - 1]. A step's proof names the exclusions it rests on by number.
    const std::vector<Uitsluiting>& uitsluitingen() const { return uitsluitingen_; }
    const std::vector<Verloop>& verloop() const { return verloop_; }
    // Entry k of verloop() in a person's words ("" for an emptied table and an undone guess).
    std::string waarom(std::size_t k) const;
    // The board just before entry k.
    std::string bordVoor(std::size_t k) const;
    // The exclusions in the program's table just before entry k (a wipe ends them).
    Uitgesloten uitgeslotenVoor(std::size_t k) const;

    // The explanation as a person with pencil marks follows it (uitleg/potlood.h): what they
    // have struck just before entry k; a wipe of the table gives nothing back, an undone
    // guess gives back what was struck after the step it returns to.
    Uitgesloten weggestreeptVoor(std::size_t k) const;
    // Exclusion n (from 1): the cells where it struck its digit for the person (none when the
    // digit was gone there already), and the earlier strikes its cause rests on, as (cell,
    // digit, the exclusion that struck it) in cell order; steuntOp(n) those exclusions'
    // numbers, ascending. A step's proof that rests on an exclusion names the one that first
    // struck the digit there for the person.
    std::bitset<81> wegVan(int n) const;
    std::span<const Grond> steunVan(int n) const;
    std::vector<int> steuntOp(int n) const;
    // For a repair (entry k), the contradiction that ended the guess; none for other entries.
    std::optional<Tegenspraak> tegenspraak(std::size_t k) const;
    // The cells entry k rests on: a step's proof (the band's cells, the cells that rule the
    // digit out, the cells ruled out) or an exclusion's cause; and the cells an exclusion
    // removes the digit from.
    std::bitset<81> bewijsCellen(std::size_t k) const;
    std::bitset<81> verwijderdeCellen(std::size_t k) const;

private:
    std::string begin_ = std::string(81, '.');
    std::vector<Gebeurtenis> gebeurtenissen_;
    std::array<int, AANTAL_TECHNIEKEN> perTechniek_{};
    int stappen_ = 0;
    int gokStap_ = 0;  // the step of the latest guess; only that one can be undone
    Niveau hoogste_ = Niveau::Basis;
    std::vector<Uitsluiting> uitsluitingen_;
    std::vector<Verloop> verloop_;
    // The person's pencil marks as the path stands, and per exclusion what it struck and
    // rested on (steun_ from steunBegin_[n - 1] to steunBegin_[n], or to its end).
    Potlood potlood_;
    std::vector<std::bitset<81>> weg_;
    std::vector<Grond> steun_;
    std::vector<std::size_t> steunBegin_;
    std::size_t uitsluitingenNaStap_ = 0;   // exclusions made up to the latest step
    std::size_t uitsluitingenVoorGok_ = 0;  // up to the step before the latest guess
};

}  // namespace sudoku
