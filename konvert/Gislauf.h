// A run over the features of a GIS layer: read on the calling thread,
// converted in blocks on worker threads, written in input order to a text
// output (CSV, JSON lines, GeoJSON) or a GIS file.
#pragma once

#include <cstdint>
#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

#include "konvert/Datensatz.h"
#include "konvert/Gisdatei.h"
#include "konvert/Strom.h"

namespace kartovex::konvert {

// Where the converted points go, one after the other in input order.
class Punktziel {
public:
    virtual ~Punktziel() = default;
    // Throws Gisfehler when the output cannot be written.
    virtual void schreibe(std::uint64_t nummer, const Punkt& p) = 0;
    // After the last point (also after a cancelled run).
    virtual void schliesse() = 0;
};

// The records of an Ausgabeform on a stream: the header first, each point as
// the text paths write it, the closing part at the end. A failed write of
// the stream throws Gisfehler.
class Textziel : public Punktziel {
public:
    Textziel(std::ostream& aus, const Ausgabeform& form);
    void schreibe(std::uint64_t nummer, const Punkt& p) override;
    void schliesse() override;

private:
    void leere();
    std::ostream& aus;
    Satzschreiber schreiber;
    Ausgabeform form;
    std::string puffer;
    bool erstes = true;
};

// What a run has done so far; handed to the progress callback after each block.
struct Laufstand {
    std::uint64_t objekte = 0; // features read
    std::uint64_t punkte = 0;  // records written, with and without a message
    std::uint64_t fehler = 0;  // features with a message
    std::int64_t gesamt = -1;  // features of the layer, -1 when not known
    double sekunden = 0;
    std::vector<std::string> ersteMeldungen; // "Objekt <n>: <text>", the first few
    bool abgebrochen = false;
};

inline constexpr std::size_t GemerkteMeldungen = 10;

// Converts every feature of the layer and hands the points to the target.
// Each message also goes to `meldungen` (when given) as "Objekt <n>: <text>".
// `weiter` is asked after each block; when it says false the run stops there
// (abgebrochen). Throws Gisfehler when reading or writing fails.
Laufstand KonvertiereObjekte(Gisquelle& quelle, Punktziel& ziel, std::ostream* meldungen,
                             unsigned threads,
                             const std::function<bool(const Laufstand&)>& weiter = {});

// The point of one feature, its attributes as the user's own fields.
Punkt KonvertiereObjekt(Objekt o);

} // namespace kartovex::konvert
