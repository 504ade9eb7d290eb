// The fast paths of the number texts, the number reading and Runden against
// the implementation they replaced (zahlen_alt.h): same characters, same
// bits, on millions of random values and on the values where rounding is
// hardest (exact ties at the 16th digit, their neighbours, carries into a
// new leading digit, the borders of the plain notation).
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "geodesy/Zahlform.h"
#include "geodesy/modKartovex.h"
#include "geodesy_test_hilfen.h"
#include "zahlen_alt.h"

namespace {

// Millions of values in the optimised build; under the sanitizers, which
// make every comparison some twenty times slower, a tenth of them.
#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define KARTOVEX_SANITIZER 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__) || defined(KARTOVEX_SANITIZER)
constexpr int Umfang = 10;
#else
constexpr int Umfang = 1;
#endif

std::uint64_t bits(double wert) {
    return std::bit_cast<std::uint64_t>(wert);
}

// Every text form of one value, new against old; returns false at the first
// difference (after recording it), so that a broken path stops the loop.
bool gleicheTexte(double wert) {
    const std::string neu = modKartovex::Zahltext(wert), alt = zahlen_alt::Zahltext(wert);
    EXPECT_EQ(neu, alt) << "Zahltext of " << std::hexfloat << wert;
    const std::string neuRegional = modKartovex::Regionalzahltext(wert);
    const std::string altRegional = zahlen_alt::Regionalzahltext(wert);
    EXPECT_EQ(neuRegional, altRegional) << "Regionalzahltext of " << std::hexfloat << wert;
    return neu == alt && neuRegional == altRegional;
}

// Doubles with exactly 16 significant digits, the last one a 5: the exact
// ties of the rounding to 15 digits. k/2^j with odd k has exactly j decimals.
std::vector<double> Gleichstaende(std::mt19937_64& zufall, int anzahl) {
    std::vector<double> werte;
    std::uniform_int_distribution<int> bruchstellen(1, 40);
    while (static_cast<int>(werte.size()) < anzahl) {
        const int j = bruchstellen(zufall);
        // 16 - j digits before the point (or leading zeros after it).
        const double ziel =
            std::pow(10.0, 16 - j) * std::uniform_real_distribution<>(0.1, 1)(zufall);
        const auto k = static_cast<std::uint64_t>(std::ldexp(ziel, j)) | 1;
        if (k >= (std::uint64_t{1} << 53)) continue;
        werte.push_back(std::ldexp(static_cast<double>(k), -j));
    }
    return werte;
}

} // namespace

TEST(ZahltextWieVorher, RandomBitPatterns) {
    std::mt19937_64 zufall(20261206);
    for (int i = 0; i < 1'000'000 / Umfang; ++i) {
        const double wert = std::bit_cast<double>(zufall());
        if (std::isfinite(wert)) {
            ASSERT_TRUE(gleicheTexte(wert));
        }
    }
}

TEST(ZahltextWieVorher, PlainRangeAndFullPrecision) {
    // Log-uniform over the plain notation and a little beyond, both signs;
    // the values the routines compute are of this kind.
    std::mt19937_64 zufall(4711);
    std::uniform_real_distribution<double> hoch(-6, 15.5);
    for (int i = 0; i < 2'000'000 / Umfang; ++i) {
        const double wert = std::pow(10.0, hoch(zufall)) * (i % 2 == 0 ? 1 : -1);
        ASSERT_TRUE(gleicheTexte(wert));
    }
}

