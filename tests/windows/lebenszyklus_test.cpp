// Window lifecycle: creation on first use, defaults, what survives a format
// change, what the back buttons discard, program end; the message boxes.
#include <QGroupBox>
#include <QPointer>
#include <QRadioButton>

#include "geodesy/modKartovex.h"
#include "tests/windows/Fensterhilfe.h"
#include "tests/windows/Meldungsbox.h"

using namespace kartovex;
using namespace kartovex::test;

namespace {

const char* Rahmen[] = {"fraGrad", "fraGradMin", "fraGradMinSek", "fraZIV",
                        "fraMIL",  "fraREF",     "fraGK"};
const char* ErstesFeld[] = {"texBreite", "texBreiteGrad", "texBGrad",   "texZone",
                            "texZoneM",  "texREFZone",    "texGKRechts"};

QStringList SichtbareRahmen(const foBerechnungen& b) {
    QStringList sichtbar;
    for (const char* r : Rahmen)
        if (Kind<QGroupBox>(b, r)->isVisibleTo(&b)) sichtbar << r;
    return sichtbar;
}

QStringList Fensterliste() {
    QStringList namen;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName().startsWith("fo")) namen << w->objectName();
    namen.sort();
    return namen;
}

// The defaults of a newly created calculation window.
void ErwarteVorgaben(const foBerechnungen& b) {
    for (const QLineEdit* f : b.findChildren<QLineEdit*>())
        EXPECT_TRUE(f->text().isEmpty()) << f->objectName().toStdString();
    QStringList an;
    for (const QRadioButton* o : b.findChildren<QRadioButton*>())
        if (o->isChecked()) an << o->objectName();
    an.sort();
    EXPECT_EQ(an, QStringList({"optDezE", "optDezN", "optDrei", "optGME", "optGMN", "optGradE",
                               "optGradN"}));
    for (const char* l :
         {"labLimitsRechts", "labLimitsHoch", "labGKLimitsRechts", "labGKLimitsHoch"})
        EXPECT_TRUE(Kind<QLabel>(b, l)->text().isEmpty()) << l;
    EXPECT_TRUE(b.grenzen.RechtsMax.empty() && b.grenzen.HochMin.empty());
}

} // namespace

TEST_F(FensterTest, AtStartOnlyTheEntryWindowExists) {
    EXPECT_EQ(Fensterliste(), QStringList{"foEingang"});
    EXPECT_EQ(BerechnungsfensterFallsDa(), nullptr);
    EXPECT_EQ(AusgabefensterFallsDa(), nullptr);
    const foEingang& e = Eingangsfenster();
    EXPECT_EQ(e.windowTitle(), "KartovexLE  V 1.2       01.02.2014");
    EXPECT_EQ(Kind<QLabel>(e, "labEingang")->text(), "Starten Sie mit Ihrem Eingabeformat");
    // 15000 x 10000 twips outer size, frame included.
    EXPECT_EQ(e.frameGeometry(), QRect(0, 0, 1000, 667));
}

TEST_F(FensterTest, EachFormatButtonShowsItsFrameAndFocusesItsFirstField) {
    for (unsigned format = 1; format <= 7; ++format) {
        SCOPED_TRACE(format);
        foBerechnungen& b = Format(format);
        EXPECT_EQ(InputFormat, static_cast<int>(format));
        EXPECT_EQ(SichtbareRahmen(b), QStringList{Rahmen[format - 1]});
        EXPECT_EQ(QApplication::focusWidget()->objectName(), ErstesFeld[format - 1]);
        EXPECT_EQ(Kind<QLabel>(b, "labEingabe")->text(),
                  Anzeigetext(foEingang::Hinweistext(format)));
        Kind<QPushButton>(b, "comStartoption")->click();
        Aufraeumen();
    }
}

TEST_F(FensterTest, NewCalculationWindowHasItsDefaultsAndLayout) {
    foBerechnungen& b = Format(1);
    ErwarteVorgaben(b);
    EXPECT_EQ(b.windowTitle(), "Beachten Sie bitte den Hinweis zur Zahleneingabe");
    EXPECT_EQ(b.frameGeometry(), QRect(0, 0, 1000, 313));
    EXPECT_EQ(Kind<QWidget>(b, "comRechnen")->geometry(), QRect(300, 200, 200, 50));
    EXPECT_EQ(Kind<QWidget>(b, "comStartoption")->geometry(), QRect(520, 200, 200, 50));
    EXPECT_EQ(Kind<QWidget>(b, "labBeenden")->geometry(), QRect(740, 200, 200, 50));
    EXPECT_EQ(Kind<QWidget>(b, "fraZIV")->geometry(), QRect(300, 0, 490, 180));
    EXPECT_EQ(Kind<QWidget>(b, "fraGK")->geometry(), QRect(300, 0, 490, 200));
    // The example buttons lie below the window's lower edge.
    EXPECT_EQ(Kind<QWidget>(b, "comKrummboegleGrad")->geometry(), QRect(16, 736, 233, 33));
    EXPECT_TRUE(Kind<QLineEdit>(b, "texMeridian")->isReadOnly());
}

