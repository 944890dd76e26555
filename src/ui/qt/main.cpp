// A plain window that loads the test case and shows the board.
#include <QApplication>
#include <QGridLayout>
#include <QLineEdit>
#include <QWidget>

#include "board/sudoku_form.h"
#include "ui/headless_controls.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    sudoku::HeadlessControls ui;
    sudoku::SudokuForm form(ui);
    const QStringList args = app.arguments();
    if (args.size() > 1) form.testcaseArgument = args.at(1).toStdString();
    form.Form_Load();
    QWidget venster;
    venster.setWindowTitle("Sudoku Blad");
    auto* rooster = new QGridLayout(&venster);
    for (int r = 1; r <= 9; ++r)
        for (int k = 1; k <= 9; ++k) {
            auto* cel = new QLineEdit(QString::fromStdString(ui.celTekst(r, k)));
            cel->setMaxLength(2);
            cel->setAlignment(Qt::AlignCenter);
            rooster->addWidget(cel, r, k);
        }
    venster.show();
    return app.exec();
}
