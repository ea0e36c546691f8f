#include "analysis/Escombrat.h"

#include "engine/UnitTools.h"
#include "view/Dibuix.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace tracima {

void EscriureEstat(const ContextAnalisi& ctx) {
    Llenc& l = ctx.finestra.Canvas();
    const Color fons = ColorFons(ctx.opcions);
    const Color text = ColorText(ctx.opcions);
    const auto& r = ctx.resultats.Rectangle;
    l.OmplirRectangle(r.esquerra, r.dalt, r.dreta, r.baix, fons);
    l.EscriureText(10, l.AlcadaClient() - 20, ctx.resultats.TextEstat, text, fons);
}

EscombratFuncio::EscombratFuncio(ContextAnalisi ctx, double valorAntiimatge)
    : ctx_(ctx), t_(valorAntiimatge) {}

bool EscombratFuncio::Derivades() const {
    const int a = ctx_.resultats.AnalisiActiva;
    return a == AnalisiDerivada || a == AnalisiSegonaDerivada;
}

bool EscombratFuncio::NovaColumnaDispositiu(int c) const {
    const double e = ctx_.vista.EscalaX;
    return ArrodonirPixel(c * e) != ArrodonirPixel((c - 1) * e);
}

Color EscombratFuncio::Fons() const {
    return ColorFons(ctx_.opcions);
}

void EscombratFuncio::Linia(double x1, double y1, double x2, double y2, Color color) {
    Llenc& l = ctx_.finestra.Canvas();
    l.FixarColorLlapis(color);
    DibuixarLinia(l, ctx_.vista, x1, y1, x2, y2);
}

int EscombratFuncio::Iniciar() {
    EstatResultats& r = ctx_.resultats;
    const int a = r.AnalisiActiva;
    if (a < AnalisiAntiimatge || (a > AnalisiInflexio && a < AnalisiCreixement) ||
        a > AnalisiSegonaDerivada) {
        acabat_ = true; // a step of a scan that did not start does nothing
        return 1;
    }
    r.Rectangle.Fixar(ctx_.finestra.Canvas().AlcadaClient());
    yextent_ = ctx_.eixos.YFinal - ctx_.eixos.YOrigen;
    r.Corba.valida.fill(false);
    titol_ = std::string(ctx_.missatges.Missatge(BaseTitolsAnalisi + a));
    if (a == AnalisiAntiimatge)
        titol_ += NumeroAText(t_);
    else
        r.Segments.Buidar();
    ctx_.finestra.FixarTitolFinestra(titol_);
    if (a == AnalisiAntiimatge || a == AnalisiArrels || a == AnalisiDiscontinuitats)
        r.PrecisioY = 0;
    if (a == AnalisiAntiimatge || a == AnalisiArrels) r.PrecisioX = 0;
    if (a == AnalisiInflexio || (a >= AnalisiCreixement && a <= AnalisiConvexitat))
        r.PrecisioX = 2 * r.PrecisioX;
    r1_ = r2_ = 0;
    filaEix_ = ArrodonirPixel(ctx_.eixos.OrigenLogicY);
    r.AturarCalcul = false;
    c_ = 23;
    acabat_ = false;
    primera_ = true;
    obert_ = bloqueig_ = plena_ = false;
    segmentObert_ = -1;
    tangentUltima_ = {};
    return 0;
}

