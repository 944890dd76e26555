// The window for a screen reader and from the keyboard alone, and Qt's own texts in Dutch.
#include "venster_test.h"

// Qt's texts in Dutch, as the program has them (it loads them before its first window).
void VensterTest::initTestCase() {
    QVERIFY2(sudoku::laadQtVertalingen(*QCoreApplication::instance()),
             "Qt's Dutch translations (qt6-translations-l10n) are not installed");
}

// Both windows are windows with their titles; every cell says whether it is given, found or
// empty; the report's summary can be read; the outputs take no typing; the verdict gets
// the focus; the status line's whole text is at hand.
void VensterTest::schermlezer() {
    SudokuVenster v(kVoorbeeld);
    toon(v);
    const auto beschrijving = [&](int r, int k) { return v.cel(r, k)->accessibleDescription(); };
    QCOMPARE(beschrijving(1, 1) + beschrijving(1, 2), QString("gegevenleeg"));
    // Outside "Invoer" nothing can be typed over, during it only the cells can.
    const auto alleenLezen = [&](bool cellen) {
        for (int i = 1; i <= 9; ++i)
            if (!v.oplosVak(i)->isReadOnly()) return false;
        for (int i = 0; i < 81; ++i)
            if (v.cel(i / 9 + 1, i % 9 + 1)->isReadOnly() != cellen) return false;
        return v.opmerkVak()->isReadOnly();
    };
    QVERIFY(alleenLezen(true));
    QTest::keyClicks(v.cel(1, 2), "7");
    QCOMPARE(v.cel(1, 2)->text(), QString(" "));

    v.knop(Knop::Start)->setFocus();
    QTest::keyClick(v.knop(Knop::Start), Qt::Key_Space);
    QCOMPARE(QApplication::focusWidget(), v.opmerkVak());
    QCOMPARE(beschrijving(1, 1) + beschrijving(1, 2), QString("gegevengevonden"));
    QCOMPARE(v.opmerkVak()->accessibleDescription(), QString("Sudoku succesvol ingevuld!"));
    QCOMPARE(v.opmerkVak()->toolTip(), QString("Sudoku succesvol ingevuld!"));
    QVERIFY(alleenLezen(true));

    v.verslagTonen();
    for (QWidget* w : {static_cast<QWidget*>(&v), static_cast<QWidget*>(v.verslagVenster())}) {
        QAccessibleInterface* venster = QAccessible::queryAccessibleInterface(w);
        QCOMPARE(venster->role(), QAccessible::Window);
        QCOMPARE(venster->text(QAccessible::Name), w->windowTitle());
    }
    QAccessibleInterface* samenvatting =
        QAccessible::queryAccessibleInterface(v.verslagVenster()->samenvatting());
    QVERIFY2(samenvatting->text(QAccessible::Description)
                 .startsWith("Niveau: basis, Oplossingen: uniek, "),
             qPrintable(samenvatting->text(QAccessible::Description)));

    klik(v.knop(Knop::Invoer));
    QVERIFY(alleenLezen(false));
    QCOMPARE(beschrijving(1, 1), QString("leeg"));
    klik(v.knop(Knop::Bevestig));
    QVERIFY(alleenLezen(true));
}

