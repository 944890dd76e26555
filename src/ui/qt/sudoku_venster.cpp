#include "sudoku_venster.h"

#include <QCheckBox>
#include <QFontDatabase>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPalette>
#include <QPixmap>
#include <QPushButton>

#include <utility>
#include <vector>

#include "sudoku_versie.h"

// The pictures live in a static library, whose resources are not registered by themselves.
static void laadHulpbronnen() { Q_INIT_RESOURCE(sudoku_blad); }

namespace sudoku {

namespace {

// Positions and sizes are kept in twips, 15 to a device-independent pixel.
int px(int twips) { return (twips * 2 + 15) / 30; }

void plaats(QWidget* w, int links, int boven, int breed, int hoog) {
    w->setGeometry(px(links), px(boven), px(breed), px(hoog));
}

QFont lettertype(qreal punten, bool vet) {
    QFont f = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    f.setStyleHint(QFont::SansSerif);
    f.setPointSizeF(punten);
    f.setBold(vet);
    return f;
}

QGroupBox* kader(QWidget* ouder, const QString& naam, int l, int b, int w, int h) {
    auto* k = new QGroupBox(ouder);
    k->setObjectName(naam);
    plaats(k, l, b, w, h);
    return k;
}

QLabel* label(QWidget* ouder, const QString& naam, const QString& tekst, int l, int b, int w,
              int h) {
    auto* lb = new QLabel(tekst, ouder);
    lb->setObjectName(naam);
    lb->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lb->setWordWrap(true);
    plaats(lb, l, b, w, h);
    return lb;
}

QPushButton* knopMaken(QWidget* ouder, const QString& naam, const QString& tekst, int l, int b) {
    auto* k = new QPushButton(tekst, ouder);
    k->setObjectName(naam);
    plaats(k, l, b, 1455, 375);
    return k;
}

QString q(const std::string& s) { return QString::fromStdString(s); }

bool binnenBord(int i) { return i >= 1 && i <= 9; }

}  // namespace

SudokuVenster::SudokuVenster(std::optional<std::string> testcase, QWidget* parent)
    : QWidget(parent), form_(*this) {
    laadHulpbronnen();
    setObjectName("SudokuForm");
    setWindowTitle("Sudoku Blad");
    QIcon icoon;
    for (int maat : {16, 32, 48}) icoon.addFile(QString(":/sudoku-blad/icoon-%1.png").arg(maat));
    setWindowIcon(icoon);
    setFont(lettertype(9.75, true));
    setFixedSize(px(6615), px(7980));

    bouwBanner();
    bouwInvoer();
    bouwStart();
    bouwBord();
    bouwOplossing();
    bouwOpmerking();
    zetTabVolgorde();

    form_.testcaseArgument = std::move(testcase);
    form_.Form_Load();
}

SudokuVenster::~SudokuVenster() = default;

void SudokuVenster::bouwBanner() {
    auto* frame2 = kader(this, "Frame2", 240, 0, 6100, 1455);
    auto* image1 = new QLabel(frame2);
    image1->setObjectName("Image1");
    image1->setPixmap(QPixmap(":/sudoku-blad/banner.png"));
    plaats(image1, 360, 120, 1725, 870);

    // The product name in two parts that meet at the boundary of the two labels.
    auto* label1 = label(frame2, "Label1", "Rasta", 360, 840, 2295, 495);
    label1->setFont(lettertype(24, true));
    label1->setAlignment(Qt::AlignRight | Qt::AlignBottom);
    label1->setWordWrap(false);
    auto* label6 = label(frame2, "Label6", "vo", 2640, 840, 1695, 495);
    label6->setFont(lettertype(18, false));
    label6->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    label6->setWordWrap(false);

    label(frame2, "Label7", "Zuvo", 5040, 840, 735, 255);
    auto* label5 = label(frame2, "Label5", QStringLiteral("versie " SUDOKU_VERSIE), 5040, 1080, 975, 255);
    label5->setFont(lettertype(8.25, false));
}

void SudokuVenster::bouwInvoer() {
    auto* invoer = kader(this, "Invoer", 240, 1440, 2295, 1845);
    label(invoer, "Label2", "Begin waarden", 360, 360, 1695, 375);
    knoppen_[static_cast<int>(Knop::Invoer)] = knopMaken(invoer, "InvoerCommand", "Invoer", 360, 840);
    knoppen_[static_cast<int>(Knop::Bevestig)] =
        knopMaken(invoer, "BevInvoerCommand", "Bevestig", 360, 1320);
    knop(Knop::Bevestig)->setEnabled(false);

    connect(knop(Knop::Invoer), &QPushButton::clicked, this, [this] { form_.InvoerCommand_Click(); });
    connect(knop(Knop::Bevestig), &QPushButton::clicked, this,
            [this] { form_.BevInvoerCommand_Click(); });
}

void SudokuVenster::bouwStart() {
    auto* start = kader(this, "Start", 240, 3240, 2295, 3165);
    label(start, "Label3", "Start Opties", 360, 360, 1575, 375);

    // Bare boxes: the label to the right of each carries its text.
    struct Optie {
        Vink vink;
        const char* vak;
        const char* labelNaam;
        const char* tekst;
        int boven;
        int labelBreed;
    };
    const Optie opties[] = {
        {Vink::Tussenstap, "Check_tussenstap", "tussenstap", "weergave tussenstappen", 720, 1455},
        {Vink::Module, "Check_module", "module", "weergave modules", 1200, 1335},
        {Vink::Uitproberen, "Check_uitproberen", "uitproberen", "uitproberen toestaan", 1680, 1575},
    };
    for (const Optie& o : opties) {
        auto* vak = new QCheckBox(start);
        vak->setObjectName(o.vak);
        vak->setAccessibleName(o.tekst);
        plaats(vak, 360, o.boven, 255, 255);
        vinken_[static_cast<int>(o.vink)] = vak;
        label(start, o.labelNaam, o.tekst, 720, o.boven, o.labelBreed, 375)
            ->setFont(lettertype(8.25, true));
    }

    knoppen_[static_cast<int>(Knop::Start)] = knopMaken(start, "StartCommand", "Start", 360, 2160);
    knoppen_[static_cast<int>(Knop::Herstart)] =
        knopMaken(start, "HerstartCommand", "Herstart", 360, 2640);
    knop(Knop::Herstart)->setEnabled(false);

    connect(knop(Knop::Start), &QPushButton::clicked, this, [this] { form_.StartCommand_Click(); });
    connect(knop(Knop::Herstart), &QPushButton::clicked, this,
            [this] { form_.HerstartCommand_Click(); });
}

void SudokuVenster::bouwBord() {
    auto* sudoku = kader(this, "Sudoku", 2640, 1440, 3690, 3975);
    sudoku->setFont(lettertype(8.25, false));

    // The nine blocks in reading order, with the names their frames carry.
    const char* blokNamen[9] = {"BlokP_0", "BlokQ_0", "BlokR_0", "BlokS_0", "BlokP_1",
                                "BlokP_2", "BlokV_0", "BlokW_0", "BlokX_0"};
    const QFont celFont = lettertype(12, true);
    QPalette celPalet = palette();
    celPalet.setColor(QPalette::Text, naarQColor(KLEUR_VENSTERTEKST, palette()));
    for (int b = 0; b < 9; ++b) {
        const int blokRij = b / 3;
        const int blokKol = b % 3;
        auto* blok = kader(sudoku, blokNamen[b], 120 + 1200 * blokKol, 120 + 1260 * blokRij, 1050, 1230);
        for (int r = 0; r < 3; ++r)
            for (int k = 0; k < 3; ++k) {
                const int rij = blokRij * 3 + r + 1;
                const int kol = blokKol * 3 + k + 1;
                auto* cel = new QLineEdit("1", blok);
                cel->setObjectName(QString("Cell%1_%2").arg(QChar('A' + kol - 1)).arg(rij));
                cel->setAlignment(Qt::AlignCenter);
                cel->setMaxLength(2);
                cel->setFont(celFont);
                cel->setPalette(celPalet);
                cel->setTextMargins(0, 0, 0, 0);
                plaats(cel, 30 + 330 * k, 120 + 360 * r, 315, 345);
                cellen_[kol][rij] = cel;
            }
    }
}

void SudokuVenster::bouwOplossing() {
    auto* oplossing = kader(this, "Oplossing", 2640, 5400, 3690, 975);
    label(oplossing, "Label4", "Kompleet:", 360, 240, 2295, 255);
    const QFont f = lettertype(8.25, true);
    for (int i = 1; i <= 9; ++i) {
        auto* vak = new QLineEdit(QString::number(i), oplossing);
        vak->setObjectName(QString("Oplos_%1").arg(i));
        vak->setAlignment(Qt::AlignCenter);
        vak->setFont(f);
        vak->setTextMargins(0, 0, 0, 0);
        plaats(vak, 360 + 360 * (i - 1), 600, 255, 255);
        oplos_[i] = vak;
    }
}

void SudokuVenster::bouwOpmerking() {
    auto* frame4 = kader(this, "Frame4", 240, 6480, 6135, 1095);
    frame4->setTitle("Opmerking:");
    opmerk_ = new QLineEdit("Rastavo", frame4);
    opmerk_->setObjectName("Opmerk");
    plaats(opmerk_, 240, 360, 5655, 375);
}

void SudokuVenster::zetTabVolgorde() {
    std::vector<QWidget*> volgorde{opmerk_, knop(Knop::Invoer)};
    // Cells block by block in reading order, within a block row by row.
    for (int blokRij = 0; blokRij < 3; ++blokRij)
        for (int blokKol = 0; blokKol < 3; ++blokKol)
            for (int r = 1; r <= 3; ++r)
                for (int k = 1; k <= 3; ++k) volgorde.push_back(cel(blokRij * 3 + r, blokKol * 3 + k));
    volgorde.push_back(knop(Knop::Bevestig));
    volgorde.push_back(vinkVak(Vink::Tussenstap));
    for (int i = 1; i <= 9; ++i) volgorde.push_back(oplos_[i]);
    volgorde.push_back(knop(Knop::Start));
    volgorde.push_back(vinkVak(Vink::Module));
    volgorde.push_back(knop(Knop::Herstart));
    volgorde.push_back(vinkVak(Vink::Uitproberen));
    for (std::size_t i = 0; i + 1 < volgorde.size(); ++i) setTabOrder(volgorde[i], volgorde[i + 1]);
}

QLineEdit* SudokuVenster::cel(int rij, int kol) const {
    return binnenBord(rij) && binnenBord(kol) ? cellen_[kol][rij] : nullptr;
}

QLineEdit* SudokuVenster::oplosVak(int i) const { return binnenBord(i) ? oplos_[i] : nullptr; }

QColor SudokuVenster::naarQColor(Kleur kleur, const QPalette& palet) {
    // System colours carry their index in the low byte; 8 is the window text.
    if (kleur & 0x80000000u) {
        switch (kleur & 0xFFu) {
        case 5: return palet.color(QPalette::Base);
        case 15: return palet.color(QPalette::Button);
        default: return palet.color(QPalette::WindowText);
        }
    }
    return QColor(static_cast<int>(kleur & 0xFFu), static_cast<int>((kleur >> 8) & 0xFFu),
                  static_cast<int>((kleur >> 16) & 0xFFu));
}

void SudokuVenster::zetCelTekst(int rij, int kol, const std::string& tekst) {
    if (QLineEdit* c = cel(rij, kol)) c->setText(q(tekst));
}

std::string SudokuVenster::celTekst(int rij, int kol) const {
    const QLineEdit* c = cel(rij, kol);
    return c != nullptr ? c->text().toStdString() : std::string();
}

void SudokuVenster::zetCelKleur(int rij, int kol, Kleur kleur) {
    QLineEdit* c = cel(rij, kol);
    if (c == nullptr) return;
    QPalette p = c->palette();
    p.setColor(QPalette::Text, naarQColor(kleur, palette()));
    c->setPalette(p);
}

void SudokuVenster::focusCel(int rij, int kol) {
    QLineEdit* c = cel(rij, kol);
    if (c == nullptr) return;
    c->setFocus(Qt::OtherFocusReason);
    c->selectAll();  // typing replaces what was refused
}

void SudokuVenster::zetOplos(int i, const std::string& tekst) {
    if (QLineEdit* v = oplosVak(i)) v->setText(q(tekst));
}

void SudokuVenster::zetOpmerk(const std::string& tekst) { opmerk_->setText(q(tekst)); }

std::string SudokuVenster::opmerk() const { return opmerk_->text().toStdString(); }

void SudokuVenster::zetKnopEnabled(Knop k, bool aan) { knop(k)->setEnabled(aan); }

void SudokuVenster::zetKnopVisible(Knop k, bool zichtbaar) { knop(k)->setVisible(zichtbaar); }

int SudokuVenster::vinkWaarde(Vink v) const { return vinkVak(v)->isChecked() ? 1 : 0; }

void SudokuVenster::meldingsvenster(const std::string& titel, const std::string& tekst) {
    QMessageBox box(QMessageBox::Information, q(titel), q(tekst), QMessageBox::Ok, this);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

}  // namespace sudoku
