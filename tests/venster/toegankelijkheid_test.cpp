// The window for a screen reader and from the keyboard alone, and Qt's own texts in Dutch.
#include "venster_test.h"

void VensterTest::initTestCase() {
    QVERIFY2(sudoku::laadQtVertalingen(*QCoreApplication::instance()),
             "Qt's Dutch translations (qt6-translations-l10n) are not installed");
}

// Both windows are windows; cells say given, found or empty; the summary can be read; only
// the cells during "Invoer" take typing; the verdict gets the focus, whole in the description.
void VensterTest::schermlezer() {
    SudokuVenster v(VOORBEELD);
    toon(v);
    const auto wat = [&] {
        return v.cel(1, 1)->accessibleDescription() + "/" + v.cel(1, 2)->accessibleDescription();
    };
    const auto teLezen = [&](bool cellen) {
        for (int i = 0; i < 81; ++i)
            if (v.cel(i / 9 + 1, i % 9 + 1)->isReadOnly() != cellen ||
                !v.oplosVak(i % 9 + 1)->isReadOnly() || !v.opmerkVak()->isReadOnly())
                return false;
        return true;
    };
    QVERIFY(teLezen(true) && wat() == "gegeven/leeg");
    QTest::keyClick(v.knop(Knop::Start), Qt::Key_Space);
    QCOMPARE(QApplication::focusWidget(), v.opmerkVak());
    QVERIFY(teLezen(true) && wat() == "gegeven/gevonden");
    QCOMPARE(v.opmerkVak()->accessibleDescription(), QString("Sudoku succesvol ingevuld!"));
    v.verslagTonen();
    for (QWidget* w : {static_cast<QWidget*>(&v), static_cast<QWidget*>(v.verslagVenster())})
        QCOMPARE(QAccessible::queryAccessibleInterface(w)->role(), QAccessible::Window);
    QVERIFY(v.verslagVenster()->samenvatting()->accessibleDescription().startsWith(
        "Niveau: basis, Oplossingen: uniek, "));
    klik(v.knop(Knop::Invoer));
    QVERIFY(teLezen(false) && wat() == "leeg/leeg");
}

// Alt and a letter for every button and option, none twice nor a menu's; F10; during
// "Invoer" one character per cell, the focus moving on in reading order, arrows between cells.
void VensterTest::toetsenbord() {
    SudokuVenster v(VOORBEELD);
    toon(v);
    QSet<QKeySequence> toetsen;
    for (QAction* menu : v.menuBalk()->actions()) toetsen << QKeySequence::mnemonic(menu->text());
    for (int k = 0; k < 4; ++k) toetsen << v.knop(static_cast<Knop>(k))->shortcut();
    for (int o = 0; o < 3; ++o) toetsen << v.vinkVak(static_cast<Vink>(o))->shortcut();
    QVERIFY(toetsen.size() == 11 && !toetsen.contains(QKeySequence()));
    QTest::keyClick(&v, Qt::Key_T, Qt::AltModifier);
    QTRY_VERIFY(v.vinkVak(Vink::Tussenstap)->isChecked());  // a key clicks after a moment
    QTest::keyClick(&v, Qt::Key_F10);
    QTRY_VERIFY(v.menuBalk()->activeAction() == v.menuBalk()->actions().first());
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
    toon(v);
    QTest::keyClick(&v, Qt::Key_I, Qt::AltModifier);
    QTRY_VERIFY(aan(v, Knop::Bevestig));
    // Typed as a user types: each key to the box with the focus.
    v.cel(1, 9)->setFocus();
    for (QChar c : QString("7x5x.0 3x")) QTest::keyClicks(QApplication::focusWidget(), c);
    QCOMPARE(QApplication::focusWidget(), v.cel(2, 6));
    QCOMPARE(v.cel(2, 1)->text() + v.cel(2, 2)->text() + v.cel(2, 5)->text(), QString("5 3"));
    for (Qt::Key pijl : {Qt::Key_Up, Qt::Key_Up, Qt::Key_Right, Qt::Key_Right, Qt::Key_Right,
                         Qt::Key_Right, Qt::Key_Backspace})
        QTest::keyClick(QApplication::focusWidget(), pijl);
    QCOMPARE(QApplication::focusWidget(), v.cel(1, 9));
    klik(v.knop(Knop::Bevestig));
    QCOMPARE(sudoku::bordRegel(v.form().veld).substr(0, 18), std::string(".........5...3...."));
}

// Qt's file dialog, context menus, standard buttons and the program's --help in Dutch.
void VensterTest::nederlands() {
    QCOMPARE(QCoreApplication::translate("QFileSystemModel", "Name"), QString("Naam"));
    QCOMPARE(QCoreApplication::translate("QLineEdit", "Select All"), QString("Alles selecteren"));
    QProcess programma;
    programma.start(SUDOKU_BLAD_PROGRAMMA, {"--help"});
    QVERIFY(programma.waitForFinished(30000));
    QVERIFY(programma.readAllStandardOutput().startsWith("Gebruik: "));
}
