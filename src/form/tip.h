// The tip: the first step a solve of the board as it stands would make, found on a form and
// controls of its own, so that nothing of the form that asks is touched; and that step as a
// teacher gives it, in three steps, with what to mark at each.
#pragma once

#include <array>
#include <bitset>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "uitleg/oplospad.h"

namespace sudoku {

struct TipUitkomst {
    Oplospad pad;                     // the whole solve, explanations included
    std::optional<std::size_t> stap;  // the first step's entry in pad.verloop(); none: no placement
};

// Solves `bord` (81 cells, '.' for an empty cell) with the options as given.
TipUitkomst zoekTip(std::string_view bord, bool uitproberen, bool modules);

struct Tip {
    enum class Soort : std::uint8_t {
        Stap,      // the three steps below
        GeenStap,  // the ladder places nothing
        Vol,       // no empty cell left
        Ongeldig,  // a digit stands twice in a row, column or block
    };
    Soort soort = Soort::GeenStap;
    // Stap: 1 the technique and where to look, 2 the cell and the digit, 3 the step's sentence
    // (its waarom, as --uitleg prints it).
    std::array<std::string, 3> tekst;
    // Otherwise the one thing to say: the ladder's lack with the number of solutions, that
    // the board is full, or the digit twice and where.
    std::string melding;
    // GeenStap without a guess allowed: with one, the solve would place a number.
    bool gokHelpt = false;
    // What the window marks: at step 1 the unit only, at step 2 the cell, at step 3 the cells
    // the proof rests on.
    Eenheid eenheid;
    std::bitset<81> eenheidCellen;
    int cel = 0;  // celNummer
    std::bitset<81> bewijsCellen;
    TipUitkomst zoektocht;  // the solve it comes from
};

// The tip for `bord` (81 cells, '.' for an empty cell) with the options as given.
Tip geefTip(std::string_view bord, bool uitproberen, bool modules);

}  // namespace sudoku
