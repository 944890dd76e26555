#include "ui/testcase_bestand.h"

namespace sudoku {

namespace {
bool toegestaan(char c) { return c == ' ' || c == '.' || (c >= '0' && c <= '9'); }
}  // namespace

std::string TestcaseInhoud::melding() const {
    switch (uitkomst) {
        case Uitkomst::FoutTeken:
            return " Fout in SudokuTestCase.txt: regel " + std::to_string(foutRegel) +
                   ", positie " + std::to_string(foutPositie) + " ";
        case Uitkomst::TeveelRegels:
            return " Fout in SudokuTestCase.txt: meer dan 9 regels ";
        case Uitkomst::Onleesbaar:
            return " SudokuTestCase.txt kan niet gelezen worden ";
        case Uitkomst::Goed:
            break;
    }
    return "";
}

TestcaseInhoud leesTestcase(std::istream& bron) {
    TestcaseInhoud t;
    int regelNr = 1;      // line being read
    int positie = 0;      // characters of that line so far
    bool regelOpen = false;
    bool crWacht = false;  // a carriage return that may end the line
    bool eersteTeken = true;

    auto teken = [&](char c) -> bool {  // false: the file is rejected
        regelOpen = true;
        ++positie;
        if (regelNr <= 9) {
            if (positie <= 9) {
                if (!toegestaan(c)) {
                    t.uitkomst = TestcaseInhoud::Uitkomst::FoutTeken;
                    t.foutRegel = regelNr;
                    t.foutPositie = positie;
                    return false;
                }
                t.rijen[regelNr].push_back((c == '.' || c == '0') ? ' ' : c);
            }
        } else if (c != ' ') {
            t.uitkomst = TestcaseInhoud::Uitkomst::TeveelRegels;
            return false;
        }
        return true;
    };
    auto regelEinde = [&] {
        if (regelNr <= 9) t.regels = regelNr;
        ++regelNr;
        positie = 0;
        regelOpen = false;
    };

    char buf[4096];
    std::size_t bomGezien = 0;
    static const char bom[3] = {'\xEF', '\xBB', '\xBF'};
    std::string bomBegin;  // bytes held back while they may still be a byte-order mark
    while (bron) {
        bron.read(buf, sizeof buf);
        std::streamsize n = bron.gcount();
        if (n <= 0) break;
        for (std::streamsize i = 0; i < n; ++i) {
            char c = buf[i];
            std::string lopend(1, c);
            if (eersteTeken) {
                if (c == bom[bomGezien]) {
                    bomBegin.push_back(c);
                    if (++bomGezien == 3) {
                        eersteTeken = false;
                        bomBegin.clear();
                    }
                    continue;
                }
                eersteTeken = false;
                lopend = bomBegin + c;  // not a mark after all: these were ordinary bytes
                bomBegin.clear();
            }
            for (char x : lopend) {
                if (crWacht) {
                    crWacht = false;
                    if (x == '\n') {
                        regelEinde();
                        continue;
                    }
                    if (!teken('\r')) return t;
                }
                if (x == '\r') {
                    crWacht = true;
                    regelOpen = true;
                } else if (x == '\n') {
                    regelEinde();
                } else if (!teken(x)) {
                    return t;
                }
            }
        }
    }
    if (bron.bad()) {
        t.uitkomst = TestcaseInhoud::Uitkomst::Onleesbaar;
        return t;
    }
    for (char x : bomBegin)  // a file of only the first bytes of a mark
        if (!teken(x)) return t;
    if (regelOpen) regelEinde();
    for (int r = 1; r <= 9; ++r) t.rijen[r].resize(9, ' ');
    return t;
}

}  // namespace sudoku
