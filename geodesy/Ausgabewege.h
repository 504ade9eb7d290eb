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

// G_GM without its minutes text: converts Dezimal and writes GradAus as G_GM
// does, and gives the minutes rounded to six decimals. On a fault the common
// message shows, GradAus stays as it is and the result is false.
bool GradMinWerte(std::string& Dezimal, std::string& GradAus, double& minuten);

// G_GMS without its seconds text: Dezimal, GradAus and MinAus as G_GMS
// leaves them, and the seconds as a number; false after the common message.
bool GradMinSekWerte(std::string& Dezimal, std::string& GradAus, std::string& MinAus,
                     double& sekunden);

// Dezimaltext(Zahltext(wert), n) without the text in between: the value's
// 15 significant digits rounded to n decimals. Empty for a value that is no
// number.
std::string Dezimaltext(double wert, int16_t n);

// DatumTrafo for callers that do not need the new height: the same
// positions, checks and message; the height text is not written.
void DatumTrafoOhneHoehe(std::string& Breite, std::string& Laenge, const std::string& Hoehe,
                         const std::string& Richtung);

} // namespace modKartovex::intern
