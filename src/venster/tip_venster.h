// The "Tip" window (F3): the next step for the board as it stands, told as a teacher tells
// it, a little more at each "Meer hulp" (or F3 again): where to look, then the cell and the
// digit, then the whole reason. It opens beside the main window, which marks what the
// level says while this window is open.
#pragma once

#include <QDialog>

#include <string>

#include "form/tip.h"
#include "markering.h"

class QLabel;
class QPushButton;

namespace sudoku {

class TipVenster : public QDialog {
    Q_OBJECT

public:
    explicit TipVenster(QWidget* ouder);

    // A tip at its first level, or, without a step, what there is to say instead. `vraag` is
    // what it was asked for (the board and the options): the same question again goes a
    // level further.
    void toon(Tip tip, std::string vraag);
    // Nothing asked of the core: only `melding`, and `extra` under it ("" for none).
    void toonMelding(const QString& melding, const QString& extra);
    const std::string& vraag() const { return vraag_; }
    // One level further; false at the last (or without a step).
    bool verder();
    int niveau() const { return niveau_; }  // 1..3, 0 without a step
    // What the grid shows at this level: the unit; then the cell too; then the proving cells.
    Markering markering() const;
    // The width the text would like; the window is made that wide or, beside a narrow room,
    // narrower, and as high as its whole text then needs.
    int gewensteBreedte() const;
    void pasAan(int breedte);

    QLabel* tekst() const { return tekst_; }
    QLabel* celRegel() const { return celRegel_; }
    QPushButton* meerHulp() const { return meer_; }

signals:
    // "Meer hulp" or F3 in this window.
    void meerGevraagd();

private:
    void toonNiveau();

    Tip tip_;
    std::string vraag_;
    int niveau_ = 0;
    QLabel* tekst_ = nullptr;
    QLabel* celRegel_ = nullptr;
    QPushButton* meer_ = nullptr;
};

}  // namespace sudoku
