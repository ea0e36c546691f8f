// Each untraced analysis scan over the samples of one (or two) functions on the
// default axes, results cleared before every run, drawn on a canvas that
// ignores its calls. The peer of the root scan is a bare loop over the same
// samples that only counts the sign changes (no marks, labels or texts).
// Then a full repaint on the recording canvas with six functions and a full
// overlay (651 segments of which 600 hatched, 651 labels, the green curve), on a
// window of the logical size and on one twice as wide and high; its peer records
// the same number of lines straight on the canvas.
#include "analysis/ComandesAnalisi.h"
#include "analysis/Estudi.h"
#include "functionset/UnitVariables.h"
#include "view/Dibuix.h"
#include "view/LlencSvg.h"

#include "EscenariRepintat.h"
#include "FormulesBanc.h"

#include <benchmark/benchmark.h>

#include <initializer_list>
#include <memory>
#include <string>

namespace {

using namespace tracima;


class EntradesFixes : public EntradesAnalisi {
  public:
    bool DemanarValor(std::string_view, std::string_view, std::string& text) override {
        if (donat_) return false;
        donat_ = true;
        text = "1";
        return true;
    }
    bool DemanarLimits(std::string_view, std::string& a, std::string& b) override {
        if (donat_) return false;
        donat_ = true;
        a = "-7";
        b = "7";
        return true;
    }

  private:
    bool donat_ = false;
};

struct Escenari {
    std::unique_ptr<ConjuntFuncions> cf = std::make_unique<ConjuntFuncions>();
    std::unique_ptr<EstatResultats> r = std::make_unique<EstatResultats>();
    TaulaMissatges missatges;
    OpcionsVista opcions;
    ValorsVista vista;
    FinestraCalculBuida finestra;
    Calculador calc;
    bool valid = false;

