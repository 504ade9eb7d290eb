// The conversion driver end to end on plain data: the program's example point
// entered in each of the seven formats, the worked output texts, the Germany
// rectangle, failed checks and faults inside the geodesy routines.
#include <gtest/gtest.h>

#include <cmath>

#include "geodesy/geodesy_test_hilfen.h"
#include "workflow/Berechnung.h"

using namespace kartovex;
namespace F = kartovex::Eingabeformat;

namespace {

// The example point on the UTM ellipsoid and its grid values.
constexpr double Breite = 48.4363326641023;
constexpr double Laenge = 9.96796724981198;
constexpr double UTMRechts = 571595, UTMHoch = 5365251;
constexpr double GKRechts = 3571699.06, GKHoch = 5366959.20;

// The bounds the zone field derives for zone 32U.
Grenzen BandU() {
    return {"0723776", "0276224", "6210141", "5316301"};
}

// The example point as the example buttons enter it, north and east on and
// the 3° strips chosen, as the calculation window starts.
Eingabe Beispiel(int format) {
    Eingabe e;
    switch (format) {
    case F::GradDezimal:
        e.texte = {{"texBreite", "48.4363326641023"}, {"texLaenge", "9.96796724981198"}};
        e.an = {"optDezN", "optDezE"};
        break;
    case F::GradMinuten:
        e.texte = {{"texBreiteGrad", "48"},
                   {"texBreiteMinute", "26.179960"},
                   {"texLaengeGrad", "9"},
                   {"texLaengeMinute", "58.078035"}};
        e.an = {"optGMN", "optGME"};
        break;
    case F::GradMinSek:
        e.texte = {{"texBGrad", "48"}, {"texBMinute", "26"}, {"texBSekunde", "10.80"},
                   {"texLGrad", "9"},  {"texLMinute", "58"}, {"texLSekunde", "4.68"}};
        e.an = {"optGradN", "optGradE"};
        break;
    case F::UTMzivil:
        e.texte = {{"texZone", "32U"}, {"texRechts", "0571595"}, {"texHoch", "5365251"}};
        e.grenzen = BandU();
        break;
    case F::UTMmil:
        e.texte = {{"texZoneM", "32U"}, {"tex100km", "NU"}, {"tex10km", "76"}, {"tex1km", "15"},
                   {"tex100m", "52"},   {"tex10m", "95"},   {"tex1m", "51"}};
        break;
    case F::UTMref:
        e.texte = {{"texREFZone", "32U"}, {"texREF100", "NU"}, {"texREFZiffern", "7159565251"}};
        break;
    case F::GaussKrueger:
        e.texte = {{"texGKRechts", "3571699.06"}, {"texGKHoch", "5366959.20"}};
        break;
    }
    e.an.insert("optDrei");
    return e;
}

// Degrees from the output texts, signed by the hemisphere letter.
double vorzeichen(const std::string& gradfeld) {
    return gradfeld.front() == 'S' || gradfeld.front() == 'W' ? -1 : 1;
}
double zahl(const std::string& text) {
    return modKartovex::Zahlwert(text);
}
double dezimal(const std::string& feld) {
    return vorzeichen(feld) * zahl(feld.substr(1));
}
double gradMin(const std::string& g, const std::string& m) {
    return vorzeichen(g) * (zahl(g.substr(1)) + zahl(m) / 60);
}
double gradMinSek(const std::string& g, const std::string& m, const std::string& s) {
    return vorzeichen(g) * (zahl(g.substr(1)) + zahl(m) / 60 + zahl(s) / 3600);
}

Ausgabe rechne(int format, Eingabe& e) {
    const Berechnungsergebnis r = Berechnung(format, e);
    EXPECT_TRUE(r.pruefung.ok) << r.pruefung.meldung;
    EXPECT_TRUE(r.ausgabe.has_value());
    return r.ausgabe.value_or(Ausgabe{});
}
Ausgabe rechne(int format, Eingabe&& e) {
    return rechne(format, e);
}

// Every format gives the same point in every output notation, to the
// precision of its input. Tolerances in degrees cover the input's own
// resolution and the display (6 decimals, 0.01"); metres likewise.
TEST(Berechnung, BeispielpunktInJedemFormat) {
    struct Fall {
        int format;
        double grad;  // geographic fields
        double meter; // UTM and Gauss-Krueger values
    };
    const Fall faelle[] = {
        {F::GradDezimal, 1.5e-6, 0.5},  // 14 decimals in, display limits
        {F::GradMinuten, 1.5e-6, 0.5},  // 1e-6 minutes in
        {F::GradMinSek, 3e-6, 0.5},     // 0.01" in
        {F::UTMzivil, 1e-5, 1.5},       // whole metres in
        {F::UTMmil, 1e-5, 1.5},         // whole metres in
        {F::UTMref, 1e-5, 1.5},         // whole metres in
        {F::GaussKrueger, 1.5e-6, 0.5}, // centimetres in, display limits
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.format);
        const Ausgabe a = rechne(f.format, Beispiel(f.format));
        const auto& t = a.texte;
        EXPECT_NEAR(dezimal(t.at("texBreiteAUS")), Breite, f.grad);
        EXPECT_NEAR(dezimal(t.at("texLaengeAUS")), Laenge, f.grad);
        EXPECT_NEAR(gradMin(t.at("texBreiteGradAUS"), t.at("texBreiteMinuteAUS")), Breite, f.grad);
        EXPECT_NEAR(gradMin(t.at("texLaengeGradAUS"), t.at("texLaengeMinuteAUS")), Laenge, f.grad);
        EXPECT_NEAR(gradMinSek(t.at("texBGradAUS"), t.at("texBMinuteAUS"), t.at("texBSekundeAUS")),
                    Breite, f.grad);
        EXPECT_NEAR(gradMinSek(t.at("texLGradAUS"), t.at("texLMinuteAUS"), t.at("texLSekundeAUS")),
                    Laenge, f.grad);
        EXPECT_EQ(t.at("texZone2"), "32U");
        EXPECT_NEAR(zahl(t.at("texRechts2")), UTMRechts, f.meter);
        EXPECT_NEAR(zahl(t.at("texHoch2")), UTMHoch, f.meter);
        EXPECT_TRUE(a.gkSichtbar);
        EXPECT_EQ(t.at("labStreifenbreite"), "3");
        EXPECT_EQ(t.at("texMeridianAUS"), "E009°");
        EXPECT_NEAR(zahl(t.at("texGKRechtsAUS")), GKRechts, f.meter);
        EXPECT_NEAR(zahl(t.at("texGKHochAUS")), GKHoch, f.meter);
    }
}

