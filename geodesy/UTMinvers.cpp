// UTM inverse projection: civil UTM coordinates back to a geographic position
// on the ellipsoid the system calls "WGS" (GRS80 constants).
#include <cmath>
#include <string>
#include <string_view>

#include "Ellipsoide.h"
#include "Fehlerbehandlung.h"
#include "UTMReihen.h"
#include "UTMZonen.h"
#include "Zahlform.h"
#include "modKartovex.h"

namespace modKartovex {

using namespace intern;

void UTMziv_G(std::string& Rechts, std::string& Hoch, std::string& Zone, std::string& Ellipsoid) {
    // Every fault of this computation (a number text beyond a double, a
    // division by zero, an overflow) ends as inf or NaN in the results, so
    // checking the results is enough; the texts change only after the check.
    mitWertpruefung([&] {
        // Any other ellipsoid code leaves every constant 0, which ends in a
        // division by zero below and so in the common message.
        const bool wgs = Ellipsoid == "WGS";
        const double c = wgs ? GRS80.c : 0.0;
        const double k0 = wgs ? kern::UTMMassstab : 0.0;
        const Meridianreihen reihen = wgs ? UTMReihen : meridianreihen(0.0, 0.0, 0.0);

        // The band letter, upper case (ASCII only, whatever the locale).
        char band = Zone.size() >= 3 ? Zone[2] : '\0';
        if (band >= 'a' && band <= 'z') band = static_cast<char>(band - 'a' + 'A');
        NordHalbkugel = IstNordband(band);

        const double zoneNummer = Zahlwert(Zone);
        const double R = std::nearbyint(Zahlwert(Rechts)); // halves to even
        double H = std::nearbyint(Zahlwert(Hoch));
        if (!NordHalbkugel) H = kern::Falschhoch - H;

        const kern::Lage g = UTMInversReihen(R, H, zoneNummer, NordHalbkugel, c, k0, reihen);
        const double breiteGerundet = Runden(g.breiteGrad, 6);
        const double laengeGerundet = Runden(g.laengeGrad, 6);
        pruefeWerte(g.breiteGrad, g.laengeGrad, breiteGerundet, laengeGerundet);
        // Regional number texts with '.' as decimal point whatever the
        // user's setting.
        Hoch.assign(Punktzeichen(breiteGerundet).text());
        Rechts.assign(Punktzeichen(laengeGerundet).text());
        Zone.assign(Punktzeichen(g.laengeGrad).text());
        Ellipsoid.assign(Punktzeichen(g.breiteGrad).text());
    });
}

} // namespace modKartovex
