// The naked-set modules: a pair table as full as a board can make it, triples whose
// exclusions were worked out by hand (a row, a block, a row inside a block, a triple
// with a fourth partner), and the triple's row and column procedures.
#include <gtest/gtest.h>

#include <vector>

#include "support/testhulp.h"

namespace sudoku::test {
namespace {

using Kandidaat = std::tuple<int, int, const char*>;

struct Naked : ::testing::Test {
    Opstelling o;
    void SetUp() override { leeg(); }
    void TearDown() override { EXPECT_EQ(indexBuitenBereik.load(), 0); }
    void leeg() {
        zetBord(o.form, "");
        o.form.WisUitzTabel();
        o.form.kandidaten.vul("");
    }
    void zet(const std::vector<Kandidaat>& cellen) {
        for (auto [r, k, s] : cellen) o.form.kandidaten(r, k) = s;
    }
    // The digits for every empty cell inside `in` that is none of `behalve`.
    Uitz verwacht(std::initializer_list<int> cijfers, bool (*in)(int, int),
                  const std::vector<Kandidaat>& behalve = {}) {
        Uitz s;
        for (int d : cijfers) {
            for (int i = 0; i < 81; ++i)
                if (in(i / 9 + 1, i % 9 + 1) && o.form.veld(i / 9 + 1, i % 9 + 1) == " ")
                    s.insert({d, i / 9 + 1, i % 9 + 1});
            for (auto [r, k, _] : behalve) s.erase({d, r, k});
        }
        return s;
    }
};

TEST_F(Naked, PairTableTakesAsManyPairsAsTheBoardHolds) {
    for (int i = 0; i < 63; ++i) o.form.kandidaten(i / 9 + 1, i % 9 + 1) = "89";  // ~2000 pairs
    const std::vector<Kandidaat> paar{{9, 2, "36"}, {9, 7, "36"}};
    zet(paar);
    o.form.ModuleNakedPair();
    Uitz drieZes;
    for (auto [d, r, k] : uitzSet(o.form))
        if (d == 3 || d == 6) drieZes.insert({d, r, k});
    EXPECT_EQ(drieZes, verwacht(
                           {3, 6}, [](int r, int) { return r == 9; }, paar));  // collected last
}

TEST_F(Naked, TriplesExcludeFromTheirRowOrBlockButNotWithThreePartners) {
    const std::pair<std::vector<Kandidaat>, bool (*)(int, int)> gevallen[] = {
        {{{1, 1, "127"}, {1, 4, "17"}, {1, 8, "27"}}, [](int r, int) { return r == 1; }},
        // one block, three rows and columns
        {{{4, 4, "127"}, {5, 6, "17"}, {6, 5, "27"}},
         [](int r, int k) { return r >= 4 && r <= 6 && k >= 4 && k <= 6; }},
        // one row inside one block: the block, then after relabelling the row
        {{{7, 1, "127"}, {7, 2, "17"}, {7, 3, "27"}},
         [](int r, int k) { return r == 7 || (r > 7 && k <= 3); }},
        // three partners in the row: it does not act
        {{{1, 1, "127"}, {1, 4, "17"}, {1, 6, "27"}, {1, 8, "12"}},
         [](int, int) { return false; }}};
    for (const auto& [cellen, in] : gevallen) {
        leeg();
        o.form.veld(1, 3) = "5";
        zet(cellen);
        o.form.ModuleNakedTriple();
        EXPECT_EQ(uitzSet(o.form), verwacht({1, 2, 7}, in, cellen)) << std::get<2>(cellen[1]);
    }
}

// The row and the column procedure, which share one walk: the line is posA's, the
// cells passed over are those across from the three positions wherever their other
// coordinate lies (an empty position passes over none), filled cells keep their
// entries, and a digit or a posA that names no line writes nothing.
TEST_F(Naked, TripleLineProceduresPassOverTheCellsAcrossFromTheThreePositions) {
    struct Geval {
        bool rij;
        const char *getal, *posA, *posB, *posC;
        Uitz uit;
    };
    const Geval gevallen[] = {
        {true, "4", "31", "75", "38", {{4, 3, 3}, {4, 3, 4}, {4, 3, 6}, {4, 3, 7}, {4, 3, 9}}},
        {false, "4", "14", "94", "47", {{4, 2, 4}, {4, 3, 4}, {4, 5, 4}, {4, 7, 4}, {4, 8, 4}}},
        {false,
         "7",
         "94",
         "",
         "",
         {{7, 1, 4}, {7, 2, 4}, {7, 3, 4}, {7, 4, 4}, {7, 5, 4}, {7, 7, 4}, {7, 8, 4}}},
        {true, "", "31", "32", "33", {}},
        {true, "4", " 1", "32", "33", {}},
        {false, "4", "3", "32", "33", {}},
    };
    for (const Geval& g : gevallen) {
        leeg();
        o.form.veld(3, 2) = "5";
        o.form.veld(6, 4) = "5";
        if (g.rij)
            o.form.ZetUitzTripleRij(g.getal, g.posA, g.posB, g.posC);
        else
            o.form.ZetUitzTripleKolom(g.getal, g.posA, g.posB, g.posC);
        EXPECT_EQ(uitzSet(o.form), g.uit) << g.rij << ' ' << g.posA;
    }
}

}  // namespace
}  // namespace sudoku::test
