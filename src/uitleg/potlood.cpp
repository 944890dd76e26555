#include "uitleg/potlood.h"

namespace sudoku {

namespace {
int blokVan(int c) { return c / 27 * 3 + c % 9 / 3; }
}  // namespace

void Potlood::begin(std::string_view bord) {
    bord_.fill(0);
    eenheid_.fill(0);
    door_.fill(0);
    strepen_.clear();
    strepenNaStap_ = 0;
    voorGok_ = Stand{};
    for (std::size_t c = 0; c < 81 && c < bord.size(); ++c)
        if (bord[c] >= '1' && bord[c] <= '9') zet(static_cast<int>(c), bord[c] - '0');
    voorGok_ = {bord_, eenheid_, 0};
}

void Potlood::zet(int c, int d) {
    bord_[static_cast<std::size_t>(c)] = static_cast<std::uint8_t>(d);
    const auto bit = static_cast<std::uint16_t>(1u << d);
    eenheid_[static_cast<std::size_t>(c / 9)] |= bit;
    eenheid_[static_cast<std::size_t>(9 + c % 9)] |= bit;
    eenheid_[static_cast<std::size_t>(18 + blokVan(c))] |= bit;
}

bool Potlood::ziet(int d, int c) const {
    const unsigned bit = 1u << d;
    return ((eenheid_[static_cast<std::size_t>(c / 9)] |
             eenheid_[static_cast<std::size_t>(9 + c % 9)] |
             eenheid_[static_cast<std::size_t>(18 + blokVan(c))]) &
            bit) != 0;
}

void Potlood::geplaatst(int c, int d, bool gok) {
    if (c < 0 || c > 80 || d < 1 || d > 9) return;
    if (gok) voorGok_ = {bord_, eenheid_, strepenNaStap_};
    zet(c, d);
    strepenNaStap_ = strepen_.size();
}

void Potlood::gokOngedaan() {
    bord_ = voorGok_.bord;
    eenheid_ = voorGok_.eenheid;
    while (strepen_.size() > voorGok_.strepen) {
        door_[strepen_.back()] = 0;
        strepen_.pop_back();
    }
    strepenNaStap_ = strepen_.size();
}

std::bitset<81> Potlood::streep(int nummer, int d, const std::bitset<81>& cellen) {
    std::bitset<81> weg;
    if (d < 1 || d > 9) return weg;
    for (int c = 0; c < 81; ++c) {
        if (!cellen.test(static_cast<std::size_t>(c)) || !kandidaat(d, c)) continue;
        weg.set(static_cast<std::size_t>(c));
        door_[index(d, c)] = static_cast<std::uint32_t>(nummer);
        strepen_.push_back(static_cast<std::uint16_t>(index(d, c)));
    }
    return weg;
}

}  // namespace sudoku
