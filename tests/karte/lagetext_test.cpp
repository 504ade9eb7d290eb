// The position texts of the map.
#include <gtest/gtest.h>

#include "karte/Lagetext.h"

using namespace kartovex::karte;

namespace {

TEST(Lagetext, UTMrefAsTheOutputWindowComputesIt) {
    EXPECT_EQ(UTMref({48.4363326641023, 9.96796724981198}), "32U NU 71595 65251");
    EXPECT_EQ(UTMrefLesbar("32U  NU  7159565251"), "32U NU 71595 65251");
    EXPECT_EQ(UTMref({84.5, 10}), "");
    EXPECT_EQ(UTMref({-80.5, 10}), "");
}

TEST(Lagetext, DegreesWithHemisphereLetters) {
    struct Fall {
        Lage g;
        const char* grad;
        const char* uebernahme;
    };
    const Fall faelle[] = {
        {{48.4363326641023, 9.96796724981198}, "N 48.436333°  E 9.967967°", "N48.436333 E9.967967"},
        {{-33.9, -18.45}, "S 33.900000°  W 18.450000°", "S33.900000 W18.450000"},
    };
    for (const Fall& f : faelle) {
        EXPECT_EQ(Gradtext(f.g), f.grad);
        EXPECT_EQ(Uebernahmetext(f.g), f.uebernahme);
    }
}

TEST(Lagetext, ThePositionOfTheOutputWindow) {
    const auto g = LageAusAusgabe("S48.436333", "W009.967967");
    ASSERT_TRUE(g);
    EXPECT_DOUBLE_EQ(g->breiteGrad, -48.436333);
    EXPECT_DOUBLE_EQ(g->laengeGrad, -9.967967);
    EXPECT_FALSE(LageAusAusgabe("", "E009.967967"));
    EXPECT_FALSE(LageAusAusgabe("48.4", "E009.967967"));
    EXPECT_FALSE(LageAusAusgabe("N48.4", "N009.967967"));
}

} // namespace
