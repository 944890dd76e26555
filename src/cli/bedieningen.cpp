#include "cli/bedieningen.h"

#include <cstdio>

namespace sudoku::cli {

namespace {

// A control's text in quotes, with only a quote and a backslash escaped.
void schrijfTekst(std::ostream& uit, const std::string& tekst) {
    uit << '"';
    for (char c : tekst) {
        if (c == '"' || c == '\\') uit << '\\';
        uit << c;
    }
    uit << '"';
}

void schrijfKleur(std::ostream& uit, Kleur kleur) {
    switch (kleur) {
        case KLEUR_GRIJS: uit << "grijs"; return;
        case KLEUR_ROOD: uit << "rood"; return;
        case KLEUR_VENSTERTEKST: uit << "venstertekst"; return;
        default: break;
    }
    char hex[16];
    std::snprintf(hex, sizeof hex, "0x%06X", static_cast<unsigned>(kleur));
    uit << hex;
}

}  // namespace

void schrijfBedieningen(std::ostream& uit, std::string_view moment, const HeadlessControls& ui,
                        long meldingen) {
    uit << "moment " << moment << '\n';
    for (int r = 1; r <= 9; ++r)
        for (int k = 1; k <= 9; ++k) {
            uit << "cel " << r << ' ' << k << ' ';
            schrijfTekst(uit, ui.celTekst(r, k));
            uit << ' ';
            schrijfKleur(uit, ui.celKleur(r, k));
            uit << '\n';
        }
    for (int i = 1; i <= 9; ++i) {
        uit << "oplos " << i << ' ';
        schrijfTekst(uit, ui.oplos(i));
        uit << '\n';
    }
    const std::pair<Knop, const char*> knoppen[] = {{Knop::Invoer, "Invoer"},
                                                    {Knop::Bevestig, "Bevestig"},
                                                    {Knop::Start, "Start"},
                                                    {Knop::Herstart, "Herstart"}};
    for (const auto& [knop, naam] : knoppen)
        uit << "knop " << naam << (ui.knopEnabled(knop) ? " aan" : " uit")
            << (ui.knopVisible(knop) ? " zichtbaar" : " verborgen") << '\n';
    const std::pair<Vink, const char*> vinken[] = {{Vink::Tussenstap, "Check_tussenstap"},
                                                   {Vink::Module, "Check_module"},
                                                   {Vink::Uitproberen, "Check_uitproberen"}};
    for (const auto& [vink, naam] : vinken)
        uit << "vink " << naam << ' ' << ui.vinkWaarde(vink) << '\n';
    uit << "opmerk ";
    schrijfTekst(uit, ui.opmerk());
    uit << '\n';
    if (meldingen >= 0) uit << "meldingen " << meldingen << '\n';
}

Uitkomst draaiMetBedieningen(SudokuForm& form, TellendeControls& ui,
                             const GeladenTestcase& testcase, const Opties& opties,
                             OplosOpname* opname, std::ostream& uit) {
    form.testcaseVooraf = testcase;
    form.Form_Load();
    schrijfBedieningen(uit, "laden", ui);
    const long voor = ui.getoond();
    const Uitkomst u = drukStart(form, ui, opties, opname);
    schrijfBedieningen(uit, "start", ui, ui.getoond() - voor);
    // A disabled or hidden button takes no click; the reload reads what the first load read.
    if (ui.knopEnabled(Knop::Herstart) && ui.knopVisible(Knop::Herstart)) {
        form.testcaseVooraf = testcase;
        form.HerstartCommand_Click();
    }
    schrijfBedieningen(uit, "herstart", ui);
    return u;
}

}  // namespace sudoku::cli
