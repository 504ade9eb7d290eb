// The recogniser of pasted coordinate texts: every notation, the output
// window's own lines, the ambiguity rules and texts that must not be taken.
#include <gtest/gtest.h>

#include "checks/Erkennung.h"
#include "kurzform.h"

using namespace kartovex;

namespace {

// Format and fields in the short form of kurzform.h.
struct Fall {
    const char* text;
    int format;
    const char* felder;
};

const Fall Faelle[] = {
    // decimal degrees
    {"48.4363327, 9.9679672", 1, "Breite=48.4363327|Laenge=9.9679672|optDezN|optDezE"},
    {"N48.436333 E009.967967", 1, "Breite=48.436333|Laenge=009.967967|optDezN|optDezE"},
    {"48,4363327° N 9,9679672° O", 1, "Breite=48.4363327|Laenge=9.9679672|optDezN|optDezE"},
    {"-33.9 18.4", 1, "Breite=33.9|Laenge=18.4|optDezS|optDezE"},
    {"33.9 -18.4", 1, "Breite=33.9|Laenge=18.4|optDezN|optDezW"},
    {"48.5,9.5", 1, "Breite=48.5|Laenge=9.5|optDezN|optDezE"},
    {"48,5;9,5", 1, "Breite=48.5|Laenge=9.5|optDezN|optDezE"},
    {"48 9", 1, "Breite=48|Laenge=9|optDezN|optDezE"},
    {"e 9.96 s 48.43", 1, "Breite=48.43|Laenge=9.96|optDezS|optDezE"},
    {"9.96W 48.43N", 1, "Breite=48.43|Laenge=9.96|optDezN|optDezW"},
    {"  48.43\u00A0\t9.96 \r\n", 1, "Breite=48.43|Laenge=9.96|optDezN|optDezE"},
    // degrees and minutes
    {"N 48° 26.179980' E 9° 58.078035'", 2,
     "BreiteGrad=48|BreiteMinute=26.179980|LaengeGrad=9|LaengeMinute=58.078035|optGMN|optGME"},
    {"48 26,17998 N 9 58,078035 E", 2,
     "BreiteGrad=48|BreiteMinute=26.17998|LaengeGrad=9|LaengeMinute=58.078035|optGMN|optGME"},
    {"S 048º 26\u2032 W 179˚ 59.4\u2019", 2,
     "BreiteGrad=48|BreiteMinute=26|LaengeGrad=179|LaengeMinute=59.4|optGMS|optGMW"},
    {"48°26 9°58", 2, "BreiteGrad=48|BreiteMinute=26|LaengeGrad=9|LaengeMinute=58|optGMN|optGME"},
    // degrees, minutes, seconds
    {"48°26'10.80\"N 9°58'04.69\"E", 3,
     "BGrad=48|BMinute=26|BSekunde=10.80|LGrad=9|LMinute=58|LSekunde=04.69|optGradN|optGradE"},
    {"N48 26 10.80 E009 58 04.69", 3,
     "BGrad=48|BMinute=26|BSekunde=10.80|LGrad=009|LMinute=58|LSekunde=04.69|optGradN|optGradE"},
    {"48\u00B0 26\u2032 10,8\u2033 S, 9\u00B0 58\u2032 4,69\u2033 W", 3,
     "BGrad=48|BMinute=26|BSekunde=10.8|LGrad=9|LMinute=58|LSekunde=4.69|optGradS|optGradW"},
    {"48°  26'  10,80'' 9° 58' 4''", 3,
     "BGrad=48|BMinute=26|BSekunde=10.80|LGrad=9|LMinute=58|LSekunde=4|optGradN|optGradE"},
    // UTM civil
    {"32U 571595 5365251", 4, "Zone=32U|Rechts=0571595|Hoch=5365251"},
    {"32U 0571595 5365251", 4, "Zone=32U|Rechts=0571595|Hoch=5365251"},
    {"32 u 571595 5365251", 4, "Zone=32U|Rechts=0571595|Hoch=5365251"},
    {"4Q 612345 55332", 4, "Zone=04Q|Rechts=0612345|Hoch=0055332"},
    // UTM military, UTMREF
    {"32U NU 76.15.52.95.51", 5, "ZoneM=32U|100km=NU|10km=76|1km=15|100m=52|10m=95|1m=51"},
    {"32U  NU  76 15 52 95 51", 5, "ZoneM=32U|100km=NU|10km=76|1km=15|100m=52|10m=95|1m=51"},
    {"32U NU 7159565251", 6, "REFZone=32U|REF100=NU|REFZiffern=7159565251"},
    {"32UNU7159565251", 6, "REFZone=32U|REF100=NU|REFZiffern=7159565251"},
    {"32U NU 71595 65251", 6, "REFZone=32U|REF100=NU|REFZiffern=7159565251"},
    {"4qfj 12", 6, "REFZone=04Q|REF100=FJ|REFZiffern=12"},
    // Gauss-Krueger: a 7-digit pair wins over degrees
    {"3571699,04 5366959,16", 7, "GKRechts=3571699.04|GKHoch=5366959.16|optDrei"},
    {"R 3571699.04 H 5366959.16", 7, "GKRechts=3571699.04|GKHoch=5366959.16|optDrei"},
    {"R: 3571699, H: 5366959", 7, "GKRechts=3571699|GKHoch=5366959|optDrei"},
    // lines of the output window's copy
    {"Grad/Minuten\tN00\t30.000000\tW000\t12.000000", 2,
     "BreiteGrad=00|BreiteMinute=30.000000|LaengeGrad=000|LaengeMinute=12.000000|optGMN|optGMW"},
    {"Grad/Minuten/Sekunden\tS79\t54\t0.00\tW000\t00\t0.00", 3,
     "BGrad=79|BMinute=54|BSekunde=0.00|LGrad=000|LMinute=00|LSekunde=0.00|optGradS|optGradW"},
    {"Gauß - Krüger\t 3571699\t 5366959\t6\tE009°", 7, "GKRechts=3571699|GKHoch=5366959|optSechs"},
    // several lines: the first one understood
    {"Einsatzort:\nN48.436333 E009.967967\n32U 0571595 5365251", 1,
     "Breite=48.436333|Laenge=009.967967|optDezN|optDezE"},
};

TEST(Erkenne, EveryNotationGivesTheFieldTexts) {
    for (const Fall& f : Faelle) {
        SCOPED_TRACE(f.text);
        const auto r = Erkenne(f.text);
        ASSERT_TRUE(r);
        Eingabe erwartet;
        Setze(erwartet, f.felder);
        EXPECT_EQ(r->format, f.format);
        EXPECT_EQ(r->eingabe.texte, erwartet.texte);
        EXPECT_EQ(r->eingabe.an, erwartet.an);
    }
}

TEST(Erkenne, NearMissesAreNotRecognised) {
    // clang-format off
    const std::string texte[] = {
        "", "   ", "48.4363327", "48 26 10.8", "48 9 58", "Krummbögle", "N E", "abc def",
        "61U 571595 5365251", "00U 571595 5365251", "32I 571595 5365251", "32Y 571595 5365251",
        "32U NI 7159565251", "32U OU 7159565251", "32U NU 715956525", "32U NU 7159 65251",
        "32U NU 76.15.52.95", "32U 1571595 5365251", "32U 571595 15365251", "181 9", "48 190.5",
        "48.5 N 9.5 S", "N48.5 9.5 E", "-48.5 S 9.5 E", "48.5 -9.5' ", "48° 26.5' 9°",
        "48.5° 26' 9.5° 58'", "48 26.5 10 9 58.5 4", "48 26 10.8 9 58", "48.5.1 9.5",
        "3571699 5366959 4", "Grad (dezimal)\t32U 0571595 5365251", "UTM zivil\tN48.5 E9.5",
        "48.5 9.5 #", "48.5\x01 9.5", "48.5 9.5 \xFF", std::string(201, '1')};
    // clang-format on
    for (const std::string& t : texte)
        EXPECT_FALSE(Erkenne(t)) << t;
}

} // namespace
