// "Berechnung" through the real windows: the fields of the calculation window
// into the conversion, the normalised texts back into them, the check's
// message box and focus, and the output window's fields, frame and lifecycle.
#include <QGroupBox>
#include <QPointer>
#include <QRadioButton>

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "geodesy/modKartovex.h"
#include "tests/windows/Fensterhilfe.h"
#include "tests/windows/Meldungsbox.h"

using namespace kartovex;
using namespace kartovex::test;

namespace {

using Texte = std::map<std::string, std::string>;
using Paare = std::vector<std::pair<const char*, const char*>>;

const char* Beispielknopf[8] = {"",
                                "comKrummboegleGrad",
                                "comKrummboegleMercator",
                                "comKrummboegleGMS",
                                "comZIV",
                                "comMIL",
                                "comREF",
                                "comKrummboegleGK"};

// The example point on the UTM ellipsoid and its grid values.
constexpr double Breite = 48.4363326641023;
constexpr double Laenge = 9.96796724981198;
constexpr double UTMRechts = 571595, UTMHoch = 5365251;
constexpr double GKRechts = 3571699.06, GKHoch = 5366959.20;

// What the output window shows: every field and the strip width caption.
Texte Ausgabetexte() {
    Texte t;
    const foAusgabe& a = Ausgabefenster();
    for (const QLineEdit* f : a.findChildren<QLineEdit*>())
        t[f->objectName().toStdString()] = f->text().toStdString();
    t["labStreifenbreite"] = Kind<QLabel>(a, "labStreifenbreite")->text().toStdString();
    return t;
}

bool AusgabeSichtbar() {
    const foAusgabe* a = AusgabefensterFallsDa();
    return a && a->isVisible();
}

bool GKSichtbar() {
    const foAusgabe& a = Ausgabefenster();
    return Kind<QWidget>(a, "fraGKAUS")->isVisibleTo(&a);
}

std::string Fokus(const foBerechnungen& b) {
    const QWidget* w = b.focusWidget();
    return w ? w->objectName().toStdString() : std::string();
}

void Schreibe(foBerechnungen& b, const Paare& texte) {
    for (const auto& [feld, text] : texte)
        Kind<QLineEdit>(b, feld)->setText(QString::fromUtf8(text));
}

std::string Text(const foBerechnungen& b, const char* feld) {
    return Kind<QLineEdit>(b, feld)->text().toStdString();
}

// Degrees read back from the output texts, signed by the hemisphere letter.
double Zahl(const std::string& t) {
    return modKartovex::Zahlwert(t);
}
double Vorzeichen(const std::string& grad) {
    return grad.front() == 'S' || grad.front() == 'W' ? -1 : 1;
}
double Dezimal(const std::string& t) {
    return Vorzeichen(t) * Zahl(t.substr(1));
}
double GradMin(const std::string& g, const std::string& m) {
    return Vorzeichen(g) * (Zahl(g.substr(1)) + Zahl(m) / 60);
}
double GradMinSek(const std::string& g, const std::string& m, const std::string& s) {
    return Vorzeichen(g) * (Zahl(g.substr(1)) + Zahl(m) / 60 + Zahl(s) / 3600);
}

class Durchlauf : public FensterTest {
protected:
    // Presses "Berechnung" with the mouse as a user does: the calculation
    // window is activated first (a message box or the output window left it
    // inactive), and the press takes the focus from the field it was in.
    void Berechne(foBerechnungen& b) {
        Aktiviere(b);
        QTest::mouseClick(Kind<QPushButton>(b, "comRechnen"), Qt::LeftButton);
    }

    // Discards the output and calculation windows: the next format starts afresh.
    void Neuanfang() {
        if (foAusgabe* a = AusgabefensterFallsDa()) a->verwerfe();
        if (foBerechnungen* b = BerechnungsfensterFallsDa()) b->verwerfe();
        Aufraeumen();
    }

