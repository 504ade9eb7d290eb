// Whole-input checks of the grid formats: first failing rule, its message,
// focus target and order, and the normalised field texts.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "checks/Gitterpruefungen.h"

using namespace kartovex;

namespace {
using Texte = std::map<std::string, std::string>;

struct Fall {
    const char* name;
    Texte eingabe; // fields that differ from the check's good example
    bool ok;
    std::string meldung;
    std::string fokus;
    bool fokusVorMeldung;
    Texte danach; // expected field texts after the check (others unchanged)
};

using Pruefung = Pruefergebnis (*)(Eingabe&);

// Runs every case on top of a passing input and compares verdict and texts.
void Pruefe(Pruefung pruefung, const Texte& gut, const Grenzen& grenzen,
            const std::vector<Fall>& faelle) {
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        Eingabe e;
        e.texte = gut;
        for (const auto& [feld, text] : f.eingabe)
            e.texte[feld] = text;
        e.grenzen = grenzen;
        Texte erwartet = e.texte;
        for (const auto& [feld, text] : f.danach)
            erwartet[feld] = text;

        const auto ergebnis = pruefung(e);
        EXPECT_EQ(ergebnis.ok, f.ok);
        EXPECT_EQ(ergebnis.meldung, f.meldung);
        EXPECT_EQ(ergebnis.fokus, f.fokus);
        EXPECT_EQ(ergebnis.fokusVorMeldung, f.fokusVorMeldung);
        EXPECT_EQ(e.texte, erwartet);
    }
}

const Grenzen BandU{"0723776", "0276224", "6210141", "5316301"};
const Grenzen BandN{"0833979", "0166021", "0885504", "0000000"};

const std::string Erstes = "Das 1. Zeichen der Zone muss eine Ziffer ( 0...6 ) sein!";
const std::string Zweites = "Das 2. Zeichen der Zone muss eine Ziffer ( 0...9 ) sein!";
const std::string Band = "Das 3. Zeichen der Zone muss einer der Buchstaben\r\n\r\n"
                         "C D E F G H J K L M N P Q R S T U V W X\r\n\r\nsein";
const std::string DreiZeichen = "Das Zonenfeld muss aus genau 3 Zeichen bestehen!";
const std::string OhneZone = "Ohne Angabe der Zone kann die Berechnung nicht durchgeführt werden.";
const std::string OhneQuadrat =
    "Ohne Angabe des 100km-Quadrates kann die Berechnung nicht durchgeführt werden.";
const std::string Stelle1 = "Die 1. Stelle im 100km Quadrat muss einer der Buchstaben\r\n\r\n"
                            "A B C D E F G H J K L M N P Q R S T U V W X Y Z\r\n\r\nsein.";
const std::string Stelle2 = "Die 2. Stelle im 100km Quadrat muss einer der Buchstaben\r\n\r\n"
                            "A B C D E F G H J K L M N P Q R S T U V\r\n\r\nsein.";

