// The grids as positions: zone fields with their exceptions, grid lines on
// the projection's own values, the 100 km squares, the strip meridians.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "geodesy/Rechenkern.h"
#include "karte/Gitter.h"

using namespace kartovex::karte;
namespace kern = modKartovex::kern;

namespace {

const Zonenfeld* Feld(const std::string& name) {
    for (const Zonenfeld& f : Zonenfelder())
        if (f.Name() == name) return &f;
    return nullptr;
}

TEST(Zonenfelder, StandardFieldsAndTheExceptionsOfNorwayAndSvalbard) {
    struct Fall {
        const char* name;
        double sued, nord, west, ost;
    };
    const Fall faelle[] = {
        {"32U", 48, 56, 6, 12}, {"01C", -80, -72, -180, -174}, {"60X", 72, 84, 174, 180},
        {"31V", 56, 64, 0, 3},  {"32V", 56, 64, 3, 12},        {"31X", 72, 84, 0, 9},
        {"33X", 72, 84, 9, 21}, {"35X", 72, 84, 21, 33},       {"37X", 72, 84, 33, 42},
        {"31W", 64, 72, 0, 6},  {"33M", -8, 0, 12, 18},        {"33N", 0, 8, 12, 18},
    };
    for (const Fall& f : faelle) {
        const Zonenfeld* z = Feld(f.name);
        ASSERT_NE(z, nullptr) << f.name;
        EXPECT_EQ(z->bereich.sued, f.sued) << f.name;
        EXPECT_EQ(z->bereich.nord, f.nord) << f.name;
        EXPECT_EQ(z->bereich.west, f.west) << f.name;
        EXPECT_EQ(z->bereich.ost, f.ost) << f.name;
    }
    for (const char* fehlt : {"32X", "34X", "36X"})
        EXPECT_EQ(Feld(fehlt), nullptr) << fehlt;
    // 60 zones in each of the 20 bands, less 3 in X; 31V and 32V stay two.
    EXPECT_EQ(Zonenfelder().size(), 20u * 60 - 3);
}

TEST(Gitter, EveryVertexLiesOnItsLineAndCornersAreSharedVertices) {
    const Zonenfeld& f = *Feld("32U");
    const Geobereich bereich{47.5, 49.5, 8, 11};
    const auto linien = Gitterlinien(f, bereich, 100000, 25000);
    ASSERT_FALSE(linien.empty());
    bool eckeRechts = false, eckeHoch = false;
    const Lage ecke = kern::LageAus(32, true, 500000, 5400000);
    for (const Gitterlinie& l : linien)
        for (const Linienzug& teil : l.teile)
            for (const Lage& g : teil) {
                EXPECT_TRUE(f.bereich.Schnitt(bereich).enthaelt(g));
                const kern::Gitterwert w = kern::UTMinZone(g, 32);
                // Cut ends lie between vertices, so allow the chord's sag there.
                EXPECT_NEAR(l.rechts ? w.rechtsMeter : w.hochMeter, l.wertMeter, 30);
                const bool istEcke =
                    g.breiteGrad == ecke.breiteGrad && g.laengeGrad == ecke.laengeGrad;
                (l.rechts ? eckeRechts : eckeHoch) |= istEcke;
            }
    EXPECT_TRUE(eckeRechts);
    EXPECT_TRUE(eckeHoch);
}

TEST(Gitter, LinesStayInsideTheirZone) {
    // 31V is only 3 degrees wide; its lines end at 3 degrees east.
    const Zonenfeld& f = *Feld("31V");
    for (const Gitterlinie& l : Gitterlinien(f, {56, 64, -10, 20}, 100000, 20000))
        for (const Linienzug& teil : l.teile)
            for (const Lage& g : teil) {
                EXPECT_GE(g.laengeGrad, 0);
                EXPECT_LE(g.laengeGrad, 3);
            }
}

TEST(Gitter, CuttingALineAtAnArea) {
    const Geobereich b{0, 10, 0, 10};
    struct Fall {
        Linienzug linie;
        std::vector<Linienzug> erwartet;
    };
    const Fall faelle[] = {
        {{{5, -5}, {5, 5}, {5, 15}}, {{{5, 0}, {5, 5}, {5, 10}}}},
        {{{5, 5}, {15, 5}, {15, 6}, {5, 6}}, {{{5, 5}, {10, 5}}, {{10, 6}, {5, 6}}}},
        {{{20, 20}, {30, 30}}, {}},
    };
    for (const Fall& f : faelle) {
        const auto teile = Zuschneiden(f.linie, b);
        ASSERT_EQ(teile.size(), f.erwartet.size());
        for (std::size_t i = 0; i < teile.size(); ++i) {
            ASSERT_EQ(teile[i].size(), f.erwartet[i].size());
            for (std::size_t j = 0; j < teile[i].size(); ++j) {
                EXPECT_NEAR(teile[i][j].breiteGrad, f.erwartet[i][j].breiteGrad, 1e-12);
                EXPECT_NEAR(teile[i][j].laengeGrad, f.erwartet[i][j].laengeGrad, 1e-12);
            }
        }
    }
}

TEST(Gitter, SquareLettersAsTheMilitaryNotation) {
    EXPECT_EQ(Quadratbuchstaben(32, 571595, 5365251), "NU");
    EXPECT_EQ(Quadratbuchstaben(33, 350000, 5950000), "UV");
    const Zonenfeld& f = *Feld("32U");
    const auto quadrate = Quadrate(f, {48, 49, 9, 11});
    const Lage ulm{48.4363326641023, 9.96796724981198};
    const kern::Gitterwert u = kern::UTMinZone(ulm, 32);
    const Lage mitteNU = kern::LageAus(32, true, std::floor(u.rechtsMeter / 1e5) * 1e5 + 5e4,
                                       std::floor(u.hochMeter / 1e5) * 1e5 + 5e4);
    const auto nu = std::find_if(quadrate.begin(), quadrate.end(),
                                 [](const Quadrat& q) { return q.buchstaben == "NU"; });
    ASSERT_NE(nu, quadrate.end());
    EXPECT_NEAR(nu->mitte.breiteGrad, mitteNU.breiteGrad, 1e-9);
    EXPECT_NEAR(nu->mitte.laengeGrad, mitteNU.laengeGrad, 1e-9);
}

TEST(Gitter, StripMeridiansLieNearTheirBesselMeridian) {
    const auto& m = GKMeridiane();
    ASSERT_EQ(m.size(), 4u);
    for (std::size_t i = 0; i < m.size(); ++i) {
        EXPECT_EQ(m[i].kennziffer, int(2 + i));
        for (const Lage& g : m[i].punkte) {
            // The datum shift moves them by about 100 m: some thousandths of a degree.
            EXPECT_NEAR(g.laengeGrad, 3.0 * m[i].kennziffer, 0.005);
            EXPECT_NE(g.laengeGrad, 3.0 * m[i].kennziffer);
        }
        EXPECT_NEAR(m[i].punkte.front().breiteGrad, 46, 0.01);
        EXPECT_NEAR(m[i].punkte.back().breiteGrad, 56, 0.01);
    }
}

TEST(Gitter, StagesByScale) {
    struct Fall {
        double meterProPixel;
        double abstand;
        bool randzahlen;
    };
    for (const Fall f : {Fall{1900, 100000, false}, Fall{300, 10000, true}, Fall{30, 1000, true},
                         Fall{2, 1000, true}, Fall{3000, 0, false}}) {
        const Gitterstufe s = StufeFuer(f.meterProPixel);
        EXPECT_EQ(s.abstandMeter, f.abstand) << f.meterProPixel;
        EXPECT_EQ(s.randzahlen, f.randzahlen) << f.meterProPixel;
    }
    // Vertices at most 24 pixels apart, and a whole number of them per spacing.
    for (const double mpp : {2.0, 30.0, 300.0, 3000.0}) {
        const double schritt = SchrittFuer(100000, mpp);
        EXPECT_LE(schritt / mpp, 24.0 + 1e-9);
        EXPECT_NEAR(std::remainder(100000, schritt), 0, 1e-6);
    }
}

} // namespace
