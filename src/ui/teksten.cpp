#include "ui/teksten.h"

#include <array>
#include <vector>

#include "board/waarden.h"

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

int rijVan(int cel) { return (cel - 1) / 9 + 1; }
int kolVan(int cel) { return (cel - 1) % 9 + 1; }
std::string rijKol(int cel) {
    return "rij " + getalTekst(rijVan(cel)) + ", kolom " + getalTekst(kolVan(cel));
}
std::string hoofdletter(std::string s) {
    if (!s.empty() && s[0] >= 'a' && s[0] <= 'z') s[0] = static_cast<char>(s[0] - 'a' + 'A');
    return s;
}
// "a", "a en b", "a, b en c".
std::string opsomming(const std::vector<std::string>& delen) {
    std::string s;
    for (std::size_t i = 0; i < delen.size(); ++i) {
        if (i > 0) s += i + 1 == delen.size() ? " en " : ", ";
        s += delen[i];
    }
    return s;
}
// Where a cell lies within a unit: its column in a row, its row in a column, both in a block.
std::string plekIn(const Eenheid& e, int cel) {
    if (e.soort == Eenheid::Soort::Rij) return "kolom " + getalTekst(kolVan(cel));
    if (e.soort == Eenheid::Soort::Kolom) return "rij " + getalTekst(rijVan(cel));
    return rijKol(cel);
}
std::string deCijfer(int d) { return "de " + getalTekst(d); }

// The reasons a digit cannot go to the other empty cells of a unit, grouped by what rules it
// out: the cell holding it ("kolom 5 heeft al een 7 (rij 4)", the next such "kolom 8 ook
// (rij 9)"), or the exclusion ("in kolom 6 valt de 7 af (uitsluiting 3)").
std::vector<std::string> redenenIn(const Eenheid& e, int d, const Bewijs& b) {
    std::vector<std::string> delen;
    bool eerderHeeft = false;
    std::vector<bool> gedaan(b.aantal, false);
    for (std::size_t i = 0; i < b.aantal; ++i) {
        if (gedaan[i]) continue;
        const Grond& g = b.gronden[i];
        std::vector<int> cellen;
        for (std::size_t j = i; j < b.aantal; ++j) {
            const Grond& h = b.gronden[j];
            if (!gedaan[j] && h.door == g.door && h.uitsluiting == g.uitsluiting) {
                gedaan[j] = true;
                cellen.push_back(h.cel);
            }
        }
        if (g.door == 0) {
            std::vector<std::string> plekken;
            for (int c : cellen) plekken.push_back(plekIn(e, c));
            delen.push_back("in " + opsomming(plekken) + " valt " + deCijfer(d) +
                            " af (uitsluiting " + getalTekst(g.uitsluiting) + ")");
            eerderHeeft = false;
            continue;
        }
        // The line or block the holding cell shares with every cell it rules out.
        const int w = g.door;
        bool zelfdeRij = true, zelfdeKol = true;
        for (int c : cellen) {
            zelfdeRij = zelfdeRij && rijVan(c) == rijVan(w);
            zelfdeKol = zelfdeKol && kolVan(c) == kolVan(w);
        }
        std::string wie, waar;
        if (zelfdeKol && e.soort != Eenheid::Soort::Kolom) {
            wie = "kolom " + getalTekst(kolVan(w));
            waar = "rij " + getalTekst(rijVan(w));
        } else if (zelfdeRij && e.soort != Eenheid::Soort::Rij) {
            wie = "rij " + getalTekst(rijVan(w));
            waar = "kolom " + getalTekst(kolVan(w));
        } else {
            wie = "blok " + getalTekst(Eenheid::blokNummer(rijVan(w), kolVan(w)));
            waar = rijKol(w);
        }
        delen.push_back(wie + (eerderHeeft ? " ook" : " heeft al een " + getalTekst(d)) + " (" +
                        waar + ")");
        eerderHeeft = true;
    }
    return delen;
}

}  // namespace