TEST(ZahltextWieVorher, TiesAndTheirNeighbours) {
    std::mt19937_64 zufall(99);
    int gleichstaende = 0;
    for (const double wert : Gleichstaende(zufall, 200'000 / Umfang)) {
        // Count the real ties among them: exactly 16 significant digits,
        // the last a 5 (the exact expansion to 30 digits shows zeros after).
        char text[60];
        const auto ende =
            std::to_chars(text, text + sizeof text, wert, std::chars_format::scientific, 29).ptr;
        const std::string_view ziffern(text, static_cast<std::size_t>(ende - text));
        const std::string_view mantisse = ziffern.substr(0, ziffern.find('e'));
        if (mantisse[16] == '5' && mantisse.find_first_not_of('0', 17) == std::string_view::npos)
            ++gleichstaende;
        ASSERT_TRUE(gleicheTexte(wert));
        ASSERT_TRUE(gleicheTexte(-wert));
        ASSERT_TRUE(gleicheTexte(std::nextafter(wert, 0.0)));
        ASSERT_TRUE(gleicheTexte(std::nextafter(wert, 1e300)));
    }
    EXPECT_GT(gleichstaende, 100'000 / Umfang); // the set really is mostly ties
}

TEST(ZahltextWieVorher, CarriesBordersAndSpecialValues) {
    std::vector<double> werte = {0.0,
                                 -0.0,
                                 1e-5,
                                 1e15,
                                 5e-324,
                                 2.2250738585072014e-308,
                                 1.7976931348623157e308,
                                 99999999999999.99,
                                 999999999999999.9,
                                 0.99999999999999995,
                                 9.9999999999999995,
                                 0.000099999999999999995,
                                 0.1 + 0.2,
                                 48.4363326641023,
                                 1.0 / 3};
    for (int k = -8; k <= 17; ++k) {
        const double p = std::pow(10.0, k);
        werte.push_back(p);
        // Nines that carry into a new leading digit, and the doubles around
        // every power of ten.
        werte.push_back(p * (1 - 5e-16));
        werte.push_back(p * (1 - 4e-16));
        double unten = p, oben = p;
        for (int n = 0; n < 40; ++n) {
            unten = std::nextafter(unten, 0.0);
            oben = std::nextafter(oben, 1e300);
            werte.push_back(unten);
            werte.push_back(oben);
        }
    }
    for (double ganz = 1; ganz < 1e16; ganz *= 7)
        werte.push_back(ganz);
    for (const double wert : werte) {
        ASSERT_TRUE(gleicheTexte(wert));
        ASSERT_TRUE(gleicheTexte(-wert));
    }
}

TEST(ZahltextWieVorher, RegionalSeparatorAndItsDotForm) {
    MitDezimaltrenner komma(',');
    std::mt19937_64 zufall(3);
    std::uniform_real_distribution<double> hoch(-7, 16);
    for (int i = 0; i < 200'000 / Umfang; ++i) {
        const double wert = std::pow(10.0, hoch(zufall)) * (i % 3 == 0 ? -1 : 1);
        ASSERT_TRUE(gleicheTexte(wert));
        // The dot form is the regional text with its ',' turned into '.'.
        std::string erwartet = zahlen_alt::Regionalzahltext(wert);
        for (char& z : erwartet)
            if (z == ',') z = '.';
        ASSERT_EQ(modKartovex::intern::Punktzeichen(wert).text(), erwartet);
    }
}

TEST(ZahlwertWieVorher, RandomTexts) {
    // Texts built from the characters that matter to the reading, long digit
    // runs included, and every number text read back.
    std::mt19937_64 zufall(17);
    const std::string zeichen = "0123456789012345678901234567890123456789..-+ eE\tU,";
    std::uniform_int_distribution<std::size_t> wahl(0, zeichen.size() - 1);
    std::uniform_int_distribution<int> laenge(0, 30);
    std::uniform_real_distribution<double> hoch(-8, 17);
    for (int i = 0; i < 1'000'000 / Umfang; ++i) {
        std::string text;
        if (i % 2 == 0) {
            for (int n = laenge(zufall); n > 0; --n)
                text += zeichen[wahl(zufall)];
        } else {
            text = modKartovex::Zahltext(std::pow(10.0, hoch(zufall)) * (i % 4 == 1 ? -1 : 1));
            if (i % 8 == 3) text += zeichen[wahl(zufall)];
        }
        ASSERT_EQ(bits(modKartovex::Zahlwert(text)), bits(zahlen_alt::Zahlwert(text))) << text;
    }
}

TEST(RundenWieVorher, TableEqualsPowAndResultsAreTheSame) {
    for (int n = -30; n <= 30; ++n)
        ASSERT_EQ(bits(modKartovex::intern::Zehnerpotenz(n)), bits(std::pow(10.0, n))) << n;
    std::mt19937_64 zufall(23);
    std::uniform_real_distribution<double> hoch(-8, 16);
    std::uniform_int_distribution<int> stellen(-4, 25);
    for (int i = 0; i < 1'000'000 / Umfang; ++i) {
        const double x = std::pow(10.0, hoch(zufall)) * (i % 2 == 0 ? -1 : 1);
        const auto n = static_cast<int16_t>(stellen(zufall));
        ASSERT_EQ(bits(modKartovex::Runden(x, n)), bits(zahlen_alt::Runden(x, n)))
            << std::hexfloat << x << " n=" << n;
    }
}

TEST(RundenWieVorher, ValuesJustBelowAndAtAHalf) {
    for (int16_t n = 0; n <= 22; ++n) {
        const double p = std::pow(10.0, n);
        const double x = 0.49999999999999994 / p;
        EXPECT_EQ(bits(modKartovex::Runden(x, n)), bits(zahlen_alt::Runden(x, n))) << n;
        EXPECT_EQ(bits(modKartovex::Runden(3.5 / p, n)), bits(zahlen_alt::Runden(3.5 / p, n))) << n;
    }
}

TEST(DezimaltextWieVorher, RandomValuesAndDecimals) {
    std::mt19937_64 zufall(29);
    std::uniform_real_distribution<double> hoch(-8, 16);
    for (int i = 0; i < 300'000 / Umfang; ++i) {
        const std::string text =
            zahlen_alt::Zahltext(std::pow(10.0, hoch(zufall)) * (i % 2 == 0 ? -1 : 1));
        const auto n = static_cast<int16_t>(i % 15);
        ASSERT_EQ(modKartovex::Dezimaltext(text, n), zahlen_alt::Dezimaltext(text, n))
            << text << " n=" << n;
    }
}

// The compiler turns sin and cos of one argument into one sincos call; that
// is only allowed because glibc's sincos gives the very bits of sin and cos.
// Called through volatile pointers here, so that nothing is fused.
TEST(Sincos, SameBitsAsSinAndCos) {
    double (*volatile sinus)(double) = std::sin;
    double (*volatile kosinus)(double) = std::cos;
    std::mt19937_64 zufall(31);
    std::uniform_real_distribution<double> winkel(-7, 7), weit(-1e6, 1e6);
    for (int i = 0; i < 1'000'000 / Umfang; ++i) {
        const double x = i % 10 == 0 ? weit(zufall) : winkel(zufall);
        double s = 0, c = 0;
        ::sincos(x, &s, &c);
        ASSERT_EQ(bits(s), bits(sinus(x))) << std::hexfloat << x;
        ASSERT_EQ(bits(c), bits(kosinus(x))) << std::hexfloat << x;
    }
}
