// A technique's name, a unit, a step's line, and the texts with which the window explains a
// step: under the step box's text, in the tip and in the report.
#include "uitleg/teksten.h"

#include <array>

#include "board/waarden.h"
#include "uitleg/zinsdelen.h"

namespace sudoku::teksten {

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

std::string stapUitleg(const std::string& getal, const std::string& waarom) {
    std::string s = "De " + getal + ".";
    if (!waarom.empty()) s += " " + waarom;
    return s;
}

namespace {

std::string celInWoorden(int cel) {
    return "r" + getalTekst((cel - 1) / 9 + 1) + "k" + getalTekst((cel - 1) % 9 + 1);
}

// Why `cijfer` cannot go where a ground says: the cell holding it, or what struck it.
std::string grondInWoorden(const Grond& g, std::span<const Uitsluiting> alle) {
    if (g.door != 0) return "de " + getalTekst(g.cijfer) + " staat al in " + celInWoorden(g.door);
    std::string s = "de " + getalTekst(g.cijfer) + " is ";
    zinsdeel::weggestreeptDoor(s, g.uitsluiting, alle, true);
    return s;
}

}  // namespace

std::string cellenInWoorden(const std::bitset<81>& cellen) {
    std::string s;
    const std::size_t n = cellen.count();
    std::size_t gehad = 0;
    for (std::size_t c = 0; c < 81; ++c) {
        if (!cellen.test(c)) continue;
        if (gehad > 0) s += gehad + 1 == n ? " en " : ", ";
        s += celInWoorden(static_cast<int>(c) + 1);
        ++gehad;
    }
    return s;
}

std::string bewijsInWoorden(int rij, int kol, int getal, const Reden& reden,
                            std::span<const Uitsluiting> alle) {
    const Bewijs& b = reden.bewijs;
    std::string s;
    const auto regel = [&s](const std::string& r) {
        if (!s.empty()) s += '\n';
        s += r;
    };
    switch (b.soort) {
        case Bewijs::Soort::Geen: return s;
        case Bewijs::Soort::Gok:
            regel("in " + celInWoorden(celNummer(rij, kol)) + " kan alleen de " +
                  getalTekst(b.opties[0]) + " of de " + getalTekst(b.opties[1]) + "; de " +
                  getalTekst(b.opties[0]) + " wordt geprobeerd");
            return s;
        case Bewijs::Soort::Herstel:
            regel("de gok van stap " + getalTekst(b.gokStap) +
                  " liep vast; de andere optie is de " + getalTekst(b.opties[0]));
            if (b.tegenspraakBlok == 0) return s;
            regel("vlak voor het herstel kon de " + getalTekst(b.tegenspraakCijfer) +
                  " nergens meer in blok " + getalTekst(b.tegenspraakBlok) + ":");
            break;
        case Bewijs::Soort::Band:
            regel("de " + getalTekst(getal) + " staat in " + celInWoorden(b.band[0]) + " en in " +
                  celInWoorden(b.band[1]));
            break;
        default: break;
    }
    if (b.enigeLegeVak) regel("geen ander leeg vak");
    for (std::size_t i = 0; i < b.aantal; ++i) {
        const Grond& g = b.gronden[i];
        if (b.soort == Bewijs::Soort::Cel)
            regel(grondInWoorden(g, alle));
        else
            regel(celInWoorden(g.cel) + ": " + grondInWoorden(g, alle));
    }
    return s;
}

std::string uitsluitingRegel(int nummer, const Uitsluiting& u) {
    std::string s =
        "uitsluiting " + getalTekst(nummer) + ": " + getalTekst(u.cijfer) + " valt af in";
    for (std::size_t c = 0; c < 81; ++c)
        if (u.cellen.test(c))
            s += " r" + getalTekst(static_cast<int>(c / 9) + 1) + "k" +
                 getalTekst(static_cast<int>(c % 9) + 1);
    return s + ", " + techniekNaam(u.techniek) + ", " + eenheidTekst(u.eenheid);
}

std::string wegRegel(int nummer, const Uitsluiting& u, const std::bitset<81>& weg) {
    std::string s = "uitsluiting " + getalTekst(nummer) + ": " + getalTekst(u.cijfer) +
                    (weg.any() ? " weggestreept in" : " was al weg in");
    for (std::size_t c = 0; c < 81; ++c)
        if ((weg.any() ? weg : u.cellen).test(c)) s += " " + celInWoorden(static_cast<int>(c) + 1);
    return s + ", " + mensNaamVan(u) + ", " + eenheidTekst(u.eenheid);
}

std::string stilRegel(int aantal) {
    return getalTekst(aantal) + (aantal == 1 ? " uitsluiting streept niets nieuws weg"
                                             : " uitsluitingen strepen niets nieuws weg");
}

std::string tipGeenStap(Oplossingen o) {
    const char* hoeveel = o == Oplossingen::Uniek      ? "één oplossing"
                          : o == Oplossingen::Meerdere ? "meer dan één oplossing"
                                                       : "geen oplossing";
    return std::string("Geen stap gevonden met deze technieken; de puzzel heeft ") + hoeveel;
}

}  // namespace sudoku::teksten
