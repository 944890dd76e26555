// Every text the program shows in its status line, its step box, its menus and its report,
// and the reasons the command line gives for input it refuses, in one place: the core, the command line, the
// headless controls and the window all take them from here. Spaces at the ends are part
// of the texts.
#pragma once

#include <bitset>
#include <string>

#include "solver/afloop.h"
#include "uitleg/oplossingen.h"
#include "uitleg/reden.h"

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

// The end of a solve.
inline constexpr const char* OPGELOST = " Sudoku succesvol ingevuld! ";
inline constexpr const char* OPGELOST_NA_GOK = " Sudoku succesvol ingevuld! (na een gok) ";
inline constexpr const char* NIET_GELDIG = " Sudoku ingevuld, maar niet geldig ";
inline constexpr const char* NIET_GENOEG_KENNIS =
    "Jammer niet genoeg kennis om de reeks op te lossen";
inline constexpr const char* INVOER_NIET_KOMPLEET =
    "Jammer, waarschijnlijk is de invoer niet kompleet";
// The final status text of a solve that ended this way; "" for NogNietOpgelost, which
// writes none.
const char* statusTekst(Afloop afloop);

// The module banners (written when "weergave modules" is ticked) and the texts that
// report a placement in the exception or naked stages (written whatever the option).
inline constexpr const char* MODULE_CEL = " Module CEL ";
inline constexpr const char* MODULE_CEL_UITZ = " Module CEL mbv uitzondering tabel ";
inline constexpr const char* MODULE_CEL_NAKED_PAIR = " Module CEL --> Naked Pair ";
inline constexpr const char* MODULE_CEL_NAKED_TRIPLE = " Module CEL --> Naked Triple ";
inline constexpr const char* MODULE_CEL_NAKED_TRIPLE_3PAIRS =
    " Module CEL --> Naked Triple *3pairs* ";
inline constexpr const char* MODULE_LIJNEN_H = " Module LIJNEN Horizontaal ";
inline constexpr const char* MODULE_LIJNEN_V = " Module LIJNEN Verticaal ";
inline constexpr const char* MODULE_LIJNEN_H_UITZ = " Module LIJNEN Horizontaal mbv uitz tabel ";
inline constexpr const char* MODULE_LIJNEN_V_UITZ = " Module LIJNEN Verticaal mbv uitz tabel ";
inline constexpr const char* MODULE_LIJNEN_H_NAKED_PAIR = " Module LIJNEN Horizontaal Naked Pair ";
inline constexpr const char* MODULE_LIJNEN_V_NAKED_PAIR = " Module LIJNEN Verticaal Naked Pair ";
inline constexpr const char* MODULE_LIJNEN_H_NAKED_TRIPLE =
    " Module LIJNEN Horizontaal Naked Triple ";
inline constexpr const char* MODULE_LIJNEN_V_NAKED_TRIPLE =
    " Module LIJNEN Verticaal Naked Triple ";
inline constexpr const char* MODULE_LIJNEN_H_NAKED_TRIPLE_3PAIRS =
    " Module LIJNEN Horizontaal Naked Triple 3pairs ";
inline constexpr const char* MODULE_LIJNEN_V_NAKED_TRIPLE_3PAIRS =
    " Module LIJNEN Verticaal Naked Triple 3pairs ";
inline constexpr const char* MODULE_BLOKKEN = " Module BLOKKEN ";
inline constexpr const char* MODULE_BLOKKEN_UITZ = " Module BLOKKEN mbv uitz tabel ";
inline constexpr const char* MODULE_BLOKLIJNEN_H = " Module BLOKLIJNEN Horizontaal ";
inline constexpr const char* MODULE_BLOKLIJNEN_V = " Module BLOKLIJNEN Verticaal ";
inline constexpr const char* MODULE_NAKED_PAIR = " Module Naked Pair ";
inline constexpr const char* MODULE_NAKED_TRIPLE = " Module Naked Triple ";
inline constexpr const char* MODULE_NAKED_TRIPLE_3PAIRS = " Module Naked Triple *3pairs* ";
inline constexpr const char* MODULE_UITPROBEREN = " Module Uitproberen ";
inline constexpr const char* FOUT_HERSTELD = " Fout hersteld na mislukte gok ";

