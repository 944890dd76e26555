#include "board/teksten.h"

#include "board/waarden.h"

namespace sudoku::teksten {

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

}  // namespace sudoku::teksten
