// kartovex-konvert with GIS files: test files written by GDAL's own ogr2ogr,
// converted, and the numbers compared with the text path's.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "konvert/Gisdatei.h"
#include "konvert/Programmhilfe.h"

using namespace kartovex::konvert;
using namespace programmhilfe;

namespace {

// Two points with attributes: Ulm (the program's example point) and Cape Town.
constexpr const char* Punkte =
    R"({"type":"FeatureCollection","features":[)"
    R"({"type":"Feature","properties":{"name":"Ulm","nr":1},)"
    R"("geometry":{"type":"Point","coordinates":[9.96796724981198,48.4363326641023]}},)"
    R"({"type":"Feature","properties":{"name":"Kapstadt","nr":2},)"
    R"("geometry":{"type":"Point","coordinates":[18.4,-33.9]}}]})";

// The records of a CSV output without the header, each without its CR LF.
std::vector<std::string> Saetze(const std::string& csv) {
    std::vector<std::string> saetze;
    std::size_t pos = csv.find("\r\n");
    while (pos != std::string::npos && pos + 2 < csv.size()) {
        const std::size_t ende = csv.find("\r\n", pos + 2);
        saetze.push_back(csv.substr(pos + 2, ende - pos - 2));
        pos = ende;
    }
    return saetze;
}

// The last n fields of a record: the output columns and the message.
std::string Ende(const std::string& satz, int n) {
    std::size_t pos = satz.size();
    for (int i = 0; i < n && pos != std::string::npos; ++i)
        pos = satz.rfind(';', pos - 1);
    return satz.substr(pos + 1);
}

// What the text path gives for the lines: the output columns and message.
std::vector<std::string> Textweg(const std::string& format, const std::string& zeilen) {
    const Ergebnis e = Shell("$K --numbers --format " + format + " $EIN", zeilen);
    std::vector<std::string> enden;
    for (const std::string& s : Saetze(e.aus))
        enden.push_back(Ende(s, 22));
    return enden;
}

std::vector<std::string> Gisweg(const std::string& datei, const std::string& mehr = "") {
    const Ergebnis e = Shell("$K --numbers --in " + datei + " " + mehr);
    EXPECT_EQ(e.status, 0) << e.fehler;
    std::vector<std::string> enden;
    for (const std::string& s : Saetze(e.aus))
        enden.push_back(Ende(s, 22));
    return enden;
}

// Writes the two points with ogr2ogr into a file of the driver.
std::string Schreibe(const std::string& name, const std::string& treiber,
                     const std::string& mehr = "") {
    const std::string quelle = Datei("punkte.geojson"), ziel = Datei(name);
    std::ofstream(quelle) << Punkte;
    std::remove(ziel.c_str());
    const Ergebnis e = Shell("ogr2ogr -f '" + treiber + "' " + mehr + " " + ziel + " " + quelle);
    EXPECT_EQ(e.status, 0) << e.fehler;
    return ziel;
}

} // namespace

// Every format reads as the same two points, with the numbers of the text
// path and the attributes passed through in front of them.
TEST(Gis, JedesFormatGibtDieZahlenDesTextwegs) {
    const std::vector<std::string> erwartet =
        Textweg("1", "48.4363326641023;9.96796724981198\n-33.9;18.4\n");
    ASSERT_EQ(erwartet.size(), 2u);
    const struct {
        const char* name;
        const char* treiber;
        const char* mehr;
    } faelle[] = {
        {"p.gpx", "GPX", ""},
        {"p.kml", "KML", ""},
        {"p.gpkg", "GPKG", ""},
        {"p.shp", "ESRI Shapefile", ""},
        {"p.geojson", "GeoJSON", ""},
        {"p.fgb", "FlatGeobuf", "-lco SPATIAL_INDEX=NO"}, // the index would sort them
        {"p.csv", "CSV", "-lco GEOMETRY=AS_WKT"},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.treiber);
        const std::string datei = Schreibe(f.name, f.treiber, f.mehr);
        EXPECT_EQ(Gisweg(datei), erwartet);
        const Ergebnis e = Shell("$K --in " + datei);
        EXPECT_NE(e.aus.find(";Kapstadt;"), std::string::npos) << e.aus;
    }
}

