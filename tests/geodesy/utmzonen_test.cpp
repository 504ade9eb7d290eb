// Bands and zones of UTM: the special zones of the bands V and X at their
// borders, and the zones that the special zones of Svalbard leave out.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "geodesy/UTMZonen.h"

namespace {
using namespace modKartovex;

TEST(UTMZonen, SpecialZonesTakeTheirLongitudesWithTheEasternBorder) {
    struct Fall {
        char band;
        double laenge;
        int zone;
    };
    const std::vector<Fall> faelle = {
        {'V', -0.0001, 30}, {'V', 0, 31},       {'V', 3, 31},       {'V', 3.0001, 32},
        {'V', 12, 32},      {'V', 12.0001, 33}, {'V', -3, 30},      {'U', 3.0001, 31},
        {'W', 9, 32},       {'X', 0, 31},       {'X', 9, 31},       {'X', 9.0001, 33},
        {'X', 21, 33},      {'X', 21.0001, 35}, {'X', 33, 35},      {'X', 33.0001, 37},
        {'X', 42, 37},      {'X', 42.0001, 38}, {'X', -0.0001, 30}, {'X', 179, 60},
        {'\0', 4, 31}, // no band: the standard zone
    };
    for (const auto& f : faelle) {
        EXPECT_EQ(UTMZone(f.band, f.laenge), f.zone) << f.band << ' ' << f.laenge;
        const Sonderzone* s = SonderzoneBei(f.band, f.laenge);
        if (s != nullptr) {
            EXPECT_EQ(SonderzoneMitNummer(f.band, f.zone), s);
        }
    }
}

TEST(UTMZonen, OnlyTheZonesBetweenSvalbardsSpecialZonesAreLeftOut) {
    const std::set<std::string> entfallen = {"32X", "34X", "36X"};
    std::set<std::string> gefunden;
    for (const char band : Bandbuchstaben)
        for (int zone = 1; zone <= 60; ++zone)
            if (ZoneEntfaellt(band, zone)) gefunden.insert(std::to_string(zone) + band);
    EXPECT_EQ(gefunden, entfallen);
}

TEST(UTMZonen, BandsAndHemispheres) {
    struct Fall {
        double breite;
        char band;
    };
    const std::vector<Fall> faelle = {
        {-80, 'C'},    {-80.0001, '\0'}, {-72, 'D'},     {-0.0001, 'M'}, {0, 'N'},       {8, 'N'},
        {8.0001, 'P'}, {72, 'W'},        {72.0001, 'X'}, {84, 'X'},      {84.0001, '\0'}};
    for (const auto& f : faelle)
        EXPECT_EQ(Bandbuchstabe(f.breite), f.band) << f.breite;
    std::string nord;
    for (const char band : Bandbuchstaben)
        if (IstNordband(band)) nord += band;
    EXPECT_EQ(nord, "NPQRSTUVWX");
    EXPECT_FALSE(IstNordband('\0'));
    EXPECT_FALSE(IstNordband('A'));
}

} // namespace
