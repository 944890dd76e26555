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
    EXPECT_EQ(uit.str(), "stap 1: rij 1, kolom 2 = 7, Module LIJNEN Horizontaal, rij 1\n"
                         "  waarom: Verborgen enkeling in rij: in rij 1 kan de 7 alleen in r1k2, "
                         "want kolom 5 heeft al een 7 (r4k5) en kolom 8 ook (r9k8).\n"
                         "  bewijs: r1k5: r4k5; r1k8: r9k8\n");
}

// A wipe of the table is the program's bookkeeping: the pair found again strikes nothing for a
// person, and a later proof names the exclusions that struck the digits first.
TEST_F(Uitleg, PairThenCellModuleRestingOnItsStrikesWhichAWipeLeavesStruck) {
    bord({{1, 4, '1'},
          {1, 7, '2'},
          {4, 1, '3'},
          {7, 1, '4'},
          {2, 2, '5'},
          {3, 3, '6'},
          {4, 2, '3'}});
    form.kandidaten(1, 5) = "89";
    form.kandidaten(1, 6) = "89";
    form.ModuleNakedPair();
    form.ModuleNakedPair();  // rules out nothing new: no lines
    form.CONTROL_UITZ = true;
    form.rij = 1;
    form.kol = 1;
    form.ModuleCel(form.rij, form.kol);
    form.ModuleNakedPair();  // the wiped table takes the pair again
    form.CONTROL_UITZ = true;
    form.kol = 2;
    form.ModuleCel(form.rij, form.kol);
    EXPECT_EQ(
        uit.str(),
        "uitsluiting 1: 8 valt af in r1k1 r1k2 r1k3 r1k8 r1k9, Module Naked Pair, rij 1\n"
        "  waarom: Naakt paar: in rij 1 hebben r1k5 en r1k6 samen alleen de kandidaten 8 en 9, dus "
        "streep je de 8 weg in r1k1, r1k2, r1k3, r1k8 en r1k9.\n"
        "  oorzaak: r1k5 r1k6\n"
        "  weg: r1k1 r1k2 r1k3 r1k8 r1k9\n"
        "uitsluiting 2: 9 valt af in r1k1 r1k2 r1k3 r1k8 r1k9, Module Naked Pair, rij 1\n"
        "  waarom: Naakt paar: in rij 1 hebben r1k5 en r1k6 samen alleen de kandidaten 8 en 9, dus "
        "streep je de 9 weg in r1k1, r1k2, r1k3, r1k8 en r1k9.\n"
        "  oorzaak: r1k5 r1k6\n"
        "  weg: r1k1 r1k2 r1k3 r1k8 r1k9\n"
        "stap 1: rij 1, kolom 1 = 7, Module CEL mbv uitzondering tabel, rij 1, kolom 1 en blok 1\n"
        "  waarom: Naakte enkeling na wegstrepen: in r1k1 past alleen de 7, want rij 1 heeft al 1 "
        "en 2, kolom 1 heeft 3 en 4, blok 1 heeft 5 en 6 en de 8 en de 9 zijn er weggestreept door "
        "het naakte paar 8 en 9 in rij 1 (uitsluiting 1 en 2).\n"
        "  bewijs: 1: r1k4; 2: r1k7; 3: r4k1; 4: r7k1; 5: r2k2; 6: r3k3; 8: uitsluiting 1; 9: "
        "uitsluiting 2\n"
        "tabel gewist\n"
        "uitsluiting 3: 8 valt af in r1k2 r1k3 r1k8 r1k9, Module Naked Pair, rij 1\n"
        "  waarom: Naakt paar: in rij 1 hebben r1k5 en r1k6 samen alleen de kandidaten 8 en 9; in "
        "de rest van rij 1 is de 8 al geen kandidaat meer.\n"
        "  oorzaak: r1k5 r1k6\n"
        "  weg: geen\n"
        "uitsluiting 4: 9 valt af in r1k2 r1k3 r1k8 r1k9, Module Naked Pair, rij 1\n"
        "  waarom: Naakt paar: in rij 1 hebben r1k5 en r1k6 samen alleen de kandidaten 8 en 9; in "
        "de rest van rij 1 is de 9 al geen kandidaat meer.\n"
        "  oorzaak: r1k5 r1k6\n"
        "  weg: geen\n"
        "stap 2: rij 1, kolom 2 = 4, Module CEL mbv uitzondering tabel, rij 1, kolom 2 en blok 1\n"
        "  waarom: Naakte enkeling na wegstrepen: in r1k2 past alleen de 4, want rij 1 heeft al 1, "
        "2 en 7, kolom 2 heeft 3 en 5, blok 1 heeft 6 en de 8 en de 9 zijn er weggestreept door "
        "het naakte paar 8 en 9 in rij 1 (uitsluiting 1 en 2).\n"
        "  bewijs: 1: r1k4; 2: r1k7; 3: r4k2; 5: r2k2; 6: r3k3; 7: r1k1; 8: uitsluiting 1; 9: "
        "uitsluiting 2\n"
        "tabel gewist\n");
    // What a window reads: the table in force before a step, the cells of each entry, and the
    // person's strikes, which outlast the table.
    const Uitgesloten voor = pad.uitgeslotenVoor(2);
    EXPECT_TRUE(voor[7].test(0) && voor[8].test(0) && !voor[6].test(0));
    EXPECT_EQ(cli::cellenTekst(pad.verwijderdeCellen(0)), "r1k1 r1k2 r1k3 r1k8 r1k9");
    EXPECT_EQ(cli::cellenTekst(pad.bewijsCellen(2)), "r1k4 r1k7 r2k2 r3k3 r4k1 r7k1");
    EXPECT_TRUE(pad.uitgeslotenVoor(4)[7].none());
    EXPECT_EQ(cli::cellenTekst(pad.weggestreeptVoor(6)[7]), "r1k1 r1k2 r1k3 r1k8 r1k9");
    EXPECT_TRUE(pad.wegVan(3).none() && pad.steuntOp(3).empty());
}

