// The map window: opened from the output window, moved by keys, a position
// taken into the calculation window, a base map of the user's own.
#include <QAccessible>
#include <QRadioButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QWheelEvent>

#include "Fensterhilfe.h"
#include "Probekacheln.h"
#include "karte/Kacheln.h"
#include "windows/foKarte.h"

using namespace kartovex;
using namespace kartovex::test;

namespace {

class KarteTest : public FensterTest {
protected:
    void SetUp() override {
        FensterTest::SetUp();
        if (foKarte* k = foKarte::FallsDa()) k->entferneGrundlage();
    }
    // The example point converted, the output window shown.
    foAusgabe& Beispiel(int format = 1) {
        foBerechnungen& b = Frisch(format);
        Kind<QPushButton>(b, Formatknoepfe[format].beispielknopf)->click();
        Kind<QPushButton>(b, "comRechnen")->click();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&Ausgabefenster()));
        return Ausgabefenster();
    }
    foKarte& OeffneKarte(foAusgabe& a) {
        QTest::keyClick(&a, Qt::Key_K, Qt::ControlModifier);
        foKarte* k = foKarte::FallsDa();
        EXPECT_NE(k, nullptr);
        EXPECT_TRUE(QTest::qWaitForWindowActive(k));
        return *k;
    }
    static QString Zugangsname(QWidget* w) {
        return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name);
    }
};

TEST_F(KarteTest, CtrlKOpensTheMapCentredOnTheShownPoint) {
    foKarte& k = OeffneKarte(Beispiel());
    EXPECT_EQ(k.objectName(), "foKarte");
    EXPECT_EQ(k.windowTitle(), "Lagekarte");
    EXPECT_FALSE(k.isModal());
    EXPECT_EQ(QApplication::focusWidget(), &k.karte());
    EXPECT_EQ(Zugangsname(&k.karte()), "Karte, Mitte 32U NU 71595 65251");
    // The 100 km square and its neighbours are in view.
    const double km = k.karte().ansicht().KmQuer();
    EXPECT_GT(km, 300);
    EXPECT_LT(km, 700);
    EXPECT_TRUE(Ausgabefenster().isVisible());
}

TEST_F(KarteTest, TheContextMenuOfTheOutputWindowNamesTheMap) {
    QStringList texte;
    for (const QAction* a : Beispiel().actions())
        texte << a->text();
    EXPECT_EQ(texte, (QStringList{"Alle Ergebnisse kopieren", "Auf der Karte zeigen"}));
}

TEST_F(KarteTest, AnotherPointRecentresTheSameWindow) {
    foAusgabe& a = Beispiel();
    foKarte* erste = &OeffneKarte(a);
    a.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&a));
    // Another point in the output window (as a conversion would write it).
    Kind<QLineEdit>(a, "texBreiteAUS")->setText("S33.900000");
    Kind<QLineEdit>(a, "texLaengeAUS")->setText("E018.400000");
    Kind<QLineEdit>(a, "texREFAUS")->setText("34H  BH  6088348381");
    foKarte& zweite = OeffneKarte(a);
    EXPECT_EQ(&zweite, erste);
    EXPECT_NEAR(zweite.karte().ansicht().Mitte().breiteGrad, -33.9, 1e-9);
    EXPECT_NEAR(zweite.karte().ansicht().Mitte().laengeGrad, 18.4, 1e-9);
}

TEST_F(KarteTest, EnterTakesTheMiddleIntoTheCalculationWindow) {
    foKarte& k = OeffneKarte(Beispiel());
    const auto ausgabeVorher = Felder(&Ausgabefenster());
    Berechnungsfenster().feld(Feld::texBreite)->setText("1");
    QTest::keyClick(&k.karte(), Qt::Key_Return);
    foBerechnungen& b = Berechnungsfenster();
    EXPECT_NEAR(Text(b, "texBreite").toDouble(), 48.436333, 1e-6);
    EXPECT_NEAR(Text(b, "texLaenge").toDouble(), 9.967967, 1e-6);
    EXPECT_TRUE(Kind<QRadioButton>(b, "optDezN")->isChecked());
    EXPECT_TRUE(Kind<QRadioButton>(b, "optDezE")->isChecked());
    EXPECT_EQ(Fokus(b), "comRechnen");
    EXPECT_EQ(InputFormat, 1);
    EXPECT_EQ(Felder(&Ausgabefenster()), ausgabeVorher);
}

