// Any text: the recogniser ends, names a format 1 to 7, fills only that
// format's fields, turns on one button of each of its option groups, and every
// character of every field text is taken by the field's key rule unchanged.
#include <cstdint>
#include <string_view>

#include "checks/Erkennung.h"
#include "checks/Tastatur.h"
#include "fuzz/Befund.h"

using namespace kartovex;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto r = Erkenne(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!r) return 0;
    const Format* format = FormatNr(r->format);
    FUZZ_CHECK(format != nullptr);
    std::size_t gefuellt = 0;
    for (Feld feld : format->felder) {
        const std::string& text = r->eingabe.text(feld);
        gefuellt += text.size();
        for (unsigned char z : text) {
            const Tastenentscheid t = Tastendruck(feld, z);
            FUZZ_CHECK(t.meldung.empty() && t.code == z && !t.enter);
        }
    }
    std::size_t alle = 0;
    for (const std::string& text : r->eingabe.texte)
        alle += text.size();
    FUZZ_CHECK(gefuellt == alle && gefuellt > 0);
    std::size_t an = 0;
    for (const Optionsgruppe& g : format->optionen)
        an += r->eingabe.istAn(g.standard) != r->eingabe.istAn(g.andere);
    FUZZ_CHECK(an == format->optionen.size() && r->eingabe.an.count() == an);
    return 0;
}
