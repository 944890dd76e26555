// The window driven as a user drives it: clicks, typing, Tab, the step message box.
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
#include <QTextBrowser>
#include <QTimer>
#include <QtTest>

#include <array>
#include <bitset>
#include <cmath>
#include <fstream>
#include <functional>
#include <set>
#include <vector>

#include "board/bordregel.h"
#include "sudoku_venster.h"
#include "sudoku_versie.h"
#include "ui/teksten.h"
#include "verslag_venster.h"

using sudoku::Kleur;
using sudoku::Knop;
using sudoku::SudokuVenster;
using sudoku::Vink;

namespace {

const std::string kVoorbeeld = SUDOKU_VOORBEELD;

// The example puzzle, row by row (1..9), nine characters each.
std::array<std::string, 10> voorbeeldRijen() {
    std::array<std::string, 10> rijen{};
    std::ifstream in(kVoorbeeld);
    for (int r = 1; r <= 9; ++r) {
        std::getline(in, rijen[r]);
        rijen[r].resize(9, ' ');
    }
    return rijen;
}

QColor tekstKleur(const QLineEdit* cel) { return cel->palette().color(QPalette::Text); }
QColor vensterTekst(const SudokuVenster& v) { return v.palette().color(QPalette::WindowText); }
void klik(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton); }
bool aan(const SudokuVenster& v, Knop k) { return v.knop(k)->isEnabled(); }

