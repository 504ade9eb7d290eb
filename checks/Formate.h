// What the seven input formats consist of, written down once: every input
// field with its key rule, Enter target, colour and example; every format with
// its fields in order, its option groups, its whole-input check and the way
// its texts become the geographic position; and the output fields in the
// order of the output window. Checks, conversion, windows, the batch
// converter and the tests iterate these tables. Outside the window layer a
// field is named by its enumerator, so a misspelt field does not compile; the
// names are the widgets' objectNames, for the window layer. Beside them stand
// the names and rules a screen reader speaks for each field, option button,
// option group and input frame; the windows apply them, so each lives once.
//
// Adding an input field: its enumerator in Feld, its row in the field table
// (Formate.cpp) and its place in its format's field list.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace kartovex {

inline constexpr std::size_t FormatAnzahl = 7;

// The input formats as the entry window's buttons number them.
namespace Eingabeformat {
constexpr int GradDezimal = 1;
constexpr int GradMinuten = 2;
constexpr int GradMinSek = 3;
constexpr int UTMzivil = 4;
constexpr int UTMmil = 5;
constexpr int UTMref = 6;
constexpr int GaussKrueger = 7;
} // namespace Eingabeformat

// clang-format off
// The typed input fields of the calculation window, grouped by format.
enum class Feld : std::uint8_t {
    texBreite, texLaenge,                                            // decimal degrees
    texBreiteGrad, texBreiteMinute, texLaengeGrad, texLaengeMinute,  // degrees, minutes
    texBGrad, texBMinute, texBSekunde, texLGrad, texLMinute, texLSekunde,
    texZone, texRechts, texHoch,                                     // UTM civil
    texZoneM, tex100km, tex10km, tex1km, tex100m, tex10m, tex1m,     // UTM military
    texREFZone, texREF100, texREFZiffern,                            // UTMREF
    texGKRechts, texGKHoch,                                          // Gauss-Krueger
};
inline constexpr std::size_t FeldAnzahl = std::size_t(Feld::texGKHoch) + 1;

// The option buttons of the calculation window.
enum class Option : std::uint8_t {
    optDezN, optDezS, optDezE, optDezW,
    optGMN, optGMS, optGME, optGMW,
    optGradN, optGradS, optGradE, optGradW,
    optDrei, optSechs,
};
inline constexpr std::size_t OptionAnzahl = std::size_t(Option::optSechs) + 1;

// The fields of the output window in its order; the Gauss-Krueger frame's
// fields come last, from texGKRechtsAUS on. labStreifenbreite is a label.
enum class Aus : std::uint8_t {
    texBreiteAUS, texLaengeAUS,
    texBreiteGradAUS, texBreiteMinuteAUS, texLaengeGradAUS, texLaengeMinuteAUS,
    texBGradAUS, texBMinuteAUS, texBSekundeAUS, texLGradAUS, texLMinuteAUS, texLSekundeAUS,
    texZone2, texRechts2, texHoch2,
    texMilUTM,
    texREFAUS,
    texGKRechtsAUS, texGKHochAUS, labStreifenbreite, texMeridianAUS,
};
inline constexpr std::size_t AusAnzahl = std::size_t(Aus::texMeridianAUS) + 1;
// clang-format on

// The key filters. Each accepts Backspace (8), Tab (9) and Enter (13)
// besides its own characters.
enum class Tastenfilter {
    Keiner,
    NurZiffern,
    ZiffernUndKomma,
    ZiffernUndBuchstaben,
    NurBuchstaben
};

// The background a field shows; the window layer maps each role to a colour.
enum class Farbrolle { Breite, Laenge, Zone, Quadrat, Gruppe };

struct Feldbeschreibung {
    Feld feld;
    std::string_view name; // objectName
    Tastenfilter filter;
    bool grossschreibung;          // lower-case letters become upper case first
    std::string_view meldungsende; // last line of the rejection message
    std::optional<Feld> enter;     // where Enter moves the focus; empty: the "Berechnung" button
    Farbrolle farbe;
    std::string_view beispiel;   // what the format's example button writes
    std::string_view spalte;     // the field's name in the batch converter's line layout
    std::string_view sprechname; // what a screen reader calls it; unique in its window
    std::string_view regel;      // what it accepts, from its format's hint
};

