#include "board/reden.h"

#include <array>

#include "board/teksten.h"

namespace sudoku {

namespace {

// One row per technique, in the enum's order: its module's plain form and the stage it
// belongs to, the text the module shows for it, its level and what a person calls it.
struct TechniekRij {
    Techniek techniek;
    Techniek basis;
    Fase fase;
    const char* banner;
    Niveau niveau;
    const char* naam;
};

using T = Techniek;
using F = Fase;
using N = Niveau;
namespace tk = teksten;
constexpr TechniekRij TABEL[] = {
    {T::BlokLijnenH, T::BlokLijnenH, F::Gewoon, tk::MODULE_BLOKLIJNEN_H, N::Basis, tk::NAAM_BAND},
    {T::BlokLijnenV, T::BlokLijnenV, F::Gewoon, tk::MODULE_BLOKLIJNEN_V, N::Basis, tk::NAAM_BAND},
    {T::LijnenH, T::LijnenH, F::Gewoon, tk::MODULE_LIJNEN_H, N::Basis, tk::NAAM_RIJ},
    {T::LijnenV, T::LijnenV, F::Gewoon, tk::MODULE_LIJNEN_V, N::Basis, tk::NAAM_KOLOM},
    {T::Blokken, T::Blokken, F::Gewoon, tk::MODULE_BLOKKEN, N::Basis, tk::NAAM_BLOK},
    {T::Cel, T::Cel, F::Gewoon, tk::MODULE_CEL, N::Basis, tk::NAAM_CEL},
    {T::LijnenHUitz, T::LijnenH, F::Uitz, tk::MODULE_LIJNEN_H_UITZ, N::Uitzonderingstabel,
     tk::NAAM_RIJ},
    {T::LijnenVUitz, T::LijnenV, F::Uitz, tk::MODULE_LIJNEN_V_UITZ, N::Uitzonderingstabel,
     tk::NAAM_KOLOM},
    {T::BlokkenUitz, T::Blokken, F::Uitz, tk::MODULE_BLOKKEN_UITZ, N::Uitzonderingstabel,
     tk::NAAM_BLOK},
    {T::CelUitz, T::Cel, F::Uitz, tk::MODULE_CEL_UITZ, N::Uitzonderingstabel, tk::NAAM_CEL},
    {T::CelNakedPair, T::Cel, F::NakedPair, tk::MODULE_CEL_NAKED_PAIR, N::Naked, tk::NAAM_CEL},
    {T::LijnenHNakedPair, T::LijnenH, F::NakedPair, tk::MODULE_LIJNEN_H_NAKED_PAIR, N::Naked,
     tk::NAAM_RIJ},
    {T::LijnenVNakedPair, T::LijnenV, F::NakedPair, tk::MODULE_LIJNEN_V_NAKED_PAIR, N::Naked,
     tk::NAAM_KOLOM},
    {T::CelNakedTriple, T::Cel, F::NakedTriple, tk::MODULE_CEL_NAKED_TRIPLE, N::Naked,
     tk::NAAM_CEL},
    {T::LijnenHNakedTriple, T::LijnenH, F::NakedTriple, tk::MODULE_LIJNEN_H_NAKED_TRIPLE, N::Naked,
     tk::NAAM_RIJ},
    {T::LijnenVNakedTriple, T::LijnenV, F::NakedTriple, tk::MODULE_LIJNEN_V_NAKED_TRIPLE, N::Naked,
     tk::NAAM_KOLOM},
    {T::CelNakedTriple3Pairs, T::Cel, F::NakedTriple3Pairs, tk::MODULE_CEL_NAKED_TRIPLE_3PAIRS,
     N::Naked, tk::NAAM_CEL},
    {T::LijnenHNakedTriple3Pairs, T::LijnenH, F::NakedTriple3Pairs,
     tk::MODULE_LIJNEN_H_NAKED_TRIPLE_3PAIRS, N::Naked, tk::NAAM_RIJ},
    {T::LijnenVNakedTriple3Pairs, T::LijnenV, F::NakedTriple3Pairs,
     tk::MODULE_LIJNEN_V_NAKED_TRIPLE_3PAIRS, N::Naked, tk::NAAM_KOLOM},
    {T::Uitproberen, T::Uitproberen, F::Gewoon, tk::MODULE_UITPROBEREN, N::Gok, tk::NAAM_GOK},
    {T::FoutHersteld, T::FoutHersteld, F::Gewoon, tk::FOUT_HERSTELD, N::Gok, tk::NAAM_HERSTEL},
    {T::NakedPair, T::NakedPair, F::Gewoon, tk::MODULE_NAKED_PAIR, N::Naked, tk::NAAM_PAAR},
    {T::NakedTriple, T::NakedTriple, F::Gewoon, tk::MODULE_NAKED_TRIPLE, N::Naked,
     tk::NAAM_DRIETAL},
    {T::NakedTriple3Pairs, T::NakedTriple3Pairs, F::Gewoon, tk::MODULE_NAKED_TRIPLE_3PAIRS,
     N::Naked, tk::NAAM_DRIE_PAREN},
};
static_assert(std::size(TABEL) == AANTAL_TECHNIEKEN_ALLE, "one row per technique");
constexpr bool inVolgorde() {
    for (std::size_t i = 0; i < std::size(TABEL); ++i)
        if (static_cast<std::size_t>(TABEL[i].techniek) != i) return false;
    return true;
}
static_assert(inVolgorde(), "rows in the order of the enum");

const TechniekRij& rij(Techniek t) {
    const auto i = static_cast<std::size_t>(t);
    return TABEL[i < std::size(TABEL) ? i : 0];
}

}  // namespace

Niveau niveauVan(Techniek t) { return rij(t).niveau; }

const std::string& bannerVan(Techniek t) {
    // As strings once, so that a module showing its text builds none.
    static const auto banners = [] {
        std::array<std::string, AANTAL_TECHNIEKEN_ALLE> b;
        for (std::size_t i = 0; i < b.size(); ++i) b[i] = TABEL[i].banner;
        return b;
    }();
    return banners[static_cast<std::size_t>(rij(t).techniek)];
}

const char* mensNaamVan(Techniek t) { return rij(t).naam; }

std::optional<Techniek> techniekIn(Techniek basis, Fase fase) {
    for (const TechniekRij& r : TABEL)
        if (r.basis == basis && r.fase == fase) return r.techniek;
    return std::nullopt;
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
