// One application of the function set (AplicarFuncions: unit check, steps,
// bookkeeping, origins, 6 x 601 samples with their rows and flags, command
// states) with the six formulas of the engine benchmark and the default axes,
// against muparser compiling the same six formulas and evaluating each at the
// same 601 abscissas into an array (the bare computation, without the rows,
// the rounding rule or the flags).
#include "functionset/UnitVariables.h"

#include "FormulesBanc.h"

#include <benchmark/benchmark.h>
#include <muParser.h>

#include <array>
#include <memory>
#include <string>

namespace {

using tracima::banc::kFormules;

constexpr int kPunts = 6 * tracima::NombreColumnes;

void Comptadors(benchmark::State& state) {
    state.SetItemsProcessed(state.iterations() * kPunts);
    state.counters["ns/eval"] = benchmark::Counter(
        kPunts, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void AplicarTracima(benchmark::State& state) {
    auto cf = std::make_unique<tracima::ConjuntFuncions>();
    for (std::size_t i = 0; i < kFormules.size(); ++i)
        cf->Slots[i].Text = kFormules[i].nostra;
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
            for (std::size_t f = 0; f < kFormules.size(); ++f) {
                mp.SetExpr(kFormules[f].muparser);
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
