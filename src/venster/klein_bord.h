// The report's small board: one entry of a solve as uitleg/verslag_lijst.h pictures it,
// painted: givens grey, found numbers in the text colour, the step's number red, its unit
// tinted as in the main window, the cells that prove it framed, the numbers a guess in force
// placed in a dotted frame, a contradiction's block framed thick; with the pencil marks, each
// digit large enough to read, the one an exclusion strikes in red and struck through.
#pragma once

#include <QWidget>

#include <string>

#include "uitleg/verslag_lijst.h"

class QPainter;

namespace sudoku {

class KleinBord : public QWidget {
public:
    explicit KleinBord(QWidget* ouder = nullptr);

    // `gegeven`: the board as loaded (81 characters), whose numbers are drawn grey.
    void toon(const BordBeeld& beeld, const std::string& gegeven);
    const BordBeeld& beeld() const { return beeld_; }
    // The pencil marks shown or not.
    void toonKandidaten(bool aan);
    bool kandidatenAan() const { return kandidaten_; }
    // The letter of the pencil marks at the board's size.
    QFont kandidaatLetter() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    int celMaat() const;
    void tekenKandidaten(QPainter& p, const QRect& vak, int i);

    BordBeeld beeld_;
    std::string gegeven_ = std::string(81, '.');
    bool kandidaten_ = false;
};

}  // namespace sudoku
