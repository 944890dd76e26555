// The explanation of a solve in words: a technique's name, a unit, a step's line and its
// sentence, an exclusion's sentence, a proof item by item, and what the tip says when there
// is no step. The command line's --uitleg, the window's step box, its report and its tip all
// read them.
#pragma once

#include <bitset>
#include <span>
#include <string>

#include "board/reden.h"
#include "uitleg/oplossingen.h"

namespace sudoku::teksten {

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
// the technique's human name: "Verborgen enkeling in rij: in rij 1 kan de 7 alleen in r1k2,
// want kolom 5 heeft al een 7 (r4k5) en in r1k8 is de 7 weggestreept door het naakte paar 4
// en 7 in rij 1 (uitsluiting 3)." `alle` are the solve's exclusions so far (number n is
// alle[n - 1]): a struck candidate is said in words, with what struck it.
std::string stapWaarom(int rij, int kol, int getal, const Reden& reden,
                       std::span<const Uitsluiting> alle);
// Why an exclusion holds, and what it strikes for a person: its `weg` cells, or that the
// digit was gone there already; `steun` the earlier strikes its cause rests on (Oplospad):
// "Naakt paar: in rij 3 hebben r3k2 en r3k5 samen alleen de kandidaten 4 en 7, dus streep je
// de 4 weg in r3k1 en r3k9."
std::string uitsluitingWaarom(const Uitsluiting& u, const std::bitset<81>& weg,
                              std::span<const Grond> steun, std::span<const Uitsluiting> alle);

// "De 2. " and the step's sentence (only "De 2." without one).
std::string stapUitleg(const std::string& getal, const std::string& waarom);
// A step's proof in words, one item a line: "r3k1: de 2 staat al in r6k1", "de 4 staat al
// in r3k7", "de 9 is weggestreept door het naakte paar 4 en 9 in rij 2 (uitsluiting 2)", ...;
// `alle` are the solve's exclusions so far.
std::string bewijsInWoorden(int rij, int kol, int getal, const Reden& reden,
                            std::span<const Uitsluiting> alle);
// "r1k5 en r2k5": the cells (bit celNummer - 1) in reading order.
std::string cellenInWoorden(const std::bitset<81>& cellen);
// An exclusion as a line of the report's list:
// "uitsluiting 4: 5 valt af in r7k5 r9k5, Module BLOKKEN mbv uitz tabel, blok 2".
std::string uitsluitingRegel(int nummer, const Uitsluiting& u);
// An exclusion as a person's report lists it: where it strikes its digit, by its name
// ("uitsluiting 4: 8 weggestreept in r4k8 r4k9, opeisen, rij 6"), or, striking nothing, where
// the digit was gone already ("uitsluiting 11: 1 was al weg in r2k1 r3k2, opeisen, rij 1").
std::string wegRegel(int nummer, const Uitsluiting& u, const std::bitset<81>& weg);
// A run of those that strike nothing, as one line: "3 uitsluitingen strepen niets nieuws weg".
std::string stilRegel(int aantal);
inline constexpr const char* TABEL_GEWIST = "tabel gewist";
inline constexpr const char* TABEL_GEWIST_UITLEG =
    "Het programma maakt zijn uitzonderingstabel leeg en zoekt opnieuw; wat je hebt "
    "weggestreept, blijft weggestreept.";
inline constexpr const char* GOK_ONGEDAAN_UITLEG =
    "De gok liep vast: het bord gaat terug naar hoe het voor de gok stond, en wat je na die "
    "stap hebt weggestreept, komt terug.";
// The tip's first two steps (the third is the step's sentence): where to look, a unit and
// for a band the digit, never the cell ("Verborgen enkeling in rij: kijk naar rij 3."), with
// what must be struck first when the step rests on struck candidates; then the cell and the
// digit ("Verborgen enkeling in rij: in rij 3 kan de 7 maar op één plek: r3k5."). The unit
// of the first step: the step's own, the block of a naked single, a band without its block.
std::string tipWaarKijken(int rij, int kol, int getal, const Reden& reden,
                          std::span<const Uitsluiting> alle);
std::string tipCelEnCijfer(int rij, int kol, int getal, const Reden& reden);
Eenheid tipEenheid(int rij, int kol, const Reden& reden);
// A board that breaks the rules: "De 5 staat twee keer in rij 1."
std::string dubbelZin(int cijfer, const Eenheid& e);
inline constexpr const char* TIP_OPGELOST = "De puzzel is al helemaal ingevuld.";
// The ladder places nothing: "Geen stap gevonden met deze technieken; de puzzel heeft één
// oplossing" (or meer dan één, or geen).
std::string tipGeenStap(Oplossingen o);
inline constexpr const char* TIP_MET_GOK =
    " Met \"uitproberen toestaan\" aangevinkt kan een gok verder helpen.";

}  // namespace sudoku::teksten
