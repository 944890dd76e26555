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
    potlood_.begin(begin_);
    weg_.clear();
    steun_.clear();
    steunBegin_.clear();
    uitsluitingenNaStap_ = 0;
    uitsluitingenVoorGok_ = 0;
}

void Oplospad::geplaatst(int rij, int kol, const std::string& getal, const Reden& reden) {
    Gebeurtenis g;
    g.stap = ++stappen_;
    g.rij = rij;
    g.kol = kol;
    g.getal = getal.size() == 1 ? getal[0] : '.';
    g.reden = reden;
    // The proof names the exclusions it rests on by their numbers: the one that first struck
    // the digit there for a person, whatever the table has forgotten since; a repair names
    // its guess.
    Bewijs& b = g.reden.bewijs;
    for (std::size_t i = 0; i < b.aantal; ++i) {
        Grond& gr = b.gronden[i];
        if (gr.door == 0 && gr.cijfer >= 1 && gr.cijfer <= 9 && gr.cel >= 1 && gr.cel <= 81)
            gr.uitsluiting = potlood_.geschraptDoor(gr.cijfer, gr.cel - 1);
    }
    if (b.soort == Bewijs::Soort::Herstel) b.gokStap = gokStap_;
    const bool gok = reden.techniek == Techniek::Uitproberen;
    if (gok) uitsluitingenVoorGok_ = uitsluitingenNaStap_;
    if (rij >= 1 && rij <= 9 && kol >= 1 && kol <= 9)
        potlood_.geplaatst(celNummer(rij, kol) - 1, g.getal - '0', gok);
    uitsluitingenNaStap_ = uitsluitingen_.size();
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
    // The board goes back, and the person's strikes made on it with it.
    g.uitsluitingenBlijven = uitsluitingenVoorGok_;
    verloop_.push_back(
        {Verloop::Soort::Gebeurtenis, gebeurtenissen_.size(), gebeurtenissen_.size()});
    gebeurtenissen_.push_back(g);
    potlood_.gokOngedaan();
}

void Oplospad::uitsluitingGemaakt(const Uitsluiting& u) {
    verloop_.push_back(
        {Verloop::Soort::Uitsluiting, uitsluitingen_.size(), gebeurtenissen_.size()});
    uitsluitingen_.push_back(u);
    // What the cause rests on, on the person's marks before this exclusion: the cells of the
    // unit outside the cause where a confined digit is struck, or the naked set's other digits
    // struck in its cells (the placed digits need no citing).
    steunBegin_.push_back(steun_.size());
    auto neem = [&](int c, int d) {
        if (d < 1 || d > 9 || !potlood_.leeg(c) || potlood_.ziet(d, c)) return;
        if (const int n = potlood_.geschraptDoor(d, c); n != 0) steun_.push_back({c + 1, d, 0, n});
    };
    const bool opgesloten =
        u.soort == Uitsluiting::Soort::BlokInLijn || u.soort == Uitsluiting::Soort::LijnInBlok;
    const std::bitset<81> kijk = opgesloten ? u.eenheid.cellen() & ~u.oorzaak : u.oorzaak;
    for (int c = 0; c < 81; ++c) {
        if (!kijk.test(static_cast<std::size_t>(c))) continue;
        if (opgesloten) {
            neem(c, u.cijfer);
        } else {
            for (int e = 1; e <= 9; ++e)
                if (std::find(u.set.begin(), u.set.end(), e) == u.set.end()) neem(c, e);
        }
    }
    weg_.push_back(potlood_.streep(static_cast<int>(uitsluitingen_.size()), u.cijfer, u.cellen));
}

void Oplospad::tabelGewist() {
    verloop_.push_back({Verloop::Soort::TabelGewist, 0, gebeurtenissen_.size()});
}

