// The inverse chain of one point, from texts to texts: the military notation
// decoded and projected back (UTMmil_UTMziv, UTMziv_G), and Gauss-Krueger
// back to the UTM ellipsoid (GK_G, DatumTrafo "BG"); against GeographicLib's
// MGRS::Reverse plus UTMUPS::Reverse for the same points.
#include <benchmark/benchmark.h>

#include <GeographicLib/MGRS.hpp>
#include <GeographicLib/UTMUPS.hpp>

#include <array>
#include <string>
#include <vector>

#include "geodesy/modKartovex.h"

namespace {

struct Referenz {
    std::string zone, quadrat;
    std::array<std::string, 5> gruppen; // military notation, as typed
    std::string mgrs;                   // the same point as GeographicLib writes it
};

struct GaussKrueger {
    std::string hoch, rechts;
};

// A world-wide spread of points inside the UTM bands, in both notations.
const std::vector<Referenz>& Referenzen() {
    static const std::vector<Referenz> referenzen = [] {
        std::vector<Referenz> r;
        for (double breite = -79.123456789012; breite < 84; breite += 10.3456789)
            for (double laenge = -178.98765432101; laenge < 180; laenge += 23.456789) {
                std::string rechts = modKartovex::Zahltext(laenge);
                std::string hoch = modKartovex::Zahltext(breite), zone = "WGS";
                modKartovex::G_UTMziv(rechts, hoch, zone);
                std::string mil = zone;
                modKartovex::UTMziv_UTMmil(mil, rechts, hoch);
                int z = 0;
                bool nord = false;
                double x = 0, y = 0;
                GeographicLib::UTMUPS::Forward(breite, laenge, z, nord, x, y);
                std::string mgrs;
                GeographicLib::MGRS::Forward(z, nord, x, y, breite, 5, mgrs);
                r.push_back({mil.substr(0, 3),
                             mil.substr(5, 2),
                             {mil.substr(9, 2), mil.substr(12, 2), mil.substr(15, 2),
                              mil.substr(18, 2), mil.substr(21, 2)},
                             mgrs});
            }
        return r;
    }();
    return referenzen;
}

// Gauss-Krueger values of points spread over Germany, 3 degree strips.
const std::vector<GaussKrueger>& GKWerte() {
    static const std::vector<GaussKrueger> werte = [] {
        std::vector<GaussKrueger> w;
        for (double breite = 47.3123456789; breite < 55; breite += 0.71)
            for (double laenge = 6.1234567891; laenge < 15; laenge += 0.93) {
                std::string hoch = modKartovex::Zahltext(breite);
                std::string rechts = modKartovex::Zahltext(laenge), streifen = "3";
                modKartovex::G_GK(hoch, rechts, streifen);
                w.push_back({hoch, rechts});
            }
        return w;
    }();
    return werte;
}

void UTMZurueck(const Referenz& r) {
    std::string z = r.zone, q = r.quadrat, g1 = r.gruppen[0], g2 = r.gruppen[1], g3 = r.gruppen[2],
                g4 = r.gruppen[3], g5 = r.gruppen[4];
    modKartovex::UTMmil_UTMziv(z, q, g1, g2, g3, g4, g5);
    std::string ellipsoid = "WGS";
    modKartovex::UTMziv_G(z, q, g1, ellipsoid);
    benchmark::DoNotOptimize(g1);
    benchmark::DoNotOptimize(ellipsoid);
}

void GKZurueck(const GaussKrueger& gk) {
    std::string breite = gk.hoch, laenge = gk.rechts, streifen = "3";
    modKartovex::GK_G(breite, laenge, streifen);
    std::string hoehe = "300", richtung = "BG";
    modKartovex::DatumTrafo(breite, laenge, hoehe, richtung);
    benchmark::DoNotOptimize(breite);
    benchmark::DoNotOptimize(laenge);
}

void GeographicLibZurueck(const Referenz& r) {
    int zone = 0, praezision = 0;
    bool nord = false;
    double x = 0, y = 0, breite = 0, laenge = 0;
    GeographicLib::MGRS::Reverse(r.mgrs, zone, nord, x, y, praezision);
    GeographicLib::UTMUPS::Reverse(zone, nord, x, y, breite, laenge);
    benchmark::DoNotOptimize(breite);
    benchmark::DoNotOptimize(laenge);
}

// Both inverse chains of the system per iteration.
void InversKartovex(benchmark::State& state) {
    const auto& referenzen = Referenzen();
    const auto& gk = GKWerte();
    std::size_t i = 0;
    for (auto _ : state) {
        UTMZurueck(referenzen[i % referenzen.size()]);
        GKZurueck(gk[i % gk.size()]);
        ++i;
    }
}

// The UTM chain alone.
void InversUTMKartovex(benchmark::State& state) {
    const auto& referenzen = Referenzen();
    std::size_t i = 0;
    for (auto _ : state)
        UTMZurueck(referenzen[i++ % referenzen.size()]);
}

void InversGeographicLib(benchmark::State& state) {
    const auto& referenzen = Referenzen();
    std::size_t i = 0;
    for (auto _ : state)
        GeographicLibZurueck(referenzen[i++ % referenzen.size()]);
}

} // namespace

BENCHMARK(InversKartovex)->Name("Invers/Kartovex");
BENCHMARK(InversGeographicLib)->Name("Invers/GeographicLib");
BENCHMARK(InversUTMKartovex)->Name("InversUTM/Kartovex");
BENCHMARK(InversGeographicLib)->Name("InversUTM/GeographicLib");
