// Runs a fuzz target over stored inputs: each argument is a file or a folder of files.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char** argv) {
    namespace fs = std::filesystem;
    std::vector<fs::path> bestanden;
    for (int i = 1; i < argc; ++i) {
        if (fs::is_directory(argv[i])) {
            for (const auto& e : fs::recursive_directory_iterator(argv[i]))
                if (e.is_regular_file()) bestanden.push_back(e.path());
        } else {
            bestanden.push_back(argv[i]);
        }
    }
    for (const auto& p : bestanden) {
        std::ifstream in(p, std::ios::binary);
        std::vector<char> inhoud((std::istreambuf_iterator<char>(in)),
                                 std::istreambuf_iterator<char>());
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(inhoud.data()), inhoud.size());
    }
    std::printf("%zu invoer(en) zonder fout\n", bestanden.size());
    return bestanden.empty() ? 1 : 0;
}