// What a person calls each technique, beside its module's text.
inline constexpr const char* NAAM_RIJ = "alleen mogelijk in rij";
inline constexpr const char* NAAM_KOLOM = "alleen mogelijk in kolom";
inline constexpr const char* NAAM_BLOK = "alleen mogelijk in blok";
inline constexpr const char* NAAM_CEL = "enige kandidaat";
inline constexpr const char* NAAM_BAND = "kruisen in een band";
inline constexpr const char* NAAM_PAAR = "paar";
inline constexpr const char* NAAM_DRIETAL = "drietal";
inline constexpr const char* NAAM_DRIE_PAREN = "drietal van drie paren";
inline constexpr const char* NAAM_GOK = "gok";
inline constexpr const char* NAAM_HERSTEL = "herstel na een mislukte gok";

// The step box, shown for every placed number when "weergave tussenstappen" is ticked.
inline constexpr const char* STAP_TITEL = "Gevonden SUDOKU getal !";
// "Getal in rij:  9  en kolom:  1  is gevuld.    ": each number after the space that ends
// the text before it and a sign position.
std::string stapTekst(int rij, int kol);

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

// The explanation of a solve.
// The technique's name: its module's banner without the spaces at its ends
// ("Module LIJNEN Horizontaal mbv uitz tabel"; "Fout hersteld na mislukte gok").
const char* techniekNaam(Techniek t);
// "rij 3", "kolom 7", "blok 5", "rijen 1-3, blok 2", "kolommen 4-6, blok 5"; the cell
// module's unit: "rij 3, kolom 7 en blok 3".
std::string eenheidTekst(const Eenheid& e);
// "basis", "uitzonderingstabel", "naked", "gok", "onopgelost".
const char* niveauTekst(Niveau n);
// The command line's one word: "uniek", "meerdere", "geen".
const char* oplossingenWoord(Oplossingen o);
// The window's words: "uniek", "meerdere oplossingen", "geen oplossing".
const char* oplossingenZin(Oplossingen o);
// "stap 12: rij 3, kolom 7 = 5, Module LIJNEN Horizontaal, rij 3"; " (gok)" after the
// guess itself, " (onder gok)" after a step made while a guess was in force.
std::string stapRegel(int stap, int rij, int kol, const std::string& getal, const Reden& reden);
// "gok ongedaan: terug naar stap 16".
std::string gokOngedaanRegel(int terugNaarStap);
// Why digit `getal` went to (rij, kol), from the step's proof, in a person's words, after
// the technique's human name: "Alleen mogelijk in rij: in rij 1 kan de 7 alleen in kolom 2,
// want kolom 5 heeft al een 7 (rij 4) en kolom 8 ook (rij 9)."
std::string stapWaarom(int rij, int kol, int getal, const Reden& reden);
// Why an exclusion holds: "Paar: in rij 3 hebben kolom 2 en kolom 5 samen alleen 4 en 7, dus
// valt de 4 af in de rest van rij 3."
std::string uitsluitingWaarom(const Uitsluiting& u);

// The window's buttons and option labels: "&" marks the letter that with Alt presses the
// button or ticks the box, underlined; none is a menu's letter (B, W, O, H).
inline constexpr const char* KNOP_INVOER = "&Invoer";
inline constexpr const char* KNOP_BEVESTIG = "Be&vestig";
inline constexpr const char* KNOP_START = "&Start";
inline constexpr const char* KNOP_HERSTART = "He&rstart";
inline constexpr const char* OPTIE_TUSSENSTAP = "weergave &tussenstappen";
inline constexpr const char* OPTIE_MODULE = "weergave &modules";
inline constexpr const char* OPTIE_UITPROBEREN = "&uitproberen toestaan";

// What a cell box holds, for a screen reader (its accessible description): a given number,
// one the solver found, or nothing.
inline constexpr const char* CEL_GEGEVEN = "gegeven";
inline constexpr const char* CEL_GEVONDEN = "gevonden";
inline constexpr const char* CEL_LEEG = "leeg";

