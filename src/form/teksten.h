// The form's texts around a solve: the status line as the window is created, start-up,
// restart and manual entry, a test case that is not loaded, a paste that holds no puzzle,
// and the reasons a file or a line is refused, which both front ends give in the same
// words. Spaces at the ends are part of the texts.
#pragma once

#include <string>

namespace sudoku {
struct TestcaseInhoud;
}

namespace sudoku::teksten {

// The status line as the window is created.
inline constexpr const char* RASTAVO = "Rastavo";

// Start-up, restart and manual entry.
inline constexpr const char* DRUK_OP_INVOER =
    " Druk op: Invoer.  Voer daarna de Sudoku getallen in. ";
inline constexpr const char* BEGIN_OPNIEUW = " Begin opnieuw met: Start ";
inline constexpr const char* VUL_IN = " Vul nu de velden in en sluit af met: Bevestig ";
inline constexpr const char* DRUK_OP_START = " Om te beginnen druk op: Start ";
// A box on "Bevestig" that holds no digit and is not empty.
std::string ongeldigeInvoer(int rij, int kol);

// A name as it may be shown on one line: a backslash, a tab, a line end, any other control
// character and any byte that is not valid UTF-8 become a visible escape (\\, \t, \n, \r,
// \xNN), so that a name cannot break a line or steer a terminal. Every text below that names
// a file shows it this way.
std::string zichtbaar(const std::string& naam);

// A test-case file that is not loaded, named by its bare file name.
std::string foutInBestand(const std::string& naam, int regel, int positie);
std::string teveelRegels(const std::string& naam);
std::string onleesbaar(const std::string& naam);
std::string bestaatNiet(const std::string& naam);

// Pasting into the window: the board is left alone when the clipboard holds no puzzle.
inline constexpr const char* KLEMBORD_GEEN_PUZZEL = " Geen puzzel op het klembord ";
inline constexpr const char* KLEMBORD_TE_WEINIG =
    " Geen puzzel op het klembord: te weinig getallen ";
inline constexpr const char* KLEMBORD_TEVEEL_REGELS =
    " Geen puzzel op het klembord: meer dan 9 regels ";
std::string klembordFout(int regel, int positie);

// Why a file or a batch line is not a puzzle (the command line's standard error and a batch's
// error lines, the window's status line after Openen or a drop). Every kind of refusal ends
// in the same description of a cell.
inline constexpr const char* EEN_CEL = "een cel is 1-9, '.', '0' of een spatie";
// A test-case file: a character that is no cell, at line `regel`, character `positie`.
std::string cliFoutTeken(int regel, int positie);
inline constexpr const char* CLI_TEVEEL_REGELS = "meer dan negen regels met cijfers";
inline constexpr const char* CLI_ONLEESBAAR = "kan niet gelezen worden";
inline constexpr const char* CLI_GEEN_GEWOON_BESTAND = "is geen gewoon bestand";
inline constexpr const char* CLI_NIET_TE_OPENEN = "kan niet geopend worden";
// What the system said of a file or of standard input, in plain words where we have them.
inline constexpr const char* CLI_BESTAAT_NIET = "bestaat niet";
// A file that "Openen…" or a drop does not load: the status text names the file and says why,
// in the command line's words (" Fout in x.txt: regel 2, positie 3: ongeldig teken; ... ").
std::string geweigerdBestand(const std::string& naam, const TestcaseInhoud& t);

}  // namespace sudoku::teksten
