// kartovex-konvert: the conversions of KartovexLE for many points at once.
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>

#include <algorithm>
#include <charconv>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <locale>
#include <optional>
#include <sstream>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "Version.h"
#include "geodesy/modKartovex.h"
#include "konvert/Gisprogramm.h"
#include "konvert/Schreiber.h"
#include "konvert/Strom.h"

using namespace kartovex;
using namespace kartovex::konvert;

namespace {

constexpr const char* Programm = "kartovex-konvert";

// The usage text. The manual page kartovex-konvert.1 is checked against it:
// every option named here, the formats and the exit codes must appear there.
void Hilfe(std::ostream& aus) {
    aus << "Aufruf: " << Programm
        << " --format FORMAT [--json | --geojson] [--columns GRUPPEN]\n"
           "       [--numbers] [--delimiter ZEICHEN] [--separator ZEICHEN] [--header]\n"
           "       [--threads N] [DATEI]\n"
           "       "
        << Programm
        << " [--format FORMAT] [--in GISDATEI [--layer EBENE]]\n"
           "       [--out GISDATEI [--driver TREIBER] [--overwrite]] [...] [DATEI]\n\n"
           "Liest einen Punkt je Zeile aus DATEI (ohne DATEI oder mit - von der\n"
           "Standardeingabe) und schreibt jeden Punkt in allen Formaten als CSV\n"
           "(Trennzeichen ';', Kopfzeile mit den Feldnamen) oder mit --json als\n"
           "JSON-Zeilen. Felder einer Eingabezeile trennt ';' oder ein Tabulator;\n"
           "ein Feld in Anführungszeichen (\"48,5\") darf Trennzeichen enthalten.\n"
           "Felder nach denen des Formats sind eigene Spalten: Sie stehen unverändert\n"
           "vor den Ergebnissen. Grad der Formate 1 bis 3 dürfen ein Vorzeichen statt\n"
           "eines Halbkugelfelds tragen (-33.9;18.4 ist 33.9° S, 18.4° E).\n"
           "Meldungen stehen mit ihrer Zeilennummer auf der Standardfehlerausgabe,\n"
           "auf einem Terminal auch eine Fortschrittszeile.\n\n"
           "Optionen (ein Wert auch nach '=', etwa --threads=2; -- beendet die Optionen):\n"
           "  --format FORMAT      Eingabeformat: Nummer, Kurzname oder Name (siehe unten),\n"
           "                       oder auto: jede Zeile in der Schreibweise, die sie hat\n"
           "                       (wie beim Einfügen ins Eingangsfenster); das erkannte\n"
           "                       Format steht in der Spalte format\n"
           "  --json               JSON-Zeilen statt CSV schreiben\n"
           "  --geojson            eine GeoJSON-FeatureCollection von Punkten schreiben\n"
           "                       (Zeilen mit Meldung fehlen darin; ihre Zahl steht am\n"
           "                       Ende auf der Standardfehlerausgabe)\n"
           "  --columns GRUPPEN    nur diese Spaltengruppen in dieser Reihenfolge, durch\n"
           "                       Kommas getrennt: dezimal, gradmin, gradminsek, utm,\n"
           "                       mil, ref, gk (Vorgabe: alle)\n"
           "  --numbers            schlichte Zahlen statt der Texte des Ausgabefensters:\n"
           "                       Grad mit Vorzeichen (Süd und West negativ), ganze Meter\n"
           "                       ohne führende Nullen, UTM mil und UTMREF ohne Leerzeichen\n"
           "  --delimiter ZEICHEN  Trennzeichen der CSV-Ausgabe (Vorgabe: ';')\n"
           "  --separator ZEICHEN  Trennzeichen der Eingabe (Vorgabe: ';' oder Tabulator)\n"
           "  --header             die erste Zeile ist eine Kopfzeile: nicht rechnen, die\n"
           "                       Namen eigener Spalten übernehmen\n"
           "  --threads N          Zahl der rechnenden Threads (Vorgabe: alle Kerne)\n"
           "  --in GISDATEI        statt Zeilen die Punkte einer Ebene einer GIS-Datei lesen\n"
           "                       (GPX, KML, GeoPackage, Shapefile, GeoJSON, FlatGeobuf,\n"
           "                       CSV mit Geometriespalte); --format entfällt, die\n"
           "                       Attribute sind eigene Spalten, Meldungen nennen die\n"
           "                       Objektnummer\n"
           "  --layer EBENE        diese Ebene lesen (Vorgabe: die erste mit Punkten; GPX:\n"
           "                       die Wegpunkte, ohne solche die Spurpunkte)\n"
           "  --out GISDATEI       die Punkte ohne Meldung als GIS-Datei in WGS 84 schreiben,\n"
           "                       das Format nach der Endung: .gpkg, .shp, .gpx, .kml,\n"
           "                       .fgb, .geojson\n"
           "  --driver TREIBER     das Format für --out: GPKG, \"ESRI Shapefile\", GPX, KML,\n"
           "                       FlatGeobuf oder GeoJSON\n"
           "  --overwrite          eine bestehende Datei von --out ersetzen\n"
           "  --progress           für andere Programme: Zeilen \"Fortschritt N PROMILLE\"\n"
           "                       und am Ende \"Ergebnis GERECHNET MIT_MELDUNG\" auf der\n"
           "                       Standardfehlerausgabe\n"
           "  -h, --help           diese Hilfe zeigen\n"
           "  --version            die Versionsnummer zeigen\n\n"
           "Formate und Zeilenaufbau:\n";
    for (int f = 1; f <= 7; ++f)
        aus << "  " << f << ", " << Kurzname(f) << ", \"" << Formatname(f) << "\":\n      "
            << Zeilenaufbau(f) << "\n";
    aus << "\nRückgabewert: 0 alle Zeilen gerechnet, 1 mindestens eine Zeile mit Meldung,\n"
           "2 falscher Aufruf oder Datei nicht lesbar, 3 Schreibfehler bei der Ausgabe\n"
           "(der Lauf endet beim ersten und löscht eine halb geschriebene GIS-Datei) oder\n"
           "die Datei von --out besteht schon.\n";
}

int Aufruffehler(const std::string& text) {
    std::cerr << Programm << ": " << text << "\n(" << Programm << " --help zeigt die Hilfe)\n";
    return 2;
}

// The decimal separator of the user's regional settings, as the windows read it.
char Dezimaltrenner() {
    try {
        return std::use_facet<std::numpunct<char>>(std::locale("")).decimal_point();
    } catch (const std::exception&) {
        return '.';
    }
}

// The output fields of the groups of --columns ("dezimal,utm,gk": format
// names or numbers) in the order given; returns the fault or the empty text.
std::string Spaltenwahl(const std::string& liste, std::vector<Aus>& spalten) {
    spalten.clear();
    std::vector<int> gewaehlt;
    std::istringstream gruppen(liste);
    for (std::string gruppe; std::getline(gruppen, gruppe, ',');) {
        const auto f = FormatAusName(gruppe);
        if (!f)
            return "unbekannte Spaltengruppe »" + gruppe +
                   "« (dezimal, gradmin, gradminsek, utm, mil, ref, gk)";
        if (std::find(gewaehlt.begin(), gewaehlt.end(), *f) != gewaehlt.end())
            return "Spaltengruppe »" + gruppe + "« doppelt";
        gewaehlt.push_back(*f);
        for (const Ausgabefeld& feld : Ausgabefelder())
            if (feld.format == *f) spalten.push_back(feld.feld);
    }
    if (spalten.empty()) return "--columns braucht eine Liste von Spaltengruppen";
    return {};
}

// Ctrl+C on a terminal: the progress line goes before the program ends by the
// signal, so the shell's prompt starts on a clean line. Only async-signal-safe
// calls here.
extern "C" void NachAbbruch(int signal) {
    static const char loeschen[] = "\r\033[K";
    [[maybe_unused]] const ssize_t n = write(STDERR_FILENO, loeschen, sizeof loeschen - 1);
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

// A directory opens like a file but gives no lines: refused before any output.
bool IstVerzeichnis(int fd) {
    struct stat s {};
    return fstat(fd, &s) == 0 && S_ISDIR(s.st_mode);
}

int Lesefehler(const std::string& datei, int fehler) {
    std::cerr << Programm << ": " << (datei == "-" ? "Standardeingabe" : datei) << ": "
              << std::strerror(fehler) << '\n';
    return 2;
}

} // namespace

int main(int argc, char* argv[]) {
    std::ios::sync_with_stdio(false);
    Optionen o;
    o.threads = std::max(1u, std::thread::hardware_concurrency());
    Gisauftrag gis;
    bool formatDa = false, nurDateien = false;
    std::string datei = "-";
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        // "--name=wert" and "--name wert" alike.
        std::optional<std::string> angehaengt;
        if (const auto gleich = a.find('=');
            !nurDateien && a.starts_with("--") && gleich != std::string::npos) {
            angehaengt = a.substr(gleich + 1);
            a.resize(gleich);
        }
        const auto wert = [&]() -> std::optional<std::string> {
            if (angehaengt) return std::exchange(angehaengt, std::nullopt);
            if (i + 1 < argc) return std::string(argv[++i]);
            return std::nullopt;
        };
        if (nurDateien || a == "-" || a.empty() || a[0] != '-') {
            if (datei != "-") return Aufruffehler("nur eine Eingabedatei");
            datei = a;
            continue;
        }
        if (a == "--") {
            nurDateien = true;
        } else if (a == "--help" || a == "-h") {
            Hilfe(std::cout);
            return 0;
        } else if (a == "--version") {
            std::cout << Programm << ' ' << KartovexVersion << '\n';
            return 0;
        } else if (a == "--format") {
            const auto w = wert();
            const auto f = w ? FormatAusName(*w) : std::nullopt;
            if (!f) return Aufruffehler("unbekanntes Format »" + w.value_or("") + "«");
            o.format = *f;
            o.form.formatSpalte = *f == Automatisch;
            formatDa = true;
        } else if (a == "--json") {
            o.form.json = true;
        } else if (a == "--numbers") {
            o.form.zahlen = true;
        } else if (a == "--geojson") {
            o.form.geojson = true;
        } else if (a == "--columns") {
            const auto w = wert();
            if (!w) return Aufruffehler("--columns braucht eine Liste von Spaltengruppen");
            if (std::string fehler = Spaltenwahl(*w, o.form.spalten); !fehler.empty())
                return Aufruffehler(fehler);
        } else if (a == "--in" || a == "--layer" || a == "--out" || a == "--driver") {
            const auto w = wert();
            if (!w || w->empty()) return Aufruffehler(a + " braucht einen Wert");
            (a == "--in"      ? gis.ein
             : a == "--layer" ? gis.ebene
             : a == "--out"   ? gis.aus
                              : gis.treiber) = *w;
        } else if (a == "--overwrite") {
            gis.ueberschreiben = true;
        } else if (a == "--progress") {
            gis.fortschritt = true;
        } else if (a == "--header") {
            o.kopfzeile = true;
        } else if (a == "--separator" || a == "--delimiter") {
            const auto w = wert();
            if (!w || w->size() != 1 || std::strchr("\"\r\n", (*w)[0]))
                return Aufruffehler(a + " braucht genau ein Zeichen (nicht \" oder Zeilenende)");
            // --separator splits the input lines, --delimiter the output records.
            (a == "--separator" ? o.zeile.trenner : o.form.trenner) = (*w)[0];
        } else if (a == "--threads") {
            const auto w = wert();
            unsigned n = 0;
            if (!w || std::from_chars(w->data(), w->data() + w->size(), n).ec != std::errc() ||
                n == 0 || n > 256)
                return Aufruffehler("--threads braucht eine Zahl von 1 bis 256");
            o.threads = n;
        } else {
            return Aufruffehler("unbekannte Option »" + a + "«");
        }
        if (angehaengt) return Aufruffehler(a + " nimmt keinen Wert");
    }
    if (!gis.ein.empty() && datei != "-") return Aufruffehler("--in oder DATEI, nicht beide");
    if (!formatDa && gis.ein.empty()) return Aufruffehler("--format fehlt");
    if (o.form.json && o.form.geojson) return Aufruffehler("--json oder --geojson, nicht beide");
    if (gis.aktiv()) {
        std::signal(SIGPIPE, SIG_IGN);
        modKartovex::setDezimaltrenner(Dezimaltrenner());
        return GisLauf(gis, o, datei, std::cerr);
    }

