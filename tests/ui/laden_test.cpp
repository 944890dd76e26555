// Start-up and "Herstart" on real files in a temporary folder.
#include <gtest/gtest.h>

#include "support/testhulp.h"

namespace sudoku::test {
namespace {

const std::string kRegels[9] = {"5 92413 8", "    9   2", "1 48 6  7", "     7   ", "  64 2   ",
                                "    1  79", "  2  9 45", "45   38  ", " 6       "};
const std::string kVoorbeeldBord =
    "5.92413.8....9...21.48.6..7.....7.....64.2.......1..79..2..9.4545...38...6.......";
const std::string kGeenBestand = " Druk op: Invoer.  Voer daarna de Sudoku getallen in. ";

std::string voorbeeld(const std::string& eind = "\n") {
    std::string s;
    for (const auto& r : kRegels) s += r + eind;
    return s;
}

struct Laden : ::testing::Test {
    TijdelijkeMap map;
    Opstelling o;
    void SetUp() override {
        o.form.testcasePad1 = (map.pad() / "a" / "SudokuTestCase.txt").string();
        o.form.testcasePad2 = (map.pad() / "b" / "SudokuTestCase.txt").string();
        std::filesystem::create_directories(map.pad() / "b");
    }
    void eerste(const std::string& inhoud) { map.schrijf("a/SudokuTestCase.txt", inhoud); }
    void verwachtGeenBestand(const std::string& opmerk) {
        EXPECT_FALSE(o.form.FileAanwezig);
        EXPECT_FALSE(o.ui.knopEnabled(Knop::Start));
        EXPECT_EQ(o.ui.opmerk(), opmerk);
        for (int d = 1; d <= 9; ++d) EXPECT_EQ(o.form.aantal(d), 0);
    }
};

TEST_F(Laden, CrlfByteOrderMarkLongAndShortLinesLoadIntoBoardCountsAndBoxes) {
    std::string s = "\xEF\xBB\xBF";
    for (int i = 0; i < 9; ++i)  // characters 10 on are ignored; row 4 is a short line
        s += (i == 0 ? kRegels[0] + "XYZ" : i == 3 ? "" : i == 4 ? "..64020" : kRegels[i]) + "\r\n";
    eerste(s);
    o.form.Form_Load();
    ASSERT_TRUE(o.form.FileAanwezig && o.ui.knopEnabled(Knop::Start)) << o.ui.opmerk();
    EXPECT_EQ(bordTekst(o.form), std::string(kVoorbeeldBord).replace(27, 9, 9, '.'));
    EXPECT_EQ(o.form.veld(4, 6), " ");
    EXPECT_EQ(o.form.aantal(4), 5);
    EXPECT_EQ(o.ui.celTekst(1, 1) + o.ui.celTekst(1, 2), "5 ");

    // Nine full lines, no line end after the last: every digit shows in its Oplos box.
    std::string vol;
    for (int r = 0; r < 9; ++r) vol += kOpgelost.substr(r * 9, 9) + (r < 8 ? "\n" : "");
    eerste(vol);
    o.form.Form_Load();
    for (int d = 1; d <= 9; ++d) EXPECT_EQ(o.ui.oplos(d), cijferTekst(d));
}

TEST_F(Laden, RejectedFilesGiveNothingToTheBoard) {
    eerste(voorbeeld());
    o.form.Form_Load();
    const std::pair<std::string, std::string> gevallen[] = {
        {"123\n4a6\n", " Fout in SudokuTestCase.txt: regel 2, positie 2 "},
        {"12345678\t\n", " Fout in SudokuTestCase.txt: regel 1, positie 9 "},
        {"1\r3\n", " Fout in SudokuTestCase.txt: regel 1, positie 2 "},
        {voorbeeld() + "   \n\n" + "  7\n", " Fout in SudokuTestCase.txt: meer dan 9 regels "},
    };
    for (const auto& [inhoud, opmerk] : gevallen) {
        eerste(inhoud);
        o.form.Form_Load();
        verwachtGeenBestand(opmerk);
        EXPECT_EQ(bordTekst(o.form), kVoorbeeldBord) << opmerk;
        EXPECT_EQ(o.ui.celTekst(1, 1), "5");
    }
    eerste(voorbeeld("\r\n") + "\r\n     \r\n");  // blank lines after the ninth are fine
    o.form.Form_Load();
    EXPECT_TRUE(o.form.FileAanwezig);
}

TEST_F(Laden, WhichFileIsRead) {
    eerste("1        \n");
    map.schrijf("b/SudokuTestCase.txt", "2        \n");
    o.form.Form_Load();
    EXPECT_EQ(o.form.veld(1, 1), "1");  // both paths: only the first
    std::filesystem::remove(o.form.testcasePad1);
    o.form.Form_Load();
    EXPECT_EQ(o.form.veld(1, 1), "2");

    o.form.testcaseArgument = map.schrijf("elders.txt", "9        \n").string();
    o.form.Form_Load();
    EXPECT_EQ(o.form.veld(1, 1), "9");  // the argument replaces both look-ups
    o.form.testcaseArgument = (map.pad() / "bestaat-niet.txt").string();
    o.form.Form_Load();
    verwachtGeenBestand(kGeenBestand);
    o.form.testcaseArgument = map.pad().string();  // a folder
    o.form.Form_Load();
    verwachtGeenBestand(" SudokuTestCase.txt kan niet gelezen worden ");
}

TEST_F(Laden, TheNameInAnotherCaseOrAnUnreadableNameIsNoFile) {
    map.schrijf("a/sudokutestcase.txt", voorbeeld());
    std::filesystem::create_directories(map.pad() / "b" / "SudokuTestCase.txt");
    o.form.Form_Load();
    verwachtGeenBestand(kGeenBestand);
    EXPECT_EQ(o.ui.celTekst(5, 5), "");  // never given a value: shows as an empty text
    // The folder lists the name, but it leads nowhere.
    std::filesystem::create_symlink(map.pad() / "weg", o.form.testcasePad1);
    o.form.Form_Load();
    verwachtGeenBestand(" SudokuTestCase.txt kan niet gelezen worden ");
}

TEST_F(Laden, RestartWithTheFileReloadsItAndWithoutKeepsTheLastBoardOnScreen) {
    eerste(voorbeeld());
    o.form.Form_Load();
    o.form.veld(1, 2) = "7";
    o.form.NWGETAL_OOIT = o.form.PROBEERUIT_OOIT = true;
    o.ui.zetCelKleur(1, 1, KLEUR_GRIJS);
    o.ui.zetKnopEnabled(Knop::Start, false);
    o.ui.zetKnopEnabled(Knop::Herstart, true);
    o.form.HerstartCommand_Click();
    EXPECT_EQ(bordTekst(o.form), kVoorbeeldBord);
    EXPECT_EQ(o.ui.celKleur(1, 1), KLEUR_VENSTERTEKST);
    EXPECT_TRUE(o.ui.knopEnabled(Knop::Start) && !o.ui.knopEnabled(Knop::Herstart));
    EXPECT_EQ(o.ui.opmerk(), " Begin opnieuw met: Start ");
    EXPECT_FALSE(o.form.NWGETAL_OOIT || o.form.PROBEERUIT_OOIT);

    std::filesystem::remove(o.form.testcasePad1);
    o.ui.zetKnopEnabled(Knop::Herstart, true);
    o.form.HerstartCommand_Click();
    verwachtGeenBestand(kGeenBestand);
    EXPECT_FALSE(o.ui.knopEnabled(Knop::Herstart));
    EXPECT_EQ(o.ui.celTekst(1, 1), "5");
}

}  // namespace
}  // namespace sudoku::test
