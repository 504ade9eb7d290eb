// The whole conversion behind "Berechnung" on arbitrary field texts.
//
// Input: the low four bits of the first byte are the InputFormat (0 to 15;
// only 1 to 7 are formats). The second byte sets the option buttons the way
// the window's button groups allow: bit 0 south instead of north, bit 1 west
// instead of east, bit 2 six-degree strips instead of three; with bit 3 the
// bounds of the civil UTM check come from the zone field as the window fills
// them on leaving it, otherwise from the lines after the format's fields. The
// rest is split at line feeds into the format's fields, in the order of
// Felder below.
//
// Properties:
//  - a passing verdict carries no message and no focus move and always comes
//    with output; a failing one never does; a format outside 1 to 7 does
//    nothing at all;
//  - every message of the geodesy module is one of its own;
//  - no input or output text holds a "nan" or "inf" that the input could not
//    spell, and the twelve geographic output fields, always written and
//    always computed from numbers, none at all.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "checks/Zonenfeld.h"
#include "fuzz/Befund.h"
#include "workflow/Berechnung.h"

namespace {
using kartovex::Eingabe;

using kartovex::Aus;
using kartovex::Option;

// The output fields of the three geographic notations come first in the table.
bool Geographisch(Aus a) {
    return kartovex::Index(a) < kartovex::Index(Aus::texZone2);
}

void SetzeOptionen(uint8_t bits, Eingabe& e) {
    const bool sued = bits & 1, west = bits & 2;
    for (const auto& f : kartovex::Formate())
        for (const auto& g : f.optionen) {
            const bool andere = g.standard == Option::optDrei ? (bits & 4) != 0
                                : g.standard == Option::optDezN || g.standard == Option::optGMN ||
                                        g.standard == Option::optGradN
                                    ? sued
                                    : west;
            e.schalteAn(andere ? g.andere : g.standard);
        }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2) return 0;
    const int format = data[0] & 0xF;
    const auto zeilen = fuzz::Zeilen(data + 2, size - 2);
    const auto* beschrieben = kartovex::FormatNr(format);

    Eingabe e;
    SetzeOptionen(data[1], e);
    size_t zeile = 0;
    if (beschrieben)
        for (const auto f : beschrieben->felder)
            e[f] = zeile < zeilen.size() ? zeilen[zeile++] : std::string();
    if (data[1] & 8) {
        (void)kartovex::ZoneVerlassen(e.text(kartovex::Feld::texZone), e.grenzen);
    } else if (zeilen.size() >= zeile + 4) {
        e.grenzen = {zeilen[zeile], zeilen[zeile + 1], zeilen[zeile + 2], zeilen[zeile + 3]};
    }
    std::vector<std::string> eingaben;
    for (const auto& text : e.texte)
        eingaben.push_back(text);
    for (const auto& g :
         {e.grenzen.RechtsMax, e.grenzen.RechtsMin, e.grenzen.HochMax, e.grenzen.HochMin})
        eingaben.push_back(g);
    const fuzz::NanInfWache wache(eingaben);

    fuzz::Meldungsrekorder rekorder;
    const auto ergebnis = kartovex::Berechnung(format, e);
    const auto& p = ergebnis.pruefung;

    if (format < 1 || format > 7) {
        FUZZ_CHECK(p.ok && p.meldung.empty() && !ergebnis.ausgabe && rekorder.meldungen.empty());
        return 0;
    }
    if (p.ok) FUZZ_CHECK(p.meldung.empty() && !p.fokus && !p.fokusVorMeldung);
    FUZZ_CHECK(p.ok == ergebnis.ausgabe.has_value());
    for (const auto& m : rekorder.meldungen) {
        if (!fuzz::Einer(m, fuzz::ModulMeldungen())) {
            std::fprintf(stderr, "unknown module message: %s\n", m.c_str());
            FUZZ_CHECK(!"a message of the geodesy module");
        }
    }
    for (const auto& text : e.texte)
        FUZZ_CHECK(wache.sauber(text));
    FUZZ_CHECK(wache.sauber(e.meridian));
    if (!ergebnis.ausgabe) return 0;
    const auto& texte = ergebnis.ausgabe->texte;
    for (const auto& feld : kartovex::Ausgabefelder()) {
        if (Geographisch(feld.feld)) FUZZ_CHECK(texte.hat(feld.feld));
        const std::string& text = texte[feld.feld];
        if (!wache.sauber(text) || (Geographisch(feld.feld) && fuzz::NanOderInf(text))) {
            std::fprintf(stderr, "%s: %s\n", std::string(feld.name).c_str(), text.c_str());
            FUZZ_CHECK(!"no nan or inf in an output field");
        }
    }
    return 0;
}
