// Start-up (Form_Load) and "Herstart": look up SudokuTestCase.txt, load it, show it.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <istream>
#include <streambuf>

#include "board/sudoku_form.h"
#include "form/teksten.h"
#include "form/testcase_bestand.h"

namespace sudoku {

namespace fs = std::filesystem;

String SudokuForm::standaardPad1() {
#ifdef _WIN32
    return "C:\\tmp\\SudokuTestCase.txt";
#else
    return "/tmp/SudokuTestCase.txt";
#endif
}

String SudokuForm::standaardPad2() {
#ifdef _WIN32
    return "E:\\VB_projecten\\Sudoku\\SudokuTestCase.txt";
#else
    const char* home = std::getenv("HOME");
    if (home == nullptr || *home == '\0') return "";
    return (fs::path(home) / "VB_projecten" / "Sudoku" / "SudokuTestCase.txt").string();
#endif
}

// The bare name of the file at `pad` as the folder listing spells it, or "" when
// the folder holds no file of that name (a folder of that name does not count).
String SudokuForm::directoryOpzoeking(const String& pad) {
    if (pad.empty()) return "";
    std::error_code ec;
    const fs::path p(pad);
    const fs::path map = p.has_parent_path() ? p.parent_path() : fs::path(".");
    const String naam = p.filename().string();
    for (fs::directory_iterator it(map, ec), eind; !ec && it != eind; it.increment(ec)) {
        if (it->path().filename().string() != naam) continue;
        std::error_code ec2;
        if (it->is_directory(ec2)) return "";
        return naam;
    }
    return "";
}

namespace {
// The bare name to show for a path; "map/" names the folder.
String naamVan(const String& pad) {
    fs::path p(pad);
    String naam = p.filename().string();
    if (naam.empty()) naam = p.parent_path().filename().string();
    return naam.empty() ? pad : naam;
}

// Reads a file descriptor for an input stream, and keeps what the system said of a read
// that failed (the stream itself only sees its end).
class BestandBron : public std::streambuf {
public:
    explicit BestandBron(int fd) : fd_(fd) {}
    int fout() const { return fout_; }

protected:
    int_type underflow() override {
        for (;;) {
            const ssize_t n = ::read(fd_, buf_, sizeof buf_);
            if (n > 0) {
                setg(buf_, buf_, buf_ + n);
                return traits_type::to_int_type(buf_[0]);
            }
            if (n < 0 && errno == EINTR) continue;
            if (n < 0) fout_ = errno;
            return traits_type::eof();
        }
    }

private:
    int fd_;
    int fout_ = 0;
    char buf_[4096];
};

}  // namespace

int openTestcase(const std::string& pad, bool pijpen, GeladenTestcase& g) {
    using U = TestcaseInhoud::Uitkomst;
    g.naam = naamVan(pad);
    auto weiger = [&](U u, int fout) {
        g.inhoud.uitkomst = u;
        g.fout = fout != 0 ? std::error_code(fout, std::system_category()) : std::error_code();
        return -1;
    };
    if (pad.empty()) return weiger(U::Ontbreekt, 0);
    struct stat st {};
    if (::stat(pad.c_str(), &st) != 0) {
        const int fout = errno;
        // A path through something that is no folder leads nowhere either.
        if (fout == ENOENT || fout == ENOTDIR) return weiger(U::Ontbreekt, 0);
        return weiger(U::NietTeOpenen, fout);
    }
    // Only a plain file is read (or a pipe where the caller waits for it): a folder or a
    // device would never end or say nothing.
    if (S_ISDIR(st.st_mode)) return weiger(U::GeenGewoonBestand, EISDIR);
    if (!S_ISREG(st.st_mode) && !(pijpen && S_ISFIFO(st.st_mode)))
        return weiger(U::GeenGewoonBestand, 0);
    // Not retried after a signal: a batch that is told to stop while it waits for a pipe
    // stops.
    const int fd = ::open(pad.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) return weiger(U::NietTeOpenen, errno);
    return fd;
}

GeladenTestcase laadTestcase(const std::string& pad, bool pijpen) {
    GeladenTestcase g;
    const int fd = openTestcase(pad, pijpen, g);
    if (fd < 0) return g;
    BestandBron buf(fd);
    std::istream bron(&buf);
    g.inhoud = leesTestcase(bron);
    if (buf.fout() != 0) {
        g.inhoud = TestcaseInhoud{};
        g.inhoud.uitkomst = TestcaseInhoud::Uitkomst::Onleesbaar;
        g.fout = std::error_code(buf.fout(), std::system_category());
    }
    ::close(fd);
    return g;
}

void SudokuForm::Form_Load() {
    if (testcaseVooraf) {
        GeladenTestcase g = std::move(*testcaseVooraf);
        testcaseVooraf.reset();
        neemOver(std::move(g));
        return;
    }
    if (testcaseArgument) {
        // A file the user named: whatever becomes of it, the status line names it.
        neemOver(laadTestcase(*testcaseArgument));
        return;
    }
    for (const String* pad : {&testcasePad1, &testcasePad2}) {
        bestand = directoryOpzoeking(*pad);
        if (bestand != "SudokuTestCase.txt") continue;
        GeladenTestcase g = laadTestcase(*pad);
        // The folder lists the name, so a path that leads nowhere is there but unreadable.
        if (g.inhoud.uitkomst == TestcaseInhoud::Uitkomst::Ontbreekt)
            g.inhoud.uitkomst = TestcaseInhoud::Uitkomst::GeenGewoonBestand;
        neemOver(std::move(g));
        return;
    }
    TestcaseInhoud geen;
    geen.uitkomst = TestcaseInhoud::Uitkomst::NietGevonden;
    laden(std::move(geen), bestand);
}

void SudokuForm::neemOver(GeladenTestcase g) {
    bestand = g.inhoud.uitkomst == TestcaseInhoud::Uitkomst::Ontbreekt ? "" : g.naam;
    laden(std::move(g.inhoud), g.naam);
}

void SudokuForm::Form_LoadUit(std::istream& bron) {
    bestand = "SudokuTestCase.txt";
    laden(leesTestcase(bron), bestand);
}

void SudokuForm::laden(TestcaseInhoud inhoud, const String& naam) {
    for (int d = 1; d <= 9; ++d) aantal(d) = 0;
    PROBEERUIT_OOIT = false;
    NWGETAL_OOIT = false;
    FileAanwezig = false;
    afloop = Afloop::NogNietOpgelost;

    if (inhoud.uitkomst != TestcaseInhoud::Uitkomst::Goed) {
        ui_.zetKnopEnabled(Knop::Start, false);
        ui_.zetOpmerk(testcaseMelding(inhoud, naam));
    } else {
        FileAanwezig = true;
        lus_rij = 1;
        for (int r = 1; r <= inhoud.regels; ++r) {
            regel = inhoud.rijen[r];
            for (lus_kol = 1; lus_kol <= 9; lus_kol = plus(lus_kol, 1)) {
                MOG = regel.substr(lus_kol - 1, 1);
                veld(lus_rij, lus_kol) = MOG;
                if (MOG != " ") TelGetal(MOG);
            }
            lus_rij = plus(lus_rij, 1);
        }
        // Rows the file does not give are empty.
        for (int r = inhoud.regels + 1; r <= 9; ++r)
            for (int k = 1; k <= 9; ++k) veld(r, k) = " ";
    }
    testcase = std::move(inhoud);

    ToonBord();
    WisUitzTabel();
}

void SudokuForm::HerstartCommand_Click() {
    for (int i = 1; i <= 9; ++i)
        for (int k = 1; k <= 9; ++k) ui_.zetCelKleur(i, k, KLEUR_VENSTERTEKST);
    ui_.zetKnopEnabled(Knop::Start, true);
    ui_.zetKnopEnabled(Knop::Herstart, false);
    ui_.zetOpmerk(teksten::BEGIN_OPNIEUW);
    Form_Load();
}

}  // namespace sudoku
