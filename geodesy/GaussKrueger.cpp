// Gauss-Krueger forward projection on the Bessel ellipsoid, 3 or 6 degree strips.
#include <cmath>
#include <string>
#include <string_view>

#include "Ellipsoide.h"
#include "Fehlerbehandlung.h"
#include "Zahlform.h"
#include "Zeichen.h"
#include "modKartovex.h"

namespace modKartovex {

namespace {

using intern::DEG;
using intern::mitWertpruefung;
using intern::pruefeWerte;
using intern::RHO;

// The higher-order coefficients divide by powers of this slightly different
// value of the radian; the coefficients depend on it to the last digit.
constexpr double RHO2 = 57.29577951308232;

struct Streifen {
    double k;  // strip number
    double L0; // central meridian, degrees east
};

// A longitude on a strip border belongs to the eastern strip.
Streifen Streifenwahl(const std::string& breite, double lambdaGrad) {
    if (breite == "3") {
        const double k = std::floor((lambdaGrad + 1.5) / 3);
        return {k, 3 * k};
    }
    if (breite == "6") {
        const double k = std::floor((lambdaGrad + 3) / 6);
        return {k, 6 * k};
    }
    return {0, 0};
}

// "E009°", "W003°": hemisphere letter, three digits of the meridian, degree sign.
void schreibeMeridiantext(std::string& text, double L0, double lambdaGrad) {
    const intern::Zahlzeichen zahl = intern::Zahltextzeichen(std::fabs(L0));
    const std::string_view ziffern = zeichen::OhneLeerzeichen(zahl.text());
    text.assign(1, lambdaGrad >= 0 ? 'E' : 'W');
    if (ziffern.size() < 3) text.append(3 - ziffern.size(), '0');
    text += ziffern;
    text += "°";
}

} // namespace

void G_GK(std::string& Breite, std::string& Laenge, std::string& Streifen) {
    mitWertpruefung([&] {
        const auto& r = intern::GKReihen;
        const double c = intern::Bessel.c;
        const double phiGrad = Zahlwert(Breite);
        const double lambdaGrad = Zahlwert(Laenge);
        pruefeWerte(phiGrad, lambdaGrad);
        const double phi = phiGrad * DEG;

        const double cosPhi = std::cos(phi);
        const double eta = cosPhi * intern::Bessel.e1;
        const double eta2 = eta * eta;
        const double t = std::tan(phi);
        const double t2 = t * t;
        const double V = std::sqrt(eta2 + 1);
        const double N = c / V;

        const auto [k, L0] = Streifenwahl(Streifen, lambdaGrad);
        schreibeMeridiantext(Streifen, L0, lambdaGrad);
        const double l = lambdaGrad - L0;

        const double G = intern::Meridianbogen(r, phiGrad);

        const double cos2 = cosPhi * cosPhi;
        const double cos3 = cos2 * cosPhi;
        const double cos4 = cos2 * cos2;
        const double cos5 = cos4 * cosPhi;
        const double rho2 = RHO2 * RHO2;
        const double rho3 = rho2 * RHO2;
        const double rho4 = rho2 * rho2;
        const double rho5 = rho4 * RHO2;
        const double a2 = cos2 * N * t / 2 / rho2;
        const double a4 = cos4 * N * t * (5 - t2 + 9 * eta2) / 24 / rho4;
        const double b1 = cosPhi * N / RHO;
        const double b3 = cos3 * N * (1 - t2 + eta2) / 6 / rho3;
        const double b5 = cos5 * N * (5 - 18 * t2 + t2 * t2) / 120 / rho5;

        const double l2 = l * l;
        const double x = (l2 * a2 + G) + l2 * l2 * a4;
        const double y = (l2 * l * b3 + b1 * l) + l2 * l2 * l * b5;

        const double hoch = Runden(x, 0);
        const double rechts = (Runden(y, 0) + 500000) + k * 1000000;
        pruefeWerte(hoch, rechts);
        Breite.assign(intern::Zahltextzeichen(hoch).text());
        Laenge.assign(intern::Zahltextzeichen(rechts).text());
    });
}

} // namespace modKartovex
