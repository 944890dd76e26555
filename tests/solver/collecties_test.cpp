// The driver over the public puzzle collections, with trial off and on: every solve
// ends on its verdict, a board called solved is the known solution, without a guess no number placed
// contradicts it. Traced solves check the naked-set stage and the undoing of a guess.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>

#include "board/teksten.h"
#include "support/testhulp.h"

namespace sudoku::test {
namespace {

const std::string SUCCES = " Sudoku succesvol ingevuld! ";
const std::string SUCCES_GOK = " Sudoku succesvol ingevuld! (na een gok) ";

TEST(Collecties, SolvesEndSoundlyWithTrialOffAndOn) {
    for (const char* naam :
         {"easy50", "pe96", "top95", "hardest", "sudoku_exchange_easy", "sudoku_exchange_medium",
          "unbiased", "sudoku_exchange_rated", "top1465", "forum_hardest_1106", "royle17",
          "forum_hardest_1905_11plus"}) {
        const auto alle = leesCollectie(naam);
        ASSERT_FALSE(alle.empty()) << naam << " not found";
        const std::size_t stap = (alle.size() + 999) / 1000;  // at most 1000, spread out
        int totaal = 0, opgelost[2] = {0, 0}, fouten = 0;
        const auto begin = std::chrono::steady_clock::now();
        for (std::size_t i = 0; i < alle.size(); i += stap, ++totaal)
            for (int gok = 0; gok <= 1; ++gok) {
                const Puzzel& p = alle[i];
                Opstelling o;
                o.ui.zetVink(Vink::Uitproberen, gok);
                zetBord(o.form, p.opgave);
                o.form.StartCommand_Click();  // returning at all is the first check
                const std::string bord = bordRegel(o.form.veld), opmerk = o.ui.opmerk();
                const bool succes = opmerk == SUCCES || opmerk == SUCCES_GOK;
                opgelost[gok] += succes;
                bool goed = !succes || bord == p.oplossing;
                // Every solve ends on its verdict; an incomplete board on one of the two
                // give-up texts, chosen by whether anything was ever placed.
                goed = goed && o.form.afloop != Afloop::NogNietOpgelost &&
                       opmerk == teksten::statusTekst(o.form.afloop);
                if (bord.find('.') != std::string::npos)
                    goed =
                        goed && o.form.afloop == (o.form.NWGETAL_OOIT ? Afloop::NietGenoegKennis
                                                                      : Afloop::InvoerNietKompleet);
                for (int c = 0; c < 81 && !gok; ++c)
                    goed = goed && opmerk != SUCCES_GOK &&
                           (bord[c] == '.' || bord[c] == p.oplossing[c]);
                if (!goed && ++fouten <= 3)
                    ADD_FAILURE() << naam << " #" << i + 1 << (gok ? " (trial)" : "") << ": "
                                  << p.opgave << "\n  board " << bord << ", Opmerk \"" << opmerk
                                  << "\"";
            }
        std::printf(
            "[ collectie ] %-26s %5d puzzles  solved: no trial %5.1f%%, trial %5.1f%%  (%.2f s)\n",
            naam, totaal, 100.0 * opgelost[0] / totaal, 100.0 * opgelost[1] / totaal,
            std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count());
        EXPECT_EQ(fouten, 0) << naam;
    }
    EXPECT_EQ(indexBuitenBereik.load(), 0);
}

// Every status text, with what the form held when it was written.
struct Moment {
    std::string tekst;
    Integer ctrl_NKD, uitz_gedaan;
    Boolean NWGETAL, PROBEERUIT, optie2InGokCel;
};

struct MomentenControls : HeadlessControls {
    const SudokuForm* form = nullptr;
    std::vector<Moment> spoor;
    void zetOpmerk(const std::string& tekst) override {
        HeadlessControls::zetOpmerk(tekst);
        const auto& f = *form;
        const bool cel = f.posUPR >= 1 && f.posUPR <= 9 && f.posUPK >= 1 && f.posUPK <= 9;
        spoor.push_back({tekst, f.ctrl_NKD, f.uitz_gedaan, f.NWGETAL, f.PROBEERUIT,
                         cel && f.veld(f.posUPR, f.posUPK) == f.uitprobeeroptie2});
    }
};

TEST(Collecties, NakedStageStopsAfterAPlacementAndAFailedGuessIsRepaired) {
    int gezien[5] = {}, overgeslagen = 0, latereRonden = 0, hersteld = 0;
    for (const Puzzel& p : leesCollectie("top95")) {
        MomentenControls ui;
        SudokuForm form(ui);
        ui.form = &form;
        ui.zetVink(Vink::Module, 1);
        ui.zetVink(Vink::Uitproberen, 1);
        zetBord(form, p.opgave);
        form.StartCommand_Click();
        int laatste = 0;  // the naked variant that ran last
        for (const Moment& m : ui.spoor) {
            const int v = m.tekst == " Module Naked Pair "              ? 2
                          : m.tekst == " Module Naked Triple "          ? 3
                          : m.tekst == " Module Naked Triple *3pairs* " ? 4
                                                                        : 0;
            EXPECT_FALSE(v > 2 && m.NWGETAL) << "a naked module ran after a placement in its pass";
            if (v == 2 && laatste == 2) ++overgeslagen;  // the stage stopped after the pair module
            if (v) laatste = v, ++gezien[v];
            if (!v && laatste && m.tekst.rfind(" Module BLOKLIJNEN", 0) == 0) {
                EXPECT_EQ(m.ctrl_NKD, laatste);  // later passes still see the last variant
                ++latereRonden;
            }
            if (m.tekst == " Fout hersteld na mislukte gok " && m.uitz_gedaan == 0) {
                EXPECT_TRUE(!m.PROBEERUIT &&
                            m.optie2InGokCel);  // the guess over, the other option in
                ++hersteld;
            }
        }
        EXPECT_TRUE(ui.opmerk() != SUCCES_GOK || bordRegel(form.veld) == p.oplossing) << p.opgave;
    }
    EXPECT_TRUE(gezien[3] && gezien[4] && overgeslagen && latereRonden);
    EXPECT_GT(hersteld, 0);
}

}  // namespace
}  // namespace sudoku::test
