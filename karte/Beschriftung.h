// Places the map's labels: a label is shown only when it overlaps no label
// of a higher rank (nor an earlier one of the same rank); the others give way.
#pragma once

#include <QRectF>
#include <vector>

namespace kartovex::karte {

struct Schild {
    QRectF rahmen; // where the label would stand, pixels
    int rang = 0;  // higher ranks are placed first
};

// Whether each label is shown, in the order given.
std::vector<bool> Platziere(const std::vector<Schild>& schilder);

} // namespace kartovex::karte
