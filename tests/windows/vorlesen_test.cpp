// What a screen reader reads: names, descriptions, roles and states of the
// controls as Qt's accessibility interfaces give them to the AT-SPI bridge.
#include <QAccessible>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QSet>

#include "Fensterhilfe.h"

namespace kartovex::test {
namespace {

QAccessibleInterface* Schnittstelle(QWidget* w) {
    QAccessibleInterface* i = QAccessible::queryAccessibleInterface(w);
    EXPECT_NE(i, nullptr) << w->objectName().toStdString();
    return i;
}
QString Gesprochen(QWidget* w, QAccessible::Text was = QAccessible::Name) {
    return Schnittstelle(w)->text(was);
}
QString Utf8(std::string_view s) {
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}
// The captions of a window's frames.
QSet<QString> Rahmentitel(const QWidget& fenster) {
    QSet<QString> titel;
    for (const QGroupBox* r : fenster.findChildren<QGroupBox*>())
        if (!r->title().isEmpty()) titel << r->title();
    return titel;
}
// Every control that Tab or a focus move of the program can reach.
QList<QWidget*> Fokussierbar(const QWidget& fenster) {
    QList<QWidget*> w;
    for (QWidget* k : fenster.findChildren<QWidget*>())
        if (k->focusPolicy() != Qt::NoFocus) w << k;
    return w;
}

} // namespace

class Vorlesen : public FensterTest {};

// A few names as a user hears them, one per kind of field.
TEST_F(Vorlesen, FieldsAreCalledWhatTheyHold) {
    struct Fall {
        int format; // 0: the output window
        const char* feld;
        const char* name;
    };
    const Fall faelle[] = {
        {1, "texBreite", "Breite in Grad (dezimal)"},
        {1, "texLaenge", "Länge in Grad (dezimal)"},
        {3, "texLMinute", "Länge, Minuten"},
        {4, "texZone", "UTM-Zone"},
        {4, "texRechts", "UTM Rechtswert"},
        {4, "texHoch", "UTM Hochwert"},
        {5, "tex100km", "100-km-Quadrat"},
        {5, "tex10km", "10-km-Gruppe"},
        {5, "tex1m", "1-m-Gruppe"},
        {6, "texREFZiffern", "UTMREF Ziffern"},
        {7, "texGKRechts", "Gauß-Krüger Rechtswert"},
        {7, "texMeridian", "Bezugsmeridian"},
        {0, "texBreiteAUS", "Breite dezimal"},
        {0, "texBGradAUS", "Breite Grad"},
        {0, "texBMinuteAUS", "Breite Minuten"},
        {0, "texBSekundeAUS", "Breite Sekunden"},
        {0, "texZone2", "UTM-Zone"},
        {0, "texMeridianAUS", "Bezugsmeridian"},
    };
    for (const Fall& f : faelle) {
        QWidget& fenster = f.format ? static_cast<QWidget&>(Format(f.format)) : Ausgabefenster();
        EXPECT_EQ(Gesprochen(Kind(fenster, f.feld)), QString::fromUtf8(f.name)) << f.feld;
    }
}

// Every field of every frame speaks the name and rule of its row in the field
// table: named, unique in the window, never a frame's caption, with a rule.
TEST_F(Vorlesen, EveryInputFieldHasItsOwnNameAndRule) {
    foBerechnungen& b = Format(1);
    const QSet<QString> titel = Rahmentitel(b);
    QSet<QString> namen;
    for (const kartovex::Format& format : Formate()) {
        SCOPED_TRACE(format.nummer);
        Format(format.nummer);
        for (Feld f : format.felder) {
            QWidget* feld = b.feld(f);
            const QString name = Gesprochen(feld);
            EXPECT_EQ(name, Utf8(Beschreibung(f).sprechname));
            EXPECT_EQ(Gesprochen(feld, QAccessible::Description), Utf8(Beschreibung(f).regel));
            EXPECT_FALSE(name.isEmpty()) << Name(f);
            EXPECT_FALSE(titel.contains(name)) << Name(f);
            EXPECT_FALSE(Gesprochen(feld, QAccessible::Description).isEmpty()) << Name(f);
            EXPECT_FALSE(namen.contains(name)) << name.toStdString();
            namen << name;
        }
    }
    EXPECT_FALSE(namen.contains(Gesprochen(Kind(b, "texMeridian"))));
}

// The rules say what the hint panel says; spot checks against the hint and
// the bound labels of the Gauss-Krueger frame.
TEST_F(Vorlesen, RulesRepeatTheHint) {
    foBerechnungen& b = Format(7);
    struct Fall {
        Feld feld;
        QStringList teile;
    };
    const Fall faelle[] = {
        {Feld::texBreite, {"Dezimalzahl, nördliche Breite kleiner als 84 Grad", "80 Grad"}},
        {Feld::texLaenge, {"180 Grad"}},
        {Feld::texBreiteMinute, {"59.999999"}},
        {Feld::texBMinute, {"ganze Zahl", "59"}},
        {Feld::texZone, {"2 Ziffern und 1 Buchstabe", "32U"}},
        {Feld::texRechts, {"genau 7 Ziffern"}},
        {Feld::texREF100, {"2 Buchstaben"}},
        {Feld::texREFZiffern, {"gerade Anzahl"}},
        {Feld::texGKRechts, {Utf8(GKRechtsMax), Utf8(GKRechtsMin)}},
        {Feld::texGKHoch, {Utf8(GKHochMax), Utf8(GKHochMin)}},
    };
    for (const Fall& f : faelle)
        for (const QString& teil : f.teile)
            EXPECT_TRUE(Gesprochen(b.feld(f.feld), QAccessible::Description).contains(teil))
                << Name(f.feld) << ": " << teil.toStdString();
}

// Leaving the civil zone field shows the band's bounds beside Rechts and
// Hoch; their descriptions then say them, and lose them when the zone field
// is entered again and the labels hide.
TEST_F(Vorlesen, CivilUtmFieldsSayTheBoundsTheirLabelsShow) {
    foBerechnungen& b = Format(4);
    QTest::keyClicks(b.feld(Feld::texZone), "32U\r");
    for (const char* name : {"labLimitsRechts", "labLimitsHoch"}) {
        QLabel* grenzen = Kind<QLabel>(b, name);
        const QStringList zeilen = grenzen->text().split('\n');
        ASSERT_EQ(zeilen.size(), 2);
        Feld f = name == QString("labLimitsRechts") ? Feld::texRechts : Feld::texHoch;
        EXPECT_EQ(Gesprochen(b.feld(f), QAccessible::Description),
                  Utf8(Beschreibung(f).regel) + "; " + zeilen[0] + ", " + zeilen[1]);
    }
    EXPECT_TRUE(Gesprochen(b.feld(Feld::texRechts), QAccessible::Description).contains("Maximum"));
    b.setzeFokus(Feld::texZone);
    EXPECT_EQ(Gesprochen(b.feld(Feld::texHoch), QAccessible::Description),
              Utf8(Beschreibung(Feld::texHoch).regel));
}

TEST_F(Vorlesen, OptionsSayWhatTheyChooseInsideTheirNamedGroup) {
    struct Fall {
        const char* option;
        const char* name;
        const char* gruppe;
    };
    const Fall faelle[] = {
        {"optDezN", "Nördliche Breite", "Halbkugel der Breite"},
        {"optDezS", "Südliche Breite", "Halbkugel der Breite"},
        {"optDezE", "Östliche Länge", "Halbkugel der Länge"},
        {"optDezW", "Westliche Länge", "Halbkugel der Länge"},
        {"optGMN", "Nördliche Breite", "Halbkugel der Breite"},
        {"optGMW", "Westliche Länge", "Halbkugel der Länge"},
        {"optGradS", "Südliche Breite", "Halbkugel der Breite"},
        {"optGradE", "Östliche Länge", "Halbkugel der Länge"},
        {"optDrei", "3°-Streifen", "Streifenbreite"},
        {"optSechs", "6°-Streifen", "Streifenbreite"},
    };
    foBerechnungen& b = Format(1);
    for (const Fall& f : faelle) {
        QWidget* o = Kind<QRadioButton>(b, f.option);
        EXPECT_EQ(Gesprochen(o), QString::fromUtf8(f.name)) << f.option;
        QAccessibleInterface* gruppe = Schnittstelle(o)->parent();
        ASSERT_NE(gruppe, nullptr);
        EXPECT_EQ(gruppe->role(), QAccessible::Grouping) << f.option;
        EXPECT_EQ(gruppe->text(QAccessible::Name), QString::fromUtf8(f.gruppe)) << f.option;
    }
}

// A frame is announced by a name that says its format, not by a caption that
// only shows an example.
TEST_F(Vorlesen, FramesAreNamedAfterTheirFormat) {
    foBerechnungen& b = Format(1);
    QSet<QString> namen;
    for (const kartovex::Format& f : Formate()) {
        auto* rahmen = Kind<QGroupBox>(b, Utf8(f.rahmen));
        const QString name = Gesprochen(rahmen);
        EXPECT_TRUE(name.startsWith("Eingabe: ")) << name.toStdString();
        EXPECT_FALSE(rahmen->title().startsWith("zB") && name == rahmen->title()) << f.rahmen;
        namen << name;
    }
    EXPECT_EQ(namen.size(), int(FormatAnzahl));
    EXPECT_EQ(Gesprochen(Kind(b, "fraZIV")), "Eingabe: UTM zivil");
}

// A paste leaves the focus on "Berechnung", which names the recognised
// format's frame; a format button renames it.
TEST_F(Vorlesen, BerechnungNamesTheFrameItComputes) {
    QGuiApplication::clipboard()->setText("32U 571595 5365251");
    QTest::keyClick(&Eingangsfenster(), Qt::Key_V, Qt::ControlModifier);
    foBerechnungen& b = Berechnungsfenster();
    QWidget* rechnen = Kind(b, "comRechnen");
    EXPECT_EQ(Fokus(b), "comRechnen");
    EXPECT_EQ(Gesprochen(rechnen), "Berechnung");
    EXPECT_EQ(Gesprochen(rechnen, QAccessible::Description), "Eingabe: UTM zivil");
    Format(2);
    EXPECT_EQ(Gesprochen(rechnen, QAccessible::Description),
              "Eingabe: Grad und Minuten (Mercator)");
}

// Nothing the focus can reach is nameless, texDummy included, in all three
// windows with every frame shown.
TEST_F(Vorlesen, NoFocusableControlIsNameless) {
    foBerechnungen& b = Format(1);
    for (const kartovex::Format& f : Formate())
        b.zeigeRahmen(std::string(f.rahmen).c_str());
    for (const QWidget* fenster :
         {static_cast<QWidget*>(&Eingangsfenster()), static_cast<QWidget*>(&b),
          static_cast<QWidget*>(&Ausgabefenster())})
        for (QWidget* w : Fokussierbar(*fenster))
            EXPECT_FALSE(Gesprochen(w).trimmed().isEmpty())
                << fenster->objectName().toStdString() << "/" << w->objectName().toStdString();
    EXPECT_EQ(Gesprochen(Kind(Eingangsfenster(), "texDummy")),
              "Start: mit Tab ein Eingabeformat wählen");
    EXPECT_NE(Gesprochen(Kind(b, "texDummy")), Gesprochen(Kind(b, "texMeridian")));
}

// The output window: names from the output table, unique; read-only fields
// say so, the typed UTM fields do not; Tab walks the table's order.
TEST_F(Vorlesen, OutputFieldsAreNamedReadOnlyAndInOrder) {
    foAusgabe& a = Ausgabefenster();
    a.zeige();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&a));
    a.resize(Pixel(15000), Pixel(9000)); // the offscreen screen is smaller: Tab reaches all
    const QSet<QString> titel = Rahmentitel(a);
    QSet<QString> namen;
    QStringList erwartet, besucht;
    for (const Ausgabefeld& f : Ausgabefelder()) {
        auto* feld = qobject_cast<QLineEdit*>(Kind(a, Utf8(f.name)));
        if (!feld) continue;
        const QString name = Gesprochen(feld);
        EXPECT_EQ(name, Utf8(f.sprechname));
        EXPECT_FALSE(name.isEmpty()) << f.name;
        EXPECT_FALSE(titel.contains(name)) << f.name;
        EXPECT_FALSE(namen.contains(name)) << f.name;
        namen << name;
        // The UTM fields take typing; the others say that they are read-only.
        EXPECT_EQ(Schnittstelle(feld)->state().readOnly, f.format < 4 || f.format > 6) << f.name;
        erwartet << feld->objectName();
    }
    EXPECT_EQ(Fokus(a), erwartet.front());
    for (int i = 0; i < erwartet.size(); ++i) {
        besucht << Fokus(a);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    EXPECT_EQ(besucht, erwartet);
    EXPECT_EQ(Fokus(a), "comZurueck");
}

