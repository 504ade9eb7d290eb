// The routines against exact references: GeographicLib's transverse Mercator
// and MGRS for UTM and the square notations, PROJ's standard Molodensky for
// the datum shift and PROJ's exact transverse Mercator for Gauss-Krueger.
#include <gtest/gtest.h>

#include <GeographicLib/MGRS.hpp>
#include <GeographicLib/TransverseMercator.hpp>
#include <GeographicLib/UTMUPS.hpp>
#include <proj.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "geodesy/Ellipsoide.h"
#include "geodesy/modKartovex.h"
#include "geodesy_test_hilfen.h"

using namespace modKartovex;

namespace {

void rufe(const std::string& routine, Texte& t) {
    Routinen().at(routine)(t);
}

// A PROJ operation, applied to one coordinate.
struct Proj {
    PJ* pj;
    explicit Proj(const std::string& definition) : pj(proj_create(nullptr, definition.c_str())) {}
    ~Proj() { proj_destroy(pj); }
    PJ_COORD operator()(PJ_DIRECTION richtung, double a, double b, double c = 0) const {
        return proj_trans(pj, richtung, proj_coord(a, b, c, 0));
    }
};

} // namespace

// Forward to the metre, the square letters and digits as MGRS has them, the
// decoding back to the same Rechts and Hoch, and the inverse.
TEST(Orakel, UTMAndItsSquaresAgainstGeographicLib) {
    using namespace GeographicLib;
    const TransverseMercator exakt(intern::GRS80.a, intern::GRS80.f, 0.9996);
    MeldungsRekorder rekorder;
    double groessterFehler = 0;
    std::vector<double> breiten; // all bands, and next to their borders
    for (double breite = -79.77; breite < 84; breite += 2.9)
        breiten.push_back(breite);
    for (int grenze = -72; grenze <= 72; grenze += 8)
        for (double abstand : {-0.009, 0.003, 0.009})
            breiten.push_back(grenze + abstand);
    // Every zone, the special zones of V and X included, off the zone borders.
    for (int z = 1; z <= 60; ++z)
        for (double versatz : {-2.93, -1.71, -0.37, 0.004, 0.83, 2.11, 2.97})
            for (const double breite : breiten) {
                const double laenge = z * 6 - 183 + versatz;
                SCOPED_TRACE(Zahltext(breite) + Zahltext(laenge));
                Texte u = {Zahltext(laenge), Zahltext(breite), "WGS"};
                rufe("G_UTMziv", u);
                const int zone = std::stoi(u[2]);
                ASSERT_EQ(zone, UTMUPS::StandardZone(breite, laenge));
                const bool nord = breite >= 0;
                const double L0 = zone * 6 - 183, R = Zahlwert(u[0]), H = Zahlwert(u[1]);
                double x, y;
                exakt.Forward(L0, breite, laenge, x, y);
                const double fehler =
                    std::max(std::fabs(R - 500000 - x), std::fabs(H - !nord * 1e7 - y));
                EXPECT_LE(fehler, 0.6);
                groessterFehler = std::max(groessterFehler, fehler);

                std::string mgrs;
                MGRS::Forward(zone, nord, R, H, breite, 5, mgrs);
                std::string ref = u[2], rechts = u[0], hoch = u[1];
                UTMziv_UTMmil(ref, rechts, hoch);
                UTMmil_UTMref(ref);
                ASSERT_EQ(ref.substr(0, 3) + ref.substr(5, 2) + ref.substr(9), mgrs);
                Texte dek = {ref.substr(0, 3), ref.substr(5, 2), ref.substr(9), "", "", "", ""};
                rufe("UTMref_UTMmil", dek); // leaves zone and square, gives the groups
                rufe("UTMmil_UTMziv", dek);
                EXPECT_EQ(dek[0] + '|' + dek[1], u[0] + '|' + u[1]);
                EXPECT_EQ(NordHalbkugel, nord);
                // Just poleward of a band border, or just below 64 degrees far west in
                // zone 32V, the thresholds may give the neighbouring band.
                const double grenze = std::fabs(breite - 8 * std::round(breite / 8));
                EXPECT_TRUE(dek[2] == u[2] || grenze < 0.025 || (u[2] == "32V" && dek[2] == "32W"))
                    << dek[2] << ' ' << u[2];

                Texte inv = {u[0], u[1], u[2], "WGS"};
                rufe("UTMziv_G", inv);
                double b, l;
                exakt.Reverse(L0, R - 500000, H - !nord * 1e7, b, l);
                const double toleranz = std::fabs(laenge - L0) <= 3 ? 1e-6 : 1e-5;
                EXPECT_NEAR(Zahlwert(inv[3]), b, toleranz);
                EXPECT_NEAR(Zahlwert(inv[2]), l, toleranz);
                EXPECT_NEAR(Zahlwert(inv[1]), Zahlwert(inv[3]), 5.000001e-7);
                EXPECT_NEAR(Zahlwert(inv[0]), Zahlwert(inv[2]), 5.000001e-7);
            }
    EXPECT_TRUE(rekorder.meldungen.empty());
    EXPECT_GT(groessterFehler, 0.3); // the metre rounding shows, the series error does not
}

