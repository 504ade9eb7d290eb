// Monkey test of the real windows: a fixed-seed stream of random user events
// (keys, clicks on fields, options and buttons, format choices, the example
// buttons, whole frames typed key by key, "Berechnung", "zurück", "Neue
// Startoptionen wählen", the quit question answered No), every box answered,
// and after every event:
//  - the output window appears only after a "Berechnung" whose check passed;
//  - the calculation window's fields change only by the key rules of the
//    field table (a rejected key: its message and nothing else) and the
//    example buttons, and through "Berechnung" only by the format check's
//    normalisations (and the meridian of a Gauss-Krueger run);
//  - no computed text shows nan or inf.
// KARTOVEX_MONKEY_EVENTS and KARTOVEX_MONKEY_SEED override count and seed.
#include <QClipboard>
#include <QRadioButton>

#include <deque>
#include <optional>
#include <random>

#include "checks/Tastatur.h"
#include "geodesy/modKartovex.h"
#include "tests/windows/Fensterhilfe.h"

using namespace kartovex;
using namespace kartovex::test;

namespace {

// The sanitizer build, several times slower, sets a smaller default.
#ifndef KARTOVEX_MONKEY_VORGABE
#define KARTOVEX_MONKEY_VORGABE 5000
#endif

using Texte = std::map<QString, QString>;

struct Taste {
    Qt::Key key;
    QString text;
    int code; // what the key handlers see
    Qt::KeyboardModifiers mod = Qt::NoModifier;
};

// A key that types the character; Backspace, Tab, Enter and Ctrl+V (code 22)
// are their control characters. Qt's key is the upper-case character.
Taste TasteFuer(QChar c) {
    const std::map<int, Qt::Key> steuer = {
        {8, Qt::Key_Backspace}, {9, Qt::Key_Tab}, {13, Qt::Key_Return}, {22, Qt::Key_V}};
    const int u = c.unicode();
    return {u < 32 ? steuer.at(u) : Qt::Key(c.toUpper().unicode()), c, u,
            u == 22       ? Qt::ControlModifier
            : c.isUpper() ? Qt::ShiftModifier
                          : Qt::NoModifier};
}

// Digits thrice: they make the inputs that get far. Ctrl+V pastes "12,5x"
// into the fields without a filter.
const QString Tastatur = "012345678901234567890123456789abcdnsuvwxzCEINTUXY,,.- äß\b\b\r\r\t\x16";

// What a plain line edit makes of the key, from the field's text, cursor and selection.
QString Zeileneditor(const QLineEdit& feld, const Taste& t) {
    QLineEdit probe(feld.text());
    probe.setReadOnly(feld.isReadOnly());
    probe.setCursorPosition(feld.cursorPosition());
    if (feld.hasSelectedText()) probe.setSelection(feld.selectionStart(), feld.selectionLength());
    QTest::sendKeyEvent(QTest::Click, &probe, t.key, t.text, t.mod);
    return probe.text();
}

bool NanOderInf(const QString& t) {
    return t.contains("nan", Qt::CaseInsensitive) || t.contains("inf", Qt::CaseInsensitive);
}

struct Stand {
    QPointer<foBerechnungen> b = BerechnungsfensterFallsDa();
    QPointer<foAusgabe> a = AusgabefensterFallsDa();
    Texte bTexte = Felder(b), aTexte = Felder(a);
    bool aSichtbar = a && a->isVisible();
};

class Affe : public FensterTest {
protected:
    std::mt19937 zufall;
    Meldungsbox boxen; // OK for every box; the quit question has none, so it is No
    std::deque<std::function<void()>> vorhaben; // keys of a whole frame, then "Berechnung"
    std::map<std::string, int> zaehler;
    // Taken by the pressed signal of comRechnen, right before its click: the
    // format check's verdict and the input as the check leaves it.
    std::optional<Pruefergebnis> pruefung;
    Eingabe geprueft;
    int pruefFormat = 0;
    int boxenBeiDruck = 0;
    QPointer<foBerechnungen> beobachtet;
    // The event: the state before it, and what it may do besides nothing.
    std::optional<Stand> vor;
    int boxenVorher = 0;
    std::string was;
    Texte neu;                        // fields of the calculation window typed or written
    std::optional<QString> ablehnung; // a rejected key's message
    bool ohneBox = false;

