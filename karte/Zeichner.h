// Draws the map with QPainter: sea and land, borders, the UTM zones and
// bands, the finer grid lines and their labels, the Gauss-Krueger strip
// meridians, the marker, the scale bar and the attribution.
#pragma once

#include <QColor>
#include <QString>
#include <optional>
#include <string>

#include "karte/Ansicht.h"

class QPainter;

namespace kartovex::karte {

class Kacheln;

namespace kartenfarbe {
inline const QColor Meer{200, 222, 240};
inline const QColor Land{242, 239, 228};
inline const QColor Kueste{110, 140, 170};
inline const QColor Grenze{150, 110, 150};
inline const QColor Zone{190, 30, 30};
inline const QColor Hundert{200, 60, 60};
inline const QColor Feingitter{60, 90, 170};
inline const QColor GK{20, 130, 60};
inline const QColor Marke{220, 0, 0};
} // namespace kartenfarbe

struct Kartenstand {
    std::optional<Lage> punkt;          // the marker
    std::string punktText;              // its UTMREF
    const Kacheln* grundlage = nullptr; // a base map under the grid
};

// The whole map into a painter whose device has the view's size.
void ZeichneKarte(QPainter& p, const Ansicht& a, const Kartenstand& stand);

// The length of the scale bar: a round number of metres (1, 2 or 5 times a
// power of ten) close to a quarter of the window's width, at most 200 pixels.
double Masstablaenge(double meterProPixel, double breitePixel);
// Its text: "500 m", "2 km", "1000 km".
QString Masstabtext(double meter);

} // namespace kartovex::karte
