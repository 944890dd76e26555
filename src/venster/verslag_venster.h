// The report of the last solve ("Verslag", F2): level, uniqueness and count per technique,
// the steps one line each with the exclusions that strike something between them (those that
// strike nothing folded, one line a run, opened by Enter or a double click), and a small board
// as it stood after the chosen entry.
#pragma once

#include <QStringList>
#include <QWidget>

#include <memory>
#include <vector>

#include "klein_bord.h"
#include "uitleg/opname.h"
#include "uitleg/verslag_lijst.h"

class QCheckBox;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace sudoku {

class VerslagVenster : public QWidget {
    Q_OBJECT

public:
    explicit VerslagVenster(QWidget* ouder = nullptr);

    // Shows `verslag`; without one, that there is no solve yet, or with `bezig` that one runs.
    void toon(std::shared_ptr<const OplosOpname> verslag, bool bezig = false);
    // Selects line `i` of the list (from 0, kept within the list).
    void kies(int i);
    int gekozen() const;
    // The entry of the path's verloop() that line `i` shows; -1 for a folded run.
    int verloopVan(int i) const;
    // A folded run opens and closes (Enter or a double click on it).
    void klapOm(int i);
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
    // A line of the list: its text and how it is drawn.
    QListWidgetItem* regelItem(const QString& tekst, int insprong, int verloop, int groep) const;

    std::shared_ptr<const OplosOpname> verslag_;
    std::vector<LijstRegel> regels_;
    QStringList samenvattingRegels_;
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
