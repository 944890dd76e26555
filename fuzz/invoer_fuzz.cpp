// Any 81 box texts of up to two characters on "Bevestig": either a clean board, or a
// refusal that names a box and takes nothing over.
#include "form/teksten.h"
#include "fuzz/eisen.h"

using namespace sudoku;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    HeadlessControls ui;
    SudokuForm form(ui);
    form.InvoerCommand_Click();
    std::size_t i = 0;
    for (int r = 1; r <= 9; ++r)
        for (int k = 1; k <= 9; ++k) {
            std::string t;
            int lengte = i < size ? data[i++] % 3 : 1;
            for (int j = 0; j < lengte; ++j)
                t.push_back(i < size ? static_cast<char>(data[i++]) : ' ');
            ui.zetCelTekst(r, k, t);
        }
    form.BevInvoerCommand_Click();
    if (ui.opmerk() == teksten::DRUK_OP_START) {
        fuzz::eisNetBord(form);
        fuzz::eis(ui.knopVisible(Knop::Start) && ui.knopEnabled(Knop::Start), "Start na Bevestig");
    } else {
        fuzz::eis(ui.opmerk() == teksten::ongeldigeInvoer(ui.focusRij(), ui.focusKol()), "melding",
                  ui.opmerk());
        fuzz::eis(fuzz::bordVan(form) == std::string(81, '.'),
                  "geweigerde invoer kwam op het bord");
        for (int d = 1; d <= 9; ++d) fuzz::eis(form.aantal(d) == 0, "tellingen na weigering");
        fuzz::eis(!ui.knopVisible(Knop::Start), "Start zichtbaar na weigering");
        fuzz::eis(ui.focusRij() >= 1 && ui.focusKol() >= 1, "geen focus op het foute vakje");
    }
    fuzz::eisGeenIndexFout();
    return 0;
}
