// UTM inverse projection: civil UTM coordinates back to a geographic position
// on the ellipsoid the system calls "WGS" (GRS80 constants).
#include <cmath>
#include <string>
#include <string_view>

#include "Ellipsoide.h"
#include "Fehlerbehandlung.h"
#include "UTMZonen.h"
#include "Zahlform.h"
#include "modKartovex.h"

namespace modKartovex {

namespace {

using namespace intern;

struct Geographisch {
    double breite;
    double laenge;
};

// The inverse transverse Mercator series from easting R and northing H
// (whole metres, the southern false northing already removed).
Geographisch InverseReihen(double R, double H, double zoneNummer, bool nord, double c, double k0,
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

    // The zone number alone decides the meridian (32V gives 9, 33X gives 15).
    const double L0 = (zoneNummer - 30) * 6 - 3;

    const double y = (R - 500000) / k0;
    const double y2 = y * y, y3 = y2 * y, y4 = y2 * y2, y5 = y4 * y, y6 = y3 * y3;

    const double B2 = -t * (1 + eta2) / (2 * N2);
    const double B4 = t * (5 + 3 * t2 + 6 * eta2 * (1 - t2)) / (24 * N4);
    const double B6 = -t * (61 + 90 * t2 + 45 * t4) / (720 * N6);
    const double L1 = 1 / (N * cosPhi);
    const double L3 = -(1 + 2 * t2 + eta2) / (6 * N3 * cosPhi);
    const double L5 = (5 + 28 * t2 + 24 * t4) / (120 * N5 * cosPhi);

    return {(B4 * y4 + B2 * y2 + B6 * y6) * RHO + phiF, (L3 * y3 + L1 * y + L5 * y5) * RHO + L0};
}

} // namespace

void UTMziv_G(std::string& Rechts, std::string& Hoch, std::string& Zone, std::string& Ellipsoid) {
    // Every fault of this computation (a number text beyond a double, a
    // division by zero, an overflow) ends as inf or NaN in the results, so
    // checking the results is enough; the texts change only after the check.
    mitWertpruefung([&] {
        // Any other ellipsoid code leaves every constant 0, which ends in a
        // division by zero below and so in the common message.
        const bool wgs = Ellipsoid == "WGS";
        const double c = wgs ? GRS80.c : 0.0;
        const double k0 = wgs ? 0.9996 : 0.0;
        const Meridianreihen reihen = wgs ? UTMReihen : meridianreihen(0.0, 0.0, 0.0);

        // The band letter, upper case (ASCII only, whatever the locale).
        char band = Zone.size() >= 3 ? Zone[2] : '\0';
        if (band >= 'a' && band <= 'z') band = static_cast<char>(band - 'a' + 'A');
        NordHalbkugel = IstNordband(band);

        const double zoneNummer = Zahlwert(Zone);
        const double R = std::nearbyint(Zahlwert(Rechts)); // halves to even
        double H = std::nearbyint(Zahlwert(Hoch));
        if (!NordHalbkugel) H = 10000000 - H;

        const Geographisch g = InverseReihen(R, H, zoneNummer, NordHalbkugel, c, k0, reihen);
        const double breiteGerundet = Runden(g.breite, 6);
        const double laengeGerundet = Runden(g.laenge, 6);
        pruefeWerte(g.breite, g.laenge, breiteGerundet, laengeGerundet);
        // Regional number texts with '.' as decimal point whatever the
        // user's setting.
        Hoch.assign(Punktzeichen(breiteGerundet).text());
        Rechts.assign(Punktzeichen(laengeGerundet).text());
        Zone.assign(Punktzeichen(g.laenge).text());
        Ellipsoid.assign(Punktzeichen(g.breite).text());
    });
}

} // namespace modKartovex
