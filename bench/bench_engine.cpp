// The formula engine against muparser: each formula compiled once and
// evaluated at the 601 column abscissas of the default view, x = -7.5 to 7.5
// in steps of 0.025, and the time of one compile. Before timing, both engines
// are checked to agree at a few abscissas, so that they compute the same thing.
#include "engine/UnitCalcular.h"

#include "FormulesBanc.h"

#include <benchmark/benchmark.h>
#include <muParser.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <string>

namespace {

using tracima::banc::FormulaBanc;
using tracima::banc::kFormules;

constexpr int kMostres = 601;

std::array<double, kMostres> Abscisses() {
    std::array<double, kMostres> x{};
    for (int i = 0; i < kMostres; ++i) x[static_cast<std::size_t>(i)] = -7.5 + i / 40.0;
    return x;
}

const std::array<double, kMostres> kX = Abscisses();

void ComptadorPerAvaluacio(benchmark::State& state) {
    state.SetItemsProcessed(state.iterations() * kMostres);
    state.counters["ns/eval"] = benchmark::Counter(
        kMostres, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

// Compiles both forms and compares them where the engine gives a value.
// Returns an empty text when they agree, else what went wrong.
std::string Comprovar(const FormulaBanc& f) {
    tracima::Calculador calc;
    tracima::Parametres par;
    if (int codi = calc.CompilarFuncio(f.nostra, par); codi != 0)
        return "engine compile code " + std::to_string(codi);
    double x = 0;
    mu::Parser mp;
    try {
        mp.DefineVar("x", &x);
        mp.SetExpr(f.muparser);
        mp.Eval();
    } catch (const mu::Parser::exception_type& e) {
        return "muparser: " + e.GetMsg();
    }
    int comparats = 0;
    for (double xi : {-7.5, -1.3, 0.0, 0.7, 3.3, 5.6, 7.5}) {
        double nostre = 0;
        if (calc.AvaluarFuncio(xi, nostre) != 0) continue;
        x = xi;
        const double seu = mp.Eval();
        if (!(std::fabs(nostre - seu) <= 1e-9 * std::fmax(1.0, std::fabs(seu)))) {
            char text[160];
            std::snprintf(text, sizeof text, "values differ at x=%g: %.17g vs %.17g", xi, nostre,
                          seu);
            return text;
        }
        ++comparats;
    }
    return comparats >= 3 ? std::string() : "fewer than 3 comparable abscissas";
}

void AvaluarTracima(benchmark::State& state, const FormulaBanc& f) {
    if (std::string error = Comprovar(f); !error.empty()) {
        state.SkipWithError(error.c_str());
        return;
    }
    tracima::Calculador calc;
    tracima::Parametres par;
    calc.CompilarFuncio(f.nostra, par);
    for (auto _ : state) {
        for (double x : kX) {
            double valor = 0;
            int codi = calc.AvaluarFuncio(x, valor);
            benchmark::DoNotOptimize(codi);
            benchmark::DoNotOptimize(valor);
        }
    }
    ComptadorPerAvaluacio(state);
    state.SetLabel(f.nostra);
}

void AvaluarMuparser(benchmark::State& state, const FormulaBanc& f) {
    double x = 0;
    mu::Parser mp;
    try {
        mp.DefineVar("x", &x);
        mp.SetExpr(f.muparser);
        mp.Eval(); // the first evaluation builds muparser's byte code
    } catch (const mu::Parser::exception_type& e) {
        state.SkipWithError(e.GetMsg().c_str());
        return;
    }
    for (auto _ : state) {
        for (double xi : kX) {
            x = xi;
            double valor = mp.Eval();
            benchmark::DoNotOptimize(valor);
        }
    }
    ComptadorPerAvaluacio(state);
    state.SetLabel(f.muparser);
}

// The 601 samples of a curve in one call, as the function set samples them,
// against muparser's own bulk mode (a vector variable, one Eval for all) and against
// its per-point evaluation, the faster of its two modes here.
void MostresTracima(benchmark::State& state, const FormulaBanc& f) {
    if (std::string error = Comprovar(f); !error.empty()) {
        state.SkipWithError(error.c_str());
        return;
    }
    tracima::Calculador calc;
    tracima::Parametres par;
    calc.CompilarFuncio(f.nostra, par);
    std::array<double, kMostres> y{};
    std::array<int, kMostres> codi{};
    for (auto _ : state) {
        calc.AvaluarFuncioMostres(kX.data(), y.data(), codi.data(), kMostres);
        benchmark::DoNotOptimize(y.data());
        benchmark::DoNotOptimize(codi.data());
        benchmark::ClobberMemory();
    }
    ComptadorPerAvaluacio(state);
    state.SetLabel(f.nostra);
}

void MostresMuparser(benchmark::State& state, const FormulaBanc& f) {
    std::array<double, kMostres> x = kX;
    std::array<double, kMostres> y{};
    mu::Parser mp;
    try {
        mp.DefineVar("x", x.data());
        mp.SetExpr(f.muparser);
        mp.Eval(y.data(), kMostres);
    } catch (const mu::Parser::exception_type& e) {
        state.SkipWithError(e.GetMsg().c_str());
        return;
    }
    for (auto _ : state) {
        mp.Eval(y.data(), kMostres);
        benchmark::DoNotOptimize(y.data());
        benchmark::ClobberMemory();
    }
    ComptadorPerAvaluacio(state);
    state.SetLabel(f.muparser);
}

void CompilarTracima(benchmark::State& state, const FormulaBanc& f) {
    tracima::Calculador calc;
    tracima::Parametres par;
    if (int codi = calc.CompilarFuncio(f.nostra, par); codi != 0) {
        state.SkipWithError(("engine compile code " + std::to_string(codi)).c_str());
        return;
    }
    for (auto _ : state) {
        int codi = calc.CompilarFuncio(f.nostra, par);
        benchmark::DoNotOptimize(codi);
    }
    state.SetLabel(f.nostra);
}

// muparser parses at the first Eval after SetExpr, so a compile is SetExpr plus
// one evaluation (at x = 0).
void CompilarMuparser(benchmark::State& state, const FormulaBanc& f) {
    double x = 0;
    mu::Parser mp;
    try {
        mp.DefineVar("x", &x);
        for (auto _ : state) {
            mp.SetExpr(f.muparser);
            double valor = mp.Eval();
            benchmark::DoNotOptimize(valor);
        }
    } catch (const mu::Parser::exception_type& e) {
        state.SkipWithError(e.GetMsg().c_str());
        return;
    }
    state.SetLabel(f.muparser);
}

// Names "<group>/<engine>/f<n>", which the comparison table of main.cpp pairs.
const bool kRegistrats = [] {
    using Banc = void (*)(benchmark::State&, const FormulaBanc&);
    struct Grup {
        const char* nom;
        Banc nostre, peer;
        benchmark::TimeUnit unitat;
        Banc peerPerPunt; // muparser's faster mode, beside the sample-set call
    };
    const Grup grups[] = {
        {"Avaluar", AvaluarTracima, AvaluarMuparser, benchmark::kMicrosecond, nullptr},
        {"Mostres", MostresTracima, MostresMuparser, benchmark::kMicrosecond, AvaluarMuparser},
        {"Compilar", CompilarTracima, CompilarMuparser, benchmark::kNanosecond, nullptr},
    };
    for (const Grup& g : grups) {
        for (std::size_t i = 0; i < kFormules.size(); ++i) {
            const std::string cas = "/f" + std::to_string(i + 1);
            const FormulaBanc& f = kFormules[i];
            benchmark::RegisterBenchmark((g.nom + std::string("/tracima") + cas).c_str(), g.nostre, f)
                ->Unit(g.unitat);
            benchmark::RegisterBenchmark((g.nom + std::string("/muparser") + cas).c_str(), g.peer, f)
                ->Unit(g.unitat);
            if (g.peerPerPunt)
                benchmark::RegisterBenchmark((g.nom + std::string("/muparser-per-punt") + cas).c_str(),
                                             g.peerPerPunt, f)
                    ->Unit(g.unitat);
        }
    }
    return true;
}();

} // namespace
