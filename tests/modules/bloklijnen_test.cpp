#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <tuple>

#include "support/testhulp.h"

namespace sudoku {
namespace {

using test::Opstelling;
using test::zetBord;

const std::string OPLOSSING =
    "483921657967345821251876493548132976729564138136798245372689514814253769695417382";

std::string transponeer(const std::string& b) {
    std::string t(81, '.');
    for (int r = 0; r < 9; ++r)
        for (int k = 0; k < 9; ++k) t[k * 9 + r] = b[r * 9 + k];
    return t;
}

// A board with the given cells (row, column, digit) and nothing else.
std::string metCellen(std::initializer_list<std::tuple<int, int, char>> cellen) {
    std::string b(81, '.');
    for (auto [r, k, c] : cellen) b[(r - 1) * 9 + k - 1] = c;
    return b;
}

class BlokLijnenTest : public ::testing::Test {
protected:
    void SetUp() override { indexVoor = indexBuitenBereik.load(); }
    void TearDown() override { EXPECT_EQ(indexBuitenBereik.load(), indexVoor); }

    // One call for `getal` on the band that starts at row (or column) `begin`; the other
    // argument holds 4, as a driver might have left it.
    void band(const char* getal, bool horizontaal, int begin) {
        o.form.GEVBLOKL = false;
        o.form.MOG = getal;
        o.form.HORIZON = horizontaal;
        o.form.rij = static_cast<Integer>(horizontaal ? begin : 4);
        o.form.kol = static_cast<Integer>(horizontaal ? 4 : begin);
        o.form.ModuleBlokLijnen(o.form.GEVBLOKL, o.form.MOG, o.form.rij, o.form.kol, o.form.HORIZON);
    }

