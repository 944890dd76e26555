// How a name is shown on one line: readable where it can be, escaped where it could break
// the line, steer a terminal or is not text at all.
#include <gtest/gtest.h>

#include "form/teksten.h"

namespace sudoku::test {
namespace {

TEST(Zichtbaar, ValidTextStaysControlsBackslashesAndBrokenUtf8AreEscaped) {
    const std::pair<std::string, std::string> gevallen[] = {
        {"puzzel 1.txt", "puzzel 1.txt"},
        {"\xC3\xA9\xC3\xA9n \xE2\x9C\x93 \xF0\x9F\x98\x80.txt",
         "\xC3\xA9\xC3\xA9n \xE2\x9C\x93 \xF0\x9F\x98\x80.txt"},
        {"a\\b\x7f", "a\\\\b\\x7F"},
        {std::string("nul\0.txt", 8), "nul\\x00.txt"},
        {"\xC2\x9B"
         "2J",
         "\\xC2\\x9B2J"},                              // a C1 control: a terminal's CSI
        {"\xC0\xAF", "\\xC0\\xAF"},                    // overlong '/'
        {"\xED\xA0\x80", "\\xED\\xA0\\x80"},           // a surrogate
        {"\xF4\x90\x80\x80", "\\xF4\\x90\\x80\\x80"},  // past U+10FFFF
        {"\xE2\x9C", "\\xE2\\x9C"},                    // cut short
    };
    for (const auto& [naam, getoond] : gevallen) EXPECT_EQ(teksten::zichtbaar(naam), getoond);
}

}  // namespace
}  // namespace sudoku::test
