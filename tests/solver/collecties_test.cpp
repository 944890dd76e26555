// The driver over the public puzzle collections: every solve ends, a board called solved
// is the known solution, and without a guess no number placed contradicts it.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>

#include "support/testhulp.h"

namespace sudoku::test {
namespace {

const char* const SUCCES = " Sudoku succesvol ingevuld! ";
const char* const SUCCES_GOK = " Sudoku succesvol ingevuld! (na een gok) ";

struct Uitslag {
    int opgelost = 0;
    int ongeldig = 0;  // complete, but a digit twice in a unit
    int totaal = 0;
};

// Solves every puzzle of `naam` (at most `maximaal`, spread evenly over the file) and
// checks each outcome against the known solution.
Uitslag losCollectieOp(const std::string& naam, std::size_t maximaal, bool uitproberen) {
    const auto alle = leesCollectie(naam);
    Uitslag u;
    if (alle.empty()) {
        ADD_FAILURE() << "collection " << naam << " not found in " << puzzelMap();
        return u;
    }
    const std::size_t stap = alle.size() > maximaal ? alle.size() / maximaal : 1;
    const auto begin = std::chrono::steady_clock::now();
    int fouten = 0;
    for (std::size_t i = 0; i < alle.size() && u.totaal < static_cast<int>(maximaal); i += stap) {
        const Puzzel& p = alle[i];
        Opstelling o;
        o.ui.zetVink(Vink::Uitproberen, uitproberen ? 1 : 0);
        zetBord(o.form, p.opgave);
        const long buitenVoor = indexBuitenBereik.load();
        o.form.StartCommand_Click();
        ++u.totaal;

        const std::string bord = bordTekst(o.form);
        const std::string opmerk = o.ui.opmerk();
        const bool succes = opmerk == SUCCES || opmerk == SUCCES_GOK;
        if (succes) ++u.opgelost;
        bool goed = indexBuitenBereik.load() == buitenVoor;
        if (succes && bord != p.oplossing) goed = false;
        // A complete board is either the solution or is called invalid, never a success.
        if (o.form.KOMPLEET && !succes) {
            ++u.ongeldig;
            if (opmerk != " Sudoku ingevuld, maar niet geldig " || zonderDubbelen(bord)) goed = false;
        }
        if (succes && !o.form.KOMPLEET) goed = false;
        // Givens stay where they were.
        for (int c = 0; c < 81; ++c)
            if (p.opgave[c] != '.' && bord[c] != p.opgave[c]) goed = false;
        if (!uitproberen) {
            for (int c = 0; c < 81; ++c)
                if (bord[c] != '.' && bord[c] != p.oplossing[c]) goed = false;
            if (opmerk == SUCCES_GOK) goed = false;
        }
        if (!goed && ++fouten <= 5)
            ADD_FAILURE() << naam << " #" << i + 1 << ": " << p.opgave << "\n  board  " << bord
                          << "\n  wanted " << p.oplossing << "\n  Opmerk \"" << opmerk << "\"";
    }
    const double sec =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
    std::printf("[ collectie ] %-26s %s %5d/%-5d solved (%5.1f%%), %3d complete but invalid, %6.2f s\n",
                naam.c_str(), uitproberen ? "trial   " : "no trial", u.opgelost, u.totaal,
                u.totaal ? 100.0 * u.opgelost / u.totaal : 0.0, u.ongeldig, sec);
    EXPECT_EQ(fouten, 0) << naam;
    return u;
}

TEST(Collecties, SmallCollectionsWhole) {
    losCollectieOp("easy50", 100, false);
    losCollectieOp("pe96", 100, false);
    losCollectieOp("top95", 100, false);
    losCollectieOp("hardest", 100, false);
}

TEST(Collecties, Top1465Whole) { losCollectieOp("top1465", 2000, false); }

TEST(Collecties, OtherCollectionsSampled) {
    losCollectieOp("sudoku_exchange_easy", 500, false);
    losCollectieOp("sudoku_exchange_medium", 500, false);
    losCollectieOp("unbiased", 1000, false);
    losCollectieOp("forum_hardest_1106", 400, false);
    losCollectieOp("sudoku_exchange_rated", 2000, false);
    losCollectieOp("royle17", 2000, false);
    losCollectieOp("forum_hardest_1905_11plus", 2000, false);
}

TEST(Collecties, WithTrialASolvedBoardIsTheSolution) {
    losCollectieOp("top95", 100, true);
    losCollectieOp("sudoku_exchange_rated", 500, true);
}

}  // namespace
}  // namespace sudoku::test
