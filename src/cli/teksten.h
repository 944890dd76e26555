// The command line's own reasons: what the system said of a file or of standard input, and
// why a batch line is not a puzzle. The reasons it shares with the window are in
// form/teksten.h.
#pragma once

#include <cstddef>
#include <string>

namespace sudoku {
struct GeladenTestcase;
}

namespace sudoku::teksten {

inline constexpr const char* CLI_NIET_TE_LADEN = "kan niet geladen worden";
inline constexpr const char* CLI_GEEN_LEESRECHTEN = "geen leesrechten";
inline constexpr const char* CLI_IS_MAP = "is een map, geen bestand";
inline constexpr const char* CLI_GESLOTEN = "is gesloten";
// --tip without a step, when a guess would give one.
inline constexpr const char* CLI_TIP_MET_GOK = " Met --trial kan een gok verder helpen.";
// What the system said (an errno value) in plain words, one text per cause whichever call
// met it, in single and batch mode alike; a cause without words of its own is named by its
// code ("onverwachte systeemfout (EXDEV)").
std::string systeemReden(int fout);
// Why the file at a path was not read or not loaded, from what the loader found.
std::string weigerReden(const GeladenTestcase& g);
// Reading failed part-way: after line `regel` of a batch, or (0) somewhere in a test case.
std::string cliLezenMislukt(long regel, int fout);
// A batch line: `teken` as the line shows it ("'x'" or "(byte 0x07)"), at `positie` (from 1).
std::string cliBatchFoutTeken(const std::string& teken, std::size_t positie);
std::string cliBatchTeKort(std::size_t lengte);

}  // namespace sudoku::teksten
