// The tip in three steps on real boards: the first gives the technique and a unit that holds
// the cell but never names the cell, the second names the cell and the digit, the third is the
// first step's sentence; and what is said when there is no step.
#include <gtest/gtest.h>

#include "form/tip.h"
#include "support/testhulp.h"
#include "uitleg/teksten.h"

namespace sudoku::test {
namespace {

std::string celTekst(int cel) {
    return "r" + std::to_string((cel - 1) / 9 + 1) + "k" + std::to_string((cel - 1) % 9 + 1);
}

// The board as a solve without a guess leaves it: stuck, for the guessing tips.
std::string vastgelopen(const std::string& opgave) {
    Opstelling o;
    zetBord(o.form, opgave);
    o.form.StartCommand_Click();
    return bordRegel(o.form.veld);
}

void controleer(const std::string& bord, bool gok, std::set<Bewijs::Soort>& gezien) {
    const Tip t = geefTip(bord, gok, false);
    ASSERT_EQ(t.soort, Tip::Soort::Stap) << bord;
    const Oplospad& pad = t.zoektocht.pad;
    const std::size_t k = *t.zoektocht.stap;
    const Gebeurtenis& g = pad.gebeurtenissen()[pad.verloop()[k].index];
    const std::string cel = celTekst(celNummer(g.rij, g.kol));
    const std::string naam = mensNaamVan(g.reden.techniek);
    for (const std::string& tekst : t.tekst)
        EXPECT_EQ(tekst.substr(1, naam.size() - 1), naam.substr(1)) << tekst;
    EXPECT_EQ(t.tekst[0].find(cel), std::string::npos) << t.tekst[0];
    EXPECT_NE(t.tekst[1].find(cel), std::string::npos) << t.tekst[1];
    EXPECT_NE(t.tekst[1].find(std::string("de ") + g.getal), std::string::npos) << t.tekst[1];
    EXPECT_EQ(t.tekst[2], pad.waarom(k));
    // The marks: the unit to look in holds the cell; then the cell; then the proof's cells.
    EXPECT_EQ(t.cel, celNummer(g.rij, g.kol));
    EXPECT_TRUE(t.eenheidCellen.test(static_cast<std::size_t>(t.cel - 1))) << t.tekst[0];
    EXPECT_EQ(t.eenheidCellen, t.eenheid.cellen());
    EXPECT_EQ(t.bewijsCellen, pad.bewijsCellen(k));
    gezien.insert(g.reden.bewijs.soort);
}

TEST(Tip, ThreeStepsFromWhereToLookToTheWholeReason) {
    const auto top95 = leesCollectie("top95");
    ASSERT_GE(top95.size(), 61u) << SUDOKU_PUZZELS;
    std::set<Bewijs::Soort> gezien;
    for (std::size_t i = 0; i < top95.size(); i += 5) controleer(top95[i].opgave, false, gezien);
    for (const auto& p : leesCollectie("easy50")) controleer(p.opgave, false, gezien);
    // Stuck without a guess: with one, the tip is the guess.
    controleer(vastgelopen(top95[60].opgave), true, gezien);
    EXPECT_EQ(gezien, (std::set<Bewijs::Soort>{Bewijs::Soort::Band, Bewijs::Soort::Eenheid,
                                               Bewijs::Soort::Cel, Bewijs::Soort::Gok}));
}

// Where the plain techniques find nothing, the first tip says what to strike first.
TEST(Tip, AStepThatRestsOnStrikesSaysWhatToStrikeFirst) {
    const auto top95 = leesCollectie("top95");
    ASSERT_FALSE(top95.empty()) << SUDOKU_PUZZELS;
    const TipUitkomst heel = zoekTip(top95[0].opgave, false, false);
    std::size_t k = 0;
    while (k < heel.pad.verloop().size() &&
           !(heel.pad.verloop()[k].soort == Verloop::Soort::Gebeurtenis &&
             niveauVan(heel.pad.gebeurtenissen()[heel.pad.verloop()[k].index].reden.techniek) ==
                 Niveau::Uitzonderingstabel))
        ++k;
    ASSERT_LT(k, heel.pad.verloop().size());
    const Tip t = geefTip(heel.pad.bordVoor(k), false, false);
    ASSERT_EQ(t.soort, Tip::Soort::Stap);
    EXPECT_NE(t.tekst[0].find(". Streep eerst kandidaten weg: "), std::string::npos) << t.tekst[0];
    EXPECT_NE(t.tekst[2].find("weggestreept door"), std::string::npos) << t.tekst[2];
}

TEST(Tip, NoStepToGiveSaysWhy) {
    struct Geval {
        std::string bord;
        bool gok;
        Tip::Soort soort;
        std::string melding;
        bool gokHelpt;
    };
    std::string dubbel = OPGELOST_BORD;
    dubbel[0] = '.', dubbel[80] = dubbel[79];
    const auto top95 = leesCollectie("top95");
    ASSERT_GE(top95.size(), 61u) << SUDOKU_PUZZELS;
    const std::string vast = vastgelopen(top95[60].opgave);
    const Geval gevallen[] = {
        {OPGELOST_BORD, false, Tip::Soort::Vol, teksten::TIP_OPGELOST, false},
        // A digit twice goes before a full board: nothing on it can be taught.
        {std::string(OPGELOST_BORD).replace(80, 1, "8"), false, Tip::Soort::Ongeldig,
         "De 8 staat twee keer in rij 9.", false},
        {dubbel, true, Tip::Soort::Ongeldig, "De 8 staat twee keer in rij 9.", false},
        {vast, false, Tip::Soort::GeenStap, teksten::tipGeenStap(Oplossingen::Uniek), true},
        // No block with two empty cells: a guess would not help either.
        {std::string(81, '.'), false, Tip::Soort::GeenStap,
         teksten::tipGeenStap(Oplossingen::Meerdere), false},
    };
    for (const Geval& g : gevallen) {
        const Tip t = geefTip(g.bord, g.gok, true);
        EXPECT_EQ(t.soort, g.soort) << g.bord;
        EXPECT_EQ(t.melding, g.melding) << g.bord;
        EXPECT_EQ(t.gokHelpt, g.gokHelpt) << g.bord;
        EXPECT_TRUE(t.tekst[0].empty() && t.cel == 0 && t.eenheidCellen.none()) << g.bord;
    }
}

}  // namespace
}  // namespace sudoku::test
