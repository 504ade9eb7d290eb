// The module's messages reach the installed output, and only it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "geodesy/modKartovex.h"

TEST(Meldungen, GoThroughTheInstalledOutput) {
    std::vector<std::string> gesehen;
    modKartovex::setMeldungsausgabe([&](const std::string& t) { gesehen.push_back(t); });
    modKartovex::Meldung(modKartovex::FehlerMeldung);
    modKartovex::setMeldungsausgabe(nullptr);
    ASSERT_EQ(gesehen.size(), 1u);
    EXPECT_EQ(gesehen[0], "Unmögliche Werte haben einen Fehler verursacht.\r\n"
                          "Überprüfen Sie Ihre Eingaben!");
}
