// sudoku-blad-cli as other tools see it: the exact lines it prints and its exit status.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "support/testhulp.h"

namespace sudoku::test {
namespace {

struct Run {
    std::string uit, fout;  // stdout, stderr
    int code = -1;
};

// Runs the program with `args` (no spaces inside an argument), `invoer` on stdin.
Run draai(const TijdelijkeMap& map, const std::string& args, const std::string& invoer = "") {
    const auto in = map.schrijf("in.txt", invoer), uit = map.pad() / "uit.txt", fout = map.pad() / "fout.txt";
    const int status = std::system((std::string(SUDOKU_CLI) + " " + args + " <" + in.string() + " >" +
                                    uit.string() + " 2>" + fout.string()).c_str());
    auto lees = [](const std::filesystem::path& p) {
        std::ostringstream s;
        s << std::ifstream(p, std::ios::binary).rdbuf();
        return s.str();
    };
    return {lees(uit), lees(fout), WIFEXITED(status) ? WEXITSTATUS(status) : -1};
}

std::string negenRegels(const std::string& bord81) {
    std::string s;
    for (int r = 0; r < 9; ++r) s += bord81.substr(r * 9, 9) + "\n";
    return s;
}

const std::string kEenGat = std::string(kOpgelost).replace(2, 1, ".");  // (1,3) holds 3

TEST(Cli, SingleSolveWithTracePrintsEachPlacementStatusBoardAndResult) {
    TijdelijkeMap map;
    const auto r = draai(map, "--trace " + map.schrijf("case.txt", negenRegels(kEenGat)).string());
    EXPECT_EQ(r.uit, "place 1 3 3\n"
                     "status \" Sudoku succesvol ingevuld! \"\n" +
                         negenRegels(kOpgelost) + "result \" Sudoku succesvol ingevuld! \"\n");
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.fout, "");
    // In a batch each puzzle starts afresh: were the state carried over, the second
    // solve would not change the status line.
    const std::string blok = "place 1 3 3\nstatus \" Sudoku succesvol ingevuld! \"\n" + kOpgelost +
                             " \" Sudoku succesvol ingevuld! \"\n";
    EXPECT_EQ(draai(map, "--trace --batch -", kEenGat + "\n" + kEenGat + "\n").uit, blok + blok);
}

TEST(Cli, BatchSkipsCommentsAndNamesBadLinesByNumber) {
    TijdelijkeMap map;
    const std::string invoer = "# proef\n"                           // 1
                               "\n"                                  // 2
                               + kEenGat + "," + kOpgelost + "\n"    // 3: text after 81 ignored
                               + "12x\n"                             // 4
                               + kEenGat.substr(0, 80) + "\n"        // 5: one short
                               + kOpgelost + "\r\n"                  // 6: CRLF, nothing to place
                               + std::string(kEenGat).replace(0, 1, "0");  // 7: no line end
    const auto r = draai(map, "--batch -", invoer);
    EXPECT_EQ(r.uit, kOpgelost + " \" Sudoku succesvol ingevuld! \"\n"
                     "error 4 \"ongeldig teken 'x' op positie 3; een cel is 1-9, '.', '0' of een spatie\"\n"
                     "error 5 \"te kort: 80 tekens, een puzzel heeft er 81\"\n" +
                         kOpgelost + " \"Jammer, waarschijnlijk is de invoer niet kompleet\"\n" + kOpgelost +
                         " \" Sudoku succesvol ingevuld! \"\n");
    EXPECT_EQ(r.code, 0);
    EXPECT_NE(r.fout.find("3 puzzels: 2 opgelost, 0 opgelost na een gok, 0 ingevuld maar niet "
                          "geldig, 1 niet opgelost; 2 regels afgewezen"),
              std::string::npos)
        << r.fout;
}

TEST(Cli, ExitCodes) {
    TijdelijkeMap map;
    EXPECT_EQ(draai(map, map.schrijf("vol.txt", negenRegels(kOpgelost)).string()).code, 1);  // unsolved
    const auto v = draai(map, "--version");
    EXPECT_EQ(v.uit, "1.6.6\n");
    EXPECT_EQ(v.code, 0);
    for (const char* args : {"", "--onbekend x", "een twee", "--batch", "--trial"}) {
        const auto r = draai(map, args);
        EXPECT_EQ(r.code, 2) << args;
        EXPECT_NE(r.fout.find("gebruik:"), std::string::npos) << args;
        EXPECT_EQ(r.uit, "");
    }
    const std::string weg = (map.pad() / "bestaat-niet.txt").string();
    for (const std::string& args : {weg, "--batch " + weg, "--batch " + map.pad().string()}) {
        const auto r = draai(map, args);
        EXPECT_EQ(r.code, 2) << args;
        EXPECT_NE(r.fout.find("sudoku-blad-cli: "), std::string::npos) << r.fout;
    }
    // A rejected file: the reason, and no solve.
    const auto r = draai(map, "--trace " + map.schrijf("slecht.txt", "123\n4x6\n").string());
    EXPECT_EQ(r.code, 2);
    EXPECT_NE(r.fout.find("regel 2, positie 2"), std::string::npos) << r.fout;
    EXPECT_EQ(r.uit.find("place"), std::string::npos);
}

}  // namespace
}  // namespace sudoku::test
