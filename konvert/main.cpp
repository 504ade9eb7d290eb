// kartovex-konvert: the conversions of KartovexLE for many points at once.
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <thread>
#include <vector>

#include "Version.h"
#include "geodesy/modKartovex.h"
#include "konvert/Aufruf.h"
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
           "Leere Zeilen und solche nur aus Leerzeichen und Tabulatoren zählen nicht.\n"
           "Meldungen stehen mit ihrer Zeilennummer auf der Standardfehlerausgabe,\n"
           "auf einem Terminal auch eine Fortschrittszeile.\n\n"
           "Optionen (ein Wert auch nach '=', etwa --threads=2; -- beendet die Optionen):\n"
           "  --format FORMAT      Eingabeformat: Nummer, Kurzname oder Name (siehe unten),\n"
           "                       oder auto: jede Zeile in der Schreibweise, die sie hat\n"
           "                       (wie beim Einfügen ins Eingangsfenster); das erkannte\n"
           "                       Format steht in der Spalte format; die ganze Zeile ist\n"
           "                       eine Koordinate, eigene Spalten gibt es dabei nicht\n"
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
           "  --delimiter ZEICHEN  Trennzeichen der CSV-Ausgabe (Vorgabe: ';'): Leerzeichen,\n"
           "                       Tabulator oder ein Satzzeichen außer \" - . _ (Buchstaben,\n"
           "                       Ziffern und diese stehen in Zahlen und Spaltennamen und\n"
           "                       werden abgelehnt)\n"
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
           "  --version            die Versionsnummer und die Lizenz zeigen\n\n"
           "Formate und Zeilenaufbau:\n";
    for (int f = 1; f <= 7; ++f)
        aus << "  " << f << ", " << Kurzname(f) << ", \"" << Formatname(f) << "\":\n      "
            << Zeilenaufbau(f) << "\n";
    aus << "\nRückgabewert: 0 alle Zeilen gerechnet, 1 mindestens eine Zeile mit Meldung,\n"
           "2 falscher Aufruf, Datei nicht lesbar oder Kopfzeile länger als 64 KiB,\n"
           "3 Schreibfehler bei der Ausgabe (der Lauf endet beim ersten und löscht eine\n"
           "halb geschriebene GIS-Datei) oder die Datei von --out besteht schon.\n";
}

int Aufruffehler(const std::string& text) {
    std::cerr << Programm << ": " << text << "\n(" << Programm << " --help zeigt die Hilfe)\n";
    return 2;
}

// The GIS options are served by kartovex-konvert-gis, which links GDAL: it
// takes this process's place with the same arguments. It is looked for
// beside this program (the build tree), then where it is installed, seen
// from this program.
int GisProgramm(char* argv[]) {
    std::error_code fehler;
    const auto hier = std::filesystem::read_symlink("/proc/self/exe", fehler).parent_path();
    for (const std::filesystem::path& gis :
         {hier / "kartovex-konvert-gis", hier / KARTOVEX_GIS_PROGRAMM})
        if (access(gis.c_str(), X_OK) == 0) execv(gis.c_str(), argv);
    std::cerr << Programm << ": " << KARTOVEX_GIS_PROGRAMM << ": " << std::strerror(errno) << '\n';
    return 2;
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
    const Aufruf aufruf =
        LiesAufruf(std::vector<std::string>(argv + std::min(argc, 1), argv + argc),
                   std::max(1u, std::thread::hardware_concurrency()));
    if (!aufruf.fehler.empty()) return Aufruffehler(aufruf.fehler);
    if (aufruf.tun == Aufruf::Tun::Hilfe) {
        Hilfe(std::cout);
        return 0;
    }
    if (aufruf.tun == Aufruf::Tun::Version) {
        std::cout << Programm << ' ' << KartovexVersion << "\nLizenz: " << KartovexLizenz
                  << ", Copyright " << KartovexCopyright << '\n';
        return 0;
    }
    Optionen o = aufruf.optionen;
    const std::string& datei = aufruf.datei;
    if (aufruf.gis.aktiv()) return GisProgramm(argv);

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

    modKartovex::setDezimaltrenner(RegionalerDezimaltrenner());
    o.fortschritt = isatty(STDERR_FILENO) != 0;
    if (o.fortschritt) std::signal(SIGINT, NachAbbruch);
    // A closed pipe is a failed write like any other, not a silent end.
    std::signal(SIGPIPE, SIG_IGN);
    Schreiber ausgabe(STDOUT_FILENO);
    std::ostream aus(&ausgabe);
    const Bilanz b = Konvertiere(ein, aus, std::cerr, o);
    if (b.abgebrochen) return 2;
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