// Every cell box shows the digit the board holds (the verdict vouches for the board).
bool zoalsHetBord(SudokuVenster& v) {
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
std::string negenRegels(const std::string& puzzel) {
    std::string t;
    for (int r = 0; r < 9; ++r) {
        std::string regel = puzzel.substr(static_cast<std::size_t>(r) * 9, 9);
        for (char& c : regel)
            if (c == '.' || c == '0') c = ' ';
        t += regel + "\n";
    }
    return t;
}

// Puzzle `nr` (from 1) of a public collection; empty when the collection is not there.
std::string uitVerzameling(const char* naam, int nr) {
    const QString pad =
        QFileInfo(QString(SUDOKU_VOORBEELD)).absolutePath() + "/../../shared/puzzles/" + naam;
    std::ifstream in(QDir::cleanPath(pad).toStdString());
    std::string regel;
    for (int i = 0; i < nr && std::getline(in, regel);) ++i;
    return regel.size() >= 81 ? regel.substr(0, 81) : std::string();
}

// Calls `bijMelding` for every step box the window opens while `doe` runs; it gets the
// box and its number (from 1) and closes the box. Answers how many boxes opened.
int metMeldingen(SudokuVenster& v, const std::function<void()>& doe,
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
bool vanafBegin(QLineEdit* regel) {
    regel->window()->grab();  // lays the text out as on the screen
    return regel->cursorPosition() == 0 &&
           regel->inputMethodQuery(Qt::ImCursorRectangle).toRect().left() < 8;
}

bool langerDanVak(QLineEdit* regel) {
    return regel->fontMetrics().horizontalAdvance(regel->text()) > regel->contentsRect().width();
}

// Start-up again with nothing at either look-up path and no file named.
void zonderBestand(SudokuVenster& v, const QTemporaryDir& map) {
    v.form().testcaseArgument.reset();
    v.form().testcasePad1 = (map.path() + "/een/SudokuTestCase.txt").toStdString();
    v.form().testcasePad2 = (map.path() + "/twee/SudokuTestCase.txt").toStdString();
    v.form().Form_Load();
}

void zetKlembord(const QString& tekst) { QGuiApplication::clipboard()->setText(tekst); }

// A puzzle that needs a guess, one of which fails and is undone.
const std::string kMetGok =
    ".2......6....41.....78....1......7....37.....6..412....1..74..5..8.5..7......39..";

// The cells whose box shows the tint of the window's palette.
std::bitset<81> getint(const SudokuVenster& v) {
    std::bitset<81> b;
    for (int i = 0; i < 81; ++i)
        b[static_cast<std::size_t>(i)] =
            v.cel(i / 9 + 1, i % 9 + 1)->palette().color(QPalette::Base) ==
            sudoku::markeerKleur(v.palette());
    return b;
}

// The contrast ratio of two colours as readability guidelines define it (1 to 21).
double contrast(const QColor& a, const QColor& b) {
    const auto licht = [](const QColor& c) {
        const auto lin = [](double x) {
            return x <= 0.03928 ? x / 12.92 : std::pow((x + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * lin(c.redF()) + 0.7152 * lin(c.greenF()) + 0.0722 * lin(c.blueF()) + 0.05;
    };
    return std::max(licht(a), licht(b)) / std::min(licht(a), licht(b));
}

QPalette donkerPalet() {
    QPalette p(QColor(45, 45, 45));  // buttons and window
    for (auto [rol, kleur] : {std::pair{QPalette::WindowText, QColor(Qt::white)},
                              {QPalette::Text, QColor(Qt::white)},
                              {QPalette::Base, QColor(30, 30, 30)},
                              {QPalette::Highlight, QColor(42, 130, 218)}})
        p.setColor(rol, kleur);
    return p;
}

// The text and informative text of the modal box that `doe` opens; the box is closed.
QString modaleTekst(const std::function<void()>& doe) {
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

void toon(SudokuVenster& v) {
    v.show();
    v.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&v));
}

QString klembord() { return QGuiApplication::clipboard()->text(); }

}  // namespace

class VensterTest : public QObject {
    Q_OBJECT

private slots:
    void tabVolgorde();
    void sessie();
    void stapMelding();
    void ongeldigeInvoer();
    void versie();
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
};

void VensterTest::tabVolgorde() {
    SudokuVenster v(kVoorbeeld);
    for (Knop k : {Knop::Invoer, Knop::Bevestig, Knop::Start, Knop::Herstart})
        v.knop(k)->setEnabled(true);
    v.show();
    v.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&v));
    // From "Invoer" through the cells block by block, row by row inside a block.
    QStringList verwacht{"Opmerk", "InvoerCommand"};
    for (const char* blokRijen : {"123", "456", "789"})
        for (const char* blokKolommen : {"ABC", "DEF", "GHI"})
            for (int i = 0; i < 9; ++i)
                verwacht << QString("Cell%1_%2").arg(blokKolommen[i % 3]).arg(blokRijen[i / 3]);
    verwacht << "BevInvoerCommand"
             << "Check_tussenstap";
    for (int i = 1; i <= 9; ++i) verwacht << QString("Oplos_%1").arg(i);
    verwacht << "StartCommand"
             << "Check_module"
             << "HerstartCommand"
             << "Check_uitproberen"
             << "Opmerk";
    v.opmerkVak()->setFocus();
    QStringList gelopen;
    for (int stap = 0; stap < verwacht.size(); ++stap) {
        QWidget* focus = QApplication::focusWidget();
        QVERIFY(focus != nullptr);
        gelopen << focus->objectName();
        QTest::keyClick(focus, Qt::Key_Tab);
    }
    QCOMPARE(gelopen, verwacht);
}

// A named file that is missing; then the example loaded, solved, restarted, typed in again
// and solved, the buttons pressed by mouse, Enter, the keypad's Enter and Space.
void VensterTest::sessie() {
    QTemporaryDir map;
    SudokuVenster leeg((map.path() + "/puzzel.txt").toStdString());
    QCOMPARE(leeg.opmerkVak()->text(), QString(" puzzel.txt bestaat niet "));
    QVERIFY(aan(leeg, Knop::Invoer) && !aan(leeg, Knop::Bevestig) && !aan(leeg, Knop::Start));

    SudokuVenster v(kVoorbeeld);
    v.show();
    v.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&v));
    QCOMPARE(v.opmerkVak()->text(), QString("Rastavo"));
    QVERIFY(aan(v, Knop::Invoer) && !aan(v, Knop::Bevestig) && aan(v, Knop::Start) &&
            !aan(v, Knop::Herstart));
    for (Vink vink : {Vink::Tussenstap, Vink::Module, Vink::Uitproberen})
        QCOMPARE(v.vinkWaarde(vink), 0);
    const auto rijen = voorbeeldRijen();
    const auto gegeven = [&rijen](int r, int k) { return rijen[r][k - 1] != ' '; };
    for (int r = 1; r <= 9; ++r)
        for (int k = 1; k <= 9; ++k)
            QCOMPARE(v.cel(r, k)->text().toStdString(), rijen[r].substr(k - 1, 1));
    const auto druk = [&](Knop k, Qt::Key toets) {
        v.knop(k)->setFocus(Qt::TabFocusReason);
        QTest::keyClick(v.knop(k), toets);
    };
    // Solve the loaded puzzle: the givens grey, the found numbers in the window-text colour.
    klik(v.vinkVak(Vink::Uitproberen));
    klik(v.knop(Knop::Start));
    QCOMPARE(v.opmerkVak()->text(), QString(" Sudoku succesvol ingevuld! "));
    QVERIFY(!aan(v, Knop::Start) && aan(v, Knop::Herstart));
    QVERIFY(zoalsHetBord(v));
    for (int r = 1; r <= 9; ++r)
        for (int k = 1; k <= 9; ++k)
            QCOMPARE(tekstKleur(v.cel(r, k)),
                     gegeven(r, k) ? QColor(128, 128, 128) : vensterTekst(v));
    for (int i = 1; i <= 9; ++i) QCOMPARE(v.oplosVak(i)->text(), QString::number(i));
    // Herstart by Enter: the file again in the normal colour; pressed again while
    // disabled, nothing changes.
    druk(Knop::Herstart, Qt::Key_Return);
    QCOMPARE(v.opmerkVak()->text(), QString(" Begin opnieuw met: Start "));
    QVERIFY(aan(v, Knop::Start) && !aan(v, Knop::Herstart));
    QCOMPARE(v.cel(1, 2)->text(), QString(" "));
    QCOMPARE(tekstKleur(v.cel(1, 1)), vensterTekst(v));
    druk(Knop::Herstart, Qt::Key_Return);
    QCOMPARE(v.opmerkVak()->text(), QString(" Begin opnieuw met: Start "));
    // Invoer by Space, type the same puzzle, Bevestig by the keypad's Enter, Start by Enter.
    druk(Knop::Invoer, Qt::Key_Space);
    QCOMPARE(v.opmerkVak()->text(), QString(" Vul nu de velden in en sluit af met: Bevestig "));
    QVERIFY(v.knop(Knop::Start)->isHidden() && !aan(v, Knop::Invoer));
    for (int r = 1; r <= 9; ++r)
        for (int k = 1; k <= 9; ++k)
            if (gegeven(r, k)) QTest::keyClicks(v.cel(r, k), QString(rijen[r][k - 1]));
    druk(Knop::Bevestig, Qt::Key_Enter);
    QCOMPARE(v.opmerkVak()->text(), QString(" Om te beginnen druk op: Start "));
    QVERIFY(!v.knop(Knop::Start)->isHidden() && aan(v, Knop::Start) && !aan(v, Knop::Bevestig));
    druk(Knop::Start, Qt::Key_Return);
    QCOMPARE(v.opmerkVak()->text(), QString(" Sudoku succesvol ingevuld! "));
    QVERIFY(zoalsHetBord(v));
}

