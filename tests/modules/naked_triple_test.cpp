#include <gtest/gtest.h>

#include <initializer_list>
#include <set>
#include <tuple>
#include <utility>

#include "support/testhulp.h"

namespace sudoku {
namespace {

using test::Opstelling;
using test::zetBord;
using Uitz = std::set<std::tuple<int, int, int>>;  // (digit, row, column)

Uitz uitzSet(const SudokuForm& f) {
    Uitz s;
    for (int d = 1; d <= 9; ++d)
        for (int r = 1; r <= 9; ++r)
            for (int k = 1; k <= 9; ++k)
                if (f.uitz_tabel(d, r, k) == cijferTekst(d)) s.insert({d, r, k});
    return s;
}

class NakedTripleTest : public ::testing::Test {
protected:
    void SetUp() override {
        zetBord(o.form, std::string(81, '.'));
        o.form.WisUitzTabel();
    }
    void TearDown() override { EXPECT_EQ(indexBuitenBereik.load(), 0); }

    void kandidaat(int r, int k, const char* s) { o.form.kandidaten(r, k) = s; }

    // The digits for every empty cell of the given row (0: none) or block (top-left),
    // apart from the listed cells.
    Uitz rijBehalve(std::initializer_list<int> cijfers, int r, std::set<int> kolommen) {
        Uitz s;
        for (int d : cijfers)
            for (int k = 1; k <= 9; ++k)
                if (!kolommen.count(k) && o.form.veld(r, k) == " ") s.insert({d, r, k});
        return s;
    }
    Uitz blokBehalve(std::initializer_list<int> cijfers, int r0, int k0,
                     std::set<std::pair<int, int>> cellen) {
        Uitz s;
        for (int d : cijfers)
            for (int r = r0; r < r0 + 3; ++r)
                for (int k = k0; k < k0 + 3; ++k)
                    if (!cellen.count({r, k}) && o.form.veld(r, k) == " ") s.insert({d, r, k});
        return s;
    }

