// The three look-ups on chosen boards.
#include <gtest/gtest.h>

#include "support/testhulp.h"

namespace sudoku::test {
namespace {

TEST(ZoekInLijn, FindsTheFirstHitAlongAColumnOrARow) {
    Opstelling o;
    // Column 4 holds 7 at rows 6 and 8; row 5 holds 2 at column 3.
    zetBord(o.form, metCellen({{6, 4, '7'}, {8, 4, '7'}, {5, 3, '2'}}));
    Integer hit = -1;
    o.form.ZoekInLijn("7", true, 4, o.form.GEV, hit);
    EXPECT_TRUE(o.form.GEV);
    EXPECT_EQ(hit, 6);
    o.form.ZoekInLijn("2", false, 5, o.form.GEV, hit);
    EXPECT_TRUE(o.form.GEV);
    EXPECT_EQ(hit, 3);
    // Direction True with line 5 searches column 5, where there is no 2.
    o.form.ZoekInLijn("2", true, 5, o.form.GEV, hit);
    EXPECT_FALSE(o.form.GEV);
    EXPECT_EQ(hit, 0);
    EXPECT_EQ(o.form.pos, 10);
}

TEST(ZoekInBlok, LooksOnlyOutsideTheCellsOwnRowOrColumnInsideItsBlock) {
    Opstelling o;
    // Block (4,7): a 5 in row 4 column 9, a 6 in row 5 column 7.
    zetBord(o.form, metCellen({{4, 9, '5'}, {5, 7, '6'}}));
    // Cell (5,9), direction True: rows 4 and 6, columns 7..9; False: columns 7 and 8.
    const std::tuple<const char*, bool, bool> gevallen[] = {
        {"5", true, true}, {"6", true, false}, {"6", false, true}, {"5", false, false}};
    for (auto [getal, richting, verwacht] : gevallen) {
        o.form.ZoekInBlok(getal, richting, 5, 9, o.form.GEV);
        EXPECT_EQ(o.form.GEV, verwacht) << getal << richting;
    }
    o.form.veld(5, 7) = " ";
    o.form.veld(3, 7) = "6";  // outside the block
    o.form.ZoekInBlok("6", false, 5, 9, o.form.GEV);
    EXPECT_FALSE(o.form.GEV);
}

TEST(ZoekInUitzTabel, FindsOnlyTheDigitsOwnEntry) {
    Opstelling o;
    o.form.WisUitzTabel();
    o.form.uitz_tabel(3, 2, 2) = "3";
    for (int d = 1; d <= 9; ++d)
        for (int k : {2, 3}) {
            o.form.ZoekInUitzTabel(getalTekst(d), 2, k, o.form.GEV);
            EXPECT_EQ(o.form.GEV, d == 3 && k == 2) << d << k;
        }
}

}  // namespace
}  // namespace sudoku::test
