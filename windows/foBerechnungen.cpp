#include "windows/foBerechnungen.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>

#include <array>

#include "checks/Tastatur.h"
#include "checks/Zonenfeld.h"
#include "windows/Fenster.h"
#include "windows/foAusgabe.h"
#include "windows/foEingang.h"
#include "workflow/Berechnung.h"

using namespace kartovex;

namespace {

const QColor Hinweisfarbe{231, 214, 233};
constexpr double Klein = 9.6; // labels inside the frames
constexpr auto Mitte = Qt::AlignHCenter;

// The two option buttons of a borderless hemisphere frame, side by side;
// the first is on.
void Halbkugeln(QWidget* rahmen, const char* erste, const char* erstText, const char* zweite,
                const char* zweitText, int oben) {
    NeueOption(rahmen, erste, erstText, {120, oben, 600, 375}, true);
    NeueOption(rahmen, zweite, zweitText, {780, oben, 600, 375}, false);
}

QColor Farbe(Farbrolle rolle) {
    switch (rolle) {
    case Farbrolle::Breite:
        return farbe::Breite;
    case Farbrolle::Laenge:
        return farbe::Laenge;
    case Farbrolle::Zone:
        return farbe::Zone;
    case Farbrolle::Quadrat:
        return farbe::Quadrat;
    case Farbrolle::Gruppe:
        return farbe::Gruppe;
    }
    return farbe::Breite;
}

// An input field with the name, colour and spoken name and rule of its row in
// the field table.
Textfeld* Eingabefeld(QWidget* rahmen, Feld f, const Twips& lage,
                      Qt::Alignment ausrichtung = Qt::AlignLeft) {
    const Feldbeschreibung& b = Beschreibung(f);
    auto* feld =
        NeuesTextfeld(rahmen, std::string(b.name).c_str(), lage, Farbe(b.farbe), ausrichtung);
    Benenne(feld, b.sprechname, b.regel);
    return feld;
}

QLabel* Gruen(QLabel* l) {
    Textfarbe(l, farbe::Dunkelgruen);
    return l;
}

} // namespace

foBerechnungen::foBerechnungen() {
    setObjectName("foBerechnungen");
    setFont(Arial(12));

    auto* hinweis = NeuesLabel(this, "labEingabe", "", {75, 75, 4350, 4500}, 12);
    Hintergrund(hinweis, Hinweisfarbe);
    Rand(hinweis);

    baueGrad();
    baueGradMin();
    baueGradMinSek();
    baueZIV();
    baueMIL();
    baueREF();
    baueGK();

    auto* rechnen = NeuerKnopf(this, "comRechnen", "Berechnung", {4500, 3000, 3000, 750});
    Hintergrund(rechnen, farbe::Grau);
    connect(rechnen, &QPushButton::clicked, this, &foBerechnungen::comRechnen_Click);
    auto* start =
        NeuerKnopf(this, "comStartoption", "Neue Startoptionen wählen", {7800, 3000, 3000, 750});
    Hintergrund(start, farbe::Grau);
    connect(start, &QPushButton::clicked, this, &foBerechnungen::comStartoption_Click);
    auto* beenden = new Klicklabel("KartovexLE beenden (Doppelklick)", this);
    beenden->setObjectName("labBeenden");
    beenden->setFont(Arial(12));
    beenden->setWordWrap(true);
    beenden->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Hintergrund(beenden, farbe::Rot);
    Rand(beenden);
    Platziere(beenden, {11100, 3000, 3000, 750});
    connect(beenden, &Klicklabel::doppelklick, this, &foBerechnungen::labBeenden_DblClick);

    // Lies over the hint panel, as the layout places it; it draws nothing, so
    // the hint text below it stays whole. It takes the focus from the meridian.
    NeuesBlindfeld(this, "texDummy", {120, 360, 255, 495},
                   "Bezugsmeridian wird errechnet, nicht eingegeben")
        ->raise();

    baueBeispielknoepfe();
    bindeFelder();
    verbindeFelder();
    Laden();
}

// The constructor has placed every control; loading titles the window, sizes
// it and leaves only the frame of the chosen format to be shown.
void foBerechnungen::Laden() {
    setWindowTitle("Beachten Sie bitte den Hinweis zur Zahleneingabe");
    Lage({0, 0, 15000, 4700});
    for (const char* name : {"labEingabe", "comRechnen", "comStartoption", "labBeenden"})
        findChild<QWidget*>(name)->show();
    for (const Format& f : Formate())
        findChild<QGroupBox*>(std::string(f.rahmen).c_str())->hide();
}

