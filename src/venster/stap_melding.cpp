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
#include "uitleg/opname.h"
#include "uitleg/teksten.h"
#include "uitleg/verslag_lijst.h"
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
    toonStapMelding(titel, tekst, 0, 0, "", {});
}

void SudokuVenster::meldStap(const std::string& titel, const std::string& tekst, int rij, int kol,
                             const Reden& reden) {
    // The step's unit, and from the path, which knows the exclusions the proof rests on, its
    // proving cells and its sentence.
    Markering m{-1, reden.eenheid.cellen(), {}};
    std::string uitleg;
    if (opname_ != nullptr && !opname_->pad.verloop().empty()) {
        const Oplospad& pad = opname_->pad;
        const std::size_t k = pad.verloop().size() - 1;
        const Gebeurtenis& g = pad.gebeurtenissen()[pad.verloop()[k].index];
        m.bewijs = bewijsMarken(pad, k);
        uitleg = teksten::stapUitleg(std::string(1, g.getal), pad.waarom(k));
    }
    toonStapMelding(titel, tekst, rij, kol, uitleg, m);
}

void SudokuVenster::toonStapMelding(const std::string& titel, const std::string& tekst, int rij,
                                    int kol, const std::string& uitleg, const Markering& m) {
    if (afsluiten_) return;  // the window is gone: the solve finishes unseen
    StapMelding box(
        q(titel), q(tekst), this,
        [this, rij, kol](QSize maat) { return meldingPlek(maat, rij, kol); }, vensterRand());
    QEventLoop lus;
    connect(&box, &QDialog::finished, &lus, &QEventLoop::quit);
    melding_ = &box;
    qApp->installEventFilter(this);
    // Under the box's own text the digit and why it goes there, for the eye and the ear.
    if (!uitleg.empty()) box.setInformativeText(q(uitleg));
    markeer(m);
    box.show();
    // Once shown, with its buttons: a screen reader that hears of the box finds them there.
    box.setAccessibleDescription(q(tekst + "\n" + uitleg));
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

std::optional<QPoint> SudokuVenster::meldingPlek(QSize binnen, int rijNr, int kolNr) const {
    QLineEdit* c = cel(rijNr, kolNr);
    if (c == nullptr || screen() == nullptr) return std::nullopt;
    const auto opScherm = [](const QWidget* w) {
        return QRect(w->mapToGlobal(QPoint(0, 0)), w->size());
    };
    const QRect celVak = opScherm(c);
    const QRect rij = opScherm(cel(rijNr, 1)).united(opScherm(cel(rijNr, 9)));
    const QRect kolom = opScherm(cel(1, kolNr)).united(opScherm(cel(9, kolNr)));

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