// UTM and Gauss-Krueger layers go through the program's own inverse: the
// same numbers as the same values typed as UTM or Gauss-Krueger lines.
TEST(Gis, GitterebenenLaufenDurchDieEigeneUmkehrung) {
    const struct {
        const char* epsg;
        const char* xy;
        const char* format;
        const char* zeile;
    } faelle[] = {
        {"32632", "571595.4,5365251.5", "utm", "32U;0571595;5365252"},
        {"25832", "571595,5365251", "utm", "32U;0571595;5365251"},
        {"32734", "261878,6243186", "utm", "34H;0261878;6243186"},
        {"31467", "3571648,5367102", "gk", "3571648;5367102;3"},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.epsg);
        const std::string csv = Datei("gitter.csv"), gpkg = Datei("gitter.gpkg");
        std::ofstream(csv) << "x,y,name\n" << f.xy << ",Punkt\n";
        std::remove(gpkg.c_str());
        ASSERT_EQ(Shell("ogr2ogr -f GPKG -a_srs EPSG:" + std::string(f.epsg) +
                        " -oo X_POSSIBLE_NAMES=x -oo Y_POSSIBLE_NAMES=y " + gpkg + " " + csv)
                      .status,
                  0);
        EXPECT_EQ(Gisweg(gpkg), Textweg(f.format, std::string(f.zeile) + "\n"));
    }
}

// Another CRS is reprojected by GDAL, and the run says so once.
TEST(Gis, AnderesKoordinatensystemWirdUmgerechnet) {
    const std::string datei = Schreibe("p3857.gpkg", "GPKG", "-t_srs EPSG:3857");
    const Ergebnis e = Shell("$K --in " + datei);
    EXPECT_EQ(e.status, 0);
    EXPECT_NE(e.fehler.find("GDAL rechnet ihre Punkte nach WGS 84 um."), std::string::npos);
    EXPECT_EQ(e.fehler.find('\n'), e.fehler.size() - 1) << e.fehler;
    EXPECT_NE(e.aus.find(";N48.436333;E009.967967;"), std::string::npos) << e.aus;
}

// A GPX file gives its waypoints, else its track points; --layer picks one.
TEST(Gis, GpxWegpunkteSonstSpurpunkte) {
    const std::string mit = Datei("mit.gpx"), ohne = Datei("ohne.gpx");
    const std::string spur =
        "<trk><name>Runde</name><trkseg><trkpt lat=\"48.1\" lon=\"9.1\"/>"
        "<trkpt lat=\"48.2\" lon=\"9.2\"/><trkpt lat=\"48.3\" lon=\"9.3\"/></trkseg></trk>";
    const std::string kopf = "<?xml version=\"1.0\"?><gpx version=\"1.1\" creator=\"t\" "
                             "xmlns=\"http://www.topografix.com/GPX/1/1\">";
    std::ofstream(mit) << kopf << "<wpt lat=\"48.5\" lon=\"9.5\"><name>Hütte</name></wpt>" << spur
                       << "</gpx>";
    std::ofstream(ohne) << kopf << spur << "</gpx>";
    const struct {
        std::string aufruf;
        std::size_t punkte;
        const char* text;
    } faelle[] = {
        {"$K --in " + mit, 1, ";Hütte;"},
        {"$K --in " + ohne, 3, ";N48.300000;"},
        {"$K --in " + mit + " --layer track_points", 3, ";N48.200000;"},
        {"$K --in " + mit + " --layer=tracks", 1,
         "Das Objekt ist kein Punkt, sondern MULTILINESTRING."},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.aufruf);
        const Ergebnis e = Shell(f.aufruf);
        EXPECT_EQ(Saetze(e.aus).size(), f.punkte) << e.fehler;
        EXPECT_NE((e.aus + e.fehler).find(f.text), std::string::npos) << e.aus << e.fehler;
    }
    EXPECT_EQ(Shell("$K --in " + mit + " --layer=tracks").status, 1);
}

// Lines, polygons and empty geometries get a record with a message.
TEST(Gis, KeinPunktGibtEineMeldung) {
    const std::string datei = Datei("gemischt.geojson");
    std::ofstream(datei)
        << R"({"type":"FeatureCollection","features":[)"
           R"({"type":"Feature","properties":{},"geometry":{"type":"LineString","coordinates":[[9,48],[10,49]]}},)"
           R"({"type":"Feature","properties":{},"geometry":null},)"
           R"({"type":"Feature","properties":{},"geometry":{"type":"Point","coordinates":[9.5,48.5]}}]})";
    const Ergebnis e = Shell("$K --in " + datei);
    EXPECT_EQ(e.status, 1);
    EXPECT_EQ(e.fehler, "Objekt 1: Das Objekt ist kein Punkt, sondern LINESTRING.\n"
                        "Objekt 2: Das Objekt hat keine Geometrie.\n");
    EXPECT_EQ(Saetze(e.aus).size(), 3u);
    const Ergebnis geo = Shell("$K --geojson --in " + datei);
    EXPECT_NE(geo.fehler.find("2 Objekte mit Meldung fehlen in der GeoJSON-Ausgabe."),
              std::string::npos);
    EXPECT_EQ(geo.aus.find("\"Feature\""), geo.aus.rfind("\"Feature\"")) << geo.aus;
}

