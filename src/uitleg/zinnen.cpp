// Why each step and each exclusion holds, as one sentence in a person's words.
#include <array>
#include <string>

#include "board/waarden.h"
#include "uitleg/teksten.h"

namespace sudoku::teksten {

namespace {

// The sentences append to one string: a batch with explanations writes a great many of them.
int rijVan(int cel) { return (cel - 1) / 9 + 1; }
int kolVan(int cel) { return (cel - 1) % 9 + 1; }
void getal(std::string& s, int n) {
    if (n >= 0 && n <= 9)
        s += static_cast<char>('0' + n);
    else
        s += getalTekst(n);
}
void woordGetal(std::string& s, const char* woord, int n) {
    s += woord;
    getal(s, n);
}
void rijKol(std::string& s, int cel) {
    woordGetal(s, "rij ", rijVan(cel));
    woordGetal(s, ", kolom ", kolVan(cel));
}
void naam(std::string& s, Techniek t) {
    const std::size_t begin = s.size();
    s += mensNaamVan(t);
    if (s.size() > begin && s[begin] >= 'a' && s[begin] <= 'z')
        s[begin] = static_cast<char>(s[begin] - 'a' + 'A');
    s += ": ";
}
// "a", "a en b", "a, b en c": item(i) appends the i-th of n.
template <class Item>
void opsom(std::string& s, int n, Item&& item) {
    for (int i = 0; i < n; ++i) {
        if (i > 0) s += i + 1 == n ? " en " : ", ";
        item(i);
    }
}
// Where a cell lies within a unit: its column in a row, its row in a column, both in a block.
void plekIn(std::string& s, const Eenheid& e, int cel) {
    if (e.soort == Eenheid::Soort::Rij)
        woordGetal(s, "kolom ", kolVan(cel));
    else if (e.soort == Eenheid::Soort::Kolom)
        woordGetal(s, "rij ", rijVan(cel));
    else
        rijKol(s, cel);
}

// The proof's items grouped by what rules the digit out: the same holding cell, or the same
// exclusion. groep[i] is the first item of item i's group.
struct Groepen {
    std::array<int, 8> eerste{};  // the first item of each group
    int aantal = 0;
    std::array<int, 8> groep{};
};
Groepen groepeer(const Bewijs& b, bool (*zelfde)(const Grond&, const Grond&)) {
    Groepen g;
    for (int i = 0; i < b.aantal; ++i) {
        int j = 0;
        while (j < g.aantal && !zelfde(b.gronden[static_cast<std::size_t>(g.eerste[j])],
                                       b.gronden[static_cast<std::size_t>(i)]))
            ++j;
        if (j == g.aantal) g.eerste[static_cast<std::size_t>(g.aantal++)] = i;
        g.groep[static_cast<std::size_t>(i)] = g.eerste[static_cast<std::size_t>(j)];
    }
    return g;
}
bool zelfdeOorzaak(const Grond& a, const Grond& b) {
    return a.door == b.door && a.uitsluiting == b.uitsluiting;
}

// Why the digit cannot go to the other empty cells of a unit: "kolom 5 heeft al een 7 (rij
// 4)", the next such "kolom 8 ook (rij 9)", or "in kolom 6 valt de 7 af (uitsluiting 3)".
void redenenIn(std::string& s, const Eenheid& e, int d, const Bewijs& b) {
    const Groepen g = groepeer(b, zelfdeOorzaak);
    bool eerderHeeft = false;
    opsom(s, g.aantal, [&](int gi) {
        const int eerste = g.eerste[static_cast<std::size_t>(gi)];
        const Grond& gr = b.gronden[static_cast<std::size_t>(eerste)];
        auto cellen = [&](auto&& elk) {
            for (int i = eerste; i < b.aantal; ++i)
                if (g.groep[static_cast<std::size_t>(i)] == eerste)
                    elk(b.gronden[static_cast<std::size_t>(i)].cel);
        };
        if (gr.door == 0) {
            int n = 0;
            cellen([&](int) { ++n; });
            s += "in ";
            int i = 0;
            cellen([&](int c) {
                if (i > 0) s += i + 1 == n ? " en " : ", ";
                ++i;
                plekIn(s, e, c);
            });
            woordGetal(s, " valt de ", d);
            woordGetal(s, " af (uitsluiting ", gr.uitsluiting);
            s += ')';
            eerderHeeft = false;
            return;
        }
        // The line or block the holding cell shares with every cell it rules out.
        const int w = gr.door;
        bool zelfdeRij = true, zelfdeKol = true;
        cellen([&](int c) {
            zelfdeRij = zelfdeRij && rijVan(c) == rijVan(w);
            zelfdeKol = zelfdeKol && kolVan(c) == kolVan(w);
        });
        const bool kolom = zelfdeKol && e.soort != Eenheid::Soort::Kolom;
        const bool rij = !kolom && zelfdeRij && e.soort != Eenheid::Soort::Rij;
        if (kolom)
            woordGetal(s, "kolom ", kolVan(w));
        else if (rij)
            woordGetal(s, "rij ", rijVan(w));
        else
            woordGetal(s, "blok ", Eenheid::blokNummer(rijVan(w), kolVan(w)));
        if (eerderHeeft)
            s += " ook (";
        else
            woordGetal(s, " heeft al een ", d), s += " (";
        if (kolom)
            woordGetal(s, "rij ", rijVan(w));
        else if (rij)
            woordGetal(s, "kolom ", kolVan(w));
        else
            rijKol(s, w);
        s += ')';
        eerderHeeft = true;
    });
}

void cel(std::string& s, int rij, int kol, int getalWaarde, const Bewijs& b) {
    // The other digits by the unit whose cell holds them (row, column, block), then the
    // exclusions, each with its digits.
    std::array<int, 8> inRij{}, inKol{}, inBlok{};
    int nRij = 0, nKol = 0, nBlok = 0;
    for (int i = 0; i < b.aantal; ++i) {
        const Grond& g = b.gronden[static_cast<std::size_t>(i)];
        if (g.door == 0) continue;
        if (rijVan(g.door) == rij)
            inRij[static_cast<std::size_t>(nRij++)] = g.cijfer;
        else if (kolVan(g.door) == kol)
            inKol[static_cast<std::size_t>(nKol++)] = g.cijfer;
        else
            inBlok[static_cast<std::size_t>(nBlok++)] = g.cijfer;
    }
    const Groepen uit = groepeer(b, zelfdeOorzaak);
    int nUit = 0;
    for (int gi = 0; gi < uit.aantal; ++gi)
        nUit +=
            b.gronden[static_cast<std::size_t>(uit.eerste[static_cast<std::size_t>(gi)])].door == 0;
    s += "in ";
    rijKol(s, celNummer(rij, kol));
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
        // the (i - nDelen)-th exclusion group
        int k = -1;
        for (int gi = 0; gi < uit.aantal; ++gi) {
            const int e = uit.eerste[static_cast<std::size_t>(gi)];
            if (b.gronden[static_cast<std::size_t>(e)].door == 0 && ++k == i - nDelen) {
                int n = 0;
                for (int j = e; j < b.aantal; ++j) n += uit.groep[static_cast<std::size_t>(j)] == e;
                int m = 0;
                for (int j = e; j < b.aantal; ++j)
                    if (uit.groep[static_cast<std::size_t>(j)] == e) {
                        if (m > 0) s += m + 1 == n ? " en " : ", ";
                        ++m;
                        woordGetal(s, "de ", b.gronden[static_cast<std::size_t>(j)].cijfer);
                    }
                s += n > 1 ? " vallen af (uitsluiting " : " valt af (uitsluiting ";
                getal(s, b.gronden[static_cast<std::size_t>(e)].uitsluiting);
                s += ')';
                return;
            }
        }
    });
    s += '.';
}

}  // namespace

