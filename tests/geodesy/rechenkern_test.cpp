// The typed core against the text routines that write their texts from it.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

#include "geodesy/Rechenkern.h"
#include "geodesy/modKartovex.h"

namespace kern = modKartovex::kern;

namespace {

std::string Zonenname(const kern::UTMWert& w) {
    return std::string(w.zone < 10 ? "0" : "") + std::to_string(w.zone) + w.band;
}

TEST(Rechenkern, ForwardGivesTheNumbersOfG_UTMziv) {
    std::mt19937 zufall(23);
    std::uniform_real_distribution<double> breite(-79.9, 83.9), laenge(-179.9, 179.9);
    for (int i = 0; i < 20000; ++i) {
        const kern::Lage g{breite(zufall), laenge(zufall)};
        std::string rechts = modKartovex::Zahltext(g.laengeGrad);
        std::string hoch = modKartovex::Zahltext(g.breiteGrad);
        std::string zone = "WGS";
        modKartovex::G_UTMziv(rechts, hoch, zone);
        // The text routine reads the 15-digit texts of the values.
        const kern::UTMWert w =
            kern::UTMaus({modKartovex::Zahlwert(modKartovex::Zahltext(g.breiteGrad)),
                          modKartovex::Zahlwert(modKartovex::Zahltext(g.laengeGrad))});
        ASSERT_EQ(Zonenname(w), zone) << g.breiteGrad << " " << g.laengeGrad;
        if (w.wert.hochMeter > 9999999 || (zone == "31V" && w.wert.rechtsMeter > 500000)) continue;
        EXPECT_EQ(std::stol(rechts), std::lround(w.wert.rechtsMeter)) << zone;
        EXPECT_EQ(std::stol(hoch), std::lround(w.wert.hochMeter)) << zone;
    }
}

TEST(Rechenkern, InverseGivesThePositionOfUTMziv_G) {
    struct Fall {
        int zone;
        char band;
        double rechts, hoch;
    };
    const Fall faelle[] = {{32, 'U', 571595, 5365251},
                           {34, 'H', 260883, 6248381},
                           {1, 'C', 499999, 1116915},
                           {60, 'X', 512345, 9329005},
                           {31, 'N', 166021, 0}};
    for (const Fall& f : faelle) {
        std::string rechts = std::to_string(long(f.rechts)), hoch = std::to_string(long(f.hoch));
        std::string zone = std::to_string(f.zone) + f.band, ellipsoid = "WGS";
        if (f.zone < 10) zone = "0" + zone;
        modKartovex::UTMziv_G(rechts, hoch, zone, ellipsoid);
        const bool nord = f.band >= 'N';
        const kern::Lage g = kern::LageAus(f.zone, nord, f.rechts, f.hoch);
        // UTMziv_G writes the unrounded values into Ellipsoid and Zone.
        EXPECT_EQ(modKartovex::Zahlwert(ellipsoid),
                  modKartovex::Zahlwert(modKartovex::Zahltext(g.breiteGrad)));
        EXPECT_EQ(modKartovex::Zahlwert(zone),
                  modKartovex::Zahlwert(modKartovex::Zahltext(g.laengeGrad)));
        // And back: the two truncated series meet within a centimetre.
        const kern::Gitterwert w = kern::UTMinZone(g, f.zone);
        EXPECT_NEAR(w.rechtsMeter, f.rechts, 0.01);
        EXPECT_NEAR(w.hochMeter, f.hoch, 0.01);
    }
}

TEST(Rechenkern, ForcedZoneRunsOnBeyondTheBorder) {
    // 12 E lies on the border of 32 and 33; in 32 it is 3 degrees east of the
    // meridian, in 33 as far west: the eastings mirror about 500 km.
    const kern::Gitterwert in32 = kern::UTMinZone({50, 12}, 32);
    const kern::Gitterwert in33 = kern::UTMinZone({50, 12}, 33);
    EXPECT_NEAR(in32.rechtsMeter - 500000, 500000 - in33.rechtsMeter, 1e-6);
    EXPECT_NEAR(in32.hochMeter, in33.hochMeter, 1e-6);
    EXPECT_EQ(kern::UTMaus({50, 12}).zone, 32); // the border belongs to the zone nearer 0
    EXPECT_EQ(kern::UTMaus({60, 4}).zone, 32);  // Norway
    EXPECT_EQ(kern::UTMaus({75, 10}).zone, 33); // Svalbard
    EXPECT_EQ(kern::UTMaus({85, 10}).band, '\0');
}

} // namespace
