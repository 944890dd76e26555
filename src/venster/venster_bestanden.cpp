// Puzzles from outside the form: a file opened or dropped, the clipboard's text pasted, the
// board copied.
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPushButton>

#include "board/bordregel.h"
#include "form/bordstand.h"
#include "form/invoer.h"
#include "form/teksten.h"
#include "form/testcase_bestand.h"
#include "sudoku_venster.h"
#include "venster/teksten.h"
#include "venster_hulp.h"

namespace sudoku {

using venster::q;

bool SudokuVenster::invoerLoopt() const { return knop(Knop::Bevestig)->isEnabled(); }

std::string SudokuVenster::vakkenRegel(int& foutRij, int& foutKol) const {
    foutRij = foutKol = 0;
    std::string regel(81, '.');
    for (int r = 1; r <= 9; ++r)
        for (int k = 1; k <= 9; ++k) {
            const char c = vakTeken(celTekst(r, k));
            if (c != '\0')
                regel[static_cast<std::size_t>((r - 1) * 9 + k - 1)] = c;
            else if (foutRij == 0)
                foutRij = r, foutKol = k;
        }
    return regel;
}

void SudokuVenster::openen() {
    if (bezig_) return;
    QString pad;
    if (kiesBestand) {
        pad = kiesBestand();
    } else {
        QString map;
        if (form_.testcaseArgument) map = QFileInfo(q(*form_.testcaseArgument)).absolutePath();
        QFileDialog kiezer(this, q(teksten::OPENEN_TITEL), map, q(teksten::OPENEN_FILTER));
        kiezer.setFileMode(QFileDialog::ExistingFile);
        // Qt's own dialog in the program's language (a desktop's dialog speaks the desktop's).
        kiezer.setLabelText(QFileDialog::LookIn, q(teksten::OPENEN_ZOEKEN_IN));
        kiezer.setLabelText(QFileDialog::FileName, q(teksten::OPENEN_BESTANDSNAAM));
        kiezer.setLabelText(QFileDialog::FileType, q(teksten::OPENEN_BESTANDSTYPE));
        kiezer.setLabelText(QFileDialog::Accept, q(teksten::OPENEN_KNOP));
        kiezer.setLabelText(QFileDialog::Reject, q(teksten::ANNULEREN));
        if (kiezer.exec() == QDialog::Accepted && !kiezer.selectedFiles().isEmpty())
            pad = kiezer.selectedFiles().first();
    }
    if (!pad.isEmpty()) laadBestand(pad);
}

void SudokuVenster::kopieren() {
    if (bezig_) return;
    int foutRij = 0, foutKol = 0;
    const std::string regel = invoerLoopt() ? vakkenRegel(foutRij, foutKol) : bordRegel(form_.veld);
    QGuiApplication::clipboard()->setText(q(regel));
}

void SudokuVenster::laadBestand(const QString& pad) {
    if (bezig_) return;
    // The file is read once, before anything changes: one that the start-up load would refuse
    // leaves this board, its buttons and "Herstart" as they were, and the status line says why
    // in the command line's words.
    GeladenTestcase gelezen = laadTestcase(pad.toStdString());
    if (gelezen.inhoud.uitkomst != TestcaseInhoud::Uitkomst::Goed) {
        const QFileInfo info(pad);
        const QString naam = info.fileName().isEmpty() ? QDir(pad).dirName() : info.fileName();
        zetOpmerk(teksten::geweigerdBestand(naam.toStdString(), gelezen.inhoud));
        return;
    }
    geplakt_.reset();
    form_.testcaseArgument = pad.toStdString();
    form_.testcaseVooraf = std::move(gelezen);  // the load below takes it instead of reading
    verslagLegen();
    // From the middle of a manual entry back to the buttons of the start state.
    zetKnopVisible(Knop::Start, true);
    zetKnopVisible(Knop::Herstart, true);
    zetKnopEnabled(Knop::Invoer, true);
    zetKnopEnabled(Knop::Bevestig, false);
    // As "Herstart" does: colours back, "Start" on, then the start-up load with its checks.
    form_.HerstartCommand_Click();
}

void SudokuVenster::herstart() {
    if (bezig_) return;
    // After a paste the pasted puzzle is what "Herstart" loads, as a file would be.
    if (geplakt_) form_.testcaseVooraf = geplakt_->alsTestcase();
    form_.HerstartCommand_Click();
    verslagLegen();
}

void SudokuVenster::plakken() {
    if (bezig_) return;
    const Plaktekst plak = leesPlaktekst(QGuiApplication::clipboard()->text().toStdString());
    if (!plak.waarom.empty()) {
        zetOpmerk(plak.waarom);
        return;
    }
    const TestcaseInhoud& inhoud = plak.inhoud;
    form_.InvoerCommand_Click();
    verslagLegen();
    // What "Herstart" reloads from now on.
    geplakt_ = standVan(inhoud);
    for (int r = 1; r <= 9; ++r)
        for (int k = 1; k <= 9; ++k) {
            const std::string& rij = inhoud.rijen[r];
            const char c = static_cast<std::size_t>(k) <= rij.size() ? rij[k - 1] : ' ';
            if (c >= '1' && c <= '9') zetCelTekst(r, k, std::string(1, c));
        }
    knop(Knop::Bevestig)->setFocus(Qt::OtherFocusReason);  // checked, then Enter confirms
}

}  // namespace sudoku