TEST_F(Uitleg, ConfinementsInABlockAndInALine) {
    bord({{1, 3, '1'}, {2, 5, '5'}, {3, 8, '5'}});
    form.CONTROL_UITZ = true;
    form.rij = 1;
    form.kol = 1;
    form.ModuleBlokken(form.rij, form.kol);
    form.HORIZON = true;
    form.ModuleLijnen(form.HORIZON, form.rij, form.kol);
    EXPECT_EQ(uit.str(), "uitsluiting 1: 5 valt af in r1k4 r1k5 r1k6 r1k7 r1k8 r1k9, Module "
                         "BLOKKEN mbv uitz tabel, blok 1\n"
                         "  waarom: Aanwijzend paar: in blok 1 kan de 5 alleen nog in r1k1 en "
                         "r1k2, in rij 1; in de rest van rij 1 is de 5 al geen kandidaat meer.\n"
                         "  oorzaak: r1k1 r1k2\n"
                         "  weg: geen\n"
                         "uitsluiting 2: 5 valt af in r2k1 r2k2 r2k3 r3k1 r3k2 r3k3, Module LIJNEN "
                         "Horizontaal mbv uitz tabel, rij 1\n"
                         "  waarom: Opeisen: in rij 1 kan de 5 alleen nog in r1k1 en r1k2, in blok "
                         "1; in de rest van blok 1 is de 5 al geen kandidaat meer.\n"
                         "  oorzaak: r1k1 r1k2\n"
                         "  weg: geen\n");
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
                     "  waarom: Naakt drietal: in rij 1 hebben r1k1, r1k4 en r1k8 samen alleen de "
                     "kandidaten 1, 2 en 7, dus streep je de 1 weg in r1k2, r1k3, r1k5, r1k6, r1k7 "
                     "en r1k9.\n"
                     "  oorzaak: r1k1 r1k4 r1k8\n"
                     "  weg: r1k2 r1k3 r1k5 r1k6 r1k7 r1k9\n"),
              std::string::npos)
        << s;
    // r1k2 has the 2 ruled out by the first triple already: only the new cells are named.
    EXPECT_NE(s.find("uitsluiting 4: 2 valt af in r3k2 r4k2 r6k2 r7k2 r8k2, Module Naked "
                     "Triple *3pairs*, kolom 2\n"
                     "  waarom: Naakt drietal van drie paren: in kolom 2 hebben r2k2, r5k2 en r9k2 "
                     "samen alleen de kandidaten 1, 2 en 3, dus streep je de 2 weg in r3k2, r4k2, "
                     "r6k2, r7k2 en r8k2.\n"
                     "  oorzaak: r2k2 r5k2 r9k2\n"
                     "  weg: r3k2 r4k2 r6k2 r7k2 r8k2\n"),
              std::string::npos)
        << s;
}

// A pair whose candidates only a person who struck the triple's digits sees: its cause rests
// on those strikes, and says so in words.
TEST_F(Uitleg, APairRestsOnTheStrikesOfATripleAndNamesThem) {
    bord({{2, 1, '5'}, {2, 2, '6'}, {2, 3, '8'}, {3, 1, '9'}});
    form.kandidaten(1, 1) = "127";
    form.kandidaten(1, 4) = "17";
    form.kandidaten(1, 8) = "27";
    form.ModuleNakedTriple();
    form.kandidaten.vul("");
    form.kandidaten(1, 2) = "34";
    form.kandidaten(1, 3) = "34";
    form.ModuleNakedPair();
    EXPECT_EQ(pad.steuntOp(4), (std::vector<int>{1, 2, 3}));
    const std::string s = uit.str();
    EXPECT_NE(s.find("uitsluiting 4: 3 valt af in r1k1 r1k4 r1k5 r1k6 r1k7 r1k8 r1k9, Module Naked "
                     "Pair, rij 1\n"
                     "  waarom: Naakt paar: in rij 1 hebben r1k2 en r1k3 samen alleen de "
                     "kandidaten 3 en 4 (in r1k2 en r1k3 zijn de 1, de 2 en de 7 al weggestreept "
                     "door het naakte drietal 1, 2 en 7 in rij 1, uitsluiting 1, 2 en 3), dus "
                     "streep je de 3 weg in r1k1, r1k4, r1k5, r1k6, r1k7, r1k8 en r1k9.\n"
                     "  oorzaak: r1k2 r1k3\n"
                     "  weg: r1k1 r1k4 r1k5 r1k6 r1k7 r1k8 r1k9\n"
                     "  steunt op: uitsluiting 1, uitsluiting 2, uitsluiting 3\n"),
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
              "  waarom: Kruisen langs de rijen: in blok 1 moet de 2 in rij 3, want rij 1 en rij 2 "
              "hebben hun 2 al in blok 2 en blok 3 (r1k5 en r2k9); in rij 3 van blok 1 kan de 2 "
              "alleen in r3k2, want kolom 1 heeft al een 2 (r6k1) en kolom 3 ook (r8k3).\n"
              "  bewijs: band: r1k5 r2k9; r3k1: r6k1; r3k3: r8k3\n");
}