std::string Oplospad::waarom(std::size_t k) const {
    if (k >= verloop_.size()) return "";
    const Verloop& v = verloop_[k];
    if (v.soort == Verloop::Soort::Uitsluiting) {
        const int n = static_cast<int>(v.index) + 1;
        return teksten::uitsluitingWaarom(uitsluitingen_[v.index], wegVan(n), steunVan(n),
                                          uitsluitingen_);
    }
    if (v.soort == Verloop::Soort::TabelGewist) return "";
    const Gebeurtenis& g = gebeurtenissen_[v.index];
    if (g.soort != Gebeurtenis::Soort::Stap) return "";
    return teksten::stapWaarom(g.rij, g.kol, g.getal - '0', g.reden, uitsluitingen_);
}

std::bitset<81> Oplospad::wegVan(int n) const {
    if (n < 1 || static_cast<std::size_t>(n) > weg_.size()) return {};
    return weg_[static_cast<std::size_t>(n - 1)];
}

std::span<const Grond> Oplospad::steunVan(int n) const {
    if (n < 1 || static_cast<std::size_t>(n) > steunBegin_.size()) return {};
    const std::size_t i = static_cast<std::size_t>(n - 1);
    const std::size_t eind = i + 1 < steunBegin_.size() ? steunBegin_[i + 1] : steun_.size();
    return std::span<const Grond>(steun_).subspan(steunBegin_[i], eind - steunBegin_[i]);
}

std::vector<int> Oplospad::steuntOp(int n) const {
    std::vector<int> nummers;
    for (const Grond& g : steunVan(n)) nummers.push_back(g.uitsluiting);
    std::sort(nummers.begin(), nummers.end());
    nummers.erase(std::unique(nummers.begin(), nummers.end()), nummers.end());
    return nummers;
}

Uitgesloten Oplospad::weggestreeptVoor(std::size_t k) const {
    Uitgesloten u{};
    std::vector<std::size_t> gestreept;  // the exclusions whose strikes stand, in order
    for (std::size_t j = 0; j < k && j < verloop_.size(); ++j) {
        const Verloop& v = verloop_[j];
        if (v.soort == Verloop::Soort::Uitsluiting) {
            const int d = uitsluitingen_[v.index].cijfer;
            if (d >= 1 && d <= 9) u[static_cast<std::size_t>(d - 1)] |= weg_[v.index];
            gestreept.push_back(v.index);
        } else if (v.soort == Verloop::Soort::Gebeurtenis &&
                   gebeurtenissen_[v.index].soort == Gebeurtenis::Soort::GokOngedaan) {
            // Each strike was new when made, so taking it away gives back exactly it.
            const std::size_t blijven = gebeurtenissen_[v.index].uitsluitingenBlijven;
            while (!gestreept.empty() && gestreept.back() >= blijven) {
                const int d = uitsluitingen_[gestreept.back()].cijfer;
                if (d >= 1 && d <= 9) u[static_cast<std::size_t>(d - 1)] &= ~weg_[gestreept.back()];
                gestreept.pop_back();
            }
        }
    }
    return u;
}

std::optional<Tegenspraak> Oplospad::tegenspraak(std::size_t k) const {
    if (k >= verloop_.size() || verloop_[k].soort != Verloop::Soort::Gebeurtenis) return {};
    const Bewijs& b = gebeurtenissen_[verloop_[k].index].reden.bewijs;
    if (b.soort != Bewijs::Soort::Herstel || b.tegenspraakBlok == 0) return {};
    Tegenspraak t;
    t.cijfer = b.tegenspraakCijfer;
    t.blok = b.tegenspraakBlok;
    for (std::size_t i = 0; i < b.aantal; ++i) {
        if (b.gronden[i].cel >= 1) t.legeCellen.set(static_cast<std::size_t>(b.gronden[i].cel - 1));
        if (b.gronden[i].door >= 1)
            t.zienCellen.set(static_cast<std::size_t>(b.gronden[i].door - 1));
    }
    // The board the contradiction holds on: just before the undo that precedes the repair.
    std::size_t j = k;
    while (j > 0 &&
           !(verloop_[j - 1].soort == Verloop::Soort::Gebeurtenis &&
             gebeurtenissen_[verloop_[j - 1].index].soort == Gebeurtenis::Soort::GokOngedaan))
        --j;
    t.bord = bordVoor(j > 0 ? j - 1 : k);
    return t;
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