ResultatPas EscombratFuncio::Pas() {
    if (acabat_) return ResultatPas::Acabat;
    EstatResultats& r = ctx_.resultats;
    const MostresFuncio& f = ctx_.funcio;
    const EixosFuncions& e = ctx_.eixos;
    const int c = c_;
    if (r.AturarCalcul) {
        acabat_ = true;
        return ResultatPas::Aturat;
    }
    trobat_ = false;
    obreAquesta_ = false;
    liniaTracDibuixada_ = false;
    tangentDibuixada_ = false;
    // The previous column's tracing line (or its mark, redrawn with the results).
    if (Tracat() && !primera_ && f.Definida(c - 1) && NovaColumnaDispositiu(c - 1))
        Linia(c - 1, r1_, c - 1, r2_, Fons());
    if (Tracat() && r.AnalisiActiva == AnalisiDerivada && tangentUltima_ != std::array<int, 4>{})
        Linia(tangentUltima_[0], tangentUltima_[1], tangentUltima_[2], tangentUltima_[3], Fons());

    v_ = f.Y(c);
    r1_ = ArrodonirPixel(e.Fila(f.Y(c)));
    r2_ = filaEix_;
    marcaX_.reset(); // x(c) unless the test sets another
    if (Tracat()) {
        std::string text = "x = " + NumeroAText(e.XEscombrat(c)) + "   ";
        if (!primera_ && f.Definida(c)) {
            liniaTrac_ = {c, r1_, c, r2_};
            liniaTracDibuixada_ = true;
            if (NovaColumnaDispositiu(c)) Linia(c, r1_, c, r2_, ColorVermell);
            text += "y = " + NumeroAText(f.Y(c));
        } else {
            text += ctx_.missatges.Missatge(MissatgeNoTeImatge);
        }
        r.TextEstat = text;
        EscriureEstat(ctx_);
    }
    primera_ = false;

    ProvarColumna();
    if (plena_) return ListaPlena();

    if (c == 618 && Tracat() && r.AnalisiActiva == AnalisiDerivada && tangentDibuixada_)
        Linia(tangent_[0], tangent_[1], tangent_[2], tangent_[3], Fons());
    if (obert_ && segmentObert_ >= 0 && segmentObert_ < r.Segments.nombre)
        r.Segments.entrades[static_cast<std::size_t>(segmentObert_)].x2 = c;

    if (trobat_) {
        // Column 23 is only a starting neighbour: a point found there is neither
        // shown nor paused at.
        if (c > 23) {
            if (!Enregistrar()) return ListaPlena();
            if (Tracat() && r.AnalisiActiva < AnalisiDerivadaPunt) {
                ctx_.finestra.Repintar();
                if (!ctx_.finestra.PreguntarPausa(r.TextEstat)) {
                    RefrescFinal();
                    acabat_ = true;
                    return ResultatPas::Cancellat;
                }
            }
        }
    } else if (f.Definida(c) && NovaColumnaDispositiu(c)) {
        if (Tracat()) {
            if (c == 618 && liniaTracDibuixada_) Linia(c, r1_, c, r2_, Fons());
            ctx_.finestra.DibuixarEixos();
            ctx_.finestra.DibuixarResultats();
            Llenc& l = ctx_.finestra.Canvas();
            l.FixarColorLlapis(ColorBlau);
            for (int k = c - 2; k <= c - 1; ++k) {
                const bool dins =
                    f.Fila(k - 1) > 0 && f.Fila(k - 1) < 440 && f.Fila(k) > 0 && f.Fila(k) < 440;
                if (f.Definida(k - 1) && f.Definida(k) && dins)
                    DibuixarLinia(l, ctx_.vista, k - 1, f.Fila(k - 1), k, f.Fila(k));
            }
        }
        if (Derivades()) DibuixarCorbaNova();
    }

    if (Tracat() && r.PausaDemanada) {
        r.PausaDemanada = false;
        int afegits = 0;
        if (liniaTracDibuixada_ &&
            r.Segments.Afegir(liniaTrac_[0], liniaTrac_[1], liniaTrac_[2], liniaTrac_[3]) == 0) {
            Linia(liniaTrac_[0], liniaTrac_[1], liniaTrac_[2], liniaTrac_[3], ColorVermell);
            ++afegits;
        }
        if (tangentDibuixada_ &&
            r.Segments.Afegir(tangent_[0], tangent_[1], tangent_[2], tangent_[3]) == 0) {
            Linia(tangent_[0], tangent_[1], tangent_[2], tangent_[3], ColorVermell);
            ++afegits;
        }
        if (Derivades()) {
            r.Corba.CorbaParcial = true;
            r.Corba.ColumnaFinalCorba = c;
        }
        ctx_.finestra.Repintar();
        const bool continuar = ctx_.finestra.PreguntarPausa(r.TextEstat);
        // The trace line and the tangent were results only while the pause lasted.
        for (int i = 0; i < afegits; ++i)
            r.Segments.TreureUltim();
        if (!continuar) {
            RefrescFinal();
            acabat_ = true;
            return ResultatPas::Cancellat;
        }
        if (liniaTracDibuixada_)
            Linia(liniaTrac_[0], liniaTrac_[1], liniaTrac_[2], liniaTrac_[3], Fons());
        if (tangentDibuixada_) Linia(tangent_[0], tangent_[1], tangent_[2], tangent_[3], Fons());
    }

    if (c >= 618) {
        Tancar();
        acabat_ = true;
        return ResultatPas::Acabat;
    }
    ++c_;
    return ResultatPas::Continua;
}