TEST_F(FensterTest, FormatChangeKeepsWindowTypedValuesAndFrames) {
    foBerechnungen& b = Format(1);
    QPointer<foBerechnungen> erstes = &b;
    QTest::keyClicks(Kind<QLineEdit>(b, "texBreite"), "48.5");
    Kind<QRadioButton>(b, "optDezS")->setChecked(true);
    foBerechnungen& wieder = Format(4);
    EXPECT_EQ(&wieder, erstes.data());
    EXPECT_EQ(Kind<QLineEdit>(b, "texBreite")->text(), "48.5");
    EXPECT_TRUE(Kind<QRadioButton>(b, "optDezS")->isChecked());
    EXPECT_EQ(SichtbareRahmen(b), QStringList({"fraGrad", "fraZIV"}));
    EXPECT_EQ(QApplication::focusWidget()->objectName(), "texZone");
}

TEST_F(FensterTest, GaussKruegerButtonWritesTheBoundLabels) {
    foBerechnungen& b = Format(7);
    EXPECT_EQ(Kind<QLabel>(b, "labGKLimitsRechts")->text(), "5538200  Maximum\n2484700  Minimum");
    EXPECT_EQ(Kind<QLabel>(b, "labGKLimitsHoch")->text(), "6197355  Maximum\n5107150  Minimum");
}

TEST_F(FensterTest, NewStartOptionsDiscardsTheCalculationWindow) {
    foBerechnungen& b = Format(7);
    QPointer<foBerechnungen> alt = &b;
    QTest::keyClicks(Kind<QLineEdit>(b, "texGKRechts"), "3571699");
    Kind<QRadioButton>(b, "optSechs")->setChecked(true);
    Kind<QPushButton>(b, "comStartoption")->click();
    EXPECT_EQ(BerechnungsfensterFallsDa(), nullptr);
    EXPECT_TRUE(Eingangsfenster().isVisible());
    Aufraeumen();
    EXPECT_TRUE(alt.isNull());
    EXPECT_EQ(InputFormat, 7);

    foBerechnungen& neu = Format(2);
    ErwarteVorgaben(neu);
    EXPECT_EQ(SichtbareRahmen(neu), QStringList{"fraGradMin"});
}

TEST_F(FensterTest, BackDiscardsTheOutputWindowAndRecreatesAMissingCalculationWindow) {
    foBerechnungen& b = Format(1);
    foAusgabe& a = Ausgabefenster();
    QPointer<foAusgabe> ausgabe = &a;
    EXPECT_FALSE(a.isVisible()); // created, not shown
    a.setzeText("texBreiteAUS", "N48.500000");
    EXPECT_EQ(a.text("texBreiteAUS"), "N48.500000");
    a.zeige();
    Kind<QPushButton>(b, "comStartoption")->click();
    Aufraeumen();

    Kind<QPushButton>(a, "comZurueck")->click();
    EXPECT_EQ(AusgabefensterFallsDa(), nullptr);
    Aufraeumen();
    EXPECT_TRUE(ausgabe.isNull());
    ASSERT_NE(BerechnungsfensterFallsDa(), nullptr);
    foBerechnungen& neu = Berechnungsfenster();
    EXPECT_TRUE(neu.isVisible());
    EXPECT_TRUE(SichtbareRahmen(neu).isEmpty());
    ErwarteVorgaben(neu);
    EXPECT_TRUE(Ausgabefenster().text("texBreiteAUS").empty()); // a new output window
}

TEST_F(FensterTest, OutputWindowLayoutAndDriverInterface) {
    foAusgabe& a = Ausgabefenster();
    EXPECT_EQ(a.windowTitle(), "Zahlenausgabe");
    EXPECT_EQ(a.geometry(), QRect(0, 400, 1000, 600));
    const QRect oben[] = {{7, 8, 320, 153}, {333, 8, 320, 153}, {660, 8, 320, 153}};
    const char* namen[] = {"fraGradAUS", "fraGradMinAUS", "fraGradMinSekAUS"};
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(Kind<QWidget>(a, namen[i])->geometry(), oben[i]);
    EXPECT_EQ(Kind<QWidget>(a, "fraREFAUS")->geometry(), QRect(660, 168, 320, 133));
    a.zeigeGK(false);
    EXPECT_FALSE(Kind<QWidget>(a, "fraGKAUS")->isVisibleTo(&a));
    a.zeigeGK(true);
    EXPECT_TRUE(Kind<QWidget>(a, "fraGKAUS")->isVisibleTo(&a));
    a.setzeStreifenbreite("3");
    EXPECT_EQ(Kind<QLabel>(a, "labStreifenbreite")->text(), "3");
    a.setzeText("labStreifenbreite", "6");
    EXPECT_EQ(Kind<QLabel>(a, "labStreifenbreite")->text(), "6");
    EXPECT_TRUE(Kind<QLineEdit>(a, "texMeridianAUS")->isReadOnly());
    EXPECT_FALSE(Kind<QLineEdit>(a, "texMilUTM")->isReadOnly());
}

