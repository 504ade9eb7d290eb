// Latitude bands and zones of UTM.
#include "UTMZonen.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace modKartovex {

char Bandbuchstabe(double breite) {
    const float b = static_cast<float>(breite);
    if (b < -80 || b > 84) return '\0';
    // Slot 20 is the upper third of the 12 degree band X.
    const int index = b < 0 ? static_cast<int>(std::floor(b / 8)) + 10
                            : std::max(static_cast<int>(std::ceil(b / 8)), 1) + 9;
    return Bandbuchstaben[std::min<std::size_t>(index, Bandbuchstaben.size() - 1)];
}

int Zonenzahl(double laenge) {
    const float L = static_cast<float>(laenge);
    if (std::fabs(L) > 180) return 0;
    if (L < 0) return 31 + static_cast<int>(std::floor(L / 6.0f));
    if (L > 0) return 30 + static_cast<int>(std::ceil(L / 6.0f));
    return 31;
}

const Sonderzone* SonderzoneBei(char band, double laenge) {
    const auto s = std::find_if(Sonderzonen.begin(), Sonderzonen.end(), [&](const Sonderzone& z) {
        return z.band == band && z.west < laenge && laenge <= z.ost;
    });
    return s != Sonderzonen.end() ? &*s : nullptr;
}

int UTMZone(char band, double laenge) {
    const Sonderzone* s = SonderzoneBei(band, laenge);
    return s != nullptr ? s->zone : Zonenzahl(laenge);
}

const Sonderzone* SonderzoneMitNummer(char band, int zone) {
    const auto s = std::find_if(Sonderzonen.begin(), Sonderzonen.end(), [&](const Sonderzone& z) {
        return z.band == band && z.zone == zone;
    });
    return s != Sonderzonen.end() ? &*s : nullptr;
}

bool ZoneEntfaellt(char band, int zone) {
    int kleinste = INT_MAX, groesste = INT_MIN;
    for (const Sonderzone& s : Sonderzonen) {
        if (s.band != band) continue;
        kleinste = std::min(kleinste, s.zone);
        groesste = std::max(groesste, s.zone);
    }
    return zone > kleinste && zone < groesste && SonderzoneMitNummer(band, zone) == nullptr;
}

} // namespace modKartovex