void EscombratFuncio::ProvarColumna() {
    switch (ctx_.resultats.AnalisiActiva) {
    case AnalisiAntiimatge:
        ProvarAntiimatge();
        break;
    case AnalisiArrels:
        ProvarArrel();
        break;
    case AnalisiDiscontinuitats:
        ProvarDiscontinuitat();
        break;
    case AnalisiMaxims:
    case AnalisiMinims:
        ProvarExtrem();
        break;
    case AnalisiInflexio:
        ProvarInflexio();
        break;
    case AnalisiDerivada:
    case AnalisiSegonaDerivada:
        ProvarDerivada();
        break;
    default:
        ProvarInterval();
        break;
    }
}

void EscombratFuncio::ProvarAntiimatge() {
    const MostresFuncio& f = ctx_.funcio;
    const EixosFuncions& e = ctx_.eixos;
    EstatResultats& r = ctx_.resultats;
    const int c = c_;
    const double T = t_;
    if (Tracat()) {
        const int fila = ArrodonirPixel(e.Fila(T));
        Linia(20, fila, 620, fila, ColorVermell);
    }
    const double y0 = f.Y(c - 1), y1 = f.Y(c);
    const bool candidat = ArrodonirPerMostrar(y1) == T || (y0 > T && y1 < T) || (y0 < T && y1 > T);
    if (!(candidat && f.Definida(c) && f.Definida(c - 1) && std::fabs(y0 - y1) < e.YUnitat)) return;
    trobat_ = true;
    v_ = T;
    double u = 0;
    if (y1 != T) {
        marcaX_ = e.XMigEscombrat(c);
        u = std::fabs(y1 - y0);
        r.PrecisioX = ArrodonirPerMostrar(e.AmpladaColumna());
    }
    if (u > r.PrecisioY) r.PrecisioY = u;
    if (v_ == 0) r1_ = ArrodonirPixel(e.OrigenLogicY - 1);
}

void EscombratFuncio::ProvarArrel() {
    const MostresFuncio& f = ctx_.funcio;
    const EixosFuncions& e = ctx_.eixos;
    const int c = c_;
    const double y0 = f.Y(c - 1), y1 = f.Y(c);
    const bool candidat = y1 == 0 || (y0 > 0 && y1 < 0) || (y0 < 0 && y1 > 0);
    const bool trobat =
        (candidat && f.Definida(c) && f.Definida(c - 1) && std::fabs(y0 - y1) < e.YUnitat) ||
        (y1 == 0 && f.Definida(c));
    if (!trobat) return;
    trobat_ = true;
    v_ = 0;
    if (y1 != 0) {
        marcaX_ = e.XMigEscombrat(c);
        ctx_.resultats.PrecisioX = ArrodonirPerMostrar(e.AmpladaColumna());
    }
    r1_ = ArrodonirPixel(e.OrigenLogicY + 4);
    r2_ = ArrodonirPixel(e.OrigenLogicY - 4);
}

void EscombratFuncio::ProvarDiscontinuitat() {
    const MostresFuncio& f = ctx_.funcio;
    const EixosFuncions& e = ctx_.eixos;
    const int c = c_;
    const auto liniaSencera = [&] {
        r1_ = ArrodonirPixel(e.Fila(e.YFinal) - 20);
        r2_ = ArrodonirPixel(e.Fila(e.YOrigen) + 20);
    };
    if (f.Definida(c - 1) && !f.Definida(c) && f.Definida(c + 1)) {
        trobat_ = true;
        if (std::fabs(f.Y(c - 1) - f.Y(c + 1)) < e.YUnitat) {
            const double L = ArrodonirPerMostrar((f.Y(c - 1) + f.Y(c + 1)) / 2);
            v_ = L;
            textLimit_ = "lim = " + NumeroAText(L);
            r1_ = ArrodonirPixel(e.Fila(L));
        } else {
            textLimit_ = std::string(ctx_.missatges.Missatge(MissatgeLimitInfinit));
            liniaSencera();
        }
        return;
    }
    const double ym = f.Y(c - 1), y0 = f.Y(c), yp = f.Y(c + 1);
    if ((ym > e.YFinal && y0 > ym && yp < e.YOrigen) ||
        (ym < e.YOrigen && y0 < ym && yp > e.YFinal)) {
        trobat_ = true;
        textLimit_ = std::string(ctx_.missatges.Missatge(MissatgePosDisInfinita));
        liniaSencera();
    }
}

