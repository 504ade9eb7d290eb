#include "workflow/Zusammenfassung.h"

namespace kartovex {

std::string Zusammenfassung(const Ausgabetexte& felder, bool gkSichtbar) {
    std::string text;
    for (const Format& format : Formate()) {
        if (format.nummer == Eingabeformat::GaussKrueger && !gkSichtbar) continue;
        std::string zeile(format.name);
        bool leer = true;
        for (const Ausgabefeld& feld : Ausgabefelder()) {
            if (feld.format != format.nummer) continue;
            leer = leer && felder[feld.feld].empty();
            zeile += '\t';
            zeile += felder[feld.feld];
        }
        if (!leer) text += zeile + '\n';
    }
    return text;
}

} // namespace kartovex
