// Monkey test of the real windows: a fixed-seed stream of random user events
// (keys, clicks on fields, options and buttons, format choices, "Berechnung",
// "zurück", "Neue Startoptionen wählen", the example buttons), every message
// box answered (the quit question with No), and after every event the rules
// a user relies on:
//  - the output window appears only through a "Berechnung" whose check passed;
//  - a key changes only the field it was typed into, and only as the key
//    rules say (rejected: unchanged with its message; accepted: what the line
//    edit makes of the possibly converted character);
//  - "Berechnung" changes input fields only by the checks' normalisations;
//  - no computed field shows nan or inf.
// KARTOVEX_MONKEY_EVENTS and KARTOVEX_MONKEY_SEED override count and seed.
#include <QClipboard>
#include <QGroupBox>
#include <QPointer>
#include <QRadioButton>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <random>
#include <thread>

#include "checks/Gitterpruefungen.h"
#include "checks/Tastatur.h"
#include "geodesy/modKartovex.h"
#include "tests/windows/Fensterhilfe.h"
#include "tests/windows/Meldungsbox.h"
#include "workflow/Geopruefungen.h"

using namespace kartovex;
using namespace kartovex::test;

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr int Vorgabeanzahl = 1500;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr int Vorgabeanzahl = 1500;
#else
constexpr int Vorgabeanzahl = 5000;
#endif
#else
constexpr int Vorgabeanzahl = 5000;
#endif

int Umgebungszahl(const char* name, int vorgabe) {
    const QByteArray wert = qgetenv(name);
    return wert.isEmpty() ? vorgabe : wert.toInt();
}

// Aborts the run when no event finishes within the limit: a hang (a message
// box nobody answers, an endless focus ping-pong) must not stall ctest.
class Wachhund {
public:
    explicit Wachhund(std::chrono::seconds grenze)
        : faden([this, grenze] {
              std::unique_lock<std::mutex> sperre(m);
              long gesehen = -1;
              while (!fertig) {
                  if (wecker.wait_for(sperre, grenze, [&] { return fertig || stand != gesehen; })) {
                      gesehen = stand;
                      continue;
                  }
                  std::fprintf(stderr, "monkey: no progress for %lld s during %s\n",
                               static_cast<long long>(grenze.count()), was.c_str());
                  std::abort();
              }
          }) {}
    ~Wachhund() {
        {
            std::lock_guard<std::mutex> sperre(m);
            fertig = true;
        }
        wecker.notify_all();
        faden.join();
    }
    void weiter(std::string beschreibung) {
        {
            std::lock_guard<std::mutex> sperre(m);
            ++stand;
            was = std::move(beschreibung);
        }
        wecker.notify_all();
    }

private:
    std::mutex m;
    std::condition_variable wecker;
    long stand = 0;
    bool fertig = false;
    std::string was = "start";
    std::thread faden;
};

// One key as the keyboard delivers it, and the character code it means.
struct Taste {
    Qt::Key key;
    Qt::KeyboardModifiers mod;
    QString text;
    int code;
};

std::vector<Taste> Tastatur() {
    std::vector<Taste> t;
    for (int runde = 0; runde < 3; ++runde) // digits make the inputs that get far
        for (char c = '0'; c <= '9'; ++c)
            t.push_back({Qt::Key(Qt::Key_0 + (c - '0')), Qt::NoModifier, QString(c), c});
    for (char c : std::string("abcdnsuvwxz"))
        t.push_back({Qt::Key(Qt::Key_A + (c - 'a')), Qt::NoModifier, QString(c), c});
    for (char c : std::string("CEINTUXY"))
        t.push_back({Qt::Key(Qt::Key_A + (c - 'A')), Qt::ShiftModifier, QString(c), c});
    t.push_back({Qt::Key_Comma, Qt::NoModifier, ",", ','});
    t.push_back({Qt::Key_Comma, Qt::NoModifier, ",", ','});
    t.push_back({Qt::Key_Period, Qt::NoModifier, ".", '.'});
    t.push_back({Qt::Key_Minus, Qt::NoModifier, "-", '-'});
    t.push_back({Qt::Key_Space, Qt::NoModifier, " ", ' '});
    t.push_back({Qt::Key_Adiaeresis, Qt::NoModifier, "ä", 0xE4});
    t.push_back({Qt::Key_Odiaeresis, Qt::ShiftModifier, "Ö", 0xD6});
    t.push_back({Qt::Key_Udiaeresis, Qt::NoModifier, "ü", 0xFC});
    t.push_back({Qt::Key_ssharp, Qt::NoModifier, "ß", 0xDF});
    for (int runde = 0; runde < 3; ++runde) {
        t.push_back({Qt::Key_Backspace, Qt::NoModifier, "\b", 8});
        t.push_back({Qt::Key_Return, Qt::NoModifier, "\r", 13});
        t.push_back({Qt::Key_Tab, Qt::NoModifier, "\t", 9});
    }
    t.push_back({Qt::Key_Backtab, Qt::ShiftModifier, "", 9});
    t.push_back({Qt::Key_V, Qt::ControlModifier, "\x16", 22});
    return t;
}

