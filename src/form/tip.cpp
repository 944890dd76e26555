#include "form/tip.h"

#include "board/bordregel.h"
#include "form/bordstand.h"
#include "form/headless_controls.h"
#include "uitleg/oplossingen.h"
#include "uitleg/teksten.h"

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

Tip geefTip(std::string_view bord, bool uitproberen, bool modules) {
    Tip t;
    std::string cellen(bord.substr(0, std::min<std::size_t>(bord.size(), 81)));
    cellen.resize(81, '.');
    for (char& c : cellen)
        if (c < '1' || c > '9') c = '.';
    if (const auto dubbel = eersteDubbel(cellen)) {
        t.soort = Tip::Soort::Ongeldig;
        t.melding = teksten::dubbelZin(dubbel->cijfer, dubbel->eenheid);
        return t;
    }
    if (cellen.find('.') == std::string::npos) {
        t.soort = Tip::Soort::Vol;
        t.melding = teksten::TIP_OPGELOST;
        return t;
    }
    t.zoektocht = zoekTip(cellen, uitproberen, modules);
    if (!t.zoektocht.stap) {
        t.melding = teksten::tipGeenStap(telOplossingen(cellen));
        t.gokHelpt = !uitproberen && zoekTip(cellen, true, modules).stap.has_value();
        return t;
    }
    const Oplospad& pad = t.zoektocht.pad;
    const std::size_t k = *t.zoektocht.stap;
    const Gebeurtenis& g = pad.gebeurtenissen()[pad.verloop()[k].index];
    const int d = g.getal - '0';
    t.soort = Tip::Soort::Stap;
    t.tekst = {teksten::tipWaarKijken(g.rij, g.kol, d, g.reden, pad.uitsluitingen()),
               teksten::tipCelEnCijfer(g.rij, g.kol, d, g.reden), pad.waarom(k)};
    t.eenheid = teksten::tipEenheid(g.rij, g.kol, g.reden);
    t.eenheidCellen = t.eenheid.cellen();
    t.cel = celNummer(g.rij, g.kol);
    t.bewijsCellen = pad.bewijsCellen(k);
    return t;
}

}  // namespace sudoku
