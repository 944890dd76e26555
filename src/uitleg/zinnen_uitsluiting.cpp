// Why an exclusion holds and what it strikes, as a person with pencil marks follows it: the
// cause, the earlier strikes it rests on, and the cells where the digit goes (or that it was
// gone there already).
#include <array>
#include <string>
#include <vector>

#include "uitleg/teksten.h"
#include "uitleg/zinsdelen.h"

namespace sudoku::teksten {

using namespace zinsdeel;

std::string uitsluitingWaarom(const Uitsluiting& u, const std::bitset<81>& weg,
                              std::span<const Grond> steun, std::span<const Uitsluiting> alle) {
    std::array<int, 9> oorzaak{};
    int n = 0;
    for (int c = 1; c <= 81 && n < 9; ++c)
        if (u.oorzaak.test(static_cast<std::size_t>(c - 1)))
            oorzaak[static_cast<std::size_t>(n++)] = c;
    std::string s;
    if (n == 0) return s;
    s.reserve(200);
    naam(s, mensNaamVan(u));
    s += "in ";
    s += eenheidTekst(u.eenheid);
    // Where the rest lies that the digit goes from: the unit of a naked set, the line of the
    // block's places, the block of the line's places.
    std::string rest;
    const int eerste = oorzaak[0];
    switch (u.soort) {
        case Uitsluiting::Soort::BlokInLijn:
        case Uitsluiting::Soort::LijnInBlok: {
            woordGetal(s, " kan de ", u.cijfer);
            s += " alleen nog in ";
            cellen(s, u.oorzaak);
            s += ", in ";
            if (u.soort == Uitsluiting::Soort::LijnInBlok) {
                woordGetal(rest, "blok ", Eenheid::blokNummer(rijVan(eerste), kolVan(eerste)));
            } else {
                bool zelfdeRij = true;
                for (int i = 0; i < n; ++i)
                    zelfdeRij =
                        zelfdeRij && rijVan(oorzaak[static_cast<std::size_t>(i)]) == rijVan(eerste);
                woordGetal(rest, zelfdeRij ? "rij " : "kolom ",
                           zelfdeRij ? rijVan(eerste) : kolVan(eerste));
            }
            s += rest;
            break;
        }
        case Uitsluiting::Soort::Paar:
        case Uitsluiting::Soort::Drietal:
            s += " hebben ";
            cellen(s, u.oorzaak);
            s += " samen alleen de kandidaten ";
            setCijfers(s, u.set);
            rest = eenheidTekst(u.eenheid);
            break;
    }
    // The earlier strikes the cause rests on, by what made them, in the order their cells
    // come: one group for the exclusions that struck the same cells and read alike (a naked
    // pair strikes each of its digits by an exclusion of its own).
    if (!steun.empty()) {
        struct Groep {
            std::bitset<81> cellen;
            std::string door;
            std::array<int, 9> cijfers{}, nummers{};
            int n = 0;
        };
        std::vector<Groep> groepen;
        for (const Grond& g : steun) {
            std::size_t i = 0;
            while (i < groepen.size() &&
                   groepen[i].nummers[static_cast<std::size_t>(groepen[i].n - 1)] != g.uitsluiting)
                ++i;
            if (i == groepen.size()) {
                groepen.push_back({});
                Groep& nieuw = groepen.back();
                nieuw.cijfers[0] = g.cijfer;
                nieuw.nummers[0] = g.uitsluiting;
                nieuw.n = 1;
                if (g.uitsluiting >= 1 && static_cast<std::size_t>(g.uitsluiting) <= alle.size())
                    doorWie(nieuw.door, alle[static_cast<std::size_t>(g.uitsluiting - 1)]);
            }
            groepen[i].cellen.set(static_cast<std::size_t>(g.cel - 1));
        }
        // Merge what reads alike over the same cells.
        for (std::size_t i = 0; i < groepen.size(); ++i)
            for (std::size_t j = i + 1; j < groepen.size();) {
                if (groepen[j].cellen == groepen[i].cellen && groepen[j].door == groepen[i].door &&
                    groepen[i].n < 9) {
                    groepen[i].cijfers[static_cast<std::size_t>(groepen[i].n)] =
                        groepen[j].cijfers[0];
                    groepen[i].nummers[static_cast<std::size_t>(groepen[i].n++)] =
                        groepen[j].nummers[0];
                    groepen.erase(groepen.begin() + static_cast<std::ptrdiff_t>(j));
                } else {
                    ++j;
                }
            }
        s += " (";
        for (std::size_t i = 0; i < groepen.size(); ++i) {
            const Groep& g = groepen[i];
            if (i > 0) s += "; ";
            s += "in ";
            cellen(s, g.cellen);
            s += g.n > 1 ? " zijn " : " is ";
            opsom(s, g.n,
                  [&](int m) { woordGetal(s, "de ", g.cijfers[static_cast<std::size_t>(m)]); });
            s += " al weggestreept";
            if (g.door.empty()) continue;
            s += " door ";
            s += g.door;
            s += ", uitsluiting ";
            opsom(s, g.n, [&](int m) { getal(s, g.nummers[static_cast<std::size_t>(m)]); });
        }
        s += ')';
    }
    if (weg.any()) {
        woordGetal(s, ", dus streep je de ", u.cijfer);
        s += " weg in ";
        cellen(s, weg);
    } else {
        s += "; in de rest van ";
        s += rest;
        woordGetal(s, " is de ", u.cijfer);
        s += " al geen kandidaat meer";
    }
    s += '.';
    return s;
}

}  // namespace sudoku::teksten
