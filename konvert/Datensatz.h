// The records of the batch converter: CSV after RFC 4180 or JSON lines.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "konvert/Zeile.h"

namespace kartovex::konvert {

// Every output field in the order of the output window.
std::vector<Aus> AlleSpalten();

// Whether CSV can be written with this separator: a blank, a tab or an ASCII
// punctuation mark that no number, column name or line number holds, so that
// only fields that hold it need quotes. Letters, digits, '-', '.', '_', the
// quote and line breaks are not.
bool SichererTrenner(char trenner);
inline constexpr std::string_view SichereTrenner =
    "Leerzeichen, Tabulator oder ein Satzzeichen außer \" - . _";

struct Ausgabeform {
    bool json = false;                        // JSON lines instead of CSV
    char trenner = ';';                       // CSV field separator
    bool zahlen = false;                      // plain numbers instead of the window's texts
    std::vector<Aus> spalten = AlleSpalten(); // the output fields written, in this order
    bool formatSpalte = false; // a column "format" after "zeile": the format each line was read in
    std::vector<std::string> eigene; // names of the user's own columns
    // A GeoJSON FeatureCollection: one point feature per line without a
    // message, the first one's leading ',' to be dropped by the writer.
    bool geojson = false;
};

// What closes the output after the last record: "]}" for GeoJSON, else nothing.
std::string Schluss(const Ausgabeform& form);

// CSV: the header row "zeile", "format" (formatSpalte only), the user's own
// columns, the column names of the chosen output fields, "meldung". JSON lines
// have no header (empty text).
std::string Kopfzeile(const Ausgabeform& form);

// Writes the records of one output form. What every record repeats, the
// JSON names and how each output field is written, is prepared once.
class Satzschreiber {
public:
    explicit Satzschreiber(const Ausgabeform& form);

    // Appends the record of one input line: its number, the user's own
    // fields, the output texts (empty when the line failed) and the message
    // (the check's or the line's, or the geodesy messages joined by CR LF;
    // empty when there was none). CSV records end with CR LF, JSON lines and
    // GeoJSON features with LF.
    void haengeAn(std::string& ziel, std::uint64_t zeile, const Punkt& p) const;

private:
    struct Spalte {
        Aus feld;
        Zahlform zahl; // Text unless --numbers makes the field a number
    };
    template <class F> void jederWert(const Punkt& p, std::string_view meldung, F&& wert) const;
    bool csvOhneAnfuehrung(std::string& ziel, std::string_view nummer, const Punkt& p,
                           std::string_view meldung) const;
    bool jsonOhneEscapes(std::string& ziel, std::string_view nummer, const Punkt& p,
                         std::string_view meldung) const;
    void jsonSatz(std::string& ziel, std::string_view nummer, const Punkt& p,
                  std::string_view meldung) const;
    void geoJsonPunkt(std::string& ziel, std::string_view nummer, const Punkt& p) const;

    Ausgabeform form;
    std::vector<Spalte> spalten;
    // JSON: ,"name": in front of each value after "zeile", in the order of
    // jederWert, the name escaped; and whether no name needed an escape.
    std::vector<std::string> namen;
    bool namenSchlicht = true;
};

// The text of an output field as a plain number (see Zahlform); a text that
// is no number in the expected form, such as "Fehler", stays as it is.
std::string AlsZahl(Zahlform form, std::string_view text);

// Whether a CSV record written without any quotes is right as it stands: it
// holds no quote and no line break, and the separator only the
// `trennerAnzahl` times it stands between fields, so no field holds one.
bool OhneAnfuehrungRichtig(std::string_view satz, char trenner, std::size_t trennerAnzahl);

// Whether a JSON record written without escapes is right as it stands: it
// holds no backslash and no control character, and only the `anfuehrungen`
// quotes around its names and texts, so no text holds one.
bool OhneEscapesRichtig(std::string_view satz, std::size_t anfuehrungen);

// A text as UTF-8: itself when it is, else its bytes read as Windows-1252,
// which spreadsheets on German Windows write. JSON and GeoJSON take the
// user's own fields and column names so; CSV copies them unchanged.
std::string AlsUtf8(std::string_view text);

// A message as one line for standard error: every run of line breaks becomes
// one blank.
std::string Einzeilig(const std::string& meldung);

} // namespace kartovex::konvert
