// How texts become numbers and numbers become texts, and rounding.
//
// All of it is locale-free: std::from_chars / std::to_chars do the digit work,
// the regional decimal separator is applied by hand where it belongs.
#include <algorithm>
#include <array>
#include <cfenv>
#include <charconv>
#include <cmath>
#include <string>

#include "modKartovex.h"

namespace modKartovex {

namespace {

bool istLeerraum(char z) {
    return z == ' ' || z == '\t' || z == '\n';
}
bool istZiffer(char z) {
    return z >= '0' && z <= '9';
}

// The leading number of a text with every blank, tab and line feed removed:
// sign, digits with at most one '.', and the exponent as a number.
struct Zahlteile {
    bool negativ = false;
    std::string mantisse; // digits and at most one '.'
    int ziffern = 0;      // digits in the mantisse
    long exponent = 0;
};

// Exponents beyond this give overflow or underflow anyway; the clamp keeps
// the counting in range for absurdly long texts.
constexpr long Exponentgrenze = 1'000'000;

Zahlteile zerlege(const std::string& text) {
    Zahlteile teile;
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
        if (istZiffer(text[i])) {
            teile.mantisse += text[i];
            ++teile.ziffern;
        } else if (text[i] == '.' && !punkt) {
            teile.mantisse += '.';
            punkt = true;
        } else {
            break;
        }
    }
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
    for (ueberspringe(); i < n && istZiffer(text[i]); ++i, ueberspringe())
        exponent = std::min(exponent * 10 + (text[i] - '0'), Exponentgrenze);
    teile.exponent = negativerExponent ? -exponent : exponent;
    return teile;
}

// Decimal order of the leading significant digit of a mantisse ("123.4" is
// 3, ".05" is -1), used to tell overflow from underflow.
long ordnung(const std::string& mantisse) {
    const auto punkt = mantisse.find('.');
    const std::string ganz = mantisse.substr(0, punkt);
    const auto erste = ganz.find_first_not_of('0');
    if (erste != std::string::npos) return static_cast<long>(ganz.size() - erste);
    if (punkt == std::string::npos) return 0;
    const auto bruch = mantisse.find_first_not_of('0', punkt + 1);
    return bruch == std::string::npos ? 0 : -static_cast<long>(bruch - punkt - 1);
}

// The value rounded to 15 significant digits: the digits without trailing
// zeros, and the decimal exponent of the first one (value = d.ddd·10^exponent).
struct Dezimalform {
    bool negativ = false;
    std::array<char, 15> ziffern{};
    int anzahl = 0;
    int exponent = 0;
};

Dezimalform dezimalform(double wert) {
    Dezimalform form;
    form.negativ = std::signbit(wert) && wert != 0;
    if (wert == 0) {
        form.ziffern[0] = '0';
        form.anzahl = 1;
        return form;
    }
    std::array<char, 32> puffer{};
    const auto ende = std::to_chars(puffer.data(), puffer.data() + puffer.size(), std::fabs(wert),
                                    std::chars_format::scientific, 14)
                          .ptr;
    // Shape: d.ddddddddddddddde±xx
    const char* p = puffer.data();
    form.ziffern[0] = p[0];
    for (int k = 1; k < 15; ++k)
        form.ziffern[k] = p[k + 1];
    form.anzahl = 15;
    while (form.anzahl > 1 && form.ziffern[form.anzahl - 1] == '0')
        --form.anzahl;
    std::from_chars(p + 17 + (p[17] == '+' ? 1 : 0), ende, form.exponent);
    return form;
}

// Plain notation is used for decimal exponents from -5 to 14, that is for
// magnitudes from 0.00001 up to below 10^15; beyond that the exponent form
// d.dddE±xx (at least two exponent digits), which Zahlwert reads back.
constexpr int kleinsterExponent = -5;
constexpr int groessterExponent = 14;

std::string zahlform(double wert, bool nullVorPunkt, char trenner) {
    if (!std::isfinite(wert)) {
        // A value that is no number never becomes a text: the fault stays
        // raised for the routine's handler, the text is empty.
        std::feraiseexcept(std::isnan(wert) ? FE_INVALID : FE_OVERFLOW);
        return {};
    }
    const Dezimalform form = dezimalform(wert);
    std::string text;
    if (form.negativ) text += '-';
    const char* z = form.ziffern.data();
    const int anzahl = form.anzahl;
    const int exponent = form.exponent;
    if (exponent < kleinsterExponent || exponent > groessterExponent) {
        text += z[0];
        if (anzahl > 1) {
            text += trenner;
            text.append(z + 1, z + anzahl);
        }
        text += exponent < 0 ? "E-" : "E+";
        const int betrag = std::abs(exponent);
        if (betrag < 10) text += '0';
        text += std::to_string(betrag);
    } else if (exponent < 0) {
        if (nullVorPunkt) text += '0';
        text += trenner;
        text.append(static_cast<std::size_t>(-exponent - 1), '0');
        text.append(z, z + anzahl);
    } else if (anzahl <= exponent + 1) {
        text.append(z, z + anzahl);
        text.append(static_cast<std::size_t>(exponent + 1 - anzahl), '0');
    } else {
        text.append(z, z + exponent + 1);
        text += trenner;
        text.append(z + exponent + 1, z + anzahl);
    }
    return text;
}

} // namespace

