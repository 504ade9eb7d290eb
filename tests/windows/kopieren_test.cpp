// "Copy all results" of the output window: Ctrl+Shift+C and the background's
// context menu put every shown result on the clipboard; the fields keep
// their own copy.
#include <QAction>
#include <QClipboard>
#include <QGroupBox>
#include <QMenu>
#include <QTimer>

#include "windows/Fensterhilfe.h"

using namespace kartovex;
using namespace kartovex::test;

namespace {

class Kopieren : public FensterTest {
protected:
    // The example point in decimal degrees, calculated: the output window is active.
    foAusgabe& Beispiel(const char* laengeOption = nullptr) {
        foBerechnungen& b = Format(1);
        Kind<QPushButton>(b, "comKrummboegleGrad")->click();
        if (laengeOption) Kind<QAbstractButton>(b, laengeOption)->click();
        Kind<QPushButton>(b, "comRechnen")->click();
        foAusgabe& a = Ausgabefenster();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&a));
        QGuiApplication::clipboard()->clear();
        return a;
    }
    static QString Zwischenablage() { return QGuiApplication::clipboard()->text(); }
};

} // namespace

TEST_F(Kopieren, TastenkuerzelAusEinemFeldKopiertAlleZeilen) {
    foAusgabe& a = Beispiel();
    auto* feld = Kind<QLineEdit>(a, "texMilUTM"); // a field that accepts typing
    feld->setFocus();
    QTest::keyClick(feld, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    const QString text = Zwischenablage();
    EXPECT_EQ(text, QString::fromStdString(a.Ergebnistext()));
    EXPECT_EQ(text.count('\n'), 7) << text.toStdString();
    EXPECT_TRUE(text.startsWith("Grad (dezimal)\t" + Kind<QLineEdit>(a, "texBreiteAUS")->text()));
    EXPECT_TRUE(text.contains("\nUTM mil\t32U  NU  76.15.52.95.51\n"));
    EXPECT_EQ(feld->text(), "32U  NU  76.15.52.95.51"); // nothing typed into the field
}

TEST_F(Kopieren, FeldBehaeltSeinStrgC) {
    foAusgabe& a = Beispiel();
    auto* feld = Kind<QLineEdit>(a, "texREFAUS");
    feld->setFocus();
    feld->selectAll();
    QTest::keyClick(feld, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(Zwischenablage(), "32U  NU  7159565251");
}

TEST_F(Kopieren, AusserhalbDeutschlandsOhneGaussKrueger) {
    foAusgabe& a = Beispiel("optDezW");
    ASSERT_FALSE(Kind<QGroupBox>(a, "fraGKAUS")->isVisible());
    a.AlleErgebnisseKopieren();
    EXPECT_EQ(Zwischenablage().count('\n'), 6);
    EXPECT_FALSE(Zwischenablage().contains(QString::fromUtf8("Gauß")));
}

TEST_F(Kopieren, KontextmenueDesHintergrunds) {
    foAusgabe& a = Beispiel();
    // The menu opens modally; pick its one entry as soon as it shows.
    QTimer::singleShot(0, [] {
        auto* menue = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menue, nullptr);
        ASSERT_EQ(menue->actions().size(), 1);
        EXPECT_EQ(menue->actions().front()->text(), "Alle Ergebnisse kopieren");
        menue->actions().front()->trigger();
        menue->close();
    });
    // Right click on a label: the label passes it on to the window.
    QWidget* label = Kind<QLabel>(a, "Label37");
    QContextMenuEvent rechts(QContextMenuEvent::Mouse, QPoint(5, 5),
                             label->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(label, &rechts);
    EXPECT_EQ(Zwischenablage(), QString::fromStdString(a.Ergebnistext()));
    EXPECT_EQ(Zwischenablage().count('\n'), 7);
}
