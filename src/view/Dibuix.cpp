#include "view/Dibuix.h"

#include "engine/UnitTools.h"
#include "numeric/FuncioNumerica.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace tracima {

namespace {

// Characters of a UTF-8 text (the label width estimate counts characters).
int NombreCaracters(std::string_view text) {
    int n = 0;
    for (unsigned char c : text)
        n += (c & 0xC0) != 0x80;
    return n;
}

// Entries that may be read: the stored count limited to the capacity.
int Comptats(std::int32_t nombre) {
    return std::clamp<std::int32_t>(nombre, 0, CapacitatResultats);
}

// Walk of ticks along one axis: from the axis position towards the end while
// below `fins`, then from the axis towards the start while above `des`, both
// including the axis itself (it is visited twice, as the two walks are separate).
template <typename F> void Recorrer(double eix, double pas, double fins, double des, F&& visitar) {
    // A tick spacing is at least 4 logical units once the units are corrected;
    // below 1 the walk would not end in reasonable time, so nothing is walked.
    if (!(pas >= 1.0) || !std::isfinite(pas)) return;
    for (double p = eix; p < fins; p += pas)
        visitar(p);
    for (double p = eix; p > des; p -= pas)
        visitar(p);
}

} // namespace

Color ColorFons(const OpcionsVista& o) {
    return o.MenuPissarra ? ColorNegre : ColorBlanc;
}
Color ColorText(const OpcionsVista& o) {
    return o.MenuPissarra ? ColorBlanc : ColorNegre;
}
// Black drawn on the black board would not be seen: there it is the foreground
// colour, white, as the texts are.
static Color Visible(Color c, const OpcionsVista& o) {
    return (o.MenuPissarra && c == ColorNegre) ? ColorBlanc : c;
}

Color ColorEixos(const OpcionsVista& o) {
    return Visible(o.MenuFuncionsEnNegre ? ColorNegre : ColorGris, o);
}

Color ColorCorba(int k, const OpcionsVista& o) {
    static constexpr Color colors[] = {ColorBlau, ColorLlima, ColorFucsia,
                                       ColorAqua, ColorGroc,  ColorNegre};
    if (o.MenuFuncionsEnNegre || k < 1 || k > 6) return Visible(ColorNegre, o);
    return Visible(colors[k - 1], o);
}

void FixarEscales(ValorsVista& v, int amplada, int alcada) {
    v.AmpladaClient = std::max(amplada, 0);
    v.AlcadaClient = std::max(alcada, 0);
    v.EscalaX = v.AmpladaClient / 640.0;
    v.EscalaY = v.AlcadaClient / 460.0;
}

int PixelX(const ValorsVista& v, double x) {
    return ArrodonirPixel(x * v.EscalaX);
}
int PixelY(const ValorsVista& v, double y) {
    return ArrodonirPixel(y * v.EscalaY);
}

void DibuixarLinia(Llenc& l, const ValorsVista& v, double x1, double y1, double x2, double y2) {
    l.MoureA(PixelX(v, x1), PixelY(v, y1));
    l.LiniaA(PixelX(v, x2), PixelY(v, y2));
}

void DibuixarLiniaH(Llenc& l, const ValorsVista& v, double x1, double y1, double x2, double y2) {
    l.MoureA(PixelX(v, x1), PixelY(v, y1));
    l.LiniaA(PixelX(v, x2) + 1, PixelY(v, y2));
}

void DibuixarLiniaV(Llenc& l, const ValorsVista& v, double x1, double y1, double x2, double y2) {
    l.MoureA(PixelX(v, x1), PixelY(v, y1));
    l.LiniaA(PixelX(v, x2), PixelY(v, y2) + 1);
}