// The window's menu bar ("&" marks the key that opens a menu or picks an item).
inline constexpr const char* MENU_BESTAND = "&Bestand";
inline constexpr const char* MENU_OPENEN = "&Openen…";
inline constexpr const char* MENU_AFSLUITEN = "&Afsluiten";
inline constexpr const char* MENU_BEWERKEN = "Be&werken";
inline constexpr const char* MENU_KOPIEREN = "&Kopiëren";
inline constexpr const char* MENU_PLAKKEN = "&Plakken";
inline constexpr const char* MENU_OPLOSSING = "&Oplossing";
inline constexpr const char* MENU_VERSLAG = "&Verslag…";
inline constexpr const char* MENU_CONTROLEER = "&Controleer puzzel";
inline constexpr const char* MENU_HELP = "&Help";
inline constexpr const char* MENU_UITLEG = "&Uitleg";
inline constexpr const char* MENU_OVER = "&Over Sudoku Blad";
inline constexpr const char* MENUBALK_NAAM = "menubalk";

// "Openen…": the file dialog.
inline constexpr const char* OPENEN_TITEL = "Puzzel openen";
inline constexpr const char* OPENEN_FILTER = "Puzzels (*.txt);;Alle bestanden (*)";
inline constexpr const char* OPENEN_ZOEKEN_IN = "Zoeken in:";
inline constexpr const char* OPENEN_BESTANDSNAAM = "Bestandsnaam:";
inline constexpr const char* OPENEN_BESTANDSTYPE = "Bestandstype:";
inline constexpr const char* OPENEN_KNOP = "&Openen";
inline constexpr const char* ANNULEREN = "Annuleren";
// A file that "Openen…" or a drop does not load: the status text names the file and says why,
// in the command line's words (" Fout in x.txt: regel 2, positie 3: ongeldig teken; ... ").
std::string geweigerdBestand(const std::string& naam, const TestcaseInhoud& t);

// "Controleer puzzel": its own message box, never the status line.
inline constexpr const char* CONTROLE_TITEL = "Controleer puzzel";
// "De puzzel is uniek." and so on, around oplossingenZin.
std::string controleZin(Oplossingen o);
// What follows it: how many ways there are to fill the grid.
const char* controleUitleg(Oplossingen o);
// A digit given twice: "De 5 staat twee keer in rij 3." (a row, column or block).
std::string controleDubbel(int cijfer, const Eenheid& e);
// A typed box that "Bevestig" would refuse.
std::string controleOngeldig(int rij, int kol);

// The report of the last solve ("Verslag", F2).
inline constexpr const char* VERSLAG_TITEL = "Verslag";
inline constexpr const char* VERSLAG_GEEN = "Nog geen oplossing: druk op Start.";
inline constexpr const char* VERSLAG_BEZIG = "De oplossing loopt nog.";
inline constexpr const char* VERSLAG_GEEN_STAPPEN = "Geen stappen: er is geen getal geplaatst.";
inline constexpr const char* VERSLAG_VORIGE = "&Vorige";
inline constexpr const char* VERSLAG_VOLGENDE = "V&olgende";
inline constexpr const char* VERSLAG_KOPIEREN = "&Kopiëren";
inline constexpr const char* SLUITEN = "&Sluiten";
inline constexpr const char* VERSLAG_SAMENVATTING_NAAM = "samenvatting";
inline constexpr const char* VERSLAG_STAPPEN_NAAM = "stappen";
inline constexpr const char* VERSLAG_BORD_NAAM = "bord na de stap";
// "Niveau: gok", "Oplossingen: uniek", "Module BLOKKEN: 26", "Puzzel: 4.....8.5...".
std::string verslagNiveau(Niveau n);
std::string verslagOplossingen(Oplossingen o);
std::string verslagTechniek(Techniek t, int aantal);
std::string verslagPuzzel(const std::string& bord);
inline constexpr const char* VERSLAG_STAPPEN_KOP = "Stappen:";

// Help: the page itself lives with the window (src/ui/qt/uitleg_pagina.cpp).
inline constexpr const char* UITLEG_TITEL = "Uitleg";
inline constexpr const char* OVER_TITEL = "Over Sudoku Blad";
// Name, version and what the program does.
std::string overTekst(const std::string& versie);

