// UTM forward projection with zone number and latitude band.
#include <algorithm>
#include <cmath>
#include <string>

#include "Ausgabewege.h"
#include "Fehlerbehandlung.h"
#include "Rechenkern.h"
#include "UTMZonen.h"
#include "Zahlform.h"
#include "modKartovex.h"

namespace modKartovex {

// Hemisphere of the last zone designation read by the inverse routines.
thread_local bool NordHalbkugel = false;

namespace {

using intern::Fehler;
using intern::mitWertpruefung;
using intern::pruefeWerte;

constexpr double GroessterHochwert = 9999999;

// The last three characters of "000", the two digits of the zone (none for
// zone 0) and the band letter (none for '\0'): "32U", "032" without a band,
// "00U" without a zone.
void schreibeZonenbezeichnung(std::string& text, int zone, char band) {
    char zeichen[6] = {'0', '0', '0'};
    std::size_t n = 3;
    if (zone != 0) {
        zeichen[n++] = static_cast<char>('0' + zone / 10);
        zeichen[n++] = static_cast<char>('0' + zone % 10);
    }
    if (band != '\0') zeichen[n++] = band;
    text.assign(zeichen + n - 3, 3);
}

std::string zweiZiffern(int zahl) {
    return {static_cast<char>('0' + zahl / 10), static_cast<char>('0' + zahl % 10)};
}

} // namespace

std::string Breitenband(const std::string& Breite) {
    const char band = Bandbuchstabe(Zahlwert(Breite));
    return band != '\0' ? std::string(1, band) : std::string();
}

std::string Zonennummer(const std::string& Laenge) {
    const int zone = Zonenzahl(Zahlwert(Laenge));
    return zone != 0 ? zweiZiffern(zone) : std::string();
}

void G_UTMziv(std::string& Laenge, std::string& Breite, std::string& Ellipsoid) {
    intern::G_UTMzivWerte(Zahlwert(Breite), Zahlwert(Laenge), Laenge, Breite, Ellipsoid);
}

void intern::G_UTMzivWerte(double phiGrad, double lambdaGrad, std::string& Laenge,
                           std::string& Breite, std::string& Ellipsoid) {
    mitWertpruefung([&] {
        // "WGS" is the only code the system passes; any other one is treated
        // as a fault, so no text changes and the common message shows.
        if (Ellipsoid != "WGS") throw Fehler{};
        pruefeWerte(phiGrad, lambdaGrad);

        // The same decisions as Breitenband and Zonennummer, on the values
        // already read.
        const char band = Bandbuchstabe(phiGrad);
        const Sonderzone* sonderzone = SonderzoneBei(band, lambdaGrad);
        const int zone = sonderzone != nullptr ? sonderzone->zone : Zonenzahl(lambdaGrad);
        schreibeZonenbezeichnung(Ellipsoid, zone, band);

        const kern::Gitterwert w = kern::UTMinZone({phiGrad, lambdaGrad}, zone);
        double hoch = w.hochMeter;
        double rechts = w.rechtsMeter;
        pruefeWerte(hoch, rechts); // before the clamps can hide an overflow

        // 31V ends at its own central meridian: no easting lies beyond it.
        if (sonderzone != nullptr && sonderzone->ost == kern::Mittelmeridian(zone) &&
            rechts > kern::Falschrechts)
            rechts = kern::Falschrechts;
        if (hoch > GroessterHochwert) hoch = GroessterHochwert;
        const double rechtsGerundet = Runden(rechts, 0);
        const double hochGerundet = Runden(hoch, 0);
        pruefeWerte(rechtsGerundet, hochGerundet);
        // Whole numbers: the regional text carries no separator here.
        const intern::Zahlzeichen rechtsText = intern::Regionalzeichen(rechtsGerundet);
        const intern::Zahlzeichen hochZeichen = intern::Regionalzeichen(hochGerundet);
        const std::string_view hochText = hochZeichen.text();
        Laenge.assign(1, '0');
        Laenge += rechtsText.text();
        // The last seven characters of "00000000" followed by the text.
        if (hochText.size() >= 7) {
            Breite.assign(hochText.substr(hochText.size() - 7));
        } else {
            Breite.assign(7 - hochText.size(), '0');
            Breite += hochText;
        }
    });
}

} // namespace modKartovex
