// The forward chain of one point, from texts to texts, against GeographicLib's
// UTMUPS::Forward plus MGRS::Forward for the same points.
#include <benchmark/benchmark.h>

#include <GeographicLib/MGRS.hpp>
#include <GeographicLib/UTMUPS.hpp>

#include <string>
#include <vector>

#include "geodesy/modKartovex.h"

namespace {

struct Punkt {
    double breite, laenge;
    std::string breiteText, laengeText;
};

// A world-wide spread of points inside the UTM bands, as the user would type
// them (up to 15 significant digits).
const std::vector<Punkt>& Punkte() {
    static const std::vector<Punkt> punkte = [] {
        std::vector<Punkt> p;
        for (double breite = -79.123456789012; breite < 84; breite += 10.3456789)
            for (double laenge = -178.98765432101; laenge < 180; laenge += 23.456789)
                p.push_back(
                    {breite, laenge, modKartovex::Zahltext(breite), modKartovex::Zahltext(laenge)});
        return p;
    }();
    return punkte;
}

// Civil UTM, the military notation and UTMREF from the point's texts; the
// result is the UTMREF text.
std::string UTMKette(const Punkt& p) {
    std::string rechts = p.laengeText, hoch = p.breiteText, zone = "WGS";
    modKartovex::G_UTMziv(rechts, hoch, zone);
    modKartovex::UTMziv_UTMmil(zone, rechts, hoch);
    modKartovex::UTMmil_UTMref(zone);
    return zone;
}

void KartovexVorwaerts(benchmark::State& state) {
    const auto& punkte = Punkte();
    std::size_t i = 0;
    for (auto _ : state) {
        const Punkt& p = punkte[i++ % punkte.size()];
        std::string zone = UTMKette(p);
        std::string breite = p.breiteText, laenge = p.laengeText, hoehe = "300", richtung = "GB";
        modKartovex::DatumTrafo(breite, laenge, hoehe, richtung);
        std::string streifen = "3";
        modKartovex::G_GK(breite, laenge, streifen);
        benchmark::DoNotOptimize(zone);
        benchmark::DoNotOptimize(breite);
        benchmark::DoNotOptimize(laenge);
    }
}

void GeographicLibVorwaerts(benchmark::State& state) {
    const auto& punkte = Punkte();
    std::size_t i = 0;
    for (auto _ : state) {
        const Punkt& p = punkte[i++ % punkte.size()];
        int zone;
        bool nord;
        double x, y;
        GeographicLib::UTMUPS::Forward(p.breite, p.laenge, zone, nord, x, y);
        std::string mgrs;
        GeographicLib::MGRS::Forward(zone, nord, x, y, p.breite, 5, mgrs);
        benchmark::DoNotOptimize(mgrs);
    }
}

// The UTM part alone, like for like with GeographicLib: civil UTM, the
// military notation and UTMREF from the same texts.
void KartovexVorwaertsUTM(benchmark::State& state) {
    const auto& punkte = Punkte();
    std::size_t i = 0;
    for (auto _ : state) {
        std::string zone = UTMKette(punkte[i++ % punkte.size()]);
        benchmark::DoNotOptimize(zone);
    }
}

} // namespace

BENCHMARK(KartovexVorwaertsUTM)->Name("VorwaertsUTM/Kartovex");
BENCHMARK(GeographicLibVorwaerts)->Name("VorwaertsUTM/GeographicLib");
BENCHMARK(KartovexVorwaerts)->Name("Vorwaerts/Kartovex");
BENCHMARK(GeographicLibVorwaerts)->Name("Vorwaerts/GeographicLib");
