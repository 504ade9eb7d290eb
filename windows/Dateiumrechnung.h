// The decisions of the file dialog, as plain functions over texts: what the
// input is, where the output goes by default, how kartovex-konvert is called
// and what its lines on standard error say.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace kartovex::datei {

// How the dialog describes the input: "GIS-Datei: GPX" or "Textdatei: ein
// Punkt je Zeile"; empty for no file name.
std::string Eingabeart(const std::string& eingabe);
bool IstGisdatei(const std::string& eingabe);

// The default output next to the input: NAME-umgerechnet.gpkg (or .csv).
std::string Vorgabeausgabe(const std::string& eingabe, bool alsCsv);

// Whether an output name is written as CSV text (by its extension .csv or
// .txt) rather than as a GIS file.
bool IstCsvAusgabe(const std::string& ausgabe);

struct Auftrag {
    std::string eingabe;
    std::string format = "auto"; // a text file's format, as --format takes it
    std::string ebene;           // a GIS file's layer; empty: the first with points
    std::string ausgabe;
    bool ueberschreiben = false;
};

// The arguments of kartovex-konvert for the task (without the program name).
// A CSV output is the program's standard output: the caller directs it into
// the file.
std::vector<std::string> Argumente(const Auftrag& a);

// One line the program writes on standard error during a --progress run.
struct Meldezeile {
    enum class Art { Fortschritt, Ergebnis, Meldung, Sonstiges } art = Art::Sonstiges;
    std::uint64_t zahl = 0;  // Fortschritt: inputs read; Ergebnis: converted
    std::int64_t zweite = 0; // Fortschritt: per mille, -1 unknown; Ergebnis: with a message
    std::string text;        // Meldung, Sonstiges: the line
};
Meldezeile LiesMeldezeile(const std::string& zeile);

// "12 288 Punkte · 310 000 Punkte/s · noch 3 s" (the time left only when the
// share done is known and above zero).
std::string Fortschrittstext(std::uint64_t punkte, double sekunden, std::int64_t promille);

// The closing text: how many points were converted, how many had a message,
// and the first messages with their line or feature numbers.
std::string Ergebnistext(std::uint64_t gerechnet, std::uint64_t mitMeldung,
                         const std::vector<std::string>& ersteMeldungen);

// Thousands separated by a blank, as German texts write them: "1 250 000".
std::string Tausender(std::uint64_t zahl);

} // namespace kartovex::datei
