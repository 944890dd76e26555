// The techniques of the escalation ladder, one row each: what a module shows, the stage it
// works in, the level it gives a solve and what a person calls it all follow from its row,
// and so do the counts per technique and the command line's CSV columns.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "board/teksten.h"

namespace sudoku {

// The stage of the ladder a technique belongs to; a solve is rated by the highest stage
// any of its placements needed, and Onopgelost when the board did not come out solved.
enum class Niveau : std::uint8_t { Basis, Uitzonderingstabel, Naked, Gok, Onopgelost };

// Where in the ladder a module works: plainly, with the exception table, or after the
// naked pair, triple or triple of three pairs, whose values are those of `ctrl_NKD`.
enum class Fase : std::uint8_t {
    Gewoon,
    Uitz,
    NakedPair = 2,
    NakedTriple = 3,
    NakedTriple3Pairs = 4
};

// The table, in the order of the escalation ladder: the plain modules as a pass runs them,
// then the same with the exception table, then the placements after a naked pair, triple
// and triple of three pairs, then the guess and the other option placed after a failed
// guess; last the techniques that only rule digits out. One row:
//   X(technique, its module's plain form, stage, the module's text, level, a person's name,
//     whether it places a number)
// A new technique is a new row here, in ladder order (docs/ontwerp.md, "Where a new thing
// goes").
#define SUDOKU_TECHNIEKEN(X)                                                                       \
    X(BlokLijnenH, BlokLijnenH, Gewoon, MODULE_BLOKLIJNEN_H, Basis, NAAM_KRUISEN_RIJEN, true)      \
    X(BlokLijnenV, BlokLijnenV, Gewoon, MODULE_BLOKLIJNEN_V, Basis, NAAM_KRUISEN_KOLOMMEN, true)   \
    X(LijnenH, LijnenH, Gewoon, MODULE_LIJNEN_H, Basis, NAAM_VERBORGEN_RIJ, true)                  \
    X(LijnenV, LijnenV, Gewoon, MODULE_LIJNEN_V, Basis, NAAM_VERBORGEN_KOLOM, true)                \
    X(Blokken, Blokken, Gewoon, MODULE_BLOKKEN, Basis, NAAM_VERBORGEN_BLOK, true)                  \
    X(Cel, Cel, Gewoon, MODULE_CEL, Basis, NAAM_NAAKTE_ENKELING, true)                             \
    X(LijnenHUitz, LijnenH, Uitz, MODULE_LIJNEN_H_UITZ, Uitzonderingstabel,                        \
      NAAM_VERBORGEN_RIJ_WEG, true)                                                                \
    X(LijnenVUitz, LijnenV, Uitz, MODULE_LIJNEN_V_UITZ, Uitzonderingstabel,                        \
      NAAM_VERBORGEN_KOLOM_WEG, true)                                                              \
    X(BlokkenUitz, Blokken, Uitz, MODULE_BLOKKEN_UITZ, Uitzonderingstabel,                         \
      NAAM_VERBORGEN_BLOK_WEG, true)                                                               \
    X(CelUitz, Cel, Uitz, MODULE_CEL_UITZ, Uitzonderingstabel, NAAM_NAAKTE_ENKELING_WEG, true)     \
    X(CelNakedPair, Cel, NakedPair, MODULE_CEL_NAKED_PAIR, Naked, NAAM_NAAKTE_ENKELING_PAAR, true) \
    X(LijnenHNakedPair, LijnenH, NakedPair, MODULE_LIJNEN_H_NAKED_PAIR, Naked,                     \
      NAAM_VERBORGEN_RIJ_PAAR, true)                                                               \
    X(LijnenVNakedPair, LijnenV, NakedPair, MODULE_LIJNEN_V_NAKED_PAIR, Naked,                     \
      NAAM_VERBORGEN_KOLOM_PAAR, true)                                                             \
    X(CelNakedTriple, Cel, NakedTriple, MODULE_CEL_NAKED_TRIPLE, Naked,                            \
      NAAM_NAAKTE_ENKELING_DRIETAL, true)                                                          \
    X(LijnenHNakedTriple, LijnenH, NakedTriple, MODULE_LIJNEN_H_NAKED_TRIPLE, Naked,               \
      NAAM_VERBORGEN_RIJ_DRIETAL, true)                                                            \
    X(LijnenVNakedTriple, LijnenV, NakedTriple, MODULE_LIJNEN_V_NAKED_TRIPLE, Naked,               \
      NAAM_VERBORGEN_KOLOM_DRIETAL, true)                                                          \
    X(CelNakedTriple3Pairs, Cel, NakedTriple3Pairs, MODULE_CEL_NAKED_TRIPLE_3PAIRS, Naked,         \
      NAAM_NAAKTE_ENKELING_DRIE_PAREN, true)                                                       \
    X(LijnenHNakedTriple3Pairs, LijnenH, NakedTriple3Pairs, MODULE_LIJNEN_H_NAKED_TRIPLE_3PAIRS,   \
      Naked, NAAM_VERBORGEN_RIJ_DRIE_PAREN, true)                                                  \
    X(LijnenVNakedTriple3Pairs, LijnenV, NakedTriple3Pairs, MODULE_LIJNEN_V_NAKED_TRIPLE_3PAIRS,   \
      Naked, NAAM_VERBORGEN_KOLOM_DRIE_PAREN, true)                                                \
    X(Uitproberen, Uitproberen, Gewoon, MODULE_UITPROBEREN, Gok, NAAM_GOK, true)                   \
    X(FoutHersteld, FoutHersteld, Gewoon, FOUT_HERSTELD, Gok, NAAM_HERSTEL, true)                  \
    X(NakedPair, NakedPair, Gewoon, MODULE_NAKED_PAIR, Naked, NAAM_NAAKT_PAAR, false)              \
    X(NakedTriple, NakedTriple, Gewoon, MODULE_NAKED_TRIPLE, Naked, NAAM_NAAKT_DRIETAL, false)     \
    X(NakedTriple3Pairs, NakedTriple3Pairs, Gewoon, MODULE_NAKED_TRIPLE_3PAIRS, Naked,             \
      NAAM_NAAKT_DRIETAL_DRIE_PAREN, false)

enum class Techniek : std::uint8_t {
#define SUDOKU_TECHNIEK_NAAM(t, ...) t,
    SUDOKU_TECHNIEKEN(SUDOKU_TECHNIEK_NAAM)
#undef SUDOKU_TECHNIEK_NAAM
};

struct TechniekRij {
    Techniek techniek;
    Techniek basis;  // the module's plain form
    Fase fase;
    const char* banner;
    Niveau niveau;
    const char* naam;
    bool plaatst;  // false: it only rules digits out
};

inline constexpr TechniekRij TECHNIEKEN[] = {
#define SUDOKU_TECHNIEK_RIJ(t, basis, fase, banner, niveau, naam, plaatst) \
    {Techniek::t,    Techniek::basis, Fase::fase, teksten::banner,         \
     Niveau::niveau, teksten::naam,   plaatst},
    SUDOKU_TECHNIEKEN(SUDOKU_TECHNIEK_RIJ)
#undef SUDOKU_TECHNIEK_RIJ
};

inline constexpr int AANTAL_TECHNIEKEN_ALLE = static_cast<int>(std::size(TECHNIEKEN));
// The placing techniques come first, so a count per placing technique is an array of this
// many, indexed by the technique.
inline constexpr int AANTAL_TECHNIEKEN = [] {
    int n = 0;
    while (n < AANTAL_TECHNIEKEN_ALLE && TECHNIEKEN[n].plaatst) ++n;
    return n;
}();
static_assert(
    [] {
        for (int i = AANTAL_TECHNIEKEN; i < AANTAL_TECHNIEKEN_ALLE; ++i)
            if (TECHNIEKEN[i].plaatst) return false;
        return true;
    }(),
    "the techniques that only rule out come after every placing one");

constexpr const TechniekRij& rijVan(Techniek t) {
    const auto i = static_cast<std::size_t>(t);
    return TECHNIEKEN[i < std::size(TECHNIEKEN) ? i : 0];
}
constexpr Niveau niveauVan(Techniek t) { return rijVan(t).niveau; }
// What a person calls it: "verborgen enkeling in rij", "naakte enkeling", "naakt paar", ...
constexpr const char* mensNaamVan(Techniek t) { return rijVan(t).naam; }
// The module's text for it, spaces at the ends included (" Module CEL ").
const std::string& bannerVan(Techniek t);

// The technique of module `basis` (its plain form) in stage `fase`; none when that module
// shows no text of its own in that stage.
constexpr std::optional<Techniek> techniekIn(Techniek basis, Fase fase) {
    for (const TechniekRij& r : TECHNIEKEN)
        if (r.basis == basis && r.fase == fase) return r.techniek;
    return std::nullopt;
}
// The naked stage whose variant `ctrl_NKD` names, or none when it names none.
constexpr std::optional<Fase> nakedFaseVan(int ctrlNkd) {
    for (const TechniekRij& r : TECHNIEKEN)
        if (r.niveau == Niveau::Naked && r.fase != Fase::Gewoon && r.fase != Fase::Uitz &&
            static_cast<int>(r.fase) == ctrlNkd)
            return r.fase;
    return std::nullopt;
}

}  // namespace sudoku