TEST_F(FensterTest, ClosingThroughTheFrameDiscardsTheWindow) {
    foBerechnungen& b = Format(3);
    QPointer<foBerechnungen> alt = &b;
    b.close();
    EXPECT_EQ(BerechnungsfensterFallsDa(), nullptr);
    Aufraeumen();
    EXPECT_TRUE(alt.isNull());
    EXPECT_TRUE(Eingangsfenster().isVisible());
}

TEST_F(FensterTest, ExampleButtonsWriteTheirFieldsAndNothingElse) {
    struct Fall {
        const char* knopf;
        std::vector<std::pair<const char*, const char*>> felder;
    };
    const Fall faelle[] = {
        {"comKrummboegleGrad",
         {{"texBreite", "48.4363326641023"}, {"texLaenge", "9.96796724981198"}}},
        {"comKrummboegleMercator",
         {{"texBreiteGrad", "48"},
          {"texBreiteMinute", "26.179960"},
          {"texLaengeGrad", "9"},
          {"texLaengeMinute", "58.078035"}}},
        {"comKrummboegleGMS",
         {{"texBGrad", "48"},
          {"texBMinute", "26"},
          {"texBSekunde", "10.80"},
          {"texLGrad", "9"},
          {"texLMinute", "58"},
          {"texLSekunde", "4.68"}}},
        {"comZIV", {{"texZone", "32U"}, {"texRechts", "0571595"}, {"texHoch", "5365251"}}},
        {"comMIL",
         {{"texZoneM", "32U"},
          {"tex100km", "NU"},
          {"tex10km", "76"},
          {"tex1km", "15"},
          {"tex100m", "52"},
          {"tex10m", "95"},
          {"tex1m", "51"}}},
        {"comREF", {{"texREFZone", "32U"}, {"texREF100", "NU"}, {"texREFZiffern", "7159565251"}}},
        {"comKrummboegleGK", {{"texGKRechts", "3571699.06"}, {"texGKHoch", "5366959.20"}}},
    };
    foBerechnungen& b = Format(1);
    Kind<QRadioButton>(b, "optDezS")->setChecked(true);
    int kurzwahl = 0;
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.knopf);
        for (QLineEdit* feld : b.findChildren<QLineEdit*>())
            feld->clear();
        const auto vorher = b.eingabe();
        // Ctrl+1 .. Ctrl+7 press the buttons from the keyboard.
        QTest::keyClick(&b, Qt::Key(Qt::Key_1 + kurzwahl++), Qt::ControlModifier);
        auto erwartet = vorher;
        for (const auto& [feld, text] : f.felder)
            erwartet.texte[feld] = text;
        const auto nachher = b.eingabe();
        EXPECT_EQ(nachher.texte, erwartet.texte);
        EXPECT_EQ(nachher.an, vorher.an);
        EXPECT_EQ(SichtbareRahmen(b), QStringList{"fraGrad"});
        EXPECT_EQ(QApplication::focusWidget()->objectName(), "texBreite");
    }
}

TEST_F(FensterTest, ClickIntoTheMeridianFieldMovesTheFocusToTheDummy) {
    foBerechnungen& b = Format(7);
    QTest::mouseClick(Kind<QLineEdit>(b, "texMeridian"), Qt::LeftButton);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), "texDummy");
}

TEST_F(FensterTest, InputRecordAndWriteBack) {
    foBerechnungen& b = Format(4);
    Kind<QLineEdit>(b, "texZone")->setText("32U");
    Kind<QRadioButton>(b, "optGradS")->setChecked(true);
    Eingabe e = b.eingabe();
    EXPECT_EQ(e.text("texZone"), "32U");
    EXPECT_TRUE(e.istAn("optGradS"));
    EXPECT_FALSE(e.istAn("optGradN"));
    EXPECT_EQ(e.texte.count("tex1m"), 1u);
    e.texte["tex10km"] = "07";
    e.grenzen.RechtsMax = "5538200";
    b.uebernehme(e);
    EXPECT_EQ(Kind<QLineEdit>(b, "tex10km")->text(), "07");
    EXPECT_EQ(b.grenzen.RechtsMax, "5538200");
}

