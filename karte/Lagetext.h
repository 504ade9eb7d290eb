// The texts the map shows and hands on for a position: degrees, UTMREF, and
// the text it types into the calculation window.
#pragma once

#include <optional>
#include <string>

#include "karte/Ansicht.h"

namespace kartovex::karte {

// "32U NU 71595 65251": the UTMREF of the output window with single blanks
// and the digits split into easting and northing; empty outside 80 S to 84 N.
std::string UTMref(Lage g);
// The same from the output window's UTMREF text ("32U  NU  7159565251").
std::string UTMrefLesbar(const std::string& ausgabe);

// "N 48.436333°  E 9.967967°": six decimals as the decimal fields show them.
std::string Gradtext(Lage g);

// "N48.436333 E9.967967": a text the paste recognition reads as decimal
// degrees with hemisphere letters.
std::string Uebernahmetext(Lage g);

// The position of the output window's decimal fields ("N48.436333",
// "E009.967967"); nothing when they hold no such texts.
std::optional<Lage> LageAusAusgabe(const std::string& breite, const std::string& laenge);

} // namespace kartovex::karte
