// Naked triple around a cell with three candidates: when exactly two other cells of
// its block, row or column hold two or three of those digits (and no others), the
// three digits are ruled out for the unit's other empty cells.
#include <array>
#include <vector>

#include "board/sudoku_form.h"

namespace sudoku {

namespace {
String teken(const String& s, std::size_t i) { return i < s.size() ? s.substr(i, 1) : String(); }

// The three lines of the band or stack that holds line x (1..9); none otherwise.
std::array<int, 3> bandVan(int x) {
    if (x < 1 || x > 9) return {0, 0, 0};
    const int begin = ((x - 1) / 3) * 3 + 1;
    return {begin, begin + 1, begin + 2};
}

bool inBand(const String& lijn, const String& vanLijn) {
    for (int m : bandVan(getalVan(vanLijn)))
        if (m != 0 && tekst(m) == lijn) return true;
    return false;
}

struct Partner {
    String kandidaat = " ";
    String positie = " ";
    String eenheid = " ";  // "B" block, "R" row, "K" column, " " unused
};

struct Resultaat {
    String drietal;  // the triple cell's three candidates
    String positie;  // the triple cell
    std::array<Partner, 5> partners;
};

// The two partner positions kept per unit while a result row is judged.
struct Plekken {
    String plek1;
    String plek2;
};

void bewaarPlek(Plekken& p, int teller, const String& positie) {
    if (teller == 2)
        p.plek2 = positie;
    else
        p.plek1 = positie;
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

void SudokuForm::ZelfdeBlok(const String& r1, const String& k1, const String& r2,
                            const String& k2, Boolean& resultaat) {
    resultaat = false;
    if (inBand(r1, r2) && inBand(k1, k2)) resultaat = true;
}

void SudokuForm::ZetUitzTripleRij(const String& getal, const String& posA, const String& posB,
                                  const String& posC) {
    const int d = cijfer(getal);
    const int r = cijfer(teken(posA, 0));
    if (d == 0 || r == 0) return;
    const String a = teken(posA, 1), b = teken(posB, 1), c = teken(posC, 1);
    for (int k = 1; k <= 9; ++k) {
        const String t = tekst(k);
        if (t == a || t == b || t == c) continue;
        if (isLeeg(veld(r, k))) uitz_tabel(d, r, k) = getal;
    }
}

void SudokuForm::ZetUitzTripleKolom(const String& getal, const String& posA, const String& posB,
                                    const String& posC) {
    const int d = cijfer(getal);
    const int k = cijfer(teken(posA, 1));
    if (d == 0 || k == 0) return;
    const String a = teken(posA, 0), b = teken(posB, 0), c = teken(posC, 0);
    for (int r = 1; r <= 9; ++r) {
        const String t = tekst(r);
        if (t == a || t == b || t == c) continue;
        if (isLeeg(veld(r, k))) uitz_tabel(d, r, k) = getal;
    }
}

void SudokuForm::ZetUitzTripleBlok(const String& getal, const String& posA, const String& posB,
                                   const String& posC) {
    const int d = cijfer(getal);
    const int ra = cijfer(teken(posA, 0));
    const int ka = cijfer(teken(posA, 1));
    if (d == 0 || ra == 0 || ka == 0) return;
    for (int r : bandVan(ra)) {
        for (int k : bandVan(ka)) {
            const String plek = tekst(r) + tekst(k);
            if (plek == posA || plek == posB || plek == posC) continue;
            if (isLeeg(veld(r, k))) uitz_tabel(d, r, k) = getal;
        }
    }
}

void SudokuForm::ModuleNakedTriple() {
    if (vink(Vink::Module)) ui_.zetOpmerk(" Module Naked Triple ");

    struct Drietal {
        String kandidaat;
        String positie;
    };
    std::vector<Drietal> drietallen;
    for (int n = 1; n <= 81; ++n) {
        int r, k;
        PosNaarRijKol(n, r, k);
        if (kandidaten(r, k).size() == 3) drietallen.push_back({kandidaten(r, k), tekst(r) + tekst(k)});
    }

    // Sized to what is found, so no board can overrun the result or unit tables.
    std::vector<Resultaat> resultaten;
    for (const Drietal& dt : drietallen) {
        const String& s = dt.kandidaat;
        const String& pT = dt.positie;
        const String rT = teken(pT, 0), kT = teken(pT, 1);
        const String p12 = teken(s, 0) + teken(s, 1);
        const String p13 = teken(s, 0) + teken(s, 2);
        const String p23 = teken(s, 1) + teken(s, 2);

        // At most the 20 cells that share a unit with the triple cell are recorded.
        std::vector<Partner> partners;

        // Records the cell under its first shared unit: block before row before column.
        auto neemOp = [&](int r2, int k2) {
            const String tr = tekst(r2), tk = tekst(k2);
            String eenheid;
            ZelfdeBlok(tr, tk, rT, kT, GEV);
            if (GEV) {
                eenheid = "B";
            } else {
                ZelfdeRij(tr, tk, rT, kT, GEV);
                if (GEV) {
                    eenheid = "R";
                } else {
                    ZelfdeKolom(tr, tk, rT, kT, GEV);
                    if (GEV) eenheid = "K";
                }
            }
            if (eenheid != "") partners.push_back({kandidaten(r2, k2), tr + tk, eenheid});
        };
        auto paarScan = [&](int n, const String& paar) {
            int r2, k2;
            PosNaarRijKol(n, r2, k2);
            const String& s2 = kandidaten(r2, k2);
            if (s2.size() == 2 && s2 == paar) neemOp(r2, k2);
        };

        for (int n = 1; n <= 81; ++n) paarScan(n, p12);
        for (int n = 1; n <= 81; ++n) paarScan(n, p13);
        // this scan counts on the form's row counter, which it leaves at 82
        for (lus_rij = 1; lus_rij <= 81; ++lus_rij) paarScan(lus_rij, p23);
        for (int n = 1; n <= 81; ++n) {
            int r2, k2;
            PosNaarRijKol(n, r2, k2);
            const String& s2 = kandidaten(r2, k2);
            if (s2.size() == 3 && s2 == s && tekst(r2) + tekst(k2) != pT) neemOp(r2, k2);
        }

        if (partners.size() >= 2) {
            Resultaat res{s, pT, {}};
            // the first five partners are kept, unused slots stay " "
            for (std::size_t i = 0; i < 5 && i < partners.size(); ++i) res.partners[i] = partners[i];
            resultaten.push_back(res);
        }
    }

    std::vector<Plekken> blokPlek(resultaten.size()), rijPlek(resultaten.size()),
        kolPlek(resultaten.size());
    for (int ronde = 1; ronde <= 2; ++ronde) {
        for (std::size_t t = 0; t < resultaten.size(); ++t) {
            const Resultaat& res = resultaten[t];
            const String cijfers[3] = {teken(res.drietal, 0), teken(res.drietal, 1),
                                       teken(res.drietal, 2)};
            int cB = 0, cR = 0, cK = 0;
            for (const Partner& p : res.partners) {
                if (p.eenheid == "B") {
                    bewaarPlek(blokPlek[t], ++cB, p.positie);
                } else if (p.eenheid == "R") {
                    bewaarPlek(rijPlek[t], ++cR, p.positie);
                } else if (p.eenheid == "K") {
                    bewaarPlek(kolPlek[t], ++cK, p.positie);
                }
            }
            // A unit acts only with exactly two partners in it.
            if (cB == 2)
                for (const String& d : cijfers)
                    ZetUitzTripleBlok(d, res.positie, blokPlek[t].plek1, blokPlek[t].plek2);
            if (cR == 2)
                for (const String& d : cijfers)
                    ZetUitzTripleRij(d, res.positie, rijPlek[t].plek1, rijPlek[t].plek2);
            if (cK == 2)
                for (const String& d : cijfers)
                    ZetUitzTripleKolom(d, res.positie, kolPlek[t].plek1, kolPlek[t].plek2);
        }
        if (ronde == 1) {
            // Block partners that also share the triple cell's row or column count
            // for that line in the second round (the fifth slot is left as it is).
            for (Resultaat& res : resultaten) {
                const String rT = teken(res.positie, 0), kT = teken(res.positie, 1);
                for (std::size_t i = 0; i < 4; ++i) {
                    Partner& p = res.partners[i];
                    if (p.eenheid != "B") continue;
                    const String r2 = teken(p.positie, 0), k2 = teken(p.positie, 1);
                    ZelfdeRij(r2, k2, rT, kT, GEV);
                    if (GEV) {
                        p.eenheid = "R";
                    } else {
                        ZelfdeKolom(r2, k2, rT, kT, GEV);
                        if (GEV) p.eenheid = "K";
                    }
                }
            }
        }
    }
}

}  // namespace sudoku
