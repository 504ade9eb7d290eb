// The inverse transverse Mercator series with the constants a caller passes:
// the typed core passes those of the UTM ellipsoid, UTMziv_G those its
// ellipsoid code selects (all 0 for an unknown code, which ends in a division
// by zero and so in the common message).
#pragma once

#include "Ellipsoide.h"
#include "Rechenkern.h"

namespace modKartovex::intern {

// From easting R and northing H in metres (the southern false northing
// already removed); zoneNummer decides the central meridian alone (32V gives
// 9, 33X gives 15).
kern::Lage UTMInversReihen(double R, double H, double zoneNummer, bool nord, double c, double k0,
                           const Meridianreihen& r);

} // namespace modKartovex::intern
