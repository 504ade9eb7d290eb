// Character-level helpers and the zone rules that the zone field and the
// three UTM checks share. Field texts are UTF-8; "character" means one code
// point, so a typed umlaut counts as one character, as the user sees it
// (geodesy/Zeichen.h walks the texts).
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kartovex::text {

inline constexpr std::string_view Ziffern = "0123456789";
inline constexpr std::string_view ErsteZonenziffer = "0123456";

// The characters of a UTF-8 text, each as its own UTF-8 sequence. A byte that
// does not start a complete sequence counts as one character of its own.
std::vector<std::string> Zeichen(const std::string& text);

// Number of characters of a text.
std::size_t Laenge(const std::string& text);

// The first n characters (all of them when the text is shorter).
std::string Anfang(const std::string& text, std::size_t n);

// Whether one character lies in an ASCII set. The empty character (a position
// the text does not have) counts as found in any set.
bool InMenge(std::string_view zeichen, std::string_view menge);

// Whether every character of the text lies in the set.
bool AlleIn(const std::string& text, std::string_view menge);

// The letters of a set with one blank between each two, as the messages
// list them: "C D E".
std::string Aufzaehlung(std::string_view buchstaben);

// A code point as UTF-8; codes outside Unicode or in the surrogate range
// become U+FFFD, so that every code can be shown.
std::string Utf8(int code);

// The three character tests of a zone text, in the order 1st, 2nd, last.
// Returns the message of the first failing one, or the empty text.
std::string ZeichenFehlerDerZone(const std::string& zone);

// The syntax rules of a zone designation in the grid checks: exactly three
// characters, not zone 00, zone number not above 60, then the three character
// tests. Returns the message of the first failing rule, or the empty text.
std::string ZonenFehler(const std::string& zone);

} // namespace kartovex::text
