// The windows on a 1366x768 screen (the offscreen platform's screen from a
// configuration file): each keeps its size and comes up just far enough.
#include "Fensterhilfe.h"
#include "windows/foKarte.h"

namespace kartovex::test {

TEST_F(FensterTest, WindowsFitASmallScreen) {
    ASSERT_EQ(QGuiApplication::primaryScreen()->availableGeometry(), QRect(0, 0, 1366, 768));
    foBerechnungen& b = Format(1);
    Kind<QPushButton>(b, "comKrummboegleGrad")->click();
    Kind<QPushButton>(b, "comRechnen")->click();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&Ausgabefenster()));
    EXPECT_EQ(Eingangsfenster().frameGeometry(), QRect(0, 0, 1000, 667));
    EXPECT_EQ(b.frameGeometry(), QRect(0, 0, 1000, 313));
    EXPECT_EQ(Ausgabefenster().frameGeometry(), QRect(0, 168, 1000, 600));
    // "zurück" and the Gauss-Krueger results lie on the screen.
    for (const char* name : {"comZurueck", "texGKHochAUS"}) {
        QWidget* w = Kind(Ausgabefenster(), name);
        const QRect aufSchirm(w->mapToGlobal(QPoint()), w->size());
        EXPECT_TRUE(QRect(0, 0, 1366, 768).contains(aufSchirm)) << name;
    }
}

TEST_F(FensterTest, TheMapFitsASmallScreen) {
    foKarte& k = foKarte::Zeige({48.4363, 9.9680}, "32U NU 71595 65251");
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&k));
    EXPECT_TRUE(QRect(0, 0, 1366, 768).contains(k.frameGeometry())) << k.frameGeometry().width();
    EXPECT_GE(k.karte().height(), 400);
}

} // namespace kartovex::test
