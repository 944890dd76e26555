// The step box, and where the window puts it: clear of the announced cell and, where the
// screen allows, of its row and column.
#include "stap_melding.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QEventLoop>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScreen>
#include <QShowEvent>

#include <algorithm>
#include <limits>
#include <utility>

#include "sudoku_venster.h"
#include "venster_hulp.h"

namespace sudoku {

using venster::q;

StapMelding::StapMelding(const QString& titel, const QString& tekst, QWidget* ouder, Plek plek,
                         QMargins rand)
    : QMessageBox(QMessageBox::Information, titel, tekst, QMessageBox::Ok, ouder),
      plek_(std::move(plek)),
      rand_(rand) {
    setTextFormat(Qt::PlainText);
    // Not modal to Qt: a modal box would swallow the closing of the main window. The
    // window holds back its own input while the box is open instead.
    setWindowModality(Qt::NonModal);
}

std::optional<QPoint> StapMelding::gesleept() const {
    if (!binnenGeplaatst_ || (geometry().topLeft() - *binnenGeplaatst_).manhattanLength() <= 8)
        return std::nullopt;
    return geometry().topLeft() - QPoint(rand_.left(), rand_.top());
}

void StapMelding::keyPressEvent(QKeyEvent* e) {
    if (e->matches(QKeySequence::Cancel)) gestopt_ = true;
    QMessageBox::keyPressEvent(e);
}

void StapMelding::closeEvent(QCloseEvent* e) {
    gestopt_ = true;
    QMessageBox::closeEvent(e);
}

// The box has its final size only here, and is not on the screen yet. Its inner
// rectangle is placed: where its frame lands is not known before it is shown.
void StapMelding::showEvent(QShowEvent* e) {
    QMessageBox::showEvent(e);
    if (e->spontaneous()) return;
    if (const auto p = plek_(size())) {
        binnenGeplaatst_ = *p + QPoint(rand_.left(), rand_.top());
        setGeometry(QRect(*binnenGeplaatst_, size()));
    }
}

void SudokuVenster::meldingsvenster(const std::string& titel, const std::string& tekst) {
    if (afsluiten_) return;  // the window is gone: the solve finishes unseen
    StapMelding box(
        q(titel), q(tekst), this, [this](QSize maat) { return meldingPlek(maat); }, vensterRand());
    QEventLoop lus;
    connect(&box, &QDialog::finished, &lus, &QEventLoop::quit);
    melding_ = &box;
    qApp->installEventFilter(this);
    // Under the box's own text the digit and why it goes there, for the eye and the ear.
    if (!aangekondigdUitleg_.empty()) box.setInformativeText(q(aangekondigdUitleg_));
    markeer(aangekondigd_);
    box.show();
    // Once shown, with its buttons: a screen reader that hears of the box finds them there.
    box.setAccessibleDescription(q(tekst + "\n" + aangekondigdUitleg_));
    lus.exec();
    // However the box went (OK, Escape, its close button, the window closed): the marks go with it.
    markeer({});
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

}  // namespace sudoku
