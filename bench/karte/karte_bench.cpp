// The map window's costs, offscreen:
//
//   Karte/DatenLesen          the built-in coastlines and borders decoded
//   Karte/Oeffnen             the window created, shown and its first frame
//                             drawn (the data already read), then discarded
//   Karte/Bild/<Ansicht>      one frame of 1600x1000 pixels into an image:
//                             Europa (3000 km across), Quadrat (450 km, the
//                             100 km squares), Deutschland1km (50 km across,
//                             the 1 km grid)
//   Kern/UTMinZone, Kern/LageAus    one point through the typed core
//   Text/G_UTMziv, Text/UTMziv_G    the same through the text routines
#include <QApplication>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTest>
#include <benchmark/benchmark.h>

#include "bench/Qtbenchmark.h"
#include "geodesy/Rechenkern.h"
#include "geodesy/modKartovex.h"
#include "karte/Weltdaten.h"
#include "karte/Zeichner.h"
#include "windows/foKarte.h"

using namespace kartovex;
namespace kern = modKartovex::kern;

namespace {

const karte::Lage Ulm{48.4363326641023, 9.96796724981198};

void BM_DatenLesen(benchmark::State& state) {
    QFile f(QStringLiteral(":/karte/welt.bin"));
    f.open(QIODevice::ReadOnly);
    const QByteArray b = f.readAll();
    for (auto _ : state) {
        auto d = karte::LiesWeltdaten(std::string_view(b.constData(), std::size_t(b.size())));
        benchmark::DoNotOptimize(d);
    }
}
BENCHMARK(BM_DatenLesen)->Name("Karte/DatenLesen")->Unit(benchmark::kMillisecond);

void BM_Oeffnen(benchmark::State& state) {
    (void)karte::EingebauteWeltdaten();
    for (auto _ : state) {
        foKarte& k = foKarte::Zeige(Ulm, "32U NU 71595 65251");
        benchmark::DoNotOptimize(k.karte().grab()); // the first frame, drawn
        state.PauseTiming();
        k.verwerfe();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_Oeffnen)->Name("Karte/Oeffnen")->Unit(benchmark::kMillisecond);

void BM_Bild(benchmark::State& state, double kmQuer, karte::Lage mitte) {
    const karte::Ansicht a(mitte, kmQuer, 1600, 1000);
    karte::Kartenstand stand;
    stand.punkt = Ulm;
    stand.punktText = "32U NU 71595 65251";
    QImage bild(1600, 1000, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QPainter p(&bild);
        karte::ZeichneKarte(p, a, stand);
    }
}
BENCHMARK_CAPTURE(BM_Bild, Europa, 3000.0, karte::Lage{50, 10})
    ->Name("Karte/Bild/Europa")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Bild, Quadrat, 450.0, Ulm)
    ->Name("Karte/Bild/Quadrat")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Bild, Deutschland1km, 50.0, Ulm)
    ->Name("Karte/Bild/Deutschland1km")
    ->Unit(benchmark::kMillisecond);

// Points over Germany and its neighbours.
karte::Lage Punkt(std::size_t i) {
    return {47.0 + double(i % 64) * 0.1, 6.0 + double(i / 64 % 64) * 0.1};
}

void BM_KernVorwaerts(benchmark::State& state) {
    std::size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(kern::UTMinZone(Punkt(i++), 32));
}
BENCHMARK(BM_KernVorwaerts)->Name("Kern/UTMinZone");

void BM_KernInvers(benchmark::State& state) {
    std::size_t i = 0;
    for (auto _ : state) {
        ++i;
        benchmark::DoNotOptimize(kern::LageAus(32, true, 400000 + double(i % 64) * 1000,
                                               5300000 + double(i % 97) * 1000));
    }
}
BENCHMARK(BM_KernInvers)->Name("Kern/LageAus");

void BM_TextVorwaerts(benchmark::State& state) {
    std::size_t i = 0;
    for (auto _ : state) {
        const karte::Lage g = Punkt(i++);
        std::string laenge = modKartovex::Zahltext(g.laengeGrad);
        std::string breite = modKartovex::Zahltext(g.breiteGrad);
        std::string zone = "WGS";
        modKartovex::G_UTMziv(laenge, breite, zone);
        benchmark::DoNotOptimize(zone);
    }
}
BENCHMARK(BM_TextVorwaerts)->Name("Text/G_UTMziv");

void BM_TextInvers(benchmark::State& state) {
    std::size_t i = 0;
    for (auto _ : state) {
        ++i;
        std::string rechts = std::to_string(400000 + (i % 64) * 1000);
        std::string hoch = std::to_string(5300000 + (i % 97) * 1000);
        std::string zone = "32U", ellipsoid = "WGS";
        modKartovex::UTMziv_G(rechts, hoch, zone, ellipsoid);
        benchmark::DoNotOptimize(hoch);
    }
}
BENCHMARK(BM_TextInvers)->Name("Text/UTMziv_G");

} // namespace

int main(int argc, char** argv) {
    return QtBenchmarks(argc, argv);
}
