#include "analysis/ComandesAnalisi.h"

#include "analysis/Integrals.h"
#include "analysis/Talls.h"
#include "engine/UnitTools.h"
#include "view/Dibuix.h"

namespace tracima {

std::string_view TitolLimits(int analisi) {
    switch (analisi) {
    case AnalisiIntegralDefinida:
        return "- Integral definida entre dos punts -";
    case AnalisiIntegralLinia:
        return "- Integral de línia entre dos punts -";
    case AnalisiArea:
        return "- Àrea entre dues funcions -";
    default:
        return {};
    }
}

namespace {

void Escombrar(ContextAnalisi& ctx, double valor) {
    EscombratFuncio e(ctx, valor);
    if (e.Iniciar() == 0) ExecutarEscombrat(e);
}

void Antiimatge(ContextAnalisi& ctx, EntradesAnalisi& entrades) {
    std::string text;
    if (!entrades.DemanarValor(ctx.missatges.Missatge(MissatgeTitolAntiimatge),
                               ctx.missatges.Missatge(MissatgeValorY), text))
        return;
    double valor = 0;
    if (PrepararAntiimatge(ctx, text, valor) != 0) return;
    Escombrar(ctx, valor);
}

void Integral(ContextAnalisi& ctx, const MostresFuncio* segona, const Parametres& p,
              EntradesAnalisi& entrades) {
    if (ctx.resultats.AnalisiActiva == AnalisiIntegralDefinida)
        ctx.finestra.FixarTitolFinestra("Integral definida");
    std::string inicial, final;
    for (;;) {
        if (!entrades.DemanarLimits(TitolLimits(ctx.resultats.AnalisiActiva), inicial, final)) {
            ctx.finestra.FixarTitolFinestra(ctx.textFuncio);
            return;
        }
        double a = 0, b = 0;
        if (ValidarLimits(ctx, p, inicial, final, a, b) != 0) continue; // the bar stays open
        CalculIntegral calcul(ctx, segona);
        const int estat = calcul.Iniciar(a, b);
        if (estat == 2) continue; // the area's limit checks show the bar again
        if (estat != 0) return;
        ResultatPas pas = ResultatPas::Continua;
        while (pas == ResultatPas::Continua)
            pas = calcul.Pas();
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
                           const Parametres& p, EntradesAnalisi& entrades) {
    EstatResultats& r = ctx.resultats;
    const bool dues = analisi == AnalisiTalls || analisi == AnalisiArea;
    if (dues && segona == nullptr) return 1;
    switch (analisi) {
    case AnalisiAntiimatge:
        r.AnalisiActiva = analisi;
        Antiimatge(ctx, entrades);
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
        Escombrar(ctx, 0);
        return 0;
    case AnalisiDerivada:
    case AnalisiSegonaDerivada:
        r.AnalisiActiva = analisi;
        r.Corba.MostrarCorbaResultat = true;
        Escombrar(ctx, 0);
        return 0;
    case AnalisiIntegralDefinida:
    case AnalisiIntegralLinia:
    case AnalisiArea:
        r.AnalisiActiva = analisi;
        Integral(ctx, segona, p, entrades);
        return 0;
    case AnalisiFuncioIntegral:
        r.AnalisiActiva = analisi;
        FuncioIntegral(ctx, entrades);
        return 0;
    case AnalisiTalls: {
        r.AnalisiActiva = analisi;
        EscombratTalls t(ctx, *segona, ColorCorba(1, ctx.opcions), ColorCorba(2, ctx.opcions));
        if (t.Iniciar() == 0) ExecutarTalls(t);
        return 0;
    }
    default:
        return 1;
    }
}

} // namespace tracima
