// UTM inverse projection UTMziv_G: worked values, hemisphere, faults, round
// trips with the forward projection and the exact inverse of GeographicLib.
#include <gtest/gtest.h>

#include <GeographicLib/TransverseMercator.hpp>

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "geodesy/modKartovex.h"
#include "geodesy_test_hilfen.h"

using namespace modKartovex;

namespace {

struct Invers {
    std::string laenge6, breite6, laenge, breite; // outputs in Rechts, Hoch, Zone, Ellipsoid
};

Invers Rueckwaerts(const std::string& rechts, const std::string& hoch, const std::string& zone,
                   const std::string& ellipsoid = "WGS") {
    Invers r{rechts, hoch, zone, ellipsoid};
    UTMziv_G(r.laenge6, r.breite6, r.laenge, r.breite);
    return r;
}

struct Utm {
    std::string zone, rechts, hoch;
};

Utm Vorwaerts(double laenge, double breite) {
    Utm u{"WGS", Zahltext(laenge), Zahltext(breite)};
    G_UTMziv(u.rechts, u.hoch, u.zone);
    return u;
}

bool HatKeineUnzahl(const std::string& t) {
    return t.find("nan") == std::string::npos && t.find("inf") == std::string::npos &&
           t.find("NAN") == std::string::npos && t.find("INF") == std::string::npos;
}

} // namespace

TEST(UTMzivG, WorkedValues) {
    struct Fall {
        std::string rechts, hoch, zone, breite6, laenge6;
    };
    const std::vector<Fall> faelle = {
        {"0500000", "5316300", "32T", "47.999998", "9"},
        {"0723776", "5320656", "31T", "48.000002", "6.000001"},
        {"0332705", "6655205", "32V", "59.999996", "5.999997"},
        {"0372525", "8664359", "33X", "77.999998", "9.499996"},
        {"0259583", "6245888", "34H", "-33.9", "18.399998"},
        {"0611281", "0000000", "32N", "0", "10.000003"},
        {"0611281", "9999999", "32M", "-0.000009", "10.000003"},
    };
    for (char trenner : {'.', ','}) {
        MitDezimaltrenner regional(trenner);
        for (const Fall& f : faelle) {
            MeldungsRekorder rekorder;
            const Invers r = Rueckwaerts(f.rechts, f.hoch, f.zone);
            SCOPED_TRACE(f.zone + " " + f.rechts + " " + f.hoch + " " + trenner);
            // How very small magnitudes are written (plain or with an
            // exponent) is the number text's business; the value is not.
            EXPECT_EQ(Zahlwert(r.breite6), Zahlwert(f.breite6));
            if (std::fabs(Zahlwert(f.breite6)) >= 1e-5 || Zahlwert(f.breite6) == 0) {
                EXPECT_EQ(r.breite6, f.breite6);
            }
            EXPECT_EQ(r.laenge6, f.laenge6);
            EXPECT_NEAR(Zahlwert(r.breite), Zahlwert(f.breite6), 5e-7);
            EXPECT_NEAR(Zahlwert(r.laenge), Zahlwert(f.laenge6), 5e-7);
            EXPECT_EQ(r.breite.find(','), std::string::npos);
            EXPECT_TRUE(rekorder.meldungen.empty());
        }
    }
    const Invers r = Rueckwaerts("0500000", "5316300", "32T");
    EXPECT_NEAR(Zahlwert(r.breite), 47.9999979808, 5e-11);
    EXPECT_EQ(r.laenge, "9");
}

