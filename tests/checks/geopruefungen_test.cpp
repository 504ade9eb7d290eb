// The three geographic whole-input checks: first failing rule, message, focus, filled fields.
#include "checks/Geopruefungen.h"
#include "checks/kurzform.h"

using namespace kartovex;

namespace {

const std::string Nord =
    "Die nördliche Breite muss kleiner sein als 84°.\r\n\r\nAb 84° beginnt UPS";
const std::string Sued = "Der Zahlenwert der südlichen Breite darf nicht größer sein als "
                         "80°.\r\n\r\nDanach beginnt UPS.";
const std::string BF = "Eingabefehler in der Breite!", LF = "Eingabefehler in der Länge!";
const std::string LaengeGrenze = "Die geographische Länge darf 180° nicht überschreiten!";

TEST(PruefeGradDezimal, RegelnInReihenfolge) {
    PruefeTabelle(PruefeGradDezimal,
                  Kurz("Breite=48.4363326641023|Laenge=9.96796724981198|optDezN|optDezE"),
                  {
                      {"Breite=83.999999|Laenge=180", ""},
                      {"*Breite=|Laenge=y", BF},
                      {"*Breite=84", Nord},
                      {"Breite=80|optDezS|optDezW", ""},
                      {"*Breite=80.000001|optDezS", Sued},
                      {"*Laenge=-9", LF},
                      {"*Laenge=180.000001", LaengeGrenze},
                  });
}

TEST(PruefeGradMinuten, RegelnInReihenfolge) {
    PruefeTabelle(
        PruefeGradMinuten,
        Kurz("BreiteGrad=48|BreiteMinute=26.179960|LaengeGrad=9|LaengeMinute=58.078035|optGMN"),
        {
            {"BreiteGrad=83|BreiteMinute=59.999999|LaengeGrad=180|LaengeMinute=", "",
             "LaengeMinute=0"},
            {"BreiteGrad=123|BreiteMinute=", BF, "BreiteMinute=0"}, // filled before the first rule
            {"BreiteGrad=84", Nord + "."},
            {"BreiteGrad=81|optGMS", Sued},
            {"BreiteGrad=80|BreiteMinute=30|optGMS", ""},
            {"BreiteMinute=.5", "Eingabefehler im Minutenteil der Breite!"},
            {"BreiteMinute=59.9999991",
             "Der Minutenwert der Breite darf 59.999999 nicht überschreiten!"},
            {"LaengeGrad=1800", LF + "\r\n"},
            {"LaengeGrad=181", LaengeGrenze},
            {"LaengeMinute=4.5.1", "Eingabefehler im Minutenteil der Länge!\r\n"},
            {"LaengeMinute=60", "Der Minutenwert der Länge darf 59.999999 nicht überschreiten!"},
        });
}

TEST(PruefeGradMinSek, RegelnInReihenfolge) {
    PruefeTabelle(
        PruefeGradMinSek,
        Kurz("BGrad=48|BMinute=26|BSekunde=10.80|LGrad=9|LMinute=58|LSekunde=4.68|optGradN"),
        {
            {"BGrad=83|BMinute=59|BSekunde=59.999999|LGrad=180|LMinute=|LSekunde=", "",
             "LMinute=0|LSekunde=0"},
            {"BGrad=|BMinute=", BF}, // the degree syntax comes before the filling
            {"BGrad=84", Nord},
            {"BGrad=81|optGradS", Sued},
            {"BMinute=5.5", "Fehler in der Minuteneingabe der Breite!"},
            {"BMinute=60", "Die Minuteneingabe der Breite darf 59' nicht überschreiten!"},
            {"BSekunde=1,5", "Eingabefehler im Sekundenteil der Breite!"},
            {"BSekunde=60", "Der Sekundenwert der Breite darf 59.999999 nicht überschreiten!"},
            {"LGrad=1800", LF},
            {"LGrad=181", LaengeGrenze},
            {"LMinute=7a", "Fehler in der Minuteneingabe der Länge!"},
            {"LMinute=60", "Die Minuteneingabe der Länge darf 59' nicht überschreiten!"},
            {"LSekunde=.", "Eingabefehler im Sekundenteil der Länge!"},
            // The "0" written before stays when a later rule fails.
            {"BMinute=|LSekunde=60",
             "Der Sekundenwert der Länge darf 59.999999 nicht überschreiten!", "BMinute=0"},
        });
}

} // namespace