// The command line: why a file or a batch line is not a puzzle (on standard error, and in
// a batch's error lines). Every kind of refusal ends in the same description of a cell.
inline constexpr const char* EEN_CEL = "een cel is 1-9, '.', '0' of een spatie";
// A test-case file: a character that is no cell, at line `regel`, character `positie`.
std::string cliFoutTeken(int regel, int positie);
inline constexpr const char* CLI_TEVEEL_REGELS = "meer dan negen regels met cijfers";
inline constexpr const char* CLI_ONLEESBAAR = "kan niet gelezen worden";
inline constexpr const char* CLI_GEEN_GEWOON_BESTAND = "is geen gewoon bestand";
inline constexpr const char* CLI_NIET_TE_OPENEN = "kan niet geopend worden";
inline constexpr const char* CLI_NIET_TE_LADEN = "kan niet geladen worden";
// What the system said of a file or of standard input, in plain words where we have them.
inline constexpr const char* CLI_BESTAAT_NIET = "bestaat niet";
inline constexpr const char* CLI_GEEN_LEESRECHTEN = "geen leesrechten";
inline constexpr const char* CLI_IS_MAP = "is een map, geen bestand";
inline constexpr const char* CLI_GESLOTEN = "is gesloten";
// A batch line: `teken` as the line shows it ("'x'" or "(byte 0x07)"), at `positie` (from 1).
std::string cliBatchFoutTeken(const std::string& teken, std::size_t positie);
std::string cliBatchTeKort(std::size_t lengte);

// The window explains: under the step box's text, in the tip and in the report.
// "De 2. " and the step's sentence (only "De 2." without one).
std::string stapUitleg(const std::string& getal, const std::string& waarom);
// A step's proof in words, one item a line: "rij 3, kolom 1: de 2 staat al in rij 6,
// kolom 1", "de 4 staat al in rij 3, kolom 7", "de 9 is uitgesloten (uitsluiting 2)", ...
std::string bewijsInWoorden(int rij, int kol, int getal, const Reden& reden);
// "rij 1, kolom 5 en rij 2, kolom 5": the cells (bit celNummer - 1) in reading order.
std::string cellenInWoorden(const std::bitset<81>& cellen);
// An exclusion as a line of the report's list:
// "uitsluiting 4: 5 valt af in r7k5 r9k5, Module BLOKKEN mbv uitz tabel, blok 2".
std::string uitsluitingRegel(int nummer, const Uitsluiting& u);
inline constexpr const char* TABEL_GEWIST = "tabel gewist";
inline constexpr const char* BEWIJS_KOP = "Bewijs:";
inline constexpr const char* OORZAAK_KOP = "Oorzaak: ";
inline constexpr const char* VALT_AF_KOP = "Valt af in: ";
inline constexpr const char* TABEL_GEWIST_UITLEG =
    "De uitzonderingstabel is leeggemaakt: wat erin stond, telt niet meer.";
inline constexpr const char* GOK_ONGEDAAN_UITLEG =
    "De gok liep vast: het bord gaat terug naar hoe het voor de gok stond.";
inline constexpr const char* VERSLAG_KANDIDATEN = "Kan&didaten";
inline constexpr const char* VERSLAG_UITLEG_NAAM = "uitleg van de stap";
// "Tip" (F3) in the Oplossing menu, and its window.
inline constexpr const char* MENU_TIP = "&Tip";
inline constexpr const char* TIP_TITEL = "Tip";
inline constexpr const char* TIP_NAAM = "tip";
inline constexpr const char* TIP_OPGELOST = "De puzzel is al helemaal ingevuld.";
// The ladder places nothing: "Geen stap gevonden met deze technieken; de puzzel heeft één
// oplossing" (or meer dan één, or geen).
std::string tipGeenStap(Oplossingen o);
inline constexpr const char* TIP_MET_GOK =
    " Met \"uitproberen toestaan\" aangevinkt kan een gok verder helpen.";

}  // namespace sudoku::teksten