void foBerechnungen::baueGrad() {
    auto* r = NeuerRahmen(this, "fraGrad", "Eingabe: Grad (dezimal)", {4500, 0, 7350, 2250}, 12);
    NeuesLabel(r, "labDezBreite", "Breite", {1560, 360, 2175, 255}, Klein);
    Eingabefeld(r, Feld::texBreite, {1560, 645, 1935, 405});
    NeuesLabel(r, "labDezLaenge", "Länge", {1560, 1200, 2055, 255}, Klein);
    Eingabefeld(r, Feld::texLaenge, {1560, 1440, 1935, 405});
    Halbkugeln(NeuerRahmenOhneRand(r, "Frame1", {120, 360, 1455, 735}), "optDezN", "N", "optDezS",
               "S", 180);
    Halbkugeln(NeuerRahmenOhneRand(r, "Frame2", {120, 1200, 1455, 855}), "optDezE", "E", "optDezW",
               "W", 240);
}

void foBerechnungen::baueGradMin() {
    auto* r = NeuerRahmen(this, "fraGradMin", "Eingabe: Grad | Minuten (Mercator)",
                          {4500, 0, 7350, 2250}, 12);
    NeuesLabel(r, "Label47", "Grad", {1560, 480, 495, 255}, Klein);
    NeuesLabel(r, "Label45", "Minuten (ganz oder dezimal)", {2520, 480, 3015, 255}, Klein);
    Eingabefeld(r, Feld::texBreiteGrad, {1560, 810, 495, 405}, Mitte);
    Eingabefeld(r, Feld::texBreiteMinute, {2520, 840, 2175, 405});
    Eingabefeld(r, Feld::texLaengeGrad, {1560, 1680, 495, 405}, Mitte);
    Eingabefeld(r, Feld::texLaengeMinute, {2520, 1680, 2175, 405});
    Halbkugeln(NeuerRahmenOhneRand(r, "Frame6", {120, 720, 1455, 495}), "optGMN", "N", "optGMS",
               "S", 60);
    Halbkugeln(NeuerRahmenOhneRand(r, "Frame7", {120, 1560, 1455, 495}), "optGME", "E", "optGMW",
               "W", 60);
}

void foBerechnungen::baueGradMinSek() {
    auto* r = NeuerRahmen(this, "fraGradMinSek", "Eingabe: Grad | Minuten | Sekunden",
                          {4500, 0, 7350, 2250}, 12);
    NeuesLabel(r, "Label2", "Grad", {1560, 480, 495, 255}, Klein);
    NeuesLabel(r, "Label4", "Minuten", {2400, 480, 855, 255}, Klein);
    NeuesLabel(r, "Label5", "Sekunden (ganz oder dezimal)", {3480, 480, 3615, 255}, Klein);
    Eingabefeld(r, Feld::texBGrad, {1560, 810, 495, 405}, Mitte);
    Eingabefeld(r, Feld::texBMinute, {2520, 810, 495, 405}, Mitte);
    Eingabefeld(r, Feld::texBSekunde, {3480, 810, 1695, 405});
    Eingabefeld(r, Feld::texLGrad, {1560, 1560, 495, 405}, Mitte);
    Eingabefeld(r, Feld::texLMinute, {2520, 1560, 495, 405}, Mitte);
    Eingabefeld(r, Feld::texLSekunde, {3480, 1560, 1695, 405});
    Halbkugeln(NeuerRahmenOhneRand(r, "Frame4", {120, 720, 1455, 495}), "optGradN", "N", "optGradS",
               "S", 60);
    Halbkugeln(NeuerRahmenOhneRand(r, "Frame3", {120, 1560, 1455, 495}), "optGradE", "E",
               "optGradW", "W", 60);
}

