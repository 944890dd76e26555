// Naked triple made of three two-candidate cells (12, 23, 13) in one row or column:
// the three digits are ruled out for the line's other empty cells.
#include <utility>

#include "board/sudoku_form.h"

namespace sudoku {

namespace {
String teken(const String& s, std::size_t i) { return i < s.size() ? s.substr(i, 1) : String(); }
}  // namespace

void SudokuForm::ModuleNakedTriple3Pairs() {
    if (vink(Vink::Module)) ui_.zetOpmerk(" Module Naked Triple *3pairs* ");

    for (int p1 = 1; p1 <= 81; ++p1) {
        int r1, k1;
        PosNaarRijKol(p1, r1, k1);
        const String s1 = kandidaten(r1, k1);
        if (s1 == "" || s1.size() != 2) continue;
        const String a1 = teken(s1, 0), b1 = teken(s1, 1);
        const String pos1 = tekst(r1) + tekst(k1);

        for (int p2 = p1 + 1; p2 <= 81; ++p2) {
            int r2, k2;
            PosNaarRijKol(p2, r2, k2);
            const String s2 = kandidaten(r2, k2);
            if (s2 == "" || s2.size() != 2) continue;
            const String a2 = teken(s2, 0), b2 = teken(s2, 1);
            const String pos2 = tekst(r2) + tekst(k2);

            if (a1 != a2 && a1 != b2 && b1 != a2 && b1 != b2) continue;  // nothing shared
            String gedeeld, ander1, ander2;
            if (a1 == a2) {
                gedeeld = a1, ander1 = b1, ander2 = b2;
            } else if (b1 == a2) {
                gedeeld = a2, ander1 = a1, ander2 = b2;
            } else if (a1 == b2) {
                gedeeld = b2, ander1 = a2, ander2 = b1;
            } else {
                gedeeld = b2, ander1 = a1, ander2 = a2;
            }
            if (ander2 < ander1) std::swap(ander1, ander2);
            const String cijfers[3] = {gedeeld, ander1, ander2};
            // Two equal pairs give a doubled digit here, which no candidate string is.
            const String derdePaar = ander1 + ander2;

            for (int p3 = p2 + 1; p3 <= 81; ++p3) {
                int r3, k3;
                PosNaarRijKol(p3, r3, k3);
                const String& s3 = kandidaten(r3, k3);
                if (s3 == "" || s3.size() != 2 || s3 != derdePaar) continue;
                const String pos3 = tekst(r3) + tekst(k3);
                if (r2 == r1 && r3 == r1)
                    for (const String& d : cijfers) ZetUitzTripleRij(d, pos1, pos2, pos3);
                if (k2 == k1 && k3 == k1)
                    for (const String& d : cijfers) ZetUitzTripleKolom(d, pos1, pos2, pos3);
            }
        }
    }
}

}  // namespace sudoku
