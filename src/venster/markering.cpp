#include "markering.h"

#include <QPalette>

#include <algorithm>
#include <cmath>

namespace sudoku {

namespace {

double helderheid(const QColor& c) {
    const auto lin = [](double x) {
        return x <= 0.03928 ? x / 12.92 : std::pow((x + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * lin(c.redF()) + 0.7152 * lin(c.greenF()) + 0.0722 * lin(c.blueF()) + 0.05;
}

QColor meng(const QColor& a, const QColor& b, double deel) {
    const auto m = [deel](float x, float y) { return static_cast<float>(x + (y - x) * deel); };
    return QColor::fromRgbF(m(a.redF(), b.redF()), m(a.greenF(), b.greenF()),
                            m(a.blueF(), b.blueF()));
}

// Unit tint and base stand this far apart: enough to be seen in a light and a dark palette,
// little enough that grey and red numbers stay nearly as readable as on the base.
constexpr double TINT_CONTRAST = 1.42;

}  // namespace

double contrastVan(const QColor& a, const QColor& b) {
    const double x = helderheid(a), y = helderheid(b);
    return std::max(x, y) / std::min(x, y);
}

QColor markeerKleur(const QPalette& palet) {
    const QColor basis = palet.color(QPalette::Active, QPalette::Base);
    QColor naar = palet.color(QPalette::Active, QPalette::Highlight);
    // A highlight that cannot get far enough from the base (in a dark palette it often lies
    // close to it): towards the text colour then, which always can.
    if (contrastVan(basis, naar) < TINT_CONTRAST * 1.1)
        naar = palet.color(QPalette::Active, QPalette::Text);
    if (contrastVan(basis, naar) < TINT_CONTRAST) return naar;
    // The least mixture that reaches the contrast, measured on the colour as it is stored.
    double laag = 0, hoog = 1;
    for (int i = 0; i < 30; ++i) {
        const double midden = (laag + hoog) / 2;
        (contrastVan(basis, meng(basis, naar, midden).toRgb()) >= TINT_CONTRAST ? hoog : laag) =
            midden;
    }
    QColor tint = meng(basis, naar, hoog).toRgb();
    for (int i = 0; i < 4 && contrastVan(basis, tint) < TINT_CONTRAST; ++i)
        tint = meng(basis, naar, std::min(1.0, hoog + 0.004 * (i + 1))).toRgb();
    return tint;
}

QColor bewijsRandKleur(const QPalette& palet) {
    const QColor basis = palet.color(QPalette::Active, QPalette::Base);
    const QColor tint = markeerKleur(palet);
    const QColor licht = palet.color(QPalette::Active, QPalette::Highlight);
    if (std::min(contrastVan(licht, basis), contrastVan(licht, tint)) >= 2.0) return licht;
    return palet.color(QPalette::Active, QPalette::Text);
}

}  // namespace sudoku
