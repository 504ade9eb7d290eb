// Decoding of the 100 km square notations: UTMref_UTMmil and UTMmil_UTMziv.
#include <gtest/gtest.h>

#include <GeographicLib/MGRS.hpp>
#include <GeographicLib/UTMUPS.hpp>

#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "geodesy/modKartovex.h"
#include "geodesy_test_hilfen.h"

using namespace modKartovex;

namespace {

struct Gruppen {
    std::array<std::string, 5> g;
};

// Runs UTMref_UTMmil on a digit group and returns the five groups; the two
// free texts must come back untouched.
Gruppen Aufteilen(const std::string& ziffern) {
    std::string frei1 = "32U", frei2 = "NU";
    Gruppen r{{ziffern, "x", "x", "x", "x"}};
    UTMref_UTMmil(frei1, frei2, r.g[0], r.g[1], r.g[2], r.g[3], r.g[4]);
    EXPECT_EQ(frei1, "32U");
    EXPECT_EQ(frei2, "NU");
    return r;
}

struct Dekodiert {
    std::string rechts, hoch, zone, g1km, g100m, g10m, g1m;
};

Dekodiert Dekodieren(const std::string& zone, const std::string& quadrat, const Gruppen& gr) {
    Dekodiert d{zone, quadrat, gr.g[0], gr.g[1], gr.g[2], gr.g[3], gr.g[4]};
    UTMmil_UTMziv(d.rechts, d.hoch, d.zone, d.g1km, d.g100m, d.g10m, d.g1m);
    return d;
}

} // namespace

