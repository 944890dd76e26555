#include "cli/teksten.h"

#include <cerrno>
#include <cstring>

#include "board/testcase.h"
#include "form/teksten.h"

namespace sudoku::teksten {

std::string systeemReden(int fout) {
    switch (fout) {
        case ENOENT:
        case ENOTDIR: return CLI_BESTAAT_NIET;
        case EACCES:
        case EPERM: return CLI_GEEN_LEESRECHTEN;
        case EISDIR: return CLI_IS_MAP;
        case EBADF: return CLI_GESLOTEN;
        case ELOOP: return "te veel niveaus van symbolische koppelingen";
        case ENAMETOOLONG: return "de naam is te lang";
        case EMFILE:
        case ENFILE: return "te veel open bestanden";
        case ENOMEM: return "te weinig geheugen";
        case EIO: return "invoer/uitvoer-fout";
        default: break;
    }
    const char* naam = ::strerrorname_np(fout);
    return std::string("onverwachte systeemfout (") +
           (naam != nullptr ? naam : "fout " + std::to_string(fout)) + ")";
}

std::string weigerReden(const GeladenTestcase& g) {
    using U = TestcaseInhoud::Uitkomst;
    const TestcaseInhoud& t = g.inhoud;
    if (t.uitkomst == U::Onleesbaar && g.fout) return cliLezenMislukt(0, g.fout.value());
    if (g.fout) return systeemReden(g.fout.value());
    switch (t.uitkomst) {
        case U::FoutTeken: return cliFoutTeken(t.foutRegel, t.foutPositie);
        case U::TeveelRegels: return CLI_TEVEEL_REGELS;
        case U::Onleesbaar: return CLI_ONLEESBAAR;
        case U::GeenGewoonBestand: return CLI_GEEN_GEWOON_BESTAND;
        case U::NietTeOpenen: return CLI_NIET_TE_OPENEN;
        case U::Ontbreekt: return CLI_BESTAAT_NIET;
        case U::NietGevonden:
        case U::Goed: break;
    }
    return CLI_NIET_TE_LADEN;
}

std::string cliLezenMislukt(long regel, int fout) {
    return (regel > 0 ? "lezen mislukt na regel " + std::to_string(regel) : "lezen mislukt") +
           ": " + systeemReden(fout);
}

std::string cliBatchFoutTeken(const std::string& teken, std::size_t positie) {
    return "ongeldig teken " + teken + " op positie " + std::to_string(positie) + "; " + EEN_CEL;
}

std::string cliBatchTeKort(std::size_t lengte) {
    return "te kort: " + std::to_string(lengte) + " tekens, een puzzel heeft er 81";
}

}  // namespace sudoku::teksten
