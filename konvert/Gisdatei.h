// GIS files through GDAL: the points of one layer read as the inputs of the
// batch converter, and converted points written as point features.
//
// Only local files of the formats in GisFormate open; GDAL is kept from the
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

// The GDAL drivers that may open a file, and the names a user reads.
inline constexpr const char* GisTreiber[] = {"GPX",     "KML",        "GPKG", "ESRI Shapefile",
                                             "GeoJSON", "FlatGeobuf", "CSV",  nullptr};
inline constexpr std::string_view GisFormate =
    "GPX, KML, GeoPackage, Shapefile, GeoJSON, FlatGeobuf, CSV mit Geometriespalte";

// Sets GDAL up once for this program: its drivers, no network access.
void GdalVorbereiten();

// Whether a file name is one GDAL should open rather than read as lines:
// it ends in one of the extensions of GisFormate but .csv.
bool IstGisdateiname(std::string_view datei);

// One feature of a layer, ready for KonvertiereZeile: the position as the
// text of an input line of `format`, or the reason it has none.
struct Objekt {
    int format = 1;
    std::string zeile;
    std::string meldung;
    std::vector<std::string> eigene; // the feature's attributes as texts
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
class Gisquelle {
public:
    // Opens the file and picks the layer: `ebene` by name, or the first one
    // that holds points (GPX: waypoints, else track points). Throws Gisfehler.
    Gisquelle(const std::string& datei, const std::string& ebene = {});
    ~Gisquelle();
    Gisquelle(const Gisquelle&) = delete;
    Gisquelle& operator=(const Gisquelle&) = delete;

    const std::string& ebene() const;
    // Names of the attributes, in the order of Objekt::eigene.
    const std::vector<std::string>& spalten() const;
    // The names of every layer of the file.
    std::vector<std::string> ebenen() const;
    // A note when GDAL reprojects the layer to WGS 84, else empty.
    const std::string& hinweis() const;
    // The number of features, -1 when the driver would have to count them.
    std::int64_t anzahl() const;
    // The next feature; false at the end. Throws Gisfehler on a read fault.
    bool naechstes(Objekt& o);

private:
    struct Daten;
    std::unique_ptr<Daten> d;
};

} // namespace kartovex::konvert