TEST(UTMzivG, HemisphereFromTheThirdCharacter) {
    struct Fall {
        std::string zone;
        bool nord;
    };
    const std::vector<Fall> faelle = {
        {"32U", true},  {"32u", true},  {"32N", true},  {"32X", true},
        {"32M", false}, {"32C", false}, {"32", false},  {"", false},
        {"3U", false},  {"32A", false}, {"32UX", true}, {"32 U", false},
    };
    for (const Fall& f : faelle) {
        NordHalbkugel = !f.nord;
        const Invers r = Rueckwaerts("0500000", "5316300", f.zone);
        EXPECT_EQ(NordHalbkugel, f.nord) << f.zone;
        // The south counts the northing from the false northing 10000000 and
        // mirrors the latitude.
        const Invers gespiegelt = Rueckwaerts("0500000", "4683700", "32T");
        EXPECT_EQ(r.breite6, f.nord ? "47.999998" : "-" + gespiegelt.breite6) << f.zone;
    }
}

TEST(UTMzivG, FaultsShowTheCommonMessageOnceAndKeepTheTexts) {
    struct Fall {
        std::string rechts, hoch, zone, ellipsoid;
        bool nord;
    };
    const std::vector<Fall> faelle = {
        {"0500000", "5316300", "32T", "GRS", true}, // every constant stays 0
        {"0500000", "0000000", "32N", "", true},    {"0500000", "5316300", "32T", "wgs", true},
        {"9E307", "5316300", "32T", "WGS", true},   {"0500000", "-1E308", "32C", "WGS", false},
        {"1E400", "5316300", "32T", "WGS", true},
    };
    for (const Fall& f : faelle) {
        MeldungsRekorder rekorder;
        NordHalbkugel = !f.nord;
        const Invers r = Rueckwaerts(f.rechts, f.hoch, f.zone, f.ellipsoid);
        SCOPED_TRACE(f.rechts + " " + f.hoch + " " + f.ellipsoid);
        EXPECT_EQ(rekorder.meldungen, std::vector<std::string>{FehlerMeldung});
        EXPECT_EQ(r.laenge6, f.rechts);
        EXPECT_EQ(r.breite6, f.hoch);
        EXPECT_EQ(r.laenge, f.zone);
        EXPECT_EQ(r.breite, f.ellipsoid);
        EXPECT_EQ(NordHalbkugel, f.nord);
    }
}

TEST(UTMzivG, OddTextsNeverGiveNumbersThatAreNoNumbers) {
    const std::vector<std::string> werte = {"",       "abc", "0500000", " 05 00 000",
                                            "1E-400", "nan", "inf",     "-1E300",
                                            "1E300",  "ÄÖÜ", "5e3,5",   "99999999"};
    const std::vector<std::string> zonen = {"", "3", "32", "32U", "32u", "99X", "-5C", "1E5U"};
    for (const auto& rechts : werte)
        for (const auto& hoch : werte)
            for (const auto& zone : zonen) {
                MeldungsRekorder rekorder;
                const Invers r = Rueckwaerts(rechts, hoch, zone);
                EXPECT_LE(rekorder.meldungen.size(), 1u);
                // A text is either left as it was or a number.
                const std::string wgs = "WGS";
                for (const auto& [aus, ein] :
                     {std::pair{&r.laenge6, &rechts}, std::pair{&r.breite6, &hoch},
                      std::pair{&r.laenge, &zone}, std::pair{&r.breite, &wgs}})
                    EXPECT_TRUE(*aus == *ein || HatKeineUnzahl(*aus))
                        << rechts << "|" << hoch << "|" << zone;
            }
}

