// The syntax tests of the geographic fields and the three geographic
// whole-input checks: first failing rule, message, focus, filled fields.
#include <gtest/gtest.h>

#include "geodesy/modKartovex.h"
#include "workflow/Geopruefungen.h"

using namespace kartovex;

namespace {

TEST(Textpruefungen, Zeichenregeln) {
    struct Fall {
        std::string text;
        bool dezimal, bis2, bis3;
    };
    const Fall faelle[] = {
        {"48.4363326641023", true, false, false},
        {"48.", true, false, false},
        {"0", true, true, true},
        {"7", true, true, true},
        {"07", true, true, true},
        {"180", true, false, true},
        {"1800", true, false, false},
        {"", false, false, false},
        {".5", false, false, false},
        {"4.5.1", false, false, false},
        {"48,5", false, false, false},
        {" 48", false, false, false},
        {"-1", false, false, false},
        {"7a", false, false, false},
        {"1.", true, false, false},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE("'" + f.text + "'");
        EXPECT_EQ(modKartovex::IstDezimalzahl(f.text), f.dezimal);
        EXPECT_EQ(modKartovex::IstZahlBis2(f.text), f.bis2);
        EXPECT_EQ(modKartovex::IstZahlBis3(f.text), f.bis3);
    }
}

const std::string Nord =
    "Die nördliche Breite muss kleiner sein als 84°.\r\n\r\nAb 84° beginnt UPS";
const std::string Sued = "Der Zahlenwert der südlichen Breite darf nicht größer sein als "
                         "80°.\r\n\r\nDanach beginnt UPS.";
const std::string LaengeGrenze = "Die geographische Länge darf 180° nicht überschreiten!";

using Texte = std::map<std::string, std::string>;

struct Fall {
    std::string name;
    Texte aenderung;          // overrides the valid base input
    std::set<std::string> an; // option buttons on; empty: the base's north and east
    std::string meldung;      // empty: the check passes
    std::string fokus;
    Texte danach; // field texts expected after the check
};

void pruefeTabelle(Pruefergebnis (*pruefe)(Eingabe&), const Texte& basis,
                   const std::set<std::string>& basisAn, const std::vector<Fall>& faelle) {
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        Eingabe e;
        e.texte = basis;
        for (const auto& [feld, text] : f.aenderung)
            e.texte[feld] = text;
        e.an = f.an.empty() ? basisAn : f.an;
        const Pruefergebnis r = pruefe(e);
        EXPECT_EQ(r.ok, f.meldung.empty());
        EXPECT_EQ(r.meldung, f.meldung);
        EXPECT_EQ(r.fokus, f.fokus);
        EXPECT_FALSE(r.fokusVorMeldung);
        for (const auto& [feld, text] : f.danach)
            EXPECT_EQ(e.text(feld), text) << feld;
    }
}

TEST(PruefeGradDezimal, RegelnInReihenfolge) {
    const Texte basis{{"texBreite", "48.4363326641023"}, {"texLaenge", "9.96796724981198"}};
    const std::string B = "texBreite", L = "texLaenge", BF = "Eingabefehler in der Breite!",
                      LF = "Eingabefehler in der Länge!";
    pruefeTabelle(
        PruefeGradDezimal, basis, {"optDezN", "optDezE"},
        {
            {"Beispielpunkt", {}, {}, "", "", basis},
            {"leere Breite", {{B, ""}}, {}, BF, B, {{B, ""}}},
            {"Breite und Laenge falsch", {{B, "x"}, {L, "y"}}, {}, BF, B, {}},
            {"84 Nord", {{B, "84"}}, {}, Nord, B, {}},
            {"knapp unter 84", {{B, "83.999999"}}, {}, "", "", {}},
            {"84 mit Sued", {{B, "84"}}, {"optDezS", "optDezE"}, Sued, B, {}},
            {"80 Sued", {{B, "80"}}, {"optDezS", "optDezE"}, "", "", {}},
            {"ueber 80 Sued", {{B, "80.000001"}}, {"optDezS"}, Sued, B, {}},
            {"Laenge mit Vorzeichen", {{L, "-9"}}, {}, LF, L, {}},
            {"180 West", {{L, "180"}}, {"optDezN", "optDezW"}, "", "", {}},
            {"ueber 180", {{L, "180.000001"}}, {"optDezN", "optDezW"}, LaengeGrenze, L, {}},
        });
}

