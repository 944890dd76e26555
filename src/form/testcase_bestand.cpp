#include "form/testcase_bestand.h"

#include <cstddef>
#include <sstream>

#include "form/teksten.h"

namespace sudoku {

namespace {

bool isCel(char c) { return c == ' ' || c == '.' || (c >= '0' && c <= '9'); }
bool isScheiding(char c) { return c == '-' || c == '+' || c == '|' || c == '='; }

// One line of the file. Only its beginning is kept (a row needs at most 9 cells and
// 4 bars, a line of 81 cells 81 characters); the rest is summed up in the flags.
struct Regel {
    static constexpr std::size_t BEWAARD = 96;

    std::string begin;
    std::size_t lengte = 0;
    bool alleenSpaties = true;
    bool alleenScheiding = true;    // only '-', '+', '|', '=' and spaces
    int scheidingTekens = 0;        // how many of '-', '+', '|', '=' (counted up to 3)
    bool scheidingVooraan = false;  // one of them among the first nine characters

    void voegToe(char c) {
        if (begin.size() < BEWAARD) begin.push_back(c);
        if (c != ' ') alleenSpaties = false;
        if (isScheiding(c)) {
            if (scheidingTekens < 3) ++scheidingTekens;
            if (lengte < 9) scheidingVooraan = true;
        } else if (c != ' ') {
            alleenScheiding = false;
        }
        ++lengte;
    }
    bool isCommentaar() const { return !begin.empty() && begin[0] == '#'; }
    // A line between bands. One that shows nothing but spaces in its first nine
    // characters is an empty row, as it always was.
    bool isScheidingsRegel() const {
        return !alleenSpaties && alleenScheiding && scheidingTekens >= 3 && scheidingVooraan;
    }
    // Its first 81 characters are cells: a whole puzzle on one line.
    bool heeft81Cellen() const {
        if (lengte < 81) return false;
        for (std::size_t i = 0; i < 81; ++i)
            if (!isCel(begin[i])) return false;
        return true;
    }
};

// Lines of a stream: a UTF-8 byte-order mark at the start is dropped, and a line ends at a
// line feed, a carriage return with a line feed, or a carriage return alone (as old Mac
// files have it).
class RegelBron {
public:
    explicit RegelBron(std::istream& bron) : bron_(bron) {}

    bool volgende(Regel& r) {
        r = Regel{};
        bool iets = false;
        int c;
        while ((c = teken()) >= 0) {
            iets = true;
            if (c == '\n') return true;
            if (c == '\r') {
                const int na = teken();
                if (na != '\n' && na >= 0) terug_ = na;
                return true;
            }
            r.voegToe(static_cast<char>(c));
        }
        return iets;
    }
    bool onleesbaar() const { return bron_.bad(); }

private:
    int byte() {
        if (bij_ == eind_) {
            if (!bron_) return -1;
            bron_.read(buf_, sizeof buf_);
            bij_ = 0;
            eind_ = static_cast<std::size_t>(bron_.gcount());
            if (eind_ == 0) return -1;
        }
        return static_cast<unsigned char>(buf_[bij_++]);
    }
    int teken() {
        if (terug_ >= 0) {
            const int c = terug_;
            terug_ = -1;
            return c;
        }
        if (!begonnen_) {
            begonnen_ = true;
            static constexpr unsigned char bom[3] = {0xEF, 0xBB, 0xBF};
            int gezien = 0;
            int c;
            while (gezien < 3 && (c = byte()) >= 0) {
                vooraf_[voorafN_++] = c;
                if (c != bom[gezien]) break;
                ++gezien;
            }
            if (gezien == 3) voorafN_ = 0;  // a mark: not part of the text
        }
        if (voorafBij_ < voorafN_) return vooraf_[voorafBij_++];
        return byte();
    }

