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

std::optional<Dubbel> eersteDubbel(std::string_view b) {
    unsigned rij[9] = {}, kol[9] = {}, blok[9] = {};  // the digits seen, one bit each
    for (std::size_t i = 0; i < 81 && i < b.size(); ++i) {
        if (b[i] < '1' || b[i] > '9') continue;
        const int d = b[i] - '0';
        const unsigned bit = 1u << d;
        const int r = static_cast<int>(i / 9), k = static_cast<int>(i % 9), bl = r / 3 * 3 + k / 3;
        if (rij[r] & bit) return Dubbel{d, Eenheid::rij(r + 1)};
        if (kol[k] & bit) return Dubbel{d, Eenheid::kolom(k + 1)};
        if (blok[bl] & bit) return Dubbel{d, Eenheid::blokVan(r + 1, k + 1)};
        rij[r] |= bit, kol[k] |= bit, blok[bl] |= bit;
    }
    return std::nullopt;
}

}  // namespace sudoku
