// Qt's own texts (file dialog, the text boxes' context menu, standard buttons, --help) in
// Dutch, like the rest of the program.
#pragma once

class QCoreApplication;

namespace sudoku {

// Installs Qt's Dutch translations on `app` from Qt's translation folder and makes Dutch the
// default locale. Answers false when the translations are not installed: Qt's texts then
// stay English, and nothing else changes.
bool laadQtVertalingen(QCoreApplication& app);

}  // namespace sudoku
