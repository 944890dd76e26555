#include "cli/batch.h"

#include <pthread.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <deque>
#include <initializer_list>
#include <mutex>
#include <sstream>
#include <thread>
#include <utility>
#include <vector>

#include "uitleg/teksten.h"

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
        if (n < 0 && errno == EINTR) {
            if (stop_ == nullptr || *stop_ == 0) continue;
            onderbroken_ = true;
        } else if (n < 0) {
            fout_ = errno;
        }
        klaar_ = true;
        return false;
    }
}

bool RegelLezer::kijk() {
    if (bij_ == eind_) vul();
    return fout_ == 0;
}

bool RegelLezer::volgende() {
    begin_.clear();
    lengte_ = 0;
    alleenWit_ = true;
    bool witNaDrie = true;  // only spaces and tabs after the first three bytes (a mark's)
    bool iets = false;      // anything read for this line, a line end included
    for (;;) {
        if (bij_ == eind_ && !vul()) break;
        const char c = buf_[bij_++];
        // A CR ends its line at once, so that a terminal's line is answered as it is typed;
        // the LF of a CR LF is then passed over here.
        if (std::exchange(naCr_, false) && c == '\n') continue;
        iets = true;
        if (c == '\n') break;
        if (c == '\r') {
            naCr_ = true;
            break;
        }
        if (lengte_ < BEWAARD) begin_.push_back(c);
        if (c != ' ' && c != '\t') {
            alleenWit_ = false;
            if (lengte_ >= 3) witNaDrie = false;
        }
        ++lengte_;
    }
    if (fout_ != 0 || onderbroken_ || !iets) return false;
    ++nummer_;
    if (nummer_ == 1 && begin_.compare(0, 3, "\xEF\xBB\xBF") == 0) {  // UTF-8 byte-order mark
        begin_.erase(0, 3);
        lengte_ -= 3;
        alleenWit_ = witNaDrie;
    }
    return true;
}

namespace {

// One line of the batch that is not skipped: a puzzle, or the reason it is not one.
struct Regel {
    long nummer = 0;
    std::string fout81;  // not empty: the line is refused for this reason
    std::string cellen;  // otherwise its 81 cells
};

// What the counts need of an answered line.
struct Antwoord {
    bool afgewezen = false;
    Afloop afloop = Afloop::NogNietOpgelost;
    bool metVerslag = false;
    Niveau niveau = Niveau::Onopgelost;
    Oplossingen oplossingen = Oplossingen::Geen;
};

// The CSV's columns: regel, puzzel, bord, uitkomst, niveau, oplossingen, stappen, gokken, one
// per technique, gegeven, oplossing. Rows end in CR LF, as RFC 4180 has it.
constexpr std::size_t CSV_KOLOMMEN = 10 + AANTAL_TECHNIEKEN;
constexpr const char* CSV_EINDE = "\r\n";

// One CSV row: the line number, then the given fields, then as many empty fields as the
// header has columns left.
void csvRij(std::ostream& uit, long nummer, std::initializer_list<std::string> velden) {
    uit << nummer;
    std::size_t n = 1;
    for (const std::string& v : velden) {
        uit << ',' << csvVeld(v);
        ++n;
    }
    for (; n < CSV_KOLOMMEN; ++n) uit << ',';
    uit << CSV_EINDE;
}

// Answers one line on `uit`: the events of the solve (with --trace), its steps (with
// --stappen) and the result line, or the error line; or its CSV row. Both ways of running
// a batch go through here, so they print the same bytes.
Antwoord beantwoord(const Regel& r, const BatchInstelling& instelling, std::ostream& uit) {
    Antwoord a;
    if (!r.fout81.empty()) {
        a.afgewezen = true;
        if (instelling.csv)
            csvRij(uit, r.nummer, {"", "", r.fout81});
        else
            uit << "error " << r.nummer << " \"" << r.fout81 << "\"\n";
        return a;
    }
    if (instelling.opties.bedieningen) uit << "puzzel " << r.nummer << '\n';
    const Uitkomst u = losPuzzelOp(r.cellen, instelling.opties, &uit);
    a.afloop = u.afloop;
    a.metVerslag = u.metVerslag;
    a.niveau = u.verslag.niveau;
    a.oplossingen = u.verslag.oplossingen;
    if (instelling.csv) {
        const OplosVerslag& v = u.verslag;
        uit << r.nummer << ',' << v.puzzel << ',' << u.bord << ',' << csvVeld(u.status) << ','
            << teksten::niveauTekst(v.niveau) << ',' << teksten::oplossingenWoord(v.oplossingen)
            << ',' << v.stappen << ',' << v.gokken;
        for (int n : v.perTechniek) uit << ',' << n;
        uit << ',' << v.gegeven << ',' << v.oplossing << CSV_EINDE;
        return a;
    }
    uit << u.bord << " \"" << u.status << '"';
    if (u.metVerslag)
        uit << ' ' << teksten::niveauTekst(u.verslag.niveau) << ' '
            << teksten::oplossingenWoord(u.verslag.oplossingen);
    uit << '\n';
    return a;
}

// The counts, the flushing and the progress line, after each answered line in input order.
class BatchUitvoer {
public:
    BatchUitvoer(std::ostream& uit, std::ostream& fout, const BatchInstelling& instelling,
                 BatchTelling& telling)
        : uit_(uit), fout_(fout), instelling_(instelling), telling_(telling) {}

