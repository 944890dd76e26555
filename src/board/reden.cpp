#include "board/reden.h"

#include <array>

namespace sudoku {

const std::string& bannerVan(Techniek t) {
    // As strings once, so that a module showing its text builds none.
    static const auto banners = [] {
        std::array<std::string, AANTAL_TECHNIEKEN_ALLE> b;
        for (std::size_t i = 0; i < b.size(); ++i) b[i] = TECHNIEKEN[i].banner;
        return b;
    }();
    return banners[static_cast<std::size_t>(rijVan(t).techniek)];
}

std::bitset<81> Eenheid::cellen() const {
    std::bitset<81> b;
    auto zet = [&](int r, int k) { b.set(static_cast<std::size_t>((r - 1) * 9 + k - 1)); };
    auto zetBlok = [&](int n) {
        const int boven = (n - 1) / 3 * 3 + 1, links = (n - 1) % 3 * 3 + 1;
        for (int r = boven; r < boven + 3; ++r)
            for (int k = links; k < links + 3; ++k) zet(r, k);
    };
    switch (soort) {
        case Soort::Cel:
            if (nummer >= 1 && nummer <= 81) {
                const int r = (nummer - 1) / 9 + 1, k = (nummer - 1) % 9 + 1;
                for (int i = 1; i <= 9; ++i) zet(r, i), zet(i, k);
                zetBlok(blokNummer(r, k));
            }
            break;
        case Soort::Rij:
            if (nummer >= 1 && nummer <= 9)
                for (int k = 1; k <= 9; ++k) zet(nummer, k);
            break;
        case Soort::Kolom:
            if (nummer >= 1 && nummer <= 9)
                for (int r = 1; r <= 9; ++r) zet(r, nummer);
            break;
        case Soort::Blok:
            if (nummer >= 1 && nummer <= 9) zetBlok(nummer);
            break;
        case Soort::Band:
        case Soort::Stapel:
            if (nummer >= 1 && nummer <= 7)
                for (int lijn = nummer; lijn < nummer + 3; ++lijn)
                    for (int p = 1; p <= 9; ++p) soort == Soort::Band ? zet(lijn, p) : zet(p, lijn);
            break;
    }
    return b;
}

}  // namespace sudoku
