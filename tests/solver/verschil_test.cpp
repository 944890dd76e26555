// Whole solves against the step-by-step driver and modules: every placement, status
// text, message and colour, in order, and the fields left at the end, with and
// without trial and with the module display.
#include <gtest/gtest.h>

#include <sstream>

#include "referentie/referentie.h"
#include "referentie/verschil.h"
#include "support/testhulp.h"

namespace sudoku::referentie {
namespace {

void losBeideOp(const std::string& bord, bool uitproberen, bool modules, bool tussenstap = false) {
    LogControls uiSnel, uiRef;
    SudokuForm snel(uiSnel);
    ReferentieForm ref(uiRef);
    for (SudokuForm* f : {static_cast<SudokuForm*>(&snel), static_cast<SudokuForm*>(&ref)}) {
        std::string tekst;
        for (int r = 0; r < 9; ++r) {
            for (int k = 0; k < 9; ++k) {
                const char c = bord[r * 9 + k];
                tekst += c >= '1' && c <= '9' ? c : ' ';
            }
            tekst += '\n';
        }
        std::istringstream bron(tekst);
        f->Form_LoadUit(bron);
        auto& ui = static_cast<LogControls&>(f->controls());
        ui.zetVink(Vink::Uitproberen, uitproberen);
        ui.zetVink(Vink::Module, modules);
        ui.zetVink(Vink::Tussenstap, tussenstap);
        ui.log.clear();
    }
    snel.StartCommand_Click();
    ref.StartCommand_Click();
    ASSERT_EQ(uiSnel.log, uiRef.log) << bord << " trial " << uitproberen << " modules " << modules;
    ASSERT_EQ(verschillen(snel, ref), "") << bord;
}

std::vector<std::string> puzzels() {
    std::vector<std::string> uit;
    auto neem = [&](const char* naam, std::size_t stap) {
        const auto p = test::leesCollectie(naam);
        for (std::size_t i = 0; i < p.size(); i += stap) uit.push_back(p[i].opgave);
    };
    neem("easy50", 2);
    neem("top95", 3);
    neem("hardest", 1);
    neem("royle17", 400);
    neem("forum_hardest_1106", 60);
    neem("sudoku_exchange_medium", 200);
    return uit;
}

TEST(VerschilOplossen, CollectionsWithAndWithoutTrial) {
    for (const std::string& p : puzzels()) {
        losBeideOp(p, false, false);
        losBeideOp(p, true, false);
        if (::testing::Test::HasFatalFailure()) return;
    }
}

TEST(VerschilOplossen, CollectionsWithTheModuleDisplay) {
    std::size_t i = 0;
    for (const std::string& p : puzzels()) {
        ++i;
        losBeideOp(p, i % 2 == 0, true, i % 5 == 0);
        if (::testing::Test::HasFatalFailure()) return;
    }
}

TEST(VerschilOplossen, RandomAndHalfFilledBoards) {
    const auto royle = test::leesCollectie("royle17");
    for (std::uint64_t z = 1; z <= 60; ++z) {
        losBeideOp(willekeurigBord(z, static_cast<int>(z % 40)), z % 2 == 0, z % 3 == 0);
        if (!royle.empty()) {
            const auto& p = royle[(z * 797) % royle.size()];
            losBeideOp(half(p.opgave, p.oplossing, z), z % 2 == 1, z % 4 == 0);
        }
        if (::testing::Test::HasFatalFailure()) return;
    }
    // Full boards, solved and with a digit twice, are judged before any pass.
    std::string dubbel = test::OPGELOST_BORD;
    std::swap(dubbel[0], dubbel[1]);
    for (const std::string& vol : {std::string(test::OPGELOST_BORD), dubbel})
        for (int modules : {0, 1}) losBeideOp(vol, true, modules == 1);
}

}  // namespace
}  // namespace sudoku::referentie
