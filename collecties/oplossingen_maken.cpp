// oplossingen_maken MAP NAAM...: writes MAP/NAAM.solutions.txt beside each MAP/NAAM.txt, the
// puzzle's one solution on the same line, found by the program's own exact count. Fails,
// naming the file and line, on a puzzle that does not have exactly one solution.
#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>

#include "uitleg/oplossingen.h"

int main(int argc, char** argv) {
    if (argc < 3) {
        std::cerr << "gebruik: oplossingen_maken MAP NAAM...\n";
        return 2;
    }
    const std::string map = argv[1];
    for (int i = 2; i < argc; ++i) {
        const std::string opgaven = map + "/" + argv[i] + ".txt";
        const std::string doel = map + "/" + argv[i] + ".solutions.txt";
        std::ifstream in(opgaven, std::ios::binary);
        if (!in) {
            std::cerr << opgaven << ": kan niet gelezen worden\n";
            return 1;
        }
        // Written beside the target and renamed, so that a stopped build leaves no half file.
        const std::string tijdelijk = doel + ".nieuw";
        std::ofstream uit(tijdelijk, std::ios::binary | std::ios::trunc);
        std::string regel, oplossing;
        for (long nr = 1; std::getline(in, regel); ++nr) {
            if (sudoku::telOplossingen(regel.substr(0, 81), &oplossing) !=
                sudoku::Oplossingen::Uniek) {
                std::cerr << opgaven << ":" << nr << ": geen puzzel met precies een oplossing\n";
                return 1;
            }
            uit << oplossing << '\n';
        }
        uit.close();
        if (!uit || std::rename(tijdelijk.c_str(), doel.c_str()) != 0) {
            std::cerr << doel << ": kan niet geschreven worden\n";
            return 1;
        }
    }
    return 0;
}
