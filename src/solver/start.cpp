// "Start": runs the modules pass after pass, escalates when a pass places nothing,
// and reports the outcome in Opmerk.
#include "board/bordregel.h"
#include "board/sudoku_form.h"
#include "board/teksten.h"

namespace sudoku {

namespace {

// A complete board is only a solution when no row, column or block holds a digit twice.
bool geldigIngevuld(const Bord& veld) {
    const std::string bord = bordRegel(veld);
    return bord.find('.') == std::string::npos && zonderDubbelen(bord);
}

}  // namespace

void SudokuForm::StartCommand_Click() {
    beginOplossing();
    passen = 0;
    if (bordRegel(veld).find('.') == std::string::npos) {
        // Nothing left to place: the passes could only climb the ladder to a wrong verdict,
        // so a full board is judged at once.
        KOMPLEET = true;
        eindig(zonderDubbelen(bordRegel(veld)) ? Afloop::Opgelost : Afloop::NietGeldig);
        return;
    }
    while (!KOMPLEET && (NWGETAL || uitz_gedaan <= 99)) {
        if (++passen > MAX_PASSEN) {
            // Cannot happen (see MAX_PASSEN); should it ever, the solve still ends.
            eindig(Afloop::NietGenoegKennis);
            break;
        }
        NWGETAL = false;
        if (!blokLijnFase()) {
            eindig(Afloop::NietGenoegKennis);
            break;
        }
        rijFase();
        kolomFase();
        blokFase();
        celSweep();
        if (uitz_gedaan > 50) CONTROL_NAKED = true;
        if (CONTROL_NAKED) nakedFase();
        if (uitz_gedaan > 90 && ui_.vinkWaarde(Vink::Uitproberen) == 1) ModuleUitproberen();
        eindePas();
    }
    if (!KOMPLEET) oordeelOnvolledig();
}

// Every solve that ends with the board incomplete says so, also when the escalation step
// itself took the counter past 99 and no give-up text was written in the pass: "invoer niet
// kompleet" when nothing was ever placed, otherwise "niet genoeg kennis". The status line
// changes only when it does not already show that text.
void SudokuForm::oordeelOnvolledig() {
    const Afloop a = NWGETAL_OOIT ? Afloop::NietGenoegKennis : Afloop::InvoerNietKompleet;
    afloop = a;
    const std::string tekst = teksten::statusTekst(a);
    if (ui_.opmerk() != tekst) ui_.zetOpmerk(tekst);
}

void SudokuForm::beginOplossing() {
    ui_.zetKnopEnabled(Knop::Start, false);
    ui_.zetKnopEnabled(Knop::Herstart, true);
    for (int i = 1; i <= 9; ++i)
        for (int k = 1; k <= 9; ++k) ui_.zetCelKleur(i, k, KLEUR_GRIJS);
    KOMPLEET = false;
    afloop = Afloop::NogNietOpgelost;
    NWGETAL = true;
    CONTROL_UITZ = false;
    CONTROL_NAKED = false;
    uitz_gedaan = 0;
    vorigeCel_ = {};
    vorigeBlokLijn_ = {};
}

// The final status text and the outcome it reports are written together.
void SudokuForm::eindig(Afloop a) {
    afloop = a;
    ui_.zetOpmerk(teksten::statusTekst(a));
}

// The sweeps over a grid of n × n cells from (1, 1), `stap` apart, row by row: `rij` and
// `kol` step through it and are handed themselves to the module, and end one step past
// the grid (10). `lus` counts the rows 1..n and ends at n + 1; the candidate sweep counts
// them in the shared field `lus_n`, the others in a local.
template <class Bezoek>
void SudokuForm::rooster(Integer& lus, int n, int stap, Bezoek&& bezoek) {
    lus = 1;
    rij = 1;
    while (lus <= n) {
        kol = 1;
        for (int k = 0; k < n; ++k) {
            bezoek();
            kol = plus(kol, stap);
        }
        rij = plus(rij, stap);
        lus = plus(lus, 1);
    }
}

// Work that provably cannot change anything is skipped, only without the module display
// (whose banners every call would show again):
// - A cell sweep that places nothing leaves only `rij` and `kol` at 10. The cells read the
//   board, CONTROL_UITZ and the digits the exception table rules out; a sweep after one that
//   placed nothing, with none of these changed since, would place nothing either.
// - Likewise a block-line phase in which no call finds anything leaves only MOG at "9",
//   GEVBLOKL and HORIZON False, `rij` and `kol` at 10; such calls read the board and
//   `aantal` only. (A find always writes the board, or sets the counter above 99, which the
//   phase tests after every call.)
void SudokuForm::celSweep() {
    if (!vink(Vink::Module) && vorigeCel_.stil && vorigeCel_.bord == veld.versie() &&
        vorigeCel_.uitz == uitz_tabel.versie() && vorigeCel_.uitzAan == CONTROL_UITZ) {
        rij = 10;
        kol = 10;
        return;
    }
    const unsigned long voor = veld.versie();
    Integer rijen;
    rooster(rijen, 9, 1, [&] { ModuleCel(rij, kol); });
    vorigeCel_ = {veld.versie() == voor, veld.versie(), uitz_tabel.versie(), CONTROL_UITZ};
}

// A contradiction without a guess to undo leaves the counter above 99 and the board
// unchanged; it would be met again in every sweep, so it ends the solve. Answers whether
// the solve goes on.
bool SudokuForm::blokLijnFase() {
    if (!vink(Vink::Module) && uitz_gedaan <= 99 && vorigeBlokLijn_.stil &&
        vorigeBlokLijn_.bord == veld.versie() && vorigeBlokLijn_.aantal == aantal) {
        MOG.assign(1, '9');
        GEVBLOKL = false;
        HORIZON = false;
        rij = 10;
        kol = 10;
        return true;
    }
    const unsigned long voor = veld.versie();
    MOG.assign(1, '0');  // assign(1, ch) keeps GCC 12 from a false -Wrestrict alarm
    for (int beurt = 1; beurt <= 9; ++beurt) {
        // The module may put another digit into MOG when it undoes a guess.
        MOG = getalTekst(getalVan(MOG) + 1);
        GEVBLOKL = true;
        while (GEVBLOKL) {
            GEVBLOKL = false;
            HORIZON = true;
            rij = 1;
            for (int band = 0; band < 3 && !GEVBLOKL; ++band) {
                ModuleBlokLijnen(GEVBLOKL, MOG, rij, kol, HORIZON);
                if (uitz_gedaan > 99) return false;
                rij = plus(rij, 3);
            }
            kol = 1;
            HORIZON = false;
            for (int band = 0; band < 3 && !GEVBLOKL; ++band) {
                ModuleBlokLijnen(GEVBLOKL, MOG, rij, kol, HORIZON);
                if (uitz_gedaan > 99) return false;
                kol = plus(kol, 3);
            }
        }
    }
    vorigeBlokLijn_ = {veld.versie() == voor, veld.versie(), aantal};
    return true;
}

void SudokuForm::rijFase() {
    for (int i = 1; i <= 9; ++i) {
        HORIZON = true;
        rij = static_cast<Integer>(i);
        ModuleLijnen(HORIZON, rij, kol);
    }
}

void SudokuForm::kolomFase() {
    for (H = 1; H <= 9; H = plus(H, 1)) {
        kol = H;
        HORIZON = false;
        ModuleLijnen(HORIZON, rij, kol);
    }
}

void SudokuForm::blokFase() {
    Integer rijen;
    rooster(rijen, 3, 3, [&] { ModuleBlokken(rij, kol); });
}

// Candidate strings for every cell, then the three naked modules, each followed by a cell
// sweep; the rest of the stage is skipped as soon as one of them leads to a placement.
void SudokuForm::nakedFase() {
    kandidaten.vul("");
    rooster(lus_n, 9, 1, [&] { BepaalCelKandidaten(rij, kol); });

    ModuleNakedPair();
    rij = 1;
    ctrl_NKD = 2;
    celSweep();
    if (NWGETAL) return;
    ModuleNakedTriple();
    rij = 1;
    ctrl_NKD = 3;
    celSweep();
    if (NWGETAL) return;
    ModuleNakedTriple3Pairs();
    rij = 1;
    ctrl_NKD = 4;
    celSweep();
}

// The end of a pass, first match wins: the verdict of a complete board, the stages off
// after a placement, giving up, or one more step up the ladder.
void SudokuForm::eindePas() {
    if (KOMPLEET) {
        if (!geldigIngevuld(veld))
            eindig(Afloop::NietGeldig);
        else if (PROBEERUIT_OOIT)
            eindig(Afloop::OpgelostNaGok);
        else
            eindig(Afloop::Opgelost);
    } else if (NWGETAL) {
        if (CONTROL_UITZ) {
            CONTROL_UITZ = false;
            CONTROL_NAKED = false;
        }
    } else if (uitz_gedaan > 99) {
        eindig(Afloop::NietGenoegKennis);
    } else {
        uitz_gedaan = plus(uitz_gedaan, 10);
        CONTROL_UITZ = true;
    }
}

}  // namespace sudoku
