// Molodensky datum shift between Bessel and the system's "WGS" (GRS80).
#include <cmath>
#include <string>

#include "Ausgabewege.h"
#include "Ellipsoide.h"
#include "Fehlerbehandlung.h"
#include "Zahlform.h"
#include "modKartovex.h"

namespace modKartovex {

namespace {

using intern::DEG;
using intern::Ellipsoid;
using intern::Fehler;
using intern::mitWertpruefung;
using intern::pruefeWerte;
using intern::RHO;

struct Richtungsdaten {
    const Ellipsoid& quelle;
    const Ellipsoid& ziel;
    double dX, dY, dZ; // geocentric shift from the source origin to the target's
};

// The shift of a Bessel point's geocentric coordinates onto GRS80; the other
// way uses the same numbers with the opposite sign.
constexpr double VerschiebungX = 587;
constexpr double VerschiebungY = 16;
constexpr double VerschiebungZ = 393;

const Richtungsdaten BesselNachGRS80{intern::Bessel, intern::GRS80, VerschiebungX, VerschiebungY,
                                     VerschiebungZ};
const Richtungsdaten GRS80NachBessel{intern::GRS80, intern::Bessel, -VerschiebungX, -VerschiebungY,
                                     -VerschiebungZ};

} // namespace

namespace {

// DatumTrafo; the height text is written only when HoeheAus is given.
void verschiebe(std::string& Breite, std::string& Laenge, const std::string& Hoehe,
                const std::string& Richtung, std::string* HoeheAus) {
    if (Richtung.empty()) return;
    mitWertpruefung([&] {
        // The system passes only "BG" and "GB"; any other code is treated as a
        // fault: the common message shows and the texts stay as they are.
        if (Richtung != "BG" && Richtung != "GB") throw Fehler{};
        const Richtungsdaten& d = Richtung == "BG" ? BesselNachGRS80 : GRS80NachBessel;
        const double phiGrad = Zahlwert(Breite);
        const double lambdaGrad = Zahlwert(Laenge);
        const double h = Zahlwert(Hoehe);
        pruefeWerte(phiGrad, lambdaGrad, h);

        const Ellipsoid& q = d.quelle;
        const double da = d.ziel.a - q.a;
        const double df = d.ziel.f - q.f;
        const double phi = phiGrad * DEG;
        const double lambda = lambdaGrad * DEG;
        const double sinPhi = std::sin(phi);
        const double cosPhi = std::cos(phi);
        const double sinLambda = std::sin(lambda);
        const double cosLambda = std::cos(lambda);

        const double eta = cosPhi * q.e1;
        const double V = std::sqrt(eta * eta + 1);
        const double M = q.c / (V * V * V);
        const double N = q.c / V;
        const double e2 = q.e * q.e;

        const double dPhi = (-d.dX * sinPhi * cosLambda - d.dY * sinPhi * sinLambda +
                             d.dZ * cosPhi + e2 * N * sinPhi * cosPhi * da / q.a +
                             (q.b * N / q.a + q.a * M / q.b) * df * sinPhi * cosPhi) *
                            RHO / (M + h);
        const double dLambda = (-d.dX * sinLambda + d.dY * cosLambda) * RHO / (N + h) / cosPhi;
        const double dh = d.dY * cosPhi * sinLambda + d.dX * cosPhi * cosLambda + d.dZ * sinPhi -
                          da * q.a / N + sinPhi * sinPhi * (q.b * df / q.a) * N;

        const double breite = phiGrad + dPhi;
        const double laenge = lambdaGrad + dLambda;
        const double hoehe = h + dh;
        pruefeWerte(breite, laenge, hoehe);
        Breite.assign(intern::Zahltextzeichen(breite).text());
        Laenge.assign(intern::Zahltextzeichen(laenge).text());
        if (HoeheAus != nullptr) HoeheAus->assign(intern::Zahltextzeichen(hoehe).text());
    });
}

} // namespace

void DatumTrafo(std::string& Breite, std::string& Laenge, std::string& Hoehe,
                std::string& Richtung) {
    verschiebe(Breite, Laenge, Hoehe, Richtung, &Hoehe);
}

void intern::DatumTrafoOhneHoehe(std::string& Breite, std::string& Laenge, const std::string& Hoehe,
                                 const std::string& Richtung) {
    verschiebe(Breite, Laenge, Hoehe, Richtung, nullptr);
}

} // namespace modKartovex
