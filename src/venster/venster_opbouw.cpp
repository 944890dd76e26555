// The form's controls, each with its own name and place, the menu bar above them, and the
// tab order.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFocusEvent>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QStylePainter>

#include <functional>
#include <vector>

#include "form/teksten.h"
#include "sudoku_venster.h"
#include "sudoku_versie.h"
#include "venster/teksten.h"
#include "venster_hulp.h"

namespace sudoku {

QFont venster::lettertype(qreal punten, bool vet) {
    QFont f = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    f.setStyleHint(QFont::SansSerif);
    f.setPointSizeF(punten);
    f.setBold(vet);
    return f;
}

namespace {

using venster::lettertype;
using venster::q;
using venster::zetInTwips;

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

// A check box that draws its box alone: the label beside it shows the caption.
class KaleVink : public QCheckBox {
public:
    using QCheckBox::QCheckBox;

protected:
    void paintEvent(QPaintEvent*) override {
        QStylePainter p(this);
        QStyleOptionButton optie;
        initStyleOption(&optie);
        optie.text.clear();
        p.drawControl(QStyle::CE_CheckBox, optie);
    }
};

// "weergave &tussenstappen" as a label shows it: the marked letter underlined.
QString metOnderstreepteLetter(const QString& tekst) {
    const auto i = tekst.indexOf('&');
    if (i < 0 || i + 1 >= tekst.size()) return tekst.toHtmlEscaped();
    return tekst.left(i).toHtmlEscaped() + "<u>" + tekst.mid(i + 1, 1).toHtmlEscaped() + "</u>" +
           tekst.mid(i + 2).toHtmlEscaped();
}

QPushButton* knopMaken(QWidget* ouder, const QString& naam, const char* tekst, int l, int b) {
    auto* k = new QPushButton(q(tekst), ouder);
    k->setObjectName(naam);
    zetInTwips(k, l, b, 1455, 375);
    return k;
}

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

}  // namespace

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
    // Every item has a key of its own: a screen reader announces an item's key, and for one
    // without it would announce Alt and the item's letter, which opens a menu or nothing.
    QMenu* bestand = menuBalk_->addMenu(q(teksten::MENU_BESTAND));
    bestand->setObjectName("MenuBestand");
    item(bestand, "Openen", teksten::MENU_OPENEN, {QKeySequence(Qt::CTRL | Qt::Key_O)},
         [this] { openen(); });
    bestand->addSeparator();
    item(bestand, "Afsluiten", teksten::MENU_AFSLUITEN, {QKeySequence(Qt::CTRL | Qt::Key_Q)},
         [this] { close(); });
    QMenu* bewerken = menuBalk_->addMenu(q(teksten::MENU_BEWERKEN));
    bewerken->setObjectName("MenuBewerken");
    item(bewerken, "Kopieren", teksten::MENU_KOPIEREN,
         QKeySequence::keyBindings(QKeySequence::Copy), [this] { kopieren(); });
    item(bewerken, "Plakken", teksten::MENU_PLAKKEN, QKeySequence::keyBindings(QKeySequence::Paste),
         [this] { plakken(); });
    // The same two actions stay under Bestand too, where the README has always listed them and
    // where users of earlier versions look for them.
    bestand->insertActions(bestand->actions().at(1), bewerken->actions());
    QMenu* oplossing = menuBalk_->addMenu(q(teksten::MENU_OPLOSSING));
    oplossing->setObjectName("MenuOplossing");
    item(oplossing, "Verslag", teksten::MENU_VERSLAG, {QKeySequence(Qt::Key_F2)},
         [this] { verslagTonen(); });
    item(oplossing, "Controleer", teksten::MENU_CONTROLEER, {QKeySequence(Qt::CTRL | Qt::Key_K)},
         [this] { controleer(); });
    item(oplossing, "Tip", teksten::MENU_TIP, {QKeySequence(Qt::Key_F3)}, [this] { tip(); });
    QMenu* help = menuBalk_->addMenu(q(teksten::MENU_HELP));
    help->setObjectName("MenuHelp");
    item(help, "Uitleg", teksten::MENU_UITLEG, {QKeySequence(Qt::Key_F1)},
         [this] { uitlegTonen(); });
    item(help, "Over", teksten::MENU_OVER, {QKeySequence(Qt::SHIFT | Qt::Key_F1)},
         [this] { overTonen(); });

    // F10 opens the first menu, as on other desktops; the menu bar's own keys go on from there.
    auto* f10 = new QAction(this);
    f10->setObjectName("MenuF10");
    f10->setShortcut(QKeySequence(Qt::Key_F10));
    connect(f10, &QAction::triggered, this,
            [this] { menuBalk_->setActiveAction(menuBalk_->actions().constFirst()); });
    addAction(f10);
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
        knopMaken(invoer, "InvoerCommand", teksten::KNOP_INVOER, 360, 840);
    knoppen_[static_cast<int>(Knop::Bevestig)] =
        knopMaken(invoer, "BevInvoerCommand", teksten::KNOP_BEVESTIG, 360, 1320);
    knop(Knop::Bevestig)->setEnabled(false);

    connect(knop(Knop::Invoer), &QPushButton::clicked, this, [this] {
        form_.InvoerCommand_Click();
        geplakt_.reset();  // "Herstart" goes back to the test-case file, as it always did
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
        {Vink::Tussenstap, "Check_tussenstap", "tussenstap", teksten::OPTIE_TUSSENSTAP, 720, 1455},
        {Vink::Module, "Check_module", "module", teksten::OPTIE_MODULE, 1200, 1335},
        {Vink::Uitproberen, "Check_uitproberen", "uitproberen", teksten::OPTIE_UITPROBEREN, 1680,
         1575},
    };
    for (const Optie& o : opties) {
        const QString tekst = q(o.tekst);
        const QString zonderLetter = QString(tekst).remove('&');
        // The box carries the caption it never shows, for its key: Alt and the letter tick
        // it, and a screen reader hears that key on the box itself.
        auto* vak = new KaleVink(tekst, start);
        vak->setObjectName(o.vak);
        vak->setAccessibleName(zonderLetter);
        zetInTwips(vak, 360, o.boven, 255, 255);
        vinken_[static_cast<int>(o.vink)] = vak;
        QLabel* lb = label(start, o.labelNaam, metOnderstreepteLetter(tekst), 720, o.boven,
                           o.labelBreed, 375);
        lb->setTextFormat(Qt::RichText);
        lb->setAccessibleName(zonderLetter);
        lb->setFont(lettertype(8.25, true));
    }

    knoppen_[static_cast<int>(Knop::Start)] =
        knopMaken(start, "StartCommand", teksten::KNOP_START, 360, 2160);
    knoppen_[static_cast<int>(Knop::Herstart)] =
        knopMaken(start, "HerstartCommand", teksten::KNOP_HERSTART, 360, 2640);
    knop(Knop::Herstart)->setEnabled(false);

    connect(knop(Knop::Start), &QPushButton::clicked, this, &SudokuVenster::start);
    connect(knop(Knop::Herstart), &QPushButton::clicked, this, &SudokuVenster::herstart);
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
                // Outside "Invoer" a cell shows the board and takes no typing.
                cel->setReadOnly(true);
                cel->installEventFilter(this);
                connect(cel, &QLineEdit::textChanged, this,
                        [this, rij, kol] { beschrijfCel(rij, kol); });
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
        vak->setReadOnly(true);  // it reports; nothing reads it back
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
    opmerk_->setReadOnly(true);
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

}  // namespace sudoku
