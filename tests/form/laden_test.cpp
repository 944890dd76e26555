// Start-up and "Herstart" on real files in a temporary folder.
#include <gtest/gtest.h>

#include "form/testcase_bestand.h"
#include "support/testhulp.h"

namespace sudoku::test {
namespace {

const std::string REGELS[9] = {"5 92413 8", "    9   2", "1 48 6  7", "     7   ", "  64 2   ",
                               "    1  79", "  2  9 45", "45   38  ", " 6       "};
const std::string VOORBEELD_BORD =
    "5.92413.8....9...21.48.6..7.....7.....64.2.......1..79..2..9.4545...38...6.......";
const std::string GEEN_BESTAND = " Druk op: Invoer.  Voer daarna de Sudoku getallen in. ";

std::string voorbeeld(const std::string& eind = "\n") {
    std::string s;
    for (const auto& r : REGELS) s += r + eind;
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
        s += (i == 0 ? REGELS[0] + "XYZ" : i == 3 ? "" : i == 4 ? "..64020" : REGELS[i]) + "\r\n";
    eerste(s);
    o.form.Form_Load();
    ASSERT_TRUE(o.form.FileAanwezig && o.ui.knopEnabled(Knop::Start)) << o.ui.opmerk();
    EXPECT_EQ(bordRegel(o.form.veld), std::string(VOORBEELD_BORD).replace(27, 9, 9, '.'));
    EXPECT_EQ(o.form.veld(4, 6), " ");
    EXPECT_EQ(o.form.aantal(4), 5);
    EXPECT_EQ(o.ui.celTekst(1, 1) + o.ui.celTekst(1, 2), "5 ");

    // Old Mac line ends, a lone CR, end a line as LF and CR LF do.
    eerste(voorbeeld("\r"));
    o.form.Form_Load();
    EXPECT_EQ(bordRegel(o.form.veld), VOORBEELD_BORD) << o.ui.opmerk();

    // Nine full lines, no line end after the last: every digit shows in its Oplos box.
    std::string vol;
    for (int r = 0; r < 9; ++r) vol += OPGELOST_BORD.substr(r * 9, 9) + (r < 8 ? "\n" : "");
    eerste(vol);
    o.form.Form_Load();
    for (int d = 1; d <= 9; ++d) EXPECT_EQ(o.ui.oplos(d), getalTekst(d));
}

TEST_F(Laden, RejectedFilesGiveNothingToTheBoard) {
    eerste(voorbeeld());
    o.form.Form_Load();
    const std::pair<std::string, std::string> gevallen[] = {
        {"123\n4a6\n", " Fout in SudokuTestCase.txt: regel 2, positie 2 "},
        {"12345678\t\n", " Fout in SudokuTestCase.txt: regel 1, positie 9 "},
        {"1\x01"
         "3\n",
         " Fout in SudokuTestCase.txt: regel 1, positie 2 "},
        {voorbeeld() + "   \n\n" + "  7\n", " Fout in SudokuTestCase.txt: meer dan 9 regels "},
    };
    for (const auto& [inhoud, opmerk] : gevallen) {
        eerste(inhoud);
        o.form.Form_Load();
        verwachtGeenBestand(opmerk);
        EXPECT_EQ(bordRegel(o.form.veld), VOORBEELD_BORD) << opmerk;
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
}

TEST_F(Laden, ANamedFileThatIsMissingOrRefusedIsNamedInTheStatusLine) {
    eerste(voorbeeld());  // never looked at once a file is named
    const std::pair<std::string, std::string> gevallen[] = {
        {(map.pad() / "weg.txt").string(), " weg.txt bestaat niet "},
        {map.schrijf("puzzel.txt", "123\n4a6\n").string(),
         " Fout in puzzel.txt: regel 2, positie 2 "},
        {map.schrijf("lang.txt", voorbeeld() + "1\n").string(),
         " Fout in lang.txt: meer dan 9 regels "},
        {(map.pad() / "b").string() + "/", " b kan niet gelezen worden "},  // a folder
        // A name cannot put a line end or a terminal's escape into the status line.
        {(map.pad() / "x\ny\t\x1b[2J.txt").string(), " x\\ny\\t\\x1B[2J.txt bestaat niet "},
    };
    for (const auto& [pad, opmerk] : gevallen) {
        o.form.testcaseArgument = map.schrijf("goed.txt", voorbeeld()).string();
        o.form.Form_Load();
        o.form.testcaseArgument = pad;
        o.form.Form_Load();
        verwachtGeenBestand(opmerk);
        EXPECT_EQ(bordRegel(o.form.veld), VOORBEELD_BORD) << opmerk;
    }
}

// The status line changes once, straight to the final text.
TEST_F(Laden, AMissingNamedFileWritesOnlyItsOwnText) {
    struct Opmerkingen : HeadlessControls {
        std::vector<std::string> teksten;
        void zetOpmerk(const std::string& t) override {
            teksten.push_back(t);
            HeadlessControls::zetOpmerk(t);
        }
    } ui;
    SudokuForm form(ui);
    form.testcaseArgument = (map.pad() / "weg.txt").string();
    form.Form_Load();
    EXPECT_EQ(ui.teksten, std::vector<std::string>{" weg.txt bestaat niet "});
}

// Layouts that puzzle sites and programs export; each was refused or read as nonsense
// before, so no file that loaded changes meaning.
TEST_F(Laden, OneLineOf81CellsAndTheGridWithBarsSeparatorsAndComments) {
    const auto laad = [&](const std::string& inhoud) {
        eerste(inhoud);
        o.form.Form_Load();
        EXPECT_TRUE(o.form.FileAanwezig) << o.ui.opmerk();
        return bordRegel(o.form.veld);
    };
    // One line, with text after the 81 cells, blank and comment lines around it, CRLF.
    EXPECT_EQ(laad("\xEF\xBB\xBF# van een site\r\n\r\n" + VOORBEELD_BORD + "," + OPGELOST_BORD +
                   "\r\n  \r\n"),
              VOORBEELD_BORD);
    EXPECT_EQ(o.form.aantal(4), 5);
    std::string spaties = VOORBEELD_BORD;  // spaces as empty cells, no line end
    for (char& c : spaties) c = c == '.' ? ' ' : c;
    EXPECT_EQ(laad(spaties), VOORBEELD_BORD);

    std::string raster = "# kop\n";
    std::string omrand = "+---+---+---+\n";
    for (int r = 0; r < 9; ++r) {
        const std::string& x = REGELS[r];
        raster += x.substr(0, 3) + "|" + x.substr(3, 3) + "|" + x.substr(6, 3) + "\n";
        omrand += "|" + x.substr(0, 3) + "|" + x.substr(3, 3) + "|" + x.substr(6, 3) + "|\n";
        if (r % 3 == 2) {
            raster += r == 8 ? "" : "---+---+---\n";
            omrand += r == 8 ? "+===+===+===+\n" : "+---+---+---+\n";
        }
    }
    EXPECT_EQ(laad(raster), VOORBEELD_BORD);
    EXPECT_EQ(laad(omrand), VOORBEELD_BORD);
    EXPECT_EQ(laad(omrand + "#\n   \n---\n"), VOORBEELD_BORD);  // after the ninth row

    // Lines that loaded before keep their meaning: dashes after nine spaces are an empty
    // row, and a first line without 81 cells is row 1 alone.
    EXPECT_EQ(laad("1        \n         ---\n3"),
              "1........" + std::string(9, '.') + "3" + std::string(62, '.'));
    EXPECT_EQ(laad("123456789 # rij 1" + std::string(80, ' ')), "123456789" + std::string(72, '.'));
    EXPECT_EQ(laad(std::string(80, '.') + "x\n2"),
              std::string(9, '.') + "2" + std::string(71, '.'));
}

TEST_F(Laden, OtherLayoutsAreRefusedAtTheFilesOwnLineAndPosition) {
    const std::pair<std::string, std::string> gevallen[] = {
        // A bad cell after a comment and a separator: the file's own line and character.
        {"# kop\n5.9|241|3.8\n---+---+---\n..x|...|...\n", "regel 4, positie 3"},
        {"5 . 9 | 2 4 1 | 3 . 8\n", "regel 1, positie 7"},  // cells spaced out
        {"| 5 . 9 | 2 4 1 | 3 . 8 |\n", "regel 1, positie 9"},
        {"5.|9241|3.8\n", "regel 1, positie 3"},  // a bar inside a block
        {"5.9241|3.8\n", "regel 1, positie 7"},   // a lone bar after six
        {"123\n--\n", "regel 2, positie 1"},      // too short for a separator
        {"1 ---\n", "regel 1, positie 3"},        // a row with dashes in it
        {VOORBEELD_BORD + "\n" + VOORBEELD_BORD + "\n" + VOORBEELD_BORD.substr(0, 8) + "x",
         "regel 3, positie 9"},
    };
    for (const auto& [inhoud, waar] : gevallen) {
        eerste(inhoud);
        o.form.Form_Load();
        verwachtGeenBestand(" Fout in SudokuTestCase.txt: " + waar + " ");
    }
    std::string tien = "---+---+---\n";
    for (int r = 0; r < 10; ++r) tien += "# rij\n1\n";
    eerste(tien);
    o.form.Form_Load();
    verwachtGeenBestand(" Fout in SudokuTestCase.txt: meer dan 9 regels ");
}

TEST_F(Laden, TheNameInAnotherCaseOrAnUnreadableNameIsNoFile) {
    map.schrijf("a/sudokutestcase.txt", voorbeeld());
    std::filesystem::create_directories(map.pad() / "b" / "SudokuTestCase.txt");
    o.form.Form_Load();
    verwachtGeenBestand(GEEN_BESTAND);
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
    EXPECT_EQ(bordRegel(o.form.veld), VOORBEELD_BORD);
    EXPECT_EQ(o.ui.celKleur(1, 1), KLEUR_VENSTERTEKST);
    EXPECT_TRUE(o.ui.knopEnabled(Knop::Start) && !o.ui.knopEnabled(Knop::Herstart));
    EXPECT_EQ(o.ui.opmerk(), " Begin opnieuw met: Start ");
    EXPECT_FALSE(o.form.NWGETAL_OOIT || o.form.PROBEERUIT_OOIT);

    std::filesystem::remove(o.form.testcasePad1);
    o.ui.zetKnopEnabled(Knop::Herstart, true);
    o.form.HerstartCommand_Click();
    verwachtGeenBestand(GEEN_BESTAND);
    EXPECT_FALSE(o.ui.knopEnabled(Knop::Herstart));
    EXPECT_EQ(o.ui.celTekst(1, 1), "5");
}

// What the window's paste reads: the loader's layouts, and a refusal text for anything
// that is no puzzle of at least 17 givens.
TEST(Plaktekst, NoTextAStrayCharacterOrNumberTooManyRowsAndTooFewGivensAreRefused) {
    const std::string zeventien =
        "4.....8.5.3..........7......2.....6.....8.4......1.......6.3.7.5..2.....1.4......";
    std::string tien;
    for (int r = 0; r < 10; ++r) tien += "1\n";
    const std::pair<std::string, std::string> gevallen[] = {
        {" \n\t", " Geen puzzel op het klembord "},
        {"hallo", " Geen puzzel op het klembord: regel 1, positie 1 "},
        {"2024", " Geen puzzel op het klembord: te weinig getallen "},
        {"." + zeventien.substr(1), " Geen puzzel op het klembord: te weinig getallen "},
        {tien, " Geen puzzel op het klembord: meer dan 9 regels "},
        {zeventien, ""},
        {voorbeeld(), ""},
    };
    for (const auto& [tekst, waarom] : gevallen) {
        const Plaktekst p = leesPlaktekst(tekst);
        EXPECT_EQ(p.waarom, waarom) << tekst;
        if (waarom.empty()) {
            EXPECT_EQ(p.inhoud.uitkomst, TestcaseInhoud::Uitkomst::Goed);
        }
    }
    EXPECT_EQ(leesPlaktekst(zeventien).inhoud.rijen[1], "4     8 5");
}

}  // namespace
}  // namespace sudoku::test
