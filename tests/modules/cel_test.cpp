#include <gtest/gtest.h>

#include "support/testhulp.h"

namespace sudoku {
namespace {

using test::Opstelling;
using test::zetBord;

const std::string OPLOSSING =
    "483921657967345821251876493548132976729564138136798245372689514814253769695417382";

class CelTest : public ::testing::Test {
protected:
    void SetUp() override { indexVoor = indexBuitenBereik.load(); }
    void TearDown() override { EXPECT_EQ(indexBuitenBereik.load(), indexVoor); }

    void cel(int r, int k) {
        o.form.rij = static_cast<Integer>(r);
        o.form.kol = static_cast<Integer>(k);
        o.form.ModuleCel(o.form.rij, o.form.kol);
    }
    bool tabelLeeg() {
        for (int d = 1; d <= 9; ++d)
            for (int r = 1; r <= 9; ++r)
                for (int k = 1; k <= 9; ++k)
                    if (o.form.uitz_tabel(d, r, k) != " ") return false;
        return true;
    }
    // Row 1 holds 1..7 in columns 2..8: cell (1,1) keeps 8 and 9.
    void rijMetTweeOver() {
        zetBord(o.form, ".1234567." + std::string(72, '.'));
        o.form.WisUitzTabel();
    }

    Opstelling o;
    long indexVoor = 0;
};

TEST_F(CelTest, FilledCellOnlyShowsTheBanner) {
    zetBord(o.form, OPLOSSING);
    o.ui.zetOpmerk("vooraf");
    cel(4, 4);
    EXPECT_EQ(o.ui.opmerk(), "vooraf");
    o.ui.zetVink(Vink::Module, 1);
    cel(4, 4);
    EXPECT_EQ(o.ui.opmerk(), " Module CEL ");
    EXPECT_EQ(test::bordTekst(o.form), OPLOSSING);
    EXPECT_FALSE(o.form.NWGETAL);
}

TEST_F(CelTest, EightDigitsRuledOutPlacesTheNinthWithTheFullProtocol) {
    std::string bord = OPLOSSING;
    bord[4 * 9 + 4] = '.';  // (5,5) holds 6
    zetBord(o.form, bord);
    o.form.uitz_gedaan = 70;
    o.form.CONTROL_NAKED = true;
    o.form.ctrl_NKD = 0;  // no naked variant: no text
    o.form.uitz_tabel(2, 1, 1) = "2";
    o.ui.zetOpmerk("vooraf");
    cel(5, 5);
    EXPECT_EQ(o.form.veld(5, 5), "6");
    EXPECT_EQ(o.form.MOG, "6");
    EXPECT_EQ(o.form.aantal(6), 9);
    // Counted before ToonOplossing and ToonGevondenGetal read the counts.
    EXPECT_EQ(o.ui.oplos(6), "6");
    EXPECT_TRUE(o.form.KOMPLEET);
    EXPECT_TRUE(o.form.NWGETAL);
    EXPECT_EQ(o.ui.celTekst(5, 5), "6");
    EXPECT_EQ(o.ui.celKleur(5, 5), KLEUR_VENSTERTEKST);
    EXPECT_EQ(o.form.uitz_gedaan, 0);
    EXPECT_TRUE(tabelLeeg());
    EXPECT_FALSE(o.form.CONTROL_UITZ);
    EXPECT_FALSE(o.form.CONTROL_NAKED);
    EXPECT_EQ(o.ui.opmerk(), "vooraf");
}

TEST_F(CelTest, ExceptionTableRulesOutOnlyInTheExceptionStage) {
    rijMetTweeOver();
    o.form.uitz_tabel(8, 1, 1) = "8";
    cel(1, 1);
    EXPECT_EQ(o.form.veld(1, 1), " ");
    EXPECT_FALSE(o.form.NWGETAL);

    o.form.CONTROL_UITZ = true;
    cel(1, 1);
    EXPECT_EQ(o.form.veld(1, 1), "9");
    EXPECT_EQ(o.ui.opmerk(), " Module CEL mbv uitzondering tabel ");
    EXPECT_FALSE(o.form.CONTROL_UITZ);
    EXPECT_TRUE(tabelLeeg());
}

TEST_F(CelTest, NakedTextsShowWithoutTheModuleOptionAndWinOverTheExceptionText) {
    const char* teksten[] = {" Module CEL --> Naked Pair ", " Module CEL --> Naked Triple ",
                             " Module CEL --> Naked Triple *3pairs* "};
    for (int variant = 2; variant <= 4; ++variant) {
        rijMetTweeOver();
        o.form.uitz_tabel(8, 1, 1) = "8";
        o.form.CONTROL_UITZ = true;
        o.form.CONTROL_NAKED = true;
        o.form.ctrl_NKD = static_cast<Integer>(variant);
        cel(1, 1);
        EXPECT_EQ(o.form.veld(1, 1), "9");
        EXPECT_EQ(o.ui.opmerk(), teksten[variant - 2]);
        EXPECT_FALSE(o.form.CONTROL_NAKED);
    }
}

TEST_F(CelTest, TwoOrNoSurvivorsPlaceNothing) {
    rijMetTweeOver();
    cel(1, 1);
    EXPECT_EQ(o.form.veld(1, 1), " ");
    EXPECT_EQ(o.form.MOG, "9");  // the last digit tested
    EXPECT_TRUE(o.form.HORIZON);

    // All nine ruled out: 1..7 in the row, 8 in the column, 9 in the block.
    o.form.veld(5, 1) = "8";
    o.form.veld(2, 2) = "9";
    cel(1, 1);
    EXPECT_EQ(o.form.veld(1, 1), " ");
    EXPECT_FALSE(o.form.NWGETAL);
}

}  // namespace
}  // namespace sudoku
