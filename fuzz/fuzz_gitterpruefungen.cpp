// The four grid checks on arbitrary field texts. The first byte picks the
// check; the rest is split at line feeds into the check's fields (and, for
// the UTM civil check, four bound texts). Properties: a passing verdict never
// carries a message or a focus move, every message comes with a focus target,
// and a passing input is normalised as the converter expects it.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "checks/Gitterpruefungen.h"
#include "fuzz/Befund.h"

namespace {
using kartovex::Eingabe;
using kartovex::Feld;

using fuzz::Zeilen;

bool NurZiffern(const std::string& t) {
    return t.find_first_not_of("0123456789") == std::string::npos;
}

void Fuelle(Eingabe& e, const std::vector<Feld>& felder, const std::vector<std::string>& zeilen) {
    for (size_t i = 0; i < felder.size(); ++i)
        if (i < zeilen.size()) e[felder[i]] = zeilen[i];
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    const auto zeilen = Zeilen(data + 1, size - 1);
    Eingabe e;
    kartovex::Pruefergebnis p;
    switch (data[0] % 4) {
    case 0:
        Fuelle(e, {Feld::texZone, Feld::texRechts, Feld::texHoch}, zeilen);
        if (zeilen.size() >= 7) e.grenzen = {zeilen[3], zeilen[4], zeilen[5], zeilen[6]};
        p = kartovex::PruefeUTMzivil(e);
        if (p.ok)
            FUZZ_CHECK(e.text(Feld::texRechts).size() == 7 && e.text(Feld::texHoch).size() == 7);
        break;
    case 1:
        Fuelle(e,
               {Feld::texZoneM, Feld::tex100km, Feld::tex10km, Feld::tex1km, Feld::tex100m,
                Feld::tex10m, Feld::tex1m},
               zeilen);
        p = kartovex::PruefeUTMmil(e);
        if (p.ok)
            for (Feld g : {Feld::tex10km, Feld::tex1km, Feld::tex100m, Feld::tex10m, Feld::tex1m})
                FUZZ_CHECK(e.text(g).size() == 2 && NurZiffern(e.text(g)));
        break;
    case 2:
        Fuelle(e, {Feld::texREFZone, Feld::texREF100, Feld::texREFZiffern}, zeilen);
        p = kartovex::PruefeUTMref(e);
        if (p.ok) {
            const std::string d = e.text(Feld::texREFZiffern);
            FUZZ_CHECK(!d.empty() && d.size() <= 10 && d.size() % 2 == 0 && NurZiffern(d));
        }
        break;
    default:
        Fuelle(e, {Feld::texGKRechts, Feld::texGKHoch}, zeilen);
        p = kartovex::PruefeGK(e);
        // Seven places before the separator, or none typed and ".00" added
        // (leading zeros may make a whole value longer than seven places).
        if (p.ok)
            for (Feld f : {Feld::texGKRechts, Feld::texGKHoch}) {
                const std::string t = e.text(f);
                FUZZ_CHECK(t.find('.') == t.rfind('.'));
                FUZZ_CHECK(t.find('.') == 7 || t.ends_with(".00"));
            }
        break;
    }
    FUZZ_CHECK(!p.ok || (p.meldung.empty() && !p.fokus && !p.fokusVorMeldung));
    FUZZ_CHECK(p.meldung.empty() || p.fokus.has_value());
    FUZZ_CHECK(!p.fokusVorMeldung || !p.meldung.empty());
    return 0;
}
