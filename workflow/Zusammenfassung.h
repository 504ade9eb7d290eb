// All results of the output window as one plain text, for the clipboard.
#pragma once

#include <string>

#include "checks/Eingabe.h"

namespace kartovex {

// One line per format, in the order of the output window: decimal degrees,
// degrees/minutes, degrees/minutes/seconds, UTM civil, UTM military, UTMREF
// and, when its frame is shown, Gauss-Krueger (Rechts, Hoch, strip width,
// meridian). Each line starts with the format's name as the entry window's
// button shows it, followed by the field texts exactly as they stand, all
// separated by tabs, so that a spreadsheet takes them as columns. A format
// whose fields are all empty has no line. Lines end with a line feed.
std::string Zusammenfassung(const Ausgabetexte& felder, bool gkSichtbar);

} // namespace kartovex
