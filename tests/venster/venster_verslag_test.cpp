// The report window after a solve.
#include "venster/teksten.h"
#include "venster_test.h"

// The report of a solve with a failed guess: the command line's steps, between them the
// exclusions that strike something for a person, named by what they strike, and one line for
// each run of those that strike nothing; no emptied table; level, uniqueness and counts; the
// board after each line, moved through by keys and buttons while the grid stays; "Kopiëren";
// emptied by "Herstart", a load, a paste and "Invoer".
void VensterTest::verslagNaGok() {
    QTemporaryDir map;
    const QString pad = map.path() + "/gok.txt";
    std::ofstream(pad.toStdString()) << negenRegels(MET_GOK);
    QProcess cli;
    cli.start(SUDOKU_CLI_PROGRAMMA, {"--trial", "--uitleg", "--verslag", pad});
    QVERIFY(cli.waitForFinished(60000));
    QStringList stappen, kop, verwacht;
    const QMap<QString, QString> zin{
        {"uniek", "uniek"}, {"meerdere", "meerdere oplossingen"}, {"geen", "geen oplossing"}};
    // An exclusion's line waits for its sentence (the name) and its weg line.
    QString uitsluiting, naam;
    int stil = 0;
    for (QString regel : QString::fromUtf8(cli.readAllStandardOutput()).split('\n')) {
        if (regel.startsWith("stap ") || regel.startsWith("gok ongedaan")) {
            if (stil > 0) verwacht << QString::fromStdString(sudoku::teksten::stilRegel(stil));
            stil = 0;
            stappen << regel;
            verwacht << regel;
        }
        if (regel.startsWith("uitsluiting ")) uitsluiting = regel;
        if (regel.startsWith("  waarom: ") && !uitsluiting.isEmpty())
            naam = regel.mid(10).section(':', 0, 0).toLower();
        if (regel.startsWith("  weg: ")) {
            const QString weg = regel.mid(7);
            if (weg == "geen") {
                ++stil;
            } else {
                if (stil > 0) verwacht << QString::fromStdString(sudoku::teksten::stilRegel(stil));
                stil = 0;
                verwacht << uitsluiting.section(':', 0, 0) + ": " +
                                uitsluiting.section(": ", 1).section(' ', 0, 0) +
                                " weggestreept in " + weg + ", " + naam + ", " +
                                uitsluiting.section(", ", -1);
            }
            uitsluiting.clear();
        }
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
    // Wider than this small screen by itself, it is made to fit it.
    QVERIFY(v.screen()->availableGeometry().contains(verslag->frameGeometry()));
    QCOMPARE(verslag->samenvatting()->text(), QString(sudoku::teksten::VERSLAG_GEEN));
    klik(v.vinkVak(Vink::Uitproberen));
    klik(v.knop(Knop::Start));
    QCOMPARE(verslag->samenvatting()->text(),
             kop.mid(0, 2).join(", ") + "\n" + kop.mid(2).join(", "));
    QStringList lijst, alleenStappen;
    for (int i = 0; i < verslag->lijst()->count(); ++i) {
        const QString tekst = verslag->lijst()->item(i)->text();
        lijst << tekst.split('\n').first();
        if (tekst.startsWith("stap ") || tekst.startsWith("gok ongedaan")) alleenStappen << tekst;
    }
    QCOMPARE(lijst, verwacht);
    QCOMPARE(alleenStappen, stappen);
    QVERIFY(verwacht.size() < stappen.size() * 2 && !lijst.contains("tabel gewist"));
    const auto& opPad = v.verslag()->pad;
    const auto stapVan = [&](int i) {
        return opPad.verloop()[static_cast<std::size_t>(verslag->verloopVan(i))].index;
    };

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
    QCOMPARE(verslag->bord()->beeld().bord, opPad.bordNa(stapVan(2)));
    // The guess shows its cell and block; the undo the board from before the guess, no cell.
    const int gok = static_cast<int>(lijst.indexOf(QRegularExpression(".*\\(gok\\)$")));
    const int ongedaan = static_cast<int>(lijst.indexOf(QRegularExpression("^gok ongedaan.*")));
    QVERIFY(gok > 0 && ongedaan > gok);
    verslag->kies(gok);
    const sudoku::Gebeurtenis& g = opPad.gebeurtenissen()[stapVan(gok)];
    QCOMPARE(verslag->bord()->beeld().cel, (g.rij - 1) * 9 + g.kol - 1);
    QCOMPARE(verslag->bord()->beeld().eenheid, sudoku::Eenheid::blokVan(g.rij, g.kol).cellen());
    verslag->kies(ongedaan);
    QCOMPARE(verslag->bord()->beeld().cel, -1);
    QCOMPARE(verslag->bord()->beeld().bord,
             opPad.bordVoor(static_cast<std::size_t>(verslag->verloopVan(gok))));
    verslag->kies(laatste + 5);
    QVERIFY(verslag->bord()->beeld().bord == opgelost && !verslag->volgende()->isEnabled());
    QCOMPARE(sudoku::bordRegel(v.form().veld), opgelost);

    // The steps as they are, the rest indented and its sentence under it.
    QStringList lijstTekst;
    for (int i = 0; i < verslag->lijst()->count(); ++i) {
        QString t = verslag->lijst()->item(i)->text();
        lijstTekst << (alleenStappen.contains(t) ? t : "    " + t.replace("\n", "\n      "));
    }
    klik(verslag->kopieerKnop());
    QCOMPARE(klembord(), QString::fromStdString("Puzzel: " + MET_GOK) + "\n" + kop.join('\n') +
                             "\n\nStappen:\n" + lijstTekst.join('\n') + "\n");

    // Whatever changes the board ends the report; "Start" makes a new one.
    const std::vector<std::pair<const char*, std::function<void()>>> legen = {
        {"Herstart", [&] { klik(v.knop(Knop::Herstart)); }},
        {"laden", [&] { v.laadBestand(pad); }},
        {"plakken",
         [&] {
             zetKlembord(QString::fromStdString(MET_GOK)), v.plakken(),
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
