#include "windows/foEingang.h"

#include <QAction>
#include <QClipboard>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QMimeData>
#include <QPushButton>
#include <QShortcut>

#include <array>
#include <vector>

#include "Version.h"
#include "checks/Erkennung.h"
#include "checks/Formate.h"
#include "windows/Fenster.h"
#include "windows/foBerechnungen.h"
#include "windows/foDatei.h"

using namespace kartovex;

namespace {

const QColor Fensterfarbe{142, 199, 255};
const QColor Rahmenfarbe{255, 255, 192};
const QColor Kopffarbe{255, 224, 192};

// The seven format buttons of the frame, in InputFormat order; caption,
// frame and first field come from the format table.
struct Formatknopf {
    const char* knopf;
    int oben;
};
const std::array<Formatknopf, FormatAnzahl> Formatknoepfe{{
    {"comGradDezEIN", 700},
    {"comGradMinEIN", 1300},
    {"comGradMinSekEIN", 1900},
    {"comUTMzivilEIN", 2800},
    {"comUTMmilEIN", 3700},
    {"comUTMrefEIN", 4500},
    {"comGKEIN", 5500},
}};

struct Beispiel {
    const char* name;
    const char* text;
    Twips lage;
};

const std::array<Beispiel, 11> Beispiele{{
    {"labBeispiel", "Beispiele", {4500, 350, 1452, 372}},
    {"labGrad", "48,436333°", {4500, 800, 1800, 375}},
    {"labGM", "48°  26,179980'", {4500, 1400, 1800, 375}},
    {"labGMS", "48°  26'  10,80''", {4500, 2000, 1800, 375}},
    {"labUTMzivZone", "32U", {4500, 2900, 600, 375}},
    {"labUTMzivRechts", "0571595   7-stellig!", {5160, 2720, 2250, 375}},
    {"labUTMzivHoch", "5365251   7-stellig!", {5160, 3095, 2250, 375}},
    {"labUTMmil", "32U  NU  76.15.52.95.51", {4500, 3800, 2850, 375}},
    {"labUTMref", "32U  NU  7159565251", {4500, 4600, 2850, 375}},
    {"labGKRechts", "3571699,04", {4500, 5500, 1800, 375}},
    {"labGKHoch", "5366959,16", {4500, 5875, 1800, 375}},
}};

// Hint lines of each format; every line is followed by CR LF.
const std::array<std::vector<const char*>, 7> Hinweise{{
    {"Eingabe:", "", "Das Zeichen für Grad ° wird nicht eingegeben.",
     "Verwenden Sie für Breite und Länge", "Dezimalzahlen, zB: 42.123456", "",
     "Die nördliche Breite muss kleiner sein als 84 Grad.",
     "Der Zahlenwert der südlichen Breite darf nicht größer sein als 80 Grad.", "",
     "Die Länge darf 180 Grad nicht überschreiten.", ""},
    {"Die Zeichen für Grad ° und Minuten ' werden nicht mit eingegeben!", "",
     "Gradeingabe ganzzahlig ( z.B. 47 )",
     "Minuteneingabe ganzzahlig oder dezimal (max. 59.999999)", "",
     "Die nördl. Gesamtbreite muss kleiner sein als 84 Grad.",
     "Die südl. Gesamtbreite darf nicht mehr als 80 Grad betragen.", "",
     "Die Gesamtlänge darf 180 Grad nicht überschreiten.", ""},
    {"Die Zeichen für Grad ° Minuten ' und Sekunden '' werden nicht mit eingegeben!", "",
     "Gradeingabe ganzzahlig (z.B. 47 )", "Minuten ganzzahlig ( maximal 59 )",
     "Sekunden ganzzahlig oder dezimal (max. 59.999999)", "",
     "Die nördl. Gesamtbreite muss kleiner sein als 84 Grad.",
     "Die südl. Gesamtbreite darf nicht mehr als 80 Grad betragen.",
     "Die Gesamtlänge darf 180 Grad nicht überschreiten."},
    {"Eingabe:", "", "Zone: 2 Ziffern und 1 Buchstabe", "        Beispiel:  32U", "",
     "Rechts: genau 7 Ziffern", "        Beispiel:  0123456", "", "Hoch: genau 7 Ziffern",
     "        Beispiel:  1234567", "", "", ""},
    {"Eingabe:", "", "Zone: 2 Ziffern und 1 Buchstabe", "        Beispiel:  32U", "",
     "100km: 2 Buchstaben", "        Beispiel:  NU", "", "10km - 1m: je 2 Ziffern",
     "        Beispiel:  76  15  68  10  86 ", "", "", ""},
    {"Eingabe:", "", "Zone: 2 Ziffern und 1 Buchstabe", "        Beispiel:  32U",
     "100km: 2 Buchstaben", "        Beispiel:  NU", "Zifferngruppe: gerade Ziffernzahl",
     "        Beispiel:  12", "              oder:  1234", "              oder:  123456",
     "              oder:  12345678", "              oder:  1234567890", ""},
    {"Eingabe:", "", "Bei 'Rechts' und 'Hoch'", "sind die Extremwerte zu beachten.", "",
     "Dezimale Eingabe möglich.", "", "Der Bezugsmeridian wird", "in Abhängigkeit von der",
     "Streifenbreite errechnet", "und kann nicht vorgegeben werden.", "", ""},
}};

// The bound label of the Gauss-Krueger frame: two blanks before each word.
std::string GKLimitstext(const std::string& max, const std::string& min) {
    return max + "  Maximum\n" + min + "  Minimum";
}

} // namespace

