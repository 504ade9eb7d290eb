// The drawn map: lines and the marker lie on the pixels the projection gives.
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

#include <cmath>

#include "geodesy/Rechenkern.h"
#include "karte/Weltdaten.h"
#include "karte/Zeichner.h"

using namespace kartovex::karte;
namespace kern = modKartovex::kern;

namespace {

const Lage Ulm{48.4363326641023, 9.96796724981198};

QImage Bild(const Ansicht& a, const Kartenstand& s = {}) {
    QImage bild(int(a.Breite()), int(a.Hoehe()), QImage::Format_RGB32);
    QPainter p(&bild);
    ZeichneKarte(p, a, s);
    return bild;
}

// Whether a pixel within `radius` of a point has about the colour (lines are
// anti-aliased, so their colour shows fully only on their middle; a line of
// one pixel between two pixel centres shows as two half-tones).
bool FarbeNahe(const QImage& bild, Bildpunkt ort, const QColor& farbe, int radius = 1,
               int abstand = 60) {
    for (int dy = -radius; dy <= radius; ++dy)
        for (int dx = -radius; dx <= radius; ++dx) {
            const QPoint p(int(std::floor(ort.x)) + dx, int(std::floor(ort.y)) + dy);
            if (!bild.rect().contains(p)) continue;
            const QColor c = bild.pixelColor(p);
            if (std::abs(c.red() - farbe.red()) + std::abs(c.green() - farbe.green()) +
                    std::abs(c.blue() - farbe.blue()) <
                abstand)
                return true;
        }
    return false;
}

TEST(Zeichner, TheMarkerStandsOnTheProjectedPoint) {
    const Ansicht a({48.6, 10.4}, 200, 800, 600); // the point is not in the middle
    Kartenstand s;
    s.punkt = Ulm;
    s.punktText = "32U NU 71595 65251";
    const QImage mit = Bild(a, s);
    const Bildpunkt ort = a.Bild(Ulm);
    // The ring of radius 8 around the point, and its cross through it.
    EXPECT_TRUE(FarbeNahe(mit, {ort.x + 8, ort.y}, kartenfarbe::Marke));
    EXPECT_TRUE(FarbeNahe(mit, {ort.x, ort.y - 8}, kartenfarbe::Marke));
    EXPECT_TRUE(FarbeNahe(mit, {ort.x + 11, ort.y}, kartenfarbe::Marke));
    EXPECT_FALSE(FarbeNahe(Bild(a), {ort.x + 8, ort.y}, kartenfarbe::Marke));
}

TEST(Zeichner, ZoneBordersAndSquareCornersLieOnTheirPixels) {
    const Ansicht a({50, 9}, 800, 1000, 700);
    const QImage bild = Bild(a);
    for (const double laenge : {6.0, 12.0})
        for (const double breite : {49.0, 51.3})
            EXPECT_TRUE(FarbeNahe(bild, a.Bild(Lage{breite, laenge}), kartenfarbe::Zone))
                << laenge << " " << breite;
    // A corner of 100 km squares: where the projection puts 32U 500000 5600000.
    const Lage ecke = kern::LageAus(32, true, 500000, 5600000);
    EXPECT_TRUE(FarbeNahe(bild, a.Bild(ecke), kartenfarbe::Hundert));
    // ... and not where a projection of the sphere would put it (about 4 km off).
    const Lage daneben{ecke.breiteGrad + 0.04, ecke.laengeGrad};
    EXPECT_FALSE(FarbeNahe(bild, a.Bild(daneben), kartenfarbe::Hundert, 0));
}

TEST(Zeichner, ABorderVertexLiesOnItsPixel) {
    // A vertex of a border inside the view, away from every grid line.
    const Ansicht a({47.8, 8.6}, 150, 900, 700);
    const QImage bild = Bild(a);
    int geprueft = 0;
    for (const Weltlinie& l : EingebauteWeltdaten().linien) {
        if (l.art != Weltlinie::Art::Grenze) continue;
        for (const Weltpunkt& w : l.punkte) {
            const Bildpunkt p = a.Bild(w);
            if (p.x < 100 || p.x > 800 || p.y < 100 || p.y > 600) continue;
            // Half-way between land (242, 239, 228) and border is 150 off.
            const bool grenze = FarbeNahe(bild, p, kartenfarbe::Grenze, 1, 160);
            EXPECT_TRUE(grenze || FarbeNahe(bild, p, kartenfarbe::Feingitter) ||
                        FarbeNahe(bild, p, kartenfarbe::Hundert) || FarbeNahe(bild, p, Qt::white))
                << p.x << " " << p.y;
            geprueft += grenze;
        }
    }
    EXPECT_GT(geprueft, 20);
}

TEST(Zeichner, LandAndSeaDiffer) {
    const Ansicht a({54.5, 8}, 400, 800, 600);
    const QImage bild = Bild(a);
    const auto farbe = [&](Lage g) {
        const Bildpunkt p = a.Bild(g);
        return bild.pixelColor(QPoint(int(p.x), int(p.y)));
    };
    EXPECT_EQ(farbe({55.1, 5.6}), kartenfarbe::Meer);   // the North Sea
    EXPECT_EQ(farbe({53.45, 10.4}), kartenfarbe::Land); // east of Hamburg
}

TEST(Zeichner, ZoneLinesAtTheEdgesOfUTMAtEveryZoom) {
    // Each place lies on a zone or band border: the poles' limits of UTM, the
    // date line, Norway and Svalbard. The border shows in the middle.
    const Lage orte[] = {{84, 5}, {-80, 5}, {10, 180}, {10, -180}, {60, 3}, {78, 21}, {-80, 179.9}};
    for (const Lage& g : orte)
        for (const double km : {3000.0, 300.0, 2.0}) {
            const Ansicht a(g, km, 640, 480);
            EXPECT_TRUE(FarbeNahe(Bild(a), a.Bild(g), kartenfarbe::Zone, 2))
                << g.breiteGrad << " " << g.laengeGrad << " " << km;
        }
}

TEST(Zeichner, ScaleBarLengths) {
    struct Fall {
        double mpp, meter;
        const char* text;
    };
    for (const Fall f : {Fall{1, 200, "200 m"}, Fall{450, 50000, "50 km"}, Fall{3, 500, "500 m"},
                         Fall{3000, 500000, "500 km"}}) {
        EXPECT_EQ(Masstablaenge(f.mpp, 1000), f.meter) << f.mpp;
        EXPECT_EQ(Masstabtext(f.meter).toStdString(), f.text);
    }
}

} // namespace
