#include "markering.h"

#include <QPalette>

#include <algorithm>
#include <cmath>
#include <string>

#include "uitleg/oplospad.h"

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

Kandidaten kandidatenNa(const Oplospad& pad, std::size_t k) {
    // The board and the exclusions as the next entry finds them.
    const std::string bord = pad.bordVoor(k + 1);
    const Uitgesloten uit = pad.uitgeslotenVoor(k + 1);
    Kandidaten kand{};
    for (int c = 0; c < 81; ++c) {
        if (bord[static_cast<std::size_t>(c)] >= '1' && bord[static_cast<std::size_t>(c)] <= '9')
            continue;
        const int r = c / 9, kol = c % 9;
        std::bitset<9> mag;
        mag.set();
        for (int i = 0; i < 9; ++i) {
            const int br = r / 3 * 3 + i / 3, bk = kol / 3 * 3 + i % 3;
            for (const int ander : {r * 9 + i, i * 9 + kol, br * 9 + bk}) {
                const char d = bord[static_cast<std::size_t>(ander)];
                if (d >= '1' && d <= '9') mag.reset(static_cast<std::size_t>(d - '1'));
            }
        }
        for (std::size_t d = 0; d < 9; ++d)
            if (uit[d].test(static_cast<std::size_t>(c))) mag.reset(d);
        kand[static_cast<std::size_t>(c)] = mag;
    }
    return kand;
}

}  // namespace sudoku
