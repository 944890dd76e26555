// The cell boxes as the core sees them: text, colour, focus, and the marks of a step; and
// as a screen reader hears them: given, found or empty.
#include <QLineEdit>
#include <QPainter>
#include <QPalette>

#include "sudoku_venster.h"
#include "venster/teksten.h"
#include "venster_hulp.h"
#include "verslag_venster.h"

namespace sudoku {

using venster::binnenBord;
using venster::q;

// Frames drawn over the cell boxes: the proving cells in the frame colour, the cell of a
// tip in red. It takes no clicks and no focus, and is there only while it has frames.
class BordMarken : public QWidget {
public:
    BordMarken(SudokuVenster* venster, QWidget* ouder) : QWidget(ouder), venster_(venster) {
        setObjectName("BordMarken");
        setAttribute(Qt::WA_TransparentForMouseEvents);
        // Only frames are drawn: the board shows through, whatever background a style sheet
        // or palette gives the window's widgets (its own rule outweighs theirs).
        setAttribute(Qt::WA_NoSystemBackground);
        setAutoFillBackground(false);
        setStyleSheet("background: transparent;");
        setFocusPolicy(Qt::NoFocus);
        hide();
    }
    void zet(const std::bitset<81>& bewijs, int cel) {
        bewijs_ = bewijs;
        cel_ = cel;
        setGeometry(parentWidget()->rect());
        setVisible(bewijs_.any() || cel_ >= 0);
        raise();
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        const auto rand = [&](int i, const QColor& kleur) {
            const QLineEdit* c = venster_->cel(i / 9 + 1, i % 9 + 1);
            const QRect r(c->mapTo(parentWidget(), QPoint(0, 0)), c->size());
            p.setPen(QPen(kleur, 3, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
            p.drawRect(r.adjusted(2, 2, -3, -3));
        };
        const QColor kleur = bewijsRandKleur(venster_->palette());
        for (int i = 0; i < 81; ++i)
            if (bewijs_[static_cast<std::size_t>(i)]) rand(i, kleur);
        if (cel_ >= 0 && cel_ < 81)
            rand(cel_, SudokuVenster::naarQColor(KLEUR_ROOD, venster_->palette()));
    }

private:
    SudokuVenster* venster_;
    std::bitset<81> bewijs_;
    int cel_ = -1;
};

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
    QLineEdit* c = cel(rij, kol);
    if (c == nullptr) return;
    // Outside a solve the board is loaded or emptied: what stands there is given.
    if (!bezig_) gevonden_.reset(static_cast<std::size_t>((rij - 1) * 9 + kol - 1));
    c->setText(q(tekst));
    beschrijfCel(rij, kol);
}

void SudokuVenster::beschrijfCel(int rij, int kol) {
    QLineEdit* c = cel(rij, kol);
    if (c == nullptr) return;
    const char* wat = teksten::CEL_LEEG;
    if (!c->text().trimmed().isEmpty())
        wat = gevonden_[static_cast<std::size_t>((rij - 1) * 9 + kol - 1)] ? teksten::CEL_GEVONDEN
                                                                           : teksten::CEL_GEGEVEN;
    if (c->accessibleDescription() != q(wat)) c->setAccessibleDescription(q(wat));
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

void SudokuVenster::markeer(const Markering& m) {
    if (m == markering_) return;
    markering_ = m;
    const QColor tint = markeerKleur(palette());
    for (std::size_t i = 0; i < 81; ++i) {
        QLineEdit* c = cel(static_cast<int>(i / 9) + 1, static_cast<int>(i % 9) + 1);
        // The text colour is the core's; the background is the window's unless tinted.
        QPalette p;
        p.setColor(QPalette::Text, c->palette().color(QPalette::Active, QPalette::Text));
        if (m.eenheid[i]) p.setColor(QPalette::Base, tint);
        c->setPalette(p);
    }
    if (marken_ == nullptr) marken_ = new BordMarken(this, formulier_);
    marken_->zet(m.bewijs, m.cel);
}

void SudokuVenster::focusCel(int rij, int kol) {
    QLineEdit* c = cel(rij, kol);
    if (c == nullptr) return;
    c->setFocus(Qt::OtherFocusReason);
    c->selectAll();  // typing replaces what was refused
}

}  // namespace sudoku
