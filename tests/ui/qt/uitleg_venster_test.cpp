// The window explains: the step box's digit and sentence, the marks of the proving cells,
// the tip, the report's exclusions and candidates, and the colours they are drawn in.
#include "markering.h"
#include "tip_venster.h"
#include "venster_test.h"

namespace {

using sudoku::Markering;

// What `--trial --uitleg` says of a puzzle: per step its line, sentence and proof; per
// exclusion its cause cells.
struct CliUitleg {
    std::map<int, QString> regel, waarom, bewijs;
    std::map<int, QString> oorzaak;  // exclusion number -> its "oorzaak" line
};

CliUitleg cliUitleg(const std::string& puzzel, QStringList opties) {
    QTemporaryDir map;
    const QString pad = map.path() + "/p.txt";
    std::ofstream(pad.toStdString()) << negenRegels(puzzel);
    QProcess cli;
    cli.start(SUDOKU_CLI_PROGRAMMA, opties << "--uitleg" << pad);
    cli.waitForFinished(60000);
    CliUitleg u;
    int stap = 0, uitsluiting = 0;
    static const QRegularExpression stapRe("^stap (\\d+):"), uitRe("^uitsluiting (\\d+):");
    for (const QString& r : QString::fromUtf8(cli.readAllStandardOutput()).split('\n')) {
        if (auto m = stapRe.match(r); m.hasMatch()) {
            stap = m.captured(1).toInt(), uitsluiting = 0;
            u.regel[stap] = r;
        } else if (auto m2 = uitRe.match(r); m2.hasMatch()) {
            uitsluiting = m2.captured(1).toInt(), stap = 0;
        } else if (r.startsWith("  waarom: ") && stap != 0) {
            u.waarom[stap] = r.mid(10);
        } else if (r.startsWith("  bewijs: ") && stap != 0) {
            u.bewijs[stap] = r.mid(10);
        } else if (r.startsWith("  oorzaak: ") && uitsluiting != 0) {
            u.oorzaak[uitsluiting] = r.mid(11);
        }
    }
    return u;
}

std::bitset<81> cellenIn(const QString& tekst) {
    std::bitset<81> b;
    static const QRegularExpression celRe("\\br([1-9])k([1-9])\\b");
    for (auto it = celRe.globalMatch(tekst); it.hasNext();) {
        const auto m = it.next();
        b.set(
            static_cast<std::size_t>((m.captured(1).toInt() - 1) * 9 + m.captured(2).toInt() - 1));
    }
    return b;
}

// The cells a proof line cites as a person checks them: those after an item's colon, and
// for "uitsluiting N" that exclusion's cause.
std::bitset<81> getuigen(const CliUitleg& u, int stap) {
    std::bitset<81> b;
    static const QRegularExpression uitRe("uitsluiting (\\d+)");
    for (const QString& item : u.bewijs.at(stap).split(';')) {
        if (!item.contains(':')) continue;
        const QString na = item.section(':', 1);
        b |= cellenIn(na);
        if (auto m = uitRe.match(na); m.hasMatch())
            b |= cellenIn(u.oorzaak.at(m.captured(1).toInt()));
    }
    return b;
}

// Everything of the form a user or the core can see or read back.
QStringList velden(SudokuVenster& v) {
    sudoku::SudokuForm& f = v.form();
    QStringList s{QString::fromStdString(sudoku::bordRegel(f.veld)), v.opmerkVak()->text()};
    for (int d = 1; d <= 9; ++d) {
        s << QString::number(f.aantal(d)) << v.oplosVak(d)->text();
        for (int r = 1; r <= 9; ++r)
            for (int k = 1; k <= 9; ++k)
                if (f.uitz_tabel.uitgesloten(d, r, k))
                    s << QString("uitz %1%2%3").arg(d).arg(r).arg(k);
    }
    for (int i = 0; i < 81; ++i) {
        const QLineEdit* c = v.cel(i / 9 + 1, i % 9 + 1);
        s << c->text() << tekstKleur(c).name();
    }
    for (Knop k : {Knop::Invoer, Knop::Bevestig, Knop::Start, Knop::Herstart})
        s << QString::number(aan(v, k)) << QString::number(v.knop(k)->isVisible());
    for (Vink w : {Vink::Tussenstap, Vink::Module, Vink::Uitproberen})
        s << QString::number(v.vinkWaarde(w));
    s << QString::number(f.PROBEERUIT_OOIT) << QString::number(f.NWGETAL_OOIT)
      << QString::number(static_cast<int>(f.afloop));
    return s;
}

// F3, and what the tip window then says and the grid marks.
struct Tip {
    QString regel, uitleg;
    Markering markering;
};
Tip vraagTip(SudokuVenster& v) {
    QTest::keyClick(&v, Qt::Key_F3);
    sudoku::TipVenster* t = v.tipVenster();
    if (t == nullptr || !t->isVisible()) return {};
    return {t->regel()->text(), t->uitleg()->isVisible() ? t->uitleg()->text() : QString(),
            v.markering()};
}

QString verwacht(const CliUitleg& u, int stap) {
    const QString regel = u.regel.at(stap);
    const QString getal = regel.section(" = ", 1).left(1);
    return QString::fromStdString(
        sudoku::teksten::stapUitleg(getal.toStdString(), u.waarom.at(stap).toStdString()));
}

}  // namespace

