#include "cli/batch.h"

#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>

namespace sudoku::cli {

namespace {
using Klok = std::chrono::steady_clock;

// The batch is "long" from this many puzzles on; shorter ones finish before a progress
// line would help.
constexpr long VOORTGANG_VANAF = 300;
constexpr auto VOORTGANG_INTERVAL = std::chrono::milliseconds(250);
constexpr auto DOORGEEF_INTERVAL = std::chrono::milliseconds(500);
}  // namespace

bool RegelLezer::vul() {
    if (klaar_) return false;
    for (;;) {
        ssize_t n = ::read(fd_, buf_, sizeof buf_);
        if (n > 0) {
            bij_ = 0;
            eind_ = static_cast<std::size_t>(n);
            return true;
        }
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) fout_ = errno;
        klaar_ = true;
        return false;
    }
}

bool RegelLezer::volgende() {
    begin_.clear();
    lengte_ = 0;
    alleenWit_ = true;
    bool iets = false;  // anything read for this line, a line end included
    char laatste = 0;
    for (;;) {
        if (bij_ == eind_ && !vul()) break;
        const char c = buf_[bij_++];
        iets = true;
        if (c == '\n') break;
        if (lengte_ < BEWAARD) begin_.push_back(c);
        ++lengte_;
        if (c != ' ' && c != '\t' && c != '\r') alleenWit_ = false;
        laatste = c;
    }
    if (fout_ != 0 || !iets) return false;
    if (lengte_ > 0 && laatste == '\r') {  // a CR before the line end is not part of the line
        if (begin_.size() == lengte_) begin_.pop_back();
        --lengte_;
    }
    ++nummer_;
    if (nummer_ == 1 && begin_.compare(0, 3, "\xEF\xBB\xBF") == 0) {  // UTF-8 byte-order mark
        begin_.erase(0, 3);
        lengte_ -= 3;
    }
    return true;
}

bool draaiBatch(RegelLezer& lezer, std::ostream& uit, std::ostream& fout,
                const BatchInstelling& instelling, BatchTelling& telling) {
    const auto start = Klok::now();
    auto laatsteVoortgang = start;
    auto laatsteDoorgeven = start;
    bool voortgangGetoond = false;
    std::ostream* spoor = instelling.opties.spoor ? &uit : nullptr;

    while (lezer.volgende()) {
        const std::string& regel = lezer.begin();
        if (lezer.alleenWit() || regel[0] == '#') continue;

        const std::string fout81 = puzzelFout(regel, lezer.lengte());
        if (!fout81.empty()) {
            ++telling.afgewezen;
            uit << "error " << lezer.nummer() << " \"" << fout81 << "\"\n";
        } else {
            const Uitkomst u = losPuzzelOp(std::string_view(regel).substr(0, 81),
                                           instelling.opties, spoor);
            uit << u.bord << " \"" << u.status << "\"\n";
            switch (u.afloop) {
                case Afloop::Opgelost: ++telling.opgelost; break;
                case Afloop::OpgelostNaGok: ++telling.naGok; break;
                case Afloop::NietGeldig: ++telling.nietGeldig; break;
                case Afloop::NietOpgelost: ++telling.nietOpgelost; break;
            }
        }

        const auto nu = Klok::now();
        if (instelling.directDoorgeven || nu - laatsteDoorgeven >= DOORGEEF_INTERVAL) {
            uit.flush();
            laatsteDoorgeven = nu;
        }
        const long gedaan = telling.puzzels() + telling.afgewezen;
        if (instelling.voortgang && gedaan >= VOORTGANG_VANAF &&
            nu - laatsteVoortgang >= VOORTGANG_INTERVAL) {
            const double s = std::chrono::duration<double>(nu - start).count();
            char regelTekst[96];
            std::snprintf(regelTekst, sizeof regelTekst, "\r%ld regels verwerkt, %.0f per seconde ",
                          gedaan, s > 0 ? gedaan / s : 0.0);
            fout << regelTekst << std::flush;
            laatsteVoortgang = nu;
            voortgangGetoond = true;
        }
    }
    uit.flush();
    if (voortgangGetoond) fout << "\r\033[K" << std::flush;  // make room for the summary
    return lezer.fout() == 0;
}

std::string samenvatting(const BatchTelling& t, double seconden) {
    const long totaal = t.puzzels();
    char tekst[320];
    std::snprintf(tekst, sizeof tekst,
                  "%ld puzzels: %ld opgelost, %ld opgelost na een gok, %ld ingevuld maar niet "
                  "geldig, %ld niet opgelost; %ld regels afgewezen; %.3f s (%.0f puzzels per "
                  "seconde)",
                  totaal, t.opgelost, t.naGok, t.nietGeldig, t.nietOpgelost, t.afgewezen, seconden,
                  seconden > 0 ? totaal / seconden : 0.0);
    return tekst;
}

}  // namespace sudoku::cli
