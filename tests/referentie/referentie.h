// The look-ups, placing steps, modules and driver written out step by step, one
// statement per step, without any shortcut. The form's own procedures take shortcuts
// (digit masks, character tables); the differential tests hold them to these.
//
// ReferentieForm hides the form's procedures of the same name, so that a reference
// module calls the reference look-ups and the reference driver the reference modules.
#pragma once

#include "board/sudoku_form.h"

namespace sudoku::referentie {

class ReferentieForm : public SudokuForm {
public:
    using SudokuForm::SudokuForm;

    void WisUitzTabel();
    void PlaatsGetal(int rijNr, int kolNr, const String& getal);

    void ZoekInLijn(const String& getal, const Boolean& richting, int lijn, Boolean& gevonden,
                    Integer& positie);
    void ZoekInBlok(const String& getal, const Boolean& richting, int rijNr, int kolNr,
                    Boolean& gevonden);
    void ZoekInUitzTabel(const String& getal, int rijNr, int kolNr, Boolean& gevonden);

    void ModuleCel(Integer& rijArg, Integer& kolArg);
    void BepaalCelKandidaten(Integer& rijArg, Integer& kolArg);
    void ModuleLijnen(Boolean& richting, Integer& rijArg, Integer& kolArg);
    void VulUitzBlok(const String& getal, const Boolean& richting, int rijNr, int kolNr);
    void ModuleBlokken(Integer& rijArg, Integer& kolArg);
    void VulUitzLijn(const String& getal, const Boolean& richting, int lijn, int laatste,
                     const Boolean& split);
    void ModuleBlokLijnen(Boolean& gevonden, String& getal, Integer& rijArg, Integer& kolArg,
                          Boolean& richting);
    void ModuleNakedPair();
    void ModuleNakedTriple();
    void ModuleNakedTriple3Pairs();
    void ModuleUitproberen();
    void ZoekUitprobeerBlok(Integer& rijArg, Integer& kolArg);
    // A copy of the form's driver, kept apart on purpose: its sweeps are plain nested
    // loops, its status texts literals, and it skips nothing. So the solve differential
    // tests (tests/solver/verschil_test.cpp) hold to it the form's skips, its sweeps
    // through one grid helper (down to where they leave rij, kol and lus_n) and its
    // status texts; one shared loop would leave only the skips checked. A change to the
    // order of the driver's steps is made in both.
    void StartCommand_Click();

private:
    bool vink(Vink v) { return controls().vinkWaarde(v) == 1; }
};

}  // namespace sudoku::referentie