    int wuerfel(int n) { return std::uniform_int_distribution<int>(0, n - 1)(zufall); }
    template <class T> T* eines(const QList<T*>& l) {
        return l.isEmpty() ? nullptr : l[wuerfel(int(l.size()))];
    }
    // A shown window, and the controls in it the mouse reaches (not covered).
    QWidget* einFenster() {
        QList<QWidget*> f;
        for (QWidget* w : std::initializer_list<QWidget*>{
                 EingangsfensterFallsDa(), BerechnungsfensterFallsDa(), AusgabefensterFallsDa()})
            if (w && w->isVisible()) f << w;
        return eines(f);
    }
    template <class T> QList<T*> sichtbare(QWidget* fenster) {
        QList<T*> l;
        for (T* w : fenster ? fenster->findChildren<T*>() : QList<T*>())
            if (w->isVisible() && w->isEnabled() && w->focusPolicy() != Qt::NoFocus &&
                fenster->childAt(w->mapTo(fenster, w->rect().center())) == w)
                l << w;
        return l;
    }

    // The state before the event, once the user's window is active.
    void beginne(QWidget* fenster, const std::string& beschreibung) {
        if (!fenster->isActiveWindow()) {
            fenster->activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(fenster));
        }
        vor.emplace();
        boxenVorher = int(boxen.boxen.size());
        was = beschreibung;
    }

    void beispiel(int f) {
        for (const QString& paar : Formatknoepfe[f].beispiel())
            neu[paar.section('=', 0, 0)] = paar.section('=', 1);
    }

    void klicke(QWidget* w) {
        if (!w) return;
        beginne(w->window(), "click " + w->objectName().toStdString());
        const bool feld = qobject_cast<QLineEdit*>(w);
        QTest::mouseClick(w, Qt::LeftButton, {},
                          feld ? QPoint(wuerfel(w->width()), w->height() / 2) : w->rect().center());
    }

    void tippe(Taste t) {
        QWidget* ziel = QApplication::focusWidget();
        if (!ziel) return;
        beginne(ziel->window(),
                "key " + std::to_string(t.code) + " into " + ziel->objectName().toStdString());
        const Taste gedrueckt = t;
        for (int f = 1; f <= 7 && t.key == Qt::Key_Space; ++f)
            if (ziel->objectName() == Formatknoepfe[f].beispielknopf) beispiel(f);
        auto* feld = qobject_cast<QLineEdit*>(ziel);
        const bool imRechenfenster = feld && feld->window() == vor->b;
        const std::optional<Feld> id =
            imRechenfenster ? FeldNamens(feld->objectName().toStdString()) : std::nullopt;
        // A field of the table follows its key rule; other fields take the key as it is.
        Tastenentscheid entscheid;
        entscheid.code = t.code;
        if (id) entscheid = Tastendruck(*id, t.code);
        if (!entscheid.meldung.empty()) {
            ablehnung = Stop(entscheid.meldung);
            ++zaehler["rejected key"];
        } else if (imRechenfenster && t.code != 9 && t.code != 13) {
            ohneBox = true; // the focus stays: no handler runs
            if (entscheid.code != gedrueckt.code)
                t = {Qt::Key_unknown, QChar(entscheid.code), entscheid.code};
            neu[feld->objectName()] = Zeileneditor(*feld, t);
        }
        QTest::sendKeyEvent(QTest::Click, ziel, gedrueckt.key, gedrueckt.text, gedrueckt.mod);
    }

