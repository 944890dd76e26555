#include "cli/oplossen.h"

#include <algorithm>
#include <cstdio>
#include <optional>

#include "board/bordregel.h"
#include "cli/bedieningen.h"
#include "cli/teksten.h"
#include "form/bordstand.h"

namespace sudoku::cli {

namespace {

bool isCel(char c) { return (c >= '1' && c <= '9') || c == '.' || c == '0' || c == ' '; }

}  // namespace

Uitkomst drukStart(SudokuForm& form, SpoorControls& ui, const Opties& opties, OplosOpname* opname) {
    ui.zetVink(Vink::Uitproberen, opties.uitproberen ? 1 : 0);
    ui.zetVink(Vink::Module, opties.modules ? 1 : 0);
    ui.zetVink(Vink::Tussenstap, 0);  // no message boxes without a window
    Uitkomst u;
    const bool start = ui.knopEnabled(Knop::Start);
    u.metVerslag = start && opties.verslag && opname != nullptr;
    if (opname != nullptr) opname->begin(bordRegel(form.veld), u.metVerslag);
    if (start) form.StartCommand_Click();
    u.bord = bordRegel(form.veld);
    u.status = ui.opmerkTekst();
    u.afloop = form.afloop;
    if (u.metVerslag) {
        opname->eind(isOpgelost(u.afloop));
        u.verslag = opname->verslag;
    }
    return u;
}

Uitkomst losPuzzelOp(std::string_view cellen, const Opties& opties, std::ostream* uit) {
    std::optional<OplosOpname> opname;  // only when asked for: a plain batch records nothing
    if (opties.verslag || opties.stappen) opname.emplace();
    Oplospad* p = opname ? &opname->pad : nullptr;
    if (opties.bedieningen && uit != nullptr) {
        TellendeControls ui(opties.spoor ? uit : nullptr, p, opties.stappen ? uit : nullptr);
        ui.zetUitleg(opties.uitleg);
        SudokuForm form(ui);
        return draaiMetBedieningen(form, ui, testcaseVanCellen(cellen), opties,
                                   opname ? &*opname : nullptr, *uit);
    }
    SpoorControls ui(opties.spoor ? uit : nullptr, p, opties.stappen ? uit : nullptr);
    ui.zetUitleg(opties.uitleg);
    SudokuForm form(ui);
    form.testcaseVooraf = testcaseVanCellen(cellen);
    form.Form_Load();
    return drukStart(form, ui, opties, opname ? &*opname : nullptr);
}

std::string puzzelFout(std::string_view regel, std::size_t lengte) {
    const std::size_t n = std::min<std::size_t>({regel.size(), lengte, 81});
    for (std::size_t i = 0; i < n; ++i) {
        const char c = regel[i];
        if (isCel(c)) continue;
        std::string teken;
        const auto b = static_cast<unsigned char>(c);
        if (b >= 0x21 && b <= 0x7E && c != '"' && c != '\'' && c != '\\') {
            teken = std::string("'") + c + "'";
        } else {
            char hex[16];
            std::snprintf(hex, sizeof hex, "(byte 0x%02X)", b);
            teken = hex;
        }
        return teksten::cliBatchFoutTeken(teken, i + 1);
    }
    if (lengte < 81) return teksten::cliBatchTeKort(lengte);
    return "";
}

}  // namespace sudoku::cli
