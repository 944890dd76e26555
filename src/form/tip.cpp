#include "form/tip.h"

#include "board/bordregel.h"
#include "form/bordstand.h"
#include "form/headless_controls.h"

namespace sudoku {

namespace {

// Controls without a window that record the path of the solve, explanations included. No
// step boxes: the tip wants the step, not a box for every number.
class TipControls : public HeadlessControls {
public:
    TipControls(bool uitproberen, bool modules) {
        wilUitleg_ = true;
        zetVink(Vink::Uitproberen, uitproberen ? 1 : 0);
        zetVink(Vink::Module, modules ? 1 : 0);
        zetVink(Vink::Tussenstap, 0);
    }
    Oplospad pad;

    void geplaatst(int rij, int kol, const std::string& getal, const Reden& reden) override {
        pad.geplaatst(rij, kol, getal, reden);
    }
    void gokOngedaan() override { pad.gokOngedaan(); }
    void uitsluitingGemaakt(const Uitsluiting& u) override { pad.uitsluitingGemaakt(u); }
    void tabelGewist() override { pad.tabelGewist(); }
};

}  // namespace

TipUitkomst zoekTip(std::string_view bord, bool uitproberen, bool modules) {
    TipControls ui(uitproberen, modules);
    SudokuForm kopie(ui);
    kopie.testcaseVooraf = testcaseVanCellen(bord);
    kopie.Form_Load();
    ui.pad.begin(bordRegel(kopie.veld));
    if (kopie.FileAanwezig) kopie.StartCommand_Click();
    TipUitkomst u{std::move(ui.pad), std::nullopt};
    for (std::size_t k = 0; k < u.pad.verloop().size(); ++k) {
        const Verloop& v = u.pad.verloop()[k];
        if (v.soort == Verloop::Soort::Gebeurtenis &&
            u.pad.gebeurtenissen()[v.index].soort == Gebeurtenis::Soort::Stap) {
            u.stap = k;
            break;
        }
    }
    return u;
}

}  // namespace sudoku