TEST(Orakel, DatumTrafoAgainstStandardMolodensky) {
    MeldungsRekorder rekorder;
    for (const char* code : {"BG", "GB"}) {
        const int v = code[0] == 'B' ? 1 : -1;
        char definition[256];
        std::snprintf(definition, sizeof definition,
                      "+proj=molodensky +ellps=%s +dx=%d +dy=%d +dz=%d +da=%.17g +df=%.17g",
                      v > 0 ? "bessel" : "GRS80", 587 * v, 16 * v, 393 * v,
                      v * (intern::GRS80.a - intern::Bessel.a),
                      v * (intern::GRS80.f - intern::Bessel.f));
        const Proj molodensky(definition);
        ASSERT_NE(molodensky.pj, nullptr);
        for (double breite = -84.3; breite < 85; breite += 3.1)
            for (double laenge = -179.2; laenge < 180; laenge += 7.3) {
                Texte t = {Zahltext(breite), Zahltext(laenge), "300", code};
                rufe("DatumTrafo", t);
                const PJ_LPZ soll =
                    molodensky(PJ_FWD, proj_torad(laenge), proj_torad(breite), 300).lpz;
                EXPECT_NEAR(Zahlwert(t[0]), proj_todeg(soll.phi), 1e-8) << code << breite;
                EXPECT_NEAR(Zahlwert(t[1]), proj_todeg(soll.lam), 1e-8) << code << laenge;
                EXPECT_NEAR(Zahlwert(t[2]), soll.z, 1e-3) << code << breite;
            }
    }
    EXPECT_TRUE(rekorder.meldungen.empty());
}

// Forward to the metre over Germany in 3 and 6 degree strips, and the inverse
// of the rounded values to 1e-7 degrees.
TEST(Orakel, GaussKruegerAgainstExactTransverseMercatorOnBessel) {
    MeldungsRekorder rekorder;
    for (const std::string breiteStreifen : {"3", "6"})
        for (double breite = 47.03; breite < 55.5; breite += 0.41)
            for (double laenge = 5.61; laenge < 15.5; laenge += 0.23) {
                Texte gk = {Zahltext(breite), Zahltext(laenge), breiteStreifen};
                rufe("G_GK", gk);
                const int meridian = std::stoi(gk[2].substr(1, 3));
                const int k = meridian / std::stoi(breiteStreifen);
                const Proj tm("+proj=etmerc +ellps=bessel +k=1 +lon_0=" + std::to_string(meridian) +
                              " +x_0=" + std::to_string(k * 1000000 + 500000));
                const PJ_XY xy = tm(PJ_FWD, proj_torad(laenge), proj_torad(breite)).xy;
                EXPECT_NEAR(Zahlwert(gk[1]), xy.x, 0.6) << breiteStreifen << breite << laenge;
                EXPECT_NEAR(Zahlwert(gk[0]), xy.y, 0.6) << breiteStreifen << breite << laenge;

                Texte geo = {gk[0], gk[1].substr(1), breiteStreifen}; // no leading blank
                rufe("GK_G", geo);
                const PJ_LP soll = tm(PJ_INV, Zahlwert(gk[1]), Zahlwert(gk[0])).lp;
                EXPECT_NEAR(Zahlwert(geo[0]), proj_todeg(soll.phi), 1e-7) << gk[0];
                EXPECT_NEAR(Zahlwert(geo[1]), proj_todeg(soll.lam), 1e-7) << gk[1];
                EXPECT_EQ(geo[2], gk[2]);
            }
    EXPECT_TRUE(rekorder.meldungen.empty());
}
