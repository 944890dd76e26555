// The windows and boxes the menus open beside the form: the report of the last solve, the
// check of the puzzle, the help, and "Over".
#include <QDialog>
#include <QDialogButtonBox>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTextBrowser>
#include <QVBoxLayout>

#include <algorithm>

#include "board/bordregel.h"
#include "sudoku_venster.h"
#include "sudoku_versie.h"
#include "uitleg/oplossingen.h"
#include "uitleg_pagina.h"
#include "venster/teksten.h"
#include "venster_hulp.h"
#include "verslag_venster.h"

namespace sudoku {

using venster::q;

void SudokuVenster::verslagLegen() {
    tipSluiten();  // the tip was for the board that goes
    verslag_.reset();
    if (verslagVenster_ != nullptr) verslagVenster_->toon(nullptr);
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
        // screen has no room for that, over the window. Never larger than the screen: at a
        // large scale factor its own size would not fit.
        const QPoint plek = frameGeometry().topRight() + QPoint(8, 0);
        if (screen() != nullptr) {
            const QRect ruimte = screen()->availableGeometry();
            const QMargins rand = vensterRand();
            const QSize past(
                std::min(verslagVenster_->width(), ruimte.width() - rand.left() - rand.right()),
                std::min(verslagVenster_->height(), ruimte.height() - rand.top() - rand.bottom()));
            verslagVenster_->resize(past);
            const int breed = std::min(verslagVenster_->width(),
                                       ruimte.right() + 1 - plek.x() - rand.left() - rand.right());
            if (breed >= 640 &&
                ruimte.contains(QRect(plek, QSize(breed, verslagVenster_->height())))) {
                verslagVenster_->resize(breed, verslagVenster_->height());
                verslagVenster_->move(plek);
            } else {
                const QSize buiten = verslagVenster_->size().grownBy(rand);
                const QPoint midden = frameGeometry().center() - QPoint(buiten.width() / 2, 0);
                // Its left and top edge on the screen even where its least size does not fit.
                verslagVenster_->move(
                    std::max(ruimte.left(),
                             std::min(midden.x(), ruimte.right() + 1 - buiten.width())),
                    std::max(ruimte.top(), std::min(frameGeometry().top(),
                                                    ruimte.bottom() + 1 - buiten.height())));
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

}  // namespace sudoku
