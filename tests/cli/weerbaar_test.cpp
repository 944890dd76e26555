// sudoku-blad-cli against careless and hostile use: names that would forge lines, line ends
// of other systems, arguments it must not take, and a batch told to stop.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <fstream>
#include <sstream>
#include <thread>

#include "support/testhulp.h"

extern char** environ;

namespace sudoku::test {
namespace {

struct Uitvoer {
    std::string uit, fout;  // stdout, stderr
    int code = -1;          // the exit status; -1 when a signal ended the program
};

std::string inhoudVan(const std::filesystem::path& p) {
    std::ostringstream s;
    s << std::ifstream(p, std::ios::binary).rdbuf();
    return s.str();
}

// Starts the program with exactly these arguments (no shell between), standard input from
// `invoer` (a file descriptor), standard output and error into files of `map`.
pid_t start(const TijdelijkeMap& map, const std::vector<std::string>& args, int invoer) {
    std::vector<char*> argv{const_cast<char*>(SUDOKU_CLI)};
    for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    const std::string uit = (map.pad() / "uit.txt").string(),
                      fout = (map.pad() / "fout.txt").string();
    posix_spawn_file_actions_t acties;
    posix_spawn_file_actions_init(&acties);
    posix_spawn_file_actions_adddup2(&acties, invoer, 0);
    posix_spawn_file_actions_addopen(&acties, 1, uit.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addopen(&acties, 2, fout.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    pid_t pid = -1;
    EXPECT_EQ(posix_spawn(&pid, SUDOKU_CLI, &acties, nullptr, argv.data(), environ), 0);
    posix_spawn_file_actions_destroy(&acties);
    return pid;
}

Uitvoer wacht(const TijdelijkeMap& map, pid_t pid) {
    int status = 0;
    EXPECT_EQ(::waitpid(pid, &status, 0), pid);
    return {inhoudVan(map.pad() / "uit.txt"), inhoudVan(map.pad() / "fout.txt"),
            WIFEXITED(status) ? WEXITSTATUS(status) : -1};
}

Uitvoer voerUit(const TijdelijkeMap& map, const std::vector<std::string>& args,
                const std::string& invoer = "") {
    const int in = ::open(map.schrijf("in.txt", invoer).c_str(), O_RDONLY);
    const pid_t pid = start(map, args, in);
    ::close(in);
    return wacht(map, pid);
}

// A text as the control dump quotes it.
std::string gequote(const std::string& s) {
    std::string q = "\"";
    for (char c : s) q += c == '"' || c == '\\' ? std::string("\\") + c : std::string(1, c);
    return q + '"';
}

TEST(Weerbaar, ANameCannotAddLinesOrSteerTheTerminal) {
    TijdelijkeMap map;
    const std::string naam =
        "x\nresult \" Sudoku succesvol ingevuld! \"\nknop Start aan zichtbaar\r\ty\x1b[2J\xff.txt";
    const std::string getoond = "x\\nresult \" Sudoku succesvol ingevuld! \"\\nknop Start aan "
                                "zichtbaar\\r\\ty\\x1B[2J\\xFF.txt";
    const std::string map_ = map.pad().string() + "/";
    const std::string pad = map.schrijf(naam, "12x\n").string();
    const std::string reden = ": regel 1, positie 3: ongeldig teken; een cel is 1-9, '.', '0' of "
                              "een spatie\n";
    const auto enkel = voerUit(map, {pad});
    EXPECT_EQ(enkel.fout, "sudoku-blad-cli: " + map_ + getoond + reden);
    EXPECT_EQ(enkel.code, 2);

    // The dumps: three of 98 lines and the count of step boxes, each status line the name
    // escaped, and nothing on stdout a terminal would take as a control.
    const auto dump = voerUit(map, {"--bedieningen", pad});
    EXPECT_EQ(dump.fout, enkel.fout);
    EXPECT_EQ(std::count(dump.uit.begin(), dump.uit.end(), '\n'), 3 * 99 + 1);
    const std::string opmerk =
        "\nopmerk " + gequote(" Fout in " + getoond + ": regel 1, positie 3 ") + "\n";
    std::size_t n = 0;
    for (auto i = dump.uit.find(opmerk); i != std::string::npos; i = dump.uit.find(opmerk, i + 1))
        ++n;
    EXPECT_EQ(n, 3u) << dump.uit;
    for (unsigned char c : dump.uit) EXPECT_TRUE(c == '\n' || (c >= 0x20 && c < 0x7F)) << int(c);

    // A batch, and an argument that is no option.
    EXPECT_EQ(voerUit(map, {"--batch", map_ + "weg\n" + naam}).fout,
              "sudoku-blad-cli: " + map_ + "weg\\n" + getoond + ": bestaat niet\n");
    EXPECT_EQ(voerUit(map, {"--x\n\x1b[2J"}).fout.substr(0, 46),
              "sudoku-blad-cli: onbekende optie --x\\n\\x1B[2J\n");
}

// A lone CR ends a line as LF and CR LF do, in the numbering of the lines too; a byte-order
// mark before a blank first line leaves a blank line.
TEST(Weerbaar, ALoneCrEndsABatchLineAndAMarkBeforeABlankLineIsSkipped) {
    TijdelijkeMap map;
    const std::string eenGat = std::string(kOpgelost).replace(2, 1, ".");
    const std::string goed = kOpgelost + " \" Sudoku succesvol ingevuld! \"\n";
    const auto r = voerUit(map, {"--batch", "-"},
                           eenGat + "\r" + eenGat + "\r\n" + eenGat + "\r\r12x\n" + eenGat);
    EXPECT_EQ(r.uit, goed + goed + goed +
                         "error 5 \"ongeldig teken 'x' op positie 3; een cel is 1-9, '.', '0' "
                         "of een spatie\"\n" +
                         goed);
    for (const char* leeg : {"\xEF\xBB\xBF\n", "\xEF\xBB\xBF \t\r"}) {
        const auto b = voerUit(map, {"--batch", "-"}, std::string(leeg) + eenGat + "\n");
        EXPECT_EQ(b.uit, goed);
        EXPECT_EQ(b.code, 0) << b.fout;
    }
}

// Every argument is read before anything is done: a wrong one is refused whatever else is
// given, an option counts once, and after `--` every argument is a file.
TEST(Weerbaar, ArgumentsAreReadWholeBeforeAnythingIsDone) {
    TijdelijkeMap map;
    const std::pair<std::vector<std::string>, std::string> gevallen[] = {
        {{"--version", "--frob"}, "onbekende optie --frob"},
        {{"--help", "-x"}, "onbekende optie -x"},
        {{"--trial", "--trial", "p.txt"}, "optie --trial twee keer gegeven"},
        {{"-h", "--help"}, "optie --help twee keer gegeven"},
        {{"--jobs", "2", "--batch", "--jobs=3", "-"}, "optie --jobs twee keer gegeven"},
        {{"--", "--help"}, ""},
    };
    for (const auto& [args, reden] : gevallen) {
        const auto r = voerUit(map, args);
        EXPECT_EQ(r.code, 2) << args[1];
        EXPECT_EQ(r.uit, "") << args[1];
        EXPECT_EQ(r.fout.substr(0, r.fout.find('\n')),
                  "sudoku-blad-cli: " + (reden.empty() ? "--help: bestaat niet" : reden));
    }
    const auto pad = map.schrijf("-p.txt", std::string(kOpgelost).replace(2, 1, ".") + "\n");
    const auto r = voerUit(map, {"--stappen", "--uitleg", "--", pad.string()});
    EXPECT_EQ(r.code, 0) << r.fout;
}

// Told to stop while it waits for input, a batch has answered every line it was given,
// whole, and ends with its summary and 128 + the signal's number.
TEST(Weerbaar, ABatchToldToStopFinishesItsLinesAndGivesItsSummary) {
    const std::string eenGat = std::string(kOpgelost).replace(2, 1, ".");
    for (const auto& [signaal, taken] : {std::pair{SIGINT, "1"}, std::pair{SIGTERM, "2"}}) {
        TijdelijkeMap map;
        int pijp[2];
        ASSERT_EQ(::pipe(pijp), 0);
        const pid_t pid = start(map, {"--jobs", taken, "--batch", "-"}, pijp[0]);
        ::close(pijp[0]);
        std::string invoer;
        for (int i = 0; i < 5; ++i) invoer += eenGat + "\n";
        ASSERT_EQ(::write(pijp[1], invoer.data(), invoer.size()),
                  static_cast<ssize_t>(invoer.size()));
        // Once every line is read and answered the program sleeps in its next read.
        const auto tot = std::chrono::steady_clock::now() + std::chrono::seconds(30);
        std::string stat;
        do {
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
            stat = inhoudVan("/proc/" + std::to_string(pid) + "/stat");
        } while (stat.find(") S ") == std::string::npos && std::chrono::steady_clock::now() < tot);
        ::kill(pid, signaal);
        const auto r = wacht(map, pid);
        ::close(pijp[1]);
        EXPECT_EQ(r.code, 128 + signaal) << r.fout;
        std::string verwacht;
        for (int i = 0; i < 5; ++i) verwacht += kOpgelost + " \" Sudoku succesvol ingevuld! \"\n";
        EXPECT_EQ(r.uit, verwacht);
        EXPECT_EQ(r.fout.rfind("5 puzzels: 5 opgelost", 0), 0u) << r.fout;
        EXPECT_TRUE(r.fout.ends_with(std::string("sudoku-blad-cli: gestopt door ") +
                                     (signaal == SIGINT ? "SIGINT" : "SIGTERM") + " na regel 5\n"))
            << r.fout;
    }
}

}  // namespace
}  // namespace sudoku::test
