// Keystroke rules of every input field through real key events, the Enter
// chains of the frames, and the focus semantics of the fields.
#include <QClipboard>
#include <QRadioButton>

#include "tests/windows/Fensterhilfe.h"
#include "tests/windows/Meldungsbox.h"

using namespace kartovex;
using namespace kartovex::test;

namespace {

// One typed character: the field's text afterwards, or the rejection message.
struct Taste {
    unsigned format;
    const char* feld;
    char zeichen;
    const char* ergebnis; // field text when accepted
    const char* tail;     // last message line when rejected
};

const Taste Tasten[] = {
    {1, "texBreite", ',', ".", nullptr},
    {1, "texBreite", '7', "7", nullptr},
    {1, "texBreite", 'a', nullptr, "ist für die Breite nicht zulässig!"},
    {1, "texLaenge", '-', nullptr, "ist für die Länge nicht zulässig!"},
    {1, "texLaenge", ',', ".", nullptr},
    {2, "texBreiteGrad", '.', nullptr, "ist für die Breite nicht zulässig!"},
    {2, "texBreiteGrad", '4', "4", nullptr},
    {2, "texBreiteMinute", ',', ".", nullptr},
    {2, "texBreiteMinute", 'e', nullptr, "ist für die Minuten der Breite nicht zulässig!"},
    {2, "texLaengeGrad", ',', nullptr, "ist für die Länge nicht zulässig!"},
    {2, "texLaengeMinute", ' ', nullptr, "ist für die Minuteneingabe der Länge nicht zulässig!"},
    {2, "texLaengeMinute", '.', ".", nullptr},
    {3, "texBGrad", '.', nullptr, "ist für die Breite nicht zulässig!"},
    {3, "texBMinute", ',', nullptr, "ist für die Minuteneingabe nicht zulässig!"},
    {3, "texBMinute", '5', "5", nullptr},
    {3, "texBSekunde", ',', ".", nullptr},
    {3, "texBSekunde", 'x', nullptr, "ist für die Sekunden der Breite nicht zulässig!"},
    {3, "texLGrad", 'x', nullptr, "ist für die Länge nicht zulässig!"},
    {3, "texLMinute", '.', nullptr, "ist für die Minuteneingabe der Länge nicht zulässig!"},
    {3, "texLSekunde", '+', nullptr, "ist für die Sekunden der Länge nicht zulässig!"},
    {3, "texLSekunde", ',', ".", nullptr},
    {4, "texZone", 'u', "U", nullptr},
    {4, "texZone", '3', "3", nullptr},
    {4, "texZone", ' ', nullptr, "ist für die Zone nicht zulässig!"},
    {4, "texZone", '-', nullptr, "ist für die Zone nicht zulässig!"},
    {4, "texRechts", '.', nullptr, "ist für den Rechtswert nicht zulässig!"},
    {4, "texRechts", '0', "0", nullptr},
    {4, "texHoch", ',', nullptr, "ist für den Hochwert nicht zulässig!"},
    {5, "texZoneM", 'u', "U", nullptr},
    {5, "texZoneM", '.', nullptr, "ist für die Zone nicht zulässig!"},
    {5, "tex100km", 'n', "N", nullptr},
    {5, "tex100km", '5', "5", nullptr},
    {5, "tex10km", 'x', "x", nullptr},
    {5, "tex1km", ',', ",", nullptr},
    {5, "tex100m", '-', "-", nullptr},
    {5, "tex10m", ' ', " ", nullptr},
    {5, "tex1m", 'a', "a", nullptr},
    {6, "texREFZone", 'u', "U", nullptr},
    {6, "texREFZone", '_', nullptr, "ist für die Zone nicht zulässig!"},
    {6, "texREF100", 'n', "N", nullptr},
    {6, "texREF100", '5', nullptr, "ist bei 100km nicht zulässig!"},
    {6, "texREFZiffern", '.', nullptr, "ist für die Ziffern nicht zulässig!"},
    {6, "texREFZiffern", '9', "9", nullptr},
    {7, "texGKRechts", ',', ".", nullptr},
    {7, "texGKRechts", 'r', nullptr, "ist für den Rechtswert nicht zulässig!"},
    {7, "texGKHoch", ',', ".", nullptr},
    {7, "texGKHoch", 'h', nullptr, "ist für den Hochwert nicht zulässig!"},
};

// The rejection message as its box shows it; the character upper-cased
// where the field upper-cases.
QString Ablehnung(const QString& zeichen, const char* tail) {
    return "Die Eingabe von\n" + zeichen + "\n" + QString::fromUtf8(tail);
}

} // namespace

TEST_F(FensterTest, EveryFieldFiltersConvertsAndRejectsAsItsRuleSays) {
    for (const Taste& t : Tasten) {
        SCOPED_TRACE(std::string(t.feld) + " '" + t.zeichen + "'");
        Meldungsbox boxen;
        foBerechnungen& b = Format(t.format);
        auto* feld = Kind<QLineEdit>(b, t.feld);
        feld->setText("");
        QTest::keyClick(feld, t.zeichen);
        if (t.tail) {
            const bool gross = QString(t.feld).contains("Zone") || QString(t.feld) == "texREF100";
            const QString z =
                gross ? QString(QChar(t.zeichen)).toUpper() : QString(QChar(t.zeichen));
            EXPECT_EQ(boxen.texte(), QStringList{Ablehnung(z, t.tail)});
            EXPECT_EQ(feld->text(), "");
            ASSERT_EQ(boxen.boxen.size(), 1u);
            EXPECT_EQ(boxen.boxen[0].symbol, QMessageBox::Critical);
            EXPECT_EQ(boxen.boxen[0].knoepfe, QMessageBox::Ok);
        } else {
            EXPECT_TRUE(boxen.boxen.empty());
            EXPECT_EQ(feld->text(), QString::fromUtf8(t.ergebnis));
        }
    }
}

