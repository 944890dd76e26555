// sudoku-blad-cli run with exactly the arguments given, no shell between: a name that would
// forge lines, and a batch told to stop.
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

TEST(Cli, ANameCannotAddLinesOrSteerTheTerminal) {
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

    // The dumps: three of 99 lines and the count of step boxes, no line more, the status line
    // naming the file escaped, and nothing a terminal would take as a control.
    const auto dump = voerUit(map, {"--bedieningen", pad});
    EXPECT_EQ(dump.fout, enkel.fout);
    EXPECT_EQ(std::count(dump.uit.begin(), dump.uit.end(), '\n'), 3 * 99 + 1);
    EXPECT_NE(dump.uit.find("\nopmerk \" Fout in x\\\\nresult \\\" Sudoku"), std::string::npos);
    for (unsigned char c : dump.uit) EXPECT_TRUE(c == '\n' || (c >= 0x20 && c < 0x7F)) << int(c);

    // A batch, and an argument that is no option.
    EXPECT_EQ(voerUit(map, {"--batch", map_ + "weg\n" + naam}).fout,
              "sudoku-blad-cli: " + map_ + "weg\\n" + getoond + ": bestaat niet\n");
    EXPECT_EQ(voerUit(map, {"--x\n\x1b[2J"}).fout.substr(0, 46),
              "sudoku-blad-cli: onbekende optie --x\\n\\x1B[2J\n");
}

// Told to stop while it waits for input, a batch has answered every line it was given,
// whole, and ends with its summary and 128 + the signal's number.
TEST(Cli, ABatchToldToStopFinishesItsLinesAndGivesItsSummary) {
    const std::string eenGat = std::string(OPGELOST_BORD).replace(2, 1, ".");
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
        for (int i = 0; i < 5; ++i)
            verwacht += OPGELOST_BORD + " \" Sudoku succesvol ingevuld! \"\n";
        EXPECT_EQ(r.uit, verwacht);
        EXPECT_EQ(r.fout.rfind("5 puzzels: 5 opgelost", 0), 0u) << r.fout;
        EXPECT_TRUE(r.fout.ends_with(std::string("sudoku-blad-cli: gestopt door ") +
                                     (signaal == SIGINT ? "SIGINT" : "SIGTERM") + " na regel 5\n"))
            << r.fout;
    }
}

}  // namespace
}  // namespace sudoku::test
