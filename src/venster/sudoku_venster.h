// The main window "Sudoku Blad": a menu bar above the form, whose controls each have their
// own name and are laid out in twips (15 to a pixel at 96 dpi), and the controls interface
// through which the core drives it.
#pragma once

#include <QColor>
#include <QMargins>
#include <QPoint>
#include <QPointer>
#include <QSize>
#include <QWidget>

#include <array>
#include <bitset>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "board/controls.h"
#include "board/sudoku_form.h"
#include "form/bordstand.h"
#include "markering.h"
#include "tip_venster.h"

class QCheckBox;
class QCloseEvent;
class QDragEnterEvent;
class QDragMoveEvent;
class QDropEvent;
class QEvent;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QMenuBar;
class QMessageBox;
class QMimeData;
class QPalette;
class QPushButton;

namespace sudoku {

struct OplosOpname;
class VerslagVenster;
class BordMarken;

class SudokuVenster : public QWidget, public Controls {
    Q_OBJECT

public:
    // Builds the window and runs Form_Load. `testcase` names a file that replaces both
    // look-ups of SudokuTestCase.txt.
    explicit SudokuVenster(std::optional<std::string> testcase = std::nullopt,
                           QWidget* parent = nullptr);
    ~SudokuVenster() override;

    SudokuForm& form() { return form_; }

    // The controls as the core addresses them. A column array (CellA = 1 .. CellI = 9)
    // is indexed by row 1 .. 9; element 0 is unused.
    using Kolom = std::array<QLineEdit*, 10>;
    const Kolom& kolom(int kol) const { return cellen_.at(kol); }
    QLineEdit* cel(int rij, int kol) const;
    QLineEdit* oplosVak(int i) const;
    QLineEdit* opmerkVak() const { return opmerk_; }
    QPushButton* knop(Knop k) const { return knoppen_.at(static_cast<std::size_t>(k)); }
    QCheckBox* vinkVak(Vink v) const { return vinken_.at(static_cast<std::size_t>(v)); }

    // The step message box while it is open, otherwise nullptr.
    QMessageBox* stapMelding() const { return melding_; }
    // What the grid shows of a step: the unit tinted, the proving cells framed, a tip's cell.
    const Markering& markering() const { return markering_; }
    // True while "Start" runs.
    bool lostOp() const { return bezig_; }

    // Loads the file at `pad` as if it had been named on the command line; "Herstart"
    // reloads it from then on. A file the start-up load would refuse only gets its status
    // text, with the reason: the board, the buttons and "Herstart" stay as they were.
    void laadBestand(const QString& pad);
    // Ctrl+V: a puzzle on the clipboard goes into the boxes as after "Invoer"; "Herstart"
    // brings it back until "Invoer" is pressed or a file is loaded.
    void plakken();
    // "Herstart": as the form's own, but after a paste it reloads the pasted puzzle.
    void herstart();

    // ---- the menus ----
    QMenuBar* menuBalk() const { return menuBalk_; }
    // The area below the menu bar that holds the form's controls (on a small screen inside a
    // scroll area, FormulierRol).
    QWidget* formulier() const { return formulier_; }
    // "Openen…": a file chosen in a dialog loads as one named on the command line; a file
    // that would be refused only gets its status text, the board stays as it was.
    void openen();
    // Where "Openen…" gets its file name ("" for none); unset, a file dialog asks.
    std::function<QString()> kiesBestand;
    // "Kopiëren": the board in the grid (during "Invoer" the typed boxes) as 81
    // characters on one line, '.' for empty.
    void kopieren();
    // "Controleer puzzel": counts the solutions of the grid and says so in a box of its own.
    void controleer();
    // "Verslag…": the report window, created the first time.
    void verslagTonen();
    void uitlegTonen();
    // "Tip" (F3): the next step for the board as it stands (during "Invoer" the boxes as
    // typed), from a solve of a copy with the options as ticked, in a window of its own and
    // marked in the grid; nothing of the form changes.
    void tip();
    TipVenster* tipVenster() const { return tipVenster_.data(); }
    void overTonen();
    // The report of the last solve; empty before a solve and after "Invoer", "Herstart",
    // a load or a paste.
    std::shared_ptr<const OplosOpname> verslag() const { return verslag_; }
    VerslagVenster* verslagVenster() const { return verslagVenster_; }

    // A colour of the core (0x00BBGGRR, or a system colour with the high bit set)
    // in terms of `palet`.
    static QColor naarQColor(Kleur kleur, const QPalette& palet);

