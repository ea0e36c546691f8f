// Each untraced analysis scan over the samples of one (or two) functions on the
// default axes, results cleared before every run, drawn on a canvas that
// ignores its calls. The peer of the root scan is a bare loop over the same
// samples that only counts the sign changes (no marks, labels or texts).
#include "analysis/ComandesAnalisi.h"
#include "functionset/UnitVariables.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

namespace {

using namespace tracima;

class LlencNul : public Llenc {
  public:
    void OmplirRectangle(int, int, int, int, Color) override {}
    void FixarColorLlapis(Color) override {}
    void FixarGruixLlapis(int) override {}
    void FixarEstilLlapis(EstilLlapis) override {}
    void MoureA(int, int) override {}
    void LiniaA(int x, int) override { benchmark::DoNotOptimize(x); }
    void EscriureText(int, int, std::string_view, Color, Color) override {}
    void OmplirEllipse(int, int, int, int, Color) override {}
    int AmpladaClient() const override { return 640; }
    int AlcadaClient() const override { return 460; }
};

class FinestraNul : public FinestraCalcul {
  public:
    Llenc& Canvas() override { return llenc_; }
    void DibuixarEixos() override {}
    void DibuixarResultats() override {}
    void DibuixarEtiqueta(int) override {}
    void Repintar() override {}
    void FixarTitolFinestra(std::string_view) override {}
    bool PreguntarPausa(std::string_view) override { return true; }
    void MostrarMissatge(std::string_view) override {}

  private:
    LlencNul llenc_;
};

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
    FinestraNul finestra;
    Calculador calc;
    bool valid = false;

    Escenari() {
        ReiniciarConjunt(*cf);
        cf->Slots[0].Text = "3*sin(2x)+x/4";
        cf->Slots[1].Text = "x^2/8-2";
        valid = AplicarFuncions(*cf, calc) == 0 && cf->NombreFuncions == 2;
        opcions.MenuTrassarElsCalculs = false;
    }
    void Executar(int analisi) {
        BuidarResultats(*r);
        r->PrecisioX = 0.025;
        r->PrecisioY = 0.025;
        ContextAnalisi ctx{*r,    cf->MostresColumna[0], cf->Eixos, opcions, vista,
                           missatges, finestra,          cf->Slots[0].Text};
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
            n += f.Definida(c) && (b == 0 || (f.Definida(c - 1) && ((a > 0 && b < 0) ||
                                                                    (a < 0 && b > 0))));
        }
        benchmark::DoNotOptimize(n);
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

const bool kRegistrats = [] {
    for (const auto& cas : kCasos)
        benchmark::RegisterBenchmark((std::string("Escombrat/tracima/") + cas.nom).c_str(),
                                     Escombrar, cas.analisi)
            ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("Escombrat/bucle/arrels", ArrelsBucle)
        ->Unit(benchmark::kMicrosecond);
    return true;
}();

} // namespace
