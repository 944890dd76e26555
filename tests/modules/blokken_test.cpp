#include <gtest/gtest.h>

#include <set>
#include <tuple>

#include "support/testhulp.h"

namespace sudoku {
namespace {

using test::Opstelling;
using test::zetBord;
using Uitz = std::set<std::tuple<int, int, int>>;  // (digit, row, column)

class BlokkenTest : public ::testing::Test {
protected:
    void SetUp() override { indexVoor = indexBuitenBereik.load(); }
    void TearDown() override { EXPECT_EQ(indexBuitenBereik.load(), indexVoor); }

    void blok(int r, int k) {
        o.form.rij = static_cast<Integer>(r);
        o.form.kol = static_cast<Integer>(k);
        o.form.ModuleBlokken(o.form.rij, o.form.kol);
    }
    void bord(const std::string& b) {
        zetBord(o.form, b);
        o.form.WisUitzTabel();
    }
    void uitzStadium() {
        o.form.CONTROL_UITZ = true;
        o.form.uitz_gedaan = 60;
    }
    Uitz uitz() const {
        Uitz s;
        for (int d = 1; d <= 9; ++d)
            for (int r = 1; r <= 9; ++r)
                for (int k = 1; k <= 9; ++k)
                    if (o.form.uitz_tabel(d, r, k) != " ") s.insert({d, r, k});
        return s;
    }

    Opstelling o;
    long indexVoor = 0;
};

TEST_F(BlokkenTest, OneEmptyCellGetsItsNumberInTheFirstPass) {
    // Block (4,7) misses only 5, at its middle cell (5,8).
    std::string b(81, '.');
    const std::string blokCijfers = "1234.6789";
    for (int i = 0; i < 9; ++i) b[(3 + i / 3) * 9 + 6 + i % 3] = blokCijfers[i];
    bord(b);
    o.form.uitz_tabel(5, 5, 8) = "5";  // not consulted outside the exception stage
    blok(4, 7);
    EXPECT_EQ(o.form.veld(5, 8), "5");
    EXPECT_TRUE(o.form.NWGETAL);
    EXPECT_TRUE(o.form.GEENLEGEPLEK);  // the second pass finds the block full
    EXPECT_EQ(o.ui.celTekst(5, 8), "5");
}

TEST_F(BlokkenTest, ExceptionStagePlacementShowsOnlyItsOwnTextAndKeepsTheNakedFlag) {
    // Block (1,1) misses 8 and 9 at (1,1) and (1,2); column 1 holds 8 lower down.
    bord("..1......234......567......8" + std::string(53, '.'));
    ASSERT_EQ(o.form.veld(4, 1), "8");
    uitzStadium();
    o.form.CONTROL_NAKED = true;
    o.form.ctrl_NKD = 2;
    o.form.uitz_tabel(3, 9, 9) = "3";
    blok(1, 1);
    EXPECT_EQ(o.form.veld(1, 2), "8");
    EXPECT_EQ(o.form.veld(1, 1), " ");  // one placement per call in this stage
    EXPECT_EQ(o.ui.opmerk(), " Module BLOKKEN mbv uitz tabel ");
    EXPECT_EQ(o.form.uitz_gedaan, 0);
    EXPECT_TRUE(uitz().empty());
    EXPECT_FALSE(o.form.CONTROL_UITZ);
    EXPECT_TRUE(o.form.CONTROL_NAKED);
}

TEST_F(BlokkenTest, VulUitzLijnLeavesOutThePairAndFillsTheGapCell) {
    bord(std::string(9, '.') + "....7...." + std::string(63, '.'));
    // Row 2, pair at columns 1 and 3 (split): every other empty cell, column 2 included.
    o.form.VulUitzLijn("4", false, 2, 3, true);
    EXPECT_EQ(uitz(), (Uitz{{4, 2, 2}, {4, 2, 4}, {4, 2, 6}, {4, 2, 7}, {4, 2, 8}, {4, 2, 9}}));
    EXPECT_EQ(o.form.pos, 10);
    EXPECT_EQ(o.form.uitzMOG, "4");

    o.form.WisUitzTabel();
    // Column 5, adjacent pair at rows 5 and 6: (2,5) holds 7 and is left alone.
    o.form.VulUitzLijn("9", true, 5, 6, false);
    EXPECT_EQ(uitz(), (Uitz{{9, 1, 5}, {9, 3, 5}, {9, 4, 5}, {9, 7, 5}, {9, 8, 5}, {9, 9, 5}}));
}

TEST_F(BlokkenTest, ExceptionStageRecordsPairsSharingALine) {
    // Block (1,1) with three empty cells and the missing numbers 7, 8, 9; a 9 outside
    // the block shuts one of them out, which leaves 9 a pair. Every other cell of the
    // board is empty.
    struct Geval {
        int leeg[3];        // block indexes of the empty cells
        int negenRij, negenKol;  // where the shutting 9 stands
        Uitz verwacht;      // recorded entries
    };
    auto rijBuiten = [](int r, int laatsteKol, int andereKol) {
        Uitz s;
        for (int k = 1; k <= 9; ++k)
            if (k != laatsteKol && k != andereKol) s.insert({9, r, k});
        return s;
    };
    auto kolBuiten = [](int k, int laatsteRij, int andereRij) {
        Uitz s;
        for (int r = 1; r <= 9; ++r)
            if (r != laatsteRij && r != andereRij) s.insert({9, r, k});
        return s;
    };
    const Geval gevallen[] = {
        // indexes 1 & 3 (row 1, gap): the filled middle (1,2) stays out
        {{1, 3, 5}, 2, 5, [&] { auto s = rijBuiten(1, 3, 1); s.erase({9, 1, 2}); return s; }()},
        // indexes 2 & 8 (column 2, gap): the empty middle (2,2) is recorded
        {{2, 5, 8}, 2, 5, kolBuiten(2, 3, 1)},
        // indexes 4 & 5 (row 2, adjacent)
        {{4, 5, 9}, 3, 5, [&] { auto s = rijBuiten(2, 2, 1); s.erase({9, 2, 3}); return s; }()},
        // indexes 3 & 6 (column 3, adjacent)
        {{3, 6, 7}, 3, 5, [&] { auto s = kolBuiten(3, 2, 1); s.erase({9, 3, 3}); return s; }()},
        // indexes 3 & 4, and 1 & 5: no shared line, nothing recorded
        {{3, 4, 9}, 3, 5, {}},
        {{1, 5, 9}, 3, 5, {}},
    };
    for (const Geval& g : gevallen) {
        std::string b(81, '.');
        char volgende = '1';
        for (int idx = 1; idx <= 9; ++idx) {
            if (idx == g.leeg[0] || idx == g.leeg[1] || idx == g.leeg[2]) continue;
            b[((idx - 1) / 3) * 9 + (idx - 1) % 3] = volgende++;
        }
        b[(g.negenRij - 1) * 9 + g.negenKol - 1] = '9';
        bord(b);
        uitzStadium();
        blok(1, 1);
        const int opnames = g.verwacht.empty() ? 0 : 1;
        EXPECT_EQ(o.form.uitz_gedaan, 60 + opnames) << g.leeg[0] << g.leeg[1] << g.leeg[2];
        EXPECT_EQ(uitz(), g.verwacht) << g.leeg[0] << g.leeg[1] << g.leeg[2];
        EXPECT_FALSE(o.form.NWGETAL);
        if (opnames) {
            EXPECT_EQ(o.form.uitzMOG, "9");
        }
    }
}

}  // namespace
}  // namespace sudoku
