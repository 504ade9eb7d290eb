#include "konvert/Gisprogramm.h"

#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>

#include "konvert/Gislauf.h"
#include "konvert/Schreiber.h"

namespace kartovex::konvert {

namespace {

constexpr const char* Programm = "kartovex-konvert: ";

// The source of the run: the layer of --in, or the lines of DATEI.
std::unique_ptr<Objektquelle> Quelle(const Gisauftrag& auftrag, const Optionen& o,
                                     const std::string& datei, std::ifstream& dateistrom) {
    if (!auftrag.ein.empty()) return std::make_unique<Gisquelle>(auftrag.ein, auftrag.ebene);
    std::istream* ein = &std::cin;
    if (datei != "-") {
        dateistrom.open(datei, std::ios::binary);
        if (!dateistrom || std::filesystem::is_directory(datei))
            throw Gisfehler(datei + ": nicht lesbar");
        ein = &dateistrom;
    }
    return std::make_unique<Zeilenquelle>(*ein, o.format, o.zeile, o.kopfzeile);
}

} // namespace

int GisLauf(const Gisauftrag& auftrag, const Optionen& o, const std::string& datei,
            std::ostream& fehler) {
    std::ifstream dateistrom;
    std::unique_ptr<Objektquelle> quelle;
    std::unique_ptr<Punktziel> ziel;
    Schreiber ausgabe(STDOUT_FILENO);
    std::ostream aus(&ausgabe);
    Ausgabeform form = o.form;
    try {
        quelle = Quelle(auftrag, o, datei, dateistrom);
        form.eigene = quelle->spalten();
        if (const auto* gis = dynamic_cast<const Gisquelle*>(quelle.get());
            gis && !gis->hinweis().empty())
            fehler << Programm << gis->hinweis() << '\n';
    } catch (const Gisfehler& f) {
        fehler << Programm << f.what() << '\n';
        return 2;
    }
    Laufstand stand;
    try {
        if (auftrag.aus.empty()) {
            ziel = std::make_unique<Textziel>(aus, form);
        } else {
            const auto* gis = dynamic_cast<const Gisquelle*>(quelle.get());
            const std::string ebene =
                gis ? gis->ebene() : std::filesystem::path(auftrag.aus).stem().string();
            ziel = std::make_unique<Gisziel>(
                auftrag.aus, Ausgabetreiber(auftrag.aus, auftrag.treiber), ebene, form.eigene,
                form.spalten, form.zahlen, auftrag.ueberschreiben);
        }
        stand = KonvertiereObjekte(*quelle, *ziel, &fehler, o.threads);
    } catch (const Gisfehler& f) {
        ziel.reset(); // a GIS file half written goes
        if (ausgabe.fehler() != 0) {
            fehler << Programm << "Schreiben in die Standardausgabe gescheitert: "
                   << std::strerror(ausgabe.fehler()) << '\n';
            return 3;
        }
        fehler << Programm << f.what() << '\n';
        return dynamic_cast<const Gisschreibfehler*>(&f) ? 3 : 2;
    }
    if ((form.geojson || !auftrag.aus.empty()) && stand.fehler > 0) {
        const std::string einheit(quelle->einheit());
        fehler << Programm << stand.fehler << ' '
               << (stand.fehler == 1
                       ? einheit + " mit Meldung fehlt"
                       : einheit + (einheit.ends_with('e') ? "n" : "e") + " mit Meldung fehlen")
               << (auftrag.aus.empty() ? " in der GeoJSON-Ausgabe.\n" : " in der Ausgabedatei.\n");
    }
    return stand.fehler == 0 ? 0 : 1;
}

} // namespace kartovex::konvert