TEST_F(FensterTest, CheckVerdictMovesTheFocusBeforeOrAfterItsMessage) {
    foBerechnungen& b = Format(3);
    for (bool vorher : {true, false}) {
        SCOPED_TRACE(vorher);
        Meldungsbox boxen;
        QString fokusWaehrendBox;
        boxen.waehrend = [&](QMessageBox&) { fokusWaehrendBox = b.focusWidget()->objectName(); };
        b.setzeFokus("texBGrad");
        b.zeigePruefergebnis({false, "Fehler\r\nZeile 2", "texLSekunde", vorher});
        ASSERT_EQ(boxen.boxen.size(), 1u);
        EXPECT_EQ(boxen.boxen[0].text, "Fehler\nZeile 2");
        EXPECT_EQ(fokusWaehrendBox, vorher ? "texLSekunde" : "texBGrad");
        EXPECT_EQ(b.focusWidget()->objectName(), "texLSekunde");
        Aktiviere(b);
    }
}

TEST_F(FensterTest, GeodesyMessagesAreStopBoxes) {
    Meldungsbox boxen;
    modKartovex::Meldung(modKartovex::FehlerMeldung);
    ASSERT_EQ(boxen.boxen.size(), 1u);
    const Box& box = boxen.boxen[0];
    EXPECT_EQ(box.text, Boxtext("Unmögliche Werte haben einen Fehler verursacht.\r\n"
                                "Überprüfen Sie Ihre Eingaben!"));
    EXPECT_EQ(box.symbol, QMessageBox::Critical);
    EXPECT_EQ(box.knoepfe, QMessageBox::Ok);
    EXPECT_EQ(box.vorgabe, QMessageBox::Ok);
    EXPECT_EQ(box.titel, "KartovexQuendo");
}

TEST_F(FensterTest, QuitQuestionNoKeepsEverything) {
    foBerechnungen& b = Format(1);
    QTest::keyClicks(Kind<QLineEdit>(b, "texBreite"), "12");
    Meldungsbox boxen(QMessageBox::No);
    Kind<QPushButton>(Eingangsfenster(), "comBeenden")->click();
    ASSERT_EQ(boxen.boxen.size(), 1u);
    const Box& box = boxen.boxen[0];
    EXPECT_EQ(box.text, "Wollen Sie KartovexLE wirklich beenden?");
    EXPECT_EQ(box.symbol, QMessageBox::Question);
    EXPECT_EQ(box.knoepfe, QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(box.vorgabe, QMessageBox::No);
    EXPECT_EQ(box.titel, "KartovexQuendo");
    Aufraeumen();
    EXPECT_EQ(Fensterliste(), QStringList({"foBerechnungen", "foEingang"}));
    EXPECT_EQ(Kind<QLineEdit>(Berechnungsfenster(), "texBreite")->text(), "12");
}

namespace {

// Runs the event loop, performs `aktion` inside it and reports whether the
// loop ended by itself (the program's end) with every window gone.
bool EndetProgramm(const std::function<void()>& aktion) {
    bool zeitUm = false;
    QTimer::singleShot(0, aktion);
    QTimer::singleShot(5000, [&] {
        zeitUm = true;
        QCoreApplication::exit(1);
    });
    const int rc = QCoreApplication::exec();
    Aufraeumen();
    return !zeitUm && rc == 0 && Fensterliste().isEmpty();
}

} // namespace

TEST_F(FensterTest, QuitQuestionYesEndsTheProgramWithAllWindows) {
    Format(1);
    Ausgabefenster().zeige();
    Meldungsbox boxen(QMessageBox::Yes);
    EXPECT_TRUE(EndetProgramm([] { Kind<QPushButton>(Eingangsfenster(), "comBeenden")->click(); }));
}

TEST_F(FensterTest, DoubleClickOnTheQuitLabelEndsTheProgram) {
    foBerechnungen& b = Format(1);
    Ausgabefenster().zeige();
    QTest::mouseClick(Kind<QLabel>(b, "labBeenden"), Qt::LeftButton);
    EXPECT_EQ(Fensterliste(), QStringList({"foAusgabe", "foBerechnungen", "foEingang"}));
    EXPECT_TRUE(
        EndetProgramm([&] { QTest::mouseDClick(Kind<QLabel>(b, "labBeenden"), Qt::LeftButton); }));
}

TEST_F(FensterTest, ClosingTheLastWindowEndsTheProgram) {
    EXPECT_TRUE(EndetProgramm([] { Eingangsfenster().close(); }));
}