void DibuixarEixos(Llenc& l, EixosFuncions& eixos, const OpcionsVista& o, const ValorsVista& v) {
    const Color color = ColorEixos(o);
    const Color fons = ColorFons(o);
    l.FixarColorLlapis(color);

    eixos.CalcularOrigens();
    const double olx = eixos.OrigenLogicX;
    const double oly = eixos.OrigenLogicY;
    // NaN origins (axes never validated) put the axes on the box's first edge.
    const double eixX = std::isnan(olx) ? 20.0 : std::clamp(olx, 20.0, 620.0);
    const double eixY = std::isnan(oly) ? 20.0 : std::clamp(oly, 20.0, 420.0);

    double desplacament = 6;
    if (o.MenuTrama) {
        l.FixarGruixLlapis(1);
        l.FixarEstilLlapis(EstilLlapis::Puntejat);
        desplacament = 14;
    }

    Recorrer(eixY, eixos.PasLogicY, 421, 19, [&](double r) {
        if (o.MenuTrama && r != eixY)
            DibuixarLinia(l, v, 20, r, 620, r);
        else
            DibuixarLiniaH(l, v, eixX - 2, r, eixX + 2, r);
        if (o.MenuMostrarValorUnitatEixos && r != oly) {
            const double valor = ArrodonirPerMostrar((r - oly) / -eixos.PasLogicY * eixos.YUnitat);
            const std::string text = NumeroAText(valor);
            const double ample = 8.0 * NombreCaracters(text);
            int px = ArrodonirPixel((eixX - 4) * v.EscalaX - ample);
            if (px <= 0) px = 0;
            l.EscriureText(px, ArrodonirPixel(r * v.EscalaY - desplacament), text, color, fons);
        }
    });

    Recorrer(eixX, eixos.PasLogicX, 621, 19, [&](double c) {
        if (o.MenuTrama && c != eixX)
            DibuixarLinia(l, v, c, 20, c, 420);
        else
            DibuixarLiniaV(l, v, c, eixY - 2, c, eixY + 2);
        if (o.MenuMostrarValorUnitatEixos) {
            const double valor = ArrodonirPerMostrar((c - olx) / eixos.PasLogicX * eixos.XUnitat);
            const std::string text = NumeroAText(valor);
            l.EscriureText(ArrodonirPixel((c - 2.5 * NombreCaracters(text)) * v.EscalaX),
                           ArrodonirPixel((eixY + 6) * v.EscalaY), text, color, fons);
        }
    });

    if (o.MenuTrama) l.FixarGruixLlapis(o.GruixLinies);
    l.FixarEstilLlapis(EstilLlapis::Continu);

    if (v.DibuixarEixY) DibuixarLinia(l, v, eixX, 20, eixX, 420);
    DibuixarLinia(l, v, 20, eixY, 620, eixY);
}

void DibuixarCorbes(Llenc& l, const ConjuntFuncions& cf, const OpcionsVista& o,
                    const ValorsVista& v, FinestraGrafic* finestra) {
    const EixosFuncions& e = cf.Eixos;
    int k = 0;
    for (std::size_t s = 0; s < cf.Slots.size(); ++s) {
        const SlotFuncio& slot = cf.Slots[s];
        if (slot.Text.empty()) continue;
        ++k;
        const Color color = ColorCorba(k, o);
        l.FixarColorLlapis(color);

        if (!o.MenuNomsPunts) {
            const MostresFuncio& m = cf.MostresColumna[s];
            int tram = 0;
            for (int c = PrimeraColumna; c <= UltimaColumna; ++c) {
                if (!m.Definida(c)) {
                    tram = 0;
                    continue;
                }
                ++tram;
                if (tram >= 2 && m.Unida(c))
                    DibuixarLinia(l, v, c - 1, m.Fila(c - 1), c, m.Fila(c));
            }
        }

        const FuncioNumerica& f = slot.Numerica;
        const bool interpolacio = EsEtiquetaInterpolacio(slot.Text);
        if ((interpolacio && f.MostrarPunts) || ModelDeEtiqueta(slot.Text) != 0) {
            const int n = std::clamp(f.NombrePunts, 0, MaxPuntsTaula);
            for (int i = 0; i < n; ++i) {
                const auto idx = static_cast<std::size_t>(i);
                const int px = PixelX(v, f.ValorsX[idx] * e.PasLogicX / e.XUnitat + e.OrigenLogicX);
                const int py = PixelY(v, e.OrigenLogicY - f.ValorsY[idx] * e.PasLogicY / e.YUnitat);
                l.OmplirEllipse(px - 3, py - 3, px + 3, py + 3, color);
            }
        }
    }

    // With one function the caption is left alone: it holds the formula, or the
    // title of a scan that a pause or a cancel repaints.
    if (finestra && cf.NombreFuncions != 1) finestra->FixarTitolFinestra(finestra->TitolPrograma());
}

int DibuixarEtiqueta(Llenc& l, const EstatResultats& r, int index, const EixosFuncions& eixos,
                     const OpcionsVista& o, const ValorsVista& v) {
    if (index < 0 || index >= Comptats(r.Etiquetes.nombre)) return 1;
    const EtiquetaResultat& e = r.Etiquetes.entrades[static_cast<std::size_t>(index)];
    const int px = PixelX(v, e.columna);
    const int py = PixelY(v, e.fila);
    const int y = e.fila >= eixos.OrigenLogicY ? py + 2 : py - 2;
    l.EscriureText(px, y, e.text, ColorText(o), ColorFons(o));
    return 0;
}

