#include "uitleg/oplospad.h"

#include <algorithm>
#include <utility>

#include "uitleg/teksten.h"

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
    uitsluitingen_.clear();
    verloop_.clear();
    inWerking_.fill(0);
}

void Oplospad::geplaatst(int rij, int kol, const std::string& getal, const Reden& reden) {
    Gebeurtenis g;
    g.stap = ++stappen_;
    g.rij = rij;
    g.kol = kol;
    g.getal = getal.size() == 1 ? getal[0] : '.';
    g.reden = reden;
    // The proof names the exclusions it rests on by their numbers, and a repair its guess.
    Bewijs& b = g.reden.bewijs;
    for (std::size_t i = 0; i < b.aantal; ++i) {
        Grond& gr = b.gronden[i];
        if (gr.door == 0 && gr.cijfer >= 1 && gr.cijfer <= 9 && gr.cel >= 1 && gr.cel <= 81)
            gr.uitsluiting =
                inWerking_[static_cast<std::size_t>((gr.cijfer - 1) * 81 + gr.cel - 1)];
    }
    if (b.soort == Bewijs::Soort::Herstel) b.gokStap = gokStap_;
    verloop_.push_back(
        {Verloop::Soort::Gebeurtenis, gebeurtenissen_.size(), gebeurtenissen_.size()});
    gebeurtenissen_.push_back(g);
    if (static_cast<int>(reden.techniek) < AANTAL_TECHNIEKEN)
        ++perTechniek_[static_cast<std::size_t>(reden.techniek)];
    hoogste_ = std::max(hoogste_, niveauVan(reden.techniek));
    if (reden.techniek == Techniek::Uitproberen) gokStap_ = g.stap;
}

void Oplospad::gokOngedaan() {
    Gebeurtenis g;
    g.soort = Gebeurtenis::Soort::GokOngedaan;
    g.stap = std::max(0, gokStap_ - 1);
    verloop_.push_back(
        {Verloop::Soort::Gebeurtenis, gebeurtenissen_.size(), gebeurtenissen_.size()});
    gebeurtenissen_.push_back(g);
    // The board goes back, and the exclusions made on it with it.
    inWerking_.fill(0);
}

void Oplospad::uitsluitingGemaakt(const Uitsluiting& u) {
    verloop_.push_back(
        {Verloop::Soort::Uitsluiting, uitsluitingen_.size(), gebeurtenissen_.size()});
    uitsluitingen_.push_back(u);
    const auto nummer =
        static_cast<std::uint16_t>(std::min<std::size_t>(uitsluitingen_.size(), 65535));
    if (u.cijfer < 1 || u.cijfer > 9) return;
    for (std::size_t c = 0; c < 81; ++c)
        if (u.cellen.test(c)) {
            std::uint16_t& n = inWerking_[static_cast<std::size_t>(u.cijfer - 1) * 81 + c];
            if (n == 0) n = nummer;
        }
}

void Oplospad::tabelGewist() {
    verloop_.push_back({Verloop::Soort::TabelGewist, 0, gebeurtenissen_.size()});
    inWerking_.fill(0);
}

std::string Oplospad::waarom(std::size_t k) const {
    if (k >= verloop_.size()) return "";
    const Verloop& v = verloop_[k];
    if (v.soort == Verloop::Soort::Uitsluiting)
        return teksten::uitsluitingWaarom(uitsluitingen_[v.index]);
    if (v.soort == Verloop::Soort::TabelGewist) return "";
    const Gebeurtenis& g = gebeurtenissen_[v.index];
    if (g.soort != Gebeurtenis::Soort::Stap) return "";
    return teksten::stapWaarom(g.rij, g.kol, g.getal - '0', g.reden);
}

std::string Oplospad::bordVoor(std::size_t k) const {
    const std::size_t voor =
        k < verloop_.size() ? verloop_[k].gebeurtenissenVoor : gebeurtenissen_.size();
    return voor == 0 ? begin_ : bordNa(voor - 1);
}

Uitgesloten Oplospad::uitgeslotenVoor(std::size_t k) const {
    Uitgesloten u{};
    for (std::size_t j = 0; j < k && j < verloop_.size(); ++j) {
        const Verloop& v = verloop_[j];
        if (v.soort == Verloop::Soort::Uitsluiting) {
            const Uitsluiting& x = uitsluitingen_[v.index];
            if (x.cijfer >= 1 && x.cijfer <= 9)
                u[static_cast<std::size_t>(x.cijfer - 1)] |= x.cellen;
        } else if (v.soort == Verloop::Soort::TabelGewist ||
                   gebeurtenissen_[v.index].soort == Gebeurtenis::Soort::GokOngedaan) {
            u = Uitgesloten{};
        }
    }
    return u;
}

std::bitset<81> Oplospad::bewijsCellen(std::size_t k) const {
    std::bitset<81> b;
    if (k >= verloop_.size()) return b;
    const Verloop& v = verloop_[k];
    if (v.soort == Verloop::Soort::Uitsluiting) return uitsluitingen_[v.index].oorzaak;
    if (v.soort != Verloop::Soort::Gebeurtenis) return b;
    const Bewijs& bw = gebeurtenissen_[v.index].reden.bewijs;
    auto zet = [&](int cel) {
        if (cel >= 1 && cel <= 81) b.set(static_cast<std::size_t>(cel - 1));
    };
    if (bw.soort == Bewijs::Soort::Band) zet(bw.band[0]), zet(bw.band[1]);
    for (std::size_t i = 0; i < bw.aantal; ++i) {
        zet(bw.gronden[i].door);
        if (bw.soort != Bewijs::Soort::Cel) zet(bw.gronden[i].cel);
    }
    return b;
}

std::bitset<81> Oplospad::verwijderdeCellen(std::size_t k) const {
    if (k < verloop_.size() && verloop_[k].soort == Verloop::Soort::Uitsluiting)
        return uitsluitingen_[verloop_[k].index].cellen;
    return {};
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
