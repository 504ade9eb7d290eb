// What the screen shows: pixels of grabbed windows, Qt's own texts, keys on
// texDummy, paste and drop into the input fields.
#include <QClipboard>
#include <QGroupBox>
#include <QMenu>
#include <QMimeData>
#include <QSet>

#include <memory>
#include <vector>

#include "Fensterhilfe.h"
#include "checks/Erkennung.h"
#include "windows/Werkzeug.h"

namespace kartovex::test {
namespace {

QImage Bild(QWidget& w) {
    QApplication::processEvents();
    return w.grab().toImage();
}
// The part of a window's picture that a control covers.
QRect Lage(QWidget& fenster, const QString& name) {
    QWidget* w = Kind(fenster, name);
    return QRect(w->mapTo(&fenster, QPoint()), w->size());
}
QImage Ausschnitt(QWidget& fenster, const QString& name) {
    return Bild(fenster).copy(Lage(fenster, name));
}

} // namespace

class Anzeige : public FensterTest {
protected:
    void SetUp() override {
        FensterTest::SetUp();
        QApplication::setCursorFlashTime(0); // a steady cursor, the same in every picture
    }
};

TEST_F(Anzeige, TheFrameShownLastCoversAnyOtherExactly) {
    Meldungsbox boxen;
    QImage allein[8];
    for (int f = 1; f <= 7; ++f)
        allein[f] = Ausschnitt(Frisch(f), Formatknoepfe[f].rahmen);
    for (int unten = 1; unten <= 7; ++unten)
        for (int oben = 1; oben <= 7; ++oben) {
            if (oben == unten) continue;
            foBerechnungen& b = Frisch(unten);
            if (unten == 4) QTest::keyClicks(b.focusWidget(), "32U\r"); // limits shown
            EXPECT_EQ(Ausschnitt(Format(oben), Formatknoepfe[oben].rahmen), allein[oben])
                << unten << " under " << oben;
        }
    EXPECT_EQ(boxen.boxen, QStringList());
}

// Qt's own texts in German: the context menu here, the quit question's
// buttons with the lifecycle tests.
TEST_F(Anzeige, QtsOwnTextsAreGerman) {
    for (const char* feld : {"texBreiteAUS", "texZone2"}) {
        std::unique_ptr<QMenu> menue(
            Kind<QLineEdit>(Ausgabefenster(), feld)->createStandardContextMenu());
        QStringList texte;
        for (const QAction* a : menue->actions())
            texte << a->text().remove('&').section('\t', 0, 0);
        EXPECT_TRUE(texte.contains("Kopieren")) << texte.join('|').toStdString();
        EXPECT_TRUE(texte.contains("Alles auswählen")) << texte.join('|').toStdString();
    }
}

TEST_F(Anzeige, TexDummyTakesNoKeyAndHidesNothing) {
    Meldungsbox boxen;
    QGuiApplication::clipboard()->setText("123");
    auto tippe = [](QWidget& fenster) {
        QWidget* dummy = fenster.focusWidget();
        ASSERT_EQ(dummy->objectName(), "texDummy");
        QTest::keyClicks(dummy, "hallo 12");
        QTest::keyClick(dummy, Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(dummy, Qt::Key_Insert, Qt::ShiftModifier);
        EXPECT_EQ(Text(fenster, "texDummy"), "");
    };
    // Entry window: the dummy has the focus at start and shows the window's colour.
    foEingang& e = Eingangsfenster();
    tippe(e);
    const QImage flaeche = Ausschnitt(e, "texDummy");
    for (int y = 0; y < flaeche.height(); ++y)
        for (int x = 0; x < flaeche.width(); ++x)
            ASSERT_EQ(flaeche.pixelColor(x, y), QColor(142, 199, 255)) << x << "," << y;
    // Calculation window: it gets the focus from the meridian field and lies
    // over the hint panel, whose text stays as it is without the dummy.
    for (int format = 1; format <= 7; ++format) {
        foBerechnungen& b = Frisch(format);
        if (format == 7) {
            QTest::mouseClick(Kind<QLineEdit>(b, "texMeridian"), Qt::LeftButton);
            tippe(b);
        }
        const QImage mit = Ausschnitt(b, "labEingabe");
        Kind(b, "texDummy")->hide();
        EXPECT_EQ(Ausschnitt(b, "labEingabe"), mit) << format;
    }
    // In the entry window a paste key reads the clipboard, where "123" is no
    // coordinate; the calculation window's dummy shows nothing.
    EXPECT_FALSE(boxen.boxen.isEmpty());
    for (const QString& box : boxen.boxen)
        EXPECT_EQ(box, Stop(NichtErkanntMeldung));
}

// Flat faces in the given colours, away from the caption, with a raised edge.
TEST_F(Anzeige, FacesShowTheirColoursFlat) {
    struct Flaeche {
        bool eingang;
        const char* name;
        QColor farbe;
    };
    const Flaeche flaechen[] = {
        {true, "comBeenden", {255, 128, 128}},
        {false, "comRechnen", {192, 192, 192}},
        {false, "comStartoption", {192, 192, 192}},
        {true, "fraFormatEIN", {255, 255, 192}},
    };
    foBerechnungen& b = Format(1);
    for (const Flaeche& f : flaechen) {
        QWidget& fenster = f.eingang ? static_cast<QWidget&>(Eingangsfenster()) : b;
        const QRect r = Lage(fenster, f.name);
        const QImage bild = Bild(fenster).copy(r);
        const int w = r.width(), h = r.height();
        const bool knopf = QString(f.name).startsWith("com");
        // Buttons: around the caption; the frame: between the border and its controls.
        const std::vector<QPoint> punkte =
            knopf ? std::vector<QPoint>{{6, 6}, {w - 7, 6}, {6, h - 7}, {w - 7, h - 7}, {6, h / 2}}
                  : std::vector<QPoint>{{3, h - 8}, {w / 2, h - 8}, {w - 5, h - 8}, {w - 5, 30}};
        for (const QPoint& p : punkte)
            EXPECT_EQ(bild.pixelColor(p), f.farbe) << f.name << " at " << p.x() << "," << p.y();
        if (knopf) { // raised: lit from the top left
            EXPECT_GT(bild.pixelColor(0, h / 2).lightness(),
                      bild.pixelColor(w - 1, h / 2).lightness())
                << f.name;
        }
    }
}

TEST_F(Anzeige, TabSkipsControlsOutsideTheWindowUntilItIsEnlarged) {
    foBerechnungen& b = Format(1);
    auto besucht = [&b] {
        QSet<QString> namen;
        for (int i = 0; i < 30; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            namen << Fokus(b);
        }
        return namen;
    };
    const QSet<QString> klein = besucht();
    EXPECT_TRUE(klein.contains("comStartoption"));
    EXPECT_FALSE(klein.contains("comKrummboegleGrad"));
    EXPECT_FALSE(klein.contains("comZIV"));
    b.resize(Pixel(15900), Pixel(12300));
    const QSet<QString> gross = besucht();
    EXPECT_TRUE(gross.contains("comKrummboegleGrad"));
    EXPECT_TRUE(gross.contains("comZIV"));
}

// Every way of putting text into an input field passes its key rules:
// paste keys act as Ctrl+V does, drops and middle clicks are refused.
TEST_F(Anzeige, NoPasteOrDropAroundTheKeyRules) {
    foBerechnungen& b = Format(1);
    const QString fremd = "-12,5abc";
    QGuiApplication::clipboard()->setText(fremd);
    auto* breite = Kind<QLineEdit>(b, "texBreite");
    Meldungsbox boxen;
    QTest::keyClick(breite, Qt::Key_V, Qt::ControlModifier);
    const QString nachStrgV = breite->text();
    QTest::keyClick(breite, Qt::Key_Insert, Qt::ShiftModifier);
    ASSERT_EQ(boxen.boxen.size(), 2);
    EXPECT_EQ(boxen.boxen[1], boxen.boxen[0]);
    EXPECT_EQ(breite->text(), nachStrgV);
    EXPECT_FALSE(breite->text().contains("abc"));
    auto* quadrat = Kind<QLineEdit>(b, "tex100km"); // no filter, but upper case
    QTest::keyClick(quadrat, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(quadrat, Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(quadrat->text(), "");
    EXPECT_EQ(boxen.boxen.size(), 2);
    if (QGuiApplication::clipboard()->supportsSelection()) {
        QGuiApplication::clipboard()->setText(fremd, QClipboard::Selection);
        QTest::mouseClick(breite, Qt::MiddleButton);
        EXPECT_EQ(breite->text(), nachStrgV);
    }
    QMimeData daten;
    daten.setText(fremd);
    int felder = 0;
    for (Textfeld* f : b.findChildren<Textfeld*>()) {
        if (f->isReadOnly()) continue;
        ++felder;
        const QString vorher = f->text();
        QDragEnterEvent hinein(QPoint(5, 5), Qt::CopyAction, &daten, Qt::LeftButton, {});
        QApplication::sendEvent(f, &hinein);
        QDropEvent fallen(QPointF(5, 5), Qt::CopyAction, &daten, Qt::LeftButton, {});
        QApplication::sendEvent(f, &fallen);
        EXPECT_FALSE(hinein.isAccepted()) << f->objectName().toStdString();
        EXPECT_EQ(f->text(), vorher) << f->objectName().toStdString();
    }
    EXPECT_GT(felder, 20);
}

TEST_F(Anzeige, FrameLineRunsThroughTheCaptionAboveTheControls) {
    const std::pair<bool, const char*> rahmen[] = {
        {false, "fraZIV"}, {false, "fraGK"}, {true, "fraZIVAUS"}, {true, "fraStreifenbreiteAUS"}};
    Format(4);
    for (const auto& [ausgabe, name] : rahmen) {
        QWidget& fenster = ausgabe ? static_cast<QWidget&>(Ausgabefenster()) : Berechnungsfenster();
        auto* r = Kind<QGroupBox>(fenster, name);
        const QImage bild = r->grab().toImage();
        const int x = bild.width() - 6;
        int linie = 0;
        while (linie < bild.height() && bild.pixelColor(x, linie) == bild.pixelColor(x, 0))
            ++linie;
        int oben = r->height();
        for (const QWidget* k : r->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            oben = std::min(oben, k->y());
        EXPECT_LT(linie, oben) << name;
        EXPECT_NEAR(linie, QFontMetrics(r->font()).height() / 2, 2) << name;
    }
}

TEST_F(Anzeige, EveryWindowAndBoxCarriesTheProgramsIcon) {
    const QImage symbol = QIcon(":/de.kartovex.KartovexLE.svg").pixmap(32).toImage();
    ASSERT_FALSE(symbol.isNull());
    Meldungsbox boxen;
    QImage imKasten;
    boxen.waehrend = [&](const QMessageBox& box) {
        imKasten = box.windowIcon().pixmap(32).toImage();
    };
    foBerechnungen& b = Format(1);
    Kind<QPushButton>(b, "comRechnen")->click(); // empty input: an error box
    ASSERT_EQ(boxen.boxen.size(), 1);
    EXPECT_EQ(imKasten, symbol);
    for (QWidget* w : {static_cast<QWidget*>(&Eingangsfenster()), static_cast<QWidget*>(&b),
                       static_cast<QWidget*>(&Ausgabefenster())})
        EXPECT_EQ(w->windowIcon().pixmap(32).toImage(), symbol) << w->objectName().toStdString();
}

TEST(Einpassen, MovesIntoTheScreenAndShrinksOnlyWhatIsTooLarge) {
    const QRect schirm(0, 0, 1366, 768), mitLeiste(0, 30, 1366, 738);
    const struct {
        QRect soll, frei, ist;
    } faelle[] = {
        {{0, 0, 1000, 667}, schirm, {0, 0, 1000, 667}},       // fits: stays
        {{0, 400, 1000, 600}, schirm, {0, 168, 1000, 600}},   // up just enough
        {{900, 10, 1000, 300}, schirm, {366, 10, 1000, 300}}, // left just enough
        {{0, 0, 1500, 900}, schirm, {0, 0, 1366, 768}},       // larger: shrinks
        {{0, 0, 1000, 667}, mitLeiste, {0, 30, 1000, 667}},   // below a panel
        {{0, 400, 1000, 900}, mitLeiste, {0, 30, 1000, 738}},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(Einpassen(f.soll, f.frei), f.ist);
}

} // namespace kartovex::test
