#include "windows/foAusgabe.h"

#include <QAction>
#include <QClipboard>
#include <QGroupBox>
#include <QGuiApplication>
#include <QPushButton>

#include "windows/Fenster.h"
#include "windows/foBerechnungen.h"
#include "workflow/Zusammenfassung.h"

using namespace kartovex;

namespace {

constexpr double Klein = 9.6; // column headings, civil UTM labels, notes
constexpr auto Mitte = Qt::AlignHCenter;

// An output field: read-only unless the user may type into it.
Textfeld* NeuesAusgabefeld(QWidget* rahmen, const char* name, const Twips& t, const QColor& farbe,
                           Qt::Alignment ausrichtung, bool nurLesen = true) {
    auto* f = NeuesTextfeld(rahmen, name, t, farbe, ausrichtung);
    f->setReadOnly(nurLesen);
    return f;
}

} // namespace

foAusgabe::foAusgabe() {
    setObjectName("foAusgabe");
    setFont(Arial(12));

    // The six upper frames have no caption; borderless frames would lose the
    // grouping, so they keep a plain border.
    auto* grad = NeuerRahmen(this, "fraGradAUS", "", {100, 120, 4800, 2300}, 12);
    NeuesLabel(grad, "Label32", "Grad", {1800, 360, 612, 252}, Klein);
    NeuesLabel(grad, "labBreiteZ", "Breite", {120, 720, 852, 372}, 12);
    NeuesAusgabefeld(grad, "texBreiteAUS", {1080, 720, 3012, 405}, farbe::Breite, Qt::AlignLeft);
    NeuesLabel(grad, "labLaengeZ", "Länge", {120, 1560, 852, 372}, 12);
    NeuesAusgabefeld(grad, "texLaengeAUS", {1080, 1560, 3012, 405}, farbe::Laenge, Qt::AlignLeft);

    auto* gm = NeuerRahmen(this, "fraGradMinAUS", "", {5000, 120, 4800, 2300}, 12);
    NeuesLabel(gm, "Label50", "Grad", {1440, 360, 975, 252}, Klein);
    NeuesLabel(gm, "Label53", "Minuten", {2880, 360, 1215, 252}, Klein);
    NeuesLabel(gm, "Label49", "Breite", {240, 756, 900, 372}, 12);
    NeuesLabel(gm, "Label48", "Länge", {240, 1620, 900, 372}, 12);
    NeuesAusgabefeld(gm, "texBreiteGradAUS", {1200, 720, 975, 405}, farbe::Breite, Mitte);
    NeuesAusgabefeld(gm, "texBreiteMinuteAUS", {2400, 720, 1815, 405}, farbe::Breite, Mitte);
    NeuesAusgabefeld(gm, "texLaengeGradAUS", {1200, 1560, 975, 405}, farbe::Laenge, Mitte);
    NeuesAusgabefeld(gm, "texLaengeMinuteAUS", {2400, 1560, 1815, 405}, farbe::Laenge, Mitte);

    auto* gms = NeuerRahmen(this, "fraGradMinSekAUS", "", {9900, 120, 4800, 2300}, 12);
    NeuesLabel(gms, "Label36", "Grad", {1200, 360, 855, 252}, Klein);
    NeuesLabel(gms, "Label35", "Minuten", {2100, 360, 975, 252}, Klein);
    NeuesLabel(gms, "Label34", "Sekunden", {3120, 360, 1215, 252}, Klein);
    NeuesLabel(gms, "Label28", "Breite", {120, 756, 852, 372}, 12);
    NeuesLabel(gms, "Label29", "Länge", {120, 1620, 852, 372}, 12);
    const int spalten[3] = {960, 2160, 3120};
    const int breiten[3] = {975, 615, 855};
    const char* breite[3] = {"texBGradAUS", "texBMinuteAUS", "texBSekundeAUS"};
    const char* laenge[3] = {"texLGradAUS", "texLMinuteAUS", "texLSekundeAUS"};
    for (int i = 0; i < 3; ++i) {
        NeuesAusgabefeld(gms, breite[i], {spalten[i], 720, breiten[i], 405}, farbe::Breite, Mitte);
        NeuesAusgabefeld(gms, laenge[i], {spalten[i], 1560, breiten[i], 405}, farbe::Laenge, Mitte);
    }

    auto* ziv = NeuerRahmen(this, "fraZIVAUS", "UTM zivil", {100, 2520, 4800, 2000}, 12);
    NeuesLabel(ziv, "Label38", "[ m ]", {2160, 240, 495, 255}, Klein);
    NeuesLabel(ziv, "Label41", "Zone", {120, 600, 732, 252}, Klein);
    NeuesAusgabefeld(ziv, "texZone2", {120, 960, 735, 405}, farbe::Zone, Mitte, false);
    NeuesLabel(ziv, "Label42", "Rechts", {960, 660, 735, 375}, Klein);
    NeuesAusgabefeld(ziv, "texRechts2", {1800, 600, 1215, 405}, farbe::Laenge, Mitte, false);
    NeuesLabel(ziv, "Label43", "Hoch", {1080, 1380, 615, 375}, Klein);
    NeuesAusgabefeld(ziv, "texHoch2", {1800, 1320, 1215, 405}, farbe::Breite, Mitte, false);

    auto* mil = NeuerRahmen(this, "fraMILAUS", "UTM  militärisch", {5000, 2520, 4800, 2000}, 12);
    NeuesAusgabefeld(mil, "texMilUTM", {720, 840, 2775, 405}, farbe::Quadrat, Mitte, false);
    auto* ref = NeuerRahmen(this, "fraREFAUS", "UTM REF", {9900, 2520, 4800, 2000}, 12);
    NeuesAusgabefeld(ref, "texREFAUS", {720, 840, 2775, 405}, farbe::Quadrat, Mitte, false);

    auto* gk = NeuerRahmen(this, "fraGKAUS", "Gauß-Krüger (nur für Deutschland)",
                           {3980, 4800, 7400, 3000}, 12);
    NeuesLabel(gk, "labGKRechtsAUS", "Rechts [ m ]", {360, 480, 1455, 375}, 12);
    NeuesAusgabefeld(gk, "texGKRechtsAUS", {1920, 480, 1695, 400}, farbe::Laenge, Qt::AlignRight);
    NeuesLabel(gk, "labGKHochAUS", "Hoch [ m ]", {480, 1560, 1335, 375}, 12);
    NeuesAusgabefeld(gk, "texGKHochAUS", {1920, 1560, 1695, 400}, farbe::Breite, Qt::AlignRight);
    auto* streifen =
        NeuerRahmen(gk, "fraStreifenbreiteAUS", "Streifenbreite", {4080, 360, 1695, 615}, Klein);
    NeuesLabel(streifen, "labStreifenbreite", "", {600, 240, 855, 255}, Klein);
    NeuesLabel(gk, "labMeridianAUS", "Bezugsmeridian", {3960, 1305, 1695, 375}, Klein);
    NeuesAusgabefeld(gk, "texMeridianAUS", {4110, 1560, 1575, 400}, farbe::Laenge, Mitte);
    NeuesLabel(gk, "Label37",
               "Das Programm rechnet intern mit einer durchschnittlichen Höhe von 300 m",
               {120, 2520, 7095, 255}, Klein);

    auto* zurueck = NeuerKnopf(this, "comZurueck", "zurück", {6180, 8000, 3000, 600});
    connect(zurueck, &QPushButton::clicked, this, &foAusgabe::comZurueck_Click);

    // Copy all results: one action serves the shortcut and the context menu of
    // the background (labels and frames pass their right click on to the
    // window; the fields keep their own menus and their own Ctrl+C).
    auto* kopieren = new QAction("Alle Ergebnisse kopieren", this);
    kopieren->setObjectName("actAlleKopieren");
    kopieren->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    kopieren->setShortcutContext(Qt::WindowShortcut);
    connect(kopieren, &QAction::triggered, this, &foAusgabe::AlleErgebnisseKopieren);
    addAction(kopieren);
    setContextMenuPolicy(Qt::ActionsContextMenu);

    // Spoken names from the output table; Tab walks the fields in its order.
    QWidget* vorher = nullptr;
    for (const Ausgabefeld& a : Ausgabefelder()) {
        QWidget* w = findChild<QWidget*>(QString::fromUtf8(a.name));
        felder[Index(a.feld)] = w;
        if (!qobject_cast<QLineEdit*>(w)) continue; // a label speaks its text
        Benenne(w, a.sprechname);
        if (vorher) setTabOrder(vorher, w);
        vorher = w;
    }
    setTabOrder(vorher, zurueck);
    Laden();
}

