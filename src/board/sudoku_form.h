// The main form's state and procedures, without a window toolkit. The form reaches
// its controls only through `Controls`.
//
// The names are Dutch and often short (MOG, GEV, uitz, tzcl, ...): docs/woordenlijst.md
// lists the words and abbreviations they are built from.
//
// Procedures talk through these fields: loop counters (`lus_rij`, `lus_kol`, `lus_n`,
// `H`, `pos`) are fields shared between procedures, so a callee that loops on the same
// counter moves its caller's loop; arguments are references, and the driver hands its
// own fields (`rij`, `kol`, `MOG`, `HORIZON`, `GEVBLOKL`), so a module that writes an
// argument writes the field.
#pragma once

#include <array>
#include <bitset>
#include <istream>
#include <optional>
#include <string>

#include "board/afloop.h"
#include "board/controls.h"
#include "board/testcase.h"
#include "board/waarden.h"

namespace sudoku {

class SudokuForm {
public:
    explicit SudokuForm(Controls& controls);

    // ---- public fields, in declared order ----
    // Each field: what it holds; who writes it (w:) and reads it (r:); how long the value
    // lives. "Not written (kept in locals)": the form's modules keep that working value in
    // locals; only the step-by-step reference of the tests (tests/referentie) writes it.
    // Row handed to the modules by reference; w: driver, trial (block rows); one sweep.
    Integer rij = 0;
    // Column handed to the modules by reference; w: driver, trial (block columns); one sweep.
    Integer kol = 0;
    // Row offset 0..2 in its block of the pair the block module records from; w: ModuleBlokken; until the next pair.
    Integer uitzrij = 0;
    // Column offset 0..2 in its block of that pair; w: ModuleBlokken; until the next pair.
    Integer uitzkol = 0;
    // Escalation: 0 after a stage placement, +1 per recording, +10 per idle pass; w: driver, modules; a solve.
    Integer uitz_gedaan = 0;
    // Naked variant that ran last (2 pair, 3 triple, 4 three pairs); w: driver; r: cell, line texts.
    Integer ctrl_NKD = 0;
    // Shared loop counter: ZoekInLijn, VulUitzLijn, ZetUitzPaarLijn walk a line with it; left where the walk stopped.
    Integer pos = 0;
    // Block-line module: lines of the band holding the number; not written (kept in locals).
    Integer aglb = 0;
    // Block-line module: lines of the band examined; not written (kept in locals).
    Integer teller = 0;
    // Block-line module: first position 1, 4, 7 of the segment the number must go to; not written (kept in locals).
    Integer tzcl = 0;
    // Block-line module: empty cells in that segment; not written (kept in locals).
    Integer agvm = 0;
    // Row or column handed to ZoekInLijn; not written (kept in locals).
    Integer baan = 0;
    // Block-line module: candidate cells, then the chosen one; not written (kept in locals).
    Integer herhaal = 0;
    // Block-line module: candidates whose crossing line lacks the number; not written (kept in locals).
    Integer agfalse = 0;
    // Shared loop counter of the driver's column phase (columns 1..9); w: driver; left at 10.
    Integer H = 0;
    // Entries in use in `uitprobeer_lijst` (0..9); w: ModuleUitproberen, ZoekUitprobeerBlok; until the next guess.
    Integer UP = 0;
    // Row of the guessed cell; w: trial, block-line module (undoing the guess); until the next guess.
    Integer posUPR = 0;
    // Column of the guessed cell; w: trial, block-line module (undoing the guess); until the next guess.
    Integer posUPK = 0;
    // The digit under test and the one placed, as text; w: driver, modules, loading, entry; until overwritten.
    String MOG;
    // Position under test as text; not written (kept in locals).
    String locatie;
    // Digit of the latest exception recording; w: line, block, naked pair modules; until the next recording.
    String uitzMOG;
    // MOG kept while a failed guess is undone, put back afterwards; w, r: ModuleBlokLijnen; until the next undo.
    String herstel_MOG;
    // Digit tried first in the guessed cell (the smaller missing one); w: trial; until the next guess.
    String uitprobeeroptie1;
    // The other digit of the guessed cell, placed when the guess fails; w: trial; r: block-line module.
    String uitprobeeroptie2;
    // Position text of the guessed cell ("35" = row 3, column 5); w: trial; r: block-line module.
    String up1;
    // Position text of the other empty cell of the guessed block; w: trial; until the next guess.
    String up2;
    // Found answer of the look-ups (callers pass it); only the look-ups write it; until the next look-up.
    Boolean GEV = false;
    // Block-line module: the segment has at most one empty cell; w, r: ModuleBlokLijnen; within one call.
    Boolean GEVMOG = false;
    // ModuleBlokLijnen placed a number: the driver repeats the digit's sweep; w: both; one digit turn.
    Boolean GEVBLOKL = false;
    // Direction, true along rows, false along columns; w: driver, block, naked pair modules; until overwritten.
    Boolean HORIZON = false;
    // Hit flag of ZoekInLijn; w: ZoekInLijn; until the next look-up.
    Boolean gelijkaan = false;
    // Line or block module placed a number in this scan; not written (kept in locals).
    Boolean GEVELEMENT = false;
    // End of the unit's list of empty cells reached; not written (kept in locals).
    Boolean EOT = false;
    // The unit being scanned has no empty cell; not written (kept in locals).
    Boolean GEENLEGEPLEK = false;
    // A number was placed in this pass; w: ToonGevondenGetal, driver (cleared per pass); one pass.
    Boolean NWGETAL = false;
    // Every digit stands nine times; w: ToonGevondenGetal, driver (cleared per solve); one solve.
    Boolean KOMPLEET = false;
    // A number was placed since the last load or "Invoer"; w: ToonGevondenGetal; cleared by both.
    Boolean NWGETAL_OOIT = false;
    // Exception stage on: modules use `uitz_tabel`; w: driver, SluitUitzFaseAf, ModuleBlokken; to a placement.
    Boolean CONTROL_UITZ = false;
    // Naked-set stage on; w: driver, SluitUitzFaseAf (not ModuleBlokken); to a placement.
    Boolean CONTROL_NAKED = false;
    // The block module's pair has a gap (offsets 0 and 2); w: ModuleBlokken; until the next pair.
    Boolean SPLIT = false;
    // A guess was made since the last load or "Invoer"; w: trial; cleared by both.
    Boolean PROBEERUIT_OOIT = false;
    // A guess is in force, undone at the first contradiction; w: trial, block-line module.
    Boolean PROBEERUIT = false;
    // Set with a guess: after the undo, MOG comes back from herstel_MOG; w: trial, block-line module.
    Boolean PROBEERUIT_ONTHOUDEN = false;
    // The test-case file was found and read; w: loading (start-up, restart); until the next load.
    Boolean FileAanwezig = false;

