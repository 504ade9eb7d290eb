// The file dialog: opened by a drop on the entry window or its context menu,
// running kartovex-konvert with a progress bar, cancelled without a trace.
#include <QAccessible>
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QLabel>
#include <QMimeData>
#include <QProcess>
#include <QProgressBar>
#include <QRadioButton>
#include <QUrl>

#include <fstream>

#include "Fensterhilfe.h"
#include "windows/Dateiumrechnung.h"
#include "windows/foDatei.h"

using namespace kartovex;
using namespace kartovex::test;

namespace {

QString Pfad(const QString& name) {
    return QDir(QString::fromStdString(testing::TempDir()))
        .filePath(QString("datei_%1_%2").arg(QCoreApplication::applicationPid()).arg(name));
}

// A text file of n points (the last one with a fault when `fehler`).
QString Punktdatei(const QString& name, int n, bool fehler) {
    const QString pfad = Pfad(name);
    std::ofstream z(pfad.toStdString());
    for (int i = 0; i < n - 1; ++i)
        z << "48.4363326641023;9.96796724981198\n";
    z << (fehler ? "48.5;9x\n" : "-33.9;18.4\n");
    return pfad;
}

foDatei* Dialog() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* d = qobject_cast<foDatei*>(w); d && d->isVisible()) return d;
    return nullptr;
}

template <class Bedingung> bool Warte(Bedingung b, int ms = 60000) {
    QElapsedTimer uhr;
    uhr.start();
    while (!b() && uhr.elapsed() < ms)
        QTest::qWait(10);
    return b();
}

class Datei : public FensterTest {
protected:
    void SetUp() override {
        FensterTest::SetUp();
        foDatei::konvertProgramm = KONVERT_PROGRAMM;
    }
    // Drops a file on the entry window; the dialog it opens.
    foDatei* Fallen(const QString& datei) {
        QMimeData daten;
        daten.setUrls({QUrl::fromLocalFile(datei)});
        QDragEnterEvent herein(QPoint(5, 5), Qt::CopyAction, &daten, Qt::LeftButton, {});
        QApplication::sendEvent(&Eingangsfenster(), &herein);
        EXPECT_TRUE(herein.isAccepted());
        QDropEvent fallen(QPointF(5, 5), Qt::CopyAction, &daten, Qt::LeftButton, {});
        QApplication::sendEvent(&Eingangsfenster(), &fallen);
        foDatei* d = Dialog();
        EXPECT_NE(d, nullptr);
        return d;
    }
    static void Starte(foDatei& d) { Kind<QPushButton>(d, "comUmrechnen")->click(); }
    static bool Fertig(foDatei& d) { return !d.laeuft(); }
};

} // namespace

// A dropped text file: the dialog names it, proposes the output next to it,
// and converting it gives the counts and the first message with its line.
TEST_F(Datei, GefalleneDateiWirdUmgerechnet) {
    const QString ein = Punktdatei("punkte.txt", 3000, true);
    foDatei* d = Fallen(ein);
    ASSERT_TRUE(d);
    EXPECT_EQ(Text(*d, "texEingabe"), ein);
    EXPECT_EQ(Kind<QLabel>(*d, "labEingabeart")->text(), "Textdatei: ein Punkt je Zeile");
    const QString aus = Pfad("punkte-umgerechnet.gpkg");
    EXPECT_EQ(Text(*d, "texAusgabe"), aus);
    QFile::remove(aus);
    Starte(*d);
    ASSERT_TRUE(Warte([&] { return Fertig(*d); }));
    EXPECT_TRUE(Kind<QLabel>(*d, "labErgebnis")
                    ->text()
                    .startsWith("2 999 Punkte umgerechnet, 1 mit Meldung.\nMeldungen:\n"
                                "Zeile 3000: Keine Koordinate in einer bekannten Schreibweise."))
        << Kind<QLabel>(*d, "labErgebnis")->text().toStdString();
    EXPECT_EQ(Kind<QProgressBar>(*d, "prgFortschritt")->value(), 1000);
    EXPECT_TRUE(QFileInfo(aus).size() > 0);
    QString geoeffnet;
    foDatei::oeffneOrdner = [&](const QString& ordner) { geoeffnet = ordner; };
    Kind<QPushButton>(*d, "comOrdner")->click();
    foDatei::oeffneOrdner = nullptr;
    EXPECT_EQ(geoeffnet, QFileInfo(aus).absolutePath());
}

