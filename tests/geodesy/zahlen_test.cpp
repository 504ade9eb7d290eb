// Number texts, rounding and the angle splits.
#include <gtest/gtest.h>

#include <cfenv>
#include <charconv>
#include <cmath>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "geodesy/Ellipsoide.h"
#include "geodesy/modKartovex.h"
#include "geodesy_test_hilfen.h"

using namespace modKartovex;

TEST(Zahlwert, ReadsTheLeadingNumber) {
    struct Fall {
        std::string text;
        double wert;
    };
    const std::vector<Fall> faelle = {
        {"", 0},
        {"abc", 0},
        {" .5", 0.5},
        {"- 48.5", -48.5},
        {"32U", 32},
        {"12,5", 12},
        {"\t1 2\n3.2 5", 123.25},
        {"+7", 7},
        {"--7", 0},
        {"1.2.3", 1.2},
        {"1.5E-05", 1.5e-05},
        {"2e3", 2000},
        {"1 E - 0 2", 0.01},
        {"1E", 1},
        {"1E+", 1},
        {"1Ex", 1},
        {".", 0},
        {"-.", 0},
        {"E5", 0},
        {"1E-400", 0},
        {"0E999999999999", 0},
        {"12D3", 12},
        {"\r5", 0},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(Zahlwert(f.text), f.wert) << '"' << f.text << '"';
}

TEST(Zahlwert, HugeExponentOverflowsAndRaisesTheFault) {
    std::feclearexcept(FE_ALL_EXCEPT);
    EXPECT_EQ(Zahlwert("1E400"), HUGE_VAL);
    EXPECT_TRUE(std::fetestexcept(FE_OVERFLOW));
    std::feclearexcept(FE_ALL_EXCEPT);
    EXPECT_EQ(Zahlwert("-0.001E99999999999999999"), -HUGE_VAL);
    EXPECT_TRUE(std::fetestexcept(FE_OVERFLOW));
    std::feclearexcept(FE_ALL_EXCEPT);
}

TEST(Zahltext, Shapes) {
    struct Fall {
        double wert;
        std::string text;
    };
    const std::vector<Fall> faelle = {
        {0, " 0"},
        {-0.0, " 0"},
        {0.5, " .5"},
        {-0.25, "-.25"},
        {3500000, " 3500000"},
        {48.4363326641023, " 48.4363326641023"},
        {1.0 / 3, " .333333333333333"},
        {2.0 / 3, " .666666666666667"},
        {-123.456, "-123.456"},
        {0.1 + 0.2, " .3"},
        {99999999999999.99, " 100000000000000"},
        {1e15, " 1E+15"},
        {-1.5e-6, "-1.5E-06"},
        {0.00001, " .00001"},
        {1.23456789e200, " 1.23456789E+200"},
    };
    for (const auto& f : faelle) {
        EXPECT_EQ(Zahltext(f.wert), f.text) << f.wert;
    }
}

TEST(Zahltext, ZahlwertReadsItBackTo15Digits) {
    std::mt19937_64 zufall(7);
    std::uniform_real_distribution<double> mantisse(-10, 10);
    std::uniform_int_distribution<int> exponent(-300, 300);
    for (int i = 0; i < 20000; ++i) {
        const double wert = mantisse(zufall) * std::pow(10.0, exponent(zufall));
        const double zurueck = Zahlwert(Zahltext(wert));
        EXPECT_EQ(Zahltext(zurueck), Zahltext(wert));
        // The same 15 digits as the exact conversion of the binary value.
        char exakt[40];
        const auto ende =
            std::to_chars(exakt, exakt + sizeof exakt, wert, std::chars_format::scientific, 14).ptr;
        double erwartet = 0;
        std::from_chars(exakt, ende, erwartet);
        EXPECT_EQ(zurueck, erwartet) << Zahltext(wert);
        EXPECT_NEAR(zurueck, wert, std::fabs(wert) * 1e-14) << Zahltext(wert);
    }
}

TEST(Zahltext, Exact15DigitsInThePlainRange) {
    // Where the fast rounding works: magnitudes from 1E-5 to 1E15, values
    // close to ties included (x.5 in the 16th digit).
    std::mt19937_64 zufall(11);
    std::uniform_real_distribution<double> mantisse(1, 10);
    std::uniform_int_distribution<int> exponent(-5, 14);
    for (int i = 0; i < 200000; ++i) {
        double wert = mantisse(zufall) * std::pow(10.0, exponent(zufall));
        if (i % 2 == 1) {
            // Force the 16th digit to 5 with nothing after it, as near as a
            // double gets.
            const double schritt = std::pow(10.0, std::floor(std::log10(wert)) - 14);
            wert = (std::floor(wert / schritt) + 0.5) * schritt;
        }
        char exakt[40];
        const auto ende =
            std::to_chars(exakt, exakt + sizeof exakt, wert, std::chars_format::scientific, 14).ptr;
        double erwartet = 0;
        std::from_chars(exakt, ende, erwartet);
        ASSERT_EQ(Zahlwert(Zahltext(wert)), erwartet) << Zahltext(wert);
        ASSERT_EQ(Zahlwert(Regionalzahltext(-wert)), -erwartet);
    }
}

TEST(Zahlwert, PlainNumbersReadExactly) {
    // The quick reading of plain numbers against the library's exact one.
    std::mt19937_64 zufall(5);
    std::uniform_int_distribution<int> laenge(1, 22), ziffer(0, 9);
    for (int i = 0; i < 100000; ++i) {
        std::string text = i % 3 == 0 ? "-" : "";
        const int n = laenge(zufall);
        const int punkt = std::uniform_int_distribution<int>(0, n)(zufall);
        for (int k = 0; k < n; ++k) {
            if (k == punkt) text += '.';
            text += static_cast<char>('0' + ziffer(zufall));
        }
        double erwartet = 0;
        std::from_chars(text.data(), text.data() + text.size(), erwartet);
        ASSERT_EQ(Zahlwert(text), erwartet) << text;
        ASSERT_EQ(Zahlwert("  " + text + "U"), erwartet) << text;
        ASSERT_EQ(Zahlwert(text + " 0"), Zahlwert(text + "0")) << text;
    }
}

TEST(Regionalzahltext, UsesTheRegionalSeparatorAndALeadingZero) {
    EXPECT_EQ(Regionalzahltext(0.5), "0.5");
    EXPECT_EQ(Regionalzahltext(-0.25), "-0.25");
    EXPECT_EQ(Regionalzahltext(5316300), "5316300");
    EXPECT_EQ(Regionalzahltext(1.5e-7), "1.5E-07");
    MitDezimaltrenner komma(',');
    EXPECT_EQ(Regionalzahltext(47.999998), "47,999998");
    EXPECT_EQ(Regionalzahltext(-0.25), "-0,25");
    EXPECT_EQ(Regionalzahltext(611281), "611281");
}

TEST(Runden, HalvesAwayFromZero) {
    struct Fall {
        double x;
        int16_t n;
        double wert;
    };
    const std::vector<Fall> faelle = {
        {2.5, 0, 3},           {-2.5, 0, -3},  {500000.5, 0, 500001},
        {-0.5, 0, -1},         {0, 3, 0},      {48.1234565, 6, 48.123457},
        {1.005, 2, 1.0},       {2.4999, 0, 2}, {9999999.4, 0, 9999999},
        {1234.5678, -2, 1200},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(Runden(f.x, f.n), f.wert) << f.x << " n=" << f.n;
}

TEST(Dezimaltext, FixedDecimals) {
    struct Fall {
        std::string text;
        int16_t n;
        std::string ergebnis;
    };
    const std::vector<Fall> faelle = {
        {"7", 0, "7"},
        {"7,9", 2, "7.00"},
        {"-0.5", 1, "-0.5"},
        {"0.5", 6, "0.500000"},
        {"2.675", 2, "2.68"},
        {"0.125", 2, "0.13"},
        {"12.5", 0, "13"},
        {"-12.5", 0, "-13"},
        {"9.995", 2, "10.00"},
        {"0.0004", 2, "0.00"},
        {"0.005", 2, "0.01"},
        {"0.0000005", 6, "0.000001"},
        {"48.4363326641023", 6, "48.436333"},
        {"59.99999964", 2, "60.00"},
        {"", 2, "0.00"},
        {" 1E+15", 2, "1000000000000000.00"},
        {"1.23456789012345", 14, "1.23456789012345"},
        {"123456789.123456789", 14, "123456789.12345700000000"},
        {"-0", 2, "0.00"},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(Dezimaltext(f.text, f.n), f.ergebnis) << f.text << " n=" << f.n;
}

TEST(Dezimaltext, IndependentOfTheRegionalSeparator) {
    for (char trenner : {'.', ','}) {
        MitDezimaltrenner einstellung(trenner);
        EXPECT_EQ(Dezimaltext("48.4363326641023", 6), "48.436333");
        EXPECT_EQ(Dezimaltext("12.5", 0), "13");
    }
}

TEST(GMS_G, AddsMinutesAndSecondsToTheSignedDegrees) {
    struct Fall {
        std::string grad, minuten, sekunden, ergebnis;
    };
    const std::vector<Fall> faelle = {
        {"-7", "30", "0", "-6.5"},
        {"48", "26", "10.7975907683", " 48.4363326641023"},
        {"", "", "", " 0"},
        {"10", "30,5", "", " 10.5"},
    };
    for (auto f : faelle) {
        const std::string minuten = f.minuten, sekunden = f.sekunden;
        GMS_G(f.grad, f.minuten, f.sekunden);
        EXPECT_EQ(f.grad, f.ergebnis);
        EXPECT_EQ(f.minuten, minuten);
        EXPECT_EQ(f.sekunden, sekunden);
    }
}

TEST(GM_G, TranslatesTheCommaAndEmptiesTheMinutes) {
    std::string grad = "", minuten = "";
    GM_G(grad, minuten);
    EXPECT_EQ(grad, " 0");
    EXPECT_EQ(minuten, "");
    grad = "48";
    minuten = "30,5";
    GM_G(grad, minuten);
    EXPECT_EQ(grad, " 48.5083333333333");
    EXPECT_EQ(minuten, "");
}

TEST(G_GMS, Splits) {
    struct Fall {
        std::string dezimal, dezimalDanach, grad, minuten;
        double sekunden;
    };
    const std::vector<Fall> faelle = {
        {"48,5", "48.5", "48", "30", 0},
        {"-7.9999999999", "-7.9999999999", "-08", "00", 0},
        {"-5", "-5", "-05", "00", 0},
        {"-123", "-123", "-123", "00", 0},
        {"7.1", "7.1", "07", "06", 0}, // 59.99999999999 seconds carry
        {"10.12", "10.12", "10", "07", 12},
        {"0.50013888888889", "0.50013888888889", "00", "30", 0.5},
        {"-33.9", "-33.9", "-33", "54", 0},
    };
    for (auto f : faelle) {
        std::string g = "x", m = "x", s = "x";
        G_GMS(f.dezimal, g, m, s);
        EXPECT_EQ(f.dezimal, f.dezimalDanach);
        EXPECT_EQ(g, f.grad) << f.dezimalDanach;
        EXPECT_EQ(m, f.minuten) << f.dezimalDanach;
        if (f.sekunden == 0) {
            EXPECT_EQ(s, "0.00") << f.dezimalDanach;
        } else {
            EXPECT_NEAR(Zahlwert(s), f.sekunden, 1e-6) << f.dezimalDanach << " -> " << s;
        }
    }
    // Seconds below 10 get a "0" in front of their Zahltext: .5 becomes 0.5,
    // 7.25 becomes 07.25.
    std::string d = "0.00013888888889", g, m, s;
    G_GMS(d, g, m, s);
    EXPECT_EQ(s.substr(0, 3), "0.5");
    d = "1.00201388888889";
    G_GMS(d, g, m, s);
    EXPECT_EQ(s.substr(0, 4), "07.2");
}

TEST(G_GMS, SecondsJustBelowTheCarryStay) {
    // 48° 59' 59.9999": the seconds stay below 59.999999 and do not carry.
    std::string d = Zahltext(48 + 59.0 / 60 + 59.9999 / 3600), g, m, s;
    G_GMS(d, g, m, s);
    EXPECT_EQ(g, "48");
    EXPECT_EQ(m, "59");
    EXPECT_NEAR(Zahlwert(s), 59.9999, 1e-6);
    EXPECT_EQ(Dezimaltext(s, 2), "60.00");
}

TEST(G_GM, SplitsWithBankersMinutes) {
    struct Fall {
        std::string dezimal, grad, minuten;
    };
    const std::vector<Fall> faelle = {
        {"10.9999999", "10", "59.999994"},
        {"10.99999998", "10", "59.999999"},
        {"10.999999999", "11", "0.000000"},
        {"0.5", "00", "30"},
        {"-0.25", "-00", "15"},
        {"1,0041666666667", "01", ".25"},
        {"5.0916666666667", "05", "5.5"},
        {"48", "48", "0.000000"},
    };
    for (auto f : faelle) {
        std::string g, m, frei = "frei";
        G_GM(f.dezimal, g, m, frei);
        EXPECT_EQ(f.dezimal.find(','), std::string::npos);
        EXPECT_EQ(g, f.grad) << f.dezimal;
        EXPECT_EQ(m, f.minuten) << f.dezimal;
        EXPECT_EQ(frei, "frei");
    }
}

TEST(Winkel, HugeInputShowsTheMessageOnceAndKeepsTheTexts) {
    MeldungsRekorder rekorder;
    std::string grad = "1E400", minuten = "1,5", sekunden = "0";
    GM_G(grad, minuten);
    EXPECT_EQ(grad, "1E400");
    EXPECT_EQ(minuten, "1.5"); // replaced before the fault
    std::string d = "-1E999", g = "g", m = "m", s = "s";
    G_GMS(d, g, m, s);
    EXPECT_EQ(g, "g");
    EXPECT_EQ(s, "s");
    std::string frei;
    G_GM(d, g, m, frei);
    EXPECT_EQ(m, "m");
    GMS_G(grad, minuten, sekunden);
    EXPECT_EQ(grad, "1E400");
    EXPECT_EQ(rekorder.meldungen, std::vector<std::string>(4, FehlerMeldung));
}

TEST(Ellipsoide, MeridianArcAndFootpoint) {
    using namespace modKartovex::intern;
    EXPECT_EQ(Meridianbogen(UTMReihen, 0), 0);
    EXPECT_NEAR(UTMReihen.E0, 111132.9525, 1e-4);
    EXPECT_NEAR(Meridianbogen(UTMReihen, 48), 5318427.595, 1e-3);
    EXPECT_NEAR(Meridianbogen(UTMReihen, 8), 884651.7, 0.1);
    EXPECT_NEAR(GKReihen.E0, 111120.6196, 1e-4);
    EXPECT_NEAR(Meridianbogen(GKReihen, 48), 5317885.232, 1e-3);
    EXPECT_NEAR(UTMReihen.e2, 0.0067394967754789, 1e-16);
    for (const auto* reihen : {&UTMReihen, &GKReihen})
        for (double phi = 0; phi <= 84; phi += 0.25)
            EXPECT_NEAR(Fusspunktbreite(*reihen, Meridianbogen(*reihen, phi)), phi, 2e-9) << phi;
    const Radien pol = Kruemmungsradien(GRS80.c, UTMReihen.e2, 90 * DEG);
    EXPECT_NEAR(pol.V, 1, 1e-15);
    EXPECT_NEAR(pol.N, GRS80.c, 1e-6);
    EXPECT_NEAR(pol.M, GRS80.c, 1e-6);
}
