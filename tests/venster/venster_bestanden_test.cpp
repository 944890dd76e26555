// Puzzles from outside the form: paste, a dropped file, "Openen…".
#include "venster_test.h"

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

const std::string PUZZEL =
    "4.....8.5.3..........7......2.....6.....8.4......1.......6.3.7.5..2.....1.4......";

}  // namespace

void VensterTest::plakken() {
    SudokuVenster v(VOORBEELD);
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
            raster += (k == 3 || k == 6 ? "|" : "") + PUZZEL.substr(r * 9 + k, 1);
        raster += '\n';
    }
    for (const std::string& vorm :
         {PUZZEL,
          PUZZEL +
              " 417369825632158947958724316825437169791586432346912758289643571573291684164875293",
          raster})
        QVERIFY2(plakGeeft(v, QString::fromStdString(vorm), PUZZEL), vorm.c_str());
    QVERIFY(plakGeeft(v, QString::fromStdString(negenRegels(PUZZEL)), PUZZEL));
    QCOMPARE(QApplication::focusWidget(), v.knop(Knop::Bevestig));
    klik(v.knop(Knop::Bevestig));
    QCOMPARE(sudoku::bordRegel(v.form().veld), PUZZEL);
    klik(v.knop(Knop::Start));
    QCOMPARE(v.opmerkVak()->text(), QString(" Sudoku succesvol ingevuld! "));
    // "Herstart" brings the pasted puzzle back; after "Invoer" it is the test-case file again.
    klik(v.knop(Knop::Herstart));
    QVERIFY(sudoku::bordRegel(v.form().veld) == PUZZEL && aan(v, Knop::Start) &&
            v.opmerkVak()->text() == " Begin opnieuw met: Start ");
    for (Knop k : {Knop::Invoer, Knop::Bevestig, Knop::Start, Knop::Herstart}) klik(v.knop(k));
    QCOMPARE(sudoku::bordRegel(v.form().veld), voorbeeld);
    zetKlembord(QString::fromStdString(negenRegels(PUZZEL)));
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
    std::ofstream(puzzel.toStdString()) << negenRegels(PUZZEL);
    SudokuVenster v(VOORBEELD);
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
    QCOMPARE(sudoku::bordRegel(v.form().veld), PUZZEL);
    QVERIFY(aan(v, Knop::Start) && !v.knop(Knop::Start)->isHidden() && !aan(v, Knop::Bevestig) &&
            aan(v, Knop::Invoer));
    klik(v.knop(Knop::Start));
    QCOMPARE(v.opmerkVak()->text(), QString(" Sudoku succesvol ingevuld! "));
    // "Herstart" reloads the dropped file.
    klik(v.knop(Knop::Herstart));
    QCOMPARE(sudoku::bordRegel(v.form().veld), PUZZEL);
    // A missing file only says so, as "Openen…" does; the board stays.
    QVERIFY(laat(&v, map.path() + "/weg.txt"));
    QVERIFY(aan(v, Knop::Start) && sudoku::bordRegel(v.form().veld) == PUZZEL);
    QCOMPARE(v.opmerkVak()->text(), QString(" weg.txt bestaat niet "));
}

// "Openen…" through the window's file-name hook: a refused or missing file gets the status
// text it gets on the command line and nothing else changes; a good one loads, and
// "Herstart" reloads it.
void VensterTest::openenGeweigerd() {
    QTemporaryDir map;
    const QString slecht = map.path() + "/slecht.txt", goed = map.path() + "/goed.txt";
    std::ofstream(slecht.toStdString()) << "123456789\n12x\n";
    std::ofstream(goed.toStdString()) << negenRegels(PUZZEL);
    SudokuVenster v(VOORBEELD);
    toon(v);
    QString kies;
    v.kiesBestand = [&] { return kies; };
    const std::string voorbeeld = sudoku::bordRegel(v.form().veld);
    for (const QString& pad : {slecht, map.path() + "/weg.txt", QString()}) {
        // The reason in the command line's words.
        const QString verwacht = pad.isEmpty() ? v.opmerkVak()->text()
                                 : pad == slecht
                                     ? QString(" Fout in slecht.txt: regel 2, positie 3: ongeldig "
                                               "teken; een cel is 1-9, '.', '0' of een spatie ")
                                     : QString(" weg.txt bestaat niet ");
        kies = pad;
        QTest::keySequence(v.knop(Knop::Start), QKeySequence(Qt::CTRL | Qt::Key_O));
        QCOMPARE(v.opmerkVak()->text(), verwacht);
        QVERIFY(sudoku::bordRegel(v.form().veld) == voorbeeld && v.cel(1, 1)->text() == "5");
        QVERIFY(aan(v, Knop::Start) && !aan(v, Knop::Bevestig) &&
                v.form().testcaseArgument == VOORBEELD);
    }
    kies = goed;
    v.openen();
    klik(v.knop(Knop::Start));
    klik(v.knop(Knop::Herstart));
    QCOMPARE(sudoku::bordRegel(v.form().veld), PUZZEL);
    QVERIFY(aan(v, Knop::Start));
}
