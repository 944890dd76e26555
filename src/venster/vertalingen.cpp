#include "vertalingen.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace sudoku {

bool laadQtVertalingen(QCoreApplication& app) {
    const QLocale nederlands(QLocale::Dutch, QLocale::Netherlands);
    QLocale::setDefault(nederlands);
    auto* vertaler = new QTranslator(&app);
    if (!vertaler->load(nederlands, "qtbase", "_",
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete vertaler;
        return false;
    }
    return QCoreApplication::installTranslator(vertaler);
}

}  // namespace sudoku
