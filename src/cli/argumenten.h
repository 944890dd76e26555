// The command line's arguments, read all before anything is done.
#pragma once

#include <string>
#include <vector>

#include "cli/oplossen.h"

namespace sudoku::cli {

// What the arguments ask for.
struct Aanroep {
    Opties opties;
    bool batch = false, csv = false, tip = false, hulp = false, versie = false,
         takenGegeven = false;
    int taken = 1;
    std::vector<std::string> bestanden;
};

// Reads every argument, so that a wrong one is refused whatever else is given. Answers the
// usage error, or "".
std::string leesArgumenten(const std::vector<std::string>& args, Aanroep& a);

}  // namespace sudoku::cli
