// Latitude bands and zones of UTM: the band letters, the standard zone of a
// longitude and the special zones of Norway's west coast (band V) and
// Svalbard (band X). The projection, the square letters, the zone field and
// the grid checks all take bands and zones from here.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace modKartovex {

// The letters of the UTM grid, bands and 100 km squares alike: A to Z
// without I and O, which could be read as digits.
inline constexpr std::string_view Gitterbuchstaben = "ABCDEFGHJKLMNPQRSTUVWXYZ";

// The latitude bands from the south, C to X: 8 degrees each from -80, except
// X, which is 12 degrees high (72 to 84).
inline constexpr std::string_view Bandbuchstaben = Gitterbuchstaben.substr(2, 20);

// The ten bands from -80 to the equator lie south; N to X lie north.
inline constexpr std::string_view Nordbaender = Bandbuchstaben.substr(10);

// Whether a letter names a band north of the equator.
inline bool IstNordband(char band) {
    return band != '\0' && Nordbaender.find(band) != std::string_view::npos;
}

// Band letter of a latitude in degrees, '\0' outside -80 to 84. The decision
// works on the single-precision value, so a latitude that rounds to a band
// border in single precision belongs to that border: 84.0000001 is still
// band X. A border belongs to the band nearer the equator; 0 is band N.
char Bandbuchstabe(double breite);

// Standard zone number of a longitude in degrees, 0 beyond 180 east or west.
// Single precision as well: 6.0000001 rounds to 6 and stays in zone 31. A
// border belongs to the zone nearer the meridian 0.
int Zonenzahl(double laenge);

// A zone of band V or X whose longitudes differ from the 6 degree grid, with
// the extreme values of its points where they differ from its band's (7-digit
// texts as the zone field shows them; empty: the band's value).
struct Sonderzone {
    char band;
    int zone;
    double west; // the zone takes the longitudes west < laenge <= ost
    double ost;
    std::string_view rechtsMin;
    std::string_view rechtsMax;
    std::string_view hochMin;
};

inline constexpr std::array<Sonderzone, 6> Sonderzonen{{
    {'V', 31, 0, 3, "", "0500000", ""},
    {'V', 32, 3, 12, "0126050", "", ""},
    {'X', 31, 0, 9, "", "0706636", ""},
    {'X', 33, 9, 21, "0293364", "0706636", ""},
    {'X', 35, 21, 33, "0293364", "0706636", ""},
    {'X', 37, 33, 42, "0293364", "0431031", "7990077"},
}};

// The special zone in which a point of a band lies, nullptr for none.
// The longitude is the exact (double) value.
const Sonderzone* SonderzoneBei(char band, double laenge);

// The zone number of a point: its special zone, else the standard zone.
int UTMZone(char band, double laenge);

// The special zone of this band and number, nullptr for none.
const Sonderzone* SonderzoneMitNummer(char band, int zone);

// Whether a standard zone does not exist in a band because special zones
// cover its longitudes: the zones between the special zones of band X
// (32X, 34X and 36X, on Svalbard).
bool ZoneEntfaellt(char band, int zone);

// Whether the rows of a table keyed by band letter (member `band`) are the
// bands C to X in order; for static_assert beside such tables.
template <class Tabelle> constexpr bool ZeilenJeBand(const Tabelle& tabelle) {
    if (tabelle.size() != Bandbuchstaben.size()) return false;
    for (std::size_t i = 0; i < tabelle.size(); ++i)
        if (tabelle[i].band != Bandbuchstaben[i]) return false;
    return true;
}

} // namespace modKartovex
