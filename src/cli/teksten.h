// The command line's own reasons: what the system said of a file or of standard input, and
// why a batch line is not a puzzle. The reasons it shares with the window are in
// form/teksten.h.
#pragma once

#include <cstddef>
#include <string>

namespace sudoku::teksten {

inline constexpr const char* CLI_NIET_TE_LADEN = "kan niet geladen worden";
inline constexpr const char* CLI_GEEN_LEESRECHTEN = "geen leesrechten";
inline constexpr const char* CLI_IS_MAP = "is een map, geen bestand";
inline constexpr const char* CLI_GESLOTEN = "is gesloten";
// --tip without a step, when a guess would give one.
inline constexpr const char* CLI_TIP_MET_GOK = " Met --trial kan een gok verder helpen.";
// A batch line: `teken` as the line shows it ("'x'" or "(byte 0x07)"), at `positie` (from 1).
std::string cliBatchFoutTeken(const std::string& teken, std::size_t positie);
std::string cliBatchTeKort(std::size_t lengte);

}  // namespace sudoku::teksten
