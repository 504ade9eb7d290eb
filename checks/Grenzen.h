// The calculation window's four bound texts: written by the zone field and by
// the Gauss-Krueger check, read by the UTM civil and Gauss-Krueger checks.
#pragma once

#include <string>

namespace kartovex {

struct Grenzen {
    std::string RechtsMax;
    std::string RechtsMin;
    std::string HochMax;
    std::string HochMin;
};

} // namespace kartovex
