// The typed numeric core of the UTM routines: values in, values out, no
// texts, no rounding, no messages and no shared state. The text routines of
// modKartovex write their texts from these values; the map computes its grid
// lines with them, thousands per frame.
//
// Angles are decimal degrees on the ellipsoid the system calls "WGS" (GRS80
// constants), north and east positive; lengths are metres.
#pragma once

namespace modKartovex::kern {

// The constants of the UTM grid.
inline constexpr double UTMMassstab = 0.9996;  // scale on the central meridian
inline constexpr double Falschrechts = 500000; // metres added to every easting
inline constexpr double Falschhoch = 10000000; // metres added to southern northings

// Central meridian of a zone number in degrees (32 gives 9); the number alone
// decides it, so 32V gives 9 and 33X gives 15 whatever their widths.
constexpr double Mittelmeridian(double zone) {
    return (zone - 30) * 6 - 3;
}

struct Lage {
    double breiteGrad = 0; // latitude, degrees, north positive
    double laengeGrad = 0; // longitude, degrees, east positive
};

struct Gitterwert {
    double rechtsMeter = 0; // easting with the 500 km false easting
    double hochMeter = 0;   // northing, 10 000 km false northing in the south
};

struct UTMWert {
    int zone = 0;     // 1 to 60 with the special zones; 0 beyond 180 degrees
    char band = '\0'; // C to X; '\0' outside 80 S to 84 N
    Gitterwert wert;  // in that zone, not rounded and not clamped
};

// Zone and band of a position as G_UTMziv decides them (UTMZonen.h), and its
// easting and northing in that zone.
UTMWert UTMaus(Lage g);

// The easting and northing of a position in a given zone, whichever zone the
// position belongs to (grid lines run on beyond their zone's border), not
// rounded and not clamped. The northing takes the false northing when
// breiteGrad is below 0.
Gitterwert UTMinZone(Lage g, int zone);

// The position of an easting and northing of a zone; nord tells the
// hemisphere (false: the northing carries the 10 000 km false northing).
Lage LageAus(int zone, bool nord, double rechtsMeter, double hochMeter);

} // namespace modKartovex::kern