// The tint and the frames in a light palette, a dark one, and a dark one whose highlight
// lies close to its base: seen apart from the plain cells, the text still readable.
void VensterTest::leesbaarInLichtEnDonker() {
    QPalette bijnaGelijk = donkerPalet();
    bijnaGelijk.setColor(QPalette::Base, QColor(0x3D, 0x3D, 0x3D));
    bijnaGelijk.setColor(QPalette::Highlight, QColor(0x2B, 0x4F, 0x63));
    for (const QPalette& p : {QApplication::palette(), donkerPalet(), bijnaGelijk}) {
        const QColor basis = p.color(QPalette::Base), tint = sudoku::markeerKleur(p);
        const QColor rand = sudoku::bewijsRandKleur(p);
        const QString wie = basis.name() + " " + p.color(QPalette::Highlight).name();
        QVERIFY2(sudoku::contrastVan(tint, basis) >= 1.4, qPrintable(wie));
        QVERIFY2(sudoku::contrastVan(p.color(QPalette::Text), tint) >= 4.5, qPrintable(wie));
        QVERIFY2(sudoku::contrastVan(rand, basis) >= 1.4 && sudoku::contrastVan(rand, tint) >= 1.4,
                 qPrintable(wie));
        QCOMPARE(sudoku::contrastVan(tint, basis), contrast(tint, basis));
    }
}

// Every step box of a solve with a guess that fails: its own text first, then the digit and
// the command line's sentence, for the eye and the screen reader; the unit tinted and the
// proving cells framed while it is open, nothing once it closes, also by Escape.
void VensterTest::stapMeldingLegtUit() {
    const CliUitleg cli = cliUitleg(kMetGok, {"--trial"});
    QTemporaryDir map;
    const QString pad = map.path() + "/gok.txt";
    std::ofstream(pad.toStdString()) << negenRegels(kMetGok);
    LoggendVenster v(pad.toStdString());
    toon(v);
    klik(v.vinkVak(Vink::Uitproberen));
    klik(v.vinkVak(Vink::Tussenstap));
    QStringList fouten, soorten;
    const int n = metMeldingen(
        v, [&] { klik(v.knop(Knop::Start)); },
        [&](QMessageBox* box, int stap) {
            const std::string& p = v.plaatsingen.back();
            const QString zin = verwacht(cli, stap);
            if (box->text() !=
                    QString::fromStdString(sudoku::teksten::stapTekst(p[0] - '0', p[1] - '0')) ||
                box->informativeText() != zin || !box->accessibleDescription().endsWith(zin))
                fouten << QString("tekst %1: %2").arg(stap).arg(box->informativeText());
            const Markering& m = v.markering();
            if (m.bewijs != getuigen(cli, stap) || m.eenheid != v.redenen.back().eenheid.cellen())
                fouten << QString("merken %1: %2").arg(stap).arg(cli.bewijs.at(stap));
            soorten << cli.bewijs.at(stap).section(':', 0, 0).replace(QRegularExpression("^[1-9]$"),
                                                                      "cijfer");
            box->accept();
        });
    QCOMPARE(n, static_cast<int>(cli.regel.size()));
    QVERIFY2(fouten.isEmpty(), qPrintable(fouten.mid(0, 5).join("; ")));
    for (const char* soort : {"band", "gok", "herstel", "r", "cijfer"})  // a proof of each kind
        QVERIFY2(std::any_of(soorten.begin(), soorten.end(),
                             [&](const QString& s) { return s.startsWith(soort); }),
                 soort);
    QCOMPARE(v.markering(), Markering{});

    klik(v.knop(Knop::Herstart));
    klik(v.vinkVak(Vink::Tussenstap));
    metMeldingen(
        v, [&] { klik(v.knop(Knop::Start)); },
        [&](QMessageBox* box, int) {
            QVERIFY(v.markering().bewijs.any());
            QTest::keyClick(box, Qt::Key_Escape);
        });
    QCOMPARE(v.markering(), Markering{});
}

