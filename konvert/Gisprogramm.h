// kartovex-konvert with GIS files: --in reads the points of a layer, --out
// writes the converted points as a GIS file.
#pragma once

#include <iosfwd>
#include <string>

#include "konvert/Aufruf.h"

namespace kartovex::konvert {

// Runs the conversion of a GIS layer (--in) or of the lines of `datei` ("-":
// standard input) with the options of `o`; the records go to standard output
// unless --out names a GIS file. Returns the exit code: 0 all converted, 1 an
// input had a message, 2 the input could not be read, 3 the output could not
// be written (the output file is then removed). SIGTERM, SIGINT or SIGHUP
// stop the run after the block in hand; the output file is removed and the
// exit code is 128 plus the signal's number.
//
// --progress writes, at most ten times a second, "Fortschritt <inputs read>
// <per mille of the input, -1 when not known>" on a line of its own to
// `fehler`, and at the end "Ergebnis <converted> <with a message>".
int GisLauf(const Gisauftrag& auftrag, const Optionen& o, const std::string& datei,
            std::ostream& fehler);

} // namespace kartovex::konvert
