// Booking a placed number: counts, the Oplos row, the grid, the flags, the table wipe.
#include <gtest/gtest.h>

#include "support/testhulp.h"

namespace sudoku::test {
namespace {

TEST(TelGetal, CountsDigitsAndIgnoresEverythingElse) {
    Opstelling o;
    o.form.TelGetal("5");
    o.form.TelGetal("5");
    EXPECT_EQ(o.form.aantal(5), 2);
    for (const char* vreemd : {"", " ", "0", "x", "12", "-1", "."}) o.form.TelGetal(vreemd);
    for (int d = 1; d <= 9; ++d) EXPECT_EQ(o.form.aantal(d), d == 5 ? 2 : 0) << d;
    EXPECT_EQ(indexBuitenBereik.load(), 0);
}

TEST(ToonOplossing, ShowsADigitOnlyOnItsNinthPlacement) {
    Opstelling o;
    for (int i = 1; i <= 8; ++i) o.form.TelGetal("7");
    o.ui.zetOplos(7, " ");
    o.form.ToonOplossing("7");
    EXPECT_EQ(o.ui.oplos(7), " ");
    o.form.TelGetal("7");
    o.form.ToonOplossing(7);
    EXPECT_EQ(o.ui.oplos(7), "7");
    // Another digit's call never touches box 7, and a complete digit is not cleared.
    o.form.ToonOplossing("3");
    EXPECT_EQ(o.ui.oplos(7), "7");
    EXPECT_EQ(o.ui.oplos(3), "3");  // the creation text, untouched
}

TEST(ToonGevondenGetal, ShowsTheCellAndRaisesTheFlags) {
    Opstelling o;
    o.form.veld(4, 6) = "8";
    o.form.ToonGevondenGetal(4, 6);
    EXPECT_EQ(o.ui.celTekst(4, 6), "8");
    EXPECT_EQ(o.ui.celKleur(4, 6), KLEUR_VENSTERTEKST);
    EXPECT_TRUE(o.form.NWGETAL);
    EXPECT_TRUE(o.form.NWGETAL_OOIT);
    EXPECT_FALSE(o.form.KOMPLEET);
    EXPECT_TRUE(o.ui.meldingen().empty());
}

TEST(ToonGevondenGetal, MessageForRow9Column1ToTheCharacterWithTheNumberInRed) {
    Opstelling o;
    o.ui.zetVink(Vink::Tussenstap, 1);
    o.form.veld(9, 1) = "3";
    o.form.ToonGevondenGetal(9, 1);
    ASSERT_EQ(o.ui.meldingen().size(), 1u);
    EXPECT_EQ(o.ui.meldingen()[0].titel, "Gevonden SUDOKU getal !");
    EXPECT_EQ(o.ui.meldingen()[0].tekst, "Getal in rij:  9  en kolom:  1  is gevuld.    ");
    EXPECT_EQ(o.ui.celTekstenBijMelding()[9][1], "3");
    EXPECT_EQ(o.ui.kleurBijMelding(9, 1), KLEUR_ROOD);
    EXPECT_EQ(o.ui.celKleur(9, 1), KLEUR_VENSTERTEKST);
}

TEST(ToonGevondenGetal, ACellOutsideTheBoardSelectsNoBoxButStillSetsTheFlags) {
    Opstelling o;
    o.form.ToonGevondenGetal(3, 10);
    o.form.ToonGevondenGetal(0, 0);
    EXPECT_TRUE(o.form.NWGETAL);
    EXPECT_EQ(indexBuitenBereik.load(), 0);
}

TEST(ToonGevondenGetal, LastPlacementSetsKompleetAndNothingEverClearsIt) {
    Opstelling o;
    const std::string opl =
        "579241368683795412124836957831967524796452183245318679312689745457123896968574231";
    std::string bord = opl;
    bord[80] = '.';
    zetBord(o.form, bord);
    o.form.ToonGevondenGetal(1, 1);
    EXPECT_FALSE(o.form.KOMPLEET);
    o.form.veld(9, 9) = "1";
    o.form.TelGetal("1");
    o.form.ToonOplossing("1");
    o.form.ToonGevondenGetal(9, 9);
    EXPECT_TRUE(o.form.KOMPLEET);
    EXPECT_EQ(o.ui.oplos(1), "1");
    o.form.aantal(1) = 3;
    o.form.ToonGevondenGetal(9, 9);
    EXPECT_TRUE(o.form.KOMPLEET);
}

TEST(WisUitzTabel, LeavesOneSpaceEverywhereAndTheCountersAtTen) {
    Opstelling o;
    o.form.uitz_tabel(4, 2, 7) = "4";
    o.form.lus_rij = 3;
    o.form.lus_kol = 5;
    o.form.WisUitzTabel();
    for (int d = 1; d <= 9; ++d)
        for (int r = 1; r <= 9; ++r)
            for (int k = 1; k <= 9; ++k) ASSERT_EQ(o.form.uitz_tabel(d, r, k), " ");
    EXPECT_EQ(o.form.lus_rij, 10);
    EXPECT_EQ(o.form.lus_kol, 10);
}

TEST(Waarden, UnwrittenElementsAreEmptyAndStrayIndexesStayInside) {
    Opstelling o;
    EXPECT_EQ(o.form.kandidaten(3, 3), "");
    EXPECT_EQ(o.form.plaats(9), 0);
    const long voor = indexBuitenBereik.load();
    o.form.plaats(0) = 5;
    o.form.plaats(10) = 5;
    o.form.veld(-1, 99) = "x";
    EXPECT_EQ(indexBuitenBereik.load(), voor + 4);  // both indexes of the cell count
    for (int d = 1; d <= 9; ++d) EXPECT_EQ(o.form.plaats(d), 0);
    indexBuitenBereik = voor;
    EXPECT_EQ(Str(9), " 9");
    EXPECT_EQ(Str(-3), "-3");
    EXPECT_EQ(plus(32767, 1), -32768);
}

}  // namespace
}  // namespace sudoku::test
