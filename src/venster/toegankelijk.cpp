#include "toegankelijk.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QWidget>

namespace sudoku {

namespace {

QAccessibleInterface* alsVenster(const QString& klasse, QObject* object) {
    if (klasse != QLatin1String("sudoku::SudokuVenster") &&
        klasse != QLatin1String("sudoku::VerslagVenster"))
        return nullptr;
    auto* w = qobject_cast<QWidget*>(object);
    return w != nullptr && w->isWindow() ? new QAccessibleWidget(w, QAccessible::Window) : nullptr;
}

}  // namespace

void vensterRollenAanmelden() {
    static const bool aangemeld = [] {
        QAccessible::installFactory(alsVenster);
        return true;
    }();
    (void)aangemeld;
}

}  // namespace sudoku
