// Why each step holds, as one sentence in a person's words. A cell is written one way, r3k7;
// where a proof rests on a struck candidate, the sentence says what struck it.
#include <array>
#include <string>

#include "uitleg/teksten.h"
#include "uitleg/zinsdelen.h"

namespace sudoku::teksten {

namespace {

using namespace zinsdeel;

// Where the proof's items of one kind start a group: the same holding cell, or the same
// exclusion. groep[i] is the first item of item i's group.
struct Groepen {
    std::array<int, 8> eerste{};  // the first item of each group
    int aantal = 0;
    std::array<int, 8> groep{};
};
template <class Zelfde>
Groepen groepeer(int n, Zelfde&& zelfde) {
    Groepen g;
    for (int i = 0; i < n; ++i) {
        int j = 0;
        while (j < g.aantal && !zelfde(g.eerste[static_cast<std::size_t>(j)], i)) ++j;
        if (j == g.aantal) g.eerste[static_cast<std::size_t>(g.aantal++)] = i;
        g.groep[static_cast<std::size_t>(i)] = g.eerste[static_cast<std::size_t>(j)];
    }
    return g;
}
Groepen groepeer(const Bewijs& b) {
    return groepeer(b.aantal, [&](int a, int i) {
        const Grond& x = b.gronden[static_cast<std::size_t>(a)];
        const Grond& y = b.gronden[static_cast<std::size_t>(i)];
        return x.door == y.door && x.uitsluiting == y.uitsluiting;
    });
}

// Why the digit cannot go to the other empty cells of a unit: "kolom 5 heeft al een 7 (r4k5)",
// the next such "kolom 8 ook (r9k8)", or "in r1k6 is de 7 weggestreept door ... (uitsluiting 3)".
void redenenIn(std::string& s, const Eenheid& e, int d, const Bewijs& b,
               std::span<const Uitsluiting> alle) {
    const Groepen g = groepeer(b);
    bool eerderHeeft = false;
    opsom(s, g.aantal, [&](int gi) {
        const int eerste = g.eerste[static_cast<std::size_t>(gi)];
        const Grond& gr = b.gronden[static_cast<std::size_t>(eerste)];
        std::bitset<81> groep;
        for (int i = eerste; i < b.aantal; ++i)
            if (g.groep[static_cast<std::size_t>(i)] == eerste)
                groep.set(static_cast<std::size_t>(b.gronden[static_cast<std::size_t>(i)].cel - 1));
        if (gr.door == 0) {
            s += "in ";
            cellen(s, groep);
            woordGetal(s, " is de ", d);
            s += ' ';
            weggestreeptDoor(s, gr.uitsluiting, alle, true);
            eerderHeeft = false;
            return;
        }
        // The line or block the holding cell shares with every cell it rules out.
        const int w = gr.door;
        bool zelfdeRij = true, zelfdeKol = true;
        for (int c = 1; c <= 81; ++c)
            if (groep.test(static_cast<std::size_t>(c - 1))) {
                zelfdeRij = zelfdeRij && rijVan(c) == rijVan(w);
                zelfdeKol = zelfdeKol && kolVan(c) == kolVan(w);
            }
        if (zelfdeKol && e.soort != Eenheid::Soort::Kolom)
            woordGetal(s, "kolom ", kolVan(w));
        else if (zelfdeRij && e.soort != Eenheid::Soort::Rij)
            woordGetal(s, "rij ", rijVan(w));
        else
            woordGetal(s, "blok ", Eenheid::blokNummer(rijVan(w), kolVan(w)));
        if (eerderHeeft)
            s += " ook (";
        else
            woordGetal(s, " heeft al een ", d), s += " (";
        cel(s, w);
        s += ')';
        eerderHeeft = true;
    });
}

void celZin(std::string& s, int rij, int kol, int getalWaarde, const Bewijs& b,
            std::span<const Uitsluiting> alle) {
    // The other digits by the unit whose cell holds them (row, column, block), then the struck
    // ones, grouped by what struck them: the pair of a naked pair strikes each of its digits
    // by an exclusion of its own.
    std::array<int, 8> inRij{}, inKol{}, inBlok{};
    int nRij = 0, nKol = 0, nBlok = 0;
    std::array<std::string, 8> door{};
    for (int i = 0; i < b.aantal; ++i) {
        const Grond& g = b.gronden[static_cast<std::size_t>(i)];
        if (g.door == 0) {
            if (g.uitsluiting >= 1 && static_cast<std::size_t>(g.uitsluiting) <= alle.size())
                doorWie(door[static_cast<std::size_t>(i)],
                        alle[static_cast<std::size_t>(g.uitsluiting - 1)]);
        } else if (rijVan(g.door) == rij) {
            inRij[static_cast<std::size_t>(nRij++)] = g.cijfer;
        } else if (kolVan(g.door) == kol) {
            inKol[static_cast<std::size_t>(nKol++)] = g.cijfer;
        } else {
            inBlok[static_cast<std::size_t>(nBlok++)] = g.cijfer;
        }
    }
    const Groepen uit = groepeer(b.aantal, [&](int a, int i) {
        return b.gronden[static_cast<std::size_t>(a)].door == 0 &&
               b.gronden[static_cast<std::size_t>(i)].door == 0 &&
               door[static_cast<std::size_t>(a)] == door[static_cast<std::size_t>(i)];
    });
    std::array<int, 8> uitGroep{};
    int nUit = 0;
    for (int gi = 0; gi < uit.aantal; ++gi) {
        const int e = uit.eerste[static_cast<std::size_t>(gi)];
        if (b.gronden[static_cast<std::size_t>(e)].door == 0)
            uitGroep[static_cast<std::size_t>(nUit++)] = e;
    }
    s += "in ";
    cel(s, celNummer(rij, kol));
    woordGetal(s, " past alleen de ", getalWaarde);
    s += ", want ";
    struct Deel {
        const char* wie;
        int nummer;
        const std::array<int, 8>* cijfers;
        int n;
    };
    std::array<Deel, 3> delen{};
    int nDelen = 0;
    if (nRij > 0) delen[static_cast<std::size_t>(nDelen++)] = {"rij ", rij, &inRij, nRij};
    if (nKol > 0) delen[static_cast<std::size_t>(nDelen++)] = {"kolom ", kol, &inKol, nKol};
    if (nBlok > 0)
        delen[static_cast<std::size_t>(nDelen++)] = {"blok ", Eenheid::blokNummer(rij, kol),
                                                     &inBlok, nBlok};
    opsom(s, nDelen + nUit, [&](int i) {
        if (i < nDelen) {
            const Deel& d = delen[static_cast<std::size_t>(i)];
            woordGetal(s, d.wie, d.nummer);
            s += i == 0 ? " heeft al " : " heeft ";
            opsom(s, d.n, [&](int j) { getal(s, (*d.cijfers)[static_cast<std::size_t>(j)]); });
            return;
        }
        // "de 8 en de 9 zijn er weggestreept door het naakte paar 8 en 9 in rij 1 (uitsluiting 1
        // en 2)"
        const int e = uitGroep[static_cast<std::size_t>(i - nDelen)];
        std::array<int, 8> leden{};
        int n = 0;
        for (int j = e; j < b.aantal; ++j)
            if (uit.groep[static_cast<std::size_t>(j)] == e)
                leden[static_cast<std::size_t>(n++)] = j;
        opsom(s, n, [&](int m) {
            woordGetal(
                s, "de ",
                b.gronden[static_cast<std::size_t>(leden[static_cast<std::size_t>(m)])].cijfer);
        });
        s += n > 1 ? " zijn er " : " is er ";
        const int eersteNummer = b.gronden[static_cast<std::size_t>(e)].uitsluiting;
        s += "weggestreept";
        if (eersteNummer < 1 || static_cast<std::size_t>(eersteNummer) > alle.size()) return;
        s += " door ";
        doorWie(s, alle[static_cast<std::size_t>(eersteNummer - 1)]);
        s += " (uitsluiting ";
        opsom(s, n, [&](int m) {
            getal(s, b.gronden[static_cast<std::size_t>(leden[static_cast<std::size_t>(m)])]
                         .uitsluiting);
        });
        s += ')';
    });
    s += '.';
}

// "in blok 9 kan de 4 nergens meer, want rij 7 heeft al een 4 (r7k2) en kolom 7 ook (r4k7)"
void tegenspraakZin(std::string& s, const Bewijs& b, std::span<const Uitsluiting> alle) {
    woordGetal(s, "in blok ", b.tegenspraakBlok);
    woordGetal(s, " kan de ", b.tegenspraakCijfer);
    if (b.aantal == 0) {
        s += " nergens meer, want het blok is vol";
        return;
    }
    s += " nergens meer, want ";
    const int bl = b.tegenspraakBlok;
    redenenIn(s, {Eenheid::Soort::Blok, bl, 0}, b.tegenspraakCijfer, b, alle);
}

}  // namespace

std::string stapWaarom(int rij, int kol, int getalWaarde, const Reden& reden,
                       std::span<const Uitsluiting> alle) {
    const Bewijs& b = reden.bewijs;
    std::string s;
    if (b.soort == Bewijs::Soort::Geen) return s;
    s.reserve(220);
    naam(s, mensNaamVan(reden.techniek));
    const int c = celNummer(rij, kol);
    switch (b.soort) {
        case Bewijs::Soort::Eenheid:
            s += "in ";
            s += eenheidTekst(reden.eenheid);
            if (b.enigeLegeVak) {
                s += " is ";
                cel(s, c);
                woordGetal(s, " het enige lege vak, dus daar komt de ", getalWaarde);
            } else {
                woordGetal(s, " kan de ", getalWaarde);
                s += " alleen in ";
                cel(s, c);
                s += ", want ";
                redenenIn(s, reden.eenheid, getalWaarde, b, alle);
            }
            s += '.';
            break;
        case Bewijs::Soort::Cel: celZin(s, rij, kol, getalWaarde, b, alle); break;
        case Bewijs::Soort::Band: {
            const bool langsRij = reden.eenheid.soort == Eenheid::Soort::Band;
            auto lijn = [&](int x) {
                if (langsRij)
                    woordGetal(s, "rij ", rijVan(x));
                else
                    woordGetal(s, "kolom ", kolVan(x));
            };
            auto blok = [&](int x) {
                woordGetal(s, "blok ", Eenheid::blokNummer(rijVan(x), kolVan(x)));
            };
            woordGetal(s, "in blok ", reden.eenheid.blok);
            woordGetal(s, " moet de ", getalWaarde);
            s += " in ";
            lijn(c);
            s += ", want ";
            lijn(b.band[0]);
            s += " en ";
            lijn(b.band[1]);
            woordGetal(s, " hebben hun ", getalWaarde);
            s += " al in ";
            blok(b.band[0]);
            s += " en ";
            blok(b.band[1]);
            s += " (";
            cel(s, b.band[0]);
            s += " en ";
            cel(s, b.band[1]);
            s += "); in ";
            lijn(c);
            woordGetal(s, " van blok ", reden.eenheid.blok);
            if (b.enigeLegeVak) {
                s += " is ";
                cel(s, c);
                s += " het enige lege vak";
            } else {
                woordGetal(s, " kan de ", getalWaarde);
                s += " alleen in ";
                cel(s, c);
                if (b.aantal > 0) {
                    s += ", want ";
                    redenenIn(s, langsRij ? Eenheid::rij(rij) : Eenheid::kolom(kol), getalWaarde, b,
                              alle);
                }
            }
            s += '.';
            break;
        }
        case Bewijs::Soort::Gok:
            s += b.ladderLeeg ? "geen techniek van de ladder vindt nog een getal. "
                              : "de technieken komen al rondes lang te weinig verder. ";
            woordGetal(s, "Blok ", reden.eenheid.nummer);
            woordGetal(s, " heeft nog twee lege vakken en mist de ", b.opties[0]);
            woordGetal(s, " en de ", b.opties[1]);
            s += ", dus ";
            cel(s, c);
            woordGetal(s, " kan alleen de ", b.opties[0]);
            woordGetal(s, " of de ", b.opties[1]);
            woordGetal(s, " zijn; de ", b.opties[0]);
            s += " wordt geprobeerd.";
            break;
        case Bewijs::Soort::Herstel:
            if (b.tegenspraakBlok != 0) {
                tegenspraakZin(s, b, alle);
                woordGetal(s, "; de gok van stap ", b.gokStap);
                s += " was dus fout, en in ";
            } else {
                woordGetal(s, "de gok van stap ", b.gokStap);
                s += " liep vast, dus komt in ";
            }
            cel(s, c);
            woordGetal(
                s, b.tegenspraakBlok != 0 ? " komt de andere optie, de " : " de andere optie, de ",
                getalWaarde);
            s += '.';
            break;
        case Bewijs::Soort::Geen: break;
    }
    return s;
}

}  // namespace sudoku::teksten
