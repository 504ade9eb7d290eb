// The conversion driver on plain data: the program's example point entered in
// each of the seven formats, the worked output texts, the Germany rectangle,
// and faults inside the geodesy routines.
#include <algorithm>
#include <cmath>

#include "checks/kurzform.h"
#include "geodesy/geodesy_test_hilfen.h"
#include "workflow/Berechnung.h"

using namespace kartovex;
namespace F = kartovex::Eingabeformat;
using modKartovex::Zahlwert;

namespace {

constexpr double Breite = 48.4363326641023, Laenge = 9.96796724981198;

// The example point as the example buttons enter it (the format table's
// examples), each option group at its default and the 3° strips chosen, as the
// calculation window starts.
Eingabe Beispiel(int format) {
    Eingabe e;
    e.grenzen = {"0723776", "0276224", "6210141", "5316301"};
    for (Feld feld : FormatNr(format)->felder)
        e[feld] = Beschreibung(feld).beispiel;
    for (const Optionsgruppe& g : FormatNr(format)->optionen)
        e.schalteAn(g.standard);
    e.schalteAn(Option::optDrei);
    return e;
}

// Signed degrees from a degree field with its hemisphere letter and the
// minute and second fields after it.
double winkel(const Ausgabetexte& t, const std::vector<Aus>& felder) {
    const std::string& grad = t[felder[0]];
    double wert = Zahlwert(grad.substr(1));
    for (std::size_t i = 1; i < felder.size(); ++i)
        wert += Zahlwert(t[felder[i]]) / std::pow(60, i);
    return grad[0] == 'S' || grad[0] == 'W' ? -wert : wert;
}

Ausgabe rechne(int format, Eingabe&& e) {
    const Berechnungsergebnis r = Berechnung(format, e);
    EXPECT_TRUE(r.pruefung.ok) << r.pruefung.meldung;
    EXPECT_TRUE(r.ausgabe.has_value());
    return r.ausgabe.value_or(Ausgabe{});
}

// Every format gives the same point in every output notation, to the
// precision of its input and of the display (6 decimals, 0.01").
TEST(Berechnung, BeispielpunktInJedemFormat) {
    const std::tuple<int, double, double> faelle[] = {
        // format, tolerance in degrees, in metres
        {F::GradDezimal, 1.5e-6, 0.5},  {F::GradMinuten, 1.5e-6, 0.5}, {F::GradMinSek, 3e-6, 0.5},
        {F::UTMzivil, 1e-5, 1.5},       {F::UTMmil, 1e-5, 1.5},        {F::UTMref, 1e-5, 1.5},
        {F::GaussKrueger, 1.5e-6, 0.5},
    };
    const std::pair<std::vector<Aus>, double> notationen[] = {
        {{Aus::texBreiteAUS}, Breite},
        {{Aus::texLaengeAUS}, Laenge},
        {{Aus::texBreiteGradAUS, Aus::texBreiteMinuteAUS}, Breite},
        {{Aus::texLaengeGradAUS, Aus::texLaengeMinuteAUS}, Laenge},
        {{Aus::texBGradAUS, Aus::texBMinuteAUS, Aus::texBSekundeAUS}, Breite},
        {{Aus::texLGradAUS, Aus::texLMinuteAUS, Aus::texLSekundeAUS}, Laenge},
    };
    for (const auto& [format, grad, meter] : faelle) {
        SCOPED_TRACE(format);
        const Ausgabe a = rechne(format, Beispiel(format));
        const auto& t = a.texte;
        for (const auto& [felder, soll] : notationen)
            EXPECT_NEAR(winkel(t, felder), soll, grad) << Name(felder[0]);
        EXPECT_EQ(t[Aus::texZone2], "32U");
        EXPECT_NEAR(Zahlwert(t[Aus::texRechts2]), 571595, meter);
        EXPECT_NEAR(Zahlwert(t[Aus::texHoch2]), 5365251, meter);
        // The UTMREF input is repeated with single blanks, all others give two.
        const std::string b = format == F::UTMref ? " " : "  ";
        EXPECT_EQ(t[Aus::texMilUTM], "32U" + b + "NU" + b + "76.15.52.95.51");
        EXPECT_EQ(t[Aus::texREFAUS], "32U" + b + "NU" + b + "7159565251");
        EXPECT_TRUE(a.gkSichtbar);
        EXPECT_EQ(t[Aus::labStreifenbreite] + t[Aus::texMeridianAUS], "3E009°");
        EXPECT_NEAR(Zahlwert(t[Aus::texGKRechtsAUS]), 3571699.06, meter);
        EXPECT_NEAR(Zahlwert(t[Aus::texGKHochAUS]), 5366959.20, meter);
        const MitDezimaltrenner komma(','); // the regional decimal comma changes no text
        EXPECT_EQ(rechne(format, Beispiel(format)).texte, t);
    }
}

TEST(Berechnung, AusgabetexteDesBeispiels) {
    const Ausgabe a = rechne(F::GradDezimal, Beispiel(F::GradDezimal));
    std::string ist; // name=text| in the output window's order
    for (const Ausgabefeld& f : Ausgabefelder())
        if (a.texte.hat(f.feld)) ist += std::string(f.name) + "=" + a.texte[f.feld] + "|";
    EXPECT_EQ(ist, "texBreiteAUS=N48.436333|texLaengeAUS=E009.967967|texBreiteGradAUS=N48|"
                   "texBreiteMinuteAUS=26.179960|texLaengeGradAUS=E009|"
                   "texLaengeMinuteAUS=58.078035|texBGradAUS=N48|texBMinuteAUS=26|"
                   "texBSekundeAUS=10.80|texLGradAUS=E009|texLMinuteAUS=58|texLSekundeAUS=4.68|"
                   "texZone2=32U|texRechts2=0571595|texHoch2=5365251|"
                   "texMilUTM=32U  NU  76.15.52.95.51|texREFAUS=32U  NU  7159565251|"
                   "texGKRechtsAUS= 3571699|texGKHochAUS= 5366959|labStreifenbreite=3|"
                   "texMeridianAUS=E009°|");
}

// Gauss-Krueger input is shown in whole metres, halves away from zero; the
// user's strip width stays.
TEST(Berechnung, GaussKruegerEingabe) {
    auto rechts = [](const std::string& r) {
        return rechne(F::GaussKrueger, Kurz("GKRechts=" + r + "|GKHoch=5366959|optDrei"))
            .texte[Aus::texGKRechtsAUS];
    };
    EXPECT_EQ(rechts("3571699.49") + " " + rechts("3571699.5"), "3571699 3571700");
    Eingabe e = Kurz("GKRechts=2595060|GKHoch=5819302|optSechs");
    const Berechnungsergebnis r = Berechnung(F::GaussKrueger, e);
    ASSERT_TRUE(r.ausgabe && r.ausgabe->gkSichtbar);
    const auto& t = r.ausgabe->texte;
    EXPECT_EQ(t[Aus::labStreifenbreite] + t[Aus::texMeridianAUS] + e.meridian + t[Aus::texZone2],
              "6E012°E012°33U");
}

// South and west put the sign in front of the geographic input of each
// format; outside Germany no Gauss-Krueger field is written.
TEST(Berechnung, SuedUndWest) {
    const std::pair<int, const char*> faelle[] = {
        {F::GradDezimal, "Breite=48.5|Laenge=0.5|optDezS|optDezW"},
        {F::GradMinuten,
         "BreiteGrad=48|BreiteMinute=30|LaengeGrad=0|LaengeMinute=30|optGMS|optGMW"},
        {F::GradMinSek, "BGrad=48|BMinute=30|LGrad=0|LMinute=30|optGradS|optGradW"},
    };
    for (const auto& [format, eingabe] : faelle) {
        const Ausgabe a = rechne(format, Kurz(eingabe));
        const auto& t = a.texte;
        EXPECT_EQ(t[Aus::texBreiteAUS] + t[Aus::texLaengeAUS] + " " + t[Aus::texZone2],
                  "S48.500000W000.500000 30F");
        EXPECT_FALSE(a.gkSichtbar);
        EXPECT_EQ(std::count_if(Ausgabefelder().begin(), Ausgabefelder().end(),
                                [&](const Ausgabefeld& f) { return t.hat(f.feld); }),
                  17);
    }
}

// The borders of the Germany rectangle lie outside.
TEST(Berechnung, DeutschlandRechteck) {
    const std::tuple<const char*, const char*, bool> grenzen[] = {
        {"46", "10", false},       {"46.000001", "10", true}, {"56", "10", false},
        {"55.999999", "10", true}, {"50", "5", false},        {"50", " 5.000001", true},
        {"50", "16", false},       {"50", "15.999999", true}, {"-50", "10", false},
    };
    for (const auto& [b, l, drin] : grenzen)
        EXPECT_EQ(DeutschlandRechteck(b, l), drin) << b << " " << l;
}

// Near every border of the rectangle, whether the frame shows follows the
// datum-shifted position, also where the shift carries a point across.
TEST(Berechnung, GaussKruegerNahDerGrenze) {
    const std::pair<double, double> grenzpunkte[] = {{46, 10}, {56, 10}, {50, 5}, {50, 16}};
    for (const auto& [b0, l0] : grenzpunkte)
        for (double d : {-1.01, -0.05, -0.005, -0.0005, 0.0005, 0.005, 0.05, 1.01}) {
            const bool laengsGrenze = l0 == 10;
            const std::string b = std::to_string(laengsGrenze ? b0 + d : b0);
            const std::string l = std::to_string(laengsGrenze ? l0 : l0 + d);
            std::string bb = b, bl = l, hoehe = "300", richtung = "GB";
            modKartovex::DatumTrafo(bb, bl, hoehe, richtung);
            const Ausgabe a = rechne(
                F::GradDezimal, Kurz("Breite=" + b + "|Laenge=" + l + "|optDezN|optDezE|optDrei"));
            EXPECT_EQ(a.gkSichtbar, DeutschlandRechteck(bb, bl)) << b << " " << l;
        }
}

// A geodesy routine that meets impossible values reports and returns; the run
// goes on with the texts as they stand: a 100 km digit 0 cannot be lettered,
// so the military field keeps the zone. A failed check gives no output, a
// format number beyond 1 to 7 does nothing at all.
TEST(Berechnung, UnmoeglicheWerteUndFremdeFormate) {
    const MeldungsRekorder rekorder;
    const auto t = rechne(F::UTMzivil, Kurz("Zone=32U|Rechts=0050000|Hoch=5365251",
                                            {"0723776", "0000001", "6210141", "5316301"}))
                       .texte;
    EXPECT_EQ(rekorder.meldungen, std::vector<std::string>{modKartovex::FehlerMeldung});
    EXPECT_EQ(t[Aus::texMilUTM] + " " + t[Aus::texRechts2], "32U 0050000");
    EXPECT_TRUE(t.hat(Aus::texBreiteAUS));
    Eingabe e = Kurz("Breite=84|Laenge=9|optDezN");
    EXPECT_FALSE(Berechnung(F::GradDezimal, e).ausgabe);
    for (int format : {0, 8}) {
        const Berechnungsergebnis r = Berechnung(format, e);
        EXPECT_TRUE(r.pruefung.ok && r.pruefung.meldung.empty() && !r.ausgabe);
    }
}

} // namespace
