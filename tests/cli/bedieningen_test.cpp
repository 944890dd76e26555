// --bedieningen as a checker reads it: the grammar of every line, the order of the controls,
// the three moments, and the rest of the output unchanged.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cctype>
#include <fstream>
#include <regex>
#include <sstream>

#include "support/testhulp.h"

namespace sudoku::test {
namespace {

struct Uitvoer {
    std::vector<std::string> regels;
    std::string fout;
    int code = -1;
};

// The program with `args` and `invoer` on standard input.
Uitvoer draai(const TijdelijkeMap& map, const std::string& args, const std::string& invoer = "") {
    const auto in = map.schrijf("in.txt", invoer), uit = map.pad() / "uit.txt",
               fout = map.pad() / "fout.txt";
    const int status = std::system((std::string(SUDOKU_CLI) + " " + args + " <" + in.string() +
                                    " >" + uit.string() + " 2>" + fout.string())
                                       .c_str());
    Uitvoer u;
    std::ifstream s(uit);
    for (std::string r; std::getline(s, r);) u.regels.push_back(r);
    std::ostringstream f;
    f << std::ifstream(fout).rdbuf();
    u.fout = f.str();
    u.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return u;
}

const std::string kTekst = R"("(?:[^"\\]|\\["\\])*")";
const std::regex kCel("cel [1-9] [1-9] " + kTekst + " (grijs|rood|venstertekst|0x[0-9A-F]{6,})");
const std::regex kOplos("oplos [1-9] " + kTekst);
const std::regex kKnop("knop (Invoer|Bevestig|Start|Herstart) (aan|uit) (zichtbaar|verborgen)");
const std::regex kVink("vink (Check_tussenstap|Check_module|Check_uitproberen) [01]");
const std::regex kOpmerk("opmerk " + kTekst);
const std::regex kMeldingen("meldingen (0|[1-9][0-9]*)");

// The dump that starts at regels[i] ("moment NAAM"), checked line by line against the grammar
// and the order of the controls; its lines after the moment line. Moves `i` past it.
std::vector<std::string> leesDump(const std::vector<std::string>& regels, std::size_t& i,
                                  const std::string& moment) {
    EXPECT_LT(i, regels.size());
    if (i >= regels.size()) return {};
    EXPECT_EQ(regels[i], "moment " + moment) << i;
    const std::size_t n = moment == "start" ? 99 : 98;
    EXPECT_LE(i + 1 + n, regels.size());
    if (i + 1 + n > regels.size()) return {};
    std::vector<std::string> d(regels.begin() + static_cast<long>(i) + 1,
                               regels.begin() + static_cast<long>(i + 1 + n));
    i += 1 + n;
    const char* knoppen[] = {"Invoer", "Bevestig", "Start", "Herstart"};
    const char* vinken[] = {"Check_tussenstap", "Check_module", "Check_uitproberen"};
    for (std::size_t j = 0; j < d.size(); ++j) {
        const std::string& r = d[j];
        bool goed;
        if (j < 81)
            goed = std::regex_match(r, kCel) && r.rfind("cel " + std::to_string(j / 9 + 1) + " " +
                                                            std::to_string(j % 9 + 1) + " ",
                                                        0) == 0;
        else if (j < 90)
            goed = std::regex_match(r, kOplos) &&
                   r.rfind("oplos " + std::to_string(j - 80) + " ", 0) == 0;
        else if (j < 94)
            goed = std::regex_match(r, kKnop) &&
                   r.rfind(std::string("knop ") + knoppen[j - 90] + " ", 0) == 0;
        else if (j < 97)
            goed = std::regex_match(r, kVink) &&
                   r.rfind(std::string("vink ") + vinken[j - 94] + " ", 0) == 0;
        else if (j == 97)
            goed = std::regex_match(r, kOpmerk);
        else
            goed = std::regex_match(r, kMeldingen);
        EXPECT_TRUE(goed) << moment << " line " << j + 1 << ": " << r;
    }
    return d;
}

bool isGebeurtenis(const std::string& r) {
    return r.rfind("place ", 0) == 0 || r.rfind("status ", 0) == 0;
}

struct Moment {
    std::vector<std::string> laden, start, herstart;
    long plaatsingen = 0;  // place lines between the first two dumps
};

// One test case's three dumps from regels[i] on, with the event lines between them. Removes
// the dumps and the one event line of "Herstart" from `zonder`, so that what is left is the
// output without --bedieningen.
Moment leesMomenten(const std::vector<std::string>& regels, std::size_t& i,
                    std::vector<std::string>& zonder) {
    Moment m;
    for (; i < regels.size() && isGebeurtenis(regels[i]); ++i) zonder.push_back(regels[i]);
    m.laden = leesDump(regels, i, "laden");
    for (; i < regels.size() && isGebeurtenis(regels[i]); ++i) {
        zonder.push_back(regels[i]);
        m.plaatsingen += regels[i].rfind("place ", 0) == 0;
    }
    m.start = leesDump(regels, i, "start");
    if (i < regels.size() && regels[i] == "status \" Begin opnieuw met: Start \"") ++i;
    m.herstart = leesDump(regels, i, "herstart");
    return m;
}

long telRegels(const std::vector<std::string>& d, const std::string& deel) {
    return std::count_if(d.begin(), d.end(),
                         [&](const std::string& r) { return r.find(deel) != std::string::npos; });
}

// The example: the three moments as the window shows them; with every option the rest of
// the output is that of the run without the dumps.
TEST(Bedieningen, TheExampleAtTheThreeMoments) {
    TijdelijkeMap map;
    const std::string voorbeeld = SUDOKU_VOORBEELD;
    const auto u = draai(map, "--bedieningen " + voorbeeld);
    ASSERT_EQ(u.regels.size(), 99u + 100u + 99u + 10u);
    EXPECT_EQ(u.code, 0);
    std::size_t i = 0;
    std::vector<std::string> zonder;
    const Moment m = leesMomenten(u.regels, i, zonder);
    EXPECT_EQ(telRegels(m.laden, "\" venstertekst"), 81);
    EXPECT_EQ(telRegels(m.laden, "\" \" venstertekst"), 51);  // the empty cells
    for (int d = 1; d <= 9; ++d)                              // no digit given nine times
        EXPECT_EQ(m.laden[static_cast<std::size_t>(80 + d)],
                  "oplos " + std::to_string(d) + " \" \"");
    EXPECT_EQ(m.laden[92], "knop Start aan zichtbaar");
    EXPECT_EQ(m.laden[93], "knop Herstart uit zichtbaar");
    EXPECT_EQ(m.laden[97], "opmerk \"Rastavo\"");
    // After "Start" the whole dump: the givens grey, the solved cells in the window-text colour.
    std::ifstream bestand(voorbeeld);
    std::vector<std::string> verwacht;
    std::string gegeven;
    for (std::string r; std::getline(bestand, r) && gegeven.size() < 81;)
        gegeven += (r + std::string(9, ' ')).substr(0, 9);
    for (int r = 0; r < 9; ++r)
        for (int k = 0; k < 9; ++k)
            verwacht.push_back("cel " + std::to_string(r + 1) + " " + std::to_string(k + 1) +
                               " \"" + u.regels[298 + static_cast<std::size_t>(r)][k] + "\" " +
                               (std::isdigit(static_cast<unsigned char>(gegeven[r * 9 + k]))
                                    ? "grijs"
                                    : "venstertekst"));
    for (int d = 1; d <= 9; ++d)
        verwacht.push_back("oplos " + std::to_string(d) + " \"" + std::to_string(d) + "\"");
    for (const char* r :
         {"knop Invoer aan zichtbaar", "knop Bevestig uit zichtbaar", "knop Start uit zichtbaar",
          "knop Herstart aan zichtbaar", "vink Check_tussenstap 0", "vink Check_module 0",
          "vink Check_uitproberen 0", "opmerk \" Sudoku succesvol ingevuld! \"", "meldingen 51"})
        verwacht.push_back(r);
    EXPECT_EQ(m.start, verwacht);
    EXPECT_EQ(m.start[1], "cel 1 2 \"7\" venstertekst");
    // "Herstart": the board, its colours and Oplos as after the load, the buttons back.
    EXPECT_TRUE(std::equal(m.laden.begin(), m.laden.begin() + 90, m.herstart.begin()));
    EXPECT_EQ(m.herstart[92], "knop Start aan zichtbaar");
    EXPECT_EQ(m.herstart[97], "opmerk \" Begin opnieuw met: Start \"");
    EXPECT_EQ(u.regels.back(), "result \" Sudoku succesvol ingevuld! \"");

    const auto alles = draai(map, "--trial --modules --trace --bedieningen " + voorbeeld);
    const auto gewoon = draai(map, "--trial --modules --trace " + voorbeeld);
    i = 0;
    zonder.clear();
    const Moment n = leesMomenten(alles.regels, i, zonder);
    zonder.insert(zonder.end(), alles.regels.begin() + static_cast<long>(i), alles.regels.end());
    EXPECT_EQ(zonder, gewoon.regels);
    EXPECT_EQ(n.start[95], "vink Check_module 1");
    EXPECT_EQ(n.start[96], "vink Check_uitproberen 1");
    EXPECT_EQ(n.start[98], "meldingen " + std::to_string(n.plaatsingen));
}

// A refused file: only the dumps on stdout, "Start" takes no click, "Herstart" none either.
TEST(Bedieningen, ARefusedFileShowsTheWindowItLeaves) {
    TijdelijkeMap map;
    const auto u = draai(map, "--trial --trace --bedieningen -", "12x\n");
    EXPECT_EQ(u.code, 2);
    EXPECT_NE(u.fout.find("regel 1, positie 3"), std::string::npos) << u.fout;
    ASSERT_EQ(u.regels.size(), 99u + 100u + 99u);
    std::size_t i = 0;
    std::vector<std::string> zonder;
    const Moment m = leesMomenten(u.regels, i, zonder);
    EXPECT_TRUE(zonder.empty());
    EXPECT_EQ(m.laden[0], "cel 1 1 \"\" venstertekst");  // never given a value
    EXPECT_EQ(m.laden[92], "knop Start uit zichtbaar");
    EXPECT_EQ(m.laden[96], "vink Check_uitproberen 0");
    EXPECT_EQ(m.start[96], "vink Check_uitproberen 1");
    EXPECT_EQ(m.start[98], "meldingen 0");
    EXPECT_TRUE(std::equal(m.laden.begin(), m.laden.begin() + 96, m.start.begin()));
    EXPECT_TRUE(std::equal(m.herstart.begin(), m.herstart.end(), m.start.begin()));
}

// A batch over a collection, a guess that fails among them and a refused line: every
// dump in the grammar, one block per puzzle, and the rest as without the option.
TEST(Bedieningen, GrammarOverACollection) {
    TijdelijkeMap map;
    const auto top95 = leesCollectie("top95");
    ASSERT_GE(top95.size(), 95u) << SUDOKU_PUZZELS;
    std::string invoer;
    for (const auto& p : top95) invoer += p.opgave + "\n";
    invoer += "geen puzzel\n";
    const auto u = draai(map, "--trial --trace --bedieningen --batch -", invoer);
    const auto gewoon = draai(map, "--trial --trace --batch -", invoer);
    EXPECT_EQ(u.code, 2);
    std::vector<std::string> zonder;
    long puzzels = 0, gok = 0;
    for (std::size_t i = 0; i < u.regels.size();) {
        if (u.regels[i].rfind("error ", 0) == 0) {
            zonder.push_back(u.regels[i++]);
            continue;
        }
        ASSERT_EQ(u.regels[i], "puzzel " + std::to_string(++puzzels));
        const Moment m = leesMomenten(u.regels, ++i, zonder);
        ASSERT_LT(i, u.regels.size());
        zonder.push_back(u.regels[i++]);  // the BOARD line closes the block
        EXPECT_EQ(m.start[98], "meldingen " + std::to_string(m.plaatsingen));
        EXPECT_EQ(telRegels(m.start, " rood"), 0);
        EXPECT_EQ(telRegels(m.herstart, " grijs"), 0);
        gok += m.start[97].find("na een gok") != std::string::npos;
    }
    EXPECT_EQ(puzzels, 95);
    EXPECT_GT(gok, 0);
    EXPECT_EQ(zonder, gewoon.regels);
}

}  // namespace
}  // namespace sudoku::test
