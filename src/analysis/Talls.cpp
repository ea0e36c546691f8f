#include "analysis/Talls.h"

#include "engine/UnitTools.h"
#include "view/Dibuix.h"

#include <algorithm>
#include <cmath>

namespace tracima {

EscombratTalls::EscombratTalls(ContextAnalisi ctx, const MostresFuncio& segona, Color colorPrimera,
                               Color colorSegona)
    : ctx_(ctx), segona_(segona), color1_(colorPrimera), color2_(colorSegona) {}

Color EscombratTalls::Fons() const {
    return ColorFons(ctx_.opcions);
}

bool EscombratTalls::NovaColumnaDispositiu(int c) const {
    const double e = ctx_.vista.EscalaX;
    return ArrodonirPixel(c * e) != ArrodonirPixel((c - 1) * e);
}

void EscombratTalls::Linia(int x1, int y1, int x2, int y2, Color color) {
    Llenc& l = ctx_.finestra.Canvas();
    l.FixarColorLlapis(color);
    DibuixarLinia(l, ctx_.vista, x1, y1, x2, y2);
}

void EscombratTalls::EsborrarCursor(const Cursor& k) {
    Linia(k.x, k.baix, k.x, k.dalt, Fons());
}

void EscombratTalls::DibuixarCursor(const Cursor& k) {
    Linia(k.x, k.rLow, k.x, k.r0, ColorVermell);
    Linia(k.x, k.rLow, k.x, k.rHigh, ColorGroc);
}

int EscombratTalls::Iniciar() {
    EstatResultats& r = ctx_.resultats;
    if (r.AnalisiActiva != AnalisiTalls) return 1;
    titol_ = std::string(ctx_.missatges.Missatge(BaseTitolsAnalisi + AnalisiTalls));
    ctx_.finestra.FixarTitolFinestra(titol_);
    const int h = ctx_.finestra.Canvas().AlcadaClient();
    r.Rectangle = {0, h - 20, 200, h};
    r.Corba.valida.fill(false);
    r.Segments.Buidar();
    tallSobreEixY_ = false;
    r.PrecisioX = r.PrecisioY = 0;
    r.AturarCalcul = false;
    tallAnterior_ = true;
    cursorAnterior_ = false;
    c_ = 23;
    acabat_ = false;
    return 0;
}

// The curve pieces c - 3 -> c - 2 and c - 2 -> c - 1 of both functions, which the
// erased cursor may have crossed.
void EscombratTalls::RepararCorbes(int c) {
    Llenc& l = ctx_.finestra.Canvas();
    const auto peces = [&](const MostresFuncio& f, Color color) {
        l.FixarColorLlapis(color);
        for (int k = c - 2; k <= c - 1; ++k) {
            const bool dins =
                f.Fila(k - 1) > 0 && f.Fila(k - 1) < 440 && f.Fila(k) > 0 && f.Fila(k) < 440;
            if (f.Definida(k - 1) && f.Definida(k) && dins)
                DibuixarLinia(l, ctx_.vista, k - 1, f.Fila(k - 1), k, f.Fila(k));
        }
    };
    peces(ctx_.funcio, color1_);
    peces(segona_, color2_);
}

ResultatPas EscombratTalls::Pas() {
    if (acabat_) return ResultatPas::Acabat;
    EstatResultats& r = ctx_.resultats;
    const MostresFuncio& f1 = ctx_.funcio;
    const MostresFuncio& f2 = segona_;
    const EixosFuncions& e = ctx_.eixos;
    const int c = c_;
    if (r.AturarCalcul) {
        acabat_ = true;
        return ResultatPas::Aturat;
    }
    if (Tracat() && !tallAnterior_ && cursorAnterior_ && NovaColumnaDispositiu(c - 1))
        EsborrarCursor(anterior_);

    Cursor k;
    k.x = c;
    const int r1 = ArrodonirPixel(f1.Fila(c));
    const int r2 = ArrodonirPixel(f2.Fila(c));
    k.r0 = ArrodonirPixel(e.OrigenLogicY);
    k.rLow = std::max(r1, r2);
    k.rHigh = std::min(r1, r2);
    k.baix = std::max(k.rLow, k.r0);
    k.dalt = std::min(k.rHigh, k.r0);
    // The same x as the single-function scans, so a point reads alike in both.
    double x = e.XEscombrat(c);
    const bool definides = f1.Definida(c) && f2.Definida(c);
    bool cursor = false;
    if (Tracat()) {
        std::string text = "x = " + NumeroAText(x) + "   ";
        if (definides) {
            if (NovaColumnaDispositiu(c)) DibuixarCursor(k);
            cursor = true;
            text += "ABS(y1-y2) = " + NumeroAText(std::fabs(f1.Y(c) - f2.Y(c)));
        } else {
            text += ctx_.missatges.Missatge(MissatgeNoTeImatge);
        }
        r.TextEstat = text;
        EscriureEstat(ctx_);
    }
    tallAnterior_ = false;

    const double d0 = f1.Y(c - 1) - f2.Y(c - 1);
    const double d1 = f1.Y(c) - f2.Y(c);
    const bool tall = ((d0 > 0 && d1 < 0) || (d0 < 0 && d1 > 0) || d1 == 0) &&
                      std::fabs(d1) < e.YUnitat && f1.Definida(c - 1) && f1.Definida(c) &&
                      f2.Definida(c - 1) && f2.Definida(c);
    if (tall) {
        tallAnterior_ = true;
        double y;
        if (d1 == 0) {
            y = ArrodonirPerMostrar(f1.Y(c));
            incertesa_ = 0;
        } else {
            x = e.XMigEscombrat(c);
            y = ArrodonirPerMostrar((f1.Y(c) + f1.Y(c - 1)) / 2);
            incertesa_ = (std::fabs(d1) + std::fabs(d0)) / 2;
            r.PrecisioX = ArrodonirPerMostrar(e.AmpladaColumna());
        }
        if (incertesa_ > r.PrecisioY) r.PrecisioY = incertesa_;
        if (tallSobreEixY_) ctx_.vista.DibuixarEixY = false;
        const ResultatPas p = Marcar(c, x, y, r1);
        if (p != ResultatPas::Continua) return p;
    } else if (Tracat() && f1.Definida(c) && NovaColumnaDispositiu(c)) {
        if (c == 618 && cursor) EsborrarCursor(k);
        // A repaint in a pause draws the vertical axis again; once a cut lies on
        // it, the axis redraws of the tracing must keep leaving it out.
        if (tallSobreEixY_) ctx_.vista.DibuixarEixY = false;
        ctx_.finestra.DibuixarEixos();
        RepararCorbes(c);
    }

    if (Tracat() && r.PausaDemanada) {
        r.PausaDemanada = false;
        int afegits = 0;
        if (cursor) {
            // The cursor is kept on screen through the pause, room permitting.
            if (r.Segments.Afegir(k.x, k.rLow, k.x, k.r0) == 0) ++afegits;
            if (r.Segments.Afegir(k.x, k.rLow, k.x, k.rHigh) == 0) ++afegits;
            DibuixarCursor(k);
        }
        ctx_.finestra.Repintar();
        if (!ctx_.finestra.PreguntarPausa(r.TextEstat)) return Cancellar();
        for (int i = 0; i < afegits; ++i)
            r.Segments.TreureUltim();
        if (cursor) EsborrarCursor(k);
    }
    cursorAnterior_ = cursor;
    anterior_ = k;
    if (c >= 618) return Final();
    ++c_;
    return ResultatPas::Continua;
}

ResultatPas EscombratTalls::Marcar(int c, double x, double y, int r1) {
    EstatResultats& r = ctx_.resultats;
    const EixosFuncions& e = ctx_.eixos;
    // One segment and two labels per cut; a full list ends the scan.
    if (r.Segments.nombre + 1 > CapacitatResultats || r.Etiquetes.nombre + 2 > CapacitatResultats) {
        ctx_.finestra.MostrarMissatge(ctx_.missatges.Missatge(MissatgeMassaPunts));
        return Final();
    }
    if (ArrodonirPixel(e.OrigenLogicX) == c) {
        tallSobreEixY_ = true;
        ctx_.vista.DibuixarEixY = false;
    }
    const int r0 = ArrodonirPixel(e.OrigenLogicY);
    Linia(c, r1, c, r0, ColorVermell);
    r.Segments.Afegir(c, r1, c, r0);
    r.Corba.valida[static_cast<std::size_t>(c - 20)] = true;
    const bool baixa = ctx_.opcions.MenuPrecisioBaixa;
    r.Etiquetes.Afegir(c, y >= 0 ? r0 : ArrodonirPixel(e.OrigenLogicY - 1),
                       baixa ? NumeroATextPrecisioBaixa(x, r.PrecisioX) : NumeroAText(x));
    if (ctx_.opcions.MenuMostrarElsPuntsSingulars)
        ctx_.finestra.DibuixarEtiqueta(r.Etiquetes.nombre - 1);
    r.Etiquetes.Afegir(c, (r1 == e.OrigenLogicY && y >= 0) ? r1 - 1 : r1,
                       baixa ? NumeroATextPrecisioBaixa(y, r.PrecisioY) : NumeroAText(y));
    if (ctx_.opcions.MenuMostrarElsPuntsSingulars)
        ctx_.finestra.DibuixarEtiqueta(r.Etiquetes.nombre - 1);
    if (Tracat()) {
        r.TextEstat = "x = " + NumeroAText(x) + "   y = " + NumeroAText(y) + std::string(39, ' ');
        EscriureEstat(ctx_);
        ctx_.finestra.Repintar();
        if (!ctx_.finestra.PreguntarPausa(r.TextEstat)) return Cancellar();
    }
    return ResultatPas::Continua;
}

ResultatPas EscombratTalls::Cancellar() {
    ctx_.vista.DibuixarEixY = true;
    ctx_.finestra.Repintar();
    acabat_ = true;
    return ResultatPas::Cancellat;
}

ResultatPas EscombratTalls::Final() {
    ctx_.finestra.DibuixarResultats();
    ctx_.resultats.TextEstat = titol_;
    EscriureEstat(ctx_);
    ctx_.vista.DibuixarEixY = true;
    ctx_.finestra.Repintar();
    acabat_ = true;
    return ResultatPas::Acabat;
}

ResultatPas ExecutarTalls(EscombratTalls& escombrat) {
    ResultatPas p = ResultatPas::Continua;
    while (p == ResultatPas::Continua)
        p = escombrat.Pas();
    return p;
}

} // namespace tracima
