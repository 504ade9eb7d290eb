// A run over the features of a GIS layer: read on the calling thread,
// converted in blocks on worker threads, written in input order to a text
// output (CSV, JSON lines, GeoJSON) or a GIS file.
#pragma once

#include <cstdint>
#include <functional>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "konvert/Datensatz.h"
#include "konvert/Gisdatei.h"
#include "konvert/Strom.h"

namespace kartovex::konvert {

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

// The lines of a text input as the text path reads them: the first line
// sets how many own columns follow the format's fields (with a header line,
// it names them and is not converted), an empty line is not converted.
class Zeilenquelle : public Objektquelle {
public:
    // groesse: the bytes of the input, 0 when not known (a pipe).
    Zeilenquelle(std::istream& ein, int format, const Zeilenform& form, bool kopfzeile,
                 std::uint64_t groesse = 0);
    bool naechstes(Objekt& o) override;
    const std::vector<std::string>& spalten() const override { return namen; }
    std::int64_t anzahl() const override { return -1; }
    double anteil() const override;
    std::string_view einheit() const override { return "Zeile"; }
    std::uint64_t vorweg() const override { return kopf; }

private:
    bool Zeile(std::string& zeile);
    std::istream& ein;
    int format;
    Zeilenform form;
    std::vector<std::string> namen;
    std::optional<std::string> erste; // the first line, read ahead for its fields
    std::uint64_t kopf = 0;           // lines before the first input: empty ones, the header line
    std::uint64_t groesse;
};

// What a run has done so far; handed to the progress callback after each block.
struct Laufstand {
    std::uint64_t objekte = 0; // inputs read
    std::uint64_t punkte = 0;  // records written, with and without a message
    std::uint64_t fehler = 0;  // features with a message
    std::int64_t gesamt = -1;  // features of the layer, -1 when not known
    double anteil = -1;        // share of the input read, -1 when not known
    double sekunden = 0;
    std::vector<std::string> ersteMeldungen; // "Objekt <n>: <text>" (or Zeile), the first few
    bool abgebrochen = false;
};

inline constexpr std::size_t GemerkteMeldungen = 10;

// Converts every input and hands the points to the target, which is closed
// at the end of a complete run. Each message also goes to `meldungen` (when
// given) as "Objekt <n>: <text>" (the source's einheit). `weiter` is asked
// after each block; when it says false the run stops there (abgebrochen),
// the target not closed. Throws Gisfehler when reading or writing fails.
Laufstand KonvertiereObjekte(Objektquelle& quelle, Punktziel& ziel, std::ostream* meldungen,
                             unsigned threads,
                             const std::function<bool(const Laufstand&)>& weiter = {});

// The point of one input, a feature's attributes as the user's own fields.
Punkt KonvertiereObjekt(Objekt o);

} // namespace kartovex::konvert
