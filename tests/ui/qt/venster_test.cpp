// The window driven as a user drives it: clicks, typing, Tab, the step message box.
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <array>
#include <fstream>
#include <functional>
#include <set>
#include <string>

#include "sudoku_venster.h"

using sudoku::Knop;
using sudoku::SudokuVenster;
using sudoku::Vink;

namespace {

const std::string kVoorbeeld = SUDOKU_VOORBEELD;
const QColor kGrijs(128, 128, 128);
const QColor kRood(255, 0, 0);

// The example puzzle, row by row, nine characters each.
std::array<std::string, 10> voorbeeldRijen() {
    std::array<std::string, 10> rijen{};
    std::ifstream in(kVoorbeeld);
    for (int r = 1; r <= 9; ++r) {
        std::getline(in, rijen[r]);
        if (!rijen[r].empty() && rijen[r].back() == '\r') rijen[r].pop_back();
        rijen[r].resize(9, ' ');
    }
    return rijen;
}

QColor tekstKleur(const QLineEdit* cel) { return cel->palette().color(QPalette::Text); }
QColor vensterTekst(const SudokuVenster& v) { return v.palette().color(QPalette::WindowText); }

void klik(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton); }

void toon(SudokuVenster& v) {
    v.show();
    QVERIFY(QTest::qWaitForWindowExposed(&v));
}

// Every row, column and block holds the digits 1 .. 9.
bool volledigEnGeldig(const SudokuVenster& v) {
    for (int i = 1; i <= 9; ++i) {
        std::set<QString> rij, kol, blok;
        for (int j = 1; j <= 9; ++j) {
            rij.insert(v.cel(i, j)->text().trimmed());
            kol.insert(v.cel(j, i)->text().trimmed());
            blok.insert(v.cel((i - 1) / 3 * 3 + (j - 1) / 3 + 1, (i - 1) % 3 * 3 + (j - 1) % 3 + 1)
                            ->text()
                            .trimmed());
        }
        const std::set<QString> cijfers{"1", "2", "3", "4", "5", "6", "7", "8", "9"};
        if (rij != cijfers || kol != cijfers || blok != cijfers) return false;
    }
    return true;
}

// Closes each step message box as it opens and notes what it and the grid showed.
class MeldingSluiter : public QObject {
public:
    struct Melding {
        QString titel;
        QString tekst;
        QMessageBox::Icon icoon = QMessageBox::NoIcon;
        QMessageBox::StandardButtons knoppen;
        int rij = 0;
        int kol = 0;
        QString celTekst;
        QColor celKleur;
    };

    // After `ophouden` boxes the option is unticked, so that the solve goes on silently.
    MeldingSluiter(SudokuVenster& v, int ophouden) : venster_(v), ophouden_(ophouden) {
        connect(&timer_, &QTimer::timeout, this, [this] { kijk(); });
        timer_.start(5);
    }

    QList<Melding> gezien;

private:
    void kijk() {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) return;
        Melding m;
        m.titel = box->windowTitle();
        m.tekst = box->text();
        m.icoon = box->icon();
        m.knoppen = box->standardButtons();
        const auto treffer =
            QRegularExpression("^Getal in rij:  (\\d)  en kolom:  (\\d)  ").match(m.tekst);
        if (treffer.hasMatch()) {
            m.rij = treffer.captured(1).toInt();
            m.kol = treffer.captured(2).toInt();
            m.celTekst = venster_.cel(m.rij, m.kol)->text();
            m.celKleur = tekstKleur(venster_.cel(m.rij, m.kol));
        }
        gezien.append(m);
        if (gezien.size() >= ophouden_) venster_.vinkVak(Vink::Tussenstap)->setChecked(false);
        box->accept();
    }

    SudokuVenster& venster_;
    int ophouden_;
    QTimer timer_;
};

}  // namespace

class VensterTest : public QObject {
    Q_OBJECT

private slots:
    void aanmaak();
    void aanmaakZonderBestand();
    void tabVolgorde();
    void celNeemtEenTekenBij();
    void sessie();
    void stapMelding();
    void stapMeldingenTijdensOplossen();
    void ongeldigeInvoer_data();
    void ongeldigeInvoer();
    void kleurOmzetting();
    void programma();
};