// The key filters as the rules name them, and upper-casing, written again
// here from the rules rather than taken from the program.
bool Akzeptiert(Tastenfilter filter, int code) {
    const bool steuer = code == 8 || code == 9 || code == 13;
    const bool ziffer = code >= '0' && code <= '9';
    const bool buchstabe = (code >= 'A' && code <= 'Z') || (code >= 'a' && code <= 'z');
    switch (filter) {
    case Tastenfilter::Keiner:
        return true;
    case Tastenfilter::NurZiffern:
        return steuer || ziffer;
    case Tastenfilter::ZiffernUndKomma:
        return steuer || ziffer || code == ',' || code == '.';
    case Tastenfilter::ZiffernUndBuchstaben:
        return steuer || ziffer || buchstabe;
    case Tastenfilter::NurBuchstaben:
        return steuer || buchstabe;
    }
    return false;
}

int Gross(int code) {
    return code < 32 ? code : static_cast<int>(QChar(char16_t(code)).toUpper().unicode());
}

// What a plain line edit makes of a key, from the field's text, cursor and selection.
QString Zeileneditor(const QLineEdit& feld, Qt::Key key, Qt::KeyboardModifiers mod,
                     const QString& text) {
    QLineEdit probe;
    probe.setMaxLength(feld.maxLength());
    probe.setText(feld.text());
    probe.setReadOnly(feld.isReadOnly());
    if (feld.hasSelectedText()) {
        const int start = feld.selectionStart(), laenge = feld.selectionLength();
        if (feld.cursorPosition() == start)
            probe.setSelection(start + laenge, -laenge);
        else
            probe.setSelection(start, laenge);
    } else {
        probe.setCursorPosition(feld.cursorPosition());
    }
    QTest::sendKeyEvent(QTest::Click, &probe, key, text, mod);
    return probe.text();
}

// The input frame and first field of each format; the texts of its example button.
struct Format {
    const char* rahmen;
    const char* erstesFeld;
    const char* beispielknopf;
    std::vector<std::pair<const char*, const char*>> beispiel;
};

const Format Formate[8] = {
    {},
    {"fraGrad",
     "texBreite",
     "comKrummboegleGrad",
     {{"texBreite", "48.4363326641023"}, {"texLaenge", "9.96796724981198"}}},
    {"fraGradMin",
     "texBreiteGrad",
     "comKrummboegleMercator",
     {{"texBreiteGrad", "48"},
      {"texBreiteMinute", "26.179960"},
      {"texLaengeGrad", "9"},
      {"texLaengeMinute", "58.078035"}}},
    {"fraGradMinSek",
     "texBGrad",
     "comKrummboegleGMS",
     {{"texBGrad", "48"},
      {"texBMinute", "26"},
      {"texBSekunde", "10.80"},
      {"texLGrad", "9"},
      {"texLMinute", "58"},
      {"texLSekunde", "4.68"}}},
    {"fraZIV",
     "texZone",
     "comZIV",
     {{"texZone", "32U"}, {"texRechts", "0571595"}, {"texHoch", "5365251"}}},
    {"fraMIL",
     "texZoneM",
     "comMIL",
     {{"texZoneM", "32U"},
      {"tex100km", "NU"},
      {"tex10km", "76"},
      {"tex1km", "15"},
      {"tex100m", "52"},
      {"tex10m", "95"},
      {"tex1m", "51"}}},
    {"fraREF",
     "texREFZone",
     "comREF",
     {{"texREFZone", "32U"}, {"texREF100", "NU"}, {"texREFZiffern", "7159565251"}}},
    {"fraGK",
     "texGKRechts",
     "comKrummboegleGK",
     {{"texGKRechts", "3571699.06"}, {"texGKHoch", "5366959.20"}}},
};

int BeispielFormat(const QString& knopf) {
    for (int f = 1; f <= 7; ++f)
        if (knopf == Formate[f].beispielknopf) return f;
    return 0;
}