    // A fresh calculation window of the format with the example point in it.
    foBerechnungen& MitBeispiel(int format) {
        Neuanfang();
        foBerechnungen& b = Format(unsigned(format));
        Kind<QPushButton>(b, Beispielknopf[format])->click();
        return b;
    }
};

// The example point in every format, through the example buttons: the output
// window shows the same position. Tolerances: the input's own resolution
// plus the display (6 decimals of degrees or minutes, 0.01"; whole metres).
TEST_F(Durchlauf, ExamplePointGivesTheSamePositionInEveryFormat) {
    struct Fall {
        int format;
        double grad;  // geographic fields
        double meter; // UTM and Gauss-Krueger values
    };
    const Fall faelle[] = {
        {1, 1.5e-6, 0.5}, // 14 decimals of degrees in
        {2, 1.5e-6, 0.5}, // 1e-6 minutes in
        {3, 3e-6, 0.5},   // 0.01" in
        {4, 1e-5, 1.5},   // whole metres in
        {5, 1e-5, 1.5},   // whole metres in
        {6, 1e-5, 1.5},   // whole metres in
        {7, 1.5e-6, 0.5}, // centimetres in
    };
    Meldungsbox boxen;
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.format);
        foBerechnungen& b = MitBeispiel(f.format);
        Berechne(b);
        ASSERT_TRUE(AusgabeSichtbar());
        EXPECT_TRUE(b.isVisible());
        const Texte t = Ausgabetexte();
        EXPECT_NEAR(Dezimal(t.at("texBreiteAUS")), Breite, f.grad);
        EXPECT_NEAR(Dezimal(t.at("texLaengeAUS")), Laenge, f.grad);
        EXPECT_NEAR(GradMin(t.at("texBreiteGradAUS"), t.at("texBreiteMinuteAUS")), Breite, f.grad);
        EXPECT_NEAR(GradMin(t.at("texLaengeGradAUS"), t.at("texLaengeMinuteAUS")), Laenge, f.grad);
        EXPECT_NEAR(GradMinSek(t.at("texBGradAUS"), t.at("texBMinuteAUS"), t.at("texBSekundeAUS")),
                    Breite, f.grad);
        EXPECT_NEAR(GradMinSek(t.at("texLGradAUS"), t.at("texLMinuteAUS"), t.at("texLSekundeAUS")),
                    Laenge, f.grad);
        EXPECT_EQ(t.at("texZone2"), "32U");
        EXPECT_NEAR(Zahl(t.at("texRechts2")), UTMRechts, f.meter);
        EXPECT_NEAR(Zahl(t.at("texHoch2")), UTMHoch, f.meter);
        EXPECT_NEAR(Zahl(t.at("texGKRechtsAUS")), GKRechts, f.meter);
        EXPECT_NEAR(Zahl(t.at("texGKHochAUS")), GKHoch, f.meter);
        EXPECT_EQ(t.at("texMeridianAUS"), "E009°");
        EXPECT_EQ(t.at("labStreifenbreite"), "3");
        EXPECT_TRUE(GKSichtbar());
        if (f.format >= 4) {
            EXPECT_TRUE(b.EingabeOK);
        }
    }
    EXPECT_TRUE(boxen.boxen.empty()) << boxen.texte().join(" | ").toStdString();
}

