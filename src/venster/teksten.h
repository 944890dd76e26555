// The window's own texts: its buttons and option labels, menus, the file dialog, the check
// of a puzzle, the report, the help and the tip's window. Spaces at the ends are part of the
// texts.
#pragma once

#include <string>

#include "board/reden.h"
#include "uitleg/oplossingen.h"

namespace sudoku::teksten {

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

// Help: the page itself lives with the window (src/venster/uitleg_pagina.cpp).
inline constexpr const char* UITLEG_TITEL = "Uitleg";
inline constexpr const char* OVER_TITEL = "Over Sudoku Blad";
// Name, version and what the program does.
std::string overTekst(const std::string& versie);

// Labels of the report and the tip.
inline constexpr const char* BEWIJS_KOP = "Bewijs:";
inline constexpr const char* OORZAAK_KOP = "Oorzaak: ";
inline constexpr const char* WEG_KOP = "Weggestreept in: ";
inline constexpr const char* WEG_NIETS = "niets nieuws";
// A run of exclusions that strike nothing new, folded into one line: what a screen reader
// hears of it, and what the report says of it when chosen, open or closed.
inline constexpr const char* STIL_OPENEN = "dichtgeklapt; Enter toont ze";
inline constexpr const char* STIL_SLUITEN = "opengeklapt; Enter verbergt ze";
std::string stilUitleg(int aantal, bool open);
// Under a step made while a guess is in force: what the dotted frames on the board are.
inline constexpr const char* GOK_STIPPEL_UITLEG =
    "Gestippeld op het bordje: wat de gok en de stappen onder de gok hebben geplaatst. Loopt de "
    "gok vast, dan gaat dat allemaal weer weg.";
// Under a repair: what its board shows.
std::string herstelBordUitleg(int cijfer, int blok);
inline constexpr const char* VERSLAG_KANDIDATEN = "Kan&didaten";
inline constexpr const char* VERSLAG_UITLEG_NAAM = "uitleg van de stap";
// "Tip" (F3) in the Oplossing menu, and its window.
inline constexpr const char* MENU_TIP = "&Tip";
inline constexpr const char* TIP_TITEL = "Tip";
inline constexpr const char* TIP_NAAM = "tip";
inline constexpr const char* TIP_MEER = "&Meer hulp";
// Under the second and third level: "Het rood omlijste vak is rij 3, kolom 2." (the cell as
// its box is named, which the text writes r3k2).
std::string tipCelRegel(int rij, int kol);

}  // namespace sudoku::teksten
