// The report of the last solve ("Verslag", F2): level, uniqueness and count per technique,
// the steps one line each, and a small board as it stood after the chosen step.
#pragma once

#include <QWidget>

#include <bitset>
#include <memory>
#include <optional>
#include <string>

#include "markering.h"
#include "uitleg/oplossingen.h"
#include "uitleg/opname.h"

class QCheckBox;
class QColor;
class QLabel;
class QListWidget;
class QPainter;
class QPalette;
class QRect;
class QPushButton;

namespace sudoku {

// A board of 9 x 9 cells, painted: givens grey, found numbers in the text colour, the
// chosen cell red, the cells of its unit tinted as in the main window, the cells that prove
// it framed, those an exclusion removed the digit from in a dashed red frame; with the
// candidates, small in every empty cell, the removed digit struck through in red.
class KleinBord : public QWidget {
public:
    explicit KleinBord(QWidget* ouder = nullptr);

    // `bord`, `gegeven`: 81 characters, '.' empty; `cel` 0..80 or -1 for none.
    void toon(const std::string& bord, const std::string& gegeven, int cel,
              const std::bitset<81>& eenheid);
    const std::string& bord() const { return bord_; }
    int cel() const { return cel_; }
    const std::bitset<81>& eenheid() const { return eenheid_; }
    // What proves the step shown, and where an exclusion removed `cijfer`.
    void toonUitleg(const std::bitset<81>& bewijs, const std::bitset<81>& verwijderd, int cijfer);
    const std::bitset<81>& bewijs() const { return bewijs_; }
    const std::bitset<81>& verwijderd() const { return verwijderd_; }
    // The pencil marks, or none (nullptr).
    void toonKandidaten(const Kandidaten* kandidaten);
    const std::optional<Kandidaten>& kandidaten() const { return kandidaten_; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    void tekenKandidaten(QPainter& p, const QRect& vak, int i);

    std::string bord_ = std::string(81, '.');
    std::string gegeven_ = std::string(81, '.');
    int cel_ = -1;
    std::bitset<81> eenheid_;
    std::bitset<81> bewijs_;
    std::bitset<81> verwijderd_;
    int cijfer_ = 0;
    std::optional<Kandidaten> kandidaten_;
};

class VerslagVenster : public QWidget {
    Q_OBJECT

public:
    explicit VerslagVenster(QWidget* ouder = nullptr);

    // Shows `verslag`; without one, that there is no solve yet, or with `bezig` that one runs.
    void toon(std::shared_ptr<const OplosOpname> verslag, bool bezig = false);
    // Selects entry `i` of the path's verloop() (from 0, kept within the list): its steps,
    // undone guesses, exclusions and emptied tables in their order.
    void kies(int i);
    int gekozen() const;
    // The whole report as text, as "Kopiëren" puts it on the clipboard; "" without a report.
    QString tekst() const;

    QListWidget* lijst() const { return lijst_; }
    KleinBord* bord() const { return bord_; }
    QLabel* samenvatting() const { return samenvatting_; }
    // The chosen entry's sentence and proof in words.
    QLabel* uitleg() const { return uitleg_; }
    QCheckBox* kandidatenVak() const { return kandidatenVak_; }
    QPushButton* vorige() const { return vorige_; }
    QPushButton* volgende() const { return volgende_; }
    QPushButton* kopieerKnop() const { return kopieer_; }

protected:
    bool eventFilter(QObject* doel, QEvent* e) override;

private:
    void bijKeuze(int i);

    std::shared_ptr<const OplosOpname> verslag_;
    QLabel* samenvatting_ = nullptr;
    QLabel* uitleg_ = nullptr;
    QCheckBox* kandidatenVak_ = nullptr;
    QListWidget* lijst_ = nullptr;
    KleinBord* bord_ = nullptr;
    QPushButton* vorige_ = nullptr;
    QPushButton* volgende_ = nullptr;
    QPushButton* kopieer_ = nullptr;
};

}  // namespace sudoku
