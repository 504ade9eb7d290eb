// Decoding of the 100 km square notations: the UTMREF digit group back into
// the five 2-digit groups, and square letters plus groups back into civil UTM.
#include <array>
#include <cmath>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "Quadratbuchstaben.h"
#include "UTMZonen.h"
#include "Zeichen.h"
#include "modKartovex.h"

namespace modKartovex {

namespace {

using intern::Spaltensaetze;
using intern::ZeilenGeradeZone;
using intern::ZeilenUngeradeZone;
using zeichen::An;
using zeichen::Letztes;

// Texts are UTF-8; positions count characters, as the notations do, so that
// no character is ever cut in two.

// Millions digit of the northing by band letter, for the first (even) and the
// second (odd) half of the cycle; empty where the band never reaches that
// half. Band X, second half, is decided separately (see Millionenziffer).
struct Millionen {
    char band;
    std::string_view erste;
    std::string_view zweite;
};
constexpr std::array<Millionen, 20> MillionenJeBand = {{
    {'C', "2", "1"}, {'D', "2", ""},  {'E', "2", "3"}, {'F', "4", "3"}, {'G', "4", "5"},
    {'H', "6", "5"}, {'J', "6", "7"}, {'K', "8", "7"}, {'L', "8", "9"}, {'M', "", "9"},
    {'N', "0", ""},  {'P', "0", "1"}, {'Q', "2", "1"}, {'R', "2", "3"}, {'S', "4", "3"},
    {'T', "4", "5"}, {'U', "6", "5"}, {'V', "6", "7"}, {'W', "7", "7"}, {'X', "8", ""},
}};
static_assert(ZeilenJeBand(MillionenJeBand));

// Largest northing that the lower border latitude of each northern band
// (8, 16, ..., 72 degrees) reaches inside a 6 degree zone, with the letter of
// the band above it.
// In the south the thresholds are 10000000 minus the same values, with the
// letter of the band below the mirrored border.
struct Schwelle {
    double hoch;
    std::string_view nord;
    std::string_view sued;
};
constexpr std::array<Schwelle, 9> Schwellen = {{{885504, "P", "L"},
                                                {1771254, "Q", "K"},
                                                {2657479, "R", "J"},
                                                {3544370, "S", "H"},
                                                {4432069, "T", "G"},
                                                {5320656, "U", "F"},
                                                {6210141, "V", "E"},
                                                {7100467, "W", "D"},
                                                {7991509, "X", "C"}}};
// The bands above the thresholds are P to X, the mirrored ones L down to C.
static_assert([] {
    for (std::size_t i = 0; i < Schwellen.size(); ++i)
        if (Schwellen[i].nord != Nordbaender.substr(i + 1, 1) ||
            Schwellen[i].sued != Bandbuchstaben.substr(Schwellen.size() - 1 - i, 1))
            return false;
    return true;
}());

std::vector<std::string_view> Zeichenliste(std::string_view text) {
    std::vector<std::string_view> liste;
    zeichen::JedesZeichen(text, [&](std::string_view z) {
        liste.push_back(z);
        return true;
    });
    return liste;
}

// Column letter to "0" + the 100 km digit of the easting; empty when the
// letter belongs to no set (lower case included). Decoding accepts a letter
// from any set, whatever the zone.
std::string Spaltenziffern(std::string_view spalte) {
    if (spalte.size() != 1) return {};
    for (std::string_view satz : Spaltensaetze)
        if (auto pos = satz.find(spalte[0]); pos != std::string_view::npos)
            return {'0', static_cast<char>('1' + pos)};
    return {};
}

// Millions digit for a band letter and half of the cycle, "" for none.
//
// Band X, second half: band X runs from northing 7988934 to 9329004, so an odd
// millions digit is 7 at its southern edge (7988934 to 7999999, 100 km digit
// 9) and 9 north of about 81 degrees (9000000 to 9329004, 100 km digits 0 to
// 3). The 100 km digit of the row letter tells the two apart: 7, 8 and 9 give
// 7, the others 9, which puts each decoded northing as near to the band as
// either choice can (and inside it for every square produced from a point of
// band X).
std::string_view Millionenziffer(std::string_view band, bool zweiteHaelfte, int hundertKm) {
    if (band == "X" && zweiteHaelfte) return hundertKm >= 7 ? "7" : "9";
    for (const Millionen& m : MillionenJeBand)
        if (band.size() == 1 && band[0] == m.band) return zweiteHaelfte ? m.zweite : m.erste;
    return {};
}

// Band letter of a decoded northing v. North: N from 0 on, then the letter of
// every threshold that v exceeds; south: M up to 9999999, then the letter of
// every threshold that v lies below. Empty when neither start applies.
std::string_view BandAusHochwert(double v, bool nord) {
    std::string_view band;
    if (nord) {
        if (v >= 0) band = "N";
        for (const Schwelle& s : Schwellen)
            if (v > s.hoch) band = s.nord;
    } else {
        if (v <= 9999999) band = "M";
        for (const Schwelle& s : Schwellen)
            if (v < 10000000 - s.hoch) band = s.sued;
    }
    return band;
}

} // namespace

void UTMref_UTMmil(std::string& /*Frei1*/, std::string& /*Frei2*/, std::string& Ziffern,
                   std::string& G1km, std::string& G100m, std::string& G10m, std::string& G1m) {
    const std::string text = Ziffern; // the groups below overwrite Ziffern
    const auto s = Zeichenliste(text);
    // Half the length, halves to even: 5 digits give 2 per half, 7 give 4,
    // and with an odd length the middle digit serves both halves.
    const auto k = static_cast<std::size_t>(std::nearbyint(static_cast<double>(s.size()) / 2));
    // The i-th digit of each half; missing ones read as 0.
    auto ost = [&](std::size_t i) { return i < k ? s[i] : std::string_view("0"); };
    auto nord = [&](std::size_t i) { return i < k ? s[s.size() - k + i] : std::string_view("0"); };
    auto gruppe = [&](std::size_t i) { return std::string(ost(i)) += nord(i); };
    Ziffern = gruppe(0);
    G1km = gruppe(1);
    G100m = gruppe(2);
    G10m = gruppe(3);
    G1m = gruppe(4);
}

void UTMmil_UTMziv(std::string& Zone, std::string& Quadrat, std::string& G10km, std::string& G1km,
                   std::string& G100m, std::string& G10m, std::string& G1m) {
    const std::string z = Zone;
    const std::string spalte = Spaltenziffern(An(Quadrat, 0));
    if (spalte.empty()) {
        Meldung("Der 1. Buchstabe des 100km-Quadrates ist nicht zulässig");
        G100m = "Fehler";
        return;
    }
    const std::string_view band = Letztes(z);
    // Zone parity from the units digit; anything that is not a digit counts 0.
    const std::string_view einer = An(z, 1);
    const bool geradeZone =
        einer.size() != 1 || !zeichen::IstZiffer(einer[0]) || (einer[0] - '0') % 2 == 0;

    const std::string_view zeile = Letztes(Quadrat);
    const std::string_view zeilen = geradeZone ? ZeilenGeradeZone : ZeilenUngeradeZone;
    const auto zeilenPos = zeile.size() == 1 ? zeilen.find(zeile[0]) : std::string_view::npos;
    if (zeilenPos == std::string_view::npos) {
        Meldung("Der 2. Buchstabe des 100km-Quadrates ist nicht zulässig.");
        G100m = "Fehler";
        return;
    }
    const int hundertKm = static_cast<int>(zeilenPos % 10);
    const bool zweiteHaelfte = zeilenPos >= 10;

    std::string rechts = spalte;
    std::string hoch(Millionenziffer(band, zweiteHaelfte, hundertKm));
    hoch += static_cast<char>('0' + hundertKm);
    for (const std::string* gruppe : {&G10km, &G1km, &G100m, &G10m, &G1m}) {
        rechts += An(*gruppe, 0);
        hoch += Letztes(*gruppe);
    }
    NordHalbkugel = band.size() == 1 && IstNordband(band[0]);
    const std::string_view neuesBand = BandAusHochwert(Zahlwert(hoch), NordHalbkugel);
    Zone = std::move(rechts);
    Quadrat = std::move(hoch);
    G10km = std::string(An(z, 0)) += An(z, 1);
    G10km += neuesBand;
}

} // namespace modKartovex
