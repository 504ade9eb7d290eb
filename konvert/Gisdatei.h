// GIS files through GDAL: the points of one layer read as the inputs of the
// batch converter, and converted points written as point features.
//
// Only local files of the formats in Gisformate (konvert/Gisnamen.h) open; GDAL is kept from the
// network and from formats that point at further files (VRT and the like).
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "konvert/Zeile.h"

namespace kartovex::konvert {

// A GIS file that cannot be opened, read or written; the text is German and
// names the file.
struct Gisfehler : std::runtime_error {
    using std::runtime_error::runtime_error;
};
// The output could not be written.
struct Gisschreibfehler : Gisfehler {
    using Gisfehler::Gisfehler;
};

// Sets GDAL up once for this program: its drivers, no network access.
void GdalVorbereiten();

// One feature of a layer, ready for KonvertiereZeile: the position as the
// text of an input line of `format`, or the reason it has none.
struct Objekt {
    int format = 1;
    std::string zeile;
    std::string meldung;
    std::vector<std::string> eigene; // the feature's attributes as texts
    // A line of a text file: its own fields are read by KonvertiereZeile
    // after this form, and an empty line is counted but not converted.
    Zeilenform form;
    bool leer = false;
};

// Where the inputs of a run come from, one after the other.
class Objektquelle {
public:
    virtual ~Objektquelle() = default;
    // The next input; false at the end. Throws Gisfehler on a read fault.
    virtual bool naechstes(Objekt& o) = 0;
    // Names of the user's own columns, in the order of Objekt::eigene.
    virtual const std::vector<std::string>& spalten() const = 0;
    // How many inputs there are, -1 when not known in advance.
    virtual std::int64_t anzahl() const = 0;
    // What an input is called in messages: "Objekt" or "Zeile".
    virtual std::string_view einheit() const = 0;
    // The share of the input read so far, 0 to 1; -1 when not known.
    virtual double anteil() const = 0;
    // How many were read before the first input (a header line): the
    // inputs are numbered after them.
    virtual std::uint64_t vorweg() const { return 0; }
};

// How a layer's coordinates reach the converter: as decimal degrees, as UTM
// or Gauss-Krueger values through the program's own inverse, or reprojected
// to WGS 84 by GDAL.
enum class Lage { Grad, UTM, GK, Umgerechnet };

// The Lage of an EPSG code (0: none known); nullopt for a code of none of the
// three kinds the program reads itself. zone: the UTM zone or GK strip
// number, suedlich: UTM zone of the southern hemisphere.
struct Bezug {
    Lage lage = Lage::Grad;
    int zone = 0;
    bool suedlich = false;
};
std::optional<Bezug> BezugAusEpsg(int epsg);

// The input line for a point in that Bezug: "48.5;9.5" for degrees (x is the
// longitude), "32U;0571595;5365251" for UTM (the band from the program's own
// inverse), "3570000;5365000;3" for Gauss-Krueger. Metres are rounded to
// whole metres, halves away from zero, as the grid fields take them.
Objekt ObjektAus(const Bezug& bezug, double x, double y);

// The points of one layer of a GIS file, feature by feature.
class Gisquelle : public Objektquelle {
public:
    // Opens the file and picks the layer: `ebene` by name, or the first one
    // that holds points (GPX: waypoints, else track points). Throws Gisfehler.
    Gisquelle(const std::string& datei, const std::string& ebene = {});
    ~Gisquelle();
    Gisquelle(const Gisquelle&) = delete;
    Gisquelle& operator=(const Gisquelle&) = delete;

    const std::string& ebene() const;
    const std::vector<std::string>& spalten() const override;
    // A note when GDAL reprojects the layer to WGS 84, else empty.
    const std::string& hinweis() const;
    std::int64_t anzahl() const override; // -1 when the driver would have to count
    bool naechstes(Objekt& o) override;
    double anteil() const override;
    std::string_view einheit() const override { return "Objekt"; }

private:
    struct Daten;
    std::unique_ptr<Daten> d;
};

// The driver of an output file: --driver (a GDAL name such as GPKG or
// "ESRI Shapefile", any case) or else the file's extension. Throws Gisfehler.
std::string Ausgabetreiber(const std::string& datei, const std::string& treiber = {});

// An output column's name as a format takes it: Shapefile names have at most
// ten characters, the longer ones are shortened by a fixed rule.
std::string Spaltenname(std::string_view name, const std::string& treiber);

// Where the converted points go, one after the other in input order.
class Punktziel {
public:
    virtual ~Punktziel() = default;
    // Throws Gisfehler when the output cannot be written.
    virtual void schreibe(std::uint64_t nummer, const Punkt& p) = 0;
    // After the last point of a complete run; throws Gisfehler.
    virtual void schliesse() = 0;
};

// The converted points as point features in WGS 84, one layer. Points with
// a message are left out. Until schliesse() has succeeded, the destructor
// removes everything written, also after a failed write.
class Gisziel : public Punktziel {
public:
    // Creates the file; an existing one only when `ueberschreiben` (a device
    // such as /dev/null is written into, never removed). eigene: the names of
    // the user's own columns; felder: the output columns. Throws Gisfehler.
    Gisziel(const std::string& datei, const std::string& treiber, const std::string& ebene,
            const std::vector<std::string>& eigene, const std::vector<Aus>& felder, bool zahlen,
            bool ueberschreiben);
    ~Gisziel();
    Gisziel(const Gisziel&) = delete;
    Gisziel& operator=(const Gisziel&) = delete;

    // Writes one point (nothing for a point with a message).
    void schreibe(std::uint64_t nummer, const Punkt& p) override;
    // Completes and closes the file.
    void schliesse() override;

private:
    struct Daten;
    std::unique_ptr<Daten> d;
};

} // namespace kartovex::konvert
