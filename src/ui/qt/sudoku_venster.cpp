#include "sudoku_venster.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QEventLoop>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGroupBox>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPalette>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>
#include <QWindow>

#include <algorithm>
#include <functional>
#include <limits>
#include <sstream>
#include <utility>
#include <vector>

#include "board/bordregel.h"
#include "sudoku_versie.h"
#include "ui/invoer.h"
#include "ui/teksten.h"
#include "ui/testcase_bestand.h"
#include "uitleg/oplossingen.h"
#include "uitleg_pagina.h"
#include "verslag_venster.h"

// The pictures live in a static library, whose resources are not registered by themselves.
static void laadHulpbronnen() { Q_INIT_RESOURCE(sudoku_blad); }

namespace sudoku {

namespace {

// Positions and sizes are kept in twips, 15 to a device-independent pixel.
int px(int twips) { return (twips * 2 + 15) / 30; }

void zetInTwips(QWidget* w, int links, int boven, int breed, int hoog) {
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
    zetInTwips(k, l, b, w, h);
    return k;
}

QLabel* label(QWidget* ouder, const QString& naam, const QString& tekst, int l, int b, int w,
              int h) {
    auto* lb = new QLabel(tekst, ouder);
    lb->setObjectName(naam);
    lb->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lb->setWordWrap(true);
    zetInTwips(lb, l, b, w, h);
    return lb;
}

QPushButton* knopMaken(QWidget* ouder, const QString& naam, const QString& tekst, int l, int b) {
    auto* k = new QPushButton(tekst, ouder);
    k->setObjectName(naam);
    zetInTwips(k, l, b, 1455, 375);
    return k;
}

QString q(const std::string& s) { return QString::fromStdString(s); }
QString q(const char* s) { return QString::fromUtf8(s); }

bool binnenBord(int i) { return i >= 1 && i <= 9; }

// Controls that keep nothing but the status text: the start-up load runs on them to learn
// what it would say of a file before the window's own board is touched.
class StatusControls : public Controls {
public:
    void zetCelTekst(int, int, const std::string&) override {}
    std::string celTekst(int, int) const override { return " "; }
    void zetCelKleur(int, int, Kleur) override {}
    void focusCel(int, int) override {}
    void zetOplos(int, const std::string&) override {}
    void zetOpmerk(const std::string& tekst) override { opmerk_ = tekst; }
    std::string opmerk() const override { return opmerk_; }
    void zetKnopEnabled(Knop, bool) override {}
    void zetKnopVisible(Knop, bool) override {}
    int vinkWaarde(Vink) const override { return 0; }
    void meldingsvenster(const std::string&, const std::string&) override {}

private:
    std::string opmerk_;
};

// The status line keeps the start of its text in sight: a long text would otherwise show
// its end, where the cursor goes when the text is set or the box is tabbed into.
class StatusRegel : public QLineEdit {
public:
    using QLineEdit::QLineEdit;

protected:
    void focusInEvent(QFocusEvent* e) override {
        QLineEdit::focusInEvent(e);
        if (hasSelectedText() && selectedText() == text())
            setSelection(static_cast<int>(text().size()), -static_cast<int>(text().size()));
        else if (e->reason() != Qt::MouseFocusReason)
            setCursorPosition(0);
    }
};

// The step box. Escape and the close button stop the showing of steps; OK, Enter and
// Space go on to the next number. It opens where `plek` says, once its size is known.
class StapMelding : public QMessageBox {
public:
    using Plek = std::function<std::optional<QPoint>(QSize)>;

    // `rand`: the frame the window manager will put around the box, as far as known.
    StapMelding(const QString& titel, const QString& tekst, QWidget* ouder, Plek plek,
                QMargins rand)
        : QMessageBox(QMessageBox::Information, titel, tekst, QMessageBox::Ok, ouder),
          plek_(std::move(plek)),
          rand_(rand) {
        setTextFormat(Qt::PlainText);
        // Not modal to Qt: a modal box would swallow the closing of the main window. The
        // window holds back its own input while the box is open instead.
        setWindowModality(Qt::NonModal);
    }

