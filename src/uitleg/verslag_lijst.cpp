#include "uitleg/verslag_lijst.h"

namespace sudoku {

namespace {

bool isCijfer(char c) { return c >= '1' && c <= '9'; }

// The marks of a person on `bord` who struck `weg`: what the placed digits and the strikes
// leave each empty cell.
Kandidaten potloodOp(const std::string& bord, const Uitgesloten& weg) {
    std::array<unsigned, 27> in{};  // the digits of the rows, the columns and the blocks
    const auto eenheden = [](int c) {
        return std::array<int, 3>{c / 9, 9 + c % 9, 18 + c / 27 * 3 + c % 9 / 3};
    };
    for (int c = 0; c < 81; ++c)
        if (isCijfer(bord[static_cast<std::size_t>(c)]))
            for (int e : eenheden(c))
                in[static_cast<std::size_t>(e)] |= 1u << (bord[static_cast<std::size_t>(c)] - '1');
    Kandidaten k{};
    for (int c = 0; c < 81; ++c) {
        const auto i = static_cast<std::size_t>(c);
        if (isCijfer(bord[i])) continue;
        unsigned zien = 0;
        for (int e : eenheden(c)) zien |= in[static_cast<std::size_t>(e)];
        for (std::size_t d = 0; d < 9; ++d) k[i][d] = !(zien >> d & 1u) && !weg[d].test(i);
    }
    return k;
}

bool gokkend(const Gebeurtenis& g) {
    return g.soort == Gebeurtenis::Soort::Stap &&
           (g.reden.techniek == Techniek::Uitproberen || g.reden.onderGok);
}

// The cells whose number the first `n` events placed by a guess still in force or under it:
// a step made without one, or the undo, ends it.
std::bitset<81> onderGokNa(const Oplospad& pad, std::size_t n) {
    std::bitset<81> s;
    for (std::size_t j = 0; j < n && j < pad.gebeurtenissen().size(); ++j) {
        const Gebeurtenis& g = pad.gebeurtenissen()[j];
        if (!gokkend(g))
            s.reset();
        else if (g.rij >= 1 && g.rij <= 9 && g.kol >= 1 && g.kol <= 9)
            s.set(static_cast<std::size_t>(celNummer(g.rij, g.kol) - 1));
    }
    return s;
}

}  // namespace

std::vector<LijstRegel> verslagLijst(const Oplospad& pad) {
    std::vector<LijstRegel> lijst;
    bool stilOpen = false;  // the last line is a run that an exclusion striking nothing extends
    for (std::size_t k = 0; k < pad.verloop().size(); ++k) {
        const Verloop& v = pad.verloop()[k];
        switch (v.soort) {
            case Verloop::Soort::Gebeurtenis:
                lijst.push_back(
                    {LijstRegel::Soort::Stap, k, k + 1, 0, gokkend(pad.gebeurtenissen()[v.index])});
                stilOpen = false;
                break;
            case Verloop::Soort::Uitsluiting:
                if (pad.wegVan(static_cast<int>(v.index) + 1).any()) {
                    lijst.push_back({LijstRegel::Soort::Uitsluiting, k, k + 1, 0, false});
                    stilOpen = false;
                } else if (stilOpen) {
                    lijst.back().tot = k + 1;
                    ++lijst.back().aantal;
                } else {
                    lijst.push_back({LijstRegel::Soort::Stil, k, k + 1, 1, false});
                    stilOpen = true;
                }
                break;
            case Verloop::Soort::TabelGewist:
                // The program's bookkeeping: a person's marks stay as they were.
                if (stilOpen) lijst.back().tot = k + 1;
                break;
        }
    }
    return lijst;
}

std::vector<std::size_t> uitsluitingenIn(const Oplospad& pad, const LijstRegel& r) {
    std::vector<std::size_t> k;
    for (std::size_t j = r.verloop; j < r.tot && j < pad.verloop().size(); ++j)
        if (pad.verloop()[j].soort == Verloop::Soort::Uitsluiting) k.push_back(j);
    return k;
}

BordBeeld bordBeeld(const Oplospad& pad, std::size_t k) {
    BordBeeld b;
    const std::vector<Verloop>& verloop = pad.verloop();
    if (k >= verloop.size()) {
        b.bord = pad.beginBord();
        b.kandidaten = potloodOp(b.bord, Uitgesloten{});
        return b;
    }
    const Verloop& v = verloop[k];
    std::size_t strepenVoor = k + 1;                    // the marks once the entry is made
    std::size_t gebeurtenissen = v.gebeurtenissenVoor;  // the events up to the board shown
    if (v.soort == Verloop::Soort::Uitsluiting) {
        const Uitsluiting& u = pad.uitsluitingen()[v.index];
        b.bord = pad.bordVoor(k);
        b.eenheid = u.eenheid.cellen();
        b.bewijs = u.oorzaak;
        b.weg = pad.wegVan(static_cast<int>(v.index) + 1);
        b.cijfer = u.cijfer;
        strepenVoor = k;  // with the digit it strikes, drawn struck
    } else if (v.soort == Verloop::Soort::TabelGewist) {
        b.bord = pad.bordVoor(k);
    } else {
        const Gebeurtenis& g = pad.gebeurtenissen()[v.index];
        b.bord = pad.bordNa(v.index);
        gebeurtenissen = v.index + 1;
        if (const auto t = pad.tegenspraak(k)) {
            b.bord = t->bord;
            b.eenheid = t->legeCellen;
            b.bewijs = t->zienCellen;
            b.blok = t->blok;
            // As it all stood just before the undo that precedes the repair.
            std::size_t j = k;
            while (j > 0 && !(verloop[j - 1].soort == Verloop::Soort::Gebeurtenis &&
                              pad.gebeurtenissen()[verloop[j - 1].index].soort ==
                                  Gebeurtenis::Soort::GokOngedaan))
                --j;
            if (j > 0) {
                strepenVoor = j - 1;
                gebeurtenissen = verloop[j - 1].index;
            }
        } else if (g.soort == Gebeurtenis::Soort::Stap && g.rij >= 1 && g.rij <= 9 && g.kol >= 1 &&
                   g.kol <= 9) {
            b.cel = celNummer(g.rij, g.kol) - 1;
            b.eenheid = g.reden.eenheid.cellen();
            b.bewijs = bewijsMarken(pad, k);
        }
    }
    b.onderGok = onderGokNa(pad, gebeurtenissen);
    for (std::size_t c = 0; c < 81; ++c)
        if (!isCijfer(b.bord[c])) b.onderGok.reset(c);
    b.kandidaten = potloodOp(b.bord, pad.weggestreeptVoor(strepenVoor));
    return b;
}

std::bitset<81> bewijsMarken(const Oplospad& pad, std::size_t k) {
    std::bitset<81> b;
    if (k >= pad.verloop().size()) return b;
    const Verloop& v = pad.verloop()[k];
    if (v.soort == Verloop::Soort::Uitsluiting) return pad.uitsluitingen()[v.index].oorzaak;
    if (v.soort != Verloop::Soort::Gebeurtenis) return b;
    const Gebeurtenis& g = pad.gebeurtenissen()[v.index];
    if (g.soort != Gebeurtenis::Soort::Stap) return b;
    const Bewijs& bw = g.reden.bewijs;
    const auto zet = [&b](int cel) {
        if (cel >= 1 && cel <= 81) b.set(static_cast<std::size_t>(cel - 1));
    };
    if (bw.soort == Bewijs::Soort::Band) zet(bw.band[0]), zet(bw.band[1]);
    for (std::size_t i = 0; i < bw.aantal; ++i) {
        const Grond& gr = bw.gronden[i];
        zet(gr.door);
        const auto n = static_cast<std::size_t>(gr.uitsluiting);
        if (gr.door == 0 && n >= 1 && n <= pad.uitsluitingen().size())
            b |= pad.uitsluitingen()[n - 1].oorzaak;
    }
    return b;
}

}  // namespace sudoku