    // The frame of the chosen format typed field by field (a click into each),
    // one value with a slip at times, then "Berechnung".
    void formular() {
        const QStringList beispiel = Formatknoepfe[InputFormat].beispiel();
        const int patzer = wuerfel(int(beispiel.size()) + 1);
        for (int i = 0; i < beispiel.size(); ++i) {
            const QString feld = beispiel[i].section('=', 0, 0);
            QString wert = beispiel[i].section('=', 1);
            vorhaben.push_back([this, feld] {
                foBerechnungen* b = BerechnungsfensterFallsDa();
                QLineEdit* f = b ? b->findChild<QLineEdit*>(feld) : nullptr;
                if (f && sichtbare<QLineEdit>(b).contains(f)) klicke(f);
            });
            if (i == patzer) wert.truncate(wuerfel(int(wert.size()))); // the slip: cut short
            for (QChar c : wert.isEmpty() ? QString("\b") : wert) // Backspace clears the selection
                vorhaben.push_back([this, c] { tippe(TasteFuer(c)); });
        }
        vorhaben.push_back([this] {
            if (auto* b = BerechnungsfensterFallsDa()) klicke(Kind<QPushButton>(*b, "comRechnen"));
        });
    }

    void ereignis() {
        if (!vorhaben.empty()) {
            const auto naechstes = std::move(vorhaben.front());
            vorhaben.pop_front();
            return naechstes();
        }
        foBerechnungen* b = BerechnungsfensterFallsDa();
        foEingang* ein = EingangsfensterFallsDa();
        foAusgabe* a = AusgabefensterFallsDa();
        const int w = wuerfel(100);
        if (w < 50) return tippe(TasteFuer(Tastatur[wuerfel(int(Tastatur.size()))]));
        if (w < 55 && b && InputFormat > 0) return formular();
        if (w < 65) return klicke(eines(sichtbare<QLineEdit>(einFenster())));
        if (w < 73 && b) return klicke(Kind<QPushButton>(*b, "comRechnen"));
        if (w < 79 && ein)
            return klicke(Kind<QPushButton>(*ein, Formatknoepfe[1 + wuerfel(7)].knopf));
        if (w < 84 && b) { // Ctrl+1 ... Ctrl+7 press the example buttons
            const int f = 1 + wuerfel(7);
            beginne(b, "Ctrl+" + std::to_string(f));
            beispiel(f);
            return QTest::keyClick(QApplication::focusWidget(), Qt::Key(Qt::Key_0 + f),
                                   Qt::ControlModifier);
        }
        if (w < 88) return klicke(eines(sichtbare<QRadioButton>(b)));
        if (w < 92 && a && a->isVisible()) return klicke(Kind<QPushButton>(*a, "comZurueck"));
        if (w < 94 && b) return klicke(Kind<QPushButton>(*b, "comStartoption"));
        if (w < 95 && ein) return klicke(Kind<QPushButton>(*ein, "comBeenden"));
        if (w < 96 && b) return klicke(Kind<QLabel>(*b, "labBeenden")); // never a double click
        if (QWidget* f = einFenster()) beginne(f, "activate " + f->objectName().toStdString());
    }

    // A field after "Berechnung": as the format check left it; the meridian
    // filled by a Gauss-Krueger run that passed; every other field unchanged.
    bool NachBerechnung(bool ok, const QString& feld, const QString& alt,
                        const QString& neu) const {
        if (const auto id = FeldNamens(feld.toStdString()))
            return neu == QString::fromStdString(geprueft.text(*id));
        if (feld == "texMeridian" && pruefFormat == Eingabeformat::GaussKrueger && ok)
            return !neu.isEmpty();
        return neu == alt;
    }

