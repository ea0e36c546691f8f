// The image (analysis 1) and the derivative at a point (analysis 8): the value
// of the single function at a typed x, the accept and stepping steps of the
// point panel, and the point's lines in the result overlay. The window owns the
// panel widgets and mirrors PanellPunt.
#pragma once

#include "analysis/Escombrat.h"
#include "engine/UnitCalcular.h"
#include "functionset/UnitVariables.h"

#include <optional>
#include <string>

namespace tracima {

// The single function at x: interpolation labels through the prepared table,
// regression labels through their fitted formula (fewer than 2 points: 101),
// anything else compiled as a formula. Returns 0 with `y` set, a compile or
// evaluation code, or 101 where a numeric function has no value.
int ImatgeDeLaFuncio(const SlotFuncio& slot, const Parametres& p, Calculador& calc, double x,
                     double& y);

// The first column c in 21..619 whose unrounded world x reaches x; 619 when no
// column does (an x between column 619 and X final), so the derivative is taken
// at the right edge, not the left one.
int ColumnaPunt(const EixosFuncions& e, double x);

// What the panel shows: its visibility, the x edit and the y label.
struct PanellPunt {
    bool Visible = false;
    std::string TextX;
    std::string TextY;
};

struct ContextPunt {
    ContextAnalisi analisi;
    const SlotFuncio& slot;
    const Parametres& parametres;
    Calculador& calc;
    PanellPunt& panell;
};

// Starts the command of analysis 1 or 8 on cleared results: caption, label,
// result curve (8), panel shown with x "0", and an accept. Returns 0, or 1 when
// `analisi` is neither.
int IniciarPunt(ContextPunt& ctx, int analisi);

// The accept steps for panell.TextX. Returns 0, or 1 when the text does not
// evaluate (message 205 shown, label reset, nothing else changed).
int AcceptarPunt(ContextPunt& ctx);

// One column up or down (the arrow keys and the up/down control), then accept.
// Returns 0 when the x moved, 1 when it is at a limit or the text does not
// evaluate (nothing happens).
int MourePunt(ContextPunt& ctx, bool amunt);

// A drag of the point's vertical line to pointer pixel x `px`: the point walks one
// column step at a time (each step accepted, so each is drawn) until it reaches
// the world x of the pointer's column. Returns 0, or 1 when the x text does not
// evaluate or the step is 0 (nothing happens).
int ArrossegarPunt(ContextPunt& ctx, int px);

// Pixel x of the panel's point (of its vertical line), or nothing when the x
// text does not evaluate.
std::optional<int> PixelXPunt(const ContextPunt& ctx);

// "Cancel.lar": hides the panel and restores the caption; AnalisiActiva stays.
void CancellarPunt(ContextPunt& ctx);

// The pointer at pixel (px, py): its logical column and row (ArrodonirPixel of
// pixel / scale) and their world x and y.
struct PuntPunter {
    int columna = 0, fila = 0;
    double x = 0, y = 0;
};
PuntPunter PuntDelPunter(const EixosFuncions& e, const ValorsVista& v, int px, int py);

// The pointer read-out: "(" x "," y ")" when the point lies strictly inside the
// axis ranges, empty otherwise.
std::string TextCoordenades(const EixosFuncions& e, const PuntPunter& p);

// A left click that marks its point (option "Al clicar es marquen les
// coordenades"): two red segments to the axes and the label "(x;y)". Returns 0
// when marked, 1 when the point is not strictly inside the axis ranges (nothing
// happens), 2 when 650 segments or 651 labels are stored already (message 204
// shown, nothing added).
int MarcarClic(ContextAnalisi& ctx, int px, int py);

} // namespace tracima
