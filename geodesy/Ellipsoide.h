// The two ellipsoids of the module and the series they share: meridian arc,
// footpoint latitude and prime vertical radius.
//
// The constants are fixed to these digits, and nothing is derived from a and
// f at run time except e'² for UTM, which comes from f: the computed
// coordinates depend on the last digits of each constant. The sums
// below fix the order of the additions (E0·φ + E2·sin 2φ + E4·sin 4φ +
// E6·sin 6φ, and likewise for the footpoint); every projection routine uses
// them, so all of them round alike.
#pragma once

#include <cmath>

namespace modKartovex::intern {

// Degrees to radians and back, fixed to these digits (not computed from pi).
inline constexpr double DEG = 0.017453292519943278;
inline constexpr double RHO = 57.29577951308238;

struct Ellipsoid {
    double a;         // semi-major axis, m
    double f;         // flattening
    double b;         // semi-minor axis, m
    double e;         // first eccentricity
    double e1;        // second eccentricity e'
    double c;         // polar radius of curvature a²/b, m
    double e1Quadrat; // e'² as a constant (0 where it comes from f)
};

inline constexpr Ellipsoid Bessel{6377397.155,         0.0033427731816161, 6356078.96282175,
                                  0.0816968312157118,  0.0819708411451664, 6398786.84807061,
                                  0.006719218798046104};

// The ellipsoid the system calls "WGS"; its constants are those of GRS80.
inline constexpr Ellipsoid GRS80{6378137.0,
                                 0.00335281068118232,
                                 6356752.31414036,
                                 0.0818191910428152,
                                 0.0820944381519166,
                                 6399593.62586402,
                                 0.0};

// e'² from the flattening, as the UTM routines compute it.
constexpr double e1QuadratAusAbplattung(double f) {
    return (2 * f - f * f) / ((1 - f) * (1 - f));
}

// Coefficients of the meridian arc and footpoint series for one e'².
struct Meridianreihen {
    double e2, e4, e6, e8; // e'² and its powers
    double E0, E2, E4, E6; // arc: E0 in metres per degree, the others in metres
    double F2, F4, F6;     // footpoint corrections, degrees
};

// proGrad is c·DEG for UTM and c/RHO for Gauss-Krueger (the two differ in the
// last bits only, and the computed coordinates depend on those bits, so each
// family keeps its own).
constexpr Meridianreihen meridianreihen(double c, double e2, double proGrad) {
    Meridianreihen r{};
    r.e2 = e2;
    r.e4 = e2 * e2;
    r.e6 = r.e4 * e2;
    r.e8 = r.e4 * r.e4;
    r.E0 = proGrad *
           (1 - 3.0 / 4 * r.e2 + 45.0 / 64 * r.e4 - 175.0 / 256 * r.e6 + 11025.0 / 16384 * r.e8);
    r.E2 = c * (-3.0 / 8 * r.e2 + 15.0 / 32 * r.e4 - 525.0 / 1024 * r.e6 + 2205.0 / 4096 * r.e8);
    r.E4 = c * (15.0 / 256 * r.e4 - 105.0 / 1024 * r.e6 + 2205.0 / 16384 * r.e8);
    r.E6 = c * (-35.0 / 3072 * r.e6 + 315.0 / 12288 * r.e8);
    r.F2 = RHO * (3.0 / 8 * r.e2 - 3.0 / 16 * r.e4 + 213.0 / 2048 * r.e6 - 255.0 / 4096 * r.e8);
    r.F4 = RHO * (21.0 / 256 * r.e4 - 21.0 / 256 * r.e6 + 533.0 / 8192 * r.e8);
    r.F6 = RHO * (151.0 / 6144 * r.e6 - 453.0 / 12288 * r.e8);
    return r;
}

// Series of the UTM routines (GRS80, e'² from f) and of the Gauss-Krueger
// routines (Bessel, e'² as a constant).
inline constexpr Meridianreihen UTMReihen =
    meridianreihen(GRS80.c, e1QuadratAusAbplattung(GRS80.f), GRS80.c* DEG);
inline constexpr Meridianreihen GKReihen =
    meridianreihen(Bessel.c, Bessel.e1Quadrat, Bessel.c / RHO);

// Meridian arc from the equator to latitude phiGrad (degrees), metres.
inline double Meridianbogen(const Meridianreihen& r, double phiGrad) {
    const double phi = phiGrad * DEG;
    return r.E0 * phiGrad + r.E2 * std::sin(2 * phi) + r.E4 * std::sin(4 * phi) +
           r.E6 * std::sin(6 * phi);
}

// Footpoint latitude (degrees) of a meridian arc length x (metres); the
// series is the whole inversion, it is not iterated.
inline double Fusspunktbreite(const Meridianreihen& r, double x) {
    const double sigmaGrad = x / r.E0;
    const double sigma = sigmaGrad * DEG;
    return sigmaGrad + r.F2 * std::sin(2 * sigma) + r.F4 * std::sin(4 * sigma) +
           r.F6 * std::sin(6 * sigma);
}

// Prime vertical radius at a latitude, from its cosine and e'². η² is formed as
// (e'²·cosφ)·cosφ, as the UTM inverse needs it; the other routines form it
// in other orders (the UTM forward as e'²·cos²φ, both Gauss-Krueger routines
// as (e'·cosφ)²), which differ in the last bit, so they keep their own lines.
struct Radien {
    double eta2; // η² = e'²·cos²φ
    double V;    // √(1 + η²)
    double N;    // prime vertical radius c/V
};

inline Radien Kruemmungsradien(double c, double e2, double cosPhi) {
    Radien r{};
    r.eta2 = e2 * cosPhi * cosPhi;
    r.V = std::sqrt(1 + r.eta2);
    r.N = c / r.V;
    return r;
}

} // namespace modKartovex::intern