// The whole output of the decimal-degree example, text by text.
TEST(Berechnung, AusgabetexteDesBeispiels) {
    const Ausgabe a = rechne(F::GradDezimal, Beispiel(F::GradDezimal));
    const Feldtexte erwartet{
        {"texBreiteAUS", "N48.436333"},
        {"texLaengeAUS", "E009.967967"},
        {"texBreiteGradAUS", "N48"},
        {"texBreiteMinuteAUS", "26.179960"},
        {"texLaengeGradAUS", "E009"},
        {"texLaengeMinuteAUS", "58.078035"},
        {"texBGradAUS", "N48"},
        {"texBMinuteAUS", "26"},
        {"texBSekundeAUS", "10.80"},
        {"texLGradAUS", "E009"},
        {"texLMinuteAUS", "58"},
        {"texLSekundeAUS", "4.68"},
        {"texZone2", "32U"},
        {"texRechts2", "0571595"},
        {"texHoch2", "5365251"},
        {"texMilUTM", "32U  NU  76.15.52.95.51"},
        {"texREFAUS", "32U  NU  7159565251"},
        {"texGKRechtsAUS", " 3571699"},
        {"texGKHochAUS", " 5366959"},
        {"texMeridianAUS", "E009°"},
        {"labStreifenbreite", "3"},
    };
    EXPECT_EQ(a.texte, erwartet);
    EXPECT_TRUE(a.gkSichtbar);
}