void VensterTest::stapMelding() {
    SudokuVenster v(kVoorbeeld);
    v.show();
    QVERIFY(QTest::qWaitForWindowExposed(&v));
    klik(v.vinkVak(Vink::Tussenstap));
    QString titel, tekst, celTekst;
    QColor celKleur;
    v.form().veld(9, 1) = "7";
    // What the box and cell (9,1) show while the box is open.
    metMeldingen(
        v, [&] { v.form().ToonGevondenGetal(9, 1); },
        [&](QMessageBox* box, int) {
            titel = box->windowTitle(), tekst = box->text();
            celTekst = v.cel(9, 1)->text(), celKleur = tekstKleur(v.cel(9, 1));
            box->accept();
        });
    QCOMPARE(titel, QString("Gevonden SUDOKU getal !"));
    QCOMPARE(tekst, QString("Getal in rij:  9  en kolom:  1  is gevuld.    "));
    QCOMPARE(celTekst, QString("7"));
    QCOMPARE(celKleur, QColor(255, 0, 0));
    QCOMPARE(tekstKleur(v.cel(9, 1)), vensterTekst(v));
}

void VensterTest::ongeldigeInvoer() {
    SudokuVenster v(kVoorbeeld);
    v.show();
    v.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&v));
    klik(v.knop(Knop::Invoer));
    // A box holding the space of an empty cell takes one more character and no more.
    v.cel(1, 1)->setCursorPosition(1);
    QTest::keyClicks(v.cel(1, 1), "56");
    QCOMPARE(v.cel(1, 1)->text(), QString(" 5"));
    QLineEdit* cel = v.cel(4, 7);
    for (const char* slecht : {"a", "12"}) {
        cel->clear();
        QTest::keyClicks(cel, slecht);
        v.opmerkVak()->setFocus();
        klik(v.knop(Knop::Bevestig));
        QCOMPARE(v.opmerkVak()->text(), QString(" Ongeldige invoer in rij 4, kolom 7 "));
        QCOMPARE(QApplication::focusWidget(), cel);
        QCOMPARE(cel->selectedText(), QString(slecht));
        QVERIFY(aan(v, Knop::Bevestig) && v.knop(Knop::Start)->isHidden());  // still entering
    }
    cel->clear();
    QTest::keyClicks(cel, "0");  // a zero is an empty cell
    klik(v.knop(Knop::Bevestig));
    QCOMPARE(v.opmerkVak()->text(), QString(" Om te beginnen druk op: Start "));
    QCOMPARE(v.form().veld(4, 7), std::string(" "));
    QCOMPARE(v.form().veld(1, 1), std::string("5"));
}

void VensterTest::versie() {
    QProcess p;
    p.start(SUDOKU_BLAD_PROGRAMMA, {"--version"});
    QVERIFY(p.waitForFinished(60000));
    QCOMPARE(p.exitCode(), 0);
    QCOMPARE(QString::fromUtf8(p.readAllStandardOutput()).trimmed(),
             QString("sudoku-blad " SUDOKU_VERSIE));
}

void VensterTest::statusVanafBegin() {
    // Start-up and "Herstart" without a file.
    QTemporaryDir map;
    SudokuVenster v(kVoorbeeld);
    zonderBestand(v, map);
    v.show();
    QVERIFY(QTest::qWaitForWindowExposed(&v));
    QLineEdit* regel = v.opmerkVak();
    QVERIFY(langerDanVak(regel));
    QVERIFY(vanafBegin(regel));
    klik(v.knop(Knop::Invoer));
    QVERIFY(vanafBegin(regel));
    // Tabbing into the line selects the text but keeps its start in sight.
    v.knop(Knop::Bevestig)->setFocus();
    QTest::keyClick(v.knop(Knop::Bevestig), Qt::Key_Tab, Qt::ShiftModifier);  // back to a cell
    regel->setFocus(Qt::TabFocusReason);
    QVERIFY(regel->hasSelectedText());
    QVERIFY(vanafBegin(regel));
    // An empty board: the solver places nothing.
    klik(v.knop(Knop::Bevestig));
    klik(v.knop(Knop::Start));
    QCOMPARE(regel->text(), QString("Jammer, waarschijnlijk is de invoer niet kompleet"));
    QVERIFY(vanafBegin(regel));
    klik(v.knop(Knop::Herstart));
    QCOMPARE(regel->text(), QString(" Druk op: Invoer.  Voer daarna de Sudoku getallen in. "));
    QVERIFY(vanafBegin(regel));

    // The give-up text, and the module texts while a step box is open.
    const std::string zwaar = uitVerzameling("top95.txt", 4);
    if (zwaar.empty()) QSKIP("the public puzzle collections are not there");
    std::ofstream(map.path().toStdString() + "/zwaar.txt") << negenRegels(zwaar);
    v.laadBestand(map.path() + "/zwaar.txt");
    klik(v.vinkVak(Vink::Tussenstap));
    klik(v.vinkVak(Vink::Module));
    bool achterMelding = true;
    const int meldingen = metMeldingen(
        v, [&] { klik(v.knop(Knop::Start)); },
        [&](QMessageBox* box, int) {
            achterMelding =
                achterMelding && vanafBegin(regel) && regel->text().startsWith(" Module");
            box->accept();
        });
    QVERIFY(meldingen > 0);
    QVERIFY(achterMelding);
    QCOMPARE(regel->text(), QString("Jammer niet genoeg kennis om de reeks op te lossen"));
    QVERIFY(langerDanVak(regel));
    QVERIFY(vanafBegin(regel));
}

