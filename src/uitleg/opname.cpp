#include "uitleg/opname.h"

#include <algorithm>

namespace sudoku {

void OplosOpname::begin(const std::string& bord, bool tellen) {
    pad.begin(bord);
    verslag = OplosVerslag{};
    verslag.puzzel = pad.beginBord();
    verslag.gegeven = static_cast<int>(std::count_if(verslag.puzzel.begin(), verslag.puzzel.end(),
                                                     [](char c) { return c >= '1' && c <= '9'; }));
    if (!tellen) return;
    verslag.oplossingen = telOplossingen(verslag.puzzel, &verslag.oplossing);
    if (verslag.oplossingen != Oplossingen::Uniek) verslag.oplossing.clear();
}

void OplosOpname::eind(bool opgelost) {
    verslag.niveau = pad.niveau(opgelost);
    verslag.stappen = pad.stappen();
    verslag.gokken = pad.gokken();
    for (int t = 0; t < AANTAL_TECHNIEKEN; ++t)
        verslag.perTechniek[static_cast<std::size_t>(t)] = pad.aantal(static_cast<Techniek>(t));
}

}  // namespace sudoku
