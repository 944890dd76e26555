// What a report shows of real solves: a list in which every exclusion stands once, alone when
// it strikes something and folded with its neighbours when not, and no emptied table; small
// boards whose pencil marks hold every step a person makes on them, keep their strikes across
// a wiped table and give them back with an undone guess; a repair on the board of its
// contradiction; and proofs that say in words what struck a digit.
#include <gtest/gtest.h>

#include <optional>

#include "form/tip.h"
#include "support/testhulp.h"
#include "uitleg/teksten.h"
#include "uitleg/verslag_lijst.h"

namespace sudoku::test {
namespace {

void lijstKlopt(const Oplospad& pad) {
    const std::vector<LijstRegel> lijst = verslagLijst(pad);
    std::vector<int> gezien(pad.verloop().size(), 0);
    std::size_t stappen = 0;
    for (std::size_t i = 0; i < lijst.size(); ++i) {
        const LijstRegel& r = lijst[i];
        const Verloop& v = pad.verloop()[r.verloop];
        switch (r.soort) {
            case LijstRegel::Soort::Stap: {
                ASSERT_EQ(v.soort, Verloop::Soort::Gebeurtenis);
                const Gebeurtenis& g = pad.gebeurtenissen()[v.index];
                EXPECT_EQ(r.onderGok,
                          g.soort == Gebeurtenis::Soort::Stap &&
                              (g.reden.onderGok || g.reden.techniek == Techniek::Uitproberen));
                EXPECT_EQ(v.index, stappen++);
                ++gezien[r.verloop];
                break;
            }
            case LijstRegel::Soort::Uitsluiting:
                ASSERT_EQ(v.soort, Verloop::Soort::Uitsluiting);
                EXPECT_TRUE(pad.wegVan(static_cast<int>(v.index) + 1).any());
                ++gezien[r.verloop];
                break;
            case LijstRegel::Soort::Stil: {
                // Maximal runs: never two folded lines one after the other.
                EXPECT_TRUE(i == 0 || lijst[i - 1].soort != LijstRegel::Soort::Stil);
                const auto in = uitsluitingenIn(pad, r);
                EXPECT_EQ(static_cast<int>(in.size()), r.aantal);
                for (std::size_t k = r.verloop; k < r.tot; ++k) {
                    EXPECT_NE(pad.verloop()[k].soort, Verloop::Soort::Gebeurtenis);
                    if (pad.verloop()[k].soort != Verloop::Soort::Uitsluiting) continue;
                    EXPECT_TRUE(pad.wegVan(static_cast<int>(pad.verloop()[k].index) + 1).none());
                    ++gezien[k];
                }
                break;
            }
        }
    }
    EXPECT_EQ(stappen, pad.gebeurtenissen().size());
    for (std::size_t k = 0; k < gezien.size(); ++k)
        EXPECT_EQ(gezien[k], pad.verloop()[k].soort == Verloop::Soort::TabelGewist ? 0 : 1) << k;
}

// The pencil marks hold what a person does with them: the digit of each step outside a
// guess is still a candidate of its cell (a naked single its only one), an exclusion's
// struck digit is there until it is made, a wipe changes nothing and an undo goes back to the
// marks after the step it returns to.
void potloodKlopt(const Oplospad& pad, int& herstellen) {
    // The marks just before the next entry; unknown after a repair, which shows another board.
    std::optional<Kandidaten> voor = bordBeeld(pad, pad.verloop().size()).kandidaten;
    std::vector<std::optional<Kandidaten>> naStap{voor};
    for (std::size_t k = 0; k < pad.verloop().size(); ++k) {
        const Verloop& v = pad.verloop()[k];
        const BordBeeld b = bordBeeld(pad, k);
        std::optional<Kandidaten> na = b.kandidaten;
        if (v.soort != Verloop::Soort::Gebeurtenis && voor) {
            EXPECT_EQ(b.kandidaten, *voor) << k;
        }
        if (v.soort == Verloop::Soort::Uitsluiting) {
            EXPECT_TRUE(b.bewijs.any());
            for (std::size_t c = 0; c < 81; ++c)
                if (b.weg.test(c)) {
                    EXPECT_TRUE(b.kandidaten[c].test(static_cast<std::size_t>(b.cijfer - 1)));
                    (*na)[c].reset(static_cast<std::size_t>(b.cijfer - 1));
                }
        }
        if (v.soort == Verloop::Soort::Gebeurtenis) {
            const Gebeurtenis& g = pad.gebeurtenissen()[v.index];
            if (g.soort == Gebeurtenis::Soort::GokOngedaan) {
                ASSERT_LT(static_cast<std::size_t>(g.stap), naStap.size());
                if (const auto& daar = naStap[static_cast<std::size_t>(g.stap)]) {
                    EXPECT_EQ(b.kandidaten, *daar) << k;
                }
            } else if (const auto t = pad.tegenspraak(k)) {
                ++herstellen;
                EXPECT_EQ(b.bord, t->bord);
                EXPECT_EQ(b.blok, t->blok);
                EXPECT_EQ(b.cel, -1);
                EXPECT_TRUE(b.onderGok.any());
                EXPECT_TRUE(t->legeCellen.any() && (b.eenheid & ~t->legeCellen).none());
                for (std::size_t c = 0; c < 81; ++c) {
                    if (b.bewijs.test(c)) {
                        EXPECT_EQ(b.bord[c] - '0', t->cijfer);
                    }
                }
                na.reset();
            } else {
                const auto c = static_cast<std::size_t>(celNummer(g.rij, g.kol) - 1);
                EXPECT_EQ(b.cel, static_cast<int>(c));
                EXPECT_EQ(b.onderGok.test(c), g.reden.onderGok);
                if (voor && !g.reden.onderGok && niveauVan(g.reden.techniek) != Niveau::Gok) {
                    EXPECT_TRUE((*voor)[c].test(static_cast<std::size_t>(g.getal - '1')))
                        << pad.regel(v.index);
                    if (g.reden.bewijs.soort == Bewijs::Soort::Cel) {
                        EXPECT_EQ((*voor)[c].count(), 1u) << pad.regel(v.index);
                    }
                }
            }
            if (g.soort == Gebeurtenis::Soort::Stap) naStap.push_back(na);
        }
        voor = na;
    }
}

// No proof in words leaves a bare "(uitsluiting N)": each says what struck the digit.
void woordenKloppen(const Oplospad& pad) {
    for (const Gebeurtenis& g : pad.gebeurtenissen()) {
        if (g.soort != Gebeurtenis::Soort::Stap) continue;
        const std::string b =
            teksten::bewijsInWoorden(g.rij, g.kol, g.getal - '0', g.reden, pad.uitsluitingen());
        EXPECT_EQ(b.find("is weggestreept (uitsluiting"), std::string::npos) << b;
        if (b.find("uitsluiting") != std::string::npos) {
            EXPECT_NE(b.find("weggestreept door"), std::string::npos) << b;
        }
    }
}

}  // namespace

TEST(VerslagLijst, EveryExclusionOnceTheMarksAsAPersonKeepsThem) {
    const auto top95 = leesCollectie("top95");
    ASSERT_GE(top95.size(), 95u) << SUDOKU_PUZZELS;
    int herstellen = 0, stil = 0, streept = 0;
    for (std::size_t i = 0; i < top95.size(); i += 4)
        for (bool gok : {false, true}) {
            const TipUitkomst u = zoekTip(top95[i].opgave, gok, false);
            lijstKlopt(u.pad);
            potloodKlopt(u.pad, herstellen);
            woordenKloppen(u.pad);
            for (const LijstRegel& r : verslagLijst(u.pad)) {
                stil += r.soort == LijstRegel::Soort::Stil;
                streept += r.soort == LijstRegel::Soort::Uitsluiting;
            }
        }
    // Puzzles on which a guess fails and is repaired.
    const auto rated = leesCollectie("sudoku_exchange_rated");
    ASSERT_GE(rated.size(), 400u);
    for (std::size_t i = 0; i < 400; i += 8) {
        const TipUitkomst u = zoekTip(rated[i].opgave, true, false);
        lijstKlopt(u.pad);
        potloodKlopt(u.pad, herstellen);
    }
    EXPECT_GT(herstellen, 0);
    EXPECT_GT(stil, 0);
    EXPECT_GT(streept, 0);
}

TEST(VerslagLijst, TheLinesOfAnExclusionAndARun) {
    Uitsluiting u;
    u.soort = Uitsluiting::Soort::LijnInBlok;
    u.cijfer = 8;
    u.cellen.set(30).set(31).set(40);
    u.eenheid = Eenheid::rij(6);
    std::bitset<81> weg;
    weg.set(31);
    EXPECT_EQ(teksten::wegRegel(4, u, weg),
              "uitsluiting 4: 8 weggestreept in r4k5, opeisen, rij 6");
    EXPECT_EQ(teksten::wegRegel(4, u, {}),
              "uitsluiting 4: 8 was al weg in r4k4 r4k5 r5k5, opeisen, rij 6");
    EXPECT_EQ(teksten::stilRegel(1), "1 uitsluiting streept niets nieuws weg");
    EXPECT_EQ(teksten::stilRegel(3), "3 uitsluitingen strepen niets nieuws weg");
}

}  // namespace sudoku::test
