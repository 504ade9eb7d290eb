#include "konvert/Gisdatei.h"

#include <cpl_conv.h>
#include <cpl_error.h>
#include <gdal.h>
#include <ogr_api.h>
#include <ogr_srs_api.h>

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <mutex>

#include "geodesy/modKartovex.h"
#include "konvert/Datensatz.h"
#include "konvert/Gisnamen.h"
#include "konvert/Schreiber.h"

namespace kartovex::konvert {

namespace {

std::string Kleinbuchstaben(std::string_view s) {
    std::string k(s);
    std::ranges::transform(k, k.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return k;
}

// The shortest text that reads back as the same double, never in exponent form.
std::string Dezimal(double wert) {
    char text[400];
    const auto ende = std::to_chars(text, text + sizeof text, wert, std::chars_format::fixed).ptr;
    return std::string(text, ende);
}

// Whole metres, halves away from zero, as many digits as the field takes
// (leading zeros); empty when the value has more.
std::string Meter(double wert, int stellen) {
    const double m = modKartovex::Runden(wert, 0);
    if (!(m >= 0) || m >= std::pow(10.0, stellen)) return Dezimal(m);
    std::string text = std::to_string(static_cast<std::int64_t>(m));
    return std::string(std::size_t(stellen) - std::min(text.size(), std::size_t(stellen)), '0') +
           text;
}

// The band letter of a UTM point from the program's own inverse (the band
// only tells the hemisphere there); the hemisphere's first band when the
// values are beyond any zone, so that the whole-input check reports them.
std::string Band(int zone, bool suedlich, const std::string& rechts, const std::string& hoch) {
    const std::string standard = suedlich ? "M" : "N";
    if (rechts.size() != 7 || hoch.size() != 7) return standard;
    std::string r = rechts, h = hoch, z = (zone < 10 ? "0" : "") + std::to_string(zone) + standard,
                breite = "WGS";
    modKartovex::UTMziv_G(r, h, z, breite);
    const std::string band = modKartovex::Breitenband(breite);
    return band.empty() ? standard : band;
}

// The GDAL drivers that may open a file: those of Gisformate, no other.
const char* const* Treiberliste() {
    static const auto liste = [] {
        std::array<const char*, std::size(Gisformate) + 1> l{};
        for (std::size_t i = 0; i < std::size(Gisformate); ++i)
            l[i] = Gisformate[i].treiber.data(); // the literals end in a zero
        return l;
    }();
    return liste.data();
}

// "GeoPackage, Shapefile, ...": the formats by the names users know.
std::string Formatnamen() {
    std::string namen;
    for (const Gisformat& f : Gisformate)
        namen += (namen.empty() ? "" : ", ") + std::string(f.name);
    return namen;
}

} // namespace

void GdalVorbereiten() {
    static std::once_flag einmal;
    std::call_once(einmal, [] {
        // No file name or reference in a file may reach the network: any
        // /vsicurl/ access is refused, and no HTTP request is let out.
        CPLSetConfigOption("CPL_VSIL_CURL_ALLOWED_EXTENSIONS", ".kartovex-kein-netz");
        CPLSetConfigOption("GDAL_HTTP_PROXY", "127.0.0.1:9");
        CPLSetConfigOption("GDAL_DISABLE_READDIR_ON_OPEN", "EMPTY_DIR");
        CPLSetConfigOption("OGR_SQLITE_JOURNAL", "MEMORY");
        // Faults come as exceptions with their text; nothing goes to standard error.
        CPLSetErrorHandler(CPLQuietErrorHandler);
        GDALAllRegister();
    });
}

std::optional<Bezug> BezugAusEpsg(int epsg) {
    if (epsg == 0 || epsg == 4326 || epsg == 4258) return Bezug{Lage::Grad, 0, false};
    if (epsg >= 32601 && epsg <= 32660) return Bezug{Lage::UTM, epsg - 32600, false};
    if (epsg >= 32701 && epsg <= 32760) return Bezug{Lage::UTM, epsg - 32700, true};
    if (epsg >= 25828 && epsg <= 25838) return Bezug{Lage::UTM, epsg - 25800, false};
    if (epsg >= 31466 && epsg <= 31469) return Bezug{Lage::GK, epsg - 31464, false};
    return std::nullopt;
}

Objekt ObjektAus(const Bezug& bezug, double x, double y) {
    Objekt o;
    if (!std::isfinite(x) || !std::isfinite(y)) {
        o.meldung = "Das Objekt hat keine endlichen Koordinaten.";
        return o;
    }
    switch (bezug.lage) {
    case Lage::Grad:
    case Lage::Umgerechnet:
        o.format = 1;
        o.zeile = Dezimal(y) + ';' + Dezimal(x);
        break;
    case Lage::UTM: {
        o.format = 4;
        const std::string rechts = Meter(x, 7), hoch = Meter(y, 7);
        o.zeile = (bezug.zone < 10 ? "0" : "") + std::to_string(bezug.zone) +
                  Band(bezug.zone, bezug.suedlich, rechts, hoch) + ';' + rechts + ';' + hoch;
        break;
    }
    case Lage::GK:
        o.format = 7;
        o.zeile = Meter(x, 7) + ';' + Meter(y, 7) + ";3";
        break;
    }
    return o;
}

namespace {

struct DatensatzZu {
    void operator()(GDALDatasetH h) const { GDALClose(h); }
};
struct ObjektZu {
    void operator()(OGRFeatureH h) const { OGR_F_Destroy(h); }
};
using Objektzeiger = std::unique_ptr<std::remove_pointer_t<OGRFeatureH>, ObjektZu>;

std::string Letzter(const std::string& vorn) {
    const char* text = CPLGetLastErrorMsg();
    return vorn + (text && *text ? std::string(": ") + text : std::string());
}

bool HatPunkte(OGRLayerH ebene) {
    const auto art = wkbFlatten(OGR_L_GetGeomType(ebene));
    if (art == wkbPoint || art == wkbMultiPoint) return true;
    if (art != wkbUnknown) return false;
    // Formats without a declared type (KML, GeoJSON): the first feature tells.
    OGR_L_ResetReading(ebene);
    Objektzeiger f(OGR_L_GetNextFeature(ebene));
    OGR_L_ResetReading(ebene);
    const OGRGeometryH g = f ? OGR_F_GetGeometryRef(f.get()) : nullptr;
    const auto fart = g ? wkbFlatten(OGR_G_GetGeometryType(g)) : wkbUnknown;
    return fart == wkbPoint || fart == wkbMultiPoint;
}

OGRLayerH WaehleEbene(GDALDatasetH ds, const std::string& name, const std::string& datei) {
    if (!name.empty()) {
        if (OGRLayerH e = GDALDatasetGetLayerByName(ds, name.c_str())) return e;
        throw Gisfehler(datei + ": keine Ebene »" + name + "«");
    }
    const std::string treiber = GDALGetDriverShortName(GDALGetDatasetDriver(ds));
    if (treiber == "GPX") {
        OGRLayerH wegpunkte = GDALDatasetGetLayerByName(ds, "waypoints");
        if (wegpunkte && OGR_L_GetFeatureCount(wegpunkte, 1) > 0) return wegpunkte;
        if (OGRLayerH spur = GDALDatasetGetLayerByName(ds, "track_points")) return spur;
    }
    const int n = GDALDatasetGetLayerCount(ds);
    for (int i = 0; i < n; ++i)
        if (HatPunkte(GDALDatasetGetLayer(ds, i))) return GDALDatasetGetLayer(ds, i);
    if (n > 0) return GDALDatasetGetLayer(ds, 0);
    throw Gisfehler(datei + ": die Datei enthält keine Ebene");
}

} // namespace

struct Gisquelle::Daten {
    std::unique_ptr<std::remove_pointer_t<GDALDatasetH>, DatensatzZu> ds;
    OGRLayerH ebene = nullptr;
    std::string name, hinweis, datei;
    std::vector<std::string> spalten;
    Bezug bezug;
    OGRCoordinateTransformationH umrechnung = nullptr;
    OGRSpatialReferenceH wgs84 = nullptr;
    std::int64_t gelesen = 0, gesamt = -1;

