// sudoku-blad-cli: the solver without a window, for one test-case file or a batch of
// puzzles, one per line.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <iostream>
#include <memory>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "board/sudoku_form.h"
#include "cli/argumenten.h"
#include "cli/batch.h"
#include "cli/bedieningen.h"
#include "cli/oplossen.h"
#include "cli/spoor_controls.h"
#include "cli/teksten.h"
#include "cli/tip_uitvoer.h"
#include "form/bordstand.h"
#include "form/teksten.h"
#include "form/testcase_bestand.h"
#include "sudoku_versie.h"
#include "uitleg/teksten.h"

namespace {

using namespace sudoku;
using namespace sudoku::cli;

constexpr const char* NAAM = "sudoku-blad-cli";

constexpr const char* GEBRUIK =
    "gebruik: sudoku-blad-cli [--trial] [--modules] [--trace] [--stappen] [--uitleg] [--verslag]\n"
    "                         BESTAND\n"
    "         sudoku-blad-cli [--trial] [--modules] [--trace] [--stappen] [--uitleg] [--verslag]\n"
    "                         [--jobs N] --batch BESTAND\n"
    "         sudoku-blad-cli [--trial] [--modules] [--verslag] [--jobs N] --csv --batch BESTAND\n"
    "         sudoku-blad-cli [--trial] [--modules] [--trace] --bedieningen [--batch] BESTAND\n"
    "         sudoku-blad-cli [--trial] [--modules] --tip BESTAND\n"
    "         sudoku-blad-cli --help | --version\n";

constexpr const char* HULP =
    "\n"
    "Lost een Sudoku op zoals Sudoku Blad dat doet, zonder venster.\n"
    "\n"
    "  BESTAND          een testcase: negen regels, per regel negen tekens 1-9 of spatie\n"
    "                   ('.' en '0' gelden ook als leeg), ook als rooster met '|' tussen\n"
    "                   de blokken, scheidingsregels van '-', '+', '|', '=' en regels die\n"
    "                   met '#' beginnen; of de hele puzzel op een regel van 81 tekens;\n"
    "                   '-' leest standaardinvoer\n"
    "  --batch BESTAND  een puzzel per regel (81 tekens, rij na rij); lege regels en\n"
    "                   regels die met '#' beginnen worden overgeslagen; '-' leest\n"
    "                   standaardinvoer\n"
    "  --trial          'uitproberen toestaan' aangevinkt\n"
    "  --modules        'weergave modules' aangevinkt\n"
    "  --trace          elk geplaatst getal (place R K D) en elke nieuwe statustekst\n"
    "                   (status \"TEKST\") melden zodra het gebeurt\n"
    "  --stappen        het oplospad: voor het bord een regel per geplaatst getal, met de\n"
    "                   techniek en de rij, kolom, het blok of de band die het afdwingt,\n"
    "                   en een regel per ongedaan gemaakte gok, bijvoorbeeld\n"
    "                     stap 1: rij 1, kolom 2 = 7, Module BLOKLIJNEN Horizontaal, rijen 1-3, "
    "blok 1\n"
    "                     gok ongedaan: terug naar stap 16\n"
    "                   (\" (gok)\" na de gok zelf, \" (onder gok)\" zolang een gok geldt)\n"
    "  --uitleg         (houdt --stappen in) onder elke stap waarom het getal daar moet\n"
    "                   (waarom: een zin) en het bewijs; elke uitsluiting (een cijfer dat via\n"
    "                   de uitzonderingstabel afvalt in vakken waar het nog niet afviel, met\n"
    "                   de oorzaak) en elk wissen van die tabel op hun plaats tussen de stappen,\n"
    "                   bijvoorbeeld\n"
    "                     stap 1: rij 6, kolom 2 = 7, Module BLOKLIJNEN Horizontaal, rijen 4-6, "
    "blok 4\n"
    "                       waarom: Kruisen langs de rijen: in blok 4 moet de 7 in rij 6, ...\n"
    "                       bewijs: band: r4k7 r5k4; r6k3: r3k3\n"
    "                     uitsluiting 1: 1 valt af in r2k1 r2k2 r2k3 r3k1 r3k2, Module LIJNEN\n"
    "                     Horizontaal mbv uitz tabel, rij 1\n"
    "                       waarom: Opeisen: in rij 1 kan de 1 alleen nog in r1k1 en r1k3, ...\n"
    "                       oorzaak: r1k1 r1k3\n"
    "                       weg: geen\n"
    "                     tabel gewist\n"
    "                   weg: de vakken waar wie met potlood meedoet het cijfer nog had (of\n"
    "                   geen); steunt op: de eerdere uitsluitingen waarop de oorzaak rust;\n"
    "                   wat weggestreept is, blijft dat (ook na tabel gewist), behalve na een\n"
    "                   ongedaan gemaakte gok; het bewijs noemt per ander leeg vak de cel die\n"
    "                   het cijfer al heeft (rRkK: rRkK) of de uitsluiting die het daar het\n"
    "                   eerst wegstreepte (rRkK: uitsluiting N); bij een naakte enkeling per\n"
    "                   ander cijfer (E: rRkK, E: uitsluiting N); band: de twee cellen van de\n"
    "                   band met het cijfer; enige lege vak; gok: D1 of D2 (D1 geprobeerd);\n"
    "                   herstel: gok van stap N, andere optie D; tegenspraak: C in blok B en\n"
    "                   per leeg vak van dat blok de cel met C die het ziet (rRkK: rRkK)\n"
    "  --verslag        een verslag per puzzel: het niveau (de hoogste trap die een plaatsing\n"
    "                   nodig had: basis, uitzonderingstabel, naked, gok, of onopgelost), het\n"
    "                   aantal oplossingen (uniek, meerdere, geen) en het aantal plaatsingen\n"
    "                   per techniek, na de result-regel, bijvoorbeeld\n"
    "                     niveau basis\n"
    "                     oplossingen uniek\n"
    "                     techniek \"verborgen enkeling in rij\" 23\n"
    "                   in een batch: NIVEAU OPLOSSINGEN achter elke regel, en de aantallen\n"
    "                   per niveau en per antwoord in de samenvatting\n"
    "  --csv            (met --batch) een kopregel, dan een CSV-rij per regel: regel, puzzel,\n"
    "                   bord, uitkomst, niveau, oplossingen, stappen, gokken, een kolom per\n"
    "                   techniek, gegeven (het aantal gegeven cijfers) en oplossing (de\n"
    "                   oplossing als die uniek is); regels eindigen op CR LF; een afgewezen\n"
    "                   regel heeft de reden als uitkomst, bijvoorbeeld\n"
    "                     sudoku-blad-cli --trial --csv --batch puzzels.txt > verslag.csv\n"
    "  --bedieningen    de stand van elk bedieningselement van het venster, na het laden,\n"
    "                   na Start en na Herstart: per cel (cel R K \"TEKST\" KLEUR), de\n"
    "                   vakjes Kompleet (oplos), de knoppen (knop NAAM aan|uit\n"
    "                   zichtbaar|verborgen), de vinkjes (vink NAAM 0|1), de statusregel\n"
    "                   (opmerk) en na Start het aantal stapmeldingen (meldingen N); in een\n"
    "                   batch na een regel puzzel N per puzzel\n"
    "  --tip            (alleen met --trial en --modules) een tip voor het bord zoals het\n"
    "                   staat, in drie stappen, zoals de Tip van het venster:\n"
    "                     tip 1: Verborgen enkeling in rij: kijk naar rij 3.\n"
    "                     tip 2: Verborgen enkeling in rij: in rij 3 kan de 7 maar op één plek:\n"
    "                     r3k5.\n"
    "                     tip 3: (de zin van de eerste stap, als bij --uitleg)\n"
    "                   zonder stap (de technieken plaatsen niets, het bord is vol of breekt\n"
    "                   de regels) een regel tip: TEKST en afsluitcode 1\n"
    "  --jobs N         een batch op N draden oplossen (standaard: het aantal kernen);\n"
    "                   de uitvoer is dezelfde als met --jobs 1, in dezelfde volgorde\n"
    "  --help           deze hulp\n"
    "  --version        het versienummer\n"
    "  --               wat volgt is een BESTAND, ook als het met '-' begint\n"
    "\n"
    "Uitvoer van een enkel bestand: de gebeurtenissen (met --trace) en stappen (met\n"
    "--stappen), negen regels met het bord ('.' is leeg), result \"STATUSTEKST\" en het\n"
    "verslag (met --verslag). Afsluitcode 0: opgelost, 1: niet\n"
    "opgelost, 2: verkeerd gebruik of een bestand dat niet gelezen of geladen kan worden.\n"
    "\n"
    "Uitvoer van een batch: per puzzel (na de gebeurtenissen en stappen) het bord van 81\n"
    "tekens en \"STATUSTEKST\" (met --verslag gevolgd door NIVEAU OPLOSSINGEN); per\n"
    "afgewezen regel error REGELNUMMER \"REDEN\". Een samenvatting\n"
    "volgt op standaardfout. Afsluitcode 0 als elke regel (op de overgeslagen na) een\n"
    "puzzel was, opgelost of niet; 2 als er een regel is afgewezen (alle andere regels\n"
    "zijn dan toch opgelost en gemeld), als lezen of schrijven mislukt of bij verkeerd\n"
    "gebruik. Na Ctrl+C (SIGINT) of SIGTERM maakt een batch de regel af waar hij aan\n"
    "schrijft, geeft de samenvatting en stopt met afsluitcode 130 of 143.\n"
    "\n"
    "Elke optie mag een keer gegeven worden. Regels eindigen op LF, CR LF of CR.\n";

int gebruiksfout(const std::string& reden) {
    std::cerr << NAAM << ": " << reden << "\n" << GEBRUIK;
    return 2;
}

// How a path or standard input is named in a message: escaped, so that a name cannot add
// lines of its own.
std::string bronNaam(const std::string& pad) {
    return pad == "-" ? "standaardinvoer" : teksten::zichtbaar(pad);
}

// Standard input is refused before anything is read when it is closed or a folder, in
// single and batch mode alike; "" when it may be read.
std::string standaardinvoerFout() {
    struct stat st {};
    if (::fstat(0, &st) != 0) return teksten::systeemReden(errno);
    if (S_ISDIR(st.st_mode)) return teksten::systeemReden(EISDIR);
    return "";
}

// Standard input as one test case, read with plain reads so that a closed input or a
// folder gives a reason instead of a stream exception. A test case has no business being
// large; past the limit the input is refused rather than held in memory.
constexpr std::size_t MAX_INVOER = std::size_t{16} << 20;

bool leesStandaardinvoer(std::string& invoer) {
    const auto weiger = [](const std::string& reden) {
        std::cerr << NAAM << ": standaardinvoer: " << reden << "\n";
        return false;
    };
    if (const std::string fout = standaardinvoerFout(); !fout.empty()) return weiger(fout);
    char buf[1 << 16];
    for (;;) {
        const ssize_t n = ::read(0, buf, sizeof buf);
        if (n == 0) return true;
        if (n < 0) {
            if (errno == EINTR) continue;
            return weiger(teksten::cliLezenMislukt(0, errno));
        }
        if (invoer.size() + static_cast<std::size_t>(n) > MAX_INVOER)
            return weiger("groter dan " + std::to_string(MAX_INVOER >> 20) + " MiB, geen testcase");
        invoer.append(buf, static_cast<std::size_t>(n));
    }
}

// The test case at `pad`, or on standard input for "-"; a pipe is read like a file, as
// standard input is. False (with the reason given) when standard input cannot be read.
bool leesInvoer(const std::string& pad, GeladenTestcase& testcase) {
    if (pad != "-") {
        testcase = laadTestcase(pad, true);
        return true;
    }
    std::string invoer;
    if (!leesStandaardinvoer(invoer)) return false;
    std::istringstream bron(invoer);
    testcase.inhoud = leesTestcase(bron);
    return true;
}

// After the last output: false (and a message) when some of it did not arrive.
bool uitvoerGeschreven() {
    std::cout.flush();
    if (std::cout) return true;
    std::cerr << NAAM << ": schrijven van de uitvoer mislukt\n";
    return false;
}

int enkel(const std::string& pad, const Opties& opties) {
    // The test case is read once, here: the start-up load and, with --bedieningen, the
    // reload of "Herstart" take it over.
    GeladenTestcase testcase;
    if (!leesInvoer(pad, testcase)) return 2;
    // A refused test case has only its reason, on stderr; the dumps still show the window
    // it leaves.
    const bool geweigerd = testcase.inhoud.uitkomst != TestcaseInhoud::Uitkomst::Goed;
    const auto meldWeigering = [&] {
        std::cerr << NAAM << ": " << bronNaam(pad) << ": " << teksten::weigerReden(testcase)
                  << "\n";
    };
    if (geweigerd && !opties.bedieningen) {
        meldWeigering();
        return 2;
    }
    std::optional<OplosOpname> oplosOpname;
    if (opties.stappen || opties.verslag) oplosOpname.emplace();
    OplosOpname* opname = oplosOpname ? &*oplosOpname : nullptr;
    TellendeControls ui(opties.spoor && !geweigerd ? &std::cout : nullptr,
                        opname ? &opname->pad : nullptr, opties.stappen ? &std::cout : nullptr);
    ui.zetUitleg(opties.uitleg);
    SudokuForm form(ui);
    if (geweigerd) {
        draaiMetBedieningen(form, ui, testcase, opties, opname, std::cout);
        uitvoerGeschreven();
        meldWeigering();
        return 2;
    }
    Uitkomst u;
    if (opties.bedieningen) {
        u = draaiMetBedieningen(form, ui, testcase, opties, opname, std::cout);
    } else {
        // Exactly the program's start-up with this file as its test case.
        form.testcaseVooraf = std::move(testcase);
        form.Form_Load();
        u = drukStart(form, ui, opties, opname);
    }
    for (int r = 0; r < 9; ++r) std::cout << std::string_view(u.bord).substr(r * 9, 9) << '\n';
    std::cout << "result \"" << u.status << "\"\n";
    if (u.metVerslag) {
        std::cout << "niveau " << teksten::niveauTekst(u.verslag.niveau) << '\n'
                  << "oplossingen " << teksten::oplossingenWoord(u.verslag.oplossingen) << '\n';
        // One line per technique that placed a number, in the ladder's order.
        for (int t = 0; t < AANTAL_TECHNIEKEN; ++t)
            if (const int n = u.verslag.perTechniek[static_cast<std::size_t>(t)]; n > 0)
                std::cout << "techniek \"" << mensNaamVan(static_cast<Techniek>(t)) << "\" " << n
                          << '\n';
    }
    if (!uitvoerGeschreven()) return 2;
    return isOpgelost(u.afloop) ? 0 : 1;
}

// --tip: the test case read as for a single solve, then the tip for its board.
int tipVoor(const std::string& pad, const Opties& opties) {
    GeladenTestcase testcase;
    if (!leesInvoer(pad, testcase)) return 2;
    if (testcase.inhoud.uitkomst != TestcaseInhoud::Uitkomst::Goed) {
        std::cerr << NAAM << ": " << bronNaam(pad) << ": " << teksten::weigerReden(testcase)
                  << "\n";
        return 2;
    }
    const int code = schrijfTip(std::cout, standVan(testcase.inhoud).bord, opties);
    return uitvoerGeschreven() ? code : 2;
}

// The signal that asked a batch to stop, or 0. The handler only notes it: the batch ends
// the line it is writing, prints its summary and leaves with 128 + the signal's number. A
// second one ends the program at once (SA_RESETHAND).
volatile std::sig_atomic_t stopSignaal = 0;

void bijStopSignaal(int signaal) { stopSignaal = signaal; }

void vangStopSignalen() {
    struct sigaction actie {};
    actie.sa_handler = bijStopSignaal;
    sigemptyset(&actie.sa_mask);
    // No SA_RESTART: a read that waits for input returns, so that the batch can stop.
    actie.sa_flags = SA_RESETHAND;
    sigaction(SIGINT, &actie, nullptr);
    sigaction(SIGTERM, &actie, nullptr);
}

int batch(const std::string& pad, const Opties& opties, bool csv, int taken) {
    vangStopSignalen();
    const auto start = std::chrono::steady_clock::now();
    const auto seconden = [&] {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    };
    const auto gestopt = [&](long regel) {
        std::cerr << NAAM << ": gestopt door " << (stopSignaal == SIGINT ? "SIGINT" : "SIGTERM")
                  << " na regel " << regel << "\n";
        return 128 + stopSignaal;
    };
    int fd = 0;
    if (pad == "-") {
        if (const std::string fout = standaardinvoerFout(); !fout.empty()) {
            std::cerr << NAAM << ": standaardinvoer: " << fout << "\n";
            return 2;
        }
    } else {
        GeladenTestcase g;
        fd = openTestcase(pad, true, g);
        if (fd < 0) {
            if (stopSignaal != 0) {
                std::cerr << samenvatting(BatchTelling{}, seconden()) << "\n";
                return gestopt(0);
            }
            std::cerr << NAAM << ": " << bronNaam(pad) << ": " << teksten::weigerReden(g) << "\n";
            return 2;
        }
    }
    BatchInstelling instelling;
    instelling.opties = opties;
    instelling.csv = csv;
    if (csv) instelling.opties.verslag = true;  // the rows carry the report
    // A progress line only helps when the results themselves go elsewhere.
    instelling.voortgang = ::isatty(2) && !::isatty(1);
    instelling.directDoorgeven = ::isatty(1);
    instelling.taken = taken;
    instelling.stop = &stopSignaal;

    BatchTelling telling;
    auto lezer = std::make_unique<RegelLezer>(fd, &stopSignaal);
    const bool gelezen = draaiBatch(*lezer, std::cout, std::cerr, instelling, telling);
    if (fd != 0) ::close(fd);
    std::cerr << samenvatting(telling, seconden()) << "\n";
    if (stopSignaal != 0) {
        uitvoerGeschreven();
        return gestopt(lezer->nummer());
    }
    if (!gelezen) {
        std::cerr << NAAM << ": " << bronNaam(pad) << ": "
                  << teksten::cliLezenMislukt(lezer->nummer(), lezer->fout()) << "\n";
        return 2;
    }
    if (!uitvoerGeschreven()) return 2;
    // Every other line has been answered; a refused one still makes the batch fail.
    return telling.afgewezen > 0 ? 2 : 0;
}

}  // namespace

