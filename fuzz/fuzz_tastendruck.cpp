// Any input field and any code: a rejection always discards the key, Enter
// targets only come with Enter, and messages have the fixed frame.
#include <cstdint>
#include <cstring>

#include "checks/Tastatur.h"
#include "fuzz/Befund.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1 + sizeof(int32_t)) return 0;
    const auto& regel = kartovex::Felder()[data[0] % kartovex::FeldAnzahl];
    int32_t code;
    std::memcpy(&code, data + 1, sizeof code);

    const auto t = kartovex::Tastendruck(regel.feld, code);
    FUZZ_CHECK(t.meldung.empty() || t.code == 0);
    FUZZ_CHECK(t.meldung.empty() || t.meldung.rfind("Die Eingabe von\r\n", 0) == 0);
    FUZZ_CHECK(t.enter == (t.code == 13));
    FUZZ_CHECK(!t.fokusZiel || t.enter);
    // A comma only survives in fields without a filter.
    FUZZ_CHECK(t.code != ',' || regel.filter == kartovex::Tastenfilter::Keiner);
    return 0;
}