    ~Daten() {
        if (umrechnung) OCTDestroyCoordinateTransformation(umrechnung);
        if (wgs84) OSRDestroySpatialReference(wgs84);
    }

    // How the layer's coordinates are read; a CRS the program cannot read
    // itself is reprojected to WGS 84 by GDAL.
    void waehleBezug() {
        const OGRSpatialReferenceH srs = OGR_L_GetSpatialRef(ebene);
        if (!srs) return; // GeoJSON, CSV without one: WGS 84 by definition or assumption
        OGRSpatialReferenceH kopie = OSRClone(srs);
        OSRAutoIdentifyEPSG(kopie);
        const char* stelle = OSRGetAuthorityName(kopie, nullptr);
        const char* code = OSRGetAuthorityCode(kopie, nullptr);
        const int epsg =
            stelle && code && std::string_view(stelle) == "EPSG" ? std::atoi(code) : -1;
        std::optional<Bezug> b = epsg > 0 ? BezugAusEpsg(epsg) : std::nullopt;
        if (!b && OSRIsGeographic(kopie)) {
            // A .prj without an authority: WGS 84 and ETRS89 by their datum.
            const char* datum = OSRGetAttrValue(kopie, "DATUM", 0);
            const std::string d = datum ? datum : "";
            if (d.find("WGS_1984") != std::string::npos ||
                d.find("World_Geodetic_System_1984") != std::string::npos ||
                d.find("European_Terrestrial_Reference_System_1989") != std::string::npos)
                b = Bezug{Lage::Grad, 0, false};
        }
        if (b) {
            bezug = *b;
            OSRDestroySpatialReference(kopie);
            return;
        }
        wgs84 = OSRNewSpatialReference(nullptr);
        OSRImportFromEPSG(wgs84, 4326);
        OSRSetAxisMappingStrategy(wgs84, OAMS_TRADITIONAL_GIS_ORDER);
        OSRSetAxisMappingStrategy(kopie, OAMS_TRADITIONAL_GIS_ORDER);
        umrechnung = OCTNewCoordinateTransformation(kopie, wgs84);
        const char* srsName = OSRGetName(kopie);
        OSRDestroySpatialReference(kopie);
        if (!umrechnung)
            throw Gisfehler(datei + ": das Koordinatensystem der Ebene »" + name +
                            "« lässt sich nicht nach WGS 84 umrechnen");
        bezug.lage = Lage::Umgerechnet;
        hinweis = "Die Ebene »" + name + "« liegt in »" + (srsName ? srsName : "?") +
                  "«; GDAL rechnet ihre Punkte nach WGS 84 um.";
    }

