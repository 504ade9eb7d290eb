// Key filters, upper-casing, comma conversion, rejection messages and Enter targets.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "checks/Tastatur.h"

using namespace kartovex;

namespace {
constexpr int Ae = 0xE4; // ä

TEST(Tastenfilter, AcceptanceOfRepresentativeCodes) {
    struct Fall {
        int code;
        bool ziffern, komma, ziffernBuchstaben, buchstaben;
    };
    const std::vector<Fall> faelle = {
        {8, true, true, true, true},        {9, true, true, true, true},
        {13, true, true, true, true},       {0, false, false, false, false},
        {10, false, false, false, false},   {22, false, false, false, false},
        {' ', false, false, false, false},  {',', false, true, false, false},
        {'.', false, true, false, false},   {'-', false, false, false, false},
        {'/', false, false, false, false},  {'0', true, true, true, false},
        {'9', true, true, true, false},     {':', false, false, false, false},
        {'@', false, false, false, false},  {'A', false, false, true, true},
        {'Z', false, false, true, true},    {'[', false, false, false, false},
        {'`', false, false, false, false},  {'a', false, false, true, true},
        {'z', false, false, true, true},    {'{', false, false, false, false},
        {Ae, false, false, false, false},   {0xC4, false, false, false, false},
        {0xDF, false, false, false, false}, {0x20AC, false, false, false, false},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.code);
        EXPECT_EQ(NurZiffern(f.code), f.ziffern);
        EXPECT_EQ(ZiffernUndKomma(f.code), f.komma);
        EXPECT_EQ(ZiffernUndBuchstaben(f.code), f.ziffernBuchstaben);
        EXPECT_EQ(NurBuchstaben(f.code), f.buchstaben);
    }
}

// Every field: where Enter goes, and what a '#' does (rejected with the full
// message in the filtered fields, taken as typed in the free ones).
TEST(Tastendruck, FieldTableEnterTargetsAndMessages) {
    struct Fall {
        const char* feld;
        const char* enterZiel;
        const char* meldungsende; // nullptr: no filter
    };
    const std::vector<Fall> faelle = {
        {"texBreite", "texLaenge", "ist für die Breite nicht zulässig!"},
        {"texLaenge", "comRechnen", "ist für die Länge nicht zulässig!"},
        {"texBreiteGrad", "texBreiteMinute", "ist für die Breite nicht zulässig!"},
        {"texBreiteMinute", "texLaengeGrad", "ist für die Minuten der Breite nicht zulässig!"},
        {"texLaengeGrad", "texLaengeMinute", "ist für die Länge nicht zulässig!"},
        {"texLaengeMinute", "comRechnen", "ist für die Minuteneingabe der Länge nicht zulässig!"},
        {"texBGrad", "texBMinute", "ist für die Breite nicht zulässig!"},
        {"texBMinute", "texBSekunde", "ist für die Minuteneingabe nicht zulässig!"},
        {"texBSekunde", "texLGrad", "ist für die Sekunden der Breite nicht zulässig!"},
        {"texLGrad", "texLMinute", "ist für die Länge nicht zulässig!"},
        {"texLMinute", "texLSekunde", "ist für die Minuteneingabe der Länge nicht zulässig!"},
        {"texLSekunde", "comRechnen", "ist für die Sekunden der Länge nicht zulässig!"},
        {"texZone", "texRechts", "ist für die Zone nicht zulässig!"},
        {"texRechts", "texHoch", "ist für den Rechtswert nicht zulässig!"},
        {"texHoch", "comRechnen", "ist für den Hochwert nicht zulässig!"},
        {"texZoneM", "tex100km", "ist für die Zone nicht zulässig!"},
        {"tex100km", "tex10km", nullptr},
        {"tex10km", "tex1km", nullptr},
        {"tex1km", "tex100m", nullptr},
        {"tex100m", "tex10m", nullptr},
        {"tex10m", "tex1m", nullptr},
        {"tex1m", "comRechnen", nullptr},
        {"texREFZone", "texREF100", "ist für die Zone nicht zulässig!"},
        {"texREF100", "texREFZiffern", "ist bei 100km nicht zulässig!"},
        {"texREFZiffern", "comRechnen", "ist für die Ziffern nicht zulässig!"},
        {"texGKRechts", "texGKHoch", "ist für den Rechtswert nicht zulässig!"},
        {"texGKHoch", "comRechnen", "ist für den Hochwert nicht zulässig!"},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.feld);
        ASSERT_NE(RegelFuer(f.feld), nullptr);
        const auto enter = Tastendruck(f.feld, 13);
        EXPECT_EQ(enter.code, 13);
        EXPECT_EQ(enter.fokusZiel, f.enterZiel);
        EXPECT_TRUE(enter.meldung.empty());
        for (int code : {8, 9}) {
            const auto t = Tastendruck(f.feld, code);
            EXPECT_EQ(t.code, code);
            EXPECT_TRUE(t.meldung.empty() && t.fokusZiel.empty());
        }
        const auto raute = Tastendruck(f.feld, '#');
        if (f.meldungsende) {
            EXPECT_EQ(raute.code, 0);
            EXPECT_EQ(raute.meldung, std::string("Die Eingabe von\r\n#\r\n") + f.meldungsende);
        } else {
            EXPECT_EQ(raute.code, '#');
            EXPECT_TRUE(raute.meldung.empty());
        }
        EXPECT_TRUE(raute.fokusZiel.empty());
    }
    EXPECT_EQ(RegelFuer("comRechnen"), nullptr);
}

