#include "board/bordregel.h"

namespace sudoku {

std::string bordRegel(const Bord& veld, char leeg, char anders) {
    std::string s(81, anders);
    for (int r = 1; r <= 9; ++r)
        for (int k = 1; k <= 9; ++k) {
            // The board's one-character mirror: a digit, ' ', or 0 for any other text.
            const char c = veld.celTeken(r, k);
            if (c != '\0') s[static_cast<std::size_t>((r - 1) * 9 + k - 1)] = c == ' ' ? leeg : c;
        }
    return s;
}

bool zonderDubbelen(std::string_view b) {
    unsigned rij[9] = {}, kol[9] = {}, blok[9] = {};  // the digits seen, one bit each
    for (std::size_t i = 0; i < 81 && i < b.size(); ++i) {
        if (b[i] < '1' || b[i] > '9') continue;
        const unsigned bit = 1u << (b[i] - '0');
        const std::size_t r = i / 9, k = i % 9, bl = r / 3 * 3 + k / 3;
        if ((rij[r] | kol[k] | blok[bl]) & bit) return false;
        rij[r] |= bit, kol[k] |= bit, blok[bl] |= bit;
    }
    return true;
}

}  // namespace sudoku
