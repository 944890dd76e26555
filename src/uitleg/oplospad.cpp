#include "uitleg/oplospad.h"

#include <algorithm>
#include <utility>

#include "ui/teksten.h"

namespace sudoku {

void Oplospad::begin(std::string bord) {
    bord.resize(81, '.');
    for (char& c : bord)
        if (c < '1' || c > '9') c = '.';
    begin_ = std::move(bord);
    gebeurtenissen_.clear();
    perTechniek_.fill(0);
    stappen_ = 0;
    gokStap_ = 0;
    hoogste_ = Niveau::Basis;
}

void Oplospad::geplaatst(int rij, int kol, const std::string& getal, const Reden& reden) {
    Gebeurtenis g;
    g.stap = ++stappen_;
    g.rij = rij;
    g.kol = kol;
    g.getal = getal.size() == 1 ? getal[0] : '.';
    g.reden = reden;
    gebeurtenissen_.push_back(g);
    ++perTechniek_[static_cast<std::size_t>(reden.techniek)];
    hoogste_ = std::max(hoogste_, niveauVan(reden.techniek));
    if (reden.techniek == Techniek::Uitproberen) gokStap_ = g.stap;
}

void Oplospad::gokOngedaan() {
    Gebeurtenis g;
    g.soort = Gebeurtenis::Soort::GokOngedaan;
    g.stap = std::max(0, gokStap_ - 1);
    gebeurtenissen_.push_back(g);
}

Niveau Oplospad::niveau(bool opgelost) const { return opgelost ? hoogste_ : Niveau::Onopgelost; }

std::string Oplospad::regel(std::size_t i) const {
    if (i >= gebeurtenissen_.size()) return "";
    const Gebeurtenis& g = gebeurtenissen_[i];
    if (g.soort == Gebeurtenis::Soort::GokOngedaan) return teksten::gokOngedaanRegel(g.stap);
    return teksten::stapRegel(g.stap, g.rij, g.kol, std::string(1, g.getal), g.reden);
}

std::string Oplospad::bordNa(std::size_t i) const {
    // Replayed from the start: an undone guess takes the board back to a step's board,
    // so the boards after each step are kept on the way.
    std::vector<std::string> naStap{begin_};
    std::string bord = begin_;
    for (std::size_t j = 0; j <= i && j < gebeurtenissen_.size(); ++j) {
        const Gebeurtenis& g = gebeurtenissen_[j];
        if (g.soort == Gebeurtenis::Soort::GokOngedaan) {
            bord = naStap[static_cast<std::size_t>(
                std::min<int>(g.stap, static_cast<int>(naStap.size()) - 1))];
            continue;
        }
        if (g.rij >= 1 && g.rij <= 9 && g.kol >= 1 && g.kol <= 9)
            bord[static_cast<std::size_t>((g.rij - 1) * 9 + g.kol - 1)] = g.getal;
        naStap.push_back(bord);
    }
    return bord;
}

}  // namespace sudoku