void foBerechnungen::baueZIV() {
    auto* r = NeuerRahmen(this, "fraZIV", "zB 32U ", {4500, 0, 7350, 2700}, 12);
    NeuesLabel(r, "Label26", "genau 7 Ziffern", {1680, 240, 1455, 255}, Klein);
    NeuesLabel(r, "Label25", "[ m ]", {2160, 480, 495, 255}, Klein);
    NeuesLabel(r, "labZone", "Zone", {120, 600, 735, 255}, Klein);
    Eingabefeld(r, Feld::texZone, {240, 840, 735, 405});
    NeuesLabel(r, "labRechts", "Rechts", {960, 900, 735, 375}, Klein);
    Eingabefeld(r, Feld::texRechts, {1800, 840, 1215, 405});
    NeuesLabel(r, "labLimitsRechts", "", {3120, 840, 2535, 495}, Klein);
    NeuesLabel(r, "labHoch", "Hoch", {1080, 1500, 615, 375}, Klein);
    Eingabefeld(r, Feld::texHoch, {1800, 1440, 1215, 405});
    NeuesLabel(r, "labLimitsHoch", "", {3120, 1440, 2535, 495}, Klein);
    Gruen(NeuesLabel(r, "Label23", "32U", {240, 1320, 375, 255}, Klein));
    Gruen(NeuesLabel(r, "Label24", "Beispiel", {120, 1560, 975, 255}, Klein));
}

void foBerechnungen::baueMIL() {
    auto* r =
        NeuerRahmen(this, "fraMIL", "zB 38T   NS        80       68        73        97       88",
                    {4500, 0, 7350, 2250}, 12);
    struct Spalte {
        const char* label;
        const char* text;
        int labelLinks;
        Feld feld;
        int feldLinks;
        int breite;
    };
    const std::array<Spalte, 7> spalten{{
        {"Label22", "Zone", 165, Feld::texZoneM, 120, 615},
        {"Label21", "100km", 960, Feld::tex100km, 960, 735},
        {"Label20", "10km", 1800, Feld::tex10km, 1800, 495},
        {"Label9", "1km", 2565, Feld::tex1km, 2520, 495},
        {"Label10", "100 m", 3195, Feld::tex100m, 3240, 495},
        {"Label11", "10 m", 3960, Feld::tex10m, 3960, 495},
        {"Label12", "1 m", 4740, Feld::tex1m, 4680, 495},
    }};
    for (const Spalte& s : spalten) {
        NeuesLabel(r, s.label, s.text, {s.labelLinks, 720, 735, 255}, Klein);
        const bool gruppe = Beschreibung(s.feld).farbe == Farbrolle::Gruppe;
        Eingabefeld(r, s.feld, {s.feldLinks, 1080, s.breite, 405}, gruppe ? Mitte : Qt::AlignLeft);
    }
    Gruen(NeuesLabel(r, "Label13", "32U", {240, 1560, 375, 255}, Klein));
    Gruen(NeuesLabel(r, "Label19", "NU", {960, 1560, 375, 255}, Klein));
    Gruen(NeuesLabel(r, "labBeispiel", "Beispiel", {120, 1800, 975, 255}, Klein));
    auto* ziffern = Gruen(NeuesLabel(r, "Label14", "je 2 Ziffern", {1800, 1560, 3375, 375}, Klein,
                                     Qt::AlignHCenter | Qt::AlignTop));
    Hintergrund(ziffern, farbe::Gruppe);
    Rand(ziffern);
}

void foBerechnungen::baueREF() {
    auto* r =
        NeuerRahmen(this, "fraREF", "zB  32U   NU          7161865806", {4500, 0, 7350, 2250}, 12);
    NeuesLabel(r, "Label3", "Zone", {165, 720, 735, 255}, Klein);
    NeuesLabel(r, "Label30", "100km", {960, 720, 735, 255}, Klein);
    NeuesLabel(r, "Label31", "Zifferngruppe", {1800, 720, 2175, 255}, Klein);
    Eingabefeld(r, Feld::texREFZone, {120, 1080, 615, 405});
    Eingabefeld(r, Feld::texREF100, {960, 1080, 735, 405});
    Eingabefeld(r, Feld::texREFZiffern, {1800, 1080, 2175, 405}, Mitte);
    Gruen(NeuesLabel(r, "Label46", "32U", {240, 1560, 375, 255}, Klein));
    Gruen(NeuesLabel(r, "Label52", "NU", {960, 1560, 375, 255}, Klein));
    Gruen(NeuesLabel(r, "Label51", " Gerade Anzahl von Ziffern! 2; 4; 6; 8 oder 10",
                     {1560, 1560, 2655, 495}, Klein));
    Gruen(NeuesLabel(r, "Label1", "Beispiel", {120, 1800, 975, 255}, Klein));
}

