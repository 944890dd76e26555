// Shared by the differential tests: controls that log every call the core makes on
// them, a field-by-field comparison of two forms, and seeded board states.
#pragma once

#include <cstdint>
#include <string>

#include "board/sudoku_form.h"
#include "form/headless_controls.h"

namespace sudoku::referentie {

// Headless controls that also write down, in order, every change the core makes.
class LogControls : public HeadlessControls {
public:
    std::string log;
    void zetCelTekst(int rij, int kol, const std::string& tekst) override;
    void zetCelKleur(int rij, int kol, Kleur kleur) override;
    void zetOplos(int i, const std::string& tekst) override;
    void zetOpmerk(const std::string& tekst) override;
    void meldingsvenster(const std::string& titel, const std::string& tekst) override;
    void zetKnopEnabled(Knop knop, bool aan) override;
};

// The names of the fields in which the two forms differ, empty when they agree.
// Fields that no later step reads before writing them are left out; see the .cpp.
std::string verschillen(const SudokuForm& a, const SudokuForm& b);

// Puts a seeded state into the form: the board (81 characters, '.' empty), the counts,
// scattered exception-table entries on empty cells, the flags and counters the modules
// read, and leftover values in the working fields. The same seed gives the same state.
void zetToestand(SudokuForm& form, const std::string& bord, std::uint64_t zaad);

// A board of random digits on random cells (duplicates included); `dichtheid` of 100
// cells are filled on average.
std::string willekeurigBord(std::uint64_t zaad, int dichtheid);

// A puzzle with a random part of its solution filled in, and now and then a wrong digit.
std::string half(const std::string& opgave, const std::string& oplossing, std::uint64_t zaad);

}  // namespace sudoku::referentie