void DibuixarResultats(Llenc& l, const EstatResultats& r, const EixosFuncions& eixos,
                       const OpcionsVista& o, const ValorsVista& v) {
    l.FixarColorLlapis(ColorVermell);
    const int segments = Comptats(r.Segments.nombre);
    // Fill lines left of -width or right of the client area plus the pen width
    // cannot be seen; skipping them bounds the work for far-apart flagged entries.
    const int marge = std::max(o.GruixLinies, 1);
    const int primerVisible = -marge;
    const int darrerVisible = v.AmpladaClient + marge;
    for (int i = 0; i < segments; ++i) {
        const SegmentResultat& s = r.Segments.entrades[static_cast<std::size_t>(i)];
        DibuixarLinia(l, v, s.x1, s.y1, s.x2, s.y2);
        if (i == 0 || !s.omplert || !r.Segments.entrades[static_cast<std::size_t>(i - 1)].omplert)
            continue;
        const int p = PixelX(v, r.Segments.entrades[static_cast<std::size_t>(i - 1)].x1);
        const int q = PixelX(v, s.x1);
        const int des = std::max(std::min(p, q) + 1, primerVisible);
        const int fins = std::min(std::max(p, q) - 1, darrerVisible);
        const int y1 = PixelY(v, s.y1);
        const int y2 = PixelY(v, s.y2);
        for (int x = des; x <= fins; ++x) {
            l.MoureA(x, y1);
            l.LiniaA(x, y2);
        }
    }

    l.FixarColorLlapis(ColorVerd);
    const CorbaResultat& corba = r.Corba;
    if (corba.MostrarCorbaResultat) {
        const int darrera =
            corba.CorbaParcial ? std::min(corba.ColumnaFinalCorba, UltimaColumna) : 618;
        auto fila = [&](int c) {
            return eixos.OrigenLogicY - corba.Valor(c) * eixos.PasLogicY / eixos.YUnitat;
        };
        for (int c = 24; c <= darrera; ++c)
            if (corba.Valida(c) && corba.Valida(c - 1))
                DibuixarLinia(l, v, c - 1, fila(c - 1), c, fila(c));
    }

    if (r.Etiquetes.nombre > 0 && o.MenuMostrarElsPuntsSingulars)
        for (int i = 0; i < Comptats(r.Etiquetes.nombre); ++i)
            DibuixarEtiqueta(l, r, i, eixos, o, v);

    if (!r.TextEstat.empty())
        l.EscriureText(10, v.AlcadaClient - 20, r.TextEstat, ColorText(o), ColorFons(o));
}

void Repintar(Llenc& l, ConjuntFuncions& cf, const OpcionsVista& o, ValorsVista& v,
              const EstatResultats& r, FinestraGrafic* finestra) {
    const int amplada = l.AmpladaClient();
    const int alcada = l.AlcadaClient();
    l.OmplirRectangle(0, 0, amplada, alcada, ColorFons(o));
    FixarEscales(v, amplada, alcada);
    l.FixarGruixLlapis(std::max(o.GruixLinies, 1));
    l.FixarEstilLlapis(EstilLlapis::Continu);
    if (!o.MenuTreureElsEixos) DibuixarEixos(l, cf.Eixos, o, v);
    v.DibuixarEixY = true;
    l.FixarSuau(o.MenuLiniesSuaus);
    DibuixarCorbes(l, cf, o, v, finestra);
    DibuixarResultats(l, r, cf.Eixos, o, v);
    l.FixarSuau(false);
}

void NetejarEstatResultats(EstatResultats& r, const EixosFuncions& eixos) {
    BuidarResultats(r);
    r.PrecisioY = ArrodonirPerMostrar(eixos.YUnitat / eixos.PasLogicY);
    r.PrecisioX = ArrodonirPerMostrar(eixos.XUnitat / eixos.PasLogicX);
}

void NetejarResultats(EstatResultats& r, const ConjuntFuncions& cf, FinestraGrafic& finestra) {
    NetejarEstatResultats(r, cf.Eixos);
    finestra.AmagarPanelImatgeDerivada();
    finestra.FixarTitolFinestra(cf.NombreFuncions == 1 ? std::string_view(cf.FuncioUnica.Text)
                                                       : finestra.TitolPrograma());
    finestra.Repintar();
}

} // namespace tracima