void foBerechnungen::baueGK() {
    auto* r =
        NeuerRahmen(this, "fraGK", "Gauß-Krüger (nur für Deutschland)", {4500, 0, 7350, 3000}, 12);
    NeuesLabel(r, "labGKRechts", "Rechts [ m ]", {120, 480, 1455, 375}, 12);
    Eingabefeld(r, Feld::texGKRechts, {1680, 480, 1575, 405});
    NeuesLabel(r, "labGKLimitsRechts", "", {3360, 480, 2535, 495}, Klein);
    NeuesLabel(r, "Label44", "Beispiel: 5366959", {960, 1080, 2175, 255}, Klein);
    NeuesLabel(r, "labGKHoch", "Hoch [ m ]", {360, 1485, 1215, 375}, 12);
    Eingabefeld(r, Feld::texGKHoch, {1680, 1440, 1575, 405});
    NeuesLabel(r, "labGKLimitsHoch", "", {3360, 1440, 2535, 495}, Klein);
    auto* streifen =
        NeuerRahmen(r, "fraStreifenbreite", "Streifenbreite", {5640, 360, 1575, 735}, Klein);
    Hintergrund(NeueOption(streifen, "optDrei", "3°", {240, 240, 555, 375}, true), farbe::Grau);
    Hintergrund(NeueOption(streifen, "optSechs", "6°", {840, 240, 555, 375}, false), farbe::Grau);
    NeuesLabel(r, "Label27", "Bezugsmeridian abhängig von der Streifenbreite",
               {5520, 1200, 1695, 735}, Klein);
    auto* meridianfeld = NeuesTextfeld(r, "texMeridian", {5520, 2040, 1575, 400},
                                       palette().color(QPalette::Window), Mitte);
    meridianfeld->setReadOnly(true);
    Benenne(meridianfeld, "Bezugsmeridian");
    connect(meridianfeld, &Textfeld::geklickt, this, &foBerechnungen::texMeridian_Click);
    NeuesLabel(r, "Label33",
               "Das Programm rechnet intern mit einer durchschnittlichen Höhe von 300 m",
               {120, 2640, 7095, 255}, Klein);
}

// Decision: the example buttons keep their stored places below the window's
// lower edge. A user reaches them with the mouse by enlarging the window (the
// window can be resized and maximised), and with the keyboard by Ctrl+1 to
// Ctrl+7, numbered like the input formats.
void foBerechnungen::baueBeispielknoepfe() {
    struct Beispiel {
        const char* name;
        const char* text;
        int links, oben;
        void (foBerechnungen::*klick)();
    };
    const std::array<Beispiel, 7> knoepfe{{
        {"comKrummboegleGrad", "Krummbögle in Grad", 240, 11040,
         &foBerechnungen::comKrummboegleGrad_Click},
        {"comKrummboegleMercator", "Krummbögle in Mercator", 240, 11640,
         &foBerechnungen::comKrummboegleMercator_Click},
        {"comKrummboegleGMS", "Krummbögle GMS", 720, 10560,
         &foBerechnungen::comKrummboegleGMS_Click},
        {"comZIV", "Krummbögle ZIV", 12240, 8880, &foBerechnungen::comZIV_Click},
        {"comMIL", "Krummbögle MIL", 12360, 9600, &foBerechnungen::comMIL_Click},
        {"comREF", "Krummbögle REF", 12360, 7560, &foBerechnungen::comREF_Click},
        {"comKrummboegleGK", "Krummbögle GK", 12240, 8400, &foBerechnungen::comKrummboegleGK_Click},
    }};
    for (std::size_t i = 0; i < knoepfe.size(); ++i) {
        const Beispiel& b = knoepfe[i];
        auto* knopf =
            NeuerKnopf(this, b.name, QString::fromUtf8(b.text), {b.links, b.oben, 3495, 495});
        connect(knopf, &QPushButton::clicked, this, b.klick);
        auto* kurz = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key(Qt::Key_1 + int(i))), this);
        connect(kurz, &QShortcut::activated, knopf, &QPushButton::click);
    }
}

void foBerechnungen::bindeFelder() {
    for (const Feldbeschreibung& f : Felder())
        felder[Index(f.feld)] = findChild<Textfeld*>(QString::fromUtf8(f.name));
    for (std::size_t i = 0; i < OptionAnzahl; ++i) {
        optionen[i] = findChild<QRadioButton*>(QString::fromUtf8(Name(Option(i))));
        Benenne(optionen[i], Sprechname(Option(i)));
    }
    meridian = findChild<Textfeld*>("texMeridian");
    // Frames and option groups are named for a screen reader from the format
    // table; an option group is the frame that holds its buttons.
    for (const Format& f : Formate()) {
        Benenne(findChild<QGroupBox*>(QString::fromUtf8(f.rahmen)), f.rahmenSprechname);
        for (const Optionsgruppe& g : f.optionen)
            Benenne(optionen[Index(g.standard)]->parentWidget(), g.sprechname);
    }
}

