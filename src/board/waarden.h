// Value types of the form: 16-bit Integers, flags, one-character cell strings,
// and the 1-based arrays that hold them.
#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <initializer_list>
#include <ostream>
#include <string>

namespace sudoku {

using Integer = std::int16_t;
using Boolean = bool;
using String = std::string;

// An index outside a table is a fault in the caller. Debug and sanitizer builds stop
// at it with the table's name and the index, so that it shows where it happens;
// Release builds count it here and let the spare slot 0 absorb the access, so that a
// stray index never writes outside a table. It should stay 0: tests and fuzz targets
// check that.
inline std::atomic<long> indexBuitenBereik{0};

#if !defined(NDEBUG) || defined(SUDOKU_INDEX_STOPT)
inline constexpr bool INDEX_STOPT = true;
#else
inline constexpr bool INDEX_STOPT = false;
#endif

namespace detail {
inline bool buiten(int i, int n) { return i < 1 || i > n; }

// "Index buiten de tabel: veld(-1, 99)" on stderr, then abort.
[[noreturn, gnu::cold]] inline void indexStop(const char* tabel,
                                              std::initializer_list<int> indexen) {
    std::string m = "Index buiten de tabel: ";
    m += tabel;
    m += '(';
    const char* scheiding = "";
    for (int i : indexen) {
        m += scheiding;
        m += std::to_string(i);
        scheiding = ", ";
    }
    m += ")\n";
    std::fputs(m.c_str(), stderr);
    std::abort();
}

inline int veiligIndex(int i, int n) {
    if (buiten(i, n)) {
        indexBuitenBereik.fetch_add(1, std::memory_order_relaxed);
        return 0;  // the spare slot 0 absorbs the access
    }
    return i;
}
}  // namespace detail

// The name a table gives in the stop message. Assigning one table to another copies the
// values, never the name, and names play no part in comparing tables.
class TabelNaam {
public:
    TabelNaam() = default;
    constexpr TabelNaam(const char* naam) : naam_(naam) {}
    TabelNaam(const TabelNaam&) = default;
    TabelNaam& operator=(const TabelNaam&) { return *this; }
    bool operator==(const TabelNaam&) const { return true; }
    const char* c_str() const { return naam_; }

private:
    const char* naam_ = "tabel";
};

// One-dimensional array with bounds 1..N. An element never written is the type's
// empty value (0 for numbers, "" for strings). Slot 0 is a spare that absorbs any
// index outside 1..N in a Release build; other builds stop there.
template <class T, int N>
class Rij1 {
public:
    Rij1() = default;
    explicit Rij1(TabelNaam naam) : naam_(naam) {}
    T& operator()(int i) { return d_[idx(i)]; }
    const T& operator()(int i) const { return d_[idx(i)]; }
    void vul(const T& v) { d_.fill(v); }
    bool operator==(const Rij1&) const = default;

private:
    int idx(int i) const {
        if constexpr (INDEX_STOPT)
            if (detail::buiten(i, N)) detail::indexStop(naam_.c_str(), {i});
        return detail::veiligIndex(i, N);
    }
    std::array<T, N + 1> d_{};
    TabelNaam naam_;
};

template <class T, int R, int C>
class Tabel2 {
public:
    Tabel2() = default;
    explicit Tabel2(TabelNaam naam) : naam_(naam) {}
    T& operator()(int r, int c) { return d_[idx(r, c)]; }
    const T& operator()(int r, int c) const { return d_[idx(r, c)]; }
    // For hot loops whose indexes are known to lie inside the bounds.
    const T& binnen(int r, int c) const { return d_[r * (C + 1) + c]; }
    void vul(const T& v) { d_.fill(v); }
    bool operator==(const Tabel2&) const = default;

private:
    int idx(int r, int c) const {
        if constexpr (INDEX_STOPT)
            if (detail::buiten(r, R) || detail::buiten(c, C))
                detail::indexStop(naam_.c_str(), {r, c});
        return detail::veiligIndex(r, R) * (C + 1) + detail::veiligIndex(c, C);
    }
    std::array<T, (R + 1) * (C + 1)> d_{};
    TabelNaam naam_;
};

// The board: 9 x 9 cell strings, 1-based, with a one-character mirror of every cell and
// the digits present in each row, column and block as bits, so that the modules, which
// ask thousands of times per solve whether a digit stands in a line or block, test a
// bit. Every write goes through `CelRef` or a whole-board operation, which keep all of
// them in step.
class Bord {
public:
    Bord() = default;
    explicit Bord(TabelNaam naam) : naam_(naam) {}

