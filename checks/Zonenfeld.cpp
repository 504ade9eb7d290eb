#include "checks/Zonenfeld.h"

#include <array>
#include <string_view>
#include <utility>

#include "checks/Textregeln.h"
#include "geodesy/UTMZonen.h"
#include "geodesy/modKartovex.h"

namespace kartovex {

const std::string ZoneZuerstMeldung = "Sie müssen zuerst die Zone eingeben,\r\n"
                                      "sonst kann ich die gültigen Extremwerte nicht berechnen.";

namespace {
// Extreme UTM values a point of a latitude band can have. Northings of the
// southern bands C to M count from 10000000 at the equator.
struct Bandzeile {
    char band;
    const char* rechtsMin;
    const char* rechtsMax;
    const char* hochMin;
    const char* hochMax;
};

constexpr std::array<Bandzeile, 20> Extremwerttabelle{{
    {'C', "0396567", "0603433", "1116915", "2011066"},
    {'D', "0353305", "0646695", "2008491", "2902985"},
    {'E', "0312929", "0687071", "2899533", "3793919"},
    {'F', "0276225", "0723775", "3789859", "4683699"},
    {'G', "0243901", "0756099", "4679344", "5572242"},
    {'H', "0216577", "0783423", "5567931", "6459563"},
    {'J', "0194773", "0805227", "6455630", "7345772"},
    {'K', "0178901", "0821099", "7342521", "8231064"},
    {'L', "0169257", "0830743", "8228746", "9115701"},
    {'M', "0166022", "0833978", "9114496", "9999999"},
    {'N', "0166021", "0833979", "0000000", "0885504"},
    {'P', "0169256", "0830744", "0884299", "1771254"},
    {'Q', "0178900", "0821100", "1768936", "2657479"},
    {'R', "0194773", "0805227", "2654228", "3544370"},
    {'S', "0216577", "0783423", "3540437", "4432069"},
    {'T', "0243900", "0756100", "4427758", "5320656"},
    {'U', "0276224", "0723776", "5316301", "6210141"},
    {'V', "0312929", "0687071", "6206081", "7100467"},
    {'W', "0353305", "0646695", "7097015", "7991509"},
    {'X', "0396567", "0603433", "7988934", "9329004"},
}};
static_assert(modKartovex::ZeilenJeBand(Extremwerttabelle));

// The extreme values in which a special zone of Norway's west coast (band
// V) or Svalbard (band X) differs from its band.
void Zonenausnahmen(char band, int zone, Grenzen& g) {
    const auto* s = modKartovex::SonderzoneMitNummer(band, zone);
    if (s == nullptr) return;
    for (auto [wert, grenze] : {std::pair{s->rechtsMin, &g.RechtsMin},
                                {s->rechtsMax, &g.RechtsMax},
                                {s->hochMin, &g.HochMin}})
        if (!wert.empty()) *grenze = wert;
}
} // namespace

Zonenentscheid ZoneVerlassen(const std::string& zone, Grenzen& grenzen) {
    Zonenentscheid entscheid;
    entscheid.meldung = text::ZeichenFehlerDerZone(zone);
    if (!entscheid.meldung.empty()) {
        entscheid.ok = false;
        return entscheid;
    }
    // The band is the last character; only an empty zone text finds no row.
    const auto zeichen = text::Zeichen(zone);
    if (zeichen.empty()) return entscheid;
    const char band = zeichen.back()[0];
    for (const auto& zeile : Extremwerttabelle) {
        if (zeile.band != band) continue;
        grenzen.RechtsMin = zeile.rechtsMin;
        grenzen.RechtsMax = zeile.rechtsMax;
        grenzen.HochMin = zeile.hochMin;
        grenzen.HochMax = zeile.hochMax;
        // The first two characters are digits here.
        const int nummer = static_cast<int>(modKartovex::Zahlwert(text::Anfang(zone, 2)));
        Zonenausnahmen(band, nummer, grenzen);
    }
    return entscheid;
}

std::string Limitstext(const std::string& max, const std::string& min) {
    return max + " Maximum\n" + min + " Minimum";
}

} // namespace kartovex