TEST(PruefeUTMzivil, Rules) {
    const Texte gut = {{"texZone", "32U"}, {"texRechts", "0571595"}, {"texHoch", "5365251"}};
    const std::string R7 = "Der Rechtswert muss aus genau 7 Ziffern bestehen,\r\n"
                           "wobei die erste Ziffer eine 0 sein muss!";
    const std::string RZiffern = "Im Rechtswert sind nur die Ziffern ( 0...9 ) zugelassen1";
    const std::string RMax = "Der Rechtswert darf das angezeigte Maximum nicht überschreiten!";
    const std::string RMin = "Der Rechtswert darf das angezeigte Minimum nicht unterschreiten!";
    const std::string HMax = "Der Hochwert darf das angezeigte Maximum nicht überschreiten!";
    const std::string HMin = "Der Hochwert darf das angezeigte Minimum nicht unterschreiten!";
    const std::string H7 = "Der Hochwert muss aus genau 7 Ziffern bestehen!";
    const std::string HZiffern = "Im Hochwert sind nur die Ziffern ( 0...9 ) zugelassen!";
    Pruefe(
        PruefeUTMzivil, gut, BandU,
        {
            {"example point", {}, true, "", "", false, {}},
            {"empty zone is silent",
             {{"texZone", ""}, {"texRechts", "x"}},
             false,
             "",
             "",
             false,
             {}},
            {"zone 3U", {{"texZone", "3U"}}, false, DreiZeichen, "texZone", false, {}},
            {"zone 32UU", {{"texZone", "32UU"}}, false, DreiZeichen, "texZone", false, {}},
            {"zone 00U",
             {{"texZone", "00U"}},
             false,
             "Es gibt keine Zone 00!",
             "texZone",
             false,
             {}},
            {"zone 61U",
             {{"texZone", "61U"}},
             false,
             "Es gibt keine Zone 61!",
             "texZone",
             false,
             {}},
            {"zone 70U before first digit",
             {{"texZone", "70U"}},
             false,
             "Es gibt keine Zone 70!",
             "texZone",
             false,
             {}},
            {"zone 99U",
             {{"texZone", "99U"}},
             false,
             "Es gibt keine Zone 99!",
             "texZone",
             false,
             {}},
            {"zone 60X", {{"texZone", "60X"}}, true, "", "", false, {}},
            {"zone 7AU", {{"texZone", "7AU"}}, false, Erstes, "texZone", false, {}},
            {"zone -1U", {{"texZone", "-1U"}}, false, Erstes, "texZone", false, {}},
            {"zone 3AU", {{"texZone", "3AU"}}, false, Zweites, "texZone", false, {}},
            {"zone 6AU", {{"texZone", "6AU"}}, false, Zweites, "texZone", false, {}},
            {"zone 32I", {{"texZone", "32I"}}, false, Band, "texZone", false, {}},
            {"zone 32O", {{"texZone", "32O"}}, false, Band, "texZone", false, {}},
            {"zone 32u", {{"texZone", "32u"}}, false, Band, "texZone", false, {}},
            {"zone 32Ä", {{"texZone", "32Ä"}}, false, Band, "texZone", false, {}},
            {"zone 32X",
             {{"texZone", "32X"}},
             false,
             "Das Zonenfeld 32X entfällt auf Spitzbergen.",
             "texZone",
             false,
             {}},
            {"zone 34X",
             {{"texZone", "34X"}},
             false,
             "Das Zonenfeld 34X entfällt auf Spitzbergen.",
             "texZone",
             false,
             {}},
            {"zone 36X",
             {{"texZone", "36X"}},
             false,
             "Das Zonenfeld 36X entfällt auf Spitzbergen.",
             "texZone",
             false,
             {}},
            {"zone 37X", {{"texZone", "37X"}}, true, "", "", false, {}},
            {"Rechts 6 digits", {{"texRechts", "571595"}}, false, R7, "texRechts", false, {}},
            {"Rechts empty", {{"texRechts", ""}}, false, R7, "texRechts", false, {}},
            {"Rechts starts with 1",
             {{"texRechts", "1571595"}},
             false,
             "Der Rechtswert muss mit 0 beginnen!",
             "texRechts",
             false,
             {}},
            {"Rechts with blank",
             {{"texRechts", "0 71595"}},
             false,
             RZiffern,
             "texRechts",
             false,
             {}},
            {"Rechts with point",
             {{"texRechts", "0.71595"}},
             false,
             RZiffern,
             "texRechts",
             false,
             {}},
            {"Rechts umlaut is one character",
             {{"texRechts", "0ä71595"}},
             false,
             RZiffern,
             "texRechts",
             false,
             {}},
            {"Rechts zero",
             {{"texRechts", "0000000"}},
             false,
             "Der Rechtswert kann nicht Null sein!",
             "texRechts",
             false,
             {}},
            {"Rechts at maximum", {{"texRechts", "0723776"}}, true, "", "", false, {}},
            {"Rechts above maximum",
             {{"texRechts", "0723777"}},
             false,
             RMax,
             "texRechts",
             false,
             {}},
            {"Rechts at minimum", {{"texRechts", "0276224"}}, true, "", "", false, {}},
            {"Rechts below minimum",
             {{"texRechts", "0276223"}},
             false,
             RMin,
             "texRechts",
             false,
             {}},
            {"Hoch 6 digits", {{"texHoch", "536525"}}, false, H7, "texHoch", false, {}},
            {"Hoch with letter", {{"texHoch", "53652a1"}}, false, HZiffern, "texHoch", false, {}},
            {"Hoch at maximum", {{"texHoch", "6210141"}}, true, "", "", false, {}},
            {"Hoch above maximum", {{"texHoch", "6210142"}}, false, HMax, "texHoch", false, {}},
            {"Hoch at minimum", {{"texHoch", "5316301"}}, true, "", "", false, {}},
            {"Hoch below minimum", {{"texHoch", "5316300"}}, false, HMin, "texHoch", false, {}},
            {"zone before Rechts before Hoch",
             {{"texZone", "00U"}, {"texRechts", "1"}, {"texHoch", "x"}},
             false,
             "Es gibt keine Zone 00!",
             "texZone",
             false,
             {}},
        });

    // Hoch 0000000 is the minimum of band N.
    Pruefe(PruefeUTMzivil, {{"texZone", "32N"}, {"texRechts", "0500000"}, {"texHoch", "0000000"}},
           BandN, {{"band N minimum", {}, true, "", "", false, {}}});
    // Bounds never set: every Rechts value is above the maximum 0.
    Pruefe(PruefeUTMzivil, gut, Grenzen{},
           {{"no bounds yet", {}, false, RMax, "texRechts", false, {}}});
}

