// Runs every benchmark of kartovex_bench and then prints, for each group that
// has both a "<group>/Kartovex" and a "<group>/GeographicLib" benchmark, the
// ratio of their times (below 1: our side is faster). With
// --benchmark_repetitions the medians are compared.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace {

struct Zeiten {
    double real = 0;
    double cpu = 0;
};

class Verhaeltnisbericht : public benchmark::ConsoleReporter {
public:
    // Keeps the plain run, replaced by the median when repetitions are asked for.
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (run.error_occurred) continue;
            const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            if (run.run_type == Run::RT_Iteration || median)
                zeiten_[run.run_name.str()] = {run.GetAdjustedRealTime(), run.GetAdjustedCPUTime()};
        }
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
            if (vergleich == zeiten_.end() || vergleich->second.real <= 0 ||
                vergleich->second.cpu <= 0)
                continue;
            std::printf("Ratio %s: %.3f real time, %.3f CPU time (Kartovex %.1f / GeographicLib "
                        "%.1f, CPU %.1f / %.1f)\n",
                        gruppe.c_str(), zeit.real / vergleich->second.real,
                        zeit.cpu / vergleich->second.cpu, zeit.real, vergleich->second.real,
                        zeit.cpu, vergleich->second.cpu);
        }
    }

private:
    std::map<std::string, Zeiten> zeiten_;
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
