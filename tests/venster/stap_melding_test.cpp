// The step box: what it says, where it opens, how it stops, the tint of the unit.
#include "uitleg/teksten.h"
#include "venster_test.h"

void VensterTest::stapMelding() {
    SudokuVenster v(VOORBEELD);
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

void VensterTest::meldingNaastCel() {
    SudokuVenster v(VOORBEELD);
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
    QVERIFY2(!metGok.empty(), SUDOKU_PUZZELS "/top95.txt");
    std::ofstream(map.path().toStdString() + "/gok.txt") << negenRegels(metGok);
    const std::vector<std::pair<std::string, bool>> gevallen{
        {VOORBEELD, false}, {map.path().toStdString() + "/gok.txt", true}};
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
    LoggendVenster v(VOORBEELD);
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

// Every step box tints the unit of its reason, whichever of the six kinds, around the red
// number; the tint goes with the box. Light and dark palettes keep the texts readable.
void VensterTest::markeringPerEenheid() {
    LoggendVenster v(VOORBEELD);
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
