#include "konvert/Gisdatei.h"

#include <cpl_conv.h>
#include <cpl_error.h>
#include <gdal.h>
#include <ogr_api.h>
#include <ogr_srs_api.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <filesystem>
#include <mutex>

#include "geodesy/modKartovex.h"

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

bool IstGisdateiname(std::string_view datei) {
    const std::string endung = Kleinbuchstaben(std::filesystem::path(datei).extension().string());
    for (const char* e : {".gpx", ".kml", ".gpkg", ".shp", ".geojson", ".json", ".fgb"})
        if (endung == e) return true;
    return false;
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
    d->ds.reset(
        GDALOpenEx(datei.c_str(), GDAL_OF_VECTOR | GDAL_OF_READONLY, GisTreiber, nullptr, nullptr));
    if (!d->ds) {
        const std::string grund = CPLGetLastErrorMsg();
        if (GDALIdentifyDriverEx(datei.c_str(), GDAL_OF_VECTOR, GisTreiber, nullptr) &&
            !grund.empty())
            throw Gisfehler(datei + ": nicht lesbar: " + grund);
        throw Gisfehler(
            datei + ": kein unterstütztes Format (angenommen: " + std::string(GisFormate) + ")");
    }
    d->ebene = WaehleEbene(d->ds.get(), ebene, datei);
    d->name = OGR_L_GetName(d->ebene);
    const OGRFeatureDefnH defn = OGR_L_GetLayerDefn(d->ebene);
    for (int i = 0; i < OGR_FD_GetFieldCount(defn); ++i)
        d->spalten.emplace_back(OGR_Fld_GetNameRef(OGR_FD_GetFieldDefn(defn, i)));
    d->waehleBezug();
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

std::vector<std::string> Gisquelle::ebenen() const {
    std::vector<std::string> namen;
    for (int i = 0; i < GDALDatasetGetLayerCount(d->ds.get()); ++i)
        namen.emplace_back(OGR_L_GetName(GDALDatasetGetLayer(d->ds.get(), i)));
    return namen;
}

std::int64_t Gisquelle::anzahl() const {
    return OGR_L_GetFeatureCount(d->ebene, 0);
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
    return true;
}

} // namespace kartovex::konvert
