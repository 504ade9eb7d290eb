// Gauss-Krueger inverse projection on the Bessel ellipsoid, for strips of 3 or
// 6 degrees, with the text of the strip's central meridian.
#include <cmath>
#include <string>
#include <utility>

#include "Ellipsoide.h"
#include "Fehlerbehandlung.h"
#include "Zahlform.h"
#include "modKartovex.h"

namespace modKartovex {

namespace {

using namespace intern;

// Gauss-Krueger is computed for Germany only: no strip east of 18 degrees.
constexpr double OestlichsterMeridian = 18;

// "E003°" to "E018°" for the central meridians 3 to 18 that a strip number
// 1 to 9 can give.
std::string Meridiantext(int L0) {
    return std::string(L0 < 10 ? "E00" : "E0") + std::to_string(L0) + "°";
}

// Latitude and longitude (degrees) from the footpoint of the Hochwert and
// the distance y from the central meridian L0.
std::pair<double, double> InverseReihen(double hochwert, double y, double L0) {
    const Meridianreihen& r = GKReihen;
    const double phiF = Fusspunktbreite(r, hochwert);

    const double phi = phiF * DEG;
    const double t = std::tan(phi);
    const double t2 = t * t;
    const double cosPhi = std::cos(phi);
    const double eta = cosPhi * Bessel.e1;
    const double eta2 = eta * eta;
    const double N = Bessel.c / std::sqrt(eta2 + 1);
    const double N2 = N * N;

    const double B2 = -RHO / (2 * N2) * t * (eta2 + 1);
    const double B4 = RHO / (24 * N2 * N2) * t * (5 + 3 * t2 + 6 * eta2 * (1 - t2));
    const double B6 = -RHO / (720 * N2 * N2 * N2) * t * (61 + 90 * t2 + 45 * t2 * t2);
    const double L1 = RHO / (cosPhi * N);
    const double L3 = -RHO / (6 * N2 * N * cosPhi) * (1 + 2 * t2 + eta2);
    const double L5 = RHO / (120 * N2 * N2 * N * cosPhi) * (5 + 28 * t2 + 24 * t2 * t2);

    const double y2 = y * y, y3 = y2 * y, y4 = y2 * y2, y5 = y4 * y, y6 = y3 * y3;
    const double breite = ((y2 * B2 + phiF) + y4 * B4) + y6 * B6;
    const double laenge = (y3 * L3 + (y * L1 + L0)) + y5 * L5;
    return {breite, laenge};
}

} // namespace

void GK_G(std::string& Hoch, std::string& Rechts, std::string& Streifen) {
    // Every fault of the computation (a number text beyond a double, an
    // overflow in the powers of y) ends as inf or NaN in the results, so
    // checking the results is enough; the texts change only after the check.
    mitWertpruefung([&] {
        // The strip number is the first digit of the Rechtswert.
        const double k = Zahlwert(Rechts.substr(0, 1));
        const double y = (Zahlwert(Rechts) - 500000) - k * 1000000;
        const double L0 = Streifen == "3" ? 3 * k : (Streifen == "6" ? 6 * k : 0.0);

        if (L0 > 0 && L0 <= OestlichsterMeridian) Streifen = Meridiantext(static_cast<int>(L0));
        if (L0 > OestlichsterMeridian) {
            Meldung("Die gewählte Streifenbreite führt zu einem Punkt ausserhalb von "
                    "Deutschland.\r\nWählen Sie eine kleinere Streifenbreite.");
            return;
        }
        if (L0 == 0) {
            Hoch.clear();
            Rechts.clear();
            Streifen = "Fehler";
            return;
        }

        const auto [breite, laenge] = InverseReihen(Zahlwert(Hoch), y, L0);
        pruefeWerte(breite, laenge);
        Hoch.assign(Zahltextzeichen(breite).text());
        Rechts.assign(Zahltextzeichen(laenge).text());
    });
}

} // namespace modKartovex
