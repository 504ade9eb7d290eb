// Coastlines (as land rings) and country borders of the map, read from the
// compact file that scripts/kartendaten makes (its head describes the format).
#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "karte/Ansicht.h"

namespace kartovex::karte {

struct Weltlinie {
    enum class Art { Land, Grenze };
    Art art = Art::Land;
    std::vector<Weltpunkt> punkte; // in world coordinates, for drawing
    Weltpunkt min, max;            // the box around them
};

struct Weltdaten {
    std::vector<Weltlinie> linien;
};

// The lines of the file's bytes; nothing when the bytes are not such a file
// (a wrong head, a line or number cut short).
std::optional<Weltdaten> LiesWeltdaten(std::string_view bytes);

// The file built into the program, read at the first call.
const Weltdaten& EingebauteWeltdaten();

} // namespace kartovex::karte
