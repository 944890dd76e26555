// The "Tip" window (F3): the next step for the board as it stands, its line and its
// sentence, beside the main window, which marks the step while this window is open.
#pragma once

#include <QDialog>

#include <cstddef>
#include <optional>
#include <string>

#include "markering.h"
#include "uitleg/oplospad.h"

class QLabel;

namespace sudoku {

class SudokuForm;

// The first step a solve of `bord` (81 characters) would make with the options as given,
// on a form and controls of its own: nothing of the window's form is touched.
struct TipUitkomst {
    Oplospad pad;
    std::optional<std::size_t> stap;  // the step's entry in pad.verloop(); none: no placement
};
TipUitkomst zoekTip(const std::string& bord, bool uitproberen, bool modules);

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
