// The pencil marks of a person who follows a solve on paper: the digits placed, and the
// candidates struck. A candidate struck stays struck: the exception table the program empties
// after a placement is its own bookkeeping, not the person's. Only undoing a failed guess gives
// strikes back, those made after the step the board returns to.
#pragma once

#include <array>
#include <bitset>
#include <cstdint>
#include <string_view>
#include <vector>

namespace sudoku {

class Potlood {
public:
    // Starts on `bord` (81 characters, '1'..'9' a digit, anything else empty), nothing struck.
    void begin(std::string_view bord);

    // Digit d (1..9) placed in cell c (0..80). A guess keeps the board and the strikes as they
    // stood after the step before it, for gokOngedaan.
    void geplaatst(int c, int d, bool gok);
    // Back to the board and the strikes of the step before the latest guess.
    void gokOngedaan();

    // Exclusion `nummer` rules d out for `cellen`: strikes it where the person still had it,
    // and returns those cells.
    std::bitset<81> streep(int nummer, int d, const std::bitset<81>& cellen);

    bool leeg(int c) const { return bord_[static_cast<std::size_t>(c)] == 0; }
    // A placed d in the row, column or block of cell c.
    bool ziet(int d, int c) const;
    // The exclusion that first struck d in cell c for the person; 0 when none did.
    int geschraptDoor(int d, int c) const { return door_[index(d, c)]; }
    // d is still a candidate of c: c is empty, no placed d sees it and nothing struck it.
    bool kandidaat(int d, int c) const { return leeg(c) && !ziet(d, c) && door_[index(d, c)] == 0; }

private:
    static std::size_t index(int d, int c) { return static_cast<std::size_t>((d - 1) * 81 + c); }
    struct Stand {
        std::array<std::uint8_t, 81> bord{};      // 0 empty, else the digit
        std::array<std::uint16_t, 27> eenheid{};  // digits as bits: rows, columns, blocks
        std::size_t strepen = 0;                  // strikes made up to then
    };
    void zet(int c, int d);

    std::array<std::uint8_t, 81> bord_{};
    std::array<std::uint16_t, 27> eenheid_{};
    std::array<std::uint32_t, 9 * 81> door_{};
    std::vector<std::uint16_t> strepen_;  // every strike, in order: index(d, c)
    std::size_t strepenNaStap_ = 0;       // strikes made up to the latest step
    Stand voorGok_;                       // after the step before the latest guess
};

}  // namespace sudoku
