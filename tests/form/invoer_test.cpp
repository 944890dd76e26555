// Typing a puzzle in with "Invoer" and "Bevestig".
#include <gtest/gtest.h>

#include "support/testhulp.h"

namespace sudoku::test {
namespace {

struct Invoer : ::testing::Test {
    Opstelling o;
    void SetUp() override {
        o.form.Form_Load();
        o.form.NWGETAL_OOIT = o.form.PROBEERUIT_OOIT = true;
        o.form.uitz_tabel(2, 3, 4) = "2";
        o.form.InvoerCommand_Click();
    }
};

// Entering starts without the history of an earlier solve; Bevestig takes what was typed.
TEST_F(Invoer, DigitsAreTrimmedAndCountedAndEmptyMarksAreEmpty) {
    EXPECT_FALSE(o.form.NWGETAL_OOIT || o.form.PROBEERUIT_OOIT);
    EXPECT_TRUE(uitzSet(o.form).empty());
    const char* getypt[] = {"5 ", " 5", "  ", "0", ".", ""};
    for (int k = 1; k <= 6; ++k) o.ui.zetCelTekst(1, k, getypt[k - 1]);
    for (int r = 2; r <= 9; ++r) o.ui.zetCelTekst(r, r, "4");
    o.ui.zetCelTekst(1, 9, "4");
    o.form.BevInvoerCommand_Click();
    EXPECT_EQ(bordRegel(o.form.veld).substr(0, 9), "55......4");
    EXPECT_EQ(o.form.veld(1, 3), " ");
    EXPECT_EQ(o.form.aantal(5), 2);  // the same digit twice in a row is accepted
    EXPECT_EQ(o.ui.oplos(4), "4");   // typed nine times
    EXPECT_EQ(o.ui.oplos(5), " ");
    EXPECT_EQ(o.ui.celTekst(1, 1), "5 ");  // the boxes keep what was typed
    for (int d : {1, 2, 3, 6, 7, 8, 9}) EXPECT_EQ(o.form.aantal(d), 0) << d;
}

TEST_F(Invoer, BadInputIsNamedAndNothingIsTakenOver) {
    for (const char* slecht : {"a", "12", "-", "5x", "\t"}) {
        o.ui.zetCelTekst(2, 2, "7");
        o.ui.zetCelTekst(3, 4, slecht);
        o.ui.zetCelTekst(6, 1, "b");  // a later bad box is not the one named
        o.form.BevInvoerCommand_Click();
        EXPECT_EQ(o.ui.opmerk(), " Ongeldige invoer in rij 3, kolom 4 ") << slecht;
        EXPECT_EQ(o.ui.focusRij() * 10 + o.ui.focusKol(), 34);
        EXPECT_EQ(o.form.veld(2, 2), " ");
        EXPECT_EQ(o.form.aantal(7), 0);
        EXPECT_FALSE(o.ui.knopVisible(Knop::Start));
        EXPECT_TRUE(o.ui.knopEnabled(Knop::Bevestig));
    }
}

}  // namespace
}  // namespace sudoku::test