void VensterTest::meldingNaastCel() {
    SudokuVenster v(kVoorbeeld);
    v.move(0, 0);
    v.show();
    QVERIFY(QTest::qWaitForWindowExposed(&v));
    klik(v.vinkVak(Vink::Tussenstap));
    const auto opScherm = [](QWidget* w) { return QRect(w->mapToGlobal(QPoint(0, 0)), w->size()); };
    int naastVenster = 0;
    for (int r = 1; r <= 9; ++r)
        for (int k = 1; k <= 9; ++k) {
            QRect kader;
            metMeldingen(
                v, [&] { v.form().ToonGevondenGetal(r, k); },
                [&](QMessageBox* box, int) {
                    kader = box->frameGeometry();
                    box->accept();
                });
            const QRect rij = opScherm(v.cel(r, 1)).united(opScherm(v.cel(r, 9)));
            const QRect kolom = opScherm(v.cel(1, k)).united(opScherm(v.cel(9, k)));
            QVERIFY2(!kader.isEmpty(), qPrintable(QString("rij %1, kolom %2").arg(r).arg(k)));
            QVERIFY2(!kader.intersects(opScherm(v.cel(r, k))),
                     qPrintable(QString("cel %1,%2").arg(r).arg(k)));
            // The screen has room beside or around the window for the box.
            QVERIFY2(!kader.intersects(rij) && !kader.intersects(kolom),
                     qPrintable(QString("rij of kolom van %1,%2").arg(r).arg(k)));
            QVERIFY(v.screen()->availableGeometry().contains(kader));
            if (!kader.intersects(v.frameGeometry())) ++naastVenster;
        }
    // Beside the window wherever the screen is wide enough for that.
    const int vrij = v.screen()->availableGeometry().right() - v.frameGeometry().right();
    QMessageBox proef(QMessageBox::Information, "Gevonden SUDOKU getal !",
                      "Getal in rij:  1  en kolom:  1  is gevuld.    ");
    if (vrij > proef.sizeHint().width() + 40) QCOMPARE(naastVenster, 81);

    // The user drags a box over the bottom of the board.
    QPoint gesleept;
    QRect kader;
    metMeldingen(
        v, [&] { v.form().ToonGevondenGetal(1, 1); },
        [&](QMessageBox* box, int) {
            gesleept = opScherm(v.cel(7, 1)).topLeft();
            box->move(gesleept);
            box->accept();
        });
    // The next box for a cell elsewhere opens there ...
    metMeldingen(
        v, [&] { v.form().ToonGevondenGetal(2, 5); },
        [&](QMessageBox* box, int) {
            kader = box->frameGeometry();
            box->accept();
        });
    QCOMPARE(kader.topLeft(), gesleept);
    // ... but not where it would hide the number.
    metMeldingen(
        v, [&] { v.form().ToonGevondenGetal(8, 2); },
        [&](QMessageBox* box, int) {
            kader = box->frameGeometry();
            box->accept();
        });
    QVERIFY(kader.topLeft() != gesleept);
    QVERIFY(!kader.intersects(opScherm(v.cel(8, 2))));
}

void VensterTest::escapeStoptStappen() {
    QTemporaryDir map;
    const std::string metGok = uitVerzameling("top95.txt", 47);
    std::vector<std::pair<std::string, bool>> gevallen{{kVoorbeeld, false}};
    if (!metGok.empty()) {
        std::ofstream(map.path().toStdString() + "/gok.txt") << negenRegels(metGok);
        gevallen.emplace_back(map.path().toStdString() + "/gok.txt", true);
    }
    for (const auto& [bestand, gok] : gevallen) {
        // Without steps.
        LoggendVenster zonder(bestand);
        if (gok) klik(zonder.vinkVak(Vink::Uitproberen));
        klik(zonder.knop(Knop::Start));
        const int half = static_cast<int>(zonder.plaatsingen.size() / 2);
        QVERIFY(half > 5);
        // With steps, stopped halfway by Escape and by the close button; the boxes before
        // it are left by OK, Enter and Space in turn.
        for (bool sluitknop : {false, true}) {
            LoggendVenster met(bestand);
            met.show();
            QVERIFY(QTest::qWaitForWindowExposed(&met));
            if (gok) klik(met.vinkVak(Vink::Uitproberen));
            klik(met.vinkVak(Vink::Tussenstap));
            const int gezien = metMeldingen(
                met, [&] { klik(met.knop(Knop::Start)); },
                [&](QMessageBox* box, int n) {
                    if (n == half) {
                        QVERIFY(met.vinkVak(Vink::Tussenstap)->isChecked());
                        if (sluitknop)
                            box->close();
                        else
                            QTest::keyClick(box, Qt::Key_Escape);
                    } else if (n % 3 == 0) {
                        QTest::keyClick(box, Qt::Key_Return);
                    } else if (n % 3 == 1) {
                        QTest::keyClick(box->button(QMessageBox::Ok), Qt::Key_Space);
                    } else {
                        klik(box->button(QMessageBox::Ok));
                    }
                });
            QCOMPARE(gezien, half);
            QVERIFY(!met.vinkVak(Vink::Tussenstap)->isChecked());
            QCOMPARE(met.plaatsingen, zonder.plaatsingen);
            QCOMPARE(sudoku::bordRegel(met.form().veld), sudoku::bordRegel(zonder.form().veld));
            QCOMPARE(met.opmerkVak()->text(), zonder.opmerkVak()->text());
        }
        QCOMPARE(zonder.opmerkVak()->text(),
                 gok ? QString(" Sudoku succesvol ingevuld! (na een gok) ")
                     : QString(" Sudoku succesvol ingevuld! "));
    }
}

void VensterTest::sluitenTijdensOplossen() {
    LoggendVenster v(kVoorbeeld);
    v.show();
    QVERIFY(QTest::qWaitForWindowExposed(&v));
    klik(v.vinkVak(Vink::Tussenstap));
    QElapsedTimer klok;
    const int gezien = metMeldingen(
        v, [&] { klik(v.knop(Knop::Start)); },
        [&](QMessageBox* box, int n) {
            if (n < 3) {
                box->accept();
            } else {
                klok.start();
                v.close();
            }
        });
    // Start returned without a further box; the window is gone and nothing waits.
    QCOMPARE(gezien, 3);
    QVERIFY(klok.elapsed() < 2000);
    QVERIFY(!v.isVisible());
    QVERIFY(!v.lostOp());
    QVERIFY(v.stapMelding() == nullptr);
    QVERIFY(getint(v).none());
}