int main(int argc, char** argv) {
    // A reader that goes away (`| head`) is a write error like any other: reported, status 2.
    std::signal(SIGPIPE, SIG_IGN);
    std::ios::sync_with_stdio(false);
    Aanroep a;
    const unsigned kernen = std::thread::hardware_concurrency();
    a.taken = kernen > 0 ? static_cast<int>(std::min(kernen, 256u)) : 1;
    if (const std::string fout = leesArgumenten({argv + 1, argv + argc}, a); !fout.empty())
        return gebruiksfout(fout);
    if (a.hulp) {
        std::cout << GEBRUIK << HULP;
        return uitvoerGeschreven() ? 0 : 2;
    }
    if (a.versie) {
        std::cout << SUDOKU_VERSIE << "\n";
        return uitvoerGeschreven() ? 0 : 2;
    }
    const Opties& opties = a.opties;
    if (a.bestanden.empty()) return gebruiksfout("geen BESTAND opgegeven");
    if (a.bestanden.size() > 1) return gebruiksfout("meer dan een BESTAND opgegeven");
    if (a.bestanden[0].empty()) return gebruiksfout("lege bestandsnaam");
    if (a.csv && !a.batch) return gebruiksfout("--csv alleen met --batch");
    if (a.takenGegeven && !a.batch) return gebruiksfout("--jobs alleen met --batch");
    if (opties.bedieningen && (a.csv || opties.stappen || opties.verslag || a.takenGegeven))
        return gebruiksfout(
            "--bedieningen gaat alleen samen met --trial, --modules, --trace en --batch");
    // Event and step lines would break the rows apart.
    if (a.csv && (opties.spoor || opties.stappen))
        return gebruiksfout("--csv gaat niet samen met --trace, --stappen of --uitleg");
    if (a.tip && (a.batch || a.csv || a.takenGegeven || opties.spoor || opties.stappen ||
                  opties.verslag || opties.bedieningen))
        return gebruiksfout("--tip gaat alleen samen met --trial en --modules");
    if (a.tip) return tipVoor(a.bestanden[0], opties);
    return a.batch ? batch(a.bestanden[0], opties, a.csv, a.taken) : enkel(a.bestanden[0], opties);
}