// Files GDAL must not open, or not follow: each refused with a German text,
// or read without the reference.
TEST(Gis, NurDateienDerGenanntenFormate) {
    const std::string ziel = Schreibe("ziel.geojson", "GeoJSON");
    const std::string vrt = Datei("verweis.vrt"), kml = Datei("netz.kml"),
                      kaputt = Datei("kaputt.gpkg"), text = Datei("text.txt");
    std::ofstream(vrt) << "<OGRVRTDataSource><OGRVRTLayer name=\"v\"><SrcDataSource>" << ziel
                       << "</SrcDataSource></OGRVRTLayer></OGRVRTDataSource>";
    std::ofstream(kml) << "<?xml version=\"1.0\"?><kml xmlns=\"http://www.opengis.net/kml/2.2\">"
                          "<Document><Placemark><name>Hier</name><Point><coordinates>9.5,48.5"
                          "</coordinates></Point></Placemark><NetworkLink><Link><href>"
                       << ziel
                       << "</href></Link></NetworkLink><NetworkLink><Link><href>"
                          "http://127.0.0.1:9/x.kml</href></Link></NetworkLink>"
                          "</Document></kml>";
    std::ofstream(kaputt) << std::string("SQLite format 3\0", 16) << std::string(2000, 'x');
    std::ofstream(text) << "48.5;9.5\n";
    const struct {
        std::string aufruf;
        int status;
        std::string text;
    } faelle[] = {
        {"$K --in " + vrt, 2,
         "kein unterstütztes Format (angenommen: GeoPackage, Shapefile, GPX, KML, FlatGeobuf, "
         "GeoJSON, CSV mit Geometriespalte)"},
        {"$K --in " + text, 2, "kein unterstütztes Format"},
        {"$K --in /vsicurl/http://127.0.0.1:9/p.gpx", 2, "keine lesbare Datei"},
        {"$K --in " + kaputt, 2, "kartovex-konvert: " + kaputt + ":"},
        {"$K --in " + ziel + " --layer gibtsnicht", 2, "keine Ebene »gibtsnicht«"},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.aufruf);
        const Ergebnis e = Shell(f.aufruf);
        EXPECT_EQ(e.status, f.status);
        EXPECT_NE(e.fehler.find(f.text), std::string::npos) << e.fehler;
        EXPECT_EQ(e.aus, "");
    }
    const Ergebnis e = Shell("$K --in " + kml);
    EXPECT_EQ(e.status, 0) << e.fehler;
    EXPECT_EQ(Saetze(e.aus).size(), 1u) << e.aus;
    EXPECT_EQ(e.aus.find("Kapstadt"), std::string::npos);
}

// The input line of a point in each kind of reference system.
TEST(Gis, ObjektAusBezug) {
    const struct {
        int epsg;
        double x, y;
        int format;
        const char* zeile;
    } faelle[] = {
        {4326, 9.96796724981198, 48.4363326641023, 1, "48.4363326641023;9.96796724981198"},
        {4258, -0.000001, -89.5, 1, "-89.5;-0.000001"},
        {32632, 571595.5, 5365250.5, 4, "32U;0571596;5365251"},
        {32632, 571595.49, 5365250.4, 4, "32U;0571595;5365250"},
        {32601, 500000, 0, 4, "01N;0500000;0000000"},
        {32733, 500000, 9999999, 4, "33M;0500000;9999999"},
        {32632, -5, 12345678, 4, "32N;-5;12345678"},
        {31469, 5400000, 5500000, 7, "5400000;5500000;3"},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.epsg);
        const auto bezug = BezugAusEpsg(f.epsg);
        ASSERT_TRUE(bezug);
        const Objekt o = ObjektAus(*bezug, f.x, f.y);
        EXPECT_EQ(o.format, f.format);
        EXPECT_EQ(o.zeile, f.zeile);
    }
    EXPECT_FALSE(BezugAusEpsg(3857));
    EXPECT_FALSE(BezugAusEpsg(31465));
    EXPECT_FALSE(BezugAusEpsg(32661));
    EXPECT_EQ(ObjektAus({}, std::nan(""), 1).meldung,
              "Das Objekt hat keine endlichen Koordinaten.");
}

