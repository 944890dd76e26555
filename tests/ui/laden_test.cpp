// Start-up and "Herstart" on real files in a temporary folder.
#include <gtest/gtest.h>

#include <filesystem>

#include "support/testhulp.h"

namespace sudoku::test {
namespace {

const std::string kRegels[9] = {"5 92413 8", "    9   2", "1 48 6  7", "     7   ", "  64 2   ",
                                "    1  79", "  2  9 45", "45   38  ", " 6       "};

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
        std::filesystem::create_directories(map.pad() / "a");
        std::filesystem::create_directories(map.pad() / "b");
    }
    void eerste(const std::string& inhoud) { map.schrijf("a/SudokuTestCase.txt", inhoud); }
    void tweede(const std::string& inhoud) { map.schrijf("b/SudokuTestCase.txt", inhoud); }
    void verwachtGeenBestand(const std::string& opmerk) {
        EXPECT_FALSE(o.form.FileAanwezig);
        EXPECT_FALSE(o.ui.knopEnabled(Knop::Start));
        EXPECT_EQ(o.ui.opmerk(), opmerk);
        for (int d = 1; d <= 9; ++d) EXPECT_EQ(o.form.aantal(d), 0);
    }
};

const std::string kVoorbeeldBord =
    "5.92413.8....9...21.48.6..7.....7.....64.2.......1..79..2..9.4545...38...6.......";

TEST_F(Laden, AWellFormedFileFillsBoardCountsAndBoxes) {
    eerste(voorbeeld());
    o.form.Form_Load();
    EXPECT_TRUE(o.form.FileAanwezig);
    EXPECT_EQ(o.form.bestand, "SudokuTestCase.txt");
    EXPECT_EQ(bordTekst(o.form), kVoorbeeldBord);
    EXPECT_EQ(o.form.veld(1, 2), " ");
    EXPECT_EQ(o.form.aantal(4), 5);
    EXPECT_EQ(o.ui.celTekst(1, 1), "5");
    EXPECT_EQ(o.ui.celTekst(1, 2), " ");
    EXPECT_EQ(o.ui.oplos(1), " ");
    EXPECT_EQ(o.ui.opmerk(), "Rastavo");  // a found file leaves the status line alone
    EXPECT_TRUE(o.ui.knopEnabled(Knop::Start));
    EXPECT_EQ(o.form.uitz_tabel(9, 9, 9), " ");
    EXPECT_EQ(o.form.lus_rij, 10);
    EXPECT_EQ(o.form.lus_kol, 10);
}

TEST_F(Laden, CrlfByteOrderMarkLongAndShortLinesAndDotsLoadAlike) {
    std::string s = "\xEF\xBB\xBF";
    for (int i = 0; i < 9; ++i) {
        std::string r = kRegels[i];
        if (i == 0) r += "XYZ overbodig";  // characters 10 on are ignored
        if (i == 3) r = "";                 // a short line: its cells are empty
        if (i == 4) r = "..64020";
        s += r + "\r\n";
    }
    eerste(s);
    o.form.Form_Load();
    ASSERT_TRUE(o.form.FileAanwezig) << o.ui.opmerk();
    std::string verwacht = kVoorbeeldBord;
    verwacht.replace(27, 9, ".........");
    verwacht.replace(36, 9, "..64.2...");
    EXPECT_EQ(bordTekst(o.form), verwacht);
    for (int k = 1; k <= 9; ++k) EXPECT_EQ(o.form.veld(4, k), " ");
}

TEST_F(Laden, FewerLinesGiveEmptyRowsAndAFullBoardShowsItsDigits) {
    eerste("123456789\n");
    o.form.Form_Load();
    ASSERT_TRUE(o.form.FileAanwezig);
    EXPECT_EQ(o.form.veld(9, 9), " ");
    EXPECT_EQ(o.ui.celTekst(9, 9), " ");

    const std::string vol =
        "579241368\n683795412\n124836957\n831967524\n796452183\n245318679\n312689745\n"
        "457123896\n968574231";  // no line end after the last line
    eerste(vol);
    o.form.Form_Load();
    for (int d = 1; d <= 9; ++d) {
        EXPECT_EQ(o.form.aantal(d), 9);
        EXPECT_EQ(o.ui.oplos(d), cijferTekst(d));
    }
}

TEST_F(Laden, DuplicateGivensAreLoadedAndCounted) {
    eerste("55       \n");
    o.form.Form_Load();
    EXPECT_TRUE(o.form.FileAanwezig);
    EXPECT_EQ(o.form.aantal(5), 2);
}

