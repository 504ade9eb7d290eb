// What the whole-input checks and the conversion driver see of the calculation
// window, as plain data: the texts of its fields, which option buttons are on,
// and the window's bound texts. The window fills it before a check and applies
// the normalised texts, the bounds and the verdict afterwards.
#pragma once

#include <map>
#include <set>
#include <string>

#include "checks/Grenzen.h"

namespace kartovex {

struct Eingabe {
    std::map<std::string, std::string> texte; // objectName of a text field -> its text
    std::set<std::string> an;                 // objectNames of the option buttons that are on
    Grenzen grenzen;                          // RechtsMax, RechtsMin, HochMax, HochMin

    // The text of a field; a field that is not there reads as the empty text.
    std::string text(const std::string& feld) const {
        auto it = texte.find(feld);
        return it == texte.end() ? std::string() : it->second;
    }
    bool istAn(const std::string& option) const { return an.count(option) != 0; }
};

// The verdict of a whole-input check: at most one message and one focus move.
struct Pruefergebnis {
    bool ok = true;
    std::string meldung;          // empty when ok
    std::string fokus;            // objectName that gets the focus; empty: the focus stays
    bool fokusVorMeldung = false; // true: move the focus before the box, else after it
};

} // namespace kartovex
