// Any board: the exact count agrees with a plain backtracking count wherever that one
// finishes, a solution it reports completes the board, and the search stays within its
// bound of branches.
//
// The first byte chooses how the rest is read: odd, as the board's text itself (any
// characters, any length); even, as (cell, digit) pairs put on an empty board, which makes
// the sparse boards likely that are slow to settle.
#include <cstdint>
#include <string>

#include "fuzz/eisen.h"
#include "uitleg/oplossingen.h"

using namespace sudoku;

namespace {

// The worst board fuzzing and a hill-climb over mutated puzzles found takes about 1100
// branches (without a solution, 23 givens); a branch costs a few microseconds, sparse
// boards included. 5000 branches are then about 10 ms in a Release build, a fifth of the
// 50 ms a board may take, and still four times the worst seen.
constexpr long MAX_KNOPEN = 5000;

// Backtracking without any reasoning beyond the digits a cell's row, column and block
// leave: the empty cell with the fewest of them first. Gives up after `MAX_STAPPEN`.
class EenvoudigeTeller {
public:
    static constexpr long MAX_STAPPEN = 20000;
    int aantal = 0;
    bool af = true;  // false: gave up before the answer was certain
    std::string eerste;

    explicit EenvoudigeTeller(const std::string& bord) : bord_(bord) {
        for (int i = 0; i < 81; ++i)
            if (bord_[i] != '.') {
                const unsigned bit = 1u << (bord_[i] - '1');
                if ((rij_[i / 9] | kol_[i % 9] | blok_[blok(i)]) & bit) return;  // no solution
                zet(i, bit);
            }
        zoek();
    }

private:
    std::string bord_;
    unsigned rij_[9] = {}, kol_[9] = {}, blok_[9] = {};
    long stappen_ = 0;

    static int blok(int i) { return i / 27 * 3 + i % 9 / 3; }
    void zet(int i, unsigned bit) { rij_[i / 9] ^= bit, kol_[i % 9] ^= bit, blok_[blok(i)] ^= bit; }

    void zoek() {
        if (++stappen_ > MAX_STAPPEN) {
            af = false;
            return;
        }
        int beste = -1, minst = 10;
        unsigned vrij = 0;
        for (int i = 0; i < 81 && minst > 0; ++i) {
            if (bord_[i] != '.') continue;
            const unsigned v = ~(rij_[i / 9] | kol_[i % 9] | blok_[blok(i)]) & 0x1FF;
            int n = 0;
            for (unsigned w = v; w; w &= w - 1) ++n;
            if (n < minst) minst = n, beste = i, vrij = v;
        }
        if (beste < 0) {
            if (++aantal == 1) eerste = bord_;
            return;
        }
        for (int d = 0; d < 9 && aantal < 2 && af; ++d) {
            if (!(vrij >> d & 1)) continue;
            zet(beste, 1u << d);
            bord_[beste] = static_cast<char>('1' + d);
            zoek();
            bord_[beste] = '.';
            zet(beste, 1u << d);
        }
    }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    std::string tekst;
    if (data[0] & 1) {
        tekst.assign(reinterpret_cast<const char*>(data) + 1, size - 1);
    } else {
        tekst.assign(81, '.');
        for (std::size_t i = 1; i + 1 < size; i += 2) {
            const int v = data[i + 1] % 10;
            tekst[data[i] % 81] = v == 0 ? '.' : static_cast<char>('0' + v);
        }
    }
    // The board as the count should read it.
    std::string bord(81, '.');
    for (std::size_t i = 0; i < tekst.size() && i < 81; ++i)
        if (tekst[i] >= '1' && tekst[i] <= '9') bord[i] = tekst[i];

    std::string oplossing = "-";
    long knopen = 0;
    const Oplossingen uit = telOplossingen(tekst, &oplossing, knopen);
    fuzz::eis(knopen <= MAX_KNOPEN, "te veel takken", std::to_string(knopen) + " " + bord);
    fuzz::eis(telOplossingen(tekst) == uit, "andere uitkomst zonder oplossing", bord);
    if (!zonderDubbelen(bord))
        fuzz::eis(uit == Oplossingen::Geen, "oplossing met een dubbel gegeven", bord);
    if (uit == Oplossingen::Geen) {
        fuzz::eis(oplossing == "-", "oplossing geschreven bij geen oplossing", bord);
    } else {
        bool klopt = oplossing.size() == 81 && zonderDubbelen(oplossing);
        for (int i = 0; i < 81 && klopt; ++i)
            klopt = oplossing[i] >= '1' && oplossing[i] <= '9' &&
                    (bord[i] == '.' || bord[i] == oplossing[i]);
        fuzz::eis(klopt, "oplossing vult het bord niet", bord + " " + oplossing);
    }

    const EenvoudigeTeller eenvoudig(bord);
    if (!eenvoudig.af) return 0;
    const Oplossingen verwacht = eenvoudig.aantal == 0   ? Oplossingen::Geen
                                 : eenvoudig.aantal == 1 ? Oplossingen::Uniek
                                                         : Oplossingen::Meerdere;
    fuzz::eis(uit == verwacht, "telling wijkt af van gewoon terugzoeken", bord);
    if (uit == Oplossingen::Uniek)
        fuzz::eis(oplossing == eenvoudig.eerste, "een andere oplossing", bord);
    return 0;
}