// The example text of an input field, empty when it has none.
QString Beispieltext(const QString& feld) {
    for (const Format& f : Formate)
        for (const auto& [name, text] : f.beispiel)
            if (feld == name) return text;
    return {};
}

// The key that types a digit, a letter, ',' or '.'.
Taste TasteFuer(QChar c) {
    const int code = c.unicode();
    if (c.isDigit()) return {Qt::Key(Qt::Key_0 + (code - '0')), Qt::NoModifier, QString(c), code};
    if (c.isUpper())
        return {Qt::Key(Qt::Key_A + (code - 'A')), Qt::ShiftModifier, QString(c), code};
    if (c.isLower()) return {Qt::Key(Qt::Key_A + (code - 'a')), Qt::NoModifier, QString(c), code};
    return {c == ',' ? Qt::Key_Comma : Qt::Key_Period, Qt::NoModifier, QString(c), code};
}

// The whole-input check of a format, run on a copy of the window's input.
Pruefergebnis Pruefung(int format, Eingabe e) {
    switch (format) {
    case 1:
        return PruefeGradDezimal(e);
    case 2:
        return PruefeGradMinuten(e);
    case 3:
        return PruefeGradMinSek(e);
    case 4:
        return PruefeUTMzivil(e);
    case 5:
        return PruefeUTMmil(e);
    case 6:
        return PruefeUTMref(e);
    case 7:
        return PruefeGK(e);
    default:
        return {};
    }
}

bool NanOderInf(const QString& t) {
    return t.contains("nan", Qt::CaseInsensitive) || t.contains("inf", Qt::CaseInsensitive);
}

// True when the check of `format` may have turned `vorher` into `nachher`:
// "0" in empty minute and second fields, zero-filled 2-digit groups, ten
// zeros for an empty UTMREF digit group, ".00" after a Gauss-Krueger value
// without a point, and the meridian written by a Gauss-Krueger run.
bool Normalisierung(int format, bool ok, const QString& feld, const QString& vorher,
                    const QString& nachher) {
    if (vorher == nachher) return true;
    static const std::map<QString, int> nullFelder = {
        {"texBreiteMinute", 2}, {"texLaengeMinute", 2}, {"texBMinute", 3},
        {"texBSekunde", 3},     {"texLMinute", 3},      {"texLSekunde", 3}};
    if (auto it = nullFelder.find(feld); it != nullFelder.end() && it->second == format)
        return vorher.isEmpty() && nachher == "0";
    static const QStringList gruppen = {"tex10km", "tex1km", "tex100m", "tex10m", "tex1m"};
    if (format == 5 && gruppen.contains(feld))
        return (vorher.isEmpty() && nachher == "00") ||
               (vorher.size() == 1 && nachher == "0" + vorher);
    if (format == 6 && feld == "texREFZiffern")
        return vorher.isEmpty() && nachher == QString(10, '0');
    if (format == 7 && (feld == "texGKRechts" || feld == "texGKHoch"))
        return !vorher.contains('.') && nachher == vorher + ".00";
    if (format == 7 && feld == "texMeridian")
        return ok && !nachher.isEmpty() && !NanOderInf(nachher);
    return false;
}

using Texte = std::map<QString, QString>; // objectName of a text field -> text

Texte Feldtexte(const QWidget* fenster) {
    Texte t;
    if (fenster)
        for (const QLineEdit* f : fenster->findChildren<QLineEdit*>())
            t[f->objectName()] = f->text();
    return t;
}

// The three windows as they stand between two events.
struct Stand {
    QPointer<foEingang> eingang = EingangsfensterFallsDa();
    QPointer<foBerechnungen> berechnung = BerechnungsfensterFallsDa();
    QPointer<foAusgabe> ausgabe = AusgabefensterFallsDa();
    Texte eingangTexte = Feldtexte(eingang);
    Texte berechnungTexte = Feldtexte(berechnung);
    Texte ausgabeTexte = Feldtexte(ausgabe);
    bool ausgabeSichtbar = ausgabe && ausgabe->isVisible();
};

// What one event may do, beyond leaving everything as it was.
struct Erwartung {
    std::string beschreibung;
    // Expected texts of the calculation window's fields after the event,
    // where they differ from before (a key or an example button).
    Texte berechnungNeu;
    Texte eingangNeu;
    Texte ausgabeNeu;
    bool berechnung = false;            // "Berechnung" was clicked
    std::optional<QString> ablehnung;   // a rejected key: this message, nothing else
    bool boxenVerboten = false;         // an accepted key that moves no focus
    std::optional<QString> fokusDanach; // objectName of the field that has the focus after
    QString quitFrage;                  // the quit question was asked
    QPointer<QRadioButton> option;      // clicked option button
};