    Objekt objekt(OGRFeatureH f) const {
        Objekt o;
        OGRGeometryH g = OGR_F_GetGeometryRef(f);
        if (g && wkbFlatten(OGR_G_GetGeometryType(g)) == wkbMultiPoint &&
            OGR_G_GetGeometryCount(g) == 1)
            g = OGR_G_GetGeometryRef(g, 0);
        if (!g || OGR_G_IsEmpty(g)) {
            o.meldung = "Das Objekt hat keine Geometrie.";
        } else if (wkbFlatten(OGR_G_GetGeometryType(g)) != wkbPoint) {
            o.meldung =
                std::string("Das Objekt ist kein Punkt, sondern ") + OGR_G_GetGeometryName(g) + '.';
        } else {
            double x = OGR_G_GetX(g, 0), y = OGR_G_GetY(g, 0);
            if (umrechnung && !OCTTransform(umrechnung, 1, &x, &y, nullptr)) x = y = std::nan("");
            o = ObjektAus(bezug, x, y);
        }
        const int n = OGR_F_GetFieldCount(f);
        o.eigene.resize(std::size_t(n));
        for (int i = 0; i < n; ++i)
            if (OGR_F_IsFieldSetAndNotNull(f, i))
                o.eigene[std::size_t(i)] = OGR_F_GetFieldAsString(f, i);
        return o;
    }
};

Gisquelle::Gisquelle(const std::string& datei, const std::string& ebene)
    : d(std::make_unique<Daten>()) {
    GdalVorbereiten();
    d->datei = datei;
    // Only a local file by its plain name: no /vsi... path, no directory.
    std::error_code fehler;
    if (datei.starts_with("/vsi") || !std::filesystem::is_regular_file(datei, fehler))
        throw Gisfehler(datei + ": keine lesbare Datei");
    CPLErrorReset();
    d->ds.reset(GDALOpenEx(datei.c_str(), GDAL_OF_VECTOR | GDAL_OF_READONLY, Treiberliste(),
                           nullptr, nullptr));
    if (!d->ds) {
        const std::string grund = CPLGetLastErrorMsg();
        if (GDALIdentifyDriverEx(datei.c_str(), GDAL_OF_VECTOR, Treiberliste(), nullptr) &&
            !grund.empty())
            throw Gisfehler(datei + ": nicht lesbar: " + grund);
        throw Gisfehler(datei + ": kein unterstütztes Format (angenommen: " + Formatnamen() + ")");
    }
    d->ebene = WaehleEbene(d->ds.get(), ebene, datei);
    d->name = OGR_L_GetName(d->ebene);
    const OGRFeatureDefnH defn = OGR_L_GetLayerDefn(d->ebene);
    for (int i = 0; i < OGR_FD_GetFieldCount(defn); ++i)
        d->spalten.emplace_back(OGR_Fld_GetNameRef(OGR_FD_GetFieldDefn(defn, i)));
    d->waehleBezug();
    d->gesamt = OGR_L_GetFeatureCount(d->ebene, 0);
    OGR_L_ResetReading(d->ebene);
}

Gisquelle::~Gisquelle() = default;

const std::string& Gisquelle::ebene() const {
    return d->name;
}
const std::vector<std::string>& Gisquelle::spalten() const {
    return d->spalten;
}
const std::string& Gisquelle::hinweis() const {
    return d->hinweis;
}

std::int64_t Gisquelle::anzahl() const {
    return d->gesamt;
}

double Gisquelle::anteil() const {
    return d->gesamt > 0 ? std::min(1.0, double(d->gelesen) / double(d->gesamt)) : -1;
}

bool Gisquelle::naechstes(Objekt& o) {
    CPLErrorReset();
    Objektzeiger f(OGR_L_GetNextFeature(d->ebene));
    if (!f) {
        if (CPLGetLastErrorType() >= CE_Failure)
            throw Gisfehler(Letzter(d->datei + ": Lesefehler"));
        return false;
    }
    o = d->objekt(f.get());
    ++d->gelesen;
    return true;
}

} // namespace kartovex::konvert

namespace kartovex::konvert {

namespace {

constexpr std::string_view AusgabeformatNamen =
    "GPKG, \"ESRI Shapefile\", GPX, KML, FlatGeobuf, GeoJSON";

// The extension of a driver's files.
std::string Endung(const std::string& treiber) {
    for (const Gisformat& f : Gisformate)
        if (treiber == f.treiber) return std::string(f.endung);
    return {};
}

// The files a driver may have written for `datei`, removed after a failure.
std::vector<std::filesystem::path> Dateien(const std::string& datei, const std::string& treiber) {
    std::vector<std::filesystem::path> alle{datei};
    for (const char* anhang : {"-journal", "-wal", "-shm"})
        alle.emplace_back(datei + anhang);
    if (treiber == "ESRI Shapefile")
        for (const char* endung : {".shx", ".dbf", ".prj", ".cpg", ".qix"})
            alle.push_back(std::filesystem::path(datei).replace_extension(endung));
    return alle;
}

// Copies a file into a device, every write checked.
void Kopiere(const std::string& von, const std::string& nach) {
    std::ifstream ein(von, std::ios::binary);
    const int fd = open(nach.c_str(), O_WRONLY | O_CLOEXEC);
    int grund = fd < 0 ? errno : 0;
    if (fd >= 0) {
        Schreiber schreiber(fd);
        std::ostream aus(&schreiber);
        aus << ein.rdbuf() << std::flush;
        grund = schreiber.fehler();
        if (close(fd) != 0 && grund == 0) grund = errno;
    }
    if (grund != 0) throw Gisschreibfehler(nach + ": Schreibfehler: " + std::strerror(grund));
}

} // namespace

std::string Ausgabetreiber(const std::string& datei, const std::string& treiber) {
    if (treiber.empty()) {
        if (const Gisformat* f = GisformatVon(datei); f && f->schreibbar)
            return std::string(f->treiber);
        throw Gisfehler(datei + ": das Ausgabeformat ist an der Endung nicht zu erkennen (.gpkg, "
                                ".shp, .gpx, .kml, .fgb, .geojson; sonst --driver)");
    }
    for (const Gisformat& f : Gisformate)
        if (f.schreibbar && Kleinbuchstaben(treiber) == Kleinbuchstaben(f.treiber))
            return std::string(f.treiber);
    throw Gisfehler("unbekannter Ausgabetreiber »" + treiber + "« (" +
                    std::string(AusgabeformatNamen) + ")");
}

std::string Spaltenname(std::string_view name, const std::string& treiber) {
    std::string n(name);
    if (treiber != "ESRI Shapefile" || n.size() <= 10) return n;
    for (const auto& [lang, kurz] : {std::pair{"breite", "b"},
                                     {"laenge", "l"},
                                     {"minuten", "min"},
                                     {"sekunden", "sek"},
                                     {"streifen", "streif"},
                                     {"meridian", "merid"}})
        if (const auto pos = n.find(lang); pos != std::string::npos)
            n.replace(pos, std::string_view(lang).size(), kurz);
    return n;
}

struct Gisziel::Daten {
    std::string datei, treiber;
    std::string geraet; // a device written into: the file goes there when complete
    std::unique_ptr<std::remove_pointer_t<GDALDatasetH>, DatensatzZu> ds;
    OGRLayerH ebene = nullptr;
    OGRFeatureDefnH defn = nullptr;
    std::vector<int> eigeneFelder; // field index of each own column
    std::vector<std::pair<Aus, int>> felder;
    int beschreibung = -1, name = -1; // KML and GPX: the fields that show the results
    bool nameVonEingabe = false;
    bool zahlen = false;
    bool fertig = false;
    std::size_t inTransaktion = 0;
    Objektzeiger merkmal; // the feature written for every point

