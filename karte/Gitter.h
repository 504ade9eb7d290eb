// The lines and labels of the grids the map draws, as positions: the UTM
// zones and latitude bands, the lines of constant easting and northing of a
// zone, the 100 km squares and the Gauss-Krueger strip meridians. Everything
// comes from the geodesy's own routines, so a line lies where the numbers of
// the output window put it.
#pragma once

#include <string>
#include <vector>

#include "karte/Ansicht.h"

namespace kartovex::karte {

// A range of latitudes and longitudes, degrees.
struct Geobereich {
    double sued = 0, nord = 0, west = 0, ost = 0;
    bool leer() const { return sued >= nord || west >= ost; }
    Geobereich Schnitt(const Geobereich& b) const;
    bool enthaelt(Lage g) const;
};

// One zone within one latitude band: "32U" from 48 to 56 N, 6 to 12 E.
struct Zonenfeld {
    int zone = 0;
    char band = '\0';
    Geobereich bereich;
    bool nord() const { return band >= 'N'; }
    std::string Name() const;
};

// Every zone field from 80 S to 84 N, with the zones of Norway (31V, 32V) and
// Svalbard (31X to 37X) as the geodesy decides them: each 3-degree column of
// each band asks the geodesy's zone decision for its zone (every special
// zone's border is a multiple of 3 degrees), and neighbouring columns of the
// same zone make one field. Computed at the first call.
const std::vector<Zonenfeld>& Zonenfelder();

using Linienzug = std::vector<Lage>;

// The parts of a line that lie inside an area (a segment that crosses the
// border is cut where it crosses it, linearly in degrees).
std::vector<Linienzug> Zuschneiden(const Linienzug& linie, const Geobereich& b);

// A line of the zone's grid: constant easting (rechts) or northing.
struct Gitterlinie {
    bool rechts = true;
    double wertMeter = 0;
    std::vector<Linienzug> teile; // inside the zone field and the area
};

// The lines every abstandMeter that cross the part of the field inside the
// area. Their vertices lie every schrittMeter (abstandMeter divided by a
// whole number) along them, so that the crossing of two lines is a vertex of
// both.
std::vector<Gitterlinie> Gitterlinien(const Zonenfeld& feld, const Geobereich& bereich,
                                      double abstandMeter, double schrittMeter);

// A 100 km square whose middle lies inside the field and the area, with its
// two letters.
struct Quadrat {
    Lage mitte;
    std::string buchstaben;
};
std::vector<Quadrat> Quadrate(const Zonenfeld& feld, const Geobereich& bereich);

// The two square letters of a position of a zone, as the military notation
// writes them.
std::string Quadratbuchstaben(int zone, double rechtsMeter, double hochMeter);

// The meridians of the 3-degree Gauss-Krueger strips inside the Germany
// rectangle (6, 9, 12 and 15 degrees on the Bessel ellipsoid), carried to the
// UTM ellipsoid by the program's datum transformation. kennziffer is the
// first digit of the strip's Rechts values (meridian / 3).
struct GKMeridian {
    int kennziffer = 0;
    Linienzug punkte;
};
const std::vector<GKMeridian>& GKMeridiane();

// What the map draws at a scale (ground metres per pixel): the spacing of the
// finest grid lines and the step of their vertices. 0 for no UTM lines.
struct Gitterstufe {
    double abstandMeter = 0; // 100 000, 10 000 or 1 000
    bool quadrate = false;   // the 100 km squares and their letters
    bool randzahlen = false; // two-digit kilometre numbers at the edges
};
Gitterstufe StufeFuer(double meterProPixel);
// The vertex step for lines of a spacing, short enough that a line never
// strays from its curve by a visible amount.
double SchrittFuer(double abstandMeter, double meterProPixel);

} // namespace kartovex::karte