std::string stapWaarom(int rij, int kol, int getal, const Reden& reden) {
    const Bewijs& b = reden.bewijs;
    const std::string naam = hoofdletter(mensNaamVan(reden.techniek)) + ": ";
    const int cel = celNummer(rij, kol);
    const std::string d = getalTekst(getal);
    switch (b.soort) {
        case Bewijs::Soort::Eenheid: {
            const std::string in = eenheidTekst(reden.eenheid);
            if (b.enigeLegeVak)
                return naam + "in " + in + " is " + plekIn(reden.eenheid, cel) +
                       " het enige lege vak, dus daar komt de " + d + ".";
            return naam + "in " + in + " kan de " + d + " alleen in " + plekIn(reden.eenheid, cel) +
                   ", want " + opsomming(redenenIn(reden.eenheid, getal, b)) + ".";
        }
        case Bewijs::Soort::Cel: {
            // The other digits, by the unit whose cell holds them, then by exclusion.
            std::vector<int> inRij, inKol, inBlok;
            std::vector<std::string> delen;
            for (std::size_t i = 0; i < b.aantal; ++i) {
                const Grond& g = b.gronden[i];
                if (g.door == 0) continue;
                if (rijVan(g.door) == rij)
                    inRij.push_back(g.cijfer);
                else if (kolVan(g.door) == kol)
                    inKol.push_back(g.cijfer);
                else
                    inBlok.push_back(g.cijfer);
            }
            auto lijst = [](const std::vector<int>& v) {
                std::vector<std::string> t;
                for (int x : v) t.push_back(getalTekst(x));
                return opsomming(t);
            };
            bool eerste = true;
            auto heeft = [&](const std::string& wie, const std::vector<int>& v) {
                if (v.empty()) return;
                delen.push_back(wie + (eerste ? " heeft al " : " heeft ") + lijst(v));
                eerste = false;
            };
            heeft("rij " + getalTekst(rij), inRij);
            heeft("kolom " + getalTekst(kol), inKol);
            heeft("blok " + getalTekst(Eenheid::blokNummer(rij, kol)), inBlok);
            std::vector<bool> gedaan(b.aantal, false);
            for (std::size_t i = 0; i < b.aantal; ++i) {
                const Grond& g = b.gronden[i];
                if (g.door != 0 || gedaan[i]) continue;
                std::vector<std::string> cijfers;
                for (std::size_t j = i; j < b.aantal; ++j)
                    if (b.gronden[j].door == 0 && b.gronden[j].uitsluiting == g.uitsluiting) {
                        gedaan[j] = true;
                        cijfers.push_back(deCijfer(b.gronden[j].cijfer));
                    }
                delen.push_back(opsomming(cijfers) + (cijfers.size() > 1 ? " vallen" : " valt") +
                                " af (uitsluiting " + getalTekst(g.uitsluiting) + ")");
            }
            return naam + "in " + rijKol(cel) + " past alleen de " + d + ", want " +
                   opsomming(delen) + ".";
        }
        case Bewijs::Soort::Band: {
            const bool langsRij = reden.eenheid.soort == Eenheid::Soort::Band;
            auto lijnVan = [&](int c) {
                return langsRij ? "rij " + getalTekst(rijVan(c)) : "kolom " + getalTekst(kolVan(c));
            };
            auto blokVan = [](int c) {
                return "blok " + getalTekst(Eenheid::blokNummer(rijVan(c), kolVan(c)));
            };
            const std::string lijn = lijnVan(cel), blok = "blok " + getalTekst(reden.eenheid.blok);
            const std::string plek =
                langsRij ? "kolom " + getalTekst(kol) : "rij " + getalTekst(rij);
            std::string s = naam + "in " + blok + " moet de " + d + " in " + lijn + ", want " +
                            lijnVan(b.band[0]) + " en " + lijnVan(b.band[1]) + " hebben hun " + d +
                            " al in " + blokVan(b.band[0]) + " en " + blokVan(b.band[1]) + "; in " +
                            lijn + " van " + blok;
            if (b.enigeLegeVak) return s + " is " + plek + " het enige lege vak.";
            const Eenheid langs = langsRij ? Eenheid::rij(rij) : Eenheid::kolom(kol);
            s += " is alleen " + plek + " nog mogelijk";
            if (b.aantal > 0) s += ", want " + opsomming(redenenIn(langs, getal, b));
            return s + ".";
        }
        case Bewijs::Soort::Gok:
            return naam + eenheidTekst(reden.eenheid) + " mist nog de " + getalTekst(b.opties[0]) +
                   " en de " + getalTekst(b.opties[1]) + "; in " + rijKol(cel) + " wordt de " +
                   getalTekst(b.opties[0]) + " geprobeerd.";
        case Bewijs::Soort::Herstel:
            return naam + "de gok van stap " + getalTekst(b.gokStap) + " liep vast, dus komt in " +
                   rijKol(cel) + " de andere optie, de " + d + ".";
        case Bewijs::Soort::Geen: break;
    }
    return "";
}

std::string uitsluitingWaarom(const Uitsluiting& u) {
    const std::string naam = hoofdletter(mensNaamVan(u.techniek)) + ": ";
    const std::string d = getalTekst(u.cijfer), in = eenheidTekst(u.eenheid);
    std::vector<int> oorzaak;
    for (int c = 1; c <= 81; ++c)
        if (u.oorzaak.test(static_cast<std::size_t>(c - 1))) oorzaak.push_back(c);
    if (oorzaak.empty()) return "";
    switch (u.soort) {
        case Uitsluiting::Soort::BlokInLijn: {
            bool zelfdeRij = true;
            for (int c : oorzaak) zelfdeRij = zelfdeRij && rijVan(c) == rijVan(oorzaak[0]);
            const std::string lijn = zelfdeRij ? "rij " + getalTekst(rijVan(oorzaak[0]))
                                               : "kolom " + getalTekst(kolVan(oorzaak[0]));
            return naam + "in " + in + " kan de " + d + " alleen in " + lijn + ", dus valt de " +
                   d + " af in de rest van " + lijn + ".";
        }
        case Uitsluiting::Soort::LijnInBlok: {
            const std::string blok =
                "blok " + getalTekst(Eenheid::blokNummer(rijVan(oorzaak[0]), kolVan(oorzaak[0])));
            return naam + "in " + in + " kan de " + d + " alleen in " + blok + ", dus valt de " +
                   d + " af in de rest van " + blok + ".";
        }
        case Uitsluiting::Soort::Paar:
        case Uitsluiting::Soort::Drietal: {
            std::vector<std::string> plekken, cijfers;
            for (int c : oorzaak) plekken.push_back(plekIn(u.eenheid, c));
            for (int x : u.set)
                if (x != 0) cijfers.push_back(getalTekst(x));
            return naam + "in " + in + " hebben " + opsomming(plekken) + " samen alleen " +
                   opsomming(cijfers) + ", dus valt de " + d + " af in de rest van " + in + ".";
        }
    }
    return "";
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

std::string cliBatchFoutTeken(const std::string& teken, std::size_t positie) {
    return "ongeldig teken " + teken + " op positie " + std::to_string(positie) + "; " + EEN_CEL;
}

std::string cliBatchTeKort(std::size_t lengte) {
    return "te kort: " + std::to_string(lengte) + " tekens, een puzzel heeft er 81";
}

}  // namespace sudoku::teksten