class Affe : public FensterTest {
protected:
    void SetUp() override {
        FensterTest::SetUp();
        // Ctrl+V in a field without filter pastes this; the filtered fields refuse it.
        QGuiApplication::clipboard()->setText("12,5x");
    }

    std::mt19937 zufall;
    Meldungsbox boxen; // OK for every error box; the quit question is answered No
    std::vector<Taste> tasten = Tastatur();
    // What the user is about to do next (the keys of a value, then "Berechnung").
    std::deque<std::function<void(Erwartung&)>> vorhaben;

    // Filled by the pressed signal of comRechnen, right before the click.
    std::optional<Pruefergebnis> pruefung;
    int pruefFormat = 0;
    std::size_t boxenBeiDruck = 0;
    QPointer<foBerechnungen> beobachtet;

    std::map<std::string, int> zaehler;

    int wuerfel(int n) { return std::uniform_int_distribution<int>(0, n - 1)(zufall); }
    template <class T> T* eines(const QList<T*>& liste) {
        return liste.isEmpty() ? nullptr : liste[wuerfel(int(liste.size()))];
    }

    void beobachteRechnen() {
        foBerechnungen* b = BerechnungsfensterFallsDa();
        if (!b || b == beobachtet) return;
        beobachtet = b;
        QObject::connect(Kind<QPushButton>(*b, "comRechnen"), &QPushButton::pressed, b, [this, b] {
            pruefFormat = InputFormat;
            pruefung = Pruefung(InputFormat, b->eingabe());
            boxenBeiDruck = boxen.boxen.size();
        });
    }