TEST(UTMrefUTMmil, SplitsTheDigitGroupIntoFiveGroups) {
    struct Fall {
        std::string ziffern;
        std::array<std::string, 5> gruppen;
    };
    const std::vector<Fall> faelle = {
        {"7159565251", {"76", "15", "52", "95", "51"}},
        {"0000016300", {"01", "06", "03", "00", "00"}},
        {"1234", {"13", "24", "00", "00", "00"}},
        {"123", {"12", "23", "00", "00", "00"}},     // the middle digit serves both halves
        {"12345", {"14", "25", "00", "00", "00"}},   // 2.5 rounds to 2 per half
        {"1234567", {"14", "25", "36", "47", "00"}}, // 3.5 rounds to 4 per half
        {"12345678", {"15", "26", "37", "48", "00"}},
        {"123456789012", {"17", "28", "39", "40", "51"}}, // sixth digits dropped
        {"", {"00", "00", "00", "00", "00"}},
        {"7", {"00", "00", "00", "00", "00"}},
        {"ab", {"ab", "00", "00", "00", "00"}},
        {"ÖÜÖÜÖÜ", {"ÖÜ", "ÜÖ", "ÖÜ", "00", "00"}}, // characters, not bytes
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(Aufteilen(f.ziffern).g, f.gruppen) << f.ziffern;
}

TEST(UTMmilUTMziv, WorkedValues) {
    struct Fall {
        std::string zone, quadrat;
        std::array<std::string, 5> gruppen;
        std::string rechts, hoch, neueZone;
        bool nord;
    };
    const std::vector<Fall> faelle = {
        {"32T", "NU", {"01", "06", "03", "00", "00"}, "0500000", "5316300", "32T", true},
        {"33X", "UG", {"76", "24", "53", "25", "59"}, "0372525", "8664359", "33X", true},
        {"32V", "LM", {"35", "25", "72", "00", "55"}, "0332705", "6655205", "32V", true},
        {"34H", "BH", {"54", "95", "58", "88", "38"}, "0259583", "6245888", "34H", false},
        {"32N", "PF", {"10", "10", "20", "80", "10"}, "0611281", "0000000", "32N", true},
        {"32M", "PE", {"19", "19", "29", "89", "19"}, "0611281", "9999999", "32M", false},
        {"32M", "MS", {"82", "86", "97", "75", "76"}, "0488977", "9126756", "32M", false},
        {"32U", "NU", {"76", "15", "52", "95", "51"}, "0571595", "5365251", "32U", true},
        {"18T", "WL", {"81", "61", "15", "00", "86"}, "0586108", "4511506", "18T", true},
        // Just north of 8 degrees near the meridian: the northing does not
        // exceed the threshold of band P, so the result falls back to N.
        {"32P", "NP", {"08", "04", "08", "05", "01"}, "0500000", "0884851", "32N", true},
        {"32P", "NP", {"08", "05", "05", "01", "04"}, "0500000", "0885514", "32P", true},
        // The band letter of the result comes from the northing, not the input.
        {"32U", "NT", {"01", "06", "03", "00", "00"}, "0500000", "5216300", "32T", true},
        // Band X, second half: 100 km digit 9 is the southern edge (7...),
        // digits 0 to 3 lie north of 81 degrees (9...).
        {"33X", "XV", {"59", "55", "09", "00", "00"}, "0655000", "7995900", "33X", true},
        {"33X", "WN", {"50", "00", "00", "00", "00"}, "0550000", "9200000", "33X", true},
        {"34X", "DU", {"52", "13", "30", "44", "00"}, "0451340", "9323040", "34X", true},
        // Combinations that no point of the band produces: no millions digit.
        {"32D", "NR", {"00", "00", "00", "00", "00"}, "0500000", "000000", "32C", false},
        {"32N", "NR", {"00", "00", "00", "00", "00"}, "0500000", "000000", "32N", true},
        {"32M", "NF", {"00", "00", "00", "00", "00"}, "0500000", "000000", "32C", false},
        // Any of the 24 column letters is accepted in any zone.
        {"32T", "AU", {"01", "06", "03", "00", "00"}, "0100000", "5316300", "32T", true},
        {"32T", "ZU", {"01", "06", "03", "00", "00"}, "0800000", "5316300", "32T", true},
        // A band letter outside the table (or lower case) reads as southern
        // with no millions digit.
        {"32t", "NU", {"01", "06", "03", "00", "00"}, "0500000", "316300", "32C", false},
        // Group characters are copied as they stand.
        {"32T", "NU", {"1", "", "a b", "00", "00"}, "051a00", "531b00", "32N", true},
    };
    for (const Fall& f : faelle) {
        MeldungsRekorder rekorder;
        NordHalbkugel = !f.nord;
        const Dekodiert d = Dekodieren(f.zone, f.quadrat, {f.gruppen});
        SCOPED_TRACE(f.zone + " " + f.quadrat + " " + f.gruppen[0]);
        EXPECT_EQ(d.rechts, f.rechts);
        EXPECT_EQ(d.hoch, f.hoch);
        EXPECT_EQ(d.zone, f.neueZone);
        EXPECT_EQ(NordHalbkugel, f.nord);
        EXPECT_EQ(d.g1km, f.gruppen[1]);
        EXPECT_EQ(d.g100m, f.gruppen[2]);
        EXPECT_EQ(d.g10m, f.gruppen[3]);
        EXPECT_EQ(d.g1m, f.gruppen[4]);
        EXPECT_TRUE(rekorder.meldungen.empty());
    }
}

TEST(UTMmilUTMziv, RefusesSquareLettersOutsideTheTables) {
    const std::string erster = "Der 1. Buchstabe des 100km-Quadrates ist nicht zulässig";
    const std::string zweiter = "Der 2. Buchstabe des 100km-Quadrates ist nicht zulässig.";
    struct Fall {
        std::string zone, quadrat, meldung;
    };
    const std::vector<Fall> faelle = {
        {"32T", "nu", erster},  {"32T", "Nu", zweiter}, {"32T", "IU", erster},
        {"32T", "OU", erster},  {"32T", "NI", zweiter}, {"32T", "NW", zweiter},
        {"33T", "NW", zweiter}, {"33T", "NA", ""},      {"32T", "NF", ""},
        {"32T", "", erster},    {"32T", "1U", erster},  {"32T", "N1", zweiter},
        {"32T", "ÄU", erster},  {"32T", "NÜ", zweiter}, {"", "NU", ""},
        {"3", "NU", ""},
    };
    for (const Fall& f : faelle) {
        MeldungsRekorder rekorder;
        const Dekodiert d = Dekodieren(f.zone, f.quadrat, {{"01", "06", "03", "04", "05"}});
        SCOPED_TRACE(f.zone + " " + f.quadrat);
        if (f.meldung.empty()) {
            EXPECT_TRUE(rekorder.meldungen.empty());
            EXPECT_EQ(d.rechts.size(), 7u);
            continue;
        }
        ASSERT_EQ(rekorder.meldungen, std::vector<std::string>{f.meldung});
        EXPECT_EQ(d.rechts, f.zone);
        EXPECT_EQ(d.hoch, f.quadrat);
        EXPECT_EQ(d.zone, "01");
        EXPECT_EQ(d.g1km, "06");
        EXPECT_EQ(d.g100m, "Fehler");
        EXPECT_EQ(d.g10m, "04");
        EXPECT_EQ(d.g1m, "05");
    }
}

// Every MGRS reference that GeographicLib builds for a real point decodes to
// its easting and northing, in every band and zone.
TEST(UTMmilUTMziv, DecodesGeographicLibReferencesToTheMetre) {
    using namespace GeographicLib;
    int gezaehlt = 0;
    for (double breite = -79.9; breite < 84; breite += 0.37) {
        for (double laenge = -179.7; laenge < 180; laenge += 1.9) {
            int zone = 0;
            bool nord = false;
            double x = 0, y = 0;
            UTMUPS::Forward(breite, laenge, zone, nord, x, y);
            std::string mgrs;
            MGRS::Forward(zone, nord, x, y, breite, 5, mgrs);
            int zone2 = 0, praezision = 0;
            bool nord2 = false;
            double ecke_x = 0, ecke_y = 0;
            MGRS::Reverse(mgrs, zone2, nord2, ecke_x, ecke_y, praezision, false);

            ASSERT_EQ(mgrs.size(), 15u) << mgrs;
            Gruppen gr = Aufteilen(mgrs.substr(5));
            MeldungsRekorder rekorder;
            const Dekodiert d = Dekodieren(mgrs.substr(0, 3), mgrs.substr(3, 2), gr);
            SCOPED_TRACE(mgrs);
            EXPECT_TRUE(rekorder.meldungen.empty());
            EXPECT_EQ(Zahlwert(d.rechts), ecke_x);
            EXPECT_EQ(Zahlwert(d.hoch), ecke_y);
            EXPECT_EQ(d.zone.substr(0, 2), mgrs.substr(0, 2));
            EXPECT_EQ(NordHalbkugel, nord);
            ++gezaehlt;
        }
    }
    EXPECT_GT(gezaehlt, 80000);
}

TEST(UTMmilUTMziv, OddTextsNeverCrashNorGiveNumbersThatAreNoNumbers) {
    const std::vector<std::string> zonen = {"", "3", "32T", "32t", "3X", "ä1T", "60X", "99Z"};
    const std::vector<std::string> quadrate = {"", "N", "NU", "nu", "ÄU", "NUX", "1U", "XV"};
    const std::vector<std::string> gruppen = {"", "0", "00", "123", "ab", "9E9", "ÖÜ"};
    for (const auto& zone : zonen)
        for (const auto& quadrat : quadrate)
            for (const auto& gruppe : gruppen) {
                MeldungsRekorder rekorder;
                const Dekodiert d = Dekodieren(zone, quadrat, {{gruppe, gruppe, gruppe, "1", ""}});
                EXPECT_LE(rekorder.meldungen.size(), 1u);
                EXPECT_EQ(rekorder.meldungen.empty(), d.g100m != "Fehler");
                for (const std::string* t : {&d.rechts, &d.hoch, &d.zone})
                    EXPECT_EQ(t->find("nan"), std::string::npos);
            }
}

namespace {

struct Utm {
    std::string zone, rechts, hoch;
};

Utm Vorwaerts(double laenge, double breite) {
    Utm u{"WGS", Zahltext(laenge), Zahltext(breite)};
    G_UTMziv(u.rechts, u.hoch, u.zone);
    return u;
}

// Civil UTM to the military notation and back through the decoder.
Dekodiert UeberMilitaer(const Utm& u) {
    std::string mil = u.zone, rechts = u.rechts, hoch = u.hoch;
    UTMziv_UTMmil(mil, rechts, hoch);
    EXPECT_EQ(mil.size(), 23u) << mil;
    mil.resize(23, ' ');
    return Dekodieren(mil.substr(0, 3), mil.substr(5, 2),
                      {{mil.substr(9, 2), mil.substr(12, 2), mil.substr(15, 2), mil.substr(18, 2),
                        mil.substr(21, 2)}});
}

const std::string Baender = "CDEFGHJKLMNPQRSTUVWX";

// The band letter next to b, one step north (+1) or south (-1).
char Nachbarband(char b, int schritt) {
    return Baender[static_cast<std::size_t>(static_cast<int>(Baender.find(b)) + schritt)];
}

} // namespace

// The band thresholds are the largest northings of each border latitude in a
// 6 degree zone. So the decoder falls back one band toward the equator for
// points just poleward of a border near the central meridian, and in the
// 9 degree wide zone 32V it moves points just south of 64 degrees far west of
// the meridian up into band W. Rechts and Hoch always come back unchanged.
TEST(UTMmilUTMziv, ExceptionsThatTheThresholdsMake) {
    struct Fall {
        double laenge, breite;
        std::string vorwaerts, zurueck;
    };
    const std::vector<Fall> faelle = {
        {9, 8.005, "32P", "32N"},   {9, 8.011, "32P", "32P"},     {9, 8.0, "32N", "32N"},
        {6.5, 8.005, "32P", "32P"}, {9, -8.005, "32L", "32M"},    {9, -8.0, "32M", "32M"},
        {3, 72.004, "31X", "31W"},  {9, 72.004, "31X", "31X"},    {15, 72.004, "33X", "33W"},
        {10, 72.004, "33X", "33X"}, {3.2, 63.99, "32V", "32W"},   {3.2, 63.9, "32V", "32V"},
        {8.9, 63.99, "32V", "32V"}, {-75, -72.006, "18C", "18D"}, {-75, 56.003, "18V", "18U"},
    };
    for (const Fall& f : faelle) {
        const Utm u = Vorwaerts(f.laenge, f.breite);
        const Dekodiert d = UeberMilitaer(u);
        SCOPED_TRACE(std::to_string(f.laenge) + " " + std::to_string(f.breite));
        EXPECT_EQ(u.zone, f.vorwaerts);
        EXPECT_EQ(d.zone, f.zurueck);
        EXPECT_EQ(d.rechts, u.rechts);
        EXPECT_EQ(d.hoch, u.hoch);
    }
}

// Every point of the globe (all zones, bands C to X, the special zones of V
// and X, and points close to every band border) comes back through the
// military notation with the same Rechts and Hoch texts, and with the same
// zone designation unless it is one of the exceptions above.
TEST(UTMmilUTMziv, RoundTripOverTheGlobe) {
    std::vector<std::pair<double, double>> punkte; // (Laenge, Breite)
    for (int zone = 1; zone <= 60; ++zone)
        for (double versatz : {-2.95, -1.7, -0.3, 0.0, 1.1, 2.95}) {
            const double laenge = (zone - 30) * 6 - 3 + versatz;
            for (double breite = -80; breite <= 84; breite += 0.45)
                punkte.emplace_back(laenge, breite);
            for (int grenze = -72; grenze <= 72; grenze += 8)
                for (double abstand : {-0.009, -0.003, 0.0, 0.003, 0.009})
                    punkte.emplace_back(laenge, grenze + abstand);
            punkte.emplace_back(laenge, 84);
        }
    for (double laenge = 0; laenge < 12; laenge += 0.21)
        for (double breite : {56.01, 58.3, 61.7, 63.9, 63.99, 64.0})
            punkte.emplace_back(laenge, breite);
    for (double laenge = 0; laenge <= 42; laenge += 0.23)
        for (double breite : {72.001, 72.01, 75.5, 80.2, 81.5, 83.99, 84.0})
            punkte.emplace_back(laenge, breite);

    int zurEquator = 0, in32W = 0;
    for (const auto& [laenge, breite] : punkte) {
        const Utm u = Vorwaerts(laenge, breite);
        MeldungsRekorder rekorder;
        const Dekodiert d = UeberMilitaer(u);
        SCOPED_TRACE(u.zone + " " + u.rechts + " " + u.hoch + " <- " + std::to_string(laenge) +
                     " " + std::to_string(breite));
        ASSERT_TRUE(rekorder.meldungen.empty());
        ASSERT_EQ(d.rechts, u.rechts);
        ASSERT_EQ(d.hoch, u.hoch);
        ASSERT_EQ(NordHalbkugel, breite >= 0);
        if (d.zone == u.zone) continue;
        ASSERT_EQ(d.zone.substr(0, 2), u.zone.substr(0, 2));
        const char band = u.zone[2], zurueck = d.zone[2];
        // Points of 32V up to 10 km below 64 degrees, at least 3 degrees west of 9.
        if (u.zone == "32V" && zurueck == 'W' && breite > 63.9 && laenge < 6) {
            ++in32W;
            continue;
        }
        // Points poleward of a band border by less than the gap between the
        // border's northing on the meridian and its threshold (largest at
        // 72 degrees: 2.6 km, about 0.023 degrees).
        const double grenze = breite >= 0 ? std::floor(breite / 8) * 8 : std::ceil(breite / 8) * 8;
        ASSERT_LT(std::fabs(breite - grenze), 0.025);
        ASSERT_EQ(zurueck, Nachbarband(band, breite >= 0 ? -1 : 1));
        ++zurEquator;
    }
    // The grid does reach both kinds of exception.
    EXPECT_GT(zurEquator, 100);
    EXPECT_GT(in32W, 5);
}