void VensterTest::aanmaak() {
    SudokuVenster v(kVoorbeeld);
    toon(v);

    QCOMPARE(v.objectName(), QString("SudokuForm"));
    QCOMPARE(v.windowTitle(), QString("Sudoku Blad"));
    QCOMPARE(v.minimumSize(), QSize(441, 532));
    QCOMPARE(v.maximumSize(), QSize(441, 532));
    const QList<QSize> maten = v.windowIcon().availableSizes();
    QVERIFY(maten.contains(QSize(16, 16)));
    QVERIFY(maten.contains(QSize(32, 32)));
    QCOMPARE(v.findChild<QLabel*>("Image1")->pixmap().size(), QSize(115, 58));
    QCOMPARE(v.font().pointSizeF(), 9.75);
    QVERIFY(v.font().bold());

    // Buttons: captions and states at creation.
    const struct {
        Knop knop;
        const char* naam;
        const char* tekst;
        bool aan;
    } knoppen[] = {{Knop::Invoer, "InvoerCommand", "Invoer", true},
                   {Knop::Bevestig, "BevInvoerCommand", "Bevestig", false},
                   {Knop::Start, "StartCommand", "Start", true},
                   {Knop::Herstart, "HerstartCommand", "Herstart", false}};
    for (const auto& k : knoppen) {
        QCOMPARE(v.findChild<QPushButton*>(k.naam), v.knop(k.knop));
        QCOMPARE(v.knop(k.knop)->text(), QString(k.tekst));
        QCOMPARE(v.knop(k.knop)->isEnabled(), k.aan);
        QVERIFY(v.knop(k.knop)->isVisible());
    }

    // Labels with their texts and fonts (point size, bold).
    const struct {
        const char* naam;
        const char* tekst;
        qreal punten;
        bool vet;
    } labels[] = {{"Label1", "Rasta", 24, true},
                  {"Label6", "vo", 18, false},
                  {"Label7", "Zuvo", 9.75, true},
                  {"Label5", "versie 1.6.6", 8.25, false},
                  {"Label2", "Begin waarden", 9.75, true},
                  {"Label3", "Start Opties", 9.75, true},
                  {"tussenstap", "weergave tussenstappen", 8.25, true},
                  {"module", "weergave modules", 8.25, true},
                  {"uitproberen", "uitproberen toestaan", 8.25, true},
                  {"Label4", "Kompleet:", 9.75, true}};
    for (const auto& l : labels) {
        const auto* label = v.findChild<QLabel*>(l.naam);
        QVERIFY2(label != nullptr, l.naam);
        QCOMPARE(label->text(), QString(l.tekst));
        QCOMPARE(label->font().pointSizeF(), l.punten);
        QCOMPARE(label->font().bold(), l.vet);
    }
    QCOMPARE(v.findChild<QGroupBox*>("Frame4")->title(), QString("Opmerking:"));
    QCOMPARE(v.opmerkVak(), v.findChild<QLineEdit*>("Opmerk"));
    QCOMPARE(v.opmerkVak()->text(), QString("Rastavo"));

    // Bare, unticked option boxes.
    for (auto [vink, naam] : {std::pair{Vink::Tussenstap, "Check_tussenstap"},
                              std::pair{Vink::Module, "Check_module"},
                              std::pair{Vink::Uitproberen, "Check_uitproberen"}}) {
        QCOMPARE(v.findChild<QCheckBox*>(naam), v.vinkVak(vink));
        QVERIFY(!v.vinkVak(vink)->isChecked());
        QVERIFY(v.vinkVak(vink)->text().isEmpty());
        QCOMPARE(v.vinkWaarde(vink), 0);
    }

    // The cell boxes: column arrays indexed by row, holding the loaded puzzle.
    const auto rijen = voorbeeldRijen();
    for (int k = 1; k <= 9; ++k)
        for (int r = 1; r <= 9; ++r) {
            const QString naam = QString("Cell%1_%2").arg(QChar('A' + k - 1)).arg(r);
            QLineEdit* cel = v.findChild<QLineEdit*>(naam);
            QVERIFY2(cel != nullptr, qPrintable(naam));
            QCOMPARE(v.kolom(k)[r], cel);
            QCOMPARE(v.cel(r, k), cel);
            QCOMPARE(cel->maxLength(), 2);
            QCOMPARE(cel->alignment(), Qt::AlignCenter);
            QCOMPARE(cel->font().pointSizeF(), 12.0);
            QVERIFY(cel->font().bold());
            QCOMPARE(cel->text().toStdString(), rijen[r].substr(k - 1, 1));
            QCOMPARE(tekstKleur(cel), vensterTekst(v));
        }
    for (int i = 1; i <= 9; ++i) {
        QLineEdit* vak = v.findChild<QLineEdit*>(QString("Oplos_%1").arg(i));
        QCOMPARE(v.oplosVak(i), vak);
        QCOMPARE(vak->text(), QString(" "));
        QCOMPARE(vak->font().pointSizeF(), 8.25);
    }

    // Places, from the twips: 15 to a pixel, relative to the containing frame.
    QCOMPARE(v.cel(1, 1)->parentWidget()->objectName(), QString("BlokP_0"));
    QCOMPARE(v.cel(1, 1)->geometry(), QRect(2, 8, 21, 23));
    QCOMPARE(v.cel(5, 5)->parentWidget()->objectName(), QString("BlokP_1"));
    QCOMPARE(v.cel(5, 5)->geometry(), QRect(24, 32, 21, 23));
    QCOMPARE(v.cel(9, 9)->parentWidget()->objectName(), QString("BlokX_0"));
    QCOMPARE(v.cel(9, 9)->geometry(), QRect(46, 56, 21, 23));
    QCOMPARE(v.findChild<QGroupBox*>("BlokP_2")->geometry(), QRect(168, 92, 70, 82));
    QCOMPARE(v.findChild<QGroupBox*>("Sudoku")->geometry(), QRect(176, 96, 246, 265));
    QCOMPARE(v.opmerkVak()->geometry(), QRect(16, 24, 377, 25));
    QCOMPARE(v.oplosVak(9)->geometry(), QRect(216, 40, 17, 17));
    QCOMPARE(v.knop(Knop::Herstart)->geometry(), QRect(24, 176, 97, 25));
    QCOMPARE(v.vinkVak(Vink::Uitproberen)->geometry(), QRect(24, 112, 17, 17));
}