std::string stapWaarom(int rij, int kol, int getalWaarde, const Reden& reden) {
    const Bewijs& b = reden.bewijs;
    std::string s;
    if (b.soort == Bewijs::Soort::Geen) return s;
    s.reserve(200);
    naam(s, reden.techniek);
    const int c = celNummer(rij, kol);
    switch (b.soort) {
        case Bewijs::Soort::Eenheid:
            s += "in ";
            s += eenheidTekst(reden.eenheid);
            if (b.enigeLegeVak) {
                s += " is ";
                plekIn(s, reden.eenheid, c);
                woordGetal(s, " het enige lege vak, dus daar komt de ", getalWaarde);
            } else {
                woordGetal(s, " kan de ", getalWaarde);
                s += " alleen in ";
                plekIn(s, reden.eenheid, c);
                s += ", want ";
                redenenIn(s, reden.eenheid, getalWaarde, b);
            }
            s += '.';
            break;
        case Bewijs::Soort::Cel: cel(s, rij, kol, getalWaarde, b); break;
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
            s += "; in ";
            lijn(c);
            woordGetal(s, " van blok ", reden.eenheid.blok);
            s += b.enigeLegeVak ? " is " : " is alleen ";
            if (langsRij)
                woordGetal(s, "kolom ", kol);
            else
                woordGetal(s, "rij ", rij);
            if (b.enigeLegeVak) {
                s += " het enige lege vak";
            } else {
                s += " nog mogelijk";
                if (b.aantal > 0) {
                    s += ", want ";
                    redenenIn(s, langsRij ? Eenheid::rij(rij) : Eenheid::kolom(kol), getalWaarde,
                              b);
                }
            }
            s += '.';
            break;
        }
        case Bewijs::Soort::Gok:
            s += eenheidTekst(reden.eenheid);
            woordGetal(s, " mist nog de ", b.opties[0]);
            woordGetal(s, " en de ", b.opties[1]);
            s += "; in ";
            rijKol(s, c);
            woordGetal(s, " wordt de ", b.opties[0]);
            s += " geprobeerd.";
            break;
        case Bewijs::Soort::Herstel:
            woordGetal(s, "de gok van stap ", b.gokStap);
            s += " liep vast, dus komt in ";
            rijKol(s, c);
            woordGetal(s, " de andere optie, de ", getalWaarde);
            s += '.';
            break;
        case Bewijs::Soort::Geen: break;
    }
    return s;
}

