#include "form/teksten.h"

#include "board/waarden.h"
#include "form/testcase_bestand.h"

namespace sudoku::teksten {

std::string ongeldigeInvoer(int rij, int kol) {
    return " Ongeldige invoer in rij " + getalTekst(rij) + ", kolom " + getalTekst(kol) + " ";
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

std::string cliFoutTeken(int regel, int positie) {
    return "regel " + getalTekst(regel) + ", positie " + getalTekst(positie) +
           ": ongeldig teken; " + EEN_CEL;
}

std::string geweigerdBestand(const std::string& naam, const TestcaseInhoud& t) {
    using U = TestcaseInhoud::Uitkomst;
    switch (t.uitkomst) {
        case U::FoutTeken:
            return " Fout in " + naam + ": " + cliFoutTeken(t.foutRegel, t.foutPositie) + " ";
        case U::TeveelRegels: return " Fout in " + naam + ": " + CLI_TEVEEL_REGELS + " ";
        case U::Onleesbaar: return " " + naam + " " + CLI_ONLEESBAAR + " ";
        case U::GeenGewoonBestand: return " " + naam + " " + CLI_GEEN_GEWOON_BESTAND + " ";
        case U::NietTeOpenen: return " " + naam + " " + CLI_NIET_TE_OPENEN + " ";
        case U::Ontbreekt: return " " + naam + " " + CLI_BESTAAT_NIET + " ";
        case U::NietGevonden:
        case U::Goed: break;
    }
    return testcaseMelding(t, naam);
}

}  // namespace sudoku::teksten