    [[noreturn]] void scheitere(const std::string& was) const {
        throw Gisschreibfehler(Letzter(datei + ": " + was));
    }

    int neuesFeld(const std::string& gewuenscht) {
        // A name that stands already (an own column "breite") gets "_2", "_3", ...
        std::string name = Spaltenname(gewuenscht, treiber);
        for (int n = 2; OGR_FD_GetFieldIndex(OGR_L_GetLayerDefn(ebene), name.c_str()) >= 0; ++n)
            name = Spaltenname(gewuenscht, treiber) + '_' + std::to_string(n);
        OGRFieldDefnH f = OGR_Fld_Create(name.c_str(), OFTString);
        const OGRErr e = OGR_L_CreateField(ebene, f, TRUE);
        OGR_Fld_Destroy(f);
        if (e != OGRERR_NONE) scheitere("Spalte »" + name + "« nicht anzulegen");
        return OGR_FD_GetFieldCount(OGR_L_GetLayerDefn(ebene)) - 1;
    }

    // The results as lines "name: text", for KML descriptions.
    std::string ergebnistext(const Punkt& p) const {
        std::string text;
        for (const auto& [aus, feld] : felder)
            text += std::string(Ausgabefelder()[Index(aus)].spalte) + ": " + wert(p, aus) + '\n';
        return text;
    }

