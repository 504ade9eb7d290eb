// The batch converter over a whole input: reads lines in blocks, converts the
// blocks on a small pool of threads and writes the records in input order.
// Memory stays bounded whatever the input size and the lines: a few blocks
// are in flight, each ending at a number of lines or of bytes, and of a line
// longer than LaengsteZeile only its start is kept.
#pragma once

#include <cstdint>
#include <iosfwd>

#include "konvert/Datensatz.h"

namespace kartovex::konvert {

inline constexpr std::size_t LaengsteZeile = 64 * 1024; // bytes, line end not counted

struct Optionen {
    int format = 1;
    Ausgabeform form;
    unsigned threads = 1; // 1: everything on the calling thread
    std::size_t zeilenJeBlock = 2048;
    std::size_t bytesImFlug = 3 << 19; // input bytes of all blocks in flight, about
    bool fortschritt = false;          // progress line on `meldungen` after a second
    Zeilenform zeile;                  // separator; the user's own columns are counted here
    bool kopfzeile = false;            // the first line names the columns and is not converted
};

struct Bilanz {
    std::uint64_t zeilen = 0; // lines read, empty ones included
    std::uint64_t punkte = 0; // records written
    std::uint64_t fehler = 0; // lines with a message (failed, or a geodesy fault)
    bool abgebrochen = false; // nothing converted: the header line is too long
};

// Converts every line of `ein` and writes the header and one record per line
// that is not empty (only blanks and tabs count as empty) to `aus`. The first
// line that is not empty (the header line with Optionen::kopfzeile) sets how
// many fields of the user's own follow the format's fields; they go into
// every record, named by the header line or as feld<n> after their place n
// in the line. Each message goes to `meldungen` as "Zeile <n>: <text>" on one
// line, in input order. A header line longer than LaengsteZeile ends the run
// before anything is written (Bilanz::abgebrochen).
Bilanz Konvertiere(std::istream& ein, std::ostream& aus, std::ostream& meldungen,
                   const Optionen& optionen);

} // namespace kartovex::konvert