// F3 after a load and during "Invoer" gives the command line's first step on that board,
// marks it and changes nothing of the form; typing that digit gives the next one; a box
// "Bevestig" refuses and a board the ladder cannot start on are said so.
void VensterTest::tipVanWaarJeBent() {
    const std::string voorbeeld = [] {
        std::string s;
        const auto rijen = voorbeeldRijen();
        for (int r = 1; r <= 9; ++r) s += rijen[r];
        for (char& c : s)
            if (c < '1' || c > '9') c = '.';
        return s;
    }();
    SudokuVenster v(kVoorbeeld);
    toon(v);
    const auto zoalsCli = [&](const Tip& t, const std::string& bord) {
        const CliUitleg cli = cliUitleg(bord, {});
        const QString regel = cli.regel.at(1);
        const int rij = regel.section("rij ", 1).left(1).toInt();
        const int kol = regel.section("kolom ", 1).left(1).toInt();
        QCOMPARE(t.regel, regel);
        QCOMPARE(t.uitleg, verwacht(cli, 1));
        QCOMPARE(t.markering.cel, (rij - 1) * 9 + kol - 1);
        QCOMPARE(t.markering.bewijs, getuigen(cli, 1));
        QVERIFY(t.markering.eenheid[static_cast<std::size_t>((rij - 1) * 9 + kol - 1)]);
    };
    const QStringList voor = velden(v);
    zoalsCli(vraagTip(v), voorbeeld);
    QCOMPARE(velden(v), voor);
    v.tipVenster()->close();
    QCOMPARE(v.markering(), Markering{});

    klik(v.knop(Knop::Invoer));
    for (int i = 0; i < 81; ++i)
        if (voorbeeld[static_cast<std::size_t>(i)] != '.')
            v.cel(i / 9 + 1, i % 9 + 1)
                ->setText(QString(QChar(voorbeeld[static_cast<std::size_t>(i)])));
    const QStringList invoer = velden(v);
    Tip t = vraagTip(v);
    zoalsCli(t, voorbeeld);
    QCOMPARE(velden(v), invoer);
    // The user types the tip's digit and asks again.
    std::string verder = voorbeeld;
    verder[static_cast<std::size_t>(t.markering.cel)] = t.regel.section(" = ", 1).at(0).toLatin1();
    v.cel(t.markering.cel / 9 + 1, t.markering.cel % 9 + 1)
        ->setText(t.regel.section(" = ", 1).left(1));
    zoalsCli(vraagTip(v), verder);

    v.cel(9, 9)->setText("x");
    QCOMPARE(vraagTip(v).regel,
             QString::fromStdString(sudoku::teksten::ongeldigeInvoer(9, 9)).trimmed());
    for (int i = 0; i < 81; ++i) v.cel(i / 9 + 1, i % 9 + 1)->setText(" ");
    v.cel(5, 5)->setText("5");
    t = vraagTip(v);
    QCOMPARE(t.regel,
             QString::fromStdString(sudoku::teksten::tipGeenStap(sudoku::Oplossingen::Meerdere)));
    QCOMPARE(t.markering, Markering{});
}

