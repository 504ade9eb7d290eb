// The UTM series on values: the forward projection in a zone and its
// inverse, shared by the text routines and the map.
#include "Rechenkern.h"

#include <cmath>

#include "Ellipsoide.h"
#include "UTMReihen.h"
#include "UTMZonen.h"

namespace modKartovex::kern {

using intern::DEG;

constexpr double k0 = UTMMassstab;

Gitterwert UTMinZone(Lage g, int zone) {
    const auto& r = intern::UTMReihen;
    const double c = intern::GRS80.c;
    const double phiGrad = g.breiteGrad;
    const double phi = phiGrad * DEG;
    const double t = std::tan(phi);
    const double t2 = t * t;
    const double t4 = t2 * t2;
    const double cosPhi = std::cos(phi);
    const double cos2 = cosPhi * cosPhi;
    const double cos3 = cos2 * cosPhi;
    const double cos4 = cos2 * cos2;
    const double cos5 = cos4 * cosPhi;
    const double eta2 = r.e2 * cos2;
    const double N = c / std::sqrt(1 + eta2);

    const double G = intern::Meridianbogen(r, phiGrad);
    const double l = (g.laengeGrad - Mittelmeridian(zone)) * DEG;
    const double l2 = l * l;
    const double l3 = l2 * l;
    const double l4 = l2 * l2;
    const double l5 = l4 * l;

    const double x = G + N * cos2 * t * l2 / 2 + N * cos4 * t * (5 - t2 + 9 * eta2) * l4 / 24;
    double hoch = x * k0;
    if (phiGrad < 0) hoch = hoch + Falschhoch;
    const double y = N * cosPhi * l + N * cos3 * (1 - t2 + eta2) * l3 / 6 +
                     N * cos5 * (5 - 18 * t2 + t4) * l5 / 120;
    return {y * k0 + Falschrechts, hoch};
}

UTMWert UTMaus(Lage g) {
    UTMWert w;
    w.band = Bandbuchstabe(g.breiteGrad);
    w.zone = UTMZone(w.band, g.laengeGrad);
    w.wert = UTMinZone(g, w.zone);
    return w;
}

Lage LageAus(int zone, bool nord, double rechtsMeter, double hochMeter) {
    return intern::UTMInversReihen(rechtsMeter, nord ? hochMeter : Falschhoch - hochMeter, zone,
                                   nord, intern::GRS80.c, k0, intern::UTMReihen);
}

} // namespace modKartovex::kern

namespace modKartovex::intern {

kern::Lage UTMInversReihen(double R, double H, double zoneNummer, bool nord, double c, double k0,
                           const Meridianreihen& r) {
    // Footpoint latitude of the northing, mirrored for the south.
    double phiF = Fusspunktbreite(r, H / k0);
    if (!nord) phiF = -phiF;

    const double phi = phiF * DEG;
    const double t = std::tan(phi);
    const double t2 = t * t;
    const double t4 = t2 * t2;
    const double cosPhi = std::cos(phi);
    const Radien radien = Kruemmungsradien(c, r.e2, cosPhi);
    const double eta2 = radien.eta2;
    const double N = radien.N;
    const double N2 = N * N, N3 = N * N2, N4 = N2 * N2, N5 = N * N4, N6 = N4 * N2;

    const double L0 = kern::Mittelmeridian(zoneNummer);

    const double y = (R - kern::Falschrechts) / k0;
    const double y2 = y * y, y3 = y2 * y, y4 = y2 * y2, y5 = y4 * y, y6 = y3 * y3;

    const double B2 = -t * (1 + eta2) / (2 * N2);
    const double B4 = t * (5 + 3 * t2 + 6 * eta2 * (1 - t2)) / (24 * N4);
    const double B6 = -t * (61 + 90 * t2 + 45 * t4) / (720 * N6);
    const double L1 = 1 / (N * cosPhi);
    const double L3 = -(1 + 2 * t2 + eta2) / (6 * N3 * cosPhi);
    const double L5 = (5 + 28 * t2 + 24 * t4) / (120 * N5 * cosPhi);

    return {(B4 * y4 + B2 * y2 + B6 * y6) * RHO + phiF, (L3 * y3 + L1 * y + L5 * y5) * RHO + L0};
}

} // namespace modKartovex::intern
