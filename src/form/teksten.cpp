#include "form/teksten.h"

#include <string_view>

#include "board/waarden.h"
#include "form/testcase_bestand.h"

namespace sudoku::teksten {

std::string ongeldigeInvoer(int rij, int kol) {
    return " Ongeldige invoer in rij " + getalTekst(rij) + ", kolom " + getalTekst(kol) + " ";
}

namespace {

// The length of the UTF-8 sequence at the start of `s` when it is valid and not a control
// character (U+0080..U+009F), else 0.
std::size_t tekenLengte(std::string_view s) {
    const auto b = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
    const auto vervolg = [&](std::size_t i) { return i < s.size() && (b(i) & 0xC0) == 0x80; };
    const unsigned char c = b(0);
    if (c < 0x80) return c >= 0x20 && c != 0x7F ? 1 : 0;
    if (c >= 0xC2 && c <= 0xDF) return vervolg(1) && !(c == 0xC2 && b(1) < 0xA0) ? 2 : 0;
    if (c >= 0xE0 && c <= 0xEF) {
        if (!vervolg(1) || !vervolg(2)) return 0;
        if ((c == 0xE0 && b(1) < 0xA0) || (c == 0xED && b(1) >= 0xA0))
            return 0;  // overlong, surrogate
        return 3;
    }
    if (c >= 0xF0 && c <= 0xF4) {
        if (!vervolg(1) || !vervolg(2) || !vervolg(3)) return 0;
        if ((c == 0xF0 && b(1) < 0x90) || (c == 0xF4 && b(1) >= 0x90))
            return 0;  // overlong, > U+10FFFF
        return 4;
    }
    return 0;
}

}  // namespace

std::string zichtbaar(const std::string& naam) {
    std::string uit;
    uit.reserve(naam.size());
    for (std::size_t i = 0; i < naam.size();) {
        const char c = naam[i];
        if (c == '\\') {
            uit += "\\\\";
            ++i;
        } else if (c == '\t' || c == '\n' || c == '\r') {
            uit += c == '\t' ? "\\t" : c == '\n' ? "\\n" : "\\r";
            ++i;
        } else if (const std::size_t n = tekenLengte(std::string_view(naam).substr(i)); n > 0) {
            uit.append(naam, i, n);
            i += n;
        } else {
            static constexpr char hex[] = "0123456789ABCDEF";
            const auto b = static_cast<unsigned char>(c);
            uit += "\\x";
            uit += hex[b >> 4];
            uit += hex[b & 0xF];
            ++i;
        }
    }
    return uit;
}

std::string foutInBestand(const std::string& naam, int regel, int positie) {
    return " Fout in " + zichtbaar(naam) + ": regel " + getalTekst(regel) + ", positie " +
           getalTekst(positie) + " ";
}

std::string teveelRegels(const std::string& naam) {
    return " Fout in " + zichtbaar(naam) + ": meer dan 9 regels ";
}

std::string onleesbaar(const std::string& naam) {
    return " " + zichtbaar(naam) + " kan niet gelezen worden ";
}

std::string bestaatNiet(const std::string& naam) {
    return " " + zichtbaar(naam) + " bestaat niet ";
}

std::string klembordFout(int regel, int positie) {
    return " Geen puzzel op het klembord: regel " + getalTekst(regel) + ", positie " +
           getalTekst(positie) + " ";
}

std::string cliFoutTeken(int regel, int positie) {
    return "regel " + getalTekst(regel) + ", positie " + getalTekst(positie) +
           ": ongeldig teken; " + EEN_CEL;
}

std::string geweigerdBestand(const std::string& bestandsnaam, const TestcaseInhoud& t) {
    using U = TestcaseInhoud::Uitkomst;
    const std::string naam = zichtbaar(bestandsnaam);
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
    return testcaseMelding(t, bestandsnaam);
}

}  // namespace sudoku::teksten