    // ---- the form's own fields (public here so that tests can set up boards) ----
    // The board: " " empty or "1".."9" ("" only from bad input); w: loading, entry, placing modules; r: everyone.
    Bord veld{"veld"};
    // Copy of `veld` taken before a guess, copied back when it fails; w: trial; r: block-line module.
    Bord veld_bewaard{"veld_bewaard"};
    // How often each digit 1..9 stands on `veld`; w: loading, entry, TelGetal, undo of a guess.
    Rij1<Integer, 9> aantal{"aantal"};
    // Exceptions (digit, row, column): " " or the digit, ruled out; w: line, block, naked; WisUitzTabel.
    UitzTabel uitz_tabel{"uitz_tabel"};
    // Block-line module: per line of the band, where it holds the number; not written (kept in locals).
    Rij1<Integer, 3> blokl_gevonden{"blokl_gevonden"};
    // Block-line module: offsets of the segment's empty cells; not written (kept in locals).
    Rij1<Integer, 3> blokl_leeg{"blokl_leeg"};
    // Block-line module: per candidate, its position and the crossing line's hit; not written (kept in locals).
    Tabel2<Integer, 3, 2> blokl_segment{"blokl_segment"};
    // Index of each digit in the block being scanned, 0 absent; w: ZoekUitprobeerBlok; one call.
    Rij1<Integer, 9> plaats{"plaats"};
    // The unit's empty cells: (n, 1) position, (n, 2) 1 = number ruled out there; not written (kept in locals).
    Tabel2<Integer, 9, 2> leeg{"leeg"};
    // Candidate string (2..4 digits ascending) per empty cell, else ""; w: driver, BepaalCelKandidaten.
    Tabel2<String, 9, 9> kandidaten{"kandidaten"};
    // Remaining digits of the cell being analysed; not written (BepaalCelKandidaten uses bits).
    Rij1<String, 9> kandidaat_lijst{"kandidaat_lijst"};
    // Trial list per block with two empty cells: both positions, smaller, larger digit; w: ZoekUitprobeerBlok.
    Tabel2<String, 27, 4> uitprobeer_lijst{"uitprobeer_lijst"};
    // Shared row loop counter (WisUitzTabel leaves it at 10); w: loading, entry, trial, block-line.
    Integer lus_rij = 0;
    // Shared column loop counter (WisUitzTabel leaves it at 10); w: loading, entry, trial, block-line.
    Integer lus_kol = 0;
    // Shared loop counter 1..9; w: driver (candidate rows), manual entry; left at 10.
    Integer lus_n = 0;
    // Bare file name the look-up found for the test case, "" when none; w: loading; until the next load.
    String bestand;
    // The test-case line being read; w: loading; until the next load.
    String regel;

