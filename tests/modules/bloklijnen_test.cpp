// The block-line module on a full segment of the first row band, with and without a
// guess to undo: the repair from the saved board, and the signal to the driver.
#include <gtest/gtest.h>

#include <algorithm>

#include "support/testhulp.h"

namespace sudoku::test {
namespace {

struct BlokLijnen : ::testing::Test {
    Opstelling o;
    void TearDown() override { EXPECT_EQ(indexBuitenBereik.load(), 0); }
    // One call for 5 on rows 1..3; the column argument holds 4, as a driver might have left it.
    void band(const std::string& bord = "") {
        if (!bord.empty()) zetBord(o.form, bord);
        o.form.GEVBLOKL = false;
        o.form.MOG = "5";
        o.form.HORIZON = true;
        o.form.rij = 1, o.form.kol = 4;
        o.form.ModuleBlokLijnen(o.form.GEVBLOKL, o.form.MOG, o.form.rij, o.form.kol,
                                o.form.HORIZON);
    }
};

// 5 stands in rows 1 and 2, but row 3's segment (columns 1..3) leaves it nowhere: the
// segment is full ((3,2) holds 9), or its one empty cell (3,2) lies in a column that holds
// a 5 already ((9,2), with (9,3) emptied, as a wrong guess can leave it). The saved copy
// misses (3,5), (3,6) and (9,9); the guess went into (3,5), with 7 as the other option.
const std::string VOL_SEGMENT = std::string(OPGELOST_BORD).replace(2 * 9 + 1, 1, "9");
const std::string KOLOM_BEZET =
    std::string(OPGELOST_BORD).replace(2 * 9 + 1, 1, ".").replace(8 * 9 + 1, 2, "5.");

struct MislukteGok : BlokLijnen {
    std::string bewaard =
        std::string(OPGELOST_BORD).replace(2 * 9 + 4, 2, "..").replace(80, 1, ".");
    void SetUp() override { zet(VOL_SEGMENT); }
    void zet(const std::string& bord) {
        zetBord(o.form, bord);
        for (int i = 0; i < 81; ++i) {
            o.form.veld_bewaard(i / 9 + 1, i % 9 + 1) =
                bewaard[i] == '.' ? " " : bewaard.substr(i, 1);
            o.ui.zetCelTekst(i / 9 + 1, i % 9 + 1, "x");
        }
        for (int i = 1; i <= 9; ++i) o.ui.zetOplos(i, "q");
        o.form.WisUitzTabel();
        o.form.uitz_tabel(4, 4, 4) = "4";
        o.form.uitz_gedaan = 95;
        o.form.CONTROL_UITZ = o.form.CONTROL_NAKED = true;
        o.form.up1 = "35";
        o.form.uitprobeeroptie2 = "7";
    }
};

TEST_F(MislukteGok, RepairRestoresTheSavedBoardWithTheOtherOption) {
    for (const std::string& bord : {VOL_SEGMENT, KOLOM_BEZET})
        for (bool onthouden : {true, false}) {
            zet(bord);
            o.form.PROBEERUIT = true;
            o.form.PROBEERUIT_ONTHOUDEN = onthouden;
            const int ongedaan = o.ui.gokkenOngedaan();
            band();
            // Told as an undone guess, then the other option, forced in the guessed cell's block.
            EXPECT_EQ(o.ui.gokkenOngedaan(), ongedaan + 1);
            EXPECT_EQ(o.ui.laatsteReden(),
                      (Reden{Techniek::FoutHersteld, Eenheid::blokVan(3, 5), false, {}}));
            const std::string verwacht = std::string(bewaard).replace(2 * 9 + 4, 1, "7");
            EXPECT_EQ(bordRegel(o.form.veld), verwacht);
            for (int d = 1; d <= 9; ++d) {
                EXPECT_EQ(o.form.aantal(d), std::count(verwacht.begin(), verwacht.end(), '0' + d));
                // 7, now complete, shows only when the ending shows it as the number argument.
                EXPECT_EQ(o.ui.oplos(d),
                          d == 2 || d == 6 || (d == 7 && onthouden) ? " " : getalTekst(d));
            }
            for (int i = 0; i < 81; ++i)
                EXPECT_EQ(o.ui.celTekst(i / 9 + 1, i % 9 + 1), o.form.veld(i / 9 + 1, i % 9 + 1))
                    << i;
            EXPECT_TRUE(uitzSet(o.form).empty());
            EXPECT_EQ(o.form.uitz_gedaan, 0);
            EXPECT_FALSE(o.form.CONTROL_UITZ || o.form.CONTROL_NAKED || o.form.PROBEERUIT);
            EXPECT_EQ(o.ui.opmerk(), " Fout hersteld na mislukte gok ");
            EXPECT_TRUE(o.form.GEVBLOKL);
            // Kept, the number under test is back; otherwise the other option stays in it.
            EXPECT_EQ(o.form.MOG, onthouden ? "5" : "7");
        }
}

TEST_F(MislukteGok, ContradictionWithoutAGuessSignalsTheDriverAndChangesNothing) {
    for (const std::string& bord : {VOL_SEGMENT, KOLOM_BEZET}) {
        zet(bord);
        o.ui.zetVink(Vink::Tussenstap, 1);
        o.form.pos = 42;
        o.form.gelijkaan = true;
        const std::string voor = bordRegel(o.form.veld);
        band();
        EXPECT_EQ(o.form.uitz_gedaan, 100);
        EXPECT_EQ(o.ui.opmerk(), " Fout hersteld na mislukte gok ");
        EXPECT_TRUE(o.form.GEVBLOKL);
        EXPECT_EQ(bordRegel(o.form.veld), voor);
        EXPECT_TRUE(o.ui.meldingen().empty());
        EXPECT_EQ(o.ui.gokkenOngedaan(), 0);
        EXPECT_EQ(o.ui.oplos(5) + o.ui.celTekst(3, 4), "qx");
        // Testing the crossing column moved no shared counter or hit flag.
        EXPECT_EQ(o.form.pos, 42);
        EXPECT_TRUE(o.form.gelijkaan);
    }
}

// Once the number is in the single empty cell's column, a segment cell whose column lacks it
// is the only place left: the module places as before.
TEST_F(BlokLijnen, TheSingleEmptyCellIsTakenWhenItsColumnLacksTheNumber) {
    band(std::string(OPGELOST_BORD).replace(2 * 9 + 1, 1, "."));
    EXPECT_EQ(o.form.veld(3, 2), "5");
    EXPECT_EQ(o.form.kol, 2);
    EXPECT_EQ(o.ui.laatsteReden().techniek, Techniek::BlokLijnenH);
}

}  // namespace
}  // namespace sudoku::test