    bool gestopt() const { return gestopt_; }
    // Where the user dragged the box's frame to, if it was moved from where it was put.
    // The inner rectangle is compared: the frame is known only some time after showing.
    std::optional<QPoint> gesleept() const {
        if (!binnenGeplaatst_ || (geometry().topLeft() - *binnenGeplaatst_).manhattanLength() <= 8)
            return std::nullopt;
        return geometry().topLeft() - QPoint(rand_.left(), rand_.top());
    }

protected:
    void keyPressEvent(QKeyEvent* e) override {
        if (e->matches(QKeySequence::Cancel)) gestopt_ = true;
        QMessageBox::keyPressEvent(e);
    }
    void closeEvent(QCloseEvent* e) override {
        gestopt_ = true;
        QMessageBox::closeEvent(e);
    }
    // The box has its final size only here, and is not on the screen yet. Its inner
    // rectangle is placed: where its frame lands is not known before it is shown.
    void showEvent(QShowEvent* e) override {
        QMessageBox::showEvent(e);
        if (e->spontaneous()) return;
        if (const auto p = plek_(size())) {
            binnenGeplaatst_ = *p + QPoint(rand_.left(), rand_.top());
            setGeometry(QRect(*binnenGeplaatst_, size()));
        }
    }

private:
    Plek plek_;
    QMargins rand_;
    bool gestopt_ = false;
    std::optional<QPoint> binnenGeplaatst_;
};

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

    // The form keeps its size and every place in it; the menu bar comes on top of it.
    bouwMenus();
    formulier_ = new QWidget(this);
    formulier_->setObjectName("Formulier");
    const int menuHoogte = menuBalk_->sizeHint().height();
    menuBalk_->setGeometry(0, 0, px(6615), menuHoogte);
    formulier_->setGeometry(0, menuHoogte, px(6615), px(7980));
    setFixedSize(px(6615), menuHoogte + px(7980));

    bouwBanner();
    bouwInvoer();
    bouwStart();
    bouwBord();
    bouwOplossing();
    bouwOpmerking();
    zetTabVolgorde();

    for (QPushButton* k : knoppen_) k->installEventFilter(this);  // Enter presses a button
    setAcceptDrops(true);

