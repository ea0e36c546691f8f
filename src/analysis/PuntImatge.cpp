#include "analysis/PuntImatge.h"

#include "engine/UnitTools.h"
#include "numeric/UnitInterpolacio.h"
#include "view/Dibuix.h"

#include <algorithm>
#include <cmath>

namespace tracima {

int ImatgeDeLaFuncio(const SlotFuncio& slot, const Parametres& p, Calculador& calc, double x,
                     double& y) {
    const FuncioNumerica& fn = slot.Numerica;
    if (EsEtiquetaInterpolacio(slot.Text)) {
        if (fn.NombrePunts <= 1 || fn.NombrePunts > MaxPuntsTaula) return SenseValor;
        PreparacioInterpolacio prep;
        if (PrepararInterpolacio(fn, prep) != 0) return SenseValor;
        return AvaluarInterpolacio(fn, prep, x, y);
    }
    std::string_view formula = slot.Text;
    if (ModelDeEtiqueta(slot.Text) != 0) {
        if (fn.NombrePunts < 2 || fn.NombrePunts > MaxPuntsTaula) return SenseValor;
        formula = fn.EquacioRegressio;
    }
    const int codi = calc.CompilarFuncio(formula, p);
    if (codi != 0) return codi;
    const int aval = calc.AvaluarFuncio(x, y);
    if (aval == 0 && !std::isfinite(y)) return AvalOverflow;
    return aval;
}

int ColumnaPunt(const EixosFuncions& e, double x) {
    for (int c = 21; c <= 619; ++c)
        if ((c - e.OrigenLogicX) / e.PasLogicX * e.XUnitat >= x) return c;
    return 619;
}

namespace {

std::string EtiquetaBuida(int analisi) {
    return analisi == AnalisiDerivadaPunt ? "y' =" : "y =";
}

} // namespace

int IniciarPunt(ContextPunt& ctx, int analisi) {
    EstatResultats& r = ctx.analisi.resultats;
    if (analisi != AnalisiImatge && analisi != AnalisiDerivadaPunt) return 1;
    r.AnalisiActiva = analisi;
    ctx.analisi.finestra.FixarTitolFinestra(
        ctx.analisi.missatges.Missatge(BaseTitolsAnalisi + analisi));
    if (analisi == AnalisiDerivadaPunt) {
        r.Corba.MostrarCorbaResultat = true;
        r.Corba.Buidar();
    }
    ctx.panell.TextY = EtiquetaBuida(analisi);
    ctx.panell.Visible = true;
    ctx.panell.TextX = "0";
    AcceptarPunt(ctx);
    return 0;
}

int AcceptarPunt(ContextPunt& ctx) {
    ContextAnalisi& a = ctx.analisi;
    EstatResultats& r = a.resultats;
    const EixosFuncions& e = a.eixos;
    const int analisi = r.AnalisiActiva;
    double x = 0;
    if (CalcularExpressio(ctx.panell.TextX, ctx.parametres, x) != 0) {
        a.finestra.MostrarMissatge(a.missatges.Missatge(MissatgeErrorEnX));
        ctx.panell.TextY = EtiquetaBuida(analisi);
        return 1;
    }
    x = ArrodonirComText(x);
    double y = 0;
    const int estat = ImatgeDeLaFuncio(ctx.slot, ctx.parametres, ctx.calc, x, y);
    int col = 0, fila = 0;
    if (estat == 0) {
        col = ArrodonirPixel(x / e.XUnitat * e.PasLogicX + e.OrigenLogicX);
        fila = ArrodonirPixel(e.OrigenLogicY - y * e.PasLogicY / e.YUnitat);
    }
    const bool dinsX = e.XOrigen < x && x < e.XFinal;
    bool segona = false;
    SegmentResultat linia;
    if (analisi == AnalisiImatge) {
        if (estat == 0) {
            ctx.panell.TextY = "y = " + NumeroAText(y);
            if (dinsX) {
                fila = std::clamp(fila, 0, 440);
                linia = {ArrodonirPixel(e.OrigenLogicX), fila, col, fila};
                segona = true;
            }
        } else {
            ctx.panell.TextY = std::string(ctx.analisi.missatges.Text(TextFix::NoTeImatge));
        }
    } else if (estat == 0 && dinsX && fila > 0 && fila < 440) {
        const int c = ColumnaPunt(e, x);
        const MostresFuncio& f = a.funcio;
        const double h = e.XUnitat / e.PasLogicX;
        double pendent = 0;
        if (f.Definida(c - 1) && f.Definida(c + 1))
            pendent = ((f.Y(c + 1) - f.Y(c)) + (f.Y(c) - f.Y(c - 1))) / h / 2;
        else if (f.Definida(c + 1))
            pendent = (f.Y(c + 1) - f.Y(c)) / h;
        else if (f.Definida(c - 1))
            pendent = (f.Y(c) - f.Y(c - 1)) / h;
        pendent = ArrodonirPerMostrar(pendent);
        ctx.panell.TextY =
            "y' = " + (a.opcions.MenuPrecisioBaixa ? NumeroATextPrecisioBaixa(pendent, r.PrecisioX)
                                                   : NumeroAText(pendent));
        const double d = 100 / e.PasLogicX * e.XUnitat;
        linia = {
            c - 100, ArrodonirPixel(e.OrigenLogicY - (y - d * pendent) * e.PasLogicY / e.YUnitat),
            c + 100, ArrodonirPixel(e.OrigenLogicY - (y + d * pendent) * e.PasLogicY / e.YUnitat)};
        segona = true;
        if (a.opcions.MenuTrassarElsCalculs) r.Corba.Fixar(c, pendent);
    } else if (estat == 0) {
        ctx.panell.TextY = std::string(ctx.analisi.missatges.Text(TextFix::ForaDeLaPantalla));
    } else {
        ctx.panell.TextY = std::string(ctx.analisi.missatges.Text(TextFix::NoTeImatgeNiDerivada));
    }
    r.Segments.Buidar();
    if (dinsX && estat == 0) {
        r.Segments.Afegir(col, fila, col, ArrodonirPixel(e.OrigenLogicY));
        if (segona && fila > 0 && fila < 440)
            r.Segments.Afegir(linia.x1, linia.y1, linia.x2, linia.y2);
    }
    r.TextEstat = "x = " + ctx.panell.TextX + "  " + ctx.panell.TextY;
    a.finestra.Repintar();
    return 0;
}

int MourePunt(ContextPunt& ctx, bool amunt) {
    const EixosFuncions& e = ctx.analisi.eixos;
    double x = 0;
    if (CalcularExpressio(ctx.panell.TextX, ctx.parametres, x) != 0) return 1;
    const double pas = ArrodonirPerMostrar(e.XUnitat / e.PasLogicX);
    if (amunt) {
        if (!(x + pas < e.XFinal)) return 1;
        x += pas;
    } else {
        if (!(x - pas > e.XOrigen)) return 1;
        x -= pas;
    }
    ctx.panell.TextX = NumeroATextFormula(x);
    AcceptarPunt(ctx);
    return 0;
}

PuntPunter PuntDelPunter(const EixosFuncions& e, const ValorsVista& v, int px, int py) {
    PuntPunter p;
    p.columna = ArrodonirPixel(v.EscalaX > 0 ? px / v.EscalaX : 0);
    p.fila = ArrodonirPixel(v.EscalaY > 0 ? py / v.EscalaY : 0);
    p.x = (p.columna - e.OrigenLogicX) / e.PasLogicX * e.XUnitat;
    p.y = (e.OrigenLogicY - p.fila) / e.PasLogicY * e.YUnitat;
    return p;
}

namespace {

bool DinsEixos(const EixosFuncions& e, const PuntPunter& p) {
    return e.XOrigen < p.x && p.x < e.XFinal && e.YOrigen < p.y && p.y < e.YFinal;
}

} // namespace

std::string TextCoordenades(const EixosFuncions& e, const PuntPunter& p) {
    if (!DinsEixos(e, p)) return {};
    return "(" + NumeroAText(p.x) + "," + NumeroAText(p.y) + ")";
}

int MarcarClic(ContextAnalisi& ctx, int px, int py) {
    EstatResultats& r = ctx.resultats;
    const EixosFuncions& e = ctx.eixos;
    const PuntPunter p = PuntDelPunter(e, ctx.vista, px, py);
    // A full label list refuses the mark too, so a mark never lacks its label.
    if (r.Segments.nombre >= LimitMarquesClic || r.Etiquetes.Ple()) {
        ctx.finestra.MostrarMissatge(ctx.missatges.Missatge(MissatgeMassaPunts));
        return 2;
    }
    if (!DinsEixos(e, p)) return 1;
    const int eixX = ArrodonirPixel(e.OrigenLogicY), eixY = ArrodonirPixel(e.OrigenLogicX);
    r.Segments.Afegir(p.columna, p.fila, p.columna, eixX);
    r.Segments.Afegir(eixY, p.fila, p.columna, p.fila);
    r.Etiquetes.Afegir(p.columna, p.fila, "(" + NumeroAText(p.x) + ";" + NumeroAText(p.y) + ")");
    Llenc& l = ctx.finestra.Canvas();
    l.FixarColorLlapis(ColorVermell);
    DibuixarLinia(l, ctx.vista, p.columna, p.fila, p.columna, eixX);
    DibuixarLinia(l, ctx.vista, eixY, p.fila, p.columna, p.fila);
    if (ctx.opcions.MenuMostrarElsPuntsSingulars && r.Etiquetes.nombre > 0)
        ctx.finestra.DibuixarEtiqueta(r.Etiquetes.nombre - 1);
    return 0;
}

std::optional<int> PixelXPunt(const ContextPunt& ctx) {
    double x = 0;
    if (CalcularExpressio(ctx.panell.TextX, ctx.parametres, x) != 0) return std::nullopt;
    return ArrodonirPixel(ctx.analisi.eixos.XLogic(x) * ctx.analisi.vista.EscalaX);
}

int ArrossegarPunt(ContextPunt& ctx, int px) {
    const EixosFuncions& e = ctx.analisi.eixos;
    const ValorsVista& v = ctx.analisi.vista;
    const std::optional<int> p = PixelXPunt(ctx);
    double x = 0;
    if (!p || CalcularExpressio(ctx.panell.TextX, ctx.parametres, x) != 0) return 1;
    const double pas = ArrodonirPerMostrar(e.XUnitat / e.PasLogicX);
    if (!(pas > 0)) return 1;
    const double objectiu =
        (ArrodonirPixel(v.EscalaX > 0 ? px / v.EscalaX : 0) - e.OrigenLogicX) / e.PasLogicX * e.XUnitat;
    const int sentit = *p < px ? 1 : *p > px ? -1 : 0;
    // One step at least. A drag starts on the point's line, inside the window, so
    // the pointer is at most a few hundred columns away; the bound only keeps a
    // point far off screen from walking for ever.
    for (int n = 0; sentit != 0 && n < 2000; ++n) {
        x += sentit * pas;
        ctx.panell.TextX = NumeroATextFormula(x);
        AcceptarPunt(ctx);
        if (sentit > 0 ? !(x <= objectiu) : !(x >= objectiu)) break;
    }
    return 0;
}

void CancellarPunt(ContextPunt& ctx) {
    ctx.panell.Visible = false;
    ctx.analisi.finestra.FixarTitolFinestra(ctx.analisi.textFuncio);
}

} // namespace tracima
