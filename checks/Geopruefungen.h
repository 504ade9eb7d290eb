// Whole-input checks of the three geographic input formats (decimal degrees,
// degrees and minutes, degrees, minutes and seconds).
//
// Each check runs its rules in a fixed order and stops at the first one that
// fails, with one message. Only the decimal-degree check names a field for the
// focus, which moves after the message box has been closed. The two
// sexagesimal checks write "0" into empty minute and second fields of
// e.texte; that stays, also when a later rule fails, and the window writes it
// back into its fields.
#pragma once

#include "checks/Eingabe.h"

namespace kartovex {

// Fields texBreite, texLaenge; options optDezN, optDezS.
Pruefergebnis PruefeGradDezimal(Eingabe& e);

// Fields texBreiteGrad, texBreiteMinute, texLaengeGrad, texLaengeMinute;
// options optGMN, optGMS.
Pruefergebnis PruefeGradMinuten(Eingabe& e);

// Fields texBGrad, texBMinute, texBSekunde, texLGrad, texLMinute, texLSekunde;
// options optGradN, optGradS.
Pruefergebnis PruefeGradMinSek(Eingabe& e);

} // namespace kartovex
