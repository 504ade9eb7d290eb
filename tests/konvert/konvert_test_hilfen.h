// Helpers shared by the tests of the batch converter.
#pragma once

#include <sstream>
#include <string>
#include <vector>

namespace kartovex::test {

// The parts of a text between the separators.
inline std::vector<std::string> Teile(const std::string& text, char trenner) {
    std::vector<std::string> teile;
    std::istringstream s(text);
    for (std::string t; std::getline(s, t, trenner);)
        teile.push_back(t);
    return teile;
}

} // namespace kartovex::test
