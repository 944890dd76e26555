#include "venster/teksten.h"

#include "board/waarden.h"
#include "uitleg/teksten.h"

namespace sudoku::teksten {

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
    return std::string(mensNaamVan(t)) + ": " + getalTekst(aantal);
}

std::string verslagPuzzel(const std::string& bord) { return "Puzzel: " + bord; }

std::string stilUitleg(int aantal, bool open) {
    return (aantal == 1 ? std::string("Deze uitsluiting streept niets weg")
                        : "Deze " + getalTekst(aantal) + " uitsluitingen strepen niets weg") +
           " dat je nog had: de vakken die ze noemen zien het cijfer al, of het is er al "
           "weggestreept. Enter of een dubbelklik " +
           (open ? "verbergt ze." : "toont ze.");
}

std::string herstelBordUitleg(int cijfer, int blok) {
    return "Op het bordje: het bord vlak voor het herstel. Blok " + getalTekst(blok) +
           " is dik omlijnd en zijn lege vakken zijn gekleurd; de omlijnde vakken houden een " +
           getalTekst(cijfer) + " die ze ziet. Gestippeld: wat de gok heeft geplaatst.";
}

std::string tipCelRegel(int rij, int kol) {
    return "Het rood omlijste vak is rij " + getalTekst(rij) + ", kolom " + getalTekst(kol) + ".";
}

std::string overTekst(const std::string& versie) {
    return "Sudoku Blad\nversie " + versie +
           "\n\nVult een 9 × 9 Sudoku stap voor stap in en legt bij elke stap uit welke rij, kolom "
           "of welk blok "
           "het getal afdwingt.";
}

}  // namespace sudoku::teksten
