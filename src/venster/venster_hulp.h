// What the files of the main window share: twips, its fonts, texts from the core.
#pragma once

#include <QFont>
#include <QString>
#include <QWidget>

#include <string>

namespace sudoku::venster {

// Positions and sizes are kept in twips, 15 to a device-independent pixel.
inline int px(int twips) { return (twips * 2 + 15) / 30; }

inline void zetInTwips(QWidget* w, int links, int boven, int breed, int hoog) {
    w->setGeometry(px(links), px(boven), px(breed), px(hoog));
}

QFont lettertype(qreal punten, bool vet);

inline QString q(const std::string& s) { return QString::fromStdString(s); }
inline QString q(const char* s) { return QString::fromUtf8(s); }

inline bool binnenBord(int i) { return i >= 1 && i <= 9; }

}  // namespace sudoku::venster
