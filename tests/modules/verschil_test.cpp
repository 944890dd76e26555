// Each look-up and module of the form against its step-by-step transcription, call by
// call, on seeded states: random boards (duplicates included, as a failed guess can
// leave) and puzzles of the public collections with part of their solution filled in.
// After every call all fields that a later step can read, and everything the call did
// to the controls, must agree.
#include <gtest/gtest.h>

#include <random>

#include "referentie/referentie.h"
#include "referentie/verschil.h"
#include "support/testhulp.h"

namespace sudoku::referentie {
namespace {

struct Tweeling {
    LogControls uiSnel, uiRef;
    SudokuForm snel{uiSnel};
    ReferentieForm ref{uiRef};

    void zet(const std::string& bord, std::uint64_t zaad) {
        zetToestand(snel, bord, zaad);
        zetToestand(ref, bord, zaad);
        const int module = static_cast<int>(zaad % 3 == 0);
        uiSnel.zetVink(Vink::Module, module);
        uiRef.zetVink(Vink::Module, module);
        uiSnel.log.clear();
        uiRef.log.clear();
    }
    // Both forms, the same call.
    template <class F>
    void beide(F&& f) {
        f(snel);
        f(ref);
    }
    void vergelijk(const std::string& wat) {
        EXPECT_EQ(verschillen(snel, ref), "") << wat;
        EXPECT_EQ(uiSnel.log, uiRef.log) << wat;
    }
};

std::vector<std::string> borden() {
    std::vector<std::string> uit;
    for (std::uint64_t z = 1; z <= 40; ++z)
        uit.push_back(willekeurigBord(z, static_cast<int>(20 + z * 2)));
    std::uint64_t z = 100;
    for (const char* naam : {"easy50", "top95", "royle17", "hardest"}) {
        const auto puzzels = test::leesCollectie(naam);
        for (std::size_t i = 0; i < puzzels.size() && i < 400; i += 40)
            for (int k = 0; k < 3; ++k)
                uit.push_back(half(puzzels[i].opgave, puzzels[i].oplossing, ++z));
    }
    return uit;
}

TEST(Verschil, LookUpsAgreeWithTheStepByStepWalk) {
    Tweeling t;
    std::mt19937_64 g(7);
    std::uint64_t zaad = 0;
    for (const std::string& bord : borden()) {
        t.zet(bord, ++zaad);
        for (int i = 0; i < 60; ++i) {
            const std::string getal(1, static_cast<char>('1' + g() % 9));
            const bool richting = g() % 2;
            const int a = 1 + static_cast<int>(g() % 9), b = 1 + static_cast<int>(g() % 9);
            Integer hitS = -1, hitR = -1;
            t.snel.ZoekInLijn(getal, richting, a, t.snel.GEV, hitS);
            t.ref.ZoekInLijn(getal, richting, a, t.ref.GEV, hitR);
            ASSERT_EQ(t.snel.GEV, t.ref.GEV);
            ASSERT_EQ(hitS, hitR);
            // Called on its own, the look-up also leaves its walk counter and hit flag.
            ASSERT_EQ(t.snel.pos, t.ref.pos);
            ASSERT_EQ(t.snel.gelijkaan, t.ref.gelijkaan);
            t.snel.ZoekInBlok(getal, richting, a, b, t.snel.GEV);
            t.ref.ZoekInBlok(getal, richting, a, b, t.ref.GEV);
            ASSERT_EQ(t.snel.GEV, t.ref.GEV) << bord << ' ' << getal << richting << a << b;
            t.snel.ZoekInUitzTabel(getal, a, b, t.snel.GEV);
            t.ref.ZoekInUitzTabel(getal, a, b, t.ref.GEV);
            ASSERT_EQ(t.snel.GEV, t.ref.GEV);
        }
    }
}

TEST(Verschil, CellModuleAndCandidateStrings) {
    Tweeling t;
    std::uint64_t zaad = 1000;
    for (const std::string& bord : borden()) {
        ++zaad;
        for (int cel = 0; cel < 81; ++cel) {
            t.zet(bord, zaad);
            t.beide([&](auto& f) {
                f.rij = static_cast<Integer>(cel / 9 + 1);
                f.kol = static_cast<Integer>(cel % 9 + 1);
                f.ModuleCel(f.rij, f.kol);
            });
            t.vergelijk("ModuleCel " + bord + " cel " + std::to_string(cel));
            t.beide([&](auto& f) {
                f.rij = static_cast<Integer>(cel / 9 + 1);
                f.kol = static_cast<Integer>(cel % 9 + 1);
                f.BepaalCelKandidaten(f.rij, f.kol);
            });
            t.vergelijk("BepaalCelKandidaten " + bord + " cel " + std::to_string(cel));
            if (::testing::Test::HasFailure()) return;
        }
    }
}

TEST(Verschil, LineBlockAndBlockLineModules) {
    Tweeling t;
    std::uint64_t zaad = 5000;
    for (const std::string& bord : borden()) {
        ++zaad;
        for (int i = 1; i <= 9; ++i) {
            for (bool richting : {true, false}) {
                t.zet(bord, zaad);
                t.beide([&](auto& f) {
                    f.HORIZON = richting;
                    (richting ? f.rij : f.kol) = static_cast<Integer>(i);
                    f.ModuleLijnen(f.HORIZON, f.rij, f.kol);
                });
                t.vergelijk("ModuleLijnen " + bord + " " + std::to_string(i) +
                            (richting ? "H" : "V"));
            }
            t.zet(bord, zaad);
            t.beide([&](auto& f) {
                f.rij = static_cast<Integer>((i - 1) / 3 * 3 + 1);
                f.kol = static_cast<Integer>((i - 1) % 3 * 3 + 1);
                f.ModuleBlokken(f.rij, f.kol);
            });
            t.vergelijk("ModuleBlokken " + bord + " " + std::to_string(i));
            for (int band = 1; band <= 7; band += 3) {
                for (bool richting : {true, false}) {
                    t.zet(bord, zaad);
                    t.beide([&](auto& f) {
                        f.GEVBLOKL = false;
                        f.MOG = std::to_string(i);
                        f.HORIZON = richting;
                        (richting ? f.rij : f.kol) = static_cast<Integer>(band);
                        f.ModuleBlokLijnen(f.GEVBLOKL, f.MOG, f.rij, f.kol, f.HORIZON);
                    });
                    t.vergelijk("ModuleBlokLijnen " + bord);
                }
            }
            if (::testing::Test::HasFailure()) return;
        }
        t.zet(bord, zaad);
        t.beide([&](auto& f) { f.ModuleUitproberen(); });
        t.vergelijk("ModuleUitproberen " + bord);
    }
}

// The naked-set modules on candidate strings as the driver builds them, with some
// strings of two or three candidates sown in so that pairs and triples turn up.
TEST(Verschil, NakedSetModules) {
    Tweeling t;
    std::uint64_t zaad = 9000;
    const char* gezaaid[] = {"12", "13", "23", "123", "45", "46", "56", "456", "1234", "79"};
    for (const std::string& bord : borden()) {
        ++zaad;
        for (int module = 0; module < 3; ++module) {
            t.zet(bord, zaad);
            std::mt19937_64 g(zaad);
            for (int cel = 0; cel < 81; ++cel) {
                t.ref.rij = static_cast<Integer>(cel / 9 + 1);
                t.ref.kol = static_cast<Integer>(cel % 9 + 1);
                t.ref.BepaalCelKandidaten(t.ref.rij, t.ref.kol);
                if (g() % 4 == 0 && t.ref.veld(cel / 9 + 1, cel % 9 + 1) == " ")
                    t.ref.kandidaten(cel / 9 + 1, cel % 9 + 1) = gezaaid[g() % 10];
            }
            t.snel.kandidaten = t.ref.kandidaten;
            t.snel.rij = t.ref.rij;
            t.snel.kol = t.ref.kol;
            t.beide([&](auto& f) {
                if (module == 0) f.ModuleNakedPair();
                if (module == 1) f.ModuleNakedTriple();
                if (module == 2) f.ModuleNakedTriple3Pairs();
            });
            t.vergelijk("naked module " + std::to_string(module) + " " + bord);
            if (::testing::Test::HasFailure()) return;
        }
    }
}

}  // namespace
}  // namespace sudoku::referentie
