// The map's view: Web Mercator (the projection of web map tiles) scaled and
// moved so that a chosen position lies in the middle of a window of a given
// size. Plain arithmetic, no widgets.
#pragma once

#include "geodesy/Rechenkern.h"

namespace kartovex::karte {

using modKartovex::kern::Lage;

// A point in the window, logical pixels from the top left corner.
struct Bildpunkt {
    double x = 0;
    double y = 0;
};

// Web Mercator as a unit square: x from 0 at 180 W to 1 at 180 E, y from 0
// at about 85.05 N to 1 at about 85.05 S. x may leave 0..1 (east of the date
// line it goes on beyond 1).
struct Weltpunkt {
    double x = 0;
    double y = 0;
};
Weltpunkt Welt(Lage g);
// The longitude comes back between -180 and 180 wherever x lies.
Lage AusWelt(Weltpunkt w);

// The latitudes the view's middle may reach: the limits of UTM.
inline constexpr double NoerdlichsteMitte = 84;
inline constexpr double SuedlichsteMitte = -80;
// The ground distance across the window (at its middle latitude) that the
// zoom allows.
inline constexpr double KleinsteBreiteKm = 2;
inline constexpr double GroessteBreiteKm = 3000;

class Ansicht {
public:
    Ansicht() = default;
    // A view of a window of breite x hoehe pixels with mitte in its middle,
    // kmQuer kilometres across.
    Ansicht(Lage mitte, double kmQuer, double breite, double hoehe);

    Bildpunkt Bild(Weltpunkt w) const;
    // The pixel of a position in the copy of the world nearest the middle
    // (across the date line when that is nearer).
    Bildpunkt Bild(Lage g) const;
    Weltpunkt WeltAn(Bildpunkt p) const;
    Lage Ort(Bildpunkt p) const { return AusWelt(WeltAn(p)); }

    Lage Mitte() const { return AusWelt(mitte); }
    double Breite() const { return breite; }
    double Hoehe() const { return hoehe; }
    // Ground metres per pixel at the middle latitude, and across the window.
    double MeterProPixel() const;
    double KmQuer() const { return MeterProPixel() * breite / 1000; }
    // Pixels per unit square width.
    double Weltpixel() const { return weltpixel; }

    void setzeGroesse(double b, double h);
    void Zentriere(Lage g);
    // Moves the map's content by dx, dy pixels (dragging it to the right shows
    // what lies west); the middle stays within the limits of UTM and wraps at
    // the date line.
    void Verschiebe(double dx, double dy);
    // Zooms by a factor (above 1 closer) so that the place under fest stays
    // where it is, within the zoom limits.
    void Zoome(double faktor, Bildpunkt fest);

    // The smallest and largest world x the window shows (may leave 0..1).
    double WeltXMin() const { return WeltAn({0, 0}).x; }
    double WeltXMax() const { return WeltAn({breite, 0}).x; }

private:
    void Begrenze();

    Weltpunkt mitte{0.5, 0.5};
    double weltpixel = 1024;
    double breite = 800;
    double hoehe = 600;
};

} // namespace kartovex::karte
