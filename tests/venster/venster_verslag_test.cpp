// The report window after a solve.
#include "venster/teksten.h"
#include "venster_test.h"

// The report of a solve with a failed guess: the command line's steps with its exclusions
// and emptied tables between them, level, uniqueness and counts; the board after each step, moved through by keys and buttons while the grid
// stays; "Kopiëren"; emptied by "Herstart", a load, a paste and "Invoer".
void VensterTest::verslagNaGok() {
    QTemporaryDir map;
    const QString pad = map.path() + "/gok.txt";
    std::ofstream(pad.toStdString()) << negenRegels(MET_GOK);
    QProcess cli;
    cli.start(SUDOKU_CLI_PROGRAMMA, {"--trial", "--uitleg", "--verslag", pad});
    QVERIFY(cli.waitForFinished(60000));
    QStringList stappen, kop, verloop;
    const QMap<QString, QString> zin{
        {"uniek", "uniek"}, {"meerdere", "meerdere oplossingen"}, {"geen", "geen oplossing"}};
    for (QString regel : QString::fromUtf8(cli.readAllStandardOutput()).split('\n')) {
        if (regel.startsWith("stap ") || regel.startsWith("gok ongedaan")) stappen << regel;
        if (regel.startsWith("stap ") || regel.startsWith("gok ongedaan") ||
            regel.startsWith("uitsluiting ") || regel == "tabel gewist")
            verloop << regel;
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
    QCOMPARE(verslag->samenvatting()->text(), kop.join('\n'));
    QStringList lijst, alleenStappen;
    for (int i = 0; i < verslag->lijst()->count(); ++i) {
        const QString tekst = verslag->lijst()->item(i)->text();
        lijst << tekst.split('\n').first().trimmed();
        if (!tekst.startsWith(' ')) alleenStappen << tekst;
    }
    QCOMPARE(lijst, verloop);
    QCOMPARE(alleenStappen, stappen);
    const auto& opPad = v.verslag()->pad;
    const auto stapVan = [&](int i) { return opPad.verloop()[static_cast<std::size_t>(i)].index; };

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
    QCOMPARE(verslag->bord()->bord(), opPad.bordVoor(3));
    // The guess shows its cell and block; the undo the board from before the guess, no cell.
    const int gok = static_cast<int>(lijst.indexOf(QRegularExpression(".*\\(gok\\)$")));
    const int ongedaan = static_cast<int>(lijst.indexOf(QRegularExpression("^gok ongedaan.*")));
    QVERIFY(gok > 0 && ongedaan > gok);
    verslag->kies(gok);
    const sudoku::Gebeurtenis& g = opPad.gebeurtenissen()[stapVan(gok)];
    QCOMPARE(verslag->bord()->cel(), (g.rij - 1) * 9 + g.kol - 1);
    QCOMPARE(verslag->bord()->eenheid(), sudoku::Eenheid::blokVan(g.rij, g.kol).cellen());
    verslag->kies(ongedaan);
    QCOMPARE(verslag->bord()->cel(), -1);
    QCOMPARE(verslag->bord()->bord(), opPad.bordVoor(static_cast<std::size_t>(gok)));
    verslag->kies(laatste + 5);
    QVERIFY(verslag->bord()->bord() == opgelost && !verslag->volgende()->isEnabled());
    QCOMPARE(sudoku::bordRegel(v.form().veld), opgelost);

    QStringList lijstTekst;
    for (int i = 0; i < verslag->lijst()->count(); ++i)
        lijstTekst << verslag->lijst()->item(i)->text();
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
