// The main form's state and procedures, without a window toolkit. The form reaches
// its controls only through `Controls`.
//
// Procedures talk through these fields: loop counters (`lus_rij`, `lus_kol`, `lus_n`,
// `H`, `pos`) are fields shared between procedures, so a callee that loops on the same
// counter moves its caller's loop; arguments are references, and the driver hands its
// own fields (`rij`, `kol`, `MOG`, `HORIZON`, `GEVBLOKL`), so a module that writes an
// argument writes the field.
#pragma once

#include <istream>
#include <optional>
#include <string>

#include "board/waarden.h"
#include "solver/afloop.h"
#include "ui/controls.h"
#include "ui/testcase_bestand.h"

namespace sudoku {

class SudokuForm {
public:
    explicit SudokuForm(Controls& controls);

    // ---- public fields, in declared order ----
    Integer rij = 0;
    Integer kol = 0;
    Integer uitzrij = 0;
    Integer uitzkol = 0;
    Integer uitz_gedaan = 0;
    Integer ctrl_NKD = 0;
    Integer pos = 0;
    Integer aglb = 0;
    Integer teller = 0;
    Integer tzcl = 0;
    Integer agvm = 0;
    Integer baan = 0;
    Integer herhaal = 0;
    Integer agfalse = 0;
    Integer H = 0;
    Integer UP = 0;
    Integer posUPR = 0;
    Integer posUPK = 0;
    String MOG;
    String locatie;
    String uitzMOG;
    String herstel_MOG;
    String uitprobeeroptie1;
    String uitprobeeroptie2;
    String up1;
    String up2;
    Boolean GEV = false;
    Boolean GEVMOG = false;
    Boolean GEVBLOKL = false;
    Boolean HORIZON = false;
    Boolean gelijkaan = false;
    Boolean GEVELEMENT = false;
    Boolean EOT = false;
    Boolean GEENLEGEPLEK = false;
    Boolean NWGETAL = false;
    Boolean KOMPLEET = false;
    Boolean NWGETAL_OOIT = false;
    Boolean CONTROL_UITZ = false;
    Boolean CONTROL_NAKED = false;
    Boolean SPLIT = false;
    Boolean PROBEERUIT_OOIT = false;
    Boolean PROBEERUIT = false;
    Boolean PROBEERUIT_ONTHOUDEN = false;
    Boolean FileAanwezig = false;

    // ---- the form's own fields (public here so that tests can set up boards) ----
    Bord veld;  // " " empty, "1".."9"; "" never written
    Bord veld_bewaard;
    Rij1<Integer, 9> aantal;
    UitzTabel uitz_tabel;  // " " or the digit's own string
    Rij1<Integer, 3> blokl_gevonden;
    Rij1<Integer, 3> blokl_leeg;
    Tabel2<Integer, 3, 2> blokl_segment;
    Rij1<Integer, 9> plaats;
    Tabel2<Integer, 9, 2> leeg;
    Tabel2<String, 9, 9> kandidaten;
    Rij1<String, 9> kandidaat_lijst;
    Tabel2<String, 27, 4> uitprobeer_lijst;
    Integer lus_rij = 0;
    Integer lus_kol = 0;
    Integer lus_n = 0;
    String bestand;
    String regel;

    // ---- how long a solve may run ----
    // Every pass places a number or raises `uitz_gedaan` by 10, so at most 11 passes pass
    // without one. A board holds at most 81 placements between two guesses, and each
    // guess is made on a fuller board than the one before it (a failed guess is undone
    // onto its own board plus the other option), so there are at most 81 guesses. Hence
    // at most 82 * 82 placements and 12 passes each; the driver stops past this all the same.
    static constexpr long kMaxPassen = 12L * 82L * 82L + 11L;
    long passen = 0;  // passes of the last solve

    // ---- where the test case is looked up ----
    String testcasePad1;  // "C:\tmp\SudokuTestCase.txt" on Windows
    String testcasePad2;  // "E:\VB_projecten\Sudoku\SudokuTestCase.txt" on Windows
    // A file named on the command line replaces both look-ups.
    std::optional<String> testcaseArgument;

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
    static void ZelfdeKolom(const String& r1, const String& k1, const String& r2,
                            const String& k2, Boolean& resultaat);
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
    bool vink(Vink v) const { return ui_.vinkWaarde(v) == 1; }
    static String directoryOpzoeking(const String& pad);
    // Takes a read test case over, or shows why not (named `naam`), and shows the board.
    void laden(TestcaseInhoud inhoud, const String& naam);

    Controls& ui_;
};

}  // namespace sudoku
