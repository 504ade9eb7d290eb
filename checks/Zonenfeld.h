// The UTM civil zone field: character tests on leaving it, the table of
// extreme Rechts and Hoch values per latitude band with the zone exceptions of
// bands V and X, and the texts of the two limit labels.
#pragma once

#include <string>

#include "checks/Grenzen.h"

namespace kartovex {

struct Zonenentscheid {
    bool ok = true;      // false: show meldung and put the focus back on texZone
    std::string meldung; // empty when ok
};

// Leave handler logic for the zone text Z. On success updates the bounds from
// the table (they keep their values when no row matches, i.e. for an empty Z).
Zonenentscheid ZoneVerlassen(const std::string& zone, Grenzen& grenzen);

// Caption of a limit label: max + " Maximum" + line feed + min + " Minimum".
std::string Limitstext(const std::string& max, const std::string& min);

// Shown when texRechts or texHoch gets the focus while the zone is empty.
extern const std::string ZoneZuerstMeldung;

} // namespace kartovex
