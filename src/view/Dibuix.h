// The graph drawn on the abstract canvas: logical to pixel mapping, the three
// line primitives, the axes with ticks, grid and unit labels, the curves of the
// defined functions, the result overlay, and the full repaint. All coordinates
// given to these routines are logical (640 x 460, y downwards) unless named
// pixels; every logical -> pixel conversion is ArrodonirPixel(logical * scale).
#pragma once

#include "view/EstatResultats.h"
#include "functionset/UnitVariables.h"
#include "view/Llenc.h"
#include "view/OpcionsVista.h"

#include <string>
#include <string_view>

namespace tracima {

// What a repaint or a clearing of the results tells the window besides drawing.
// The caption is set through FinestraFuncions::FixarTitolFinestra.
class FinestraGrafic : public FinestraFuncions {
  public:
    // Title of the program's message boxes and of the window ("Tracima").
    virtual std::string_view TitolPrograma() const = 0;
    // Hides the image/derivative point panel if it is shown.
    virtual void AmagarPanelImatgeDerivada() = 0;
    // Immediate repaint of the whole client area (the window runs Repintar).
    virtual void Repintar() = 0;
};

// --- Colours -----------------------------------------------------------------

// Background: black with "Pissarra", else white.
Color ColorFons(const OpcionsVista& o);
// Texts of the overlay and the status line: white with "Pissarra", else black.
Color ColorText(const OpcionsVista& o);
// Axes, ticks, grid and unit labels: black with "Funcions en negre", else grey.
// Black is white on the black board ("Pissarra"), so nothing is drawn unseen.
Color ColorEixos(const OpcionsVista& o);
// Curve of the k-th defined slot (k = 1..6, by order of the defined slots, not by
// letter): blue, lime, fuchsia, aqua, yellow, black; black for every k with
// "Funcions en negre" and for a k outside 1..6; black is white on the black board.
Color ColorCorba(int k, const OpcionsVista& o);

// --- Mapping -----------------------------------------------------------------

// EscalaX = width / 640, EscalaY = height / 460 and the stored client size, from
// the canvas's client size (a negative size counts as 0).
void FixarEscales(ValorsVista& v, int amplada, int alcada);

// Pixel of a logical x / y: ArrodonirPixel(logical * EscalaX / EscalaY).
int PixelX(const ValorsVista& v, double x);
int PixelY(const ValorsVista& v, double y);

// --- Line primitives (current pen; the end pixel is not painted) -------------

void DibuixarLinia(Llenc& l, const ValorsVista& v, double x1, double y1, double x2, double y2);
// As DibuixarLinia, but the end pixel x is one more than the converted x2.
void DibuixarLiniaH(Llenc& l, const ValorsVista& v, double x1, double y1, double x2, double y2);
// As DibuixarLinia, but the end pixel y is one more than the converted y2.
void DibuixarLiniaV(Llenc& l, const ValorsVista& v, double x1, double y1, double x2, double y2);

// --- Axes, curves, overlay ---------------------------------------------------

// Recomputes eixos.OrigenLogicX/OrigenLogicY, then draws the grid or ticks, the
// unit labels and the two axis lines (the vertical one only while
// v.DibuixarEixY). Leaves the pen at width GruixLinies, solid, in the axis colour.
// Steps below one logical unit (axes not validated by AplicarFuncions) draw no
// ticks, grid or labels, so the walks always end.
void DibuixarEixos(Llenc& l, EixosFuncions& eixos, const OpcionsVista& o, const ValorsVista& v);

// Curves of the non-empty slots from their column samples, and the data points of
// interpolation functions with MostrarPunts and of every regression function.
// With `finestra`, the caption becomes the program title unless exactly one
// function is defined (the caption then keeps its text).
void DibuixarCorbes(Llenc& l, const ConjuntFuncions& cf, const OpcionsVista& o,
                    const ValorsVista& v, FinestraGrafic* finestra = nullptr);

// Label `index` (0-based into r.Etiquetes.entrades) at its column, 2 pixels
// below its row when the row is on or below the horizontal axis, else 2 above.
// Returns 0, or 1 when index is not below the label count (nothing drawn).
int DibuixarEtiqueta(Llenc& l, const EstatResultats& r, int index, const EixosFuncions& eixos,
                     const OpcionsVista& o, const ValorsVista& v);

// Red segments with the hatching fill between flagged neighbours, the green
// result curve (columns 23..618, or ..ColumnaFinalCorba while CorbaParcial), the
// labels while "Mostrar els punts singulars" is checked, and the status line at
// pixel (10, client height - 20).
void DibuixarResultats(Llenc& l, const EstatResultats& r, const EixosFuncions& eixos,
                       const OpcionsVista& o, const ValorsVista& v);

// The full repaint: background, scales from the canvas size, axes (unless "Treure
// els eixos"), DibuixarEixY = true, curves, overlay.
void Repintar(Llenc& l, ConjuntFuncions& cf, const OpcionsVista& o, ValorsVista& v,
              const EstatResultats& r, FinestraGrafic* finestra = nullptr);

// The state part of NetejarResultats: BuidarResultats, then PrecisioY =
// ArrodonirPerMostrar(Y unit / PasLogicY), PrecisioX = ArrodonirPerMostrar(X unit /
// PasLogicX).
void NetejarEstatResultats(EstatResultats& r, const EixosFuncions& eixos);

// NetejarResultats: the state part, the point panel hidden, the caption (the single
// function's text when NombreFuncions is 1, else the program title), a repaint.
void NetejarResultats(EstatResultats& r, const ConjuntFuncions& cf, FinestraGrafic& finestra);

} // namespace tracima
