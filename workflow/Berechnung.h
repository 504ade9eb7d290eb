// The conversion behind the "Berechnung" button, as one plain function over
// the texts of the calculation window.
//
// What the calculation window does around a call of Berechnung:
//  1. Create the output window if it does not exist yet (its load step runs
//     then) and make its frame fraGKAUS visible. This comes first, whatever
//     the input format and whatever the check then says.
//  2. Fill an Eingabe with the texts of its fields, the option buttons that
//     are on and its bound texts, and call Berechnung with InputFormat.
//     Messages of the geodesy routines appear during the call, one after the
//     other, through modKartovex::Meldung.
//  3. Write e.texte back into its own fields (the checks' normalisations such
//     as "0" minutes, "00" groups, ".00" decimals), e.meridian into
//     texMeridian and e.grenzen back into its bound texts; after a
//     grid format (4 to 7) EingabeOK takes pruefung.ok.
//  4. If pruefung.ok is false: show pruefung.meldung (when not empty) as a
//     stop box and move the focus to pruefung.fokus (when not empty), the
//     focus first when fokusVorMeldung says so. Nothing else happens.
//  5. If there is an ausgabe: write every text that ausgabe.texte sets into
//     the output window's field (labStreifenbreite is a label: its caption),
//     leave the fields not set as they are, set the
//     visibility of fraGKAUS to gkSichtbar, and show the output window
//     without making it modal (it comes to the front). The calculation window
//     stays open as it is.
#pragma once

#include <optional>

#include "checks/Eingabe.h"

namespace kartovex {

struct Ausgabe {
    Ausgabetexte texte;     // the output fields this run sets
    bool gkSichtbar = true; // false: the point lies outside Germany, hide fraGKAUS
};

struct Berechnungsergebnis {
    Pruefergebnis pruefung;         // verdict of the format's whole-input check
    std::optional<Ausgabe> ausgabe; // empty: nothing to write or show
};

// Runs the check of the format and, when it passes, the whole conversion.
// An InputFormat outside 1 to 7 does nothing: ok, no message, no ausgabe.
Berechnungsergebnis Berechnung(int InputFormat, Eingabe& e);

// The Bessel position lies strictly inside 46..56 degrees north and
// 5..16 degrees east; only then are Gauss-Krueger values produced.
bool DeutschlandRechteck(const std::string& BesselBreite, const std::string& BesselLaenge);

} // namespace kartovex
