// Candidate strings and the three naked-set modules: which cells get exclusions.
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
                if (in(i / 9 + 1, i % 9 + 1) && o.form.veld(i / 9 + 1, i % 9 + 1) == " ") s.insert({d, i / 9 + 1, i % 9 + 1});
            for (auto [r, k, _] : behalve) s.erase({d, r, k});
        }
        return s;
    }
};

TEST_F(Naked, CandidateStringsLeaveOutWhatTheBoardOrTheTableRulesOut) {
    // (1,1): row 1 holds 2 3 4, column 1 holds 6 7, the block holds 8.
    zetBord(o.form, metCellen({{1, 2, '2'}, {1, 3, '3'}, {1, 4, '4'}, {4, 1, '6'}, {5, 1, '7'}, {2, 2, '8'}}));
    auto bepaal = [&] {  // the driver empties the string before each call
        o.form.kandidaten(1, 1) = "";
        o.form.rij = 1, o.form.kol = 1;
        o.form.BepaalCelKandidaten(o.form.rij, o.form.kol);
        return o.form.kandidaten(1, 1);
    };
    EXPECT_EQ(bepaal(), "159");
    o.form.uitz_tabel(5, 1, 1) = "5";  // read even outside the exception stage
    EXPECT_EQ(bepaal(), "19");
    o.form.veld(5, 1) = " ";  // 7 free again: four digits
    EXPECT_EQ(bepaal(), "179");
    o.form.uitz_tabel(1, 1, 1) = "1", o.form.uitz_tabel(7, 1, 1) = "7";
    EXPECT_EQ(bepaal(), "");  // one digit left: no string, and nothing placed
    EXPECT_EQ(o.form.veld(1, 1), " ");
}

TEST_F(Naked, PairsExcludeFromTheRestOfTheirRowOrColumnOnly) {
    o.form.veld(3, 5) = "1";  // a filled cell gets no entry
    const std::vector<Kandidaat> rij{{3, 2, "36"}, {3, 7, "36"}}, kolom{{2, 9, "47"}, {8, 9, "47"}};
    zet(rij), zet(kolom);
    zet({{5, 5, "36"},                                      // same pair, no unit shared
         {7, 1, "58"}, {8, 2, "58"},                        // one block only
         {6, 1, "136"}, {6, 8, "136"},                      // three digits
         {9, 1, "29"}, {9, 5, "29"}, {9, 9, "29"}});        // three cells with one pair
    o.form.ModuleNakedPair();
    Uitz alles = verwacht({3, 6}, [](int r, int) { return r == 3; }, rij);
    alles.merge(verwacht({4, 7}, [](int, int k) { return k == 9; }, kolom));
    // Each of the three pairs excludes from the third cell too: the whole row.
    alles.merge(verwacht({2, 9}, [](int r, int) { return r == 9; }));
    EXPECT_EQ(uitzSet(o.form), alles);
}

TEST_F(Naked, PairTableTakesAsManyPairsAsTheBoardHolds) {
    for (int i = 0; i < 63; ++i) o.form.kandidaten(i / 9 + 1, i % 9 + 1) = "89";  // ~2000 pairs
    const std::vector<Kandidaat> paar{{9, 2, "36"}, {9, 7, "36"}};
    zet(paar);
    o.form.ModuleNakedPair();
    Uitz drieZes;
    for (auto [d, r, k] : uitzSet(o.form))
        if (d == 3 || d == 6) drieZes.insert({d, r, k});
    EXPECT_EQ(drieZes, verwacht({3, 6}, [](int r, int) { return r == 9; }, paar));  // collected last
}

TEST_F(Naked, TriplesExcludeFromTheirRowOrBlockButNotWithThreePartners) {
    const std::pair<std::vector<Kandidaat>, bool (*)(int, int)> gevallen[] = {
        {{{1, 1, "127"}, {1, 4, "17"}, {1, 8, "27"}}, [](int r, int) { return r == 1; }},
        // one block, three rows and columns
        {{{4, 4, "127"}, {5, 6, "17"}, {6, 5, "27"}},
         [](int r, int k) { return r >= 4 && r <= 6 && k >= 4 && k <= 6; }},
        // one row inside one block: the block, then after relabelling the row
        {{{7, 1, "127"}, {7, 2, "17"}, {7, 3, "27"}}, [](int r, int k) { return r == 7 || (r > 7 && k <= 3); }},
        // three partners in the row: it does not act
        {{{1, 1, "127"}, {1, 4, "17"}, {1, 6, "27"}, {1, 8, "12"}}, [](int, int) { return false; }}};
    for (const auto& [cellen, in] : gevallen) {
        leeg();
        o.form.veld(1, 3) = "5";
        zet(cellen);
        o.form.ModuleNakedTriple();
        EXPECT_EQ(uitzSet(o.form), verwacht({1, 2, 7}, in, cellen)) << std::get<2>(cellen[1]);
    }
}

TEST_F(Naked, TripleFromThreePairsInARowOrAColumn) {
    o.form.veld(5, 4) = "8";
    const std::vector<Kandidaat> rij{{5, 2, "12"}, {5, 6, "23"}, {5, 9, "13"}},
        kolom{{1, 7, "13"}, {4, 7, "23"}, {9, 7, "12"}};
    zet(rij), zet(kolom);
    zet({{2, 2, "13"},                                   // a third pair outside the row
         {6, 1, "12"}, {6, 4, "34"}, {6, 8, "13"}});     // 12, 13 ask for 23: absent in row 6
    o.form.ModuleNakedTriple3Pairs();
    Uitz alles = verwacht({1, 2, 3}, [](int r, int) { return r == 5; }, rij);
    alles.merge(verwacht({1, 2, 3}, [](int, int k) { return k == 7; }, kolom));
    EXPECT_EQ(uitzSet(o.form), alles);
}

}  // namespace
}  // namespace sudoku::test
