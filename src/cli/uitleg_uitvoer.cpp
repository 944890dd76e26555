#include "cli/uitleg_uitvoer.h"

#include "board/waarden.h"
#include "ui/teksten.h"

namespace sudoku::cli {

namespace {

std::string cel(int n) {
    return "r" + getalTekst((n - 1) / 9 + 1) + "k" + getalTekst((n - 1) % 9 + 1);
}

// What rules the digit out: the cell holding it, or the exclusion.
std::string door(const Grond& g) {
    return g.door != 0 ? cel(g.door) : "uitsluiting " + getalTekst(g.uitsluiting);
}

}  // namespace

std::string cellenTekst(const std::bitset<81>& cellen) {
    std::string s;
    for (int n = 1; n <= 81; ++n)
        if (cellen.test(static_cast<std::size_t>(n - 1))) s += (s.empty() ? "" : " ") + cel(n);
    return s;
}

std::string bewijsTekst(const Reden& reden) {
    const Bewijs& b = reden.bewijs;
    std::string s;
    auto item = [&](const std::string& t) { s += (s.empty() ? "" : "; ") + t; };
    switch (b.soort) {
        case Bewijs::Soort::Gok:
            return "gok: " + getalTekst(b.opties[0]) + " of " + getalTekst(b.opties[1]);
        case Bewijs::Soort::Herstel:
            return "herstel: gok van stap " + getalTekst(b.gokStap) + ", andere optie " +
                   getalTekst(b.opties[0]);
        case Bewijs::Soort::Band: item("band: " + cel(b.band[0]) + " " + cel(b.band[1])); break;
        case Bewijs::Soort::Eenheid:
        case Bewijs::Soort::Cel:
        case Bewijs::Soort::Geen: break;
    }
    if (b.enigeLegeVak) item("enige lege vak");
    for (std::size_t i = 0; i < b.aantal; ++i) {
        const Grond& g = b.gronden[i];
        item((b.soort == Bewijs::Soort::Cel ? getalTekst(g.cijfer) : cel(g.cel)) + ": " + door(g));
    }
    return s;
}

void schrijfUitleg(std::ostream& uit, const Oplospad& pad, std::size_t k) {
    if (k >= pad.verloop().size()) return;
    const Verloop& v = pad.verloop()[k];
    switch (v.soort) {
        case Verloop::Soort::TabelGewist: uit << "tabel gewist\n"; return;
        case Verloop::Soort::Uitsluiting: {
            const Uitsluiting& u = pad.uitsluitingen()[v.index];
            uit << "uitsluiting " << v.index + 1 << ": " << u.cijfer << " valt af in "
                << cellenTekst(u.cellen) << ", " << teksten::techniekNaam(u.techniek) << ", "
                << teksten::eenheidTekst(u.eenheid) << "\n  waarom: " << pad.waarom(k)
                << "\n  oorzaak: " << cellenTekst(u.oorzaak) << '\n';
            return;
        }
        case Verloop::Soort::Gebeurtenis: break;
    }
    uit << pad.regel(v.index) << '\n';
    const Gebeurtenis& g = pad.gebeurtenissen()[v.index];
    if (g.soort != Gebeurtenis::Soort::Stap) return;
    uit << "  waarom: " << pad.waarom(k) << "\n  bewijs: " << bewijsTekst(g.reden) << '\n';
}

}  // namespace sudoku::cli