TEST_F(KarteTest, KeysMoveAndZoomTheView) {
    foKarte& k = OeffneKarte(Beispiel());
    Kartenansicht& karte = k.karte();
    const karte::Lage start = karte.ansicht().Mitte();
    QTest::keyClick(&karte, Qt::Key_Right);
    EXPECT_GT(karte.ansicht().Mitte().laengeGrad, start.laengeGrad);
    QTest::keyClick(&karte, Qt::Key_Up);
    EXPECT_GT(karte.ansicht().Mitte().breiteGrad, start.breiteGrad);
    const double km = karte.ansicht().KmQuer();
    QTest::keyClick(&karte, Qt::Key_Plus);
    EXPECT_LT(karte.ansicht().KmQuer(), km);
    QTest::keyClick(&karte, Qt::Key_Home);
    EXPECT_NEAR(karte.ansicht().Mitte().breiteGrad, 48.436333, 1e-9);
    EXPECT_NEAR(karte.ansicht().Mitte().laengeGrad, 9.967967, 1e-9);
}

TEST_F(KarteTest, TheWheelZoomsAboutThePointer) {
    Kartenansicht& karte = OeffneKarte(Beispiel()).karte();
    const QPointF zeiger(karte.width() * 0.8, karte.height() * 0.2);
    const karte::Lage vorher = karte.ansicht().Ort({zeiger.x(), zeiger.y()});
    const double km = karte.ansicht().KmQuer();
    QWheelEvent rad(zeiger, karte.mapToGlobal(zeiger), QPoint(), QPoint(0, 120), Qt::NoButton,
                    Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&karte, &rad);
    EXPECT_LT(karte.ansicht().KmQuer(), km * 0.8);
    const karte::Lage nachher = karte.ansicht().Ort({zeiger.x(), zeiger.y()});
    EXPECT_NEAR(nachher.breiteGrad, vorher.breiteGrad, 1e-9);
    EXPECT_NEAR(nachher.laengeGrad, vorher.laengeGrad, 1e-9);
}

TEST_F(KarteTest, ADoubleClickTakesThePlaceUnderThePointer) {
    foKarte& k = OeffneKarte(Beispiel());
    Kartenansicht& karte = k.karte();
    const QPoint ort(karte.width() / 4, karte.height() / 4);
    const karte::Lage g = karte.ansicht().Ort({double(ort.x()), double(ort.y())});
    QTest::mouseDClick(&karte, Qt::LeftButton, Qt::NoModifier, ort);
    EXPECT_NEAR(Text(Berechnungsfenster(), "texBreite").toDouble(), g.breiteGrad, 1e-6);
    EXPECT_NEAR(Text(Berechnungsfenster(), "texLaenge").toDouble(), g.laengeGrad, 1e-6);
}

// An MBTiles file of the tiles of zoom 0 and 1, each one plain colour.
QString Kachelndatei(const QString& ordner, const QColor& farbe) {
    const QString pfad = ordner + "/probe.mbtiles";
    EXPECT_TRUE(Probekacheln(pfad, 1, [&](int, int, int) {
        QImage bild(256, 256, QImage::Format_RGB32);
        bild.fill(farbe);
        return bild;
    }));
    return pfad;
}

TEST_F(KarteTest, ABaseMapShowsUnderTheGridAndIsRemembered) {
    QTemporaryDir ordner;
    const QColor magenta(255, 0, 255);
    const QString pfad = Kachelndatei(ordner.path(), magenta);
    EXPECT_EQ(karte::Kacheln::Oeffne(pfad)->Namensnennung(), "Probekarte"); // without its tags
    foKarte& k = OeffneKarte(Beispiel());
    EXPECT_NE(k.karte().grab().toImage().pixelColor(20, 20), magenta);
    ASSERT_TRUE(k.setzeGrundlage(pfad));
    const QImage bild = k.karte().grab().toImage();
    EXPECT_EQ(bild.pixelColor(20, 20), magenta);
    // The grid still lies over it: the marker in the middle.
    EXPECT_NE(bild.pixelColor(bild.width() / 2, bild.height() / 2), magenta);
    EXPECT_EQ(QSettings("kartovex", "KartovexLE").value("Karte/Grundlage").toString(), pfad);
    k.entferneGrundlage();
    EXPECT_FALSE(QSettings("kartovex", "KartovexLE").contains("Karte/Grundlage"));
    EXPECT_NE(k.karte().grab().toImage().pixelColor(20, 20), magenta);
}

TEST_F(KarteTest, ADamagedBaseMapGivesAMessageAndTheMapGoesOn) {
    QTemporaryDir ordner;
    const QString pfad = ordner.path() + "/kaputt.mbtiles";
    QFile f(pfad);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("SQLite format 3\0 das ist keine Datenbank", 40);
    f.close();
    foKarte& k = OeffneKarte(Beispiel());
    Meldungsbox box;
    EXPECT_FALSE(k.setzeGrundlage(pfad));
    EXPECT_EQ(box.boxen, QStringList{Stop(karte::KachelnFehlermeldung(pfad).toStdString())});
    EXPECT_FALSE(QSettings("kartovex", "KartovexLE").contains("Karte/Grundlage"));
    EXPECT_TRUE(k.isVisible());
}

} // namespace