// The grid formats repeat their own input in their own fields.
TEST(Berechnung, GitterformateAusDerEingabe) {
    struct Fall {
        int format;
        Feldtexte erwartet;
    };
    const std::string mil2 = "32U  NU  76.15.52.95.51", ref2 = "32U  NU  7159565251";
    const Fall faelle[] = {
        {F::UTMzivil,
         {{"texZone2", "32U"},
          {"texRechts2", "0571595"},
          {"texHoch2", "5365251"},
          {"texMilUTM", mil2},
          {"texREFAUS", ref2}}},
        {F::UTMmil,
         {{"texZone2", "32U"},
          {"texRechts2", "0571595"},
          {"texHoch2", "5365251"},
          {"texMilUTM", mil2},
          {"texREFAUS", ref2}}},
        {F::UTMref,
         {{"texZone2", "32U"},
          {"texRechts2", "0571595"},
          {"texHoch2", "5365251"},
          {"texMilUTM", "32U NU 76.15.52.95.51"},
          {"texREFAUS", "32U NU 7159565251"}}},
        {F::GaussKrueger,
         {{"texGKRechtsAUS", "3571699"},
          {"texGKHochAUS", "5366959"},
          {"texMeridianAUS", "E009°"},
          {"labStreifenbreite", "3"}}},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.format);
        const Ausgabe a = rechne(f.format, Beispiel(f.format));
        for (const auto& [feld, text] : f.erwartet)
            EXPECT_EQ(a.texte.at(feld), text) << feld;
    }
}

// The driver reads the fields as the checks left them.
TEST(Berechnung, LiestDieNormalisiertenTexte) {
    Eingabe mil = Beispiel(F::UTMmil);
    mil.texte["tex1m"] = "";
    mil.texte["tex10m"] = "9";
    const Berechnungsergebnis r = Berechnung(F::UTMmil, mil);
    ASSERT_TRUE(r.ausgabe);
    EXPECT_EQ(mil.text("tex1m"), "00");
    EXPECT_EQ(r.ausgabe->texte.at("texMilUTM"), "32U  NU  76.15.52.09.00");
    EXPECT_EQ(r.ausgabe->texte.at("texRechts2"), "0571500");
    EXPECT_EQ(r.ausgabe->texte.at("texHoch2"), "5365290");

    Eingabe gk = Beispiel(F::GaussKrueger);
    gk.texte = {{"texGKRechts", "3571699"}, {"texGKHoch", "5366959"}};
    ASSERT_TRUE(Berechnung(F::GaussKrueger, gk).ausgabe);
    EXPECT_EQ(gk.text("texGKRechts"), "3571699.00");
    EXPECT_EQ(gk.text("texMeridian"), "E009°");
    EXPECT_EQ(gk.grenzen.RechtsMin, "2484700");
}

// Gauss-Krueger input is shown in whole metres, halves away from zero.
TEST(Berechnung, GaussKruegerGanzeMeter) {
    const std::pair<std::string, std::string> faelle[] = {
        {"3571699.04", "3571699"}, {"3571699.5", "3571700"}, {"3571699.", "3571699"}};
    for (const auto& [rechts, erwartet] : faelle) {
        Eingabe e = Beispiel(F::GaussKrueger);
        e.texte["texGKRechts"] = rechts;
        EXPECT_EQ(rechne(F::GaussKrueger, e).texte.at("texGKRechtsAUS"), erwartet) << rechts;
    }
}

// The user's strip width 6 stays in the output, and so does the frame.
TEST(Berechnung, GaussKruegerSechsGradStreifen) {
    Eingabe e;
    e.texte = {{"texGKRechts", "2595060"}, {"texGKHoch", "5819302"}};
    e.an = {"optSechs"};
    const Ausgabe a = rechne(F::GaussKrueger, e);
    EXPECT_EQ(a.texte.at("labStreifenbreite"), "6");
    EXPECT_EQ(a.texte.at("texMeridianAUS"), "E012°");
    EXPECT_EQ(e.text("texMeridian"), "E012°");
    EXPECT_TRUE(a.gkSichtbar);
    // Bessel 52.5 N, 13.4 E moved to the UTM ellipsoid by a few arc seconds.
    EXPECT_NEAR(dezimal(a.texte.at("texBreiteAUS")), 52.5, 0.002);
    EXPECT_NEAR(dezimal(a.texte.at("texLaengeAUS")), 13.4, 0.002);
    EXPECT_EQ(a.texte.at("texZone2"), "33U");
}

