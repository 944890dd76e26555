// sudoku-blad-cli as other tools see it: the exact lines it prints and its exit status.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string_view>

#include "support/testhulp.h"

namespace sudoku::test {
namespace {

struct Run {
    std::string uit, fout;  // stdout, stderr
    int code = -1;
};

std::string lees(const std::filesystem::path& p) {
    std::ostringstream s;
    s << std::ifstream(p, std::ios::binary).rdbuf();
    return s.str();
}

// Runs the program through the shell with `args` (no spaces inside an argument); stdin and
// stdout are the given redirections, or a file with `invoer` and a file that is read back.
Run draaiMet(const TijdelijkeMap& map, const std::string& args, const std::string& invoer,
             std::string stdinNaar, std::string stdoutNaar) {
    const auto uit = map.pad() / "uit.txt", fout = map.pad() / "fout.txt";
    std::filesystem::remove(uit);
    if (stdinNaar.empty()) stdinNaar = "<" + map.schrijf("in.txt", invoer).string();
    if (stdoutNaar.empty()) stdoutNaar = ">" + uit.string();
    const int status = std::system((std::string(SUDOKU_CLI) + " " + args + " " + stdinNaar + " " +
                                    stdoutNaar + " 2>" + fout.string())
                                       .c_str());
    return {lees(uit), lees(fout), WIFEXITED(status) ? WEXITSTATUS(status) : -1};
}

Run draai(const TijdelijkeMap& map, const std::string& args, const std::string& invoer = "") {
    return draaiMet(map, args, invoer, "", "");
}

std::string negenRegels(const std::string& bord81) {
    std::string s;
    for (int r = 0; r < 9; ++r) s += bord81.substr(r * 9, 9) + "\n";
    return s;
}

const std::string EEN_GAT = std::string(OPGELOST_BORD).replace(2, 1, ".");  // (1,3) holds 3

TEST(Cli, SingleSolveWithTracePrintsEachPlacementStatusBoardAndResult) {
    TijdelijkeMap map;
    const auto r = draai(map, "--trace " + map.schrijf("case.txt", negenRegels(EEN_GAT)).string());
    EXPECT_EQ(r.uit, "place 1 3 3\n"
                     "status \" Sudoku succesvol ingevuld! \"\n" +
                         negenRegels(OPGELOST_BORD) + "result \" Sudoku succesvol ingevuld! \"\n");
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.fout, "");
    // In a batch each puzzle starts afresh: were the state carried over, the second
    // solve would not change the status line.
    const std::string blok = "place 1 3 3\nstatus \" Sudoku succesvol ingevuld! \"\n" +
                             OPGELOST_BORD + " \" Sudoku succesvol ingevuld! \"\n";
    EXPECT_EQ(draai(map, "--trace --batch -", EEN_GAT + "\n" + EEN_GAT + "\n").uit, blok + blok);
}

TEST(Cli, BatchSkipsCommentsAndNamesBadLinesByNumber) {
    TijdelijkeMap map;
    const std::string invoer = "# proef\n"                             // 1
                               "\n"                                    // 2
                               + EEN_GAT + "," + OPGELOST_BORD + "\n"  // 3: text after 81 ignored
                               + "12x\n"                               // 4
                               + EEN_GAT.substr(0, 80) + "\n"          // 5: one short
                               + OPGELOST_BORD + "\r\n"  // 6: CRLF, full: judged at once
                               + EEN_GAT + "\r\r"        // 7 and 8: lone CRs
                               + std::string(EEN_GAT).replace(0, 1, "0");  // 9: no line end
    const auto r = draai(map, "--batch -", invoer);
    const std::string opgelost = OPGELOST_BORD + " \" Sudoku succesvol ingevuld! \"\n";
    EXPECT_EQ(
        r.uit,
        opgelost +
            "error 4 \"ongeldig teken 'x' op positie 3; een cel is 1-9, '.', '0' of een spatie\"\n"
            "error 5 \"te kort: 80 tekens, een puzzel heeft er 81\"\n" +
            opgelost + opgelost + opgelost);
    // A byte-order mark before a blank first line leaves a blank line.
    for (const char* leeg : {"\xEF\xBB\xBF\n", "\xEF\xBB\xBF \t\r"}) {
        const auto b = draai(map, "--batch -", std::string(leeg) + EEN_GAT + "\n");
        EXPECT_EQ(b.uit, opgelost);
        EXPECT_EQ(b.code, 0) << b.fout;
    }
    EXPECT_EQ(r.code, 2);  // a refused line fails the batch, after every other line is answered
    EXPECT_NE(r.fout.find("4 puzzels: 4 opgelost, 0 opgelost na een gok, 0 ingevuld maar niet "
                          "geldig, 0 niet opgelost; 2 regels afgewezen"),
              std::string::npos)
        << r.fout;
}

TEST(Cli, ExitCodes) {
    TijdelijkeMap map;
    EXPECT_EQ(draai(map, map.schrijf("leeg.txt", negenRegels(std::string(81, '.'))).string()).code,
              1);  // unsolved
    EXPECT_EQ(draai(map, map.schrijf("vol.txt", negenRegels(OPGELOST_BORD)).string()).code,
              0);  // a full board that holds
    // A batch of puzzles only, solved or not, succeeds; so does one of nothing but skipped lines.
    EXPECT_EQ(draai(map, "--batch -", OPGELOST_BORD + "\n" + EEN_GAT + "\n# x\n").code, 0);
    EXPECT_EQ(draai(map, "--batch -", "\n").code, 0);
    EXPECT_EQ(draai(map, "--batch --jobs 2 -", "1\n").code, 2);
    EXPECT_EQ(draai(map, "--version").code, 0);
    // Every argument is read first: an unknown option is refused whatever else is given, and so
    // is an option given twice.
    for (const char* args :
         {"", "--onbekend x", "een twee", "--batch", "--trial", "--jobs 0 --batch -",
          "--batch - --jobs", "--jobs=x --batch -", "--version --frob", "--help -x",
          "--trial --trial x", "-h --help", "--jobs 2 --batch --jobs=3 -"}) {
        const auto r = draai(map, args);
        EXPECT_EQ(r.code, 2) << args;
        EXPECT_NE(r.fout.find("gebruik:"), std::string::npos) << args;
        EXPECT_EQ(r.uit, "");
    }
    // After `--` every argument is a FILE.
    EXPECT_EQ(draai(map, "-- --help").fout, "sudoku-blad-cli: --help: bestaat niet\n");
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

// Input that cannot be read and output that cannot be written: a reason on stderr and
// exit status 2, never an abort and never a silent success.
TEST(Cli, ClosedOrFolderInputAndUnwritableOutput) {
    TijdelijkeMap map;
    const std::string geval = map.schrijf("case.txt", negenRegels(EEN_GAT)).string();
    struct Geval {
        std::string args, in, uit, melding;
    };
    const Geval gevallen[] = {
        {"-", "<&-", "", "sudoku-blad-cli: standaardinvoer: is gesloten\n"},
        {"-", "<" + map.pad().string(), "",
         "sudoku-blad-cli: standaardinvoer: is een map, geen bestand\n"},
        // A batch says it in the same words.
        {"--batch -", "<&-", "", "sudoku-blad-cli: standaardinvoer: is gesloten\n"},
        {"--batch -", "<" + map.pad().string(), "",
         "sudoku-blad-cli: standaardinvoer: is een map, geen bestand\n"},
        {geval, "", ">/dev/full", "sudoku-blad-cli: schrijven van de uitvoer mislukt\n"},
        {"--trace " + geval, "", ">&-", "sudoku-blad-cli: schrijven van de uitvoer mislukt\n"},
        {"-", "", ">/dev/full", "sudoku-blad-cli: schrijven van de uitvoer mislukt\n"},
        {"--batch --jobs 1 -", "", ">/dev/full",
         "sudoku-blad-cli: schrijven van de uitvoer mislukt\n"},
        {"--batch --jobs 3 -", "", ">&-", "sudoku-blad-cli: schrijven van de uitvoer mislukt\n"},
        {"--help", "", ">/dev/full", "sudoku-blad-cli: schrijven van de uitvoer mislukt\n"},
    };
    for (const auto& g : gevallen) {
        const auto r = draaiMet(map, g.args, negenRegels(EEN_GAT), g.in, g.uit);
        EXPECT_EQ(r.code, 2) << g.args << " " << g.in << g.uit;
        EXPECT_NE(r.fout.find(g.melding), std::string::npos)
            << g.args << " " << g.in << g.uit << ": " << r.fout;
    }
}

// A reader that goes away (`| head -1`) is a write error like a full disk: a reason and
// status 2, not a silent signal; and an empty batch still names every count.
TEST(Cli, AReaderThatGoesAwayAndAnEmptyBatch) {
    TijdelijkeMap map;
    std::string veel;
    for (int i = 0; i < 3000; ++i) veel += EEN_GAT + "\n";
    const auto invoer = map.schrijf("veel.txt", veel), fout = map.pad() / "fout.txt",
               code = map.pad() / "code.txt";
    ASSERT_EQ(std::system(("(" + std::string(SUDOKU_CLI) + " --verslag --batch " + invoer.string() +
                           " 2>" + fout.string() + "; echo $? >" + code.string() +
                           ") | head -1 >/dev/null")
                              .c_str()),
              0);
    EXPECT_EQ(lees(code), "2\n");
    EXPECT_NE(lees(fout).find("sudoku-blad-cli: schrijven van de uitvoer mislukt\n"),
              std::string::npos);
    const auto leeg = draai(map, "--verslag --batch " + map.schrijf("leeg.txt", "").string());
    EXPECT_EQ(leeg.code, 0);
    EXPECT_NE(leeg.fout.find("; niveau: 0 basis, 0 uitzonderingstabel, 0 naked, 0 gok, 0 "
                             "onopgelost; oplossingen: 0 uniek, 0 meerdere, 0 geen"),
              std::string::npos)
        << leeg.fout;
}

// A single FILE or stdin goes through the window's loader (its layouts are the loader's
// tests): the one-line layout read; a refused layout has its place on stderr only.
TEST(Cli, FileLayoutsAndRefusals) {
    TijdelijkeMap map;
    const std::string opgelost =
        negenRegels(OPGELOST_BORD) + "result \" Sudoku succesvol ingevuld! \"\n";
    const std::string eenRegel = EEN_GAT + "," + OPGELOST_BORD + "\r\n";
    const auto bestand = draai(map, map.schrijf("p.txt", eenRegel).string());
    EXPECT_EQ(bestand.uit, opgelost);
    EXPECT_EQ(bestand.code, 0);
    EXPECT_EQ(draai(map, "-", eenRegel).uit, opgelost);
    const std::pair<std::string, std::string> geweigerd[] = {
        {"5 . 9 | 2 4 1 | 3 . 8\n", "regel 1, positie 7"},
        {"#\n---+---+---\n1.|3\n", "regel 3, positie 3"},
    };
    for (const auto& [inhoud, waar] : geweigerd) {
        const auto pad = map.schrijf("puzzel.txt", inhoud);
        const auto r = draai(map, "--trace " + pad.string());
        EXPECT_EQ(r.code, 2);
        EXPECT_EQ(r.uit, "");
        EXPECT_EQ(r.fout, "sudoku-blad-cli: " + pad.string() + ": " + waar +
                              ": ongeldig teken; een cel is 1-9, '.', '0' of een spatie\n");
    }
}

// Each way a FILE is refused has its own reason on stderr, taken from what the loader
// found, nothing on stdout, and exit status 2; a pipe is read like a file. What the system
// says of a path reads the same in a batch, in Dutch.
TEST(Cli, EachRefusalHasItsReason) {
    TijdelijkeMap map;
    std::string tien = negenRegels(EEN_GAT) + "1\n";
    const std::string fifo = (map.pad() / "pijp").string();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    struct Geval {
        std::string pad, invoer, reden;
    };
    std::vector<Geval> gevallen = {
        {map.schrijf("tien.txt", tien).string(), "", "meer dan negen regels met cijfers"},
        {"-", tien, "meer dan negen regels met cijfers"},
        {"-", "12x\n",
         "regel 1, positie 3: ongeldig teken; een cel is 1-9, '.', '0' of een spatie"},
    };
    const std::string lus = (map.pad() / "lus").string();
    std::filesystem::create_symlink(lus, lus);
    const std::pair<std::string, std::string> paden[] = {
        {map.pad().string(), "is een map, geen bestand"},
        {"/dev/null", "is geen gewoon bestand"},
        {"/dev/zero", "is geen gewoon bestand"},  // a batch once read it for ever
        {(map.pad() / "weg.txt").string(), "bestaat niet"},
        {(map.pad() / "tien.txt" / "x").string(), "bestaat niet"},
        {lus, "te veel niveaus van symbolische koppelingen"},
        {(map.pad() / std::string(300, 'x')).string(), "de naam is te lang"},
    };
    for (const auto& [pad, reden] : paden) {
        gevallen.push_back({pad, "", reden});
        gevallen.push_back({"--batch " + pad, "", reden});
    }
    if (::geteuid() != 0) {  // root reads any file
        const auto dicht = map.schrijf("dicht.txt", negenRegels(EEN_GAT));
        std::filesystem::permissions(dicht, std::filesystem::perms::none);
        gevallen.push_back({dicht.string(), "", "geen leesrechten"});
        gevallen.push_back({"--batch " + dicht.string(), "", "geen leesrechten"});
    }
    for (const auto& g : gevallen) {
        const auto r = draai(map, g.pad, g.invoer);
        const std::string naam =
            g.pad == "-" ? "standaardinvoer" : g.pad.substr(g.pad.rfind(' ') + 1);
        EXPECT_EQ(r.code, 2) << g.pad;
        EXPECT_EQ(r.fout, "sudoku-blad-cli: " + naam + ": " + g.reden + "\n");
        EXPECT_EQ(r.uit, "") << g.pad;
    }
    const std::string geval = map.schrijf("gat.txt", negenRegels(EEN_GAT)).string();
    ASSERT_EQ(std::system(("cat " + geval + " > " + fifo + " &").c_str()), 0);
    const auto pijp = draai(map, fifo);
    EXPECT_EQ(pijp.code, 0) << pijp.fout;
    EXPECT_EQ(pijp.uit, negenRegels(OPGELOST_BORD) + "result \" Sudoku succesvol ingevuld! \"\n");
}

std::vector<std::string> regelsVan(const std::string& tekst) {
    std::vector<std::string> r;
    std::istringstream s(tekst);
    for (std::string regel; std::getline(s, regel);) r.push_back(regel);
    return r;
}

// --bedieningen taken apart: each dump checked line by line against the grammar and the order
// of the controls and moments; what is left without the dumps, the `puzzel` lines and the one
// event of "Herstart"; per solve, the place lines between its first two dumps.
struct Gesplitst {
    std::vector<std::vector<std::string>> dumps;
    std::vector<long> plaatsingen;
    std::vector<std::string> rest;
};

// Takes a quoted text (only a quote and a backslash escaped) off the front of `s`.
bool neemTekst(std::string_view& s) {
    if (s.empty() || s[0] != '"') return false;
    for (std::size_t i = 1; i < s.size(); ++i) {
        if (s[i] == '\\' && i + 1 < s.size() && (s[i + 1] == '"' || s[i + 1] == '\\')) {
            ++i;
        } else if (s[i] == '"') {
            s.remove_prefix(i + 1);
            return true;
        } else if (s[i] == '\\') {
            return false;
        }
    }
    return false;
}

// Line j (0..98) of a dump, as the grammar and the order of the controls have it.
bool dumpRegelGoed(std::string_view r, std::size_t j) {
    const char* knoppen[] = {"Invoer", "Bevestig", "Start", "Herstart"};
    const char* vinken[] = {"Check_tussenstap", "Check_module", "Check_uitproberen"};
    const std::string begin =
        j < 81    ? "cel " + std::to_string(j / 9 + 1) + " " + std::to_string(j % 9 + 1) + " "
        : j < 90  ? "oplos " + std::to_string(j - 80) + " "
        : j < 94  ? std::string("knop ") + knoppen[j - 90] + " "
        : j < 97  ? std::string("vink ") + vinken[j - 94] + " "
        : j == 97 ? "opmerk "
                  : "meldingen ";
    if (!r.starts_with(begin)) return false;
    r.remove_prefix(begin.size());
    const auto hex = [](std::string_view h) {
        return h.size() >= 8 && h.starts_with("0x") &&
               h.find_first_not_of("0123456789ABCDEF", 2) == std::string_view::npos;
    };
    if (j < 81)
        return neemTekst(r) && (r == " grijs" || r == " rood" || r == " venstertekst" ||
                                (r.starts_with(' ') && hex(r.substr(1))));
    if (j < 90 || j == 97) return neemTekst(r) && r.empty();
    if (j < 94)
        return r == "aan zichtbaar" || r == "aan verborgen" || r == "uit zichtbaar" ||
               r == "uit verborgen";
    if (j < 97) return r == "0" || r == "1";
    return !r.empty() && r.find_first_not_of("0123456789") == std::string_view::npos &&
           (r == "0" || r[0] != '0');
}

Gesplitst splits(const std::vector<std::string>& regels) {
    const std::string momenten[] = {"moment laden", "moment start", "moment herstart"};
    Gesplitst g;
    long geplaatst = 0;
    for (std::size_t i = 0; i < regels.size(); ++i) {
        const std::string& r = regels[i];
        if (r.rfind("moment ", 0) != 0) {
            geplaatst += r.rfind("place ", 0) == 0;
            if (r.rfind("puzzel ", 0) != 0 &&
                (i + 1 == regels.size() || regels[i + 1] != momenten[2]))
                g.rest.push_back(r);
            continue;
        }
        EXPECT_EQ(r, momenten[g.dumps.size() % 3]) << i;
        if (r == momenten[0]) geplaatst = 0;
        if (r == momenten[1]) g.plaatsingen.push_back(geplaatst);
        const std::size_t n =
            std::min<std::size_t>(r == momenten[1] ? 99 : 98, regels.size() - i - 1);
        g.dumps.emplace_back(regels.begin() + static_cast<long>(i + 1),
                             regels.begin() + static_cast<long>(i + 1 + n));
        for (std::size_t j = 0; j < n; ++j)
            EXPECT_TRUE(dumpRegelGoed(regels[i + 1 + j], j)) << regels[i + 1 + j];
        i += n;
    }
    return g;
}

// The example at the three moments as the file beside it has them; with every option the rest
// is the output without the dumps. A refused file: only the dumps, no click taken.
TEST(Cli, ControlDumpOfTheExampleAndOfARefusedFile) {
    TijdelijkeMap map;
    const std::string voorbeeld = std::string(SUDOKU_VOORBEELDEN) + "/SudokuTestCase";
    const auto u = draai(map, "--bedieningen " + voorbeeld + ".txt");
    EXPECT_EQ(u.code, 0);
    EXPECT_EQ(u.uit, lees(voorbeeld + ".bedieningen.txt"));
    const std::string opties = "--trial --modules --trace ";
    const auto g =
        splits(regelsVan(draai(map, opties + "--bedieningen " + voorbeeld + ".txt").uit));
    EXPECT_EQ(g.rest, regelsVan(draai(map, opties + voorbeeld + ".txt").uit));
    ASSERT_EQ(g.dumps.size(), 3u);
    EXPECT_EQ(g.dumps[1][96], "vink Check_uitproberen 1");
    EXPECT_EQ(g.dumps[1][98], "meldingen " + std::to_string(g.plaatsingen[0]));

    const auto r = draai(map, "--trial --trace --bedieningen -", "12x\n");
    EXPECT_EQ(r.code, 2);
    const auto w = splits(regelsVan(r.uit));
    ASSERT_EQ(w.dumps.size(), 3u);
    EXPECT_TRUE(w.rest.empty());
    EXPECT_EQ(w.dumps[0][0], "cel 1 1 \"\" venstertekst");  // never given a value
    EXPECT_EQ(w.dumps[1][98], "meldingen 0");
    EXPECT_TRUE(std::equal(w.dumps[0].begin(), w.dumps[0].begin() + 96, w.dumps[1].begin()));
    EXPECT_TRUE(std::equal(w.dumps[2].begin(), w.dumps[2].end(), w.dumps[1].begin()));
}

// A batch over a collection with failing guesses and a refused line: three dumps per puzzle
// in the grammar, the step boxes counted, no grey after "Herstart", the rest unchanged.
TEST(Cli, ControlDumpGrammarOverACollection) {
    TijdelijkeMap map;
    std::string invoer;
    for (const auto& p : leesCollectie("top95")) invoer += p.opgave + "\n";
    invoer += "geen puzzel\n";
    const auto g =
        splits(regelsVan(draai(map, "--trial --trace --bedieningen --batch -", invoer).uit));
    EXPECT_EQ(g.rest, regelsVan(draai(map, "--trial --trace --batch -", invoer).uit));
    ASSERT_EQ(g.dumps.size(), 3u * 95);
    for (std::size_t i = 0; i < 95; ++i) {
        EXPECT_EQ(g.dumps[3 * i + 1][98], "meldingen " + std::to_string(g.plaatsingen[i]));
        for (const auto& regel : g.dumps[3 * i + 2])
            EXPECT_EQ(regel.find(" grijs"), std::string::npos);
    }
}

// Every `place R K D` line is followed by its own step, numbered on from the previous one
// (from 1 again after a puzzle's result line in a batch). Answers how many steps there were.
int stappenVolgenPlaatsingen(const std::vector<std::string>& regels) {
    int stappen = 0, totaal = 0;
    for (std::size_t i = 0; i < regels.size(); ++i) {
        int rij, kol, getal;
        if (std::sscanf(regels[i].c_str(), "place %d %d %d", &rij, &kol, &getal) != 3) {
            if (regels[i].rfind("stap ", 0) != 0 && regels[i].rfind("gok ", 0) != 0 &&
                regels[i].rfind("status ", 0) != 0)
                stappen = 0;  // a result line ends the puzzle
            continue;
        }
        ++totaal;
        const std::string stap = "stap " + std::to_string(++stappen) + ": rij " +
                                 std::to_string(rij) + ", kolom " + std::to_string(kol) + " = " +
                                 std::to_string(getal) + ", ";
        EXPECT_TRUE(i + 1 < regels.size() && regels[i + 1].rfind(stap, 0) == 0)
            << i << ": " << stap;
    }
    return totaal;
}

// Several threads answer exactly as one does: the same bytes in the same order, traces,
// refused lines and exit status included, over more puzzles than the window holds.
TEST(Cli, JobsGiveTheSameOutputAsOneThread) {
    TijdelijkeMap map;
    std::string invoer = "# gemengd\n";
    std::size_t n = 0;
    for (const char* naam :
         {"top95", "forum_hardest_1106", "easy50", "royle17", "sudoku_exchange_rated"}) {
        const auto c = leesCollectie(naam);
        for (std::size_t i = 0; i < c.size() && i < 70; ++i, ++n) invoer += c[i].opgave + "\n";
        invoer += "niet een puzzel\n\n";
    }
    ASSERT_GE(n, 300u) << "puzzle folder " << SUDOKU_PUZZELS;
    const auto een =
        draai(map, "--trial --modules --trace --stappen --verslag --jobs 1 --batch -", invoer);
    const auto drie =
        draai(map, "--trial --modules --trace --stappen --verslag --jobs 3 --batch -", invoer);
    EXPECT_EQ(een.code, 2);
    EXPECT_EQ(drie.code, 2);
    EXPECT_GT(een.uit.size(), 100000u);
    EXPECT_TRUE(een.uit == drie.uit) << "the outputs differ";
    EXPECT_GT(stappenVolgenPlaatsingen(regelsVan(een.uit)), 10000);
    // The summary names the same counts; only the time differs.
    EXPECT_EQ(een.fout.substr(0, een.fout.find(';', een.fout.find(';') + 1)),
              drie.fout.substr(0, drie.fout.find(';', drie.fout.find(';') + 1)));
}

// A solve with a guess that fails: each step follows its own placement in the trace, the
// undone guess has a line of its own, and the report's counts add up to the steps.
TEST(Cli, StepsFollowTheirPlacementsAndTheReportAddsUp) {
    TijdelijkeMap map;
    const auto top95 = leesCollectie("top95");
    ASSERT_GE(top95.size(), 61u) << SUDOKU_PUZZELS;
    const std::string pad = map.schrijf("gok.txt", top95[60].opgave + "\n").string();
    const auto r = draai(map, "--trial --trace --stappen --verslag " + pad);
    EXPECT_EQ(r.code, 0);
    const auto regels = regelsVan(r.uit);
    const int stappen = stappenVolgenPlaatsingen(regels);
    int ongedaan = 0, perTechniek = 0;
    for (const auto& regel : regels) {
        ongedaan += regel.rfind("gok ongedaan: terug naar stap ", 0) == 0;
        if (int n; std::sscanf(regel.c_str(), "techniek \"%*[^\"]\" %d", &n) == 1) perTechniek += n;
    }
    EXPECT_GT(stappen, 0);
    EXPECT_EQ(ongedaan, 1);
    // The guess itself, the steps it holds, and the other option once it is undone.
    const auto regelMet = [&](const char* wat) {
        return *std::find_if(regels.begin(), regels.end(), [&](const std::string& regel) {
            return regel.find(wat) != std::string::npos;
        });
    };
    EXPECT_TRUE(regelMet("Module Uitproberen").ends_with(", blok 8 (gok)"));
    EXPECT_TRUE(regelMet("stap 20:").ends_with(" (onder gok)"));
    const std::string hersteld = regelMet("mislukte gok, blok");  // no longer under the guess
    EXPECT_TRUE(hersteld.rfind("stap 50: rij 8, kolom 4 = 2, ", 0) == 0 &&
                hersteld.ends_with(", blok 8"));
    EXPECT_EQ(perTechniek, stappen);
    const auto result = std::find(regels.begin(), regels.end(),
                                  "result \" Sudoku succesvol ingevuld! (na een gok) \"");
    ASSERT_NE(result, regels.end());
    EXPECT_EQ(*(result + 1), "niveau gok");
    EXPECT_EQ(*(result + 2), "oplossingen uniek");
    EXPECT_EQ((result + 3)->rfind("techniek \"kruisen langs de rijen\" ", 0),
              0u);  // the ladder's order

    // In a batch: the level and the answer after each line, the counts in the summary.
    const auto b = draai(map, "--verslag --batch -",
                         EEN_GAT + "\n" + OPGELOST_BORD + "\n" + std::string(81, '.') + "\n");
    EXPECT_EQ(b.uit,
              OPGELOST_BORD + " \" Sudoku succesvol ingevuld! \" basis uniek\n" + OPGELOST_BORD +
                  " \" Sudoku succesvol ingevuld! \" basis uniek\n" + std::string(81, '.') +
                  " \"Jammer, waarschijnlijk is de invoer niet kompleet\" onopgelost meerdere\n");
    EXPECT_NE(b.fout.find("; niveau: 2 basis, 0 uitzonderingstabel, 0 naked, 0 gok, 1 onopgelost; "
                          "oplossingen: 2 uniek, "
                          "1 meerdere, 0 geen"),
              std::string::npos)
        << b.fout;
}

// --csv: a header, a row per line ending in CR LF with its fields quoted where needed, a
// refused line's reason in the outcome column, the givens and the one solution last;
// options that would break the rows are refused, and unreadable input gets no header.
// --tip: three lines whose third is the first step's sentence as --uitleg prints it, exit 0;
// one line and exit 1 when there is nothing to give; only with --trial and --modules.
TEST(Cli, TipInThreeStepsOrOneLine) {
    TijdelijkeMap map;
    const auto top95 = leesCollectie("top95");
    ASSERT_GE(top95.size(), 61u) << SUDOKU_PUZZELS;
    const std::string pad = map.schrijf("p.txt", top95[4].opgave + "\n").string();
    const auto tip = draai(map, "--modules --tip " + pad);
    EXPECT_EQ(tip.code, 0);
    const auto regels = regelsVan(tip.uit);
    ASSERT_EQ(regels.size(), 3u) << tip.uit;
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(regels[i].rfind("tip " + std::to_string(i + 1) + ": ", 0), 0u);
    const auto uitleg = regelsVan(draai(map, "--modules --uitleg " + pad).uit);
    const auto waarom = std::find_if(uitleg.begin(), uitleg.end(), [](const std::string& r) {
        return r.rfind("  waarom: ", 0) == 0;
    });
    ASSERT_NE(waarom, uitleg.end());
    EXPECT_EQ(regels[2].substr(7), waarom->substr(10));

    const auto vol = draai(map, "--tip -", negenRegels(OPGELOST_BORD));
    EXPECT_EQ(vol.uit, "tip: De puzzel is al helemaal ingevuld.\n");
    EXPECT_EQ(vol.code, 1);
    EXPECT_EQ(draai(map, "--tip " + (map.pad() / "weg.txt").string()).code, 2);
    const auto samen = draai(map, "--tip --stappen " + pad);
    EXPECT_EQ(samen.code, 2);
    EXPECT_NE(samen.fout.find("--tip gaat alleen samen met --trial en --modules"),
              std::string::npos);
}

TEST(Cli, CsvRowsPerLine) {
    TijdelijkeMap map;
    const std::string dubbel = "11" + std::string(79, '.');
    const auto r = draai(map, "--csv --batch -", EEN_GAT + "\n12x\n" + dubbel + "\n");
    auto regels = regelsVan(r.uit);
    ASSERT_EQ(regels.size(), 4u) << r.uit;
    for (auto& regel : regels) {
        EXPECT_TRUE(regel.ends_with('\r')) << regel;
        regel.pop_back();
    }
    EXPECT_EQ(regels[0].rfind(
                  "regel,puzzel,bord,uitkomst,niveau,oplossingen,stappen,gokken,Module BLOKLIJNEN "
                  "Horizontaal,Module BLOKLIJNEN Verticaal,",
                  0),
              0u);
    EXPECT_TRUE(regels[0].ends_with(",Fout hersteld na mislukte gok,gegeven,oplossing"));
    EXPECT_TRUE(regels[1].ends_with(",80," + OPGELOST_BORD)) << regels[1];
    EXPECT_EQ(regels[1].rfind("1," + EEN_GAT + "," + OPGELOST_BORD +
                                  ",\" Sudoku succesvol ingevuld! \",basis,uniek,1,0,",
                              0),
              0u)
        << regels[1];
    EXPECT_EQ(regels[2],
              "2,,,\"ongeldig teken 'x' op positie 3; een cel is 1-9, '.', '0' of een spatie\"" +
                  std::string(6 + AANTAL_TECHNIEKEN, ','));
    EXPECT_NE(regels[3].find(",onopgelost,geen,"), std::string::npos) << regels[3];
    EXPECT_TRUE(regels[3].ends_with(",2,")) << regels[3];  // no solution to give
    for (const auto& regel : regels) {
        int velden = 1, quote = 0;
        for (char c : regel) quote += c == '"', velden += c == ',' && quote % 2 == 0;
        EXPECT_EQ(velden, 10 + AANTAL_TECHNIEKEN) << regel;
    }
    EXPECT_EQ(r.code, 2);  // a refused line fails the batch, as without --csv
    for (const char* args : {"--csv -", "--csv --trace --batch -", "--csv --stappen --batch -",
                             "--jobs 2 -", "--bedieningen --verslag -",
                             "--bedieningen --csv --batch -", "--bedieningen --jobs 1 --batch -"}) {
        const auto fout = draai(map, args, EEN_GAT + "\n");
        EXPECT_EQ(fout.code, 2) << args;
        EXPECT_NE(fout.fout.find("gebruik:"), std::string::npos) << args;
        EXPECT_EQ(fout.uit, "") << args;
    }
    EXPECT_EQ(draai(map, "--csv --verslag --batch -", EEN_GAT + "\n").uit,
              r.uit.substr(0, r.uit.find("\n2,") + 1));
    const auto dicht = draaiMet(map, "--csv --batch -", "", "<&-", "");
    EXPECT_EQ(dicht.code, 2);
    EXPECT_EQ(dicht.uit, "");
}

}  // namespace
}  // namespace sudoku::test
