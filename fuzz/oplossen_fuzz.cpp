// Any board, duplicates included, under every combination of the three options: the
// solve ends within its bound, keeps the givens, and claims success only on a complete
// board without a repeated digit.
#include <sstream>

#include "board/teksten.h"
#include "fuzz/eisen.h"

using namespace sudoku;

namespace {

// Counts the placements the core reports.
class TellendeControls : public HeadlessControls {
public:
    long plaatsingen = 0;
    void geplaatst(int, int, const std::string&, const Reden&) override { ++plaatsingen; }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    TellendeControls ui;
    ui.zetVink(Vink::Tussenstap, data[0] & 1);
    ui.zetVink(Vink::Module, (data[0] >> 1) & 1);
    ui.zetVink(Vink::Uitproberen, (data[0] >> 2) & 1);
    std::string opgave(81, '.');
    for (std::size_t i = 1; i < size && i <= 81; ++i) {
        int v = data[i] % 10;
        opgave[i - 1] = v == 0 ? '.' : static_cast<char>('0' + v);
    }
    std::string tekst;
    for (int r = 0; r < 9; ++r) tekst += opgave.substr(r * 9, 9) + "\n";
    SudokuForm form(ui);
    std::istringstream bron(tekst);
    form.Form_LoadUit(bron);
    fuzz::eis(form.FileAanwezig, "bord niet geladen");
    form.StartCommand_Click();

    fuzz::eisNetBord(form);
    fuzz::eisGeenIndexFout();
    const std::string bord = fuzz::bordVan(form);
    for (int i = 0; i < 81; ++i)
        if (opgave[i] != '.')
            fuzz::eis(bord[i] == opgave[i], "een gegeven getal is overschreven", bord);
    // The bounds the driver states for itself (SudokuForm::MAX_PASSEN).
    fuzz::eis(ui.plaatsingen <= 82L * 82L, "te veel plaatsingen", std::to_string(ui.plaatsingen));
    fuzz::eis(form.passen <= SudokuForm::MAX_PASSEN, "de grens van het aantal passen bereikt");
    if (data[0] & 1)
        fuzz::eis(static_cast<long>(ui.meldingen().size()) == ui.plaatsingen,
                  "meldingen per plaatsing");
    const bool succes = isOpgelost(form.afloop);
    if (succes) {
        fuzz::eis(bord.find('.') == std::string::npos, "succes op een onvolledig bord", bord);
        fuzz::eis(zonderDubbelen(bord), "succes op een ongeldig bord", bord);
    }
    if (form.KOMPLEET)
        fuzz::eis(succes || form.afloop == Afloop::NietGeldig, "vol bord zonder oordeel");
    // A recorded outcome is what the status line shows.
    if (form.afloop != Afloop::NogNietOpgelost)
        fuzz::eis(ui.opmerk() == teksten::statusTekst(form.afloop), "uitkomst en statustekst",
                  ui.opmerk());
    fuzz::eis(!ui.knopEnabled(Knop::Start), "Start weer aan na het oplossen");
    return 0;
}
