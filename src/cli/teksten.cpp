#include "cli/teksten.h"

#include "form/teksten.h"

namespace sudoku::teksten {

std::string cliBatchFoutTeken(const std::string& teken, std::size_t positie) {
    return "ongeldig teken " + teken + " op positie " + std::to_string(positie) + "; " + EEN_CEL;
}

std::string cliBatchTeKort(std::size_t lengte) {
    return "te kort: " + std::to_string(lengte) + " tekens, een puzzel heeft er 81";
}

}  // namespace sudoku::teksten