namespace {

// Pastes `tekst` with Ctrl+V in a cell box and answers whether the boxes show `puzzel`
// (81 characters, "." empty) ready for "Bevestig".
bool plakGeeft(SudokuVenster& v, const QString& tekst, const std::string& puzzel) {
    zetKlembord(tekst);
    QTest::keySequence(v.cel(5, 5), QKeySequence::Paste);
    for (int i = 0; i < 81; ++i) {
        const QString verwacht = puzzel[i] == '.' ? QString(" ") : QString(puzzel[i]);
        if (v.cel(i / 9 + 1, i % 9 + 1)->text() != verwacht) return false;
    }
    return v.knop(Knop::Bevestig)->isEnabled() && v.knop(Knop::Start)->isHidden() &&
           v.opmerkVak()->text() == " Vul nu de velden in en sluit af met: Bevestig ";
}

const std::string kPuzzel =
    "4.....8.5.3..........7......2.....6.....8.4......1.......6.3.7.5..2.....1.4......";

}  // namespace

void VensterTest::plakken() {
    SudokuVenster v(kVoorbeeld);
    v.show();
    v.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&v));
    // Not a puzzle: the board stays, the status line says why.
    const std::string voorbeeld = sudoku::bordRegel(v.form().veld);
    // (The loader's tests go through every kind of refusal.)
    const std::pair<QString, QString> geen[] = {
        {"", " Geen puzzel op het klembord "},
        {"2024", " Geen puzzel op het klembord: te weinig getallen "},
    };
    for (const auto& [tekst, melding] : geen) {
        zetKlembord(tekst);
        QTest::keySequence(v.knop(Knop::Start), QKeySequence::Paste);
        QCOMPARE(v.opmerkVak()->text(), melding);
        QCOMPARE(sudoku::bordRegel(v.form().veld), voorbeeld);
        QVERIFY(aan(v, Knop::Start) && !aan(v, Knop::Bevestig));
    }
    // The one-line and grid layouts, and the nine lines of a test-case file, pasted in a
    // cell box and on a button.
    std::string raster;
    for (int r = 0; r < 9; ++r) {
        if (r == 3 || r == 6) raster += "---+---+---\n";
        for (int k = 0; k < 9; ++k)
            raster += (k == 3 || k == 6 ? "|" : "") + kPuzzel.substr(r * 9 + k, 1);
        raster += '\n';
    }
    for (const std::string& vorm :
         {kPuzzel,
          kPuzzel +
              " 417369825632158947958724316825437169791586432346912758289643571573291684164875293",
          raster})
        QVERIFY2(plakGeeft(v, QString::fromStdString(vorm), kPuzzel), vorm.c_str());
    QVERIFY(plakGeeft(v, QString::fromStdString(negenRegels(kPuzzel)), kPuzzel));
    QCOMPARE(QApplication::focusWidget(), v.knop(Knop::Bevestig));
    klik(v.knop(Knop::Bevestig));
    QCOMPARE(sudoku::bordRegel(v.form().veld), kPuzzel);
    klik(v.knop(Knop::Start));
    QCOMPARE(v.opmerkVak()->text(), QString(" Sudoku succesvol ingevuld! "));
    zetKlembord(QString::fromStdString(negenRegels(kPuzzel)));
    QTest::keySequence(v.knop(Knop::Herstart), QKeySequence::Paste);
    QVERIFY(v.knop(Knop::Bevestig)->isEnabled());
    // No paste while a solve runs (a step box is open).
    klik(v.knop(Knop::Bevestig));
    klik(v.vinkVak(Vink::Tussenstap));
    zetKlembord("hallo");
    metMeldingen(
        v, [&] { klik(v.knop(Knop::Start)); },
        [&](QMessageBox* box, int) {
            QTest::keySequence(v.cel(1, 2), QKeySequence::Paste);
            v.plakken();
            QTest::keyClick(box, Qt::Key_Escape);
        });
    QCOMPARE(v.opmerkVak()->text(), QString(" Sudoku succesvol ingevuld! "));
}

void VensterTest::slepenVanBestand() {
    QTemporaryDir map;
    const QString puzzel = map.path() + "/puzzel.txt";
    std::ofstream(puzzel.toStdString()) << negenRegels(kPuzzel);
    SudokuVenster v(kVoorbeeld);
    v.show();
    QVERIFY(QTest::qWaitForWindowExposed(&v));
    const auto laat = [&](QWidget* op, const QString& pad) {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(pad)});
        data.setText(pad);  // file managers send the path as text too
        QDragEnterEvent binnen(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(op, &binnen);
        QDropEvent los(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(op, &los);
        return binnen.isAccepted();
    };
    // Dropped in the middle of a manual entry, on a cell box: loaded, not typed into the box.
    klik(v.knop(Knop::Invoer));
    QVERIFY(laat(v.cel(2, 2), puzzel));
    QCOMPARE(sudoku::bordRegel(v.form().veld), kPuzzel);
    QVERIFY(aan(v, Knop::Start) && !v.knop(Knop::Start)->isHidden() && !aan(v, Knop::Bevestig) &&
            aan(v, Knop::Invoer));
    klik(v.knop(Knop::Start));
    QCOMPARE(v.opmerkVak()->text(), QString(" Sudoku succesvol ingevuld! "));
    // "Herstart" reloads the dropped file.
    klik(v.knop(Knop::Herstart));
    QCOMPARE(sudoku::bordRegel(v.form().veld), kPuzzel);
    // A missing file as at start-up.
    QVERIFY(laat(&v, map.path() + "/weg.txt"));
    QVERIFY(!aan(v, Knop::Start));
    QVERIFY(v.opmerkVak()->text().contains("weg.txt"));
}