// Every output field gets its text: a field name that does not reach the
// window would leave a field empty.
TEST_F(Durchlauf, EveryOutputFieldIsWritten) {
    foBerechnungen& b = MitBeispiel(1);
    Berechne(b);
    const Texte erwartet{
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
    EXPECT_EQ(Ausgabetexte(), erwartet);
}

// Typed through real key events (commas, a lower-case band letter, Enter from
// field to field and Space on "Berechnung") the example gives exactly what
// its example button gives.
TEST_F(Durchlauf, TypedInputGivesWhatTheExampleButtonGives) {
    struct Fall {
        int format;
        std::vector<const char*> tasten; // typed into each field, Enter after each
        Paare felder;                    // the fields afterwards
    };
    const std::vector<Fall> faelle = {
        {1,
         {"48,4363326641023", "9,96796724981198"},
         {{"texBreite", "48.4363326641023"}, {"texLaenge", "9.96796724981198"}}},
        {4,
         {"32u", "0571595", "5365251"},
         {{"texZone", "32U"}, {"texRechts", "0571595"}, {"texHoch", "5365251"}}},
        {7,
         {"3571699,06", "5366959,20"},
         {{"texGKRechts", "3571699.06"}, {"texGKHoch", "5366959.20"}}},
    };
    Meldungsbox boxen;
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.format);
        Neuanfang();
        foBerechnungen& b = Format(unsigned(f.format));
        for (const char* t : f.tasten) {
            QTest::keyClicks(QApplication::focusWidget(), t);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        }
        ASSERT_EQ(QApplication::focusWidget()->objectName(), "comRechnen");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        for (const auto& [feld, text] : f.felder)
            EXPECT_EQ(Text(b, feld), text) << feld;
        ASSERT_TRUE(AusgabeSichtbar());
        const Texte getippt = Ausgabetexte();

        Kind<QPushButton>(Ausgabefenster(), "comZurueck")->click();
        Aufraeumen();
        Kind<QPushButton>(b, Beispielknopf[f.format])->click();
        Berechne(b);
        EXPECT_EQ(getippt, Ausgabetexte());
        EXPECT_NEAR(Dezimal(getippt.at("texBreiteAUS")), Breite, 1e-5);
    }
    EXPECT_TRUE(boxen.boxen.empty()) << boxen.texte().join(" | ").toStdString();
}

// The worked output texts of the grid formats as the output window shows them.
TEST_F(Durchlauf, GridFormatsShowTheirWorkedTexts) {
    struct Fall {
        const char* name;
        int format;
        Paare eingabe;      // over the example texts
        const char* option; // clicked before the run, or nullptr
        Paare ausgabe;
    };
    const std::vector<Fall> faelle = {
        {"civil repeated",
         4,
         {},
         nullptr,
         {{"texZone2", "32U"},
          {"texRechts2", "0571595"},
          {"texHoch2", "5365251"},
          {"texMilUTM", "32U  NU  76.15.52.95.51"},
          {"texREFAUS", "32U  NU  7159565251"}}},
        {"military two blanks",
         5,
         {},
         nullptr,
         {{"texMilUTM", "32U  NU  76.15.52.95.51"}, {"texREFAUS", "32U  NU  7159565251"}}},
        {"UTMREF one blank",
         6,
         {},
         nullptr,
         {{"texMilUTM", "32U NU 76.15.52.95.51"}, {"texREFAUS", "32U NU 7159565251"}}},
        {"GK .04 down",
         7,
         {{"texGKRechts", "3571699.04"}},
         nullptr,
         {{"texGKRechtsAUS", "3571699"},
          {"texGKHochAUS", "5366959"},
          {"labStreifenbreite", "3"},
          {"texMeridianAUS", "E009°"}}},
        {"GK .5 up", 7, {{"texGKRechts", "3571699.5"}}, nullptr, {{"texGKRechtsAUS", "3571700"}}},
        {"GK 6 degree strips",
         7,
         {{"texGKRechts", "2595060"}, {"texGKHoch", "5819302"}},
         "optSechs",
         {{"labStreifenbreite", "6"}, {"texMeridianAUS", "E012°"}, {"texZone2", "33U"}}},
    };
    Meldungsbox boxen;
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        foBerechnungen& b = MitBeispiel(f.format);
        Schreibe(b, f.eingabe);
        if (f.option) Kind<QRadioButton>(b, f.option)->click();
        Berechne(b);
        ASSERT_TRUE(AusgabeSichtbar());
        const Texte t = Ausgabetexte();
        for (const auto& [feld, text] : f.ausgabe)
            EXPECT_EQ(t.at(feld), text) << feld;
        EXPECT_TRUE(GKSichtbar());
    }
    EXPECT_TRUE(boxen.boxen.empty()) << boxen.texte().join(" | ").toStdString();
}

