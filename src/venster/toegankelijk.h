// How the program's own windows show to a screen reader.
#pragma once

namespace sudoku {

// The main window and the report window are plain widgets, which the accessibility bus would
// show as an anonymous part of something else: they are announced as windows, with their
// titles, from the first call on. Safe to call more than once.
void vensterRollenAanmelden();

}  // namespace sudoku
