// Any bytes as SudokuTestCase.txt: either a clean board, or a refusal that leaves
// the board as it was.
#include <sstream>

#include "form/testcase_bestand.h"
#include "fuzz/eisen.h"

using namespace sudoku;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    HeadlessControls ui;
    SudokuForm form(ui);
    std::istringstream eerst("1 3\n\n     9\n");
    form.Form_LoadUit(eerst);
    const std::string voor = fuzz::bordVan(form);

    std::istringstream bron(std::string(reinterpret_cast<const char*>(data), size));
    form.Form_LoadUit(bron);
    if (form.FileAanwezig) {
        fuzz::eisNetBord(form);
        fuzz::eis(ui.knopEnabled(Knop::Start), "Start uit na een goed bestand");
    } else {
        fuzz::eis(fuzz::bordVan(form) == voor, "geweigerd bestand veranderde het bord");
        fuzz::eis(!ui.knopEnabled(Knop::Start), "Start aan na een geweigerd bestand");
        for (int d = 1; d <= 9; ++d) fuzz::eis(form.aantal(d) == 0, "tellingen na weigering");
        const auto u = form.testcase.uitkomst;
        fuzz::eis(
            u == TestcaseInhoud::Uitkomst::FoutTeken || u == TestcaseInhoud::Uitkomst::TeveelRegels,
            "reden van weigering");
        fuzz::eis(ui.opmerk() == testcaseMelding(form.testcase), "melding", ui.opmerk());
    }
    for (int r = 1; r <= 9; ++r)
        for (int k = 1; k <= 9; ++k)
            fuzz::eis(ui.celTekst(r, k) == form.veld(r, k), "vakje toont niet het bord");
    fuzz::eisGeenIndexFout();
    return 0;
}
