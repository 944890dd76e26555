// Value types of the form: 16-bit Integers, flags, one-character cell strings,
// and the 1-based arrays that hold them.
#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <ostream>
#include <string>

namespace sudoku {

using Integer = std::int16_t;
using Boolean = bool;
using String = std::string;

// Every out-of-range index lands here instead of outside a table. It should stay 0;
// tests and fuzz targets check that.
inline std::atomic<long> indexBuitenBereik{0};

namespace detail {
inline int veiligIndex(int i, int n) {
    if (i < 1 || i > n) {
        indexBuitenBereik.fetch_add(1, std::memory_order_relaxed);
        return 0;  // the spare slot 0 absorbs the access
    }
    return i;
}
}  // namespace detail

// One-dimensional array with bounds 1..N. An element never written is the type's
// empty value (0 for numbers, "" for strings). Slot 0 is a spare that absorbs any
// index outside 1..N.
template <class T, int N>
class Rij1 {
public:
    T& operator()(int i) { return d_[detail::veiligIndex(i, N)]; }
    const T& operator()(int i) const { return d_[detail::veiligIndex(i, N)]; }
    void vul(const T& v) { d_.fill(v); }
    bool operator==(const Rij1&) const = default;

private:
    std::array<T, N + 1> d_{};
};

template <class T, int R, int C>
class Tabel2 {
public:
    T& operator()(int r, int c) { return d_[idx(r, c)]; }
    const T& operator()(int r, int c) const { return d_[idx(r, c)]; }
    // For hot loops whose indexes are known to lie inside the bounds.
    const T& binnen(int r, int c) const { return d_[r * (C + 1) + c]; }
    void vul(const T& v) { d_.fill(v); }
    bool operator==(const Tabel2&) const = default;

private:
    static int idx(int r, int c) {
        return detail::veiligIndex(r, R) * (C + 1) + detail::veiligIndex(c, C);
    }
    std::array<T, (R + 1) * (C + 1)> d_{};
};

// Remembers whether an element may have been written since `markeerOngewijzigd`, so
// that wiping a table that is already clean costs nothing.
template <class T, int A, int R, int C>
class Tabel3 {
public:
    T& operator()(int a, int r, int c) {
        gewijzigd_ = true;
        return d_[idx(a, r, c)];
    }
    const T& operator()(int a, int r, int c) const { return d_[idx(a, r, c)]; }
    void vul(const T& v) {
        d_.fill(v);
        gewijzigd_ = true;
    }
    bool gewijzigd() const { return gewijzigd_; }
    bool operator==(const Tabel3& o) const { return d_ == o.d_; }
    void markeerOngewijzigd() { gewijzigd_ = false; }

private:
    static int idx(int a, int r, int c) {
        return (detail::veiligIndex(a, A) * (R + 1) + detail::veiligIndex(r, R)) * (C + 1) +
               detail::veiligIndex(c, C);
    }
    std::array<T, (A + 1) * (R + 1) * (C + 1)> d_{};
    bool gewijzigd_ = true;
};

// The board: 9 x 9 cell strings, 1-based, with a one-character mirror of every cell so
// that the look-ups, which run thousands of times per solve, compare characters. Every
// write goes through `CelRef` or a whole-board operation, which keep the two in step.
class Bord {
public:
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
    char teken(int r, int c) const { return tekens_[r * 10 + c]; }
    const String& binnen(int r, int c) const { return cellen_[r * 10 + c]; }
    void vul(const String& v) {
        for (int i = 0; i < 100; ++i) zet(i, v);
    }
    bool operator==(const Bord&) const = default;

private:
    static int idx(int r, int c) {
        return detail::veiligIndex(r, 9) * 10 + detail::veiligIndex(c, 9);
    }
    void zet(int i, const String& s) {
        cellen_[i] = s;
        tekens_[i] = s.size() == 1 && (s[0] == ' ' || (s[0] >= '1' && s[0] <= '9')) ? s[0] : '\0';
    }
    std::array<String, 100> cellen_{};
    std::array<char, 100> tekens_{};
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

// Bit d for a digit character '1'..'9', nothing for any other.
inline unsigned cijferBit(char c) { return c >= '1' && c <= '9' ? 1u << (c - '0') : 0u; }

// Quick tests for the one-character cell values that fill the board.
inline bool isLeeg(const std::string& cel) { return cel.size() == 1 && cel[0] == ' '; }
inline bool gelijk(const std::string& a, const std::string& b) {
    return a.size() == b.size() && (a.size() == 1 ? a[0] == b[0] : a == b);
}

inline std::string tekst(int n) { return std::to_string(n); }

// A digit 1..9 as its one-character string.
inline std::string cijferTekst(int n) { return std::string(1, static_cast<char>('0' + n)); }

// The same texts written in place, without a temporary string: these run in the
// innermost loops.
inline void zetTekst(std::string& s, int n) {
    if (n >= 0 && n <= 9)
        s.assign(1, static_cast<char>('0' + n));
    else
        s = std::to_string(n);
}

// Decimal text of n with its sign position: " 9", "-3".
inline std::string Str(int n) { return (n < 0 ? "" : " ") + std::to_string(n); }

// 16-bit Integer arithmetic wraps instead of overflowing into undefined behaviour.
inline Integer plus(Integer a, int b) { return static_cast<Integer>(static_cast<std::uint16_t>(a + b)); }

}  // namespace sudoku
