#include "referentie/verschil.h"

#include <random>

namespace sudoku::referentie {

void LogControls::zetCelTekst(int rij, int kol, const std::string& tekst) {
    HeadlessControls::zetCelTekst(rij, kol, tekst);
    log += "cel " + std::to_string(rij) + ' ' + std::to_string(kol) + " '" + tekst + "'\n";
}
void LogControls::zetCelKleur(int rij, int kol, Kleur kleur) {
    HeadlessControls::zetCelKleur(rij, kol, kleur);
    log += "kleur " + std::to_string(rij) + ' ' + std::to_string(kol) + ' ' +
           std::to_string(kleur) + '\n';
}
void LogControls::zetOplos(int i, const std::string& tekst) {
    HeadlessControls::zetOplos(i, tekst);
    log += "oplos " + std::to_string(i) + " '" + tekst + "'\n";
}
void LogControls::zetOpmerk(const std::string& tekst) {
    HeadlessControls::zetOpmerk(tekst);
    log += "opmerk '" + tekst + "'\n";
}
void LogControls::meldingsvenster(const std::string& titel, const std::string& tekst) {
    HeadlessControls::meldingsvenster(titel, tekst);
    log += "melding '" + titel + "' '" + tekst + "'\n";
}
void LogControls::zetKnopEnabled(Knop knop, bool aan) {
    HeadlessControls::zetKnopEnabled(knop, aan);
    log += "knop " + std::to_string(static_cast<int>(knop)) + ' ' + std::to_string(aan) + '\n';
}

std::string verschillen(const SudokuForm& a, const SudokuForm& b) {
    std::string uit;
#define VELD(naam) \
    if (!(a.naam == b.naam)) uit += #naam " ";
    // Left out, because every procedure that reads them writes them first, so that
    // no later step can see what a module left in them:
    //   pos, gelijkaan       the line look-up's walk counter and hit flag;
    //   GEV, MOG, baan, HORIZON, locatie
    //                        the look-ups' arguments and found flag (MOG is read across
    //                        calls only between the driver and the block-line module,
    //                        which keeps it exact; the driver sets HORIZON before every
    //                        call that reads it);
    //   plaats, leeg, EOT, GEENLEGEPLEK, GEVELEMENT, lus_rij
    //                        the line and block modules' survey and loop state, rebuilt
    //                        at the start of every pass (and by the trial module);
    //   kandidaat_lijst      the candidate builder's list, filled before it is joined;
    //   aglb, teller, tzcl, agvm, herhaal, agfalse, H, blokl_gevonden, blokl_leeg,
    //   blokl_segment        the block-line module's working values, set afresh by
    //                        every call before it reads them (the driver's own loop on
    //                        H runs where the block-line module is not called).
    // The modules skip producing these on their quick paths.
    VELD(rij)
    VELD(kol)
    VELD(uitzrij)
    VELD(uitzkol)
    VELD(uitz_gedaan)
    VELD(ctrl_NKD)

    VELD(UP)
    VELD(posUPR)
    VELD(posUPK)
    VELD(uitzMOG)
    VELD(herstel_MOG)
    VELD(uitprobeeroptie1)
    VELD(uitprobeeroptie2)
    VELD(up1)
    VELD(up2)
    VELD(GEVMOG)
    VELD(GEVBLOKL)
    VELD(NWGETAL)
    VELD(KOMPLEET)
    VELD(NWGETAL_OOIT)
    VELD(CONTROL_UITZ)
    VELD(CONTROL_NAKED)
    VELD(SPLIT)
    VELD(PROBEERUIT_OOIT)
    VELD(PROBEERUIT)
    VELD(PROBEERUIT_ONTHOUDEN)
    VELD(FileAanwezig)
    VELD(veld)
    VELD(veld_bewaard)
    VELD(aantal)
    VELD(uitz_tabel)

    VELD(kandidaten)
    VELD(uitprobeer_lijst)
    VELD(lus_kol)
    VELD(lus_n)
    VELD(bestand)
    VELD(regel)
    VELD(passen)
#undef VELD
    return uit;
}

namespace {
std::string cijferOf(int d) { return std::string(1, static_cast<char>('0' + d)); }
}  // namespace

void zetToestand(SudokuForm& f, const std::string& bord, std::uint64_t zaad) {
    std::mt19937_64 g(zaad);
    auto kans = [&](int procent) { return static_cast<int>(g() % 100) < procent; };
    auto tot = [&](int n) { return static_cast<int>(g() % static_cast<unsigned>(n)); };
    for (int d = 1; d <= 9; ++d) f.aantal(d) = 0;
    for (int i = 0; i < 81; ++i) {
        const char c = bord[i];
        const std::string s = c >= '1' && c <= '9' ? std::string(1, c) : " ";
        f.veld(i / 9 + 1, i % 9 + 1) = s;
        f.veld_bewaard(i / 9 + 1, i % 9 + 1) = s;
        if (s != " ") f.TelGetal(s);
    }
    f.WisUitzTabel();
    const int uitzKans = tot(4) * 4;  // 0, 4, 8 or 12 % of the entries of empty cells
    for (int d = 1; d <= 9; ++d)
        for (int i = 0; i < 81; ++i)
            if (bord[i] < '1' || bord[i] > '9')
                if (kans(uitzKans)) f.uitz_tabel(d, i / 9 + 1, i % 9 + 1) = cijferOf(d);
    f.kandidaten.vul("");
    f.CONTROL_UITZ = kans(50);
    f.CONTROL_NAKED = kans(30);
    f.ctrl_NKD = static_cast<Integer>(tot(6));
    f.uitz_gedaan = static_cast<Integer>(tot(96));
    f.NWGETAL = kans(50);
    f.KOMPLEET = false;
    f.NWGETAL_OOIT = kans(50);
    f.PROBEERUIT = kans(30);
    f.PROBEERUIT_ONTHOUDEN = f.PROBEERUIT && kans(80);
    f.PROBEERUIT_OOIT = f.PROBEERUIT || kans(20);
    // A guessed cell: an empty one, and the option that was not tried.
    const int leeg = tot(81);
    f.up1 = std::to_string(leeg / 9 + 1) + std::to_string(leeg % 9 + 1);
    f.uitprobeeroptie2 = cijferOf(1 + tot(9));
    f.herstel_MOG = cijferOf(1 + tot(9));
    // Leftovers of earlier steps in the working fields.
    f.pos = static_cast<Integer>(tot(12));
    f.baan = static_cast<Integer>(tot(10));
    f.H = static_cast<Integer>(tot(10));
    f.locatie = std::to_string(tot(10));
    f.MOG = cijferOf(tot(10));
    f.GEV = kans(50);
    f.HORIZON = kans(50);
    f.GEVMOG = false;
    f.SPLIT = kans(50);
    f.EOT = kans(50);
    f.GEVELEMENT = kans(50);
    f.GEENLEGEPLEK = kans(50);
    f.lus_rij = static_cast<Integer>(tot(12));
    f.lus_kol = static_cast<Integer>(tot(12));
    for (int i = 1; i <= 9; ++i) {
        f.plaats(i) = static_cast<Integer>(tot(10));
        f.leeg(i, 1) = static_cast<Integer>(tot(10));
        f.leeg(i, 2) = static_cast<Integer>(tot(2));
        f.kandidaat_lijst(i) = cijferOf(tot(10));
    }
}

std::string willekeurigBord(std::uint64_t zaad, int dichtheid) {
    std::mt19937_64 g(zaad);
    std::string b(81, '.');
    for (char& c : b)
        if (static_cast<int>(g() % 100) < dichtheid) c = static_cast<char>('1' + g() % 9);
    return b;
}

std::string half(const std::string& opgave, const std::string& oplossing, std::uint64_t zaad) {
    std::mt19937_64 g(zaad);
    const int deel = static_cast<int>(g() % 100);
    std::string b = opgave;
    for (int i = 0; i < 81; ++i) {
        if (b[i] >= '1' && b[i] <= '9') continue;
        b[i] = '.';
        if (static_cast<int>(g() % 100) < deel) b[i] = oplossing[i];
        if (g() % 200 == 0) b[i] = static_cast<char>('1' + g() % 9);
    }
    return b;
}

}  // namespace sudoku::referentie