    // The user clicks into a window before working in it: it becomes active.
    static void aktiviere(QWidget* fenster) {
        if (!fenster || fenster->isActiveWindow()) return;
        fenster->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(fenster)) << fenster->objectName().toStdString();
    }

    std::vector<QWidget*> fenster() const {
        std::vector<QWidget*> f;
        for (QWidget* w : std::initializer_list<QWidget*>{
                 EingangsfensterFallsDa(), BerechnungsfensterFallsDa(), AusgabefensterFallsDa()})
            if (w && w->isVisible()) f.push_back(w);
        return f;
    }

    // The controls of a window the mouse can reach: shown, enabled, and not
    // covered by another frame or outside the window.
    template <class T> QList<T*> sichtbare(QWidget* fenster) const {
        QList<T*> liste;
        if (fenster)
            for (T* w : fenster->findChildren<T*>()) {
                const QPoint mitte = w->mapTo(fenster, w->rect().center());
                if (w->isVisible() && w->isEnabled() && w->focusPolicy() != Qt::NoFocus &&
                    fenster->childAt(mitte) == w)
                    liste << w;
            }
        return liste;
    }

    // The state before the event, taken once the user's window is active.
    std::optional<Stand> vor;
    std::size_t boxenVorher = 0;
    Wachhund* hund = nullptr;
    std::string nummer;
    const bool gespraechig = qEnvironmentVariableIsSet("KARTOVEX_MONKEY_VERBOSE");

    void beginne(Erwartung& e, std::string beschreibung) {
        e.beschreibung = std::move(beschreibung);
        vor.emplace();
        boxenVorher = boxen.boxen.size();
        if (hund) hund->weiter(nummer + ": " + e.beschreibung);
        if (gespraechig) std::fprintf(stderr, "%s: %s\n", nummer.c_str(), e.beschreibung.c_str());
    }

    // ---- The events -----------------------------------------------------------

    // A button pressed by mouse or by Space: what it is expected to do.
    void knopfErwartung(QPushButton* knopf, Erwartung& e) {
        const QString name = knopf->objectName();
        if (name == "comRechnen") e.berechnung = true;
        if (name == "comBeenden") {
            boxen.antworte({QMessageBox::No});
            e.quitFrage = "Wollen Sie KartovexLE wirklich beenden?";
        }
        if (int f = BeispielFormat(name))
            for (const auto& [feld, text] : Formate[f].beispiel)
                e.berechnungNeu[feld] = text;
        for (int f = 1; f <= 7; ++f)
            if (name == Formatknopf[f]) e.fokusDanach = Formate[f].erstesFeld;
    }

    void klickeKnopf(QPushButton* knopf, Erwartung& e) {
        aktiviere(knopf->window());
        beginne(e, "click " + knopf->objectName().toStdString());
        knopfErwartung(knopf, e);
        QTest::mouseClick(knopf, Qt::LeftButton);
    }

    void tippe(Erwartung& e) { tippe(tasten[wuerfel(int(tasten.size()))], e); }

    void tippe(const Taste& t, Erwartung& e) {
        QWidget* ziel = QApplication::focusWidget();
        if (!ziel) ziel = QApplication::activeWindow();
        if (!ziel) {
            std::vector<QWidget*> f = fenster();
            ziel = f[wuerfel(int(f.size()))];
            aktiviere(ziel);
        }
        beginne(e, "key " + (t.text.isEmpty() ? std::string("Backtab") : t.text.toStdString()) +
                       " (" + std::to_string(t.code) + ") into " +
                       ziel->objectName().toStdString());
        if (auto* knopf = qobject_cast<QPushButton*>(ziel); knopf && t.key == Qt::Key_Space)
            knopfErwartung(knopf, e);
        if (auto* feld = qobject_cast<QLineEdit*>(ziel)) tastenErwartung(*feld, t, e);
        ++zaehler["key"];
        QTest::sendKeyEvent(QTest::Click, ziel, t.key, t.text, t.mod);
    }

    // The key rules: upper-casing, filter (rejected: message, field unchanged),
    // ',' becomes '.', Enter moves the focus, everything else is typed.
    void tastenErwartung(const QLineEdit& feld, const Taste& t, Erwartung& e) {
        QWidget* fenster = feld.window();
        const Feldregel* regel = fenster == BerechnungsfensterFallsDa()
                                     ? RegelFuer(feld.objectName().toStdString())
                                     : nullptr;
        Texte& neu = fenster == BerechnungsfensterFallsDa() ? e.berechnungNeu
                     : fenster == EingangsfensterFallsDa()  ? e.eingangNeu
                                                            : e.ausgabeNeu;
        if (!regel) {
            if (t.code != 9 && t.code != 13)
                neu[feld.objectName()] = Zeileneditor(feld, t.key, t.mod, t.text);
            return;
        }
        int code = regel->grossschreibung ? Gross(t.code) : t.code;
        if (!Akzeptiert(regel->filter, code)) {
            e.ablehnung = "Die Eingabe von\n" + QString(QChar(char16_t(code))) + "\n" +
                          QString::fromUtf8(regel->meldungsende.data(),
                                            qsizetype(regel->meldungsende.size()));
            ++zaehler["rejected key"];
            return;
        }
        ++zaehler["accepted key"];
        if (code == 13) {
            e.fokusDanach =
                QString::fromUtf8(regel->enterZiel.data(), qsizetype(regel->enterZiel.size()));
            return;
        }
        if (code == 9) return; // Tab moves the focus; its handlers may show boxes
        e.boxenVerboten = true;
        if (regel->filter == Tastenfilter::ZiffernUndKomma && code == ',') code = '.';
        if (code == t.code)
            neu[feld.objectName()] = Zeileneditor(feld, t.key, t.mod, t.text);
        else
            neu[feld.objectName()] =
                Zeileneditor(feld, Qt::Key_unknown, Qt::NoModifier, QString(QChar(char16_t(code))));
    }

    void klickeFeld(Erwartung& e) {
        std::vector<QWidget*> f = fenster();
        klicke(eines(sichtbare<QLineEdit>(f[wuerfel(int(f.size()))])), e);
    }

    // The user types a value into an input field: a click into it, then the
    // keys, one per event. With `patzer` the value is the field's example
    // with one slip (cut short, without decimals, a character missing or
    // mistyped), so that the checks get past their first rules; without,
    // the example itself. Fields without an example get random digits.
    void wertEintippen(const QString& feld, bool patzer) {
        vorhaben.push_back([this, feld](Erwartung& e) {
            if (foBerechnungen* b = BerechnungsfensterFallsDa())
                if (QLineEdit* f = Kind<QLineEdit>(*b, feld.toUtf8().constData());
                    sichtbare<QLineEdit>(b).contains(f))
                    klicke(f, e);
        });
        QString wert = Beispieltext(feld);
        if (wert.isEmpty()) {
            for (int n = 1 + wuerfel(8); n > 0; --n) {
                const int w = wuerfel(20);
                wert += w == 0 ? QChar(',') : w == 1 ? QChar('.') : QChar('0' + wuerfel(10));
            }
        } else if (patzer) {
            const int stelle = wuerfel(int(wert.size()));
            switch (wuerfel(4)) {
            case 3:
                if (wert.contains('.')) {
                    wert.truncate(wert.indexOf('.'));
                    break;
                }
                [[fallthrough]];
            case 0:
                wert.truncate(stelle);
                break;
            case 1:
                wert.remove(stelle, 1);
                break;
            default:
                wert[stelle] = QChar('0' + wuerfel(10));
            }
        }
        if (wert.isEmpty()) wert = "\b"; // the click selected the text: Backspace clears it
        for (QChar c : wert) {
            const Taste t =
                c == '\b' ? Taste{Qt::Key_Backspace, Qt::NoModifier, "\b", 8} : TasteFuer(c);
            vorhaben.push_back([this, t](Erwartung& e) { tippe(t, e); });
        }
    }

    void rechnen() {
        vorhaben.push_back([this](Erwartung& e) {
            if (foBerechnungen* b = BerechnungsfensterFallsDa())
                klickeKnopf(Kind<QPushButton>(*b, "comRechnen"), e);
        });
    }

    // One value into a field the mouse reaches; at times Enter, "Berechnung".
    void zahl() {
        QList<QLineEdit*> felder;
        for (QLineEdit* f : sichtbare<QLineEdit>(BerechnungsfensterFallsDa()))
            if (RegelFuer(f->objectName().toStdString())) felder << f;
        if (felder.isEmpty()) return;
        wertEintippen(eines(felder)->objectName(), wuerfel(2) == 0);
        if (wuerfel(3) == 0)
            vorhaben.push_back([this](Erwartung& e) {
                tippe({Qt::Key_Return, Qt::NoModifier, "\r", 13}, e);
            });
        if (wuerfel(2) == 0) rechnen();
    }

    // The whole frame of the chosen format filled in, one field with a slip,
    // then "Berechnung".
    void formular() {
        if (InputFormat < 1 || InputFormat > 7) return;
        const auto& felder = Formate[InputFormat].beispiel;
        const std::size_t patzer = std::size_t(wuerfel(int(felder.size()) + 1));
        for (std::size_t i = 0; i < felder.size(); ++i)
            wertEintippen(felder[i].first, i == patzer);
        rechnen();
    }

    void klicke(QLineEdit* feld, Erwartung& e) {
        if (!feld) return;
        aktiviere(feld->window());
        beginne(e, "click field " + feld->objectName().toStdString());
        ++zaehler["field click"];
        QTest::mouseClick(feld, Qt::LeftButton, {},
                          QPoint(wuerfel(feld->width()), feld->height() / 2));
    }

    void klickeOption(Erwartung& e) {
        QRadioButton* o = eines(sichtbare<QRadioButton>(BerechnungsfensterFallsDa()));
        if (!o) return;
        aktiviere(o->window());
        beginne(e, "click option " + o->objectName().toStdString());
        e.option = o;
        QTest::mouseClick(o, Qt::LeftButton);
    }

    // Ctrl+1 ... Ctrl+7 press the example buttons of the calculation window.
    void beispiel(Erwartung& e) {
        foBerechnungen* b = BerechnungsfensterFallsDa();
        if (!b) return;
        aktiviere(b);
        const int f = 1 + wuerfel(7);
        beginne(e, "Ctrl+" + std::to_string(f));
        for (const auto& [feld, text] : Formate[f].beispiel)
            e.berechnungNeu[feld] = text;
        ++zaehler["example"];
        QWidget* ziel = QApplication::focusWidget() ? QApplication::focusWidget() : b;
        QTest::keyClick(ziel, Qt::Key(Qt::Key_0 + f), Qt::ControlModifier);
    }

    void ereignis(Erwartung& e) {
        const int w = wuerfel(100);
        foBerechnungen* b = BerechnungsfensterFallsDa();
        foAusgabe* a = AusgabefensterFallsDa();
        if (a && !a->isVisible()) a = nullptr; // created by a failed check, never shown
        foEingang* ein = EingangsfensterFallsDa();
        if (!vorhaben.empty()) {
            const auto naechstes = std::move(vorhaben.front());
            vorhaben.pop_front();
            return naechstes(e);
        }
        if (w < 45) return tippe(e);
        if (w < 51) return zahl();
        if (w < 55) return formular();
        if (w < 65) return klickeFeld(e);
        if (w < 73 && b) return klickeKnopf(Kind<QPushButton>(*b, "comRechnen"), e);
        if (w < 79 && ein)
            return klickeKnopf(Kind<QPushButton>(*ein, Formatknopf[1 + wuerfel(7)]), e);
        if (w < 84) return beispiel(e);
        if (w < 88) return klickeOption(e);
        if (w < 92 && a) return klickeKnopf(Kind<QPushButton>(*a, "comZurueck"), e);
        if (w < 94 && b) return klickeKnopf(Kind<QPushButton>(*b, "comStartoption"), e);
        if (w < 95 && ein) return klickeKnopf(Kind<QPushButton>(*ein, "comBeenden"), e);
        if (w < 96 && b) {
            // A single click on the quit label does nothing; never a double click.
            aktiviere(b);
            beginne(e, "single click labBeenden");
            return QTest::mouseClick(Kind<QLabel>(*b, "labBeenden"), Qt::LeftButton);
        }
        std::vector<QWidget*> f = fenster();
        QWidget* ziel = f[wuerfel(int(f.size()))];
        beginne(e, "activate " + ziel->objectName().toStdString());
        aktiviere(ziel);
    }

    // ---- The invariants -----------------------------------------------------------

    static void vergleiche(const char* fenster, const Texte& vorher, const Texte& neu,
                           const Texte& nachher) {
        for (const auto& [feld, text] : nachher) {
            auto n = neu.find(feld);
            const QString erwartet = n != neu.end() ? n->second : vorher.at(feld);
            EXPECT_EQ(text.toStdString(), erwartet.toStdString())
                << fenster << "/" << feld.toStdString();
        }
    }

    void pruefe(const Stand& vor, const Erwartung& e, std::size_t boxenVorher) {
        const Stand nach;
        const bool gerechnet = e.berechnung && pruefung.has_value();
        pruefeRechnung(vor, nach, gerechnet);
        pruefeFelder(vor, nach, e, gerechnet);
        pruefeBoxen(vor, nach, e, boxenVorher);
    }

    // The output window appears only after a check that passed; a failed
    // check shows its message, a passed one at most the module's fault message.
    void pruefeRechnung(const Stand& vor, const Stand& nach, bool gerechnet) {
        const bool bestanden = gerechnet && pruefung->ok;
        if (!vor.ausgabeSichtbar && nach.ausgabeSichtbar) {
            EXPECT_TRUE(bestanden) << "output window shown without a passed check";
        }
        if (!gerechnet) return;
        ++zaehler[bestanden ? "Berechnung passed" : "Berechnung failed"];
        ++zaehler["Berechnung format " + std::to_string(pruefFormat)];
        EXPECT_EQ(nach.ausgabeSichtbar, bestanden || vor.ausgabeSichtbar);
        QStringList danach;
        for (std::size_t i = boxenBeiDruck; i < boxen.boxen.size(); ++i)
            danach << boxen.boxen[i].text;
        if (bestanden) {
            for (const QString& t : danach)
                EXPECT_EQ(t, Boxtext(modKartovex::FehlerMeldung.c_str()));
        } else if (!pruefung->meldung.empty()) {
            EXPECT_TRUE(danach.contains(Boxtext(pruefung->meldung.c_str()))) << pruefung->meldung;
        }
        if (nach.berechnung && pruefFormat >= 4) {
            EXPECT_EQ(nach.berechnung->EingabeOK, pruefung->ok);
        }
    }

    // Field texts stay unless the event typed, wrote an example or let a
    // check normalise; no computed text shows nan or inf.
    void pruefeFelder(const Stand& vor, const Stand& nach, const Erwartung& e, bool gerechnet) {
        const bool bestanden = gerechnet && pruefung->ok;
        if (vor.eingang && vor.eingang == nach.eingang)
            vergleiche("foEingang", vor.eingangTexte, e.eingangNeu, nach.eingangTexte);
        if (vor.berechnung && vor.berechnung == nach.berechnung && gerechnet) {
            for (const auto& [feld, text] : nach.berechnungTexte) {
                const QString& alt = vor.berechnungTexte.at(feld);
                if (alt != text) ++zaehler["normalised " + feld.toStdString()];
                EXPECT_TRUE(Normalisierung(pruefFormat, bestanden, feld, alt, text))
                    << feld.toStdString() << ": '" << alt.toStdString() << "' became '"
                    << text.toStdString() << "'";
            }
        } else if (vor.berechnung && vor.berechnung == nach.berechnung) {
            vergleiche("foBerechnungen", vor.berechnungTexte, e.berechnungNeu,
                       nach.berechnungTexte);
        }
        if (nach.berechnung && nach.berechnung != vor.berechnung) {
            for (const auto& [feld, text] : nach.berechnungTexte)
                EXPECT_TRUE(text.isEmpty()) << "new window, " << feld.toStdString();
        }
        if (vor.ausgabe && vor.ausgabe == nach.ausgabe && !bestanden)
            vergleiche("foAusgabe", vor.ausgabeTexte, e.ausgabeNeu, nach.ausgabeTexte);

        if (nach.ausgabe) {
            for (const QLineEdit* f : nach.ausgabe->findChildren<QLineEdit*>()) {
                if (f->isReadOnly() || bestanden) {
                    EXPECT_FALSE(NanOderInf(f->text())) << f->objectName().toStdString();
                }
            }
            EXPECT_FALSE(NanOderInf(Kind<QLabel>(*nach.ausgabe, "labStreifenbreite")->text()));
        }
        if (nach.berechnung) {
            EXPECT_FALSE(NanOderInf(Kind<QLineEdit>(*nach.berechnung, "texMeridian")->text()));
        }
    }

    // The boxes an event showed, and where the focus went.
    void pruefeBoxen(const Stand& vor, const Stand& nach, const Erwartung& e,
                     std::size_t boxenVorher) {
        const std::size_t neu = boxen.boxen.size() - boxenVorher;
        for (std::size_t i = boxenVorher; i < boxen.boxen.size(); ++i) {
            EXPECT_EQ(boxen.boxen[i].titel, Programmtitel);
            EXPECT_FALSE(NanOderInf(boxen.boxen[i].text)) << boxen.boxen[i].text.toStdString();
        }
        if (e.ablehnung) {
            ASSERT_EQ(neu, 1u);
            EXPECT_EQ(boxen.boxen.back().text, *e.ablehnung);
        }
        if (e.boxenVerboten) {
            EXPECT_EQ(neu, 0u);
        }
        if (!e.quitFrage.isEmpty()) {
            ASSERT_EQ(neu, 1u);
            EXPECT_EQ(boxen.boxen.back().text, e.quitFrage);
            EXPECT_EQ(boxen.boxen.back().symbol, QMessageBox::Question);
            EXPECT_TRUE(nach.eingang && nach.eingang == vor.eingang);
            EXPECT_EQ(nach.berechnung, vor.berechnung);
            EXPECT_EQ(nach.ausgabe, vor.ausgabe);
        }
        if (e.fokusDanach && neu == 0 && nach.berechnung) {
            const QWidget* fokus = nach.berechnung->focusWidget();
            EXPECT_EQ(fokus ? fokus->objectName().toStdString() : "", e.fokusDanach->toStdString());
        }
        if (e.option) {
            EXPECT_TRUE(e.option->isChecked()) << e.option->objectName().toStdString();
        }
    }
};

