// The six writers of the geographic output fields. Each takes one coordinate
// text (decimal degrees, '.' as decimal point, a leading '-' for south or
// west), leaves it unchanged and writes its fields into `felder`. The hemisphere is shown as a
// letter in front of the degrees, which are filled with zeros to two digits (latitude) or three
// (longitude).
#pragma once

#include <string>

#include "checks/Eingabe.h"

namespace kartovex {

// texBreiteAUS, e.g. N48.436333
void AusgabeBreiteDezimal(const std::string& Breitentext, Ausgabetexte& felder);
// texLaengeAUS, e.g. E009.967967
void AusgabeLaengeDezimal(const std::string& Laengentext, Ausgabetexte& felder);
// texBreiteGradAUS, texBreiteMinuteAUS, e.g. N48 and 26.179980
void AusgabeBreiteGradMin(const std::string& Breitentext, Ausgabetexte& felder);
// texLaengeGradAUS, texLaengeMinuteAUS
void AusgabeLaengeGradMin(const std::string& Laengentext, Ausgabetexte& felder);
// texBGradAUS, texBMinuteAUS, texBSekundeAUS, e.g. N48, 26 and 10.80
void AusgabeBreiteGradMinSek(const std::string& Breitentext, Ausgabetexte& felder);
// texLGradAUS, texLMinuteAUS, texLSekundeAUS
void AusgabeLaengeGradMinSek(const std::string& Laengentext, Ausgabetexte& felder);

// All six from the values of two texts that are plain numbers (SchlichteZahl):
// the same fields as the six writers give on those texts.
void AusgabeGeographisch(double breite, double laenge, Ausgabetexte& felder);

} // namespace kartovex
