// What the whole-input checks and the conversion driver see of the calculation
// window, as plain data: the texts of its input fields, which option buttons
// are on, and the window's bound texts. The window fills it before a check and
// applies the normalised texts, the bounds and the verdict afterwards. The
// output of a conversion travels the same way, one text per output field.
#pragma once

#include <array>
#include <bitset>
#include <optional>
#include <string>

#include "checks/Formate.h"
#include "checks/Grenzen.h"

namespace kartovex {

struct Eingabe {
    std::array<std::string, FeldAnzahl> texte; // by Feld
    std::bitset<OptionAnzahl> an;              // by Option: the buttons that are on
    Grenzen grenzen;                           // RechtsMax, RechtsMin, HochMax, HochMin
    std::string meridian;                      // texMeridian, which a Gauss-Krueger run fills

    std::string& operator[](Feld f) { return texte[Index(f)]; }
    const std::string& text(Feld f) const { return texte[Index(f)]; }
    bool istAn(Option o) const { return an.test(Index(o)); }
    void schalteAn(Option o) { an.set(Index(o)); }
};

// The verdict of a whole-input check: at most one message and one focus move.
struct Pruefergebnis {
    bool ok = true;
    std::string meldung;          // empty when ok
    std::optional<Feld> fokus;    // the field that gets the focus; empty: the focus stays
    bool fokusVorMeldung = false; // true: move the focus before the box, else after it
};

// The texts a conversion writes into the output window. A field it does not
// set keeps what it shows.
class Ausgabetexte {
public:
    void setze(Aus a, std::string text) {
        texte[Index(a)] = std::move(text);
        gesetzt.set(Index(a));
    }
    bool hat(Aus a) const { return gesetzt.test(Index(a)); }
    // The text of a field; the empty text for a field that is not set.
    const std::string& operator[](Aus a) const { return texte[Index(a)]; }
    std::string& wegnehmen(Aus a) { return texte[Index(a)]; }
    bool operator==(const Ausgabetexte&) const = default;

private:
    std::array<std::string, AusAnzahl> texte;
    std::bitset<AusAnzahl> gesetzt;
};

} // namespace kartovex