void foBerechnungen::verbindeFelder() {
    for (const Feldbeschreibung& b : Felder()) {
        Textfeld* f = feld(b.feld);
        f->setzeTastenhandler([this, id = b.feld](int code) { return KeyPress(id, code); });
        fokus.beimBekommen(f, [this, f] { GotFocus(f); });
    }
    fokus.beimBekommen(feld(Feld::texZone), [this] { texZone_GotFocus(); });
    fokus.beimVerlieren(feld(Feld::texZone), [this] { texZone_LostFocus(); });
    fokus.beimBekommen(feld(Feld::texRechts), [this] { texRechts_GotFocus(); });
    fokus.beimBekommen(feld(Feld::texHoch), [this] { texHoch_GotFocus(); });
    fokus.beobachteAlle();
}

// ---- Handlers of the input fields ----------------------------------------

int foBerechnungen::KeyPress(Feld f, int code) {
    const Tastenentscheid e = Tastendruck(f, code);
    if (!e.meldung.empty()) {
        Fehlermeldung(e.meldung);
        return 0;
    }
    if (e.enter) {
        if (f == Feld::texZone) feld(Feld::texRechts)->setEnabled(true);
        if (e.fokusZiel)
            setzeFokus(*e.fokusZiel);
        else
            setzeFokus("comRechnen");
    }
    return e.code;
}

void foBerechnungen::GotFocus(Textfeld* f) {
    f->setSelection(0, int(f->text().size()));
}

void foBerechnungen::texZone_GotFocus() {
    findChild<QLabel*>("labLimitsRechts")->hide();
    findChild<QLabel*>("labLimitsHoch")->hide();
    beschreibeMitGrenzen(Feld::texRechts, {});
    beschreibeMitGrenzen(Feld::texHoch, {});
    GotFocus(feld(Feld::texZone));
}

void foBerechnungen::texZone_LostFocus() {
    const Zonenentscheid e = ZoneVerlassen(feld(Feld::texZone)->text().toStdString(), grenzen);
    if (!e.ok) {
        Fehlermeldung(e.meldung);
        setzeFokus(Feld::texZone);
        return;
    }
    auto* hoch = findChild<QLabel*>("labLimitsHoch");
    hoch->setText(QString::fromStdString(Limitstext(grenzen.HochMax, grenzen.HochMin)));
    hoch->show();
    auto* rechts = findChild<QLabel*>("labLimitsRechts");
    rechts->setText(QString::fromStdString(Limitstext(grenzen.RechtsMax, grenzen.RechtsMin)));
    rechts->show();
    beschreibeMitGrenzen(Feld::texRechts, rechts->text());
    beschreibeMitGrenzen(Feld::texHoch, hoch->text());
}

// A field's rule, followed by the bounds that its label shows beside it, so
// that a screen reader says them when the field gets the focus.
void foBerechnungen::beschreibeMitGrenzen(Feld f, QString grenzen) {
    QString text = QString::fromUtf8(Beschreibung(f).regel);
    if (!grenzen.isEmpty()) text += "; " + grenzen.replace('\n', ", ");
    feld(f)->setAccessibleDescription(text);
}

void foBerechnungen::texRechts_GotFocus() {
    if (feld(Feld::texZone)->text().isEmpty()) {
        Fehlermeldung(ZoneZuerstMeldung);
        setzeFokus(Feld::texZone);
        return;
    }
    GotFocus(feld(Feld::texRechts));
}

void foBerechnungen::texHoch_GotFocus() {
    if (feld(Feld::texZone)->text().isEmpty()) {
        Fehlermeldung(ZoneZuerstMeldung);
        setzeFokus(Feld::texZone);
        return;
    }
    GotFocus(feld(Feld::texHoch));
}

// ---- Buttons and labels --------------------------------------------------

