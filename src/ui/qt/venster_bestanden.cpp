// Puzzles from outside the form: a file opened or dropped, the clipboard's text pasted, the
// board copied.
#include <QClipboard>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPushButton>

#include "board/bordregel.h"
#include "sudoku_venster.h"
#include "ui/invoer.h"
#include "ui/teksten.h"
#include "ui/testcase_bestand.h"
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
    if (pad.isEmpty()) return;
    // The file is read once, before anything changes: one it refuses leaves this board, its
    // buttons and "Herstart" as they were, with the start-up load's text for it.
    GeladenTestcase gelezen = laadTestcase(pad.toStdString());
    if (gelezen.inhoud.uitkomst != TestcaseInhoud::Uitkomst::Goed) {
        zetOpmerk(gelezen.inhoud.melding(gelezen.naam));
        return;
    }
    laadBestand(pad, std::move(gelezen));
}

void SudokuVenster::kopieren() {
    if (bezig_) return;
    int foutRij = 0, foutKol = 0;
    const std::string regel = invoerLoopt() ? vakkenRegel(foutRij, foutKol) : bordRegel(form_.veld);
    QGuiApplication::clipboard()->setText(q(regel));
}

void SudokuVenster::laadBestand(const QString& pad, std::optional<GeladenTestcase> gelezen) {
    if (bezig_) return;
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
    for (int r = 1; r <= 9; ++r)
        for (int k = 1; k <= 9; ++k) {
            const std::string& rij = inhoud.rijen[r];
            const char c = static_cast<std::size_t>(k) <= rij.size() ? rij[k - 1] : ' ';
            if (c >= '1' && c <= '9') zetCelTekst(r, k, std::string(1, c));
        }
    knop(Knop::Bevestig)->setFocus(Qt::OtherFocusReason);  // checked, then Enter confirms
}

}  // namespace sudoku
