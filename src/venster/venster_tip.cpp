// "Tip" (F3): the first step of a solve of the board as it stands (form/tip.h) in three
// levels, shown in the Tip window beside the form and marked in the grid.
#include <QDialogButtonBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

#include "board/bordregel.h"
#include "form/teksten.h"
#include "sudoku_venster.h"
#include "tip_venster.h"
#include "uitleg/teksten.h"
#include "venster/teksten.h"
#include "venster_hulp.h"

namespace sudoku {

using venster::q;

TipVenster::TipVenster(QWidget* ouder) : QDialog(ouder) {
    setObjectName("Tip");
    setWindowTitle(q(teksten::TIP_TITEL));
    setAccessibleName(q(teksten::TIP_TITEL));
    setModal(false);
    setAttribute(Qt::WA_DeleteOnClose);
    tekst_ = new QLabel(this);
    tekst_->setObjectName("TipTekst");
    celRegel_ = new QLabel(this);
    celRegel_->setObjectName("TipCel");
    for (QLabel* l : {tekst_, celRegel_}) {
        l->setTextFormat(Qt::PlainText);
        l->setWordWrap(true);
        l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        l->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    }
    // The text holds the focus, so that a screen reader reads each new level: as the focus
    // comes to it from the button, or as its text changes under the focus.
    tekst_->setFocusPolicy(Qt::StrongFocus);
    celRegel_->setFocusPolicy(Qt::NoFocus);
    auto* knoppen = new QDialogButtonBox(this);
    meer_ = knoppen->addButton(q(teksten::TIP_MEER), QDialogButtonBox::ActionRole);
    meer_->setObjectName("MeerHulp");
    QPushButton* sluiten = knoppen->addButton(q(teksten::SLUITEN), QDialogButtonBox::RejectRole);
    for (QPushButton* k : {meer_, sluiten}) k->setAccessibleName(k->text().remove('&'));
    connect(meer_, &QPushButton::clicked, this, &TipVenster::meerGevraagd);
    connect(knoppen, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(new QShortcut(QKeySequence(Qt::Key_F3), this), &QShortcut::activated, this,
            &TipVenster::meerGevraagd);
    auto* indeling = new QVBoxLayout(this);
    indeling->addWidget(tekst_);
    indeling->addWidget(celRegel_);
    indeling->addStretch(1);
    indeling->addWidget(knoppen);
}

void TipVenster::toon(Tip tip, std::string vraag) {
    tip_ = std::move(tip);
    vraag_ = std::move(vraag);
    if (tip_.soort == Tip::Soort::Stap) {
        niveau_ = 1;
        toonNiveau();
    } else {
        toonMelding(q(tip_.melding), tip_.gokHelpt ? q(teksten::TIP_MET_GOK).trimmed() : QString());
    }
}

void TipVenster::toonMelding(const QString& melding, const QString& extra) {
    niveau_ = 0;
    tekst_->setText(melding);
    celRegel_->setText(extra);
    celRegel_->setVisible(!extra.isEmpty());
    meer_->setEnabled(false);
    setAccessibleDescription(extra.isEmpty() ? melding : melding + "\n" + extra);
}

bool TipVenster::verder() {
    if (niveau_ < 1 || niveau_ >= 3) return false;
    ++niveau_;
    toonNiveau();
    return true;
}

void TipVenster::toonNiveau() {
    if (niveau_ < 1) return;
    const QString tekst = q(tip_.tekst[static_cast<std::size_t>(niveau_ - 1)]);
    // From the second level on the cell is framed in the grid; said here as its box is named.
    QString cel;
    if (niveau_ >= 2 && tip_.cel >= 1)
        cel = q(teksten::tipCelRegel((tip_.cel - 1) / 9 + 1, (tip_.cel - 1) % 9 + 1));
    tekst_->setText(tekst);
    celRegel_->setText(cel);
    celRegel_->setVisible(!cel.isEmpty());
    meer_->setEnabled(niveau_ < 3);
    meer_->setDefault(niveau_ < 3);
    setAccessibleDescription(cel.isEmpty() ? tekst : tekst + "\n" + cel);
    if (isVisible()) tekst_->setFocus(Qt::OtherFocusReason);
}

Markering TipVenster::markering() const {
    Markering m;
    if (niveau_ < 1) return m;
    m.eenheid = tip_.eenheidCellen;
    if (niveau_ >= 2 && tip_.cel >= 1) m.cel = tip_.cel - 1;
    if (niveau_ >= 3) m.bewijs = tip_.bewijsCellen;
    return m;
}

int TipVenster::gewensteBreedte() const {
    const QMargins rand = layout()->contentsMargins();
    return fontMetrics().averageCharWidth() * 64 + rand.left() + rand.right();
}

void TipVenster::pasAan(int breedte) {
    // The labels wrap: the height their whole text takes at this width, known only now that
    // the text is in (a window sized before its text arrives cuts it off).
    layout()->activate();
    const int hoog = layout()->hasHeightForWidth() ? layout()->totalHeightForWidth(breedte)
                                                   : layout()->totalSizeHint().height();
    setMinimumSize(breedte, hoog);
    resize(breedte, hoog);
}

void SudokuVenster::tipSluiten() {
    if (tipVenster_ != nullptr && tipVenster_->isVisible()) tipVenster_->close();
    markeer({});
}

void SudokuVenster::plaatsTip() {
    TipVenster* t = tipVenster_;
    const int gewenst = t->gewensteBreedte();
    if (screen() == nullptr) return t->pasAan(gewenst);
    const QRect ruimte = screen()->availableGeometry();
    // The Tip's frame is not known before it is shown; the window's own is the best guess.
    const QMargins rand = vensterRand();
    const int tussen = 8, smal = std::min(gewenst, 260);
    QRect bord(cel(1, 1)->mapToGlobal(QPoint(0, 0)), cel(9, 9)->size());
    bord = bord.united(QRect(cel(9, 9)->mapToGlobal(QPoint(0, 0)), cel(9, 9)->size()));
    bord.adjust(-tussen, -tussen, tussen, tussen);
    const QRect venster = frameGeometry();
    // Beside the window, right then left; where neither has room, beside the board over the
    // rest of the form. Each room is a strip of the screen, its edge at the window or board.
    const std::pair<int, int> kamers[] = {{venster.right() + 1 + tussen, ruimte.right() + 1},
                                          {ruimte.left(), venster.left() - tussen},
                                          {bord.right() + 1, ruimte.right() + 1},
                                          {ruimte.left(), bord.left()}};
    for (std::size_t i = 0; i < std::size(kamers); ++i) {
        const auto [links, rechts] = kamers[i];
        const int binnen = rechts - links - rand.left() - rand.right();
        if (binnen < smal) continue;
        t->pasAan(std::min(gewenst, binnen));
        const int breed = t->width() + rand.left() + rand.right();
        const int hoog = t->height() + rand.top() + rand.bottom();
        const int x = i % 2 == 0 ? links : rechts - breed;
        t->move(x, std::max(ruimte.top(), std::min(bord.top(), ruimte.bottom() + 1 - hoog)));
        return;
    }
    t->pasAan(std::min(gewenst, ruimte.width() - rand.left() - rand.right()));
}

void SudokuVenster::tip() {
    if (bezig_) return;
    std::string bord;
    QString melding;
    if (invoerLoopt()) {
        // The boxes as "Controleer puzzel" reads them; one "Bevestig" refuses gets its words.
        int foutRij = 0, foutKol = 0;
        bord = vakkenRegel(foutRij, foutKol);
        if (foutRij != 0) {
            melding = q(teksten::ongeldigeInvoer(foutRij, foutKol)).trimmed();
            focusCel(foutRij, foutKol);
        }
    } else {
        bord = bordRegel(form_.veld);
    }
    const bool gok = vinkWaarde(Vink::Uitproberen) == 1, modules = vinkWaarde(Vink::Module) == 1;
    const std::string vraag = bord + (gok ? "g" : "-") + (modules ? "m" : "-");
    const bool open = tipVenster_ != nullptr && tipVenster_->isVisible();
    // The same question while its answer is open: a level further, if there is one.
    if (open && melding.isEmpty() && tipVenster_->vraag() == vraag) {
        if (tipVenster_->verder()) {
            tipVenster_->pasAan(tipVenster_->width());
            const QRect ruimte = screen() != nullptr ? screen()->availableGeometry() : QRect();
            const QRect buiten = tipVenster_->frameGeometry();
            if (ruimte.isValid() && buiten.bottom() > ruimte.bottom())
                tipVenster_->move(buiten.left(),
                                  std::max(ruimte.top(), ruimte.bottom() + 1 - buiten.height()));
        }
        markeer(tipVenster_->markering());
        tipVenster_->raise();
        tipVenster_->activateWindow();
        return;
    }
    // A closed one is on its way out (it deletes itself); a new one is met as new.
    if (open) tipVenster_->close();
    tipVenster_ = new TipVenster(this);
    connect(tipVenster_, &QDialog::finished, this, [this] { markeer({}); });
    connect(tipVenster_, &TipVenster::meerGevraagd, this, &SudokuVenster::tip);
    if (melding.isEmpty())
        tipVenster_->toon(geefTip(bord, gok, modules), vraag);
    else
        tipVenster_->toonMelding(melding, {});
    plaatsTip();
    markeer(tipVenster_->markering());
    tipVenster_->show();
    tipVenster_->raise();
    tipVenster_->activateWindow();
    tipVenster_->tekst()->setFocus(Qt::OtherFocusReason);
}

}  // namespace sudoku
