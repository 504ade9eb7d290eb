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
#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "checks/Geopruefungen.h"
#include "fuzz/Befund.h"

namespace {
using kartovex::Eingabe;
using kartovex::Feld;
using kartovex::Option;
using kartovex::Pruefergebnis;

const std::string Nord84 =
    "Die nördliche Breite muss kleiner sein als 84°.\r\n\r\nAb 84° beginnt UPS";
const std::string Sued80 = "Der Zahlenwert der südlichen Breite darf nicht größer sein als "
                           "80°.\r\n\r\nDanach beginnt UPS.";
const std::string Laenge180 = "Die geographische Länge darf 180° nicht überschreiten!";
const std::string BreiteFehler = "Eingabefehler in der Breite!";

struct Pruefung {
    Pruefergebnis (*pruefe)(Eingabe&);
    std::vector<Feld> felder;
    std::vector<Feld> nullFelder; // empty ones become "0"
    Option nord, sued;
    std::vector<std::string> meldungen;
};

const std::vector<Pruefung>& Pruefungen() {
    static const std::vector<Pruefung> alle = {
        {kartovex::PruefeGradDezimal,
         {Feld::texBreite, Feld::texLaenge},
         {},
         Option::optDezN,
         Option::optDezS,
         {BreiteFehler, Nord84, Sued80, "Eingabefehler in der Länge!", Laenge180}},
        {kartovex::PruefeGradMinuten,
         {Feld::texBreiteGrad, Feld::texBreiteMinute, Feld::texLaengeGrad, Feld::texLaengeMinute},
         {Feld::texBreiteMinute, Feld::texLaengeMinute},
         Option::optGMN,
         Option::optGMS,
         {BreiteFehler, Nord84 + ".", Sued80, "Eingabefehler im Minutenteil der Breite!",
          "Der Minutenwert der Breite darf 59.999999 nicht überschreiten!",
          "Eingabefehler in der Länge!\r\n", Laenge180,
          "Eingabefehler im Minutenteil der Länge!\r\n",
          "Der Minutenwert der Länge darf 59.999999 nicht überschreiten!"}},
        {kartovex::PruefeGradMinSek,
         {Feld::texBGrad, Feld::texBMinute, Feld::texBSekunde, Feld::texLGrad, Feld::texLMinute,
          Feld::texLSekunde},
         {Feld::texBMinute, Feld::texBSekunde, Feld::texLMinute, Feld::texLSekunde},
         Option::optGradN,
         Option::optGradS,
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
bool Enthaelt(const std::vector<Feld>& liste, Feld f) {
    return std::find(liste.begin(), liste.end(), f) != liste.end();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2) return 0;
    const Pruefung& p = Pruefungen()[((data[0] & 0xF) + 2) % 3];
    const auto zeilen = fuzz::Zeilen(data + 2, size - 2);
    Eingabe e;
    for (size_t i = 0; i < p.felder.size(); ++i)
        e[p.felder[i]] = i < zeilen.size() ? zeilen[i] : std::string();
    for (Option o :
         {(data[1] & 1) ? p.sued : p.nord, Option::optDezE, Option::optGME, Option::optGradE})
        e.schalteAn(o);
    const Eingabe vorher = e;
    std::vector<std::string> eingaben;
    for (const auto& text : vorher.texte)
        eingaben.push_back(text);
    const fuzz::NanInfWache wache(eingaben);

    fuzz::Meldungsrekorder rekorder;
    const Pruefergebnis ergebnis = p.pruefe(e);

    FUZZ_CHECK(rekorder.meldungen.empty());
    if (ergebnis.ok) {
        FUZZ_CHECK(ergebnis.meldung.empty() && !ergebnis.fokus);
        for (const auto& f : p.nullFelder)
            FUZZ_CHECK(!e.text(f).empty());
    } else {
        if (!Enthaelt(p.meldungen, ergebnis.meldung)) {
            std::fprintf(stderr, "unknown message: %s\n", ergebnis.meldung.c_str());
            FUZZ_CHECK(!"a message of the check's list");
        }
    }
    if (p.nullFelder.empty())
        FUZZ_CHECK(ergebnis.ok || (ergebnis.fokus && Enthaelt(p.felder, *ergebnis.fokus)));
    else
        FUZZ_CHECK(!ergebnis.fokus);
    FUZZ_CHECK(e.an == vorher.an);
    FUZZ_CHECK(e.meridian == vorher.meridian);
    for (const auto& b : kartovex::Felder()) {
        const Feld feld = b.feld;
        const std::string& text = e.text(feld);
        const std::string& alt = vorher.text(feld);
        FUZZ_CHECK(text == alt || (alt.empty() && text == "0" && Enthaelt(p.nullFelder, feld)));
        FUZZ_CHECK(wache.sauber(text));
    }
    return 0;
}
