// Screenshot tool: drives the real windows through the program's own flows
// and writes one PNG per window state into the folder given as argument.
// It is a separate tool; the program itself takes no command line.
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QPainter>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

#include "tests/windows/Probekacheln.h"
#include "windows/Fenster.h"
#include "windows/Programm.h"
#include "windows/Werkzeug.h"
#include "windows/foAusgabe.h"
#include "windows/foBerechnungen.h"
#include "windows/foDatei.h"
#include "windows/foEingang.h"
#include "windows/foKarte.h"

namespace {

QDir ziel;

void Foto(QWidget& fenster, const QString& name) {
    QApplication::processEvents();
    const QString datei = ziel.filePath(name + ".png");
    if (!fenster.grab().save(datei))
        std::fprintf(stderr, "cannot write %s\n", qPrintable(datei));
    else
        std::printf("%s\n", qPrintable(datei));
}

void Klick(QWidget& fenster, const char* knopf) {
    fenster.findChild<QPushButton*>(knopf)->click();
    QApplication::processEvents();
}

// A base map to show under the grid: each tile a soft colour with its
// address written into it.
QImage Probekachel(int z, int x, int y) {
    QImage bild(256, 256, QImage::Format_RGB32);
    bild.fill(QColor::fromHsv((x * 47 + y * 89 + z * 13) % 360, 40, 245));
    QPainter p(&bild);
    p.setPen(QColor(120, 120, 120));
    p.drawRect(0, 0, 255, 255);
    p.drawText(QRect(0, 0, 256, 256), Qt::AlignCenter, QString("%1/%2/%3").arg(z).arg(x).arg(y));
    return bild;
}

// The map window of the example point at Europe's, the 100 km square's and
// the 1 km grid's scale, and over a generated base map.
void Kartenfotos() {
    auto& b = kartovex::Berechnungsfenster();
    b.zeige();
    Klick(b, "comKrummboegleGrad");
    Klick(b, "comRechnen");
    auto& a = kartovex::Ausgabefenster();
    (void)QTest::qWaitForWindowActive(&a);
    QTest::keyClick(&a, Qt::Key_K, Qt::ControlModifier);
    foKarte* k = foKarte::FallsDa();
    if (!k) return;
    (void)QTest::qWaitForWindowExposed(k);
    const auto massstab = [&](double km) {
        kartovex::Kartenansicht& karte = k->karte();
        karte.Zoome(karte.ansicht().KmQuer() / km,
                    QPointF(karte.width() / 2.0, karte.height() / 2.0));
    };
    Foto(*k, "5_foKarte_100km");
    massstab(3000);
    Foto(*k, "5_foKarte_Europa");
    massstab(15);
    Foto(*k, "5_foKarte_1km");
    QTemporaryDir ordner;
    const QString datei = ordner.filePath("probe.mbtiles");
    if (kartovex::test::Probekacheln(datei, 7, Probekachel) && k->setzeGrundlage(datei)) {
        massstab(450);
        Foto(*k, "5_foKarte_Grundlage");
        k->entferneGrundlage();
    }
    k->verwerfe();
    a.verwerfe();
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    app.setApplicationName(kartovex::Programmtitel);
    QStandardPaths::setTestModeEnabled(true); // the base map is not remembered for the user
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
        return 2;
    }
    ziel = QDir(argv[1]);
    ziel.mkpath(".");

    Programmstart();
    auto& eingang = kartovex::Eingangsfenster();
    (void)QTest::qWaitForWindowExposed(&eingang);
    Foto(eingang, "1_foEingang");

    struct Format {
        const char* knopf;
        const char* beispiel;
        const char* name;
    };
    const Format formate[] = {
        {"comGradDezEIN", "comKrummboegleGrad", "2_foBerechnungen_1_Grad"},
        {"comGradMinEIN", "comKrummboegleMercator", "2_foBerechnungen_2_GradMin"},
        {"comGradMinSekEIN", "comKrummboegleGMS", "2_foBerechnungen_3_GradMinSek"},
        {"comUTMzivilEIN", "comZIV", "2_foBerechnungen_4_ZIV"},
        {"comUTMmilEIN", "comMIL", "2_foBerechnungen_5_MIL"},
        {"comUTMrefEIN", "comREF", "2_foBerechnungen_6_REF"},
        {"comGKEIN", "comKrummboegleGK", "2_foBerechnungen_7_GK"},
    };
    int fehler = 0;
    for (const Format& f : formate) {
        // Each format on a fresh calculation window, so that no earlier frame shows.
        if (auto* alt = kartovex::BerechnungsfensterFallsDa()) Klick(*alt, "comStartoption");
        Klick(kartovex::Eingangsfenster(), f.knopf);
        auto& b = kartovex::Berechnungsfenster();
        (void)QTest::qWaitForWindowExposed(&b);
        Foto(b, QString(f.name) + "_leer");
        Klick(b, f.beispiel);
        Foto(b, QString(f.name) + "_Beispiel");
        if (QString(f.knopf) == "comUTMzivilEIN") {
            // Leaving the zone field shows the extreme values beside the value fields.
            QTest::keyClick(b.findChild<QWidget*>("texZone"), Qt::Key_Return);
            Foto(b, QString(f.name) + "_Grenzen");
        }
        // "Berechnung" fills the output window with the example point.
        Klick(b, "comRechnen");
        auto* a = kartovex::AusgabefensterFallsDa();
        if (!a || !a->isVisible()) {
            std::fprintf(stderr, "%s: Berechnung showed no output window\n", f.beispiel);
            fehler = 1;
            continue;
        }
        (void)QTest::qWaitForWindowExposed(a);
        Foto(*a, QString("4_foAusgabe_nach_") + f.beispiel);
        a->verwerfe();
        // The Gauss-Krueger run writes the reference meridian back into its frame.
        if (QString(f.knopf) == "comGKEIN") Foto(b, QString(f.name) + "_nach_Berechnung");
    }

    // A web map's coordinate pasted with Ctrl+V into the entry window: the
    // degrees-and-minutes frame typed and ready for Enter.
    Klick(kartovex::Berechnungsfenster(), "comStartoption");
    QGuiApplication::clipboard()->setText(QString::fromUtf8("N 48° 26.179980' E 9° 58.078035'"));
    kartovex::Eingangsfenster().activateWindow();
    (void)QTest::qWaitForWindowActive(&kartovex::Eingangsfenster());
    QTest::keyClick(&kartovex::Eingangsfenster(), Qt::Key_V, Qt::ControlModifier);
    (void)QTest::qWaitForWindowExposed(&kartovex::Berechnungsfenster());
    Foto(kartovex::Berechnungsfenster(), "2_foBerechnungen_nach_Einfuegen");

    Kartenfotos();

    // The calculation window enlarged, as a user reaches the example buttons.
    auto& b = kartovex::Berechnungsfenster();
    b.resize(kartovex::Pixel(15900), kartovex::Pixel(12300));
    Foto(b, "3_foBerechnungen_vergroessert");

    auto& a = kartovex::Ausgabefenster();
    a.show();
    (void)QTest::qWaitForWindowExposed(&a);
    Foto(a, "4_foAusgabe_leer");

    // The file dialog as a dropped file opens it.
    kartovex::Eingangsfenster().DateiUmrechnen(ziel.filePath("punkte.gpx"));
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* d = qobject_cast<foDatei*>(w)) {
            (void)QTest::qWaitForWindowExposed(d);
            Foto(*d, "5_foDatei");
        }
    kartovex::Programmende();
    return fehler;
}
