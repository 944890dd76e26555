#include <gtest/gtest.h>

#include <set>
#include <tuple>

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

class Triple3PairsTest : public ::testing::Test {
protected:
    void SetUp() override {
        zetBord(o.form, std::string(81, '.'));
        o.form.WisUitzTabel();
    }
    void TearDown() override { EXPECT_EQ(indexBuitenBereik.load(), 0); }

    void kandidaat(int r, int k, const char* s) { o.form.kandidaten(r, k) = s; }

    Opstelling o;
};

TEST_F(Triple3PairsTest, DriePairenInRij) {
    o.form.veld(5, 4) = "8";
    kandidaat(5, 2, "12");
    kandidaat(5, 6, "23");
    kandidaat(5, 9, "13");
    kandidaat(2, 2, "13");  // same third pair outside the row: found, then ignored
    o.form.ModuleNakedTriple3Pairs();
    Uitz verwacht;
    for (int d : {1, 2, 3})
        for (int k : {1, 3, 5, 7, 8}) verwacht.insert({d, 5, k});
    EXPECT_EQ(uitzSet(o.form), verwacht);
}

TEST_F(Triple3PairsTest, DriePairenInKolom) {
    kandidaat(1, 7, "13");
    kandidaat(4, 7, "23");
    kandidaat(9, 7, "12");
    o.form.ModuleNakedTriple3Pairs();
    Uitz verwacht;
    for (int d : {1, 2, 3})
        for (int r : {2, 3, 5, 6, 7, 8}) verwacht.insert({d, r, 7});
    EXPECT_EQ(uitzSet(o.form), verwacht);
}

TEST_F(Triple3PairsTest, GeenDrietalGeeftNiets) {
    // in one block only
    kandidaat(1, 1, "12");
    kandidaat(2, 2, "23");
    kandidaat(3, 3, "13");
    // 12, 34, 13: (12, 13) asks for 23, which is absent
    kandidaat(6, 1, "12");
    kandidaat(6, 4, "34");
    kandidaat(6, 8, "13");
    // three equal pairs belong to the naked pair module
    kandidaat(8, 2, "45");
    kandidaat(8, 5, "45");
    kandidaat(8, 9, "45");
    o.form.ModuleNakedTriple3Pairs();
    EXPECT_TRUE(uitzSet(o.form).empty());
}

TEST_F(Triple3PairsTest, StatustekstAlleenMetVinkje) {
    o.ui.zetOpmerk("vorige");
    o.form.ModuleNakedTriple3Pairs();
    EXPECT_EQ(o.ui.opmerk(), "vorige");
    o.ui.zetVink(Vink::Module, 1);
    o.form.ModuleNakedTriple3Pairs();
    EXPECT_EQ(o.ui.opmerk(), " Module Naked Triple *3pairs* ");
}

}  // namespace
}  // namespace sudoku
