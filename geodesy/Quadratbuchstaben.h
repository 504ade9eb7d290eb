// The letters of the 100 km squares, shared by the encoding and the decoding
// of the squares and by the checks of the military and UTMREF inputs.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "UTMZonen.h"

namespace modKartovex {

// Column letters: three sets of eight, one per zone number modulo 3.
inline constexpr std::string_view Spaltenbuchstaben = Gitterbuchstaben;

// Row letters: the 2,000 km cycle of the northing.
inline constexpr std::string_view Zeilenbuchstaben = Gitterbuchstaben.substr(0, 20);

namespace intern {

// The three column sets, one per zone number modulo 3 (1, 2, 0 in this
// order); the position of a letter in its set is the 100 km digit of the
// easting (1 to 8).
inline constexpr std::array<std::string_view, 3> Spaltensaetze = {Spaltenbuchstaben.substr(0, 8),
                                                                  Spaltenbuchstaben.substr(8, 8),
                                                                  Spaltenbuchstaben.substr(16, 8)};

// Row letters of the cycle for the 100 km digit 0 to 9 of the northing, by
// parity of the zone number: first the half with an even millions digit,
// then the odd half. Even zones start the cycle five letters later.
inline constexpr std::string_view ZeilenUngeradeZone = Zeilenbuchstaben;
inline constexpr auto ZeilenGeradeZoneZeichen = [] {
    std::array<char, Zeilenbuchstaben.size()> zeilen{};
    for (std::size_t i = 0; i < zeilen.size(); ++i)
        zeilen[i] = Zeilenbuchstaben[(i + 5) % zeilen.size()];
    return zeilen;
}();
inline constexpr std::string_view ZeilenGeradeZone{ZeilenGeradeZoneZeichen.data(),
                                                   ZeilenGeradeZoneZeichen.size()};

} // namespace intern

} // namespace modKartovex
