#include "karte/Ansicht.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace kartovex::karte {

namespace {

constexpr double Pi = std::numbers::pi;
// The sphere of Web Mercator; its equator is the unit square's width.
constexpr double Erdradius = 6378137;
constexpr double Aequator = 2 * Pi * Erdradius;

// The zoom limits apply at the latitude of the middle.
double WeltpixelFuer(double kmQuer, double breite, double breiteGrad) {
    return Aequator * std::cos(breiteGrad * Pi / 180) * breite / (kmQuer * 1000);
}

} // namespace

Weltpunkt Welt(Lage g) {
    const double phi = std::clamp(g.breiteGrad, -85.0511, 85.0511) * Pi / 180;
    return {(g.laengeGrad + 180) / 360, (1 - std::asinh(std::tan(phi)) / Pi) / 2};
}

Lage AusWelt(Weltpunkt w) {
    return {std::atan(std::sinh(Pi * (1 - 2 * w.y))) * 180 / Pi,
            (w.x - std::floor(w.x)) * 360 - 180};
}

Ansicht::Ansicht(Lage mitte_, double kmQuer, double b, double h)
    : mitte(Welt(mitte_)), breite(b), hoehe(h) {
    weltpixel = WeltpixelFuer(kmQuer, breite, mitte_.breiteGrad);
    Begrenze();
}

Bildpunkt Ansicht::Bild(Weltpunkt w) const {
    return {breite / 2 + (w.x - mitte.x) * weltpixel, hoehe / 2 + (w.y - mitte.y) * weltpixel};
}

Bildpunkt Ansicht::Bild(Lage g) const {
    Weltpunkt w = Welt(g);
    w.x -= std::round(w.x - mitte.x);
    return Bild(w);
}

Weltpunkt Ansicht::WeltAn(Bildpunkt p) const {
    return {mitte.x + (p.x - breite / 2) / weltpixel, mitte.y + (p.y - hoehe / 2) / weltpixel};
}

double Ansicht::MeterProPixel() const {
    return Aequator * std::cos(Mitte().breiteGrad * Pi / 180) / weltpixel;
}

void Ansicht::setzeGroesse(double b, double h) {
    breite = std::max(b, 1.0);
    hoehe = std::max(h, 1.0);
}

void Ansicht::Zentriere(Lage g) {
    mitte = Welt(g);
    Begrenze();
}

void Ansicht::Verschiebe(double dx, double dy) {
    mitte.x -= dx / weltpixel;
    mitte.y -= dy / weltpixel;
    Begrenze();
}

void Ansicht::Zoome(double faktor, Bildpunkt fest) {
    const Weltpunkt unterFest = WeltAn(fest);
    const double breiteGrad = Mitte().breiteGrad;
    weltpixel = std::clamp(weltpixel * faktor, WeltpixelFuer(GroessteBreiteKm, breite, breiteGrad),
                           WeltpixelFuer(KleinsteBreiteKm, breite, breiteGrad));
    mitte.x = unterFest.x - (fest.x - breite / 2) / weltpixel;
    mitte.y = unterFest.y - (fest.y - hoehe / 2) / weltpixel;
    Begrenze();
}

void Ansicht::Begrenze() {
    mitte.x -= std::floor(mitte.x);
    mitte.y = std::clamp(mitte.y, Welt({NoerdlichsteMitte, 0}).y, Welt({SuedlichsteMitte, 0}).y);
}

} // namespace kartovex::karte
