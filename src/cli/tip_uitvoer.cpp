#include "cli/tip_uitvoer.h"

#include "cli/teksten.h"
#include "form/tip.h"

namespace sudoku::cli {

int schrijfTip(std::ostream& uit, std::string_view bord, const Opties& opties) {
    const Tip t = geefTip(bord, opties.uitproberen, opties.modules);
    if (t.soort != Tip::Soort::Stap) {
        uit << "tip: " << t.melding;
        if (t.gokHelpt) uit << '.' << teksten::CLI_TIP_MET_GOK;
        uit << '\n';
        return 1;
    }
    for (std::size_t i = 0; i < t.tekst.size(); ++i)
        uit << "tip " << i + 1 << ": " << t.tekst[i] << '\n';
    return 0;
}

}  // namespace sudoku::cli
