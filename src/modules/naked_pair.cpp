// Naked pair: two empty cells of one row or column with the same two candidates
// rule those two digits out for the line's other empty cells, through the
// exception table. The cell sweep that follows turns that into placements.
#include <vector>

#include "board/sudoku_form.h"

namespace sudoku {

namespace {
struct Paar {
    String kandidaat;  // the shared candidate string
    String positie1;   // row digit, column digit
    String positie2;
};

// One character of a text as a text, "" past its end.
String teken(const String& s, std::size_t i) { return i < s.size() ? s.substr(i, 1) : String(); }
}  // namespace

void SudokuForm::PosNaarRijKol(int n, int& rijUit, int& kolUit) {
    rijUit = (n - 1) / 9 + 1;
    kolUit = n - 9 * (rijUit - 1);
}

void SudokuForm::ModuleNakedPair() {
    if (vink(Vink::Module)) ui_.zetOpmerk(" Module Naked Pair ");

    // Every two cells with equal candidate strings, whatever their length or
    // place; the act step sorts out which of them matter. The list grows with
    // what is found, so a board full of equal strings cannot overrun it.
    std::vector<Paar> paren;
    for (int p1 = 1; p1 <= 81; ++p1) {
        int r1, k1;
        PosNaarRijKol(p1, r1, k1);
        const String s1 = kandidaten(r1, k1);
        if (s1 == "") continue;
        for (int p2 = p1 + 1; p2 <= 81; ++p2) {
            int r2, k2;
            PosNaarRijKol(p2, r2, k2);
            const String& s2 = kandidaten(r2, k2);
            if (s2 != "" && s2 == s1)
                paren.push_back({s1, tekst(r1) + tekst(k1), tekst(r2) + tekst(k2)});
        }
    }

    std::vector<String> cijfers(10);
    for (const Paar& paar : paren) {
        std::size_t j = 1;
        while (teken(paar.kandidaat, j - 1) != "") {
            if (j >= cijfers.size()) cijfers.resize(j + 1);
            cijfers[j] = teken(paar.kandidaat, j - 1);
            ++j;
        }
        const String ra = teken(paar.positie1, 0), ka = teken(paar.positie1, 1);
        const String rb = teken(paar.positie2, 0), kb = teken(paar.positie2, 1);
        // only a pair of two-digit strings is a naked pair
        if (j != 3) continue;
        if (ra == rb) {
            for (std::size_t d = 1; d <= 2 && cijfers[d] != ""; ++d) {
                HORIZON = false;
                ZetUitzPaarLijn(cijfers[d], HORIZON, getalVan(ra), getalVan(ka), getalVan(kb));
            }
        }
        if (ka == kb) {
            for (std::size_t d = 1; d <= 2 && cijfers[d] != ""; ++d) {
                HORIZON = true;
                ZetUitzPaarLijn(cijfers[d], HORIZON, getalVan(ka), getalVan(ra), getalVan(rb));
            }
        }
    }
}

void SudokuForm::ZetUitzPaarLijn(const String& getal, const Boolean& horizontaal, int lijn,
                                 int uitz1, int uitz2) {
    // A digit or line that is not 1..9 has no entry in the table.
    const int d = cijfer(getal);
    const bool geldig = d != 0 && lijn >= 1 && lijn <= 9;
    for (pos = 1; pos <= 9; ++pos) {
        if (pos == uitz1 || pos == uitz2) {
            uitzMOG = getal;  // the pair's own cells keep the digit
        } else if (!geldig) {
            continue;
        } else if (horizontaal) {
            if (isLeeg(veld(pos, lijn))) uitz_tabel(d, pos, lijn) = getal;
        } else {
            if (isLeeg(veld(lijn, pos))) uitz_tabel(d, lijn, pos) = getal;
        }
    }
}

}  // namespace sudoku
