// Runs every benchmark of kartovex_bench and then prints, for each group that
// has both a "<group>/Kartovex" and a "<group>/GeographicLib" benchmark, the
// ratio of their mean real times (below 1: our side is faster).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace {

class Verhaeltnisbericht : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration && !run.error_occurred)
                zeiten_[run.benchmark_name()] = run.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
    }

    void Verhaeltnisse() const {
        const std::string unsere = "/Kartovex";
        for (const auto& [name, zeit] : zeiten_) {
            if (name.size() <= unsere.size() ||
                name.compare(name.size() - unsere.size(), unsere.size(), unsere) != 0)
                continue;
            const std::string gruppe = name.substr(0, name.size() - unsere.size());
            const auto vergleich = zeiten_.find(gruppe + "/GeographicLib");
            if (vergleich == zeiten_.end() || vergleich->second <= 0) continue;
            std::printf("Ratio %s: %.3f (Kartovex %.1f / GeographicLib %.1f)\n", gruppe.c_str(),
                        zeit / vergleich->second, zeit, vergleich->second);
        }
    }

private:
    std::map<std::string, double> zeiten_;
};

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    Verhaeltnisbericht bericht;
    benchmark::RunSpecifiedBenchmarks(&bericht);
    bericht.Verhaeltnisse();
    benchmark::Shutdown();
    return 0;
}
