// "Tip" (F3): the first placement of a solve of the board as it stands (form/tip.h), shown in
// the Tip window and marked in the grid.
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "board/bordregel.h"
#include "form/teksten.h"
#include "form/tip.h"
#include "sudoku_venster.h"
#include "tip_venster.h"
#include "uitleg/oplossingen.h"
#include "uitleg/teksten.h"
#include "uitleg/verslag_lijst.h"
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
    regel_ = new QLabel(this);
    regel_->setObjectName("TipRegel");
    QFont vet = regel_->font();
    vet.setBold(true);
    regel_->setFont(vet);
    uitleg_ = new QLabel(this);
    uitleg_->setObjectName("TipUitleg");
    for (QLabel* l : {regel_, uitleg_}) {
        l->setTextFormat(Qt::PlainText);
        l->setWordWrap(true);
        l->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    }
    auto* knoppen = new QDialogButtonBox(this);
    QPushButton* sluiten = knoppen->addButton(q(teksten::SLUITEN), QDialogButtonBox::RejectRole);
    sluiten->setAccessibleName(sluiten->text().remove('&'));
    connect(knoppen, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* indeling = new QVBoxLayout(this);
    indeling->addWidget(regel_);
    indeling->addWidget(uitleg_);
    indeling->addStretch(1);
    indeling->addWidget(knoppen);
    setMinimumWidth(420);
    resize(480, 200);
}

void TipVenster::toon(const QString& regel, const QString& uitleg) {
    regel_->setText(regel);
    uitleg_->setText(uitleg);
    uitleg_->setVisible(!uitleg.isEmpty());
    // A screen reader hears both as the window's description.
    setAccessibleDescription(uitleg.isEmpty() ? regel : regel + "\n" + uitleg);
}

void SudokuVenster::tipSluiten() {
    if (tipVenster_ != nullptr && tipVenster_->isVisible()) tipVenster_->close();
    markeer({});
}

void SudokuVenster::tip() {
    if (bezig_) return;
    Markering m;
    QString regel, uitleg;
    std::string bord;
    bool bruikbaar = true;
    if (invoerLoopt()) {
        // The boxes as "Controleer puzzel" reads them; one "Bevestig" refuses gets its words.
        int foutRij = 0, foutKol = 0;
        bord = vakkenRegel(foutRij, foutKol);
        if (foutRij != 0) {
            regel = q(teksten::ongeldigeInvoer(foutRij, foutKol)).trimmed();
            bruikbaar = false;
            focusCel(foutRij, foutKol);
        }
    } else {
        bord = bordRegel(form_.veld);
    }
    if (bruikbaar) {
        if (const auto dubbel = eersteDubbel(bord)) {
            regel = q(teksten::controleDubbel(dubbel->cijfer, dubbel->eenheid));
        } else if (bord.find('.') == std::string::npos) {
            regel = q(teksten::TIP_OPGELOST);
        } else {
            const bool gok = vinkWaarde(Vink::Uitproberen) == 1;
            const TipUitkomst t = zoekTip(bord, gok, vinkWaarde(Vink::Module) == 1);
            if (t.stap) {
                const std::size_t k = *t.stap;
                const Gebeurtenis& g = t.pad.gebeurtenissen()[t.pad.verloop()[k].index];
                regel = q(t.pad.regel(t.pad.verloop()[k].index));
                uitleg = q(teksten::stapUitleg(std::string(1, g.getal), t.pad.waarom(k)));
                m.cel = celNummer(g.rij, g.kol) - 1;
                m.eenheid = g.reden.eenheid.cellen();
                m.bewijs = bewijsMarken(t.pad, k);
            } else {
                regel = q(teksten::tipGeenStap(telOplossingen(bord)));
                if (!gok) uitleg = q(teksten::TIP_MET_GOK).trimmed();
            }
        }
    }
    // A closed one is on its way out (it deletes itself).
    if (tipVenster_ == nullptr || !tipVenster_->isVisible()) {
        tipVenster_ = new TipVenster(this);
        connect(tipVenster_, &QDialog::finished, this, [this] { markeer({}); });
        // Beside the window, so that the marked grid stays in sight.
        tipVenster_->adjustSize();
        const QPoint plek = frameGeometry().bottomRight() + QPoint(8, -tipVenster_->height());
        if (screen() != nullptr &&
            screen()->availableGeometry().contains(QRect(plek, tipVenster_->size())))
            tipVenster_->move(plek);
    }
    tipVenster_->toon(regel, uitleg);
    markeer(m);
    tipVenster_->show();
    tipVenster_->raise();
    tipVenster_->activateWindow();
}

}  // namespace sudoku