// The CSV the dialog writes is the converter's own output for the file.
TEST_F(Datei, CsvWieDasProgramm) {
    const QString ein = Punktdatei("csv.txt", 5, false);
    foDatei* d = Fallen(ein);
    ASSERT_TRUE(d);
    Kind<QRadioButton>(*d, "optCsv")->click();
    const QString aus = Text(*d, "texAusgabe");
    EXPECT_EQ(aus, Pfad("csv-umgerechnet.csv"));
    QFile::remove(aus);
    Starte(*d);
    ASSERT_TRUE(Warte([&] { return Fertig(*d); }));
    QProcess k;
    k.start(KONVERT_PROGRAMM, {"--format", "auto", ein});
    ASSERT_TRUE(k.waitForFinished(30000));
    QFile datei(aus);
    ASSERT_TRUE(datei.open(QIODevice::ReadOnly));
    EXPECT_EQ(datei.readAll(), k.readAllStandardOutput());
    EXPECT_EQ(Kind<QLabel>(*d, "labErgebnis")->text(), "5 Punkte umgerechnet, 0 mit Meldung.");
}

// The progress bar moves while the converter runs; "Abbrechen" stops it
// within a second and leaves no output file, for a GIS file and for CSV.
TEST_F(Datei, AbbrechenLaesstKeineDatei) {
    const QString ein = Punktdatei("viele.txt", 2000000, false);
    for (const bool csv : {false, true}) {
        SCOPED_TRACE(csv);
        foDatei* d = Fallen(ein);
        ASSERT_TRUE(d);
        if (csv) Kind<QRadioButton>(*d, "optCsv")->click();
        const QString aus = Text(*d, "texAusgabe");
        QFile::remove(aus);
        Starte(*d);
        auto* balken = Kind<QProgressBar>(*d, "prgFortschritt");
        ASSERT_TRUE(Warte([&] { return balken->value() > 0; }));
        const int erst = balken->value();
        ASSERT_TRUE(Warte([&] { return balken->value() > erst; }));
        EXPECT_TRUE(Kind<QLabel>(*d, "labFortschritt")->text().contains(" Punkte/s · noch "));
        EXPECT_FALSE(Kind<QPushButton>(*d, "comUmrechnen")->isEnabled());
        QElapsedTimer uhr;
        uhr.start();
        Kind<QPushButton>(*d, "comAbbrechen")->click();
        ASSERT_TRUE(Warte([&] { return Fertig(*d); }));
        EXPECT_LT(uhr.elapsed(), 1000);
        EXPECT_EQ(Kind<QLabel>(*d, "labErgebnis")->text(),
                  "Abgebrochen; es ist keine Ausgabedatei entstanden.");
        EXPECT_FALSE(QFileInfo::exists(aus));
        EXPECT_FALSE(Kind<QPushButton>(*d, "comOrdner")->isEnabled());
        d->close();
        Aufraeumen();
    }
}

// The context menu of the entry window opens the dialog without a file; an
// existing output is replaced only after the question.
TEST_F(Datei, KontextmenueUndBestehendeAusgabe) {
    QAction* menue = Eingangsfenster().findChild<QAction*>("mnuDateiUmrechnen");
    ASSERT_TRUE(menue);
    EXPECT_EQ(menue->text(), "Datei umrechnen …");
    EXPECT_TRUE(Eingangsfenster().actions().contains(menue));
    menue->trigger();
    foDatei* d = Dialog();
    ASSERT_TRUE(d);
    EXPECT_EQ(Text(*d, "texEingabe"), "");
    const QString ein = Punktdatei("da.txt", 2, false);
    d->setzeEingabe(ein);
    const QString aus = Text(*d, "texAusgabe");
    QFile alt(aus);
    ASSERT_TRUE(alt.open(QIODevice::WriteOnly));
    alt.write("alt");
    alt.close();
    {
        Meldungsbox nein(QMessageBox::No);
        Starte(*d);
        EXPECT_EQ(
            nein.boxen,
            QStringList{Box(QMessageBox::Question, QMessageBox::Yes | QMessageBox::No,
                            QMessageBox::No, "KartovexQuendo",
                            "Die Datei " + aus + " besteht schon.\nSoll sie ersetzt werden?")});
    }
    EXPECT_FALSE(d->laeuft());
    EXPECT_EQ(QFileInfo(aus).size(), 3);
    Meldungsbox ja(QMessageBox::Yes);
    Starte(*d);
    ASSERT_TRUE(Warte([&] { return Fertig(*d); }));
    EXPECT_EQ(Kind<QLabel>(*d, "labErgebnis")->text(), "2 Punkte umgerechnet, 0 mit Meldung.");
    EXPECT_GT(QFileInfo(aus).size(), 3);
}