    // ---- how long a solve may run ----
    // Every pass places a number or raises `uitz_gedaan` by 10, so at most 11 passes pass
    // without one. A board holds at most 81 placements between two guesses, and each
    // guess is made on a fuller board than the one before it (a failed guess is undone
    // onto its own board plus the other option), so there are at most 81 guesses. Hence
    // at most 82 * 82 placements and 12 passes each; the driver stops past this all the same.
    static constexpr long MAX_PASSEN = 12L * 82L * 82L + 11L;
    long passen = 0;  // passes of the last solve

    // ---- where the test case is looked up ----
    String testcasePad1;  // "C:\tmp\SudokuTestCase.txt" on Windows
    String testcasePad2;  // "E:\VB_projecten\Sudoku\SudokuTestCase.txt" on Windows
    // A file named on the command line replaces both look-ups.
    std::optional<String> testcaseArgument;
    // A test case read already (laadTestcase): the next Form_Load takes it over instead of
    // reading a file, and forgets it.
    std::optional<GeladenTestcase> testcaseVooraf;

    static String standaardPad1();
    static String standaardPad2();

    // ---- outcomes, as values ----
    // How the last solve ended: set by StartCommand_Click with its final status text
    // (NogNietOpgelost at its start and after every load); lives until the next solve or load.
    Afloop afloop = Afloop::NogNietOpgelost;
    // What the last load made of the test case (outcome, place of a refusal, rows): set by
    // Form_Load and Form_LoadUit; lives until the next load.
    TestcaseInhoud testcase;

    // ---- handlers ----
    void Form_Load();
    // Form_Load as if the test-case file had been found with this content.
    void Form_LoadUit(std::istream& bron);
    void HerstartCommand_Click();
    void InvoerCommand_Click();
    void BevInvoerCommand_Click();
    void StartCommand_Click();

    // ---- placing ----
    void TelGetal(const String& getal);
    void ToonOplossing(const String& getal);
    void ToonOplossing(int getal);
    void ToonGevondenGetal(int rijNr, int kolNr);
    void WisUitzTabel();
    // The placing protocol: write the digit, count it, show it in Oplos and in the grid.
    void PlaatsGetal(int rijNr, int kolNr, const String& getal);
    // The whole board into the cell boxes, Oplos blanked and then filled for every
    // digit that stands nine times (after a load and after undoing a guess).
    void ToonBord();
    // After a placement in the exception or naked stage (or a guess placed or undone):
    // the escalation starts again from nothing, with an empty exception table and both
    // stages off.
    void SluitUitzFaseAf();

    // ---- look-ups ----
    void ZoekInLijn(const String& getal, const Boolean& richting, int lijn, Boolean& gevonden,
                    Integer& positie);
    void ZoekInBlok(const String& getal, const Boolean& richting, int rijNr, int kolNr,
                    Boolean& gevonden);
    void ZoekInUitzTabel(const String& getal, int rijNr, int kolNr, Boolean& gevonden);

    // ---- modules ----
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
    static void PosNaarRijKol(int n, int& rijUit, int& kolUit);
    void ZetUitzPaarLijn(const String& getal, const Boolean& horizontaal, int lijn, int uitz1,
                         int uitz2);
    void ModuleNakedTriple();
    static void ZelfdeRij(const String& r1, const String& k1, const String& r2, const String& k2,
                          Boolean& resultaat);
    static void ZelfdeKolom(const String& r1, const String& k1, const String& r2, const String& k2,
                            Boolean& resultaat);
    static void ZelfdeBlok(const String& r1, const String& k1, const String& r2, const String& k2,
                           Boolean& resultaat);
    void ZetUitzTripleRij(const String& getal, const String& posA, const String& posB,
                          const String& posC);
    void ZetUitzTripleKolom(const String& getal, const String& posA, const String& posB,
                            const String& posC);
    void ZetUitzTripleBlok(const String& getal, const String& posA, const String& posB,
                           const String& posC);
    void ModuleNakedTriple3Pairs();
    void ModuleUitproberen();
    void ZoekUitprobeerBlok(Integer& rijArg, Integer& kolArg);

