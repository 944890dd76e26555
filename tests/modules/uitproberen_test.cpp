// The trial module: which block and digit it guesses, and the board it saves first.
#include <gtest/gtest.h>

#include "support/testhulp.h"

namespace sudoku::test {
namespace {

struct Uitproberen : ::testing::Test {
    Opstelling o;
    void TearDown() override { EXPECT_EQ(indexBuitenBereik.load(), 0); }
    std::string laad(std::initializer_list<int> leeg) {  // cells as row * 10 + column
        std::string b = kOpgelost;
        for (int c : leeg) b[(c / 10 - 1) * 9 + c % 10 - 1] = '.';
        zetBord(o.form, b);
        o.form.WisUitzTabel();
        o.form.uitz_tabel(4, 9, 9) = "4";
        o.form.uitz_gedaan = 95;
        o.form.CONTROL_UITZ = o.form.CONTROL_NAKED = true;
        return b;
    }
};

TEST_F(Uitproberen, TheLastBlockWithTwoEmptyCellsGetsTheSmallerDigit) {
    // Block (1,4) and block (7,7) have two empty cells each; (8,9) holds 9, (9,7) holds 3.
    const std::string voor = laad({15, 34, 89, 97});
    o.form.ModuleUitproberen();
    EXPECT_EQ(o.form.up1, "89");
    EXPECT_EQ(o.form.uitprobeeroptie2, "9");
    EXPECT_EQ(bordTekst(o.form), std::string(voor).replace(7 * 9 + 8, 1, "3"));
    EXPECT_EQ(o.ui.celTekst(8, 9), "3");
    for (int i = 0; i < 81; ++i)  // the copy is the board before the guess
        EXPECT_EQ(o.form.veld_bewaard(i / 9 + 1, i % 9 + 1), voor[i] == '.' ? " " : voor.substr(i, 1));
    EXPECT_TRUE(o.form.PROBEERUIT && o.form.PROBEERUIT_ONTHOUDEN && o.form.PROBEERUIT_OOIT);
    EXPECT_TRUE(o.form.NWGETAL);
    // The guess ends the exception and naked stages like any placement.
    EXPECT_EQ(o.form.uitz_gedaan, 0);
    EXPECT_TRUE(uitzSet(o.form).empty());
    EXPECT_FALSE(o.form.CONTROL_UITZ || o.form.CONTROL_NAKED);
}

TEST_F(Uitproberen, NoBlockWithExactlyTwoEmptyCellsMeansNoGuess) {
    const std::string voor = laad({11, 22, 33, 55});  // three empty, and one empty
    o.form.PROBEERUIT = o.form.PROBEERUIT_ONTHOUDEN = true;
    o.form.ModuleUitproberen();
    EXPECT_FALSE(o.form.PROBEERUIT || o.form.PROBEERUIT_ONTHOUDEN);
    EXPECT_EQ(bordTekst(o.form), voor);
    EXPECT_TRUE(o.form.veld_bewaard == o.form.veld);
    EXPECT_EQ(o.form.uitz_gedaan, 95);
}

}  // namespace
}  // namespace sudoku::test
