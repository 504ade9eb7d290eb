// Keystroke filters and Enter navigation of the calculation window's input
// fields, as plain functions over character codes; the rule of each field
// stands in the field table (checks/Formate.h).
#pragma once

#include <optional>
#include <string>

#include "checks/Formate.h"

namespace kartovex {

// The four key filters. Each accepts Backspace (8), Tab (9) and Enter (13)
// besides its own characters; codes are Unicode code points.
bool NurZiffern(int code);
bool ZiffernUndKomma(int code);
bool ZiffernUndBuchstaben(int code);
bool NurBuchstaben(int code);

// What happens to one typed character.
struct Tastenentscheid {
    int code = 0;                  // the code that goes into the field; 0 discards the key
    std::string meldung;           // not empty: show this rejection message, then discard
    bool enter = false;            // Enter was accepted: the focus moves on
    std::optional<Feld> fokusZiel; // where to (Enter only); empty: the "Berechnung" button
};

// Upper-casing, filter, comma conversion and Enter target for a typed code.
// A rejection message is "Die Eingabe von", CR LF, the (upper-cased)
// character in UTF-8, CR LF, the field's tail.
Tastenentscheid Tastendruck(Feld feld, int code);

} // namespace kartovex