void VensterTest::aanmaakZonderBestand() {
    QTemporaryDir map;
    SudokuVenster v((map.path() + "/SudokuTestCase.txt").toStdString());
    QCOMPARE(v.opmerkVak()->text(), QString(" Druk op: Invoer.  Voer daarna de Sudoku getallen in. "));
    QVERIFY(!v.knop(Knop::Start)->isEnabled());
    QVERIFY(!v.knop(Knop::Herstart)->isEnabled());
    QVERIFY(!v.knop(Knop::Bevestig)->isEnabled());
    QVERIFY(v.knop(Knop::Invoer)->isEnabled());
    QCOMPARE(v.cel(1, 1)->text(), QString());
}

void VensterTest::tabVolgorde() {
    SudokuVenster v(kVoorbeeld);
    for (Knop k : {Knop::Invoer, Knop::Bevestig, Knop::Start, Knop::Herstart})
        v.knop(k)->setEnabled(true);
    toon(v);
    v.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&v));

    QStringList verwacht{"Opmerk", "InvoerCommand"};
    for (const char* blokRijen : {"123", "456", "789"})
        for (const char* blokKolommen : {"ABC", "DEF", "GHI"})
            for (int r = 0; r < 3; ++r)
                for (int k = 0; k < 3; ++k)
                    verwacht << QString("Cell%1_%2").arg(blokKolommen[k]).arg(blokRijen[r]);
    verwacht << "BevInvoerCommand" << "Check_tussenstap";
    for (int i = 1; i <= 9; ++i) verwacht << QString("Oplos_%1").arg(i);
    verwacht << "StartCommand" << "Check_module" << "HerstartCommand" << "Check_uitproberen"
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