// Every control of the dialog has a German accessible name and description.
TEST_F(Datei, ZugaenglicheNamen) {
    Kind<QAction>(Eingangsfenster(), "mnuDateiUmrechnen")->trigger();
    foDatei* d = Dialog();
    ASSERT_TRUE(d);
    int steuerelemente = 0;
    for (QWidget* w : d->findChildren<QWidget*>()) {
        if (!w->focusPolicy() && !qobject_cast<QProgressBar*>(w) &&
            w->objectName() != "labErgebnis" && w->objectName() != "labFortschritt")
            continue;
        if (w->objectName().isEmpty()) continue; // parts of a combo box
        ++steuerelemente;
        SCOPED_TRACE(w->objectName().toStdString());
        EXPECT_FALSE(w->accessibleName().isEmpty());
        EXPECT_FALSE(w->accessibleDescription().isEmpty());
        // (Qt gives a combo box's current item as its name.)
        if (!qobject_cast<QComboBox*>(w)) {
            EXPECT_EQ(QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name),
                      w->accessibleName());
        }
    }
    EXPECT_EQ(steuerelemente, 14);
}

// The dialog's decisions as plain functions.
TEST(Dateiumrechnung, EingabeAusgabeUndAufruf) {
    using namespace kartovex::datei;
    EXPECT_EQ(Eingabeart("/a/b.GPX"), "GIS-Datei: GPX, jedes Objekt ein Punkt");
    EXPECT_EQ(Eingabeart("/a/b.csv"), "Textdatei: ein Punkt je Zeile");
    EXPECT_EQ(Vorgabeausgabe("/a/b.c.gpx", false), "/a/b.c-umgerechnet.gpkg");
    EXPECT_EQ(Vorgabeausgabe("b.txt", true), "b-umgerechnet.csv");
    const struct {
        Auftrag auftrag;
        std::vector<std::string> argumente;
    } faelle[] = {
        {{"/a/t.gpx", "auto", "", "/a/t.gpkg", false},
         {"--progress", "--in", "/a/t.gpx", "--out", "/a/t.gpkg"}},
        {{"/a/t.gpkg", "auto", "punkte", "/a/u.kml", true},
         {"--progress", "--in", "/a/t.gpkg", "--layer", "punkte", "--out", "/a/u.kml",
          "--overwrite"}},
        {{"-t.txt", "4", "x", "/a/u.csv", true}, {"--progress", "--format", "4", "--", "-t.txt"}},
        {{"t.csv", "auto", "", "u.shp", false},
         {"--progress", "--format", "auto", "--out", "u.shp", "--", "t.csv"}},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(Argumente(f.auftrag), f.argumente);
}

TEST(Dateiumrechnung, ZeilenUndTexte) {
    using namespace kartovex::datei;
    using Art = Meldezeile::Art;
    const struct {
        const char* zeile;
        Art art;
        std::uint64_t zahl;
        std::int64_t zweite;
    } faelle[] = {
        {"Fortschritt 4096 12", Art::Fortschritt, 4096, 12},
        {"Fortschritt 8192 -1", Art::Fortschritt, 8192, -1},
        {"Ergebnis 10 2", Art::Ergebnis, 10, 2},
        {"Objekt 3: Das Objekt hat keine Geometrie.", Art::Meldung, 0, 0},
        {"Zeile 7: Der Rechtswert ...", Art::Meldung, 0, 0},
        {"Fortschritt 1", Art::Sonstiges, 0, 0},
        {"Fortschritt 1 2 3", Art::Sonstiges, 0, 0},
        {"Ergebnisse 1 2", Art::Sonstiges, 0, 0},
        {"kartovex-konvert: x.gpx: nicht lesbar", Art::Sonstiges, 0, 0},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.zeile);
        const Meldezeile m = LiesMeldezeile(f.zeile);
        EXPECT_EQ(m.art, f.art);
        EXPECT_EQ(m.zahl, f.zahl);
        EXPECT_EQ(m.zweite, f.zweite);
    }
    EXPECT_EQ(Tausender(0), "0");
    EXPECT_EQ(Tausender(999), "999");
    EXPECT_EQ(Tausender(1250000), "1 250 000");
    EXPECT_EQ(Fortschrittstext(1, 0, -1), "1 Punkt");
    EXPECT_EQ(Fortschrittstext(600000, 2, 250), "600 000 Punkte · 300 000 Punkte/s · noch 6 s");
    EXPECT_EQ(Fortschrittstext(600000, 2, -1), "600 000 Punkte · 300 000 Punkte/s");
    EXPECT_EQ(Ergebnistext(1, 0, {}), "1 Punkt umgerechnet, 0 mit Meldung.");
    EXPECT_EQ(
        Ergebnistext(5, 12, {"Zeile 1: a", "Zeile 2: b"}),
        "5 Punkte umgerechnet, 12 mit Meldung.\nDie ersten Meldungen:\nZeile 1: a\nZeile 2: b");
}
