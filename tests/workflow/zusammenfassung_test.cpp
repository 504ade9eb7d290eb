// The text that "copy all results" puts on the clipboard.
#include <gtest/gtest.h>

#include "workflow/Zusammenfassung.h"

using namespace kartovex;

// One line per format in the window's order, tab-separated fields as they
// stand; a format with only empty fields has no line, a hidden Gauss-Krueger
// frame none either.
TEST(Zusammenfassung, ZeilenInFensterreihenfolge) {
    const Feldtexte t = {{"texBreiteAUS", "N1"},   {"texLaengeMinuteAUS", "2"},
                         {"texBGradAUS", "N3"},    {"texLSekundeAUS", "4"},
                         {"texZone2", "32U"},      {"texHoch2", "5"},
                         {"texMilUTM", ""},        {"texREFAUS", "6"},
                         {"texGKRechtsAUS", " 7"}, {"labStreifenbreite", "3"}};
    const std::string ohneGK = "Grad (dezimal)\tN1\t\n"
                               "Grad/Minuten\t\t\t\t2\n"
                               "Grad/Minuten/Sekunden\tN3\t\t\t\t\t4\n"
                               "UTM zivil\t32U\t\t5\n"
                               "UTM ref\t6\n";
    EXPECT_EQ(Zusammenfassung(t, false), ohneGK);
    EXPECT_EQ(Zusammenfassung(t, true), ohneGK + "Gauß - Krüger\t 7\t\t3\t\n");
    EXPECT_EQ(Zusammenfassung({}, true), "");
}
