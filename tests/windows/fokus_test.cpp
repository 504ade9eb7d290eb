// The focus controller: order of the lost and got handlers, redirection, user
// moves, and deactivation that is not leaving.
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

#include "windows/Fokus.h"

namespace {

class Fokus : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* name : {"a", "b", "c"}) {
            felder.push_back(new QLineEdit(&fenster));
            steuerung.beimBekommen(felder.back(), [this, name] { log << QString("got ") + name; });
            steuerung.beimVerlieren(felder.back(),
                                    [this, name] { log << QString("lost ") + name; });
        }
        steuerung.beobachteAlle();
        fenster.show();
        fenster.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&fenster));
        steuerung.bewege(felder[0]);
        log.clear();
    }
    QWidget fenster;
    kartovex::Fokussteuerung steuerung{&fenster};
    std::vector<QLineEdit*> felder;
    QStringList log;
};

TEST_F(Fokus, MovesRunLostOfTheOldThenGotOfTheNew) {
    steuerung.bewege(felder[1]);
    steuerung.bewege(felder[1]); // already there: nothing runs
    EXPECT_EQ(QApplication::focusWidget(), felder[1]);
    QTest::keyClick(felder[1], Qt::Key_Tab);
    QTest::mouseClick(felder[0], Qt::LeftButton);
    EXPECT_EQ(log, QStringList({"lost a", "got b", "lost b", "got c", "lost c", "got a"}));
}

TEST_F(Fokus, ALostHandlerThatSendsTheFocusBackCancelsTheGotOfTheTarget) {
    steuerung.beimVerlieren(felder[0], [this] { log << "lost a", steuerung.bewege(felder[0]); });
    steuerung.bewege(felder[2]);
    EXPECT_EQ(log, QStringList({"lost a", "lost c", "got a"}));
    EXPECT_EQ(steuerung.aktuell(), felder[0]);
    EXPECT_EQ(QApplication::focusWidget(), felder[0]);
}

TEST_F(Fokus, ARedirectedUserMoveLeavesTheAimedFieldWithoutFocus) {
    steuerung.beimBekommen(felder[1], [this] { log << "got b", steuerung.bewege(felder[0]); });
    QTest::mouseClick(felder[1], Qt::LeftButton);
    EXPECT_EQ(log, QStringList({"lost a", "got b", "lost b", "got a"}));
    EXPECT_EQ(QApplication::focusWidget(), felder[0]);
}

TEST_F(Fokus, DeactivatingTheWindowIsNotLeavingTheField) {
    QWidget anderes;
    anderes.show();
    anderes.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&anderes));
    fenster.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&fenster));
    EXPECT_EQ(log, QStringList());
    EXPECT_EQ(QApplication::focusWidget(), felder[0]);
}

} // namespace
