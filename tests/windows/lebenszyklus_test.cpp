// Window lifecycle: creation on first use, defaults, format changes, the back
// buttons, the quit question and program end.
#include <QGroupBox>
#include <QRadioButton>
#include <QTimer>

#include "tests/windows/Fensterhilfe.h"

using namespace kartovex;
using namespace kartovex::test;

namespace {

QStringList SichtbareRahmen(const foBerechnungen& b) {
    QStringList s;
    for (int format = 1; format <= 7; ++format)
        if (Kind<QGroupBox>(b, Formatknoepfe[format].rahmen)->isVisibleTo(&b))
            s << Formatknoepfe[format].rahmen;
    return s;
}

QStringList Fensterliste() {
    QStringList namen;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName().startsWith("fo")) namen << w->objectName();
    namen.sort();
    return namen;
}

// A newly created calculation window: empty fields and bounds, default options.
void ErwarteVorgaben(const foBerechnungen& b) {
    const Eingabe e = b.eingabe();
    for (const Feldbeschreibung& f : Felder())
        EXPECT_EQ(e.text(f.feld), "") << f.name;
    EXPECT_EQ(e.meridian, "");
    std::set<std::string_view> an;
    for (std::size_t i = 0; i < OptionAnzahl; ++i)
        if (e.an[i]) an.insert(Name(Option(i)));
    EXPECT_EQ(an, std::set<std::string_view>({"optDezE", "optDezN", "optDrei", "optGME", "optGMN",
                                              "optGradE", "optGradN"}));
    EXPECT_TRUE(b.grenzen.RechtsMax.empty() && Kind<QLabel>(b, "labLimitsHoch")->text().isEmpty());
}

} // namespace

TEST_F(FensterTest, FormatButtonsShowFrameHintAndFirstFieldOfAFreshWindow) {
    EXPECT_EQ(Fensterliste(), QStringList{"foEingang"});
    EXPECT_EQ(Eingangsfenster().windowTitle(), "KartovexLE  V 1.2       01.02.2014");
    EXPECT_EQ(Kind<QLabel>(Eingangsfenster(), "labEingang")->text(),
              "Starten Sie mit Ihrem Eingabeformat");
    for (int format = 1; format <= 7; ++format) {
        SCOPED_TRACE(format);
        foBerechnungen& b = Format(format);
        ErwarteVorgaben(b);
        EXPECT_EQ(b.windowTitle(), "Beachten Sie bitte den Hinweis zur Zahleneingabe");
        EXPECT_EQ(InputFormat, format);
        EXPECT_EQ(SichtbareRahmen(b), QStringList{Formatknoepfe[format].rahmen});
        EXPECT_EQ(Fokus(b), Formatknoepfe[format].beispiel()[0].section('=', 0, 0));
        EXPECT_EQ(Kind<QLabel>(b, "labEingabe")->text(),
                  Anzeigetext(foEingang::Hinweistext(unsigned(format))));
        EXPECT_EQ(Kind<QLabel>(b, "labGKLimitsHoch")->text(),
                  format == 7 ? "6197355  Maximum\n5107150  Minimum" : "");
        QTest::keyClicks(b.focusWidget(), "12");
        Kind<QPushButton>(b, "comStartoption")->click(); // discards the window and its texts
        EXPECT_EQ(BerechnungsfensterFallsDa(), nullptr);
        EXPECT_TRUE(Eingangsfenster().isVisible());
        Aufraeumen();
    }
}

TEST_F(FensterTest, FormatChangeKeepsWindowTextsOptionsAndFramesUntilClosed) {
    QPointer<foBerechnungen> erstes = &Format(1);
    QTest::keyClicks(erstes->focusWidget(), "48.5");
    Kind<QRadioButton>(*erstes, "optDezS")->click();
    EXPECT_EQ(&Format(4), erstes.data());
    EXPECT_EQ(Text(*erstes, "texBreite"), "48.5");
    EXPECT_TRUE(erstes->eingabe().istAn(Option::optDezS));
    EXPECT_EQ(SichtbareRahmen(*erstes), QStringList({"fraGrad", "fraZIV"}));
    EXPECT_EQ(Fokus(*erstes), "texZone");
    erstes->close(); // through the frame: discarded
    Aufraeumen();
    EXPECT_TRUE(erstes.isNull() && !BerechnungsfensterFallsDa());
}

