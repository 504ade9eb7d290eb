// Dezimaltext on any text: the first byte picks n (0 to 14), the rest is the
// text. The result has exactly n decimals behind a '.', an optional '-' and at
// least one digit in front, no "nan"/"inf", the same text whatever the
// regional separator, and it lies within half a unit of the last decimal of
// the text's number value. A value too large for a double gives the empty
// text.
#include <cmath>
#include <cstdint>
#include <string>

#include "fuzz/Befund.h"

namespace {
namespace mk = modKartovex;

bool NurZiffern(const std::string& t) {
    return !t.empty() && t.find_first_not_of("0123456789") == std::string::npos;
}

std::string Mit(char trenner, const std::string& t, int16_t n) {
    mk::setDezimaltrenner(trenner);
    std::string ergebnis = mk::Dezimaltext(t, n);
    mk::setDezimaltrenner('.');
    return ergebnis;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    const auto n = static_cast<int16_t>(data[0] % 15);
    const std::string t(reinterpret_cast<const char*>(data + 1), size - 1);
    const double wert = mk::Zahlwert(t);

    const std::string regional = Mit(',', t, n);
    const std::string text = Mit('.', t, n);

    FUZZ_CHECK(text == regional);
    if (!std::isfinite(wert)) {
        FUZZ_CHECK(text.empty());
        return 0;
    }
    FUZZ_CHECK(!fuzz::NanOderInf(text));
    const std::string betrag = text.starts_with('-') ? text.substr(1) : text;
    const auto punkt = betrag.find('.');
    if (n == 0) {
        FUZZ_CHECK(punkt == std::string::npos && NurZiffern(betrag));
    } else {
        FUZZ_CHECK(punkt != std::string::npos);
        FUZZ_CHECK(NurZiffern(betrag.substr(0, punkt)));
        FUZZ_CHECK(betrag.size() - punkt - 1 == static_cast<size_t>(n));
        FUZZ_CHECK(NurZiffern(betrag.substr(punkt + 1)));
    }
    // Rounded on the 15-digit decimal form: off by at most half the last
    // decimal plus the 15-digit rounding of the value itself.
    // (At the very top of the double range the 15-digit form rounds past the
    // largest double; the text is right, but no double can read it back.)
    const double gelesen = mk::Zahlwert(text);
    if (std::fabs(wert) >= 1.797693134862315e308) return 0;
    FUZZ_CHECK(std::isfinite(gelesen));
    const double grenze = 0.5 * std::pow(10.0, -n) * (1 + 1e-9) + std::fabs(wert) * 1e-14;
    FUZZ_CHECK(std::fabs(gelesen - wert) <= grenze);
    return 0;
}
