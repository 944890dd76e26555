#include "support/testhulp.h"

#include <fstream>
#include <random>

namespace sudoku::test {

Opstelling::Opstelling() {
    form.testcasePad1 = "/nonexistent-sudoku-blad/SudokuTestCase.txt";
    form.testcasePad2 = "/nonexistent-sudoku-blad/2/SudokuTestCase.txt";
}

void zetBord(SudokuForm& form, const std::string& bord) {
    for (int d = 1; d <= 9; ++d) form.aantal(d) = 0;
    for (int i = 0; i < 81; ++i) {
        char c = i < static_cast<int>(bord.size()) ? bord[i] : '.';
        std::string cel = (c >= '1' && c <= '9') ? std::string(1, c) : std::string(" ");
        form.veld(i / 9 + 1, i % 9 + 1) = cel;
        form.TelGetal(cel == " " ? "" : cel);
    }
}

std::string bordTekst(const SudokuForm& form) {
    std::string s;
    for (int r = 1; r <= 9; ++r)
        for (int k = 1; k <= 9; ++k) {
            const std::string& c = form.veld(r, k);
            s.push_back(c.size() == 1 && c[0] >= '1' && c[0] <= '9' ? c[0] : '.');
        }
    return s;
}

bool zonderDubbelen(const std::string& b) {
    for (int eenheid = 0; eenheid < 27; ++eenheid) {
        bool gezien[10] = {};
        for (int j = 0; j < 9; ++j) {
            int r, k;
            if (eenheid < 9) {
                r = eenheid, k = j;
            } else if (eenheid < 18) {
                r = j, k = eenheid - 9;
            } else {
                int blok = eenheid - 18;
                r = (blok / 3) * 3 + j / 3, k = (blok % 3) * 3 + j % 3;
            }
            char c = b[r * 9 + k];
            if (c < '1' || c > '9') continue;
            if (gezien[c - '0']) return false;
            gezien[c - '0'] = true;
        }
    }
    return true;
}

std::string puzzelMap() { return SUDOKU_PUZZELS; }

std::vector<Puzzel> leesCollectie(const std::string& naam) {
    std::vector<Puzzel> uit;
    std::ifstream p(puzzelMap() + "/" + naam + ".txt");
    std::ifstream o(puzzelMap() + "/" + naam + ".solutions.txt");
    std::string a, b;
    while (std::getline(p, a) && std::getline(o, b)) {
        if (!a.empty() && a.back() == '\r') a.pop_back();
        if (!b.empty() && b.back() == '\r') b.pop_back();
        uit.push_back({a, b});
    }
    return uit;
}

TijdelijkeMap::TijdelijkeMap() {
    std::random_device rd;
    pad_ = std::filesystem::temp_directory_path() /
           ("sudoku-blad-test-" + std::to_string(rd()) + std::to_string(rd()));
    std::filesystem::create_directories(pad_);
}

TijdelijkeMap::~TijdelijkeMap() {
    std::error_code ec;
    std::filesystem::remove_all(pad_, ec);
}

std::filesystem::path TijdelijkeMap::schrijf(const std::string& naam, const std::string& inhoud) const {
    auto p = pad_ / naam;
    std::filesystem::create_directories(p.parent_path());
    std::ofstream(p, std::ios::binary) << inhoud;
    return p;
}

}  // namespace sudoku::test
