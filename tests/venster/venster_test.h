// What the window's tests share: the example, helpers that drive the window as a user does,
// and the test class, whose functions live in the file of the code they test.
#pragma once
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

#include <array>
#include <bitset>
#include <cmath>
#include <fstream>
#include <functional>
#include <map>
#include <set>
#include <vector>

#include "board/bordregel.h"
#include "form/teksten.h"
#include "sudoku_venster.h"
#include "sudoku_versie.h"
#include "verslag_venster.h"
#include "vertalingen.h"

using sudoku::Kleur;
using sudoku::Knop;
using sudoku::SudokuVenster;
using sudoku::Vink;

inline const std::string VOORBEELD = SUDOKU_VOORBEELD;

// The example puzzle, row by row (1..9), nine characters each.
inline std::array<std::string, 10> voorbeeldRijen() {
    std::array<std::string, 10> rijen{};
    std::ifstream in(VOORBEELD);
    for (int r = 1; r <= 9; ++r) {
        std::getline(in, rijen[r]);
        rijen[r].resize(9, ' ');
    }
    return rijen;
}

inline QColor tekstKleur(const QLineEdit* cel) { return cel->palette().color(QPalette::Text); }
inline QColor vensterTekst(const SudokuVenster& v) {
    return v.palette().color(QPalette::WindowText);
}
inline void klik(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton); }
inline bool aan(const SudokuVenster& v, Knop k) { return v.knop(k)->isEnabled(); }

// Every cell box shows the digit the board holds (the verdict vouches for the board).
inline bool zoalsHetBord(SudokuVenster& v) {
    for (int i = 0; i < 81; ++i)
        if (v.cel(i / 9 + 1, i % 9 + 1)->text().trimmed().toStdString() !=
                v.form().veld(i / 9 + 1, i % 9 + 1) ||
            v.form().veld(i / 9 + 1, i % 9 + 1) == " ")
            return false;
    return true;
}

// The window with a log of the numbers the core reports placed, in order.
class LoggendVenster : public SudokuVenster {
public:
    using SudokuVenster::SudokuVenster;
    std::vector<std::string> plaatsingen;
    std::vector<sudoku::Reden> redenen;
    void geplaatst(int rij, int kol, const std::string& getal,
                   const sudoku::Reden& reden) override {
        plaatsingen.push_back(std::to_string(rij) + std::to_string(kol) + getal);
        redenen.push_back(reden);
        SudokuVenster::geplaatst(rij, kol, getal, reden);
    }
};

// A puzzle of 81 characters as a nine-line test-case text.
inline std::string negenRegels(const std::string& puzzel) {
    std::string t;
    for (int r = 0; r < 9; ++r) {
        std::string regel = puzzel.substr(static_cast<std::size_t>(r) * 9, 9);
        for (char& c : regel)
            if (c == '.' || c == '0') c = ' ';
        t += regel + "\n";
    }
    return t;
}

// Puzzle `nr` (from 1) of a public collection ("top95.txt"); empty when it is not there.
inline std::string uitVerzameling(const char* naam, int nr) {
    std::ifstream in(std::string(SUDOKU_PUZZELS) + "/" + naam);
    std::string regel;
    for (int i = 0; i < nr && std::getline(in, regel);) ++i;
    return regel.size() >= 81 ? regel.substr(0, 81) : std::string();
}

// Calls `bijMelding` for every step box the window opens while `doe` runs; it gets the
// box and its number (from 1) and closes the box. Answers how many boxes opened.
inline int metMeldingen(SudokuVenster& v, const std::function<void()>& doe,
                        const std::function<void(QMessageBox*, int)>& bijMelding) {
    int geteld = 0;
    QTimer t;
    QObject::connect(&t, &QTimer::timeout, [&] {
        // Boxes may follow each other at one address: each is marked once seen.
        QMessageBox* box = v.stapMelding();
        if (box == nullptr || !box->isVisible() || box->property("gezien").toBool()) return;
        box->setProperty("gezien", true);
        bijMelding(box, ++geteld);
    });
    t.start(1);
    doe();
    return geteld;
}

