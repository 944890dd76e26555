// The window explains: the step box's digit and sentence, the marks of the proving cells,
// the tip, the report's exclusions and candidates, and the colours they are drawn in.
#include <QScrollBar>

#include "board/teksten.h"
#include "markering.h"
#include "tip_venster.h"
#include "uitleg/teksten.h"
#include "venster/teksten.h"
#include "venster_test.h"

namespace {

using sudoku::Markering;

// What `--uitleg` prints of a puzzle: per step N (key N) and exclusion N (key -N) its own
// line ("regel") and its indented lines by their word ("waarom", "bewijs", "oorzaak").
using CliUitleg = std::map<int, std::map<QString, QString>>;

CliUitleg cliUitleg(const std::string& puzzel, QStringList opties) {
    QTemporaryDir map;
    std::ofstream((map.path() + "/p.txt").toStdString()) << negenRegels(puzzel);
    QProcess cli;
    cli.start(SUDOKU_CLI_PROGRAMMA, opties << "--uitleg" << map.path() + "/p.txt");
    cli.waitForFinished(60000);
    CliUitleg u;
    int sleutel = 0;
    static const QRegularExpression kop("^(stap|uitsluiting) (\\d+):"), onder("^  (\\w+): (.*)$");
    for (const QString& r : QString::fromUtf8(cli.readAllStandardOutput()).split('\n')) {
        if (auto m = kop.match(r); m.hasMatch()) {
            sleutel = m.captured(2).toInt() * (m.captured(1) == "stap" ? 1 : -1);
            u[sleutel]["regel"] = r;
        } else if (auto m2 = onder.match(r); m2.hasMatch() && sleutel != 0) {
            u[sleutel][m2.captured(1)] = m2.captured(2);
        }
    }
    return u;
}

std::bitset<81> cellenIn(const QString& tekst) {
    std::bitset<81> b;
    static const QRegularExpression cel("\\br([1-9])k([1-9])\\b");
    for (auto it = cel.globalMatch(tekst); it.hasNext();) {
        const auto m = it.next();
        b.set(static_cast<std::size_t>(m.captured(1).toInt() * 9 + m.captured(2).toInt() - 10));
    }
    return b;
}

// The cells a proof cites as a person checks them: those after an item's colon, and for
// "uitsluiting N" that exclusion's cause.
std::bitset<81> getuigen(CliUitleg& u, int stap) {
    std::bitset<81> b;
    static const QRegularExpression uit("uitsluiting (\\d+)");
    for (const QString& item : u[stap]["bewijs"].split(';')) {
        b |= cellenIn(item.section(':', 1));
        if (auto m = uit.match(item); m.hasMatch())
            b |= cellenIn(u[-m.captured(1).toInt()]["oorzaak"]);
    }
    return b;
}

QString verwacht(CliUitleg& u, int stap) {
    const std::string getal = u[stap]["regel"].section(" = ", 1).left(1).toStdString();
    return QString::fromStdString(
        sudoku::teksten::stapUitleg(getal, u[stap]["waarom"].toStdString()));
}

// Everything of the form a user or the core can see or read back.
QStringList velden(SudokuVenster& v) {
    sudoku::SudokuForm& f = v.form();
    QStringList s{QString::fromStdString(sudoku::bordRegel(f.veld)), v.opmerkVak()->text(),
                  QString::number(f.PROBEERUIT_OOIT + 2 * f.NWGETAL_OOIT)};
    for (int d = 1; d <= 9; ++d) {
        s << QString::number(f.aantal(d)) << v.oplosVak(d)->text();
        for (int i = 0; i < 81; ++i)
            if (f.uitz_tabel.uitgesloten(d, i / 9 + 1, i % 9 + 1))
                s << QString("uitz %1 %2").arg(d).arg(i);
    }
    for (int i = 0; i < 81; ++i)
        s << v.cel(i / 9 + 1, i % 9 + 1)->text() << tekstKleur(v.cel(i / 9 + 1, i % 9 + 1)).name();
    for (Knop k : {Knop::Invoer, Knop::Bevestig, Knop::Start, Knop::Herstart})
        s << QString::number(aan(v, k) + 2 * v.knop(k)->isVisible());
    for (Vink w : {Vink::Tussenstap, Vink::Module, Vink::Uitproberen})
        s << QString::number(v.vinkWaarde(w));
    return s;
}

// What `sudoku-blad-cli --tip` prints for a board: the text of each level (1..3), or under
// key 0 the one line without a step.
std::map<int, QString> cliTip(const std::string& bord) {
    QTemporaryDir map;
    std::ofstream((map.path() + "/p.txt").toStdString()) << negenRegels(bord);
    QProcess cli;
    cli.start(SUDOKU_CLI_PROGRAMMA, {"--tip", map.path() + "/p.txt"});
    cli.waitForFinished(60000);
    std::map<int, QString> t;
    static const QRegularExpression regel("^tip ?([123]?): (.*)$");
    for (const QString& r : QString::fromUtf8(cli.readAllStandardOutput()).split('\n'))
        if (auto m = regel.match(r); m.hasMatch()) t[m.captured(1).toInt()] = m.captured(2);
    return t;
}

// What the Tip window says and the grid marks, after F3 and `meer` times "Meer hulp".
struct Tip {
    QString tekst, cel;
    Markering markering;
    int niveau = -1;
    bool meer = false;
};
Tip vraagTip(SudokuVenster& v, int meer = 0) {
    // F3 is the main window's key: the user is there, typing or looking at the board.
    v.activateWindow();
    if (!QTest::qWaitForWindowActive(&v)) return {};
    QTest::keyClick(&v, Qt::Key_F3);
    for (int i = 0; i < meer && v.tipVenster() != nullptr; ++i) klik(v.tipVenster()->meerHulp());
    sudoku::TipVenster* t = v.tipVenster();
    if (t == nullptr || !t->isVisible()) return {};
    return {t->tekst()->text(), t->celRegel()->isVisible() ? t->celRegel()->text() : QString(),
            v.markering(), t->niveau(), t->meerHulp()->isEnabled()};
}

// The Tip shows its whole text and lies beside the board, never over it, on the screen.
void tipPast(SudokuVenster& v) {
    sudoku::TipVenster* t = v.tipVenster();
    QVERIFY(t != nullptr && QTest::qWaitForWindowExposed(t));
    for (QLabel* l : {t->tekst(), t->celRegel()})
        QVERIFY2(!l->isVisible() || l->heightForWidth(l->width()) <= l->height(),
                 qPrintable(l->text()));
    const QRect bord(v.cel(1, 1)->mapToGlobal(QPoint(0, 0)),
                     v.cel(9, 9)->mapToGlobal(QPoint(0, 0)) + QPoint(30, 30));
    QVERIFY(!t->frameGeometry().intersects(bord));
    QVERIFY(v.screen()->availableGeometry().contains(t->frameGeometry()));
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
        QVERIFY2(contrast(tint, basis) >= 1.4 && contrast(p.color(QPalette::Text), tint) >= 4.5 &&
                     contrast(rand, basis) >= 1.4 && contrast(rand, tint) >= 1.4,
                 qPrintable(basis.name() + " " + p.color(QPalette::Highlight).name()));
    }
}

