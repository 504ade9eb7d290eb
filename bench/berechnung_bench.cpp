// The whole conversion behind "Berechnung" for the example point, once per
// input format: check, inverse routines, the three output stages.
#include <benchmark/benchmark.h>

#include "geodesy/modKartovex.h"
#include "workflow/Berechnung.h"

namespace {

using kartovex::Eingabe;

Eingabe beispiel(int format) {
    Eingabe e;
    switch (format) {
    case 1:
        e.texte = {{"texBreite", "48.4363326641023"}, {"texLaenge", "9.96796724981198"}};
        break;
    case 2:
        e.texte = {{"texBreiteGrad", "48"},
                   {"texBreiteMinute", "26.179960"},
                   {"texLaengeGrad", "9"},
                   {"texLaengeMinute", "58.078035"}};
        break;
    case 3:
        e.texte = {{"texBGrad", "48"}, {"texBMinute", "26"}, {"texBSekunde", "10.80"},
                   {"texLGrad", "9"},  {"texLMinute", "58"}, {"texLSekunde", "4.68"}};
        break;
    case 4:
        e.texte = {{"texZone", "32U"}, {"texRechts", "0571595"}, {"texHoch", "5365251"}};
        e.grenzen = {"0723776", "0276224", "6210141", "5316301"};
        break;
    case 5:
        e.texte = {{"texZoneM", "32U"}, {"tex100km", "NU"}, {"tex10km", "76"}, {"tex1km", "15"},
                   {"tex100m", "52"},   {"tex10m", "95"},   {"tex1m", "51"}};
        break;
    case 6:
        e.texte = {{"texREFZone", "32U"}, {"texREF100", "NU"}, {"texREFZiffern", "7159565251"}};
        break;
    case 7:
        e.texte = {{"texGKRechts", "3571699.06"}, {"texGKHoch", "5366959.20"}};
        break;
    }
    e.an = {"optDezN", "optDezE", "optGMN", "optGME", "optGradN", "optGradE", "optDrei"};
    return e;
}

void BM_Berechnung(benchmark::State& state) {
    const int format = static_cast<int>(state.range(0));
    const Eingabe vorlage = beispiel(format);
    modKartovex::setMeldungsausgabe([](const std::string&) {});
    for (auto _ : state) {
        Eingabe e = vorlage; // the window fills a fresh record for every press
        auto ergebnis = kartovex::Berechnung(format, e);
        if (!ergebnis.ausgabe) state.SkipWithError("check failed");
        benchmark::DoNotOptimize(ergebnis);
    }
    modKartovex::setMeldungsausgabe(nullptr);
}
BENCHMARK(BM_Berechnung)->DenseRange(1, 7)->ArgName("InputFormat");

} // namespace
