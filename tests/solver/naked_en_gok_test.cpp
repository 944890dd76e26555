// Solves through "Start" with the naked-set stage and the trial option: the order of
// the naked modules, a failed guess undone by the block-line module, and the public
// collections with trial off and on.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "support/testhulp.h"

namespace sudoku::test {
namespace {

const char* const SUCCES = " Sudoku succesvol ingevuld! ";
const char* const SUCCES_GOK = " Sudoku succesvol ingevuld! (na een gok) ";
const char* const HERSTELD = " Fout hersteld na mislukte gok ";

// Every status text, with the form state at the moment it was written.
struct Moment {
    std::string tekst;
    Integer ctrl_NKD;
    Boolean NWGETAL;
    Boolean PROBEERUIT;
    Integer uitz_gedaan;
    std::string gokCel;  // veld at (posUPR, posUPK)
    std::string optie2;
};

class SpoorControls : public HeadlessControls {
public:
    void zetOpmerk(const std::string& tekst) override {
        HeadlessControls::zetOpmerk(tekst);
        if (!form) return;
        const bool cel = form->posUPR >= 1 && form->posUPR <= 9 && form->posUPK >= 1 && form->posUPK <= 9;
        spoor.push_back({tekst, form->ctrl_NKD, form->NWGETAL, form->PROBEERUIT, form->uitz_gedaan,
                         cel ? form->veld(form->posUPR, form->posUPK) : "", form->uitprobeeroptie2});
    }
    const SudokuForm* form = nullptr;
    std::vector<Moment> spoor;
};

struct SpoorOpstelling {
    SpoorControls ui;
    SudokuForm form{ui};
    SpoorOpstelling(const std::string& bord, bool uitproberen) {
        form.testcasePad1 = "/nonexistent-sudoku-blad/SudokuTestCase.txt";
        form.testcasePad2 = "/nonexistent-sudoku-blad/2/SudokuTestCase.txt";
        ui.form = &form;
        ui.zetVink(Vink::Module, 1);
        ui.zetVink(Vink::Uitproberen, uitproberen ? 1 : 0);
        zetBord(form, bord);
        form.WisUitzTabel();
        form.StartCommand_Click();
    }
};

bool isCel(const std::string& t) { return t.rfind(" Module CEL", 0) == 0; }

int variantVan(const std::string& t) {
    if (t == " Module Naked Pair ") return 2;
    if (t == " Module Naked Triple ") return 3;
    if (t == " Module Naked Triple *3pairs* ") return 4;
    return 0;
}

TEST(NakedStap, SlaatRestOverNaPlaatsingEnHoudtCtrlNKD) {
    const auto top95 = leesCollectie("top95");
    ASSERT_FALSE(top95.empty());
    int overgeslagen = 0, doorgegaan = 0, latereRonden = 0;
    for (const Puzzel& p : top95) {
        SpoorOpstelling o(p.opgave, false);
        const auto& s = o.ui.spoor;
        int laatsteVariant = 0;
        for (std::size_t i = 0; i < s.size(); ++i) {
            const int v = variantVan(s[i].tekst);
            if (v == 3 || v == 4) {
                EXPECT_FALSE(s[i].NWGETAL) << "a naked module ran after a placement";
            }
            if (v != 0) {
                laatsteVariant = v;
                // Did the sweep after this module place a number? Then the stage stops.
                std::size_t j = i + 1;
                bool geplaatst = false;
                for (; j < s.size() && isCel(s[j].tekst); ++j)
                    if (s[j].tekst != " Module CEL ") geplaatst = true;
                if (v < 4 && j < s.size()) {
                    const bool volgende = variantVan(s[j].tekst) == v + 1;
                    if (geplaatst) {
                        EXPECT_FALSE(volgende);
                        ++overgeslagen;
                    } else if (volgende) {
                        ++doorgegaan;
                    }
                }
            } else if (laatsteVariant != 0 && s[i].tekst.rfind(" Module BLOKLIJNEN", 0) == 0) {
                // a later pass still sees the variant that ran last
                EXPECT_EQ(s[i].ctrl_NKD, laatsteVariant);
                ++latereRonden;
            }
        }
        EXPECT_EQ(o.form.ctrl_NKD, laatsteVariant);
    }
    EXPECT_GT(overgeslagen, 0);
    EXPECT_GT(doorgegaan, 0);
    EXPECT_GT(latereRonden, 0);
    EXPECT_EQ(indexBuitenBereik.load(), 0);
}

TEST(Gok, MislukteGokWordtHersteldDoorBlokLijnen) {
    int hersteld = 0, opgelostNaHerstel = 0;
    for (const char* naam : {"top95", "sudoku_exchange_rated"}) {
        const auto alle = leesCollectie(naam);
        ASSERT_FALSE(alle.empty()) << naam;
        for (std::size_t i = 0; i < alle.size() && i < 600; ++i) {
            const Puzzel& p = alle[i];
            SpoorOpstelling o(p.opgave, true);
            bool gezien = false;
            for (const Moment& m : o.ui.spoor) {
                if (m.tekst != HERSTELD || m.uitz_gedaan != 0) continue;  // 100: no guess to undo
                // the guessed cell holds the other digit and the guess is over
                EXPECT_FALSE(m.PROBEERUIT);
                EXPECT_EQ(m.gokCel, m.optie2);
                gezien = true;
            }
            if (!gezien) continue;
            ++hersteld;
            if (o.ui.opmerk() == SUCCES_GOK) {
                EXPECT_EQ(bordTekst(o.form), p.oplossing) << naam << " #" << i + 1;
                ++opgelostNaHerstel;
            }
        }
    }
    EXPECT_GT(hersteld, 0);
    EXPECT_GT(opgelostNaHerstel, 0);
    EXPECT_EQ(indexBuitenBereik.load(), 0);
}

// At most `maximaal` puzzles, spread over the collection.
struct Uitslag {
    int totaal = 0;
    int zonder = 0;
    int met = 0;
};

Uitslag losOp(const std::string& naam, std::size_t maximaal) {
    const auto alle = leesCollectie(naam);
    Uitslag u;
    if (alle.empty()) {
        ADD_FAILURE() << "collection " << naam << " not found in " << puzzelMap();
        return u;
    }
    const std::size_t stap = alle.size() > maximaal ? alle.size() / maximaal : 1;
    double tijd[2] = {0, 0};
    int fouten = 0;
    for (std::size_t i = 0; i < alle.size() && u.totaal < static_cast<int>(maximaal); i += stap) {
        const Puzzel& p = alle[i];
        ++u.totaal;
        for (int gok = 0; gok <= 1; ++gok) {
            Opstelling o;
            o.ui.zetVink(Vink::Uitproberen, gok);
            zetBord(o.form, p.opgave);
            o.form.WisUitzTabel();
            const auto begin = std::chrono::steady_clock::now();
            o.form.StartCommand_Click();  // returning at all is the first check
            tijd[gok] += std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
            const std::string bord = bordTekst(o.form);
            const std::string opmerk = o.ui.opmerk();
            const bool succes = opmerk == SUCCES || opmerk == SUCCES_GOK;
            bool goed = true;
            if (succes && bord != p.oplossing) goed = false;
            if (!gok) {
                for (int c = 0; c < 81; ++c)
                    if (bord[c] != '.' && bord[c] != p.oplossing[c]) goed = false;
                if (opmerk == SUCCES_GOK) goed = false;
            }
            if (succes) ++(gok ? u.met : u.zonder);
            if (!goed && ++fouten <= 3)
                ADD_FAILURE() << naam << " #" << i + 1 << (gok ? " (trial)" : "") << "\n  puzzle " << p.opgave
                              << "\n  board  " << bord << "\n  wanted " << p.oplossing << "\n  Opmerk \""
                              << opmerk << "\"";
        }
    }
    std::printf("[ naked+gok ] %-26s %5d puzzles  no trial %5.1f%% (%5.2f s)  trial %5.1f%% (%5.2f s)\n",
                naam.c_str(), u.totaal, 100.0 * u.zonder / u.totaal, tijd[0], 100.0 * u.met / u.totaal,
                tijd[1]);
    EXPECT_EQ(fouten, 0) << naam;
    EXPECT_EQ(indexBuitenBereik.load(), 0);
    return u;
}

TEST(Collecties, ZonderEnMetUitproberen) {
    // the easy collection needs nothing beyond the plain modules
    const Uitslag makkelijk = losOp("sudoku_exchange_easy", 1000);
    EXPECT_GT(makkelijk.zonder, makkelijk.totaal * 9 / 10);
    for (const char* naam : {"easy50", "pe96", "top95", "hardest", "sudoku_exchange_medium", "unbiased",
                             "sudoku_exchange_rated", "top1465", "forum_hardest_1106", "royle17",
                             "forum_hardest_1905_11plus"}) {
        const Uitslag u = losOp(naam, 1000);
        // a guess only adds solves
        EXPECT_GE(u.met, u.zonder) << naam;
    }
}

}  // namespace
}  // namespace sudoku::test
