// The report of the last solve ("Verslag", F2): level, uniqueness and count per technique,
// the steps one line each, and a small board as it stood after the chosen step.
#pragma once

#include <QWidget>

#include <bitset>
#include <memory>
#include <string>

#include "uitleg/oplossingen.h"
#include "uitleg/opname.h"

class QColor;
class QLabel;
class QListWidget;
class QPalette;
class QPushButton;

namespace sudoku {

// The background of the cells of a step's unit: the base colour a quarter of the way
// towards the highlight colour, so that it follows a light or a dark palette and the grey,
// red and normal text on it stays readable.
QColor markeerKleur(const QPalette& palet);

// A board of 9 x 9 cells, painted: givens grey, found numbers in the text colour, the
// chosen cell red, the cells of its unit tinted as in the main window.
class KleinBord : public QWidget {
public:
    explicit KleinBord(QWidget* ouder = nullptr);

    // `bord`, `gegeven`: 81 characters, '.' empty; `cel` 0..80 or -1 for none.
    void toon(const std::string& bord, const std::string& gegeven, int cel,
              const std::bitset<81>& eenheid);
    const std::string& bord() const { return bord_; }
    int cel() const { return cel_; }
    const std::bitset<81>& eenheid() const { return eenheid_; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    std::string bord_ = std::string(81, '.');
    std::string gegeven_ = std::string(81, '.');
    int cel_ = -1;
    std::bitset<81> eenheid_;
};

class VerslagVenster : public QWidget {
    Q_OBJECT

public:
    explicit VerslagVenster(QWidget* ouder = nullptr);

    // Shows `verslag`; without one, that there is no solve yet, or with `bezig` that one runs.
    void toon(std::shared_ptr<const OplosOpname> verslag, bool bezig = false);
    // Selects event `i` of the path (from 0, kept within the list).
    void kies(int i);
    int gekozen() const;
    // The whole report as text, as "Kopiëren" puts it on the clipboard; "" without a report.
    QString tekst() const;

    QListWidget* lijst() const { return lijst_; }
    KleinBord* bord() const { return bord_; }
    QLabel* samenvatting() const { return samenvatting_; }
    QPushButton* vorige() const { return vorige_; }
    QPushButton* volgende() const { return volgende_; }
    QPushButton* kopieerKnop() const { return kopieer_; }

protected:
    bool eventFilter(QObject* doel, QEvent* e) override;

private:
    void bijKeuze(int i);

    std::shared_ptr<const OplosOpname> verslag_;
    QLabel* samenvatting_ = nullptr;
    QListWidget* lijst_ = nullptr;
    KleinBord* bord_ = nullptr;
    QPushButton* vorige_ = nullptr;
    QPushButton* volgende_ = nullptr;
    QPushButton* kopieer_ = nullptr;
};

}  // namespace sudoku
