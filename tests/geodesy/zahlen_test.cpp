// Number texts, rounding, the angle routines and the meridian arc series.
#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "geodesy/Ausgabewege.h"
#include "geodesy/modKartovex.h"
#include "geodesy_test_hilfen.h"

using namespace modKartovex;

namespace {

// The value rounded to 15 significant digits by the library's exact conversion.
double exakt15(double wert) {
    char text[40];
    const auto ende = std::to_chars(text, text + 40, wert, std::chars_format::scientific, 14).ptr;
    double gerundet = 0;
    std::from_chars(text, ende, gerundet);
    return gerundet;
}

} // namespace

TEST(Zahlwert, ReadsTheLeadingNumber) {
    const std::vector<std::pair<std::string, double>> faelle = {
        {"", 0},           {"abc", 0},     {" .5", 0.5},
        {"- 48.5", -48.5}, {"32U", 32},    {"12,5", 12},
        {"--7", 0},        {"1.2.3", 1.2}, {"1 E - 0 2", 0.01},
        {"1E+", 1},        {"-.", 0},      {"E5", 0},
        {"1E-400", 0},     {"12D3", 12},   {"\r5", 0},
        {"nan", 0},        {"-inf", 0},    {"\t1 2\n3.2 5", 123.25},
    };
    for (const auto& [text, wert] : faelle)
        EXPECT_EQ(Zahlwert(text), wert) << '"' << text << '"';
    // Too large for a double: infinity, which the routines' value check reports.
    EXPECT_EQ(Zahlwert("1E400"), HUGE_VAL);
    EXPECT_EQ(Zahlwert("-0.001E99999999999999999"), -HUGE_VAL);
}

// The regional form has a "0" before the point and the user's separator.
TEST(Zahltext, ShapesAndTheRegionalForm) {
    const std::vector<std::tuple<double, std::string, std::string>> faelle = {
        {0, " 0", "0"},
        {-0.0, " 0", "0"},
        {0.5, " .5", "0.5"},
        {-0.25, "-.25", "-0.25"},
        {1e15, " 1E+15", "1E+15"},
        {0.00001, " .00001", "0.00001"},
        {-1.5e-6, "-1.5E-06", "-1.5E-06"},
        {2.0 / 3, " .666666666666667", "0.666666666666667"},
        {99999999999999.99, " 100000000000000", "100000000000000"},
    };
    for (auto [wert, text, regional] : faelle) {
        EXPECT_EQ(Zahltext(wert), text);
        EXPECT_EQ(Regionalzahltext(wert), regional);
        MitDezimaltrenner komma(',');
        std::replace(regional.begin(), regional.end(), '.', ',');
        EXPECT_EQ(Regionalzahltext(wert), regional);
    }
}

// Every number text reads back as the value rounded to 15 digits exactly,
// over the whole range and next to ties in the 16th digit; plain digit texts
// read as the library reads them.
TEST(Zahltext, ReadsBackTo15DigitsExactly) {
    std::mt19937_64 zufall(7);
    std::uniform_real_distribution<double> mantisse(1, 10);
    std::uniform_int_distribution<int> exponent(-300, 300), plain(-5, 14), ziffer(0, 9);
    for (int i = 0; i < 100000; ++i) {
        double wert =
            mantisse(zufall) * std::pow(10.0, i % 4 == 0 ? exponent(zufall) : plain(zufall));
        if (i % 4 == 1) { // the 16th digit 5 with nothing after it, as near as a double gets
            const double schritt = std::pow(10.0, std::floor(std::log10(wert)) - 14);
            wert = (std::floor(wert / schritt) + 0.5) * schritt;
        }
        ASSERT_EQ(Zahlwert(Zahltext(wert)), exakt15(wert)) << Zahltext(wert);
        ASSERT_EQ(Zahlwert(Regionalzahltext(-wert)), -exakt15(wert));

        std::string text = i % 3 == 0 ? "-" : "";
        const int n = 1 + i % 22, punkt = i % (n + 1);
        for (int k = 0; k < n; ++k)
            text += std::string(k == punkt ? "." : "") + static_cast<char>('0' + ziffer(zufall));
        double erwartet = 0;
        std::from_chars(text.data(), text.data() + text.size(), erwartet);
        ASSERT_EQ(Zahlwert(" " + text + "U"), erwartet) << text;
    }
}

TEST(Runden, HalvesAwayFromZero) {
    const std::vector<std::tuple<double, int16_t, double>> faelle = {
        {2.5, 0, 3}, {-2.5, 0, -3}, {500000.5, 0, 500001},      {-0.5, 0, -1},
        {0, 3, 0},   {1.005, 2, 1}, {48.1234565, 6, 48.123457}, {1234.5678, -2, 1200},
    };
    for (const auto& [x, n, wert] : faelle)
        EXPECT_EQ(Runden(x, n), wert) << x << " n=" << n;
}

