#include "cli/argumenten.h"

#include <set>

#include "form/teksten.h"

namespace sudoku::cli {

namespace {

// The number of threads for --jobs: a whole number from 1 to 256, or 0 when it is not one.
int takenVan(const std::string& s) {
    if (s.empty() || s.size() > 3 || s.find_first_not_of("0123456789") != std::string::npos)
        return 0;
    const int n = std::stoi(s);
    return n >= 1 && n <= 256 ? n : 0;
}

}  // namespace

std::string leesArgumenten(const std::vector<std::string>& args, Aanroep& a) {
    static const std::set<std::string> bekend = {
        "--trial",       "--modules", "--trace", "--stappen", "--uitleg",  "--verslag", "--csv",
        "--bedieningen", "--batch",   "--jobs",  "--help",    "--version", "--tip"};
    std::set<std::string> gezien;
    bool geenOptiesMeer = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (geenOptiesMeer || arg == "-" || arg.empty() || arg[0] != '-') {
            a.bestanden.push_back(arg);
            continue;
        }
        if (arg == "--") {
            geenOptiesMeer = true;
            continue;
        }
        const std::string optie = arg == "-h"                    ? "--help"
                                  : arg.rfind("--jobs=", 0) == 0 ? "--jobs"
                                                                 : arg;
        if (bekend.count(optie) == 0) return "onbekende optie " + teksten::zichtbaar(arg);
        if (!gezien.insert(optie).second) return "optie " + optie + " twee keer gegeven";
        if (optie == "--trial") a.opties.uitproberen = true;
        if (optie == "--modules") a.opties.modules = true;
        if (optie == "--trace") a.opties.spoor = true;
        if (optie == "--stappen" || optie == "--uitleg") a.opties.stappen = true;
        if (optie == "--uitleg") a.opties.uitleg = true;
        if (optie == "--verslag") a.opties.verslag = true;
        if (optie == "--bedieningen") a.opties.bedieningen = true;
        if (optie == "--csv") a.csv = true;
        if (optie == "--tip") a.tip = true;
        if (optie == "--batch") a.batch = true;
        if (optie == "--help") a.hulp = true;
        if (optie == "--version") a.versie = true;
        if (optie == "--jobs") {
            std::string n;
            if (arg == "--jobs") {
                if (i + 1 == args.size()) return "--jobs zonder aantal";
                n = args[++i];
            } else {
                n = arg.substr(7);
            }
            a.taken = takenVan(n);
            a.takenGegeven = true;
            if (a.taken == 0)
                return "--jobs " + teksten::zichtbaar(n) + ": geen aantal van 1 tot 256";
        }
    }
    return "";
}

}  // namespace sudoku::cli