TEST(PruefeUTMmil, RulesAndZeroFilling) {
    const Texte gut = {{"texZoneM", "38T"}, {"tex100km", "NS"}, {"tex10km", "80"}, {"tex1km", "68"},
                       {"tex100m", "73"},   {"tex10m", "97"},   {"tex1m", "88"}};
    const std::string Ziffernteil =
        " Feld sind nur ganze Zahlen aus den Ziffern\r\n\r\n0 1 2 3 4 5 6 7 8 9\r\n\r\nzugelassen.";
    Pruefe(PruefeUTMmil, gut, {},
           {
               {"example point", {}, true, "", "", false, {}},
               {"groups zero-filled",
                {{"tex10km", "8"}, {"tex1km", ""}},
                true,
                "",
                "",
                false,
                {{"tex10km", "08"}, {"tex1km", "00"}}},
               {"empty zone first",
                {{"texZoneM", ""}, {"tex100km", ""}},
                false,
                OhneZone,
                "texZoneM",
                true,
                {}},
               {"empty square", {{"tex100km", ""}}, false, OhneQuadrat, "tex100km", true, {}},
               {"zone 32X passes", {{"texZoneM", "32X"}}, true, "", "", false, {}},
               {"zone 3T", {{"texZoneM", "3T"}}, false, DreiZeichen, "texZoneM", false, {}},
               {"zone 00T",
                {{"texZoneM", "00T"}},
                false,
                "Es gibt keine Zone 00!",
                "texZoneM",
                false,
                {}},
               {"zone 61T",
                {{"texZoneM", "61T"}},
                false,
                "Es gibt keine Zone 61!",
                "texZoneM",
                false,
                {}},
               {"zone 7AT", {{"texZoneM", "7AT"}}, false, Erstes, "texZoneM", false, {}},
               {"zone 3AT", {{"texZoneM", "3AT"}}, false, Zweites, "texZoneM", false, {}},
               {"zone 38t", {{"texZoneM", "38t"}}, false, Band, "texZoneM", false, {}},
               {"square N",
                {{"tex100km", "N"}},
                false,
                "Für das 100km Quadrat sind genau 2 Buchstaben erforderlich.",
                "tex100km",
                false,
                {}},
               {"square NSX",
                {{"tex100km", "NSX"}},
                false,
                "Für das 100km Quadrat sind genau 2 Buchstaben erforderlich.",
                "tex100km",
                false,
                {}},
               {"square IS", {{"tex100km", "IS"}}, false, Stelle1, "tex100km", false, {}},
               {"square ns", {{"tex100km", "ns"}}, false, Stelle1, "tex100km", false, {}},
               {"square ÄS is two characters",
                {{"tex100km", "ÄS"}},
                false,
                Stelle1,
                "tex100km",
                false,
                {}},
               {"square ZA", {{"tex100km", "ZA"}}, true, "", "", false, {}},
               {"square NW", {{"tex100km", "NW"}}, false, Stelle2, "tex100km", false, {}},
               {"square NO", {{"tex100km", "NO"}}, false, Stelle2, "tex100km", false, {}},
               {"zone before square",
                {{"texZoneM", "00T"}, {"tex100km", "I"}},
                false,
                "Es gibt keine Zone 00!",
                "texZoneM",
                false,
                {}},
               {"long 1km group keeps earlier filling only",
                {{"tex10km", "8"}, {"tex1km", "123"}, {"tex100m", ""}, {"tex1m", "5"}},
                false,
                "Im 1km Feld sind keine 3-stelligen Eingaben zugelassen!",
                "tex1km",
                false,
                {{"tex10km", "08"}}},
               {"long 1m group",
                {{"tex1m", "1234567890"}},
                false,
                "Im 1m Feld sind keine 10-stelligen Eingaben zugelassen!",
                "tex1m",
                false,
                {}},
               {"umlaut group counts characters",
                {{"tex10m", "äöü"}},
                false,
                "Im 10m Feld sind keine 3-stelligen Eingaben zugelassen!",
                "tex10m",
                false,
                {}},
               {"letter in 100m group",
                {{"tex100m", "1a"}},
                false,
                "Im 100m" + Ziffernteil,
                "tex100m",
                false,
                {}},
               {"blank group",
                {{"tex10km", " "}},
                false,
                "Im 10km" + Ziffernteil,
                "tex10km",
                false,
                {{"tex10km", "0 "}}},
               {"one letter group filled then rejected",
                {{"tex10m", "x"}},
                false,
                "Im 10m" + Ziffernteil,
                "tex10m",
                false,
                {{"tex10m", "0x"}}},
               {"point in 1m group",
                {{"tex1m", "8."}},
                false,
                "Im 1m" + Ziffernteil,
                "tex1m",
                false,
                {}},
           });
}

