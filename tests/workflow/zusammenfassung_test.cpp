// The text that "copy all results" puts on the clipboard, built from the
// driver's own output texts.
#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "workflow/Berechnung.h"
#include "workflow/Zusammenfassung.h"

using namespace kartovex;

namespace {

Ausgabe dezimal(const char* breite, const char* laenge, bool west = false) {
    Eingabe e;
    e.texte = {{"texBreite", breite}, {"texLaenge", laenge}};
    e.an = {"optDezN", west ? "optDezW" : "optDezE", "optDrei"};
    auto r = Berechnung(Eingabeformat::GradDezimal, e);
    EXPECT_TRUE(r.ausgabe.has_value()) << r.pruefung.meldung;
    return r.ausgabe.value_or(Ausgabe{});
}

std::vector<std::string> zeilen(const std::string& text) {
    std::vector<std::string> z;
    std::istringstream ein(text);
    for (std::string s; std::getline(ein, s);)
        z.push_back(s);
    return z;
}

} // namespace

TEST(Zusammenfassung, BeispielpunktJedesFormatEineZeileInFensterreihenfolge) {
    const Ausgabe a = dezimal("48.4363326641023", "9.96796724981198");
    ASSERT_TRUE(a.gkSichtbar);
    const auto& t = a.texte;
    const std::string text = Zusammenfassung(t, true);
    EXPECT_EQ(text.back(), '\n');
    const std::vector<std::string> erwartet = {
        "Grad (dezimal)\tN48.436333\tE009.967967",
        "Grad/Minuten\t" + t.at("texBreiteGradAUS") + "\t" + t.at("texBreiteMinuteAUS") + "\t" +
            t.at("texLaengeGradAUS") + "\t" + t.at("texLaengeMinuteAUS"),
        "Grad/Minuten/Sekunden\t" + t.at("texBGradAUS") + "\t" + t.at("texBMinuteAUS") + "\t" +
            t.at("texBSekundeAUS") + "\t" + t.at("texLGradAUS") + "\t" + t.at("texLMinuteAUS") +
            "\t" + t.at("texLSekundeAUS"),
        "UTM zivil\t32U\t0571595\t5365251",
        "UTM mil\t32U  NU  76.15.52.95.51",
        "UTM ref\t32U  NU  7159565251",
        "Gauß - Krüger\t" + t.at("texGKRechtsAUS") + "\t" + t.at("texGKHochAUS") + "\t3\t" +
            t.at("texMeridianAUS"),
    };
    EXPECT_EQ(zeilen(text), erwartet);
}

TEST(Zusammenfassung, OhneGaussKruegerRahmenKeineGKZeile) {
    // West of Greenwich: the driver hides the frame. A frame hidden after an
    // earlier point inside Germany still holds that point's values; they must
    // not be copied.
    Feldtexte t = dezimal("48.5", "9.5").texte;
    const Ausgabe west = dezimal("48.5", "9.5", true);
    ASSERT_FALSE(west.gkSichtbar);
    for (const auto& [feld, text] : west.texte)
        t[feld] = text;
    const auto z = zeilen(Zusammenfassung(t, false));
    ASSERT_EQ(z.size(), 6u);
    EXPECT_EQ(z[0].rfind("Grad (dezimal)\tN48.500000\tW", 0), 0u) << z[0];
    EXPECT_EQ(z[5].rfind("UTM ref\t", 0), 0u);
}

TEST(Zusammenfassung, LeereFormateFehlenTeilweiseLeereBehaltenIhreSpalten) {
    // A fresh window shows nothing; a user may have cleared one UTM field.
    EXPECT_EQ(Zusammenfassung({}, true), "");
    const Feldtexte t = {{"texZone2", "32U"}, {"texHoch2", "5365251"}, {"texMilUTM", ""}};
    EXPECT_EQ(Zusammenfassung(t, true), "UTM zivil\t32U\t\t5365251\n");
}
