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

std::string cliFoutTeken(int regel, int positie) {
    return "regel " + getalTekst(regel) + ", positie " + getalTekst(positie) + ": ongeldig teken; " + EEN_CEL;
}

std::string cliBatchFoutTeken(const std::string& teken, std::size_t positie) {
    return "ongeldig teken " + teken + " op positie " + std::to_string(positie) + "; " + EEN_CEL;
}

std::string cliBatchTeKort(std::size_t lengte) {
    return "te kort: " + std::to_string(lengte) + " tekens, een puzzel heeft er 81";
}

}  // namespace sudoku::teksten