    explicit Escenari(std::initializer_list<const char*> formules = {"3*sin(2x)+x/4", "x^2/8-2"}) {
        ReiniciarConjunt(*cf);
        std::size_t i = 0;
        for (const char* f : formules)
            cf->Slots[i++].Text = f;
        valid = AplicarFuncions(*cf, calc) == 0 && cf->NombreFuncions == static_cast<int>(i);
        opcions.MenuTrassarElsCalculs = false;
    }
    void Executar(int analisi) {
        BuidarResultats(*r);
        r->PrecisioX = 0.025;
        r->PrecisioY = 0.025;
        ContextAnalisi ctx{*r,       cf->MostresColumna[0], cf->Eixos, opcions, vista, missatges,
                           finestra, cf->Slots[0].Text};
        EntradesFixes entrades;
        ExecutarComandaAnalisi(ctx, analisi, &cf->MostresColumna[1], cf->Parametres, entrades);
    }
};

void Escombrar(benchmark::State& state, int analisi) {
    Escenari e;
    if (!e.valid) {
        state.SkipWithError("the two functions were not sampled");
        return;
    }
    for (auto _ : state) {
        e.Executar(analisi);
        benchmark::DoNotOptimize(e.r->Etiquetes.nombre);
        benchmark::ClobberMemory();
    }
    state.counters["etiquetes"] = e.r->Etiquetes.nombre;
}

void ArrelsBucle(benchmark::State& state) {
    Escenari e;
    const MostresFuncio& f = e.cf->MostresColumna[0];
    for (auto _ : state) {
        int n = 0;
        for (int c = 23; c <= 618; ++c) {
            const double a = f.Y(c - 1), b = f.Y(c);
            n += f.Definida(c) &&
                 (b == 0 || (f.Definida(c - 1) && ((a > 0 && b < 0) || (a < 0 && b > 0))));
        }
        benchmark::DoNotOptimize(n);
    }
}

void RepintarComplet(benchmark::State& state) {
    banc::EscenariRepintat e;
    if (!e.valid) {
        state.SkipWithError("the six functions were not sampled");
        return;
    }
    const int escala = static_cast<int>(state.range(0));
    LlencEnregistrador llenc(640 * escala, 460 * escala);
    for (auto _ : state) {
        llenc.Esborrar();
        Repintar(llenc, *e.cf, e.opcions, e.vista, *e.r);
        benchmark::DoNotOptimize(llenc.crides.data());
    }
    state.counters["crides"] = static_cast<double>(llenc.crides.size());
}

// The peer: as many lines as the repaint records, straight on the canvas.
void RepintarBucle(benchmark::State& state) {
    banc::EscenariRepintat e;
    const int escala = static_cast<int>(state.range(0));
    LlencEnregistrador llenc(640 * escala, 460 * escala);
    Repintar(llenc, *e.cf, e.opcions, e.vista, *e.r);
    const std::size_t linies = llenc.DelTipus(LlencEnregistrador::Tipus::Linia).size();
    for (auto _ : state) {
        llenc.Esborrar();
        for (std::size_t i = 0; i < linies; ++i) {
            const int x = static_cast<int>(i % 640);
            llenc.MoureA(x, 0);
            llenc.LiniaA(x, 440);
        }
        benchmark::DoNotOptimize(llenc.crides.data());
    }
    state.counters["linies"] = static_cast<double>(linies);
}

// The same scene as an SVG document at 1280 x 920 (the bytes as a counter); its
// peer is the recording canvas, which keeps every call as a structure.
void RepintarSvg(benchmark::State& state) {
    banc::EscenariRepintat e;
    std::size_t bytes = 0;
    for (auto _ : state) {
        LlencSvg svg(1280, 920);
        Repintar(svg, *e.cf, e.opcions, e.vista, *e.r);
        const std::string document = svg.Document();
        bytes = document.size();
        benchmark::DoNotOptimize(document.data());
    }
    state.counters["bytes"] = static_cast<double>(bytes);
}

void RepintarRegistre(benchmark::State& state) {
    banc::EscenariRepintat e;
    for (auto _ : state) {
        LlencEnregistrador llenc(1280, 920);
        Repintar(llenc, *e.cf, e.opcions, e.vista, *e.r);
        benchmark::DoNotOptimize(llenc.crides.data());
    }
}

struct Cas {
    const char* nom;
    int analisi;
};

constexpr Cas kCasos[] = {
    {"antiimatges", AnalisiAntiimatge},
    {"arrels", AnalisiArrels},
    {"discontinuitats", AnalisiDiscontinuitats},
    {"maxims", AnalisiMaxims},
    {"minims", AnalisiMinims},
    {"inflexio", AnalisiInflexio},
    {"integral-definida", AnalisiIntegralDefinida},
    {"integral-linia", AnalisiIntegralLinia},
    {"creixement", AnalisiCreixement},
    {"decreixement", AnalisiDecreixement},
    {"concavitat", AnalisiConcavitat},
    {"convexitat", AnalisiConvexitat},
    {"derivada", AnalisiDerivada},
    {"segona-derivada", AnalisiSegonaDerivada},
    {"funcio-integral", AnalisiFuncioIntegral},
    {"talls", AnalisiTalls},
    {"area", AnalisiArea},
};

// The study of one benchmark formula alone, in the core: eleven scans and the
// point panel at x = 0, with the report as text.
void Estudi(benchmark::State& state) {
    ConjuntFuncions cf;
    ReiniciarConjunt(cf);
    cf.Slots[0].Text = banc::kFormules[static_cast<std::size_t>(state.range(0))].nostra;
    Calculador calc;
    AplicarFuncions(cf, calc);
    OpcionsVista o;
    TaulaMissatges m;
    for (auto _ : state) {
        const auto e = EstudiarFuncio(cf, o, m);
        benchmark::DoNotOptimize(TextEstudi(*e, m));
    }
}

const bool kRegistrats = [] {
    benchmark::RegisterBenchmark("Estudi/nucli", Estudi)->DenseRange(0, 5)->Unit(benchmark::kMicrosecond);
    for (const auto& cas : kCasos)
        benchmark::RegisterBenchmark((std::string("Escombrat/tracima/") + cas.nom).c_str(),
                                     Escombrar, cas.analisi)
            ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("Escombrat/bucle/arrels", ArrelsBucle)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("Repintar/tracima/sis-funcions-resultats-plens", RepintarComplet)
        ->Arg(1)
        ->Arg(2)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("Svg/tracima/1280x920", RepintarSvg)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("Svg/enregistrador/1280x920", RepintarRegistre)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("Repintar/bucle/mateixes-linies", RepintarBucle)
        ->Arg(1)
        ->Arg(2)
        ->Unit(benchmark::kMicrosecond);
    return true;
}();

} // namespace
