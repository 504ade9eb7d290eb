// Leaving the UTM civil zone field: character tests, extreme values, exceptions.
#include <gtest/gtest.h>

#include "checks/Zonenfeld.h"

using namespace kartovex;

namespace {
// Bounds as RechtsMax RechtsMin HochMax HochMin, or the message of the first
// failing character test with the bounds as they were. The band is the last
// character, the zone the first two.
TEST(ZoneVerlassen, ExtremeValuesExceptionsAndCharacterTests) {
    const std::string erstes = "Das 1. Zeichen der Zone muss eine Ziffer ( 0...6 ) sein!|";
    const std::string zweites = "Das 2. Zeichen der Zone muss eine Ziffer ( 0...9 ) sein!|";
    const std::string letztes = "Das 3. Zeichen der Zone muss einer der Buchstaben\r\n\r\n"
                                "C D E F G H J K L M N P Q R S T U V W X\r\n\r\nsein|";
    auto pruefe = [](const std::string& zone, const std::string& soll) {
        Grenzen g{"RMax", "RMin", "HMax", "HMin"};
        const auto e = ZoneVerlassen(zone, g);
        EXPECT_EQ(e.ok, e.meldung.empty()) << zone;
        EXPECT_EQ((e.ok ? "" : e.meldung + "|") + g.RechtsMax + " " + g.RechtsMin + " " +
                      g.HochMax + " " + g.HochMin,
                  soll)
            << zone;
    };
    const std::pair<const char*, const char*> werte[] = {
        {"32U", "0723776 0276224 6210141 5316301"}, {"00C", "0603433 0396567 2011066 1116915"},
        {"60M", "0833978 0166022 9999999 9114496"}, {"32N", "0833979 0166021 0885504 0000000"},
        {"31V", "0500000 0312929 7100467 6206081"}, {"32V", "0687071 0126050 7100467 6206081"},
        {"33V", "0687071 0312929 7100467 6206081"}, {"31W", "0646695 0353305 7991509 7097015"},
        {"31X", "0706636 0396567 9329004 7988934"}, {"33X", "0706636 0293364 9329004 7988934"},
        {"35X", "0706636 0293364 9329004 7988934"}, {"37X", "0431031 0293364 9329004 7990077"},
        {"32X", "0603433 0396567 9329004 7988934"}, {"31VX", "0706636 0396567 9329004 7988934"},
    };
    for (const auto& [zone, soll] : werte)
        pruefe(zone, soll);
    pruefe("", "RMax RMin HMax HMin");
    const std::pair<const char*, std::string> fehler[] = {
        {"70U", erstes},  {"U", erstes},    {"3AU", zweites}, {"3ÄU", zweites},
        {"32I", letztes}, {"32u", letztes}, {"3", letztes},   {"32U ", letztes},
    };
    for (const auto& [zone, meldung] : fehler)
        pruefe(zone, meldung + "RMax RMin HMax HMin");
}

TEST(Zonenfeld, LabelText) {
    EXPECT_EQ(Limitstext("0723776", "0276224"), "0723776 Maximum\n0276224 Minimum");
}
} // namespace
