// --uitleg: every entry of the solution path as the command line prints it, a step with the
// sentence and the proof under it, an exclusion with its sentence and cause:
//   stap 1: rij 3, kolom 2 = 2, Module BLOKLIJNEN Horizontaal, rijen 1-3, blok 1
//     waarom: Kruisen in een band: in blok 1 moet de 2 in rij 3, ...
//     bewijs: band: r1k5 r2k9; r3k1: r6k1; r3k3: r8k3
//   uitsluiting 4: 5 valt af in r7k5 r9k5, Module BLOKKEN mbv uitz tabel, blok 2
//     waarom: ...
//     oorzaak: r1k5 r2k5
//   tabel gewist
#pragma once

#include <bitset>
#include <cstddef>
#include <ostream>
#include <string>

#include "uitleg/oplospad.h"

namespace sudoku::cli {

// Entry k of the path's verloop(), its indented lines included.
void schrijfUitleg(std::ostream& uit, const Oplospad& pad, std::size_t k);

// "r3k5 r7k5": the cells in ascending order.
std::string cellenTekst(const std::bitset<81>& cellen);
// The proof of a step: "band: r1k5 r2k9; r3k1: r6k1", "4: r3k7; 9: uitsluiting 2", ...
std::string bewijsTekst(const Reden& reden);

}  // namespace sudoku::cli
