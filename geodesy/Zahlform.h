// Number texts built in a fixed buffer, for routines that write them straight
// into their argument texts: assigning a string_view reuses the text's own
// buffer, where returning a std::string would allocate for every text longer
// than the library's small-string buffer (15 characters; a full-precision
// Zahltext has 17).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace modKartovex::intern {

struct Zahlzeichen {
    std::array<char, 48> zeichen;
    std::size_t laenge = 0;
    std::string_view text() const { return {zeichen.data(), laenge}; }
};

// Zahltext form: a blank in front of values >= 0 and no "0" before the
// point; regional form: neither. Both with the given decimal separator. A
// value that is no number gives the empty text.
Zahlzeichen Zahlform(double wert, bool zahltextForm, char trenner);

// Zahltext(wert) and Regionalzahltext(wert) as characters.
Zahlzeichen Zahltextzeichen(double wert);
Zahlzeichen Regionalzeichen(double wert);

// Regionalzahltext(wert) with every ',' then replaced by '.'.
Zahlzeichen Punktzeichen(double wert);

// 10 raised to the power n, bit for bit what pow(10, n) gives: from a table
// of the exact values 10^0 to 10^22, from pow for any other n.
double Zehnerpotenz(int n);

// The 15 significant digits of a magnitude from 10^-5 to below 10^15,
// correctly rounded from its exact binary value, an exact half to even:
// ziffern holds them as a whole number from 10^14 to below 10^15, exponent
// is the decimal exponent of the first one. False outside the range; the
// general conversion then decides.
bool SchnelleZiffern(double betrag, std::uint64_t& ziffern, int& exponent);

} // namespace modKartovex::intern