void VensterTest::toegankelijkeNamen() {
    SudokuVenster v(kVoorbeeld);
    for (int r = 1; r <= 9; ++r)
        for (int k = 1; k <= 9; ++k)
            QCOMPARE(v.cel(r, k)->accessibleName(), QString("rij %1, kolom %2").arg(r).arg(k));
    for (int i = 1; i <= 9; ++i)
        QCOMPARE(v.oplosVak(i)->accessibleName(), QString("kompleet %1").arg(i));
    const std::pair<Vink, const char*> vinken[] = {{Vink::Tussenstap, "weergave tussenstappen"},
                                                   {Vink::Module, "weergave modules"},
                                                   {Vink::Uitproberen, "uitproberen toestaan"}};
    for (auto [vink, naam] : vinken) QCOMPARE(v.vinkVak(vink)->accessibleName(), QString(naam));
    // As assistive technology sees them.
    QAccessibleInterface* cel = QAccessible::queryAccessibleInterface(v.cel(3, 8));
    QVERIFY(cel != nullptr);
    QCOMPARE(cel->text(QAccessible::Name), QString("rij 3, kolom 8"));

    // The menus and their items, the report window's controls and the help page.
    QAccessibleInterface* balk = QAccessible::queryAccessibleInterface(v.menuBalk());
    QStringList namen{balk->text(QAccessible::Name)};
    for (int i = 0; i < balk->childCount(); ++i) namen << balk->child(i)->text(QAccessible::Name);
    for (QAction* menu : v.menuBalk()->actions()) {
        QAccessibleInterface* m = QAccessible::queryAccessibleInterface(menu->menu());
        for (int i = 0; i < m->childCount(); ++i)
            if (m->child(i)->role() != QAccessible::Separator)
                namen << m->child(i)->text(QAccessible::Name);
    }
    v.verslagTonen();
    v.uitlegTonen();
    sudoku::VerslagVenster* verslag = v.verslagVenster();
    for (QObject* o : std::initializer_list<QObject*>{verslag, verslag->samenvatting(),
                                                      verslag->lijst(), verslag->bord(),
                                                      v.findChild<QTextBrowser*>("UitlegTekst")})
        namen << QAccessible::queryAccessibleInterface(o)->text(QAccessible::Name);
    for (QWidget* venster : {static_cast<QWidget*>(verslag), v.findChild<QWidget*>("Uitleg")})
        for (QPushButton* k : venster->findChildren<QPushButton*>())
            namen << QAccessible::queryAccessibleInterface(k)->text(QAccessible::Name);
    QCOMPARE(namen, QStringList({"menubalk",  "Bestand",
                                 "Oplossing", "Help",
                                 "Openen…",   "Plakken",
                                 "Kopiëren",  "Afsluiten",
                                 "Verslag…",  "Controleer puzzel",
                                 "Uitleg",    "Over Sudoku Blad",
                                 "Verslag",   "samenvatting",
                                 "stappen",   "bord na de stap",
                                 "Uitleg",    "Vorige",
                                 "Volgende",  "Kopiëren",
                                 "Sluiten",   "Sluiten"}));
}

// Every step box tints the unit of its reason, whichever of the six kinds, around the red
// number; the tint goes with the box. Light and dark palettes keep the texts readable.
void VensterTest::markeringPerEenheid() {
    LoggendVenster v(kVoorbeeld);
    v.show();
    QVERIFY(QTest::qWaitForWindowExposed(&v));
    klik(v.vinkVak(Vink::Tussenstap));
    std::set<sudoku::Eenheid::Soort> soorten;
    QStringList fouten;
    metMeldingen(
        v, [&] { klik(v.knop(Knop::Start)); },
        [&](QMessageBox* box, int n) {
            const sudoku::Eenheid& e = v.redenen.back().eenheid;
            const std::string& p = v.plaatsingen.back();
            if (getint(v) != e.cellen() || e.cellen().none() ||
                tekstKleur(v.cel(p[0] - '0', p[1] - '0')) != QColor(255, 0, 0))
                fouten << QString("melding %1: %2")
                              .arg(n)
                              .arg(QString::fromStdString(sudoku::teksten::eenheidTekst(e)));
            soorten.insert(e.soort);
            box->accept();
        });
    QVERIFY2(fouten.isEmpty(), qPrintable(fouten.join("; ")));
    QCOMPARE(soorten.size(), std::size_t{6});
    QVERIFY(getint(v).none());
    QCOMPARE(v.cel(5, 5)->palette().color(QPalette::Base), v.palette().color(QPalette::Base));

    // Grey, red and normal text keep most of their contrast on the tint.
    for (const QPalette& p : {QApplication::palette(), donkerPalet()}) {
        const QColor tint = sudoku::markeerKleur(p), basis = p.color(QPalette::Base);
        QVERIFY(contrast(tint, basis) > 1.15);
        for (const QColor& tekst :
             {QColor(128, 128, 128), QColor(255, 0, 0), p.color(QPalette::WindowText)})
            QVERIFY(contrast(tekst, tint) >= 0.7 * contrast(tekst, basis));
        QVERIFY(contrast(p.color(QPalette::WindowText), tint) >= 7);
    }
    // A dark desktop gets a dark tint.
    QVERIFY(sudoku::markeerKleur(donkerPalet()).lightness() < 100);
}

