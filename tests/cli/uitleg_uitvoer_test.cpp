// The explanation of each technique on a board built for it: the lines --uitleg prints for
// its steps and exclusions, sentence and proof, and nothing for a recording that changed
// nothing.
#include <gtest/gtest.h>

#include <sstream>

#include "cli/oplossen.h"
#include "cli/uitleg_uitvoer.h"
#include "support/testhulp.h"

namespace sudoku::test {
namespace {

struct Uitleg : ::testing::Test {
    Oplospad pad;
    std::ostringstream uit;
    cli::SpoorControls ui{nullptr, &pad, &uit};
    SudokuForm form{ui};
    void SetUp() override { ui.zetUitleg(true); }
    void bord(std::initializer_list<std::tuple<int, int, char>> cellen) {
        zetBord(form, metCellen(cellen));
        pad.begin(bordRegel(form.veld));
    }
};

TEST_F(Uitleg, HiddenSingleInARowNamesTheCellsThatHoldTheDigit) {
    bord({{1, 1, '1'},
          {1, 3, '2'},
          {1, 4, '3'},
          {1, 6, '4'},
          {1, 7, '5'},
          {1, 9, '6'},
          {4, 5, '7'},
          {9, 8, '7'}});
    form.HORIZON = true;
    form.rij = 1;
    form.ModuleLijnen(form.HORIZON, form.rij, form.kol);
    EXPECT_EQ(uit.str(),
              "stap 1: rij 1, kolom 2 = 7, Module LIJNEN Horizontaal, rij 1\n"
              "  waarom: Alleen mogelijk in rij: in rij 1 kan de 7 alleen in kolom 2, want kolom "
              "5 heeft al een 7 (rij 4) en kolom 8 ook (rij 9).\n"
              "  bewijs: r1k5: r4k5; r1k8: r9k8\n");
}

TEST_F(Uitleg, PairThenCellModuleRestingOnItsExclusionsThenTheTableEmptied) {
    bord({{1, 4, '1'}, {1, 7, '2'}, {4, 1, '3'}, {7, 1, '4'}, {2, 2, '5'}, {3, 3, '6'}});
    form.kandidaten(1, 5) = "89";
    form.kandidaten(1, 6) = "89";
    form.ModuleNakedPair();
    form.ModuleNakedPair();  // rules out nothing new: no lines
    form.CONTROL_UITZ = true;
    form.rij = 1;
    form.kol = 1;
    form.ModuleCel(form.rij, form.kol);
    EXPECT_EQ(uit.str(),
              "uitsluiting 1: 8 valt af in r1k1 r1k2 r1k3 r1k8 r1k9, Module Naked Pair, rij 1\n"
              "  waarom: Paar: in rij 1 hebben kolom 5 en kolom 6 samen alleen 8 en 9, dus valt "
              "de 8 af in de rest van rij 1.\n"
              "  oorzaak: r1k5 r1k6\n"
              "uitsluiting 2: 9 valt af in r1k1 r1k2 r1k3 r1k8 r1k9, Module Naked Pair, rij 1\n"
              "  waarom: Paar: in rij 1 hebben kolom 5 en kolom 6 samen alleen 8 en 9, dus valt "
              "de 9 af in de rest van rij 1.\n"
              "  oorzaak: r1k5 r1k6\n"
              "stap 1: rij 1, kolom 1 = 7, Module CEL mbv uitzondering tabel, rij 1, kolom 1 en "
              "blok 1\n"
              "  waarom: Enige kandidaat: in rij 1, kolom 1 past alleen de 7, want rij 1 heeft al "
              "1 en 2, kolom 1 heeft 3 en 4, blok 1 heeft 5 en 6, de 8 valt af (uitsluiting 1) en "
              "de 9 valt af (uitsluiting 2).\n"
              "  bewijs: 1: r1k4; 2: r1k7; 3: r4k1; 4: r7k1; 5: r2k2; 6: r3k3; 8: uitsluiting 1; "
              "9: uitsluiting 2\n"
              "tabel gewist\n");
    // What a window reads: the table in force before the step, and the cells of each entry.
    const Uitgesloten voor = pad.uitgeslotenVoor(2);
    EXPECT_TRUE(voor[7].test(0) && voor[8].test(0) && !voor[6].test(0));
    EXPECT_EQ(cli::cellenTekst(pad.verwijderdeCellen(0)), "r1k1 r1k2 r1k3 r1k8 r1k9");
    EXPECT_EQ(cli::cellenTekst(pad.bewijsCellen(2)), "r1k4 r1k7 r2k2 r3k3 r4k1 r7k1");
    EXPECT_TRUE(pad.uitgeslotenVoor(4)[7].none());
}

TEST_F(Uitleg, ConfinementsInABlockAndInALine) {
    bord({{1, 3, '1'}, {2, 5, '5'}, {3, 8, '5'}});
    form.CONTROL_UITZ = true;
    form.rij = 1;
    form.kol = 1;
    form.ModuleBlokken(form.rij, form.kol);
    form.HORIZON = true;
    form.ModuleLijnen(form.HORIZON, form.rij, form.kol);
    EXPECT_EQ(uit.str(),
              "uitsluiting 1: 5 valt af in r1k4 r1k5 r1k6 r1k7 r1k8 r1k9, Module BLOKKEN mbv "
              "uitz tabel, blok 1\n"
              "  waarom: Alleen mogelijk in blok: in blok 1 kan de 5 alleen in rij 1, dus valt de "
              "5 af in de rest van rij 1.\n"
              "  oorzaak: r1k1 r1k2\n"
              "uitsluiting 2: 5 valt af in r2k1 r2k2 r2k3 r3k1 r3k2 r3k3, Module LIJNEN "
              "Horizontaal mbv uitz tabel, rij 1\n"
              "  waarom: Alleen mogelijk in rij: in rij 1 kan de 5 alleen in blok 1, dus valt de "
              "5 af in de rest van blok 1.\n"
              "  oorzaak: r1k1 r1k2\n");
}

TEST_F(Uitleg, NakedTriplesOfBothKinds) {
    bord({});
    form.kandidaten(1, 1) = "127";
    form.kandidaten(1, 4) = "17";
    form.kandidaten(1, 8) = "27";
    form.ModuleNakedTriple();
    form.kandidaten.vul("");
    form.kandidaten(2, 2) = "12";
    form.kandidaten(5, 2) = "23";
    form.kandidaten(9, 2) = "13";
    form.ModuleNakedTriple3Pairs();
    const std::string s = uit.str();
    // Three digits each, the second round of the triple adding nothing new.
    EXPECT_EQ(pad.uitsluitingen().size(), 6u);
    EXPECT_NE(s.find("uitsluiting 1: 1 valt af in r1k2 r1k3 r1k5 r1k6 r1k7 r1k9, Module Naked "
                     "Triple, rij 1\n"
                     "  waarom: Drietal: in rij 1 hebben kolom 1, kolom 4 en kolom 8 samen alleen "
                     "1, 2 en 7, dus valt de 1 af in de rest van rij 1.\n"
                     "  oorzaak: r1k1 r1k4 r1k8\n"),
              std::string::npos)
        << s;
    // r1k2 has the 2 ruled out by the first triple already: only the new cells are named.
    EXPECT_NE(s.find("uitsluiting 4: 2 valt af in r3k2 r4k2 r6k2 r7k2 r8k2, Module Naked "
                     "Triple *3pairs*, kolom 2\n"
                     "  waarom: Drietal van drie paren: in kolom 2 hebben rij 2, rij 5 en rij 9 "
                     "samen alleen 1, 2 en 3, dus valt de 2 af in de rest van kolom 2.\n"
                     "  oorzaak: r2k2 r5k2 r9k2\n"),
              std::string::npos)
        << s;
}

TEST_F(Uitleg, BandNamesItsTwoCellsAndTheCrossingLinesOfTheOtherCandidates) {
    bord({{1, 5, '2'}, {2, 9, '2'}, {6, 1, '2'}, {8, 3, '2'}});
    form.MOG = "2";
    form.HORIZON = true;
    form.rij = 1;
    form.ModuleBlokLijnen(form.GEVBLOKL, form.MOG, form.rij, form.kol, form.HORIZON);
    EXPECT_EQ(uit.str(),
              "stap 1: rij 3, kolom 2 = 2, Module BLOKLIJNEN Horizontaal, rijen 1-3, blok 1\n"
              "  waarom: Kruisen in een band: in blok 1 moet de 2 in rij 3, want rij 1 en rij 2 "
              "hebben hun 2 al in blok 2 en blok 3; in rij 3 van blok 1 is alleen kolom 2 nog "
              "mogelijk, want kolom 1 heeft al een 2 (rij 6) en kolom 3 ook (rij 8).\n"
              "  bewijs: band: r1k5 r2k9; r3k1: r6k1; r3k3: r8k3\n");
}

TEST(UitlegGok, TheRepairNamesTheGuessItUndoesAndTheOtherOption) {
    cli::Opties opties;
    opties.uitproberen = opties.stappen = opties.uitleg = true;
    std::ostringstream uit;
    cli::losPuzzelOp(
        ".2......6....41.....78....1......7....37.....6..412....1..74..5..8.5..7......39..", opties,
        &uit);
    std::istringstream regels(uit.str());
    std::string regel, gokStap, gokBewijs, stapRegel;
    bool hersteld = false;
    while (std::getline(regels, regel)) {
        if (regel.rfind("stap ", 0) == 0) stapRegel = regel;
        if (regel.find(" (gok)") != std::string::npos)
            gokStap = regel.substr(5, regel.find(':') - 5);
        if (regel.rfind("  bewijs: gok: ", 0) == 0) gokBewijs = regel;
        if (regel.rfind("  bewijs: herstel: ", 0) == 0) {
            // "stap N: rij R, kolom K = D, ..." : D is the other option.
            const std::string d = stapRegel.substr(stapRegel.find(" = ") + 3, 1);
            EXPECT_EQ(regel, "  bewijs: herstel: gok van stap " + gokStap + ", andere optie " + d);
            EXPECT_EQ(gokBewijs.substr(gokBewijs.size() - 1), d);  // "gok: X of D"
            hersteld = true;
            break;
        }
    }
    EXPECT_TRUE(hersteld) << uit.str();
}

// The explanations sit beside the solve: stripped of them the output is the --stappen output,
// and controls that do not ask for them hear no exclusion and get no proof.
TEST(UitlegNaast, StrippedOfItsExplanationsTheOutputIsTheStepsOutput) {
    const auto puzzels = leesCollectie("top95");
    ASSERT_FALSE(puzzels.empty());
    for (std::size_t i = 0; i < puzzels.size(); i += 7) {
        cli::Opties stappen;
        stappen.uitproberen = stappen.stappen = true;
        cli::Opties uitleg = stappen;
        uitleg.uitleg = true;
        std::ostringstream a, b;
        const auto ua = cli::losPuzzelOp(puzzels[i].opgave, stappen, &a);
        const auto ub = cli::losPuzzelOp(puzzels[i].opgave, uitleg, &b);
        EXPECT_EQ(ua.bord, ub.bord);
        std::istringstream regels(b.str());
        std::string regel, zonder;
        while (std::getline(regels, regel))
            if (regel.rfind("  ", 0) != 0 && regel.rfind("uitsluiting ", 0) != 0 &&
                regel != "tabel gewist")
                zonder += regel + "\n";
        EXPECT_EQ(zonder, a.str()) << i;
    }
}

TEST(UitlegNaast, ControlsThatDoNotAskHearNoExclusionAndGetNoProof) {
    struct Stil : HeadlessControls {
        int uitsluitingen = 0, gewist = 0, bewijzen = 0;
        void uitsluitingGemaakt(const Uitsluiting&) override { ++uitsluitingen; }
        void tabelGewist() override { ++gewist; }
        void geplaatst(int, int, const std::string&, const Reden& r) override {
            bewijzen += r.bewijs.soort != Bewijs::Soort::Geen;
        }
    } ui;
    SudokuForm form(ui);
    zetBord(form,
            ".2......6....41.....78....1......7....37.....6..412....1..74..5..8.5..7......39..");
    ui.zetVink(Vink::Uitproberen, 1);
    ui.zetKnopEnabled(Knop::Start, true);
    form.StartCommand_Click();
    EXPECT_GT(form.passen, 10);  // it got as far as the exception and naked stages
    EXPECT_EQ(ui.uitsluitingen + ui.gewist + ui.bewijzen, 0);
}

}  // namespace
}  // namespace sudoku::test
