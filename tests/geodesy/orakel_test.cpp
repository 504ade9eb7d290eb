// Accuracy of the forward chain against exact references: GeographicLib's
// transverse Mercator and MGRS for UTM, PROJ's standard Molodensky for the
// datum shift and PROJ's exact transverse Mercator for Gauss-Krueger.
#include <gtest/gtest.h>

#include <GeographicLib/MGRS.hpp>
#include <GeographicLib/TransverseMercator.hpp>
#include <GeographicLib/UTMUPS.hpp>
#include <proj.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "geodesy/Ellipsoide.h"
#include "geodesy/modKartovex.h"
#include "geodesy_test_hilfen.h"

using namespace modKartovex;

namespace {

struct Punkt {
    double breite, laenge;
};

std::string text(double wert) {
    return Zahltext(wert);
}

// Points within 3 degrees of every zone's central meridian, bands C to X,
// plus the special zones of the bands V and X; no point on a zone or band
// border (the border rules differ from GeographicLib's by design).
std::vector<Punkt> UTMGitter() {
    std::vector<Punkt> punkte;
    const double versatz[] = {-2.93, -1.71, -0.37, 0.004, 0.83, 2.11, 2.97};
    for (int zone = 1; zone <= 60; ++zone) {
        const double mitte = zone * 6 - 183;
        for (double breite = -79.77; breite < 84; breite += 2.9)
            for (double v : versatz)
                punkte.push_back({breite, mitte + v});
    }
    for (double breite = 56.13; breite < 64; breite += 0.71)
        for (double laenge = 0.07; laenge < 12; laenge += 0.29)
            punkte.push_back({breite, laenge});
    for (double breite = 72.11; breite < 84; breite += 0.67)
        for (double laenge = 0.07; laenge < 42; laenge += 0.31)
            punkte.push_back({breite, laenge});
    return punkte;
}

struct UTMErgebnis {
    std::string zone, rechts, hoch;
};

UTMErgebnis utm(const Punkt& p) {
    UTMErgebnis e{"WGS", text(p.laenge), text(p.breite)};
    G_UTMziv(e.rechts, e.hoch, e.zone);
    return e;
}

} // namespace

TEST(Orakel, UTMAgainstExactTransverseMercatorAndMGRS) {
    using GeographicLib::MGRS;
    using GeographicLib::TransverseMercator;
    using GeographicLib::UTMUPS;
    const TransverseMercator exakt(intern::GRS80.a, intern::GRS80.f, 0.9996);
    MeldungsRekorder rekorder;
    double groessterFehler = 0;
    int geprueft = 0;
    for (const Punkt& p : UTMGitter()) {
        const UTMErgebnis e = utm(p);
        const int zone = std::stoi(e.zone.substr(0, 2));
        ASSERT_EQ(zone, UTMUPS::StandardZone(p.breite, p.laenge)) << p.breite << ' ' << p.laenge;
        const bool nord = p.breite >= 0;
        double x, y;
        exakt.Forward(zone * 6 - 183, p.breite, p.laenge, x, y);
        x += 500000;
        if (!nord) y += 10000000;
        const double fehlerRechts = std::fabs(Zahlwert(e.rechts) - x);
        const double fehlerHoch = std::fabs(Zahlwert(e.hoch) - y);
        EXPECT_LE(fehlerRechts, 0.6) << p.breite << ' ' << p.laenge << ' ' << e.rechts;
        EXPECT_LE(fehlerHoch, 0.6) << p.breite << ' ' << p.laenge << ' ' << e.hoch;
        groessterFehler = std::max({groessterFehler, fehlerRechts, fehlerHoch});

        // Same zone, easting and northing through MGRS: square letters and
        // the ten digits must agree; the band letter as well.
        std::string mgrs;
        MGRS::Forward(zone, nord, Zahlwert(e.rechts), Zahlwert(e.hoch), p.breite, 5, mgrs);
        std::string militaer = e.zone, rechts = e.rechts, hoch = e.hoch;
        UTMziv_UTMmil(militaer, rechts, hoch);
        std::string utmref = militaer;
        UTMmil_UTMref(utmref);
        ASSERT_EQ(utmref.size(), 19u) << utmref;
        EXPECT_EQ(utmref.substr(0, 3) + utmref.substr(5, 2) + utmref.substr(9), mgrs)
            << p.breite << ' ' << p.laenge;
        ++geprueft;
    }
    EXPECT_TRUE(rekorder.meldungen.empty());
    EXPECT_GT(geprueft, 5000);
    EXPECT_GT(groessterFehler, 0.3); // the metre rounding is visible, the series error is not
}

