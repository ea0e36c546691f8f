// The numeric-function dialogs as models: the chooser, the interpolation and
// regression table dialogs with their options and acceptance, the points-only
// switches, and the axis suggestion that follows an accepted table.
#pragma once

#include <string>

#include "text/Missatges.h"
#include "engine/UnitCalcular.h"
#include "numeric/Coeficients.h"
#include "numeric/FuncioNumerica.h"
#include "numeric/GraellaValors.h"

namespace tracima {

// What the chooser and the table dialogs share while one function is edited.
struct EstatNumerica {
    int FuncioTriada = 1; // 1..6 for F..K
    TaulaTreball TaulaDeTreball;
    int ValorReservat = 1; // working copy, written back unchanged on acceptance
    int InterpolacioAcceptada = 0;
    int RegressioAcceptada = 0;
};

struct OpcionsInterpolacio {
    bool Lineal = false;
    bool MostrarPunts = false;
    bool Extrapolar = false;
    bool NomesPunts = false; // mirrors the main window's "Només punts"; not stored
};

struct DialegInterpolacio {
    GraellaValors Graella;
    OpcionsInterpolacio Opcions;
};

struct DialegRegressio {
    GraellaValors Graella;
    int Model = 1; // the checked radio button, 1..5 ("&Lin." at creation)
};

// The chooser's controls: the checked function (1..6, F at creation) and "Regressió".
struct SelectorNumerica {
    int Funcio = 1;
    bool Regressio = false;
};

enum DialegTaula : int { DialegCap = 0, DialegDInterpolacio = 1, DialegDeRegressio = 2 };

// The chooser's OK: FuncioTriada, the working ValorReservat and table from
// `registreTriat` (the record of function s.Funcio); loads the grid of the dialog
// to open and sets its options or model from the record; resets both acceptance
// flags, so a cancelled table dialog never leads to the axis question. Returns the
// dialog to show, or DialegCap (nothing changed) for a function outside 1..6.
DialegTaula AcceptarSelector(const SelectorNumerica& s, const FuncioNumerica& registreTriat,
                             EstatNumerica& e, DialegInterpolacio& di, DialegRegressio& dr);

// "D'acord" of the interpolation dialog: reads the grid (at least two points, x
// strictly increasing), then stores the table, extremes, ValorReservat and the three
// options into `registre` (the record of e.FuncioTriada), writes the label for the
// function's box into `etiqueta` and sets InterpolacioAcceptada. On a refusal the
// grid's cursor goes to the refusal's cell and nothing else changes.
Refus AcceptarInterpolacio(DialegInterpolacio& d, const Parametres& param, EstatNumerica& e,
                           FuncioNumerica& registre, std::string& etiqueta);

// "D'acord" of the regression dialog: reads the grid (at least three points, x in
// any order), fits the checked model, and only when all of it succeeds stores the
// table, extremes, ValorReservat, statistics, coefficients, R, EquacioRegressio and
// TipusRegressio into `registre`, writes the model's label into `etiqueta` and sets
// RegressioAcceptada. On a refusal the grid's cursor goes to the refusal's cell and
// the record is left as it was (a cancel afterwards keeps the function intact).
Refus AcceptarRegressio(DialegRegressio& d, const Parametres& param, EstatNumerica& e,
                        FuncioNumerica& registre, std::string& etiqueta);

// "Coeficients..." of the regression dialog: reads the grid into the working table
// as the acceptance does (at least three points, the same refusals) and computes the
// window `c` on that table only. No record is touched, so cancelling the dialog
// afterwards leaves the function as it was. On a refusal the grid's cursor goes to
// the refusal's cell.
Refus ObrirCoeficients(DialegRegressio& d, const Parametres& param, EstatNumerica& e,
                       CoeficientsRegressio& c);

// The points-only switches. Checking "Només punts" in the dialog checks "Mostrar
// punts" and the menu item; unchecking it unchecks the menu item. Unchecking
// "Mostrar punts" unchecks "Només punts" and through it the menu item.
void MarcarNomesPunts(OpcionsInterpolacio& o, bool marcat, bool& menuNomesPunts);
void MarcarMostrarPunts(OpcionsInterpolacio& o, bool marcat, bool& menuNomesPunts);
// The main window's "Només punts": toggles the menu item; once checked, the dialog's
// two boxes are checked and MostrarPunts of the chosen record becomes true.
void CommutarMenuNomesPunts(bool& menuNomesPunts, OpcionsInterpolacio& o,
                            FuncioNumerica& registreTriat);

// --- Axis suggestion ------------------------------------------------------------

struct ExtremsSuggerits {
    double OrigenX = 0, FinalX = 0, OrigenY = 0, FinalY = 0;
};

// 1 multiplied by 10 e times (e > 0) or divided by 10 |e| times (e < 0).
double PotenciaDeDeu(int e);
// The next step strictly above v on the scale 1, 2, ..., 10 times a power of ten
// (7 and 7.3 give 8); v itself above 1e9 or below 0.00001.
double ArrodonirAmunt(double v);
// The step strictly below v on the same scale (7.3 gives 7, 7 gives 6); v itself
// from 1e9 up or when no step lies below it.
double ArrodonirAvall(double v);

// Extremes framing the points of `f` (its XMinim..YMaxim): a tenth of margin, a
// narrow band away from zero kept as it is, otherwise rounded outwards and brought
// to zero or balanced.
ExtremsSuggerits SuggerirExtremsEixos(const FuncioNumerica& f);

// True when an accepted table dialog asks for the axis question.
inline bool CalPreguntarExtrems(const EstatNumerica& e) {
    return e.InterpolacioAcceptada == 1 || e.RegressioAcceptada == 1;
}

// Text of the axis question (its title is slot MissatgeModificarExtrems), with the
// texts of slots 178..181 of `textos` and the values written with NumeroAText;
// the line breaks are LF CR.
std::string TextPreguntaExtrems(const ExtremsSuggerits& s, const TaulaMissatges& textos);

} // namespace tracima