    Opstelling o;
};

TEST(EenheidTest, VergelijktAlsTekst) {
    Boolean uit = false;
    SudokuForm::ZelfdeRij("3", "1", "3", "9", uit);
    EXPECT_TRUE(uit);
    SudokuForm::ZelfdeRij("3", "1", "4", "1", uit);
    EXPECT_FALSE(uit);
    SudokuForm::ZelfdeKolom("2", "7", "9", "7", uit);
    EXPECT_TRUE(uit);
    SudokuForm::ZelfdeBlok("5", "9", "4", "7", uit);
    EXPECT_TRUE(uit);
    SudokuForm::ZelfdeBlok("6", "3", "4", "4", uit);  // same band, other stack
    EXPECT_FALSE(uit);
    SudokuForm::ZelfdeBlok("", "", "", "", uit);
    EXPECT_FALSE(uit);
}

TEST_F(NakedTripleTest, DrietalInRij) {
    o.form.veld(1, 3) = "5";
    kandidaat(1, 1, "127");
    kandidaat(1, 4, "17");
    kandidaat(1, 8, "27");
    o.form.ModuleNakedTriple();
    EXPECT_EQ(uitzSet(o.form), rijBehalve({1, 2, 7}, 1, {1, 4, 8}));
    EXPECT_EQ(o.form.lus_rij, 82);
}

TEST_F(NakedTripleTest, DrietalInBlokOverDrieRijenEnKolommen) {
    kandidaat(4, 4, "127");
    kandidaat(5, 6, "17");
    kandidaat(6, 5, "27");
    o.form.ModuleNakedTriple();
    EXPECT_EQ(uitzSet(o.form), blokBehalve({1, 2, 7}, 4, 4, {{4, 4}, {5, 6}, {6, 5}}));
}

TEST_F(NakedTripleTest, BlokEnRijNaHerlabelen) {
    kandidaat(7, 1, "127");
    kandidaat(7, 2, "17");
    kandidaat(7, 3, "27");
    o.form.ModuleNakedTriple();
    Uitz verwacht = blokBehalve({1, 2, 7}, 7, 1, {{7, 1}, {7, 2}, {7, 3}});
    verwacht.merge(rijBehalve({1, 2, 7}, 7, {1, 2, 3}));
    EXPECT_EQ(uitzSet(o.form), verwacht);
}

TEST_F(NakedTripleTest, DriePartnersInRijGeeftNiets) {
    kandidaat(1, 1, "127");
    kandidaat(1, 4, "17");
    kandidaat(1, 6, "27");
    kandidaat(1, 8, "12");
    o.form.ModuleNakedTriple();
    EXPECT_TRUE(uitzSet(o.form).empty());
}

TEST_F(NakedTripleTest, TweeCellenMetHetzelfdeDrietal) {
    kandidaat(2, 1, "127");
    kandidaat(2, 5, "127");
    kandidaat(2, 9, "12");
    o.form.ModuleNakedTriple();
    EXPECT_EQ(uitzSet(o.form), rijBehalve({1, 2, 7}, 2, {1, 5, 9}));
}

TEST_F(NakedTripleTest, DriePairenZonderDrietalcelGeeftNiets) {
    kandidaat(1, 1, "12");
    kandidaat(1, 4, "27");
    kandidaat(1, 8, "17");
    o.form.lus_rij = 5;
    o.form.ModuleNakedTriple();
    EXPECT_TRUE(uitzSet(o.form).empty());
    EXPECT_EQ(o.form.lus_rij, 5);  // no triple cell, no scans
}

TEST_F(NakedTripleTest, AnderDrietalOfVierCijfersIsGeenPartner) {
    kandidaat(3, 1, "127");
    kandidaat(3, 4, "17");
    kandidaat(3, 6, "128");   // a different triple
    kandidaat(3, 8, "127");   // the same triple: a partner
    kandidaat(3, 9, "1247");  // four digits never count
    o.form.ModuleNakedTriple();
    // (3,1) has partners 17 and 127 in the row: row acts; (3,8) likewise.
    EXPECT_EQ(uitzSet(o.form), rijBehalve({1, 2, 7}, 3, {1, 4, 8}));
}

TEST_F(NakedTripleTest, MeerDan20DrietalcellenMetPartners) {
    for (int r = 1; r <= 7; ++r)
        for (int k = 1; k <= 9; ++k) kandidaat(r, k, "345");  // 63 triple cells, all with partners
    kandidaat(9, 1, "127");
    kandidaat(9, 4, "17");
    kandidaat(9, 8, "27");
    o.form.ModuleNakedTriple();
    Uitz anders;
    for (const auto& [d, r, k] : uitzSet(o.form))
        if (d == 1 || d == 2 || d == 7) anders.insert({d, r, k});
    EXPECT_EQ(anders, rijBehalve({1, 2, 7}, 9, {1, 4, 8}));
}

TEST_F(NakedTripleTest, StatustekstAlleenMetVinkje) {
    o.ui.zetOpmerk("vorige");
    o.form.ModuleNakedTriple();
    EXPECT_EQ(o.ui.opmerk(), "vorige");
    o.ui.zetVink(Vink::Module, 1);
    o.form.ModuleNakedTriple();
    EXPECT_EQ(o.ui.opmerk(), " Module Naked Triple ");
}

TEST_F(NakedTripleTest, UitsluitenSlaatGevuldeEnEigenCellenOver) {
    o.form.veld(5, 5) = "9";
    o.form.ZetUitzTripleBlok("3", "45", "56", "64");
    EXPECT_EQ(uitzSet(o.form), blokBehalve({3}, 4, 4, {{4, 5}, {5, 6}, {6, 4}}));
    o.form.WisUitzTabel();
    o.form.ZetUitzTripleKolom("8", "25", "45", "95");
    Uitz kolom;
    for (int r : {1, 3, 6, 7, 8}) kolom.insert({8, r, 5});
    EXPECT_EQ(uitzSet(o.form), kolom);
    o.form.WisUitzTabel();
    o.form.ZetUitzTripleRij("", "11", "12", "13");  // a stray digit indexes nothing
    o.form.ZetUitzTripleRij("4", "", "", "");
    EXPECT_TRUE(uitzSet(o.form).empty());
}

}  // namespace
}  // namespace sudoku