    // ---- Controls ----
    void zetCelTekst(int rij, int kol, const std::string& tekst) override;
    std::string celTekst(int rij, int kol) const override;
    void zetCelKleur(int rij, int kol, Kleur kleur) override;
    void focusCel(int rij, int kol) override;
    void zetOplos(int i, const std::string& tekst) override;
    void zetOpmerk(const std::string& tekst) override;
    std::string opmerk() const override;
    void zetKnopEnabled(Knop knop, bool aan) override;
    void zetKnopVisible(Knop knop, bool zichtbaar) override;
    int vinkWaarde(Vink vink) const override;
    void meldingsvenster(const std::string& titel, const std::string& tekst) override;
    void meldStap(const std::string& titel, const std::string& tekst, int rij, int kol,
                  const Reden& reden) override;
    void geplaatst(int rij, int kol, const std::string& getal, const Reden& reden) override;
    void gokOngedaan() override;
    void uitsluitingGemaakt(const Uitsluiting& u) override;
    void tabelGewist() override;

protected:
    void closeEvent(QCloseEvent* e) override;
    void dragEnterEvent(QDragEnterEvent* e) override;
    void dragMoveEvent(QDragMoveEvent* e) override;
    void dropEvent(QDropEvent* e) override;
    bool eventFilter(QObject* doel, QEvent* e) override;

private:
    // venster_opbouw.cpp: the controls, the menus, the tab order.
    void bouwMenus();
    void bouwBanner();
    void bouwInvoer();
    void bouwStart();
    void bouwBord();
    void bouwOplossing();
    void bouwOpmerking();
    void zetTabVolgorde();
    // sudoku_venster.cpp: the window at the form's size below the menu bar, or, on a screen
    // too small for that, the form scrolling inside a window that fits it.
    void pasInScherm();
    // sudoku_venster.cpp: "Start", recording the report.
    void start();
    // venster_cellen.cpp: a cell's description for a screen reader, "gegeven", "gevonden" or
    // "leeg", from its text and whether this solve placed it.
    void beschrijfCel(int rij, int kol);
    // The arrows move between the cells; during "Invoer" a cell takes one digit, '.', '0' or a
    // space and the focus moves on in reading order, Backspace and Delete empty it. True when
    // the key was taken.
    bool celToets(int rij, int kol, const QKeyEvent& toets);
    // stap_melding.cpp: where the step box of `maat` (without its frame) goes: clear of the
    // announced cell and, where the screen allows, of its row and column. Empty: leave it
    // centred.
    // Where a step box of this size goes for the number at (rij, kol).
    std::optional<QPoint> meldingPlek(QSize maat, int rij, int kol) const;
    // The step box itself: under its text `uitleg`, while it is open the marks `m`.
    void toonStapMelding(const std::string& titel, const std::string& tekst, int rij, int kol,
                         const std::string& uitleg, const Markering& m);
    // The frame the window manager put around this window.
    QMargins vensterRand() const;
    // venster_invoer.cpp
    bool invoerVanGebruiker(QObject* doel, QEvent* e) const;
    static QString bestandUit(const QMimeData* data);
    // venster_cellen.cpp: the grid shows `m`, and nothing of an earlier mark.
    void markeer(const Markering& m);
    // venster_tip.cpp: the tip's window goes, and its marks with it.
    void tipSluiten();
    // The Tip's size for its whole text, and its place: beside the window, or where the screen
    // has no room for that, beside the board; never over it.
    void plaatsTip();
    // venster_verslag.cpp
    void verslagLegen();
    // venster_bestanden.cpp: "Invoer" is under way: the boxes hold what is typed, not the board.
    bool invoerLoopt() const;
    // The boxes read as "Bevestig" reads them, '.' for empty; the first box it would refuse
    // in `foutRij`, `foutKol` (0 when there is none), as '.' in the result.
    std::string vakkenRegel(int& foutRij, int& foutKol) const;

    QMenuBar* menuBalk_ = nullptr;
    QWidget* formulier_ = nullptr;
    std::array<Kolom, 10> cellen_{};
    std::array<QLineEdit*, 10> oplos_{};
    QLineEdit* opmerk_ = nullptr;
    std::array<QPushButton*, 4> knoppen_{};
    std::array<QCheckBox*, 3> vinken_{};

    QMessageBox* melding_ = nullptr;
    bool bezig_ = false;      // a solve is running
    bool afsluiten_ = false;  // the window was closed during a solve
    Markering markering_;
    BordMarken* marken_ = nullptr;
    // Made anew for each tip once closed: a screen reader then meets it as a new window.
    QPointer<TipVenster> tipVenster_;
    // The cells the running or last solve placed a number in (row by row).
    std::bitset<81> gevonden_;
    // The last puzzle pasted, while "Herstart" reloads it.
    std::optional<Bordstand> geplakt_;
    // Where the user dragged a step box to; later boxes open there while it suits.
    std::optional<QPoint> gesleeptNaar_;

    // The report: recorded into `opname_` while "Start" runs, handed over when it ends.
    std::shared_ptr<OplosOpname> opname_;
    std::shared_ptr<const OplosOpname> verslag_;
    VerslagVenster* verslagVenster_ = nullptr;
    QWidget* uitleg_ = nullptr;

    SudokuForm form_;
};

}  // namespace sudoku
