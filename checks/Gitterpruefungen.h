// Whole-input checks of the four grid formats of the calculation window.
//
// Each check applies its rules in order and stops at the first one that
// fails; the verdict carries that rule's message (empty for the silent
// rules), the field that gets the focus, and whether the focus moves
// before the message box opens. The normalisations a check makes (zero-filled
// digit groups, ".00" completion) are written into e.texte and stay there also
// when a later rule fails; the window writes them back into its fields.
#pragma once

#include "checks/Eingabe.h"

namespace kartovex {

// UTM civil: texZone, texRechts, texHoch against the bounds in e.grenzen
// (written by the zone field or by PruefeGK). Changes nothing in e.
Pruefergebnis PruefeUTMzivil(Eingabe& e);

// UTM military: texZoneM, tex100km and the five groups tex10km ... tex1m; an
// empty group becomes "00", a one-character group gets a leading "0".
Pruefergebnis PruefeUTMmil(Eingabe& e);

// UTMREF: texREFZone, texREF100, texREFZiffern; an empty digit group becomes
// ten zeros once zone and square are present.
Pruefergebnis PruefeUTMref(Eingabe& e);

// Gauss-Krueger: texGKRechts, texGKHoch. Once both are filled, e.grenzen is
// set to the German bounds; a value without '.' gets ".00" appended. The strip
// width buttons play no part here.
Pruefergebnis PruefeGK(Eingabe& e);

} // namespace kartovex