void foBerechnungen::comRechnen_Click() {
    // The Gauss-Krueger frame is made visible first, whatever the check then
    // says; this creates the output window (not shown) on first use.
    Ausgabefenster().zeigeGK(true);
    Eingabe e = eingabe();
    const Berechnungsergebnis ergebnis = Berechnung(InputFormat, e);
    uebernehme(e);
    if (InputFormat >= Eingabeformat::UTMzivil) EingabeOK = ergebnis.pruefung.ok;
    if (!ergebnis.pruefung.ok) {
        zeigePruefergebnis(ergebnis.pruefung);
        return;
    }
    if (!ergebnis.ausgabe) return;
    foAusgabe& ausgabe = Ausgabefenster();
    for (const Ausgabefeld& a : Ausgabefelder())
        if (ergebnis.ausgabe->texte.hat(a.feld))
            ausgabe.setzeText(a.feld, ergebnis.ausgabe->texte[a.feld]);
    ausgabe.zeigeGK(ergebnis.ausgabe->gkSichtbar);
    ausgabe.zeige();
}

void foBerechnungen::comStartoption_Click() {
    Eingangsfenster().zeige();
    verwerfe();
}

void foBerechnungen::labBeenden_DblClick() {
    Programmende();
}

void foBerechnungen::texMeridian_Click() {
    setzeFokus("texDummy");
}

// The example buttons write their format's example into its fields.
void foBerechnungen::schreibeBeispiel(int format) {
    for (Feld f : FormatNr(format)->felder)
        feld(f)->setText(QString::fromUtf8(Beschreibung(f).beispiel));
}

void foBerechnungen::comKrummboegleGrad_Click() {
    schreibeBeispiel(Eingabeformat::GradDezimal);
}

void foBerechnungen::comKrummboegleMercator_Click() {
    schreibeBeispiel(Eingabeformat::GradMinuten);
}

void foBerechnungen::comKrummboegleGMS_Click() {
    schreibeBeispiel(Eingabeformat::GradMinSek);
}

void foBerechnungen::comZIV_Click() {
    schreibeBeispiel(Eingabeformat::UTMzivil);
}

void foBerechnungen::comMIL_Click() {
    schreibeBeispiel(Eingabeformat::UTMmil);
}

void foBerechnungen::comREF_Click() {
    schreibeBeispiel(Eingabeformat::UTMref);
}

void foBerechnungen::comKrummboegleGK_Click() {
    schreibeBeispiel(Eingabeformat::GaussKrueger);
}

// ---- Used by the entry window and the conversion -------------------------

void foBerechnungen::setzeLabel(const char* name, const std::string& text) {
    findChild<QLabel*>(name)->setText(Anzeigetext(text));
}

// "Berechnung" names the frame it computes: after a paste the focus is on
// the button, and a screen reader learns there which format was recognised.
void foBerechnungen::zeigeRahmen(const char* rahmen) {
    auto* r = findChild<QGroupBox*>(rahmen);
    r->show();
    r->raise();
    findChild<QPushButton*>("comRechnen")->setAccessibleDescription(r->accessibleName());
}

void foBerechnungen::setzeFokus(const std::string& name) {
    if (auto* w = findChild<QWidget*>(QString::fromStdString(name))) fokus.bewege(w);
}

void foBerechnungen::setzeFokus(Feld f) {
    fokus.bewege(feld(f));
}

void foBerechnungen::fuelle(const Erkennung& r) {
    for (Feld f : FormatNr(r.format)->felder) {
        feld(f)->clear();
        feld(f)->tippe(QString::fromStdString(r.eingabe.text(f)));
    }
    for (std::size_t i = 0; i < OptionAnzahl; ++i)
        if (r.eingabe.an[i]) optionen[i]->setChecked(true);
}

Eingabe foBerechnungen::eingabe() const {
    Eingabe e;
    for (std::size_t i = 0; i < FeldAnzahl; ++i)
        e.texte[i] = felder[i]->text().toStdString();
    for (std::size_t i = 0; i < OptionAnzahl; ++i)
        e.an[i] = optionen[i]->isChecked();
    e.grenzen = grenzen;
    e.meridian = meridian->text().toStdString();
    return e;
}

void foBerechnungen::uebernehme(const Eingabe& e) {
    const auto setze = [](QLineEdit* f, const std::string& text) {
        const QString neu = QString::fromStdString(text);
        if (f->text() != neu) f->setText(neu);
    };
    for (std::size_t i = 0; i < FeldAnzahl; ++i)
        setze(felder[i], e.texte[i]);
    setze(meridian, e.meridian);
    grenzen = e.grenzen;
}

void foBerechnungen::zeigePruefergebnis(const Pruefergebnis& p) {
    if (p.fokus && p.fokusVorMeldung) setzeFokus(*p.fokus);
    if (!p.meldung.empty()) Fehlermeldung(p.meldung);
    if (p.fokus && !p.fokusVorMeldung) setzeFokus(*p.fokus);
}
