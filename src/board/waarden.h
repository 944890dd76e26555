// Value types of the form: 16-bit Integers, flags, one-character cell strings,
// and the 1-based arrays that hold them.
#pragma once

#include <array>
#include <atomic>
#include <cstdint>
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
    void vul(const T& v) { d_.fill(v); }
    bool operator==(const Tabel2&) const = default;

private:
    static int idx(int r, int c) {
        return detail::veiligIndex(r, R) * (C + 1) + detail::veiligIndex(c, C);
    }
    std::array<T, (R + 1) * (C + 1)> d_{};
};

template <class T, int A, int R, int C>
class Tabel3 {
public:
    T& operator()(int a, int r, int c) { return d_[idx(a, r, c)]; }
    const T& operator()(int a, int r, int c) const { return d_[idx(a, r, c)]; }
    void vul(const T& v) { d_.fill(v); }

private:
    static int idx(int a, int r, int c) {
        return (detail::veiligIndex(a, A) * (R + 1) + detail::veiligIndex(r, R)) * (C + 1) +
               detail::veiligIndex(c, C);
    }
    std::array<T, (A + 1) * (R + 1) * (C + 1)> d_{};
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

inline std::string tekst(int n) { return std::to_string(n); }

// A digit 1..9 as its one-character string.
inline std::string cijferTekst(int n) { return std::string(1, static_cast<char>('0' + n)); }

// Decimal text of n with its sign position: " 9", "-3".
inline std::string Str(int n) { return (n < 0 ? "" : " ") + std::to_string(n); }

// 16-bit Integer arithmetic wraps instead of overflowing into undefined behaviour.
inline Integer plus(Integer a, int b) { return static_cast<Integer>(static_cast<std::uint16_t>(a + b)); }

}  // namespace sudoku