TEST(PruefeUTMref, RulesAndEmptyDigitGroup) {
    const Texte gut = {{"texREFZone", "32U"}, {"texREF100", "NU"}, {"texREFZiffern", "7161865806"}};
    const std::string Zehn = "0000000000";
    const std::string NurZiffern =
        "In der Zifferngruppe sind nur ganze Zahlen aus den Ziffern\r\n\r\n"
        "0 1 2 3 4 5 6 7 8 9\r\n\r\nzugelassen, also auch keine Leerstelle oder /";
    const std::string Ungerade = "Die Zifferngruppe muss geradzahlig sein\r\n"
                                 "2 oder 4 oder 6 oder 8 oder 10 Ziffern.\r\n\r\n";
    const std::string ZweiBuchstaben = "Genau 2 Buchstaben sind erforderlich. Beispiel: NU";
    Pruefe(PruefeUTMref, gut, {},
           {
               {"example point", {}, true, "", "", false, {}},
               {"empty digits become ten zeros",
                {{"texREFZiffern", ""}},
                true,
                "",
                "",
                false,
                {{"texREFZiffern", Zehn}}},
               {"two digits", {{"texREFZiffern", "71"}}, true, "", "", false, {}},
               {"empty zone leaves digits alone",
                {{"texREFZone", ""}, {"texREFZiffern", ""}},
                false,
                OhneZone,
                "texREFZone",
                true,
                {}},
               {"empty square leaves digits alone",
                {{"texREF100", ""}, {"texREFZiffern", ""}},
                false,
                OhneQuadrat,
                "texREF100",
                true,
                {}},
               {"ten zeros stay after a zone fault",
                {{"texREFZone", "3U"}, {"texREFZiffern", ""}},
                false,
                DreiZeichen,
                "texREFZone",
                false,
                {{"texREFZiffern", Zehn}}},
               {"zone 32X passes", {{"texREFZone", "32X"}}, true, "", "", false, {}},
               {"zone 00U",
                {{"texREFZone", "00U"}},
                false,
                "Es gibt keine Zone 00!",
                "texREFZone",
                false,
                {}},
               {"zone 65U",
                {{"texREFZone", "65U"}},
                false,
                "Es gibt keine Zone 65!",
                "texREFZone",
                false,
                {}},
               {"zone 60U", {{"texREFZone", "60U"}}, true, "", "", false, {}},
               {"zone 8AU", {{"texREFZone", "8AU"}}, false, Erstes, "texREFZone", false, {}},
               {"zone 3AU", {{"texREFZone", "3AU"}}, false, Zweites, "texREFZone", false, {}},
               {"zone 32Z", {{"texREFZone", "32Z"}}, false, Band, "texREFZone", false, {}},
               {"square N", {{"texREF100", "N"}}, false, ZweiBuchstaben, "texREF100", false, {}},
               {"square OU", {{"texREF100", "OU"}}, false, Stelle1, "texREF100", false, {}},
               {"square NW", {{"texREF100", "NW"}}, false, Stelle2, "texREF100", false, {}},
               {"digits with blank",
                {{"texREFZiffern", "7161 8658"}},
                false,
                NurZiffern,
                "texREFZiffern",
                false,
                {}},
               {"digits with slash",
                {{"texREFZiffern", "7161/8658"}},
                false,
                NurZiffern,
                "texREFZiffern",
                false,
                {}},
               {"characters before length",
                {{"texREFZiffern", "7161865806x"}},
                false,
                NurZiffern,
                "texREFZiffern",
                false,
                {}},
               {"eleven digits",
                {{"texREFZiffern", "71618658061"}},
                false,
                "Sie haben mehr als 10 Ziffern eingegeben!",
                "texREFZiffern",
                false,
                {}},
               {"twelve digits",
                {{"texREFZiffern", "716186580612"}},
                false,
                "Sie haben mehr als 10 Ziffern eingegeben!",
                "texREFZiffern",
                false,
                {}},
               {"five digits",
                {{"texREFZiffern", "71618"}},
                false,
                Ungerade + " 5 ist nicht geradzahlig.",
                "texREFZiffern",
                false,
                {}},
               {"one digit",
                {{"texREFZiffern", "7"}},
                false,
                Ungerade + " 1 ist nicht geradzahlig.",
                "texREFZiffern",
                false,
                {}},
           });
}

