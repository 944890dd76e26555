// Booking a placed number: counts, the Oplos row, the step message, KOMPLEET, the
// placement hook, and the guard on stray indexes.
#include <gtest/gtest.h>

#include "support/testhulp.h"

namespace sudoku::test {
namespace {

// Counting ignores anything but a digit; a digit shows in its Oplos box on its ninth
// placement only; the last placement sets KOMPLEET; the step box names the cell and shows
// its number red while open.
TEST(Boeken, CountsOplosBoxKompleetAndTheStepBox) {
    Opstelling o;
    std::string bord = OPGELOST_BORD;
    bord[80] = '.';  // (9,9) misses its 2
    zetBord(o.form, bord);
    for (const char* vreemd : {"", " ", "0", "x", "12"}) o.form.TelGetal(vreemd);
    for (int d = 1; d <= 9; ++d) EXPECT_EQ(o.form.aantal(d), d == 2 ? 8 : 9) << d;
    o.ui.zetOplos(2, " ");
    o.form.ToonOplossing("2");
    EXPECT_EQ(o.ui.oplos(2), " ");
    o.form.ToonGevondenGetal(1, 1);  // unticked: no box
    EXPECT_TRUE(o.ui.meldingen().empty());
    EXPECT_FALSE(o.form.KOMPLEET);

    o.ui.zetVink(Vink::Tussenstap, 1);
    o.form.veld(9, 9) = "2";
    o.form.TelGetal("2");
    o.form.ToonOplossing(2);
    EXPECT_EQ(o.ui.oplos(2), "2");
    o.form.ToonGevondenGetal(9, 9);
    EXPECT_TRUE(o.form.KOMPLEET && o.form.NWGETAL);
    ASSERT_EQ(o.ui.meldingen().size(), 1u);
    EXPECT_EQ(o.ui.meldingen()[0].titel, "Gevonden SUDOKU getal !");
    EXPECT_EQ(o.ui.meldingen()[0].tekst, "Getal in rij:  9  en kolom:  9  is gevuld.    ");
    EXPECT_EQ(o.ui.celTekstenBijMelding()[9][9], "2");
    EXPECT_EQ(o.ui.kleurBijMelding(9, 9), KLEUR_ROOD);
    EXPECT_EQ(o.ui.celKleur(9, 9), KLEUR_VENSTERTEKST);
    EXPECT_EQ(indexBuitenBereik.load(), 0);
}

// What the controls hear, in order: red boxes, reported placements, step boxes.
class Luisterend : public HeadlessControls {
public:
    std::vector<std::string> log;
    void zetCelKleur(int rij, int kol, Kleur kleur) override {
        if (kleur == KLEUR_ROOD) log.push_back("rood " + getalTekst(rij) + getalTekst(kol));
        HeadlessControls::zetCelKleur(rij, kol, kleur);
    }
    void geplaatst(int rij, int kol, const std::string& getal, const Reden&) override {
        log.push_back("geplaatst " + getalTekst(rij) + getalTekst(kol) + " " + getal);
    }
    void meldingsvenster(const std::string& titel, const std::string& t) override {
        log.push_back("melding");
        HeadlessControls::meldingsvenster(titel, t);
    }
};

// Over a whole solve every placement is reported once, the moment its box turns red and
// before its step box, with the digit the board then holds: replayed onto the puzzle the
// reports give the final board.
TEST(ToonGevondenGetal, ReportsEachPlacementOnceInOrder) {
    const auto alle = leesCollectie("easy50");
    ASSERT_FALSE(alle.empty());
    Luisterend ui;
    SudokuForm form(ui);
    ui.zetVink(Vink::Tussenstap, 1);
    zetBord(form, alle[0].opgave);
    ui.zetKnopEnabled(Knop::Start, true);
    form.StartCommand_Click();
    ASSERT_EQ(bordRegel(form.veld), alle[0].oplossing);

    std::string bord = alle[0].opgave;
    for (char& c : bord)
        if (c == '0') c = '.';
    long plaatsingen = 0;
    for (std::size_t i = 0; i < ui.log.size(); ++i) {
        const std::string& e = ui.log[i];
        if (e.rfind("geplaatst ", 0) != 0) continue;
        ++plaatsingen;
        const int r = e[10] - '0', k = e[11] - '0';
        ASSERT_GE(i, 1u);
        EXPECT_EQ(ui.log[i - 1], "rood " + e.substr(10, 2));
        ASSERT_LT(i + 1, ui.log.size());
        EXPECT_EQ(ui.log[i + 1], "melding");
        EXPECT_EQ(bord[(r - 1) * 9 + (k - 1)], '.') << e;  // no cell placed twice
        bord[(r - 1) * 9 + (k - 1)] = e[13];
    }
    EXPECT_EQ(bord, alle[0].oplossing);
    EXPECT_EQ(static_cast<long>(ui.meldingen().size()), plaatsingen);

    // A column outside the board selects no box: nothing is reported.
    ui.log.clear();
    form.ToonGevondenGetal(1, 10);
    EXPECT_EQ(ui.log, std::vector<std::string>{"melding"});
}

// Release: a stray index is counted and lands in the spare slot, never outside a table.
TEST(Waarden, StrayIndexesAreCountedAndStayInside) {
    if (INDEX_STOPT) GTEST_SKIP() << "this build stops at a stray index";
    Opstelling o;
    const long voor = indexBuitenBereik.load();
    o.form.plaats(10) = 5;
    o.form.veld(-1, 99) = "x";
    o.form.uitz_tabel(0, 1, 1) = "1";
    EXPECT_EQ(indexBuitenBereik.load(), voor + 4);
    for (int d = 1; d <= 9; ++d) EXPECT_EQ(o.form.plaats(d), 0);
    for (int r = 1; r <= 9; ++r)
        for (int c = 1; c <= 9; ++c) ASSERT_NE(o.form.veld(r, c), "x");
    indexBuitenBereik = voor;
}

// Debug and sanitizer builds: a stray index stops the program with the table and the index.
TEST(WaardenDeathTest, StrayIndexStopsNamingTableAndIndex) {
    if (!INDEX_STOPT) GTEST_SKIP() << "this build counts stray indexes";
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    Opstelling o;
    EXPECT_DEATH(o.form.plaats(10) = 5, "Index buiten de tabel: plaats\\(10\\)");
    EXPECT_DEATH(o.form.veld(-1, 99) = "x", "Index buiten de tabel: veld\\(-1, 99\\)");
    EXPECT_DEATH((void)o.form.veld_bewaard(0, 1).str(), "veld_bewaard\\(0, 1\\)");
    EXPECT_DEATH((void)String(o.form.uitz_tabel(4, 10, 1)), "uitz_tabel\\(4, 10, 1\\)");
    EXPECT_DEATH((void)o.form.kandidaten(1, 0), "kandidaten\\(1, 0\\)");
    EXPECT_EQ(indexBuitenBereik.load(), 0);
}

}  // namespace
}  // namespace sudoku::test
