// The parts the sentences of the explanation are built from, shared by the step, exclusion
// and tip sentences: a cell as r3k7, lists "a, b en c", the technique's name as a sentence's
// lead, and who struck a candidate. Everything appends to one string: a batch with
// explanations writes a great many sentences.
#pragma once

#include <array>
#include <bitset>
#include <span>
#include <string>

#include "board/reden.h"
#include "board/waarden.h"
#include "uitleg/teksten.h"

namespace sudoku::teksten::zinsdeel {

inline int rijVan(int cel) { return (cel - 1) / 9 + 1; }
inline int kolVan(int cel) { return (cel - 1) % 9 + 1; }
inline void getal(std::string& s, int n) {
    if (n >= 0 && n <= 9)
        s += static_cast<char>('0' + n);
    else
        s += getalTekst(n);
}
inline void woordGetal(std::string& s, const char* woord, int n) {
    s += woord;
    getal(s, n);
}
inline void cel(std::string& s, int c) {
    woordGetal(s, "r", rijVan(c));
    woordGetal(s, "k", kolVan(c));
}
inline void naam(std::string& s, const char* mens) {
    const std::size_t begin = s.size();
    s += mens;
    if (s.size() > begin && s[begin] >= 'a' && s[begin] <= 'z')
        s[begin] = static_cast<char>(s[begin] - 'a' + 'A');
    s += ": ";
}
// "a", "a en b", "a, b en c": item(i) appends the i-th of n.
template <class Item>
inline void opsom(std::string& s, int n, Item&& item) {
    for (int i = 0; i < n; ++i) {
        if (i > 0) s += i + 1 == n ? " en " : ", ";
        item(i);
    }
}
// The cells of a set in reading order: "r1k2, r1k7 en r2k3".
inline void cellen(std::string& s, const std::bitset<81>& b) {
    std::array<int, 81> c{};
    int n = 0;
    for (int i = 0; i < 81; ++i)
        if (b.test(static_cast<std::size_t>(i))) c[static_cast<std::size_t>(n++)] = i + 1;
    opsom(s, n, [&](int i) { cel(s, c[static_cast<std::size_t>(i)]); });
}
// The digits of a naked set: "4 en 7", "1, 2 en 7".
inline void setCijfers(std::string& s, const std::array<int, 3>& set) {
    int m = 0;
    for (int x : set) m += x != 0;
    opsom(s, m, [&](int i) { getal(s, set[static_cast<std::size_t>(i)]); });
}

// Who struck a candidate, after "door": "het naakte paar 4 en 7 in rij 1".
inline void doorWie(std::string& s, const Uitsluiting& u) {
    switch (u.soort) {
        case Uitsluiting::Soort::Paar:
        case Uitsluiting::Soort::Drietal:
            s += u.soort == Uitsluiting::Soort::Paar ? "het naakte paar " : "het naakte drietal ";
            setCijfers(s, u.set);
            break;
        case Uitsluiting::Soort::BlokInLijn: s += "het aanwijzende paar"; break;
        case Uitsluiting::Soort::LijnInBlok: s += "het opeisen vanuit"; break;
    }
    s += u.soort == Uitsluiting::Soort::LijnInBlok ? " " : " in ";
    s += eenheidTekst(u.eenheid);
}
// "weggestreept door het naakte paar 4 en 7 in rij 1 (uitsluiting 3)"; `haakjes` false writes
// ", uitsluiting 3" (inside parentheses already). Exclusion 0 is one the path never heard
// made: only that it is struck.
inline void weggestreeptDoor(std::string& s, int nummer, std::span<const Uitsluiting> alle,
                             bool haakjes) {
    s += "weggestreept";
    if (nummer < 1 || static_cast<std::size_t>(nummer) > alle.size()) return;
    s += " door ";
    doorWie(s, alle[static_cast<std::size_t>(nummer - 1)]);
    woordGetal(s, haakjes ? " (uitsluiting " : ", uitsluiting ", nummer);
    if (haakjes) s += ')';
}

}  // namespace sudoku::teksten::zinsdeel