    void pruefe() {
        const Stand nach;
        const bool gerechnet = pruefung.has_value(), ok = gerechnet && pruefung->ok;
        const QStringList boxtexte = boxen.boxen.mid(boxenVorher);
        for (const QString& box : ok ? boxen.boxen.mid(boxenBeiDruck) : boxtexte)
            EXPECT_TRUE(ok ? box == Stop(modKartovex::FehlerMeldung)
                           : box.contains(" KartovexQuendo: "))
                << box.toStdString();
        EXPECT_EQ(boxtexte, ablehnung ? QStringList{*ablehnung}
                            : ohneBox ? QStringList()
                                      : boxtexte);
        EXPECT_TRUE(nach.b || nach.a || EingangsfensterFallsDa()) << "the program ended";
        EXPECT_EQ(nach.aSichtbar,
                  gerechnet ? ok || vor->aSichtbar : vor->aSichtbar && nach.aSichtbar)
            << "output window shown without a passed check";
        EXPECT_TRUE(!gerechnet || ok || !vor->a || nach.aTexte == vor->aTexte)
            << "a failed check wrote output";
        EXPECT_TRUE(!gerechnet || ok || pruefung->meldung.empty() ||
                    boxtexte.contains(Stop(pruefung->meldung)))
            << pruefung->meldung;
        EXPECT_TRUE(!gerechnet || !nach.b || pruefFormat < 4 || nach.b->EingabeOK == ok);
        if (gerechnet) ++zaehler[ok ? "Berechnung passed" : "Berechnung failed"];
        for (const auto& [feld, text] : nach.bTexte) {
            const QString alt = vor->b == nach.b ? vor->bTexte.at(feld) : "";
            EXPECT_TRUE(gerechnet && vor->b == nach.b
                            ? NachBerechnung(ok, feld, alt, text)
                            : text == (neu.count(feld) ? neu.at(feld) : alt))
                << feld.toStdString() << ": '" << alt.toStdString() << "' became '"
                << text.toStdString() << "'";
        }
        for (const auto& [feld, text] : nach.aTexte)
            EXPECT_FALSE(ok && NanOderInf(text))
                << feld.toStdString() << ": " << text.toStdString();
        EXPECT_FALSE(nach.b && NanOderInf(Text(*nach.b, "texMeridian")));
    }
};

TEST_F(Affe, ThousandsOfRandomEventsKeepTheWindowsConsistent) {
    const int anzahl = qEnvironmentVariableIntValue("KARTOVEX_MONKEY_EVENTS");
    bool gesetzt = false;
    int saat = qEnvironmentVariableIntValue("KARTOVEX_MONKEY_SEED", &gesetzt);
    zufall.seed(unsigned(saat = gesetzt ? saat : 20140201));
    QGuiApplication::clipboard()->setText("12,5x");
    // A box nobody answers or an endless focus ping-pong ends by ctest's timeout.
    for (int i = 0; i < (anzahl > 0 ? anzahl : KARTOVEX_MONKEY_VORGABE) && !HasFailure(); ++i) {
        QCoreApplication::processEvents();
        Aufraeumen();
        if (foBerechnungen* b = BerechnungsfensterFallsDa(); b && b != beobachtet) {
            beobachtet = b;
            QObject::connect(Kind<QPushButton>(*b, "comRechnen"), &QPushButton::pressed, b,
                             [=, this] {
                                 geprueft = b->eingabe();
                                 pruefFormat = InputFormat;
                                 const kartovex::Format* f = FormatNr(InputFormat);
                                 pruefung = f ? f->pruefe(geprueft) : Pruefergebnis{};
                                 boxenBeiDruck = int(boxen.boxen.size());
                             });
        }
        pruefung.reset(), vor.reset(), neu.clear(), ablehnung.reset();
        ohneBox = false;
        SCOPED_TRACE("event " + std::to_string(i) + " of seed " + std::to_string(saat));
        ereignis();
        if (!vor) continue; // nothing to do on the windows as they are
        QCoreApplication::processEvents();
        SCOPED_TRACE(was);
        pruefe();
    }
    for (const char* z : {"rejected key", "Berechnung passed", "Berechnung failed"})
        EXPECT_GT(zaehler[z], 0) << z; // the stream got past the entry window
    for (const auto& [z, n] : zaehler)
        std::printf("  %-20s %d\n", z.c_str(), n);
}

} // namespace
