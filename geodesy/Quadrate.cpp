// The 100 km square letters: civil UTM to the military notation, and the
// military notation to UTMREF.
#include <cmath>
#include <string>
#include <string_view>

#include "Fehlerbehandlung.h"
#include "modKartovex.h"

namespace modKartovex {

namespace {

using intern::Fehler;
using intern::mitFehlerbehandlung;
using intern::pruefe;

// Texts are UTF-8; positions count characters, as the notations do.
std::size_t zeichenStart(std::string_view text, std::size_t position) {
    std::size_t i = 0;
    for (std::size_t gezaehlt = 1; i < text.size() && gezaehlt < position; ++gezaehlt)
        for (++i; i < text.size() && (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80;)
            ++i;
    return i;
}

// The character at a 1-based position, empty beyond the end of the text.
std::string_view zeichen(std::string_view text, std::size_t position) {
    const std::size_t anfang = zeichenStart(text, position);
    if (anfang >= text.size()) return {};
    std::size_t ende = anfang + 1;
    while (ende < text.size() && (static_cast<unsigned char>(text[ende]) & 0xC0) == 0x80)
        ++ende;
    return text.substr(anfang, ende - anfang);
}

std::size_t zeichenzahl(std::string_view text) {
    std::size_t anzahl = 0;
    for (char z : text)
        anzahl += (static_cast<unsigned char>(z) & 0xC0) != 0x80;
    return anzahl;
}

std::string_view ohneLeerzeichen(std::string_view text) {
    const auto anfang = text.find_first_not_of(' ');
    if (anfang == std::string_view::npos) return {};
    return text.substr(anfang, text.find_last_not_of(' ') - anfang + 1);
}

// Number value of one character (0 for anything but a digit).
int ziffer(std::string_view z) {
    return z.size() == 1 && z[0] >= '0' && z[0] <= '9' ? z[0] - '0' : 0;
}

// Column letters by zone number modulo 3, for the 100 km digit 1 to 8.
std::string_view Spaltensatz(long zone) {
    switch (zone % 3) {
    case 1:
        return "ABCDEFGH";
    case 2:
        return "JKLMNPQR";
    case 0:
        return "STUVWXYZ";
    default:
        return {}; // negative zone numbers: no column set
    }
}

// Row letters by parity of the millions digit and of the zone number, for
// the 100 km digit 0 to 9.
std::string_view Zeilensatz(int millionen, long zone) {
    const bool geradeZone = zone % 2 == 0;
    if (millionen % 2 == 0) return geradeZone ? "FGHJKLMNPQ" : "ABCDEFGHJK";
    return geradeZone ? "RSTUVABCDE" : "LMNPQRSTUV";
}

// The n-th letter (1-based) of a set. Position 0 is outside every set and
// is a fault; a position past the end selects nothing.
std::string_view Buchstabe(std::string_view satz, int n) {
    if (n < 1) throw Fehler{};
    return static_cast<std::size_t>(n) <= satz.size()
               ? satz.substr(static_cast<std::size_t>(n - 1), 1)
               : std::string_view{};
}

} // namespace

void UTMziv_UTMmil(std::string& Zone, std::string& Rechts, std::string& Hoch) {
    mitFehlerbehandlung([&] {
        if (zeichenzahl(ohneLeerzeichen(Rechts)) != 7) {
            Meldung("Der Rechtswert muss genau 7-stellig sein!");
            return;
        }
        if (zeichenzahl(ohneLeerzeichen(Hoch)) != 7) {
            Meldung("Der Hochwert muss genau 7-stellig sein!");
            return;
        }
        const double zoneWert = std::nearbyint(Zahlwert(Zone));
        pruefe(zoneWert);
        if (std::fabs(zoneWert) > 1e9) throw Fehler{}; // a zone number no integer holds
        const long z = static_cast<long>(zoneWert);

        const std::string_view spalte = Buchstabe(Spaltensatz(z), ziffer(zeichen(Rechts, 2)));
        const std::string_view zeile =
            Buchstabe(Zeilensatz(ziffer(zeichen(Hoch, 1)), z), ziffer(zeichen(Hoch, 2)) + 1);

        std::string text = Zone;
        text += "  ";
        text += spalte;
        text += zeile;
        text += "  ";
        for (std::size_t stelle = 3; stelle <= 7; ++stelle) {
            if (stelle > 3) text += '.';
            text += zeichen(Rechts, stelle);
            text += zeichen(Hoch, stelle);
        }
        Zone = std::move(text);
    });
}

void UTMmil_UTMref(std::string& Text) {
    mitFehlerbehandlung([&] {
        // Missing groups read as zeros.
        const std::string t = Text + ".00.00.00.00.00";
        std::string ref = t.substr(0, zeichenStart(t, 10));
        for (std::size_t stelle : {10, 13, 16, 19, 22})
            ref += zeichen(t, stelle);
        for (std::size_t stelle : {11, 14, 17, 20, 23})
            ref += zeichen(t, stelle);
        Text = std::move(ref);
    });
}

} // namespace modKartovex