void VensterTest::celNeemtEenTekenBij() {
    SudokuVenster v(kVoorbeeld);
    toon(v);
    klik(v.knop(Knop::Invoer));
    QLineEdit* cel = v.cel(2, 3);
    QCOMPARE(cel->text(), QString(" "));
    QTest::keyClicks(cel, "57");
    QCOMPARE(cel->text(), QString(" 5"));

    QLineEdit* voor = v.cel(8, 8);
    voor->setCursorPosition(0);
    QTest::keyClicks(voor, "4 ");
    QCOMPARE(voor->text(), QString("4 "));
}

void VensterTest::sessie() {
    SudokuVenster v(kVoorbeeld);
    toon(v);
    const auto rijen = voorbeeldRijen();
    const auto gegeven = [&rijen](int r, int k) { return rijen[r][k - 1] != ' '; };

    // Load, tick two options, solve.
    klik(v.vinkVak(Vink::Module));
    klik(v.vinkVak(Vink::Uitproberen));
    QCOMPARE(v.vinkWaarde(Vink::Module), 1);
    QCOMPARE(v.vinkWaarde(Vink::Uitproberen), 1);
    klik(v.knop(Knop::Start));
    QCOMPARE(v.opmerkVak()->text(), QString(" Sudoku succesvol ingevuld! "));
    QVERIFY(!v.knop(Knop::Start)->isEnabled());
    QVERIFY(v.knop(Knop::Herstart)->isEnabled());
    QVERIFY(volledigEnGeldig(v));
    for (int r = 1; r <= 9; ++r)
        for (int k = 1; k <= 9; ++k) {
            if (gegeven(r, k)) QCOMPARE(v.cel(r, k)->text().toStdString(), rijen[r].substr(k - 1, 1));
            QCOMPARE(tekstKleur(v.cel(r, k)), gegeven(r, k) ? kGrijs : vensterTekst(v));
        }
    for (int i = 1; i <= 9; ++i) QCOMPARE(v.oplosVak(i)->text(), QString::number(i));

    // Herstart: the file again, the normal colour, Start back.
    klik(v.knop(Knop::Herstart));
    QCOMPARE(v.opmerkVak()->text(), QString(" Begin opnieuw met: Start "));
    QVERIFY(v.knop(Knop::Start)->isEnabled());
    QVERIFY(!v.knop(Knop::Herstart)->isEnabled());
    for (int r = 1; r <= 9; ++r)
        for (int k = 1; k <= 9; ++k) {
            QCOMPARE(v.cel(r, k)->text().toStdString(), rijen[r].substr(k - 1, 1));
            QCOMPARE(tekstKleur(v.cel(r, k)), vensterTekst(v));
        }
    for (int i = 1; i <= 9; ++i) QCOMPARE(v.oplosVak(i)->text(), QString(" "));

    // Invoer: an empty board, the solve buttons out of sight.
    klik(v.knop(Knop::Invoer));
    QCOMPARE(v.opmerkVak()->text(), QString(" Vul nu de velden in en sluit af met: Bevestig "));
    QVERIFY(v.knop(Knop::Start)->isHidden());
    QVERIFY(v.knop(Knop::Herstart)->isHidden());
    QVERIFY(!v.knop(Knop::Invoer)->isEnabled());
    QVERIFY(v.knop(Knop::Bevestig)->isEnabled());
    for (int r = 1; r <= 9; ++r)
        for (int k = 1; k <= 9; ++k) QCOMPARE(v.cel(r, k)->text(), QString(" "));

    // Type the same puzzle; one empty box gets a second space.
    for (int r = 1; r <= 9; ++r)
        for (int k = 1; k <= 9; ++k)
            if (gegeven(r, k)) QTest::keyClicks(v.cel(r, k), QString(rijen[r][k - 1]));
    QVERIFY(!gegeven(9, 9));
    QTest::keyClicks(v.cel(9, 9), " ");
    QCOMPARE(v.cel(9, 9)->text(), QString("  "));

    klik(v.knop(Knop::Bevestig));
    QCOMPARE(v.opmerkVak()->text(), QString(" Om te beginnen druk op: Start "));
    QVERIFY(!v.knop(Knop::Start)->isHidden());
    QVERIFY(v.knop(Knop::Start)->isEnabled());
    QVERIFY(!v.knop(Knop::Herstart)->isHidden());
    QVERIFY(!v.knop(Knop::Herstart)->isEnabled());
    QVERIFY(!v.knop(Knop::Bevestig)->isEnabled());
    QVERIFY(v.knop(Knop::Invoer)->isEnabled());
    QCOMPARE(v.cel(1, 3)->text(), QString(" 9"));  // the box keeps what was typed

    klik(v.knop(Knop::Start));
    QCOMPARE(v.opmerkVak()->text(), QString(" Sudoku succesvol ingevuld! "));
    QVERIFY(volledigEnGeldig(v));
    QCOMPARE(tekstKleur(v.cel(1, 1)), kGrijs);
    QVERIFY(!gegeven(1, 2));
    QCOMPARE(tekstKleur(v.cel(1, 2)), vensterTekst(v));
}

