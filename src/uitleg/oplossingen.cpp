// An exact search on bitboards. For each digit, the cells where it may still stand are kept
// as three 27-bit bands (rows 1-3, 4-6, 7-9; bit 9 * row-in-band + column). One pass over
// a digit's three bands settles all 81 cells at once, where a cell-by-cell solver needs a
// loop over every unit: that is what makes proving uniqueness cheap enough for bulk use.
//
// Propagation, repeated until nothing changes:
//  - within a band a digit stands once in each row and once in each block, so the (row,
//    block) pairs it uses form a permutation of three; pairs outside every permutation
//    lose their cells. The same holds for a stack of three columns and its blocks. This
//    covers locked candidates in both directions and finds a unit left without the digit;
//  - a cell left alone in its row, column or block for a digit gets it (hidden single);
//  - a cell with one digit left gets it, a cell with none is a contradiction.
// Then the search branches on the smallest choice, among cells and (unit, digit) places
// as exact cover does, weighed by how often each took part in a contradiction; now and
// then a matching check per unit and per digit finds the contradictions propagation
// cannot see. Without those two, a few boards without a solution (and some nearly empty
// ones) take a hundred thousand branches instead of a few hundred.
#include "uitleg/oplossingen.h"

#include <array>
#include <bit>
#include <cstdint>

#include "uitleg/bitbord.h"

namespace sudoku {
namespace {

using namespace bitbord;

// A perfect matching of up to nine rows into nine columns (bit sets): every digit of a unit
// a cell of its own, or every row of a digit a column of its own. Augmenting paths, free
// columns first.
class Koppeling {
public:
    explicit Koppeling(const std::uint16_t* rijen) : m_(rijen) {}

    bool past(int n) {
        for (int r = 0; r < n; ++r) {
            bezocht_ = 0;
            if (!pad(r)) return false;
        }
        return true;
    }

private:
    const std::uint16_t* m_;
    int eigenaar_[9] = {};
    unsigned vrij_ = 0x1FF, bezocht_ = 0;

    bool pad(int r) {
        if (const unsigned f = m_[r] & vrij_) {
            const int c = std::countr_zero(f);
            eigenaar_[c] = r, vrij_ ^= 1u << c;
            return true;
        }
        for (unsigned v = m_[r] & ~bezocht_; v; v = m_[r] & ~bezocht_) {
            const int c = std::countr_zero(v);
            bezocht_ |= 1u << c;
            if (pad(eigenaar_[c])) {
                eigenaar_[c] = r;
                return true;
            }
        }
        return false;
    }
};

struct Stand {
    Bits plek[9][3];    // where digit d+1 may still stand, or stands
    Bits open[3];       // cells without a digit yet
    Bits gezien[9][3];  // `plek` as last worked through: an unchanged digit is skipped
};

class Zoeker {
public:
    int aantal = 0;
    long knopen = 0;
    std::string* oplossing = nullptr;

    Zoeker() {
        for (auto& g : celGewicht) g = 1;
        for (auto& e : eenheidGewicht)
            for (auto& g : e) g = 1;
    }

    // Digit d+1 in cell p of band b; false on a contradiction.
    bool plaats(Stand& s, int d, int b, int p) {
        const Bits bit = Bits{1} << p;
        if (!(s.plek[d][b] & bit)) {
            const int r = 3 * b + p / 9, k = p % 9;
            ++eenheidGewicht[d][r], ++eenheidGewicht[d][9 + k],
                ++eenheidGewicht[d][18 + r / 3 * 3 + k / 3];
            return faal(b, bit);
        }
        if (!(s.open[b] & bit)) return true;  // already placed, and only d is left there
        s.open[b] ^= bit;
        for (auto& e : s.plek) e[b] &= ~bit;
        s.plek[d][b] = (s.plek[d][b] & ~T.bandBuren[p]) | bit;
        s.plek[d][b == 2 ? 0 : b + 1] &= ~T.kolom[p];
        s.plek[d][b == 0 ? 2 : b - 1] &= ~T.kolom[p];
        return true;
    }

    bool plaatsAlle(Stand& s, int d, int b, Bits cellen) {
        for (; cellen; cellen &= cellen - 1)
            if (!plaats(s, d, b, std::countr_zero(cellen))) return false;
        return true;
    }

