// The civil UTM zone field: leaving it fills the extreme-value labels from
// the band table with the zone exceptions, a failing character test sends the
// focus back, and the value fields insist on a zone first.
#include "tests/windows/Fensterhilfe.h"
#include "tests/windows/Meldungsbox.h"

using namespace kartovex;
using namespace kartovex::test;

namespace {

struct Grenzfall {
    const char* zone;
    const char* rechtsMax;
    const char* rechtsMin;
    const char* hochMax;
    const char* hochMin;
};

const Grenzfall Grenzfaelle[] = {
    {"32U", "0723776", "0276224", "6210141", "5316301"},
    {"00C", "0603433", "0396567", "2011066", "1116915"},
    {"33M", "0833978", "0166022", "9999999", "9114496"},
    {"18N", "0833979", "0166021", "0885504", "0000000"},
    {"31V", "0500000", "0312929", "7100467", "6206081"},
    {"32V", "0687071", "0126050", "7100467", "6206081"},
    {"33V", "0687071", "0312929", "7100467", "6206081"},
    {"31X", "0706636", "0396567", "9329004", "7988934"},
    {"33X", "0706636", "0293364", "9329004", "7988934"},
    {"35X", "0706636", "0293364", "9329004", "7988934"},
    {"37X", "0431031", "0293364", "9329004", "7990077"},
    {"32X", "0603433", "0396567", "9329004", "7988934"},
    {"34X", "0603433", "0396567", "9329004", "7988934"},
    {"36X", "0603433", "0396567", "9329004", "7988934"},
    {"31W", "0646695", "0353305", "7991509", "7097015"},
    {"32UX", "0603433", "0396567", "9329004", "7988934"}, // band X, zone 32
};

QString Limits(const char* max, const char* min) {
    return QString(max) + " Maximum\n" + min + " Minimum";
}

const char* Letter = "Das 3. Zeichen der Zone muss einer der Buchstaben\r\n\r\n"
                     "C D E F G H J K L M N P Q R S T U V W X\r\n\r\nsein";
const char* ZoneZuerst = "Sie müssen zuerst die Zone eingeben,\r\n"
                         "sonst kann ich die gültigen Extremwerte nicht berechnen.";

} // namespace

class Zonenfeld : public FensterTest {
protected:
    void SetUp() override {
        FensterTest::SetUp();
        b = &Format(4);
        zone = Kind<QLineEdit>(*b, "texZone");
        rechts = Kind<QLabel>(*b, "labLimitsRechts");
        hoch = Kind<QLabel>(*b, "labLimitsHoch");
    }
    // Types the zone into the focused zone field and leaves it with Enter.
    void VerlasseMitEnter(const char* text) {
        zone->setText(text);
        QTest::keyClick(zone, Qt::Key_Return);
    }
    QString Fokus() const { return b->focusWidget()->objectName(); }

    foBerechnungen* b = nullptr;
    QLineEdit* zone = nullptr;
    QLabel* rechts = nullptr;
    QLabel* hoch = nullptr;
};

TEST_F(Zonenfeld, LeavingFillsTheBoundsOfTheBandAndItsZoneExceptions) {
    Meldungsbox boxen;
    for (const Grenzfall& f : Grenzfaelle) {
        SCOPED_TRACE(f.zone);
        VerlasseMitEnter(f.zone);
        EXPECT_EQ(Fokus(), "texRechts");
        EXPECT_EQ(rechts->text(), Limits(f.rechtsMax, f.rechtsMin));
        EXPECT_EQ(hoch->text(), Limits(f.hochMax, f.hochMin));
        EXPECT_TRUE(rechts->isVisibleTo(b) && hoch->isVisibleTo(b));
        EXPECT_EQ(b->grenzen.RechtsMax, f.rechtsMax);
        EXPECT_EQ(b->grenzen.HochMin, f.hochMin);
        // Back into the zone field: its labels hide while it has the focus.
        b->setzeFokus("texZone");
        EXPECT_FALSE(rechts->isVisibleTo(b) || hoch->isVisibleTo(b));
    }
    EXPECT_TRUE(boxen.boxen.empty());
}

