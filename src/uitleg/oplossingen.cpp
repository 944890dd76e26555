#include "uitleg/oplossingen.h"

namespace sudoku {

Oplossingen telOplossingen(std::string_view, std::string*) { return Oplossingen::Geen; }

}  // namespace sudoku