void VensterTest::stapMelding() {
    SudokuVenster v(kVoorbeeld);
    toon(v);
    klik(v.vinkVak(Vink::Tussenstap));
    sudoku::SudokuForm& form = v.form();
    form.veld(9, 1) = "7";
    form.TelGetal("7");
    form.ToonOplossing("7");
    {
        MeldingSluiter sluiter(v, 100);
        form.ToonGevondenGetal(9, 1);
        QCOMPARE(sluiter.gezien.size(), 1);
        const auto& m = sluiter.gezien.front();
        QCOMPARE(m.titel, QString("Gevonden SUDOKU getal !"));
        QCOMPARE(m.tekst, QString("Getal in rij:  9  en kolom:  1  is gevuld.    "));
        QCOMPARE(m.icoon, QMessageBox::Information);
        QCOMPARE(m.knoppen, QMessageBox::StandardButtons(QMessageBox::Ok));
        QCOMPARE(m.celTekst, QString("7"));
        QCOMPARE(m.celKleur, kRood);
    }
    QCOMPARE(v.cel(9, 1)->text(), QString("7"));
    QCOMPARE(tekstKleur(v.cel(9, 1)), vensterTekst(v));

    // Unticked: no box, the number straight in the normal colour.
    klik(v.vinkVak(Vink::Tussenstap));
    form.veld(9, 2) = "8";
    MeldingSluiter sluiter(v, 100);
    form.ToonGevondenGetal(9, 2);
    QVERIFY(sluiter.gezien.isEmpty());
    QCOMPARE(v.cel(9, 2)->text(), QString("8"));
    QCOMPARE(tekstKleur(v.cel(9, 2)), vensterTekst(v));
}

void VensterTest::stapMeldingenTijdensOplossen() {
    SudokuVenster v(kVoorbeeld);
    toon(v);
    klik(v.vinkVak(Vink::Tussenstap));
    MeldingSluiter sluiter(v, 5);
    klik(v.knop(Knop::Start));
    QCOMPARE(sluiter.gezien.size(), 5);
    const auto rijen = voorbeeldRijen();
    for (const auto& m : sluiter.gezien) {
        QCOMPARE(m.titel, QString("Gevonden SUDOKU getal !"));
        QVERIFY2(m.rij != 0, qPrintable(m.tekst));
        QVERIFY(m.tekst.endsWith("  is gevuld.    "));
        QCOMPARE(rijen[m.rij][m.kol - 1], ' ');  // an empty cell of the puzzle
        QCOMPARE(m.celKleur, kRood);
        QCOMPARE(m.celTekst, v.cel(m.rij, m.kol)->text());  // the number stays
    }
    QCOMPARE(v.opmerkVak()->text(), QString(" Sudoku succesvol ingevuld! "));
}