    class CelRef {
    public:
        CelRef(Bord& bord, int i) : bord_(bord), i_(i) {}
        CelRef(const CelRef&) = default;
        operator const String&() const { return bord_.cellen_[i_]; }
        const String& str() const { return bord_.cellen_[i_]; }
        CelRef& operator=(const String& s) {
            bord_.zet(i_, s);
            return *this;
        }
        CelRef& operator=(const char* s) { return *this = String(s); }
        CelRef& operator=(const CelRef& o) { return *this = o.str(); }  // the value, not the cell
        std::size_t size() const { return str().size(); }
        bool empty() const { return str().empty(); }
        char operator[](std::size_t i) const { return str()[i]; }
        friend bool operator==(const CelRef& a, const String& b) { return a.str() == b; }
        friend bool operator==(const CelRef& a, const char* b) { return a.str() == b; }
        friend bool operator==(const CelRef& a, const CelRef& b) { return a.str() == b.str(); }
        friend std::ostream& operator<<(std::ostream& o, const CelRef& c) { return o << c.str(); }

    private:
        Bord& bord_;
        int i_;
    };

    CelRef operator()(int r, int c) { return CelRef(*this, idx(r, c)); }
    const String& operator()(int r, int c) const { return cellen_[idx(r, c)]; }
    // The cell as one character: ' ' or '1'..'9', and 0 for any other text ("" included).
    // For hot loops whose indexes are known to lie inside the board.
    char celTeken(int r, int c) const { return tekens_[r * 10 + c]; }
    const String& binnen(int r, int c) const { return cellen_[r * 10 + c]; }
    // The digits that stand in row r, column c, or the block of cell (r, c): bit d for
    // digit d. Indexes inside the board.
    unsigned rijBits(int r) const { return bits_[r - 1]; }
    unsigned kolBits(int c) const { return bits_[9 + c - 1]; }
    unsigned blokBits(int r, int c) const { return bits_[18 + blokNr(r, c)]; }
    void vul(const String& v) {
        for (int i = 0; i < 100; ++i) zet(i, v);
    }
    // Goes up with every write, so that a caller can tell that nothing was written
    // since it last looked.
    unsigned long versie() const { return versie_; }
    // The cells and their texts; the bits follow from them.
    bool operator==(const Bord& o) const { return cellen_ == o.cellen_; }

private:
    int idx(int r, int c) const {
        if constexpr (INDEX_STOPT)
            if (detail::buiten(r, 9) || detail::buiten(c, 9))
                detail::indexStop(naam_.c_str(), {r, c});
        return detail::veiligIndex(r, 9) * 10 + detail::veiligIndex(c, 9);
    }
    static int blokNr(int r, int c) { return BLOK_NR[r * 10 + c]; }
    // Block 0..8 of cell (r, c) at r * 10 + c.
    static constexpr std::array<std::uint8_t, 100> BLOK_NR = [] {
        std::array<std::uint8_t, 100> t{};
        for (int r = 1; r <= 9; ++r)
            for (int c = 1; c <= 9; ++c)
                t[r * 10 + c] = static_cast<std::uint8_t>((r - 1) / 3 * 3 + (c - 1) / 3);
        return t;
    }();
    void zet(int i, const String& s) {
        ++versie_;
        cellen_[i] = s;
        const char nieuw =
            s.size() == 1 && (s[0] == ' ' || (s[0] >= '1' && s[0] <= '9')) ? s[0] : '\0';
        const char oud = tekens_[i];
        tekens_[i] = nieuw;
        const int r = i / 10, c = i % 10;
        if (oud == nieuw || r == 0 || c == 0) return;  // slot 0 is outside the board
        const int eenheden[3] = {r - 1, 9 + c - 1, 18 + blokNr(r, c)};
        for (int e : eenheden) {
            if (oud >= '1' && oud <= '9' && --aantalIn_[e][oud - '0'] == 0)
                bits_[e] &= static_cast<std::uint16_t>(~(1u << (oud - '0')));
            if (nieuw >= '1' && nieuw <= '9' && aantalIn_[e][nieuw - '0']++ == 0)
                bits_[e] |= static_cast<std::uint16_t>(1u << (nieuw - '0'));
        }
    }
    std::array<String, 100> cellen_{};
    std::array<char, 100> tekens_{};
    // Per unit (rows 0..8, columns 9..17, blocks 18..26): how often each digit stands
    // in it, so that a digit standing twice keeps its bit when one of the two goes.
    std::array<std::array<std::uint8_t, 10>, 27> aantalIn_{};
    std::array<std::uint16_t, 27> bits_{};  // bit d: digit d stands in the unit
    unsigned long versie_ = 0;              // writes so far
    TabelNaam naam_;
};

// The exception table `uitz_tabel`, indexed (digit, row, column), one character per
// entry: ' ' nothing known, the digit's own character when the digit is ruled out for
// the cell, '\0' never written (the empty string). Beside it, per cell, the digits
// ruled out as bits, kept in step with every write. Entries read and written as
// strings through `Ref`; remembers whether anything may have been written since
// `markeerOngewijzigd`, so that wiping a table that is already clean costs nothing.
class UitzTabel {
public:
    UitzTabel() = default;
    explicit UitzTabel(TabelNaam naam) : naam_(naam) {}

