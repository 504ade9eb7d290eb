// Recognises the notation of a pasted coordinate text: which input format it
// is written in and what the user would type into that format's fields.
//
// Understood, with '.' or ',' as decimal separator, with or without blanks:
//  - decimal degrees          "48.4363327, 9.9679672", "N48.436333 E009.967967",
//                             "48,4363327° N 9,9679672° O", "-33.9 18.4"
//  - degrees and minutes      "N 48° 26.179980' E 9° 58.078035'", "48 26,17998 N 9 58,078035 E"
//  - degrees, min., seconds   "48°26'10.80\"N 9°58'04.69\"E", "N48 26 10.80 E009 58 04.69"
//  - UTM civil                "32U 571595 5365251", "32U 0571595 5365251", "32 U 571595 5365251"
//  - UTM military             "32U NU 76.15.52.95.51", also blanks between the groups
//  - UTMREF                   "32U NU 7159565251", "32UNU7159565251", "32U NU 71595 65251"
//  - Gauss-Krueger            "3571699,04 5366959,16", "R 3571699.04 H 5366959.16"
//  - every line the output window copies: its format name, a tab, the field
//    texts separated by tabs; such a line counts only as the format it names.
//
// Rules where a text could mean more than one thing:
//  - A comma between two digits is a decimal comma, unless the number already
//    has a decimal separator; then it separates two numbers ("48.5,9.5").
//    A comma or semicolon followed by a blank always separates.
//  - A pair of numbers whose whole parts have 7 digits is Gauss-Krueger
//    (Rechts first, then Hoch, 3° strips unless a copied line says 6).
//  - Geographic: latitude first unless the hemisphere letters say otherwise.
//    Both halves have the same number of values: 1 value each is decimal
//    degrees, 2 degrees and minutes, 3 degrees, minutes and seconds; without
//    letters or degree signs the values are split in the middle. Every
//    degree value lies within 180; the values before the last are whole.
//    Hemisphere letters (N, S, E, W, O for Ost) stand all in front of their
//    halves or all behind them; a '-' marks south or west. Letter and sign
//    together, or a degree sign on a later value, are not understood.
//  - Grid notations start with the zone: 1 to 60 (written with one or two
//    digits) and a band letter C to X without I and O; the 100 km square has
//    two letters without I and O. Civil: Rechts has 6 digits or 7 with a
//    leading 0, Hoch 1 to 7 digits (both filled to 7 with leading zeros).
//    Military: five groups of 2 digits separated by dots or blanks. UTMREF:
//    one group of 2 to 10 digits of even count, or two groups of equal length.
//  - A text of several lines is read line by line; the first line understood
//    is taken. A line of more than 200 characters is not understood.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "checks/Eingabe.h"

namespace kartovex {

struct Erkennung {
    int format = 0; // InputFormat, 1 to 7
    // The texts of the format's fields, exactly as typed into them, and the
    // option buttons to turn on (one of each of the format's groups). Fields
    // of other formats stay empty.
    Eingabe eingabe;
};

// The notation of a text, or nothing when it is not understood.
std::optional<Erkennung> Erkenne(std::string_view text);

// The message for a text that is not understood: the notations with an
// example each. Lines are separated by CR LF.
extern const std::string NichtErkanntMeldung;

} // namespace kartovex
