// The window driven as a user drives it: clicks, typing, Tab, the step message box.
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <array>
#include <fstream>

#include "sudoku_venster.h"
#include "sudoku_versie.h"

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
        if (v.cel(i / 9 + 1, i % 9 + 1)->text().trimmed().toStdString() != v.form().veld(i / 9 + 1, i % 9 + 1) ||
            v.form().veld(i / 9 + 1, i % 9 + 1) == " ")
            return false;
    return true;
}

}  // namespace

class VensterTest : public QObject {
    Q_OBJECT

private slots:
    void beginToestand();
    void tabVolgorde();
    void sessie();
    void stapMelding();
    void ongeldigeInvoer();
    void versie();
};

void VensterTest::beginToestand() {
    SudokuVenster v(kVoorbeeld);
    QCOMPARE(v.opmerkVak()->text(), QString("Rastavo"));
    QVERIFY(aan(v, Knop::Invoer) && !aan(v, Knop::Bevestig) && aan(v, Knop::Start) && !aan(v, Knop::Herstart));
    for (Vink vink : {Vink::Tussenstap, Vink::Module, Vink::Uitproberen}) QCOMPARE(v.vinkWaarde(vink), 0);
    const auto rijen = voorbeeldRijen();
    for (int r = 1; r <= 9; ++r)
        for (int k = 1; k <= 9; ++k) QCOMPARE(v.cel(r, k)->text().toStdString(), rijen[r].substr(k - 1, 1));

    QTemporaryDir map;
    SudokuVenster leeg((map.path() + "/SudokuTestCase.txt").toStdString());
    QCOMPARE(leeg.opmerkVak()->text(), QString(" Druk op: Invoer.  Voer daarna de Sudoku getallen in. "));
    QVERIFY(aan(leeg, Knop::Invoer) && !aan(leeg, Knop::Bevestig) && !aan(leeg, Knop::Start));
}

void VensterTest::tabVolgorde() {
    SudokuVenster v(kVoorbeeld);
    for (Knop k : {Knop::Invoer, Knop::Bevestig, Knop::Start, Knop::Herstart}) v.knop(k)->setEnabled(true);
    v.show();
    v.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&v));
    // From "Invoer" through the cells block by block, row by row inside a block.
    QStringList verwacht{"Opmerk", "InvoerCommand"};
    for (const char* blokRijen : {"123", "456", "789"})
        for (const char* blokKolommen : {"ABC", "DEF", "GHI"})
            for (int i = 0; i < 9; ++i) verwacht << QString("Cell%1_%2").arg(blokKolommen[i % 3]).arg(blokRijen[i / 3]);
    verwacht << "BevInvoerCommand" << "Check_tussenstap";
    for (int i = 1; i <= 9; ++i) verwacht << QString("Oplos_%1").arg(i);
    verwacht << "StartCommand" << "Check_module" << "HerstartCommand" << "Check_uitproberen" << "Opmerk";
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

void VensterTest::sessie() {
    SudokuVenster v(kVoorbeeld);
    v.show();
    QVERIFY(QTest::qWaitForWindowExposed(&v));
    const auto rijen = voorbeeldRijen();
    const auto gegeven = [&rijen](int r, int k) { return rijen[r][k - 1] != ' '; };
    // Solve the loaded puzzle: the givens grey, the found numbers in the window-text colour.
    klik(v.vinkVak(Vink::Uitproberen));
    klik(v.knop(Knop::Start));
    QCOMPARE(v.opmerkVak()->text(), QString(" Sudoku succesvol ingevuld! "));
    QVERIFY(!aan(v, Knop::Start) && aan(v, Knop::Herstart));
    QVERIFY(zoalsHetBord(v));
    for (int r = 1; r <= 9; ++r)
        for (int k = 1; k <= 9; ++k)
            QCOMPARE(tekstKleur(v.cel(r, k)), gegeven(r, k) ? QColor(128, 128, 128) : vensterTekst(v));
    for (int i = 1; i <= 9; ++i) QCOMPARE(v.oplosVak(i)->text(), QString::number(i));
    // Herstart: the file again in the normal colour.
    klik(v.knop(Knop::Herstart));
    QCOMPARE(v.opmerkVak()->text(), QString(" Begin opnieuw met: Start "));
    QVERIFY(aan(v, Knop::Start) && !aan(v, Knop::Herstart));
    QCOMPARE(v.cel(1, 2)->text(), QString(" "));
    QCOMPARE(tekstKleur(v.cel(1, 1)), vensterTekst(v));
    // Invoer, type the same puzzle, Bevestig, Start.
    klik(v.knop(Knop::Invoer));
    QVERIFY(v.knop(Knop::Start)->isHidden() && !aan(v, Knop::Invoer));
    for (int r = 1; r <= 9; ++r)
        for (int k = 1; k <= 9; ++k)
            if (gegeven(r, k)) QTest::keyClicks(v.cel(r, k), QString(rijen[r][k - 1]));
    klik(v.knop(Knop::Bevestig));
    QCOMPARE(v.opmerkVak()->text(), QString(" Om te beginnen druk op: Start "));
    QVERIFY(!v.knop(Knop::Start)->isHidden() && aan(v, Knop::Start) && !aan(v, Knop::Bevestig));
    klik(v.knop(Knop::Start));
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
    QTimer sluiter;  // notes what the box and cell (9,1) show while the box is open, then closes it
    QObject::connect(&sluiter, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            titel = box->windowTitle(), tekst = box->text();
            celTekst = v.cel(9, 1)->text(), celKleur = tekstKleur(v.cel(9, 1));
            box->accept();
        }
    });
    sluiter.start(5);
    v.form().veld(9, 1) = "7";
    v.form().ToonGevondenGetal(9, 1);
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
        // Still entering: nothing was taken over.
        QVERIFY(aan(v, Knop::Bevestig) && v.knop(Knop::Start)->isHidden());
        QCOMPARE(v.form().veld(1, 1), std::string(" "));
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
    QCOMPARE(QString::fromUtf8(p.readAllStandardOutput()).trimmed(), QString("sudoku-blad " SUDOKU_VERSIE));
}

QTEST_MAIN(VensterTest)
#include "venster_test.moc"
