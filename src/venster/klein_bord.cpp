#include "klein_bord.h"

#include <QPainter>

#include <algorithm>

#include "board/controls.h"
#include "markering.h"
#include "venster/teksten.h"
#include "venster_hulp.h"

namespace sudoku {

using venster::q;

namespace {

// A colour of the core as 0x00BBGGRR.
QColor kernKleur(Kleur k) {
    return QColor(static_cast<int>(k & 0xFFu), static_cast<int>((k >> 8) & 0xFFu),
                  static_cast<int>((k >> 16) & 0xFFu));
}

// A cell of the board this many pixels wide: its pencil marks, a third of it less the room
// of the frames at its edge, are then 9 pixels high or more.
constexpr int CEL_MAAT = 44;
// Frames are drawn along a cell's edge, inside this margin, clear of its marks.
constexpr int RANDMARGE = 2;

}  // namespace

KleinBord::KleinBord(QWidget* ouder) : QWidget(ouder) {
    setObjectName("KleinBord");
    setAccessibleName(q(teksten::VERSLAG_BORD_NAAM));
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    beeld_.bord = std::string(81, '.');
}

QSize KleinBord::sizeHint() const { return {9 * CEL_MAAT + 3, 9 * CEL_MAAT + 3}; }

int KleinBord::celMaat() const { return (std::min(width(), height()) - 3) / 9; }

QFont KleinBord::kandidaatLetter() const {
    QFont f = font();
    f.setBold(false);
    f.setPixelSize(std::max(6, (celMaat() - 2 * RANDMARGE) / 3));
    return f;
}

void KleinBord::toon(const BordBeeld& beeld, const std::string& gegeven) {
    beeld_ = beeld;
    beeld_.bord.resize(81, '.');
    gegeven_ = gegeven;
    gegeven_.resize(81, '.');
    update();
}

void KleinBord::toonKandidaten(bool aan) {
    kandidaten_ = aan;
    update();
}

void KleinBord::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const int maat = celMaat();
    const QPoint begin(1, 1);
    const auto vakVan = [&](int i) {
        return QRect(begin + QPoint(i % 9 * maat, i / 9 * maat), QSize(maat, maat));
    };
    const QColor basis = palette().color(QPalette::Base);
    const QColor tint = markeerKleur(palette());
    const QColor lijn = palette().color(QPalette::Text);
    QFont f = font();
    f.setBold(true);
    f.setPixelSize(std::max(8, maat * 3 / 5));
    p.setFont(f);
    for (int i = 0; i < 81; ++i) {
        const auto c = static_cast<std::size_t>(i);
        const QRect vak = vakVan(i);
        p.fillRect(vak, beeld_.eenheid[c] ? tint : basis);
        const char d = beeld_.bord[c];
        if (d < '1' || d > '9') {
            if (kandidaten_) tekenKandidaten(p, vak, i);
            continue;
        }
        QColor kleur = palette().color(QPalette::WindowText);
        if (i == beeld_.cel)
            kleur = kernKleur(KLEUR_ROOD);
        else if (gegeven_[c] == d)
            kleur = kernKleur(KLEUR_GRIJS);
        p.setPen(kleur);
        p.drawText(vak, Qt::AlignCenter, QString(QChar(d)));
    }
    // Thin lines between the cells, thick ones around the blocks.
    for (int n = 0; n <= 9; ++n) {
        p.setPen(QPen(lijn, n % 3 == 0 ? 2 : 0.5));
        p.drawLine(begin + QPoint(n * maat, 0), begin + QPoint(n * maat, 9 * maat));
        p.drawLine(begin + QPoint(0, n * maat), begin + QPoint(9 * maat, n * maat));
    }
    const QColor bewijsKleur = bewijsRandKleur(palette());
    for (int i = 0; i < 81; ++i) {
        const auto c = static_cast<std::size_t>(i);
        const QRect rand = vakVan(i).adjusted(RANDMARGE, RANDMARGE, -RANDMARGE, -RANDMARGE);
        if (beeld_.bewijs[c]) {
            p.setPen(QPen(bewijsKleur, 2));
            p.drawRect(rand);
        }
        // Where the pencil marks are shown, the struck digit itself says where it went.
        if (beeld_.weg[c] && !kandidaten_) {
            p.setPen(QPen(kernKleur(KLEUR_ROOD), 2, Qt::DashLine));
            p.drawRect(rand);
        }
        if (beeld_.onderGok[c]) {
            p.setPen(QPen(lijn, 1.5, Qt::DotLine));
            p.drawRect(rand.adjusted(2, 2, -2, -2));
        }
    }
    if (beeld_.blok >= 1 && beeld_.blok <= 9) {
        const int b = beeld_.blok - 1;
        p.setPen(QPen(bewijsKleur, 4));
        p.drawRect(
            QRect(begin + QPoint(b % 3 * 3 * maat, b / 3 * 3 * maat), QSize(3 * maat, 3 * maat)));
    }
    if (beeld_.cel >= 0 && beeld_.cel < 81) {
        p.setPen(QPen(palette().color(QPalette::Highlight), 2));
        p.drawRect(vakVan(beeld_.cel).adjusted(RANDMARGE, RANDMARGE, -RANDMARGE, -RANDMARGE));
    }
}

void KleinBord::tekenKandidaten(QPainter& p, const QRect& vak, int i) {
    const auto c = static_cast<std::size_t>(i);
    const std::bitset<9>& mag = beeld_.kandidaten[c];
    p.save();
    p.setFont(kandidaatLetter());
    const QRect binnen = vak.adjusted(RANDMARGE, RANDMARGE, -RANDMARGE, -RANDMARGE);
    const int derde = binnen.width() / 3;
    for (int d = 1; d <= 9; ++d) {
        if (!mag[static_cast<std::size_t>(d - 1)]) continue;
        const bool geschrapt = beeld_.weg[c] && d == beeld_.cijfer;
        const QRect plek(binnen.left() + (d - 1) % 3 * derde, binnen.top() + (d - 1) / 3 * derde,
                         derde, derde);
        p.setPen(geschrapt ? kernKleur(KLEUR_ROOD) : palette().color(QPalette::Text));
        p.drawText(plek, Qt::AlignCenter, QString::number(d));
        if (geschrapt) {
            p.setPen(QPen(kernKleur(KLEUR_ROOD), 1.5));
            p.drawLine(plek.left() + 1, plek.center().y() + 1, plek.right() - 1,
                       plek.center().y() + 1);
        }
    }
    p.restore();
}

}  // namespace sudoku
