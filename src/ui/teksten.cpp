#include "ui/teksten.h"

#include <array>
#include <vector>

#include "board/waarden.h"
#include "ui/testcase_bestand.h"

namespace sudoku::teksten {

std::string ongeldigeInvoer(int rij, int kol) {
    return " Ongeldige invoer in rij " + getalTekst(rij) + ", kolom " + getalTekst(kol) + " ";
}

const char* statusTekst(Afloop afloop) {
    switch (afloop) {
        case Afloop::Opgelost: return OPGELOST;
        case Afloop::OpgelostNaGok: return OPGELOST_NA_GOK;
        case Afloop::NietGeldig: return NIET_GELDIG;
        case Afloop::NietGenoegKennis: return NIET_GENOEG_KENNIS;
        case Afloop::InvoerNietKompleet: return INVOER_NIET_KOMPLEET;
        case Afloop::NogNietOpgelost: break;
    }
    return "";
}

std::string stapTekst(int rij, int kol) {
    return "Getal in rij: " + getalTekstMetSpatie(rij) + "  en kolom: " + getalTekstMetSpatie(kol) +
           "  is gevuld.    ";
}

std::string foutInBestand(const std::string& naam, int regel, int positie) {
    return " Fout in " + naam + ": regel " + getalTekst(regel) + ", positie " +
           getalTekst(positie) + " ";
}

std::string teveelRegels(const std::string& naam) {
    return " Fout in " + naam + ": meer dan 9 regels ";
}

std::string onleesbaar(const std::string& naam) { return " " + naam + " kan niet gelezen worden "; }

std::string bestaatNiet(const std::string& naam) { return " " + naam + " bestaat niet "; }

std::string klembordFout(int regel, int positie) {
    return " Geen puzzel op het klembord: regel " + getalTekst(regel) + ", positie " +
           getalTekst(positie) + " ";
}

const char* techniekNaam(Techniek t) {
    // The module's text, trimmed once.
    static const auto namen = [] {
        std::array<std::string, AANTAL_TECHNIEKEN_ALLE> n;
        for (int i = 0; i < AANTAL_TECHNIEKEN_ALLE; ++i) {
            const std::string& b = bannerVan(static_cast<Techniek>(i));
            const auto begin = b.find_first_not_of(' ');
            n[static_cast<std::size_t>(i)] = b.substr(begin, b.find_last_not_of(' ') - begin + 1);
        }
        return n;
    }();
    return namen[static_cast<std::size_t>(t)].c_str();
}

std::string eenheidTekst(const Eenheid& e) {
    using S = Eenheid::Soort;
    const std::string n = getalTekst(e.nummer);
    switch (e.soort) {
        case S::Cel: {
            const int r = (e.nummer - 1) / 9 + 1, k = (e.nummer - 1) % 9 + 1;
            return "rij " + getalTekst(r) + ", kolom " + getalTekst(k) + " en blok " +
                   getalTekst(Eenheid::blokNummer(r, k));
        }
        case S::Rij: return "rij " + n;
        case S::Kolom: return "kolom " + n;
        case S::Blok: return "blok " + n;
        case S::Band:
        case S::Stapel:
            return (e.soort == S::Band ? "rijen " : "kolommen ") + n + "-" +
                   getalTekst(e.nummer + 2) + ", blok " + getalTekst(e.blok);
    }
    return "";
}

const char* niveauTekst(Niveau n) {
    switch (n) {
        case Niveau::Basis: return "basis";
        case Niveau::Uitzonderingstabel: return "uitzonderingstabel";
        case Niveau::Naked: return "naked";
        case Niveau::Gok: return "gok";
        case Niveau::Onopgelost: break;
    }
    return "onopgelost";
}

const char* oplossingenWoord(Oplossingen o) {
    switch (o) {
        case Oplossingen::Uniek: return "uniek";
        case Oplossingen::Meerdere: return "meerdere";
        case Oplossingen::Geen: break;
    }
    return "geen";
}

const char* oplossingenZin(Oplossingen o) {
    switch (o) {
        case Oplossingen::Uniek: return "uniek";
        case Oplossingen::Meerdere: return "meerdere oplossingen";
        case Oplossingen::Geen: break;
    }
    return "geen oplossing";
}

std::string stapRegel(int stap, int rij, int kol, const std::string& getal, const Reden& reden) {
    std::string s = "stap " + getalTekst(stap) + ": rij " + getalTekst(rij) + ", kolom " +
                    getalTekst(kol) + " = " + getal + ", " + techniekNaam(reden.techniek) + ", " +
                    eenheidTekst(reden.eenheid);
    if (reden.techniek == Techniek::Uitproberen)
        s += " (gok)";
    else if (reden.onderGok)
        s += " (onder gok)";
    return s;
}

std::string gokOngedaanRegel(int terugNaarStap) {
    return "gok ongedaan: terug naar stap " + getalTekst(terugNaarStap);
}

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

std::string controleZin(Oplossingen o) {
    switch (o) {
        case Oplossingen::Uniek: return std::string("De puzzel is ") + oplossingenZin(o) + ".";
        case Oplossingen::Meerdere:
        case Oplossingen::Geen: break;
    }
    return std::string("De puzzel heeft ") + oplossingenZin(o) + ".";
}

const char* controleUitleg(Oplossingen o) {
    switch (o) {
        case Oplossingen::Uniek: return "Er is precies één manier om het rooster te vullen.";
        case Oplossingen::Meerdere:
            return "Het rooster kan op meer dan één manier gevuld worden: er ontbreken gegeven "
                   "getallen.";
        case Oplossingen::Geen: break;
    }
    return "Het rooster kan niet gevuld worden zonder dat een cijfer twee keer in een rij, kolom "
           "of blok staat.";
}

std::string controleDubbel(int cijfer, const Eenheid& e) {
    return "De " + getalTekst(cijfer) + " staat twee keer in " + eenheidTekst(e) + ".";
}

std::string controleOngeldig(int rij, int kol) {
    return "Ongeldige invoer in rij " + getalTekst(rij) + ", kolom " + getalTekst(kol) +
           ": een vak houdt een cijfer 1-9 of is leeg (een spatie, 0 of . geldt als leeg).";
}

std::string verslagNiveau(Niveau n) { return std::string("Niveau: ") + niveauTekst(n); }

std::string verslagOplossingen(Oplossingen o) {
    return std::string("Oplossingen: ") + oplossingenZin(o);
}

std::string verslagTechniek(Techniek t, int aantal) {
    return std::string(techniekNaam(t)) + ": " + getalTekst(aantal);
}

std::string verslagPuzzel(const std::string& bord) { return "Puzzel: " + bord; }

std::string overTekst(const std::string& versie) {
    return "Sudoku Blad\nversie " + versie +
           "\n\nVult een 9 × 9 Sudoku stap voor stap in en legt bij elke stap uit welke rij, kolom "
           "of welk blok "
           "het getal afdwingt.";
}

std::string cliFoutTeken(int regel, int positie) {
    return "regel " + getalTekst(regel) + ", positie " + getalTekst(positie) +
           ": ongeldig teken; " + EEN_CEL;
}

std::string geweigerdBestand(const std::string& naam, const TestcaseInhoud& t) {
    using U = TestcaseInhoud::Uitkomst;
    switch (t.uitkomst) {
        case U::FoutTeken:
            return " Fout in " + naam + ": " + cliFoutTeken(t.foutRegel, t.foutPositie) + " ";
        case U::TeveelRegels: return " Fout in " + naam + ": " + CLI_TEVEEL_REGELS + " ";
        case U::Onleesbaar: return " " + naam + " " + CLI_ONLEESBAAR + " ";
        case U::GeenGewoonBestand: return " " + naam + " " + CLI_GEEN_GEWOON_BESTAND + " ";
        case U::NietTeOpenen: return " " + naam + " " + CLI_NIET_TE_OPENEN + " ";
        case U::Ontbreekt: return " " + naam + " " + CLI_BESTAAT_NIET + " ";
        case U::NietGevonden:
        case U::Goed: break;
    }
    return t.melding(naam);
}

std::string cliBatchFoutTeken(const std::string& teken, std::size_t positie) {
    return "ongeldig teken " + teken + " op positie " + std::to_string(positie) + "; " + EEN_CEL;
}

std::string cliBatchTeKort(std::size_t lengte) {
    return "te kort: " + std::to_string(lengte) + " tekens, een puzzel heeft er 81";
}

}  // namespace sudoku::teksten