    std::istream& bron_;
    char buf_[4096];
    std::size_t bij_ = 0, eind_ = 0;
    int terug_ = -1;  // a character read past a carriage return, to be read again
    bool begonnen_ = false;
    int vooraf_[3] = {};  // bytes held back while they might be a byte-order mark
    int voorafN_ = 0, voorafBij_ = 0;
};

}  // namespace

std::string testcaseMelding(const TestcaseInhoud& t, const std::string& naam) {
    using Uitkomst = TestcaseInhoud::Uitkomst;
    switch (t.uitkomst) {
        case Uitkomst::FoutTeken: return teksten::foutInBestand(naam, t.foutRegel, t.foutPositie);
        case Uitkomst::TeveelRegels: return teksten::teveelRegels(naam);
        case Uitkomst::Onleesbaar:
        case Uitkomst::GeenGewoonBestand:
        case Uitkomst::NietTeOpenen: return teksten::onleesbaar(naam);
        case Uitkomst::NietGevonden: return teksten::DRUK_OP_INVOER;
        case Uitkomst::Ontbreekt: return teksten::bestaatNiet(naam);
        case Uitkomst::Goed: break;
    }
    return "";
}

TestcaseInhoud leesTestcase(std::istream& bron) {
    TestcaseInhoud t;
    bool fout = false;
    int regelNr = 0;
    int rij = 0;           // rows so far: lines that are neither comments nor separators
    int nietLeeg = 0;      // lines with something on them, comments not counted
    std::string eenRegel;  // the 81 cells of the first such line, when it holds them

    auto weiger = [&](TestcaseInhoud::Uitkomst u, int positie) {
        t.uitkomst = u;
        t.foutRegel = regelNr;
        t.foutPositie = positie;
        fout = true;
    };
    // A row of the grid; a '|' is dropped where it marks a block edge: before the first
    // cell, after the third, and after the sixth when the third had one too (so that a
    // spaced-out row "5 . 9 | 2 4 1" is refused rather than read askew).
    auto leesRij = [&](const Regel& r) {
        std::string& cellen = t.rijen[rij];
        bool balkNa3 = false;
        for (std::size_t i = 0; i < r.begin.size() && cellen.size() < 9; ++i) {
            const char c = r.begin[i];
            const std::size_t n = cellen.size();
            if (c == '|' && ((n == 0 && i == 0) || n == 3 || (n == 6 && balkNa3))) {
                balkNa3 = balkNa3 || n == 3;
                continue;
            }
            if (!isCel(c)) {
                weiger(TestcaseInhoud::Uitkomst::FoutTeken, static_cast<int>(i) + 1);
                return;
            }
            cellen.push_back((c == '.' || c == '0') ? ' ' : c);
        }
    };

    RegelBron regels(bron);
    Regel r;
    while (regels.volgende(r)) {
        ++regelNr;
        if (r.isCommentaar()) continue;
        if (!r.alleenSpaties) ++nietLeeg;
        if (r.isScheidingsRegel()) continue;
        if (nietLeeg == 1 && !r.alleenSpaties && r.heeft81Cellen())
            eenRegel = r.begin.substr(0, 81);
        ++rij;
        if (!fout) {
            if (rij <= 9) {
                t.regels = rij;
                leesRij(r);
            } else if (!r.alleenSpaties) {
                weiger(TestcaseInhoud::Uitkomst::TeveelRegels, 0);
            }
        }
        // Refused for good unless the file may still turn out to be one line of 81 cells.
        if (fout && (nietLeeg >= 2 || eenRegel.empty())) return t;
    }
    if (regels.onleesbaar()) {
        TestcaseInhoud o;
        o.uitkomst = TestcaseInhoud::Uitkomst::Onleesbaar;
        return o;
    }
    if (nietLeeg == 1 && !eenRegel.empty()) {
        TestcaseInhoud een;
        een.regels = 9;
        for (int i = 0; i < 81; ++i) {
            const char c = eenRegel[i];
            een.rijen[i / 9 + 1].push_back((c == '.' || c == '0') ? ' ' : c);
        }
        return een;
    }
    if (fout) return t;
    for (int i = 1; i <= 9; ++i) t.rijen[i].resize(9, ' ');
    return t;
}

Plaktekst leesPlaktekst(const std::string& tekst) {
    Plaktekst p;
    std::istringstream bron(tekst);
    p.inhoud = leesTestcase(bron);
    using U = TestcaseInhoud::Uitkomst;
    if (tekst.find_first_not_of(" \t\r\n\v\f") == std::string::npos) {
        p.waarom = teksten::KLEMBORD_GEEN_PUZZEL;
    } else if (p.inhoud.uitkomst == U::Goed) {
        int gegeven = 0;
        for (int r = 1; r <= 9; ++r)
            for (char c : p.inhoud.rijen[r]) gegeven += c >= '1' && c <= '9';
        if (gegeven < MIN_GEPLAKT_GEGEVEN) p.waarom = teksten::KLEMBORD_TE_WEINIG;
    } else if (p.inhoud.uitkomst == U::FoutTeken) {
        p.waarom = teksten::klembordFout(p.inhoud.foutRegel, p.inhoud.foutPositie);
    } else if (p.inhoud.uitkomst == U::TeveelRegels) {
        p.waarom = teksten::KLEMBORD_TEVEEL_REGELS;
    } else {
        p.waarom = teksten::KLEMBORD_GEEN_PUZZEL;
    }
    return p;
}

}  // namespace sudoku
