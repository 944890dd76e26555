// What the user does to the window: the input held back while a step box is open, Enter
// on a button, paste and copy in the boxes, the keys of the cells, files dragged in, closing.
#include <QAction>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QUrl>
#include <QWindow>

#include <algorithm>

#include "sudoku_venster.h"
#include "verslag_venster.h"

namespace sudoku {

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
            if (vak != nullptr)
                for (int i = 0; i < 81; ++i)
                    if (vak == cel(i / 9 + 1, i % 9 + 1))
                        return celToets(i / 9 + 1, i % 9 + 1, *toets);
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

bool SudokuVenster::celToets(int rij, int kol, const QKeyEvent& toets) {
    if (toets.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    const auto naar = [this](int r, int k) {
        focusCel(std::clamp(r, 1, 9), std::clamp(k, 1, 9));
        return true;
    };
    switch (toets.key()) {
        case Qt::Key_Left: return naar(rij, kol - 1);
        case Qt::Key_Right: return naar(rij, kol + 1);
        case Qt::Key_Up: return naar(rij - 1, kol);
        case Qt::Key_Down: return naar(rij + 1, kol);
        default: break;
    }
    if (!invoerLoopt()) return false;  // read-only: the box itself ignores typing
    if (toets.key() == Qt::Key_Backspace || toets.key() == Qt::Key_Delete) {
        zetCelTekst(rij, kol, " ");
        return true;
    }
    const QString tekst = toets.text();
    if (tekst.isEmpty() || !tekst.at(0).isPrint()) return false;  // Tab, Enter, Escape, ...
    // One character per cell, as in a test-case file; an empty cell holds one space, as
    // "Invoer" leaves it. Anything else is not typed at all.
    if (tekst.size() != 1 || !QString("123456789.0 ").contains(tekst)) return true;
    zetCelTekst(rij, kol, tekst >= "1" && tekst <= "9" ? tekst.toStdString() : " ");
    // On in reading order: the next cell of the row, then the first of the next row.
    if (rij < 9 || kol < 9) naar(kol < 9 ? rij : rij + 1, kol < 9 ? kol + 1 : 1);
    return true;
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

}  // namespace sudoku