// An option button: its objectName and what a screen reader says it chooses.
struct Optionsbeschreibung {
    std::string_view name;
    std::string_view sprechname;
};

// Two option buttons of which one is on: the hemisphere of latitude or of
// longitude, or the Gauss-Krueger strip width.
struct Optionsgruppe {
    Option standard; // on when the window starts
    Option andere;
    std::string_view was;             // what the group chooses, for messages
    std::string_view standardZeichen; // letters that choose `standard` in a batch line
    std::string_view andereZeichen;   // letters that choose `andere`
    std::string_view aufbau;          // the group in the line layout, e.g. "N|S"
    std::string_view sprechname;      // the group's name for a screen reader
};

struct Eingabe;
struct Pruefergebnis;
class Ausgabetexte;

// The position on the UTM ellipsoid in decimal degrees, '-' in front for
// south and west. Every later output stage starts from these two texts.
struct Position {
    std::string Breitentext;
    std::string Laengentext;
};

struct Format {
    int nummer;                        // InputFormat, as the entry window numbers its buttons
    std::string_view name;             // caption of the entry window's button
    std::string_view kurz;             // short alias of the batch converter
    std::string_view rahmen;           // objectName of the calculation window's frame
    std::string_view rahmenSprechname; // the frame's name for a screen reader
    std::span<const Feld> felder;
    std::span<const Optionsgruppe> optionen;
    // The whole-input check behind "Berechnung".
    Pruefergebnis (*pruefe)(Eingabe&);
    // After a passed check: the position, and the output fields the input
    // gives directly (a grid input repeats itself in its own notation).
    Position (*lies)(Eingabe&, Ausgabetexte&);
    bool utmAusPosition; // the UTM output fields come from the position
    bool gkAusPosition;  // the Gauss-Krueger output fields come from the position
};

// How a text of an output field becomes a plain number (--numbers of the
// batch converter).
enum class Zahlform {
    Text,     // stays as shown, and is no number: zone
    Zahl,     // a number already, only leading zeros go: minutes "05" -> 5, seconds, strip width
    Winkel,   // hemisphere letter and degree sign become the sign: "S00.500000" -> -0.500000
    Meter,    // blanks and leading zeros go: "0571595" -> 571595
    Referenz, // blanks and dots go: "32U  NU  76.15.52.95.51" -> 32UNU7615529551
};

struct Ausgabefeld {
    Aus feld;
    std::string_view name;   // objectName in the output window
    int format;              // the format whose notation it shows (1 to 7)
    std::string_view spalte; // column name of the batch converter's CSV and JSON
    Zahlform zahl;
    // What a screen reader calls it, unique in the output window; empty for
    // a label, which speaks the text it shows.
    std::string_view sprechname;
};

const Feldbeschreibung& Beschreibung(Feld f);
std::span<const Feldbeschreibung> Felder();
std::span<const Format> Formate();
// The format for an InputFormat from 1 to 7, else nullptr.
const Format* FormatNr(int nummer);
std::span<const Ausgabefeld> Ausgabefelder();

std::string_view Name(Feld f);
std::string_view Name(Option o);
std::string_view Sprechname(Option o);
std::string_view Name(Aus a);
// The enumerator for an objectName, for the window layer and test tables.
std::optional<Feld> FeldNamens(std::string_view name);
std::optional<Option> OptionNamens(std::string_view name);
std::optional<Aus> AusNamens(std::string_view name);

constexpr std::size_t Index(Feld f) {
    return std::size_t(f);
}
constexpr std::size_t Index(Option o) {
    return std::size_t(o);
}
constexpr std::size_t Index(Aus a) {
    return std::size_t(a);
}

// Gauss-Krueger values are taken only inside these bounds around Germany.
inline constexpr std::string_view GKRechtsMax = "5538200";
inline constexpr std::string_view GKRechtsMin = "2484700";
inline constexpr std::string_view GKHochMax = "6197355";
inline constexpr std::string_view GKHochMin = "5107150";

} // namespace kartovex
