#include "analysis/Integrals.h"

#include "engine/UnitTools.h"
#include "view/Dibuix.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <utility>

namespace tracima {

namespace {

// The first column 20..620 whose x(c) reaches the limit; 620 when none does.
template <class XDeColumna> int PrimeraColumnaFins(double limit, XDeColumna x) {
    for (int c = 20; c <= 620; ++c)
        if (x(c) >= limit) return c;
    return 620;
}

} // namespace

int ColumnaDelLimit(const EixosFuncions& e, double limit) {
    return PrimeraColumnaFins(limit, [&](int c) { return e.XColumna(c); });
}

int ValidarLimits(const ContextAnalisi& ctx, const Parametres& p, std::string_view inicial,
                  std::string_view final, double& a, double& b, int* campErroni) {
    const auto& m = ctx.missatges;
    const EixosFuncions& e = ctx.eixos;
    auto falla = [&](int slot, int camp) {
        if (campErroni) *campErroni = camp;
        ctx.finestra.MostrarMissatge(m.Missatge(slot));
        return 1;
    };
    double va = 0, vb = 0;
    if (CalcularExpressio(inicial, p, va) != 0) return falla(MissatgeErrorXInicial, 0);
    va = ArrodonirComText(va);
    if (CalcularExpressio(final, p, vb) != 0) return falla(MissatgeErrorXFinal, 1);
    vb = ArrodonirComText(vb);
    const struct {
        bool falla;
        int slot, camp;
    } proves[] = {{va < e.XOrigen, MissatgeXInicialMassaPetit, 0},
                  {va > e.XFinal, MissatgeXInicialMassaGran, 0},
                  {vb < e.XOrigen, MissatgeXFinalMassaPetit, 1},
                  {vb > e.XFinal, MissatgeXFinalMassaGran, 1}};
    for (const auto& prova : proves)
        if (prova.falla) return falla(prova.slot, prova.camp);
    a = va;
    b = vb;
    return 0;
}

CalculIntegral::CalculIntegral(ContextAnalisi ctx, const MostresFuncio* segona)
    : ctx_(ctx), segona_(segona) {}

void CalculIntegral::Missatge(int slot) {
    ctx_.finestra.MostrarMissatge(ctx_.missatges.Missatge(slot));
}

void CalculIntegral::Refusar(int slot) {
    // A refused start has no value: the status line says the refusal.
    ctx_.resultats.TextEstat = std::string(ctx_.missatges.Missatge(slot));
    Missatge(slot);
}

int CalculIntegral::Iniciar(double a, double b) {
    EstatResultats& r = ctx_.resultats;
    const EixosFuncions& e = ctx_.eixos;
    const int an = r.AnalisiActiva;
    const bool area = an == AnalisiArea;
    acabat_ = true; // until the column loop may run
    if (an != AnalisiIntegralDefinida && an != AnalisiIntegralLinia && !area) return 1;
    if (area && segona_ == nullptr) return 1;
    // The integrals' own status strip is 300 pixels wide at the current height,
    // whatever an earlier scan (the cuts use 200) or window size left there.
    r.Rectangle.Fixar(ctx_.finestra.Canvas().AlcadaClient());
    if (an != AnalisiIntegralDefinida && b < a) std::swap(a, b);
    a_ = a;
    b_ = b;
    cA_ = ColumnaDelLimit(e, a);
    cB_ = ColumnaDelLimit(e, b);
    s_ = 0;
    etiqueta_ = std::string(
        ctx_.missatges.Missatge(area ? MissatgeAreaEntre : BaseEncapcalamentIntegral + an));
    r.TextEstat = etiqueta_ + NumeroAText(ArrodonirPerMostrar(a_)) +
                  std::string(ctx_.missatges.Text(TextFix::ILimits)) +
                  NumeroAText(ArrodonirPerMostrar(b_)) + " = " + NumeroAText(0);
    const MostresFuncio& f = ctx_.funcio;
    if (area) {
        const std::pair<bool, int> proves[] = {
            {!f.Definida(cA_), MissatgePrimeraNoDefinidaXInicial},
            {!f.Definida(cB_), MissatgePrimeraNoDefinidaXFinal},
            {!segona_->Definida(cA_), MissatgeSegonaNoDefinidaXInicial},
            {!segona_->Definida(cB_), MissatgeSegonaNoDefinidaXFinal}};
        for (const auto& [falla, slot] : proves)
            if (falla) {
                Refusar(slot);
                return 2;
            }
    } else if (!f.Definida(cA_) || !f.Definida(cB_)) {
        Refusar(f.Definida(cA_) ? MissatgeFuncioNoDefinidaXFinal
                                : MissatgeFuncioNoDefinidaXInicial);
        Final();
        return 1;
    }
    r.Segments.Buidar();
    Llenc& l = ctx_.finestra.Canvas();
    l.FixarColorLlapis(ColorVermell);
    for (int c : {cA_, cB_}) {
        int y1, y2;
        if (area) {
            const int p = ArrodonirPixel(f.Fila(c)), q = ArrodonirPixel(segona_->Fila(c));
            y1 = std::max(p, q);
            y2 = std::min(p, q);
        } else {
            y1 = ArrodonirPixel(f.Fila(c));
            y2 = ArrodonirPixel(e.OrigenLogicY);
        }
        DibuixarLinia(l, ctx_.vista, c, y1, c, y2);
        r.Segments.Afegir(c, y1, c, y2);
    }
    r.AturarCalcul = false;
    pas_ = (an == AnalisiIntegralDefinida && cA_ > cB_) ? -1 : 1;
    c_ = pas_ > 0 ? cA_ : cA_ - 1;
    if (pas_ < 0) {
        // The sum starts one column before cA, but the hatching covers cA as it
        // does with the limits in increasing order; otherwise the pixel columns
        // next to cA stay blank on a scaled window.
        Tramar(cA_);
    }
    filaAnterior_ = ArrodonirPixel(f.Fila(cA_));
    acabat_ = false;
    return 0;
}

// The pixel columns between the newest hatched segment and the one before it, as
// the overlay fills them, so a window wider than 640 pixels shows solid hatching
// while the integral runs.
void CalculIntegral::OmplirFinsAnterior() {
    const SegmentsResultat& s = ctx_.resultats.Segments;
    if (s.nombre < 2) return;
    const SegmentResultat& a = s.entrades[static_cast<std::size_t>(s.nombre - 2)];
    const SegmentResultat& b = s.entrades[static_cast<std::size_t>(s.nombre - 1)];
    if (!a.omplert || !b.omplert) return;
    const ValorsVista& v = ctx_.vista;
    const int p = PixelX(v, a.x1), q = PixelX(v, b.x1);
    const int des = std::max(std::min(p, q) + 1, 0);
    const int fins = std::min(std::max(p, q) - 1, ctx_.finestra.Canvas().AmpladaClient());
    Llenc& l = ctx_.finestra.Canvas();
    for (int x = des; x <= fins; ++x) {
        l.MoureA(x, PixelY(v, b.y1));
        l.LiniaA(x, PixelY(v, b.y2));
    }
}

void CalculIntegral::Tramar(int c) {
    const int eix = ArrodonirPixel(ctx_.eixos.OrigenLogicY);
    const int fila = ArrodonirPixel(ctx_.funcio.Fila(c));
    DibuixarLinia(ctx_.finestra.Canvas(), ctx_.vista, c, eix, c, fila);
    ctx_.resultats.Segments.Afegir(c, eix, c, fila, true);
    OmplirFinsAnterior();
}

void CalculIntegral::Final() {
    EscriureEstat(ctx_);
    ctx_.finestra.FixarTitolFinestra(ctx_.textFuncio);
    acabat_ = true;
}

ResultatPas CalculIntegral::Pas() {
    if (acabat_) return ResultatPas::Acabat;
    EstatResultats& r = ctx_.resultats;
    const EixosFuncions& e = ctx_.eixos;
    const MostresFuncio& f = ctx_.funcio;
    const int an = r.AnalisiActiva;
    const int c = c_;
    const double h = e.H();
    if ((pas_ > 0 && c > cB_) || (pas_ < 0 && c < cB_)) {
        Final();
        return ResultatPas::Acabat;
    }
    if (r.AturarCalcul) {
        acabat_ = true;
        return ResultatPas::Aturat;
    }
    // The status shows the column's x as the scans show it.
    const double x = e.XEscombrat(c);
    const auto& m = ctx_.missatges;
    if (an == AnalisiArea) {
        const bool primera = !f.Definida(c);
        if (primera || !segona_->Definida(c)) {
            Missatge(primera ? MissatgePrimeraNoDefinidaEnX : MissatgeSegonaNoDefinidaEnX);
            r.TextEstat = "x = " + NumeroAText(x) + "  " +
                          std::string(m.Missatge(primera ? MissatgeNoDefinitPrimera
                                                         : MissatgeNoDefinitSegona));
            Final();
            return ResultatPas::Acabat;
        }
    } else if (!f.Definida(c)) {
        r.TextEstat = "x = " + NumeroAText(x) + "  " + std::string(m.Missatge(MissatgeNoTeImatge));
        EscriureEstat(ctx_);
        Missatge(MissatgeIntegralNoDefinida);
        Final();
        return ResultatPas::Acabat;
    }
    Llenc& l = ctx_.finestra.Canvas();
    l.FixarColorLlapis(ColorVermell);
    const int fila = ArrodonirPixel(f.Fila(c));
    // A full segment list only stops the drawing: the sum goes on.
    if (an == AnalisiIntegralDefinida) {
        Tramar(c);
        if (pas_ > 0 && c > cA_)
            s_ += h * (Y(c) + Y(c - 1)) / 2;
        else if (pas_ < 0)
            s_ -= h * (Y(c) + Y(c + 1)) / 2;
    } else if (an == AnalisiIntegralLinia) {
        DibuixarLinia(l, ctx_.vista, c - 1, filaAnterior_, c, fila);
        r.Segments.Afegir(c - 1, filaAnterior_, c, fila);
        filaAnterior_ = fila;
        if (c > cA_) s_ += std::sqrt(h * h + (Y(c) - Y(c - 1)) * (Y(c) - Y(c - 1)));
    } else {
        const int q = ArrodonirPixel(segona_->Fila(c));
        DibuixarLinia(l, ctx_.vista, c, std::max(fila, q), c, std::min(fila, q));
        r.Segments.Afegir(c, std::max(fila, q), c, std::min(fila, q), true);
        OmplirFinsAnterior();
        if (c > cA_)
            s_ += h * std::fabs((Y(c) + Y(c - 1)) - (segona_->Y(c) + segona_->Y(c - 1))) / 2;
    }
    // Untraced, no event is processed before the last column, so only its status
    // text can ever be seen.
    const bool tracat = ctx_.opcions.MenuTrassarElsCalculs;
    if (tracat || c == cB_) {
        r.TextEstat = etiqueta_ + NumeroAText(ArrodonirPerMostrar(a_)) +
                      std::string(ctx_.missatges.Text(TextFix::ILimits)) + NumeroAText(x) + " = " +
                      NumeroAText(ArrodonirPerMostrar(s_));
        EscriureEstat(ctx_);
    }
    if (tracat && r.PausaDemanada) {
        r.PausaDemanada = false;
        ctx_.finestra.Repintar();
        if (!ctx_.finestra.PreguntarPausa(r.TextEstat)) {
            ctx_.finestra.FixarTitolFinestra(ctx_.textFuncio);
            acabat_ = true;
            return ResultatPas::Cancellat;
        }
    }
    c_ += pas_;
    return ResultatPas::Continua;
}

int CalcularFuncioIntegral(ContextAnalisi& ctx, double x) {
    const double x0 = ArrodonirPerMostrar(x);
    const EixosFuncions& e = ctx.eixos;
    const MostresFuncio& f = ctx.funcio;
    EstatResultats& r = ctx.resultats;
    auto& w = ctx.finestra;
    if (x0 < e.XOrigen) {
        w.MostrarMissatge(ctx.missatges.Missatge(MissatgeXMassaPetit));
        return 1;
    }
    if (x0 > e.XFinal) {
        w.MostrarMissatge(ctx.missatges.Missatge(MissatgeXMassaGran));
        return 2;
    }
    // The integral function starts where the scans' x of a column reaches x0.
    const int s = PrimeraColumnaFins(x0, [&](int c) { return e.XEscombrat(c); });
    if (!f.Definida(s)) {
        w.MostrarMissatge(ctx.missatges.Missatge(MissatgeFuncioNoDefinidaEnX));
        return 3;
    }
    const double h = e.H();
    r.Corba.Buidar();
    r.Corba.Fixar(s, 0);
    Llenc& l = w.Canvas();
    l.FixarColorLlapis(ColorVerd);
    const auto tram = [&](int ca, double fa, int cb, double fb) {
        const double p = e.Fila(fa), q = e.Fila(fb);
        if ((p >= 0 && p <= 400) || (q >= 0 && q <= 400)) DibuixarLinia(l, ctx.vista, ca, p, cb, q);
    };
    bool complet = true;
    double F = 0, anterior = 0;
    for (int c = s + 1; c <= 620 && complet; ++c) {
        if (!f.Definida(c)) {
            w.MostrarMissatge(ctx.missatges.Missatge(MissatgeIntegralNoDefinida));
            complet = false;
            break;
        }
        F += h * f.Y(c);
        r.Corba.Fixar(c, F);
        tram(c - 1, anterior, c, F);
        anterior = F;
    }
    F = anterior = 0;
    for (int c = s - 1; c >= 20 && complet; --c) {
        if (!f.Definida(c)) {
            w.MostrarMissatge(ctx.missatges.Missatge(MissatgeIntegralNoDefinida));
            break;
        }
        F -= h * f.Y(c);
        r.Corba.Fixar(c, F);
        tram(c + 1, anterior, c, F);
        anterior = F;
    }
    w.FixarTitolFinestra(ctx.textFuncio);
    r.TextEstat = std::string(ctx.missatges.Missatge(BaseTitolsAnalisi + AnalisiFuncioIntegral));
    r.Corba.MostrarCorbaResultat = true;
    w.Repintar();
    return 0;
}

} // namespace tracima