namespace {

// What ogrinfo lists of a file's layer: every feature with its fields.
std::string Ogrinfo(const std::string& datei, const std::string& ebene = "") {
    return Shell("ogrinfo -ro -al -q " + datei + " " + ebene).aus;
}

std::size_t Anzahl(const std::string& text, const std::string& teil) {
    std::size_t n = 0;
    for (auto pos = text.find(teil); pos != std::string::npos; pos = text.find(teil, pos + 1))
        ++n;
    return n;
}

} // namespace

// Each output format holds one point feature per converted input, with the
// attributes and the results, as GDAL reads it back.
TEST(Gis, JedesAusgabeformat) {
    const std::string ein = Schreibe("quelle.gpkg", "GPKG");
    const struct {
        const char* name;
        const char* ebene;
        const char* text; // in what ogrinfo lists of the first feature
    } faelle[] = {
        {"o.gpkg", "", "utmref (String) = 32U  NU  7159565251"},
        {"o.shp", "", "gk_merid (String) = E009°"},
        {"o.gpx", "waypoints", "ogr_utmref (String) = 32U  NU  7159565251"},
        {"o.kml", "", "utm_rechts: 0571595"},
        {"o.fgb", "", "breite_minuten (String) = 26.179960"},
        {"o.geojson", "", "laenge (String) = E009.967967"},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        const std::string aus = Datei(f.name);
        std::remove(aus.c_str());
        const Ergebnis e = Shell("$K --in " + ein + " --out " + aus);
        EXPECT_EQ(e.status, 0) << e.fehler;
        EXPECT_EQ(e.aus + e.fehler, "");
        const std::string info = Ogrinfo(aus, f.ebene);
        EXPECT_EQ(Anzahl(info, "POINT ("), 2u) << info;
        EXPECT_EQ(Anzahl(info, "POINT (9.967967 48.436333)"), 1u) << info;
        EXPECT_NE(info.find("Kapstadt"), std::string::npos) << info;
        EXPECT_NE(info.find(f.text), std::string::npos) << info;
    }
}

// A GPX waypoint is named by its UTMREF unless the input names it; text
// lines write the same numbers as features of any file.
TEST(Gis, TextzeilenInEineGisdatei) {
    const std::string gpx = Datei("zeilen.gpx"), gpkg = Datei("zeilen.gpkg");
    std::remove(gpx.c_str());
    std::remove(gpkg.c_str());
    const std::string zeilen =
        "breite;laenge;ns;ew;notiz\n48.4363326641023;9.96796724981198;;;Ulm\n\n48;9x\n";
    EXPECT_EQ(Shell("$K --format 1 --header --out " + gpx + " $EIN", zeilen).status, 1);
    EXPECT_NE(Ogrinfo(gpx).find("name (String) = 32U  NU  7159565251"), std::string::npos);
    const Ergebnis e = Shell("$K --format 1 --header --numbers --out " + gpkg + " $EIN", zeilen);
    EXPECT_EQ(e.status, 1);
    EXPECT_EQ(e.fehler, "Zeile 4: Die Eingabe von x ist für die Länge nicht zulässig!\n"
                        "kartovex-konvert: 1 Zeile mit Meldung fehlt in der Ausgabedatei.\n");
    const std::string info = Ogrinfo(gpkg);
    EXPECT_EQ(Anzahl(info, "POINT ("), 1u) << info;
    EXPECT_NE(info.find("notiz (String) = Ulm"), std::string::npos) << info;
    EXPECT_NE(info.find("breite (String) = 48.436333"), std::string::npos) << info;
}

// No output file is replaced without --overwrite; a failed write ends the
// run with exit code 3 and leaves no file behind.
TEST(Gis, UeberschreibenUndSchreibfehler) {
    const std::string ein = Schreibe("q.geojson", "GeoJSON"), aus = Datei("da.gpkg"),
                      gross = Datei("gross.txt"), halb = Datei("halb.gpkg");
    std::ofstream(aus) << "alt";
    Ergebnis e = Shell("$K --in " + ein + " --out " + aus);
    EXPECT_EQ(e.status, 3);
    EXPECT_NE(e.fehler.find("die Datei besteht schon (--overwrite ersetzt sie)"),
              std::string::npos);
    EXPECT_EQ(Lies(aus), "alt");
    EXPECT_EQ(Shell("$K --in " + ein + " --out " + aus + " --overwrite").status, 0);
    EXPECT_EQ(Anzahl(Ogrinfo(aus), "POINT ("), 2u);
    for (const char* treiber : {"GPKG", "GeoJSON", "KML", "FlatGeobuf"}) {
        SCOPED_TRACE(treiber);
        e = Shell("$K --in " + ein + " --driver " + treiber + " --out /dev/full");
        EXPECT_EQ(e.status, 3);
        EXPECT_EQ(e.fehler,
                  "kartovex-konvert: /dev/full: Schreibfehler: No space left on device\n");
    }
    // A file size limit makes the GeoPackage fail half way.
    {
        std::ofstream z(gross);
        for (int i = 0; i < 20000; ++i)
            z << "48.5;9.5\n";
    }
    e = Shell("(trap '' XFSZ; ulimit -f 100; $K --format 1 --out " + halb + " " + gross + ")");
    EXPECT_EQ(e.status, 3) << e.fehler;
    EXPECT_NE(e.fehler.find("kartovex-konvert: " + halb + ": "), std::string::npos) << e.fehler;
    EXPECT_FALSE(std::ifstream(halb).good());
    EXPECT_EQ(Shell("$K --in " + ein + " --out " + Datei("x.txt")).status, 2);
    EXPECT_NE(Shell("$K --in " + ein + " --driver Excel --out " + Datei("x.xls"))
                  .fehler.find("unbekannter Ausgabetreiber »Excel«"),
              std::string::npos);
}

