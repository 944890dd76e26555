#include <gtest/gtest.h>

#include <initializer_list>
#include <tuple>

#include "support/testhulp.h"

namespace sudoku {
namespace {

using test::Opstelling;
using test::zetBord;

const std::string OPLOSSING =
    "483921657967345821251876493548132976729564138136798245372689514814253769695417382";
const char* const SUCCES = " Sudoku succesvol ingevuld! ";
const char* const SUCCES_GOK = " Sudoku succesvol ingevuld! (na een gok) ";
const char* const GEEN_KENNIS = "Jammer niet genoeg kennis om de reeks op te lossen";
const char* const NIET_KOMPLEET = "Jammer, waarschijnlijk is de invoer niet kompleet";

std::string metCellen(std::initializer_list<std::tuple<int, int, char>> cellen) {
    std::string b(81, '.');
    for (auto [r, k, c] : cellen) b[(r - 1) * 9 + k - 1] = c;
    return b;
}

std::string melding(int r, int k) {
    return "Getal in rij: " + Str(r) + "  en kolom: " + Str(k) + "  is gevuld.    ";
}

class StartTest : public ::testing::Test {
protected:
    void SetUp() override {
        indexVoor = indexBuitenBereik.load();
        o.ui.zetKnopEnabled(Knop::Start, true);
    }
    void TearDown() override { EXPECT_EQ(indexBuitenBereik.load(), indexVoor); }

