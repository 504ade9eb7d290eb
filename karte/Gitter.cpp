#include "karte/Gitter.h"

#include <algorithm>
#include <cmath>

#include "geodesy/UTMZonen.h"
#include "geodesy/modKartovex.h"

namespace kartovex::karte {

namespace kern = modKartovex::kern;

namespace {

// The bands from 80 S in steps of 8 degrees; X is 12 degrees high.
constexpr std::string_view Baender = modKartovex::Bandbuchstaben;
constexpr double Suedrand = -80;

Geobereich Bandbereich(std::size_t i) {
    const double sued = Suedrand + 8 * double(i);
    return {sued, i + 1 == Baender.size() ? 84.0 : sued + 8, -180, 180};
}

// Whole number of metres as the seven-digit text of a civil coordinate.
std::string SiebenStellen(double meter) {
    std::string t = std::to_string(std::lround(meter));
    return t.size() < 7 ? std::string(7 - t.size(), '0') + t : t.substr(t.size() - 7);
}

} // namespace

Geobereich Geobereich::Schnitt(const Geobereich& b) const {
    return {std::max(sued, b.sued), std::min(nord, b.nord), std::max(west, b.west),
            std::min(ost, b.ost)};
}

bool Geobereich::enthaelt(Lage g) const {
    return g.breiteGrad >= sued && g.breiteGrad <= nord && g.laengeGrad >= west &&
           g.laengeGrad <= ost;
}

std::string Zonenfeld::Name() const {
    return (zone < 10 ? "0" : "") + std::to_string(zone) + band;
}

const std::vector<Zonenfeld>& Zonenfelder() {
    static const std::vector<Zonenfeld> felder = [] {
        std::vector<Zonenfeld> f;
        for (std::size_t b = 0; b < Baender.size(); ++b) {
            const Geobereich band = Bandbereich(b);
            for (int spalte = 0; spalte < 120; ++spalte) {
                const double west = -180 + 3.0 * spalte;
                const int zone = modKartovex::UTMZone(Baender[b], west + 1.5);
                if (!f.empty() && f.back().zone == zone && f.back().band == Baender[b] &&
                    f.back().bereich.ost == west) {
                    f.back().bereich.ost = west + 3;
                    continue;
                }
                f.push_back({zone, Baender[b], {band.sued, band.nord, west, west + 3}});
            }
        }
        return f;
    }();
    return felder;
}

std::vector<Linienzug> Zuschneiden(const Linienzug& linie, const Geobereich& b) {
    std::vector<Linienzug> teile;
    bool offen = false;
    for (std::size_t i = 0; i + 1 < linie.size(); ++i) {
        // Liang-Barsky: the part t0..t1 of the segment that lies inside.
        const Lage p = linie[i], q = linie[i + 1];
        const double dx = q.laengeGrad - p.laengeGrad, dy = q.breiteGrad - p.breiteGrad;
        double t0 = 0, t1 = 1;
        const double pk[4] = {-dx, dx, -dy, dy};
        const double qk[4] = {p.laengeGrad - b.west, b.ost - p.laengeGrad, p.breiteGrad - b.sued,
                              b.nord - p.breiteGrad};
        bool drin = true;
        for (int k = 0; k < 4 && drin; ++k) {
            if (pk[k] == 0) {
                drin = qk[k] >= 0;
            } else {
                const double t = qk[k] / pk[k];
                if (pk[k] < 0)
                    t0 = std::max(t0, t);
                else
                    t1 = std::min(t1, t);
                drin = t0 <= t1;
            }
        }
        if (!drin) {
            offen = false;
            continue;
        }
        const auto punkt = [&](double t) {
            if (t == 0) return p;
            if (t == 1) return q;
            return Lage{p.breiteGrad + t * dy, p.laengeGrad + t * dx};
        };
        if (!offen || t0 > 0) teile.push_back({punkt(t0)});
        teile.back().push_back(punkt(t1));
        offen = t1 == 1;
    }
    return teile;
}

namespace {

// The eastings and northings an area spans in a zone, found on its border
// (the projection has no extremes inside), widened to whole multiples of a
// spacing.
struct Spanne {
    double rMin = 1e300, rMax = -1e300, hMin = 1e300, hMax = -1e300;
};
Spanne SpanneIn(int zone, const Geobereich& b, double abstandMeter) {
    Spanne s;
    constexpr int Teilung = 16;
    for (int i = 0; i <= Teilung; ++i) {
        const double t = double(i) / Teilung;
        const double breite = b.sued + t * (b.nord - b.sued);
        const double laenge = b.west + t * (b.ost - b.west);
        for (const Lage g : {Lage{breite, b.west}, Lage{breite, b.ost}, Lage{b.sued, laenge},
                             Lage{b.nord, laenge}}) {
            const kern::Gitterwert w = kern::UTMinZone(g, zone);
            s.rMin = std::min(s.rMin, w.rechtsMeter);
            s.rMax = std::max(s.rMax, w.rechtsMeter);
            s.hMin = std::min(s.hMin, w.hochMeter);
            s.hMax = std::max(s.hMax, w.hochMeter);
        }
    }
    s.rMin = std::floor(s.rMin / abstandMeter) * abstandMeter;
    s.hMin = std::floor(s.hMin / abstandMeter) * abstandMeter;
    return s;
}

} // namespace

std::vector<Gitterlinie> Gitterlinien(const Zonenfeld& feld, const Geobereich& bereich,
                                      double abstandMeter, double schrittMeter) {
    std::vector<Gitterlinie> linien;
    const Geobereich b = feld.bereich.Schnitt(bereich);
    if (b.leer()) return linien;
    const Spanne s = SpanneIn(feld.zone, b, abstandMeter);
    const auto linie = [&](bool rechts, double wert, double von, double bis) {
        Linienzug punkte;
        const long schritte = std::lround(std::ceil((bis - von) / schrittMeter));
        for (long i = 0; i <= schritte; ++i) {
            const double entlang = von + schrittMeter * double(i);
            punkte.push_back(rechts ? kern::LageAus(feld.zone, feld.nord(), wert, entlang)
                                    : kern::LageAus(feld.zone, feld.nord(), entlang, wert));
        }
        Gitterlinie l{rechts, wert, Zuschneiden(punkte, b)};
        if (!l.teile.empty()) linien.push_back(std::move(l));
    };
    for (double r = s.rMin; r <= s.rMax; r += abstandMeter)
        linie(true, r, s.hMin, s.hMax);
    for (double h = s.hMin; h <= s.hMax; h += abstandMeter)
        linie(false, h, s.rMin, s.rMax);
    return linien;
}

std::string Quadratbuchstaben(int zone, double rechtsMeter, double hochMeter) {
    std::string z = (zone < 10 ? "0" : "") + std::to_string(zone) + "U";
    std::string rechts = SiebenStellen(rechtsMeter), hoch = SiebenStellen(hochMeter);
    modKartovex::UTMziv_UTMmil(z, rechts, hoch);
    // "32U  NU  76.15.52.95.51": the letters stand after the zone and two blanks.
    return z.size() >= 7 ? z.substr(5, 2) : std::string();
}

std::vector<Quadrat> Quadrate(const Zonenfeld& feld, const Geobereich& bereich) {
    std::vector<Quadrat> quadrate;
    constexpr double Hundert = 100000;
    const Geobereich b = feld.bereich.Schnitt(bereich);
    if (b.leer()) return quadrate;
    const Spanne s = SpanneIn(feld.zone, b, Hundert);
    for (double r = s.rMin + Hundert / 2; r < s.rMax; r += Hundert)
        for (double h = s.hMin + Hundert / 2; h < s.hMax; h += Hundert) {
            const Lage mitte = kern::LageAus(feld.zone, feld.nord(), r, h);
            if (b.enthaelt(mitte)) quadrate.push_back({mitte, Quadratbuchstaben(feld.zone, r, h)});
        }
    return quadrate;
}

const std::vector<GKMeridian>& GKMeridiane() {
    static const std::vector<GKMeridian> meridiane = [] {
        std::vector<GKMeridian> m;
        for (int meridian = 6; meridian <= 15; meridian += 3) {
            GKMeridian g{meridian / 3, {}};
            for (double breite = 46; breite <= 56; breite += 0.25) {
                std::string b = modKartovex::Zahltext(breite);
                std::string l = modKartovex::Zahltext(meridian);
                std::string hoehe = "300", richtung = "BG";
                modKartovex::DatumTrafo(b, l, hoehe, richtung);
                g.punkte.push_back({modKartovex::Zahlwert(b), modKartovex::Zahlwert(l)});
            }
            m.push_back(std::move(g));
        }
        return m;
    }();
    return meridiane;
}

Gitterstufe StufeFuer(double meterProPixel) {
    // The 10 km and 1 km lines are drawn when they lie at least 30 pixels
    // apart; the 100 km squares need 50 pixels for their letters.
    if (meterProPixel <= 1000.0 / 30) return {1000, true, true};
    if (meterProPixel <= 10000.0 / 30) return {10000, true, true};
    if (meterProPixel <= 100000.0 / 50) return {100000, true, false};
    return {};
}

double SchrittFuer(double abstandMeter, double meterProPixel) {
    constexpr double LaengsterSchrittPixel = 24;
    const double teile = std::ceil(abstandMeter / (LaengsterSchrittPixel * meterProPixel));
    return abstandMeter / std::max(teile, 1.0);
}

} // namespace kartovex::karte
