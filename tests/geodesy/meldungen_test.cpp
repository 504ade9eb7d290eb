// The module's messages: which texts a failing routine changes, and that its
// message shows exactly once; odd texts never give numbers that are none.
#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

#include "geodesy/modKartovex.h"
#include "geodesy_test_hilfen.h"

using namespace modKartovex;

namespace {

const std::string F = "Unmögliche Werte haben einen Fehler verursacht.\r\n"
                      "Überprüfen Sie Ihre Eingaben!";
const std::string Rechts7 = "Der Rechtswert muss genau 7-stellig sein!";
const std::string Hoch7 = "Der Hochwert muss genau 7-stellig sein!";
const std::string Ausserhalb =
    "Die gewählte Streifenbreite führt zu einem Punkt ausserhalb von Deutschland.\r\n"
    "Wählen Sie eine kleinere Streifenbreite.";
const std::string Erster = "Der 1. Buchstabe des 100km-Quadrates ist nicht zulässig";
const std::string Zweiter = "Der 2. Buchstabe des 100km-Quadrates ist nicht zulässig.";

} // namespace

TEST(Meldungen, FaultsAndTheTextsTheyLeave) {
    struct Zeile {
        std::string routine;
        Fall fall;
    };
    const std::vector<Zeile> zeilen = {
        {"GM_G", {"1E400|1,5", "1E400|1.5", F}}, // the comma is replaced before the fault
        {"G_GMS", {"-1E999|g|m|s", "-1E999|g|m|s", F}},
        {"G_GM", {"-1E999|g|m|f", "-1E999|g|m|f", F}},
        // A latitude fails when it is read, a longitude in the projection,
        // after the zone designation.
        {"G_UTMziv", {"9|1E400|WGS", "9|1E400|WGS", F}},
        {"G_UTMziv", {"1E300|48|WGS", "1E300|48|00T", F}},
        {"G_UTMziv", {"9|48|XYZ", "9|48|XYZ", F}},
        {"G_UTMziv", {"9|90|WGS", "0500000|9997965|032"}}, // the pole is no fault
        {"UTMziv_UTMmil", {"32T|05000000|5316300", "32T|05000000|5316300", Rechts7}},
        {"UTMziv_UTMmil", {"32T|0500000|531630", "32T|0500000|531630", Hoch7}},
        {"UTMziv_UTMmil", {"32T|0000000|5316300", "32T|0000000|5316300", F}},
        // Blanks pass the length check but still count as positions.
        {"UTMziv_UTMmil", {"32T|0500000 |5316300", "32T  NU  01.06.03.00.00|0500000 |5316300"}},
        {"UTMziv_UTMmil", {"32T| 0500000|5316300", "32T| 0500000|5316300", F}},
        {"DatumTrafo", {"48|9|300|", "48|9|300|"}},
        {"DatumTrafo", {"1E400|9|300|BG", "1E400|9|300|BG", F}},
        {"DatumTrafo", {"48|9|300|XY", "48|9|300|XY", F}},
        {"DatumTrafo", {"90|9|300|GB", "*|*|*|GB"}}, // a huge longitude change, no fault
        {"G_GK", {"1e305|9|3", "1e305|9|E009°", F}},
        {"G_GK", {"1E400|9|3", "1E400|9|3", F}},
        {"GK_G", {"5317885|7500000|3", "5317885|7500000|3", Ausserhalb}},
        {"GK_G", {"5317885|4500000|6", "5317885|4500000|6", Ausserhalb}},
        {"GK_G", {"5317885|0500000|3", "||Fehler"}},
        {"GK_G", {"5317885|3500000|4", "||Fehler"}},
        {"GK_G", {"5317885| 3500000|3", "||Fehler"}},
        {"GK_G", {"5317885|3E60|3", "5317885|3E60|E009°", F}}, // the sixth power overflows
        {"UTMziv_G", {"0500000|5316300|32T|GRS|S", "0500000|5316300|32T|GRS|N", F}},
        {"UTMziv_G", {"9E307|5316300|32T|WGS", "9E307|5316300|32T|WGS", F}},
        {"UTMmil_UTMziv", {"32T|nu|01|06|03|04|05", "32T|nu|01|06|Fehler|04|05", Erster}},
        {"UTMmil_UTMziv", {"32T|Nu|01|06|03|04|05", "32T|Nu|01|06|Fehler|04|05", Zweiter}},
        {"UTMmil_UTMziv", {"32T|OU|01|06|03|04|05", "32T|OU|01|06|Fehler|04|05", Erster}},
        {"UTMmil_UTMziv", {"32T|NÜ|01|06|03|04|05", "32T|NÜ|01|06|Fehler|04|05", Zweiter}},
        {"UTMmil_UTMziv", {"32T|NW|01|06|03|04|05", "32T|NW|01|06|Fehler|04|05", Zweiter}},
        {"UTMmil_UTMziv", {"33T|NA|01|06|03|04|05", "0500000|*|*|06|03|04|05"}},
    };
    for (const Zeile& z : zeilen)
        pruefe(z.routine, {z.fall});
}

TEST(Meldungen, OddTextsGiveNoNanNorInfAndAtMostOneMessage) {
    const Texte schlecht = {"",     "abc", "1E400", "-1E400", "1E-400",   "90",
                            "-90",  "-",   ".",     "9e15",   "\t\n 5",   "ÄÖÜ",
                            "3E60", "32u", "1E5U",  "3500,5", "99999999", "NU"};
    // Each routine with a call that works, as pairs of name and texts.
    const Texte beispiele = {"GMS_G",         "48|26|10",
                             "GM_G",          "48|30",
                             "G_GMS",         "48.5|||",
                             "G_GM",          "48.5|||",
                             "G_UTMziv",      "9|48|WGS",
                             "UTMziv_G",      "0500000|5316300|32T|WGS",
                             "DatumTrafo",    "48|9|300|GB",
                             "G_GK",          "48|9|3",
                             "GK_G",          "5317885|3500000|6",
                             "UTMziv_UTMmil", "32T|0500000|5316300",
                             "UTMmil_UTMref", "32T  NU  01.06.03.00.00",
                             "UTMref_UTMmil", "||0000016300||||",
                             "UTMmil_UTMziv", "32T|NU|01|06|03|00|00"};
    const std::regex unzahl("nan|inf", std::regex::icase);
    for (std::size_t r = 0; r < beispiele.size(); r += 2) {
        const std::string& routine = beispiele[r];
        const Texte gut = teile(beispiele[r + 1]);
        for (std::size_t i = 0; i < gut.size(); ++i)
            for (std::size_t j = i; j < gut.size(); ++j)
                for (const auto& a : schlecht)
                    for (const auto& b : schlecht) {
                        Texte t = gut;
                        t[i] = a;
                        t[j] = b; // alone when i is j
                        MeldungsRekorder rekorder;
                        Routinen().at(routine)(t);
                        EXPECT_LE(rekorder.meldungen.size(), 1u) << routine << ' ' << a << ' ' << b;
                        EXPECT_FALSE(std::regex_search(testing::PrintToString(t), unzahl))
                            << routine << ' ' << a << ' ' << b << " -> "
                            << testing::PrintToString(t);
                    }
    }
}