    Opstelling o;
    long indexVoor = 0;
};

TEST_F(StartTest, FullBoardRunsTenPassesAndGivesUpAtTheLoopTest) {
    zetBord(o.form, OPLOSSING);
    o.ui.zetVink(Vink::Uitproberen, 1);
    o.form.StartCommand_Click();

    EXPECT_FALSE(o.ui.knopEnabled(Knop::Start));
    EXPECT_TRUE(o.ui.knopEnabled(Knop::Herstart));
    for (int r = 1; r <= 9; ++r)
        for (int k = 1; k <= 9; ++k) EXPECT_EQ(o.ui.celKleur(r, k), KLEUR_GRIJS);
    // Counter 0, 10, ..., 90 at the start of the passes; 100 after the tenth.
    EXPECT_EQ(o.form.uitz_gedaan, 100);
    EXPECT_TRUE(o.form.CONTROL_UITZ);
    EXPECT_TRUE(o.form.CONTROL_NAKED);  // naked stage from pass 7 on
    EXPECT_EQ(o.form.ctrl_NKD, 4);
    EXPECT_FALSE(o.form.KOMPLEET);
    // The trial test sees at most 90: the module never ran, not even to save the board.
    EXPECT_EQ(o.form.veld_bewaard(1, 1), "");
    EXPECT_FALSE(o.form.PROBEERUIT_OOIT);
    EXPECT_EQ(test::bordTekst(o.form), OPLOSSING);
    EXPECT_EQ(o.ui.opmerk(), NIET_KOMPLEET);
}

TEST_F(StartTest, FullBoardAfterEarlierPlacementsKeepsTheLastModuleText) {
    zetBord(o.form, OPLOSSING);
    o.form.NWGETAL_OOIT = true;
    o.ui.zetVink(Vink::Module, 1);
    o.form.StartCommand_Click();
    EXPECT_EQ(o.ui.opmerk(), " Module CEL ");
}

TEST_F(StartTest, SimpleBoardEndsWithTheSuccessText) {
    const auto p = test::leesCollectie("easy50").at(0);
    zetBord(o.form, p.opgave);
    o.form.StartCommand_Click();
    EXPECT_EQ(test::bordTekst(o.form), p.oplossing);
    EXPECT_TRUE(o.form.KOMPLEET);
    EXPECT_EQ(o.ui.opmerk(), SUCCES);
    for (int c = 0; c < 81; ++c) {
        const Kleur k = o.ui.celKleur(c / 9 + 1, c % 9 + 1);
        EXPECT_EQ(k, p.opgave[c] == '.' ? KLEUR_VENSTERTEKST : KLEUR_GRIJS) << c;
    }

    // A guess made in an earlier solve still counts.
    Opstelling tweede;
    tweede.form.PROBEERUIT_OOIT = true;
    zetBord(tweede.form, p.opgave);
    tweede.form.StartCommand_Click();
    EXPECT_EQ(tweede.ui.opmerk(), SUCCES_GOK);
}

TEST_F(StartTest, CompleteBoardWithARepeatedDigitIsNotASuccess) {
    // Row 1 keeps its digits, but two are swapped, so columns 1 and 2 repeat a digit.
    std::string bord = OPLOSSING;
    std::swap(bord[0], bord[1]);
    bord[80] = '.';
    zetBord(o.form, bord);
    o.form.StartCommand_Click();
    EXPECT_TRUE(o.form.KOMPLEET);
    EXPECT_EQ(o.form.veld(9, 9), "2");
    EXPECT_EQ(o.ui.opmerk(), " Sudoku ingevuld, maar niet geldig ");
}

// Digit 1: the band of rows 7..9 places (9,8); that column then settles row 3 of the
// first band at (3,9); only a sweep without a row find reaches the column stacks,
// where (6,3) was waiting all along.
TEST_F(StartTest, BlockLineSweepStartsAgainAtTheFirstBandAfterAFind) {
    zetBord(o.form, metCellen({{1, 1, '1'}, {2, 4, '1'}, {7, 2, '1'}, {8, 5, '1'}, {3, 7, '2'},
                               {9, 7, '3'}, {9, 9, '4'}, {4, 3, '5'}, {5, 3, '6'}}));
    o.ui.zetVink(Vink::Tussenstap, 1);
    o.form.StartCommand_Click();
    const auto& m = o.ui.meldingen();
    ASSERT_GE(m.size(), 3u);
    EXPECT_EQ(m[0].tekst, melding(9, 8));
    EXPECT_EQ(m[1].tekst, melding(3, 9));
    EXPECT_EQ(m[2].tekst, melding(6, 3));
}

// A short line of a test-case file leaves cells that were never written: no module may
// take such a cell for a digit or an index.
TEST_F(StartTest, CellsNeverWrittenAreNeverUsedAsAnIndex) {
    for (const auto& p : {test::leesCollectie("easy50").at(0), test::leesCollectie("top95").at(0)}) {
        Opstelling s;
        s.ui.zetVink(Vink::Uitproberen, 1);
        zetBord(s.form, p.opgave);
        for (int k = 5; k <= 9; ++k)
            if (s.form.veld(9, k) == " ") s.form.veld(9, k) = "";
        s.form.StartCommand_Click();
        EXPECT_NE(s.ui.opmerk(), SUCCES);
    }
}

// 5 stands in rows 1 and 2 in two blocks, and row 3's segment (columns 7..9) is full.
const std::string TEGENSPRAAK =
    metCellen({{1, 2, '5'}, {2, 5, '5'}, {3, 7, '2'}, {3, 8, '3'}, {3, 9, '4'}});

TEST_F(StartTest, ContradictionWithoutAGuessEndsTheSolveAtOnce) {
    zetBord(o.form, TEGENSPRAAK);
    o.form.NWGETAL_OOIT = true;
    o.ui.zetVink(Vink::Module, 1);
    o.form.StartCommand_Click();
    EXPECT_EQ(o.ui.opmerk(), GEEN_KENNIS);
    EXPECT_EQ(o.form.uitz_gedaan, 100);
    EXPECT_EQ(o.form.MOG, "5");  // no later digit turn
    EXPECT_EQ(o.form.lus_rij, 0);  // no line or block module ran
    for (int d = 1; d <= 9; ++d) EXPECT_EQ(o.form.plaats(d), 0);
    EXPECT_EQ(test::bordTekst(o.form), TEGENSPRAAK);
    EXPECT_FALSE(o.form.KOMPLEET);

    // Nothing ever placed: the final check still has the last word.
    Opstelling vers;
    zetBord(vers.form, TEGENSPRAAK);
    vers.form.StartCommand_Click();
    EXPECT_EQ(vers.ui.opmerk(), NIET_KOMPLEET);
}

// easy50 #7 and #42 stick after some placements with the trial option off.
TEST_F(StartTest, StuckBoardPassingNinetyNineInAPassGetsTheGiveUpText) {
    const auto p = test::leesCollectie("easy50").at(6);
    zetBord(o.form, p.opgave);
    o.form.StartCommand_Click();
    EXPECT_FALSE(o.form.KOMPLEET);
    EXPECT_GT(o.form.uitz_gedaan, 99);
    EXPECT_EQ(o.ui.opmerk(), GEEN_KENNIS);
}

TEST_F(StartTest, StuckBoardPassingNinetyNineThroughTheDriverStepKeepsTheModuleText) {
    const auto p = test::leesCollectie("easy50").at(41);
    zetBord(o.form, p.opgave);
    o.form.StartCommand_Click();
    EXPECT_FALSE(o.form.KOMPLEET);
    EXPECT_GE(o.form.uitz_gedaan, 100);
    EXPECT_LE(o.form.uitz_gedaan, 109);
    for (const char* t : {SUCCES, SUCCES_GOK, GEEN_KENNIS, NIET_KOMPLEET}) EXPECT_NE(o.ui.opmerk(), t);

    // With the trial option the same board is finished after a guess.
    Opstelling metGok;
    metGok.ui.zetVink(Vink::Uitproberen, 1);
    zetBord(metGok.form, p.opgave);
    metGok.form.StartCommand_Click();
    EXPECT_TRUE(metGok.form.PROBEERUIT_OOIT);
    EXPECT_EQ(test::bordTekst(metGok.form), p.oplossing);
    EXPECT_EQ(metGok.ui.opmerk(), SUCCES_GOK);
}

}  // namespace
}  // namespace sudoku
