#include "windows/foDatei.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTimer>
#include <QUrl>

#include "checks/Formate.h"
#include "konvert/Gisnamen.h"
#include "windows/Dateiumrechnung.h"
#include "windows/Werkzeug.h"

using namespace kartovex;

namespace {

std::string Std(const QString& s) {
    return s.toStdString();
}

// A control with its objectName and what a screen reader says of it.
template <class W>
W* Benannt(W* w, const char* name, const QString& zugaenglich, const QString& beschreibung) {
    w->setObjectName(name);
    w->setAccessibleName(zugaenglich);
    w->setAccessibleDescription(beschreibung);
    return w;
}

// kartovex-konvert: next to this program (installed), beside it in the build
// tree, or on PATH.
QString Konvertprogramm() {
    if (!foDatei::konvertProgramm.isEmpty()) return foDatei::konvertProgramm;
    const QDir hier(QCoreApplication::applicationDirPath());
    for (const QString& pfad :
         {hier.filePath("kartovex-konvert"), hier.filePath("../konvert/kartovex-konvert")})
        if (QFileInfo(pfad).isExecutable()) return pfad;
    return QStandardPaths::findExecutable("kartovex-konvert");
}

} // namespace

foDatei::foDatei(const QString& eingabe, QWidget* eltern) : QDialog(eltern) {
    setObjectName("foDatei");
    setWindowTitle("Datei umrechnen");
    setAttribute(Qt::WA_DeleteOnClose);
    auto* raster = new QGridLayout(this);

    texEingabe = Benannt(new QLineEdit(this), "texEingabe", "Eingabedatei",
                         "Die Datei mit den Punkten, die umgerechnet werden");
    auto* comEingabe = Benannt(new QPushButton("Wählen …", this), "comEingabe",
                               "Eingabedatei wählen", "Öffnet die Dateiauswahl für die Eingabe");
    labEingabeart = Benannt(new QLabel(this), "labEingabeart", "Art der Eingabe",
                            "Wie die Eingabedatei gelesen wird");
    cboFormat = Benannt(new QComboBox(this), "cboFormat", "Eingabeformat",
                        "Das Format der Zeilen einer Textdatei");
    cboFormat->addItem("automatisch erkennen", "auto");
    for (const Format& f : Formate())
        cboFormat->addItem(QString::fromUtf8(f.name.data(), qsizetype(f.name.size())),
                           QString::number(f.nummer));
    texEbene = Benannt(new QLineEdit(this), "texEbene", "Ebene",
                       "Die Ebene der GIS-Datei; leer: die erste mit Punkten");
    texEbene->setPlaceholderText("die erste mit Punkten");
    texAusgabe = Benannt(new QLineEdit(this), "texAusgabe", "Ausgabedatei",
                         "Die Datei, in die die umgerechneten Punkte geschrieben werden");
    auto* comAusgabe = Benannt(new QPushButton("Wählen …", this), "comAusgabe",
                               "Ausgabedatei wählen", "Öffnet die Dateiauswahl für die Ausgabe");
    optGpkg = Benannt(new QRadioButton("GeoPackage (.gpkg)", this), "optGpkg",
                      "Ausgabe als GeoPackage", "Schreibt die Punkte in eine GeoPackage-Datei");
    optCsv = Benannt(new QRadioButton("CSV (.csv)", this), "optCsv", "Ausgabe als CSV",
                     "Schreibt die Punkte als CSV-Tabelle");
    optGpkg->setChecked(true);
    prgFortschritt = Benannt(new QProgressBar(this), "prgFortschritt", "Fortschritt",
                             "Wie weit die Umrechnung ist");
    prgFortschritt->setRange(0, 1000);
    prgFortschritt->setValue(0);
    prgFortschritt->setTextVisible(false);
    labFortschritt = Benannt(new QLabel(this), "labFortschritt", "Fortschritt in Zahlen",
                             "Umgerechnete Punkte, Punkte je Sekunde und die verbleibende Zeit");
    labErgebnis = Benannt(new QLabel(this), "labErgebnis", "Ergebnis",
                          "Wie viele Punkte umgerechnet wurden und die ersten Meldungen");
    labErgebnis->setWordWrap(true);
    labErgebnis->setTextInteractionFlags(Qt::TextSelectableByMouse);
    comUmrechnen = Benannt(new QPushButton("Umrechnen", this), "comUmrechnen", "Umrechnen",
                           "Startet die Umrechnung der Datei");
    comAbbrechen = Benannt(new QPushButton("Abbrechen", this), "comAbbrechen", "Abbrechen",
                           "Bricht die laufende Umrechnung ab oder schließt das Fenster");
    comOrdner = Benannt(new QPushButton("Ordner öffnen", this), "comOrdner", "Ordner öffnen",
                        "Zeigt den Ordner der Ausgabedatei");
    comOrdner->setEnabled(false);
    comUmrechnen->setDefault(true);

    int zeile = 0;
    const auto beschriftet = [&](const char* text, QWidget* feld) {
        auto* l = new QLabel(text, this);
        l->setBuddy(feld);
        raster->addWidget(l, zeile, 0);
        raster->addWidget(feld, zeile, 1);
    };
    beschriftet("&Eingabe:", texEingabe);
    raster->addWidget(comEingabe, zeile++, 2);
    raster->addWidget(labEingabeart, zeile++, 1, 1, 2);
    beschriftet("&Format:", cboFormat);
    ++zeile;
    beschriftet("E&bene:", texEbene);
    ++zeile;
    beschriftet("&Ausgabe:", texAusgabe);
    raster->addWidget(comAusgabe, zeile++, 2);
    auto* arten = new QHBoxLayout;
    arten->addWidget(optGpkg);
    arten->addWidget(optCsv);
    arten->addStretch();
    raster->addLayout(arten, zeile++, 1, 1, 2);
    raster->addWidget(prgFortschritt, zeile++, 0, 1, 3);
    raster->addWidget(labFortschritt, zeile++, 0, 1, 3);
    raster->addWidget(labErgebnis, zeile++, 0, 1, 3);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addWidget(comOrdner);
    knoepfe->addStretch();
    knoepfe->addWidget(comUmrechnen);
    knoepfe->addWidget(comAbbrechen);
    raster->addLayout(knoepfe, zeile, 0, 1, 3);
    raster->setColumnMinimumWidth(1, 360);

    connect(comEingabe, &QPushButton::clicked, this, &foDatei::comEingabe_Click);
    connect(comAusgabe, &QPushButton::clicked, this, &foDatei::comAusgabe_Click);
    connect(comUmrechnen, &QPushButton::clicked, this, &foDatei::comUmrechnen_Click);
    connect(comAbbrechen, &QPushButton::clicked, this, &foDatei::comAbbrechen_Click);
    connect(comOrdner, &QPushButton::clicked, this, &foDatei::comOrdner_Click);
    connect(texEingabe, &QLineEdit::editingFinished, this,
            [this] { setzeEingabe(texEingabe->text()); });
    connect(optGpkg, &QRadioButton::toggled, this, &foDatei::ausgabeVorgabe);
    setzeEingabe(eingabe);
}