TEST_F(FensterTest, ReplacedCharactersAreTypedAtTheCursor) {
    foBerechnungen& b = Format(1);
    auto* feld = Kind<QLineEdit>(b, "texBreite");
    QTest::keyClicks(feld, "4,5");
    EXPECT_EQ(feld->text(), "4.5");
    feld->setCursorPosition(1);
    QTest::keyClick(feld, ',');
    EXPECT_EQ(feld->text(), "4..5");
    QTest::keyClick(feld, Qt::Key_Backspace);
    QTest::keyClick(feld, Qt::Key_Backspace);
    EXPECT_EQ(feld->text(), ".5");
}

TEST_F(FensterTest, ControlCharactersAreRejectedSoPasteByKeyboardPutsNothingIn) {
    QApplication::clipboard()->setText("123");
    foBerechnungen& b = Format(3);
    auto* feld = Kind<QLineEdit>(b, "texBGrad");
    Meldungsbox boxen;
    QTest::keyClick(feld, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(boxen.texte(),
              QStringList{Ablehnung(QString(QChar(22)), "ist für die Breite nicht zulässig!")});
    EXPECT_EQ(feld->text(), "");
    // An unfiltered field takes the paste.
    foBerechnungen& m = Format(5);
    auto* gruppe = Kind<QLineEdit>(m, "tex10km");
    QTest::keyClick(gruppe, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(gruppe->text(), "123");
    EXPECT_EQ(boxen.boxen.size(), 1u);
}

TEST_F(FensterTest, EnterWalksEachFrameToBerechnungWithoutPressingIt) {
    const std::vector<std::vector<const char*>> ketten = {
        {"texBreite", "texLaenge", "comRechnen"},
        {"texBreiteGrad", "texBreiteMinute", "texLaengeGrad", "texLaengeMinute", "comRechnen"},
        {"texBGrad", "texBMinute", "texBSekunde", "texLGrad", "texLMinute", "texLSekunde",
         "comRechnen"},
        {"texZone", "texRechts", "texHoch", "comRechnen"},
        {"texZoneM", "tex100km", "tex10km", "tex1km", "tex100m", "tex10m", "tex1m", "comRechnen"},
        {"texREFZone", "texREF100", "texREFZiffern", "comRechnen"},
        {"texGKRechts", "texGKHoch", "comRechnen"},
    };
    Meldungsbox boxen;
    for (unsigned format = 1; format <= 7; ++format) {
        SCOPED_TRACE(format);
        foBerechnungen& b = Format(format);
        Kind<QLineEdit>(b, "texZone")->setText("32U"); // the civil frame insists on a zone
        const auto& kette = ketten[format - 1];
        for (std::size_t i = 0; i + 1 < kette.size(); ++i) {
            ASSERT_EQ(QApplication::focusWidget()->objectName(), kette[i]);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        }
        EXPECT_EQ(QApplication::focusWidget()->objectName(), "comRechnen");
        Kind<QPushButton>(b, "comStartoption")->click();
        Aufraeumen();
    }
    EXPECT_EQ(AusgabefensterFallsDa(), nullptr) << "Enter must not press Berechnung";
    EXPECT_TRUE(boxen.boxen.empty());
}

TEST_F(FensterTest, FocusSelectsTheWholeTextByTabAndByMouse) {
    foBerechnungen& b = Format(1);
    auto* breite = Kind<QLineEdit>(b, "texBreite");
    auto* laenge = Kind<QLineEdit>(b, "texLaenge");
    breite->setText("48.5");
    laenge->setText("9.25");
    QTest::keyClick(breite, Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), laenge);
    EXPECT_EQ(laenge->selectedText(), "9.25");
    QTest::mouseClick(breite, Qt::LeftButton, {}, QPoint(5, breite->height() / 2));
    ASSERT_EQ(QApplication::focusWidget(), breite);
    EXPECT_EQ(breite->selectedText(), "48.5");
    // Typing replaces the selection.
    QTest::keyClicks(breite, "1");
    EXPECT_EQ(breite->text(), "1");
}

TEST_F(FensterTest, TabAndBackspaceAreNeverRejected) {
    Meldungsbox boxen;
    foBerechnungen& b = Format(6);
    auto* ziffern = Kind<QLineEdit>(b, "texREFZiffern");
    QTest::keyClicks(ziffern, "12");
    QTest::keyClick(ziffern, Qt::Key_Backspace);
    EXPECT_EQ(ziffern->text(), "1");
    ziffern->setFocus();
    QTest::keyClick(ziffern, Qt::Key_Tab);
    EXPECT_NE(QApplication::focusWidget(), ziffern);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), ziffern);
    EXPECT_TRUE(boxen.boxen.empty());
}
