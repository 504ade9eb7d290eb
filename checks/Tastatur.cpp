#include "checks/Tastatur.h"

#include "checks/Textregeln.h"
#include "geodesy/Zeichen.h"

namespace kartovex {

namespace {
bool Steuertaste(int code) {
    return code == 8 || code == 9 || code == 13;
}
using modKartovex::zeichen::IstZiffer;
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

} // namespace

bool NurZiffern(int code) {
    return Steuertaste(code) || IstZiffer(code);
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

Tastenentscheid Tastendruck(Feld feld, int code) {
    Tastenentscheid entscheid;
    const Feldbeschreibung* regel = &Beschreibung(feld);
    if (regel->grossschreibung) code = Grossbuchstabe(code);
    if (!Erlaubt(regel->filter, code)) {
        entscheid.meldung = "Die Eingabe von\r\n" + text::Utf8(code) + "\r\n";
        entscheid.meldung += regel->meldungsende;
        return entscheid;
    }
    if (regel->filter == Tastenfilter::ZiffernUndKomma && code == ',') code = '.';
    if (code == 13) {
        entscheid.enter = true;
        entscheid.fokusZiel = regel->enter;
    }
    entscheid.code = code;
    return entscheid;
}

} // namespace kartovex
