// Any zone text: the verdict and the message agree, a failed test leaves the
// bounds alone, and a passing non-empty zone always yields 7-digit bounds.
#include <cstdint>
#include <string>

#include "checks/Zonenfeld.h"
#include "fuzz/Befund.h"

namespace {
bool SiebenZiffern(const std::string& t) {
    return t.size() == 7 && t.find_first_not_of("0123456789") == std::string::npos;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string zone(reinterpret_cast<const char*>(data), size);
    const kartovex::Grenzen vorher{"a", "b", "c", "d"};
    kartovex::Grenzen g = vorher;
    const auto entscheid = kartovex::ZoneVerlassen(zone, g);

    FUZZ_CHECK(entscheid.ok == entscheid.meldung.empty());
    if (!entscheid.ok || zone.empty()) {
        FUZZ_CHECK(g.RechtsMax == "a" && g.RechtsMin == "b" && g.HochMax == "c" &&
                   g.HochMin == "d");
    } else {
        FUZZ_CHECK(SiebenZiffern(g.RechtsMax) && SiebenZiffern(g.RechtsMin));
        FUZZ_CHECK(SiebenZiffern(g.HochMax) && SiebenZiffern(g.HochMin));
    }
    return 0;
}