foDatei::~foDatei() {
    if (laeuft()) {
        prozess->kill();
        prozess->waitForFinished(1000);
    }
}

bool foDatei::laeuft() const {
    return prozess && prozess->state() != QProcess::NotRunning;
}

void foDatei::setzeEingabe(const QString& datei) {
    texEingabe->setText(datei);
    const bool gis = datei::IstGisdatei(Std(datei));
    labEingabeart->setText(QString::fromStdString(datei::Eingabeart(Std(datei))));
    cboFormat->setEnabled(!gis);
    texEbene->setEnabled(gis);
    ausgabeVorgabe();
}

// The output follows the input and the chosen kind until the user names one.
void foDatei::ausgabeVorgabe() {
    if (texEingabe->text().isEmpty()) return;
    texAusgabe->setText(QString::fromStdString(
        datei::Vorgabeausgabe(Std(texEingabe->text()), optCsv->isChecked())));
}

void foDatei::comEingabe_Click() {
    QString muster = "*.txt";
    for (const auto& f : konvert::Gisformate)
        for (const std::string_view endung : {f.endung, f.endung2})
            if (!endung.empty())
                muster += " *" + QString::fromUtf8(endung.data(), qsizetype(endung.size()));
    const QString datei = QFileDialog::getOpenFileName(
        this, "Eingabedatei wählen", QFileInfo(texEingabe->text()).path(),
        "Punktdateien (" + muster + ");;Alle Dateien (*)");
    if (!datei.isEmpty()) setzeEingabe(datei);
}

