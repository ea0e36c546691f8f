// One application of the function set (AplicarFuncions: unit check, steps,
// bookkeeping, origins, 6 x 601 samples with their rows and flags, command
// states) with the six formulas of the engine benchmark and the default axes,
// against muparser compiling the same six formulas and evaluating each at the
// same 601 abscissas into an array (the bare computation, without the rows,
// the rounding rule or the flags).
#include "functionset/UnitVariables.h"

#include <benchmark/benchmark.h>
#include <muParser.h>

#include <array>
#include <memory>
#include <string>

namespace {

struct Formula {
    const char* nostra;
    const char* muparser;
};

constexpr std::array<Formula, 6> kSis{{
    {"x^2-4", "x^2-4"},
    {"sin(x)+cos(x)", "sin(x)+cos(x)"},
    {"1+x-x^2/2-x^3/6+x^4/24+x^5/120-x^6/720-x^7/5040+x^8/40320+x^9/362880",
     "1+x-x^2/2-x^3/6+x^4/24+x^5/120-x^6/720-x^7/5040+x^8/40320+x^9/362880"},
    {"30000/((2*p)^.5*.6)*exp(-(x-5.6)^2/2/.6^2)",
     "30000/((2*3.141593)^0.5*0.6)*exp(-((x-5.6)^2)/2/(0.6^2))"},
    {"(x^2-4)/(x-2)", "(x^2-4)/(x-2)"},
    {"1/36(3x^4-20x^3+12x^2+96x-110)", "1/36*(3*x^4-20*x^3+12*x^2+96*x-110)"},
}};

constexpr int kPunts = 6 * tracima::NombreColumnes;

void Comptadors(benchmark::State& state) {
    state.SetItemsProcessed(state.iterations() * kPunts);
    state.counters["ns/eval"] = benchmark::Counter(
        kPunts, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void AplicarTracima(benchmark::State& state) {
    auto cf = std::make_unique<tracima::ConjuntFuncions>();
    for (std::size_t i = 0; i < kSis.size(); ++i)
        cf->Slots[i].Text = kSis[i].nostra;
    tracima::Calculador calc;
    if (tracima::AplicarFuncions(*cf, calc) != 0 || cf->NombreFuncions != 6 ||
        !cf->MostresColumna[5].Definida(320)) {
        state.SkipWithError("the six formulas were not sampled");
        return;
    }
    for (auto _ : state) {
        int codi = tracima::AplicarFuncions(*cf, calc);
        benchmark::DoNotOptimize(codi);
        benchmark::ClobberMemory();
    }
    Comptadors(state);
    state.SetLabel("six formulas, default axes");
}

void AplicarMuparser(benchmark::State& state) {
    std::array<double, tracima::NombreColumnes> xs{};
    for (int c = 0; c < tracima::NombreColumnes; ++c)
        xs[static_cast<std::size_t>(c)] = -7.5 + c / 40.0;
    std::array<std::array<double, tracima::NombreColumnes>, 6> ys{};
    double x = 0;
    mu::Parser mp;
    try {
        mp.DefineVar("x", &x);
        for (auto _ : state) {
            for (std::size_t f = 0; f < kSis.size(); ++f) {
                mp.SetExpr(kSis[f].muparser);
                for (std::size_t i = 0; i < xs.size(); ++i) {
                    x = xs[i];
                    ys[f][i] = mp.Eval();
                }
            }
            benchmark::DoNotOptimize(ys.data());
            benchmark::ClobberMemory();
        }
    } catch (const mu::Parser::exception_type& e) {
        state.SkipWithError(e.GetMsg().c_str());
        return;
    }
    Comptadors(state);
    state.SetLabel("six formulas compiled and evaluated");
}

const bool kRegistrats = [] {
    benchmark::RegisterBenchmark("AplicarFuncions/tracima/sis", AplicarTracima)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("AplicarFuncions/muparser/sis", AplicarMuparser)
        ->Unit(benchmark::kMicrosecond);
    return true;
}();

} // namespace
