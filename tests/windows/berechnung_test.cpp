// "Berechnung" through the real windows: fields into the conversion, the
// normalised texts back, the check's box and focus, the output window.
#include <QAction>
#include <QClipboard>
#include <QGroupBox>
#include <QMenu>
#include <QRadioButton>
#include <QTimer>

#include "tests/windows/Fensterhilfe.h"
#include "workflow/Berechnung.h"
#include "workflow/Zusammenfassung.h"

using namespace kartovex;
using namespace kartovex::test;

namespace {

using Texte = std::map<QString, QString>;

Texte Ausgabetexte() {
    Texte t = Felder(&Ausgabefenster());
    t["labStreifenbreite"] = Kind<QLabel>(Ausgabefenster(), "labStreifenbreite")->text();
    return t;
}
bool AusgabeSichtbar() {
    return AusgabefensterFallsDa() && AusgabefensterFallsDa()->isVisible();
}
bool GKSichtbar() {
    return Kind<QGroupBox>(Ausgabefenster(), "fraGKAUS")->isVisibleTo(&Ausgabefenster());
}

class Durchlauf : public FensterTest {
protected:
    foBerechnungen& MitBeispiel(int format) {
        Kind<QPushButton>(Frisch(format), Formatknoepfe[format].beispielknopf)->click();
        return Berechnungsfenster();
    }
    // Texts written into fields, then "Berechnung" clicked as a user does.
    void Berechne(std::map<QString, QString> texte = {}) {
        foBerechnungen& b = Berechnungsfenster();
        for (const auto& [feld, text] : texte)
            Kind<QLineEdit>(b, feld)->setText(text);
        Aktiviere(b);
        QTest::mouseClick(Kind<QPushButton>(b, "comRechnen"), Qt::LeftButton);
    }
    Meldungsbox boxen;
};

// The example of every format, by its button and typed through real keys
// (commas, lower case, Enter from field to field up to "Berechnung", which
// Enter does not press but marks; then Space, Return or keypad Enter on it):
// the output window shows what the driver computes for the window's texts.
TEST_F(Durchlauf, ExamplePointByButtonAndByKeysInEveryFormat) {
    const std::pair<Qt::Key, Qt::KeyboardModifier> druecke[] = {
        {Qt::Key_Space, Qt::NoModifier},
        {Qt::Key_Return, Qt::NoModifier},
        {Qt::Key_Enter, Qt::KeypadModifier}};
    for (int format = 1; format <= 7; ++format) {
        for (bool getippt : {false, true}) {
            SCOPED_TRACE(format + getippt * 10);
            foBerechnungen& b = getippt ? Frisch(format) : MitBeispiel(format);
            const QImage ohneFokus = Kind(b, "comRechnen")->grab().toImage();
            for (const QString& paar : getippt ? Formatknoepfe[format].beispiel() : QStringList()) {
                ASSERT_EQ(Fokus(b), paar.section('=', 0, 0));
                QTest::keyClicks(b.focusWidget(), paar.section('=', 1).replace('.', ',').toLower());
                QTest::keyClick(b.focusWidget(), Qt::Key_Return);
            }
            EXPECT_EQ(AusgabefensterFallsDa(), nullptr);
            if (getippt) {
                ASSERT_EQ(Fokus(b), "comRechnen");
                EXPECT_NE(Kind(b, "comRechnen")->grab().toImage(), ohneFokus); // the focus mark
                QTest::keyClick(b.focusWidget(), druecke[format % 3].first,
                                druecke[format % 3].second);
            } else {
                Berechne();
            }
            for (const QString& paar : Formatknoepfe[format].beispiel())
                EXPECT_EQ(Text(b, paar.section('=', 0, 0)), paar.section('=', 1));
            ASSERT_TRUE(AusgabeSichtbar());
            EXPECT_TRUE(b.isVisible() && GKSichtbar());
            Eingabe e = b.eingabe();
            const Berechnungsergebnis r = Berechnung(format, e);
            ASSERT_TRUE(r.ausgabe);
            EXPECT_EQ(Ausgabefenster().Ergebnistext(), Zusammenfassung(r.ausgabe->texte, true));
            EXPECT_EQ(b.EingabeOK, format >= 4);
        }
    }
    EXPECT_EQ(boxen.boxen, QStringList());
}

// The output window stays between runs: outside Germany hides fraGKAUS and
// keeps its fields, a failed check shows the frame again and writes nothing.
TEST_F(Durchlauf, OutputWindowOverRunsInsideAndOutsideGermany) {
    MitBeispiel(1);
    Berechne();
    const Texte erster = Ausgabetexte();
    Kind<QRadioButton>(Berechnungsfenster(), "optDezW")->click();
    Berechne({{"texBreite", "48.5"}, {"texLaenge", "9.5"}});
    EXPECT_FALSE(GKSichtbar());
    EXPECT_EQ(Ausgabefenster().Ergebnistext().find("Gauß"), std::string::npos); // nor copied
    Texte zweiter = Ausgabetexte();
    EXPECT_EQ(zweiter.at("texLaengeAUS"), "W009.500000");
    for (const char* feld : {"texGKHochAUS", "texMeridianAUS", "labStreifenbreite"})
        EXPECT_EQ(zweiter.at(feld), erster.at(feld)) << feld;
    Berechne({{"texBreite", "84"}});
    EXPECT_EQ(Ausgabetexte(), zweiter);
    EXPECT_TRUE(AusgabeSichtbar() && GKSichtbar());
    Kind<QRadioButton>(Berechnungsfenster(), "optDezE")->click();
    Berechne({{"texBreite", "48.5"}});
    EXPECT_TRUE(GKSichtbar());
    EXPECT_NE(Ausgabetexte().at("texGKHochAUS"), erster.at("texGKHochAUS"));
    EXPECT_EQ(boxen.boxen.size(), 1);
}

// A failed check: its stop box, the focus before or after it, and the output
// window neither shown nor written, whether it was shown before or not.
TEST_F(Durchlauf, FailedCheckShowsItsBoxAndLeavesTheOutputWindow) {
    struct Fall {
        int format;
        const char* feld;
        const char* falsch;
        const char* meldung;
        const char* fokusWaehrend;
        const char* fokusDanach;
    };
    const Fall faelle[] = {
        {1, "texBreite", "84",
         "Die nördliche Breite muss kleiner sein als 84°.\r\n\r\nAb 84° beginnt UPS", "comRechnen",
         "texBreite"},
        {2, "texBreiteMinute", "60",
         "Der Minutenwert der Breite darf 59.999999 nicht überschreiten!", "comRechnen",
         "comRechnen"},
        {5, "texZoneM", "", "Ohne Angabe der Zone kann die Berechnung nicht durchgeführt werden.",
         "texZoneM", "texZoneM"},
        {7, "texGKHoch", "5107149",
         "Der Hochwert ist zu klein.\r\nIhr Punkt liegt südlich von Deutschland.", "comRechnen",
         "texGKHoch"},
    };
    // Through the box seam, and once more with real modal boxes: the seam
    // must not change what the user sees.
    for (const auto weg : {Meldungsbox::Weg::Naht, Meldungsbox::Weg::Echt}) {
        for (const Fall& f : faelle) {
            SCOPED_TRACE(f.format);
            foBerechnungen& b = MitBeispiel(f.format);
            const QString beispiel = Text(b, f.feld);
            for (bool schonGezeigt : {false, true}) {
                if (schonGezeigt) Berechne({{f.feld, beispiel}});
                ASSERT_EQ(AusgabeSichtbar(), schonGezeigt);
                const Texte vorher = Ausgabetexte();
                QString fokusWaehrend;
                Meldungsbox box(QMessageBox::Ok, weg);
                box.waehrend = [&](const QMessageBox&) { fokusWaehrend = Fokus(b); };
                Berechne({{f.feld, f.falsch}});
                EXPECT_EQ(box.boxen, QStringList{Stop(f.meldung)});
                EXPECT_TRUE(box.modal);
                EXPECT_EQ(fokusWaehrend, f.fokusWaehrend);
                EXPECT_EQ(Fokus(b), f.fokusDanach);
                EXPECT_EQ(AusgabeSichtbar(), schonGezeigt);
                EXPECT_EQ(Ausgabetexte(), vorher);
                EXPECT_FALSE(f.format >= 4 && b.EingabeOK);
            }
        }
    }
}

// The checks' normalisations are written back before any box, and the
// conversion used them; impossible values inside a geodesy routine show
// their boxes before the output window is filled and shown.
TEST_F(Durchlauf, NormalisedTextsAndModuleMessages) {
    foBerechnungen& b = MitBeispiel(5);
    Berechne({{"tex10m", "9"}, {"tex1m", ""}});
    EXPECT_EQ(Text(b, "tex10m") + Text(b, "tex1m"), "0900");
    EXPECT_EQ(Ausgabetexte().at("texMilUTM"), "32U  NU  76.15.52.09.00");
    QString waehrend;
    boxen.waehrend = [&](const QMessageBox&) {
        waehrend = Text(b, "tex1km") + QString::number(AusgabeSichtbar());
    };
    Berechne({{"tex1km", ""}, {"tex100m", "123"}}); // a later group's fault
    EXPECT_EQ(waehrend + Text(b, "tex1km") + Text(b, "tex100m"), "00100123");
    EXPECT_EQ(boxen.boxen,
              QStringList{Stop("Im 100m Feld sind keine 3-stelligen Eingaben zugelassen!")});

    foBerechnungen& g = MitBeispiel(7);
    boxen.boxen.clear();
    std::vector<bool> ausgabeWaehrend;
    boxen.waehrend = [&](const QMessageBox&) { ausgabeWaehrend.push_back(AusgabeSichtbar()); };
    Kind<QRadioButton>(g, "optSechs")->click();
    Berechne({{"texGKRechts", "4595060"}, {"texGKHoch", "5819302"}});
    EXPECT_EQ(boxen.boxen, QStringList({Stop("Die gewählte Streifenbreite führt zu einem Punkt "
                                             "ausserhalb von Deutschland.\r\nWählen Sie eine "
                                             "kleinere Streifenbreite."),
                                        Stop("Der Rechtswert muss genau 7-stellig sein!")}));
    EXPECT_EQ(ausgabeWaehrend, std::vector<bool>({false, false}));
    EXPECT_TRUE(g.EingabeOK && AusgabeSichtbar() && GKSichtbar());
    EXPECT_EQ(Ausgabetexte().at("texGKRechtsAUS"), "4595060");
    EXPECT_EQ(Text(g, "texMeridian"), "6");
    Kind<QRadioButton>(g, "optDrei")->click();
    Berechne({{"texGKRechts", "3571699"}, {"texGKHoch", "5366959.20"}});
    EXPECT_EQ(Text(g, "texGKRechts") + Text(g, "texMeridian"), "3571699.00E009°");
}

// "Copy all results": Ctrl+Shift+C in a field and the background's context
// menu copy every shown result, one format per line; the field keeps its Ctrl+C.
TEST_F(Durchlauf, CopyAllResults) {
    MitBeispiel(1);
    Berechne();
    foAusgabe& a = Ausgabefenster();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&a));
    const auto ablage = [] { return QGuiApplication::clipboard()->text(); };
    auto* feld = Kind<QLineEdit>(a, "texMilUTM"); // a field that takes typing
    feld->setFocus();
    QTest::keyClick(feld, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(ablage(), QString::fromStdString(a.Ergebnistext()));
    EXPECT_EQ(ablage().count('\n'), 7);
    EXPECT_TRUE(ablage().startsWith("Grad (dezimal)\tN48.436333"));
    EXPECT_TRUE(ablage().contains("\nUTM mil\t32U  NU  76.15.52.95.51\n"));
    EXPECT_EQ(feld->text(), "32U  NU  76.15.52.95.51"); // nothing typed
    QTest::keyClick(feld, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(feld, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(ablage(), feld->text());

    QGuiApplication::clipboard()->clear();
    QTimer::singleShot(0, [] { // the menu is modal: pick its one entry once it shows
        auto* menue = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_TRUE(menue && menue->actions().size() == 1);
        EXPECT_EQ(menue->actions()[0]->text(), "Alle Ergebnisse kopieren");
        menue->actions()[0]->trigger();
        menue->close();
    });
    QWidget* label = Kind<QLabel>(a, "Label37"); // a label passes the right click on
    QContextMenuEvent rechts(QContextMenuEvent::Mouse, {5, 5}, label->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(label, &rechts);
    EXPECT_EQ(ablage(), QString::fromStdString(a.Ergebnistext()));
}

} // namespace