// Shapefile column names have at most ten characters, all different.
TEST(Gis, SpaltennamenFuerShapefile) {
    std::set<std::string> namen;
    for (const kartovex::Ausgabefeld& f : kartovex::Ausgabefelder()) {
        const std::string kurz = Spaltenname(f.spalte, "ESRI Shapefile");
        EXPECT_LE(kurz.size(), 10u) << kurz;
        EXPECT_TRUE(namen.insert(kurz).second) << kurz;
        EXPECT_EQ(Spaltenname(f.spalte, "GPKG"), f.spalte);
    }
    EXPECT_EQ(Spaltenname("gms_laenge_sekunden", "ESRI Shapefile"), "gms_l_sek");
}

// --progress tells another program how far the run is and what it gave; a
// SIGTERM stops the run within its block and removes the output file.
TEST(Gis, FortschrittUndAbbruch) {
    const std::string gross = Datei("viele.txt"), aus = Datei("viele.gpkg");
    {
        std::ofstream z(gross);
        for (int i = 0; i < 400000; ++i)
            z << "48.5;9.5\n";
        z << "48;9x\n";
    }
    std::remove(aus.c_str());
    Ergebnis e = Shell("$K --format 1 --progress --columns dezimal --out " + aus + " " + gross);
    EXPECT_EQ(e.status, 1);
    EXPECT_NE(e.fehler.find("Fortschritt 4096 "), std::string::npos) << e.fehler;
    EXPECT_TRUE(e.fehler.ends_with("Ergebnis 400000 1\n"
                                   "kartovex-konvert: 1 Zeile mit Meldung fehlt in der "
                                   "Ausgabedatei.\n"))
        << e.fehler;
    std::remove(aus.c_str());
    e = Shell("$K --format 1 --progress --out " + aus + " " + gross + " 2>" + Datei("f") +
              " & k=$!; until grep -q Fortschritt " + Datei("f") +
              "; do sleep 0.02; done; kill -TERM $k; wait $k; echo $?");
    EXPECT_EQ(e.aus, "143\n");
    EXPECT_FALSE(std::ifstream(aus).good());
    EXPECT_EQ(Lies(Datei("f")).find("Ergebnis"), std::string::npos);
}

// The lines of a text file read for the GIS options (--progress here, as the
// file dialog runs it) give the records and messages of the text path.
TEST(Gis, ZeilenWieDerTextweg) {
    const std::string zeilen = "\n \t\nbreite;laenge;ns;ew;name\n48.5;9.5;;;a\n\n48;9x;;;b\n"
                               "-33.9;18.4;;;c\r\n32U;1;2;;d\n";
    for (const char* optionen : {"--format 1 --header", "--format 1", "--format 1 --json",
                                 "--format 1 --header --geojson --numbers"}) {
        SCOPED_TRACE(optionen);
        const Ergebnis text = Shell("$K " + std::string(optionen) + " $EIN", zeilen);
        const Ergebnis gis = Shell("$K --progress " + std::string(optionen) + " $EIN", zeilen);
        EXPECT_EQ(gis.aus, text.aus);
        EXPECT_EQ(gis.status, text.status);
        std::string meldungen;
        for (std::size_t pos = 0, lf; (lf = gis.fehler.find('\n', pos)) != std::string::npos;
             pos = lf + 1)
            if (gis.fehler.compare(pos, 12, "Fortschritt ") != 0 &&
                gis.fehler.compare(pos, 9, "Ergebnis ") != 0)
                meldungen += gis.fehler.substr(pos, lf + 1 - pos);
        EXPECT_EQ(meldungen, text.fehler);
    }
}
