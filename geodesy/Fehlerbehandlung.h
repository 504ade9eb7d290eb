// The common error handler of the module routines.
//
// A fault is what a strict numeric runtime would stop at: division by zero,
// overflow to infinity, an invalid argument (square root of a negative
// number, NaN, a letter index outside its table). A routine runs its body
// through mitWertpruefung(). Every such fault of the arithmetic ends as inf
// or NaN in the values the body computes, so the body calls pruefeWerte() on
// them before it writes a result text, and throws Fehler itself for faults
// no value shows. The handler then shows the common message once and
// returns normally, so texts written before the fault keep their new content
// and the others their old one. The floating-point status flags are never
// read: reading them costs more than a routine's arithmetic.
#pragma once

#include <cmath>

#include "modKartovex.h"

namespace modKartovex::intern {

struct Fehler {};

// Throws Fehler when one of the values is not finite.
template <class... Werte> void pruefeWerte(Werte... werte) {
    if (!(std::isfinite(static_cast<double>(werte)) && ...)) throw Fehler{};
}

// Runs the body; a Fehler it throws shows the common message.
template <class Rumpf> void mitWertpruefung(Rumpf&& rumpf) {
    try {
        rumpf();
    } catch (const Fehler&) {
        Meldung(FehlerMeldung);
    }
}

} // namespace modKartovex::intern