// Every step box of a solve with a guess that fails: its own text first, then the digit and
// the command line's sentence, for the eye and the screen reader; the unit tinted and the
// proving cells framed while it is open, proofs of each kind; nothing once it closes, by OK
// or by Escape.
void VensterTest::stapMeldingLegtUit() {
    CliUitleg cli = cliUitleg(MET_GOK, {"--trial"});
    QTemporaryDir map;
    const QString pad = map.path() + "/gok.txt";
    std::ofstream(pad.toStdString()) << negenRegels(MET_GOK);
    LoggendVenster v(pad.toStdString());
    toon(v);
    klik(v.vinkVak(Vink::Uitproberen));
    klik(v.vinkVak(Vink::Tussenstap));
    QStringList fouten, soorten;
    const auto bijBox = [&](QMessageBox* box, int stap) {
        const std::string& p = v.plaatsingen.back();
        const QString zin = verwacht(cli, stap);
        if (box->text() !=
                QString::fromStdString(sudoku::teksten::stapTekst(p[0] - '0', p[1] - '0')) ||
            box->informativeText() != zin || !box->accessibleDescription().endsWith(zin) ||
            v.markering().bewijs != getuigen(cli, stap) ||
            v.markering().eenheid != v.redenen.back().eenheid.cellen())
            fouten << cli[stap]["regel"];
        soorten << cli[stap]["bewijs"].section(':', 0, 0).replace(QRegularExpression("^[1-9]$"),
                                                                  "cijfer");
        box->accept();
    };
    const int n = metMeldingen(
        v, [&] { klik(v.knop(Knop::Start)); }, bijBox);
    QCOMPARE(n, static_cast<int>(v.plaatsingen.size()));
    QVERIFY2(fouten.isEmpty(), qPrintable(fouten.mid(0, 3).join("; ")));
    for (const char* soort : {"band", "gok", "herstel", "r", "cijfer"})
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

// F3 after a load and during "Invoer" gives the command line's tip on that board, a level
// at a time: its unit, then its cell framed red, then its proving cells; "Meer hulp" and F3
// again go on, up to the third level; each level's text is read (the focus on it, the
// window's description) and fits; nothing of the form changes. Typing the tip's digit gives
// the next step; a box "Bevestig" refuses and a board the ladder cannot start on are said so.
void VensterTest::tipVanWaarJeBent() {
    std::string bord;
    const auto rijen = voorbeeldRijen();
    for (int r = 1; r <= 9; ++r) bord += rijen[r];
    std::replace(bord.begin(), bord.end(), ' ', '.');
    SudokuVenster v(VOORBEELD);
    toon(v);
    const auto zoalsCli = [&](bool metF3) {
        std::map<int, QString> tip = cliTip(bord);
        CliUitleg cli = cliUitleg(bord, {});
        const QString regel = cli[1]["regel"];
        const int cel = regel.section("rij ", 1).left(1).toInt() * 9 +
                        regel.section("kolom ", 1).left(1).toInt() - 10;
        for (int niveau = 1; niveau <= 3; ++niveau) {
            Tip t;
            if (niveau == 1) {
                t = vraagTip(v);
            } else {
                if (metF3)
                    QTest::keyClick(v.tipVenster(), Qt::Key_F3);
                else
                    klik(v.tipVenster()->meerHulp());
                t = {v.tipVenster()->tekst()->text(), v.tipVenster()->celRegel()->text(),
                     v.markering(), v.tipVenster()->niveau(),
                     v.tipVenster()->meerHulp()->isEnabled()};
            }
            QCOMPARE(t.niveau, niveau);
            QCOMPARE(t.tekst, tip[niveau]);
            QCOMPARE(t.meer, niveau < 3);
            QVERIFY(v.tipVenster()->accessibleDescription().startsWith(t.tekst));
            QCOMPARE(v.tipVenster()->focusWidget(), v.tipVenster()->tekst());
            QVERIFY(t.markering.eenheid[static_cast<std::size_t>(cel)]);
            QCOMPARE(t.markering.cel, niveau >= 2 ? cel : -1);
            QCOMPARE(t.markering.bewijs,
                     niveau == 3 ? cellenIn(cli[1]["bewijs"]) : std::bitset<81>());
            tipPast(v);
        }
        QCOMPARE(tip[3], cli[1]["waarom"]);
        // Past the last level nothing changes.
        QTest::keyClick(v.tipVenster(), Qt::Key_F3);
        QCOMPARE(v.tipVenster()->niveau(), 3);
    };
    const QStringList voor = velden(v);
    zoalsCli(false);
    QCOMPARE(velden(v), voor);
    v.tipVenster()->close();
    QCOMPARE(v.markering(), Markering{});

    klik(v.knop(Knop::Invoer));
    for (int i = 0; i < 81; ++i)
        if (bord[static_cast<std::size_t>(i)] != '.')
            v.cel(i / 9 + 1, i % 9 + 1)->setText(QString(QChar(bord[static_cast<std::size_t>(i)])));
    const QStringList invoer = velden(v);
    zoalsCli(true);
    QCOMPARE(velden(v), invoer);
    // The user types the tip's digit and asks again, the Tip still open: a new tip.
    const QString stap1 = cliUitleg(bord, {})[1]["regel"];
    const int cel = stap1.section("rij ", 1).left(1).toInt() * 9 +
                    stap1.section("kolom ", 1).left(1).toInt() - 10;
    const QChar getal = stap1.section(" = ", 1).at(0);
    bord[static_cast<std::size_t>(cel)] = getal.toLatin1();
    v.cel(cel / 9 + 1, cel % 9 + 1)->setText(getal);
    zoalsCli(true);

    v.cel(9, 9)->setText("x");
    const Tip fout = vraagTip(v);
    QCOMPARE(fout.tekst, QString::fromStdString(sudoku::teksten::ongeldigeInvoer(9, 9)).trimmed());
    QVERIFY(!fout.meer && fout.niveau == 0);
    for (int i = 0; i < 81; ++i) v.cel(i / 9 + 1, i % 9 + 1)->setText(i == 40 ? "5" : " ");
    const Tip geen = vraagTip(v, 1);
    QCOMPARE(geen.tekst, cliTip(std::string(40, '.') + "5" + std::string(40, '.'))[0]);
    QCOMPARE(geen.markering, Markering{});
}

// Red pixels in `vak` of a picture.
int roodIn(const QImage& beeld, const QRect& vak) {
    int n = 0;
    for (int y = vak.top(); y <= vak.bottom(); ++y)
        for (int x = vak.left(); x <= vak.right(); ++x) {
            const QColor c = beeld.pixelColor(x, y);
            n += c.red() > 200 && c.green() < 90 && c.blue() < 90;
        }
    return n;
}

// The report explains each line as the command line does: a step's sentence and proving
// cells, a repair on the board of its contradiction (the block, the cells that see its empty
// ones), the numbers placed under a guess; an exclusion's sentence, cause and the cells it
// strikes; a folded run opens to its exclusions, which strike nothing, and closes again.
// "Kandidaten" shows pencil marks 9 pixels high, the struck digit red where it stands; the
// lines wrap inside the list and the window keeps its size throughout.
void VensterTest::verslagLegtUit() {
    QTemporaryDir map;
    const QString pad = map.path() + "/gok.txt";
    std::ofstream(pad.toStdString()) << negenRegels(MET_GOK);
    SudokuVenster v(pad.toStdString());
    toon(v);
    klik(v.vinkVak(Vink::Uitproberen));
    klik(v.knop(Knop::Start));
    v.verslagTonen();
    sudoku::VerslagVenster* verslag = v.verslagVenster();
    QVERIFY(QTest::qWaitForWindowExposed(verslag));
    QListWidget* lijst = verslag->lijst();
    CliUitleg cli = cliUitleg(MET_GOK, {"--trial"});
    verslag->kandidatenVak()->setChecked(true);
    QVERIFY(verslag->bord()->kandidatenAan());
    const QFontMetrics letter(verslag->bord()->kandidaatLetter());
    for (int d = 1; d <= 9; ++d)
        QVERIFY(letter.tightBoundingRect(QString::number(d)).height() >= 9);
    const QSize maat = verslag->size();
    static const QRegularExpression kop("^(stap|uitsluiting) (\\d+):");
    std::map<QString, int> gezien;
    for (int i = 0; i < lijst->count(); ++i) {
        verslag->kies(i);
        QApplication::processEvents();
        const QString regel = lijst->item(i)->text().section('\n', 0, 0);
        const sudoku::BordBeeld& b = verslag->bord()->beeld();
        const QString uitleg = verslag->uitleg()->text();
        const auto m = kop.match(regel);
        const int n = m.captured(2).toInt();
        if (verslag->verloopVan(i) < 0) {
            const int voor = lijst->count(), aantal = regel.section(' ', 0, 0).toInt();
            verslag->klapOm(i);
            QCOMPARE(lijst->count(), voor + aantal);
            for (int j = i + 1; j <= i + aantal; ++j) {
                const int u = kop.match(lijst->item(j)->text()).captured(2).toInt();
                QCOMPARE(cli[-u]["weg"], QString("geen"));
                QVERIFY(lijst->item(j)->text().contains(
                    " was al weg in " + cli[-u]["regel"].section(" in ", 1).section(',', 0, 0)));
            }
            verslag->klapOm(i);
            QCOMPARE(lijst->count(), voor);
            ++gezien["dicht"];
        } else if (m.captured(1) == "uitsluiting") {
            QCOMPARE(b.weg, cellenIn(cli[-n]["weg"]));
            QCOMPARE(b.bewijs, cellenIn(cli[-n]["oorzaak"]));
            QVERIFY(uitleg.startsWith(cli[-n]["waarom"]));
            // The struck digit in red where it stands among the marks.
            const QImage beeld = verslag->bord()->grab().toImage();
            int c = 0;
            while (!b.weg.test(static_cast<std::size_t>(c))) ++c;
            const int cel = (verslag->bord()->width() - 3) / 9, derde = (cel - 4) / 3;
            const QPoint hoek(1 + c % 9 * cel + 2 + (b.cijfer - 1) % 3 * derde,
                              1 + c / 9 * cel + 2 + (b.cijfer - 1) / 3 * derde);
            QVERIFY2(roodIn(beeld, QRect(hoek, QSize(derde, derde))) > 4, qPrintable(regel));
            ++gezien["uitsluiting"];
        } else if (cli[n]["bewijs"].startsWith("herstel")) {
            const QString tegen = cli[n]["bewijs"].section("tegenspraak: ", 1);
            QCOMPARE(b.blok, tegen.section("blok ", 1).section(';', 0, 0).toInt());
            std::bitset<81> zien;
            for (const QString& item : tegen.section(';', 1).split(';'))
                zien |= cellenIn(item.section(':', 1));
            QCOMPARE(b.bewijs, zien);
            QVERIFY(b.cel < 0 && b.onderGok.any() && uitleg.startsWith(verwacht(cli, n)));
            ++gezien["herstel"];
        } else if (m.captured(1) == "stap") {
            QVERIFY(uitleg.startsWith(verwacht(cli, n) + "\n\n" + sudoku::teksten::BEWIJS_KOP));
            QCOMPARE(b.bewijs, getuigen(cli, n));
            QCOMPARE(b.onderGok.test(static_cast<std::size_t>(b.cel)), regel.endsWith("gok)"));
            ++gezien[regel.endsWith("gok)") ? "onder gok" : "stap"];
        }
        QVERIFY(lijst->visualItemRect(lijst->item(i)).right() < lijst->viewport()->width());
        QCOMPARE(verslag->size(), maat);
    }
    QCOMPARE(gezien.size(), 5u);
    QVERIFY(!lijst->horizontalScrollBar()->isVisible());
    verslag->kandidatenVak()->setChecked(false);
    QVERIFY(!verslag->bord()->kandidatenAan());
}

// A style sheet that gives every widget a background leaves the board visible under the
// frames of a tip: the layer that draws them paints nothing else.
void VensterTest::markeringDoorzichtig() {
    const QColor achter(0x33, 0x44, 0x55);
    qApp->setStyleSheet("QWidget { background-color: #334455; }");
    SudokuVenster v(VOORBEELD);
    toon(v);
    vraagTip(v);
    QLineEdit* gegeven = v.cel(1, 1);  // holds the example's 5
    const QImage beeld = v.grab(QRect(gegeven->mapTo(&v, QPoint(0, 0)), gegeven->size())).toImage();
    int anders = 0;
    for (int y = 0; y < beeld.height(); ++y)
        for (int x = 0; x < beeld.width(); ++x) anders += beeld.pixelColor(x, y) != achter;
    v.tipVenster()->close();
    qApp->setStyleSheet("");
    QVERIFY2(anders > 10, "the digit is hidden under the marks");
}
