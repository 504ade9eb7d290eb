#include "konvert/Gisprogramm.h"

#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>

#include "konvert/Gislauf.h"
#include "konvert/Schreiber.h"

namespace kartovex::konvert {

namespace {

constexpr const char* Programm = "kartovex-konvert: ";

volatile std::sig_atomic_t Signal = 0;

extern "C" void Halt(int signal) {
    Signal = signal;
}

// What is asked after each block: whether to go on, and the progress lines.
std::function<bool(const Laufstand&)> Weiter(bool fortschritt, std::ostream& fehler) {
    using Uhr = std::chrono::steady_clock;
    return [fortschritt, &fehler, zuletzt = Uhr::time_point()](const Laufstand& s) mutable {
        if (fortschritt && Uhr::now() - zuletzt >= std::chrono::milliseconds(100)) {
            zuletzt = Uhr::now();
            fehler << "Fortschritt " << s.objekte << ' '
                   << (s.anteil < 0 ? -1 : int(s.anteil * 1000)) << std::endl;
        }
        return Signal == 0;
    };
}

// The source of the run: the layer of --in, or the lines of DATEI.
std::unique_ptr<Objektquelle> Quelle(const Gisauftrag& auftrag, const Optionen& o,
                                     const std::string& datei, std::ifstream& dateistrom) {
    if (!auftrag.ein.empty()) return std::make_unique<Gisquelle>(auftrag.ein, auftrag.ebene);
    std::istream* ein = &std::cin;
    if (datei != "-") {
        dateistrom.open(datei, std::ios::binary);
        std::error_code fehler;
        if (!dateistrom || std::filesystem::is_directory(datei, fehler))
            throw Gisfehler(datei + ": nicht lesbar");
        const auto groesse = std::filesystem::file_size(datei, fehler);
        return std::make_unique<Zeilenquelle>(dateistrom, o.format, o.zeile, o.kopfzeile,
                                              fehler ? 0 : groesse);
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
        for (int s : {SIGTERM, SIGINT, SIGHUP})
            std::signal(s, Halt);
        stand = KonvertiereObjekte(*quelle, *ziel, &fehler, o.threads,
                                   Weiter(auftrag.fortschritt, fehler));
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
    if (stand.abgebrochen) {
        ziel.reset(); // the output file goes
        return 128 + Signal;
    }
    if (auftrag.fortschritt)
        fehler << "Ergebnis " << stand.punkte - stand.fehler << ' ' << stand.fehler << std::endl;
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