    Controls& controls() { return ui_; }

private:
    // Why the next number is placed: each placing module says so just before it places,
    // and ToonGevondenGetal hands it to the controls with the number. Recorded beside the
    // solve; nothing reads it back.
    void zetReden(Techniek techniek, const Eenheid& eenheid) {
        reden_.techniek = techniek;
        reden_.eenheid = eenheid;
        reden_.bewijs = Bewijs{};
    }
    // Shows technique `t`'s text on the status line; the text a module leaves showing is
    // the technique of the number it places.
    void toonTechniek(Techniek t) { ui_.zetOpmerk(bannerVan(t)); }
    // A module's own text, shown when "weergave modules" is ticked.
    void toonBanner(Techniek t) {
        if (vink(Vink::Module)) ui_.zetOpmerk(bannerVan(t));
    }
    Reden reden_;
    // The naked stage a placement now belongs to: the variant that ran last, while the stage
    // is on; none outside it.
    std::optional<Fase> nakedNu() const {
        return CONTROL_NAKED ? nakedFaseVan(ctrl_NKD) : std::nullopt;
    }

    // ---- explanations, recorded only when the controls want them (bewijs.cpp) ----
    bool uitleg() const { return ui_.wilUitleg(); }
    // The first cell (celNummer) holding digit d in row r, column k, or the block of (r, k),
    // in the look-ups' order; 0 when there is none.
    int eersteInRij(int d, int r) const;
    int eersteInKolom(int d, int k) const;
    int eersteInBlok(int d, int r, int k) const;
    // A recording procedure is about to rule d out for the empty cell (r, k): noted when
    // that is new. The procedure's caller reports what was noted, with the cause.
    void noteerUit(int d, int r, int k) {
        if (uitleg() && !uitz_tabel.uitgesloten(d, r, k)) nieuwUit_.set(celNummer(r, k) - 1);
    }
    void meldUitsluiting(Uitsluiting::Soort soort, int d, const std::bitset<81>& oorzaak,
                         const Eenheid& eenheid, Techniek techniek, std::array<int, 3> set = {});
    std::bitset<81> nieuwUit_;

    bool vink(Vink v) const { return ui_.vinkWaarde(v) == 1; }
    static String directoryOpzoeking(const String& pad);
    // Form_Load's fields written from one look at a file: `bestand`, then the rest by laden.
    void neemOver(GeladenTestcase g);
    // Takes a read test case over, or shows why not (named `naam`), and shows the board.
    void laden(TestcaseInhoud inhoud, const String& naam);
    // The cells whose candidate string has two digits, as cell numbers in ascending order;
    // returns how many (the pair and three-pairs modules work on these only).
    int PaarCellen(int (&paarCel)[81]) const;

    // ---- the driver's steps (solver/start.cpp), in the order a pass takes them ----
    void beginOplossing();  // "Start" disabled, all cells grey, flags and counter reset
    void eindig(Afloop a);  // the final status text and the outcome it reports
    template <class Bezoek>
    void rooster(Integer& lus, int n, int stap, Bezoek&& bezoek);
    bool blokLijnFase();  // false: a contradiction without a guess ends the solve
    void rijFase();
    void kolomFase();
    void blokFase();
    void celSweep();
    void nakedFase();
    void eindePas();
    void oordeelOnvolledig();  // after the loop, when the board is not complete
    // What the last cell sweep and block-line phase saw, so that a repeat that provably
    // changes nothing can be skipped; reset at the start of every solve.
    struct StandCel {
        bool stil = false;  // the last sweep placed nothing
        unsigned long bord = 0, uitz = 0;
        bool uitzAan = false;
    } vorigeCel_;
    struct StandBlokLijn {
        bool stil = false;  // the last phase found nothing
        unsigned long bord = 0;
        Rij1<Integer, 9> aantal;
    } vorigeBlokLijn_;

    Controls& ui_;
};

}  // namespace sudoku
