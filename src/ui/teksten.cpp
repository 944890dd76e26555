#include "ui/teksten.h"

#include <array>

#include "board/waarden.h"

namespace sudoku::teksten {

std::string ongeldigeInvoer(int rij, int kol) {
    return " Ongeldige invoer in rij " + getalTekst(rij) + ", kolom " + getalTekst(kol) + " ";
}

const char* statusTekst(Afloop afloop) {
    switch (afloop) {
        case Afloop::Opgelost: return OPGELOST;
        case Afloop::OpgelostNaGok: return OPGELOST_NA_GOK;
        case Afloop::NietGeldig: return NIET_GELDIG;
        case Afloop::NietGenoegKennis: return NIET_GENOEG_KENNIS;
        case Afloop::InvoerNietKompleet: return INVOER_NIET_KOMPLEET;
        case Afloop::NogNietOpgelost: break;
    }
    return "";
}

std::string stapTekst(int rij, int kol) {
    return "Getal in rij: " + getalTekstMetSpatie(rij) + "  en kolom: " + getalTekstMetSpatie(kol) +
           "  is gevuld.    ";
}

std::string foutInBestand(const std::string& naam, int regel, int positie) {
    return " Fout in " + naam + ": regel " + getalTekst(regel) + ", positie " +
           getalTekst(positie) + " ";
}

std::string teveelRegels(const std::string& naam) {
    return " Fout in " + naam + ": meer dan 9 regels ";
}

std::string onleesbaar(const std::string& naam) { return " " + naam + " kan niet gelezen worden "; }

std::string bestaatNiet(const std::string& naam) { return " " + naam + " bestaat niet "; }

std::string klembordFout(int regel, int positie) {
    return " Geen puzzel op het klembord: regel " + getalTekst(regel) + ", positie " +
           getalTekst(positie) + " ";
}

const char* techniekNaam(Techniek t) {
    // The module's text, trimmed once.
    static const auto namen = [] {
        std::array<std::string, AANTAL_TECHNIEKEN_ALLE> n;
        for (int i = 0; i < AANTAL_TECHNIEKEN_ALLE; ++i) {
            const std::string& b = bannerVan(static_cast<Techniek>(i));
            const auto begin = b.find_first_not_of(' ');
            n[static_cast<std::size_t>(i)] = b.substr(begin, b.find_last_not_of(' ') - begin + 1);
        }
        return n;
    }();
    return namen[static_cast<std::size_t>(t)].c_str();
}

std::string eenheidTekst(const Eenheid& e) {
    using S = Eenheid::Soort;
    const std::string n = getalTekst(e.nummer);
    switch (e.soort) {
        case S::Cel: {
            const int r = (e.nummer - 1) / 9 + 1, k = (e.nummer - 1) % 9 + 1;
            return "rij " + getalTekst(r) + ", kolom " + getalTekst(k) + " en blok " +
                   getalTekst(Eenheid::blokNummer(r, k));
        }
        case S::Rij: return "rij " + n;
        case S::Kolom: return "kolom " + n;
        case S::Blok: return "blok " + n;
        case S::Band:
        case S::Stapel:
            return (e.soort == S::Band ? "rijen " : "kolommen ") + n + "-" +
                   getalTekst(e.nummer + 2) + ", blok " + getalTekst(e.blok);
    }
    return "";
}

const char* niveauTekst(Niveau n) {
    switch (n) {
        case Niveau::Basis: return "basis";
        case Niveau::Uitzonderingstabel: return "uitzonderingstabel";
        case Niveau::Naked: return "naked";
        case Niveau::Gok: return "gok";
        case Niveau::Onopgelost: break;
    }
    return "onopgelost";
}

const char* oplossingenWoord(Oplossingen o) {
    switch (o) {
        case Oplossingen::Uniek: return "uniek";
        case Oplossingen::Meerdere: return "meerdere";
        case Oplossingen::Geen: break;
    }
    return "geen";
}

const char* oplossingenZin(Oplossingen o) {
    switch (o) {
        case Oplossingen::Uniek: return "uniek";
        case Oplossingen::Meerdere: return "meerdere oplossingen";
        case Oplossingen::Geen: break;
    }
    return "geen oplossing";
}

std::string stapRegel(int stap, int rij, int kol, const std::string& getal, const Reden& reden) {
    std::string s = "stap " + getalTekst(stap) + ": rij " + getalTekst(rij) + ", kolom " +
                    getalTekst(kol) + " = " + getal + ", " + techniekNaam(reden.techniek) + ", " +
                    eenheidTekst(reden.eenheid);
    if (reden.techniek == Techniek::Uitproberen)
        s += " (gok)";
    else if (reden.onderGok)
        s += " (onder gok)";
    return s;
}

std::string gokOngedaanRegel(int terugNaarStap) {
    return "gok ongedaan: terug naar stap " + getalTekst(terugNaarStap);
}

std::string controleZin(Oplossingen o) {
    switch (o) {
        case Oplossingen::Uniek: return std::string("De puzzel is ") + oplossingenZin(o) + ".";
        case Oplossingen::Meerdere:
        case Oplossingen::Geen: break;
    }
    return std::string("De puzzel heeft ") + oplossingenZin(o) + ".";
}

const char* controleUitleg(Oplossingen o) {
    switch (o) {
        case Oplossingen::Uniek: return "Er is precies één manier om het rooster te vullen.";
        case Oplossingen::Meerdere:
            return "Het rooster kan op meer dan één manier gevuld worden: er ontbreken gegeven "
                   "getallen.";
        case Oplossingen::Geen: break;
    }
    return "Het rooster kan niet gevuld worden zonder dat een cijfer twee keer in een rij, kolom "
           "of blok staat.";
}

std::string controleDubbel(int cijfer, const Eenheid& e) {
    return "De " + getalTekst(cijfer) + " staat twee keer in " + eenheidTekst(e) + ".";
}

std::string controleOngeldig(int rij, int kol) {
    return "Ongeldige invoer in rij " + getalTekst(rij) + ", kolom " + getalTekst(kol) +
           ": een vak houdt een cijfer 1-9 of is leeg (een spatie, 0 of . geldt als leeg).";
}

std::string verslagNiveau(Niveau n) { return std::string("Niveau: ") + niveauTekst(n); }

std::string verslagOplossingen(Oplossingen o) {
    return std::string("Oplossingen: ") + oplossingenZin(o);
}

std::string verslagTechniek(Techniek t, int aantal) {
    return std::string(techniekNaam(t)) + ": " + getalTekst(aantal);
}

std::string verslagPuzzel(const std::string& bord) { return "Puzzel: " + bord; }

std::string overTekst(const std::string& versie) {
    return "Sudoku Blad\nversie " + versie +
           "\n\nVult een 9 × 9 Sudoku stap voor stap in en legt bij elke stap uit welke rij, kolom "
           "of welk blok "
           "het getal afdwingt.";
}

std::string cliFoutTeken(int regel, int positie) {
    return "regel " + getalTekst(regel) + ", positie " + getalTekst(positie) +
           ": ongeldig teken; " + EEN_CEL;
}

std::string cliBatchFoutTeken(const std::string& teken, std::size_t positie) {
    return "ongeldig teken " + teken + " op positie " + std::to_string(positie) + "; " + EEN_CEL;
}

std::string cliBatchTeKort(std::size_t lengte) {
    return "te kort: " + std::to_string(lengte) + " tekens, een puzzel heeft er 81";
}

}  // namespace sudoku::teksten