TEST_F(Zonenfeld, EachFailingCharacterTestShowsItsMessageAndSendsTheFocusBack) {
    const std::pair<const char*, const char*> faelle[] = {
        {"9U", "Das 1. Zeichen der Zone muss eine Ziffer ( 0...6 ) sein!"},
        {"3AU", "Das 2. Zeichen der Zone muss eine Ziffer ( 0...9 ) sein!"},
        {"32I", Letter},
        {"32B", Letter},
        {"32u", Letter}, // set by program: the comparison is case-sensitive
        {"3", Letter},
    };
    VerlasseMitEnter("32U");
    b->setzeFokus("texZone");
    for (const auto& [text, meldung] : faelle) {
        SCOPED_TRACE(text);
        Meldungsbox boxen;
        VerlasseMitEnter(text);
        ASSERT_EQ(boxen.boxen.size(), 1u);
        EXPECT_EQ(boxen.boxen[0].text, Boxtext(meldung));
        EXPECT_EQ(boxen.boxen[0].symbol, QMessageBox::Critical);
        EXPECT_EQ(boxen.boxen[0].titel, "KartovexQuendo");
        EXPECT_EQ(Fokus(), "texZone");
        EXPECT_EQ(zone->text(), text);
        EXPECT_EQ(zone->selectedText(), text);
        EXPECT_FALSE(rechts->isVisibleTo(b));
        // Bounds and labels keep the last good zone's values.
        EXPECT_EQ(b->grenzen.RechtsMax, "0723776");
        EXPECT_EQ(rechts->text(), Limits("0723776", "0276224"));
        Aktiviere(*b);
    }
}

TEST_F(Zonenfeld, TabAndMouseLeaveTheZoneFieldToo) {
    Meldungsbox boxen;
    zone->setText("31V");
    QTest::keyClick(zone, Qt::Key_Tab);
    EXPECT_EQ(Fokus(), "texRechts");
    EXPECT_EQ(rechts->text(), Limits("0500000", "0312929"));

    b->setzeFokus("texZone");
    zone->setText("37X");
    QTest::mouseClick(Kind<QLineEdit>(*b, "texHoch"), Qt::LeftButton);
    EXPECT_EQ(Fokus(), "texHoch");
    EXPECT_EQ(hoch->text(), Limits("9329004", "7990077"));
    EXPECT_TRUE(boxen.boxen.empty());
}

TEST_F(Zonenfeld, ValueFieldsInsistOnAZoneFirst) {
    for (const char* feld : {"texRechts", "texHoch"}) {
        SCOPED_TRACE(feld);
        Meldungsbox boxen;
        QTest::mouseClick(Kind<QLineEdit>(*b, feld), Qt::LeftButton);
        EXPECT_EQ(boxen.texte(), QStringList{Boxtext(ZoneZuerst)});
        EXPECT_EQ(Fokus(), "texZone");
        // The empty zone passed its tests, so the labels were shown, then
        // hidden again when the focus came back.
        EXPECT_FALSE(rechts->isVisibleTo(b));
        Aktiviere(*b);
    }
}

TEST_F(Zonenfeld, EnterInAnEmptyZoneLeavesItAndComesBack) {
    Meldungsbox boxen;
    VerlasseMitEnter("");
    EXPECT_EQ(boxen.texte(), QStringList{Boxtext(ZoneZuerst)});
    EXPECT_EQ(Fokus(), "texZone");
    EXPECT_EQ(rechts->text(), " Maximum\n Minimum");
}

TEST_F(Zonenfeld, DeactivatingTheWindowIsNotLeavingTheField) {
    Meldungsbox boxen;
    zone->setText("9U"); // would fail its first test on leaving
    Aktiviere(Eingangsfenster());
    Aktiviere(*b);
    EXPECT_TRUE(boxen.boxen.empty());
    EXPECT_EQ(Fokus(), "texZone");
    // Examples written by program do not run the leave handler either.
    Kind<QPushButton>(*b, "comZIV")->click();
    EXPECT_TRUE(rechts->text().isEmpty());
    EXPECT_TRUE(boxen.boxen.empty());
}

TEST_F(Zonenfeld, AFormatButtonLeavesTheZoneFieldLikeAnyFocusMove) {
    Meldungsbox boxen;
    zone->setText("32I");
    Format(1);
    EXPECT_EQ(boxen.texte(), QStringList{Boxtext(Letter)});
    EXPECT_EQ(Fokus(), "texZone");
}
