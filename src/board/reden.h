// Why a number was placed: the technique, the unit whose contents force it, and whether a
// guess was in force. The modules record it beside their work and the placing step hands it
// to the controls with the number; nothing in the solve reads it back.
#pragma once

#include <array>
#include <bitset>
#include <cstdint>
#include <string>

#include "board/technieken.h"

namespace sudoku {

// The cells whose contents force a number, as a value a window can highlight.
struct Eenheid {
    enum class Soort : std::uint8_t {
        Cel,  // the cell module: the cell's row, column and block together
        Rij,  // the line modules
        Kolom,
        Blok,    // the block module, the guess and the repair after it
        Band,    // the block-line module along rows: rows nummer..nummer+2 and the block
        Stapel,  // the same along columns
    };
    Soort soort = Soort::Cel;
    // Cel: the cell, 1..81 row by row; Rij, Kolom, Blok: 1..9 (blocks row by row); Band,
    // Stapel: the first line, 1, 4 or 7.
    int nummer = 0;
    // Band, Stapel: the block (1..9) of the segment that takes the number; else 0.
    int blok = 0;

    static Eenheid cel(int rij, int kol) { return {Soort::Cel, (rij - 1) * 9 + kol, 0}; }
    static Eenheid rij(int r) { return {Soort::Rij, r, 0}; }
    static Eenheid kolom(int k) { return {Soort::Kolom, k, 0}; }
    static Eenheid blokVan(int rij, int kol) { return {Soort::Blok, blokNummer(rij, kol), 0}; }
    static int blokNummer(int rij, int kol) { return (rij - 1) / 3 * 3 + (kol - 1) / 3 + 1; }

    // Bit (row - 1) * 9 + (column - 1) for every cell of the unit.
    std::bitset<81> cellen() const;
    bool operator==(const Eenheid&) const = default;
};

// Cells in a proof are numbered 1..81 row by row, 0 for none.
inline int celNummer(int rij, int kol) { return (rij - 1) * 9 + kol; }

// One thing a proof rests on: a digit ruled out for a cell, by a cell that holds the digit
// and sees it, or by the exception table.
struct Grond {
    int cel = 0;     // the empty cell the digit is ruled out for (the cell module: its own)
    int cijfer = 0;  // the digit
    int door = 0;    // the cell holding it; 0: the exception table rules it out
    // With door 0: the number of the exclusion that ruled it out, as the path counts them
    // (the core leaves it 0, the path fills it in).
    int uitsluiting = 0;
    bool operator==(const Grond&) const = default;
};

// What the module saw just before it placed: true of the board and the exclusions then in
// force, and no more than the module itself tested.
struct Bewijs {
    enum class Soort : std::uint8_t {
        Geen,     // nothing recorded (no one asked for explanations)
        Eenheid,  // a hidden single: every other empty cell of the unit is ruled out
        Cel,      // the cell module: each of the other eight digits is ruled out
        Band,     // the block-line module: the band's two cells, then the segment's other cells
        Gok,      // the guess: opties[0] tried, opties[1] the other
        // The other option after a failed guess, opties[0], and the contradiction that ended
        // the guess: on the board just before the undo, digit tegenspraakCijfer has no place
        // left in block tegenspraakBlok, which lacks it; gronden holds for each empty cell of
        // that block the cell holding the digit that sees it.
        Herstel,
    };
    Soort soort = Soort::Geen;
    bool enigeLegeVak = false;       // Eenheid, Band: no other empty cell to rule out
    std::array<int, 2> band{};       // Band: the cells holding the digit in the other two lines
    std::array<int, 2> opties{};     // Gok, Herstel
    bool ladderLeeg = false;         // Gok: nothing else placed a number in the guessing pass
    int gokStap = 0;                 // Herstel: the step of the guess undone (filled by the path)
    int tegenspraakCijfer = 0;       // Herstel
    int tegenspraakBlok = 0;         // Herstel
    std::uint8_t aantal = 0;         // gronden in use
    std::array<Grond, 8> gronden{};  // at most eight other cells of a unit, or eight digits

    void voegToe(const Grond& g) {
        if (aantal < gronden.size()) gronden[aantal++] = g;
    }
    bool operator==(const Bewijs&) const = default;
};

struct Reden {
    Techniek techniek = Techniek::Cel;
    Eenheid eenheid;
    bool onderGok = false;  // a guess was in force when the number was placed
    Bewijs bewijs;
    bool operator==(const Reden&) const = default;
};

// A module wrote into the exception table: `cijfer` is now ruled out for `cellen`, which
// did not have it ruled out before. `eenheid` is where the cause lies: the block whose places
// for the digit share a line (BlokInLijn), the row or column whose places share a block
// (LijnInBlok), the unit of a naked set; `oorzaak` those places, or the set's cells.
struct Uitsluiting {
    enum class Soort : std::uint8_t { BlokInLijn, LijnInBlok, Paar, Drietal };
    Soort soort = Soort::Paar;
    int cijfer = 0;
    std::bitset<81> cellen;    // bit celNummer - 1
    std::bitset<81> oorzaak;   // bit celNummer - 1
    std::array<int, 3> set{};  // Paar, Drietal: the set's digits, ascending; 0 unused
    Techniek techniek = Techniek::NakedPair;
    Eenheid eenheid;
    bool operator==(const Uitsluiting&) const = default;
};

// What a person calls the way an exclusion strikes its digit: the naked set's technique, or
// the block and the line that confine it (their banner is the placing module's).
inline const char* mensNaamVan(const Uitsluiting& u) {
    switch (u.soort) {
        case Uitsluiting::Soort::BlokInLijn: return teksten::NAAM_AANWIJZEND_PAAR;
        case Uitsluiting::Soort::LijnInBlok: return teksten::NAAM_OPEISEN;
        case Uitsluiting::Soort::Paar:
        case Uitsluiting::Soort::Drietal: break;
    }
    return mensNaamVan(u.techniek);
}

}  // namespace sudoku