std::string uitsluitingWaarom(const Uitsluiting& u) {
    std::array<int, 9> oorzaak{};
    int n = 0;
    for (int c = 1; c <= 81 && n < 9; ++c)
        if (u.oorzaak.test(static_cast<std::size_t>(c - 1)))
            oorzaak[static_cast<std::size_t>(n++)] = c;
    std::string s;
    if (n == 0) return s;
    s.reserve(160);
    naam(s, u.techniek);
    s += "in ";
    const std::string in = eenheidTekst(u.eenheid);
    s += in;
    const int eerste = oorzaak[0];
    switch (u.soort) {
        case Uitsluiting::Soort::BlokInLijn:
        case Uitsluiting::Soort::LijnInBlok: {
            woordGetal(s, " kan de ", u.cijfer);
            s += " alleen in ";
            const std::size_t begin = s.size();
            if (u.soort == Uitsluiting::Soort::LijnInBlok) {
                woordGetal(s, "blok ", Eenheid::blokNummer(rijVan(eerste), kolVan(eerste)));
            } else {
                bool zelfdeRij = true;
                for (int i = 0; i < n; ++i)
                    zelfdeRij =
                        zelfdeRij && rijVan(oorzaak[static_cast<std::size_t>(i)]) == rijVan(eerste);
                if (zelfdeRij)
                    woordGetal(s, "rij ", rijVan(eerste));
                else
                    woordGetal(s, "kolom ", kolVan(eerste));
            }
            const std::string waar = s.substr(begin);
            woordGetal(s, ", dus valt de ", u.cijfer);
            s += " af in de rest van ";
            s += waar;
            break;
        }
        case Uitsluiting::Soort::Paar:
        case Uitsluiting::Soort::Drietal: {
            s += " hebben ";
            opsom(s, n, [&](int i) { plekIn(s, u.eenheid, oorzaak[static_cast<std::size_t>(i)]); });
            s += " samen alleen ";
            int m = 0;
            for (int x : u.set) m += x != 0;
            opsom(s, m, [&](int i) { getal(s, u.set[static_cast<std::size_t>(i)]); });
            woordGetal(s, ", dus valt de ", u.cijfer);
            s += " af in de rest van ";
            s += in;
            break;
        }
    }
    s += '.';
    return s;
}

}  // namespace sudoku::teksten
