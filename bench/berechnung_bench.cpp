// The whole conversion behind "Berechnung" for the example point, once per
// input format: check, inverse routines, the three output stages.
#include <benchmark/benchmark.h>

#include "geodesy/modKartovex.h"
#include "workflow/Berechnung.h"

namespace {

using namespace kartovex;

// The example point as the format's example button writes it, with the
// options the window starts with.
Eingabe beispiel(int format) {
    Eingabe e;
    for (Feld f : FormatNr(format)->felder)
        e[f] = Beschreibung(f).beispiel;
    for (const Format& f : Formate())
        for (const Optionsgruppe& g : f.optionen)
            e.schalteAn(g.standard);
    if (format == Eingabeformat::UTMzivil) e.grenzen = {"0723776", "0276224", "6210141", "5316301"};
    return e;
}

void BM_Berechnung(benchmark::State& state) {
    const int format = static_cast<int>(state.range(0));
    const Eingabe vorlage = beispiel(format);
    modKartovex::setMeldungsausgabe([](const std::string&) {});
    for (auto _ : state) {
        Eingabe e = vorlage; // the window fills a fresh record for every press
        auto ergebnis = Berechnung(format, e);
        if (!ergebnis.ausgabe) state.SkipWithError("check failed");
        benchmark::DoNotOptimize(ergebnis);
    }
    modKartovex::setMeldungsausgabe(nullptr);
}
BENCHMARK(BM_Berechnung)->DenseRange(1, 7)->ArgName("InputFormat");

} // namespace