void foDatei::comAusgabe_Click() {
    const QString datei = QFileDialog::getSaveFileName(
        this, "Ausgabedatei wählen", texAusgabe->text(),
        "GeoPackage (*.gpkg);;CSV (*.csv);;Shapefile (*.shp);;GPX (*.gpx);;KML (*.kml);;"
        "FlatGeobuf (*.fgb);;GeoJSON (*.geojson)",
        nullptr, QFileDialog::DontConfirmOverwrite); // Umrechnen asks
    if (!datei.isEmpty()) texAusgabe->setText(datei);
}

// While the converter runs only "Abbrechen" can be used.
void foDatei::setzeLaufend(bool laufend) {
    for (QWidget* w : findChildren<QWidget*>())
        if (w != comAbbrechen && !qobject_cast<QLabel*>(w) && !qobject_cast<QProgressBar*>(w))
            w->setEnabled(!laufend);
    if (!laufend) {
        const QString aus = texAusgabe->text();
        setzeEingabe(texEingabe->text()); // format or layer, as the input takes
        texAusgabe->setText(aus);
    }
    comOrdner->setEnabled(false);
}

void foDatei::comUmrechnen_Click() {
    datei::Auftrag a;
    a.eingabe = Std(texEingabe->text());
    a.format = Std(cboFormat->currentData().toString());
    a.ebene = Std(texEbene->text());
    a.ausgabe = Std(texAusgabe->text());
    if (a.eingabe.empty() || !QFileInfo(texEingabe->text()).isFile()) {
        Fehlermeldung("Wählen Sie eine Eingabedatei, die es gibt.");
        return;
    }
    if (a.ausgabe.empty()) {
        Fehlermeldung("Geben Sie eine Ausgabedatei an.");
        return;
    }
    if (QFileInfo(texAusgabe->text()) == QFileInfo(texEingabe->text())) {
        Fehlermeldung("Die Ausgabedatei darf nicht die Eingabedatei sein.");
        return;
    }
    if (QFileInfo::exists(texAusgabe->text())) {
        if (!Frage("Die Datei " + a.ausgabe + " besteht schon.\r\nSoll sie ersetzt werden?"))
            return;
        a.ueberschreiben = true;
    }
    const QString programm = Konvertprogramm();
    if (programm.isEmpty()) {
        Fehlermeldung("Das Programm kartovex-konvert ist nicht zu finden.");
        return;
    }
    ausgabe = texAusgabe->text();
    csvAusgabe = datei::IstCsvAusgabe(a.ausgabe);
    abgebrochen = ergebnisDa = false;
    rest.clear();
    ersteMeldungen.clear();
    sonstige.clear();
    gerechnet = mitMeldung = 0;
    labErgebnis->clear();
    labFortschritt->setText("Die Umrechnung beginnt …");
    prgFortschritt->setRange(0, 1000);
    prgFortschritt->setValue(0);

    QStringList argumente;
    for (const std::string& s : datei::Argumente(a))
        argumente << QString::fromStdString(s);
    prozess = new QProcess(this);
    if (csvAusgabe)
        prozess->setStandardOutputFile(ausgabe, QIODevice::Truncate);
    else
        prozess->setStandardOutputFile(QProcess::nullDevice());
    connect(prozess, &QProcess::readyReadStandardError, this, &foDatei::liesMeldungen);
    connect(prozess, &QProcess::finished, this, &foDatei::fertig);
    setzeLaufend(true);
    uhr.start();
    prozess->start(programm, argumente);
}

