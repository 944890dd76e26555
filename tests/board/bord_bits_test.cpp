// The digit bits the board keeps per row, column and block, and the exception table's
// characters and bits: both must follow every write, whatever was there before.
#include <gtest/gtest.h>

#include <random>
#include <utility>

#include "support/testhulp.h"

namespace sudoku::test {
namespace {

// The bits worked out from the nine cells cel(0) .. cel(8).
template <class F>
unsigned uitCellen(const Bord& b, F cel) {
    unsigned m = 0;
    for (int i = 0; i < 9; ++i) {
        const auto [r, c] = cel(i);
        m |= cijferBit(b.celTeken(r, c));
    }
    return m;
}

TEST(BordBits, FollowEveryWriteIncludingDuplicatesOverwritesAndOddTexts) {
    Bord b;
    b.vul(" ");
    std::mt19937 g(3);
    const char* waarden[] = {" ", "1", "2", "5", "9", "", "12", "x"};
    for (int stap = 0; stap < 20000; ++stap) {
        const int r = 1 + static_cast<int>(g() % 9), c = 1 + static_cast<int>(g() % 9);
        const unsigned long voor = b.versie();
        b(r, c) = waarden[g() % 8];
        ASSERT_GT(b.versie(), voor);
        const int rb = (r - 1) / 3 * 3 + 1, cb = (c - 1) / 3 * 3 + 1;
        ASSERT_EQ(b.rijBits(r), uitCellen(b, [&](int i) { return std::pair{r, i + 1}; })) << stap;
        ASSERT_EQ(b.kolBits(c), uitCellen(b, [&](int i) { return std::pair{i + 1, c}; })) << stap;
        ASSERT_EQ(b.blokBits(r, c), uitCellen(b,
                                              [&](int i) {
                                                  return std::pair{rb + i / 3, cb + i % 3};
                                              }))
            << stap;
    }
    // A copy carries the bits along; restoring a saved board brings its bits back.
    Bord kopie = b;
    b.vul(" ");
    for (int r = 1; r <= 9; ++r) ASSERT_EQ(b.rijBits(r), 0u);
    for (int r = 1; r <= 9; ++r)
        for (int c = 1; c <= 9; ++c) b(r, c) = kopie(r, c);
    for (int i = 1; i <= 9; ++i) {
        EXPECT_EQ(b.rijBits(i), kopie.rijBits(i));
        EXPECT_EQ(b.kolBits(i), kopie.kolBits(i));
        EXPECT_EQ(b.blokBits(i, (i * 4) % 9 + 1), kopie.blokBits(i, (i * 4) % 9 + 1));
    }
}

TEST(UitzTabel, EntriesReadBackAsWrittenAndBitsMarkOnlyTheDigitsOwnString) {
    Opstelling o;
    auto& t = o.form.uitz_tabel;
    const auto& c = t;
    EXPECT_EQ(c(3, 2, 2), "");  // never written
    o.form.WisUitzTabel();
    EXPECT_EQ(c(3, 2, 2), " ");
    EXPECT_EQ(t.bits(2, 2), 0u);
    const unsigned long voor = t.versie();
    t(3, 2, 2) = "3";
    t(4, 2, 2) = "5";  // another digit's string: held, but rules nothing out
    EXPECT_EQ(c(3, 2, 2), "3");
    EXPECT_EQ(c(4, 2, 2), "5");
    EXPECT_EQ(t.bits(2, 2), 1u << 3);
    EXPECT_GT(t.versie(), voor);
    for (int d = 1; d <= 9; ++d) {
        o.form.ZoekInUitzTabel(getalTekst(d), 2, 2, o.form.GEV);
        EXPECT_EQ(o.form.GEV, d == 3) << d;
    }
    // Writing an entry again with the same value leaves the bits, and the version, alone.
    const unsigned long na = t.versie();
    t(3, 2, 2) = "3";
    EXPECT_EQ(t.versie(), na);
    o.form.lus_rij = o.form.lus_kol = 3;
    o.form.WisUitzTabel();
    EXPECT_EQ(t.bits(2, 2), 0u);
    EXPECT_EQ(uitzSet(o.form), Uitz{});  // one space everywhere
    EXPECT_EQ(o.form.lus_rij, 10);
    EXPECT_EQ(o.form.lus_kol, 10);
}

}  // namespace
}  // namespace sudoku::test
