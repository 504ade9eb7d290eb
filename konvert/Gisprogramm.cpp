#include "konvert/Gisprogramm.h"

#include <unistd.h>

#include <cstring>
#include <iostream>

#include "konvert/Gislauf.h"
#include "konvert/Schreiber.h"

namespace kartovex::konvert {

int GisLauf(const Gisauftrag& auftrag, const Optionen& o, std::ostream& fehler) {
    constexpr const char* programm = "kartovex-konvert: ";
    std::optional<Gisquelle> quelle;
    try {
        quelle.emplace(auftrag.ein, auftrag.ebene);
    } catch (const Gisfehler& f) {
        fehler << programm << f.what() << '\n';
        return 2;
    }
    if (!quelle->hinweis().empty()) fehler << programm << quelle->hinweis() << '\n';
    Ausgabeform form = o.form;
    form.eigene = quelle->spalten();
    Schreiber ausgabe(STDOUT_FILENO);
    std::ostream aus(&ausgabe);
    Laufstand stand;
    try {
        Textziel ziel(aus, form);
        stand = KonvertiereObjekte(*quelle, ziel, &fehler, o.threads);
    } catch (const Gisfehler& f) {
        if (ausgabe.fehler() != 0) {
            fehler << programm << "Schreiben in die Standardausgabe gescheitert: "
                   << std::strerror(ausgabe.fehler()) << '\n';
            return 3;
        }
        fehler << programm << f.what() << '\n';
        return 2;
    }
    if (form.geojson && stand.fehler > 0)
        fehler << programm << stand.fehler
               << (stand.fehler == 1 ? " Objekt mit Meldung fehlt" : " Objekte mit Meldung fehlen")
               << " in der GeoJSON-Ausgabe.\n";
    return stand.fehler == 0 ? 0 : 1;
}

} // namespace kartovex::konvert
