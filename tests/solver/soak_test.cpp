// Thousands of generated boards, each solved with and without a guess allowed: every
// solve ends, keeps its givens and counts, and only a complete board without a
// repeated digit is called a success.
#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>
#include <sstream>

#include "support/testhulp.h"

namespace sudoku::test {
namespace {

// A solved grid: the standard pattern with shuffled bands, stacks, rows, columns, digits.
std::string opgelostRaster(std::mt19937& rng) {
    auto schud3 = [&](std::array<int, 3> a) {
        std::shuffle(a.begin(), a.end(), rng);
        return a;
    };
    std::array<int, 9> rijen{}, kolommen{};
    int i = 0;
    for (int g : schud3({0, 1, 2}))
        for (int r : schud3({0, 1, 2})) rijen[i++] = g * 3 + r;
    i = 0;
    for (int g : schud3({0, 1, 2}))
        for (int k : schud3({0, 1, 2})) kolommen[i++] = g * 3 + k;
    std::array<int, 9> cijfers{};
    std::iota(cijfers.begin(), cijfers.end(), 1);
    std::shuffle(cijfers.begin(), cijfers.end(), rng);
    std::string s;
    for (int r : rijen)
        for (int k : kolommen)
            s.push_back(static_cast<char>('0' + cijfers[(3 * (r % 3) + r / 3 + k) % 9]));
    return s;
}

std::string metGaten(std::string b, int gaten, std::mt19937& rng) {
    std::array<int, 81> cellen{};
    std::iota(cellen.begin(), cellen.end(), 0);
    std::shuffle(cellen.begin(), cellen.end(), rng);
    for (int j = 0; j < gaten; ++j) b[cellen[j]] = '.';
    return b;
}

std::string maakBord(int soort, std::mt19937& rng) {
    std::uniform_int_distribution<int> cijfer(1, 9), cel(0, 80), pct(0, 99);
    switch (soort) {
        case 0: {  // random partial board, repeats allowed
            const int vul = pct(rng) / 2;
            std::string b(81, '.');
            for (char& c : b)
                if (pct(rng) < vul) c = static_cast<char>('0' + cijfer(rng));
            return b;
        }
        case 1:  // a valid grid with clues removed
            return metGaten(opgelostRaster(rng), std::uniform_int_distribution<int>(1, 64)(rng),
                            rng);
        default: {  // a valid grid with clues removed and one to three repeated digits
            std::string b =
                metGaten(opgelostRaster(rng), std::uniform_int_distribution<int>(10, 60)(rng), rng);
            for (int n = std::uniform_int_distribution<int>(1, 3)(rng); n > 0; --n) {
                int van = cel(rng),
                    naar = (van / 9) * 9 + (van + 1 + cel(rng) % 8) % 9;  // same row
                if (b[van] == '.') b[van] = static_cast<char>('0' + cijfer(rng));
                b[naar] = b[van];
            }
            return b;
        }
    }
}

TEST(Soak, GeneratedBoardsEndSoundlyWithAndWithoutAGuess) {
    std::mt19937 rng(20261208);
    const long indexVoor = indexBuitenBereik.load();
    int succes = 0, totaal = 0;
    for (int n = 0; n < 3000; ++n) {
        const std::string opgave = maakBord(n % 3, rng);
        for (int gok = 0; gok <= 1; ++gok) {
            HeadlessControls ui;
            ui.zetVink(Vink::Uitproberen, gok);
            ui.zetVink(Vink::Module, n % 2);
            SudokuForm form(ui);
            std::string tekst;
            for (int r = 0; r < 9; ++r) tekst += opgave.substr(r * 9, 9) + "\n";
            std::istringstream bron(tekst);
            form.Form_LoadUit(bron);
            form.StartCommand_Click();
            ++totaal;

            ASSERT_LE(form.passen, SudokuForm::MAX_PASSEN) << opgave;
            const std::string bord = bordRegel(form.veld);
            for (int i = 0; i < 81; ++i) {
                if (opgave[i] != '.') {
                    ASSERT_EQ(bord[i], opgave[i]) << opgave << " gok " << gok;
                }
            }
            for (int d = 1; d <= 9; ++d)
                ASSERT_EQ(form.aantal(d), std::count(bord.begin(), bord.end(), '0' + d)) << opgave;
            const std::string& uit = ui.opmerk();
            if (uit == " Sudoku succesvol ingevuld! " ||
                uit == " Sudoku succesvol ingevuld! (na een gok) ") {
                ++succes;
                ASSERT_EQ(bord.find('.'), std::string::npos) << opgave;
                ASSERT_TRUE(zonderDubbelen(bord)) << opgave << " gok " << gok;
            }
            if (form.KOMPLEET && !zonderDubbelen(bord)) {
                ASSERT_EQ(uit, " Sudoku ingevuld, maar niet geldig ") << opgave;
            }
        }
    }
    EXPECT_EQ(indexBuitenBereik.load(), indexVoor);
    EXPECT_GT(succes, totaal / 10);  // the generator does make solvable boards
}

}  // namespace
}  // namespace sudoku::test
