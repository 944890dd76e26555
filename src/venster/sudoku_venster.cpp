// The window as a map of the form: built part by part (venster_opbouw.cpp), the boxes and
// their colours (venster_cellen.cpp), the step box (stap_melding.cpp), the user's input
// (venster_invoer.cpp), files and the clipboard (venster_bestanden.cpp), and the windows and
// boxes the menus open (venster_verslag.cpp).
#include "sudoku_venster.h"

#include <QApplication>
#include <QCheckBox>
#include <QIcon>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>

#include <utility>

#include "board/bordregel.h"
#include "toegankelijk.h"
#include "uitleg/oplossingen.h"
#include "venster_hulp.h"
#include "verslag_venster.h"

// The pictures live in a static library, whose resources are not registered by themselves.
static void laadHulpbronnen() { Q_INIT_RESOURCE(sudoku_blad); }

namespace sudoku {

using venster::lettertype;
using venster::px;
using venster::q;

SudokuVenster::SudokuVenster(std::optional<std::string> testcase, QWidget* parent)
    : QWidget(parent), form_(*this) {
    laadHulpbronnen();
    vensterRollenAanmelden();
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
    formulier_->setFixedSize(px(6615), px(7980));

    bouwBanner();
    bouwInvoer();
    bouwStart();
    bouwBord();
    bouwOplossing();
    bouwOpmerking();
    zetTabVolgorde();
    pasInScherm();

    for (QPushButton* k : knoppen_) k->installEventFilter(this);  // Enter presses a button
    setAcceptDrops(true);

    wilUitleg_ = true;  // the step box and the report explain each step
    form_.testcaseArgument = std::move(testcase);
    form_.Form_Load();
}

SudokuVenster::~SudokuVenster() = default;

void SudokuVenster::pasInScherm() {
    const int menuHoogte = menuBalk_->sizeHint().height();
    const QSize vorm = formulier_->size();
    QSize ruimte = vorm;
    if (const QScreen* s = screen()) {
        // The frame is not known before the window is shown: room for a title bar and edges.
        const int titel = style()->pixelMetric(QStyle::PM_TitleBarHeight);
        ruimte = s->availableGeometry().size() - QSize(8, titel + 8 + menuHoogte);
    }
    if (vorm.width() <= ruimte.width() && vorm.height() <= ruimte.height()) {
        menuBalk_->setGeometry(0, 0, vorm.width(), menuHoogte);
        formulier_->move(0, menuHoogte);
        setFixedSize(vorm.width(), menuHoogte + vorm.height());
        return;
    }
    // A screen too small for the form (a large scale factor on a laptop): the form keeps its
    // size and scrolls below the menu bar, in a window that fits the screen.
    auto* rol = new QScrollArea(this);
    rol->setObjectName("FormulierRol");
    rol->setFrameShape(QFrame::NoFrame);
    rol->setFocusPolicy(Qt::NoFocus);
    rol->setWidget(formulier_);
    const int balk = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    bool hoger = vorm.height() > ruimte.height(), breder = vorm.width() > ruimte.width();
    breder = breder || (hoger && vorm.width() + balk > ruimte.width());
    hoger = hoger || (breder && vorm.height() + balk > ruimte.height());
    const int breed = breder ? ruimte.width() : vorm.width() + (hoger ? balk : 0);
    const int hoog = hoger ? ruimte.height() : vorm.height() + (breder ? balk : 0);
    menuBalk_->setGeometry(0, 0, breed, menuHoogte);
    rol->setGeometry(0, menuHoogte, breed, hoog);
    setFixedSize(breed, menuHoogte + hoog);
    // What takes the focus comes into sight, by Tab or otherwise (the status line after a
    // solve, a box that Bevestig refuses).
    connect(qApp, &QApplication::focusChanged, rol, [rol](QWidget*, QWidget* nu) {
        if (nu != nullptr && rol->widget()->isAncestorOf(nu)) rol->ensureWidgetVisible(nu);
    });
}

void SudokuVenster::zetOplos(int i, const std::string& tekst) {
    if (QLineEdit* v = oplosVak(i)) v->setText(q(tekst));
}

void SudokuVenster::zetOpmerk(const std::string& tekst) {
    opmerk_->setText(q(tekst));
    opmerk_->setCursorPosition(0);  // read from the first character
    // The line is narrow: the whole text where the mouse and a screen reader find it.
    opmerk_->setToolTip(q(tekst).trimmed());
    opmerk_->setAccessibleDescription(q(tekst).trimmed());
}

std::string SudokuVenster::opmerk() const { return opmerk_->text().toStdString(); }

void SudokuVenster::zetKnopEnabled(Knop k, bool aan) {
    knop(k)->setEnabled(aan);
    // "Bevestig" is on exactly while "Invoer" runs, the only time the cells take typing.
    if (k == Knop::Bevestig)
        for (int r = 1; r <= 9; ++r)
            for (int c = 1; c <= 9; ++c) cel(r, c)->setReadOnly(!aan);
}

void SudokuVenster::zetKnopVisible(Knop k, bool zichtbaar) { knop(k)->setVisible(zichtbaar); }

int SudokuVenster::vinkWaarde(Vink v) const { return vinkVak(v)->isChecked() ? 1 : 0; }

void SudokuVenster::geplaatst(int rij, int kol, const std::string& getal, const Reden& reden) {
    gevonden_.set(static_cast<std::size_t>((rij - 1) * 9 + kol - 1));
    beschrijfCel(rij, kol);
    if (opname_ != nullptr) opname_->pad.geplaatst(rij, kol, getal, reden);
}

void SudokuVenster::gokOngedaan() {
    if (opname_ != nullptr) opname_->pad.gokOngedaan();
}

void SudokuVenster::uitsluitingGemaakt(const Uitsluiting& u) {
    if (opname_ != nullptr) opname_->pad.uitsluitingGemaakt(u);
}

void SudokuVenster::tabelGewist() {
    if (opname_ != nullptr) opname_->pad.tabelGewist();
}

void SudokuVenster::start() {
    if (bezig_) return;
    tipSluiten();
    // The report starts from the board as loaded and its exact count; the solve reads neither.
    const std::string bord = bordRegel(form_.veld);
    opname_ = std::make_shared<OplosOpname>();
    opname_->begin(bord, true);
    verslag_.reset();
    if (verslagVenster_ != nullptr) verslagVenster_->toon(nullptr, true);
    gevonden_.reset();
    bezig_ = true;
    form_.StartCommand_Click();
    bezig_ = false;
    // The verdict stands in the status line: the focus goes there ("Start" is off now), so
    // that a screen reader reads it out.
    if (!afsluiten_) opmerk_->setFocus(Qt::OtherFocusReason);
    opname_->eind(isOpgelost(form_.afloop));
    verslag_ = std::exchange(opname_, nullptr);
    if (verslagVenster_ != nullptr) verslagVenster_->toon(verslag_);
}

}  // namespace sudoku