// Outside the Germany rectangle the frame is hidden and its fields are left
// alone; the next point inside shows it again.
TEST(Berechnung, DeutschlandRechteck) {
    Eingabe west;
    west.texte = {{"texBreite", "48.5"}, {"texLaenge", "9.5"}};
    west.an = {"optDezN", "optDezW"};
    const Ausgabe draussen = rechne(F::GradDezimal, west);
    EXPECT_FALSE(draussen.gkSichtbar);
    EXPECT_EQ(draussen.texte.at("texLaengeAUS"), "W009.500000");
    for (const char* feld :
         {"texGKRechtsAUS", "texGKHochAUS", "texMeridianAUS", "labStreifenbreite"})
        EXPECT_EQ(draussen.texte.count(feld), 0u) << feld;
    EXPECT_EQ(draussen.texte.size(), 17u); // stages G and U only

    west.an = {"optDezN", "optDezE"};
    const Ausgabe drinnen = rechne(F::GradDezimal, west);
    EXPECT_TRUE(drinnen.gkSichtbar);
    EXPECT_EQ(drinnen.texte.at("labStreifenbreite"), "3");

    // The four borders themselves lie outside.
    const std::tuple<const char*, const char*, bool> grenzen[] = {
        {"46", "10", false},       {"46.000001", "10", true}, {"56", "10", false},
        {"55.999999", "10", true}, {"50", "5", false},        {"50", " 5.000001", true},
        {"50", "16", false},       {"50", "15.999999", true}, {"-50", "10", false},
    };
    for (const auto& [b, l, drin] : grenzen)
        EXPECT_EQ(DeutschlandRechteck(b, l), drin) << b << " " << l;
}

// The sign goes in front of the texts of the sexagesimal branches.
TEST(Berechnung, SuedUndWestAusGradMinuten) {
    Eingabe e;
    e.texte = {{"texBreiteGrad", "48"},
               {"texBreiteMinute", "30"},
               {"texLaengeGrad", "0"},
               {"texLaengeMinute", "30"}};
    e.an = {"optGMS", "optGMW"};
    const Ausgabe a = rechne(F::GradMinuten, e);
    EXPECT_EQ(a.texte.at("texBreiteAUS"), "S48.500000");
    EXPECT_EQ(a.texte.at("texLaengeAUS"), "W000.500000");
    EXPECT_EQ(a.texte.at("texLaengeGradAUS"), "W000");
    EXPECT_EQ(a.texte.at("texZone2"), "30F");
    EXPECT_FALSE(a.gkSichtbar);
}