// The status line shows its text from the first character.
inline bool vanafBegin(QLineEdit* regel) {
    regel->window()->grab();  // lays the text out as on the screen
    return regel->cursorPosition() == 0 &&
           regel->inputMethodQuery(Qt::ImCursorRectangle).toRect().left() < 8;
}

inline bool langerDanVak(QLineEdit* regel) {
    return regel->fontMetrics().horizontalAdvance(regel->text()) > regel->contentsRect().width();
}

// Start-up again with nothing at either look-up path and no file named.
inline void zonderBestand(SudokuVenster& v, const QTemporaryDir& map) {
    v.form().testcaseArgument.reset();
    v.form().testcasePad1 = (map.path() + "/een/SudokuTestCase.txt").toStdString();
    v.form().testcasePad2 = (map.path() + "/twee/SudokuTestCase.txt").toStdString();
    v.form().Form_Load();
}

inline void zetKlembord(const QString& tekst) { QGuiApplication::clipboard()->setText(tekst); }

// A puzzle that needs a guess, one of which fails and is undone.
inline const std::string MET_GOK =
    ".2......6....41.....78....1......7....37.....6..412....1..74..5..8.5..7......39..";

// The cells whose box shows the tint of the window's palette.
inline std::bitset<81> getint(const SudokuVenster& v) {
    std::bitset<81> b;
    for (int i = 0; i < 81; ++i)
        b[static_cast<std::size_t>(i)] =
            v.cel(i / 9 + 1, i % 9 + 1)->palette().color(QPalette::Base) ==
            sudoku::markeerKleur(v.palette());
    return b;
}

// The contrast ratio of two colours as readability guidelines define it (1 to 21).
inline double contrast(const QColor& a, const QColor& b) {
    const auto licht = [](const QColor& c) {
        const auto lin = [](double x) {
            return x <= 0.03928 ? x / 12.92 : std::pow((x + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * lin(c.redF()) + 0.7152 * lin(c.greenF()) + 0.0722 * lin(c.blueF()) + 0.05;
    };
    return std::max(licht(a), licht(b)) / std::min(licht(a), licht(b));
}

inline QPalette donkerPalet() {
    QPalette p(QColor(45, 45, 45));  // buttons and window
    for (auto [rol, kleur] : {std::pair{QPalette::WindowText, QColor(Qt::white)},
                              {QPalette::Text, QColor(Qt::white)},
                              {QPalette::Base, QColor(30, 30, 30)},
                              {QPalette::Highlight, QColor(42, 130, 218)}})
        p.setColor(rol, kleur);
    return p;
}

// The text and informative text of the modal box that `doe` opens; the box is closed.
inline QString modaleTekst(const std::function<void()>& doe) {
    QString tekst;
    QTimer t;
    QObject::connect(&t, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr || !box->isVisible()) return;
        tekst = box->text() + "\n" + box->informativeText();
        box->accept();
    });
    t.start(1);
    doe();
    return tekst;
}

inline void toon(SudokuVenster& v) {
    v.show();
    v.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&v));
}

inline QString klembord() { return QGuiApplication::clipboard()->text(); }

class VensterTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void tabVolgorde();
    void sessie();
    void stapMelding();
    void ongeldigeInvoer();
    void versie();
    void zonderBeeldscherm();
    void kleinScherm();
    void statusVanafBegin();
    void meldingNaastCel();
    void escapeStoptStappen();
    void sluitenTijdensOplossen();
    void plakken();
    void slepenVanBestand();
    void toegankelijkeNamen();
    void markeringPerEenheid();
    void verslagNaGok();
    void menus();
    void openenGeweigerd();
    void schermlezer();
    void toetsenbord();
    void nederlands();
    void leesbaarInLichtEnDonker();
    void stapMeldingLegtUit();
    void tipVanWaarJeBent();
    void verslagLegtUit();
    void markeringDoorzichtig();
};
