// One point of the batch converter: a line of text, typed into the fields of
// the calculation window as a user would, checked and converted by the same
// functions as the windows.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "workflow/Berechnung.h"

namespace kartovex::konvert {

// Each line in the notation it is written in, as a paste into the entry
// window recognises it (checks/Erkennung.h).
inline constexpr int Automatisch = 0;

// The input format for a name: the entry window's button caption (such as
// "Grad (dezimal)" or "Gauß - Krüger"), a short alias (dezimal, gradmin,
// gradminsek, utm, mil, ref, gk; any case), the number 1 to 7, or "auto"
// (Automatisch).
std::optional<int> FormatAusName(std::string_view name);

// The button caption and the short alias of a format (1 to 7).
std::string_view Formatname(int format);
std::string_view Kurzname(int format);

// The line layout of a format, for the usage text: fields separated by ';'.
std::string Zeilenaufbau(int format);

// From here on the fields of the Gauss-Krueger frame.
inline constexpr std::size_t ErstesGKFeld = Index(Aus::texGKRechtsAUS);

// How the lines of an input are read.
struct Zeilenform {
    char trenner = 0; // field separator; 0: ';' or a tab
    // How many of the user's own fields may follow the format's fields: they
    // are copied into the record unchanged. A line with more fails.
    std::size_t eigeneSpalten = 0;
};

struct Punkt {
    int format = 0;      // the format the line was read in; 0: not recognised
    std::string meldung; // why the line failed (empty when it was converted)
    // What "Berechnung" gave, kept as it came (its texts are not copied).
    Berechnungsergebnis ergebnis;
    // Messages of the geodesy routines, in order (filled while ergebnis is
    // computed, so it comes after it).
    std::vector<std::string> meldungen;
    // The user's own fields of the line, as many as Zeilenform allows, also
    // when the line failed.
    std::vector<std::string> eigene;

    // How many output fields, from the first on, show a text: none when the
    // line failed, all but the Gauss-Krueger ones when the window hides them.
    std::size_t sichtbar = 0;

    // The text the output window shows in a field (empty when not shown).
    const std::string& text(Aus a) const {
        return Index(a) < sichtbar ? ergebnis.ausgabe->texte[a] : KeinText;
    }
    static inline const std::string KeinText;
};

// The number of fields a format's own part of a line can have: its coordinate
// fields and its option groups.
std::size_t Formatfelder(int format);

// The fields after the format's own ones, blanks around each removed.
std::vector<std::string> EigeneFelder(int format, std::string_view zeile, char trenner = 0);

// Installs the geodesy module's message output so that each thread collects
// the messages of the line it converts (outside a conversion they go to
// standard error). Call it before threads start converting; Konvertiere does.
void SammleMeldungen();

// Converts one line (without its line end) of the given format.
//
// The fields of a line are separated by ';' or tabs (or the separator of
// the Zeilenform); blanks around a field
// are not part of it. The fields follow the calculation window's order
// (Zeilenaufbau); missing trailing fields count as empty fields. After the
// coordinate fields of the geographic formats may follow the hemispheres
// (N or S, then E or W; O is taken for E), after the Gauss-Krueger values the
// strip width (3 or 6); left out or empty, they are N, E and 3, as the
// calculation window starts.
//
// Every character goes through the key filter of its field, as if typed: a
// ',' becomes '.', letters of zone and square fields become upper case, and
// a character the field refuses fails the line with the field's message. The
// zone of UTM civil is then left as the window's zone field is left (its
// bounds), and the format's whole-input check and the conversion run as
// behind "Berechnung".
//
// With the format Automatisch, the line is one coordinate in any notation the
// recogniser understands; its field texts are typed as above. A line it does
// not understand fails with KeineKoordinate, or with KeineKoordinateMitFeldern
// when it holds a field separator.
//
// Safe to call from several threads at once. The geodesy messages of the
// call land in Punkt::meldungen once SammleMeldungen has run.
//
// The degrees of formats 1 to 3 may carry a sign instead of a hemisphere
// field: "-33.9;18.4" is 33.9° south, 18.4° east. A sign together with a
// hemisphere field that is not empty fails the line.
Punkt KonvertiereZeile(int format, std::string_view zeile, const Zeilenform& form = {});

inline constexpr std::string_view KeineKoordinate =
    "Keine Koordinate in einer bekannten Schreibweise.";
// The same for a line with field separators: with the format Automatisch the
// whole line is one coordinate, so it can have no fields of the user's own.
inline constexpr std::string_view KeineKoordinateMitFeldern =
    "Keine Koordinate in einer bekannten Schreibweise. Mit --format auto ist die ganze Zeile "
    "eine Koordinate; eigene Spalten sind nicht möglich.";

// A field that starts with a quote is quoted as CSV writes it; this fails a
// line whose quote is never closed.
inline constexpr std::string_view OffeneAnfuehrung =
    "Ein Feld beginnt mit einem Anführungszeichen, das nicht geschlossen wird.";

} // namespace kartovex::konvert
