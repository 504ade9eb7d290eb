// Pasting a coordinate into the entry window: what the format button does,
// the fields typed through their key rules, the options, the focus on
// "Berechnung"; the message for a text that is not understood; and the round
// trip of every line the output window copies, for random points, through
// the recogniser, the check and the conversion.
#include <QClipboard>
#include <QRadioButton>

#include <random>
#include <sstream>

#include "Fensterhilfe.h"
#include "checks/Erkennung.h"
#include "checks/Zonenfeld.h"
#include "workflow/Berechnung.h"
#include "workflow/Zusammenfassung.h"

using namespace kartovex;
using namespace kartovex::test;

namespace {

// The copy line that shows these field texts and options: the format's name,
// then its output fields. Geographic lines put the hemisphere letter in front
// of the degrees; military and UTMREF are one text; the Gauss-Krueger line
// goes on with the meridian, which is no field.
std::string Zeile(int format, const Eingabe& e) {
    const Format& f = *FormatNr(format);
    std::vector<std::string> t;
    for (Feld feld : f.felder)
        t.push_back(e.text(feld));
    std::string z = std::string(f.name);
    const auto tab = [&](const std::string& s) { z += "\t" + s; };
    if (format <= 3) {
        const std::size_t n = t.size() / 2;
        const char* buchstaben[] = {e.istAn(f.optionen[0].andere) ? "S" : "N",
                                    e.istAn(f.optionen[1].andere) ? "W" : "E"};
        for (std::size_t i = 0; i < t.size(); ++i)
            tab(i % n == 0 ? buchstaben[i / n] + t[i] : t[i]);
    } else if (format == 4) {
        for (const std::string& s : t)
            tab(s);
    } else if (format == 5) {
        tab(t[0] + "  " + t[1] + "  " + t[2] + "." + t[3] + "." + t[4] + "." + t[5] + "." + t[6]);
    } else if (format == 6) {
        tab(t[0] + "  " + t[1] + "  " + t[2]);
    } else {
        tab(" " + t[0]);
        tab(" " + t[1]);
        tab(e.istAn(Option::optSechs) ? "6" : "3");
    }
    return z;
}

std::vector<std::string> Zeilen(const std::string& text) {
    std::vector<std::string> zeilen;
    std::istringstream ein(text);
    for (std::string z; std::getline(ein, z);)
        zeilen.push_back(z);
    return zeilen;
}

// Random points: the whole UTM range, or Germany.
struct Punkte {
    std::mt19937 zufall{14};
    bool deutschland;
    Eingabe naechster() {
        std::uniform_real_distribution<double> breite(deutschland ? 47.3 : -79.99,
                                                      deutschland ? 55.0 : 83.99);
        std::uniform_real_distribution<double> laenge(deutschland ? 5.9 : -180.0,
                                                      deutschland ? 15.0 : 180.0);
        const double b = breite(zufall), l = laenge(zufall);
        Eingabe e;
        e[Feld::texBreite] = std::to_string(std::abs(b));
        e[Feld::texLaenge] = std::to_string(std::abs(l));
        e.schalteAn(b < 0 ? Option::optDezS : Option::optDezN);
        e.schalteAn(l < 0 ? Option::optDezW : Option::optDezE);
        return e;
    }
};

std::string Ergebnis(Eingabe e, int format) {
    const Berechnungsergebnis r = Berechnung(format, e);
    EXPECT_TRUE(r.pruefung.ok) << r.pruefung.meldung;
    return r.ausgabe ? Zusammenfassung(r.ausgabe->texte, r.ausgabe->gkSichtbar) : "";
}

// The meridian column of a Gauss-Krueger line is no field: compared without it.
std::string OhneMeridian(const std::string& zeile) {
    return zeile.rfind("Gauß", 0) == 0 ? zeile.substr(0, zeile.rfind('\t')) : zeile;
}

// 1000 points of each range through recogniser, check and conversion: each
// line becomes its own format with the texts it shows and converts; the
// decimal line converts to itself.
TEST(Rundreise, EveryCopiedLineOfRandomPoints) {
    for (bool deutschland : {false, true}) {
        Punkte punkte{{}, deutschland};
        for (int i = 0; i < 1000; ++i) {
            const auto zeilen = Zeilen(Ergebnis(punkte.naechster(), 1));
            ASSERT_GE(zeilen.size(), deutschland ? 7u : 6u) << zeilen[0];
            for (const std::string& zeile : zeilen) {
                SCOPED_TRACE(zeile);
                const auto r = Erkenne(zeile);
                ASSERT_TRUE(r);
                EXPECT_EQ(Zeile(r->format, r->eingabe), OhneMeridian(zeile));
                Eingabe e = r->eingabe;
                if (r->format == Eingabeformat::UTMzivil) {
                    ASSERT_TRUE(ZoneVerlassen(e.text(Feld::texZone), e.grenzen).ok);
                }
                // The output shows 60.00 seconds for values just below a full
                // minute; typed as shown, the check refuses them.
                if (zeile.find("\t60.00") != std::string::npos) {
                    EXPECT_FALSE(Berechnung(r->format, e).pruefung.ok);
                    continue;
                }
                const std::string wieder = Ergebnis(e, r->format);
                if (r->format == Eingabeformat::GradDezimal) {
                    EXPECT_EQ(Zeilen(wieder).at(0), zeile);
                }
            }
        }
    }
}

class Einfuegen : public FensterTest {
protected:
    // Puts the text on the clipboard and presses the key in the entry window.
    void Paste(const QString& text, Qt::Key taste = Qt::Key_V,
               Qt::KeyboardModifier mit = Qt::ControlModifier) {
        QGuiApplication::clipboard()->setText(text);
        Aktiviere(Eingangsfenster());
        QTest::keyClick(&Eingangsfenster(), taste, mit);
    }
    // Field texts and options of the calculation window as an Eingabe.
    static Eingabe Fenstereingabe() { return Berechnungsfenster().eingabe(); }
};

// Each notation chooses its format (as its button does), types its fields and
// options and leaves the focus on "Berechnung", so that Enter converts.
TEST_F(Einfuegen, RecognisedTextFillsTheFormatReadyForEnter) {
    const std::tuple<const char*, int, std::string> faelle[] = {
        {"-33.9, 18.4", 1, "Grad (dezimal)\tS33.9\tE18.4"},
        {"48 26,17998 N 9 58,078035 W", 2, "Grad/Minuten\tN48\t26.17998\tW9\t58.078035"},
        {"48°26'10.80\"N 9°58'04.69\"E", 3, "Grad/Minuten/Sekunden\tN48\t26\t10.80\tE9\t58\t04.69"},
        {"32 u 571595 5365251", 4, "UTM zivil\t32U\t0571595\t5365251"},
        {"32u nu 76 15 52 95 51", 5, "UTM mil\t32U  NU  76.15.52.95.51"},
        {"32UNU7159565251", 6, "UTM ref\t32U  NU  7159565251"},
        {"Gauß - Krüger\t 3571699\t 5366959\t6\tE009°", 7, "Gauß - Krüger\t 3571699\t 5366959\t6"},
    };
    for (const auto& [text, format, zeile] : faelle) {
        SCOPED_TRACE(text);
        Paste(QString::fromUtf8(text));
        ASSERT_TRUE(QTest::qWaitForWindowActive(&Berechnungsfenster()));
        foBerechnungen& b = Berechnungsfenster();
        EXPECT_EQ(InputFormat, format);
        EXPECT_EQ(Zeile(format, Fenstereingabe()), zeile);
        EXPECT_EQ(Fokus(b), "comRechnen");
        QTest::keyClick(b.focusWidget(), Qt::Key_Return);
        EXPECT_TRUE(QTest::qWaitForWindowActive(&Ausgabefenster()));
        Ausgabefenster().verwerfe();
    }
}

TEST_F(Einfuegen, ShiftInsertPastesAndOldTextIsReplaced) {
    Paste("48.5 9.5");
    Berechnungsfenster().feld(Feld::texLaenge)->setText("123.456");
    Kind<QRadioButton>(Berechnungsfenster(), "optDezW")->click();
    Paste("N48.25 E9.75", Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(Zeile(1, Fenstereingabe()), "Grad (dezimal)\tN48.25\tE9.75");
}

TEST_F(Einfuegen, UnrecognisedTextShowsTheNotationsAndChangesNothing) {
    Meldungsbox boxen;
    const int format = InputFormat;
    Paste("48.5 9.5 12");
    EXPECT_EQ(boxen.boxen, QStringList{Stop(NichtErkanntMeldung)});
    EXPECT_EQ(BerechnungsfensterFallsDa(), nullptr);
    EXPECT_EQ(InputFormat, format);

    Paste("32U 571595 5365251");
    const auto vorher = Felder(&Berechnungsfenster());
    Paste("32U 571595 53652512");
    EXPECT_EQ(boxen.boxen.size(), 2);
    EXPECT_EQ(Felder(&Berechnungsfenster()), vorher);
    EXPECT_EQ(InputFormat, 4);
}

} // namespace
