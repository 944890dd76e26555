// Start-up (Form_Load) and "Herstart": look up SudokuTestCase.txt, load it, show it.
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "board/sudoku_form.h"
#include "ui/teksten.h"
#include "ui/testcase_bestand.h"

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
}  // namespace

void SudokuForm::Form_Load() {
    using U = TestcaseInhoud::Uitkomst;
    auto zonder = [](U u) {
        TestcaseInhoud t;
        t.uitkomst = u;
        return t;
    };
    // Finding the file decides what `bestand` holds; opening happens below.
    String pad;
    bool gevonden = false;
    if (testcaseArgument) {
        // A file the user named: whatever becomes of it, the status line names it.
        pad = *testcaseArgument;
        std::error_code ec;
        if (!fs::exists(pad, ec)) {
            bestand.clear();
            laden(zonder(U::Ontbreekt), naamVan(pad));
            return;
        }
        bestand = naamVan(pad);
        gevonden = true;
    } else {
        bestand = directoryOpzoeking(testcasePad1);
        if (bestand == "SudokuTestCase.txt") {
            gevonden = true;
            pad = testcasePad1;
        } else {
            bestand = directoryOpzoeking(testcasePad2);
            if (bestand == "SudokuTestCase.txt") {
                gevonden = true;
                pad = testcasePad2;
            }
        }
    }
    if (!gevonden) {
        laden(zonder(U::NietGevonden), bestand);
        return;
    }
    std::error_code ec;
    // Only a plain file is read: a folder, a pipe or a device would never end or say nothing.
    if (!fs::is_regular_file(pad, ec)) {
        laden(zonder(U::GeenGewoonBestand), bestand);
        return;
    }
    std::ifstream bron(pad, std::ios::binary);
    if (!bron.is_open()) {
        laden(zonder(U::NietTeOpenen), bestand);
        return;
    }
    laden(leesTestcase(bron), bestand);
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
        ui_.zetOpmerk(inhoud.melding(naam));
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