namespace {

struct ProjKontext {
    PJ_CONTEXT* ctx = proj_context_create();
    ~ProjKontext() { proj_context_destroy(ctx); }
};

struct ProjOperation {
    PJ* pj;
    ProjOperation(PJ_CONTEXT* ctx, const std::string& definition)
        : pj(proj_create(ctx, definition.c_str())) {}
    ~ProjOperation() { proj_destroy(pj); }
    ProjOperation(const ProjOperation&) = delete;
    ProjOperation& operator=(const ProjOperation&) = delete;

    PJ_COORD vorwaerts(double breiteGrad, double laengeGrad, double h) const {
        return proj_trans(pj, PJ_FWD,
                          proj_coord(proj_torad(laengeGrad), proj_torad(breiteGrad), h, 0));
    }
};

// PROJ ellipsoid parameters with the stored a and f of the system.
std::string ellipsoidParameter(const intern::Ellipsoid& e) {
    char puffer[96];
    std::snprintf(puffer, sizeof puffer, " +a=%.17g +f=%.17g", e.a, e.f);
    return puffer;
}

} // namespace

TEST(Orakel, DatumTrafoAgainstStandardMolodensky) {
    ProjKontext kontext;
    struct Richtung {
        std::string code;
        const intern::Ellipsoid& quelle;
        const intern::Ellipsoid& ziel;
        double vorzeichen;
    };
    const std::vector<Richtung> richtungen = {
        {"BG", intern::Bessel, intern::GRS80, 1},
        {"GB", intern::GRS80, intern::Bessel, -1},
    };
    MeldungsRekorder rekorder;
    for (const auto& r : richtungen) {
        char parameter[256];
        std::snprintf(parameter, sizeof parameter, " +dx=%g +dy=%g +dz=%g +da=%.17g +df=%.17g",
                      587 * r.vorzeichen, 16 * r.vorzeichen, 393 * r.vorzeichen,
                      r.ziel.a - r.quelle.a, r.ziel.f - r.quelle.f);
        const ProjOperation molodensky(kontext.ctx, "+proj=molodensky" +
                                                        ellipsoidParameter(r.quelle) + parameter);
        ASSERT_NE(molodensky.pj, nullptr)
            << proj_context_errno_string(kontext.ctx, proj_context_errno(kontext.ctx));
        double groessterFehler = 0;
        for (double breite = -84.3; breite < 85; breite += 3.1) {
            for (double laenge = -179.2; laenge < 180; laenge += 7.3) {
                std::string b = text(breite), l = text(laenge), h = "300", code = r.code;
                DatumTrafo(b, l, h, code);
                const PJ_COORD soll = molodensky.vorwaerts(breite, laenge, 300);
                const double fehlerB = std::fabs(Zahlwert(b) - proj_todeg(soll.lpz.phi));
                const double fehlerL = std::fabs(Zahlwert(l) - proj_todeg(soll.lpz.lam));
                EXPECT_LE(fehlerB, 1e-8) << r.code << ' ' << breite << ' ' << laenge;
                EXPECT_LE(fehlerL, 1e-8) << r.code << ' ' << breite << ' ' << laenge;
                EXPECT_NEAR(Zahlwert(h), soll.lpz.z, 1e-3) << r.code << ' ' << breite;
                groessterFehler = std::max({groessterFehler, fehlerB, fehlerL});
            }
        }
        EXPECT_LT(groessterFehler, 1e-8);
    }
    EXPECT_TRUE(rekorder.meldungen.empty());
}

TEST(Orakel, GaussKruegerAgainstExactTransverseMercatorOnBessel) {
    ProjKontext kontext;
    MeldungsRekorder rekorder;
    for (const std::string breiteStreifen : {"3", "6"}) {
        for (double breite = 47.03; breite < 55.5; breite += 0.41) {
            for (double laenge = 5.61; laenge < 15.5; laenge += 0.23) {
                std::string hoch = text(breite), rechts = text(laenge), streifen = breiteStreifen;
                G_GK(hoch, rechts, streifen);
                ASSERT_EQ(streifen.size(), 6u) << streifen; // "E009°": the degree sign is two bytes
                const int meridian = std::stoi(streifen.substr(1, 3));
                const int k = meridian / std::stoi(breiteStreifen);
                const ProjOperation tm(kontext.ctx,
                                       "+proj=etmerc +k=1 +lon_0=" + std::to_string(meridian) +
                                           " +x_0=" + std::to_string(k * 1000000 + 500000) +
                                           ellipsoidParameter(intern::Bessel));
                ASSERT_NE(tm.pj, nullptr);
                const PJ_COORD soll = tm.vorwaerts(breite, laenge, 0);
                EXPECT_LE(std::fabs(Zahlwert(rechts) - soll.xy.x), 0.6)
                    << breiteStreifen << ' ' << breite << ' ' << laenge;
                EXPECT_LE(std::fabs(Zahlwert(hoch) - soll.xy.y), 0.6)
                    << breiteStreifen << ' ' << breite << ' ' << laenge;
            }
        }
    }
    EXPECT_TRUE(rekorder.meldungen.empty());
}
