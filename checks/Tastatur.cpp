#include "checks/Tastatur.h"

#include <array>

#include "checks/Textregeln.h"

namespace kartovex {

namespace {
bool Steuertaste(int code) {
    return code == 8 || code == 9 || code == 13;
}
bool Ziffer(int code) {
    return code >= '0' && code <= '9';
}
bool Buchstabe(int code) {
    return (code >= 'A' && code <= 'Z') || (code >= 'a' && code <= 'z');
}

// Upper case of a typed character: a to z, and the Latin-1 letters à to þ
// (without ÷) and ÿ, as the single-byte upper-casing of the Windows code page
// does. Other characters, ß included, stay as they are.
int Grossbuchstabe(int code) {
    if (code >= 'a' && code <= 'z') return code - 32;
    if (code >= 0xE0 && code <= 0xFE && code != 0xF7) return code - 32;
    if (code == 0xFF) return 0x178;
    return code;
}

bool Erlaubt(Tastenfilter filter, int code) {
    switch (filter) {
    case Tastenfilter::Keiner:
        return true;
    case Tastenfilter::NurZiffern:
        return NurZiffern(code);
    case Tastenfilter::ZiffernUndKomma:
        return ZiffernUndKomma(code);
    case Tastenfilter::ZiffernUndBuchstaben:
        return ZiffernUndBuchstaben(code);
    case Tastenfilter::NurBuchstaben:
        return NurBuchstaben(code);
    }
    return true;
}

using F = Tastenfilter;
constexpr std::string_view Breite = "ist für die Breite nicht zulässig!";
constexpr std::string_view Laenge = "ist für die Länge nicht zulässig!";
constexpr std::string_view Zone = "ist für die Zone nicht zulässig!";
constexpr std::string_view Rechtswert = "ist für den Rechtswert nicht zulässig!";
constexpr std::string_view Hochwert = "ist für den Hochwert nicht zulässig!";

constexpr std::array<Feldregel, 27> Regeln{{
    {"texBreite", F::ZiffernUndKomma, false, Breite, "texLaenge"},
    {"texLaenge", F::ZiffernUndKomma, false, Laenge, "comRechnen"},
    {"texBreiteGrad", F::NurZiffern, false, Breite, "texBreiteMinute"},
    {"texBreiteMinute", F::ZiffernUndKomma, false, "ist für die Minuten der Breite nicht zulässig!",
     "texLaengeGrad"},
    {"texLaengeGrad", F::NurZiffern, false, Laenge, "texLaengeMinute"},
    {"texLaengeMinute", F::ZiffernUndKomma, false,
     "ist für die Minuteneingabe der Länge nicht zulässig!", "comRechnen"},
    {"texBGrad", F::NurZiffern, false, Breite, "texBMinute"},
    {"texBMinute", F::NurZiffern, false, "ist für die Minuteneingabe nicht zulässig!",
     "texBSekunde"},
    {"texBSekunde", F::ZiffernUndKomma, false, "ist für die Sekunden der Breite nicht zulässig!",
     "texLGrad"},
    {"texLGrad", F::NurZiffern, false, Laenge, "texLMinute"},
    {"texLMinute", F::NurZiffern, false, "ist für die Minuteneingabe der Länge nicht zulässig!",
     "texLSekunde"},
    {"texLSekunde", F::ZiffernUndKomma, false, "ist für die Sekunden der Länge nicht zulässig!",
     "comRechnen"},
    {"texZone", F::ZiffernUndBuchstaben, true, Zone, "texRechts"},
    {"texRechts", F::NurZiffern, false, Rechtswert, "texHoch"},
    {"texHoch", F::NurZiffern, false, Hochwert, "comRechnen"},
    {"texZoneM", F::ZiffernUndBuchstaben, true, Zone, "tex100km"},
    {"tex100km", F::Keiner, true, "", "tex10km"},
    {"tex10km", F::Keiner, false, "", "tex1km"},
    {"tex1km", F::Keiner, false, "", "tex100m"},
    {"tex100m", F::Keiner, false, "", "tex10m"},
    {"tex10m", F::Keiner, false, "", "tex1m"},
    {"tex1m", F::Keiner, false, "", "comRechnen"},
    {"texREFZone", F::ZiffernUndBuchstaben, true, Zone, "texREF100"},
    {"texREF100", F::NurBuchstaben, true, "ist bei 100km nicht zulässig!", "texREFZiffern"},
    {"texREFZiffern", F::NurZiffern, false, "ist für die Ziffern nicht zulässig!", "comRechnen"},
    {"texGKRechts", F::ZiffernUndKomma, false, Rechtswert, "texGKHoch"},
    {"texGKHoch", F::ZiffernUndKomma, false, Hochwert, "comRechnen"},
}};
} // namespace

bool NurZiffern(int code) {
    return Steuertaste(code) || Ziffer(code);
}
bool ZiffernUndKomma(int code) {
    return NurZiffern(code) || code == ',' || code == '.';
}
bool ZiffernUndBuchstaben(int code) {
    return NurZiffern(code) || Buchstabe(code);
}
bool NurBuchstaben(int code) {
    return Steuertaste(code) || Buchstabe(code);
}

const Feldregel* RegelFuer(std::string_view feld) {
    for (const auto& regel : Regeln)
        if (regel.feld == feld) return &regel;
    return nullptr;
}

// A field without a rule (not a typed input field) takes every key unchanged.
Tastenentscheid Tastendruck(std::string_view feld, int code) {
    Tastenentscheid entscheid;
    const Feldregel* regel = RegelFuer(feld);
    if (!regel) {
        entscheid.code = code;
        return entscheid;
    }
    if (regel->grossschreibung) code = Grossbuchstabe(code);
    if (!Erlaubt(regel->filter, code)) {
        entscheid.meldung = "Die Eingabe von\r\n" + text::Utf8(code) + "\r\n";
        entscheid.meldung += regel->meldungsende;
        return entscheid;
    }
    if (regel->filter == Tastenfilter::ZiffernUndKomma && code == ',') code = '.';
    if (code == 13) entscheid.fokusZiel = regel->enterZiel;
    entscheid.code = code;
    return entscheid;
}

} // namespace kartovex
