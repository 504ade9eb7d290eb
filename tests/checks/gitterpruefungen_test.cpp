// Whole-input checks of the grid formats: first failing rule, its message,
// focus target and order, and the normalised field texts.
#include "checks/Gitterpruefungen.h"
#include "checks/kurzform.h"

using namespace kartovex;

namespace {
const std::string Zone00 = "Es gibt keine Zone 00!";
const std::string OhneZone = "Ohne Angabe der Zone kann die Berechnung nicht durchgeführt werden.";
const std::string OhneQuadrat =
    "Ohne Angabe des 100km-Quadrates kann die Berechnung nicht durchgeführt werden.";
const std::string Stelle1 = "Die 1. Stelle im 100km Quadrat muss einer der Buchstaben\r\n\r\n"
                            "A B C D E F G H J K L M N P Q R S T U V W X Y Z\r\n\r\nsein.";
const std::string Stelle2 = "Die 2. Stelle im 100km Quadrat muss einer der Buchstaben\r\n\r\n"
                            "A B C D E F G H J K L M N P Q R S T U V\r\n\r\nsein.";

// The zone rules are shared by the three UTM checks; they are tested in full here.
TEST(PruefeUTMzivil, Rules) {
    const std::string Band = "Das 3. Zeichen der Zone muss einer der Buchstaben\r\n\r\n"
                             "C D E F G H J K L M N P Q R S T U V W X\r\n\r\nsein";
    const std::string R7 = "Der Rechtswert muss aus genau 7 Ziffern bestehen,\r\n"
                           "wobei die erste Ziffer eine 0 sein muss!";
    PruefeTabelle(
        PruefeUTMzivil,
        Kurz("Zone=32U|Rechts=0571595|Hoch=5365251", {"0723776", "0276224", "6210141", "5316301"}),
        {
            {"Rechts=0723776|Hoch=6210141", ""},
            {"Rechts=0276224|Hoch=5316301", ""},
            {"Zone=|Rechts=x", "-"},
            {"*Zone=3U", "Das Zonenfeld muss aus genau 3 Zeichen bestehen!"},
            {"*Zone=00U|Rechts=1", Zone00},
            {"*Zone=61U", "Es gibt keine Zone 61!"},
            {"Zone=60X", ""},
            {"*Zone=7AU", "Das 1. Zeichen der Zone muss eine Ziffer ( 0...6 ) sein!"},
            {"*Zone=3AU", "Das 2. Zeichen der Zone muss eine Ziffer ( 0...9 ) sein!"},
            {"*Zone=32I", Band},
            {"*Zone=32X", "Das Zonenfeld 32X entfällt auf Spitzbergen."},
            {"*Zone=34X", "Das Zonenfeld 34X entfällt auf Spitzbergen."},
            {"*Zone=36X", "Das Zonenfeld 36X entfällt auf Spitzbergen."},
            {"*Rechts=1|Hoch=x", R7},
            {"*Rechts=1571595", "Der Rechtswert muss mit 0 beginnen!"},
            {"*Rechts=0ä71595", "Im Rechtswert sind nur die Ziffern ( 0...9 ) zugelassen1"},
            {"*Rechts=0000000", "Der Rechtswert kann nicht Null sein!"},
            {"*Rechts=0723777", "Der Rechtswert darf das angezeigte Maximum nicht überschreiten!"},
            {"*Rechts=0276223", "Der Rechtswert darf das angezeigte Minimum nicht unterschreiten!"},
            {"*Hoch=536525", "Der Hochwert muss aus genau 7 Ziffern bestehen!"},
            {"*Hoch=53652a1", "Im Hochwert sind nur die Ziffern ( 0...9 ) zugelassen!"},
            {"*Hoch=6210142", "Der Hochwert darf das angezeigte Maximum nicht überschreiten!"},
            {"*Hoch=5316300", "Der Hochwert darf das angezeigte Minimum nicht unterschreiten!"},
        });
    // Hoch 0000000 is the minimum of band N, not a zero value.
    PruefeTabelle(
        PruefeUTMzivil,
        Kurz("Zone=32N|Rechts=0500000|Hoch=0000000", {"0833979", "0166021", "0885504", "0000000"}),
        {{"", ""}});
}

TEST(PruefeUTMmil, RulesAndZeroFilling) {
    const std::string NurZiffern =
        " Feld sind nur ganze Zahlen aus den Ziffern\r\n\r\n0 1 2 3 4 5 6 7 8 9\r\n\r\nzugelassen.";
    PruefeTabelle(PruefeUTMmil, Kurz("ZoneM=38T|100km=NS|10km=80|1km=68|100m=73|10m=97|1m=88"),
                  {
                      {"10km=8|1km=", "", "10km=08|1km=00"},
                      {"^ZoneM=|100km=", OhneZone},
                      {"^100km=", OhneQuadrat},
                      {"*ZoneM=00T|100km=I", Zone00},
                      {"*100km=N", "Für das 100km Quadrat sind genau 2 Buchstaben erforderlich."},
                      {"*100km=ÄS", Stelle1}, // two characters
                      {"100km=ZA", ""},
                      {"*100km=NW", Stelle2},
                      // Groups before the faulty one are filled, later ones stay as typed.
                      {"10km=8|*1km=123|100m=",
                       "Im 1km Feld sind keine 3-stelligen Eingaben zugelassen!", "10km=08"},
                      {"*10m=äöü", "Im 10m Feld sind keine 3-stelligen Eingaben zugelassen!"},
                      {"*100m=1a", "Im 100m" + NurZiffern},
                      {"*1m= ", "Im 1m" + NurZiffern, "1m=0 "},
                  });
}

TEST(PruefeUTMref, RulesAndEmptyDigitGroup) {
    const std::string NurZiffern =
        "In der Zifferngruppe sind nur ganze Zahlen aus den Ziffern\r\n\r\n"
        "0 1 2 3 4 5 6 7 8 9\r\n\r\nzugelassen, also auch keine Leerstelle oder /";
    PruefeTabelle(PruefeUTMref, Kurz("REFZone=32U|REF100=NU|REFZiffern=7161865806"),
                  {
                      {"REFZiffern=", "", "REFZiffern=0000000000"},
                      {"^REFZone=|REFZiffern=", OhneZone},
                      {"^REF100=|REFZiffern=", OhneQuadrat},
                      {"*REFZone=00U|REFZiffern=", Zone00, "REFZiffern=0000000000"},
                      {"*REF100=N", "Genau 2 Buchstaben sind erforderlich. Beispiel: NU"},
                      {"*REF100=NW", Stelle2},
                      {"*REFZiffern=7161865806x", NurZiffern},
                      {"*REFZiffern=71618658061", "Sie haben mehr als 10 Ziffern eingegeben!"},
                      {"*REFZiffern=71618", "Die Zifferngruppe muss geradzahlig sein\r\n2 oder 4 "
                                            "oder 6 oder 8 oder 10 Ziffern.\r\n\r\n 5 ist nicht "
                                            "geradzahlig."},
                  });
}

TEST(PruefeGK, RulesCompletionAndBounds) {
    const std::string Zeichen =
        " sind nur die Zeichen\r\n\r\n0 1 2 3 4 5 6 7 8 9 und das Komma\r\n\r\nzugelassen.";
    const std::string RKlein =
        "Der Rechtswert ist zu klein.\r\nIhr Punkt liegt westlich von Deutschland.";
    PruefeTabelle(
        PruefeGK, Kurz("GKRechts=3571699.06|GKHoch=5366959.20"),
        {
            {"GKRechts=2484700|GKHoch=5107150", "", "GKRechts=2484700.00|GKHoch=5107150.00"},
            {"GKRechts=5538200.|GKHoch=6197355", "", "GKHoch=6197355.00"},
            {"GKRechts=|GKHoch=x", "-"},
            {"GKHoch=|GKRechts=x", "-"},
            {"*GKRechts=35716a9", "Im Rechtswert" + Zeichen},
            {"GKRechts=1|*GKHoch=5366959,2", "Im Hochwert" + Zeichen},
            {"*GKRechts=3571.699.06", "Im Rechtswert ist nur 1 Komma zugelassen!"},
            {"*GKHoch=5366.959.2", "Im Hochwert ist nur 1 Komma zugelassen!"},
            {"*GKRechts=2484699.99", RKlein},
            {"*GKRechts=357169.9", RKlein}, // the bounds come before the places
            {"*GKRechts=5538201",
             "Der Rechtswert ist zu groß.\r\nIhr Punkt liegt östlich von Deutschland."},
            {"*GKHoch=5107149",
             "Der Hochwert ist zu klein.\r\nIhr Punkt liegt südlich von Deutschland."},
            {"*GKHoch=6197356",
             "Der Hochwert ist zu groß.\r\nIhr Punkt liegt nördlich von Deutschland."},
            {"*GKRechts=03571699.5", "Der Rechtswert muss genau 7 Stellen vor dem Komma haben!"},
            {"GKRechts=3571699|*GKHoch=05366959.2",
             "Der Hochwert muss genau 7 Stellen vor dem Komma haben!", "GKRechts=3571699.00"},
        });
}

} // namespace