TEST(Dezimaltext, FixedDecimalsWithEitherSeparator) {
    const std::vector<std::tuple<std::string, int16_t, std::string>> faelle = {
        {"7", 0, "7"},
        {"7,9", 2, "7.00"},
        {"-0.5", 1, "-0.5"},
        {"2.675", 2, "2.68"},
        {"0.125", 2, "0.13"},
        {"-12.5", 0, "-13"},
        {"9.995", 2, "10.00"},
        {"0.0000005", 6, "0.000001"},
        {"", 2, "0.00"},
        {"-0", 2, "0.00"},
        {"-0.004", 2, "-0.00"},
        {"1234.5", 12, "1234.500000000000"},
        {"59.99999964", 2, "60.00"},
        {"1E+15", 2, "1000000000000000.00"},
        {"123456789.123456789", 14, "123456789.12345700000000"},
    };
    for (char trenner : {'.', ','}) {
        MitDezimaltrenner einstellung(trenner);
        for (const auto& [text, n, ergebnis] : faelle)
            EXPECT_EQ(Dezimaltext(text, n), ergebnis) << text << " n=" << n;
    }
}

// Minutes and seconds add to the signed degrees; GM_G reads a comma in
// the minutes, GMS_G stops there.
TEST(Winkel, DegreesMinutesSecondsToDecimal) {
    pruefe("GMS_G", {{"48|26|10.7975907683", " 48.4363326641023|26|10.7975907683"}});
    pruefe("GMS_G", {
                        {"-7|30|0", "-6.5|30|0"},
                        {"||", " 0||"},
                        {"10|30,5|", " 10.5|30,5|"},
                    });
    pruefe("GM_G", {{"|", " 0|"}, {"48|30,5", " 48.5083333333333|"}});
}

// Seconds or minutes carry above 59.999999; seconds below 10 and degrees and
// minutes of one digit get a "0" in front.
TEST(Winkel, DecimalToDegreesMinutesSeconds) {
    pruefe("G_GMS", {
                        {"48,5|x|x|x", "48.5|48|30|0.00"},
                        {"-7.9999999999|||", "-7.9999999999|-08|00|0.00"},
                        {"-123|||", "-123|-123|00|0.00"},
                        {"7.1|||", "7.1|07|06|0.00"},
                        {"0.00013888888889|||", "*|00|00|~0.5000000"},
                        {"1.00201388888889|||", "*|01|00|~07.250000"},
                        {"48.99999997222|||", "*|48|59|~59.99990"},
                    });
    pruefe("G_GM", {
                       {"10.9999999||x|frei", "10.9999999|10|59.999994|frei"},
                       {"10.99999998|||", "*|10|59.999999|"},
                       {"10.999999999|||", "*|11|0.000000|"},
                       {"0.5|||", "0.5|00|30|"},
                       {"-0.25|||", "-0.25|-00|15|"},
                       {"1,0041666666667|||", "1.0041666666667|01|.25|"},
                       {"5.0916666666667|||", "*|05|5.5|"},
                   });
}

// The output stages round the number that G_GM and G_GMS end with instead of
// reading their minutes or seconds text back; both ways must give the same
// text, for the angles and for any value and number of decimals.
TEST(Ausgabewege, NumbersRoundLikeTheirTexts) {
    std::mt19937_64 zufall(12);
    std::uniform_real_distribution<double> grad(-180, 180);
    std::vector<double> werte = {0,     1e-6, 9e-6,   0.5,          59.9999995, 60,
                                 99.5,  1e-5, 1e15,   123456.789e9, 1e-300,     -0.0,
                                 1e300, 2.5,  0.0625, 9.9999995e14};
    for (int i = 0; i < 20000; ++i)
        werte.push_back(grad(zufall));
    for (char trenner : {'.', ','}) {
        MitDezimaltrenner einstellung(trenner);
        for (const double wert : werte) {
            for (int16_t n : {0, 2, 6, 14})
                ASSERT_EQ(intern::Dezimaltext(wert, n), Dezimaltext(Zahltext(wert), n))
                    << wert << " n=" << n;
            std::string text = Zahltext(wert), grad1, minuten, grad2, min2, sek, frei;
            std::string kopie = text;
            double m = -1, s = -1;
            ASSERT_TRUE(intern::GradMinWerte(intern::WertMitPunkt(kopie), grad1, m));
            G_GM(text, grad2, minuten, frei);
            EXPECT_EQ(grad1, grad2) << wert;
            EXPECT_EQ(intern::Dezimaltext(m, 6), Dezimaltext(minuten, 6)) << wert;
            std::string grad3, min3;
            kopie = text;
            ASSERT_TRUE(intern::GradMinSekWerte(intern::WertMitPunkt(kopie), grad3, min3, s));
            G_GMS(text, grad2, min2, sek);
            EXPECT_EQ(grad3, grad2) << wert;
            EXPECT_EQ(min3, min2) << wert;
            EXPECT_EQ(intern::Dezimaltext(s, 2), Dezimaltext(sek, 2)) << wert;
        }
    }
}