// The report of a solve with a failed guess: the command line's steps, level, uniqueness
// and counts; the board after each step, moved through by keys and buttons while the grid
// stays; "Kopiëren"; emptied by "Herstart", a load, a paste and "Invoer".
void VensterTest::verslagNaGok() {
    QTemporaryDir map;
    const QString pad = map.path() + "/gok.txt";
    std::ofstream(pad.toStdString()) << negenRegels(kMetGok);
    QProcess cli;
    cli.start(SUDOKU_CLI_PROGRAMMA, {"--trial", "--stappen", "--verslag", pad});
    QVERIFY(cli.waitForFinished(60000));
    QStringList stappen, kop;
    const QMap<QString, QString> zin{
        {"uniek", "uniek"}, {"meerdere", "meerdere oplossingen"}, {"geen", "geen oplossing"}};
    for (QString regel : QString::fromUtf8(cli.readAllStandardOutput()).split('\n')) {
        if (regel.startsWith("stap ") || regel.startsWith("gok ongedaan")) stappen << regel;
        if (regel.startsWith("niveau ")) kop << "Niveau: " + regel.mid(7);
        if (regel.startsWith("oplossingen ")) kop << "Oplossingen: " + zin.value(regel.mid(12));
        if (regel.startsWith("techniek "))
            kop << regel.mid(9).remove('"').replace(QRegularExpression(" (\\d+)$"), ": \\1");
    }
    QVERIFY(kop.contains("Niveau: gok") && kop.contains("Oplossingen: uniek"));

    SudokuVenster v(pad.toStdString());
    toon(v);
    QTest::keyClick(&v, Qt::Key_F2);
    sudoku::VerslagVenster* verslag = v.verslagVenster();
    QVERIFY(verslag != nullptr && verslag->isVisible());
    QCOMPARE(verslag->samenvatting()->text(), QString(sudoku::teksten::VERSLAG_GEEN));
    klik(v.vinkVak(Vink::Uitproberen));
    klik(v.knop(Knop::Start));
    QCOMPARE(verslag->samenvatting()->text(), kop.join('\n'));
    QStringList lijst;
    for (int i = 0; i < verslag->lijst()->count(); ++i) lijst << verslag->lijst()->item(i)->text();
    QCOMPARE(lijst, stappen);

    const std::string opgelost = sudoku::bordRegel(v.form().veld);
    verslag->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(verslag));
    const int laatste = static_cast<int>(lijst.size()) - 1;
    const std::pair<Qt::Key, int> toetsen[] = {
        {Qt::Key_End, laatste}, {Qt::Key_Left, laatste - 1}, {Qt::Key_Up, laatste - 2},
        {Qt::Key_Home, 0},      {Qt::Key_Right, 1},          {Qt::Key_Down, 2}};
    for (const auto& [toets, waar] : toetsen) {
        QTest::keyClick(verslag->lijst(), toets);
        QCOMPARE(verslag->gekozen(), waar);
    }
    klik(verslag->vorige());
    QCOMPARE(verslag->gekozen(), 1);
    klik(verslag->volgende());
    QCOMPARE(verslag->bord()->bord(), v.verslag()->pad.bordNa(2));
    // The guess shows its cell and block; the undo the board from before the guess, no cell.
    const int gok = static_cast<int>(lijst.indexOf(QRegularExpression(".*\\(gok\\)$")));
    const int ongedaan = static_cast<int>(lijst.indexOf(QRegularExpression("^gok ongedaan.*")));
    QVERIFY(gok > 0 && ongedaan > gok);
    verslag->kies(gok);
    const sudoku::Gebeurtenis& g = v.verslag()->pad.gebeurtenissen()[static_cast<std::size_t>(gok)];
    QCOMPARE(verslag->bord()->cel(), (g.rij - 1) * 9 + g.kol - 1);
    QCOMPARE(verslag->bord()->eenheid(), sudoku::Eenheid::blokVan(g.rij, g.kol).cellen());
    verslag->kies(ongedaan);
    QCOMPARE(verslag->bord()->cel(), -1);
    QCOMPARE(verslag->bord()->bord(), v.verslag()->pad.bordNa(static_cast<std::size_t>(gok - 1)));
    verslag->kies(laatste + 5);
    QVERIFY(verslag->bord()->bord() == opgelost && !verslag->volgende()->isEnabled());
    QCOMPARE(sudoku::bordRegel(v.form().veld), opgelost);

    klik(verslag->kopieerKnop());
    QCOMPARE(klembord(), QString::fromStdString("Puzzel: " + kMetGok) + "\n" + kop.join('\n') +
                             "\n\nStappen:\n" + stappen.join('\n') + "\n");

    // Whatever changes the board ends the report; "Start" makes a new one.
    const std::vector<std::pair<const char*, std::function<void()>>> legen = {
        {"Herstart", [&] { klik(v.knop(Knop::Herstart)); }},
        {"laden", [&] { v.laadBestand(pad); }},
        {"plakken",
         [&] {
             zetKlembord(QString::fromStdString(kMetGok)), v.plakken(),
                 klik(v.knop(Knop::Bevestig));
         }},
        {"Invoer", [&] { klik(v.knop(Knop::Invoer)); }},
    };
    for (const auto& [wat, doe] : legen) {
        klik(v.knop(Knop::Start));
        QVERIFY2(v.verslag() != nullptr && verslag->lijst()->count() == lijst.size(), wat);
        doe();
        QVERIFY2(v.verslag() == nullptr && verslag->lijst()->count() == 0 &&
                     !verslag->kopieerKnop()->isEnabled(),
                 wat);
        QCOMPARE(verslag->samenvatting()->text(), QString(sudoku::teksten::VERSLAG_GEEN));
    }
}

