// The fields of the calculation window: each input field bound to its key
// rule, the whole text selected on focus, and the civil zone field (limits on
// leaving, the focus sent back, a zone first).
#include "checks/Tastatur.h"
#include "tests/windows/Fensterhilfe.h"

using namespace kartovex;
using namespace kartovex::test;

namespace {

const char* Buchstabe = "Das 3. Zeichen der Zone muss einer der Buchstaben\r\n\r\n"
                        "C D E F G H J K L M N P Q R S T U V W X\r\n\r\nsein";
const char* ZoneZuerst = "Sie müssen zuerst die Zone eingeben,\r\n"
                         "sonst kann ich die gültigen Extremwerte nicht berechnen.";

class Zonenfeld : public FensterTest {
protected:
    void SetUp() override {
        FensterTest::SetUp();
        b = &Format(4);
    }
    void Verlasse(const char* text, Qt::Key taste = Qt::Key_Return) {
        zone()->setText(text);
        QTest::keyClick(zone(), taste);
    }
    QLineEdit* zone() { return Kind<QLineEdit>(*b, "texZone"); }
    QString Limits() {
        return Kind<QLabel>(*b, "labLimitsRechts")->text() + "|" +
               Kind<QLabel>(*b, "labLimitsHoch")->text();
    }
    bool LimitsSichtbar() {
        return Kind<QLabel>(*b, "labLimitsRechts")->isVisibleTo(b) ||
               Kind<QLabel>(*b, "labLimitsHoch")->isVisibleTo(b);
    }
    foBerechnungen* b = nullptr;
    Meldungsbox boxen;
};

} // namespace

// Every input field of the format table is bound to its own rule through real
// key events: '#', ',' and 'u' typed into it are refused with the rule's box or
// taken as the rule turns them (comma to point, upper case). The rules
// themselves are tested on plain data with the checks.
TEST_F(FensterTest, EveryInputFieldIsBoundToItsRule) {
    Meldungsbox boxen;
    for (const kartovex::Format& f : Formate())
        for (Feld id : f.felder)
            for (char zeichen : {'#', ',', 'u'}) {
                SCOPED_TRACE(std::string(Name(id)) + " '" + zeichen + "'");
                boxen.boxen.clear();
                auto* feld = Kind<QLineEdit>(Format(f.nummer), QString::fromUtf8(Name(id)));
                feld->setText("");
                QTest::keyClick(feld, zeichen);
                const Tastenentscheid soll = Tastendruck(id, zeichen);
                EXPECT_EQ(feld->text(), soll.meldung.empty() ? QString(QChar(soll.code)) : "");
                EXPECT_EQ(boxen.boxen,
                          soll.meldung.empty() ? QStringList() : QStringList{Stop(soll.meldung)});
                feld->setText(""); // a "U" left in the civil zone field would fail on leaving
            }
}

TEST_F(FensterTest, FocusByTabOrMouseSelectsTheWholeText) {
    foBerechnungen& b = Format(1);
    auto* breite = Kind<QLineEdit>(b, "texBreite");
    auto* laenge = Kind<QLineEdit>(b, "texLaenge");
    breite->setText("48.5");
    laenge->setText("9.25");
    QTest::keyClick(breite, Qt::Key_Tab);
    EXPECT_EQ(laenge->selectedText(), "9.25");
    QTest::mouseClick(breite, Qt::LeftButton, {}, QPoint(5, breite->height() / 2));
    EXPECT_EQ(breite->selectedText(), "48.5");
    QTest::keyClicks(breite, "1"); // typing replaces the selection
    EXPECT_EQ(breite->text(), "1");
}

// Enter, Tab or a click elsewhere shows the limits of the zone's row; back
// in the zone field they hide.
TEST_F(Zonenfeld, LeavingShowsTheLimitsOfTheZone) {
    Verlasse("32U");
    EXPECT_EQ(Limits(), "0723776 Maximum\n0276224 Minimum|6210141 Maximum\n5316301 Minimum");
    EXPECT_EQ(b->grenzen.RechtsMax + b->grenzen.HochMin, "07237765316301");
    EXPECT_EQ(Fokus(*b), "texRechts");
    EXPECT_TRUE(LimitsSichtbar());
    b->setzeFokus("texZone");
    EXPECT_FALSE(LimitsSichtbar());
    Verlasse("31V", Qt::Key_Tab);
    EXPECT_EQ(Limits(), "0500000 Maximum\n0312929 Minimum|7100467 Maximum\n6206081 Minimum");
    b->setzeFokus("texZone");
    zone()->setText("37X");
    QTest::mouseClick(Kind<QLineEdit>(*b, "texHoch"), Qt::LeftButton);
    EXPECT_EQ(Limits(), "0431031 Maximum\n0293364 Minimum|9329004 Maximum\n7990077 Minimum");
    EXPECT_EQ(Fokus(*b), "texHoch");
    EXPECT_EQ(boxen.boxen, QStringList());
}

// A failing character test: its box, the focus and selection back in the
// zone field, the last good zone's limits kept; a format button leaves too.
TEST_F(Zonenfeld, AFailingCharacterTestSendsTheFocusBack) {
    Verlasse("32U");
    b->setzeFokus("texZone");
    for (const char* text : {"9U", "32u"}) { // set by program: the test is case-sensitive
        Verlasse(text);
        EXPECT_EQ(Fokus(*b), "texZone");
        EXPECT_EQ(zone()->selectedText(), text);
        EXPECT_FALSE(LimitsSichtbar());
        EXPECT_EQ(b->grenzen.RechtsMax, "0723776");
        Aktiviere(*b);
    }
    zone()->setText("32I");
    Format(1);
    EXPECT_EQ(Fokus(*b), "texZone");
    EXPECT_EQ(boxen.boxen,
              QStringList({Stop("Das 1. Zeichen der Zone muss eine Ziffer ( 0...6 ) sein!"),
                           Stop(Buchstabe), Stop(Buchstabe)}));
}

TEST_F(Zonenfeld, ValueFieldsInsistOnAZoneFirst) {
    for (const char* feld : {"texRechts", "texHoch", ""}) {
        SCOPED_TRACE(feld);
        if (*feld)
            QTest::mouseClick(Kind<QLineEdit>(*b, feld), Qt::LeftButton);
        else
            Verlasse("");
        EXPECT_EQ(Fokus(*b), "texZone");
        EXPECT_FALSE(LimitsSichtbar()); // shown for the empty zone, hidden on return
        EXPECT_EQ(Limits(), " Maximum\n Minimum| Maximum\n Minimum");
        Aktiviere(*b);
    }
    EXPECT_EQ(boxen.boxen, QStringList(3, Stop(ZoneZuerst)));
}

TEST_F(Zonenfeld, DeactivationAndExamplesAreNotLeaving) {
    zone()->setText("9U"); // would fail its first test on leaving
    Aktiviere(Eingangsfenster());
    Aktiviere(*b);
    Kind<QPushButton>(*b, "comZIV")->click();
    EXPECT_EQ(Fokus(*b), "texZone");
    EXPECT_EQ(Limits(), "|");
    EXPECT_EQ(boxen.boxen, QStringList());
}
