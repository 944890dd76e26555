// The tip in the first two of its three steps, as a teacher gives it: first the technique and
// where to look (a unit, for a band the digit too, never the cell), then the cell and the
// digit. The third step is the step's own sentence.
#include <array>
#include <string>

#include "uitleg/teksten.h"
#include "uitleg/zinsdelen.h"

namespace sudoku::teksten {

using namespace zinsdeel;

namespace {

// A band or stack without its block: "rijen 1-3".
void bandTekst(std::string& s, const Eenheid& e) {
    s += e.soort == Eenheid::Soort::Band ? "rijen " : "kolommen ";
    getal(s, e.nummer);
    s += '-';
    getal(s, e.nummer + 2);
}

// What has to be struck first when the step rests on struck candidates: the techniques of
// the exclusions its proof names, each with its unit once.
void eerstWegstrepen(std::string& s, const Bewijs& b, std::span<const Uitsluiting> alle) {
    std::array<std::string, 8> wat{};
    int n = 0;
    for (int i = 0; i < b.aantal; ++i) {
        const Grond& g = b.gronden[static_cast<std::size_t>(i)];
        if (g.door != 0 || g.uitsluiting < 1 ||
            static_cast<std::size_t>(g.uitsluiting) > alle.size())
            continue;
        const Uitsluiting& u = alle[static_cast<std::size_t>(g.uitsluiting - 1)];
        std::string w = std::string(mensNaamVan(u)) + " in " + eenheidTekst(u.eenheid);
        bool nieuw = true;
        for (int j = 0; j < n; ++j) nieuw = nieuw && wat[static_cast<std::size_t>(j)] != w;
        if (nieuw) wat[static_cast<std::size_t>(n++)] = std::move(w);
    }
    if (n == 0) return;
    s += " Streep eerst kandidaten weg: ";
    opsom(s, n, [&](int i) { s += wat[static_cast<std::size_t>(i)]; });
    s += '.';
}

}  // namespace

Eenheid tipEenheid(int rij, int kol, const Reden& reden) {
    // A naked single lives in one cell; the block around it is where to look.
    if (reden.eenheid.soort == Eenheid::Soort::Cel) return Eenheid::blokVan(rij, kol);
    // A band is where to look, not yet the block the digit goes to.
    if (reden.eenheid.soort == Eenheid::Soort::Band ||
        reden.eenheid.soort == Eenheid::Soort::Stapel)
        return {reden.eenheid.soort, reden.eenheid.nummer, 0};
    return reden.eenheid;
}

std::string tipWaarKijken(int rij, int kol, int getalWaarde, const Reden& reden,
                          std::span<const Uitsluiting> alle) {
    const Bewijs& b = reden.bewijs;
    const Eenheid waar = tipEenheid(rij, kol, reden);
    std::string s;
    naam(s, mensNaamVan(reden.techniek));
    switch (b.soort) {
        case Bewijs::Soort::Band:
            woordGetal(s, "kijk waar de ", getalWaarde);
            s += " in ";
            bandTekst(s, waar);
            s += " nog kan.";
            break;
        case Bewijs::Soort::Cel:
            s += "kijk naar ";
            s += eenheidTekst(waar);
            s += "; daar is een vak waar nog maar één kandidaat past.";
            break;
        case Bewijs::Soort::Gok:
            s += b.ladderLeeg ? "geen techniek vindt nog een getal; "
                              : "de technieken komen niet verder; ";
            s += "kijk naar ";
            s += eenheidTekst(waar);
            s += ", dat nog twee lege vakken heeft.";
            break;
        case Bewijs::Soort::Eenheid:
        case Bewijs::Soort::Herstel:
        case Bewijs::Soort::Geen:
            s += "kijk naar ";
            s += eenheidTekst(waar);
            s += '.';
            break;
    }
    eerstWegstrepen(s, b, alle);
    return s;
}

std::string tipCelEnCijfer(int rij, int kol, int getalWaarde, const Reden& reden) {
    const Bewijs& b = reden.bewijs;
    const int c = celNummer(rij, kol);
    std::string s;
    naam(s, mensNaamVan(reden.techniek));
    switch (b.soort) {
        case Bewijs::Soort::Eenheid:
            s += "in ";
            s += eenheidTekst(reden.eenheid);
            if (b.enigeLegeVak) {
                s += " is ";
                cel(s, c);
                woordGetal(s, " het enige lege vak; daar komt de ", getalWaarde);
            } else {
                woordGetal(s, " kan de ", getalWaarde);
                s += " maar op één plek: ";
                cel(s, c);
            }
            break;
        case Bewijs::Soort::Cel:
            s += "in ";
            cel(s, c);
            woordGetal(s, " past alleen de ", getalWaarde);
            break;
        case Bewijs::Soort::Band:
            woordGetal(s, "in blok ", reden.eenheid.blok);
            woordGetal(s, " moet de ", getalWaarde);
            s += reden.eenheid.soort == Eenheid::Soort::Band ? " in rij " : " in kolom ";
            getal(s, reden.eenheid.soort == Eenheid::Soort::Band ? rij : kol);
            s += ", en daar kan hij alleen in ";
            cel(s, c);
            break;
        case Bewijs::Soort::Gok:
            woordGetal(s, "probeer de ", getalWaarde);
            s += " in ";
            cel(s, c);
            woordGetal(s, "; de andere mogelijkheid is de ", b.opties[1]);
            break;
        case Bewijs::Soort::Herstel:
        case Bewijs::Soort::Geen:
            s += "in ";
            cel(s, c);
            woordGetal(s, " komt de ", getalWaarde);
            break;
    }
    s += '.';
    return s;
}

std::string dubbelZin(int cijfer, const Eenheid& e) {
    return "De " + getalTekst(cijfer) + " staat twee keer in " + eenheidTekst(e) + ".";
}

}  // namespace sudoku::teksten
