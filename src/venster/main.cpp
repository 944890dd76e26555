// sudoku-blad: the window. An optional file argument replaces both look-ups of
// SudokuTestCase.txt.
#include <QApplication>
#include <QCommandLineParser>
#include <QPixmap>
#include <QPushButton>

#include <cstdio>
#include <memory>
#include <optional>
#include <string>

#include "sudoku_venster.h"
#include "sudoku_versie.h"
#include "vertalingen.h"

namespace {

// --help and --version are answered without opening a window, so that they also work
// where no display is available.
bool alleenTekst(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--") break;
        if (a == "-h" || a == "--help" || a == "-?" || a == "--help-all" || a == "-v" ||
            a == "--version")
            return true;
    }
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    std::unique_ptr<QCoreApplication> app;
    if (alleenTekst(argc, argv))
        app = std::make_unique<QCoreApplication>(argc, argv);
    else
        app = std::make_unique<QApplication>(argc, argv);
    QCoreApplication::setApplicationName("sudoku-blad");
    QCoreApplication::setApplicationVersion(SUDOKU_VERSIE);
    QGuiApplication::setDesktopFileName("sudoku-blad");
    // Before the options are made: their help texts are translated as they are added.
    sudoku::laadQtVertalingen(*app);

    QCommandLineParser opties;
    opties.setApplicationDescription(
        "Sudoku Blad: vult een 9 x 9 Sudoku stap voor stap in.\n"
        "Zonder BESTAND wordt SudokuTestCase.txt op de vaste plaatsen gezocht.");
    opties.addHelpOption();
    opties.addVersionOption();
    opties.addPositionalArgument("BESTAND",
                                 "De opgave: negen regels van negen tekens, "
                                 "\"1\" .. \"9\" of een spatie.",
                                 "[BESTAND]");
    const QCommandLineOption schermafdruk(
        "screenshot",
        "Laadt de opgave, drukt op Start, bewaart een afbeelding van het venster in <png> "
        "en stopt.",
        "png");
    opties.addOption(schermafdruk);
    opties.process(*app);

    const QStringList argumenten = opties.positionalArguments();
    if (argumenten.size() > 1) {
        std::fputs("sudoku-blad: hoogstens een BESTAND\n", stderr);
        return 2;
    }
    std::optional<std::string> testcase;
    if (!argumenten.isEmpty()) testcase = argumenten.first().toStdString();

    sudoku::SudokuVenster venster(testcase);
    venster.show();

    if (opties.isSet(schermafdruk)) {
        QApplication::processEvents();
        QPushButton* start = venster.knop(sudoku::Knop::Start);
        if (start->isEnabled() && start->isVisible()) start->click();
        QApplication::processEvents();
        const QString doel = opties.value(schermafdruk);
        if (!venster.grab().save(doel, "PNG")) {
            std::fprintf(stderr, "sudoku-blad: kan %s niet schrijven\n", qPrintable(doel));
            return 1;
        }
        return 0;
    }
    return QApplication::exec();
}
