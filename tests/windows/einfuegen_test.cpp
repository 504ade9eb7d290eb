// Pasting a coordinate into the entry window, and the round trip of every
// line the output window copies through recogniser, check and conversion.
#include <QClipboard>
#include <QRadioButton>

#include <random>
#include <sstream>

#include "Fensterhilfe.h"
#include "checks/Erkennung.h"
#include "checks/Zonenfeld.h"
#include "checks/kurzform.h"
#include "workflow/Berechnung.h"
#include "workflow/Zusammenfassung.h"

using namespace kartovex;
using namespace kartovex::test;

namespace {

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

// The line of the format in a copied text.
std::string ZeileDes(int format, const std::string& text) {
    for (const std::string& z : Zeilen(text))
        if (z.starts_with(std::string(FormatNr(format)->name) + "\t")) return z;
    return "";
}

// 1000 points of each range: every copied line, recognised, checked and
// converted, gives itself again.
TEST(Rundreise, EveryCopiedLineOfRandomPoints) {
    for (bool deutschland : {false, true}) {
        Punkte punkte{{}, deutschland};
        for (int i = 0; i < 1000; ++i) {
            const auto zeilen = Zeilen(Ergebnis(punkte.naechster(), 1));
            ASSERT_GE(zeilen.size(), deutschland ? 7u : 6u) << zeilen[0];
            for (std::string zeile : zeilen) {
                SCOPED_TRACE(zeile);
                const auto r = Erkenne(zeile);
                ASSERT_TRUE(r);
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
                // Two inputs come back in their own layout: UTMREF with single
                // blanks, Gauss-Krueger metres without the blank in front.
                const std::string weg = r->format == Eingabeformat::UTMref         ? "  "
                                        : r->format == Eingabeformat::GaussKrueger ? "\t "
                                                                                   : "";
                for (auto p = zeile.find(weg); !weg.empty() && p != std::string::npos;
                     p = zeile.find(weg))
                    zeile.erase(p + 1, 1);
                EXPECT_EQ(ZeileDes(r->format, Ergebnis(e, r->format)), zeile);
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
    // The format's fields in the calculation window, and each option the short
    // form of kurzform.h turns on.
    static void ErwarteFelder(int format, const std::string& kurz) {
        const Eingabe soll = Kurz(kurz), ist = Berechnungsfenster().eingabe();
        for (Feld f : FormatNr(format)->felder)
            EXPECT_EQ(ist.text(f), soll.text(f)) << Name(f);
        for (std::size_t i = 0; i < OptionAnzahl; ++i)
            EXPECT_TRUE(ist.an[i] || !soll.an[i]) << Name(Option(i));
    }
};

// Each notation chooses its format (as its button does), types its fields and
// options and leaves the focus on "Berechnung", so that Enter converts.
TEST_F(Einfuegen, RecognisedTextFillsTheFormatReadyForEnter) {
    const std::tuple<const char*, int, std::string> faelle[] = {
        {"-33.9, 18.4", 1, "Breite=33.9|Laenge=18.4|optDezS|optDezE"},
        {"48 26,17998 N 9 58,078035 W", 2,
         "BreiteGrad=48|BreiteMinute=26.17998|LaengeGrad=9|LaengeMinute=58.078035|optGMN|optGMW"},
        {"48°26'10.80\"S 9°58'04.69\"E", 3,
         "BGrad=48|BMinute=26|BSekunde=10.80|LGrad=9|LMinute=58|LSekunde=04.69|optGradS|optGradE"},
        {"32 u 571595 5365251", 4, "Zone=32U|Rechts=0571595|Hoch=5365251"},
        {"32u nu 76 15 52 95 51", 5, "ZoneM=32U|100km=NU|10km=76|1km=15|100m=52|10m=95|1m=51"},
        {"32UNU7159565251", 6, "REFZone=32U|REF100=NU|REFZiffern=7159565251"},
        {"Gauß - Krüger\t 3571699\t 5366959\t6\tE009°", 7,
         "GKRechts=3571699|GKHoch=5366959|optSechs"},
    };
    for (const auto& [text, format, felder] : faelle) {
        SCOPED_TRACE(text);
        Paste(QString::fromUtf8(text));
        ASSERT_TRUE(QTest::qWaitForWindowActive(&Berechnungsfenster()));
        foBerechnungen& b = Berechnungsfenster();
        EXPECT_EQ(InputFormat, format);
        ErwarteFelder(format, felder);
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
    ErwarteFelder(1, "Breite=48.25|Laenge=9.75|optDezN|optDezE");
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
