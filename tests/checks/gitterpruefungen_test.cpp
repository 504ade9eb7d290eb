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
    Texte eingabe; // fields that differ from the check's good example
    Pruefergebnis erwartet;
    Texte danach; // expected field texts after the check (others unchanged)
};

Fall Gut(Texte eingabe, Texte danach = {}) {
    return {eingabe, {}, danach};
}
Fall Still(Texte eingabe) {
    return {eingabe, {false, "", "", false}, {}};
}
Fall Fehler(Texte eingabe, std::string meldung, std::string fokus, Texte danach = {}) {
    return {eingabe, {false, meldung, fokus, false}, danach};
}
Fall FokusZuerst(Texte eingabe, std::string meldung, std::string fokus) {
    return {eingabe, {false, meldung, fokus, true}, {}};
}

std::string Beschreibung(const Texte& texte) {
    std::string s;
    for (const auto& [feld, text] : texte)
        s += feld + "='" + text + "' ";
    return s;
}

using Pruefung = Pruefergebnis (*)(Eingabe&);

// Runs every case on top of a passing input and compares verdict and texts.
void Pruefe(Pruefung pruefung, const Texte& gut, const Grenzen& grenzen,
            const std::vector<Fall>& faelle) {
    for (const auto& f : faelle) {
        SCOPED_TRACE(Beschreibung(f.eingabe));
        Eingabe e;
        e.texte = gut;
        for (const auto& [feld, text] : f.eingabe)
            e.texte[feld] = text;
        e.grenzen = grenzen;
        Texte erwartet = e.texte;
        for (const auto& [feld, text] : f.danach)
            erwartet[feld] = text;

        const auto ergebnis = pruefung(e);
        EXPECT_EQ(ergebnis.ok, f.erwartet.ok);
        EXPECT_EQ(ergebnis.meldung, f.erwartet.meldung);
        EXPECT_EQ(ergebnis.fokus, f.erwartet.fokus);
        EXPECT_EQ(ergebnis.fokusVorMeldung, f.erwartet.fokusVorMeldung);
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
    const std::string Z = "texZone", R = "texRechts", H = "texHoch";
    const std::string R7 = "Der Rechtswert muss aus genau 7 Ziffern bestehen,\r\n"
                           "wobei die erste Ziffer eine 0 sein muss!";
    const std::string RZiffern = "Im Rechtswert sind nur die Ziffern ( 0...9 ) zugelassen1";
    const std::string RMax = "Der Rechtswert darf das angezeigte Maximum nicht überschreiten!";
    const std::string RMin = "Der Rechtswert darf das angezeigte Minimum nicht unterschreiten!";
    const std::string HMax = "Der Hochwert darf das angezeigte Maximum nicht überschreiten!";
    const std::string HMin = "Der Hochwert darf das angezeigte Minimum nicht unterschreiten!";
    const std::string H7 = "Der Hochwert muss aus genau 7 Ziffern bestehen!";
    const std::string HZiffern = "Im Hochwert sind nur die Ziffern ( 0...9 ) zugelassen!";
    const std::string Spitzbergen = " entfällt auf Spitzbergen.";
    Pruefe(PruefeUTMzivil, gut, BandU,
           {
               Gut({}),
               Still({{Z, ""}, {R, "x"}}),
               Fehler({{Z, "3U"}}, DreiZeichen, Z),
               Fehler({{Z, "32UU"}}, DreiZeichen, Z),
               Fehler({{Z, "00U"}}, "Es gibt keine Zone 00!", Z),
               Fehler({{Z, "61U"}}, "Es gibt keine Zone 61!", Z),
               Fehler({{Z, "70U"}}, "Es gibt keine Zone 70!", Z),
               Fehler({{Z, "99U"}}, "Es gibt keine Zone 99!", Z),
               Gut({{Z, "60X"}}),
               Fehler({{Z, "7AU"}}, Erstes, Z),
               Fehler({{Z, "-1U"}}, Erstes, Z),
               Fehler({{Z, "3AU"}}, Zweites, Z),
               Fehler({{Z, "6AU"}}, Zweites, Z),
               Fehler({{Z, "32I"}}, Band, Z),
               Fehler({{Z, "32O"}}, Band, Z),
               Fehler({{Z, "32u"}}, Band, Z),
               Fehler({{Z, "32Ä"}}, Band, Z),
               Fehler({{Z, "32X"}}, "Das Zonenfeld 32X" + Spitzbergen, Z),
               Fehler({{Z, "34X"}}, "Das Zonenfeld 34X" + Spitzbergen, Z),
               Fehler({{Z, "36X"}}, "Das Zonenfeld 36X" + Spitzbergen, Z),
               Gut({{Z, "37X"}}),
               Fehler({{R, "571595"}}, R7, R),
               Fehler({{R, ""}}, R7, R),
               Fehler({{R, "1571595"}}, "Der Rechtswert muss mit 0 beginnen!", R),
               Fehler({{R, "0 71595"}}, RZiffern, R),
               Fehler({{R, "0.71595"}}, RZiffern, R),
               Fehler({{R, "0ä71595"}}, RZiffern, R), // seven characters, eight bytes
               Fehler({{R, "0000000"}}, "Der Rechtswert kann nicht Null sein!", R),
               Gut({{R, "0723776"}}),
               Fehler({{R, "0723777"}}, RMax, R),
               Gut({{R, "0276224"}}),
               Fehler({{R, "0276223"}}, RMin, R),
               Fehler({{H, "536525"}}, H7, H),
               Fehler({{H, "53652a1"}}, HZiffern, H),
               Gut({{H, "6210141"}}),
               Fehler({{H, "6210142"}}, HMax, H),
               Gut({{H, "5316301"}}),
               Fehler({{H, "5316300"}}, HMin, H),
               Fehler({{Z, "00U"}, {R, "1"}, {H, "x"}}, "Es gibt keine Zone 00!", Z),
               Fehler({{R, "1"}, {H, "x"}}, R7, R),
           });

    // Hoch 0000000 is the minimum of band N.
    Pruefe(PruefeUTMzivil, {{Z, "32N"}, {R, "0500000"}, {H, "0000000"}}, BandN, {Gut({})});
    // Bounds never set: every Rechts value is above the maximum 0.
    Pruefe(PruefeUTMzivil, gut, Grenzen{}, {Fehler({}, RMax, R)});
}

TEST(PruefeUTMmil, RulesAndZeroFilling) {
    const Texte gut = {{"texZoneM", "38T"}, {"tex100km", "NS"}, {"tex10km", "80"}, {"tex1km", "68"},
                       {"tex100m", "73"},   {"tex10m", "97"},   {"tex1m", "88"}};
    const std::string Z = "texZoneM", Q = "tex100km";
    const std::string ZweiBuchstaben =
        "Für das 100km Quadrat sind genau 2 Buchstaben erforderlich.";
    auto keine = [](const std::string& feld, const std::string& n) {
        return "Im " + feld + " Feld sind keine " + n + "-stelligen Eingaben zugelassen!";
    };
    auto nurZiffern = [](const std::string& feld) {
        return "Im " + feld +
               " Feld sind nur ganze Zahlen aus den Ziffern\r\n\r\n0 1 2 3 4 5 6 7 8 9\r\n\r\n"
               "zugelassen.";
    };
    Pruefe(PruefeUTMmil, gut, {},
           {
               Gut({}),
               Gut({{"tex10km", "8"}, {"tex1km", ""}}, {{"tex10km", "08"}, {"tex1km", "00"}}),
               FokusZuerst({{Z, ""}, {Q, ""}}, OhneZone, Z),
               FokusZuerst({{Q, ""}}, OhneQuadrat, Q),
               Gut({{Z, "32X"}}),
               Fehler({{Z, "3T"}}, DreiZeichen, Z),
               Fehler({{Z, "00T"}}, "Es gibt keine Zone 00!", Z),
               Fehler({{Z, "61T"}}, "Es gibt keine Zone 61!", Z),
               Fehler({{Z, "7AT"}}, Erstes, Z),
               Fehler({{Z, "3AT"}}, Zweites, Z),
               Fehler({{Z, "38t"}}, Band, Z),
               Fehler({{Z, "00T"}, {Q, "I"}}, "Es gibt keine Zone 00!", Z),
               Fehler({{Q, "N"}}, ZweiBuchstaben, Q),
               Fehler({{Q, "NSX"}}, ZweiBuchstaben, Q),
               Fehler({{Q, "IS"}}, Stelle1, Q),
               Fehler({{Q, "ns"}}, Stelle1, Q),
               Fehler({{Q, "ÄS"}}, Stelle1, Q), // two characters
               Gut({{Q, "ZA"}}),
               Fehler({{Q, "NW"}}, Stelle2, Q),
               Fehler({{Q, "NO"}}, Stelle2, Q),
               // Groups before the faulty one stay filled, later ones stay as typed.
               Fehler({{"tex10km", "8"}, {"tex1km", "123"}, {"tex100m", ""}, {"tex1m", "5"}},
                      keine("1km", "3"), "tex1km", {{"tex10km", "08"}}),
               Fehler({{"tex1m", "1234567890"}}, keine("1m", "10"), "tex1m"),
               Fehler({{"tex10m", "äöü"}}, keine("10m", "3"), "tex10m"),
               Fehler({{"tex100m", "1a"}}, nurZiffern("100m"), "tex100m"),
               Fehler({{"tex10km", " "}}, nurZiffern("10km"), "tex10km", {{"tex10km", "0 "}}),
               Fehler({{"tex10m", "x"}}, nurZiffern("10m"), "tex10m", {{"tex10m", "0x"}}),
               Fehler({{"tex1m", "8."}}, nurZiffern("1m"), "tex1m"),
           });
}

TEST(PruefeUTMref, RulesAndEmptyDigitGroup) {
    const Texte gut = {{"texREFZone", "32U"}, {"texREF100", "NU"}, {"texREFZiffern", "7161865806"}};
    const std::string Z = "texREFZone", Q = "texREF100", D = "texREFZiffern";
    const std::string Zehn = "0000000000";
    const std::string NurZiffern =
        "In der Zifferngruppe sind nur ganze Zahlen aus den Ziffern\r\n\r\n"
        "0 1 2 3 4 5 6 7 8 9\r\n\r\nzugelassen, also auch keine Leerstelle oder /";
    const std::string Ungerade = "Die Zifferngruppe muss geradzahlig sein\r\n"
                                 "2 oder 4 oder 6 oder 8 oder 10 Ziffern.\r\n\r\n";
    const std::string Mehr = "Sie haben mehr als 10 Ziffern eingegeben!";
    Pruefe(PruefeUTMref, gut, {},
           {
               Gut({}),
               Gut({{D, ""}}, {{D, Zehn}}),
               Gut({{D, "71"}}),
               FokusZuerst({{Z, ""}, {D, ""}}, OhneZone, Z),
               FokusZuerst({{Q, ""}, {D, ""}}, OhneQuadrat, Q),
               Fehler({{Z, "3U"}, {D, ""}}, DreiZeichen, Z, {{D, Zehn}}),
               Gut({{Z, "32X"}}),
               Fehler({{Z, "00U"}}, "Es gibt keine Zone 00!", Z),
               Fehler({{Z, "65U"}}, "Es gibt keine Zone 65!", Z),
               Gut({{Z, "60U"}}),
               Fehler({{Z, "8AU"}}, Erstes, Z),
               Fehler({{Z, "3AU"}}, Zweites, Z),
               Fehler({{Z, "32Z"}}, Band, Z),
               Fehler({{Q, "N"}}, "Genau 2 Buchstaben sind erforderlich. Beispiel: NU", Q),
               Fehler({{Q, "OU"}}, Stelle1, Q),
               Fehler({{Q, "NW"}}, Stelle2, Q),
               Fehler({{D, "7161 8658"}}, NurZiffern, D),
               Fehler({{D, "7161/8658"}}, NurZiffern, D),
               Fehler({{D, "7161865806x"}}, NurZiffern, D),
               Fehler({{D, "71618658061"}}, Mehr, D),
               Fehler({{D, "716186580612"}}, Mehr, D),
               Fehler({{D, "71618"}}, Ungerade + " 5 ist nicht geradzahlig.", D),
               Fehler({{D, "7"}}, Ungerade + " 1 ist nicht geradzahlig.", D),
           });
}

TEST(PruefeGK, RulesCompletionAndBounds) {
    const Texte gut = {{"texGKRechts", "3571699.06"}, {"texGKHoch", "5366959.20"}};
    const std::string R = "texGKRechts", H = "texGKHoch";
    auto zeichen = [](const std::string& wert) {
        return "Im " + wert +
               " sind nur die Zeichen\r\n\r\n0 1 2 3 4 5 6 7 8 9 und das Komma\r\n\r\nzugelassen.";
    };
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
    const std::string REinKomma = "Im Rechtswert ist nur 1 Komma zugelassen!";
    Pruefe(PruefeGK, gut, {},
           {
               Gut({}),
               Gut({{R, "3571699"}, {H, "5366959"}}, {{R, "3571699.00"}, {H, "5366959.00"}}),
               Gut({{R, "3571699."}}),
               Gut({{R, "03571699"}}, {{R, "03571699.00"}}),
               Still({{R, ""}, {H, "x"}}),
               Still({{H, ""}, {R, "x"}}),
               Fehler({{R, "35716a9"}}, zeichen("Rechtswert"), R),
               Fehler({{R, "3571699 "}}, zeichen("Rechtswert"), R),
               Fehler({{H, "5366959,2"}}, zeichen("Hochwert"), H),
               Fehler({{R, "3571.699.06"}}, REinKomma, R),
               Fehler({{R, "1.2.3"}, {H, "x"}}, REinKomma, R),
               Fehler({{H, "5366.959.2"}}, "Im Hochwert ist nur 1 Komma zugelassen!", H),
               Fehler({{R, "1"}, {H, "5x"}}, zeichen("Hochwert"), H),
               Gut({{R, "2484700"}}, {{R, "2484700.00"}}),
               Fehler({{R, "2484699.99"}}, RKlein, R),
               Gut({{R, "5538200.00"}}),
               Fehler({{R, "5538201"}}, RGross, R),
               Fehler({{H, "5107149"}}, HKlein, H),
               Fehler({{H, "6197356"}}, HGross, H),
               Gut({{H, "6197355"}}, {{H, "6197355.00"}}),
               Fehler({{R, "357169.9"}}, RKlein, R),
               Fehler({{R, "35716990"}}, RGross, R),
               Fehler({{R, "1"}, {H, "1"}}, RKlein, R),
               Fehler({{R, "03571699.5"}}, RStellen, R),
               // The Rechts completion stays when the Hoch rule fails after it.
               Fehler({{R, "3571699"}, {H, "05366959.2"}}, HStellen, H, {{R, "3571699.00"}}),
               Fehler({{R, "0003571699.5"}, {H, "5366959"}}, RStellen, R),
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