    form_.testcaseArgument = std::move(testcase);
    form_.Form_Load();
}

SudokuVenster::~SudokuVenster() = default;

void SudokuVenster::bouwMenus() {
    menuBalk_ = new QMenuBar(this);
    menuBalk_->setObjectName("Menubalk");
    menuBalk_->setAccessibleName(q(teksten::MENUBALK_NAAM));
    menuBalk_->setFont(QApplication::font());  // the desktop's own font, not the form's bold one
    // Ctrl+V and Ctrl+C where no text box has the focus; the boxes pass them on through
    // eventFilter.
    const auto item = [this](QMenu* menu, const char* naam, const char* tekst,
                             const QList<QKeySequence>& toetsen, const std::function<void()>& doe) {
        QAction* a = menu->addAction(q(tekst));
        a->setObjectName(naam);
        a->setShortcuts(toetsen);
        connect(a, &QAction::triggered, this, doe);
    };
    QMenu* bestand = menuBalk_->addMenu(q(teksten::MENU_BESTAND));
    bestand->setObjectName("MenuBestand");
    item(bestand, "Openen", teksten::MENU_OPENEN, {QKeySequence(Qt::CTRL | Qt::Key_O)},
         [this] { openen(); });
    item(bestand, "Plakken", teksten::MENU_PLAKKEN, QKeySequence::keyBindings(QKeySequence::Paste),
         [this] { plakken(); });
    item(bestand, "Kopieren", teksten::MENU_KOPIEREN, QKeySequence::keyBindings(QKeySequence::Copy),
         [this] { kopieren(); });
    bestand->addSeparator();
    item(bestand, "Afsluiten", teksten::MENU_AFSLUITEN, {QKeySequence(Qt::CTRL | Qt::Key_Q)},
         [this] { close(); });
    QMenu* oplossing = menuBalk_->addMenu(q(teksten::MENU_OPLOSSING));
    oplossing->setObjectName("MenuOplossing");
    item(oplossing, "Verslag", teksten::MENU_VERSLAG, {QKeySequence(Qt::Key_F2)},
         [this] { verslagTonen(); });
    item(oplossing, "Controleer", teksten::MENU_CONTROLEER, {}, [this] { controleer(); });
    QMenu* help = menuBalk_->addMenu(q(teksten::MENU_HELP));
    help->setObjectName("MenuHelp");
    item(help, "Uitleg", teksten::MENU_UITLEG, {QKeySequence(Qt::Key_F1)},
         [this] { uitlegTonen(); });
    item(help, "Over", teksten::MENU_OVER, {}, [this] { overTonen(); });
}

void SudokuVenster::bouwBanner() {
    auto* frame2 = kader(formulier_, "Frame2", 240, 0, 6100, 1455);
    auto* image1 = new QLabel(frame2);
    image1->setObjectName("Image1");
    image1->setPixmap(QPixmap(":/sudoku-blad/banner.png"));
    zetInTwips(image1, 360, 120, 1725, 870);

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
    auto* label5 =
        label(frame2, "Label5", QStringLiteral("versie " SUDOKU_VERSIE), 5040, 1080, 975, 255);
    label5->setFont(lettertype(8.25, false));
}

void SudokuVenster::bouwInvoer() {
    auto* invoer = kader(formulier_, "Invoer", 240, 1440, 2295, 1845);
    label(invoer, "Label2", "Begin waarden", 360, 360, 1695, 375);
    knoppen_[static_cast<int>(Knop::Invoer)] =
        knopMaken(invoer, "InvoerCommand", "Invoer", 360, 840);
    knoppen_[static_cast<int>(Knop::Bevestig)] =
        knopMaken(invoer, "BevInvoerCommand", "Bevestig", 360, 1320);
    knop(Knop::Bevestig)->setEnabled(false);

    connect(knop(Knop::Invoer), &QPushButton::clicked, this, [this] {
        form_.InvoerCommand_Click();
        verslagLegen();
    });
    connect(knop(Knop::Bevestig), &QPushButton::clicked, this,
            [this] { form_.BevInvoerCommand_Click(); });
}

void SudokuVenster::bouwStart() {
    auto* start = kader(formulier_, "Start", 240, 3240, 2295, 3165);
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
        zetInTwips(vak, 360, o.boven, 255, 255);
        vinken_[static_cast<int>(o.vink)] = vak;
        label(start, o.labelNaam, o.tekst, 720, o.boven, o.labelBreed, 375)
            ->setFont(lettertype(8.25, true));
    }

    knoppen_[static_cast<int>(Knop::Start)] = knopMaken(start, "StartCommand", "Start", 360, 2160);
    knoppen_[static_cast<int>(Knop::Herstart)] =
        knopMaken(start, "HerstartCommand", "Herstart", 360, 2640);
    knop(Knop::Herstart)->setEnabled(false);

    connect(knop(Knop::Start), &QPushButton::clicked, this, &SudokuVenster::start);
    connect(knop(Knop::Herstart), &QPushButton::clicked, this, [this] {
        form_.HerstartCommand_Click();
        verslagLegen();
    });
}

void SudokuVenster::bouwBord() {
    auto* sudoku = kader(formulier_, "Sudoku", 2640, 1440, 3690, 3975);
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
        auto* blok =
            kader(sudoku, blokNamen[b], 120 + 1200 * blokKol, 120 + 1260 * blokRij, 1050, 1230);
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
                cel->setAccessibleName(QString("rij %1, kolom %2").arg(rij).arg(kol));
                cel->installEventFilter(this);
                zetInTwips(cel, 30 + 330 * k, 120 + 360 * r, 315, 345);
                cellen_[kol][rij] = cel;
            }
    }
}

