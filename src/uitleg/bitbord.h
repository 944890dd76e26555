// The bitboards of the exact count (oplossingen.cpp): a digit's cells as three 27-bit bands
// (rows 1-3, 4-6, 7-9; bit 9 * row-in-band + column), and the tables worked out once for them.
#pragma once

#include <array>
#include <cstdint>

namespace sudoku::bitbord {

using Bits = std::uint32_t;

constexpr Bits RIJ = 0x1FF;      // the first row of a band
constexpr Bits BLOK = 0x1C0E07;  // the first block of a band
constexpr Bits BAND = 0x7FFFFFF;

// The cells of a band in the given columns (9 bits).
constexpr Bits spreid(Bits kolommen) { return kolommen | kolommen << 9 | kolommen << 18; }
// The columns of a band that hold a cell of `x`.
constexpr Bits vouw(Bits x) { return (x | x >> 9 | x >> 18) & RIJ; }
// At most one bit.
constexpr bool hoogstensEen(Bits x) { return (x & (x - 1)) == 0; }
// The number of bits; std::popcount would be a library call on the baseline x86-64 target.
constexpr int telBits(Bits x) {
    x = x - ((x >> 1) & 0x55555555);
    x = (x & 0x33333333) + ((x >> 2) & 0x33333333);
    return static_cast<int>((((x + (x >> 4)) & 0x0F0F0F0F) * 0x01010101) >> 24);
}

struct Tabellen {
    std::array<std::uint8_t, 512> blokkenVanRij{};  // a row's 9 cells -> the blocks it touches
    std::array<std::uint16_t, 512> permutaties{};   // 3x3 matrix (bit 3r+k) -> union of the
                                                    // permutations inside it, 0 if none
    std::array<Bits, 512> cellenVanParen{};         // (row, block) pairs -> their band cells
    std::array<Bits, 512> blokVanParen{};           // the same 3x3 matrix in the shape of a block
    std::array<Bits, 27> bandBuren{};               // a cell's row and block, itself excluded
    std::array<Bits, 27> kolom{};                   // a cell's column, in any band
    Bits eenheid[27][3]{};                          // rows 0-8, columns 9-17, blocks 18-26,
                                                    // per band

    constexpr Tabellen() {
        for (unsigned r = 0; r < 512; ++r)
            blokkenVanRij[r] = static_cast<std::uint8_t>(((r & 7) != 0) | ((r & 070) != 0) << 1 |
                                                         ((r & 0700) != 0) << 2);
        constexpr int PERM[6][3] = {{0, 1, 2}, {0, 2, 1}, {1, 0, 2},
                                    {1, 2, 0}, {2, 0, 1}, {2, 1, 0}};
        for (unsigned m = 0; m < 512; ++m) {
            unsigned som = 0;
            for (const auto& p : PERM) {
                const unsigned pm = 1u << p[0] | 1u << (3 + p[1]) | 1u << (6 + p[2]);
                if ((m & pm) == pm) som |= pm;
            }
            permutaties[m] = static_cast<std::uint16_t>(som);
            Bits c = 0;
            for (int i = 0; i < 9; ++i)
                if (m >> i & 1) c |= Bits{7} << (9 * (i / 3) + 3 * (i % 3));
            cellenVanParen[m] = c;
            blokVanParen[m] = (m & 7) | (m & 070) << 6 | (m & 0700) << 12;
        }
        for (int p = 0; p < 27; ++p) {
            bandBuren[p] = ((RIJ << (9 * (p / 9))) | (BLOK << (3 * (p % 9 / 3)))) & ~(Bits{1} << p);
            kolom[p] = spreid(Bits{1} << (p % 9));
        }
        for (int i = 0; i < 9; ++i) {
            eenheid[i][i / 3] = RIJ << (9 * (i % 3));
            for (int b = 0; b < 3; ++b) eenheid[9 + i][b] = spreid(Bits{1} << i);
            eenheid[18 + i][i / 3] = BLOK << (3 * (i % 3));
        }
    }
};
inline constexpr Tabellen T;

}  // namespace sudoku::bitbord
