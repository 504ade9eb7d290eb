// The six writers of the geographic output fields: each writes exactly its
// own fields, with hemisphere letter, zero-filled degrees and fixed decimals.
#include <gtest/gtest.h>

#include "workflow/Ausgabe.h"

using namespace kartovex;

namespace {

struct Fall {
    void (*schreibe)(const std::string&, Feldtexte&);
    std::string eingabe;
    Feldtexte erwartet; // every field the writer writes, and nothing else
};

const Fall faelle[] = {
    {AusgabeBreiteDezimal, "48.436333", {{"texBreiteAUS", "N48.436333"}}},
    {AusgabeBreiteDezimal, "- 48.5", {{"texBreiteAUS", "S48.500000"}}},
    {AusgabeBreiteDezimal, " 48.5 ", {{"texBreiteAUS", "N48.500000"}}},
    {AusgabeBreiteDezimal, "- .5", {{"texBreiteAUS", "S00.500000"}}},
    {AusgabeBreiteDezimal, "5.25", {{"texBreiteAUS", "N05.250000"}}},
    {AusgabeBreiteDezimal, "0", {{"texBreiteAUS", "N00.000000"}}},
    {AusgabeBreiteDezimal, "-0", {{"texBreiteAUS", "S00.000000"}}},
    {AusgabeBreiteDezimal, "48.4363326641023", {{"texBreiteAUS", "N48.436333"}}},
    // Three integer digits do not fit a latitude: only letter and decimals.
    {AusgabeBreiteDezimal, "100", {{"texBreiteAUS", "N.000000"}}},
    {AusgabeLaengeDezimal, "9.5", {{"texLaengeAUS", "E009.500000"}}},
    {AusgabeLaengeDezimal, "-123.25", {{"texLaengeAUS", "W123.250000"}}},
    {AusgabeLaengeDezimal, "-0.5", {{"texLaengeAUS", "W000.500000"}}},
    {AusgabeLaengeDezimal, "180", {{"texLaengeAUS", "E180.000000"}}},
    {AusgabeLaengeDezimal, "9.9999996", {{"texLaengeAUS", "E010.000000"}}},

    {AusgabeBreiteGradMin,
     "48.436333",
     {{"texBreiteGradAUS", "N48"}, {"texBreiteMinuteAUS", "26.179980"}}},
    {AusgabeBreiteGradMin,
     "5.25",
     {{"texBreiteGradAUS", "N05"}, {"texBreiteMinuteAUS", "15.000000"}}},
    {AusgabeBreiteGradMin,
     "- 48.5",
     {{"texBreiteGradAUS", "S48"}, {"texBreiteMinuteAUS", "30.000000"}}},
    // -0 is not below zero: the degree fields show N where the decimal field shows S.
    {AusgabeBreiteGradMin, "-0", {{"texBreiteGradAUS", "N00"}, {"texBreiteMinuteAUS", "0.000000"}}},
    {AusgabeLaengeGradMin,
     "9.5",
     {{"texLaengeGradAUS", "E009"}, {"texLaengeMinuteAUS", "30.000000"}}},
    {AusgabeLaengeGradMin,
     "-0.5",
     {{"texLaengeGradAUS", "W000"}, {"texLaengeMinuteAUS", "30.000000"}}},
    {AusgabeLaengeGradMin,
     "180",
     {{"texLaengeGradAUS", "E180"}, {"texLaengeMinuteAUS", "0.000000"}}},
    {AusgabeLaengeGradMin,
     "10.999999999",
     {{"texLaengeGradAUS", "E011"}, {"texLaengeMinuteAUS", "0.000000"}}},

    {AusgabeBreiteGradMinSek,
     "48.436333",
     {{"texBGradAUS", "N48"}, {"texBMinuteAUS", "26"}, {"texBSekundeAUS", "10.80"}}},
    {AusgabeBreiteGradMinSek,
     "48.0015",
     {{"texBGradAUS", "N48"}, {"texBMinuteAUS", "00"}, {"texBSekundeAUS", "5.40"}}},
    {AusgabeBreiteGradMinSek,
     "5.25",
     {{"texBGradAUS", "N05"}, {"texBMinuteAUS", "15"}, {"texBSekundeAUS", "0.00"}}},
    // A latitude degree text of three digits leaves only the letter.
    {AusgabeBreiteGradMinSek,
     "100",
     {{"texBGradAUS", "N"}, {"texBMinuteAUS", "00"}, {"texBSekundeAUS", "0.00"}}},
    {AusgabeLaengeGradMinSek,
     "9.5",
     {{"texLGradAUS", "E009"}, {"texLMinuteAUS", "30"}, {"texLSekundeAUS", "0.00"}}},
    {AusgabeLaengeGradMinSek,
     "-0.5",
     {{"texLGradAUS", "W000"}, {"texLMinuteAUS", "30"}, {"texLSekundeAUS", "0.00"}}},
    {AusgabeLaengeGradMinSek,
     "180",
     {{"texLGradAUS", "E180"}, {"texLMinuteAUS", "00"}, {"texLSekundeAUS", "0.00"}}},
    {AusgabeLaengeGradMinSek,
     "-7.9999999999",
     {{"texLGradAUS", "W008"}, {"texLMinuteAUS", "00"}, {"texLSekundeAUS", "0.00"}}},
};

TEST(Ausgabe, FelderJeRoutine) {
    for (const Fall& f : faelle) {
        SCOPED_TRACE("'" + f.eingabe + "'");
        Feldtexte felder;
        f.schreibe(f.eingabe, felder);
        EXPECT_EQ(felder, f.erwartet);
    }
}

} // namespace
