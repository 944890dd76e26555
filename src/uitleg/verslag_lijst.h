// What a report shows of a path, for a person following it with pencil marks: the list of its
// entries, in which the exclusions that strike nothing new are folded into one line per run
// and an emptied table is no entry of its own; and the small board of any entry, with what
// it marks. A front end only draws them.
#pragma once

#include <array>
#include <bitset>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "uitleg/oplospad.h"

namespace sudoku {

struct LijstRegel {
    enum class Soort : std::uint8_t {
        Stap,         // a step or an undone guess: entry `verloop` of the path
        Uitsluiting,  // an exclusion that strikes something for the person
        Stil,         // a run of exclusions that strike nothing new, and the wipes among them
    };
    Soort soort = Soort::Stap;
    std::size_t verloop = 0;  // the entry; Stil: the run's first
    std::size_t tot = 0;      // Stil: one past the run's last entry
    int aantal = 0;           // Stil: the exclusions in the run
    bool onderGok = false;    // Stap: the guess itself, or a step made while it was in force
};

// The path's entries in order, as above.
std::vector<LijstRegel> verslagLijst(const Oplospad& pad);
// The exclusions of a run (Stil), as entries of the path.
std::vector<std::size_t> uitsluitingenIn(const Oplospad& pad, const LijstRegel& r);

// The person's pencil marks: per cell (0..80) the digits (bit d - 1) an empty cell still has.
using Kandidaten = std::array<std::bitset<9>, 81>;

// The small board of entry k (k >= verloop().size(): the board as the solve began).
struct BordBeeld {
    std::string bord;          // 81 characters, '.' empty
    int cel = -1;              // the step's cell, 0..80
    std::bitset<81> eenheid;   // tinted: the unit, or the empty cells of a contradiction's block
    std::bitset<81> bewijs;    // framed: the cells that prove the entry
    std::bitset<81> weg;       // an exclusion's strikes: `cijfer` struck there for the person
    int cijfer = 0;            // the exclusion's digit
    std::bitset<81> onderGok;  // numbers placed by the guess in force and under it: a dotted frame
    int blok = 0;              // a repair: the block (1..9) where the digit had no place left
    // The pencil marks once the entry is made; an exclusion's struck digit is still in (drawn
    // struck through).
    Kandidaten kandidaten{};
};

// A repair is shown on the board just before its undo, where its contradiction holds.
BordBeeld bordBeeld(const Oplospad& pad, std::size_t k);

// The cells entry k rests on, as a person checks them: a step's band cells, the cells
// holding the digit that rule other cells out, and the cause cells of the exclusions its
// proof uses; an exclusion's own cause cells.
std::bitset<81> bewijsMarken(const Oplospad& pad, std::size_t k);

}  // namespace sudoku
