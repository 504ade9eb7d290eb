// Shorter ways through the routines for the output stages, which use only
// part of what a routine writes or go on with a number instead of its text.
// The stages round the minutes and seconds once more to a fixed number of
// decimals, and reading back the 15-digit text of a number gives a value
// with the very same 15 digits, so the number gives the same result as its
// text.
#pragma once

#include <cstdint>
#include <string>

namespace modKartovex::intern {

// Whether a text is a plain number: an optional '-', blanks, then digits
// with at most one '.' (at least one digit), and nothing else; its value then
// in wert. Each routine and output stage reads such a text as this value and
// takes its sign from it, so a caller may hand on the value instead.
bool SchlichteZahl(const std::string& text, double& wert);

// The value G_GM and G_GMS convert: the decimal degrees text with every ','
// turned into '.' (the text keeps that change), read as a number.
double WertMitPunkt(std::string& Dezimal);

// G_GM from that value, without its minutes text: writes GradAus as G_GM
// does, and gives the minutes rounded to six decimals. On a fault the common
// message shows, GradAus stays as it is and the result is false.
bool GradMinWerte(double wert, std::string& GradAus, double& minuten);

// G_GMS from that value, without its seconds text: GradAus and MinAus as
// G_GMS leaves them, and the seconds as a number; false after the common
// message.
bool GradMinSekWerte(double wert, std::string& GradAus, std::string& MinAus, double& sekunden);

// G_UTMziv from the values it reads from Breite and Laenge: the same texts,
// checks and message.
void G_UTMzivWerte(double breite, double laenge, std::string& Laenge, std::string& Breite,
                   std::string& Ellipsoid);

// Dezimaltext(Zahltext(wert), n) without the text in between: the value's
// 15 significant digits rounded to n decimals. Empty for a value that is no
// number.
std::string Dezimaltext(double wert, int16_t n);

// DatumTrafo for callers that do not need the new height: the same
// positions, checks and message; the height text is not written.
void DatumTrafoOhneHoehe(std::string& Breite, std::string& Laenge, const std::string& Hoehe,
                         const std::string& Richtung);

} // namespace modKartovex::intern
