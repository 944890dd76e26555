#include <gtest/gtest.h>

#include <set>
#include <tuple>

#include "support/testhulp.h"

namespace sudoku {
namespace {

using test::Opstelling;
using test::zetBord;
using Uitz = std::set<std::tuple<int, int, int>>;  // (digit, row, column)

std::string transponeer(const std::string& b) {
    std::string t(81, '.');
    for (int r = 0; r < 9; ++r)
        for (int k = 0; k < 9; ++k) t[k * 9 + r] = b[r * 9 + k];
    return t;
}

class LijnenTest : public ::testing::Test {
protected:
    void SetUp() override { indexVoor = indexBuitenBereik.load(); }
    void TearDown() override { EXPECT_EQ(indexBuitenBereik.load(), indexVoor); }

    void lijn(bool horizontaal, int n) {
        o.form.HORIZON = horizontaal;
        if (horizontaal)
            o.form.rij = static_cast<Integer>(n);
        else
            o.form.kol = static_cast<Integer>(n);
        o.form.ModuleLijnen(o.form.HORIZON, o.form.rij, o.form.kol);
    }
    // Row 1 (or column 1, transposed) as given, the rest of the board empty.
    void bord(const std::string& eersteLijn, bool horizontaal) {
        std::string b = eersteLijn + std::string(72, '.');
        zetBord(o.form, horizontaal ? b : transponeer(b));
        o.form.WisUitzTabel();
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

TEST_F(LijnenTest, FullLineTestsNoNumber) {
    bord("123456789", true);
    o.ui.zetVink(Vink::Module, 1);
    lijn(true, 1);
    EXPECT_TRUE(o.form.GEENLEGEPLEK);
    EXPECT_FALSE(o.form.NWGETAL);
    EXPECT_EQ(o.form.MOG, "");
    EXPECT_EQ(o.ui.opmerk(), " Module LIJNEN Horizontaal ");
    lijn(false, 1);
    EXPECT_EQ(o.ui.opmerk(), " Module LIJNEN Verticaal ");
}

// Row 1 misses 1, 2, 3 at columns 1..3; 1 is shut out of columns 1 and 2, and 2 out of
// columns 2 and 3, so 1 goes to column 3, then 2 to column 1, then 3 to column 2.
const char* const DRIE_ENKELE =
    "...456789"
    "........."
    "........."
    "1........"
    ".2......."
    "........."
    ".1......."
    "..2......"
    ".........";

TEST_F(LijnenTest, SinglesArePlacedOnePassEachInNumberOrder) {
    zetBord(o.form, DRIE_ENKELE);
    o.form.WisUitzTabel();
    o.form.uitz_tabel(1, 1, 3) = "1";  // not consulted outside the exception stage
    o.ui.zetVink(Vink::Tussenstap, 1);
    o.ui.zetOpmerk("vooraf");
    lijn(true, 1);
    const auto& m = o.ui.meldingen();
    ASSERT_EQ(m.size(), 3u);
    EXPECT_EQ(m[0].tekst, "Getal in rij:  1  en kolom:  3  is gevuld.    ");
    EXPECT_EQ(m[1].tekst, "Getal in rij:  1  en kolom:  1  is gevuld.    ");
    EXPECT_EQ(m[2].tekst, "Getal in rij:  1  en kolom:  2  is gevuld.    ");
    EXPECT_EQ(test::bordTekst(o.form).substr(0, 9), "231456789");
    EXPECT_TRUE(o.form.GEENLEGEPLEK);
    EXPECT_EQ(o.ui.opmerk(), "vooraf");
    EXPECT_EQ(o.form.uitz_tabel(1, 1, 3), "1");
    EXPECT_EQ(o.form.aantal(1), 3);
}

TEST_F(LijnenTest, ExceptionStagePlacesOneNumberPerCallAndEndsTheStage) {
    struct Geval {
        bool horizontaal;
        bool naked;
        Integer variant;
        const char* tekst;
    };
    const Geval gevallen[] = {
        {true, false, 2, " Module LIJNEN Horizontaal mbv uitz tabel "},
        {true, true, 2, " Module LIJNEN Horizontaal Naked Pair "},
        {true, true, 3, " Module LIJNEN Horizontaal Naked Triple "},
        {false, true, 4, " Module LIJNEN Verticaal Naked Triple 3pairs "},
        {false, true, 0, " Module LIJNEN Verticaal mbv uitz tabel "},
    };
    for (const Geval& g : gevallen) {
        zetBord(o.form, g.horizontaal ? DRIE_ENKELE : transponeer(DRIE_ENKELE));
        o.form.WisUitzTabel();
        o.form.uitz_tabel(7, 9, 9) = "7";
        o.form.uitz_gedaan = 75;
        o.form.CONTROL_UITZ = true;
        o.form.CONTROL_NAKED = g.naked;
        o.form.ctrl_NKD = g.variant;
        lijn(g.horizontaal, 1);
        const std::string b = test::bordTekst(o.form);
        EXPECT_EQ((g.horizontaal ? b.substr(0, 3) : std::string{b[0], b[9], b[18]}), "..1");
        EXPECT_EQ(o.ui.opmerk(), g.tekst);
        EXPECT_EQ(o.form.uitz_gedaan, 0);
        EXPECT_TRUE(uitz().empty());
        EXPECT_FALSE(o.form.CONTROL_UITZ);
        EXPECT_FALSE(o.form.CONTROL_NAKED);
        EXPECT_FALSE(o.form.GEVELEMENT);
    }
}

TEST_F(LijnenTest, ExceptionStageRecordsSegmentsOnlyAndCountsEachRecording) {
    struct Geval {
        const char* lijn;
        int opnames;
    };
    // Missing numbers at: 1&3 (two numbers), 3&4, 6&7, 2&3&4, 4&6 (two), 7&8&9 (three), 1&2.
    const Geval gevallen[] = {{".2.456789", 2}, {"12..56789", 0}, {"12345..89", 0}, {"1...56789", 0},
                              {"123.5.789", 2}, {"123456...", 3}, {"..3456789", 2}};
    for (bool horizontaal : {true, false}) {
        for (const Geval& g : gevallen) {
            bord(g.lijn, horizontaal);
            o.form.CONTROL_UITZ = true;
            o.form.uitz_gedaan = 60;
            o.form.uitzMOG = "";
            lijn(horizontaal, 1);
            EXPECT_EQ(o.form.uitz_gedaan, 60 + g.opnames) << g.lijn;
            EXPECT_FALSE(o.form.NWGETAL);
            // Each missing number is recorded for the two other lines of the block of
            // its segment.
            Uitz verwacht;
            std::string missend;
            for (char c = '1'; c <= '9'; ++c)
                if (std::string(g.lijn).find(c) == std::string::npos) missend += c;
            if (g.opnames > 0) {
                const int segment = static_cast<int>(std::string(g.lijn).find('.')) / 3 * 3 + 1;
                for (char c : missend)
                    for (int andere = 2; andere <= 3; ++andere)
                        for (int p = segment; p < segment + 3; ++p)
                            verwacht.insert(horizontaal ? std::tuple{c - '0', andere, p}
                                                        : std::tuple{c - '0', p, andere});
                EXPECT_EQ(o.form.uitzMOG, std::string(1, missend.back()));
            } else {
                EXPECT_EQ(o.form.uitzMOG, "");
            }
            EXPECT_EQ(uitz(), verwacht) << g.lijn << (horizontaal ? " row" : " column");
        }
    }
}

}  // namespace
}  // namespace sudoku
