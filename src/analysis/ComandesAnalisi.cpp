#include "analysis/ComandesAnalisi.h"

#include "analysis/Integrals.h"
#include "analysis/Talls.h"
#include "engine/UnitTools.h"
#include "view/Dibuix.h"

#include <memory>

namespace tracima {

std::string_view TitolLimits(const TaulaMissatges& missatges, int analisi) {
    switch (analisi) {
    case AnalisiIntegralDefinida:
        return missatges.Text(TextFix::LimitsIntegralDefinida);
    case AnalisiIntegralLinia:
        return missatges.Text(TextFix::LimitsIntegralLinia);
    case AnalisiArea:
        return missatges.Text(TextFix::LimitsArea);
    default:
        return {};
    }
}

namespace {

void Executar(const ExecutorPassos& executar, std::function<ResultatPas()> pas) {
    if (executar) {
        executar(std::move(pas));
        return;
    }
    while (pas() == ResultatPas::Continua) {
    }
}

void Escombrar(ContextAnalisi& ctx, double valor, const ExecutorPassos& executar) {
    auto e = std::make_shared<EscombratFuncio>(ctx, valor);
    if (e->Iniciar() == 0) Executar(executar, [e] { return e->Pas(); });
}

void Antiimatge(ContextAnalisi& ctx, EntradesAnalisi& entrades, const ExecutorPassos& executar) {
    std::string text;
    if (!entrades.DemanarValor(ctx.missatges.Missatge(MissatgeTitolAntiimatge),
                               ctx.missatges.Missatge(MissatgeValorY), text))
        return;
    double valor = 0;
    if (PrepararAntiimatge(ctx, text, valor) != 0) return;
    Escombrar(ctx, valor, executar);
}

void Integral(ContextAnalisi& ctx, const MostresFuncio* segona, const Parametres& p,
              EntradesAnalisi& entrades, const ExecutorPassos& executar) {
    if (ctx.resultats.AnalisiActiva == AnalisiIntegralDefinida)
        ctx.finestra.FixarTitolFinestra(
            ctx.missatges.Missatge(BaseTitolsAnalisi + AnalisiIntegralDefinida));
    std::string inicial, final;
    for (;;) {
        if (!entrades.DemanarLimits(TitolLimits(ctx.missatges, ctx.resultats.AnalisiActiva),
                                    inicial, final)) {
            ctx.finestra.FixarTitolFinestra(ctx.textFuncio);
            return;
        }
        double a = 0, b = 0;
        if (ValidarLimits(ctx, p, inicial, final, a, b) != 0) continue; // the bar stays open
        auto calcul = std::make_shared<CalculIntegral>(ctx, segona);
        const int estat = calcul->Iniciar(a, b);
        if (estat == 2) continue; // the area's limit checks show the bar again
        if (estat == 0) Executar(executar, [calcul] { return calcul->Pas(); });
        return;
    }
}

void FuncioIntegral(ContextAnalisi& ctx, EntradesAnalisi& entrades) {
    const auto& m = ctx.missatges;
    ctx.finestra.FixarTitolFinestra(m.Missatge(BaseTitolsAnalisi + AnalisiFuncioIntegral));
    std::string text; // shown again when the box is asked again
    for (;;) {
        if (!entrades.DemanarValor(m.Missatge(MissatgeTitolFuncioIntegral),
                                   m.Missatge(MissatgeValorInicialX), text)) {
            ctx.finestra.Repintar();
            return;
        }
        double x0 = 0;
        if (LlegirValorDecimal(ctx, text, x0) != 0) return;
        if (CalcularFuncioIntegral(ctx, x0) == 0) return;
    }
}

} // namespace

int ExecutarComandaAnalisi(ContextAnalisi& ctx, int analisi, const MostresFuncio* segona,
                           const Parametres& p, EntradesAnalisi& entrades, const ExecutorPassos& executar) {
    EstatResultats& r = ctx.resultats;
    const bool dues = analisi == AnalisiTalls || analisi == AnalisiArea;
    if (dues && segona == nullptr) return 1;
    switch (analisi) {
    case AnalisiAntiimatge:
        r.AnalisiActiva = analisi;
        Antiimatge(ctx, entrades, executar);
        return 0;
    case AnalisiArrels:
    case AnalisiDiscontinuitats:
    case AnalisiMaxims:
    case AnalisiMinims:
    case AnalisiInflexio:
    case AnalisiCreixement:
    case AnalisiDecreixement:
    case AnalisiConcavitat:
    case AnalisiConvexitat:
        r.AnalisiActiva = analisi;
        Escombrar(ctx, 0, executar);
        return 0;
    case AnalisiDerivada:
    case AnalisiSegonaDerivada:
        r.AnalisiActiva = analisi;
        r.Corba.MostrarCorbaResultat = true;
        Escombrar(ctx, 0, executar);
        return 0;
    case AnalisiIntegralDefinida:
    case AnalisiIntegralLinia:
    case AnalisiArea:
        r.AnalisiActiva = analisi;
        Integral(ctx, segona, p, entrades, executar);
        return 0;
    case AnalisiFuncioIntegral:
        r.AnalisiActiva = analisi;
        FuncioIntegral(ctx, entrades);
        return 0;
    case AnalisiTalls: {
        r.AnalisiActiva = analisi;
        auto t = std::make_shared<EscombratTalls>(ctx, *segona, ColorCorba(1, ctx.opcions),
                                                  ColorCorba(2, ctx.opcions));
        if (t->Iniciar() == 0) Executar(executar, [t] { return t->Pas(); });
        return 0;
    }
    default:
        return 1;
    }
}

} // namespace tracima
