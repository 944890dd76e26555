// The window driven as a user drives it: the form, its states and tab order, names, menus.
#include "venster_test.h"
#include "venster/teksten.h"

void VensterTest::tabVolgorde() {
    SudokuVenster v(VOORBEELD);
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

// ctest runs this at a scale factor of 2 on a screen of 1600 x 1000, where the form is taller
// than the screen: the window and the report fit the screen, and every control Tab reaches is
// in sight once it has the focus, as is the status line after a solve. At scale 1 the window
// is the form's size and the menu bar.
void VensterTest::kleinScherm() {
    SudokuVenster v(VOORBEELD);
    toon(v);
    const QRect ruimte = v.screen()->availableGeometry();
    QVERIFY(ruimte.contains(v.frameGeometry()));
    QCOMPARE(v.formulier()->size(), QSize(441, 532));
    if (v.devicePixelRatio() == 1.0) QCOMPARE(v.size(), QSize(441, v.menuBalk()->height() + 532));
    const auto inZicht = [](QWidget* w) {
        return !w->visibleRegion().isEmpty() && w->visibleRegion().boundingRect() == w->rect();
    };
    v.opmerkVak()->setFocus();
    for (int stap = 0; stap < 100; ++stap) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QVERIFY2(inZicht(QApplication::focusWidget()),
                 qPrintable(QApplication::focusWidget()->objectName()));
    }
    klik(v.knop(Knop::Start));
    QTRY_VERIFY(v.opmerkVak()->hasFocus());
    QVERIFY(inZicht(v.opmerkVak()));

    v.verslagTonen();
    sudoku::VerslagVenster* verslag = v.verslagVenster();
    QVERIFY(QTest::qWaitForWindowExposed(verslag));
    QVERIFY(ruimte.contains(verslag->frameGeometry()));
    verslag->lijst()->setFocus();
    for (int stap = 0; stap < 8; ++stap) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QVERIFY2(inZicht(QApplication::focusWidget()),
                 qPrintable(QApplication::focusWidget()->objectName()));
    }
    QVERIFY(inZicht(verslag->kandidatenVak()));
}

// A named file that is missing; then the example loaded, solved, restarted, typed in again
// and solved, the buttons pressed by mouse, Enter, the keypad's Enter and Space.
void VensterTest::sessie() {
    QTemporaryDir map;
    SudokuVenster leeg((map.path() + "/puzzel.txt").toStdString());
    QCOMPARE(leeg.opmerkVak()->text(), QString(" puzzel.txt bestaat niet "));
    QVERIFY(aan(leeg, Knop::Invoer) && !aan(leeg, Knop::Bevestig) && !aan(leeg, Knop::Start));

    SudokuVenster v(VOORBEELD);
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

void VensterTest::ongeldigeInvoer() {
    SudokuVenster v(VOORBEELD);
    v.show();
    v.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&v));
    klik(v.knop(Knop::Invoer));
    // What typing cannot put in a box (a middle-click paste can) is refused by "Bevestig".
    v.cel(1, 1)->setText("5");
    QLineEdit* cel = v.cel(4, 7);
    for (const char* slecht : {"a", "12"}) {
        cel->setText(slecht);
        v.opmerkVak()->setFocus();
        klik(v.knop(Knop::Bevestig));
        QCOMPARE(v.opmerkVak()->text(), QString(" Ongeldige invoer in rij 4, kolom 7 "));
        QCOMPARE(QApplication::focusWidget(), cel);
        QCOMPARE(cel->selectedText(), QString(slecht));
        QVERIFY(aan(v, Knop::Bevestig) && v.knop(Knop::Start)->isHidden());  // still entering
    }
    cel->setText("0");  // a zero is an empty cell
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

// Without a display the options are still read: --help and --version answer, a wrong option
// is a usage error, and a window that cannot open says so in Dutch, all with an exit status
// instead of Qt's abort. A platform that needs no display (-platform, passed on to Qt) draws.
void VensterTest::zonderBeeldscherm() {
    QTemporaryDir map;
    const QString png = map.path() + "/venster.png", voorbeeld = QString::fromStdString(VOORBEELD);
    struct Geval {
        QStringList args;
        QString scherm;  // DISPLAY, or none
        int code;
        QByteArray begin;  // of stdout for 0, else of stderr
    };
    const Geval gevallen[] = {
        {{voorbeeld}, {}, 2, "sudoku-blad: Geen beeldscherm gevonden"},
        {{"--frob", voorbeeld}, {}, 2, "sudoku-blad: Onbekende optie"},
        {{"--help"}, {}, 0, "Gebruik: "},
        {{"--version"}, {}, 0, "sudoku-blad " SUDOKU_VERSIE},
        {{voorbeeld},
         ":4711",
         2,
         "sudoku-blad: Het beeldscherm is niet te bereiken (DISPLAY=:4711)"},
        {{"-platform", "offscreen", "--screenshot", png, voorbeeld}, {}, 0, ""},
    };
    for (const Geval& g : gevallen) {
        QProcessEnvironment omgeving = QProcessEnvironment::systemEnvironment();
        for (const char* naam : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            omgeving.remove(naam);
        if (!g.scherm.isEmpty()) omgeving.insert("DISPLAY", g.scherm);
        QProcess p;
        p.setProcessEnvironment(omgeving);
        p.start(SUDOKU_BLAD_PROGRAMMA, g.args);
        QVERIFY(p.waitForFinished(60000));
        const QByteArray fout = p.readAllStandardError();
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        QVERIFY2(p.exitCode() == g.code, fout.constData());
        QVERIFY2((g.code == 0 ? p.readAllStandardOutput() : fout).startsWith(g.begin),
                 fout.constData());
    }
    QVERIFY(QFileInfo(png).size() > 0);
}

void VensterTest::statusVanafBegin() {
    // Start-up and "Herstart" without a file.
    QTemporaryDir map;
    SudokuVenster v(VOORBEELD);
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
    QVERIFY2(!zwaar.empty(), SUDOKU_PUZZELS "/top95.txt");
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

void VensterTest::toegankelijkeNamen() {
    SudokuVenster v(VOORBEELD);
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
    QCOMPARE(
        namen,
        QStringList(
            {"menubalk",         "Bestand",  "Bewerken",          "Oplossing", "Help",
             "Openen…",          "Kopiëren", "Plakken",           "Afsluiten", "Kopiëren",
             "Plakken",          "Verslag…", "Controleer puzzel", "Tip",       "Uitleg",
             "Over Sudoku Blad", "Verslag",  "samenvatting",      "stappen",   "bord na de stap",
             "Uitleg",           "Vorige",   "Volgende",          "Kopiëren",  "Sluiten",
             "Sluiten"}));
}

// The menu bar above the unchanged form, its items and their keys; none of them works
// while a step box is open.
void VensterTest::menus() {
    SudokuVenster v(VOORBEELD);
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
             QStringList({"&Bestand", "&Openen… Ctrl+O", "&Kopiëren Ctrl+C", "&Plakken Ctrl+V",
                          "&Afsluiten Ctrl+Q", "Be&werken", "&Kopiëren Ctrl+C", "&Plakken Ctrl+V",
                          "&Oplossing", "&Verslag… F2", "&Controleer puzzel Ctrl+K", "&Tip F3",
                          "&Help", "&Uitleg F1", "&Over Sudoku Blad Shift+F1"}));
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
    for (const char* woord : {"Bevestig", "weergave modules", "Kruisen langs de rijen",
                              "BLOKLIJNEN", "Naakt drietal", "Opeisen", "ongedaan", "niveau"})
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

QTEST_MAIN(VensterTest)
