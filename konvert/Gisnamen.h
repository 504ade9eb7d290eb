// Which files are GIS files and which driver writes which extension: plain
// tables without GDAL, for the batch converter and for the file dialog.
#pragma once

#include <algorithm>
#include <filesystem>
#include <string>
#include <string_view>

namespace kartovex::konvert {

struct Gisformat {
    std::string_view treiber; // the GDAL driver's name
    std::string_view name;    // as a user knows it
    std::string_view endung;  // of its files, the first one when writing
    std::string_view endung2; // another extension, or empty
    bool schreibbar;          // the converter writes it (--out)
};

inline constexpr Gisformat Gisformate[] = {
    {"GPKG", "GeoPackage", ".gpkg", "", true},
    {"ESRI Shapefile", "Shapefile", ".shp", "", true},
    {"GPX", "GPX", ".gpx", "", true},
    {"KML", "KML", ".kml", "", true},
    {"FlatGeobuf", "FlatGeobuf", ".fgb", "", true},
    {"GeoJSON", "GeoJSON", ".geojson", ".json", true},
    {"CSV", "CSV mit Geometriespalte", ".csv", "", false},
};

// The extension of a file name in lower case (".gpx").
inline std::string Endung(std::string_view datei) {
    std::string e = std::filesystem::path(datei).extension().string();
    std::ranges::transform(e, e.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return e;
}

// The GIS format of a file name by its extension; nullptr for none. A .csv
// file is text lines, not a GIS file, unless `csvAlsGis`.
inline const Gisformat* GisformatVon(std::string_view datei, bool csvAlsGis = false) {
    const std::string e = Endung(datei);
    for (const Gisformat& f : Gisformate)
        if ((e == f.endung || (!f.endung2.empty() && e == f.endung2)) &&
            (csvAlsGis || f.treiber != "CSV"))
            return &f;
    return nullptr;
}

} // namespace kartovex::konvert