    // The band and stack rules for one digit until they hold; its hidden singles into
    // `enkel`. False when a unit has no place left for the digit. `gezien` is the digit as
    // this last left it: a band that has not changed since needs neither its band rule
    // nor its rows and blocks looked at again.
    bool werkCijfer(int d, Bits* x, Bits* gezien, const Bits* open, Bits* enkel) {
        unsigned nieuw = (x[0] != gezien[0]) | (x[1] != gezien[1]) << 1 | (x[2] != gezien[2]) << 2;
        Bits f[3];
        for (unsigned werk = nieuw;;) {
            for (int b = 0; b < 3; ++b) {
                if (!(werk >> b & 1)) continue;
                const unsigned paren = T.blokkenVanRij[x[b] & RIJ] |
                                       T.blokkenVanRij[x[b] >> 9 & RIJ] << 3 |
                                       T.blokkenVanRij[x[b] >> 18] << 6;
                x[b] &= T.cellenVanParen[T.permutaties[paren]];
                if (!x[b]) {
                    for (int i = 0; i < 3; ++i)
                        ++eenheidGewicht[d][3 * b + i], ++eenheidGewicht[d][18 + 3 * b + i];
                    return faal(b, open[b]);
                }
            }
            for (int b = 0; b < 3; ++b) f[b] = vouw(x[b]);
            // The columns each band holds, band by band: a stack's part of it has the
            // shape of a block, rows being bands.
            const Bits kolommen = f[0] | f[1] << 9 | f[2] << 18;
            Bits dood = 0;
            for (int st = 0; st < 9; st += 3) {
                const Bits y = kolommen >> st & BLOK;
                const unsigned m = (y | y >> 6 | y >> 12) & RIJ;
                const unsigned a = T.permutaties[m];
                if (!a) {
                    for (int b = 0; b < 3; ++b) {
                        ++eenheidGewicht[d][9 + st + b], ++eenheidGewicht[d][18 + 3 * b + st / 3];
                        faal(b, open[b] & spreid(Bits{7} << st));
                    }
                    return false;
                }
                dood |= T.blokVanParen[m & ~a] << st;
            }
            // The band rule holds after its own pass; only cells the stack rule took can
            // make it find more.
            if (!dood) break;
            const Bits weg[3] = {dood & RIJ, dood >> 9 & RIJ, dood >> 18};
            werk = (weg[0] != 0) | (weg[1] != 0) << 1 | (weg[2] != 0) << 2;
            for (int b = 0; b < 3; ++b) x[b] &= ~spreid(weg[b]);
            nieuw |= werk;
        }
        const Bits eenBand =
            (f[0] ^ f[1] ^ f[2]) & ~(f[0] & f[1] & f[2]);  // columns in one band only
        for (int b = 0; b < 3; ++b) {
            const Bits v = x[b], r0 = v & RIJ, r1 = v >> 9 & RIJ, r2 = v >> 18;
            const Bits meer = (r0 & r1) | (r0 & r2) | (r1 & r2);  // columns with two rows here
            Bits los = v & spreid(eenBand & f[b] & ~meer);
            if (nieuw >> b & 1)
                for (int i = 0; i < 3; ++i) {
                    const Bits rij = v & RIJ << (9 * i), blok = v & BLOK << (3 * i);
                    if (hoogstensEen(rij)) los |= rij;
                    if (hoogstensEen(blok)) los |= blok;
                }
            enkel[b] = los & open[b];
            gezien[b] = v;
        }
        return true;
    }

    // Everything that follows from the board without a guess; false on a contradiction.
    bool propageer(Stand& s) {
        for (;;) {
            bool iets = false;
            // A digit's hidden singles are placed at once, so the digits after it in the
            // same round already see the cells they fill.
            for (int d = 0; d < 9; ++d) {
                Bits* x = s.plek[d];
                Bits* g = s.gezien[d];
                if (x[0] == g[0] && x[1] == g[1] && x[2] == g[2]) continue;
                Bits enkel[3];
                if (!werkCijfer(d, x, g, s.open, enkel)) return false;
                for (int b = 0; b < 3; ++b)
                    if (enkel[b]) {
                        iets = true;
                        if (!plaatsAlle(s, d, b, enkel[b])) return false;
                    }
            }
            for (int b = 0; b < 3; ++b) {
                Bits een = 0, twee = 0;
                for (const auto& x : s.plek) {
                    twee |= een & x[b];
                    een |= x[b];
                }
                if (s.open[b] & ~een) return faal(b, s.open[b] & ~een);  // a cell without a digit
                for (Bits n = s.open[b] & ~twee; n; n &= n - 1) {
                    const Bits bit = n & (0 - n);
                    int d = 0;
                    while (d < 9 && !(s.plek[d][b] & bit)) ++d;  // an earlier one may have taken it
                    iets = true;
                    if (d == 9 || !plaats(s, d, b, std::countr_zero(bit))) return false;
                }
            }
            if (!iets) return true;
        }
    }

