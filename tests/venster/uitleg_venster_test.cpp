// The window explains: the step box's digit and sentence, the marks of the proving cells,
// the tip, the report's exclusions and candidates, and the colours they are drawn in.
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

// F3, and what the Tip window then says and the grid marks.
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

// F3 after a load and during "Invoer" gives the command line's first step on that board,
// marks it and changes nothing of the form; typing that digit gives the next one; a box
// "Bevestig" refuses and a board the ladder cannot start on are said so.
void VensterTest::tipVanWaarJeBent() {
    std::string bord;
    const auto rijen = voorbeeldRijen();
    for (int r = 1; r <= 9; ++r) bord += rijen[r];
    std::replace(bord.begin(), bord.end(), ' ', '.');
    SudokuVenster v(VOORBEELD);
    toon(v);
    const auto zoalsCli = [&](const Tip& t) {
        CliUitleg cli = cliUitleg(bord, {});
        const QString regel = cli[1]["regel"];
        QCOMPARE(t.regel, regel);
        QCOMPARE(t.uitleg, verwacht(cli, 1));
        QCOMPARE(t.markering.cel, regel.section("rij ", 1).left(1).toInt() * 9 +
                                      regel.section("kolom ", 1).left(1).toInt() - 10);
        QCOMPARE(t.markering.bewijs, getuigen(cli, 1));
        QVERIFY(t.markering.eenheid[static_cast<std::size_t>(t.markering.cel)]);
    };
    const QStringList voor = velden(v);
    zoalsCli(vraagTip(v));
    QCOMPARE(velden(v), voor);
    v.tipVenster()->close();
    QCOMPARE(v.markering(), Markering{});

    klik(v.knop(Knop::Invoer));
    for (int i = 0; i < 81; ++i)
        if (bord[static_cast<std::size_t>(i)] != '.')
            v.cel(i / 9 + 1, i % 9 + 1)->setText(QString(QChar(bord[static_cast<std::size_t>(i)])));
    const QStringList invoer = velden(v);
    const Tip t = vraagTip(v);
    zoalsCli(t);
    QCOMPARE(velden(v), invoer);
    // The user types the tip's digit and asks again.
    const QString getal = t.regel.section(" = ", 1).left(1);
    bord[static_cast<std::size_t>(t.markering.cel)] = getal.at(0).toLatin1();
    v.cel(t.markering.cel / 9 + 1, t.markering.cel % 9 + 1)->setText(getal);
    zoalsCli(vraagTip(v));

    v.cel(9, 9)->setText("x");
    QCOMPARE(vraagTip(v).regel,
             QString::fromStdString(sudoku::teksten::ongeldigeInvoer(9, 9)).trimmed());
    for (int i = 0; i < 81; ++i) v.cel(i / 9 + 1, i % 9 + 1)->setText(i == 40 ? "5" : " ");
    const Tip geen = vraagTip(v);
    QCOMPARE(geen.regel,
             QString::fromStdString(sudoku::teksten::tipGeenStap(sudoku::Oplossingen::Meerdere)));
    QCOMPARE(geen.markering, Markering{});
}

// The report explains the chosen entry: a step's sentence and proof, an exclusion's cause
// framed and its cells marked; "Kandidaten" shows what a plain count of the board and the
// exclusions made so far leaves (up to the first emptied table).
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
    const sudoku::Oplospad& p = v.verslag()->pad;
    CliUitleg cli = cliUitleg(MET_GOK, {"--trial"});
    verslag->kies(0);
    QVERIFY(verslag->uitleg()->text().startsWith(verwacht(cli, 1) + "\n\n" +
                                                 sudoku::teksten::BEWIJS_KOP));
    QCOMPARE(verslag->bord()->bewijs(), getuigen(cli, 1));

    verslag->kandidatenVak()->setChecked(true);
    std::array<std::bitset<81>, 9> uit{};
    int uitsluitingen = 0;
    for (std::size_t k = 0; p.verloop()[k].soort != sudoku::Verloop::Soort::TabelGewist; ++k) {
        const sudoku::Verloop& e = p.verloop()[k];
        if (e.soort == sudoku::Verloop::Soort::Uitsluiting) {
            const sudoku::Uitsluiting& u = p.uitsluitingen()[e.index];
            uit[static_cast<std::size_t>(u.cijfer - 1)] |= u.cellen;
            verslag->kies(static_cast<int>(k));
            QCOMPARE(verslag->bord()->bewijs(), u.oorzaak);
            QCOMPARE(verslag->bord()->verwijderd(), u.cellen);
            QVERIFY(verslag->uitleg()->text().startsWith(QString::fromStdString(p.waarom(k))));
            ++uitsluitingen;
        }
        verslag->kies(static_cast<int>(k));
        const std::string bord = p.bordVoor(k + 1);
        for (std::size_t c = 0; c < 81; ++c)
            for (std::size_t d = 0; d < 9 && bord[c] == '.'; ++d) {
                bool mag = !uit[d][c];
                for (std::size_t a = 0; a < 81; ++a)
                    if (bord[a] == char('1' + d) && (a / 9 == c / 9 || a % 9 == c % 9 ||
                                                     (a / 27 == c / 27 && a % 9 / 3 == c % 9 / 3)))
                        mag = false;
                QVERIFY(verslag->bord()->kandidaten()->at(c)[d] == mag);
            }
    }
    QVERIFY(uitsluitingen > 0);
    verslag->kandidatenVak()->setChecked(false);
    QVERIFY(!verslag->bord()->kandidaten().has_value());
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