TEST(PruefeGradMinuten, RegelnInReihenfolge) {
    const std::string BG = "texBreiteGrad", BM = "texBreiteMinute", LG = "texLaengeGrad",
                      LM = "texLaengeMinute";
    const Texte basis{{BG, "48"}, {BM, "26.179960"}, {LG, "9"}, {LM, "58.078035"}};
    pruefeTabelle(
        PruefeGradMinuten, basis, {"optGMN", "optGME"},
        {
            {"Beispielpunkt", {}, {}, "", "", basis},
            {"leere Minuten werden 0", {{BM, ""}, {LM, ""}}, {}, "", "", {{BM, "0"}, {LM, "0"}}},
            // The minutes are filled before the first rule, so also here.
            {"leere Grad",
             {{BG, ""}, {BM, ""}, {LM, ""}},
             {},
             "Eingabefehler in der Breite!",
             "",
             {{BG, ""}, {BM, "0"}, {LM, "0"}}},
            {"dreistellige Breite", {{BG, "123"}}, {}, "Eingabefehler in der Breite!", "", {}},
            {"84 Nord", {{BG, "84"}}, {}, Nord + ".", "", {}},
            {"83 59.999999 Nord", {{BG, "83"}, {BM, "59.999999"}}, {}, "", "", {}},
            {"81 Sued", {{BG, "81"}}, {"optGMS"}, Sued, "", {}},
            {"80 30 Sued", {{BG, "80"}, {BM, "30"}}, {"optGMS"}, "", "", {}},
            {"Minuten mit Punkt vorn",
             {{BM, ".5"}},
             {},
             "Eingabefehler im Minutenteil der Breite!",
             "",
             {}},
            {"Minuten 60",
             {{BM, "60"}},
             {},
             "Der Minutenwert der Breite darf 59.999999 nicht "
             "überschreiten!",
             "",
             {}},
            {"Laengengrad vierstellig",
             {{LG, "1800"}},
             {},
             "Eingabefehler in der Länge!\r\n",
             "",
             {}},
            {"Laengengrad 181", {{LG, "181"}}, {}, LaengeGrenze, "", {}},
            {"Laengengrad 180", {{LG, "180"}, {LM, "0"}}, {}, "", "", {}},
            {"Laengenminuten zwei Punkte",
             {{LM, "4.5.1"}},
             {},
             "Eingabefehler im Minutenteil der Länge!\r\n",
             "",
             {}},
            {"Laengenminuten zu gross",
             {{LM, "59.9999991"}},
             {},
             "Der Minutenwert der Länge darf 59.999999 nicht überschreiten!",
             "",
             {}},
        });
}

TEST(PruefeGradMinSek, RegelnInReihenfolge) {
    const std::string BG = "texBGrad", BM = "texBMinute", BS = "texBSekunde", LG = "texLGrad",
                      LM = "texLMinute", LS = "texLSekunde";
    const Texte basis{{BG, "48"}, {BM, "26"}, {BS, "10.80"}, {LG, "9"}, {LM, "58"}, {LS, "4.68"}};
    const Texte leer{{BM, ""}, {BS, ""}, {LM, ""}, {LS, ""}};
    pruefeTabelle(
        PruefeGradMinSek, basis, {"optGradN", "optGradE"},
        {
            {"Beispielpunkt", {}, {}, "", "", basis},
            {"leere Minuten und Sekunden werden 0",
             leer,
             {},
             "",
             "",
             {{BM, "0"}, {BS, "0"}, {LM, "0"}, {LS, "0"}}},
            // The degree syntax is tested before the filling.
            {"leere Grad fuellen nichts",
             {{BG, ""}, {BM, ""}, {LS, ""}},
             {},
             "Eingabefehler in der Breite!",
             "",
             {{BM, ""}, {LS, ""}}},
            {"84 Nord", {{BG, "84"}}, {}, Nord, "", {}},
            {"81 Sued", {{BG, "81"}}, {"optGradS"}, Sued, "", {}},
            {"Minuten 59", {{BM, "59"}}, {}, "", "", {}},
            {"Minuten 60",
             {{BM, "60"}},
             {},
             "Die Minuteneingabe der Breite darf 59' nicht überschreiten!",
             "",
             {}},
            {"Minuten mit Dezimalen",
             {{BM, "5.5"}},
             {},
             "Fehler in der Minuteneingabe der Breite!",
             "",
             {}},
            {"Sekunden 59.999999", {{BS, "59.999999"}}, {}, "", "", {}},
            {"Sekunden 60",
             {{BS, "60"}},
             {},
             "Der Sekundenwert der Breite darf 59.999999 nicht überschreiten!",
             "",
             {}},
            {"Sekunden mit Komma",
             {{BS, "1,5"}},
             {},
             "Eingabefehler im Sekundenteil der Breite!",
             "",
             {}},
            {"Laengengrad vierstellig", {{LG, "1800"}}, {}, "Eingabefehler in der Länge!", "", {}},
            {"Laengengrad 181", {{LG, "181"}}, {}, LaengeGrenze, "", {}},
            {"Laengenminuten mit Buchstabe",
             {{LM, "7a"}},
             {},
             "Fehler in der Minuteneingabe der Länge!",
             "",
             {}},
            {"Laengenminuten 60",
             {{LM, "60"}},
             {},
             "Die Minuteneingabe der Länge darf 59' nicht überschreiten!",
             "",
             {}},
            {"Laengensekunden nur Punkt",
             {{LS, "."}},
             {},
             "Eingabefehler im Sekundenteil der Länge!",
             "",
             {}},
            // The "0" written before stays when a later rule fails.
            {"Laengensekunden 60 nach Fuellung",
             {{BM, ""}, {LS, "60"}},
             {},
             "Der Sekundenwert der Länge darf 59.999999 nicht überschreiten!",
             "",
             {{BM, "0"}}},
        });
}

} // namespace