foEingang::foEingang() {
    setObjectName("foEingang");
    setFont(Arial(12));
    Hintergrund(this, Fensterfarbe);

    NeuesBlindfeld(this, "texDummy", {120, 240, 372, 408},
                   "Start: mit Tab ein Eingabeformat wählen");
    auto* kopf = NeuesLabel(this, "labEingang", "", {3200, 200, 9000, 600}, 12,
                            Qt::AlignHCenter | Qt::AlignTop);
    Hintergrund(kopf, Kopffarbe);
    Rand(kopf);

    auto* rahmen = NeuerRahmen(this, "fraFormatEIN", "Eingabeformat", {4000, 1000, 7500, 6500}, 12);
    Hintergrund(rahmen, Rahmenfarbe);
    for (unsigned i = 0; i < Formatknoepfe.size(); ++i) {
        const Formatknopf& f = Formatknoepfe[i];
        const QString text = QString::fromUtf8(Formate()[i].name);
        auto* knopf = NeuerKnopf(rahmen, f.knopf, text, {75, f.oben, 3400, 500});
        connect(knopf, &QPushButton::clicked, this, [this, i] { Formatwahl(i + 1); });
    }
    for (const Beispiel& b : Beispiele)
        NeuesLabel(rahmen, b.name, QString::fromUtf8(b.text), b.lage, 12);

    auto* beenden = NeuerKnopf(this, "comBeenden", "KartovexLE beenden", {5430, 7800, 4500, 450});
    Hintergrund(beenden, farbe::Rot);
    connect(beenden, &QPushButton::clicked, this, &foEingang::comBeenden_Click);

    for (const QKeySequence& taste :
         {QKeySequence(Qt::CTRL | Qt::Key_V), QKeySequence(Qt::SHIFT | Qt::Key_Insert)})
        connect(new QShortcut(taste, this), &QShortcut::activated, this,
                qOverload<>(&foEingang::Einfuegen));

    // Files of points: the window's context menu and a drop.
    auto* umrechnen = new QAction(QString::fromUtf8("Datei umrechnen …"), this);
    umrechnen->setObjectName("mnuDateiUmrechnen");
    connect(umrechnen, &QAction::triggered, this, [this] { DateiUmrechnen(); });
    addAction(umrechnen);
    setContextMenuPolicy(Qt::ActionsContextMenu);
    setAcceptDrops(true);

    Laden();
}

void foEingang::Laden() {
    Lage({0, 0, 15000, 10000});
    setWindowTitle(QStringLiteral("KartovexLE  V ") + KartovexKurzversion + QString(7, ' ') +
                   "01.02.2014");
    findChild<QLabel*>("labEingang")->setText("Starten Sie mit Ihrem Eingabeformat");
}

std::string foEingang::Hinweistext(unsigned format) {
    std::string text;
    if (format < 1 || format > Hinweise.size()) return text;
    for (const char* zeile : Hinweise[format - 1])
        text += std::string(zeile) + "\r\n";
    return text;
}

// Decision: a format button hides no other frame (typed values and frames
// stay as they are); it raises its own frame so that it lies on top of any
// frame an earlier choice made visible at the same place.
void foEingang::Formatwahl(unsigned format) {
    const Format& f = *FormatNr(int(format));
    InputFormat = static_cast<int>(format);
    foBerechnungen& b = Berechnungsfenster();
    if (format == 7) {
        GKRechtsMax = kartovex::GKRechtsMax;
        GKRechtsMin = kartovex::GKRechtsMin;
        GKHochMax = kartovex::GKHochMax;
        GKHochMin = kartovex::GKHochMin;
        b.setzeLabel("labGKLimitsRechts", GKLimitstext(GKRechtsMax, GKRechtsMin));
        b.setzeLabel("labGKLimitsHoch", GKLimitstext(GKHochMax, GKHochMin));
    }
    b.setzeLabel("labEingabe", Hinweistext(format));
    b.zeige();
    b.zeigeRahmen(std::string(f.rahmen).c_str());
    b.setzeFokus(f.felder.front());
}

void foEingang::Einfuegen() {
    Einfuegen(QGuiApplication::clipboard()->text().toStdString());
}

// A recognised text does what its format's button does, then types its field
// texts and sets its options; the focus ends on "Berechnung", so that Enter
// converts. Anything else changes nothing and says what is understood.
void foEingang::Einfuegen(const std::string& text) {
    const auto erkannt = Erkenne(text);
    if (!erkannt) {
        Fehlermeldung(NichtErkanntMeldung);
        return;
    }
    Formatwahl(unsigned(erkannt->format));
    foBerechnungen& b = Berechnungsfenster();
    b.fuelle(*erkannt);
    b.setzeFokus("comRechnen");
}

namespace {

// The one local file a drag carries, or nothing.
QString GezogeneDatei(const QMimeData* daten) {
    if (!daten || daten->urls().size() != 1) return {};
    const QUrl url = daten->urls().front();
    return url.isLocalFile() ? url.toLocalFile() : QString();
}

} // namespace

void foEingang::dragEnterEvent(QDragEnterEvent* e) {
    if (!GezogeneDatei(e->mimeData()).isEmpty()) e->acceptProposedAction();
}

void foEingang::dropEvent(QDropEvent* e) {
    const QString datei = GezogeneDatei(e->mimeData());
    if (datei.isEmpty()) return;
    e->acceptProposedAction();
    DateiUmrechnen(datei);
}

void foEingang::DateiUmrechnen(const QString& datei) {
    auto* dialog = new foDatei(datei, this);
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}

void foEingang::comBeenden_Click() {
    if (Frage("Wollen Sie KartovexLE wirklich beenden?")) Programmende();
}