// The report explains the chosen entry: a step's sentence and proof, an exclusion's cause
// framed and its cells marked; "Kandidaten" shows what a plain count of the board and the
// exclusions in force leaves, the removed digit struck in the exclusion's cells.
void VensterTest::verslagLegtUit() {
    QTemporaryDir map;
    const QString pad = map.path() + "/gok.txt";
    std::ofstream(pad.toStdString()) << negenRegels(kMetGok);
    SudokuVenster v(pad.toStdString());
    toon(v);
    klik(v.vinkVak(Vink::Uitproberen));
    klik(v.knop(Knop::Start));
    v.verslagTonen();
    sudoku::VerslagVenster* verslag = v.verslagVenster();
    const sudoku::Oplospad& p = v.verslag()->pad;
    const CliUitleg cli = cliUitleg(kMetGok, {"--trial"});

    verslag->kies(0);
    QVERIFY(verslag->uitleg()->text().startsWith(verwacht(cli, 1)));
    QVERIFY(verslag->uitleg()->text().contains(sudoku::teksten::BEWIJS_KOP));
    QCOMPARE(verslag->bord()->bewijs(), getuigen(cli, 1));

    // The plain count: row, column and block of the board, less the exclusions since the
    // table was last emptied or a guess undone.
    const auto gewoon = [&](std::size_t k) {
        const std::string bord = p.bordVoor(k + 1);
        std::size_t vanaf = 0;  // the exclusions in force came after the last reset
        for (std::size_t j = 0; j <= k; ++j) {
            const sudoku::Verloop& e = p.verloop()[j];
            if (e.soort == sudoku::Verloop::Soort::TabelGewist ||
                (e.soort == sudoku::Verloop::Soort::Gebeurtenis &&
                 p.gebeurtenissen()[e.index].soort == sudoku::Gebeurtenis::Soort::GokOngedaan))
                vanaf = j + 1;
        }
        sudoku::Kandidaten kand{};
        for (std::size_t c = 0; c < 81; ++c) {
            if (bord[c] != '.') continue;
            kand[c].set();
            for (std::size_t a = 0; a < 81; ++a)
                if (bord[a] != '.' && (a / 9 == c / 9 || a % 9 == c % 9 ||
                                       (a / 27 == c / 27 && a % 9 / 3 == c % 9 / 3)))
                    kand[c].reset(static_cast<std::size_t>(bord[a] - '1'));
            for (std::size_t j = vanaf; j <= k; ++j)
                if (p.verloop()[j].soort == sudoku::Verloop::Soort::Uitsluiting) {
                    const sudoku::Uitsluiting& u = p.uitsluitingen()[p.verloop()[j].index];
                    if (u.cellen[c]) kand[c].reset(static_cast<std::size_t>(u.cijfer - 1));
                }
        }
        return kand;
    };
    verslag->kandidatenVak()->setChecked(true);
    int uitsluitingen = 0;
    for (std::size_t k = 0; k < p.verloop().size(); ++k) {
        verslag->kies(static_cast<int>(k));
        QVERIFY(verslag->bord()->kandidaten().has_value());
        QVERIFY2(*verslag->bord()->kandidaten() == gewoon(k), qPrintable(QString::number(k)));
        if (p.verloop()[k].soort != sudoku::Verloop::Soort::Uitsluiting) continue;
        const sudoku::Uitsluiting& u = p.uitsluitingen()[p.verloop()[k].index];
        QCOMPARE(verslag->bord()->bewijs(), u.oorzaak);
        QCOMPARE(verslag->bord()->verwijderd(), u.cellen);
        QVERIFY(verslag->lijst()->item(static_cast<int>(k))->text().startsWith("    uitsluiting "));
        QVERIFY(verslag->uitleg()->text().startsWith(QString::fromStdString(p.waarom(k))));
        ++uitsluitingen;
    }
    QVERIFY(uitsluitingen > 0);
    verslag->kandidatenVak()->setChecked(false);
    QVERIFY(!verslag->bord()->kandidaten().has_value());
}
