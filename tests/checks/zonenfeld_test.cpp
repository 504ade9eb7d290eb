// Leaving the UTM civil zone field: character tests, extreme values, exceptions.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "checks/Zonenfeld.h"

using namespace kartovex;

namespace {
const Grenzen Vorher{"vorher-RMax", "vorher-RMin", "vorher-HMax", "vorher-HMin"};

TEST(ZoneVerlassen, ExtremeValuesWithTheExceptionsOfBandsVAndX) {
    struct Fall {
        const char* zone;
        Grenzen erwartet; // RechtsMax, RechtsMin, HochMax, HochMin
    };
    const std::vector<Fall> faelle = {
        {"32U", {"0723776", "0276224", "6210141", "5316301"}},
        {"00C", {"0603433", "0396567", "2011066", "1116915"}},
        {"60M", {"0833978", "0166022", "9999999", "9114496"}},
        {"32N", {"0833979", "0166021", "0885504", "0000000"}},
        {"31V", {"0500000", "0312929", "7100467", "6206081"}},
        {"32V", {"0687071", "0126050", "7100467", "6206081"}},
        {"33V", {"0687071", "0312929", "7100467", "6206081"}},
        {"31W", {"0646695", "0353305", "7991509", "7097015"}},
        {"31X", {"0706636", "0396567", "9329004", "7988934"}},
        {"33X", {"0706636", "0293364", "9329004", "7988934"}},
        {"35X", {"0706636", "0293364", "9329004", "7988934"}},
        {"37X", {"0431031", "0293364", "9329004", "7990077"}},
        {"32X", {"0603433", "0396567", "9329004", "7988934"}},
        {"34X", {"0603433", "0396567", "9329004", "7988934"}},
        {"36X", {"0603433", "0396567", "9329004", "7988934"}},
        {"39X", {"0603433", "0396567", "9329004", "7988934"}},
        {"37V", {"0687071", "0312929", "7100467", "6206081"}},
        // The band is the last character, the zone the first two.
        {"32UX", {"0603433", "0396567", "9329004", "7988934"}},
        {"31VX", {"0706636", "0396567", "9329004", "7988934"}},
        {"031V", {"0687071", "0312929", "7100467", "6206081"}},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.zone);
        Grenzen g = Vorher;
        const auto entscheid = ZoneVerlassen(f.zone, g);
        EXPECT_TRUE(entscheid.ok);
        EXPECT_TRUE(entscheid.meldung.empty());
        EXPECT_EQ(g.RechtsMax, f.erwartet.RechtsMax);
        EXPECT_EQ(g.RechtsMin, f.erwartet.RechtsMin);
        EXPECT_EQ(g.HochMax, f.erwartet.HochMax);
        EXPECT_EQ(g.HochMin, f.erwartet.HochMin);
    }
}

TEST(ZoneVerlassen, FailingCharacterTestsKeepTheBounds) {
    const std::string erstes = "Das 1. Zeichen der Zone muss eine Ziffer ( 0...6 ) sein!";
    const std::string zweites = "Das 2. Zeichen der Zone muss eine Ziffer ( 0...9 ) sein!";
    const std::string letztes = "Das 3. Zeichen der Zone muss einer der Buchstaben\r\n\r\n"
                                "C D E F G H J K L M N P Q R S T U V W X\r\n\r\nsein";
    const std::vector<std::pair<std::string, std::string>> faelle = {
        {"9U", erstes},   {"70U", erstes},  {" 32U", erstes},  {"U", erstes},
        {"3AU", zweites}, {"3 U", zweites}, {"3ÄU", zweites},  {"32I", letztes},
        {"32B", letztes}, {"32O", letztes}, {"32Y", letztes},  {"32u", letztes},
        {"3", letztes},   {"32", letztes},  {"32U ", letztes}, {"32Ü", letztes},
    };
    for (const auto& [zone, meldung] : faelle) {
        SCOPED_TRACE(zone);
        Grenzen g = Vorher;
        const auto entscheid = ZoneVerlassen(zone, g);
        EXPECT_FALSE(entscheid.ok);
        EXPECT_EQ(entscheid.meldung, meldung);
        EXPECT_EQ(g.RechtsMax, Vorher.RechtsMax);
        EXPECT_EQ(g.HochMin, Vorher.HochMin);
    }
}

TEST(ZoneVerlassen, EmptyZonePassesAndKeepsTheBounds) {
    Grenzen g = Vorher;
    EXPECT_TRUE(ZoneVerlassen("", g).ok);
    EXPECT_EQ(g.RechtsMin, Vorher.RechtsMin);
    EXPECT_EQ(g.HochMax, Vorher.HochMax);
}

TEST(Zonenfeld, LabelTextsAndZoneFirstMessage) {
    EXPECT_EQ(Limitstext("0723776", "0276224"), "0723776 Maximum\n0276224 Minimum");
    EXPECT_EQ(Limitstext("", ""), " Maximum\n Minimum");
    EXPECT_EQ(ZoneZuerstMeldung, "Sie müssen zuerst die Zone eingeben,\r\n"
                                 "sonst kann ich die gültigen Extremwerte nicht berechnen.");
}
} // namespace
