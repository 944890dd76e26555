// How a solve ended, as the driver decides it at the moment it writes its final status
// text (ui/teksten.h turns it into that text).
#pragma once

namespace sudoku {

enum class Afloop {
    // No final text written yet: before the first "Start" and after every load.
    NogNietOpgelost,
    Opgelost,            // complete, without a guess
    OpgelostNaGok,       // complete, with a guess in force at some point
    NietGeldig,          // complete, but some row, column or block holds a digit twice
    NietGenoegKennis,    // given up before the board was complete
    InvoerNietKompleet,  // ended without placing a single number
};

inline bool isOpgelost(Afloop a) { return a == Afloop::Opgelost || a == Afloop::OpgelostNaGok; }

}  // namespace sudoku
