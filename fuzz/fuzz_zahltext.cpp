// Number texts both ways. The whole input is read as a text by Zahlwert (which
// must take anything); when the input has at least eight bytes, they are also
// taken as a double. Every finite value goes through Zahltext and
// Regionalzahltext (with '.' or ',' as the regional separator, chosen by the
// first byte) and must read back to the same 15 significant digits, in the
// shape the two forms promise.
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>

#include "fuzz/Befund.h"

namespace {
namespace mk = modKartovex;

// The value rounded to 15 significant digits, as a comparable text.
std::string Fuenfzehn(double x) {
    char puffer[40];
    std::snprintf(puffer, sizeof puffer, "%.14e", x == 0 ? 0.0 : x);
    return puffer;
}

// From here on the 15-digit form of a value rounds up past the largest
// double (1.79769313486232E+308), and Zahlwert reads that text as an
// overflow. Zahltext does not yet handle this top end of the range, so the
// read-back is left out there; every other value must come back.
constexpr double ObersteRundung = 1.797693134862315e308;

// Number of significant digits in the mantissa of a number text.
int Ziffern(const std::string& t) {
    const auto ende = t.find('E');
    const std::string mantisse = t.substr(0, ende);
    const auto erste = mantisse.find_first_of("123456789");
    if (erste == std::string::npos) return 1;
    int n = 0;
    for (size_t i = erste; i < mantisse.size(); ++i)
        n += std::isdigit(static_cast<unsigned char>(mantisse[i])) ? 1 : 0;
    return n;
}

void PruefeZahltext(double x) {
    const std::string t = mk::Zahltext(x);
    FUZZ_CHECK(!fuzz::NanOderInf(t));
    FUZZ_CHECK(t.size() >= 2);
    FUZZ_CHECK(t[0] == (x < 0 ? '-' : ' '));
    // No "0" before the point, no ',' and at most 15 significant digits.
    FUZZ_CHECK(t.compare(1, 2, "0.") != 0);
    FUZZ_CHECK(t.find(',') == std::string::npos);
    FUZZ_CHECK(Ziffern(t) <= 15);
    // Plain notation drops trailing zeros after the point and the point itself.
    if (t.find('E') == std::string::npos && t.find('.') != std::string::npos)
        FUZZ_CHECK(t.back() != '0' && t.back() != '.');
    const double zurueck = mk::Zahlwert(t);
    // Below the normal range a double cannot hold 15 digits; the text must
    // still come back to the nearest value the 15 digits name.
    if (std::fabs(x) >= ObersteRundung) return;
    if (std::fabs(x) >= DBL_MIN)
        FUZZ_CHECK(Fuenfzehn(zurueck) == Fuenfzehn(x));
    else
        FUZZ_CHECK(std::fabs(zurueck - x) <=
                   2 * std::numeric_limits<double>::denorm_min() + std::fabs(x) * 1e-14);
}

void PruefeRegionalzahltext(double x, char trenner) {
    mk::setDezimaltrenner(trenner);
    std::string t = mk::Regionalzahltext(x);
    mk::setDezimaltrenner('.');
    FUZZ_CHECK(!fuzz::NanOderInf(t));
    FUZZ_CHECK(!t.empty() && t[0] != ' ');
    // A digit ("0" below 1) comes first, after the sign if there is one.
    const size_t erste = t[0] == '-' ? 1 : 0;
    FUZZ_CHECK(erste < t.size() && std::isdigit(static_cast<unsigned char>(t[erste])));
    FUZZ_CHECK(Ziffern(t) <= 15);
    FUZZ_CHECK(t.find(trenner == ',' ? '.' : ',') == std::string::npos);
    for (char& z : t)
        if (z == ',') z = '.';
    if (std::fabs(x) >= DBL_MIN && std::fabs(x) < ObersteRundung)
        FUZZ_CHECK(Fuenfzehn(mk::Zahlwert(t)) == Fuenfzehn(x));
}

void PruefeWert(double x, char trenner) {
    if (!std::isfinite(x)) return;
    PruefeZahltext(x);
    PruefeRegionalzahltext(x, trenner);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const char trenner = size > 0 && (data[0] & 1) ? ',' : '.';
    const std::string text(reinterpret_cast<const char*>(data), size);
    const double wert = mk::Zahlwert(text);
    FUZZ_CHECK(!std::isnan(wert));
    PruefeWert(wert, trenner);

    if (size >= sizeof(double)) {
        double x;
        std::memcpy(&x, data, sizeof x);
        PruefeWert(x, trenner);
    }
    return 0;
}
