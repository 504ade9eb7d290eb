// kartovex-konvert: the conversions of KartovexLE for many points at once.
#include <unistd.h>

#include <csignal>

#include <charconv>
#include <cstring>
#include <fstream>
#include <iostream>
#include <locale>
#include <string>
#include <thread>

#include "Version.h"
#include "geodesy/modKartovex.h"
#include "konvert/Schreiber.h"
#include "konvert/Strom.h"

using namespace kartovex::konvert;

namespace {

constexpr const char* Programm = "kartovex-konvert";

// The usage text. The manual page kartovex-konvert.1 is checked against it:
// every option named here, the formats and the exit codes must appear there.
void Hilfe(std::ostream& aus) {
    aus << "Aufruf: " << Programm
        << " --format FORMAT [--json] [--delimiter ZEICHEN] [--threads N] [DATEI]\n\n"
           "Liest einen Punkt je Zeile aus DATEI (ohne DATEI oder mit - von der\n"
           "Standardeingabe) und schreibt jeden Punkt in allen Formaten als CSV\n"
           "(Trennzeichen ';', Kopfzeile mit den Feldnamen) oder mit --json als\n"
           "JSON-Zeilen. Felder einer Eingabezeile trennt ';' oder ein Tabulator.\n"
           "Meldungen stehen mit ihrer Zeilennummer auf der Standardfehlerausgabe.\n\n"
           "Optionen:\n"
           "  --format FORMAT      Eingabeformat: Nummer, Kurzname oder Name (siehe unten)\n"
           "  --json               JSON-Zeilen statt CSV schreiben\n"
           "  --delimiter ZEICHEN  Trennzeichen der CSV-Ausgabe (Vorgabe: ';')\n"
           "  --threads N          Zahl der rechnenden Threads (Vorgabe: alle Kerne)\n"
           "  -h, --help           diese Hilfe zeigen\n"
           "  --version            die Versionsnummer zeigen\n\n"
           "Formate und Zeilenaufbau:\n";
    for (int f = 1; f <= 7; ++f)
        aus << "  " << f << ", " << Kurzname(f) << ", \"" << Formatname(f) << "\":\n      "
            << Zeilenaufbau(f) << "\n";
    aus << "\nRückgabewert: 0 alle Zeilen gerechnet, 1 mindestens eine Zeile mit Meldung,\n"
           "2 falscher Aufruf oder Datei nicht lesbar, 3 Schreibfehler bei der Ausgabe\n"
           "(der Lauf endet beim ersten).\n";
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

} // namespace

int main(int argc, char* argv[]) {
    std::ios::sync_with_stdio(false);
    Optionen o;
    o.threads = std::max(1u, std::thread::hardware_concurrency());
    bool formatDa = false;
    std::string datei = "-";
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        const auto wert = [&]() -> const char* { return i + 1 < argc ? argv[++i] : nullptr; };
        if (a == "--help" || a == "-h") {
            Hilfe(std::cout);
            return 0;
        } else if (a == "--version") {
            std::cout << Programm << ' ' << KartovexVersion << '\n';
            return 0;
        } else if (a == "--format") {
            const char* w = wert();
            const auto f = w ? FormatAusName(w) : std::nullopt;
            if (!f) return Aufruffehler(std::string("unbekanntes Format »") + (w ? w : "") + "«");
            o.format = *f;
            formatDa = true;
        } else if (a == "--json") {
            o.form.json = true;
        } else if (a == "--delimiter") {
            const char* w = wert();
            if (!w || std::strlen(w) != 1 || std::strchr("\"\r\n", *w))
                return Aufruffehler(
                    "--delimiter braucht genau ein Zeichen (nicht \" oder Zeilenende)");
            o.form.trenner = *w;
        } else if (a == "--threads") {
            const char* w = wert();
            unsigned n = 0;
            if (!w || std::from_chars(w, w + std::strlen(w), n).ec != std::errc() || n == 0 ||
                n > 256)
                return Aufruffehler("--threads braucht eine Zahl von 1 bis 256");
            o.threads = n;
        } else if (a.size() > 1 && a[0] == '-') {
            return Aufruffehler("unbekannte Option »" + a + "«");
        } else if (datei != "-") {
            return Aufruffehler("nur eine Eingabedatei");
        } else {
            datei = a;
        }
    }
    if (!formatDa) return Aufruffehler("--format fehlt");

    std::ifstream dateistrom;
    if (datei != "-") {
        dateistrom.open(datei, std::ios::binary);
        if (!dateistrom) {
            std::cerr << Programm << ": " << datei << ": " << std::strerror(errno) << '\n';
            return 2;
        }
    }
    std::istream& ein = datei == "-" ? std::cin : dateistrom;

    modKartovex::setDezimaltrenner(Dezimaltrenner());
    o.fortschritt = isatty(STDERR_FILENO) != 0;
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
    return b.fehler == 0 ? 0 : 1;
}
