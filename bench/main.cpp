// Entry of tracima_bench. Runs every registered benchmark with the usual
// console output, then prints one comparison table: each benchmark named
// "<group>/tracima/<case>" beside its peer "<group>/<peer>/<case>", in
// nanoseconds (per evaluation when the benchmark has an "ns/eval" counter,
// else per iteration), with the ratio peer / tracima.
// With --benchmark_repetitions=N the table uses the medians.
// Bench files register their benchmarks and never define main().
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include <unistd.h>

namespace {

struct Mesura {
    double ns = 0;
    bool valida = false;
};

class InformeComparat : public benchmark::ConsoleReporter {
public:
    explicit InformeComparat(OutputOptions opcions) : ConsoleReporter(opcions) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.error_occurred) continue;
            const bool mediana = run.aggregate_name == "median";
            if (run.run_type == Run::RT_Aggregate && !mediana) continue;
            if (run.run_type == Run::RT_Iteration && run.repetitions > 1) continue;
            afegir(run);
        }
    }

    void Finalize() override {
        ConsoleReporter::Finalize();
        if (files_.empty()) return;
        std::printf("\n%-44s %14s %14s %8s  %s\n", "case", "tracima (ns)", "peer (ns)", "ratio",
                    "peer");
        for (const auto& [cas, fila] : files_) {
            if (!fila.nostre.valida) continue;
            for (const auto& [parell, m] : fila.altres) {
                const double ratio = m.ns / fila.nostre.ns;
                std::printf("%-44s %14.2f %14.2f %8.2f  %s\n", cas.c_str(), fila.nostre.ns, m.ns,
                            ratio, parell.c_str());
            }
        }
        std::fflush(stdout);
    }

private:
    struct Fila {
        Mesura nostre;
        std::map<std::string, Mesura> altres;
    };

    void afegir(const Run& run) {
        const std::string nom = run.run_name.function_name;
        const auto primera = nom.find('/');
        if (primera == std::string::npos) return;
        const auto segona = nom.find('/', primera + 1);
        if (segona == std::string::npos) return;
        const std::string qui = nom.substr(primera + 1, segona - primera - 1);
        const std::string cas = nom.substr(0, primera) + "/" + nom.substr(segona + 1);

        Mesura m;
        const auto c = run.counters.find("ns/eval");
        if (c != run.counters.end()) {
            m.ns = c->second.value * 1e9; // the counter is in seconds per evaluation
        } else {
            m.ns = run.GetAdjustedCPUTime() / benchmark::GetTimeUnitMultiplier(run.time_unit) * 1e9;
        }
        m.valida = m.ns > 0;
        if (qui == "tracima") {
            files_[cas].nostre = m;
        } else {
            files_[cas].altres[qui] = m;
        }
    }

    std::map<std::string, Fila> files_;
};

} // namespace

int main(int argc, char** argv) {
    // Colours only on a terminal, and never when asked not to.
    bool colors = isatty(fileno(stdout)) != 0;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--benchmark_color=false" || arg == "--benchmark_color=no") colors = false;
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    InformeComparat informe(colors ? benchmark::ConsoleReporter::OO_ColorTabular
                                   : benchmark::ConsoleReporter::OO_Tabular);
    benchmark::RunSpecifiedBenchmarks(&informe);
    benchmark::Shutdown();
    return 0;
}
