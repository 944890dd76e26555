// --bedieningen: the state of every control of the window, read from the headless controls,
// after the start-up load, after "Start" and after "Herstart".
#pragma once

#include <ostream>
#include <string>
#include <string_view>

#include "cli/oplossen.h"
#include "cli/spoor_controls.h"
#include "form/testcase_bestand.h"

namespace sudoku::cli {

// The command line's controls, counting how often a found number is shown: each time the
// window would open its step box when "weergave tussenstappen" is ticked.
class TellendeControls : public SpoorControls {
public:
    using SpoorControls::SpoorControls;
    void geplaatst(int rij, int kol, const std::string& getal, const Reden& reden) override {
        ++getoond_;
        SpoorControls::geplaatst(rij, kol, getal, reden);
    }
    long getoond() const { return getoond_; }

private:
    long getoond_ = 0;
};

// One dump: "moment NAAM", the 81 cells, the nine Oplos boxes, the four buttons, the three
// check boxes and the status line; with `meldingen` not negative also the "meldingen" line.
void schrijfBedieningen(std::ostream& uit, std::string_view moment, const HeadlessControls& ui,
                        long meldingen = -1);

// The whole run for one test case: the start-up load of `testcase`, dump, the options ticked
// and "Start" pressed, dump, "Herstart" pressed (its load takes the same test case), dump.
// Returns what "Start" left, as drukStart does. `ui` is the form's controls.
Uitkomst draaiMetBedieningen(SudokuForm& form, TellendeControls& ui,
                             const GeladenTestcase& testcase, const Opties& opties,
                             OplosOpname* opname, std::ostream& uit);

}  // namespace sudoku::cli