TEST_F(FensterTest, BackDiscardsTheOutputWindowAndRecreatesAMissingCalculationWindow) {
    foBerechnungen& b = Format(1);
    QPointer<foAusgabe> a = &Ausgabefenster();
    EXPECT_FALSE(a->isVisible()); // created, not shown
    a->setzeText(Aus::texBreiteAUS, "N48.500000");
    a->zeige();
    Kind<QPushButton>(b, "comStartoption")->click();
    Kind<QPushButton>(*a, "comZurueck")->click();
    Aufraeumen();
    EXPECT_TRUE(a.isNull());
    ASSERT_NE(BerechnungsfensterFallsDa(), nullptr);
    EXPECT_TRUE(Berechnungsfenster().isVisible());
    EXPECT_TRUE(SichtbareRahmen(Berechnungsfenster()).isEmpty());
    ErwarteVorgaben(Berechnungsfenster());
    EXPECT_EQ(Ausgabefenster().text(Aus::texBreiteAUS), ""); // a new output window
}

// The one test that waits in a real modal box, as the user sees it: the
// program's title as caption, Qt's own German button texts.
TEST_F(FensterTest, QuitQuestionNoKeepsEverything) {
    foBerechnungen& b = Format(1);
    QTest::keyClicks(b.focusWidget(), "12");
    Meldungsbox box(QMessageBox::No, Meldungsbox::Weg::Echt);
    Kind<QPushButton>(Eingangsfenster(), "comBeenden")->click();
    QTest::mouseClick(Kind<QLabel>(b, "labBeenden"), Qt::LeftButton); // a single click: nothing
    EXPECT_EQ(box.boxen, QStringList{Box(QMessageBox::Question, QMessageBox::Yes | QMessageBox::No,
                                         QMessageBox::No, "KartovexQuendo",
                                         "Wollen Sie KartovexLE wirklich beenden?")});
    EXPECT_TRUE(box.modal);
    box.knoepfe.sort();
    EXPECT_EQ(box.knoepfe, (QStringList{"Ja", "Nein"}));
    Aufraeumen();
    EXPECT_EQ(Fensterliste(), QStringList({"foBerechnungen", "foEingang"}));
    EXPECT_EQ(Text(b, "texBreite"), "12");
}

// An answer the box does not offer counts as Esc, through the seam as with a
// real box: the quit question's Esc is its default No.
TEST_F(FensterTest, AnAnswerTheBoxDoesNotOfferCountsAsEsc) {
    for (const auto weg : {Meldungsbox::Weg::Naht, Meldungsbox::Weg::Echt}) {
        Meldungsbox boxen(QMessageBox::Ok, weg);
        Kind<QPushButton>(Eingangsfenster(), "comBeenden")->click();
        EXPECT_EQ(boxen.boxen.size(), 1);
        Aufraeumen();
        EXPECT_EQ(Fensterliste(), QStringList{"foEingang"});
    }
}

// Each way out ends the event loop by itself with every window gone.
TEST_F(FensterTest, ProgramEnd) {
    const std::function<void()> wege[] = {
        [] { Kind<QPushButton>(Eingangsfenster(), "comBeenden")->click(); }, // answered Yes
        [] {
            QTest::mouseDClick(Kind<QLabel>(Berechnungsfenster(), "labBeenden"), Qt::LeftButton);
        },
        [] { Eingangsfenster().close(); }, // the last window
    };
    Meldungsbox boxen(QMessageBox::Yes);
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        if (i > 0) Programmstart();
        if (i < 2) {
            Format(1);
            Ausgabefenster().zeige();
        }
        QObject zeit; // its timers end with it
        QTimer::singleShot(0, &zeit, wege[i]);
        QTimer::singleShot(5000, &zeit, [] { QCoreApplication::exit(1); });
        EXPECT_EQ(QCoreApplication::exec(), 0);
        Aufraeumen();
        EXPECT_EQ(Fensterliste(), QStringList());
    }
}
