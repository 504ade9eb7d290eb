// The records of the batch converter: CSV after RFC 4180 or JSON lines.
#pragma once

#include <cstdint>
#include <string>

#include "konvert/Zeile.h"

namespace kartovex::konvert {

struct Ausgabeform {
    bool json = false;  // JSON lines instead of CSV
    char trenner = ';'; // CSV field separator
};

// CSV: the header row "Zeile", the output field names, "Meldung". JSON lines
// have no header (empty text).
std::string Kopfzeile(const Ausgabeform& form);

// Appends the record of one input line: its number, the output texts (empty
// when the line failed) and the message (the check's or the line's, or the
// geodesy messages joined by CR LF; empty when there was none). CSV records
// end with CR LF, JSON lines with LF.
void HaengeDatensatzAn(std::string& ziel, std::uint64_t zeile, const Punkt& p,
                       const Ausgabeform& form);

// A message as one line for standard error: every run of line breaks becomes
// one blank.
std::string Einzeilig(const std::string& meldung);

} // namespace kartovex::konvert
