// The solve driver on chosen boards: the passes and texts it leaves, the block-line
// sweep, the contradiction ending and stuck boards.
#include <gtest/gtest.h>

#include <sstream>

#include "support/testhulp.h"
#include "ui/teksten.h"

namespace sudoku::test {
namespace {

const char* const kSucces = " Sudoku succesvol ingevuld! ";
const char* const kSuccesGok = " Sudoku succesvol ingevuld! (na een gok) ";
const char* const kGeenKennis = "Jammer niet genoeg kennis om de reeks op te lossen";
const char* const kNietKompleet = "Jammer, waarschijnlijk is de invoer niet kompleet";

// The outcome the driver recorded, and the status line showing its text when it has one.
void verwachtAfloop(const Opstelling& f, Afloop a) {
    EXPECT_EQ(f.form.afloop, a);
    if (a != Afloop::NogNietOpgelost) {
        EXPECT_EQ(f.ui.opmerk(), teksten::statusTekst(a));
    }
}

struct Start : ::testing::Test {
    Opstelling o;
    void TearDown() override { EXPECT_EQ(indexBuitenBereik.load(), 0); }
    static void los(Opstelling& f, const std::string& bord, bool gok = false, bool module = false) {
        f.ui.zetVink(Vink::Uitproberen, gok);
        f.ui.zetVink(Vink::Module, module);
        zetBord(f.form, bord);
        f.form.StartCommand_Click();
    }
};

TEST_F(Start, FullBoardRunsTenPassesAndEarlierSolvesShapeTheVerdict) {
    los(o, kOpgelost, true);
    EXPECT_EQ(o.form.uitz_gedaan, 100);  // 0, 10, ..., 90 at the start of the passes
    EXPECT_TRUE(o.form.CONTROL_NAKED);
    EXPECT_EQ(o.form.ctrl_NKD, 4);
    EXPECT_FALSE(o.form.KOMPLEET);
    EXPECT_EQ(o.form.veld_bewaard(1, 1), "");  // the trial test saw at most 90
    EXPECT_EQ(o.ui.opmerk(), kNietKompleet);
    verwachtAfloop(o, Afloop::InvoerNietKompleet);
    // After placements in an earlier solve the last module text stays; after a guess
    // there, a solved board is solved "after a guess".
    Opstelling eerder, gok;
    eerder.form.NWGETAL_OOIT = gok.form.PROBEERUIT_OOIT = true;
    los(eerder, kOpgelost, false, true);
    EXPECT_EQ(eerder.ui.opmerk(), " Module CEL ");
    verwachtAfloop(eerder, Afloop::NogNietOpgelost);
    los(gok, std::string(kOpgelost).replace(0, 1, "."));
    EXPECT_EQ(gok.ui.opmerk(), kSuccesGok);
    verwachtAfloop(gok, Afloop::OpgelostNaGok);
}

// The outcome is the driver's own record: a solved board, a complete one with a digit
// twice, and a load that forgets the last solve's outcome.
TEST_F(Start, OutcomeOfACompleteBoardValidOrNot) {
    los(o, std::string(kOpgelost).replace(0, 1, "."));
    verwachtAfloop(o, Afloop::Opgelost);
    std::istringstream bron(kOpgelost);
    o.form.Form_LoadUit(bron);
    EXPECT_EQ(o.form.afloop, Afloop::NogNietOpgelost);

    // Row 1 keeps its nine digits with (1,1) and (1,2) swapped, so columns 1 and 2 and the
    // first block hold a digit twice; the one gap, in row 9, is settled by its row.
    std::string dubbel = kOpgelost;
    std::swap(dubbel[0], dubbel[1]);
    dubbel[80] = '.';
    Opstelling fout;
    los(fout, dubbel);
    EXPECT_TRUE(fout.form.KOMPLEET);
    verwachtAfloop(fout, Afloop::NietGeldig);
}

// Digit 1: the band of rows 7..9 places (9,8); that column then settles row 3 of the
// first band at (3,9); only a sweep without a row find reaches the column stacks,
// where (6,3) was waiting all along.
TEST_F(Start, BlockLineSweepStartsAgainAtTheFirstBandAfterAFind) {
    o.ui.zetVink(Vink::Tussenstap, 1);
    los(o, metCellen({{1, 1, '1'}, {2, 4, '1'}, {7, 2, '1'}, {8, 5, '1'}, {3, 7, '2'},
                      {9, 7, '3'}, {9, 9, '4'}, {4, 3, '5'}, {5, 3, '6'}}));
    const auto& m = o.ui.meldingen();
    ASSERT_GE(m.size(), 3u);
    EXPECT_EQ(m[0].tekst, "Getal in rij:  9  en kolom:  8  is gevuld.    ");
    EXPECT_EQ(m[1].tekst, "Getal in rij:  3  en kolom:  9  is gevuld.    ");
    EXPECT_EQ(m[2].tekst, "Getal in rij:  6  en kolom:  3  is gevuld.    ");
}

TEST_F(Start, ContradictionWithoutAGuessEndsTheSolveAtOnce) {
    // 5 stands in rows 1 and 2 in two blocks, and row 3's segment (columns 7..9) is full.
    const std::string tegenspraak = metCellen({{1, 2, '5'}, {2, 5, '5'}, {3, 7, '2'}, {3, 8, '3'}, {3, 9, '4'}});
    o.form.NWGETAL_OOIT = true;
    los(o, tegenspraak, false, true);
    EXPECT_EQ(o.ui.opmerk(), kGeenKennis);
    verwachtAfloop(o, Afloop::NietGenoegKennis);
    EXPECT_EQ(o.form.uitz_gedaan, 100);
    EXPECT_EQ(o.form.MOG, "5");    // no later digit turn
    EXPECT_EQ(o.form.lus_rij, 0);  // no line or block module ran
    EXPECT_EQ(bordTekst(o.form), tegenspraak);
    Opstelling vers;  // nothing ever placed: the final check has the last word
    los(vers, tegenspraak);
    EXPECT_EQ(vers.ui.opmerk(), kNietKompleet);
    verwachtAfloop(vers, Afloop::InvoerNietKompleet);
}

// easy50 #7 and #42 stick after some placements with the trial option off.
TEST_F(Start, StuckBoardsGiveUpInAPassOrKeepTheModuleTextAndATrialFinishesThem) {
    const auto alle = leesCollectie("easy50");
    los(o, alle.at(6).opgave);  // passes 99 in a pass without a placement
    EXPECT_EQ(o.ui.opmerk(), kGeenKennis);
    verwachtAfloop(o, Afloop::NietGenoegKennis);
    Opstelling stap;  // passes 99 only through the +10 step
    los(stap, alle.at(41).opgave);
    EXPECT_FALSE(stap.form.KOMPLEET);
    EXPECT_TRUE(stap.form.uitz_gedaan >= 100 && stap.form.uitz_gedaan <= 109);
    for (const char* t : {kSucces, kSuccesGok, kGeenKennis, kNietKompleet}) EXPECT_NE(stap.ui.opmerk(), t);
    verwachtAfloop(stap, Afloop::NogNietOpgelost);
    Opstelling gok;
    los(gok, alle.at(41).opgave, true);
    EXPECT_EQ(bordTekst(gok.form), alle.at(41).oplossing);
    EXPECT_EQ(gok.ui.opmerk(), kSuccesGok);
    verwachtAfloop(gok, Afloop::OpgelostNaGok);
}

}  // namespace
}  // namespace sudoku::test