void SudokuVenster::bouwOplossing() {
    auto* oplossing = kader(formulier_, "Oplossing", 2640, 5400, 3690, 975);
    label(oplossing, "Label4", "Kompleet:", 360, 240, 2295, 255);
    const QFont f = lettertype(8.25, true);
    for (int i = 1; i <= 9; ++i) {
        auto* vak = new QLineEdit(QString::number(i), oplossing);
        vak->setObjectName(QString("Oplos_%1").arg(i));
        vak->setAlignment(Qt::AlignCenter);
        vak->setFont(f);
        vak->setTextMargins(0, 0, 0, 0);
        vak->setAccessibleName(QString("kompleet %1").arg(i));
        vak->installEventFilter(this);
        zetInTwips(vak, 360 + 360 * (i - 1), 600, 255, 255);
        oplos_[i] = vak;
    }
}

void SudokuVenster::bouwOpmerking() {
    auto* frame4 = kader(formulier_, "Frame4", 240, 6480, 6135, 1095);
    frame4->setTitle("Opmerking:");
    opmerk_ = new StatusRegel(teksten::RASTAVO, frame4);
    opmerk_->setObjectName("Opmerk");
    opmerk_->installEventFilter(this);
    zetInTwips(opmerk_, 240, 360, 5655, 375);
}

