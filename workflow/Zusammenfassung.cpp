#include "workflow/Zusammenfassung.h"

#include <initializer_list>

namespace kartovex {

namespace {

struct Zeile {
    const char* name;
    std::initializer_list<const char*> felder;
};

// The formats of the output window, each with its fields in the window's order.
const Zeile Geografisch[] = {
    {"Grad (dezimal)", {"texBreiteAUS", "texLaengeAUS"}},
    {"Grad/Minuten",
     {"texBreiteGradAUS", "texBreiteMinuteAUS", "texLaengeGradAUS", "texLaengeMinuteAUS"}},
    {"Grad/Minuten/Sekunden",
     {"texBGradAUS", "texBMinuteAUS", "texBSekundeAUS", "texLGradAUS", "texLMinuteAUS",
      "texLSekundeAUS"}},
    {"UTM zivil", {"texZone2", "texRechts2", "texHoch2"}},
    {"UTM mil", {"texMilUTM"}},
    {"UTM ref", {"texREFAUS"}},
};
const Zeile GaussKrueger = {
    "Gauß - Krüger", {"texGKRechtsAUS", "texGKHochAUS", "labStreifenbreite", "texMeridianAUS"}};

void haenge(std::string& text, const Zeile& zeile, const Feldtexte& felder) {
    std::string z = zeile.name;
    bool leer = true;
    for (const char* feld : zeile.felder) {
        const auto it = felder.find(feld);
        const std::string wert = it == felder.end() ? std::string() : it->second;
        leer = leer && wert.empty();
        z += '\t';
        z += wert;
    }
    if (!leer) text += z + '\n';
}

} // namespace

std::string Zusammenfassung(const Feldtexte& felder, bool gkSichtbar) {
    std::string text;
    for (const Zeile& zeile : Geografisch)
        haenge(text, zeile, felder);
    if (gkSichtbar) haenge(text, GaussKrueger, felder);
    return text;
}

} // namespace kartovex