    std::string wert(const Punkt& p, Aus aus) const {
        return zahlen ? AlsZahl(Ausgabefelder()[Index(aus)].zahl, p.text(aus)) : p.text(aus);
    }
};

Gisziel::Gisziel(const std::string& datei, const std::string& treiber, const std::string& ebene,
                 const std::vector<std::string>& eigene, const std::vector<Aus>& felder,
                 bool zahlen, bool ueberschreiben)
    : d(std::make_unique<Daten>()) {
    GdalVorbereiten();
    d->datei = datei;
    d->treiber = treiber;
    d->zahlen = zahlen;
    std::error_code fehler;
    const auto art = std::filesystem::status(datei, fehler).type();
    using Art = std::filesystem::file_type;
    if (art == Art::character || art == Art::fifo || art == Art::socket) {
        // Drivers write only files they can seek in, and some never tell a
        // failed write: the file is made aside and copied into the device.
        d->geraet = datei;
        d->datei = (std::filesystem::temp_directory_path() /
                    ("kartovex-konvert-" + std::to_string(getpid()) + Endung(treiber)))
                       .string();
        for (const auto& alt : Dateien(d->datei, treiber))
            std::filesystem::remove(alt, fehler);
    } else if (art != std::filesystem::file_type::not_found) {
        if (!ueberschreiben)
            throw Gisschreibfehler(datei + ": die Datei besteht schon (--overwrite ersetzt sie)");
        if (art != std::filesystem::file_type::regular)
            throw Gisschreibfehler(datei + ": keine Datei, die sich ersetzen ließe");
        for (const auto& alt : Dateien(datei, treiber))
            std::filesystem::remove(alt, fehler);
    }
    GDALDriverH t = GDALGetDriverByName(treiber.c_str());
    if (!t) throw Gisfehler("GDAL kennt den Treiber »" + treiber + "« nicht");
    const bool gpx = treiber == "GPX", kml = treiber == "KML";
    // GPX takes columns beyond its own schema only as extensions.
    const char* gpxOptionen[] = {"GPX_USE_EXTENSIONS=YES", nullptr};
    CPLErrorReset();
    d->ds.reset(GDALCreate(t, d->datei.c_str(), 0, 0, 0, GDT_Unknown,
                           gpx ? const_cast<char**>(gpxOptionen) : nullptr));
    if (!d->ds) d->scheitere("nicht anzulegen");
    OGRSpatialReferenceH wgs84 = OSRNewSpatialReference(nullptr);
    OSRImportFromEPSG(wgs84, 4326);
    OSRSetAxisMappingStrategy(wgs84, OAMS_TRADITIONAL_GIS_ORDER);
    const std::string name = gpx ? "waypoints" : ebene;
    // No spatial index: building it took GeoPackage five times as long as
    // writing the points, and FlatGeobuf's would hold every feature back
    // and sort them out of input order. A GIS can build one when it wants.
    const char* ebenenOptionen[] = {"SPATIAL_INDEX=NO", nullptr};
    const bool ohneIndex = treiber == "GPKG" || treiber == "FlatGeobuf";
    d->ebene = GDALDatasetCreateLayer(d->ds.get(), name.c_str(), wgs84, wkbPoint,
                                      ohneIndex ? const_cast<char**>(ebenenOptionen) : nullptr);
    OSRDestroySpatialReference(wgs84);
    if (!d->ebene) d->scheitere("Ebene nicht anzulegen");
    const auto vorhanden = [&](const char* feld) {
        return OGR_FD_GetFieldIndex(OGR_L_GetLayerDefn(d->ebene), feld);
    };
    for (const std::string& eigen : eigene) {
        const int i = vorhanden(eigen.c_str());
        // GPX and KML have fields of their own (name, ele, Description):
        // an own column of that name goes into it.
        d->eigeneFelder.push_back((gpx || kml) && i >= 0 ? i : d->neuesFeld(eigen));
        if (i >= 0 && (eigen == "name" || eigen == "Name")) d->nameVonEingabe = true;
    }
    d->name = vorhanden(kml ? "Name" : "name");
    if (kml) {
        d->beschreibung = vorhanden("Description");
        for (Aus a : felder)
            d->felder.emplace_back(a, -1);
    } else {
        for (Aus a : felder)
            d->felder.emplace_back(a, d->neuesFeld(std::string(Ausgabefelder()[Index(a)].spalte)));
    }
    d->defn = OGR_L_GetLayerDefn(d->ebene);
}

Gisziel::~Gisziel() {
    d->merkmal.reset();
    if (d->fertig && d->geraet.empty()) return;
    d->ds.reset();
    std::error_code fehler;
    for (const auto& datei : Dateien(d->datei, d->treiber))
        std::filesystem::remove(datei, fehler);
}

void Gisziel::schreibe(std::uint64_t, const Punkt& p) {
    if (!p.meldung.empty() || !p.meldungen.empty()) return;
    // Many features per transaction: GeoPackage writes them at once.
    if (d->inTransaktion == 0) GDALDatasetStartTransaction(d->ds.get(), FALSE);
    // One feature for all points: its fields are set anew (or unset) each time.
    if (!d->merkmal) d->merkmal.reset(OGR_F_Create(d->defn));
    OGRFeatureH f = d->merkmal.get();
    OGR_F_SetFID(f, OGRNullFID);
    for (std::size_t k = 0; k < d->eigeneFelder.size(); ++k) {
        if (k < p.eigene.size() && !p.eigene[k].empty())
            OGR_F_SetFieldString(f, d->eigeneFelder[k], p.eigene[k].c_str());
        else
            OGR_F_UnsetField(f, d->eigeneFelder[k]);
    }
    for (const auto& [aus, feld] : d->felder)
        if (feld >= 0)
            OGR_F_SetFieldString(f, feld,
                                 d->zahlen ? d->wert(p, aus).c_str() : p.text(aus).c_str());
    if (d->name >= 0 && !OGR_F_IsFieldSetAndNotNull(f, d->name))
        OGR_F_SetFieldString(f, d->name, p.text(Aus::texREFAUS).c_str());
    if (d->beschreibung >= 0) {
        std::string text = OGR_F_IsFieldSetAndNotNull(f, d->beschreibung)
                               ? OGR_F_GetFieldAsString(f, d->beschreibung) + std::string("\n")
                               : std::string();
        OGR_F_SetFieldString(f, d->beschreibung, (text + d->ergebnistext(p)).c_str());
    }
    double lage[2];
    for (int i = 0; i < 2; ++i) {
        const std::string zahl =
            AlsZahl(Zahlform::Winkel, p.text(i ? Aus::texBreiteAUS : Aus::texLaengeAUS));
        std::from_chars(zahl.data(), zahl.data() + zahl.size(), lage[i]);
    }
    if (!OGR_F_GetGeometryRef(f)) OGR_F_SetGeometryDirectly(f, OGR_G_CreateGeometry(wkbPoint));
    OGR_G_SetPoint_2D(OGR_F_GetGeometryRef(f), 0, lage[0], lage[1]);
    CPLErrorReset();
    if (OGR_L_CreateFeature(d->ebene, f) != OGRERR_NONE || CPLGetLastErrorType() >= CE_Failure)
        d->scheitere("Schreibfehler");
    if (++d->inTransaktion == 100000) {
        d->inTransaktion = 0;
        if (GDALDatasetCommitTransaction(d->ds.get()) == OGRERR_FAILURE)
            d->scheitere("Schreibfehler");
    }
}

void Gisziel::schliesse() {
    CPLErrorReset();
    if (d->inTransaktion > 0 && GDALDatasetCommitTransaction(d->ds.get()) == OGRERR_FAILURE)
        d->scheitere("Schreibfehler");
    d->inTransaktion = 0;
    // Closing writes what the driver still holds (GeoJSON, KML, FlatGeobuf).
    d->merkmal.reset();
    GDALClose(d->ds.release());
    if (CPLGetLastErrorType() >= CE_Failure) d->scheitere("Schreibfehler beim Abschließen");
    if (!d->geraet.empty()) Kopiere(d->datei, d->geraet);
    d->fertig = true;
}

} // namespace kartovex::konvert
