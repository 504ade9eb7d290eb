// The six writers of the geographic output fields: hemisphere letter,
// zero-filled degrees, fixed decimals, rounding carries and the sign of zero.
// The field names are checked with the driver's worked example.
#include <gtest/gtest.h>

#include "workflow/Ausgabe.h"

using namespace kartovex;

namespace {

TEST(Ausgabe, FelderJeRoutine) {
    using Schreiber = void (*)(const std::string&, Ausgabetexte&);
    const std::tuple<Schreiber, const char*, const char*> faelle[] = {
        {AusgabeBreiteDezimal, "48.4363326641023", "N48.436333"},
        {AusgabeBreiteDezimal, "- 48.5", "S48.500000"},
        {AusgabeBreiteDezimal, " 48.5 ", "N48.500000"},
        {AusgabeBreiteDezimal, "- .5", "S00.500000"},
        {AusgabeBreiteDezimal, "-0", "S00.000000"},
        {AusgabeBreiteDezimal, "100", "N.000000"}, // three digits do not fit a latitude
        {AusgabeLaengeDezimal, "-0.5", "W000.500000"},
        {AusgabeLaengeDezimal, "180", "E180.000000"},
        {AusgabeLaengeDezimal, "9.9999996", "E010.000000"},
        {AusgabeBreiteGradMin, "48.436333", "N48|26.179980"},
        {AusgabeBreiteGradMin, "-0", "N00|0.000000"}, // -0 is not below zero here
        {AusgabeLaengeGradMin, "-0.5", "W000|30.000000"},
        {AusgabeLaengeGradMin, "10.999999999", "E011|0.000000"},
        {AusgabeBreiteGradMinSek, "48.0015", "N48|00|5.40"},
        {AusgabeBreiteGradMinSek, "5.25", "N05|15|0.00"},
        {AusgabeBreiteGradMinSek, "100", "N|00|0.00"},
        {AusgabeLaengeGradMinSek, "180", "E180|00|0.00"},
        {AusgabeLaengeGradMinSek, "-7.9999999999", "W008|00|0.00"},
    };
    for (const auto& [schreibe, eingabe, erwartet] : faelle) {
        Ausgabetexte felder;
        schreibe(eingabe, felder);
        std::string ist; // the texts of the fields it sets, in the window's order
        for (const Ausgabefeld& f : Ausgabefelder())
            if (felder.hat(f.feld)) ist += (ist.empty() ? "" : "|") + felder[f.feld];
        EXPECT_EQ(ist, erwartet) << "'" << eingabe << "'";
    }
}

} // namespace
