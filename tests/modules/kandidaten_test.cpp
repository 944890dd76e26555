#include <gtest/gtest.h>

#include "support/testhulp.h"

namespace sudoku {
namespace {

using test::Opstelling;
using test::zetBord;

class KandidatenTest : public ::testing::Test {
protected:
    void SetUp() override {
        // Cell (1,1): row 1 holds 2 3 4, column 1 holds 6 7, the block holds 8,
        // so 1, 5 and 9 remain.
        std::string bord(81, '.');
        bord[1] = '2', bord[2] = '3', bord[3] = '4';
        bord[3 * 9] = '6', bord[4 * 9] = '7';
        bord[1 * 9 + 1] = '8';
        zetBord(o.form, bord);
        o.form.WisUitzTabel();
    }
    void TearDown() override { EXPECT_EQ(indexBuitenBereik.load(), 0); }

    void bepaal(int r, int k) {
        o.form.rij = static_cast<Integer>(r);
        o.form.kol = static_cast<Integer>(k);
        o.form.BepaalCelKandidaten(o.form.rij, o.form.kol);
    }

    Opstelling o;
};

TEST_F(KandidatenTest, DrieOverigeCijfersOplopend) {
    bepaal(1, 1);
    EXPECT_EQ(o.form.kandidaten(1, 1), "159");
    // what the last test of digit 9 left behind
    EXPECT_EQ(o.form.MOG, "9");
    EXPECT_TRUE(o.form.HORIZON);
    EXPECT_EQ(o.form.locatie, "1");
    EXPECT_FALSE(o.form.GEV);
}

TEST_F(KandidatenTest, UitzonderingTabelSluitCijferUitOokZonderControleVlag) {
    o.form.uitz_tabel(5, 1, 1) = "5";
    o.form.CONTROL_UITZ = false;
    bepaal(1, 1);
    EXPECT_EQ(o.form.kandidaten(1, 1), "19");
}

TEST_F(KandidatenTest, VierOverigeCijfers) {
    o.form.veld(5, 1) = " ";  // 7 free again
    bepaal(1, 1);
    EXPECT_EQ(o.form.kandidaten(1, 1), "1579");
}

TEST_F(KandidatenTest, VijfOfMeerEnEenBlijvenLeeg) {
    bepaal(9, 9);  // empty surroundings: nine digits remain
    EXPECT_EQ(o.form.kandidaten(9, 9), "");
    o.form.uitz_tabel(1, 1, 1) = "1";
    o.form.uitz_tabel(5, 1, 1) = "5";
    bepaal(1, 1);  // only 9 remains, and nothing is placed
    EXPECT_EQ(o.form.kandidaten(1, 1), "");
    EXPECT_EQ(o.form.veld(1, 1), " ");
    EXPECT_FALSE(o.form.NWGETAL);
}

TEST_F(KandidatenTest, GevuldeCelHoudtWatErStond) {
    o.form.kandidaten(1, 2) = "xy";
    bepaal(1, 2);
    EXPECT_EQ(o.form.kandidaten(1, 2), "xy");
}

}  // namespace
}  // namespace sudoku
