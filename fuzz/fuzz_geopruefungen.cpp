// The three whole-input checks of the geographic formats on arbitrary field
// texts. The low four bits of the first byte pick the check (1 decimal
// degrees, 2 degrees and minutes, 3 degrees, minutes and seconds; other
// values fold onto these), bit 0 of the second byte puts the south button on
// instead of the north one, and the rest is split at line feeds into the
// check's fields. Properties:
//  - a passing verdict carries no message and no focus move, a failing one
//    exactly one message from its check's own list;
//  - only the decimal-degree check moves the focus, on failure, to one of
//    its two fields;
//  - the geodesy module shows nothing;
//  - a field changes only from empty to "0", and only in the minute and
//    second fields of the two sexagesimal checks; after a pass none of those
//    is empty;
//  - no field text holds a "nan" or "inf" that the input could not spell.
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz/Befund.h"
#include "workflow/Geopruefungen.h"

namespace {
using kartovex::Eingabe;
using kartovex::Pruefergebnis;

const std::string Nord84 =
    "Die nördliche Breite muss kleiner sein als 84°.\r\n\r\nAb 84° beginnt UPS";
const std::string Sued80 = "Der Zahlenwert der südlichen Breite darf nicht größer sein als "
                           "80°.\r\n\r\nDanach beginnt UPS.";
const std::string Laenge180 = "Die geographische Länge darf 180° nicht überschreiten!";
const std::string BreiteFehler = "Eingabefehler in der Breite!";

struct Pruefung {
    Pruefergebnis (*pruefe)(Eingabe&);
    std::vector<std::string> felder;
    std::vector<std::string> nullFelder; // empty ones become "0"
    std::string nord, sued;
    std::vector<std::string> meldungen;
};

const std::vector<Pruefung>& Pruefungen() {
    static const std::vector<Pruefung> alle = {
        {kartovex::PruefeGradDezimal,
         {"texBreite", "texLaenge"},
         {},
         "optDezN",
         "optDezS",
         {BreiteFehler, Nord84, Sued80, "Eingabefehler in der Länge!", Laenge180}},
        {kartovex::PruefeGradMinuten,
         {"texBreiteGrad", "texBreiteMinute", "texLaengeGrad", "texLaengeMinute"},
         {"texBreiteMinute", "texLaengeMinute"},
         "optGMN",
         "optGMS",
         {BreiteFehler, Nord84 + ".", Sued80, "Eingabefehler im Minutenteil der Breite!",
          "Der Minutenwert der Breite darf 59.999999 nicht überschreiten!",
          "Eingabefehler in der Länge!\r\n", Laenge180,
          "Eingabefehler im Minutenteil der Länge!\r\n",
          "Der Minutenwert der Länge darf 59.999999 nicht überschreiten!"}},
        {kartovex::PruefeGradMinSek,
         {"texBGrad", "texBMinute", "texBSekunde", "texLGrad", "texLMinute", "texLSekunde"},
         {"texBMinute", "texBSekunde", "texLMinute", "texLSekunde"},
         "optGradN",
         "optGradS",
         {BreiteFehler, Nord84, Sued80, "Fehler in der Minuteneingabe der Breite!",
          "Die Minuteneingabe der Breite darf 59' nicht überschreiten!",
          "Eingabefehler im Sekundenteil der Breite!",
          "Der Sekundenwert der Breite darf 59.999999 nicht überschreiten!",
          "Eingabefehler in der Länge!", Laenge180, "Fehler in der Minuteneingabe der Länge!",
          "Die Minuteneingabe der Länge darf 59' nicht überschreiten!",
          "Eingabefehler im Sekundenteil der Länge!",
          "Der Sekundenwert der Länge darf 59.999999 nicht überschreiten!"}},
    };
    return alle;
}

bool Enthaelt(const std::vector<std::string>& liste, const std::string& t) {
    return fuzz::Einer(t, liste);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2) return 0;
    const Pruefung& p = Pruefungen()[((data[0] & 0xF) + 2) % 3];
    const auto zeilen = fuzz::Zeilen(data + 2, size - 2);
    Eingabe e;
    for (size_t i = 0; i < p.felder.size(); ++i)
        e.texte[p.felder[i]] = i < zeilen.size() ? zeilen[i] : std::string();
    e.an = {(data[1] & 1) ? p.sued : p.nord, "optDezE", "optGME", "optGradE"};
    const Eingabe vorher = e;
    std::vector<std::string> eingaben;
    for (const auto& [feld, text] : vorher.texte)
        eingaben.push_back(text);
    const fuzz::NanInfWache wache(eingaben);

    fuzz::Meldungsrekorder rekorder;
    const Pruefergebnis ergebnis = p.pruefe(e);

    FUZZ_CHECK(rekorder.meldungen.empty());
    if (ergebnis.ok) {
        FUZZ_CHECK(ergebnis.meldung.empty() && ergebnis.fokus.empty());
        for (const auto& f : p.nullFelder)
            FUZZ_CHECK(!e.text(f).empty());
    } else {
        if (!Enthaelt(p.meldungen, ergebnis.meldung)) {
            std::fprintf(stderr, "unknown message: %s\n", ergebnis.meldung.c_str());
            FUZZ_CHECK(!"a message of the check's list");
        }
    }
    if (p.nullFelder.empty())
        FUZZ_CHECK(ergebnis.ok || Enthaelt(p.felder, ergebnis.fokus));
    else
        FUZZ_CHECK(ergebnis.fokus.empty());
    FUZZ_CHECK(e.an == vorher.an);
    FUZZ_CHECK(e.texte.size() == vorher.texte.size());
    for (const auto& [feld, text] : e.texte) {
        const std::string alt = vorher.text(feld);
        FUZZ_CHECK(text == alt || (alt.empty() && text == "0" && Enthaelt(p.nullFelder, feld)));
        FUZZ_CHECK(wache.sauber(text));
    }
    return 0;
}
