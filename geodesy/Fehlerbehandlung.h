// The common error handler of the module routines.
//
// A fault is what a strict numeric runtime raises: division by zero, overflow
// to infinity, an invalid argument (square root of a negative number, NaN, a
// letter index outside its table). A routine runs its body through
// mitFehlerbehandlung(); the body calls pruefe() before it writes a result
// text, and throws Fehler itself for faults the floating-point unit cannot
// see. The handler then shows the common message once and returns normally,
// so texts written before the fault keep their new content and the others
// their old one.
#pragma once

#include <cfenv>
#include <cmath>

#include "modKartovex.h"

namespace modKartovex::intern {

struct Fehler {};

constexpr int Fehlerflags = FE_DIVBYZERO | FE_OVERFLOW | FE_INVALID;

// Throws Fehler when a fault flag was raised since the routine began or when
// one of the values is not finite.
template <class... Werte> void pruefe(Werte... werte) {
    if (std::fetestexcept(Fehlerflags) != 0 || !(std::isfinite(static_cast<double>(werte)) && ...))
        throw Fehler{};
}

// Clears the fault flags. Only when one is set: the C library clears by
// rewriting the whole floating-point environment, which costs far more than
// a routine's arithmetic, and the flags are almost never set.
inline void loescheFehlerflags() {
    if (std::fetestexcept(Fehlerflags) != 0) std::feclearexcept(Fehlerflags);
}

// Throws Fehler when one of the values is not finite, without looking at the
// fault flags. Enough for a routine whose every overflow, division by zero
// and invalid operation ends as inf or NaN in the values it checks; reading
// the floating-point status costs more than such a routine's arithmetic.
template <class... Werte> void pruefeWerte(Werte... werte) {
    if (!(std::isfinite(static_cast<double>(werte)) && ...)) throw Fehler{};
}

// The handler for bodies that check with pruefeWerte only.
template <class Rumpf> void mitWertpruefung(Rumpf&& rumpf) {
    try {
        rumpf();
    } catch (const Fehler&) {
        Meldung(FehlerMeldung);
    }
}

template <class Rumpf> void mitFehlerbehandlung(Rumpf&& rumpf) {
    loescheFehlerflags();
    try {
        rumpf();
    } catch (const Fehler&) {
        Meldung(FehlerMeldung);
    }
    loescheFehlerflags();
}

} // namespace modKartovex::intern