void foDatei::liesMeldungen() {
    rest += prozess->readAllStandardError().toStdString();
    std::size_t anfang = 0;
    for (std::size_t lf; (lf = rest.find('\n', anfang)) != std::string::npos; anfang = lf + 1) {
        const datei::Meldezeile m = datei::LiesMeldezeile(rest.substr(anfang, lf - anfang));
        using Art = datei::Meldezeile::Art;
        switch (m.art) {
        case Art::Fortschritt:
            if (m.zweite < 0)
                prgFortschritt->setRange(0, 0); // moving, without an end
            else
                prgFortschritt->setValue(int(m.zweite));
            labFortschritt->setText(QString::fromStdString(
                datei::Fortschrittstext(m.zahl, double(uhr.elapsed()) / 1000, m.zweite)));
            break;
        case Art::Ergebnis:
            gerechnet = m.zahl;
            mitMeldung = std::uint64_t(m.zweite);
            ergebnisDa = true;
            break;
        case Art::Meldung:
            if (ersteMeldungen.size() < 10) ersteMeldungen.push_back(m.text);
            break;
        case Art::Sonstiges:
            sonstige += QString::fromStdString(m.text) + '\n';
            break;
        }
    }
    rest.erase(0, anfang);
}

void foDatei::fertig(int code, QProcess::ExitStatus status) {
    liesMeldungen();
    const bool gelungen = status == QProcess::NormalExit && (code == 0 || code == 1) && ergebnisDa;
    // A cancelled or failed run leaves no file behind (the converter removes
    // a GIS file itself; the CSV file is the dialog's own).
    if (!gelungen && QFileInfo::exists(ausgabe) && (csvAusgabe || abgebrochen))
        QFile::remove(ausgabe);
    prozess->deleteLater();
    prozess = nullptr;
    setzeLaufend(false);
    prgFortschritt->setRange(0, 1000);
    if (gelungen) {
        prgFortschritt->setValue(1000);
        labFortschritt->setText(QString::fromStdString(
            datei::Fortschrittstext(gerechnet + mitMeldung, double(uhr.elapsed()) / 1000, 1000)));
        labErgebnis->setText(
            QString::fromStdString(datei::Ergebnistext(gerechnet, mitMeldung, ersteMeldungen)));
        comOrdner->setEnabled(true);
    } else {
        prgFortschritt->setValue(0);
        labFortschritt->clear();
        labErgebnis->setText(abgebrochen ? "Abgebrochen; es ist keine Ausgabedatei entstanden."
                                         : "Die Umrechnung ist gescheitert:\n" +
                                               sonstige.trimmed().remove("kartovex-konvert: "));
    }
}

// A running conversion stops within its block; should it not end within a
// second, it is killed.
void foDatei::comAbbrechen_Click() {
    if (!laeuft()) {
        close();
        return;
    }
    abgebrochen = true;
    prozess->terminate();
    QTimer::singleShot(1000, this, [p = QPointer<QProcess>(prozess)] {
        if (p && p->state() != QProcess::NotRunning) p->kill();
    });
}

void foDatei::comOrdner_Click() {
    const QString ordner = QFileInfo(ausgabe).absolutePath();
    if (oeffneOrdner)
        oeffneOrdner(ordner);
    else
        QDesktopServices::openUrl(QUrl::fromLocalFile(ordner));
}

void foDatei::closeEvent(QCloseEvent* e) {
    if (laeuft()) {
        comAbbrechen_Click();
        prozess->waitForFinished(2000);
    }
    QDialog::closeEvent(e);
}