TEST(PruefeGK, RulesCompletionAndBounds) {
    const Texte gut = {{"texGKRechts", "3571699.06"}, {"texGKHoch", "5366959.20"}};
    const std::string RZeichen = "Im Rechtswert sind nur die Zeichen\r\n\r\n"
                                 "0 1 2 3 4 5 6 7 8 9 und das Komma\r\n\r\nzugelassen.";
    const std::string HZeichen = "Im Hochwert sind nur die Zeichen\r\n\r\n"
                                 "0 1 2 3 4 5 6 7 8 9 und das Komma\r\n\r\nzugelassen.";
    const std::string RKlein =
        "Der Rechtswert ist zu klein.\r\nIhr Punkt liegt westlich von Deutschland.";
    const std::string RGross =
        "Der Rechtswert ist zu groß.\r\nIhr Punkt liegt östlich von Deutschland.";
    const std::string HKlein =
        "Der Hochwert ist zu klein.\r\nIhr Punkt liegt südlich von Deutschland.";
    const std::string HGross =
        "Der Hochwert ist zu groß.\r\nIhr Punkt liegt nördlich von Deutschland.";
    const std::string RStellen = "Der Rechtswert muss genau 7 Stellen vor dem Komma haben!";
    const std::string HStellen = "Der Hochwert muss genau 7 Stellen vor dem Komma haben!";
    Pruefe(PruefeGK, gut, {},
           {
               {"example point unchanged", {}, true, "", "", false, {}},
               {"whole values completed",
                {{"texGKRechts", "3571699"}, {"texGKHoch", "5366959"}},
                true,
                "",
                "",
                false,
                {{"texGKRechts", "3571699.00"}, {"texGKHoch", "5366959.00"}}},
               {"point without decimals", {{"texGKRechts", "3571699."}}, true, "", "", false, {}},
               {"leading zero completed",
                {{"texGKRechts", "03571699"}},
                true,
                "",
                "",
                false,
                {{"texGKRechts", "03571699.00"}}},
               {"Rechts empty is silent",
                {{"texGKRechts", ""}, {"texGKHoch", "x"}},
                false,
                "",
                "",
                false,
                {}},
               {"Hoch empty is silent",
                {{"texGKHoch", ""}, {"texGKRechts", "x"}},
                false,
                "",
                "",
                false,
                {}},
               {"letter in Rechts",
                {{"texGKRechts", "35716a9"}},
                false,
                RZeichen,
                "texGKRechts",
                false,
                {}},
               {"blank in Rechts",
                {{"texGKRechts", "3571699 "}},
                false,
                RZeichen,
                "texGKRechts",
                false,
                {}},
               {"comma in Hoch",
                {{"texGKHoch", "5366959,2"}},
                false,
                HZeichen,
                "texGKHoch",
                false,
                {}},
               {"two points in Rechts",
                {{"texGKRechts", "3571.699.06"}},
                false,
                "Im Rechtswert ist nur 1 Komma zugelassen!",
                "texGKRechts",
                false,
                {}},
               {"Rechts characters before Hoch characters",
                {{"texGKRechts", "1.2.3"}, {"texGKHoch", "x"}},
                false,
                "Im Rechtswert ist nur 1 Komma zugelassen!",
                "texGKRechts",
                false,
                {}},
               {"two points in Hoch",
                {{"texGKHoch", "5366.959.2"}},
                false,
                "Im Hochwert ist nur 1 Komma zugelassen!",
                "texGKHoch",
                false,
                {}},
               {"Hoch characters before Rechts bounds",
                {{"texGKRechts", "1"}, {"texGKHoch", "5x"}},
                false,
                HZeichen,
                "texGKHoch",
                false,
                {}},
               {"Rechts at minimum",
                {{"texGKRechts", "2484700"}},
                true,
                "",
                "",
                false,
                {{"texGKRechts", "2484700.00"}}},
               {"Rechts below minimum",
                {{"texGKRechts", "2484699.99"}},
                false,
                RKlein,
                "texGKRechts",
                false,
                {}},
               {"Rechts at maximum", {{"texGKRechts", "5538200.00"}}, true, "", "", false, {}},
               {"Rechts above maximum",
                {{"texGKRechts", "5538201"}},
                false,
                RGross,
                "texGKRechts",
                false,
                {}},
               {"Hoch below minimum",
                {{"texGKHoch", "5107149"}},
                false,
                HKlein,
                "texGKHoch",
                false,
                {}},
               {"Hoch above maximum",
                {{"texGKHoch", "6197356"}},
                false,
                HGross,
                "texGKHoch",
                false,
                {}},
               {"Hoch at maximum",
                {{"texGKHoch", "6197355"}},
                true,
                "",
                "",
                false,
                {{"texGKHoch", "6197355.00"}}},
               {"six places is too small",
                {{"texGKRechts", "357169.9"}},
                false,
                RKlein,
                "texGKRechts",
                false,
                {}},
               {"eight places is too large",
                {{"texGKRechts", "35716990"}},
                false,
                RGross,
                "texGKRechts",
                false,
                {}},
               {"Rechts bounds before Hoch bounds",
                {{"texGKRechts", "1"}, {"texGKHoch", "1"}},
                false,
                RKlein,
                "texGKRechts",
                false,
                {}},
               {"Rechts eight places with leading zero",
                {{"texGKRechts", "03571699.5"}},
                false,
                RStellen,
                "texGKRechts",
                false,
                {}},
               {"Hoch fault keeps completed Rechts",
                {{"texGKRechts", "3571699"}, {"texGKHoch", "05366959.2"}},
                false,
                HStellen,
                "texGKHoch",
                false,
                {{"texGKRechts", "3571699.00"}}},
               {"Rechts place fault leaves Hoch alone",
                {{"texGKRechts", "0003571699.5"}, {"texGKHoch", "5366959"}},
                false,
                RStellen,
                "texGKRechts",
                false,
                {}},
           });
}

TEST(PruefeGK, SetsTheGermanBoundsOnceBothFieldsAreFilled) {
    const Grenzen vorher{"a", "b", "c", "d"};
    Eingabe leer;
    leer.texte = {{"texGKRechts", "3571699.06"}, {"texGKHoch", ""}};
    leer.grenzen = vorher;
    PruefeGK(leer);
    EXPECT_EQ(leer.grenzen.RechtsMax, "a");
    EXPECT_EQ(leer.grenzen.HochMin, "d");

    Eingabe falsch;
    falsch.texte = {{"texGKRechts", "x"}, {"texGKHoch", "y"}};
    falsch.grenzen = vorher;
    EXPECT_FALSE(PruefeGK(falsch).ok);
    EXPECT_EQ(falsch.grenzen.RechtsMin, "2484700");
    EXPECT_EQ(falsch.grenzen.RechtsMax, "5538200");
    EXPECT_EQ(falsch.grenzen.HochMin, "5107150");
    EXPECT_EQ(falsch.grenzen.HochMax, "6197355");
}
} // namespace