void EscombratFuncio::ProvarExtrem() {
    const MostresFuncio& f = ctx_.funcio;
    const double U = ctx_.eixos.YUnitat;
    const int c = c_;
    if (!(f.Definida(c - 1) && f.Definida(c) && f.Definida(c + 1))) return;
    const double ym = f.Y(c - 1), y0 = f.Y(c), yp = f.Y(c + 1);
    if (!(std::fabs(ym - y0) < U && std::fabs(yp - y0) < U)) return;
    const bool maxim = ctx_.resultats.AnalisiActiva == AnalisiMaxims;
    if (maxim ? (ym < y0 && y0 > yp) : (ym > y0 && y0 < yp)) {
        trobat_ = true;
        const double u = (std::fabs(yp - y0) + std::fabs(y0 - ym)) / 2;
        if (u > ctx_.resultats.PrecisioY) ctx_.resultats.PrecisioY = u;
    }
}

void EscombratFuncio::ProvarInflexio() {
    const MostresFuncio& f = ctx_.funcio;
    const double U = ctx_.eixos.YUnitat;
    const int c = c_;
    if (bloqueig_) {
        bloqueig_ = false;
        return;
    }
    if (!(f.Definida(c - 1) && f.Definida(c) && f.Definida(c + 1))) return;
    const double ym = f.Y(c - 1), y0 = f.Y(c), yp = f.Y(c + 1);
    if (!(std::fabs(ym - y0) < U && std::fabs(yp - y0) < U)) return;
    const double d1 = f.Y(c - 2) - ym, d2 = ym - y0, d3 = y0 - yp, d4 = yp - f.Y(c + 2);
    if ((d2 > d1 && d4 < d3) || (d2 < d1 && d4 > d3)) {
        trobat_ = true;
        bloqueig_ = true;
        const double u = (std::fabs(yp - y0) + std::fabs(y0 - ym)) / 2;
        if (u > ctx_.resultats.PrecisioY) ctx_.resultats.PrecisioY = u;
    }
}

void EscombratFuncio::ProvarInterval() {
    const MostresFuncio& f = ctx_.funcio;
    EstatResultats& r = ctx_.resultats;
    const int c = c_;
    const double ym = f.Y(c - 1), y0 = f.Y(c), yp = f.Y(c + 1), yq = f.Y(c + 2);
    const bool tres = f.Definida(c - 1) && f.Definida(c) && f.Definida(c + 1);
    bool prova = false;
    switch (r.AnalisiActiva) {
    case AnalisiCreixement:
        prova = tres && ym < y0 && y0 < yp;
        break;
    case AnalisiDecreixement:
        prova = tres && ym > y0 && y0 > yp;
        break;
    case AnalisiConcavitat:
        prova = tres && f.Definida(c + 2) && (yq - yp) - (yp - y0) > 0 && (yp - y0) - (y0 - ym) > 0;
        break;
    default:
        prova = tres && f.Definida(c + 2) && (yq - yp) - (yp - y0) < 0 && (yp - y0) - (y0 - ym) < 0;
        break;
    }
    // The open interval is seen growing while the scan runs.
    ctx_.finestra.DibuixarResultats();
    if (prova) {
        if (!obert_) {
            // The interval segment, its opening mark and label must all fit.
            if (!HiCap(2, 1)) {
                plena_ = true;
                return;
            }
            r.Segments.Afegir(c, filaEix_, c, filaEix_);
            segmentObert_ = r.Segments.nombre - 1;
            obert_ = true;
            trobat_ = true;
            obreAquesta_ = true;
        }
    } else if (obert_) {
        obert_ = false;
        trobat_ = true;
    }
}

