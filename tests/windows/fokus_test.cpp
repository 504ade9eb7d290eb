// The focus controller: order of the lost and got handlers, redirection from
// a lost handler, user moves, and deactivation that is not leaving.
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

#include "windows/Fokus.h"

using kartovex::Fokussteuerung;

namespace {

class Fokus : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* name : {"a", "b", "c"}) {
            auto* f = new QLineEdit(&fenster);
            f->setObjectName(name);
            felder.push_back(f);
            steuerung.beimBekommen(f, [this, name] { protokoll << QString("got ") + name; });
            steuerung.beimVerlieren(f, [this, name] { protokoll << QString("lost ") + name; });
        }
        steuerung.beobachteAlle();
        fenster.show();
        fenster.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&fenster));
        steuerung.bewege(felder[0]);
        protokoll.clear();
    }

    QWidget fenster;
    Fokussteuerung steuerung{&fenster};
    std::vector<QLineEdit*> felder;
    QStringList protokoll;
};

TEST_F(Fokus, AMoveRunsLostOfTheOldThenGotOfTheNewBeforeItReturns) {
    steuerung.bewege(felder[1]);
    EXPECT_EQ(protokoll, QStringList({"lost a", "got b"}));
    EXPECT_EQ(QApplication::focusWidget(), felder[1]);
    steuerung.bewege(felder[1]); // already there: nothing runs
    EXPECT_EQ(protokoll.size(), 2);
}

TEST_F(Fokus, ALostHandlerThatSendsTheFocusBackCancelsTheGotOfTheTarget) {
    steuerung.beimVerlieren(felder[0], [this] {
        protokoll << "lost a";
        steuerung.bewege(felder[0]);
    });
    steuerung.bewege(felder[2]);
    EXPECT_EQ(protokoll, QStringList({"lost a", "lost c", "got a"}));
    EXPECT_EQ(steuerung.aktuell(), felder[0]);
    EXPECT_EQ(QApplication::focusWidget(), felder[0]);
}

TEST_F(Fokus, UserMovesByTabAndMouseRunTheHandlers) {
    QTest::keyClick(felder[0], Qt::Key_Tab);
    QTest::mouseClick(felder[2], Qt::LeftButton);
    EXPECT_EQ(protokoll, QStringList({"lost a", "got b", "lost b", "got c"}));
}

TEST_F(Fokus, ARedirectedUserMoveLeavesTheAimedFieldWithoutFocus) {
    steuerung.beimBekommen(felder[1], [this] {
        protokoll << "got b";
        steuerung.bewege(felder[0]);
    });
    QTest::mouseClick(felder[1], Qt::LeftButton);
    EXPECT_EQ(protokoll, QStringList({"lost a", "got b", "lost b", "got a"}));
    EXPECT_EQ(QApplication::focusWidget(), felder[0]);
}

TEST_F(Fokus, DeactivatingTheWindowIsNotLeavingTheField) {
    QWidget anderes;
    anderes.show();
    anderes.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&anderes));
    fenster.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&fenster));
    EXPECT_TRUE(protokoll.isEmpty());
    EXPECT_EQ(QApplication::focusWidget(), felder[0]);
}

} // namespace