    // No unit where some digits have fewer cells between them than they are, or cells
    // fewer digits (a naked or hidden subset too many), and no digit whose rows cannot
    // each have a column of their own. Singles see only the case of one; the search
    // would find the rest only when it fills those cells, which it may leave until
    // last and meet again under every choice made elsewhere.
    bool koppelbaar(const Stand& s) {
        std::uint16_t m[9];
        for (int u = 0; u < 27; ++u) {
            int n = 0;
            for (int d = 0; d < 9; ++d) {
                Bits v[3];
                for (int b = 0; b < 3; ++b) v[b] = s.plek[d][b] & s.open[b] & T.eenheid[u][b];
                unsigned plekken;  // the digit's cells as positions 0-8 in the unit
                if (u < 9) {
                    plekken = v[u / 3] >> (9 * (u % 3));
                } else if (u < 18) {
                    const int k = u - 9;
                    plekken = 0;
                    for (int b = 0; b < 3; ++b)
                        plekken |=
                            ((v[b] >> k & 1) | (v[b] >> (k + 8) & 2) | (v[b] >> (k + 16) & 4))
                            << (3 * b);
                } else {
                    const Bits y = v[(u - 18) / 3] >> (3 * ((u - 18) % 3));
                    plekken = (y | y >> 6 | y >> 12) & RIJ;
                }
                if (plekken) m[n++] = static_cast<std::uint16_t>(plekken);
            }
            if (!Koppeling(m).past(n)) {
                for (int d = 0; d < 9; ++d) ++eenheidGewicht[d][u];
                for (int b = 0; b < 3; ++b) faal(b, s.open[b] & T.eenheid[u][b]);
                return false;
            }
        }
        for (int d = 0; d < 9; ++d) {
            int n = 0;
            for (int b = 0; b < 3; ++b)
                for (int i = 0; i < 3; ++i)
                    if (const Bits kolommen = (s.plek[d][b] & s.open[b]) >> (9 * i) & RIJ)
                        m[n++] = static_cast<std::uint16_t>(kolommen);
            if (!Koppeling(m).past(n)) {
                for (int u = 0; u < 18; ++u) ++eenheidGewicht[d][u];
                return false;
            }
        }
        return true;
    }

    static bool klaar(const Stand& s) { return !(s.open[0] | s.open[1] | s.open[2]); }

    // A branch: digit d+1 in cell p of band b, or not.
    struct Keuze {
        int d, b, p;
    };

    // The smallest choice for its weight: an open cell with the fewest digits, or a digit
    // with the fewest places in a row, column or block, as exact cover does, divided by
    // how often it took part in a contradiction. What keeps failing comes first, so that a
    // contradiction among a few cells is found once, high in the tree, instead of again
    // under every choice made elsewhere; without the weights, boards without a solution
    // and nearly empty ones now and then take thousands of times longer.
    Keuze kies(const Stand& s) const {
        Keuze beste{0, 0, 0};
        std::uint64_t n0 = 10, w0 = 1;  // the best so far is n0 / w0
        for (int b = 0; b < 3; ++b) {
            Bits t0 = 0, t1 = 0, t2 = 0, t3 = 0;  // the number of digits per cell, bit by bit
            for (const auto& x : s.plek) {
                const Bits c0 = t0 & x[b], c1 = t1 & c0, c2 = t2 & c1;
                t0 ^= x[b], t1 ^= c0, t2 ^= c1, t3 |= c2;
            }
            for (Bits o = s.open[b]; o; o &= o - 1) {
                const int p = std::countr_zero(o);
                const std::uint64_t n =
                    (t0 >> p & 1) | (t1 >> p & 1) << 1 | (t2 >> p & 1) << 2 | (t3 >> p & 1) << 3;
                const std::uint64_t w = celGewicht[27 * b + p];
                if (n * w0 < n0 * w) n0 = n, w0 = w, beste = {0, b, p};
            }
        }
        while (!(s.plek[beste.d][beste.b] >> beste.p & 1)) ++beste.d;
        // A unit has at least two places, so one whose weight cannot beat n0 / w0 even so
        // is not counted.
        int d0 = -1, u0 = 0;
        for (int d = 0; d < 9; ++d)
            for (int u = 0; u < 27; ++u) {
                const std::uint64_t w = eenheidGewicht[d][u];
                if (n0 * w <= 2 * w0) continue;
                std::uint64_t n = 0;
                for (int b = 0; b < 3; ++b)
                    n += telBits(s.plek[d][b] & s.open[b] & T.eenheid[u][b]);
                if (n >= 2 && n * w0 < n0 * w) n0 = n, w0 = w, d0 = d, u0 = u;
            }
        if (d0 >= 0)
            for (int b = 0; b < 3; ++b)
                if (const Bits plekken = s.plek[d0][b] & s.open[b] & T.eenheid[u0][b])
                    return {d0, b, std::countr_zero(plekken)};
        return beste;
    }

