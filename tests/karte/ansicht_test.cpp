// The view's projection, zoom and pan; the label placement; the data file.
#include <gtest/gtest.h>

#include <cmath>

#include "karte/Ansicht.h"
#include "karte/Beschriftung.h"
#include "karte/Weltdaten.h"

using namespace kartovex::karte;

namespace {

const Lage Ulm{48.4363326641023, 9.96796724981198};

TEST(Ansicht, PixelAndPositionAreInverse) {
    const Ansicht a(Ulm, 450, 1000, 640);
    const Bildpunkt mitte = a.Bild(Ulm);
    EXPECT_NEAR(mitte.x, 500, 1e-6);
    EXPECT_NEAR(mitte.y, 320, 1e-6);
    for (const Bildpunkt p : {Bildpunkt{0, 0}, Bildpunkt{999, 17}, Bildpunkt{123.5, 639}}) {
        const Bildpunkt zurueck = a.Bild(a.Ort(p));
        EXPECT_NEAR(zurueck.x, p.x, 1e-6);
        EXPECT_NEAR(zurueck.y, p.y, 1e-6);
    }
    EXPECT_NEAR(a.KmQuer(), 450, 1e-6);
    // North is up, east is right.
    EXPECT_LT(a.Bild(Lage{49, 10}).y, a.Bild(Lage{48, 10}).y);
    EXPECT_GT(a.Bild(Lage{48, 11}).x, a.Bild(Lage{48, 10}).x);
}

TEST(Ansicht, ZoomKeepsThePlaceUnderThePointer) {
    Ansicht a(Ulm, 450, 1000, 640);
    const Bildpunkt zeiger{800, 100};
    const Lage vorher = a.Ort(zeiger);
    a.Zoome(1.5, zeiger);
    const Lage nachher = a.Ort(zeiger);
    EXPECT_NEAR(nachher.breiteGrad, vorher.breiteGrad, 1e-9);
    EXPECT_NEAR(nachher.laengeGrad, vorher.laengeGrad, 1e-9);
    EXPECT_NEAR(a.KmQuer(), 300, 3); // the middle's latitude moved a little
}

TEST(Ansicht, ZoomStopsAtItsLimits) {
    struct Fall {
        double faktor;
        double km;
    };
    for (const Fall f : {Fall{1e6, KleinsteBreiteKm}, Fall{1e-6, GroessteBreiteKm}}) {
        Ansicht a(Ulm, 450, 1000, 640);
        a.Zoome(f.faktor, {500, 320});
        EXPECT_NEAR(a.KmQuer(), f.km, f.km * 1e-6) << f.faktor;
    }
}

TEST(Ansicht, PanningWrapsAtTheDateLineAndStopsAtTheLimitsOfUTM) {
    Ansicht a({0, 179.5}, 100, 1000, 600);
    a.Verschiebe(-1000, 0); // the content moves west: the middle goes east
    EXPECT_LT(a.Mitte().laengeGrad, -179);
    EXPECT_GT(a.Mitte().laengeGrad, -180);
    a.Verschiebe(0, 1e7);
    EXPECT_NEAR(a.Mitte().breiteGrad, NoerdlichsteMitte, 1e-9);
    a.Verschiebe(0, -1e8);
    EXPECT_NEAR(a.Mitte().breiteGrad, SuedlichsteMitte, 1e-9);
}

TEST(Beschriftung, ALowerRankGivesWay) {
    const std::vector<Schild> schilder = {
        {QRectF(0, 0, 20, 10), 1},  // overlaps the marker's label
        {QRectF(5, 5, 20, 10), 9},  // the marker's label
        {QRectF(50, 0, 20, 10), 1}, // alone
        {QRectF(60, 5, 20, 10), 1}, // overlaps the one before, same rank
    };
    EXPECT_EQ(Platziere(schilder), (std::vector<bool>{false, true, true, false}));
}

TEST(Weltdaten, TheBuiltInFileHasLandAndBorders) {
    const Weltdaten& d = EingebauteWeltdaten();
    std::size_t land = 0, grenzen = 0;
    for (const Weltlinie& l : d.linien)
        (l.art == Weltlinie::Art::Land ? land : grenzen) += 1;
    EXPECT_GT(land, 1000u);
    EXPECT_GT(grenzen, 300u);
}

TEST(Weltdaten, ADamagedFileIsNotRead) {
    std::string gut;
    gut += "KXW1";
    const double kopf[4] = {0.5, 0.25, -180, 0};
    gut.append(reinterpret_cast<const char*>(kopf), sizeof kopf);
    const std::uint32_t eine = 1;
    gut.append(reinterpret_cast<const char*>(&eine), 4);
    gut += std::string("\x01\x02\x02\x04\x02\x02", 6); // border, 2 points: (1,2), (2,3)
    const auto d = LiesWeltdaten(gut);
    ASSERT_TRUE(d);
    ASSERT_EQ(d->linien.size(), 1u);
    const Lage zweiter = AusWelt(d->linien[0].punkte[1]);
    EXPECT_NEAR(zweiter.laengeGrad, -179, 1e-9);
    EXPECT_NEAR(zweiter.breiteGrad, 0.75, 1e-9);
    std::string falscheArt = gut;
    falscheArt[40] = '\x05';
    for (const std::string& schlecht :
         {gut.substr(0, gut.size() - 1), "KXW0" + gut.substr(4), gut.substr(0, 20), falscheArt})
        EXPECT_FALSE(LiesWeltdaten(schlecht)) << schlecht.size();
}

} // namespace