void foAusgabe::Laden() {
    setWindowTitle("Zahlenausgabe");
    Lage({0, 6000, 15000, 9000});
    // The constructor has placed the frames; loading shows them all.
    for (QGroupBox* r : findChildren<QGroupBox*>())
        r->show();
}

void foAusgabe::setzeText(Aus feld, const std::string& text) {
    QWidget* w = felder[Index(feld)];
    if (auto* f = qobject_cast<QLineEdit*>(w))
        f->setText(QString::fromStdString(text));
    else if (auto* l = qobject_cast<QLabel*>(w))
        l->setText(Anzeigetext(text));
}

std::string foAusgabe::text(Aus feld) const {
    QWidget* w = felder[Index(feld)];
    if (auto* f = qobject_cast<QLineEdit*>(w)) return f->text().toStdString();
    return qobject_cast<QLabel*>(w)->text().toStdString();
}

void foAusgabe::zeigeGK(bool sichtbar) {
    findChild<QGroupBox*>("fraGKAUS")->setVisible(sichtbar);
}

std::string foAusgabe::Ergebnistext() const {
    Ausgabetexte texte;
    for (const Ausgabefeld& a : Ausgabefelder())
        texte.setze(a.feld, text(a.feld));
    return Zusammenfassung(texte, findChild<QGroupBox*>("fraGKAUS")->isVisibleTo(this));
}

void foAusgabe::AlleErgebnisseKopieren() {
    QGuiApplication::clipboard()->setText(QString::fromStdString(Ergebnistext()));
}

void foAusgabe::comZurueck_Click() {
    Berechnungsfenster().zeige();
    verwerfe();
}
