// Syntax tests of the geographic input fields: a plain decimal number and
// whole numbers of up to two or three digits. Texts are never trimmed, so a
// blank or a sign makes every test fail.
#include <algorithm>

#include "Zeichen.h"
#include "modKartovex.h"

namespace modKartovex {

namespace {
using zeichen::IstZiffer;

bool IstZahlBis(const std::string& text, std::size_t stellen) {
    return !text.empty() && text.size() <= stellen &&
           std::all_of(text.begin(), text.end(), [](char c) { return IstZiffer(c); });
}
} // namespace

// Digits and at most one point, not starting with the point; "48." passes.
bool IstDezimalzahl(const std::string& text) {
    if (text.empty() || text.front() == '.') return false;
    int punkte = 0;
    for (const char c : text) {
        if (c == '.')
            ++punkte;
        else if (!IstZiffer(c))
            return false;
    }
    return punkte <= 1;
}

bool IstZahlBis2(const std::string& text) {
    return IstZahlBis(text, 2);
}
bool IstZahlBis3(const std::string& text) {
    return IstZahlBis(text, 3);
}

} // namespace modKartovex