// The output window stays open between runs: a point outside Germany hides
// fraGKAUS and leaves its fields, a failed check makes it visible again and
// writes nothing, the next point inside overwrites them.
TEST_F(Durchlauf, OutputWindowOverRunsInsideAndOutsideGermany) {
    Meldungsbox boxen;
    foBerechnungen& b = MitBeispiel(1);
    Berechne(b);
    ASSERT_TRUE(AusgabeSichtbar());
    QPointer<foAusgabe> fenster = &Ausgabefenster();
    const Texte erster = Ausgabetexte();

    Schreibe(b, {{"texBreite", "48.5"}, {"texLaenge", "9.5"}});
    Kind<QRadioButton>(b, "optDezW")->click();
    Berechne(b);
    EXPECT_EQ(&Ausgabefenster(), fenster.data());
    EXPECT_TRUE(AusgabeSichtbar());
    EXPECT_FALSE(GKSichtbar());
    Texte zweiter = Ausgabetexte();
    EXPECT_EQ(zweiter.at("texLaengeAUS"), "W009.500000");
    for (const char* feld :
         {"texGKRechtsAUS", "texGKHochAUS", "texMeridianAUS", "labStreifenbreite"})
        EXPECT_EQ(zweiter.at(feld), erster.at(feld)) << feld;

    Schreibe(b, {{"texBreite", "84"}});
    Berechne(b);
    EXPECT_EQ(boxen.boxen.size(), 1u);
    EXPECT_EQ(Ausgabetexte(), zweiter);
    EXPECT_TRUE(AusgabeSichtbar());
    EXPECT_TRUE(GKSichtbar()) << "the first step of every run shows the frame";

    Schreibe(b, {{"texBreite", "48.5"}});
    Kind<QRadioButton>(b, "optDezE")->click();
    Berechne(b);
    EXPECT_TRUE(GKSichtbar());
    const Texte dritter = Ausgabetexte();
    EXPECT_EQ(dritter.at("texLaengeAUS"), "E009.500000");
    EXPECT_NE(dritter.at("texGKRechtsAUS"), erster.at("texGKRechtsAUS"));
    EXPECT_NE(dritter.at("texGKHochAUS"), erster.at("texGKHochAUS"));
    EXPECT_EQ(dritter.at("labStreifenbreite"), "3");
    EXPECT_EQ(boxen.boxen.size(), 1u);
}

