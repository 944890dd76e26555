#include "form/bordstand.h"

#include <istream>
#include <streambuf>

#include "board/bordregel.h"
#include "form/testcase_bestand.h"

namespace sudoku {

namespace {

// Reads straight from a character buffer, without copying it into a string stream: a batch
// loads every puzzle this way.
class GeheugenBron : public std::streambuf {
public:
    GeheugenBron(char* begin, std::size_t n) { setg(begin, begin, begin + n); }
};

}  // namespace

GeladenTestcase testcaseVanCellen(std::string_view cellen) {
    // Nine lines of nine cells; "." and "0" are read as empty by the test-case loader.
    char tekst[90];
    for (std::size_t r = 0; r < 9; ++r) {
        for (std::size_t k = 0; k < 9; ++k) {
            const std::size_t i = r * 9 + k;
            tekst[r * 10 + k] = i < cellen.size() ? cellen[i] : '.';
        }
        tekst[r * 10 + 9] = '\n';
    }
    GeheugenBron buf(tekst, sizeof tekst);
    std::istream bron(&buf);
    GeladenTestcase g;
    g.inhoud = leesTestcase(bron);
    return g;
}

Bordstand standVan(const TestcaseInhoud& t) {
    std::string cellen(81, '.');
    for (int r = 1; r <= t.regels && r <= 9; ++r) {
        const std::string& rij = t.rijen[static_cast<std::size_t>(r)];
        for (std::size_t k = 0; k < 9 && k < rij.size(); ++k)
            if (rij[k] >= '1' && rij[k] <= '9')
                cellen[static_cast<std::size_t>(r - 1) * 9 + k] = rij[k];
    }
    return {cellen, cellen};
}

Bordstand standVan(const SudokuForm& form, std::string gegeven) {
    return {std::move(gegeven), bordRegel(form.veld)};
}

}  // namespace sudoku