// Forward then inverse over every zone and band, including the special zones
// of bands V and X, gives the point back to within 1e-5 degrees of ground
// distance (the longitude difference is scaled by cos(latitude): whole metres
// span more than 1e-5 degrees of longitude near 84 degrees).
TEST(UTMzivG, RoundTripOverTheGlobe) {
    std::vector<std::pair<double, double>> punkte; // (Laenge, Breite)
    for (int zone = 1; zone <= 60; ++zone)
        for (double versatz : {-2.95, -1.7, -0.3, 0.0, 1.1, 2.95})
            for (double breite = -80; breite <= 84; breite += 0.45)
                punkte.emplace_back((zone - 30) * 6 - 3 + versatz, breite);
    for (double laenge = 0; laenge < 12; laenge += 0.21)
        for (double breite : {56.01, 58.3, 61.7, 63.99})
            punkte.emplace_back(laenge, breite);
    for (double laenge = 0; laenge <= 42; laenge += 0.23)
        for (double breite : {72.01, 75.5, 80.2, 83.99})
            punkte.emplace_back(laenge, breite);

    double groessterFehler = 0;
    for (const auto& [laenge, breite] : punkte) {
        const Utm u = Vorwaerts(laenge, breite);
        MeldungsRekorder rekorder;
        const Invers r = Rueckwaerts(u.rechts, u.hoch, u.zone);
        ASSERT_TRUE(rekorder.meldungen.empty()) << laenge << " " << breite;
        const double dBreite = std::fabs(Zahlwert(r.breite) - breite);
        const double dLaenge =
            std::fabs(Zahlwert(r.laenge) - laenge) * std::cos(breite * 0.017453292519943278);
        groessterFehler = std::max({groessterFehler, dBreite, dLaenge});
        ASSERT_LE(dBreite, 1e-5) << u.zone << " " << laenge << " " << breite;
        ASSERT_LE(dLaenge, 1e-5) << u.zone << " " << laenge << " " << breite;
        // The rounded outputs agree with the full-precision ones.
        EXPECT_NEAR(Zahlwert(r.breite6), Zahlwert(r.breite), 5.000001e-7);
    }
    // Rounding to whole metres alone is worth about 5e-6 degrees.
    EXPECT_GT(groessterFehler, 1e-6);
}

// Within 3 degrees of the central meridian the series agree with the exact
// inverse transverse Mercator (GRS80, k0 0.9996) to 1e-6 degrees.
TEST(UTMzivG, AgreesWithTheExactInverse) {
    const GeographicLib::TransverseMercator exakt(6378137.0, 0.00335281068118232, 0.9996);
    const std::string baender = "CDEFGHJKLMNPQRSTUVWXX";
    double groessterFehler = 0;
    for (double breite = -79.95; breite < 84; breite += 0.83)
        for (double versatz = -3; versatz <= 3; versatz += 0.25)
            for (int zone : {1, 17, 32, 33, 60}) {
                const double L0 = (zone - 30) * 6 - 3;
                double x = 0, y = 0;
                exakt.Forward(L0, breite, L0 + versatz, x, y);
                const double rechts = std::round(x + 500000);
                const double hoch = std::round(breite < 0 ? y + 10000000 : y);
                double breiteExakt = 0, laengeExakt = 0;
                exakt.Reverse(L0, rechts - 500000, breite < 0 ? hoch - 10000000 : hoch, breiteExakt,
                              laengeExakt);

                const auto band = baender[static_cast<std::size_t>((breite + 80) / 8)];
                const std::string zonentext =
                    (zone < 10 ? "0" : "") + std::to_string(zone) + std::string(1, band);
                char r[16], h[16];
                std::snprintf(r, sizeof r, "%07.0f", rechts);
                std::snprintf(h, sizeof h, "%07.0f", hoch);
                const Invers ergebnis = Rueckwaerts(r, h, zonentext);
                const double dBreite = std::fabs(Zahlwert(ergebnis.breite) - breiteExakt);
                const double dLaenge =
                    std::fabs(std::remainder(Zahlwert(ergebnis.laenge) - laengeExakt, 360.0));
                groessterFehler = std::max({groessterFehler, dBreite, dLaenge});
                ASSERT_LE(dBreite, 1e-6) << zonentext << " " << r << " " << h;
                ASSERT_LE(dLaenge, 1e-6) << zonentext << " " << r << " " << h;
            }
    char text[32];
    std::snprintf(text, sizeof text, "%.3g", groessterFehler);
    RecordProperty("largest_difference_degrees", text);
}
