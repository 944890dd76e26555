// sudoku-blad: the window. An optional file argument replaces both look-ups of
// SudokuTestCase.txt.
#include <QApplication>
#include <QCommandLineParser>
#include <QPixmap>
#include <QPushButton>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "sudoku_venster.h"
#include "sudoku_versie.h"
#include "vertalingen.h"

namespace {

constexpr const char* GEEN_BEELDSCHERM =
    "sudoku-blad: Geen beeldscherm gevonden (DISPLAY en WAYLAND_DISPLAY zijn leeg): het venster "
    "kan niet open.\nsudoku-blad-cli lost een puzzel op zonder venster.\n";

// Qt's own options for a window ("-platform offscreen", "-style fusion", "-reverse"), with one
// dash or two: they stay for the QApplication, which takes them out of the arguments itself.
bool isQtOptie(const char* arg, bool& metWaarde) {
    static const char* const metWaarden[] = {"platform",      "platformpluginpath",
                                             "platformtheme", "plugin",
                                             "display",       "style",
                                             "stylesheet",    "qwindowgeometry",
                                             "geometry",      "qwindowtitle",
                                             "title",         "qwindowicon",
                                             "icon",          "session"};
    static const char* const vlaggen[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};
    if (arg[0] != '-') return false;
    const char* naam = arg + (arg[1] == '-' ? 2 : 1);
    metWaarde = false;
    for (const char* o : metWaarden)
        if (std::strcmp(naam, o) == 0) metWaarde = true;
    if (metWaarde) return true;
    for (const char* o : vlaggen)
        if (std::strcmp(naam, o) == 0) return true;
    // "-style=fusion" and "-stylesheet=file" in one.
    return std::strncmp(naam, "style=", 6) == 0 || std::strncmp(naam, "stylesheet=", 11) == 0;
}

// The platform Qt will ask for: "-platform" as given, else QT_QPA_PLATFORM; the first of a
// list, without its settings ("vnc:size=800x600").
std::string gevraagdPlatform(const std::string& optie) {
    const char* omgeving = std::getenv("QT_QPA_PLATFORM");
    std::string p = !optie.empty() ? optie : omgeving != nullptr ? omgeving : "";
    return p.substr(0, p.find_first_of(":;"));
}

bool leeg(const char* naam) {
    const char* w = std::getenv(naam);
    return w == nullptr || *w == '\0';
}

// Messages from Qt while the QApplication is made: held back, and dropped when Qt gives up
// because no display can be reached, which is then said in Dutch instead of Qt's advice to
// reinstall. Everything after that goes to Qt's own handler.
QtMessageHandler qtHandler = nullptr;
std::vector<std::tuple<QtMsgType, QByteArray, QString>> opgehouden;

void bijQtMelding(QtMsgType soort, const QMessageLogContext& plaats, const QString& tekst) {
    if (soort == QtFatalMsg) {
        const char* scherm = std::getenv("DISPLAY");
        std::fprintf(stderr,
                     "sudoku-blad: Het beeldscherm is niet te bereiken (DISPLAY=%s): het venster "
                     "kan niet open.\nsudoku-blad-cli lost een puzzel op zonder venster.\n",
                     scherm != nullptr ? scherm : "");
        std::_Exit(2);
    } else {
        opgehouden.emplace_back(soort, QByteArray(plaats.category), tekst);
    }
}

}  // namespace

int main(int argc, char** argv) {
    // The options are read before anything of a window is made, so that --help, --version
    // and a wrong option work and say so without a display.
    std::vector<char*> eigen{argv[0]};
    std::string platform;
    for (int i = 1; i < argc; ++i) {
        bool metWaarde = false;
        if (std::strcmp(argv[i], "--") == 0) {
            eigen.insert(eigen.end(), argv + i, argv + argc);
            break;
        }
        if (!isQtOptie(argv[i], metWaarde)) {
            eigen.push_back(argv[i]);
        } else if (metWaarde && i + 1 < argc) {
            if (std::strcmp(argv[i] + (argv[i][1] == '-' ? 2 : 1), "platform") == 0)
                platform = argv[i + 1];
            ++i;
        }
    }
    std::optional<std::string> testcase;
    std::optional<QString> schermafdruk;
    {
        int n = static_cast<int>(eigen.size());
        QCoreApplication tekst(n, eigen.data());
        QCoreApplication::setApplicationName("sudoku-blad");
        QCoreApplication::setApplicationVersion(SUDOKU_VERSIE);
        // Before the options are made: their help texts are translated as they are added.
        sudoku::laadQtVertalingen(tekst);
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
        const QCommandLineOption afdruk(
            "screenshot",
            "Laadt de opgave, drukt op Start, bewaart een afbeelding van het venster in <png> "
            "en stopt.",
            "png");
        opties.addOption(afdruk);
        if (!opties.parse(QCoreApplication::arguments())) {
            std::fprintf(stderr, "sudoku-blad: %s\nsudoku-blad --help noemt de opties.\n",
                         qPrintable(opties.errorText()));
            return 2;
        }
        if (opties.isSet("help") || opties.isSet("help-all")) opties.showHelp(0);
        if (opties.isSet("version")) opties.showVersion();
        const QStringList argumenten = opties.positionalArguments();
        if (argumenten.size() > 1) {
            std::fputs("sudoku-blad: hoogstens een BESTAND\n", stderr);
            return 2;
        }
        if (!argumenten.isEmpty()) testcase = argumenten.first().toStdString();
        if (opties.isSet(afdruk)) schermafdruk = opties.value(afdruk);
    }

    // Without a display server to talk to, Qt would stop the program with a message of its
    // own; the platforms that draw without one (offscreen, vnc, linuxfb, ...) need none.
    const std::string gevraagd = gevraagdPlatform(platform);
    if ((gevraagd.empty() || gevraagd == "xcb") && leeg("DISPLAY") && leeg("WAYLAND_DISPLAY")) {
        std::fputs(GEEN_BEELDSCHERM, stderr);
        return 2;
    }
    qtHandler = qInstallMessageHandler(bijQtMelding);
    QApplication app(argc, argv);
    qInstallMessageHandler(qtHandler);
    for (const auto& [soort, categorie, tekst] : opgehouden)
        qtHandler(soort, QMessageLogContext(nullptr, 0, nullptr, categorie.constData()), tekst);
    QCoreApplication::setApplicationName("sudoku-blad");
    QCoreApplication::setApplicationVersion(SUDOKU_VERSIE);
    QGuiApplication::setDesktopFileName("sudoku-blad");
    sudoku::laadQtVertalingen(app);

    sudoku::SudokuVenster venster(testcase);
    venster.show();

    if (schermafdruk) {
        QApplication::processEvents();
        QPushButton* start = venster.knop(sudoku::Knop::Start);
        if (start->isEnabled() && start->isVisible()) start->click();
        QApplication::processEvents();
        if (!venster.grab().save(*schermafdruk, "PNG")) {
            std::fprintf(stderr, "sudoku-blad: kan %s niet schrijven\n", qPrintable(*schermafdruk));
            return 1;
        }
        return 0;
    }
    return QApplication::exec();
}
