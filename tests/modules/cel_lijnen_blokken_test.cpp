// The three placing modules in the exception stage on chosen boards: the status texts
// they show as they end the stage. What they record there, and everything else they do,
// the differential tests hold to the step-by-step reference.
#include <gtest/gtest.h>

#include "support/testhulp.h"
#include "uitleg/teksten.h"

namespace sudoku::test {
namespace {

std::string transponeer(const std::string& b) {
    std::string t(81, '.');
    for (int i = 0; i < 81; ++i) t[i % 9 * 9 + i / 9] = b[i];
    return t;
}

// Row 1 misses 1, 2, 3 at columns 1..3; 1 is shut out of columns 1 and 2, and 2 out of
// columns 2 and 3, so 1 goes to column 3, then 2 to column 1, then 3 to column 2.
const std::string DRIE_ENKELE = "...456789" + std::string(18, '.') + "1........" + ".2......." +
                                std::string(9, '.') + ".1......." + "..2......" +
                                std::string(9, '.');

struct Plaatsen : ::testing::Test {
    Opstelling o;
    void TearDown() override { EXPECT_EQ(indexBuitenBereik.load(), 0); }
    void bord(const std::string& b) {
        zetBord(o.form, b);
        o.form.WisUitzTabel();
    }
    void uitzStadium(Integer teller, bool naked = false, Integer variant = 0) {
        o.form.uitz_gedaan = teller;
        o.form.CONTROL_UITZ = true;
        o.form.CONTROL_NAKED = naked;
        o.form.ctrl_NKD = variant;
    }
    void roep(void (SudokuForm::*module)(Integer&, Integer&), int r, int k) {
        o.form.rij = r, o.form.kol = k;
        (o.form.*module)(o.form.rij, o.form.kol);
    }
    void lijn(bool horizontaal, int n) {
        o.form.HORIZON = horizontaal;
        (horizontaal ? o.form.rij : o.form.kol) = n;
        o.form.ModuleLijnen(o.form.HORIZON, o.form.rij, o.form.kol);
    }
};

// In the exception stage each module places one number, ends the stage and shows its
// text, even without the module option; the block module leaves the naked flag alone.
// The number's reason names that text and the line, block or cell that forces it.
TEST_F(Plaatsen, ExceptionStagePlacementEndsTheStageAndNamesIt) {
    const std::string celBord = ".1234567." + std::string(72, '.');  // (1,1) keeps 8 and 9
    // Block (1,1) misses 8 and 9 at (1,1) and (1,2); column 1 holds 8 lower down.
    const std::string blokBord = "..1......234......567......8" + std::string(53, '.');
    const std::tuple<int, bool, Integer, const char*> gevallen[] = {
        // module 0 cel, 1/2 row/column, 3 block
        {0, false, 0, " Module CEL mbv uitzondering tabel "},
        {0, true, 2, " Module CEL --> Naked Pair "},
        {0, true, 3, " Module CEL --> Naked Triple "},
        {0, true, 4, " Module CEL --> Naked Triple *3pairs* "},
        {1, false, 2, " Module LIJNEN Horizontaal mbv uitz tabel "},
        {1, true, 2, " Module LIJNEN Horizontaal Naked Pair "},
        {1, true, 3, " Module LIJNEN Horizontaal Naked Triple "},
        {1, true, 4, " Module LIJNEN Horizontaal Naked Triple 3pairs "},
        {2, false, 4, " Module LIJNEN Verticaal mbv uitz tabel "},
        {2, true, 2, " Module LIJNEN Verticaal Naked Pair "},
        {2, true, 3, " Module LIJNEN Verticaal Naked Triple "},
        {2, true, 4, " Module LIJNEN Verticaal Naked Triple 3pairs "},
        {3, true, 2, " Module BLOKKEN mbv uitz tabel "}};
    const char* eenheid[] = {"rij 1, kolom 1 en blok 1", "rij 1", "kolom 1", "blok 1"};
    const int plaats[] = {0, 2, 18, 1};  // where the one number goes
    const char cijfer[] = {'9', '1', '1', '8'};
    for (auto [module, naked, variant, tekst] : gevallen) {
        const std::string voor = module == 0   ? celBord
                                 : module == 1 ? DRIE_ENKELE
                                 : module == 2 ? transponeer(DRIE_ENKELE)
                                               : blokBord;
        bord(voor);
        o.form.uitz_tabel(8, 1, 1) = "8";  // rules 8 out of (1,1), but only in the stage
        if (module == 0) roep(&SudokuForm::ModuleCel, 1, 1);
        EXPECT_EQ(bordRegel(o.form.veld), voor);
        uitzStadium(75, naked, variant);
        if (module == 0) roep(&SudokuForm::ModuleCel, 1, 1);
        if (module == 1 || module == 2) lijn(module == 1, 1);
        if (module == 3) roep(&SudokuForm::ModuleBlokken, 1, 1);
        EXPECT_EQ(bordRegel(o.form.veld),
                  std::string(voor).replace(plaats[module], 1, 1, cijfer[module]))
            << tekst;
        EXPECT_EQ(o.ui.opmerk(), tekst);
        EXPECT_EQ(" " + std::string(teksten::techniekNaam(o.ui.laatsteReden().techniek)) + " ",
                  tekst);
        EXPECT_EQ(teksten::eenheidTekst(o.ui.laatsteReden().eenheid), eenheid[module]) << tekst;
        EXPECT_FALSE(o.ui.laatsteReden().onderGok);
        EXPECT_EQ(o.form.uitz_gedaan, 0);
        EXPECT_TRUE(uitzSet(o.form).empty());
        EXPECT_FALSE(o.form.CONTROL_UITZ);
        EXPECT_EQ(o.form.CONTROL_NAKED, module == 3);
    }
}

}  // namespace
}  // namespace sudoku::test
