// Typing a puzzle in with "Invoer" and "Bevestig".
#include <gtest/gtest.h>

#include "support/testhulp.h"

namespace sudoku::test {
namespace {

struct Invoer : ::testing::Test {
    Opstelling o;
    void SetUp() override {
        o.form.Form_Load();
        o.form.InvoerCommand_Click();
    }
};

TEST_F(Invoer, InvoerEmptiesTheBoardAndHidesTheSolveButtons) {
    EXPECT_FALSE(o.ui.knopVisible(Knop::Start));
    EXPECT_FALSE(o.ui.knopVisible(Knop::Herstart));
    EXPECT_FALSE(o.ui.knopEnabled(Knop::Invoer));
    EXPECT_TRUE(o.ui.knopEnabled(Knop::Bevestig));
    EXPECT_EQ(o.ui.opmerk(), " Vul nu de velden in en sluit af met: Bevestig ");
    EXPECT_EQ(o.ui.celTekst(9, 9), " ");
    EXPECT_EQ(o.form.veld(9, 9), " ");
    EXPECT_EQ(o.ui.oplos(4), " ");
}

TEST_F(Invoer, BevestigAtOnceGivesAnEmptyBoardReadyToStart) {
    o.form.BevInvoerCommand_Click();
    EXPECT_EQ(bordTekst(o.form), std::string(81, '.'));
    for (int d = 1; d <= 9; ++d) EXPECT_EQ(o.form.aantal(d), 0);
    EXPECT_TRUE(o.ui.knopVisible(Knop::Start));
    EXPECT_TRUE(o.ui.knopEnabled(Knop::Start));
    EXPECT_TRUE(o.ui.knopEnabled(Knop::Invoer));
    EXPECT_FALSE(o.ui.knopEnabled(Knop::Bevestig));
    EXPECT_EQ(o.ui.opmerk(), " Om te beginnen druk op: Start ");
}

TEST_F(Invoer, SpacesAroundADigitAndEmptyMarksAreTakenAsTyped) {
    o.ui.zetCelTekst(1, 1, "5 ");
    o.ui.zetCelTekst(1, 2, " 5");
    o.ui.zetCelTekst(1, 3, "  ");
    o.ui.zetCelTekst(1, 4, "0");
    o.ui.zetCelTekst(1, 5, ".");
    o.ui.zetCelTekst(1, 6, "");
    o.form.BevInvoerCommand_Click();
    EXPECT_EQ(o.form.veld(1, 1), "5");
    EXPECT_EQ(o.form.veld(1, 2), "5");  // the same digit twice in a row is accepted
    EXPECT_EQ(o.form.aantal(5), 2);
    for (int k = 3; k <= 6; ++k) EXPECT_EQ(o.form.veld(1, k), " ") << k;
    EXPECT_EQ(o.ui.celTekst(1, 1), "5 ");  // the boxes keep what was typed
}

TEST_F(Invoer, ADigitTypedNineTimesShowsInItsOplosBox) {
    for (int r = 1; r <= 9; ++r) o.ui.zetCelTekst(r, r, "4");
    o.form.BevInvoerCommand_Click();
    EXPECT_EQ(o.ui.oplos(4), "4");
    EXPECT_EQ(o.ui.oplos(3), " ");
}

TEST_F(Invoer, BadInputIsNamedAndNothingIsTakenOver) {
    for (const char* slecht : {"a", "12", "-", "5x", "\t"}) {
        o.ui.zetCelTekst(2, 2, "7");
        o.ui.zetCelTekst(3, 4, slecht);
        o.ui.zetCelTekst(6, 1, "b");  // a later bad box is not the one named
        o.form.BevInvoerCommand_Click();
        EXPECT_EQ(o.ui.opmerk(), " Ongeldige invoer in rij 3, kolom 4 ") << slecht;
        EXPECT_EQ(o.ui.focusRij(), 3);
        EXPECT_EQ(o.ui.focusKol(), 4);
        EXPECT_EQ(o.ui.celTekst(3, 4), std::string(slecht).substr(0, 2));
        EXPECT_EQ(o.form.veld(2, 2), " ");
        EXPECT_EQ(o.form.aantal(7), 0);
        EXPECT_FALSE(o.ui.knopVisible(Knop::Start));
        EXPECT_TRUE(o.ui.knopEnabled(Knop::Bevestig));
        o.ui.zetCelTekst(6, 1, " ");
    }
}

TEST(InvoerHistorie, InvoerClearsAnEarlierSolvesFlagsAndExceptions) {
    Opstelling o;
    o.form.NWGETAL_OOIT = true;
    o.form.PROBEERUIT_OOIT = true;
    o.form.uitz_tabel(2, 3, 4) = "2";
    o.form.InvoerCommand_Click();
    EXPECT_FALSE(o.form.NWGETAL_OOIT);
    EXPECT_FALSE(o.form.PROBEERUIT_OOIT);
    EXPECT_EQ(o.form.uitz_tabel(2, 3, 4), " ");
}

}  // namespace
}  // namespace sudoku::test
