// Naked triple around a cell with three candidates: when exactly two other cells of
// its block, row or column hold two or three of those digits (and no others), the
// three digits are ruled out for the unit's other empty cells.
#include <array>
#include <vector>

#include "board/sudoku_form.h"

namespace sudoku {

namespace {
// One character of a text as a text, "" past its end.
String letter(const String& s, std::size_t i) { return i < s.size() ? s.substr(i, 1) : String(); }

// The three lines of the band or stack that holds line x (1..9); none otherwise.
std::array<int, 3> bandVan(int x) {
    if (x < 1 || x > 9) return {0, 0, 0};
    const int begin = ((x - 1) / 3) * 3 + 1;
    return {begin, begin + 1, begin + 2};
}

bool inBand(const String& lijn, const String& vanLijn) {
    for (int m : bandVan(getalVan(vanLijn)))
        if (m != 0 && getalTekst(m) == lijn) return true;
    return false;
}

// ZetUitzTripleRij (langsRij) and ZetUitzTripleKolom: `getal` is ruled out for the
// empty cells of posA's row or column, in line order, but for the cells across from
// posA, posB and posC. A position is row then column, so the line is named by one of
// its characters and the cells along it by the other.
// With `nieuw` set, the cells where `getal` was not yet ruled out are noted there.
void zetUitzTripleLijn(Bord& veld, UitzTabel& uitz, bool langsRij, const String& getal,
                       const String& posA, const String& posB, const String& posC,
                       std::bitset<81>* nieuw) {
    const std::size_t lijnTeken = langsRij ? 0 : 1, plekTeken = langsRij ? 1 : 0;
    const int d = cijfer(getal);
    const int lijn = cijfer(letter(posA, lijnTeken));
    if (d == 0 || lijn == 0) return;
    const String a = letter(posA, plekTeken), b = letter(posB, plekTeken),
                 c = letter(posC, plekTeken);
    for (int p = 1; p <= 9; ++p) {
        const String t = getalTekst(p);
        if (t == a || t == b || t == c) continue;
        const int r = langsRij ? lijn : p, k = langsRij ? p : lijn;
        if (isLeeg(veld(r, k))) {
            if (nieuw != nullptr && !uitz.uitgesloten(d, r, k))
                nieuw->set(static_cast<std::size_t>(celNummer(r, k) - 1));
            uitz(d, r, k) = getal;
        }
    }
}

}  // namespace

void SudokuForm::ZelfdeRij(const String& r1, const String&, const String& r2, const String&,
                           Boolean& resultaat) {
    resultaat = r1 == r2;
}

void SudokuForm::ZelfdeKolom(const String&, const String& k1, const String&, const String& k2,
                             Boolean& resultaat) {
    resultaat = k1 == k2;
}

void SudokuForm::ZelfdeBlok(const String& r1, const String& k1, const String& r2, const String& k2,
                            Boolean& resultaat) {
    resultaat = false;
    if (inBand(r1, r2) && inBand(k1, k2)) resultaat = true;
}

void SudokuForm::ZetUitzTripleRij(const String& getal, const String& posA, const String& posB,
                                  const String& posC) {
    zetUitzTripleLijn(veld, uitz_tabel, true, getal, posA, posB, posC,
                      uitleg() ? &nieuwUit_ : nullptr);
}

void SudokuForm::ZetUitzTripleKolom(const String& getal, const String& posA, const String& posB,
                                    const String& posC) {
    zetUitzTripleLijn(veld, uitz_tabel, false, getal, posA, posB, posC,
                      uitleg() ? &nieuwUit_ : nullptr);
}

void SudokuForm::ZetUitzTripleBlok(const String& getal, const String& posA, const String& posB,
                                   const String& posC) {
    const int d = cijfer(getal);
    const int ra = cijfer(letter(posA, 0));
    const int ka = cijfer(letter(posA, 1));
    if (d == 0 || ra == 0 || ka == 0) return;
    for (int r : bandVan(ra)) {
        for (int k : bandVan(ka)) {
            const String plek = getalTekst(r) + getalTekst(k);
            if (plek == posA || plek == posB || plek == posC) continue;
            if (isLeeg(veld(r, k))) {
                noteerUit(d, r, k);
                uitz_tabel(d, r, k) = getal;
            }
        }
    }
}

void SudokuForm::ModuleNakedTriple() {
    toonBanner(Techniek::NakedTriple);

    // Cells with two and with three candidates, in cell-number order: the scans over
    // all 81 cells accept no others. GEV and lus_rij stay in locals: see "The fast core" in docs/ontwerp.md.
    struct Cel {
        int r, k;
        const String* s;
    };
    Cel twee[81], drie[81];
    int aantal2 = 0, aantal3 = 0;
    for (int n = 1; n <= 81; ++n) {
        int r, k;
        PosNaarRijKol(n, r, k);
        const String& s = kandidaten.binnen(r, k);
        if (s.size() == 2) twee[aantal2++] = {r, k, &s};
        if (s.size() == 3) drie[aantal3++] = {r, k, &s};
    }
    auto blokVan = [](int x) { return (x - 1) / 3; };

    struct Partner {
        int r = 0, k = 0;
        char eenheid = ' ';  // 'B' block, 'R' row, 'K' column, ' ' unused
    };
    struct Resultaat {
        int i;  // the triple cell, as index into drie
        std::array<Partner, 5> partners;
    };
    // Sized to what is found, so no board can overrun the result or unit tables.
    std::vector<Resultaat> resultaten;
    for (int i = 0; i < aantal3; ++i) {
        const String& s = *drie[i].s;
        const int rT = drie[i].r, kT = drie[i].k;
        Resultaat res{i, {}};
        int gevonden = 0;
        // Records the cell under its first shared unit: block before row before column;
        // the first five partners are kept.
        auto neemOp = [&](int r2, int k2) {
            char eenheid;
            if (blokVan(r2) == blokVan(rT) && blokVan(k2) == blokVan(kT))
                eenheid = 'B';
            else if (r2 == rT)
                eenheid = 'R';
            else if (k2 == kT)
                eenheid = 'K';
            else
                return;
            if (gevonden < 5) res.partners[gevonden] = {r2, k2, eenheid};
            ++gevonden;
        };
        const char paren[3][2] = {{s[0], s[1]}, {s[0], s[2]}, {s[1], s[2]}};
        for (const auto& paar : paren)
            for (int j = 0; j < aantal2; ++j)
                if ((*twee[j].s)[0] == paar[0] && (*twee[j].s)[1] == paar[1])
                    neemOp(twee[j].r, twee[j].k);
        for (int j = 0; j < aantal3; ++j)
            if (j != i && *drie[j].s == s) neemOp(drie[j].r, drie[j].k);
        if (gevonden >= 2) resultaten.push_back(res);
    }

    for (int ronde = 1; ronde <= 2; ++ronde) {
        for (const Resultaat& res : resultaten) {
            const Cel& t = drie[res.i];
            const String pT = getalTekst(t.r) + getalTekst(t.k);
            int cB = 0, cR = 0, cK = 0;
            String blokPlek[2], rijPlek[2], kolPlek[2];
            for (const Partner& p : res.partners) {
                if (p.eenheid == 'B' && ++cB <= 2)
                    blokPlek[cB - 1] = getalTekst(p.r) + getalTekst(p.k);
                if (p.eenheid == 'R' && ++cR <= 2)
                    rijPlek[cR - 1] = getalTekst(p.r) + getalTekst(p.k);
                if (p.eenheid == 'K' && ++cK <= 2)
                    kolPlek[cK - 1] = getalTekst(p.r) + getalTekst(p.k);
            }
            // A unit acts only with exactly two partners in it.
            if (cB != 2 && cR != 2 && cK != 2) continue;
            const String& s = *t.s;
            const String cijfers[3] = {s.substr(0, 1), s.substr(1, 1), s.substr(2, 1)};
            // What each recording newly ruled out, with the three cells as its cause.
            auto meld = [&](const String& d, const String(&plek)[2], const Eenheid& eenheid) {
                if (!uitleg()) return;
                std::bitset<81> drietal;
                drietal.set(static_cast<std::size_t>(celNummer(t.r, t.k) - 1));
                for (const String& q : plek)
                    drietal.set(static_cast<std::size_t>(
                        celNummer(cijfer(letter(q, 0)), cijfer(letter(q, 1))) - 1));
                meldUitsluiting(Uitsluiting::Soort::Drietal, cijfer(d), drietal, eenheid,
                                Techniek::NakedTriple,
                                {cijfer(cijfers[0]), cijfer(cijfers[1]), cijfer(cijfers[2])});
            };
            if (cB == 2)
                for (const String& d : cijfers) {
                    ZetUitzTripleBlok(d, pT, blokPlek[0], blokPlek[1]);
                    meld(d, blokPlek, Eenheid::blokVan(t.r, t.k));
                }
            if (cR == 2)
                for (const String& d : cijfers) {
                    ZetUitzTripleRij(d, pT, rijPlek[0], rijPlek[1]);
                    meld(d, rijPlek, Eenheid::rij(t.r));
                }
            if (cK == 2)
                for (const String& d : cijfers) {
                    ZetUitzTripleKolom(d, pT, kolPlek[0], kolPlek[1]);
                    meld(d, kolPlek, Eenheid::kolom(t.k));
                }
        }
        if (ronde == 1) {
            // Block partners that also share the triple cell's row or column count
            // for that line in the second round (the fifth slot is left as it is).
            for (Resultaat& res : resultaten) {
                const Cel& t = drie[res.i];
                for (std::size_t i = 0; i < 4; ++i) {
                    Partner& p = res.partners[i];
                    if (p.eenheid != 'B') continue;
                    if (p.r == t.r)
                        p.eenheid = 'R';
                    else if (p.k == t.k)
                        p.eenheid = 'K';
                }
            }
        }
    }
}

}  // namespace sudoku
