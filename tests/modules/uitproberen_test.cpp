#include <gtest/gtest.h>

#include <algorithm>

#include "support/testhulp.h"

namespace sudoku {
namespace {

using test::bordTekst;
using test::Opstelling;
using test::zetBord;

// A complete grid; 3 and 6 are swapped so that (5,2) holds 3 and (6,1) holds 8.
std::string opgelost() {
    std::string s;
    for (int r = 0; r < 9; ++r)
        for (int k = 0; k < 9; ++k) {
            char c = static_cast<char>('1' + (r * 3 + r / 3 + k) % 9);
            if (c == '3')
                c = '6';
            else if (c == '6')
                c = '3';
            s.push_back(c);
        }
    return s;
}

void wis(std::string& b, int r, int k) { b[(r - 1) * 9 + (k - 1)] = '.'; }

class UitproberenTest : public ::testing::Test {
protected:
    void TearDown() override { EXPECT_EQ(indexBuitenBereik.load(), 0); }

    void laad(const std::string& bord) {
        zetBord(o.form, bord);
        o.form.WisUitzTabel();
        o.form.uitz_tabel(4, 9, 9) = "4";  // something for the guess to wipe
        o.form.uitz_gedaan = 95;
        o.form.CONTROL_UITZ = true;
        o.form.CONTROL_NAKED = true;
    }

    Opstelling o;
};

TEST_F(UitproberenTest, LaatsteGeschikteBlokKrijgtDeGok) {
    std::string b = opgelost();
    ASSERT_EQ(b[4 * 9 + 1], '3');
    wis(b, 1, 5), wis(b, 3, 4);  // block (1,4)
    wis(b, 8, 9), wis(b, 9, 7);  // block (7,7)
    laad(b);
    const char klein = std::min(opgelost()[7 * 9 + 8], opgelost()[8 * 9 + 6]);
    const char groot = std::max(opgelost()[7 * 9 + 8], opgelost()[8 * 9 + 6]);
    o.form.ModuleUitproberen();

    EXPECT_EQ(o.form.UP, 2);
    EXPECT_EQ(o.form.up1, "89");
    EXPECT_EQ(o.form.up2, "97");
    EXPECT_EQ(o.form.uitprobeeroptie1, std::string(1, klein));
    EXPECT_EQ(o.form.uitprobeeroptie2, std::string(1, groot));
    EXPECT_EQ(o.form.posUPR, 8);
    EXPECT_EQ(o.form.posUPK, 9);
    EXPECT_EQ(o.form.veld(8, 9), std::string(1, klein));
    EXPECT_EQ(o.ui.celTekst(8, 9), std::string(1, klein));
    EXPECT_EQ(o.form.uitprobeer_lijst(1, 1), "15");
    EXPECT_EQ(o.form.uitprobeer_lijst(1, 2), "34");
    // the copy is the board before the guess
    for (int r = 1; r <= 9; ++r)
        for (int k = 1; k <= 9; ++k) {
            const char c = b[(r - 1) * 9 + k - 1];
            EXPECT_EQ(o.form.veld_bewaard(r, k), std::string(1, c == '.' ? ' ' : c));
        }
}

TEST_F(UitproberenTest, EnigBlokGeeftVolledigeGok) {
    std::string b = opgelost();
    wis(b, 5, 2), wis(b, 6, 1);  // block (4,1) misses 3 and 8
    laad(b);
    o.form.PROBEERUIT_OOIT = false;
    o.form.ModuleUitproberen();

    EXPECT_EQ(o.form.UP, 1);
    EXPECT_EQ(o.form.up1, "52");
    EXPECT_EQ(o.form.up2, "61");
    EXPECT_EQ(o.form.uitprobeeroptie1, "3");
    EXPECT_EQ(o.form.uitprobeeroptie2, "8");
    EXPECT_EQ(o.form.posUPR, 5);
    EXPECT_EQ(o.form.posUPK, 2);
    EXPECT_EQ(o.form.veld(5, 2), "3");
    EXPECT_EQ(o.form.veld(6, 1), " ");
    EXPECT_EQ(o.form.aantal(3), 9);
    EXPECT_EQ(o.ui.oplos(3), "3");
    EXPECT_TRUE(o.form.PROBEERUIT);
    EXPECT_TRUE(o.form.PROBEERUIT_ONTHOUDEN);
    EXPECT_TRUE(o.form.PROBEERUIT_OOIT);
    EXPECT_TRUE(o.form.NWGETAL);
    EXPECT_FALSE(o.form.KOMPLEET);
    // the guess ends the exception and naked stages like any placement
    EXPECT_EQ(o.form.uitz_gedaan, 0);
    EXPECT_EQ(o.form.uitz_tabel(4, 9, 9), " ");
    EXPECT_FALSE(o.form.CONTROL_UITZ);
    EXPECT_FALSE(o.form.CONTROL_NAKED);
    EXPECT_EQ(o.form.rij, 10);
    EXPECT_EQ(o.form.kol, 10);
    EXPECT_EQ(o.form.lus_rij, 10);
    EXPECT_EQ(o.form.lus_kol, 10);
}

TEST_F(UitproberenTest, GeenBlokMetTweeLegeCellen) {
    std::string b = opgelost();
    wis(b, 1, 1), wis(b, 2, 2), wis(b, 3, 3);  // three empty: not a candidate
    wis(b, 5, 5);                              // one empty: neither
    laad(b);
    const std::string voor = bordTekst(o.form);
    o.form.PROBEERUIT = true;
    o.form.PROBEERUIT_ONTHOUDEN = true;
    o.form.PROBEERUIT_OOIT = true;
    o.ui.zetOpmerk("vorige");
    o.form.ModuleUitproberen();

    EXPECT_EQ(o.form.UP, 0);
    EXPECT_FALSE(o.form.PROBEERUIT);
    EXPECT_FALSE(o.form.PROBEERUIT_ONTHOUDEN);
    EXPECT_TRUE(o.form.PROBEERUIT_OOIT);
    EXPECT_EQ(bordTekst(o.form), voor);
    EXPECT_TRUE(o.form.veld_bewaard == o.form.veld);
    EXPECT_FALSE(o.form.NWGETAL);
    EXPECT_EQ(o.form.uitz_gedaan, 95);
    EXPECT_EQ(o.ui.opmerk(), "vorige");

    o.ui.zetVink(Vink::Module, 1);
    o.form.ModuleUitproberen();
    EXPECT_EQ(o.ui.opmerk(), " Module Uitproberen ");
}

}  // namespace
}  // namespace sudoku