TEST_F(Affe, ThousandsOfRandomEventsKeepTheWindowsConsistent) {
    const int anzahl = Umgebungszahl("KARTOVEX_MONKEY_EVENTS", Vorgabeanzahl);
    const int saat = Umgebungszahl("KARTOVEX_MONKEY_SEED", 20140201);
    zufall.seed(static_cast<unsigned>(saat));
    Wachhund wachhund(std::chrono::seconds(60));
    hund = &wachhund;

    for (int i = 0; i < anzahl && !HasFailure(); ++i) {
        // Windows that were closed are deleted; a window the last box left
        // inactive is activated again as soon as the next event needs it.
        QCoreApplication::processEvents();
        Aufraeumen();
        if (!EingangsfensterFallsDa() && !BerechnungsfensterFallsDa() && !AusgabefensterFallsDa())
            Programmstart(); // the program ended: start it again
        beobachteRechnen();
        pruefung.reset();
        vor.reset();
        nummer = "event " + std::to_string(i) + " of seed " + std::to_string(saat);
        SCOPED_TRACE(nummer);
        Erwartung e;
        ereignis(e);
        if (!vor) continue; // nothing to do on the windows as they are
        QCoreApplication::processEvents();
        SCOPED_TRACE(e.beschreibung);
        pruefe(*vor, e, boxenVorher);
    }

    // The stream reached the interesting states, not just the entry window.
    for (const char* was : {"key", "rejected key", "accepted key", "field click", "example",
                            "Berechnung passed", "Berechnung failed"})
        EXPECT_GT(zaehler[was], 0) << was;
    for (const auto& [was, n] : zaehler)
        std::printf("  %-26s %d\n", was.c_str(), n);
    std::printf("  %-26s %zu\n", "message boxes", boxen.boxen.size());
}

} // namespace
