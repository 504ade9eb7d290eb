// The text that "copy all results" puts on the clipboard.
#include <gtest/gtest.h>

#include "workflow/Zusammenfassung.h"

using namespace kartovex;

// One line per format in the window's order, tab-separated fields as they
// stand; a format with only empty fields has no line, a hidden Gauss-Krueger
// frame none either.
TEST(Zusammenfassung, ZeilenInFensterreihenfolge) {
    Ausgabetexte t;
    for (const auto& [feld, text] :
         std::initializer_list<std::pair<Aus, const char*>>{{Aus::texBreiteAUS, "N1"},
                                                            {Aus::texLaengeMinuteAUS, "2"},
                                                            {Aus::texBGradAUS, "N3"},
                                                            {Aus::texLSekundeAUS, "4"},
                                                            {Aus::texZone2, "32U"},
                                                            {Aus::texHoch2, "5"},
                                                            {Aus::texMilUTM, ""},
                                                            {Aus::texREFAUS, "6"},
                                                            {Aus::texGKRechtsAUS, " 7"},
                                                            {Aus::labStreifenbreite, "3"}})
        t.setze(feld, text);
    const std::string ohneGK = "Grad (dezimal)\tN1\t\n"
                               "Grad/Minuten\t\t\t\t2\n"
                               "Grad/Minuten/Sekunden\tN3\t\t\t\t\t4\n"
                               "UTM zivil\t32U\t\t5\n"
                               "UTM ref\t6\n";
    EXPECT_EQ(Zusammenfassung(t, false), ohneGK);
    EXPECT_EQ(Zusammenfassung(t, true), ohneGK + "Gauß - Krüger\t 7\t\t3\t\n");
    EXPECT_EQ(Zusammenfassung({}, true), "");
}
