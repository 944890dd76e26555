#include "cli/uitleg_uitvoer.h"

#include "board/waarden.h"
#include "uitleg/teksten.h"

namespace sudoku::cli {

namespace {

// Everything here appends to one line buffer: a batch with --uitleg writes a great deal.
void cel(std::string& s, int n) {
    const char t[4] = {'r', static_cast<char>('0' + (n - 1) / 9 + 1), 'k',
                       static_cast<char>('0' + (n - 1) % 9 + 1)};
    s.append(t, 4);
}

void getal(std::string& s, int n) {
    if (n >= 0 && n <= 9)
        s += static_cast<char>('0' + n);
    else
        s += getalTekst(n);
}

void cellen(std::string& s, const std::bitset<81>& c) {
    bool eerste = true;
    for (int n = 1; n <= 81; ++n)
        if (c.test(static_cast<std::size_t>(n - 1))) {
            if (!eerste) s += ' ';
            eerste = false;
            cel(s, n);
        }
}

void bewijs(std::string& s, const Reden& reden) {
    const Bewijs& b = reden.bewijs;
    const std::size_t begin = s.size();
    auto scheiding = [&] {
        if (s.size() > begin) s += "; ";
    };
    switch (b.soort) {
        case Bewijs::Soort::Gok:
            s += "gok: ";
            getal(s, b.opties[0]);
            s += " of ";
            getal(s, b.opties[1]);
            return;
        case Bewijs::Soort::Herstel:
            s += "herstel: gok van stap ";
            getal(s, b.gokStap);
            s += ", andere optie ";
            getal(s, b.opties[0]);
            if (b.tegenspraakBlok == 0) return;
            // The contradiction, then for each empty cell of its block the cell that rules
            // the digit out there.
            s += "; tegenspraak: ";
            getal(s, b.tegenspraakCijfer);
            s += " in blok ";
            getal(s, b.tegenspraakBlok);
            break;
        case Bewijs::Soort::Band:
            s += "band: ";
            cel(s, b.band[0]);
            s += ' ';
            cel(s, b.band[1]);
            break;
        case Bewijs::Soort::Eenheid:
        case Bewijs::Soort::Cel:
        case Bewijs::Soort::Geen: break;
    }
    if (b.enigeLegeVak) {
        scheiding();
        s += "enige lege vak";
    }
    for (std::size_t i = 0; i < b.aantal; ++i) {
        const Grond& g = b.gronden[i];
        scheiding();
        if (b.soort == Bewijs::Soort::Cel)
            getal(s, g.cijfer);
        else
            cel(s, g.cel);
        s += ": ";
        // What rules the digit out: the cell holding it, or the exclusion.
        if (g.door != 0) {
            cel(s, g.door);
        } else {
            s += "uitsluiting ";
            getal(s, g.uitsluiting);
        }
    }
}

}  // namespace

std::string cellenTekst(const std::bitset<81>& c) {
    std::string s;
    cellen(s, c);
    return s;
}

std::string bewijsTekst(const Reden& reden) {
    std::string s;
    bewijs(s, reden);
    return s;
}

void schrijfUitleg(std::ostream& uit, const Oplospad& pad, std::size_t k) {
    if (k >= pad.verloop().size()) return;
    const Verloop& v = pad.verloop()[k];
    thread_local std::string s;
    s.clear();
    switch (v.soort) {
        case Verloop::Soort::TabelGewist: s += "tabel gewist\n"; break;
        case Verloop::Soort::Uitsluiting: {
            const Uitsluiting& u = pad.uitsluitingen()[v.index];
            s += "uitsluiting ";
            getal(s, static_cast<int>(v.index + 1));
            s += ": ";
            getal(s, u.cijfer);
            s += " valt af in ";
            cellen(s, u.cellen);
            s += ", ";
            s += teksten::techniekNaam(u.techniek);
            s += ", ";
            s += teksten::eenheidTekst(u.eenheid);
            s += "\n  waarom: ";
            s += pad.waarom(k);
            s += "\n  oorzaak: ";
            cellen(s, u.oorzaak);
            // What it struck for a person, and the earlier strikes its cause rests on.
            s += "\n  weg: ";
            const int n = static_cast<int>(v.index + 1);
            if (const std::bitset<81> weg = pad.wegVan(n); weg.any())
                cellen(s, weg);
            else
                s += "geen";
            if (const std::vector<int> steun = pad.steuntOp(n); !steun.empty()) {
                s += "\n  steunt op: ";
                for (std::size_t i = 0; i < steun.size(); ++i) {
                    if (i > 0) s += ", ";
                    s += "uitsluiting ";
                    getal(s, steun[i]);
                }
            }
            s += '\n';
            break;
        }
        case Verloop::Soort::Gebeurtenis: {
            s += pad.regel(v.index);
            s += '\n';
            const Gebeurtenis& g = pad.gebeurtenissen()[v.index];
            if (g.soort != Gebeurtenis::Soort::Stap) break;
            s += "  waarom: ";
            s += pad.waarom(k);
            s += "\n  bewijs: ";
            bewijs(s, g.reden);
            s += '\n';
            break;
        }
    }
    uit.write(s.data(), static_cast<std::streamsize>(s.size()));
}

}  // namespace sudoku::cli
