// The letters of the 100 km squares and the bands of the northern
// hemisphere, shared by the encoding and the decoding of the squares and by
// the inverse projection.
#pragma once

#include <array>
#include <string_view>

namespace modKartovex::intern {

// The three column sets, one per zone number modulo 3 (1, 2, 0 in this
// order); the position of a letter in its set is the 100 km digit of the
// easting (1 to 8).
inline constexpr std::array<std::string_view, 3> Spaltensaetze = {"ABCDEFGH", "JKLMNPQR",
                                                                  "STUVWXYZ"};

// Row letters of the 2,000 km cycle for the 100 km digit 0 to 9 of the
// northing, by parity of the zone number: first the half with an even
// millions digit, then the odd half.
inline constexpr std::string_view ZeilenUngeradeZone = "ABCDEFGHJKLMNPQRSTUV";
inline constexpr std::string_view ZeilenGeradeZone = "FGHJKLMNPQRSTUVABCDE";

// Bands N to X lie north of the equator.
inline bool IstNordband(char band) {
    return band != '\0' && std::string_view("NPQRSTUVWX").find(band) != std::string_view::npos;
}

} // namespace modKartovex::intern