void VensterTest::ongeldigeInvoer_data() {
    QTest::addColumn<QString>("getypt");
    QTest::addColumn<QString>("opmerk");
    QTest::newRow("letter") << "a" << " Ongeldige invoer in rij 4, kolom 7 ";
    QTest::newRow("twee cijfers") << "12" << " Ongeldige invoer in rij 4, kolom 7 ";
    // A zero stands for an empty cell.
    QTest::newRow("nul") << "0" << " Om te beginnen druk op: Start ";
}

void VensterTest::ongeldigeInvoer() {
    QFETCH(QString, getypt);
    QFETCH(QString, opmerk);
    SudokuVenster v(kVoorbeeld);
    toon(v);
    v.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&v));
    klik(v.knop(Knop::Invoer));
    QTest::keyClicks(v.cel(1, 1), "5");
    QLineEdit* cel = v.cel(4, 7);
    cel->clear();
    QTest::keyClicks(cel, getypt);
    QCOMPARE(cel->text(), getypt);
    v.opmerkVak()->setFocus();

    klik(v.knop(Knop::Bevestig));
    QCOMPARE(v.opmerkVak()->text(), opmerk);
    const bool fout = opmerk.startsWith(" Ongeldige");
    if (fout) {
        QCOMPARE(QApplication::focusWidget(), cel);
        QCOMPARE(v.focusWidget(), cel);
        QCOMPARE(cel->selectedText(), getypt);
        // Still entering: nothing was taken over.
        QVERIFY(v.knop(Knop::Bevestig)->isEnabled());
        QVERIFY(!v.knop(Knop::Invoer)->isEnabled());
        QVERIFY(v.knop(Knop::Start)->isHidden());
        QCOMPARE(v.form().veld(1, 1), std::string(" "));
    } else {
        QVERIFY(!v.knop(Knop::Start)->isHidden());
        QCOMPARE(v.form().veld(4, 7), std::string(" "));
        QCOMPARE(v.form().veld(1, 1), std::string("5"));
    }
}

void VensterTest::kleurOmzetting() {
    QPalette palet;
    palet.setColor(QPalette::WindowText, QColor(1, 2, 3));
    QCOMPARE(SudokuVenster::naarQColor(sudoku::KLEUR_GRIJS, palet), kGrijs);
    QCOMPARE(SudokuVenster::naarQColor(sudoku::KLEUR_ROOD, palet), kRood);
    QCOMPARE(SudokuVenster::naarQColor(0x00FF0000, palet), QColor(0, 0, 255));  // blue is high
    QCOMPARE(SudokuVenster::naarQColor(0x00123456, palet), QColor(0x56, 0x34, 0x12));
    QCOMPARE(SudokuVenster::naarQColor(sudoku::KLEUR_VENSTERTEKST, palet), QColor(1, 2, 3));
}

void VensterTest::programma() {
    QProcess versie;
    versie.start(SUDOKU_BLAD_PROGRAMMA, {"--version"});
    QVERIFY(versie.waitForFinished(60000));
    QCOMPARE(versie.exitCode(), 0);
    QCOMPARE(QString::fromUtf8(versie.readAllStandardOutput()).trimmed(),
             QString("sudoku-blad " SUDOKU_VERSIE));

    QTemporaryDir map;
    const QString png = map.path() + "/venster.png";
    QProcess afdruk;
    afdruk.start(SUDOKU_BLAD_PROGRAMMA,
                 {"-platform", "offscreen", "--screenshot", png, QString::fromStdString(kVoorbeeld)});
    QVERIFY(afdruk.waitForFinished(60000));
    QCOMPARE(afdruk.exitCode(), 0);
    const QImage beeld(png);
    QCOMPARE(beeld.size() / beeld.devicePixelRatio(), QSize(441, 532));

    QProcess teVeel;
    teVeel.start(SUDOKU_BLAD_PROGRAMMA, {"-platform", "offscreen", "a.txt", "b.txt"});
    QVERIFY(teVeel.waitForFinished(60000));
    QCOMPARE(teVeel.exitCode(), 2);
}

QTEST_MAIN(VensterTest)
#include "venster_test.moc"