// Upper-casing, filter and comma conversion for single keys.
TEST(Tastendruck, ConversionsAndRejections) {
    struct Fall {
        const char* feld;
        int code;
        int ergebnis;        // 0: rejected
        const char* zeichen; // middle line of the message when rejected
    };
    const std::vector<Fall> faelle = {
        {"texBreite", ',', '.', nullptr},
        {"texBreite", '.', '.', nullptr},
        {"texBreite", '4', '4', nullptr},
        {"texGKHoch", ',', '.', nullptr},
        {"texBSekunde", ',', '.', nullptr},
        {"texBGrad", '.', 0, "."},
        {"texBGrad", ',', 0, ","},
        {"texRechts", 'a', 0, "a"},
        {"texREFZiffern", '.', 0, "."},
        {"texREF100", 'n', 'N', nullptr},
        {"texREF100", '5', 0, "5"},
        {"texREF100", 'N', 'N', nullptr},
        {"texZone", 'u', 'U', nullptr},
        {"texZone", '3', '3', nullptr},
        {"texZone", ' ', 0, " "},
        {"texZone", '-', 0, "-"},
        {"texZone", Ae, 0, "Ä"},
        {"texZoneM", 0xDF, 0, "ß"},
        {"texREFZone", 0xFF, 0, "Ÿ"},
        {"texZone", 22, 0, "\x16"},
        {"texBreite", 22, 0, "\x16"},
        {"texBreite", 'e', 0, "e"},
        {"tex100km", 'x', 'X', nullptr},
        {"tex100km", Ae, 0xC4, nullptr},
        {"tex100km", ',', ',', nullptr},
        {"tex10km", 'x', 'x', nullptr},
        {"tex10km", ',', ',', nullptr},
        {"tex1m", 22, 22, nullptr},
        {"texGKRechts", 0x20AC, 0, "€"},
        {"texLaenge", 0x1F600, 0, "\xF0\x9F\x98\x80"},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(std::string(f.feld) + " " + std::to_string(f.code));
        const auto t = Tastendruck(f.feld, f.code);
        EXPECT_EQ(t.code, f.ergebnis);
        EXPECT_TRUE(t.fokusZiel.empty());
        if (f.zeichen)
            EXPECT_EQ(t.meldung, "Die Eingabe von\r\n" + std::string(f.zeichen) + "\r\n" +
                                     std::string(RegelFuer(f.feld)->meldungsende));
        else
            EXPECT_TRUE(t.meldung.empty());
    }
}

TEST(Tastendruck, FieldWithoutRuleTakesEveryKey) {
    for (int code : {13, int(','), int('a'), 22}) {
        const auto t = Tastendruck("texMeridian", code);
        EXPECT_EQ(t.code, code);
        EXPECT_TRUE(t.meldung.empty() && t.fokusZiel.empty());
    }
}

} // namespace