// A failed check: exactly its message as a stop box with OK and the
// program's title, the focus where the check puts it (before or after the
// box), and the output window untouched, whether it was shown or not.
TEST_F(Durchlauf, FailedCheckShowsItsMessageAndLeavesTheOutputWindow) {
    struct Fall {
        int format;
        const char* feld;
        const char* falsch;
        const char* meldung;
        const char* fokusWaehrend; // focus of the calculation window while the box is open
        const char* fokusDanach;
    };
    const Fall faelle[] = {
        {1, "texBreite", "84",
         "Die nördliche Breite muss kleiner sein als 84°.\r\n\r\nAb 84° beginnt UPS", "comRechnen",
         "texBreite"},
        {2, "texBreiteMinute", "60",
         "Der Minutenwert der Breite darf 59.999999 nicht überschreiten!", "comRechnen",
         "comRechnen"},
        {3, "texLMinute", "60", "Die Minuteneingabe der Länge darf 59' nicht überschreiten!",
         "comRechnen", "comRechnen"},
        {4, "texRechts", "0723777",
         "Der Rechtswert darf das angezeigte Maximum nicht überschreiten!", "comRechnen",
         "texRechts"},
        {5, "texZoneM", "", "Ohne Angabe der Zone kann die Berechnung nicht durchgeführt werden.",
         "texZoneM", "texZoneM"},
        {6, "texREFZiffern", "71618",
         "Die Zifferngruppe muss geradzahlig sein\r\n2 oder 4 oder 6 oder 8 oder 10 "
         "Ziffern.\r\n\r\n 5 ist nicht geradzahlig.",
         "comRechnen", "texREFZiffern"},
        {7, "texGKHoch", "5107149",
         "Der Hochwert ist zu klein.\r\nIhr Punkt liegt südlich von Deutschland.", "comRechnen",
         "texGKHoch"},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.format);
        foBerechnungen& b = MitBeispiel(f.format);
        const std::string beispiel = Text(b, f.feld);

        Meldungsbox boxen;
        std::string fokusWaehrend;
        bool ausgabeWaehrend = true;
        boxen.waehrend = [&](QMessageBox&) {
            fokusWaehrend = Fokus(b);
            ausgabeWaehrend = AusgabeSichtbar();
        };
        auto pruefeFehlschlag = [&] {
            const std::string meridian = Text(b, "texMeridian");
            Schreibe(b, {{f.feld, f.falsch}});
            Berechne(b);
            ASSERT_EQ(boxen.boxen.size(), 1u);
            const Box& box = boxen.boxen.back();
            EXPECT_EQ(box.text, Boxtext(f.meldung));
            EXPECT_EQ(box.symbol, QMessageBox::Critical);
            EXPECT_EQ(box.knoepfe, QMessageBox::Ok);
            EXPECT_EQ(box.vorgabe, QMessageBox::Ok);
            EXPECT_EQ(box.titel, "KartovexQuendo");
            EXPECT_EQ(fokusWaehrend, f.fokusWaehrend);
            EXPECT_EQ(Fokus(b), f.fokusDanach);
            EXPECT_EQ(Text(b, f.feld), f.falsch);
            EXPECT_EQ(Text(b, "texMeridian"), meridian);
            if (f.format >= 4) {
                EXPECT_FALSE(b.EingabeOK);
            }
            boxen.boxen.clear();
        };

        // Never shown before: the window is created for fraGKAUS but stays hidden.
        pruefeFehlschlag();
        EXPECT_FALSE(ausgabeWaehrend);
        EXPECT_FALSE(AusgabeSichtbar());

        // Shown by a good run: the failed run writes nothing and hides nothing.
        Schreibe(b, {{f.feld, beispiel.c_str()}});
        Berechne(b);
        ASSERT_TRUE(AusgabeSichtbar());
        ASSERT_TRUE(boxen.boxen.empty());
        const Texte vorher = Ausgabetexte();
        pruefeFehlschlag();
        EXPECT_EQ(Ausgabetexte(), vorher);
        EXPECT_TRUE(AusgabeSichtbar());
    }
}

