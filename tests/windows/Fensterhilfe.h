// Test fixture for the windows: each test starts as the program starts and
// ends with every window discarded.
#pragma once

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "windows/Fenster.h"
#include "windows/Programm.h"
#include "windows/foAusgabe.h"
#include "windows/foBerechnungen.h"
#include "windows/foEingang.h"

namespace kartovex::test {

inline const char* Formatknopf[8] = {"",
                                     "comGradDezEIN",
                                     "comGradMinEIN",
                                     "comGradMinSekEIN",
                                     "comUTMzivilEIN",
                                     "comUTMmilEIN",
                                     "comUTMrefEIN",
                                     "comGKEIN"};

template <class T = QWidget> T* Kind(const QWidget& fenster, const char* name) {
    T* w = fenster.findChild<T*>(QString::fromUtf8(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
}

// Deletes the windows that were closed (they are deleted later by Qt).
inline void Aufraeumen() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

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

    // Presses the format button and waits until the calculation window is active.
    foBerechnungen& Format(unsigned format) {
        Kind<QPushButton>(Eingangsfenster(), Formatknopf[format])->click();
        foBerechnungen& b = Berechnungsfenster();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&b));
        return b;
    }

    // The field's window activated again (message boxes leave it inactive).
    static void Aktiviere(QWidget& fenster) {
        fenster.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&fenster));
    }
};

} // namespace kartovex::test
