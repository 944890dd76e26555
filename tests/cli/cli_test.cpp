// sudoku-blad-cli as other tools see it: the exact lines it prints and its exit status.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "support/testhulp.h"

extern char** environ;

namespace sudoku::test {
namespace {

struct Run {
    std::string uit;   // stdout
    std::string fout;  // stderr
    int code = -1;
};

std::string lees(const std::filesystem::path& p) {
    std::ifstream f(p, std::ios::binary);
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
}

// Runs the program with `args`, `invoer` on standard input.
Run draai(const std::vector<std::string>& args, const std::string& invoer = "") {
    TijdelijkeMap map;
    const auto in = map.schrijf("in.txt", invoer);
    const auto uit = map.pad() / "uit.txt";
    const auto fout = map.pad() / "fout.txt";
    posix_spawn_file_actions_t acties;
    posix_spawn_file_actions_init(&acties);
    posix_spawn_file_actions_addopen(&acties, 0, in.c_str(), O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&acties, 1, uit.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addopen(&acties, 2, fout.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    std::vector<std::string> alle{SUDOKU_CLI};
    alle.insert(alle.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (auto& a : alle) argv.push_back(a.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    Run r;
    if (posix_spawn(&pid, SUDOKU_CLI, &acties, nullptr, argv.data(), environ) == 0) {
        int status = 0;
        waitpid(pid, &status, 0);
        r.code = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    }
    posix_spawn_file_actions_destroy(&acties);
    r.uit = lees(uit);
    r.fout = lees(fout);
    return r;
}

std::string negenRegels(const std::string& bord81) {
    std::string s;
    for (int r = 0; r < 9; ++r) s += bord81.substr(r * 9, 9) + "\n";
    return s;
}

// A full grid and the same grid with its third cell (row 1, column 3: a 3) emptied.
const std::string OPLOSSING =
    "483921657967345821251876493548132976729564138136798245372689514814253769695417382";
std::string eenGat() {
    std::string p = OPLOSSING;
    p[2] = '.';
    return p;
}

class Cli : public ::testing::Test {
protected:
    TijdelijkeMap map;
    std::string bestand(const std::string& inhoud, const std::string& naam = "case.txt") {
        return map.schrijf(naam, inhoud).string();
    }
};

TEST_F(Cli, EnkelMetSpoorToontPlaatsingEnStatusInVolgorde) {
    const auto r = draai({"--trace", bestand(negenRegels(eenGat()))});
    EXPECT_EQ(r.uit, "place 1 3 3\n"
                     "status \" Sudoku succesvol ingevuld! \"\n" +
                         negenRegels(OPLOSSING) + "result \" Sudoku succesvol ingevuld! \"\n");
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.fout, "");
}

TEST_F(Cli, EnkelMetModulesMeldtElkeStatuswisselEenKeer) {
    // Nine row sweeps set the same banner nine times: the line changes only once.
    const auto r = draai({"--modules", "--trace", bestand(negenRegels(eenGat()))});
    EXPECT_EQ(r.uit, "status \" Module BLOKLIJNEN Horizontaal \"\n"
                     "place 1 3 3\n"
                     "status \" Module LIJNEN Horizontaal \"\n"
                     "status \" Module LIJNEN Verticaal \"\n"
                     "status \" Module BLOKKEN \"\n"
                     "status \" Module CEL \"\n"
                     "status \" Sudoku succesvol ingevuld! \"\n" +
                         negenRegels(OPLOSSING) + "result \" Sudoku succesvol ingevuld! \"\n");
    EXPECT_EQ(r.code, 0);
}

TEST_F(Cli, EnkelZonderSpoorAlleenBordEnResultaat) {
    // The loader's own format: spaces for empty cells, CRLF line ends, text after column 9.
    std::string tekst;
    const std::string p = eenGat();
    for (int r = 0; r < 9; ++r) {
        std::string rij = p.substr(r * 9, 9);
        for (char& c : rij)
            if (c == '.') c = ' ';
        tekst += rij + " opmerking\r\n";
    }
    const auto r = draai({bestand(tekst)});
    EXPECT_EQ(r.uit, negenRegels(OPLOSSING) + "result \" Sudoku succesvol ingevuld! \"\n");
    EXPECT_EQ(r.code, 0);
}

TEST_F(Cli, VolBordIsNietOpgelostOokAlIsHetCompleet) {
    // Nothing to place: the solver ends with its "not complete input" text, exit 1.
    const auto r = draai({"--trace", bestand(negenRegels(OPLOSSING))});
    EXPECT_EQ(r.uit, "status \"Jammer, waarschijnlijk is de invoer niet kompleet\"\n" +
                         negenRegels(OPLOSSING) +
                         "result \"Jammer, waarschijnlijk is de invoer niet kompleet\"\n");
    EXPECT_EQ(r.code, 1);
}

TEST_F(Cli, VastgelopenPuzzelGeeftOpEnGokkenLostHemOp) {
    const auto top95 = leesCollectie("top95");
    ASSERT_FALSE(top95.empty());
    // Puzzle 47 of top95 is beyond the deduction modules and needs a guess.
    const Puzzel& p = top95.at(46);
    const std::string pad = bestand(negenRegels(p.opgave));
    const auto zonder = draai({pad});
    EXPECT_EQ(zonder.code, 1);
    EXPECT_NE(zonder.uit.find("result \"Jammer niet genoeg kennis om de reeks op te lossen\"\n"),
              std::string::npos)
        << zonder.uit;
    const auto met = draai({"--trial", pad});
    EXPECT_EQ(met.code, 0);
    EXPECT_EQ(met.uit, negenRegels(p.oplossing) +
                           "result \" Sudoku succesvol ingevuld! (na een gok) \"\n");
}

TEST_F(Cli, AfgewezenBestandGeeftCode2MetRedenEnToontWatGeladenWerd) {
    std::string tekst = negenRegels(eenGat());
    tekst[13] = 'x';  // line 2, position 4
    const auto r = draai({"--trace", bestand(tekst)});
    EXPECT_EQ(r.code, 2);
    EXPECT_NE(r.fout.find("regel 2, positie 4"), std::string::npos) << r.fout;
    EXPECT_NE(r.uit.find("status \" Fout in SudokuTestCase.txt: regel 2, positie 4 \"\n"),
              std::string::npos)
        << r.uit;
    EXPECT_EQ(r.uit.find("place"), std::string::npos);  // "Start" stays disabled
}

TEST_F(Cli, GebruiksfoutenEnOntbrekendBestandGevenCode2) {
    for (const auto& args : std::vector<std::vector<std::string>>{
             {}, {"--onbekend", "x"}, {"een", "twee"}, {"--batch"}, {"--trial"}}) {
        const auto r = draai(args);
        EXPECT_EQ(r.code, 2) << ::testing::PrintToString(args);
        EXPECT_NE(r.fout.find("gebruik:"), std::string::npos);
        EXPECT_EQ(r.uit, "");
    }
    const std::string weg = (map.pad() / "bestaat-niet.txt").string();
    for (const auto& args :
         std::vector<std::vector<std::string>>{{weg}, {"--batch", weg}, {"--batch", map.pad()}}) {
        const auto r = draai(args);
        EXPECT_EQ(r.code, 2) << ::testing::PrintToString(args);
        EXPECT_EQ(r.uit, "");
        EXPECT_NE(r.fout.find("sudoku-blad-cli: "), std::string::npos) << r.fout;
    }
    EXPECT_NE(draai({weg}).fout.find("bestaat niet"), std::string::npos);
}

TEST_F(Cli, VersieEnHulp) {
    const auto v = draai({"--version"});
    EXPECT_EQ(v.uit, "1.6.6\n");
    EXPECT_EQ(v.code, 0);
    const auto h = draai({"--help"});
    EXPECT_EQ(h.code, 0);
    EXPECT_NE(h.uit.find("--batch"), std::string::npos);
}

TEST_F(Cli, BatchSlaatCommentaarOverEnMeldtSlechteRegelsMetHunNummer) {
    const std::string invoer = "# proef\n"                         // 1
                               "\n"                                // 2
                               + eenGat() + "," + OPLOSSING + "\n"  // 3: text after 81 ignored
                               + "12x\n"                           // 4
                               + eenGat().substr(0, 80) + "\n"     // 5: one short
                               + OPLOSSING + "\r\n"                // 6: CRLF, nothing to place
                               + "   \t\n"                         // 7: blank
                               + std::string(eenGat()).replace(0, 1, "0");  // 8: no line end
    const std::string verwacht =
        OPLOSSING + " \" Sudoku succesvol ingevuld! \"\n"
        "error 4 \"ongeldig teken 'x' op positie 3; een cel is 1-9, '.', '0' of een spatie\"\n"
        "error 5 \"te kort: 80 tekens, een puzzel heeft er 81\"\n" +
        OPLOSSING + " \"Jammer, waarschijnlijk is de invoer niet kompleet\"\n" + OPLOSSING +
        " \" Sudoku succesvol ingevuld! \"\n";
    const auto r = draai({"--batch", bestand(invoer)});
    EXPECT_EQ(r.uit, verwacht);
    EXPECT_EQ(r.code, 0);
    EXPECT_NE(r.fout.find("3 puzzels: 2 opgelost, 0 opgelost na een gok, 0 ingevuld maar niet "
                          "geldig, 1 niet opgelost; 2 regels afgewezen"),
              std::string::npos)
        << r.fout;
    // The same from standard input.
    const auto s = draai({"--batch", "-"}, invoer);
    EXPECT_EQ(s.uit, verwacht);
    EXPECT_EQ(s.code, 0);
}

TEST_F(Cli, BatchMetSpoorBegintElkePuzzelInEenVerseToestand) {
    // Were the state carried over, the second solve would not change the status line.
    const std::string blok = "place 1 3 3\nstatus \" Sudoku succesvol ingevuld! \"\n" + OPLOSSING +
                             " \" Sudoku succesvol ingevuld! \"\n";
    const auto r = draai({"--trace", "--batch", "-"}, eenGat() + "\n" + eenGat() + "\n");
    EXPECT_EQ(r.uit, blok + blok);
    EXPECT_EQ(r.code, 0);
}

TEST_F(Cli, BatchMetGokTeltDieApart) {
    const auto top95 = leesCollectie("top95");
    ASSERT_FALSE(top95.empty());
    const Puzzel& p = top95.at(46);
    const auto r = draai({"--trial", "--batch", "-"}, p.opgave + "\n");
    EXPECT_EQ(r.uit, p.oplossing + " \" Sudoku succesvol ingevuld! (na een gok) \"\n");
    EXPECT_NE(r.fout.find("1 puzzels: 0 opgelost, 1 opgelost na een gok"), std::string::npos)
        << r.fout;
}

}  // namespace
}  // namespace sudoku::test
