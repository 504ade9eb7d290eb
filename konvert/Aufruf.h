// The command line of kartovex-konvert, read into what the run needs: a plain
// function over the argument texts, so that every option's rule is tested
// without starting the program.
#pragma once

#include <string>
#include <vector>

#include "konvert/Strom.h"

namespace kartovex::konvert {

// What the GIS options ask for.
struct Gisauftrag {
    std::string ein;             // --in: the GIS file read
    std::string ebene;           // --layer: its layer; empty: the first with points
    std::string aus;             // --out: the GIS file written; empty: standard output
    std::string treiber;         // --driver: the format of --out; empty: by its extension
    bool ueberschreiben = false; // --overwrite: an existing --out is replaced
    bool fortschritt = false;    // --progress: progress and counts for another program
    bool aktiv() const { return !ein.empty() || !aus.empty() || fortschritt; }
};

struct Aufruf {
    enum class Tun { Konvertieren, Hilfe, Version };
    Tun tun = Tun::Konvertieren;
    Optionen optionen;
    std::string datei = "-"; // "-": standard input
    Gisauftrag gis;
    std::string fehler; // why the call is wrong; empty when it is right
};

// Reads the arguments after the program name. Every value is read whole: a
// number with anything after it, an empty or unknown column group and a
// delimiter that cannot be written safely are faults. `threads` is the
// number of threads when --threads is not given.
Aufruf LiesAufruf(const std::vector<std::string>& argumente, unsigned threads);

// The decimal separator of the user's regional settings, as the windows read it.
char RegionalerDezimaltrenner();

} // namespace kartovex::konvert