    void neem(const Stand& s) {
        if (++aantal > 1 || !oplossing) return;
        oplossing->assign(81, '0');
        for (int d = 0; d < 9; ++d)
            for (int b = 0; b < 3; ++b)
                for (Bits x = s.plek[d][b]; x; x &= x - 1)
                    (*oplossing)[27 * b + std::countr_zero(x)] = static_cast<char>('1' + d);
    }

    // `s` propagated and not yet complete. The first branch is tried on a copy; the other
    // goes on in `s` itself, with the digit ruled out there, and chooses afresh. True when
    // the matching check cut this node or its last branch: the parent checks itself then.
    bool zoek(Stand& s) {
        for (bool toets = false;;) {
            if (toets || knopen - laatsteToets >= TOETS_NA) {
                laatsteToets = knopen;
                if (!koppelbaar(s)) return true;
            }
            const Keuze k = kies(s);
            ++knopen;
            Stand t = s;
            toets = false;
            if (plaats(t, k.d, k.b, k.p) && propageer(t)) {
                if (klaar(t))
                    neem(t);
                else
                    toets = zoek(t);
            }
            if (aantal > 1) return false;
            s.plek[k.d][k.b] &= ~(Bits{1} << k.p);
            if (!propageer(s)) return toets;
            if (klaar(s)) {
                neem(s);
                return false;
            }
        }
    }

private:
    // The matching check costs about a branch: it runs after every TOETS_NA branches, and
    // again at each parent of a node it cut, so that a contradiction it sees is cut off
    // where it arose. Puzzles settled in fewer branches never pay for it; the hardest
    // ones pay a few percent.
    static constexpr long TOETS_NA = 16;
    long laatsteToets = 0;
    // How often a cell, or the places of a digit in a unit, took part in a contradiction.
    // A contradiction in a band or stack counts for all its open cells: the search then
    // works in that corner until it is settled.
    std::uint32_t celGewicht[81];
    std::uint32_t eenheidGewicht[9][27];

    bool faal(int b, Bits cellen) {
        for (; cellen; cellen &= cellen - 1) ++celGewicht[27 * b + std::countr_zero(cellen)];
        return false;
    }
};

}  // namespace

Oplossingen telOplossingen(std::string_view bord, std::string* oplossing, long& knopen) {
    Stand s;
    for (auto& x : s.plek) x[0] = x[1] = x[2] = BAND;
    for (auto& g : s.gezien) g[0] = g[1] = g[2] = 0;
    s.open[0] = s.open[1] = s.open[2] = BAND;
    Zoeker z;
    z.oplossing = oplossing;
    knopen = 0;
    bool kan = true;
    for (std::size_t i = 0; i < bord.size() && i < 81 && kan; ++i)
        if (bord[i] >= '1' && bord[i] <= '9')
            kan = z.plaats(s, bord[i] - '1', static_cast<int>(i / 27), static_cast<int>(i % 27));
    if (kan && z.propageer(s)) {
        if (Zoeker::klaar(s))
            z.neem(s);
        else
            z.zoek(s);
    }
    knopen = z.knopen;
    return z.aantal == 0   ? Oplossingen::Geen
           : z.aantal == 1 ? Oplossingen::Uniek
                           : Oplossingen::Meerdere;
}

Oplossingen telOplossingen(std::string_view bord, std::string* oplossing) {
    long knopen;
    return telOplossingen(bord, oplossing, knopen);
}

}  // namespace sudoku