// The checks' normalisations end up in the calculation window's fields, and
// the conversion used them.
TEST_F(Durchlauf, NormalisedTextsStayInTheCalculationWindow) {
    struct Fall {
        int format;
        Paare eingabe; // over the example texts
        Paare danach;  // fields of the calculation window after the run
        Paare ausgabe;
    };
    const std::vector<Fall> faelle = {
        {2,
         {{"texBreiteMinute", ""}, {"texLaengeMinute", ""}},
         {{"texBreiteMinute", "0"}, {"texLaengeMinute", "0"}},
         {{"texBreiteAUS", "N48.000000"}, {"texLaengeAUS", "E009.000000"}}},
        {3,
         {{"texBMinute", ""}, {"texBSekunde", ""}, {"texLMinute", ""}, {"texLSekunde", ""}},
         {{"texBMinute", "0"}, {"texBSekunde", "0"}, {"texLMinute", "0"}, {"texLSekunde", "0"}},
         {{"texBreiteAUS", "N48.000000"}, {"texLaengeAUS", "E009.000000"}}},
        {5,
         {{"tex10m", "9"}, {"tex1m", ""}},
         {{"tex10m", "09"}, {"tex1m", "00"}},
         {{"texMilUTM", "32U  NU  76.15.52.09.00"}, {"texHoch2", "5365290"}}},
        {6,
         {{"texREFZiffern", ""}},
         {{"texREFZiffern", "0000000000"}},
         {{"texREFAUS", "32U NU 0000000000"}, {"texMilUTM", "32U NU 00.00.00.00.00"}}},
        {7,
         {{"texGKRechts", "3571699"}, {"texGKHoch", "5366959"}},
         {{"texGKRechts", "3571699.00"}, {"texGKHoch", "5366959.00"}, {"texMeridian", "E009°"}},
         {{"texGKRechtsAUS", "3571699"}, {"texMeridianAUS", "E009°"}}},
    };
    Meldungsbox boxen;
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.format);
        foBerechnungen& b = MitBeispiel(f.format);
        Schreibe(b, f.eingabe);
        Berechne(b);
        for (const auto& [feld, text] : f.danach)
            EXPECT_EQ(Text(b, feld), text) << feld;
        ASSERT_TRUE(AusgabeSichtbar());
        const Texte t = Ausgabetexte();
        for (const auto& [feld, text] : f.ausgabe)
            EXPECT_EQ(t.at(feld), text) << feld;
    }
    EXPECT_TRUE(boxen.boxen.empty()) << boxen.texte().join(" | ").toStdString();

    // A later group's fault: the groups before it are already filled while
    // the box is open, and stay so.
    foBerechnungen& b = MitBeispiel(5);
    Schreibe(b, {{"tex1km", ""}, {"tex100m", "123"}});
    std::string waehrend;
    boxen.waehrend = [&](QMessageBox&) { waehrend = Text(b, "tex1km"); };
    Berechne(b);
    ASSERT_EQ(boxen.boxen.size(), 1u);
    EXPECT_EQ(boxen.boxen[0].text, "Im 100m Feld sind keine 3-stelligen Eingaben zugelassen!");
    EXPECT_EQ(waehrend, "00");
    EXPECT_EQ(Text(b, "tex1km"), "00");
    EXPECT_EQ(Text(b, "tex100m"), "123");
}

// Impossible values inside a geodesy routine: its boxes come in order while
// the output window is not yet shown, then the window is filled and shown.
TEST_F(Durchlauf, ImpossibleValuesShowTheirBoxesThenTheOutputWindow) {
    foBerechnungen& b = MitBeispiel(7);
    Schreibe(b, {{"texGKRechts", "4595060"}, {"texGKHoch", "5819302"}});
    Kind<QRadioButton>(b, "optSechs")->click();
    Meldungsbox boxen;
    std::vector<bool> ausgabeWaehrend;
    boxen.waehrend = [&](QMessageBox&) { ausgabeWaehrend.push_back(AusgabeSichtbar()); };
    Berechne(b);

    EXPECT_EQ(boxen.texte(),
              QStringList({Boxtext("Die gewählte Streifenbreite führt zu einem Punkt ausserhalb "
                                   "von Deutschland.\r\nWählen Sie eine kleinere Streifenbreite."),
                           Boxtext("Der Rechtswert muss genau 7-stellig sein!")}));
    for (const Box& box : boxen.boxen) {
        EXPECT_EQ(box.symbol, QMessageBox::Critical);
        EXPECT_EQ(box.knoepfe, QMessageBox::Ok);
        EXPECT_EQ(box.titel, "KartovexQuendo");
    }
    EXPECT_EQ(ausgabeWaehrend, std::vector<bool>({false, false}));
    ASSERT_TRUE(AusgabeSichtbar());
    EXPECT_TRUE(b.EingabeOK);
    const Texte t = Ausgabetexte();
    EXPECT_EQ(t.at("texGKRechtsAUS"), "4595060");
    EXPECT_EQ(t.at("labStreifenbreite"), "6");
    EXPECT_EQ(t.at("texMeridianAUS"), "6");
    EXPECT_EQ(Text(b, "texMeridian"), "6");
    EXPECT_FALSE(t.at("texBreiteAUS").empty());
    EXPECT_TRUE(GKSichtbar());
}

} // namespace