// The guess says the ladder found nothing and which options its cell has; the repair after it
// names the guess, the other option and the contradiction that ended the guess, on the board
// just before the undo: the digit that no empty cell of the block can take.
TEST(UitlegGok, TheRepairShowsTheContradictionThatEndedTheGuess) {
    cli::Opties opties;
    opties.uitproberen = opties.stappen = opties.uitleg = true;
    std::ostringstream uit;
    cli::losPuzzelOp(
        ".2......6....41.....78....1......7....37.....6..412....1..74..5..8.5..7......39..", opties,
        &uit);
    const std::string s = uit.str();
    EXPECT_NE(s.find("stap 19: rij 8, kolom 4 = 1, Module Uitproberen, blok 8 (gok)\n"
                     "  waarom: Gok: geen techniek van de ladder vindt nog een getal. Blok 8 heeft "
                     "nog twee lege vakken en mist de 1 en de 2, dus r8k4 kan alleen de 1 of de 2 "
                     "zijn; de 1 wordt geprobeerd.\n"
                     "  bewijs: gok: 1 of 2\n"),
              std::string::npos)
        << s;
    // Under the guess r5k2 is block 4's one empty cell, and column 2 has its 2 in r1k2.
    EXPECT_NE(
        s.find("gok ongedaan: terug naar stap 18\n"
               "stap 50: rij 8, kolom 4 = 2, Fout hersteld na mislukte gok, blok 8\n"
               "  waarom: Herstel na een mislukte gok: in blok 4 kan de 2 nergens meer, want "
               "kolom 2 heeft al een 2 (r1k2); de gok van stap 19 was dus fout, en in r8k4 "
               "komt de andere optie, de 2.\n"
               "  bewijs: herstel: gok van stap 19, andere optie 2; tegenspraak: 2 in blok 4; "
               "r5k2: r1k2\n"),
        std::string::npos)
        << s;
}

// An undone guess gives back what a person struck after the step it returns to, also before
// the guess itself; what was struck before that step stays.
TEST(UitlegGok, TheUndoneGuessGivesBackTheStrikesMadeAfterItsStep) {
    Oplospad pad;
    std::ostringstream uit;
    cli::SpoorControls ui{nullptr, &pad, &uit};
    ui.zetUitleg(true);
    ui.zetVink(Vink::Uitproberen, 1);
    SudokuForm form{ui};
    zetBord(form,
            ".2......6....41.....78....1......7....37.....6..412....1..74..5..8.5..7......39..");
    pad.begin(bordRegel(form.veld));
    form.StartCommand_Click();
    std::size_t gok = 0, ongedaan = 0, stap18 = 0;
    for (std::size_t k = 0; k < pad.verloop().size(); ++k) {
        const Verloop& v = pad.verloop()[k];
        if (v.soort != Verloop::Soort::Gebeurtenis) continue;
        const Gebeurtenis& g = pad.gebeurtenissen()[v.index];
        if (g.soort == Gebeurtenis::Soort::GokOngedaan) ongedaan = k;
        if (g.stap == 18 && g.soort == Gebeurtenis::Soort::Stap) stap18 = k;
        if (g.reden.techniek == Techniek::Uitproberen) gok = k;
    }
    ASSERT_TRUE(stap18 < gok && gok < ongedaan);
    // Exclusions came between step 18 and the guess, and under the guess: all go back.
    EXPECT_NE(pad.weggestreeptVoor(gok), pad.weggestreeptVoor(stap18 + 1));
    EXPECT_EQ(pad.weggestreeptVoor(ongedaan + 1), pad.weggestreeptVoor(stap18 + 1));
    const auto tegenspraak = pad.tegenspraak(ongedaan + 1);
    ASSERT_TRUE(tegenspraak.has_value());
    EXPECT_EQ(tegenspraak->cijfer, 2);
    EXPECT_EQ(tegenspraak->blok, 4);
    EXPECT_EQ(cli::cellenTekst(tegenspraak->legeCellen) + " / " +
                  cli::cellenTekst(tegenspraak->zienCellen),
              "r5k2 / r1k2");
    EXPECT_EQ(tegenspraak->bord, pad.bordVoor(ongedaan));
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