void EscombratFuncio::ProvarDerivada() {
    const MostresFuncio& f = ctx_.funcio;
    const EixosFuncions& e = ctx_.eixos;
    EstatResultats& r = ctx_.resultats;
    const int c = c_;
    const bool primera = r.AnalisiActiva == AnalisiDerivada;
    const double h = e.H();
    r.Corba.valor[static_cast<std::size_t>(c - 20)] = 0;
    std::string text = primera ? " y´=" : " y´´=";
    if (f.Definida(c - 1) && f.Definida(c) && f.Definida(c + 1)) {
        const double ym = f.Y(c - 1), y0 = f.Y(c), yp = f.Y(c + 1);
        if (std::fabs((ym - y0) / h) < yextent_ && std::fabs((yp - y0) / h) < yextent_) {
            double D;
            if (primera) {
                D = ArrodonirPerMostrar(((yp - y0) + (y0 - ym)) / h / 2);
                if (Tracat()) {
                    tangent_ = {c - 75, ArrodonirPixel(e.Fila(y0 - 75 * h * D)), c + 75,
                                ArrodonirPixel(e.Fila(y0 + 75 * h * D))};
                    Linia(tangent_[0], tangent_[1], tangent_[2], tangent_[3], ColorVermell);
                    tangentDibuixada_ = true;
                    tangentUltima_ = tangent_;
                }
            } else {
                D = ArrodonirPerMostrar((yp + ym - 2 * y0) / (h * h));
            }
            if (Tracat()) text += NumeroAText(D); // the status text is only shown traced
            r.Corba.Fixar(c, D);
        } else {
            text += ctx_.missatges.Missatge(MissatgeForaDeLaPantalla);
        }
    } else {
        text = std::string(
            ctx_.missatges.Missatge(primera ? MissatgeNoTeDerivada : MissatgeNoTeDerivadaSegona));
    }
    if (Tracat()) {
        r.TextEstat = "x = " + NumeroAText(e.XEscombrat(c)) + " " + text;
        EscriureEstat(ctx_);
    }
}

void EscombratFuncio::DibuixarCorbaNova() {
    const EstatResultats& r = ctx_.resultats;
    const int c = c_;
    int s = (Tracat() && r.AnalisiActiva == AnalisiDerivada) ? c - 75 : c - 3;
    if (s < 23) s = 23;
    Llenc& l = ctx_.finestra.Canvas();
    l.FixarColorLlapis(ColorVerd);
    int comptador = 0;
    for (int k = s; k <= c; ++k) {
        if (r.Corba.Valida(k)) {
            if (++comptador > 1)
                DibuixarLinia(l, ctx_.vista, k - 1, ctx_.eixos.Fila(r.Corba.Valor(k - 1)), k,
                              ctx_.eixos.Fila(r.Corba.Valor(k)));
        } else {
            comptador = 0;
        }
    }
    if (Tracat() && r.AnalisiActiva == AnalisiDerivada) {
        const MostresFuncio& f = ctx_.funcio;
        const int a = std::max(23, c - 80), b = std::min(618, c + 80);
        l.FixarColorLlapis(ColorBlau);
        for (int k = a + 1; k <= b; ++k)
            if (f.Definida(k - 1) && f.Definida(k) && f.Unida(k))
                DibuixarLinia(l, ctx_.vista, k - 1, f.Fila(k - 1), k, f.Fila(k));
    }
}

bool EscombratFuncio::HiCap(int segments, int etiquetes) const {
    const EstatResultats& r = ctx_.resultats;
    return r.Segments.nombre + segments <= CapacitatResultats &&
           r.Etiquetes.nombre + etiquetes <= CapacitatResultats;
}

std::string EscombratFuncio::TextEtiqueta(double valor, double precisio) const {
    return ctx_.opcions.MenuPrecisioBaixa ? NumeroATextPrecisioBaixa(valor, precisio)
                                          : NumeroAText(valor);
}