    void na(const Antwoord& a) {
        if (a.afgewezen) {
            ++telling_.afgewezen;
        } else {
            if (a.metVerslag) {
                telling_.metVerslag = true;
                ++telling_.perNiveau[static_cast<std::size_t>(a.niveau)];
                ++telling_.perOplossingen[static_cast<std::size_t>(a.oplossingen)];
            }
            switch (a.afloop) {
                case Afloop::Opgelost: ++telling_.opgelost; break;
                case Afloop::OpgelostNaGok: ++telling_.naGok; break;
                case Afloop::NietGeldig: ++telling_.nietGeldig; break;
                case Afloop::NogNietOpgelost:
                case Afloop::NietGenoegKennis:
                case Afloop::InvoerNietKompleet: ++telling_.nietOpgelost; break;
            }
        }
        const auto nu = Klok::now();
        if (instelling_.directDoorgeven || nu - laatsteDoorgeven_ >= DOORGEEF_INTERVAL) {
            uit_.flush();
            laatsteDoorgeven_ = nu;
        }
        const long gedaan = telling_.puzzels() + telling_.afgewezen;
        if (instelling_.voortgang && gedaan >= VOORTGANG_VANAF &&
            nu - laatsteVoortgang_ >= VOORTGANG_INTERVAL) {
            const double s = std::chrono::duration<double>(nu - start_).count();
            char regelTekst[96];
            std::snprintf(regelTekst, sizeof regelTekst, "\r%ld regels verwerkt, %.0f per seconde ",
                          gedaan, s > 0 ? gedaan / s : 0.0);
            fout_ << regelTekst << std::flush;
            laatsteVoortgang_ = nu;
            voortgangGetoond_ = true;
        }
    }