// Stop boxes and the quit question are alerts that carry their whole text;
// after a stop box the field the check names has the focus and its name.
TEST_F(Vorlesen, MessagesAreAlertsWithTheirText) {
    // Real boxes, shown and modal, as a screen reader meets them.
    Meldungsbox boxen(QMessageBox::No, Meldungsbox::Weg::Echt);
    QStringList gelesen;
    boxen.waehrend = [&gelesen](const QMessageBox& gezeigt) {
        EXPECT_EQ(QApplication::activeModalWidget(), &gezeigt);
        auto* fenster = const_cast<QMessageBox*>(&gezeigt);
        QAccessibleInterface* box = Schnittstelle(fenster);
        // The text label labels the box: a screen reader reads the text once,
        // from the description, not again as a stray label.
        bool beschriftet = false;
        for (const auto& [ziel, art] : Schnittstelle(fenster->findChild<QLabel*>("qt_msgbox_label"))
                                           ->relations(QAccessible::Labelled))
            beschriftet = beschriftet || ziel->object() == fenster;
        EXPECT_TRUE(beschriftet);
        gelesen << QString("%1 %2: %3")
                       .arg(box->role() == QAccessible::AlertMessage ? "alert" : "?")
                       .arg(box->text(QAccessible::Name), box->text(QAccessible::Description));
    };
    foBerechnungen& b = Format(1);
    QTest::keyClicks(b.feld(Feld::texBreite), "84");
    Kind<QPushButton>(b, "comRechnen")->click();
    Aktiviere(b);
    EXPECT_EQ(Fokus(b), "texBreite");
    EXPECT_EQ(Gesprochen(b.focusWidget()), "Breite in Grad (dezimal)");
    Kind<QPushButton>(Eingangsfenster(), "comBeenden")->click();
    EXPECT_EQ(gelesen,
              QStringList({"alert KartovexQuendo: Die nördliche Breite muss kleiner sein als "
                           "84°.\n\nAb 84° beginnt UPS",
                           "alert KartovexQuendo: Wollen Sie KartovexLE wirklich beenden?"}));
}

} // namespace kartovex::test