bool EscombratFuncio::Enregistrar() {
    EstatResultats& r = ctx_.resultats;
    const EixosFuncions& e = ctx_.eixos;
    const int c = c_;
    const int a = r.AnalisiActiva;
    const bool segona =
        a == AnalisiAntiimatge || (a >= AnalisiDiscontinuitats && a <= AnalisiInflexio);
    if (!HiCap(1, segona ? 2 : 1)) return false;
    Linia(c, r1_, c, r2_, ColorVermell);
    r.Segments.Afegir(c, r1_, c, r2_);
    if (obreAquesta_)
        marcaX_ = e.XEscombrat(c - 1);
    else if (!marcaX_)
        marcaX_ = e.XEscombrat(c);
    r.Etiquetes.Afegir(c, v_ >= 0 ? filaEix_ : ArrodonirPixel(e.OrigenLogicY - 1),
                       TextEtiqueta(*marcaX_, r.PrecisioX));
    if (ctx_.opcions.MenuMostrarElsPuntsSingulars)
        ctx_.finestra.DibuixarEtiqueta(r.Etiquetes.nombre - 1);
    if (segona) {
        int fila = (r1_ == filaEix_ && v_ >= 0) ? r1_ - 1 : r1_;
        std::string text;
        if (a == AnalisiDiscontinuitats) {
            text = textLimit_;
            if (r1_ == ArrodonirPixel(e.Fila(e.YFinal) - 20)) fila = r1_ + 36;
        } else {
            text = TextEtiqueta(v_, r.PrecisioY);
        }
        r.Etiquetes.Afegir(c, fila, text);
        if (ctx_.opcions.MenuMostrarElsPuntsSingulars)
            ctx_.finestra.DibuixarEtiqueta(r.Etiquetes.nombre - 1);
    }
    if (Tracat()) {
        r.TextEstat = "x = " + NumeroAText(*marcaX_) + "   " +
                      (a == AnalisiDiscontinuitats ? textLimit_ : "y = " + NumeroAText(v_));
        EscriureEstat(ctx_);
    }
    return true;
}

ResultatPas EscombratFuncio::ListaPlena() {
    ctx_.finestra.MostrarMissatge(ctx_.missatges.Missatge(MissatgeMassaPunts));
    Tancar();
    acabat_ = true;
    return ResultatPas::Acabat;
}

void EscombratFuncio::Tancar() {
    EstatResultats& r = ctx_.resultats;
    r.Corba.CorbaParcial = false;
    ctx_.finestra.DibuixarResultats();
    ctx_.finestra.FixarTitolFinestra(ctx_.textFuncio);
    r.TextEstat = titol_;
    EscriureEstat(ctx_);
    RefrescFinal();
}

void EscombratFuncio::RefrescFinal() {
    ctx_.vista.DibuixarEixY = true;
    ctx_.finestra.Repintar();
}

ResultatPas ExecutarEscombrat(EscombratFuncio& escombrat) {
    ResultatPas p = ResultatPas::Continua;
    while (p == ResultatPas::Continua)
        p = escombrat.Pas();
    return p;
}

int LlegirNumeroDecimal(std::string_view text, double& valor) {
    std::size_t ini = 0, fi = text.size();
    while (ini < fi && text[ini] == ' ')
        ++ini;
    while (fi > ini && text[fi - 1] == ' ')
        --fi;
    std::string net(text.substr(ini, fi - ini));
    for (char& ch : net)
        if (ch == ',') ch = '.';
    const char* p = net.data();
    const char* final = p + net.size();
    if (p != final && *p == '+' && (final - p < 2 || p[1] != '-')) ++p;
    double t = 0;
    const auto [fet, ec] = std::from_chars(p, final, t, std::chars_format::fixed);
    if (net.empty() || ec != std::errc() || fet != final || !std::isfinite(t)) return 1;
    valor = t;
    return 0;
}

int LlegirValorDecimal(const ContextAnalisi& ctx, std::string_view text, double& valor) {
    if (LlegirNumeroDecimal(text, valor) == 0) return 0;
    ctx.finestra.MostrarMissatge(ctx.missatges.Missatge(MissatgeValorNoNumeric));
    return 1;
}

int PrepararAntiimatge(ContextAnalisi& ctx, std::string_view text, double& valor) {
    double t = 0;
    if (LlegirValorDecimal(ctx, text, t) != 0) return 1;
    valor = ArrodonirPerMostrar(t);
    if (valor < ctx.eixos.YOrigen) {
        ctx.finestra.MostrarMissatge(ctx.missatges.Missatge(MissatgeYMassaPetit));
        return 1;
    }
    if (valor > ctx.eixos.YFinal) {
        ctx.finestra.MostrarMissatge(ctx.missatges.Missatge(MissatgeYMassaGran));
        return 1;
    }
    const int r = ArrodonirPixel(ctx.eixos.Fila(t));
    ctx.resultats.Segments.Buidar();
    ctx.resultats.Segments.Afegir(20, r, 620, r);
    Llenc& l = ctx.finestra.Canvas();
    l.FixarColorLlapis(ColorVermell);
    const int rv = ArrodonirPixel(ctx.eixos.Fila(valor));
    DibuixarLinia(l, ctx.vista, 20, rv, 620, rv);
    return 0;
}

} // namespace tracima