    std::ifstream dateistrom;
    if (datei != "-") {
        dateistrom.open(datei, std::ios::binary);
        if (!dateistrom) return Lesefehler(datei, errno);
    }
    std::istream& ein = datei == "-" ? std::cin : dateistrom;
    std::error_code fehler;
    // The first read tells a directory or an unreadable input before any output.
    if ((datei == "-" && IstVerzeichnis(STDIN_FILENO)) ||
        (datei != "-" && std::filesystem::is_directory(datei, fehler)))
        return Lesefehler(datei, EISDIR);
    errno = 0;
    if (ein.peek() == std::char_traits<char>::eof() && ein.bad())
        return Lesefehler(datei, errno != 0 ? errno : EIO);

    modKartovex::setDezimaltrenner(Dezimaltrenner());
    o.fortschritt = isatty(STDERR_FILENO) != 0;
    if (o.fortschritt) std::signal(SIGINT, NachAbbruch);
    // A closed pipe is a failed write like any other, not a silent end.
    std::signal(SIGPIPE, SIG_IGN);
    Schreiber ausgabe(STDOUT_FILENO);
    std::ostream aus(&ausgabe);
    const Bilanz b = Konvertiere(ein, aus, std::cerr, o);
    if (ausgabe.fehler() != 0) {
        std::cerr << Programm << ": Schreiben in die Standardausgabe gescheitert: "
                  << std::strerror(ausgabe.fehler()) << '\n';
        return 3;
    }
    if (ein.bad()) {
        std::cerr << Programm << ": Lesefehler in " << datei << '\n';
        return 2;
    }
    if (o.form.geojson && b.fehler > 0)
        std::cerr << Programm << ": " << b.fehler
                  << (b.fehler == 1 ? " Zeile mit Meldung fehlt" : " Zeilen mit Meldung fehlen")
                  << " in der GeoJSON-Ausgabe.\n";
    return b.fehler == 0 ? 0 : 1;
}
