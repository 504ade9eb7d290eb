// Syntax tests of the geographic input fields: a plain decimal number and
// whole numbers of up to two or three digits. Texts are never trimmed, so a
// blank or a sign makes every test fail.
#include <algorithm>
#include <string_view>

#include "modKartovex.h"

namespace modKartovex {

namespace {
bool nurZiffern(const std::string& text, std::string_view erlaubt) {
    return std::all_of(text.begin(), text.end(),
                       [erlaubt](char c) { return erlaubt.find(c) != std::string_view::npos; });
}

bool IstZahlBis(const std::string& text, std::size_t stellen) {
    return !text.empty() && text.size() <= stellen && nurZiffern(text, "1234567890");
}
} // namespace

// Digits and at most one point, not starting with the point; "48." passes.
bool IstDezimalzahl(const std::string& text) {
    return !text.empty() && text.front() != '.' && nurZiffern(text, "0123456789.") &&
           std::count(text.begin(), text.end(), '.') <= 1;
}

bool IstZahlBis2(const std::string& text) {
    return IstZahlBis(text, 2);
}
bool IstZahlBis3(const std::string& text) {
    return IstZahlBis(text, 3);
}

} // namespace modKartovex
