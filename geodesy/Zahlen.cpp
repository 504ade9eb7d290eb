// How texts become numbers and numbers become texts, and rounding.
//
// All of it is locale-free. The common cases have exact fast paths (plain
// numbers read with one division, 15 significant digits from one 128-bit
// product); std::from_chars / std::to_chars do the digit work for the rest.
// The regional decimal separator is applied by hand where it belongs.
#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>
#include <string_view>

#include "Ausgabewege.h"
#include "Zahlform.h"
#include "Zeichen.h"
#include "modKartovex.h"

namespace modKartovex {

namespace {

bool istLeerraum(char z) {
    return z == ' ' || z == '\t' || z == '\n';
}
using zeichen::IstZiffer;

// The leading number of a text with every blank, tab and line feed removed:
// sign, digits with at most one '.', and the exponent as a number.
struct Zahlteile {
    bool negativ = false;
    std::string_view mantisse; // digits and at most one '.'
    int ziffern = 0;           // digits in the mantisse
    long exponent = 0;
};

// Exponents beyond this give overflow or underflow anyway; the clamp keeps
// the counting in range for absurdly long texts.
constexpr long Exponentgrenze = 1'000'000;

// The cleaned digits are collected in one reused buffer, so that reading a
// number allocates nothing once the buffer has grown (the module runs on the
// user-interface thread; thread_local keeps other threads apart).
std::string& Zahlpuffer() {
    thread_local std::string puffer;
    return puffer;
}

Zahlteile zerlege(const std::string& text, std::string& puffer) {
    Zahlteile teile;
    puffer.clear();
    std::size_t i = 0;
    const std::size_t n = text.size();
    auto ueberspringe = [&] {
        while (i < n && istLeerraum(text[i]))
            ++i;
    };
    ueberspringe();
    if (i < n && (text[i] == '+' || text[i] == '-')) {
        teile.negativ = text[i] == '-';
        ++i;
    }
    bool punkt = false;
    for (ueberspringe(); i < n; ++i, ueberspringe()) {
        if (IstZiffer(text[i])) {
            puffer += text[i];
            ++teile.ziffern;
        } else if (text[i] == '.' && !punkt) {
            puffer += '.';
            punkt = true;
        } else {
            break;
        }
    }
    teile.mantisse = puffer;
    if (teile.ziffern == 0 || i >= n || (text[i] != 'E' && text[i] != 'e')) return teile;
    // Only 'E' or 'e' start an exponent; without digits after it the
    // exponent part is not part of the number ("1E" is 1).
    ++i;
    ueberspringe();
    bool negativerExponent = false;
    if (i < n && (text[i] == '+' || text[i] == '-')) {
        negativerExponent = text[i] == '-';
        ++i;
    }
    long exponent = 0;
    for (ueberspringe(); i < n && IstZiffer(text[i]); ++i, ueberspringe())
        exponent = std::min(exponent * 10 + (text[i] - '0'), Exponentgrenze);
    teile.exponent = negativerExponent ? -exponent : exponent;
    return teile;
}

// Decimal order of the leading significant digit of a mantisse ("123.4" is
// 3, ".05" is -1), used to tell overflow from underflow.
long ordnung(std::string_view mantisse) {
    const auto punkt = mantisse.find('.');
    const std::string_view ganz = mantisse.substr(0, punkt);
    const auto erste = ganz.find_first_not_of('0');
    if (erste != std::string_view::npos) return static_cast<long>(ganz.size() - erste);
    if (punkt == std::string_view::npos) return 0;
    const auto bruch = mantisse.find_first_not_of('0', punkt + 1);
    return bruch == std::string_view::npos ? 0 : -static_cast<long>(bruch - punkt - 1);
}

// The value rounded to 15 significant digits: the digits without trailing
// zeros, and the decimal exponent of the first one (value = d.ddd·10^exponent).
struct Dezimalform {
    bool negativ = false;
    std::array<char, 15> ziffern{};
    int anzahl = 0;
    int exponent = 0;
};

constexpr int Stellen = 15;

// Adds one in the last of the first `anzahl` digits, carrying through nines;
// false when the carry runs off the front (every one of them was a nine).
bool zaehleHoch(char* ziffern, int anzahl) {
    for (int k = anzahl - 1; k >= 0; --k) {
        if (ziffern[k] != '9') {
            ++ziffern[k];
            return true;
        }
        ziffern[k] = '0';
    }
    return false;
}

// Digits and exponent of a to_chars text in scientific form (d.ddde±xx).
int zerlegeWissenschaftlich(const char* anfang, const char* ende, std::array<char, 20>& ziffern,
                            int& exponent) {
    int anzahl = 0;
    const char* p = anfang;
    for (; p < ende && *p != 'e'; ++p)
        if (*p != '.') ziffern[static_cast<std::size_t>(anzahl++)] = *p;
    ++p; // 'e'
    if (p < ende && *p == '+') ++p;
    std::from_chars(p, ende, exponent);
    return anzahl;
}

// 10^0 to 10^22: exact doubles.
constexpr std::array<double, 23> ExakteZehnerpotenzen = {
    1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
    1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// The compiler's 128-bit integer (g++ and clang++ on 64-bit targets).
__extension__ typedef unsigned __int128 u128;

// 10^0 to 10^19, all exact in 64 bits.
constexpr std::array<std::uint64_t, 20> Zehnerpotenzen = [] {
    std::array<std::uint64_t, 20> p{};
    p[0] = 1;
    for (std::size_t i = 1; i < p.size(); ++i)
        p[i] = p[i - 1] * 10;
    return p;
}();

// The eight digits of a number below 10^8, leading zeros included, as
// characters in memory order of a little-endian word: the number split into
// two halves of four digits, those into pairs and the pairs into digits, each
// step on all lanes at once by multiplying with a rounded reciprocal (exact
// for these ranges: 10486/2^20 for /100 below 10^4, 103/2^10 for /10 below
// 100; checked against printf for every number below 10^8).
std::uint64_t achtZiffern(std::uint32_t zahl) {
    const std::uint64_t haelften = zahl / 10000 | std::uint64_t{zahl % 10000} << 32;
    const std::uint64_t hunderter = ((haelften * 10486) >> 20) & 0x0000007F0000007F;
    const std::uint64_t paare = ((haelften - 100 * hunderter) << 16) + hunderter;
    const std::uint64_t zehner = ((paare * 103) >> 10) & 0x000F000F000F000F;
    return zehner + ((paare - 10 * zehner) << 8) + 0x3030303030303030;
}

// The sixteen digits of a number below 10^16, leading zeros included.
std::array<char, 16> sechzehnZiffern(std::uint64_t zahl) {
    std::array<char, 16> ziffern;
    if constexpr (std::endian::native == std::endian::little) {
        const std::uint64_t vorn = achtZiffern(static_cast<std::uint32_t>(zahl / 100'000'000));
        const std::uint64_t hinten = achtZiffern(static_cast<std::uint32_t>(zahl % 100'000'000));
        std::memcpy(ziffern.data(), &vorn, 8);
        std::memcpy(ziffern.data() + 8, &hinten, 8);
    } else {
        for (std::size_t i = ziffern.size(); i-- > 0; zahl /= 10)
            ziffern[i] = static_cast<char>('0' + zahl % 10);
    }
    return ziffern;
}

} // namespace

// The value is m·2^e2 with whole m below 2^53. For a magnitude below 10^15
// that is not tiny, scaling it to 15 digits before the point, m·10^k·2^e2
// with k from 0 to 19, fits 117 bits: the product m·10^k is exact in 128
// bits, and shifting out the -e2 fraction bits leaves the whole part and the
// exact rest, so the rounding needs no approximation at all.
bool intern::SchnelleZiffern(double betrag, std::uint64_t& ziffern, int& exponent) {
    if (!(betrag >= 1e-5 && betrag < 1e15)) return false;
    const auto bits = std::bit_cast<std::uint64_t>(betrag);
    const int binaer = static_cast<int>(bits >> 52) - 1023; // normal in this range
    const std::uint64_t m = (bits & ((std::uint64_t{1} << 52) - 1)) | (std::uint64_t{1} << 52);
    const int bruchbits = 52 - binaer; // -e2: 3 to 69 in this range
    if (bruchbits <= 0) return false;  // cannot happen below 10^15; kept for safety
    // floor(binaer·log10 2) by the usual integer approximation: the decimal
    // exponent or one less.
    int e = std::max((binaer * 78913) >> 18, -5);
    auto skaliert = [&](int dezimal) {
        return static_cast<u128>(m) * Zehnerpotenzen[static_cast<std::size_t>(14 - dezimal)];
    };
    u128 produkt = skaliert(e);
    if ((produkt >> bruchbits) >= Zehnerpotenzen[15]) {
        ++e;
        produkt = skaliert(e);
    }
    auto ganz = static_cast<std::uint64_t>(produkt >> bruchbits);
    if (ganz < Zehnerpotenzen[14] || ganz >= Zehnerpotenzen[15]) return false;
    const u128 rest = produkt & ((u128{1} << bruchbits) - 1);
    const u128 haelfte = u128{1} << (bruchbits - 1);
    // An exact half goes to the even neighbour, as the exact conversion
    // (to_chars with a precision) rounds it.
    const bool aufrunden = rest > haelfte || (rest == haelfte && ganz % 2 == 1);
    if (aufrunden && ++ganz == Zehnerpotenzen[15]) {
        ganz = Zehnerpotenzen[14];
        ++e;
    }
    ziffern = ganz;
    exponent = e;
    return true;
}

namespace {

Dezimalform dezimalform(double wert) {
    Dezimalform form;
    form.negativ = std::signbit(wert) && wert != 0;
    if (wert == 0) {
        form.ziffern[0] = '0';
        form.anzahl = 1;
        return form;
    }
    {
        std::uint64_t ziffern = 0;
        int exponent = 0;
        if (intern::SchnelleZiffern(std::fabs(wert), ziffern, exponent)) {
            const std::array<char, 16> alle = sechzehnZiffern(ziffern);
            std::copy(alle.begin() + 1, alle.end(), form.ziffern.begin());
            int anzahl = Stellen;
            while (anzahl > 1 && form.ziffern[static_cast<std::size_t>(anzahl - 1)] == '0')
                --anzahl;
            form.anzahl = anzahl;
            form.exponent = exponent;
            return form;
        }
    }
    // The shortest round-trip digits are fast to get. With at most 15 of them
    // they are the value rounded to 15 digits; with 16 or 17 they are rounded
    // here, half up, which gives the same as rounding the exact binary value
    // except when the dropped part is exactly one half: then the exact
    // (slower) conversion decides.
    std::array<char, 40> text{};
    std::array<char, 20> ziffern{};
    int exponent = 0;
    const double betrag = std::fabs(wert);
    auto ende =
        std::to_chars(text.data(), text.data() + text.size(), betrag, std::chars_format::scientific)
            .ptr;
    int anzahl = zerlegeWissenschaftlich(text.data(), ende, ziffern, exponent);
    if (anzahl > Stellen) {
        if (anzahl == Stellen + 1 && ziffern[Stellen] == '5') {
            ende = std::to_chars(text.data(), text.data() + text.size(), betrag,
                                 std::chars_format::scientific, Stellen - 1)
                       .ptr;
            anzahl = zerlegeWissenschaftlich(text.data(), ende, ziffern, exponent);
        } else {
            const bool aufrunden = ziffern[Stellen] >= '5';
            anzahl = Stellen;
            if (aufrunden && !zaehleHoch(ziffern.data(), Stellen)) {
                ziffern[0] = '1';
                ++exponent;
            }
        }
    }
    while (anzahl > 1 && ziffern[static_cast<std::size_t>(anzahl - 1)] == '0')
        --anzahl;
    std::copy_n(ziffern.begin(), anzahl, form.ziffern.begin());
    form.anzahl = anzahl;
    form.exponent = exponent;
    return form;
}

// Plain notation is used for decimal exponents from -5 to 14, that is for
// magnitudes from 0.00001 up to below 10^15; beyond that the exponent form
// d.dddE±xx (at least two exponent digits), which Zahlwert reads back.
constexpr int kleinsterExponent = -5;
constexpr int groessterExponent = 14;

} // namespace

intern::Zahlzeichen intern::Zahlform(double wert, bool zahltextForm, char trenner) {
    Zahlzeichen ergebnis;
    if (!std::isfinite(wert)) {
        // A value that is no number never becomes a text: the text is empty
        // (the routines check their values before they write a text).
        return ergebnis;
    }
    std::array<char, 48>& puffer = ergebnis.zeichen;
    char* p = puffer.data();
    const bool negativ = std::signbit(wert) && wert != 0;
    if (negativ)
        *p++ = '-';
    else if (zahltextForm)
        *p++ = ' ';
    // Whole numbers below 10^15 have at most 15 digits: written as they are.
    // (The conversion to a whole number drops the fraction exactly, so the
    // comparison is the test trunc(wert) == wert.)
    const double betrag = std::fabs(wert);
    if (betrag < 1e15 && static_cast<double>(static_cast<long long>(betrag)) == betrag) {
        p = std::to_chars(p, puffer.data() + puffer.size(), static_cast<long long>(betrag)).ptr;
        ergebnis.laenge = static_cast<std::size_t>(p - puffer.data());
        return ergebnis;
    }
    const Dezimalform form = dezimalform(wert);
    const char* z = form.ziffern.data();
    const int anzahl = form.anzahl;
    const int exponent = form.exponent;
    if (exponent < kleinsterExponent || exponent > groessterExponent) {
        *p++ = z[0];
        if (anzahl > 1) {
            *p++ = trenner;
            p = std::copy(z + 1, z + anzahl, p);
        }
        *p++ = 'E';
        *p++ = exponent < 0 ? '-' : '+';
        const int hoehe = std::abs(exponent);
        if (hoehe < 10) *p++ = '0';
        p = std::to_chars(p, puffer.data() + puffer.size(), hoehe).ptr;
    } else if (exponent < 0) {
        if (!zahltextForm) *p++ = '0';
        *p++ = trenner;
        p = std::fill_n(p, -exponent - 1, '0');
        p = std::copy(z, z + anzahl, p);
    } else if (anzahl <= exponent + 1) {
        p = std::copy(z, z + anzahl, p);
        p = std::fill_n(p, exponent + 1 - anzahl, '0');
    } else {
        p = std::copy(z, z + exponent + 1, p);
        *p++ = trenner;
        p = std::copy(z + exponent + 1, z + anzahl, p);
    }
    ergebnis.laenge = static_cast<std::size_t>(p - puffer.data());
    return ergebnis;
}

intern::Zahlzeichen intern::Zahltextzeichen(double wert) {
    return Zahlform(wert, true, '.');
}

intern::Zahlzeichen intern::Regionalzeichen(double wert) {
    return Zahlform(wert, false, Dezimaltrenner());
}

intern::Zahlzeichen intern::Punktzeichen(double wert) {
    // The separator is the only ',' such a text can hold.
    const char trenner = Dezimaltrenner();
    return Zahlform(wert, false, trenner == ',' ? '.' : trenner);
}

double intern::Zehnerpotenz(int n) {
    return n >= 0 && n < static_cast<int>(ExakteZehnerpotenzen.size())
               ? ExakteZehnerpotenzen[static_cast<std::size_t>(n)]
               : std::pow(10.0, n);
}

namespace {

// Eight digit characters at p as their number (the first the highest), on
// all lanes of one word at once; false, and nothing read, when one of the
// eight is no digit.
bool achtZiffernGelesen(const char* p, std::uint64_t& zahl) {
    std::uint64_t w;
    std::memcpy(&w, p, 8);
    if constexpr (std::endian::native != std::endian::little) return false;
    // Each byte 0x30..0x39: high nibble 3, and adding 6 keeps it 3.
    constexpr std::uint64_t Hoch = 0xF0F0F0F0F0F0F0F0, Drei = 0x3030303030303030;
    if ((w & Hoch) != Drei || ((w + 0x0606060606060606) & Hoch) != Drei) return false;
    w -= Drei;
    w = w * 10 + (w >> 8); // pairs in the even bytes
    w = ((w & 0x000000FF000000FF) * (100 + (1'000'000ULL << 32)) +
         ((w >> 16) & 0x000000FF000000FF) * (1 + (10'000ULL << 32))) >>
        32;
    zahl = w;
    return true;
}

// The common case: blanks in front, then a plain decimal number with
// optional '-', ended by the end of the text or by a character that cannot
// continue a number ("32U", "12,5", "1.2.3"). Returns false for anything
// else (blanks, tabs or line feeds inside, '+', an exponent), which the
// general reading then handles.
bool schnellGelesen(const std::string& text, double& wert) {
    const char* p = text.data();
    const char* const ende = p + text.size();
    while (p < ende && *p == ' ')
        ++p;
    const char* const anfang = p;
    const bool negativ = p < ende && *p == '-';
    if (negativ) ++p;
    // Digits collected as a whole number w with k of them after the point;
    // w is exact as long as there are at most 19 digits (checked below).
    std::uint64_t w = 0;
    auto ziffernfolge = [&] {
        const char* const von = p;
        for (std::uint64_t acht = 0; ende - p >= 8 && achtZiffernGelesen(p, acht); p += 8)
            w = w * 100'000'000 + acht;
        for (; p < ende; ++p) {
            const unsigned ziffer = static_cast<unsigned char>(*p) - unsigned{'0'};
            if (ziffer > 9) break;
            w = w * 10 + ziffer;
        }
        return static_cast<int>(p - von);
    };
    int ziffern = ziffernfolge();
    int nachkomma = 0;
    if (p < ende && *p == '.') {
        ++p;
        nachkomma = ziffernfolge();
        ziffern += nachkomma;
    }
    // Blanks, tabs or line feeds inside, and an exponent, are the general
    // reading's; so is anything without a digit ("+7", ".", "-x").
    if (ziffern == 0 || (p < ende && (istLeerraum(*p) || *p == 'E' || *p == 'e'))) return false;
    // w and 10^k are exact doubles: one division gives the correctly
    // rounded value. Everything else goes through from_chars.
    constexpr std::uint64_t ExakteGanzzahl = std::uint64_t{1} << 53;
    if (ziffern <= 19 && w <= ExakteGanzzahl && nachkomma <= 22) {
        // (w fits a signed integer, whose conversion is one instruction.)
        const double betrag = static_cast<double>(static_cast<std::int64_t>(w)) /
                              ExakteZehnerpotenzen[static_cast<std::size_t>(nachkomma)];
        wert = negativ ? -betrag : betrag;
        return true;
    }
    return std::from_chars(anfang, p, wert).ec == std::errc{};
}

} // namespace

double Zahlwert(const std::string& text) {
    double schnell = 0.0;
    if (schnellGelesen(text, schnell)) return schnell;
    std::string& zahl = Zahlpuffer();
    const Zahlteile teile = zerlege(text, zahl);
    if (teile.ziffern == 0) return 0.0;
    const long ordnungDerMantisse = teile.exponent != 0 ? ordnung(teile.mantisse) : 0;
    if (teile.exponent != 0) {
        std::array<char, 24> exponent{'e'};
        const auto ende =
            std::to_chars(exponent.data() + 1, exponent.data() + exponent.size(), teile.exponent)
                .ptr;
        zahl.append(exponent.data(), ende);
    }
    double wert = 0.0;
    const auto ergebnis = std::from_chars(zahl.data(), zahl.data() + zahl.size(), wert);
    if (ergebnis.ec == std::errc::result_out_of_range) {
        if ((teile.exponent != 0 ? ordnungDerMantisse : ordnung(zahl)) + teile.exponent > 0) {
            // Too large for a double: infinity, which the calling routine's
            // value check reports.
            wert = HUGE_VAL;
        } else {
            wert = 0.0; // underflow is no fault: the value is 0
        }
    }
    return teile.negativ ? -wert : wert;
}

bool intern::SchlichteZahl(const std::string& text, double& wert) {
    std::size_t i = text.starts_with('-') ? 1 : 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    bool ziffer = false, punkt = false;
    for (; i < text.size(); ++i) {
        if (IstZiffer(text[i]))
            ziffer = true;
        else if (text[i] == '.' && !punkt)
            punkt = true;
        else
            return false;
    }
    if (!ziffer) return false;
    wert = Zahlwert(text);
    return true;
}

std::string Zahltext(double wert) {
    return std::string(intern::Zahltextzeichen(wert).text());
}

std::string Regionalzahltext(double wert) {
    return std::string(intern::Regionalzeichen(wert).text());
}

double Runden(double x, int16_t n) {
    const double p = intern::Zehnerpotenz(n);
    const double y = x * p;
    const double s = x > 0 ? 1.0 : (x < 0 ? -1.0 : 0.0);
    const double z = y + s * 0.5;
    return std::trunc(z) / p;
}

namespace {

// Dezimaltext of a finite value for any n and exponent.
std::string dezimaltextAllgemein(const Dezimalform& form, int16_t n) {
    std::string ziffern(form.ziffern.data(), static_cast<std::size_t>(form.anzahl));
    int exponent = form.exponent;
    const int behalten = exponent + 1 + n; // digits that stay
    if (behalten < 0) {
        ziffern = "0";
        exponent = 0;
    } else if (behalten < static_cast<int>(ziffern.size())) {
        const bool aufrunden = ziffern[static_cast<std::size_t>(behalten)] >= '5';
        ziffern.resize(static_cast<std::size_t>(behalten));
        if (aufrunden && !zaehleHoch(ziffern.data(), behalten)) {
            ziffern.insert(ziffern.begin(), '1');
            ++exponent;
        }
        if (ziffern.empty()) {
            ziffern = "0";
            exponent = 0;
        }
    }
    // Lay the digits out on a fixed grid: integer part, separator, n decimals.
    std::string ganz, bruch;
    for (int k = 0; k < static_cast<int>(ziffern.size()); ++k) {
        const int stelle = exponent - k; // power of ten of this digit
        if (stelle >= 0)
            ganz += ziffern[static_cast<std::size_t>(k)];
        else if (-stelle <= n)
            bruch += ziffern[static_cast<std::size_t>(k)];
    }
    if (exponent >= 0)
        ganz.append(
            static_cast<std::size_t>(std::max(0, exponent + 1 - static_cast<int>(ganz.size()))),
            '0');
    else
        bruch.insert(0, static_cast<std::size_t>(std::min<int>(n, -exponent - 1)), '0');
    if (ganz.empty()) ganz = "0";
    bruch.resize(static_cast<std::size_t>(std::max<int>(n, 0)), '0');
    // A negative value keeps its sign even where it rounds to zero.
    std::string text = form.negativ ? "-" : "";
    text += ganz;
    text += Dezimaltrenner();
    text += bruch;
    for (char& z : text)
        if (z == ',') z = '.';
    if (text.back() == '.') text.pop_back();
    return text;
}

// The most common case in whole numbers: the 15 digits of SchnelleZiffern
// as one integer, rounded to units of 10^-n half away from zero (the first
// dropped digit decides, as in the general layout), then written as the
// integer part and n decimals. The empty text where the units would not fit
// 64 bits.
intern::Zahlzeichen dezimalzeichenGanzzahlig(double wert, int n) {
    intern::Zahlzeichen ergebnis;
    if (n < 0 || n > 14) return ergebnis;
    std::uint64_t ziffern = 0; // zero has the digits 0
    int exponent = 0;
    if (wert != 0 && !intern::SchnelleZiffern(std::fabs(wert), ziffern, exponent)) return ergebnis;
    const int behalten = exponent + 1 + n; // digits that stay
    if (behalten > 19) return ergebnis;
    std::uint64_t einheiten = 0; // the value in units of 10^-n
    if (behalten >= Stellen) {
        einheiten = ziffern * Zehnerpotenzen[static_cast<std::size_t>(behalten - Stellen)];
    } else if (behalten >= 0) {
        const std::uint64_t teiler = Zehnerpotenzen[static_cast<std::size_t>(Stellen - behalten)];
        einheiten = ziffern / teiler + (ziffern % teiler >= teiler / 2 ? 1 : 0);
    }
    const std::uint64_t bruchteiler = Zehnerpotenzen[static_cast<std::size_t>(n)];
    std::array<char, 48>& zeichen = ergebnis.zeichen;
    char* p = zeichen.data();
    // A negative value keeps its sign even where it rounds to zero; zero has none.
    if (wert < 0) *p++ = '-';
    p = std::to_chars(p, zeichen.data() + zeichen.size(), einheiten / bruchteiler).ptr;
    // The separator as in the general layout: a ',' is written as '.', and a
    // '.' with no decimals after it is left out.
    const char trenner = Dezimaltrenner() == ',' ? '.' : Dezimaltrenner();
    if (n > 0 || trenner != '.') *p++ = trenner;
    if (n > 0) {
        const std::array<char, 16> bruch = sechzehnZiffern(einheiten % bruchteiler);
        p = std::copy(bruch.end() - n, bruch.end(), p);
    }
    ergebnis.laenge = static_cast<std::size_t>(p - zeichen.data());
    return ergebnis;
}

} // namespace

std::string Dezimaltext(const std::string& t, int16_t n) {
    return intern::Dezimaltext(Zahlwert(t), n);
}

std::string intern::Dezimaltext(double wert, int16_t n) {
    if (!std::isfinite(wert)) return {}; // the caller sees the empty text
    if (const intern::Zahlzeichen z = dezimalzeichenGanzzahlig(wert, n); z.laenge > 0)
        return std::string(z.text());
    // Round the 15-digit decimal form to n decimals, halves away from zero.
    return dezimaltextAllgemein(dezimalform(wert), n);
}

} // namespace modKartovex