void SudokuVenster::zetTabVolgorde() {
    std::vector<QWidget*> volgorde{opmerk_, knop(Knop::Invoer)};
    // Cells block by block in reading order, within a block row by row.
    for (int blokRij = 0; blokRij < 3; ++blokRij)
        for (int blokKol = 0; blokKol < 3; ++blokKol)
            for (int r = 1; r <= 3; ++r)
                for (int k = 1; k <= 3; ++k)
                    volgorde.push_back(cel(blokRij * 3 + r, blokKol * 3 + k));
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

void SudokuVenster::geplaatst(int rij, int kol, const std::string& getal, const Reden& reden) {
    // The step box that may follow is placed clear of this cell and shows its unit.
    aangekondigdRij_ = rij;
    aangekondigdKol_ = kol;
    aangekondigdEenheid_ = reden.eenheid.cellen();
    if (opname_ != nullptr) opname_->pad.geplaatst(rij, kol, getal, reden);
}

void SudokuVenster::gokOngedaan() {
    if (opname_ != nullptr) opname_->pad.gokOngedaan();
}

void SudokuVenster::kleurEenheid(const std::bitset<81>& cellen) {
    const QColor tint = markeerKleur(palette());
    for (std::size_t i = 0; i < 81; ++i) {
        QLineEdit* c = cel(static_cast<int>(i / 9) + 1, static_cast<int>(i % 9) + 1);
        // The text colour is the core's; the background is the window's unless tinted.
        QPalette p;
        p.setColor(QPalette::Text, c->palette().color(QPalette::Active, QPalette::Text));
        if (cellen[i]) p.setColor(QPalette::Base, tint);
        c->setPalette(p);
    }
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

void SudokuVenster::zetOpmerk(const std::string& tekst) {
    opmerk_->setText(q(tekst));
    opmerk_->setCursorPosition(0);  // read from the first character
}

std::string SudokuVenster::opmerk() const { return opmerk_->text().toStdString(); }

void SudokuVenster::zetKnopEnabled(Knop k, bool aan) { knop(k)->setEnabled(aan); }

void SudokuVenster::zetKnopVisible(Knop k, bool zichtbaar) { knop(k)->setVisible(zichtbaar); }

int SudokuVenster::vinkWaarde(Vink v) const { return vinkVak(v)->isChecked() ? 1 : 0; }

void SudokuVenster::meldingsvenster(const std::string& titel, const std::string& tekst) {
    if (afsluiten_) return;  // the window is gone: the solve finishes unseen
    StapMelding box(
        q(titel), q(tekst), this, [this](QSize maat) { return meldingPlek(maat); }, vensterRand());
    QEventLoop lus;
    connect(&box, &QDialog::finished, &lus, &QEventLoop::quit);
    melding_ = &box;
    qApp->installEventFilter(this);
    kleurEenheid(aangekondigdEenheid_);
    box.show();
    lus.exec();
    // However the box went (OK, Escape, its close button, the window closed): the tint goes with it.
    kleurEenheid({});
    qApp->removeEventFilter(this);
    melding_ = nullptr;
    // A box the user moved shows where later boxes are wanted.
    if (const auto p = box.gesleept()) gesleeptNaar_ = p;
    // The core reads the option at every placement: unticked, the solve runs on without boxes.
    if (box.gestopt() && !afsluiten_) vinkVak(Vink::Tussenstap)->setChecked(false);
}

std::optional<QPoint> SudokuVenster::meldingPlek(QSize binnen) const {
    QLineEdit* c = cel(aangekondigdRij_, aangekondigdKol_);
    if (c == nullptr || screen() == nullptr) return std::nullopt;
    const auto opScherm = [](const QWidget* w) {
        return QRect(w->mapToGlobal(QPoint(0, 0)), w->size());
    };
    const QRect celVak = opScherm(c);
    const QRect rij = opScherm(cel(aangekondigdRij_, 1)).united(opScherm(cel(aangekondigdRij_, 9)));
    const QRect kolom =
        opScherm(cel(1, aangekondigdKol_)).united(opScherm(cel(9, aangekondigdKol_)));

    // The box's frame is not known before it is shown; the window's own frame is the best guess.
    const QRect venster = frameGeometry();
    const QSize maat = binnen.grownBy(vensterRand());
    const QRect ruimte = screen()->availableGeometry();
    const auto vrij = [&](const QRect& r, bool lijnen) {
        return ruimte.contains(r) && !r.intersects(celVak) &&
               (!lijnen || (!r.intersects(rij) && !r.intersects(kolom)));
    };

    // Where the user put an earlier box, as long as the number stays in sight.
    if (gesleeptNaar_) {
        const QRect r(*gesleeptNaar_, maat);
        if (ruimte.intersects(r) && !r.intersects(celVak)) return gesleeptNaar_;
    }
    // Beside the window, level with the number.
    const int tussenruimte = 8;
    int y = celVak.center().y() - maat.height() / 2;
    y = std::max(ruimte.top(), std::min(y, ruimte.bottom() + 1 - maat.height()));
    for (int x :
         {venster.right() + 1 + tussenruimte, venster.left() - tussenruimte - maat.width()}) {
        const QRect r(QPoint(x, y), maat);
        if (vrij(r, true)) return r.topLeft();
    }
    // Otherwise the free place nearest the middle of the window: clear of the row and the
    // column if the screen has room for that, else clear of the cell alone.
    const int stap = 8;
    for (bool lijnen : {true, false}) {
        std::optional<QPoint> beste;
        long long besteAfstand = std::numeric_limits<long long>::max();
        for (int by = ruimte.top(); by + maat.height() <= ruimte.bottom() + 1; by += stap)
            for (int bx = ruimte.left(); bx + maat.width() <= ruimte.right() + 1; bx += stap) {
                const QRect r(QPoint(bx, by), maat);
                if (!vrij(r, lijnen)) continue;
                const QPoint d = r.center() - venster.center();
                const long long afstand = 1LL * d.x() * d.x() + 1LL * d.y() * d.y();
                if (afstand < besteAfstand) besteAfstand = afstand, beste = r.topLeft();
            }
        if (beste) return beste;
    }
    return std::nullopt;
}

QMargins SudokuVenster::vensterRand() const {
    const QRect buiten = frameGeometry();
    const QRect binnen = geometry();
    return {binnen.left() - buiten.left(), binnen.top() - buiten.top(),
            buiten.right() - binnen.right(), buiten.bottom() - binnen.bottom()};
}

void SudokuVenster::start() {
    if (bezig_) return;
    // The report starts from the board as loaded and its exact count; the solve reads neither.
    const std::string bord = bordRegel(form_.veld);
    opname_ = std::make_shared<Verslag>();
    opname_->oplossingen = telOplossingen(bord);
    opname_->pad.begin(bord);
    verslag_.reset();
    if (verslagVenster_ != nullptr) verslagVenster_->toon(nullptr, true);
    bezig_ = true;
    form_.StartCommand_Click();
    bezig_ = false;
    opname_->niveau = opname_->pad.niveau(isOpgelost(form_.afloop));
    verslag_ = std::exchange(opname_, nullptr);
    if (verslagVenster_ != nullptr) verslagVenster_->toon(verslag_);
}

void SudokuVenster::verslagLegen() {
    verslag_.reset();
    if (verslagVenster_ != nullptr) verslagVenster_->toon(nullptr);
}

bool SudokuVenster::invoerLoopt() const { return knop(Knop::Bevestig)->isEnabled(); }

std::string SudokuVenster::vakkenRegel(int& foutRij, int& foutKol) const {
    foutRij = foutKol = 0;
    std::string regel(81, '.');
    for (int r = 1; r <= 9; ++r)
        for (int k = 1; k <= 9; ++k) {
            const char c = vakTeken(celTekst(r, k));
            if (c != '\0')
                regel[static_cast<std::size_t>((r - 1) * 9 + k - 1)] = c;
            else if (foutRij == 0)
                foutRij = r, foutKol = k;
        }
    return regel;
}

void SudokuVenster::openen() {
    if (bezig_) return;
    QString pad;
    if (kiesBestand) {
        pad = kiesBestand();
    } else {
        QString map;
        if (form_.testcaseArgument) map = QFileInfo(q(*form_.testcaseArgument)).absolutePath();
        QFileDialog kiezer(this, q(teksten::OPENEN_TITEL), map, q(teksten::OPENEN_FILTER));
        kiezer.setFileMode(QFileDialog::ExistingFile);
        // Qt's own dialog in the program's language (a desktop's dialog speaks the desktop's).
        kiezer.setLabelText(QFileDialog::LookIn, q(teksten::OPENEN_ZOEKEN_IN));
        kiezer.setLabelText(QFileDialog::FileName, q(teksten::OPENEN_BESTANDSNAAM));
        kiezer.setLabelText(QFileDialog::FileType, q(teksten::OPENEN_BESTANDSTYPE));
        kiezer.setLabelText(QFileDialog::Accept, q(teksten::OPENEN_KNOP));
        kiezer.setLabelText(QFileDialog::Reject, q(teksten::ANNULEREN));
        if (kiezer.exec() == QDialog::Accepted && !kiezer.selectedFiles().isEmpty())
            pad = kiezer.selectedFiles().first();
    }
    if (pad.isEmpty()) return;
    // The start-up load runs on a form of its own first, with the same checks and texts:
    // a file it refuses leaves this board, its buttons and "Herstart" as they were.
    StatusControls proef;
    SudokuForm proefForm(proef);
    proefForm.testcaseArgument = pad.toStdString();
    proefForm.Form_Load();
    if (!proefForm.FileAanwezig) {
        zetOpmerk(proef.opmerk());
        return;
    }
    laadBestand(pad);
}

void SudokuVenster::kopieren() {
    if (bezig_) return;
    int foutRij = 0, foutKol = 0;
    const std::string regel = invoerLoopt() ? vakkenRegel(foutRij, foutKol) : bordRegel(form_.veld);
    QGuiApplication::clipboard()->setText(q(regel));
}

void SudokuVenster::controleer() {
    if (bezig_) return;
    std::string bord;
    if (invoerLoopt()) {
        int foutRij = 0, foutKol = 0;
        bord = vakkenRegel(foutRij, foutKol);
        if (foutRij != 0) {
            QMessageBox fout(QMessageBox::Warning, q(teksten::CONTROLE_TITEL),
                             q(teksten::controleOngeldig(foutRij, foutKol)), QMessageBox::Ok, this);
            fout.exec();
            focusCel(foutRij, foutKol);
            return;
        }
    } else {
        bord = bordRegel(form_.veld);
    }
    Oplossingen uitkomst = Oplossingen::Geen;
    QString uitleg;
    if (const auto dubbel = eersteDubbel(bord)) {
        uitleg = q(teksten::controleDubbel(dubbel->cijfer, dubbel->eenheid));
    } else {
        uitkomst = telOplossingen(bord);
        uitleg = q(teksten::controleUitleg(uitkomst));
    }
    QMessageBox box(QMessageBox::Information, q(teksten::CONTROLE_TITEL),
                    q(teksten::controleZin(uitkomst)), QMessageBox::Ok, this);
    box.setInformativeText(uitleg);
    box.exec();
}

void SudokuVenster::verslagTonen() {
    if (verslagVenster_ == nullptr) {
        verslagVenster_ = new VerslagVenster(this);
        verslagVenster_->toon(verslag_, bezig_);
        // Beside the window, narrower if need be, so that the grid stays in sight; where the
        // screen has no room for that, the window manager places it.
        const QPoint plek = frameGeometry().topRight() + QPoint(8, 0);
        if (screen() != nullptr) {
            const QRect ruimte = screen()->availableGeometry();
            const QMargins rand = vensterRand();
            const int breed = std::min(verslagVenster_->width(),
                                       ruimte.right() + 1 - plek.x() - rand.left() - rand.right());
            if (breed >= 640 &&
                ruimte.contains(QRect(plek, QSize(breed, verslagVenster_->height())))) {
                verslagVenster_->resize(breed, verslagVenster_->height());
                verslagVenster_->move(plek);
            }
        }
    }
    verslagVenster_->show();
    verslagVenster_->raise();
    verslagVenster_->activateWindow();
}

void SudokuVenster::uitlegTonen() {
    if (uitleg_ == nullptr) {
        auto* venster = new QDialog(this);
        venster->setObjectName("Uitleg");
        venster->setWindowTitle(q(teksten::UITLEG_TITEL));
        auto* tekst = new QTextBrowser(venster);
        tekst->setObjectName("UitlegTekst");
        tekst->setAccessibleName(q(teksten::UITLEG_TITEL));
        tekst->setHtml(q(uitlegPagina()));
        auto* knoppen = new QDialogButtonBox(venster);
        QPushButton* sluiten =
            knoppen->addButton(q(teksten::SLUITEN), QDialogButtonBox::RejectRole);
        sluiten->setAccessibleName(sluiten->text().remove('&'));
        connect(knoppen, &QDialogButtonBox::rejected, venster, &QDialog::reject);
        auto* indeling = new QVBoxLayout(venster);
        indeling->addWidget(tekst);
        indeling->addWidget(knoppen);
        venster->resize(620, 640);
        uitleg_ = venster;
    }
    uitleg_->show();
    uitleg_->raise();
    uitleg_->activateWindow();
}

void SudokuVenster::overTonen() {
    QMessageBox over(QMessageBox::NoIcon, q(teksten::OVER_TITEL),
                     q(teksten::overTekst(SUDOKU_VERSIE)), QMessageBox::Ok, this);
    over.setIconPixmap(windowIcon().pixmap(48, 48));
    over.setTextFormat(Qt::PlainText);
    over.exec();
}

void SudokuVenster::closeEvent(QCloseEvent* e) {
    if (bezig_) {
        // Closing during a solve ends the program: the box goes, and what is left of the
        // solve runs to its end unseen (no more boxes) before the event loop stops.
        afsluiten_ = true;
        if (melding_ != nullptr) melding_->done(QMessageBox::Ok);
    }
    // The report and the help go with the window.
    if (verslagVenster_ != nullptr) verslagVenster_->close();
    if (uitleg_ != nullptr) uitleg_->close();
    QWidget::closeEvent(e);
}

// What a user does with the mouse or keyboard, aimed at this window.
bool SudokuVenster::invoerVanGebruiker(QObject* doel, QEvent* e) const {
    switch (e->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::Wheel:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::Shortcut:
        case QEvent::ContextMenu:
        case QEvent::DragEnter:
        case QEvent::DragMove:
        case QEvent::Drop:
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
        case QEvent::InputMethod: break;
        default: return false;
    }
    if (doel->isWidgetType()) return static_cast<QWidget*>(doel)->window() == this;
    if (qobject_cast<QAction*>(doel) != nullptr) {  // a menu item's shortcut
        for (QObject* o = doel->parent(); o != nullptr; o = o->parent())
            if (o == this) return true;
        return false;
    }
    return doel == windowHandle();
}

bool SudokuVenster::eventFilter(QObject* doel, QEvent* e) {
    if (melding_ != nullptr) {
        // While a step box is open the window takes no input, as under a modal box; a click
        // on it brings the box back to the front.
        if (!invoerVanGebruiker(doel, e)) return false;
        if (e->type() == QEvent::MouseButtonPress) {
            melding_->raise();
            melding_->activateWindow();
        }
        return true;
    }
    switch (e->type()) {
        case QEvent::KeyPress: {
            auto* toets = static_cast<QKeyEvent*>(e);
            auto* k = qobject_cast<QPushButton*>(doel);
            if (k != nullptr && (toets->key() == Qt::Key_Return || toets->key() == Qt::Key_Enter)) {
                if (!toets->isAutoRepeat() && k->isEnabled()) k->click();
                return true;
            }
            auto* vak = qobject_cast<QLineEdit*>(doel);
            if (vak != nullptr && toets->matches(QKeySequence::Paste)) {
                plakken();
                return true;
            }
            // A cell box holds one character, so its own copy would be of no use: Ctrl+C copies
            // the board, except from the status line with text selected in it.
            if (vak != nullptr && toets->matches(QKeySequence::Copy) &&
                !(vak == opmerk_ && vak->hasSelectedText())) {
                kopieren();
                return true;
            }
            break;
        }
        case QEvent::DragEnter:
        case QEvent::DragMove:
        case QEvent::Drop: {
            // A file dragged over a text box is meant for the window, not for the box's text.
            if (qobject_cast<QLineEdit*>(doel) == nullptr) break;
            auto* slepen = static_cast<QDropEvent*>(e);
            if (bestandUit(slepen->mimeData()).isEmpty()) break;
            if (e->type() == QEvent::Drop)
                dropEvent(slepen);
            else if (!bezig_)
                slepen->acceptProposedAction();
            return true;
        }
        default: break;
    }
    return QWidget::eventFilter(doel, e);
}

QString SudokuVenster::bestandUit(const QMimeData* data) {
    if (data == nullptr || !data->hasUrls()) return {};
    const QList<QUrl> urls = data->urls();
    if (urls.size() != 1 || !urls.first().isLocalFile()) return {};
    return urls.first().toLocalFile();
}

void SudokuVenster::dragEnterEvent(QDragEnterEvent* e) {
    if (!bezig_ && !bestandUit(e->mimeData()).isEmpty()) e->acceptProposedAction();
}

void SudokuVenster::dragMoveEvent(QDragMoveEvent* e) {
    if (!bezig_ && !bestandUit(e->mimeData()).isEmpty()) e->acceptProposedAction();
}

void SudokuVenster::dropEvent(QDropEvent* e) {
    const QString pad = bestandUit(e->mimeData());
    if (pad.isEmpty() || bezig_) return;
    e->acceptProposedAction();
    laadBestand(pad);
}

void SudokuVenster::laadBestand(const QString& pad) {
    if (bezig_) return;
    form_.testcaseArgument = pad.toStdString();
    verslagLegen();
    // From the middle of a manual entry back to the buttons of the start state.
    zetKnopVisible(Knop::Start, true);
    zetKnopVisible(Knop::Herstart, true);
    zetKnopEnabled(Knop::Invoer, true);
    zetKnopEnabled(Knop::Bevestig, false);
    // As "Herstart" does: colours back, "Start" on, then the start-up load with its checks.
    form_.HerstartCommand_Click();
}

void SudokuVenster::plakken() {
    if (bezig_) return;
    const Plaktekst plak = leesPlaktekst(QGuiApplication::clipboard()->text().toStdString());
    if (!plak.waarom.empty()) {
        zetOpmerk(plak.waarom);
        return;
    }
    const TestcaseInhoud& inhoud = plak.inhoud;
    form_.InvoerCommand_Click();
    verslagLegen();
    for (int r = 1; r <= 9; ++r)
        for (int k = 1; k <= 9; ++k) {
            const std::string& rij = inhoud.rijen[r];
            const char c = static_cast<std::size_t>(k) <= rij.size() ? rij[k - 1] : ' ';
            if (c >= '1' && c <= '9') zetCelTekst(r, k, std::string(1, c));
        }
    knop(Knop::Bevestig)->setFocus(Qt::OtherFocusReason);  // checked, then Enter confirms
}

}  // namespace sudoku
