// UTM forward projection with zone number and latitude band.
#include "modKartovex.h"

namespace modKartovex {

// Hemisphere of the last zone designation read by the inverse routines.
bool NordHalbkugel = false;

} // namespace modKartovex