// The menu bar above the unchanged form, its items and their keys; none of them works
// while a step box is open.
void VensterTest::menus() {
    SudokuVenster v(kVoorbeeld);
    toon(v);
    QMenuBar* balk = v.menuBalk();
    QCOMPARE(v.formulier()->geometry(), QRect(0, balk->height(), 441, 532));
    QCOMPARE(v.findChild<QWidget*>("Frame4")->geometry(), QRect(16, 432, 409, 73));
    QCOMPARE(v.cel(1, 1)->mapTo(v.formulier(), QPoint(0, 0)), QPoint(186, 112));
    QStringList items;
    for (QAction* menu : balk->actions()) {
        items << menu->text();
        for (QAction* a : menu->menu()->actions())
            if (!a->isSeparator()) items << a->text() + " " + a->shortcut().toString();
    }
    QCOMPARE(items,
             QStringList({"&Bestand", "&Openen… Ctrl+O", "&Plakken Ctrl+V", "&Kopiëren Ctrl+C",
                          "&Afsluiten Ctrl+Q", "&Oplossing", "&Verslag… F2", "&Controleer puzzel ",
                          "&Help", "&Uitleg F1", "&Over Sudoku Blad "}));
    const auto controleer = [&] {
        return modaleTekst([&] { v.findChild<QAction*>("Controleer")->trigger(); });
    };

    // Ctrl+C copies the board from a button and from a cell box whose digit Tab selected;
    // the status line copies its own selection.
    const QString voorbeeld = QString::fromStdString(sudoku::bordRegel(v.form().veld));
    for (QWidget* w :
         {static_cast<QWidget*>(v.knop(Knop::Start)), static_cast<QWidget*>(v.cel(1, 1))}) {
        zetKlembord("");
        w->setFocus(Qt::TabFocusReason);
        QTest::keySequence(w, QKeySequence::Copy);
        QCOMPARE(klembord(), voorbeeld);
    }
    v.opmerkVak()->setSelection(0, 4);
    QTest::keySequence(v.opmerkVak(), QKeySequence::Copy);
    QCOMPARE(klembord(), QString("Rast"));

    // "Controleer puzzel" on the grid, and during "Invoer" on the typed boxes, leaving the
    // form's fields and the status line alone.
    QVERIFY(controleer().startsWith("De puzzel is uniek."));
    klik(v.knop(Knop::Invoer));
    const QString status = v.opmerkVak()->text();
    QTest::keyClicks(v.cel(1, 1), "5");
    QTest::keyClicks(v.cel(1, 9), "5");
    QCOMPARE(controleer(),
             QString("De puzzel heeft geen oplossing.\nDe 5 staat twee keer in rij 1."));
    v.cel(1, 9)->setText(" 7 ");
    QVERIFY(controleer().startsWith("De puzzel heeft meerdere oplossingen."));
    toon(v);  // active again after the box
    QTest::keySequence(v.knop(Knop::Bevestig), QKeySequence::Copy);
    QCOMPARE(klembord(), "5.......7" + QString(72, '.'));
    v.cel(4, 7)->setText("x");
    QCOMPARE(controleer(), QString::fromStdString(sudoku::teksten::controleOngeldig(4, 7)) + "\n");
    QCOMPARE(v.focusWidget(), v.cel(4, 7));
    QVERIFY(v.form().veld(1, 1) == " " && v.opmerkVak()->text() == status);

    // Help and version.
    toon(v);
    QTest::keyClick(&v, Qt::Key_F1);
    auto* uitleg = v.findChild<QTextBrowser*>("UitlegTekst");
    QVERIFY(uitleg != nullptr && uitleg->isVisible());
    for (const char* woord : {"Bevestig", "weergave modules", "BLOKLIJNEN", "Uitzonderingstabel",
                              "Naked triple", "ongedaan", "niveau"})
        QVERIFY2(uitleg->toPlainText().contains(woord), woord);
    uitleg->window()->close();
    QVERIFY(modaleTekst([&] {
                v.findChild<QAction*>("Over")->trigger();
            }).contains("versie " SUDOKU_VERSIE));

    // While a step box is open neither the menu bar nor its keys do anything.
    toon(v);
    klik(v.knop(Knop::Bevestig));
    klik(v.vinkVak(Vink::Tussenstap));
    int gekozen = 0;
    v.kiesBestand = [&] { return ++gekozen, QString(); };
    metMeldingen(
        v, [&] { klik(v.knop(Knop::Start)); },
        [&](QMessageBox* box, int) {
            QTest::keySequence(v.knop(Knop::Invoer), QKeySequence(Qt::CTRL | Qt::Key_O));
            QTest::keyClick(v.cel(2, 2), Qt::Key_F2);
            QTest::keyClick(balk, Qt::Key_B, Qt::AltModifier);
            QTest::mouseClick(balk, Qt::LeftButton, {},
                              balk->actionGeometry(balk->actions()[0]).center());
            QVERIFY(QApplication::activePopupWidget() == nullptr);
            QTest::keyClick(box, Qt::Key_Escape);
        });
    QVERIFY(gekozen == 0 && v.verslagVenster() == nullptr);
    QTest::keySequence(v.knop(Knop::Invoer), QKeySequence(Qt::CTRL | Qt::Key_O));
    QCOMPARE(gekozen, 1);
    QTest::keySequence(v.knop(Knop::Invoer), QKeySequence(Qt::CTRL | Qt::Key_Q));
    QVERIFY(!v.isVisible());
}

// "Openen…" through the window's file-name hook: a refused or missing file gets the status
// text it gets on the command line and nothing else changes; a good one loads, and
// "Herstart" reloads it.
void VensterTest::openenGeweigerd() {
    QTemporaryDir map;
    const QString slecht = map.path() + "/slecht.txt", goed = map.path() + "/goed.txt";
    std::ofstream(slecht.toStdString()) << "123456789\n12x\n";
    std::ofstream(goed.toStdString()) << negenRegels(kPuzzel);
    SudokuVenster v(kVoorbeeld);
    toon(v);
    QString kies;
    v.kiesBestand = [&] { return kies; };
    const std::string voorbeeld = sudoku::bordRegel(v.form().veld);
    for (const QString& pad : {slecht, map.path() + "/weg.txt", QString()}) {
        const QString verwacht = pad.isEmpty()
                                     ? v.opmerkVak()->text()
                                     : SudokuVenster(pad.toStdString()).opmerkVak()->text();
        kies = pad;
        QTest::keySequence(v.knop(Knop::Start), QKeySequence(Qt::CTRL | Qt::Key_O));
        QCOMPARE(v.opmerkVak()->text(), verwacht);
        QVERIFY(sudoku::bordRegel(v.form().veld) == voorbeeld && v.cel(1, 1)->text() == "5");
        QVERIFY(aan(v, Knop::Start) && !aan(v, Knop::Bevestig) &&
                v.form().testcaseArgument == kVoorbeeld);
    }
    kies = goed;
    v.openen();
    klik(v.knop(Knop::Start));
    klik(v.knop(Knop::Herstart));
    QCOMPARE(sudoku::bordRegel(v.form().veld), kPuzzel);
    QVERIFY(aan(v, Knop::Start));
}

QTEST_MAIN(VensterTest)
#include "venster_test.moc"