    void einde() {
        uit_.flush();
        if (voortgangGetoond_) fout_ << "\r\033[K" << std::flush;  // make room for the summary
    }

private:
    std::ostream& uit_;
    std::ostream& fout_;
    const BatchInstelling& instelling_;
    BatchTelling& telling_;
    const Klok::time_point start_ = Klok::now();
    Klok::time_point laatsteVoortgang_ = start_;
    Klok::time_point laatsteDoorgeven_ = start_;
    bool voortgangGetoond_ = false;
};

// The next line that is not skipped, or false at the end of the input.
bool volgendeRegel(RegelLezer& lezer, Regel& r) {
    while (lezer.volgende()) {
        const std::string& regel = lezer.begin();
        if (lezer.alleenWit() || regel[0] == '#') continue;
        r.nummer = lezer.nummer();
        r.fout81 = puzzelFout(regel, lezer.lengte());
        r.cellen = r.fout81.empty() ? regel.substr(0, 81) : std::string();
        return true;
    }
    return false;
}

bool gestopt(const BatchInstelling& instelling) {
    return instelling.stop != nullptr && *instelling.stop != 0;
}

void naElkaar(RegelLezer& lezer, std::ostream& uit, const BatchInstelling& instelling,
              BatchUitvoer& verslag) {
    Regel r;
    // Once the output cannot be written (a reader that went away) the rest is not solved.
    while (uit && !gestopt(instelling) && volgendeRegel(lezer, r))
        verslag.na(beantwoord(r, instelling, uit));
}

// Several solving threads. The reading thread queues lines in a window of bounded size;
// a thread that finishes a line writes out every finished line at the head of the window,
// so the answers leave in input order as soon as they can, also while the reader waits
// for input. Each puzzle gets its own form and controls inside losPuzzelOp; the threads
// share only the window, under the lock.
void naastElkaar(RegelLezer& lezer, std::ostream& uit, const BatchInstelling& instelling,
                 BatchUitvoer& verslag, int taken) {
    struct Taak {
        Regel regel;
        std::string tekst;
        Antwoord antwoord;
        bool klaar = false;
    };
    const std::size_t venster = 32 * static_cast<std::size_t>(taken);
    std::mutex slot;
    std::condition_variable werkCv, ruimteCv;
    std::deque<Taak> rij;  // deque: a reference to a queued element survives pushes and pops
    long voorste = 0;      // line index of rij.front()
    long volgende = 0;     // first line index no thread has taken yet
    long erin = 0;         // lines queued so far
    bool invoerOp = false;

    auto werker = [&] {
        std::unique_lock<std::mutex> l(slot);
        for (;;) {
            werkCv.wait(l, [&] { return volgende < erin || invoerOp; });
            if (volgende == erin) return;
            Taak& t = rij[static_cast<std::size_t>(volgende - voorste)];
            ++volgende;
            l.unlock();
            std::ostringstream s;
            t.antwoord = beantwoord(t.regel, instelling, s);
            t.tekst = std::move(s).str();
            l.lock();
            t.klaar = true;
            bool weg = false;
            while (!rij.empty() && rij.front().klaar) {
                Taak& v = rij.front();
                uit << v.tekst;
                verslag.na(v.antwoord);
                rij.pop_front();
                ++voorste;
                weg = true;
            }
            if (weg) ruimteCv.notify_one();
        }
    };
    // The solving threads take no signals: a stop signal reaches this thread, whose read
    // it interrupts.
    sigset_t stopSignalen, eerder;
    sigemptyset(&stopSignalen);
    sigaddset(&stopSignalen, SIGINT);
    sigaddset(&stopSignalen, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stopSignalen, &eerder);
    std::vector<std::thread> draden;
    draden.reserve(static_cast<std::size_t>(taken));
    for (int i = 0; i < taken; ++i) draden.emplace_back(werker);
    pthread_sigmask(SIG_SETMASK, &eerder, nullptr);

    Regel r;
    while (!gestopt(instelling) && volgendeRegel(lezer, r)) {
        std::unique_lock<std::mutex> l(slot);
        ruimteCv.wait(l, [&] { return rij.size() < venster; });
        if (!uit) break;  // nobody reads the answers any more
        rij.push_back(Taak{std::move(r), {}, {}, false});
        ++erin;
        l.unlock();
        werkCv.notify_one();
        r = Regel{};
    }
    {
        std::lock_guard<std::mutex> l(slot);
        invoerOp = true;
    }
    werkCv.notify_all();
    for (auto& d : draden) d.join();
}

}  // namespace

bool draaiBatch(RegelLezer& lezer, std::ostream& uit, std::ostream& fout,
                const BatchInstelling& instelling, BatchTelling& telling) {
    BatchUitvoer verslag(uit, fout, instelling, telling);
    telling.metVerslag = instelling.opties.verslag;  // an empty batch has its counts too
    // No header for input that cannot be read at all.
    if (instelling.csv && lezer.kijk()) uit << csvKop() << CSV_EINDE;
    if (instelling.taken > 1)
        naastElkaar(lezer, uit, instelling, verslag, instelling.taken);
    else
        naElkaar(lezer, uit, instelling, verslag);
    verslag.einde();
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
    std::string s = tekst;
    if (t.metVerslag) {
        s += "; niveau:";
        for (std::size_t n = 0; n < t.perNiveau.size(); ++n)
            s += (n == 0 ? " " : ", ") + std::to_string(t.perNiveau[n]) + " " +
                 teksten::niveauTekst(static_cast<Niveau>(n));
        s += "; oplossingen:";
        for (Oplossingen o : {Oplossingen::Uniek, Oplossingen::Meerdere, Oplossingen::Geen})
            s += (o == Oplossingen::Uniek ? " " : ", ") +
                 std::to_string(t.perOplossingen[static_cast<std::size_t>(o)]) + " " +
                 teksten::oplossingenWoord(o);
    }
    return s;
}

std::string csvKop() {
    std::string s = "regel,puzzel,bord,uitkomst,niveau,oplossingen,stappen,gokken";
    for (int t = 0; t < AANTAL_TECHNIEKEN; ++t)
        s += ',' + csvVeld(teksten::techniekNaam(static_cast<Techniek>(t)));
    return s + ",gegeven,oplossing";
}

std::string csvVeld(const std::string& veld) {
    const bool quoten = veld.find_first_of(",\"\r\n") != std::string::npos ||
                        (!veld.empty() && (veld.front() == ' ' || veld.back() == ' '));
    if (!quoten) return veld;
    std::string s = "\"";
    for (char c : veld) {
        if (c == '"') s += '"';
        s += c;
    }
    return s + '"';
}

}  // namespace sudoku::cli
