#include "uitleg/opname.h"

namespace sudoku {

void OplosOpname::begin(const std::string& bord, bool tellen) {
    pad.begin(bord);
    verslag = OplosVerslag{};
    verslag.puzzel = pad.beginBord();
    if (tellen) verslag.oplossingen = telOplossingen(verslag.puzzel);
}

void OplosOpname::eind(bool opgelost) {
    verslag.niveau = pad.niveau(opgelost);
    verslag.stappen = pad.stappen();
    verslag.gokken = pad.gokken();
    for (int t = 0; t < AANTAL_TECHNIEKEN; ++t)
        verslag.perTechniek[static_cast<std::size_t>(t)] = pad.aantal(static_cast<Techniek>(t));
}

}  // namespace sudoku