TEST_F(Laden, RejectedFilesGiveNothingToTheBoard) {
    eerste(voorbeeld());
    o.form.Form_Load();
    const std::string voor = bordTekst(o.form);

    struct Geval {
        std::string inhoud;
        std::string opmerk;
    };
    const Geval gevallen[] = {
        {"123\n4a6\n", " Fout in SudokuTestCase.txt: regel 2, positie 2 "},
        {"12345678\t\n", " Fout in SudokuTestCase.txt: regel 1, positie 9 "},
        {"\xEF\xBB\xBF" "1-3\n", " Fout in SudokuTestCase.txt: regel 1, positie 2 "},
        {"1\r3\n", " Fout in SudokuTestCase.txt: regel 1, positie 2 "},
        {voorbeeld() + "   \n\n" + "  7\n", " Fout in SudokuTestCase.txt: meer dan 9 regels "},
    };
    for (const auto& g : gevallen) {
        eerste(g.inhoud);
        o.form.Form_Load();
        verwachtGeenBestand(g.opmerk);
        EXPECT_EQ(bordTekst(o.form), voor) << g.opmerk;
        EXPECT_EQ(o.ui.celTekst(1, 1), "5");
    }
    // Blank lines and spaces after the ninth line are fine.
    eerste(voorbeeld("\r\n") + "\r\n     \r\n");
    o.form.Form_Load();
    EXPECT_TRUE(o.form.FileAanwezig);
}

TEST_F(Laden, OnlyTheFirstPathIsReadWhenBothHaveAFile) {
    eerste("1        \n");
    tweede("2        \n");
    o.form.Form_Load();
    EXPECT_EQ(o.form.veld(1, 1), "1");
    std::filesystem::remove(map.pad() / "a" / "SudokuTestCase.txt");
    o.form.Form_Load();
    EXPECT_EQ(o.form.veld(1, 1), "2");
}

TEST_F(Laden, TheNameInAnotherCaseOrAFolderOfThatNameIsNoFile) {
    map.schrijf("a/sudokutestcase.txt", voorbeeld());
    std::filesystem::create_directories(map.pad() / "b" / "SudokuTestCase.txt");
    o.form.Form_Load();
    verwachtGeenBestand(" Druk op: Invoer.  Voer daarna de Sudoku getallen in. ");
    EXPECT_EQ(o.form.bestand, "");
    EXPECT_EQ(o.ui.celTekst(5, 5), "");  // never given a value: shows as an empty text
}

TEST_F(Laden, AFileThatCannotBeOpenedIsReported) {
    // The folder lists the name, but it leads nowhere.
    std::filesystem::create_symlink(map.pad() / "weg", map.pad() / "a" / "SudokuTestCase.txt");
    o.form.Form_Load();
    verwachtGeenBestand(" SudokuTestCase.txt kan niet gelezen worden ");
    // A folder given as the file argument is no file to read either.
    o.form.testcaseArgument = map.pad().string();
    o.form.Form_Load();
    verwachtGeenBestand(" SudokuTestCase.txt kan niet gelezen worden ");
}

TEST_F(Laden, TheFileArgumentReplacesBothLookUps) {
    eerste("1        \n");
    auto pad = map.schrijf("elders.txt", "9        \n");
    o.form.testcaseArgument = pad.string();
    o.form.Form_Load();
    EXPECT_EQ(o.form.veld(1, 1), "9");
    o.form.testcaseArgument = (map.pad() / "bestaat-niet.txt").string();
    o.form.Form_Load();
    verwachtGeenBestand(" Druk op: Invoer.  Voer daarna de Sudoku getallen in. ");
}

TEST_F(Laden, RestartWithTheFileReloadsItAndResetsTheControls) {
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
    EXPECT_TRUE(o.ui.knopEnabled(Knop::Start));
    EXPECT_FALSE(o.ui.knopEnabled(Knop::Herstart));
    EXPECT_EQ(o.ui.opmerk(), " Begin opnieuw met: Start ");
    EXPECT_FALSE(o.form.NWGETAL_OOIT);
    EXPECT_FALSE(o.form.PROBEERUIT_OOIT);
}

TEST_F(Laden, RestartWithoutAFileKeepsTheLastBoardOnScreen) {
    eerste(voorbeeld());
    o.form.Form_Load();
    std::filesystem::remove(map.pad() / "a" / "SudokuTestCase.txt");
    o.form.HerstartCommand_Click();
    verwachtGeenBestand(" Druk op: Invoer.  Voer daarna de Sudoku getallen in. ");
    EXPECT_FALSE(o.ui.knopEnabled(Knop::Herstart));
    EXPECT_EQ(o.ui.celTekst(1, 1), "5");
    EXPECT_EQ(bordTekst(o.form), kVoorbeeldBord);
}

}  // namespace
}  // namespace sudoku::test