// A failed check ends the run: its verdict, no output, the filled fields stay.
TEST(Berechnung, FehlgeschlagenePruefung) {
    struct Fall {
        int format;
        std::string feld, text, meldung, fokus;
        bool fokusVorMeldung;
    };
    const Fall faelle[] = {
        {F::GradDezimal, "texBreite", "84",
         "Die nördliche Breite muss kleiner sein als 84°.\r\n\r\n"
         "Ab 84° beginnt UPS",
         "texBreite", false},
        {F::GradMinSek, "texLMinute", "60",
         "Die Minuteneingabe der Länge darf 59' nicht überschreiten!", "", false},
        {F::UTMzivil, "texZone", "", "", "", false},
        {F::UTMmil, "texZoneM", "",
         "Ohne Angabe der Zone kann die Berechnung nicht durchgeführt werden.", "texZoneM", true},
        {F::GaussKrueger, "texGKHoch", "5107149",
         "Der Hochwert ist zu klein.\r\nIhr Punkt liegt südlich von Deutschland.", "texGKHoch",
         false},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.format);
        const MeldungsRekorder rekorder;
        Eingabe e = Beispiel(f.format);
        e.texte[f.feld] = f.text;
        const Berechnungsergebnis r = Berechnung(f.format, e);
        EXPECT_FALSE(r.pruefung.ok);
        EXPECT_EQ(r.pruefung.meldung, f.meldung);
        EXPECT_EQ(r.pruefung.fokus, f.fokus);
        EXPECT_EQ(r.pruefung.fokusVorMeldung, f.fokusVorMeldung);
        EXPECT_FALSE(r.ausgabe);
        EXPECT_EQ(e.texte.count("texMeridian"), 0u);
        EXPECT_TRUE(rekorder.meldungen.empty());
    }
    // Any other format number does nothing at all.
    for (int format : {0, 8}) {
        Eingabe e = Beispiel(F::GradDezimal);
        const Berechnungsergebnis r = Berechnung(format, e);
        EXPECT_TRUE(r.pruefung.ok);
        EXPECT_FALSE(r.ausgabe);
    }
}

// A geodesy routine that meets impossible values reports and returns; the
// run goes on with the texts as they stand and still gives its output.
TEST(Berechnung, UnmoeglicheWerteLaufenWeiter) {
    const std::string Streifenmeldung =
        "Die gewählte Streifenbreite führt zu einem Punkt ausserhalb von Deutschland.\r\n"
        "Wählen Sie eine kleinere Streifenbreite.";
    {
        // A Rechts value whose 100 km digit is 0 cannot be lettered; the
        // military field then shows the zone as it was.
        const MeldungsRekorder rekorder;
        Eingabe e = Beispiel(F::UTMzivil);
        e.texte["texRechts"] = "0050000";
        e.grenzen.RechtsMin = "0000001";
        const Ausgabe a = rechne(F::UTMzivil, e);
        EXPECT_EQ(rekorder.meldungen, std::vector<std::string>{modKartovex::FehlerMeldung});
        EXPECT_EQ(a.texte.at("texMilUTM"), "32U");
        EXPECT_EQ(a.texte.at("texRechts2"), "0050000");
        EXPECT_EQ(a.texte.count("texBreiteAUS"), 1u);
    }
    {
        // Strip 4 of width 6 lies east of Germany: the message comes first,
        // the texts stay as typed and the run carries on with them. The
        // "position" of millions of degrees has neither zone nor band, and its
        // Rechts text is far from 7 digits, so the military notation is
        // refused next and shows the zone text as it was.
        const MeldungsRekorder rekorder;
        Eingabe e;
        e.texte = {{"texGKRechts", "4595060"}, {"texGKHoch", "5819302"}};
        e.an = {"optSechs"};
        const Ausgabe a = rechne(F::GaussKrueger, e);
        const std::vector<std::string> erwartet{Streifenmeldung,
                                                "Der Rechtswert muss genau 7-stellig sein!"};
        EXPECT_EQ(rekorder.meldungen, erwartet);
        EXPECT_EQ(a.texte.at("texMeridianAUS"), "6");
        EXPECT_EQ(e.text("texMeridian"), "6");
        EXPECT_EQ(a.texte.at("labStreifenbreite"), "6");
        EXPECT_EQ(a.texte.at("texGKRechtsAUS"), "4595060");
        EXPECT_EQ(a.texte.at("texZone2"), "000");
        EXPECT_EQ(a.texte.at("texMilUTM"), "000");
        EXPECT_TRUE(a.gkSichtbar);
    }
}

// The regional decimal comma changes no output text.
TEST(Berechnung, UnabhaengigVomDezimaltrenner) {
    for (int format = F::GradDezimal; format <= F::GaussKrueger; ++format) {
        SCOPED_TRACE(format);
        const Ausgabe punkt = rechne(format, Beispiel(format));
        const MitDezimaltrenner komma(',');
        EXPECT_EQ(rechne(format, Beispiel(format)).texte, punkt.texte);
    }
}

} // namespace
