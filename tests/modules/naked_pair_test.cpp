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

class NakedPairTest : public ::testing::Test {
protected:
    void SetUp() override {
        zetBord(o.form, std::string(81, '.'));
        o.form.WisUitzTabel();
    }
    void TearDown() override { EXPECT_EQ(indexBuitenBereik.load(), 0); }

    void kandidaat(int r, int k, const char* s) { o.form.kandidaten(r, k) = s; }

    // Expected entries: the digits for the given cells of the board that are empty.
    Uitz verwacht(std::initializer_list<int> cijfers,
                  std::initializer_list<std::pair<int, int>> cellen) {
        Uitz s;
        for (int d : cijfers)
            for (auto [r, k] : cellen)
                if (o.form.veld(r, k) == " ") s.insert({d, r, k});
        return s;
    }

    Opstelling o;
};

TEST(PosNaarRijKol, TeltRijVoorRij) {
    const std::tuple<int, int, int> gevallen[] = {
        {1, 1, 1}, {9, 1, 9}, {10, 2, 1}, {37, 5, 1}, {41, 5, 5}, {73, 9, 1}, {81, 9, 9}};
    for (auto [n, r, k] : gevallen) {
        int ru = 0, ku = 0;
        SudokuForm::PosNaarRijKol(n, ru, ku);
        EXPECT_EQ(ru, r) << n;
        EXPECT_EQ(ku, k) << n;
    }
}

TEST_F(NakedPairTest, PaarInRijSluitUitInRestVanRij) {
    o.form.veld(3, 5) = "1";  // a filled cell gets no entry
    kandidaat(3, 2, "36");
    kandidaat(3, 7, "36");
    kandidaat(5, 5, "36");  // same string elsewhere: no unit shared
    o.form.ModuleNakedPair();
    EXPECT_EQ(uitzSet(o.form),
              verwacht({3, 6}, {{3, 1}, {3, 3}, {3, 4}, {3, 5}, {3, 6}, {3, 8}, {3, 9}}));
    EXPECT_FALSE(o.form.HORIZON);
    EXPECT_EQ(o.form.pos, 10);
    EXPECT_EQ(o.form.uitzMOG, "6");
}

TEST_F(NakedPairTest, PaarInKolomSluitUitInRestVanKolom) {
    kandidaat(2, 5, "36");
    kandidaat(8, 5, "36");
    o.form.ModuleNakedPair();
    EXPECT_EQ(uitzSet(o.form), verwacht({3, 6}, {{1, 5}, {3, 5}, {4, 5}, {5, 5}, {6, 5}, {7, 5}, {9, 5}}));
    EXPECT_TRUE(o.form.HORIZON);
}

TEST_F(NakedPairTest, AlleenBlokOfDrieCijfersGeeftNiets) {
    kandidaat(1, 1, "36");  // same block, different row and column
    kandidaat(2, 2, "36");
    kandidaat(6, 1, "136");  // three digits in one row
    kandidaat(6, 8, "136");
    o.form.HORIZON = true;
    o.form.ModuleNakedPair();
    EXPECT_TRUE(uitzSet(o.form).empty());
    EXPECT_TRUE(o.form.HORIZON);
}

TEST_F(NakedPairTest, DrieCellenMetHetzelfdePaar) {
    kandidaat(4, 1, "36");
    kandidaat(4, 5, "36");
    kandidaat(4, 9, "36");
    o.form.ModuleNakedPair();
    // each of the three pairs excludes the digits from the third cell too
    Uitz heleRij;
    for (int k = 1; k <= 9; ++k) heleRij.insert({3, 4, k}), heleRij.insert({6, 4, k});
    EXPECT_EQ(uitzSet(o.form), heleRij);
}

TEST_F(NakedPairTest, VeelMeerDan81ParenLopenNietOver) {
    for (int r = 1; r <= 7; ++r)
        for (int k = 1; k <= 9; ++k) kandidaat(r, k, "89");  // almost 2000 equal pairs
    kandidaat(9, 2, "36");
    kandidaat(9, 7, "36");
    o.form.ModuleNakedPair();
    Uitz drieZes;
    for (const auto& [d, r, k] : uitzSet(o.form))
        if (d == 3 || d == 6) drieZes.insert({d, r, k});
    // the pair collected last still acts
    EXPECT_EQ(drieZes, verwacht({3, 6}, {{9, 1}, {9, 3}, {9, 4}, {9, 5}, {9, 6}, {9, 8}, {9, 9}}));
}

TEST_F(NakedPairTest, StatustekstAlleenMetVinkje) {
    o.ui.zetOpmerk("vorige");
    o.form.ModuleNakedPair();
    EXPECT_EQ(o.ui.opmerk(), "vorige");
    o.ui.zetVink(Vink::Module, 1);
    o.form.ModuleNakedPair();
    EXPECT_EQ(o.ui.opmerk(), " Module Naked Pair ");
}

TEST_F(NakedPairTest, VreemdCijferRaaktGeenTabel) {
    o.form.ZetUitzPaarLijn("", false, 1, 2, 3);
    o.form.ZetUitzPaarLijn("4", true, 0, 2, 3);
    EXPECT_TRUE(uitzSet(o.form).empty());
    EXPECT_EQ(o.form.pos, 10);
}

}  // namespace
}  // namespace sudoku
