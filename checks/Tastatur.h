// Keystroke filters and Enter navigation of the calculation window's input
// fields, as plain functions over character codes and field names.
#pragma once

#include <string>
#include <string_view>

namespace kartovex {

// The four key filters. Each accepts Backspace (8), Tab (9) and Enter (13)
// besides its own characters; codes are Unicode code points.
bool NurZiffern(int code);
bool ZiffernUndKomma(int code);
bool ZiffernUndBuchstaben(int code);
bool NurBuchstaben(int code);

enum class Tastenfilter {
    Keiner,
    NurZiffern,
    ZiffernUndKomma,
    ZiffernUndBuchstaben,
    NurBuchstaben
};

// The key rule of one input field (objectName of the field).
struct Feldregel {
    std::string_view feld;
    Tastenfilter filter;
    bool grossschreibung;          // lower-case letters become upper case first
    std::string_view meldungsende; // last line of the rejection message
    std::string_view enterZiel;    // objectName that Enter moves the focus to
};

// The rule of a field, or nullptr when the name is not a filtered input field.
const Feldregel* RegelFuer(std::string_view feld);

// What happens to one typed character.
struct Tastenentscheid {
    int code = 0;          // the code that goes into the field; 0 discards the key
    std::string meldung;   // not empty: show this rejection message, then discard
    std::string fokusZiel; // not empty (Enter only): move the focus there
};

// Upper-casing, filter, comma conversion and Enter target for a typed code.
// A rejection message is "Die Eingabe von", CR LF, the (upper-cased)
// character in UTF-8, CR LF, the field's tail. A name without a rule takes
// every code unchanged.
Tastenentscheid Tastendruck(std::string_view feld, int code);

} // namespace kartovex
