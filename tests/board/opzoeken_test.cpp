// The three look-ups on chosen boards.
#include <gtest/gtest.h>

#include "support/testhulp.h"

namespace sudoku::test {
namespace {

// Column 4 holds 7 at rows 6 and 8; row 5 holds 2 at column 3.
const std::string kBord =
    "........."
    "........."
    "........."
    "........."
    "..2......"
    "...7....."
    "........."
    "...7....."
    ".........";

TEST(ZoekInLijn, FindsTheFirstHitAlongAColumnOrARow) {
    Opstelling o;
    zetBord(o.form, kBord);
    Integer hit = -1;
    o.form.ZoekInLijn("7", true, 4, o.form.GEV, hit);
    EXPECT_TRUE(o.form.GEV);
    EXPECT_EQ(hit, 6);
    EXPECT_TRUE(o.form.gelijkaan);
    EXPECT_EQ(o.form.pos, 7);

    o.form.ZoekInLijn("2", false, 5, o.form.GEV, hit);
    EXPECT_TRUE(o.form.GEV);
    EXPECT_EQ(hit, 3);
    // Direction True with line 5 searches column 5, where there is no 2.
    o.form.ZoekInLijn("2", true, 5, o.form.GEV, hit);
    EXPECT_FALSE(o.form.GEV);
    EXPECT_EQ(hit, 0);
    EXPECT_EQ(o.form.pos, 10);
}

TEST(ZoekInBlok, LooksOnlyOutsideTheCellsOwnRowOrColumn) {
    Opstelling o;
    // Block (4,7): a 5 in row 4 column 9, a 6 in row 5 column 7.
    zetBord(o.form, std::string(27, '.') + "........5" + "......6.." + std::string(36, '.'));
    // Cell (5,9), direction True: rows 4 and 6, columns 7..9.
    o.form.ZoekInBlok("5", true, 5, 9, o.form.GEV);
    EXPECT_TRUE(o.form.GEV);
    o.form.ZoekInBlok("6", true, 5, 9, o.form.GEV);  // 6 stands in the cell's own row
    EXPECT_FALSE(o.form.GEV);
    // Direction False: columns 7 and 8, rows 4..6.
    o.form.ZoekInBlok("6", false, 5, 9, o.form.GEV);
    EXPECT_TRUE(o.form.GEV);
    o.form.ZoekInBlok("5", false, 5, 9, o.form.GEV);  // 5 stands in the cell's own column
    EXPECT_FALSE(o.form.GEV);
    // Block (4,7) only: nothing outside it counts.
    o.form.veld(5, 7) = " ";
    o.form.veld(3, 7) = "6";
    o.form.ZoekInBlok("6", false, 5, 9, o.form.GEV);
    EXPECT_FALSE(o.form.GEV);
}

TEST(ZoekInUitzTabel, FindsOnlyTheDigitsOwnEntry) {
    Opstelling o;
    o.form.WisUitzTabel();
    for (int d = 1; d <= 9; ++d) {
        o.form.ZoekInUitzTabel(cijferTekst(d), 2, 2, o.form.GEV);
        EXPECT_FALSE(o.form.GEV);
    }
    o.form.uitz_tabel(3, 2, 2) = "3";
    o.form.ZoekInUitzTabel("3", 2, 2, o.form.GEV);
    EXPECT_TRUE(o.form.GEV);
    o.form.ZoekInUitzTabel("3", 2, 3, o.form.GEV);
    EXPECT_FALSE(o.form.GEV);
}

}  // namespace
}  // namespace sudoku::test
