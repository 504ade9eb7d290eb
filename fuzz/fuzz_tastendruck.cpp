// Any field name and any code: a rejection always discards the key, Enter
// targets only come with Enter, and messages have the fixed frame.
#include <array>
#include <cstdint>
#include <cstring>

#include "checks/Tastatur.h"
#include "fuzz/Befund.h"

namespace {
constexpr std::array<const char*, 29> Felder = {
    "texBreite",
    "texLaenge",
    "texBreiteGrad",
    "texBreiteMinute",
    "texLaengeGrad",
    "texLaengeMinute",
    "texBGrad",
    "texBMinute",
    "texBSekunde",
    "texLGrad",
    "texLMinute",
    "texLSekunde",
    "texZone",
    "texRechts",
    "texHoch",
    "texZoneM",
    "tex100km",
    "tex10km",
    "tex1km",
    "tex100m",
    "tex10m",
    "tex1m",
    "texREFZone",
    "texREF100",
    "texREFZiffern",
    "texGKRechts",
    "texGKHoch",
    "comRechnen",
    "",
};
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1 + sizeof(int32_t)) return 0;
    const char* feld = Felder[data[0] % Felder.size()];
    int32_t code;
    std::memcpy(&code, data + 1, sizeof code);

    const auto t = kartovex::Tastendruck(feld, code);
    FUZZ_CHECK(t.meldung.empty() || t.code == 0);
    FUZZ_CHECK(t.meldung.empty() || t.meldung.rfind("Die Eingabe von\r\n", 0) == 0);
    FUZZ_CHECK(t.fokusZiel.empty() || t.code == 13);
    // A comma only survives in fields without a filter.
    const auto* regel = kartovex::RegelFuer(feld);
    FUZZ_CHECK(t.code != ',' || !regel || regel->filter == kartovex::Tastenfilter::Keiner);
    return 0;
}
