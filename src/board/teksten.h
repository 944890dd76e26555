// What the solve shows: its final status texts, the module banners and the texts that report
// a placement in the exception or naked stages, what a person calls each technique, and the
// step box. Spaces at the ends are part of the texts.
#pragma once

#include <string>

#include "board/afloop.h"

namespace sudoku::teksten {

// The end of a solve.
inline constexpr const char* OPGELOST = " Sudoku succesvol ingevuld! ";
inline constexpr const char* OPGELOST_NA_GOK = " Sudoku succesvol ingevuld! (na een gok) ";
inline constexpr const char* NIET_GELDIG = " Sudoku ingevuld, maar niet geldig ";
inline constexpr const char* NIET_GENOEG_KENNIS =
    "Jammer niet genoeg kennis om de reeks op te lossen";
inline constexpr const char* INVOER_NIET_KOMPLEET =
    "Jammer, waarschijnlijk is de invoer niet kompleet";
// The final status text of a solve that ended this way; "" for NogNietOpgelost, which
// writes none.
const char* statusTekst(Afloop afloop);

// The module banners (written when "weergave modules" is ticked) and the texts that
// report a placement in the exception or naked stages (written whatever the option).
inline constexpr const char* MODULE_CEL = " Module CEL ";
inline constexpr const char* MODULE_CEL_UITZ = " Module CEL mbv uitzondering tabel ";
inline constexpr const char* MODULE_CEL_NAKED_PAIR = " Module CEL --> Naked Pair ";
inline constexpr const char* MODULE_CEL_NAKED_TRIPLE = " Module CEL --> Naked Triple ";
inline constexpr const char* MODULE_CEL_NAKED_TRIPLE_3PAIRS =
    " Module CEL --> Naked Triple *3pairs* ";
inline constexpr const char* MODULE_LIJNEN_H = " Module LIJNEN Horizontaal ";
inline constexpr const char* MODULE_LIJNEN_V = " Module LIJNEN Verticaal ";
inline constexpr const char* MODULE_LIJNEN_H_UITZ = " Module LIJNEN Horizontaal mbv uitz tabel ";
inline constexpr const char* MODULE_LIJNEN_V_UITZ = " Module LIJNEN Verticaal mbv uitz tabel ";
inline constexpr const char* MODULE_LIJNEN_H_NAKED_PAIR = " Module LIJNEN Horizontaal Naked Pair ";
inline constexpr const char* MODULE_LIJNEN_V_NAKED_PAIR = " Module LIJNEN Verticaal Naked Pair ";
inline constexpr const char* MODULE_LIJNEN_H_NAKED_TRIPLE =
    " Module LIJNEN Horizontaal Naked Triple ";
inline constexpr const char* MODULE_LIJNEN_V_NAKED_TRIPLE =
    " Module LIJNEN Verticaal Naked Triple ";
inline constexpr const char* MODULE_LIJNEN_H_NAKED_TRIPLE_3PAIRS =
    " Module LIJNEN Horizontaal Naked Triple 3pairs ";
inline constexpr const char* MODULE_LIJNEN_V_NAKED_TRIPLE_3PAIRS =
    " Module LIJNEN Verticaal Naked Triple 3pairs ";
inline constexpr const char* MODULE_BLOKKEN = " Module BLOKKEN ";
inline constexpr const char* MODULE_BLOKKEN_UITZ = " Module BLOKKEN mbv uitz tabel ";
inline constexpr const char* MODULE_BLOKLIJNEN_H = " Module BLOKLIJNEN Horizontaal ";
inline constexpr const char* MODULE_BLOKLIJNEN_V = " Module BLOKLIJNEN Verticaal ";
inline constexpr const char* MODULE_NAKED_PAIR = " Module Naked Pair ";
inline constexpr const char* MODULE_NAKED_TRIPLE = " Module Naked Triple ";
inline constexpr const char* MODULE_NAKED_TRIPLE_3PAIRS = " Module Naked Triple *3pairs* ";
inline constexpr const char* MODULE_UITPROBEREN = " Module Uitproberen ";
inline constexpr const char* FOUT_HERSTELD = " Fout hersteld na mislukte gok ";

// What a person calls each technique, beside its module's text: one name each, in the words
// of Dutch puzzle books, and never the same for a technique that places and one that only
// strikes candidates. The stages of the ladder after the first say what was struck first.
inline constexpr const char* NAAM_KRUISEN_RIJEN = "kruisen langs de rijen";
inline constexpr const char* NAAM_KRUISEN_KOLOMMEN = "kruisen langs de kolommen";
inline constexpr const char* NAAM_VERBORGEN_RIJ = "verborgen enkeling in rij";
inline constexpr const char* NAAM_VERBORGEN_KOLOM = "verborgen enkeling in kolom";
inline constexpr const char* NAAM_VERBORGEN_BLOK = "verborgen enkeling in blok";
inline constexpr const char* NAAM_NAAKTE_ENKELING = "naakte enkeling";
inline constexpr const char* NAAM_VERBORGEN_RIJ_WEG = "verborgen enkeling in rij na wegstrepen";
inline constexpr const char* NAAM_VERBORGEN_KOLOM_WEG = "verborgen enkeling in kolom na wegstrepen";
inline constexpr const char* NAAM_VERBORGEN_BLOK_WEG = "verborgen enkeling in blok na wegstrepen";
inline constexpr const char* NAAM_NAAKTE_ENKELING_WEG = "naakte enkeling na wegstrepen";
inline constexpr const char* NAAM_NAAKTE_ENKELING_PAAR = "naakte enkeling na naakt paar";
inline constexpr const char* NAAM_VERBORGEN_RIJ_PAAR = "verborgen enkeling in rij na naakt paar";
inline constexpr const char* NAAM_VERBORGEN_KOLOM_PAAR =
    "verborgen enkeling in kolom na naakt paar";
inline constexpr const char* NAAM_NAAKTE_ENKELING_DRIETAL = "naakte enkeling na naakt drietal";
inline constexpr const char* NAAM_VERBORGEN_RIJ_DRIETAL =
    "verborgen enkeling in rij na naakt drietal";
inline constexpr const char* NAAM_VERBORGEN_KOLOM_DRIETAL =
    "verborgen enkeling in kolom na naakt drietal";
inline constexpr const char* NAAM_NAAKTE_ENKELING_DRIE_PAREN =
    "naakte enkeling na naakt drietal van drie paren";
inline constexpr const char* NAAM_VERBORGEN_RIJ_DRIE_PAREN =
    "verborgen enkeling in rij na naakt drietal van drie paren";
inline constexpr const char* NAAM_VERBORGEN_KOLOM_DRIE_PAREN =
    "verborgen enkeling in kolom na naakt drietal van drie paren";
inline constexpr const char* NAAM_GOK = "gok";
inline constexpr const char* NAAM_HERSTEL = "herstel na een mislukte gok";
// The techniques that only strike candidates: the naked sets, and the two ways a block and a
// line confine a digit (the block module's pair on one line, the line module's places in one
// block).
inline constexpr const char* NAAM_NAAKT_PAAR = "naakt paar";
inline constexpr const char* NAAM_NAAKT_DRIETAL = "naakt drietal";
inline constexpr const char* NAAM_NAAKT_DRIETAL_DRIE_PAREN = "naakt drietal van drie paren";
inline constexpr const char* NAAM_AANWIJZEND_PAAR = "aanwijzend paar";
inline constexpr const char* NAAM_OPEISEN = "opeisen";

// The step box, shown for every placed number when "weergave tussenstappen" is ticked.
inline constexpr const char* STAP_TITEL = "Gevonden SUDOKU getal !";
// "Getal in rij:  9  en kolom:  1  is gevuld.    ": each number after the space that ends
// the text before it and a sign position.
std::string stapTekst(int rij, int kol);

}  // namespace sudoku::teksten
