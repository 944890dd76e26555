// The "Tip" window (F3): the next step for the board as it stands, its line and its
// sentence, beside the main window, which marks the step while this window is open.
#pragma once

#include <QDialog>

#include "markering.h"

class QLabel;

namespace sudoku {

class TipVenster : public QDialog {
    Q_OBJECT

public:
    explicit TipVenster(QWidget* ouder);

    // The first line in bold, the second under it.
    void toon(const QString& regel, const QString& uitleg);
    QLabel* regel() const { return regel_; }
    QLabel* uitleg() const { return uitleg_; }

private:
    QLabel* regel_ = nullptr;
    QLabel* uitleg_ = nullptr;
};

}  // namespace sudoku
