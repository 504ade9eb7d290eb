// Key filters, upper-casing, comma conversion, rejection messages and Enter targets.
#include <gtest/gtest.h>

#include <iterator>
#include <sstream>

#include "checks/Tastatur.h"
#include "checks/Textregeln.h"

using namespace kartovex;

namespace {
std::vector<std::string> Woerter(const std::string& text) {
    std::istringstream ein(text);
    return {std::istream_iterator<std::string>(ein), {}};
}

// What each field makes of the neighbours of the accepted ranges ('-':
// rejected), and the end of its message for a rejected '#'.
TEST(Tastendruck, FilterAndMessageOfEveryField) {
    const std::string Ziffern = "\b\t\r-----09----------", Komma = "\b\t\r--..-09----------",
                      Zone = "\b\t\r-----09--AZ--AZ--";
    const std::tuple<const char*, std::string, const char*> faelle[] = {
        {"texBreiteGrad texBGrad", Ziffern, "für die Breite"},
        {"texLaengeGrad texLGrad", Ziffern, "für die Länge"},
        {"texBMinute", Ziffern, "für die Minuteneingabe"},
        {"texLMinute", Ziffern, "für die Minuteneingabe der Länge"},
        {"texRechts", Ziffern, "für den Rechtswert"},
        {"texHoch", Ziffern, "für den Hochwert"},
        {"texREFZiffern", Ziffern, "für die Ziffern"},
        {"texBreite", Komma, "für die Breite"},
        {"texLaenge", Komma, "für die Länge"},
        {"texBreiteMinute", Komma, "für die Minuten der Breite"},
        {"texLaengeMinute", Komma, "für die Minuteneingabe der Länge"},
        {"texBSekunde", Komma, "für die Sekunden der Breite"},
        {"texLSekunde", Komma, "für die Sekunden der Länge"},
        {"texGKRechts", Komma, "für den Rechtswert"},
        {"texGKHoch", Komma, "für den Hochwert"},
        {"texZone texZoneM texREFZone", Zone, "für die Zone"},
        {"texREF100", "\b\t\r---------AZ--AZ--", "bei 100km"},
        {"tex100km", "\b\t\r\n ,./09:@AZ[`AZ{Ä", nullptr},
        {"tex10km tex1km tex100m tex10m tex1m", "\b\t\r\n ,./09:@AZ[`az{ä", nullptr},
    };
    for (const auto& [felder, soll, ende] : faelle)
        for (const auto& name : Woerter(felder)) {
            const Feld feld = FeldNamens(name).value();
            std::string ist;
            for (char32_t c : std::u32string_view(U"\b\t\r\n ,./09:@AZ[`az{ä")) {
                const int code = Tastendruck(feld, int(c)).code;
                ist += code ? text::Utf8(code) : "-";
            }
            EXPECT_EQ(ist, soll) << name;
            EXPECT_EQ(Tastendruck(feld, '#').meldung,
                      ende ? "Die Eingabe von\r\n#\r\nist " + std::string(ende) + " nicht zulässig!"
                           : "");
        }
}

// Enter moves along the fields of each format, from the last to "Berechnung".
TEST(Tastendruck, EnterTargets) {
    for (const auto& kette : {
             "texBreite texLaenge comRechnen",
             "texBreiteGrad texBreiteMinute texLaengeGrad texLaengeMinute comRechnen",
             "texBGrad texBMinute texBSekunde texLGrad texLMinute texLSekunde comRechnen",
             "texZone texRechts texHoch comRechnen",
             "texZoneM tex100km tex10km tex1km tex100m tex10m tex1m comRechnen",
             "texREFZone texREF100 texREFZiffern comRechnen",
             "texGKRechts texGKHoch comRechnen",
         }) {
        const auto f = Woerter(kette);
        for (std::size_t i = 0; i + 1 < f.size(); ++i) {
            const auto t = Tastendruck(FeldNamens(f[i]).value(), 13);
            EXPECT_EQ(t.code, 13);
            EXPECT_TRUE(t.enter);
            EXPECT_EQ(t.fokusZiel ? Name(*t.fokusZiel) : "comRechnen", f[i + 1]) << f[i];
        }
    }
}

// The rejected character in the message as typed, upper-cased as the
// Latin-1 code page does, in UTF-8.
TEST(Tastendruck, CharacterInTheMessage) {
    const std::pair<int, const char*> zeichen[] = {{0xE4, "Ä"},  {0xDF, "ß"},   {0xFF, "Ÿ"},
                                                   {22, "\x16"}, {0x20AC, "€"}, {0x1F600, "😀"}};
    for (const auto& [code, text] : zeichen)
        EXPECT_EQ(Tastendruck(Feld::texREFZone, code).meldung,
                  "Die Eingabe von\r\n" + std::string(text) +
                      "\r\nist für die Zone nicht zulässig!");
}

} // namespace
