// Worked values and border cases of the forward routines: UTM with zone and
// band, the 100 km square notations, the datum shift and Gauss-Krueger.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "geodesy/modKartovex.h"
#include "geodesy_test_hilfen.h"

using namespace modKartovex;

TEST(G_UTMziv, WorkedValuesAndZoneDecisions) {
    pruefe("G_UTMziv", {
                           {"9|48|WGS", "0500000|5316300|32T"},
                           {"6|48|WGS", "0723776|5320656|31T"}, // the border belongs to zone 31
                           {"13.4|52.5|WGS", "0391391|5817855|33U"},
                           {"6|60|WGS", "0332705|6655205|32V"},
                           {"3|60|WGS", "0500000|6651411|31V"},
                           {"9.5|78|WGS", "0372525|8664359|33X"},
                           {"18.4|-33.9|WGS", "0259583|6245888|34H"},
                           {"10|0|WGS", "0611281|0000000|32N"},
                           {"10|-0.0000001|WGS", "0611281|9999999|32M"}, // clamped, then rounded
                           {"9|-0.000000001|WGS", "0500000|9999999|32M"},
                           {"-73.98|40.75|WGS", "0586108|4511506|18T"},
                       });
    // Special zones of the bands V and X, band and zone borders.
    pruefe("G_UTMziv", {{"3.0001|60|WGS", "*|*|32V"},
                        {"6.0000001|50|WGS", "*|*|31U"},
                        {"9|78|WGS", "*|*|31X"},
                        {"21|78|WGS", "*|*|33X"},
                        {"42|78|WGS", "*|*|37X"},
                        {"10|72|WGS", "*|*|32W"},
                        {"10|84|WGS", "*|*|33X"},
                        {"10|84.0001|WGS", "*|*|032"},
                        {"10|-80|WGS", "*|*|32C"},
                        {"180|10|WGS", "*|*|60P"},
                        {"-180|10|WGS", "*|*|01P"},
                        {"-0.0000001|10|WGS", "*|*|30P"},
                        {"6|-8.0000001|WGS", "*|*|31M"},
                        {"190|10|WGS", "*|*|00P"}});
}

TEST(G_UTMziv, BandAndZoneInSinglePrecision) {
    struct Fall {
        std::string text, band, zone;
    };
    const std::vector<Fall> faelle = {
        {"0", "N", "31"},     {"8.0000001", "N", "32"}, {"8.000001", "P", "32"},
        {"-8", "M", "29"},    {"84.000001", "X", "44"}, {"84.00001", "", "45"},
        {"-80", "C", "17"},   {"abc", "N", "31"},       {"180.000001", "", "60"},
        {"180.0001", "", ""}, {"-174", "", "02"},       {"-174.0001", "", "01"},
    };
    for (const auto& f : faelle) {
        EXPECT_EQ(Breitenband(f.text), f.band) << f.text;
        EXPECT_EQ(Zonennummer(f.text), f.zone) << f.text;
    }
}

TEST(Quadrate, MilitaryAndUTMREF) {
    struct Fall {
        std::string ziv, militaer, utmref;
    };
    const std::vector<Fall> faelle = {
        {"32T|0500000|5316300", "32T  NU  01.06.03.00.00", "32T  NU  0000016300"},
        {"34H|0259583|6245888", "34H  BH  54.95.58.88.38", "34H  BH  5958345888"},
        {"32N|0611281|0000000", "32N  PF  10.10.20.80.10", "32N  PF  1128100000"},
        {"32M|0611281|9999999", "32M  PE  19.19.29.89.19", "32M  PE  1128199999"},
        {"32T|0900000|5316300", "32T  U  01.06.03.00.00", "32T  U  016300....."}, // digit 9
        {"", "", ".00.00.00..00"},
        {"", "32T  NU  01.06", "32T  NU  0000016000"},
        {"", "32T  NÜ  01.06.03.00.00", "32T  NÜ  0000016300"}, // characters, not bytes
        // Without any group: the zeros reach exactly the last picked position.
        {"", "32T  NU", "32T  NU.000000...."},
        {"", "32T  NÜ", "32T  NÜ.000000...."},
        {"", "32T  NU ", "32T  NU .0000000000"},
        {"", "32T  NÜ ", "32T  NÜ .0000000000"},
    };
    for (const auto& f : faelle) {
        if (!f.ziv.empty()) pruefe("UTMziv_UTMmil", {{f.ziv, f.militaer + f.ziv.substr(3)}});
        pruefe("UTMmil_UTMref", {{f.militaer, f.utmref}});
    }
}

TEST(DatumTrafo, WorkedValues) { // a text without a number counts as 0
    pruefe("DatumTrafo", {
                             {"48|9|300|GB", "~ 48.0009315815|~ 9.0010186947|~ 321.4985|GB"},
                             {"52.5|13.4|300|GB", "~ 52.5013697526|~ 13.4017738998|~ 336.380|GB"},
                             {"0|0|300|GB", "~-.0035540038|~-.000143723685|~ 452.845|GB"},
                             {"48|9|xyz|BG", "*|*|*|BG"},
                         });
}

TEST(G_GK, WorkedValues) { // 7.5 lies in the eastern strip
    pruefe("G_GK", {
                       {"48|9|3", " 5317885| 3500000|E009°"},
                       {"50|7.5|3", " 5541358| 3392472|E009°"},
                       {"50|7.4999|3", " 5541358| 2607521|E006°"},
                       {"52.5|13.4|3", " 5819302| 4595060|E012°"},
                       {"52.5|13.4|6", " 5819302| 2595060|E012°"},
                       {"50|9|6", " 5544594| 2284956|E012°"},
                       {"50|8.99|6", " 5544565| 1714327|E006°"},
                       {"48|1|3", " 5318369| 574616|E000°"},
                       {"48|-3|3", " 5317885|-500000|W003°"},
                       {"48|-1|3", " 5318369| 425384|W000°"},
                   });
}
