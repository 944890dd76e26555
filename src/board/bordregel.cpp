#include "board/bordregel.h"

namespace sudoku {

std::string bordRegel(const Bord& veld, char leeg, char anders) {
    std::string s(81, anders);
    for (int r = 1; r <= 9; ++r)
        for (int k = 1; k <= 9; ++k) {
            const String& c = veld(r, k);
            char& uit = s[static_cast<std::size_t>((r - 1) * 9 + k - 1)];
            if (c.size() == 1 && c[0] >= '1' && c[0] <= '9')
                uit = c[0];
            else if (c == " ")
                uit = leeg;
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
