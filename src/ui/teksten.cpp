#include "ui/teksten.h"

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
    return "Getal in rij: " + getalTekstMetSpatie(rij) + "  en kolom: " + getalTekstMetSpatie(kol) + "  is gevuld.    ";
}

std::string foutInBestand(const std::string& naam, int regel, int positie) {
    return " Fout in " + naam + ": regel " + getalTekst(regel) + ", positie " + getalTekst(positie) + " ";
}

std::string teveelRegels(const std::string& naam) { return " Fout in " + naam + ": meer dan 9 regels "; }

std::string onleesbaar(const std::string& naam) { return " " + naam + " kan niet gelezen worden "; }

std::string bestaatNiet(const std::string& naam) { return " " + naam + " bestaat niet "; }

std::string klembordFout(int regel, int positie) {
    return " Geen puzzel op het klembord: regel " + getalTekst(regel) + ", positie " + getalTekst(positie) + " ";
}

}  // namespace sudoku::teksten