// Alt and a letter for every button and option, none twice nor a menu's; F10 opens the
// menu bar; during "Invoer" the cells take one character each, the focus moving on in
// reading order, and the arrows move between them.
void VensterTest::toetsenbord() {
    SudokuVenster v(kVoorbeeld);
    toon(v);
    QList<QKeySequence> toetsen;
    for (QAction* menu : v.menuBalk()->actions()) toetsen << QKeySequence::mnemonic(menu->text());
    for (Knop k : {Knop::Invoer, Knop::Bevestig, Knop::Start, Knop::Herstart})
        toetsen << v.knop(k)->shortcut();
    for (Vink o : {Vink::Tussenstap, Vink::Module, Vink::Uitproberen})
        toetsen << v.vinkVak(o)->shortcut();
    QCOMPARE(QSet<QKeySequence>(toetsen.begin(), toetsen.end()).size(), 11);
    QVERIFY(!toetsen.contains(QKeySequence()));
    QCOMPARE(v.findChild<QLabel*>("tussenstap")->text(), QString("weergave <u>t</u>ussenstappen"));
    QTest::keyClick(&v, Qt::Key_T, Qt::AltModifier);
    QTRY_VERIFY(v.vinkVak(Vink::Tussenstap)->isChecked());  // a key clicks after a moment

    QTest::keyClick(&v, Qt::Key_F10);
    QTRY_VERIFY(v.menuBalk()->activeAction() == v.menuBalk()->actions().first());
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    toon(v);

    QTest::keyClick(&v, Qt::Key_I, Qt::AltModifier);
    QTRY_VERIFY(aan(v, Knop::Bevestig));
    const auto typ = [&](int r, int k, const QString& tekst) {
        v.cel(r, k)->setFocus();
        for (QChar c : tekst) QTest::keyClicks(QApplication::focusWidget(), c);  // as typed
        for (int i = 0; i < 81; ++i)
            if (QApplication::focusWidget() == v.cel(i / 9 + 1, i % 9 + 1))
                return QPoint(i / 9 + 1, i % 9 + 1);
        return QPoint();
    };
    // "x" and a second digit go nowhere; "0", "." and a space are empty cells.
    QCOMPARE(typ(1, 1, "5x.0 3"), QPoint(1, 6));
    QCOMPARE(typ(1, 9, "7"), QPoint(2, 1));
    QStringList rij;
    for (int k = 1; k <= 9; ++k) rij << v.cel(1, k)->text();
    QCOMPARE(rij.join('|'), QString("5| | | |3| | | |7"));
    QCOMPARE(typ(9, 9, "8"), QPoint(9, 9));
    QTest::keyClick(v.cel(9, 9), Qt::Key_Backspace);
    QCOMPARE(v.cel(9, 9)->text(), QString(" "));
    const std::pair<Qt::Key, QPoint> pijlen[] = {{Qt::Key_Left, {9, 8}},
                                                 {Qt::Key_Up, {8, 8}},
                                                 {Qt::Key_Right, {8, 9}},
                                                 {Qt::Key_Right, {8, 9}},
                                                 {Qt::Key_Down, {9, 9}}};
    for (const auto& [pijl, naar] : pijlen) {
        QTest::keyClick(QApplication::focusWidget(), pijl);
        QCOMPARE(QApplication::focusWidget(), v.cel(naar.x(), naar.y()));
    }
    klik(v.knop(Knop::Bevestig));
    QCOMPARE(sudoku::bordRegel(v.form().veld).substr(0, 9), std::string("5...3...7"));
}

// Qt's file dialog, the text boxes' context menu, standard buttons and the window program's
// --help speak Dutch.
void VensterTest::nederlands() {
    QCOMPARE(QCoreApplication::translate("QFileSystemModel", "Name"), QString("Naam"));
    QLineEdit vak;
    std::unique_ptr<QMenu> menu(vak.createStandardContextMenu());
    QStringList items;
    for (QAction* a : menu->actions())
        if (!a->isSeparator()) items << a->text().remove('&').section('\t', 0, 0);
    QVERIFY2(items.contains("Kopiëren") && items.contains("Alles selecteren"),
             qPrintable(items.join(", ")));
    QMessageBox box(QMessageBox::Question, "", "", QMessageBox::Yes | QMessageBox::Cancel);
    QCOMPARE(box.button(QMessageBox::Cancel)->text().remove('&'), QString("Annuleren"));
    QProcess programma;
    programma.start(SUDOKU_BLAD_PROGRAMMA, {"--help"});
    QVERIFY(programma.waitForFinished(30000));
    const QString hulp = QString::fromUtf8(programma.readAllStandardOutput());
    QVERIFY2(!hulp.contains("Usage") && !hulp.contains("Options") && hulp.contains("Gebruik"),
             qPrintable(hulp));
}