    class Ref {
    public:
        Ref(UitzTabel& t, int d, int cel) : t_(t), d_(d), cel_(cel) {}
        Ref& operator=(const String& s) {
            t_.zet(d_, cel_, s.size() == 1 ? s[0] : '\0');
            return *this;
        }
        Ref& operator=(const char* s) { return *this = String(s); }
        operator String() const { return t_.tekst(d_, cel_); }
        friend bool operator==(const Ref& a, const String& b) { return String(a) == b; }
        friend bool operator==(const Ref& a, const char* b) { return String(a) == b; }

    private:
        UitzTabel& t_;
        int d_, cel_;
    };

    Ref operator()(int d, int r, int c) {
        gewijzigd_ = true;
        controleer(d, r, c);
        return Ref(*this, detail::veiligIndex(d, 9), cel(r, c));
    }
    String operator()(int d, int r, int c) const {
        controleer(d, r, c);
        return tekst(detail::veiligIndex(d, 9), cel(r, c));
    }
    // Digits ruled out for cell (r, c), bit d for digit d; indexes inside the board.
    unsigned bits(int r, int c) const { return bits_[r * 10 + c]; }
    // Entry (d, r, c) holds digit d itself; indexes inside the board.
    bool uitgesloten(int d, int r, int c) const { return bits_[r * 10 + c] >> d & 1u; }
    void vul(const String& v) {
        const char ch = v.size() == 1 ? v[0] : '\0';
        for (int d = 0; d < 10; ++d)
            for (int i = 0; i < 100; ++i) zet(d, i, ch);
        gewijzigd_ = true;
    }
    // Every entry of digits 1..9 on the board's cells back to ' '.
    void wis() {
        for (int r = 1; r <= 9; ++r)
            for (int c = 1; c <= 9; ++c) {
                for (int d = 1; d <= 9; ++d) tekens_[(r * 10 + c) * 10 + d] = ' ';
                bits_[r * 10 + c] = 0;
            }
        ++versie_;
    }
    bool gewijzigd() const { return gewijzigd_; }
    void markeerOngewijzigd() { gewijzigd_ = false; }
    // Goes up whenever the digits ruled out for a cell change, so that a caller can
    // tell that `bits` still answer as when it last looked.
    unsigned long versie() const { return versie_; }
    // Some digit is ruled out for some cell of the board.
    bool heeftInhoud() const {
        for (int r = 1; r <= 9; ++r)
            for (int c = 1; c <= 9; ++c)
                if (bits_[r * 10 + c] != 0) return true;
        return false;
    }
    bool operator==(const UitzTabel& o) const { return tekens_ == o.tekens_; }

private:
    void controleer(int d, int r, int c) const {
        if constexpr (INDEX_STOPT)
            if (detail::buiten(d, 9) || detail::buiten(r, 9) || detail::buiten(c, 9))
                detail::indexStop(naam_.c_str(), {d, r, c});
    }
    static int cel(int r, int c) {
        return detail::veiligIndex(r, 9) * 10 + detail::veiligIndex(c, 9);
    }
    String tekst(int d, int cel) const {
        const char ch = tekens_[cel * 10 + d];
        return ch == '\0' ? String() : String(1, ch);
    }
    void zet(int d, int cel, char ch) {
        tekens_[cel * 10 + d] = ch;
        const auto bit = static_cast<std::uint16_t>(1u << d);
        const std::uint16_t voor = bits_[cel];
        if (d != 0 && ch == '0' + d)
            bits_[cel] |= bit;
        else
            bits_[cel] &= static_cast<std::uint16_t>(~bit);
        if (bits_[cel] != voor) ++versie_;
    }
    std::array<char, 1000> tekens_{};  // [cell row * 10 + column][digit]
    std::array<std::uint16_t, 100> bits_{};
    bool gewijzigd_ = true;
    unsigned long versie_ = 0;  // changes of `bits_` so far
    TabelNaam naam_;
};

// The numeric value of a digit string: 1..9 for "1".."9", 0 for anything else
// (" ", "", longer texts), so a stray value can never index past a table.
inline int cijfer(const std::string& s) {
    return (s.size() == 1 && s[0] >= '1' && s[0] <= '9') ? s[0] - '0' : 0;
}

// The value of a number given as decimal text, as the position texts and `locatie`
// are; 0 when the text is not a number 0..99.
inline int getalVan(const std::string& s) {
    if (s.empty() || s.size() > 2) return 0;
    int v = 0;
    for (char ch : s) {
        if (ch < '0' || ch > '9') return 0;
        v = v * 10 + (ch - '0');
    }
    return v;
}

// The number of bits set in a digit mask; written out because the build targets
// processors without a population-count instruction.
inline int aantalBits(unsigned m) {
    m = m - ((m >> 1) & 0x5555u);
    m = (m & 0x3333u) + ((m >> 2) & 0x3333u);
    m = (m + (m >> 4)) & 0x0F0Fu;
    return static_cast<int>((m + (m >> 8)) & 0x1Fu);
}

// The highest bit set in a non-zero mask.
inline int hoogsteBit(unsigned m) { return 31 - __builtin_clz(m); }

// Bit d for a digit character '1'..'9', nothing for any other.
inline unsigned cijferBit(char c) { return c >= '1' && c <= '9' ? 1u << (c - '0') : 0u; }

// Quick test for the one-character cell values that fill the board.
inline bool isLeeg(const std::string& cel) { return cel.size() == 1 && cel[0] == ' '; }

// Numbers as text. The decimal text of n: "7", "35" (the position texts are built from
// two of these), "-3".
inline std::string getalTekst(int n) { return std::to_string(n); }

// The same text written into s in place, without a temporary string: this runs in the
// modules' innermost loops.
inline void zetGetalTekst(std::string& s, int n) {
    if (n >= 0 && n <= 9)
        s.assign(1, static_cast<char>('0' + n));
    else
        s = std::to_string(n);
}

// The decimal text with a leading space where a negative number has its minus sign:
// " 9", "-3". The step message's text is built with it.
inline std::string getalTekstMetSpatie(int n) { return (n < 0 ? "" : " ") + std::to_string(n); }

// 16-bit Integer arithmetic wraps instead of overflowing into undefined behaviour.
inline Integer plus(Integer a, int b) {
    return static_cast<Integer>(static_cast<std::uint16_t>(a + b));
}

}  // namespace sudoku