    Opstelling o;
    long indexVoor = 0;
};

// 5 in rows 1 and 2 at columns 2 and 5: it must go into row 3, columns 7..9.
TEST_F(BlokLijnenTest, SingleEmptyCellOfTheSegmentGetsTheNumberWithoutFurtherTest) {
    // Column 8 already holds a 5 further down; with one empty cell that is not looked at.
    zetBord(o.form, metCellen({{1, 2, '5'}, {2, 5, '5'}, {3, 7, '1'}, {3, 9, '2'}, {6, 8, '5'}}));
    band("5", true, 1);
    EXPECT_EQ(o.form.veld(3, 8), "5");
    EXPECT_TRUE(o.form.GEVBLOKL);
    EXPECT_FALSE(o.form.GEVMOG);
    EXPECT_EQ(o.form.rij, 1);  // the band argument is back at its first row
    EXPECT_EQ(o.form.kol, 8);
    EXPECT_EQ(o.form.aantal(5), 4);
    EXPECT_TRUE(o.form.NWGETAL);
    EXPECT_EQ(o.ui.celTekst(3, 8), "5");
}

TEST_F(BlokLijnenTest, TwoEmptyCellsNeedACrossingLineThatHoldsTheNumber) {
    const std::initializer_list<std::tuple<int, int, char>> basis = {{1, 2, '5'}, {2, 5, '5'}, {3, 9, '2'}};
    std::string b = metCellen(basis);
    b[5 * 9 + 6] = '5';  // (6,7): column 7 holds 5
    zetBord(o.form, b);
    band("5", true, 1);
    EXPECT_EQ(o.form.veld(3, 8), "5");
    EXPECT_EQ(o.form.veld(3, 7), " ");
    EXPECT_TRUE(o.form.GEVBLOKL);

    // Neither column holds it: nothing happens, and both arguments are as they were.
    zetBord(o.form, metCellen(basis));
    band("5", true, 1);
    EXPECT_FALSE(o.form.GEVBLOKL);
    EXPECT_EQ(test::bordTekst(o.form), metCellen(basis));
    EXPECT_EQ(o.form.rij, 1);
    EXPECT_EQ(o.form.kol, 4);
}

TEST_F(BlokLijnenTest, VerticalBandPlacesAlongTheColumn) {
    zetBord(o.form, transponeer(metCellen({{1, 2, '5'}, {2, 5, '5'}, {3, 7, '1'}, {3, 9, '2'}})));
    o.ui.zetVink(Vink::Module, 1);
    band("5", false, 1);
    EXPECT_EQ(o.form.veld(8, 3), "5");
    EXPECT_EQ(o.form.kol, 1);
    EXPECT_EQ(o.form.rij, 8);
    EXPECT_EQ(o.ui.opmerk(), " Module BLOKLIJNEN Verticaal ");
}

TEST_F(BlokLijnenTest, NoActionUnlessTheNumberStandsInExactlyTwoLines) {
    o.ui.zetVink(Vink::Module, 1);
    // Complete number: not even the banner.
    zetBord(o.form, OPLOSSING);
    o.ui.zetOpmerk("vooraf");
    band("5", true, 4);
    EXPECT_EQ(o.ui.opmerk(), "vooraf");
    EXPECT_FALSE(o.form.GEVBLOKL);

    for (const auto& b : {metCellen({{1, 2, '5'}, {2, 5, '5'}, {3, 8, '5'}}), metCellen({{2, 5, '5'}})}) {
        zetBord(o.form, b);
        band("5", true, 1);
        EXPECT_EQ(o.ui.opmerk(), " Module BLOKLIJNEN Horizontaal ");
        EXPECT_FALSE(o.form.GEVBLOKL);
        EXPECT_EQ(o.form.rij, 1);
        EXPECT_EQ(test::bordTekst(o.form), b);
    }
}

// The number 5 stands in rows 1 and 2, but row 3's segment (columns 1..3) is full.
class MislukteGokTest : public BlokLijnenTest {
protected:
    void SetUp() override {
        BlokLijnenTest::SetUp();
        bewaard = OPLOSSING;
        bewaard[2 * 9 + 4] = '.';  // (3,5) and (3,6), block (1,4): 7 and 6 missing
        bewaard[2 * 9 + 5] = '.';
        bewaard[8 * 9 + 8] = '.';  // (9,9): 2 incomplete
        std::string tegenstrijdig = OPLOSSING;
        tegenstrijdig[2 * 9 + 1] = '9';  // (3,2) no longer holds 5
        zetBord(o.form, tegenstrijdig);
        for (int i = 0; i < 81; ++i)
            o.form.veld_bewaard(i / 9 + 1, i % 9 + 1) = bewaard[i] == '.' ? " " : std::string(1, bewaard[i]);
        for (int r = 1; r <= 9; ++r)
            for (int k = 1; k <= 9; ++k) o.ui.zetCelTekst(r, k, "x");
        for (int i = 1; i <= 9; ++i) o.ui.zetOplos(i, "q");
        o.form.WisUitzTabel();
        o.form.uitz_tabel(4, 4, 4) = "4";
        o.form.uitz_gedaan = 95;
        o.form.CONTROL_UITZ = true;
        o.form.CONTROL_NAKED = true;
        o.form.up1 = "35";
        o.form.uitprobeeroptie2 = "7";
        o.form.herstel_MOG = "";
    }
    std::string bewaard;
};

TEST_F(MislukteGokTest, RepairRestoresTheSavedBoardWithTheOtherOption) {
    o.form.PROBEERUIT = true;
    o.form.PROBEERUIT_ONTHOUDEN = true;
    band("5", true, 1);

    std::string verwacht = bewaard;
    verwacht[2 * 9 + 4] = '7';
    EXPECT_EQ(test::bordTekst(o.form), verwacht);
    for (int d = 1; d <= 9; ++d)
        EXPECT_EQ(o.form.aantal(d), std::count(verwacht.begin(), verwacht.end(), '0' + d)) << d;
    for (int r = 1; r <= 9; ++r)
        for (int k = 1; k <= 9; ++k) EXPECT_EQ(o.ui.celTekst(r, k), o.form.veld(r, k)) << r << k;
    EXPECT_EQ(o.ui.oplos(1), "1");
    EXPECT_EQ(o.ui.oplos(5), "5");
    EXPECT_EQ(o.ui.oplos(2), " ");
    EXPECT_EQ(o.ui.oplos(6), " ");
    for (int d = 1; d <= 9; ++d)
        for (int r = 1; r <= 9; ++r)
            for (int k = 1; k <= 9; ++k) ASSERT_EQ(o.form.uitz_tabel(d, r, k), " ");
    EXPECT_EQ(o.form.uitz_gedaan, 0);
    EXPECT_FALSE(o.form.CONTROL_UITZ);
    EXPECT_FALSE(o.form.CONTROL_NAKED);
    EXPECT_FALSE(o.form.PROBEERUIT);
    EXPECT_FALSE(o.form.PROBEERUIT_ONTHOUDEN);
    EXPECT_EQ(o.ui.opmerk(), " Fout hersteld na mislukte gok ");
    EXPECT_EQ(o.form.herstel_MOG, "5");
    EXPECT_EQ(o.form.MOG, "5");  // the number under test is back
    EXPECT_EQ(o.form.posUPR, 3);
    EXPECT_EQ(o.form.posUPK, 5);
    EXPECT_EQ(o.form.rij, 1);
    EXPECT_EQ(o.form.kol, 5);
    EXPECT_TRUE(o.form.GEVBLOKL);
    EXPECT_FALSE(o.form.GEVMOG);
    EXPECT_TRUE(o.form.NWGETAL);  // the guessed cell is reported
    EXPECT_EQ(o.ui.celKleur(3, 5), KLEUR_VENSTERTEKST);
}

TEST_F(MislukteGokTest, WithoutKeepingTheNumberTheOtherOptionStaysInTheArgument) {
    o.form.PROBEERUIT = true;
    band("5", true, 1);
    EXPECT_EQ(o.form.veld(3, 5), "7");
    EXPECT_EQ(o.form.MOG, "7");
}

TEST_F(MislukteGokTest, ContradictionWithoutAGuessSignalsTheDriverAndReportsNoCell) {
    o.ui.zetVink(Vink::Tussenstap, 1);
    const std::string voor = test::bordTekst(o.form);
    band("5", true, 1);
    EXPECT_EQ(o.form.uitz_gedaan, 100);
    EXPECT_EQ(o.ui.opmerk(), " Fout hersteld na mislukte gok ");
    EXPECT_TRUE(o.form.GEVBLOKL);
    EXPECT_FALSE(o.form.GEVMOG);
    EXPECT_EQ(test::bordTekst(o.form), voor);
    EXPECT_FALSE(o.form.NWGETAL);
    EXPECT_TRUE(o.ui.meldingen().empty());
    EXPECT_EQ(o.ui.oplos(5), "q");
    EXPECT_EQ(o.ui.celTekst(3, 4), "x");
    EXPECT_EQ(o.form.MOG, "5");
    EXPECT_EQ(o.form.rij, 1);
    EXPECT_EQ(o.form.kol, 4);
}

}  // namespace
}  // namespace sudoku