double Zahlwert(const std::string& text) {
    const Zahlteile teile = zerlege(text);
    if (teile.ziffern == 0) return 0.0;
    std::string zahl = teile.mantisse;
    zahl += 'e';
    zahl += std::to_string(teile.exponent);
    double wert = 0.0;
    const auto [ende, fehler] = std::from_chars(zahl.data(), zahl.data() + zahl.size(), wert);
    (void)ende;
    if (fehler == std::errc::result_out_of_range) {
        if (ordnung(teile.mantisse) + teile.exponent > 0) {
            // Too large for a double: raise the overflow a strict runtime
            // raises, so the handler of the calling routine reports it.
            std::feraiseexcept(FE_OVERFLOW);
            wert = HUGE_VAL;
        } else {
            wert = 0.0; // underflow is no fault: the value is 0
        }
    }
    return teile.negativ ? -wert : wert;
}

std::string Zahltext(double wert) {
    std::string text = zahlform(wert, false, '.');
    if (!text.empty() && text[0] != '-') text.insert(text.begin(), ' ');
    return text;
}

std::string Regionalzahltext(double wert) {
    return zahlform(wert, true, Dezimaltrenner());
}

double Runden(double x, int16_t n) {
    const double p = std::pow(10.0, n);
    const double y = x * p;
    const double s = x > 0 ? 1.0 : (x < 0 ? -1.0 : 0.0);
    const double z = y + s * 0.5;
    return std::trunc(z) / p;
}

std::string Dezimaltext(const std::string& t, int16_t n) {
    const double wert = Zahlwert(t);
    if (!std::isfinite(wert)) {
        std::feraiseexcept(FE_OVERFLOW);
        return {};
    }
    // Round the 15-digit decimal form to n decimals, halves away from zero.
    Dezimalform form = dezimalform(wert);
    std::string ziffern(form.ziffern.data(), static_cast<std::size_t>(form.anzahl));
    int exponent = form.exponent;
    const int behalten = exponent + 1 + n; // digits that stay
    if (behalten < 0) {
        ziffern = "0";
        exponent = 0;
    } else if (behalten < static_cast<int>(ziffern.size())) {
        const bool aufrunden = ziffern[static_cast<std::size_t>(behalten)] >= '5';
        ziffern.resize(static_cast<std::size_t>(behalten));
        if (aufrunden) {
            int k = behalten - 1;
            for (; k >= 0 && ziffern[static_cast<std::size_t>(k)] == '9'; --k)
                ziffern[static_cast<std::size_t>(k)] = '0';
            if (k >= 0) {
                ++ziffern[static_cast<std::size_t>(k)];
            } else {
                ziffern.insert(ziffern.begin(), '1');
                ++exponent;
            }
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

} // namespace modKartovex
