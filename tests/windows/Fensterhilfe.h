// Fixture for the window tests: each test starts as the program starts and
// ends with every window discarded; message boxes are answered and recorded.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>

#include "checks/Formate.h"
#include "windows/Fenster.h"
#include "windows/Programm.h"
#include "windows/Werkzeug.h"
#include "windows/foAusgabe.h"
#include "windows/foBerechnungen.h"
#include "windows/foEingang.h"

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}
QT_END_NAMESPACE

namespace kartovex::test {

// Per format 1 to 7: its entry button, its example button, its frame, and the
// example's "field=text" pairs in the frame's Enter order, from the format table.
struct Formatdaten {
    const char* knopf;
    const char* beispielknopf;
    const char* rahmen;
    int nummer;
    QStringList beispiel() const {
        QStringList paare;
        for (Feld f : FormatNr(nummer)->felder)
            paare << QString::fromUtf8(std::string(Name(f)) + "=" +
                                       std::string(Beschreibung(f).beispiel));
        return paare;
    }
};
inline const Formatdaten Formatknoepfe[8] = {
    {},
    {"comGradDezEIN", "comKrummboegleGrad", "fraGrad", 1},
    {"comGradMinEIN", "comKrummboegleMercator", "fraGradMin", 2},
    {"comGradMinSekEIN", "comKrummboegleGMS", "fraGradMinSek", 3},
    {"comUTMzivilEIN", "comZIV", "fraZIV", 4},
    {"comUTMmilEIN", "comMIL", "fraMIL", 5},
    {"comUTMrefEIN", "comREF", "fraREF", 6},
    {"comGKEIN", "comKrummboegleGK", "fraGK", 7},
};

template <class T = QWidget> T* Kind(const QWidget& fenster, const QString& name) {
    T* w = fenster.findChild<T*>(name);
    EXPECT_NE(w, nullptr) << name.toStdString();
    return w;
}
inline QString Text(const QWidget& fenster, const QString& feld) {
    return Kind<QLineEdit>(fenster, feld)->text();
}
inline QString Fokus(const QWidget& fenster) {
    return fenster.focusWidget() ? fenster.focusWidget()->objectName() : QString();
}
// Every text field of a window by objectName.
inline std::map<QString, QString> Felder(const QWidget* fenster) {
    std::map<QString, QString> t;
    for (const QLineEdit* f : fenster ? fenster->findChildren<QLineEdit*>() : QList<QLineEdit*>())
        t[f->objectName()] = f->text();
    return t;
}
// Deletes the windows that were closed (Qt deletes them later).
inline void Aufraeumen() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// A box as recorded: icon, buttons, default button, title, and its text.
inline QString Box(int symbol, int knoepfe, int vorgabe, const QString& titel,
                   const QString& text) {
    return QString("%1 %2 %3 %4: %5").arg(symbol).arg(knoepfe).arg(vorgabe).arg(titel, text);
}
inline QString Box(const QMessageBox& box) {
    return Box(box.icon(), box.standardButtons().toInt(), box.standardButton(box.defaultButton()),
               box.windowTitle(), box.text());
}
// A stop box with OK and the program's title showing a text of the system.
inline QString Stop(const std::string& text) {
    return Box(QMessageBox::Critical, QMessageBox::Ok, QMessageBox::Ok, Programmtitel,
               QString::fromStdString(text).replace("\r\n", "\n"));
}

// While it lives, every message box is recorded and answered with `antwort`
// (Esc where the box has no such button). By default through the toolkit's
// box seam, without showing the box; with Weg::Echt as a real modal box,
// answered once its Show event has arrived and its exec() waits.
class Meldungsbox : public QObject {
public:
    enum class Weg { Naht, Echt };
    explicit Meldungsbox(QMessageBox::StandardButton antwort = QMessageBox::Ok, Weg weg = Weg::Naht)
        : antwort(antwort) {
        if (weg == Weg::Echt) {
            vorher = setzeBoxantwort(nullptr);
            qApp->installEventFilter(this);
        } else {
            vorher = setzeBoxantwort([this](const QMessageBox& box) { return lies(box); });
        }
    }
    ~Meldungsbox() override {
        qApp->removeEventFilter(this);
        setzeBoxantwort(std::move(vorher));
    }

    QMessageBox::StandardButton antwort; // for the next box and every later one
    QStringList boxen;
    QStringList knoepfe; // Qt's own button texts of every box, without the '&'
    bool modal = true;   // every real box was the active modal widget when answered
    std::function<void(const QMessageBox&)> waehrend; // runs for each box before its answer

protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        auto* box = qobject_cast<QMessageBox*>(o);
        if (box && e->type() == QEvent::Show)
            QMetaObject::invokeMethod(
                this,
                [this, box = QPointer(box)] {
                    if (box) klicke(*box);
                },
                Qt::QueuedConnection);
        return false;
    }

private:
    QMessageBox::StandardButton lies(const QMessageBox& box) {
        boxen << Box(box);
        for (const QAbstractButton* k : box.buttons())
            knoepfe << k->text().remove('&');
        if (waehrend) waehrend(box);
        return antwort;
    }
    void klicke(QMessageBox& box) {
        modal = modal && box.isVisible() && QApplication::activeModalWidget() == &box;
        QAbstractButton* k = box.button(lies(box));
        (k ? k : box.escapeButton())->click();
    }
    Boxantwort vorher;
};

class FensterTest : public ::testing::Test {
protected:
    void SetUp() override {
        Programmstart();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&Eingangsfenster()));
    }
    void TearDown() override {
        Programmende();
        Aufraeumen();
    }
    // Presses the format button; the calculation window becomes active.
    foBerechnungen& Format(int format) {
        Kind<QPushButton>(Eingangsfenster(), Formatknoepfe[format].knopf)->click();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&Berechnungsfenster()));
        return Berechnungsfenster();
    }
    // Output and calculation windows discarded, the latter created anew for the format.
    foBerechnungen& Frisch(int format) {
        if (foAusgabe* a = AusgabefensterFallsDa()) a->verwerfe();
        if (foBerechnungen* b = BerechnungsfensterFallsDa()) b->verwerfe();
        Aufraeumen();
        return Format(format);
    }
    // The window activated again (a message box leaves it inactive).
    static void Aktiviere(QWidget& fenster) {
        fenster.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&fenster));
    }
};

} // namespace kartovex::test
