#include "support/testhulp.h"

#include <stdlib.h>
#include <fstream>

#include <gtest/gtest.h>

namespace sudoku::test {

void zetBord(SudokuForm& form, const std::string& bord) {
    for (int d = 1; d <= 9; ++d) form.aantal(d) = 0;
    for (std::size_t i = 0; i < 81; ++i) {
        const std::string c =
            i < bord.size() && bord[i] >= '1' && bord[i] <= '9' ? bord.substr(i, 1) : " ";
        form.veld(i / 9 + 1, i % 9 + 1) = c;
        form.TelGetal(c == " " ? "" : c);
    }
}

std::string metCellen(std::initializer_list<std::tuple<int, int, char>> cellen) {
    std::string b(81, '.');
    for (auto [r, k, c] : cellen) b[(r - 1) * 9 + k - 1] = c;
    return b;
}

Uitz uitzSet(const SudokuForm& form) {
    Uitz s;
    for (int d = 1; d <= 9; ++d)
        for (int i = 0; i < 81; ++i)
            if (const std::string& v = form.uitz_tabel(d, i / 9 + 1, i % 9 + 1); v != " ")
                s.insert({v == getalTekst(d) ? d : -d, i / 9 + 1, i % 9 + 1});
    return s;
}

std::vector<Puzzel> leesCollectie(const std::string& naam) {
    std::vector<Puzzel> uit;
    std::ifstream p(std::string(SUDOKU_PUZZELS) + "/" + naam + ".txt");
    std::ifstream o(std::string(SUDOKU_PUZZELS) + "/" + naam + ".solutions.txt");
    // The collections come with the project: a test that finds none fails instead of
    // passing on nothing.
    if (!p || !o) ADD_FAILURE() << naam << " not found in " << SUDOKU_PUZZELS;
    std::string a, b;
    while (std::getline(p, a) && std::getline(o, b))
        uit.push_back({a.substr(0, 81), b.substr(0, 81)});
    return uit;
}

TijdelijkeMap::TijdelijkeMap() {
    std::string sjabloon =
        (std::filesystem::temp_directory_path() / "sudoku-blad-test-XXXXXX").string();
    pad_ = mkdtemp(sjabloon.data());
}

std::filesystem::path TijdelijkeMap::schrijf(const std::string& naam,
                                             const std::string& inhoud) const {
    auto p = pad_ / naam;
    std::filesystem::create_directories(p.parent_path());
    std::ofstream(p, std::ios::binary) << inhoud;
    return p;
}

}  // namespace sudoku::test
